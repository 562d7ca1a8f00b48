#include "core/StdioFileEx.h"

#include "core/Utf8Text.h"
#include "platform/TextFile.h"

bool CStdioFileEx::Open(const wxString& path) {
  Close();
  m_file = platform::OpenFile(path, "rb");
  m_atStart = true;
  m_error = false;
  m_buffer.clear();
  m_pos = 0;
  return m_file != nullptr;
}

void CStdioFileEx::Close() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
}

bool CStdioFileEx::ReadRawLine(std::string& line) {
  line.clear();
  if (!m_file) return false;
  if (m_atStart) {
    m_atStart = false;
    // A first byte that cannot start a byte order mark goes back unread, so
    // that the stream keeps its buffer.
    const int first = std::fgetc(m_file);
    if (first != 0xEF) {
      if (first != EOF) std::ungetc(first, m_file);
    } else {
      unsigned char rest[2] = {0, 0};
      const std::size_t got = std::fread(rest, 1, 2, m_file);
      if (!(got == 2 && rest[0] == 0xBB && rest[1] == 0xBF)) std::fseek(m_file, 0, SEEK_SET);
    }
  }
  for (;;) {
    if (m_pos == m_buffer.size() && !Refill()) return !line.empty();
    const std::size_t from = m_pos;
    while (m_pos < m_buffer.size() && m_buffer[m_pos] != '\r' && m_buffer[m_pos] != '\n') ++m_pos;
    line.append(m_buffer, from, m_pos - from);
    if (m_pos == m_buffer.size()) continue;
    // A line end: CR LF and LF CR are one end; a lone CR or LF is one too.
    const char end = m_buffer[m_pos++];
    line.push_back(end);
    if (m_pos == m_buffer.size() && !Refill()) return true;
    const char pair = end == '\r' ? '\n' : '\r';
    if (m_buffer[m_pos] == pair) line.push_back(m_buffer[m_pos++]);
    return true;
  }
}

// Reads the next block of the file; false at its end or on an error.
bool CStdioFileEx::Refill() {
  m_buffer.resize(65536);
  m_buffer.resize(std::fread(&m_buffer[0], 1, m_buffer.size(), m_file));
  m_pos = 0;
  if (!m_buffer.empty()) return true;
  if (std::ferror(m_file)) m_error = true;
  return false;
}

bool CStdioFileEx::ReadString(wxString& line) {
  std::string raw;
  if (!ReadRawLine(raw)) {
    line.clear();
    return false;
  }
  line = Utf8ToWide(raw);
  return true;
}
