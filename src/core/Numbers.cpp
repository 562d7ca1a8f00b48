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
// 32-bit runtime the values were designed for; rest is what reading left.
std::uint32_t ToUnsigned(const std::string& text, int base, std::string* rest = nullptr,
                         bool* clamped = nullptr) {
  char* end = nullptr;
  unsigned long long v = std::strtoull(text.c_str(), &end, base);
  if (rest) *rest = end;
  bool negative = !text.empty() && text[0] == '-';
  const bool tooLarge = !negative && v > 0xFFFFFFFFull;
  if (clamped) *clamped = tooLarge;
  if (tooLarge) return 0xFFFFFFFFu;
  return static_cast<std::uint32_t>(v);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

std::optional<std::uint32_t> ReadWholeNumber(const wxString& text) {
  const std::string s = Normalise(std::string(text.utf8_str()));
  // No sign and no blank: the number starts with a digit.
  if (s.empty() || !IsDigit(s[0])) return std::nullopt;
  const bool hex = LooksHex(s);
  std::string rest;
  bool clamped = false;
  const std::uint32_t value = ToUnsigned(s, hex ? 16 : 10, &rest, &clamped);
  if (clamped || !(rest.empty() || (hex && rest == "H"))) return std::nullopt;
  return value;
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
