#include "core/Utf8Text.h"

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
