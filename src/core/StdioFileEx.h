// The template writer's line reader.
#pragma once

#include <wx/string.h>

#include <cstdio>
#include <string>

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
