#include "core/TextLines.h"

#include "platform/TextFile.h"

#include <cstdint>
#include <cstring>

namespace {

// Length of the UTF-8 sequence at text[pos] and its code point; 0 when invalid.
std::size_t DecodeUtf8(const char* text, std::size_t size, std::size_t pos, std::uint32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  std::size_t length = 0;
  std::uint32_t min = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > size) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(pos + i) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

std::size_t DecodeUtf8(const std::string& text, std::size_t pos, std::uint32_t& code) {
  return DecodeUtf8(text.data(), text.size(), pos, code);
}

void AppendCodePoint(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

const char kReplacement[] = "\xEF\xBF\xBD";

// The first byte at or after pos that is not ASCII, or size; eight bytes at a time.
std::size_t SkipAscii(const char* bytes, std::size_t size, std::size_t pos) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  for (std::uint64_t word = 0; pos + sizeof word <= size; pos += sizeof word) {
    std::memcpy(&word, bytes + pos, sizeof word);
    if (word & kHighBits) break;
  }
  while (pos < size && static_cast<unsigned char>(bytes[pos]) < 0x80) ++pos;
  return pos;
}

}  // namespace

wxString Utf8ToWide(const std::string& text) {
  wxString out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    std::uint32_t code = 0;
    const std::size_t length = DecodeUtf8(text, pos, code);
    if (length == 0) {
      out += wxUniChar(0xFFFD);
      ++pos;
    } else {
      out += wxUniChar(code);
      pos += length;
    }
  }
  return out;
}

std::string WideToUtf8(const wxString& text) {
  std::string out;
  out.reserve(text.length());
  AppendUtf8(out, text);
  return out;
}

void AppendUtf8(std::string& out, const wxString& text) {
  const wchar_t* wide = text.wc_str();
  const std::size_t size = text.length();
  for (std::size_t i = 0; i < size; ++i) {
    std::uint32_t code = static_cast<std::uint32_t>(wide[i]);
    // A surrogate pair (16-bit wchar_t) is one character; a lone surrogate
    // cannot be encoded.
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < size && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF)
      code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<std::uint32_t>(wide[++i]) - 0xDC00);
    else if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      code = 0xFFFD;
    AppendCodePoint(out, code);
  }
}

void AppendRepairedUtf8(std::string& out, const char* bytes, std::size_t size) {
  std::size_t clean = 0;  // bytes[clean, pos) are valid and not yet appended
  for (std::size_t pos = 0; pos < size;) {
    pos = SkipAscii(bytes, size, pos);
    if (pos == size) break;
    std::uint32_t code = 0;
    const std::size_t length = DecodeUtf8(bytes, size, pos, code);
    if (length > 0) {
      pos += length;
      continue;
    }
    out.append(bytes + clean, pos - clean);
    out.append(kReplacement, 3);
    clean = ++pos;
  }
  out.append(bytes + clean, size - clean);
}

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
