#include "core/Numbers.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace {

bool LooksHex(const std::string& upper) {
  return upper.find("0X") != std::string::npos || upper.find('H') != std::string::npos;
}

std::string Normalise(const std::string& text) {
  std::size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return std::string();
  std::size_t end = text.find_last_not_of(" \t\r\n");
  std::string out = text.substr(begin, end - begin + 1);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// strtoul/strtol as the runtime reads them, clamped to 32 bits like the
// 32-bit runtime the values were designed for.
std::uint32_t ToUnsigned(const std::string& text, int base) {
  unsigned long long v = std::strtoull(text.c_str(), nullptr, base);
  bool negative = !text.empty() && text[0] == '-';
  if (!negative && v > 0xFFFFFFFFull) return 0xFFFFFFFFu;
  return static_cast<std::uint32_t>(v);
}

std::int32_t ToSigned(const std::string& text, int base) {
  long long v = std::strtoll(text.c_str(), nullptr, base);
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(v);
}

}  // namespace

std::uint32_t ParseNumber(const wxString& text) {
  std::string s = Normalise(std::string(text.utf8_str()));
  return ToUnsigned(s, LooksHex(s) ? 16 : 10);
}

std::int32_t ParseIntA(const std::string& text, bool forceHex) {
  std::string s = Normalise(text);
  return ToSigned(s, (forceHex || LooksHex(s)) ? 16 : 10);
}

std::int32_t ParseInt(const wxString& text, bool forceHex) {
  return ParseIntA(std::string(text.utf8_str()), forceHex);
}

int CompareDouble(double a, double b) {
  if (std::fabs(a - b) < DBL_EPSILON) return 0;
  return a > b ? 1 : -1;
}

std::uint32_t ShiftToMask(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  return (value << shift) & mask;
}

wxString FormatHexForAsm(std::uint32_t value) {
  wxString text = wxString::Format("%x", value);
  if (text[0] >= 'a' && text[0] <= 'f') text.Prepend("0");
  return text;
}
