#include "platform/Format.h"

namespace platform {
namespace {

constexpr long kMaxWidth = 4096;

enum class Want { Integer, Real, Text, Char };

struct Conversion {
  std::size_t begin = 0;  // index of '%'
  std::size_t end = 0;    // one past the conversion character
  wxString flags;
  long width = -1;
  long precision = -1;
  wxChar type = 0;
};

bool IsFlag(wxChar c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }

// Reads digits at pos; false when the number is absurdly large.
bool ReadNumber(const wxString& s, std::size_t& pos, long& value) {
  value = 0;
  while (pos < s.length() && s[pos] >= '0' && s[pos] <= '9') {
    value = value * 10 + (s[pos] - '0');
    if (value > kMaxWidth) return false;
    ++pos;
  }
  return true;
}

bool WantFor(wxChar type, Want& want) {
  switch (static_cast<int>(type)) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o': want = Want::Integer; return true;
    case 'c': want = Want::Char; return true;
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A': want = Want::Real; return true;
    case 's':
    case 'S': want = Want::Text; return true;
    default: return false;  // %n, %p, positional and unknown conversions are refused
  }
}

// Splits the format into conversions; false when one is malformed or refused.
bool ParseConversions(const wxString& format, std::vector<Conversion>& out) {
  std::size_t pos = 0;
  const std::size_t n = format.length();
  while (pos < n) {
    if (format[pos] != '%') {
      ++pos;
      continue;
    }
    if (pos + 1 < n && format[pos + 1] == '%') {
      pos += 2;
      continue;
    }
    Conversion c;
    c.begin = pos++;
    while (pos < n && IsFlag(format[pos])) c.flags += format[pos++];
    if (pos < n && format[pos] >= '1' && format[pos] <= '9') {
      if (!ReadNumber(format, pos, c.width)) return false;
    }
    if (pos < n && format[pos] == '.') {
      ++pos;
      if (!ReadNumber(format, pos, c.precision)) return false;
    }
    // Length modifiers carry no meaning here: the argument's kind decides.
    while (pos < n && wxString("hlLqjzt").Find(format[pos]) != wxNOT_FOUND) ++pos;
    if (pos >= n) return false;
    c.type = format[pos++];
    c.end = pos;
    Want want;
    if (!WantFor(c.type, want)) return false;
    out.push_back(c);
  }
  return true;
}

bool Fits(Want want, FormatArg::Kind kind) {
  switch (want) {
    case Want::Integer:
    case Want::Char: return kind == FormatArg::Kind::Signed || kind == FormatArg::Kind::Unsigned;
    case Want::Real: return kind == FormatArg::Kind::Real;
    case Want::Text: return kind == FormatArg::Kind::Text;
  }
  return false;
}

wxString Spec(const Conversion& c, const wxString& length, wxChar type) {
  wxString spec = "%" + c.flags;
  if (c.width >= 0) spec << c.width;
  if (c.precision >= 0) spec << "." << c.precision;
  return spec + length + type;
}

wxString FormatOne(const Conversion& c, const FormatArg& arg) {
  Want want;
  WantFor(c.type, want);
  switch (want) {
    case Want::Integer:
      if (c.type == 'd' || c.type == 'i') return wxString::Format(Spec(c, "ll", c.type), arg.GetSigned());
      return wxString::Format(Spec(c, "ll", c.type), arg.GetUnsigned());
    case Want::Char: {
      wxString ch(static_cast<wxChar>(arg.GetUnsigned() & 0xFFFF), 1);
      return wxString::Format(Spec(c, "", 's'), ch);
    }
    case Want::Real: return wxString::Format(Spec(c, "", c.type), arg.GetReal());
    case Want::Text: return wxString::Format(Spec(c, "", 's'), arg.GetText());
  }
  return wxString();
}

bool ConversionsFit(const std::vector<Conversion>& conversions, const std::vector<FormatArg>& args) {
  if (conversions.size() != args.size()) return false;
  for (std::size_t i = 0; i < conversions.size(); ++i) {
    Want want;
    WantFor(conversions[i].type, want);
    if (!Fits(want, args[i].GetKind())) return false;
  }
  return true;
}

}  // namespace

bool FormatFits(const wxString& format, const std::vector<FormatArg>& args) {
  std::vector<Conversion> conversions;
  return ParseConversions(format, conversions) && ConversionsFit(conversions, args);
}

wxString FormatChecked(const wxString& format, const std::vector<FormatArg>& args) {
  std::vector<Conversion> conversions;
  if (!ParseConversions(format, conversions) || !ConversionsFit(conversions, args)) return format;

  wxString out;
  std::size_t pos = 0;
  std::size_t next = 0;
  while (pos < format.length()) {
    if (next < conversions.size() && pos == conversions[next].begin) {
      out += FormatOne(conversions[next], args[next]);
      pos = conversions[next].end;
      ++next;
    } else if (format[pos] == '%' && pos + 1 < format.length() && format[pos + 1] == '%') {
      out += '%';
      pos += 2;
    } else {
      out += format[pos++];
    }
  }
  return out;
}

}  // namespace platform
