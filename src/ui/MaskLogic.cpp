#include "ui/MaskLogic.h"

#include "core/Numbers.h"

#include <algorithm>
#include <cstdlib>
#include <locale>
#include <sstream>

namespace {

bool IsAsciiDigit(wxUniChar ch) { return ch >= '0' && ch <= '9'; }
bool IsAsciiLetter(wxUniChar ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }
bool IsHexDigit(wxUniChar ch) {
  return IsAsciiDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}
bool IsSign(wxUniChar ch) { return ch == '+' || ch == '-'; }
bool IsPlaceholderFormat(wxUniChar letter) { return wxString("DHCASB").Find(letter) != wxNOT_FOUND; }

bool MatchesAt(const wxString& format, const wxString& templ, size_t position, wxUniChar ch) {
  const wxUniChar slot = templ[position];
  if (slot == '_' || slot == '.') return FormatAcceptsChar(format[position], ch);
  return slot == ch;
}

}  // namespace

bool IsValidMask(const wxString& format, const wxString& templ) {
  if (format.length() != templ.length()) return false;
  for (size_t i = 0; i < templ.length(); ++i) {
    const wxUniChar slot = templ[i];
    const wxUniChar letter = format[i];
    if (slot == '_') {
      if (!IsPlaceholderFormat(letter)) return false;
    } else if (slot == '.') {
      if (letter != 'C') return false;
    } else if (slot != letter) {
      return false;
    }
  }
  return true;
}

bool FormatAcceptsChar(wxUniChar formatLetter, wxUniChar ch) {
  switch (static_cast<wchar_t>(formatLetter.GetValue())) {
    case 'D': return IsAsciiDigit(ch);
    case 'B': return ch == '0' || ch == '1';
    case 'H': return IsHexDigit(ch);
    case 'A': return IsAsciiDigit(ch) || IsAsciiLetter(ch);
    case 'C': return IsAsciiLetter(ch) || ch == '.';
    case 'S': return IsSign(ch);
    default: return false;
  }
}

bool TextFitsMask(const wxString& text, const wxString& format, const wxString& templ) {
  const size_t length = templ.length();
  size_t position = 0;
  for (const wxUniChar ch : text) {
    if (position >= length) return false;
    // An optional sign that is not typed leaves its position behind.
    if (templ[position] == '_' && format[position] == 'S' && !IsSign(ch)) {
      if (++position >= length) return false;
    }
    if (MatchesAt(format, templ, position, ch)) {
      ++position;
      continue;
    }
    while (position < length && templ[position] == '_') ++position;
    if (position >= length || templ[position] != ch) return false;
    ++position;
  }
  return true;
}

ValueCheckKind GetValueCheckKind(const wxString& format, const wxString& templ) {
  if (format.empty() || templ.empty() || format.length() != templ.length()) return ValueCheckKind::kRefused;
  bool hexadecimal = false;
  bool decimalPoint = false;
  for (size_t i = 0; i < templ.length(); ++i) {
    const wxUniChar slot = templ[i];
    const wxUniChar letter = format[i];
    if (slot != '_' && slot != '.') return ValueCheckKind::kRefused;
    if (letter == 'D') continue;
    if (letter == 'S' && i == 0) continue;
    if (letter == 'H') {
      hexadecimal = true;
      continue;
    }
    if (letter == 'C' && slot == '.' && i > 0 && !decimalPoint) {
      decimalPoint = true;
      continue;
    }
    return ValueCheckKind::kRefused;
  }
  if (hexadecimal && decimalPoint) return ValueCheckKind::kRefused;
  return hexadecimal ? ValueCheckKind::kHexadecimal : ValueCheckKind::kDecimal;
}

bool IsValidRange(double minimum, double maximum) { return CompareDouble(minimum, maximum) < 0; }

double ParseEditValue(const wxString& text, bool hexadecimal) {
  std::string ascii = text.ToStdString(wxConvUTF8);
  if (hexadecimal) {
    bool negative = false;
    if (!ascii.empty() && (ascii[0] == '-' || ascii[0] == '+')) {
      negative = ascii[0] == '-';
      ascii.erase(0, 1);
    }
    size_t digits = 0;
    while (digits < ascii.size() && IsHexDigit(static_cast<unsigned char>(ascii[digits]))) ++digits;
    const double magnitude =
        digits == 0 ? 0.0 : static_cast<double>(std::strtoull(ascii.substr(0, digits).c_str(), nullptr, 16));
    return negative ? -magnitude : magnitude;
  }
  std::istringstream in(ascii);
  in.imbue(std::locale::classic());
  double value = 0.0;
  if (!(in >> value)) return 0.0;
  return value;
}

bool IsTextInRange(const wxString& text, bool hexadecimal, double minimum, double maximum) {
  if (text.empty()) return true;
  const double value = ParseEditValue(text, hexadecimal);
  return CompareDouble(value, minimum) >= 0 && CompareDouble(value, maximum) <= 0;
}

wxString PredictEditText(const wxString& text, long selectionFrom, long selectionTo, long caret, EditKey key,
                         wxUniChar ch) {
  const long length = static_cast<long>(text.length());
  long from = std::clamp(std::min(selectionFrom, selectionTo), 0L, length);
  long to = std::clamp(std::max(selectionFrom, selectionTo), 0L, length);
  caret = std::clamp(caret, 0L, length);
  wxString result = text;
  if (from != to) {
    result.erase(from, to - from);
    caret = from;
    if (key != EditKey::kCharacter) return result;
  } else if (key == EditKey::kBackspace) {
    if (caret > 0) result.erase(caret - 1, 1);
    return result;
  } else if (key == EditKey::kDelete) {
    if (caret < length) result.erase(caret, 1);
    return result;
  }
  result.insert(caret, wxString(ch));
  return result;
}
