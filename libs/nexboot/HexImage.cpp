#include "HexImage.h"

#include "nexboot.h"

namespace nexboot {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// The record's bytes after the colon; false when a character is not a hex digit.
bool DecodeHexBytes(const std::string& text, std::vector<std::uint8_t>& bytes) {
  if (text.size() % 2 != 0) return false;
  bytes.clear();
  for (size_t i = 0; i < text.size(); i += 2) {
    int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  return true;
}

std::string Trimmed(const std::string& line) {
  size_t begin = 0, end = line.size();
  while (begin < end && IsBlank(line[begin])) ++begin;
  while (end > begin && IsBlank(line[end - 1])) --end;
  return line.substr(begin, end - begin);
}

}  // namespace

stHexImage ParseIntelHex(const std::string& text) {
  stHexImage image;
  std::uint32_t base = 0;
  std::vector<std::uint8_t> bytes;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t newline = text.find('\n', pos);
    if (newline == std::string::npos) newline = text.size();
    std::string line = Trimmed(text.substr(pos, newline - pos));
    pos = newline + 1;
    ++image.line;
    if (line.empty()) continue;
    auto fail = [&](int error) {
      image.error = error;
      image.data.clear();
      return image;
    };
    if (line[0] != ':' || !DecodeHexBytes(line.substr(1), bytes) || bytes.size() < 5 ||
        bytes.size() != 5u + bytes[0]) {
      return fail(NB_LOAD_BAD_RECORD);
    }
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes) sum = static_cast<std::uint8_t>(sum + b);
    if (sum != 0) return fail(NB_LOAD_BAD_CHECKSUM);
    const int count = bytes[0];
    const std::uint32_t offset = static_cast<std::uint32_t>(bytes[1] << 8 | bytes[2]);
    const std::uint8_t* field = &bytes[4];
    switch (bytes[3]) {
      case 0x00:
        image.data.push_back({base + offset, std::vector<std::uint8_t>(field, field + count)});
        break;
      case 0x01:
        if (image.data.empty()) return fail(NB_LOAD_EMPTY);
        image.line = 0;
        return image;
      case 0x02:
        if (count != 2) return fail(NB_LOAD_BAD_RECORD);
        base = static_cast<std::uint32_t>(field[0] << 8 | field[1]) << 4;
        break;
      case 0x04:
        if (count != 2) return fail(NB_LOAD_BAD_RECORD);
        base = static_cast<std::uint32_t>(field[0] << 8 | field[1]) << 16;
        break;
      case 0x03:
      case 0x05:
        if (count != 4) return fail(NB_LOAD_BAD_RECORD);
        break;
      default: return fail(NB_LOAD_BAD_RECORD);
    }
  }
  image.error = NB_LOAD_NO_END_RECORD;
  image.data.clear();
  return image;
}

}  // namespace nexboot
