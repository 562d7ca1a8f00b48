// A printf-style formatter that checks every conversion against its argument.
//
// Language texts are used as formats; a translation must never be able to
// crash the program. When the conversions of a format do not fit the
// arguments (count or kind), the format is returned as it stands.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <vector>

namespace platform {

class FormatArg {
 public:
  enum class Kind { Signed, Unsigned, Real, Text };

  FormatArg(int v) : m_kind(Kind::Signed), m_signed(v) {}
  FormatArg(long v) : m_kind(Kind::Signed), m_signed(v) {}
  FormatArg(long long v) : m_kind(Kind::Signed), m_signed(v) {}
  FormatArg(unsigned v) : m_kind(Kind::Unsigned), m_unsigned(v) {}
  FormatArg(unsigned long v) : m_kind(Kind::Unsigned), m_unsigned(v) {}
  FormatArg(unsigned long long v) : m_kind(Kind::Unsigned), m_unsigned(v) {}
  FormatArg(double v) : m_kind(Kind::Real), m_real(v) {}
  FormatArg(const wxString& v) : m_kind(Kind::Text), m_text(v) {}
  FormatArg(const char* v) : m_kind(Kind::Text), m_text(v ? wxString::FromUTF8(v) : wxString()) {}
  FormatArg(const wchar_t* v) : m_kind(Kind::Text), m_text(v ? wxString(v) : wxString()) {}

  Kind GetKind() const { return m_kind; }
  long long GetSigned() const {
    return m_kind == Kind::Unsigned ? static_cast<long long>(m_unsigned) : m_signed;
  }
  unsigned long long GetUnsigned() const {
    return m_kind == Kind::Signed ? static_cast<unsigned long long>(m_signed) : m_unsigned;
  }
  double GetReal() const { return m_real; }
  const wxString& GetText() const { return m_text; }

 private:
  Kind m_kind;
  long long m_signed = 0;
  unsigned long long m_unsigned = 0;
  double m_real = 0;
  wxString m_text;
};

// The format with its conversions filled, or the format itself when they do
// not fit the arguments.
wxString FormatChecked(const wxString& format, const std::vector<FormatArg>& args);

// True when the format's conversions fit the arguments' kinds and count.
bool FormatFits(const wxString& format, const std::vector<FormatArg>& args);

template <class... Args>
wxString FormatText(const wxString& format, const Args&... args) {
  return FormatChecked(format, std::vector<FormatArg>{FormatArg(args)...});
}

}  // namespace platform
