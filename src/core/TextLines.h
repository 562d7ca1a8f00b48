// UTF-8 conversions and the line reader shared by the template writer and the
// conditional preprocessor.
#pragma once

#include <wx/string.h>

#include <cstdio>
#include <string>

// UTF-8 to wide text; each invalid byte becomes U+FFFD.
wxString Utf8ToWide(const std::string& text);
// Wide text to UTF-8 (no byte-order mark); NUL characters are kept.
std::string WideToUtf8(const wxString& text);

// Appends the UTF-8 form of text to out; NUL characters are kept.
void AppendUtf8(std::string& out, const wxString& text);
// Appends size bytes of UTF-8 to out with each invalid byte replaced by U+FFFD,
// as Utf8ToWide then AppendUtf8 would; plain ASCII is copied as it is.
void AppendRepairedUtf8(std::string& out, const char* bytes, std::size_t size);

// Reads a UTF-8 text file line by line, raw: each line keeps its line-end
// bytes (CR LF, LF CR, LF or CR). A byte-order mark at the start is skipped.
// Lines are read whole, however long.
class CStdioFileEx {
 public:
  CStdioFileEx() = default;
  ~CStdioFileEx() { Close(); }
  CStdioFileEx(const CStdioFileEx&) = delete;
  CStdioFileEx& operator=(const CStdioFileEx&) = delete;

  bool Open(const wxString& path);
  void Close();
  bool IsOpen() const { return m_file != nullptr; }

  // The next line, converted from UTF-8; false at the end of the file.
  bool ReadString(wxString& line);
  // The next line as raw bytes; false at the end of the file.
  bool ReadRawLine(std::string& line);
  // True when a read failed (not at the end of the file).
  bool HasError() const { return m_error; }

 private:
  bool Refill();

  std::FILE* m_file = nullptr;
  bool m_atStart = true;
  bool m_error = false;
  std::string m_buffer;   // read ahead of the lines given
  std::size_t m_pos = 0;  // the next byte of m_buffer to give
};
