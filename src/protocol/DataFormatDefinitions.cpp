#include "protocol/DataFormatDefinitions.h"

#include "core/Numbers.h"
#include "core/StringHelpers.h"
#include "platform/Profile.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace olv::protocol {

namespace {

constexpr char kGroupSection[] = "Group";
constexpr char kDataSection[] = "Data";

wxString ReadValue(const wxString& file, const wxString& section, const wxString& key) {
  return platform::ReadProfileString(file, section, key, "", kDefinitionBuffer);
}

// The greatest number among the section's keys written "%d" (no sign, no
// leading zero), as the numbered keys are read; -1 when there is none.
int LastNumberedKey(const wxString& file, const wxString& section) {
  int last = -1;
  for (const wxString& key : platform::ReadProfileKeys(file, section)) {
    const wxString name = key.Strip(wxString::both);
    long number = 0;
    if (name.empty() || !name.IsNumber() || name[0] == '-' || name[0] == '+' ||
        (name.length() > 1 && name[0] == '0') || !name.ToLong(&number) || number > INT_MAX) {
      continue;
    }
    last = std::max(last, static_cast<int>(number));
  }
  return last;
}

std::int32_t ReadDecimal(const wxString& file, const wxString& section, const wxString& key) {
  const std::string text = ReadValue(file, section, key).ToStdString();
  return static_cast<std::int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

// True when a placeholder of the mask takes hexadecimal digits.
bool HexadecimalMask(const wxString& format, const wxString& templ) {
  for (std::size_t i = 0; i < format.length() && i < templ.length(); ++i) {
    if (templ[i] == '_' && (format[i] == 'H' || format[i] == 'h')) return true;
  }
  return false;
}

double EditValue(const wxString& text, bool hexadecimal) {
  std::string s = text.Strip(wxString::both).ToStdString();
  if (!hexadecimal) return std::strtod(s.c_str(), nullptr);
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.erase(0, 1);
  }
  const double value = static_cast<double>(std::strtoull(s.c_str(), nullptr, 16));
  return negative ? -value : value;
}

}  // namespace

bool stInputState::SetRange(double low, double high) {
  if (CompareDouble(high, low) <= 0) return false;
  minimum = low;
  maximum = high;
  return true;
}

bool stInputState::CheckRange() const {
  if (!valueCheck || text.empty()) return true;
  const double value = EditValue(text, HexadecimalMask(maskFormat, maskTemplate));
  return value >= minimum - DBL_EPSILON && value <= maximum + DBL_EPSILON;
}

wxString ParamSection(int number) { return wxString::Format("PD%d", number); }

bool ReadParamDefinition(const wxString& file, int number, stParamDefinition& out) {
  const wxString section = ParamSection(number);
  out = stParamDefinition();
  out.name = ReadValue(file, section, "Name");
  if (out.name.empty()) return false;
  out.minimum = ReadDecimal(file, section, "Min");
  out.maximum = ReadDecimal(file, section, "Max");
  out.format = ReadValue(file, section, "Format");
  out.templ = ReadValue(file, section, "Template");
  const wxString mask = ReadValue(file, section, "Mask");
  out.hasMask = !mask.empty();
  out.mask = out.hasMask ? ParseNumber(mask) : 0;
  return true;
}

bool LoadParamDefinition(const wxString& file, int number, stInputState& input) {
  stParamDefinition definition;
  if (!ReadParamDefinition(file, number, definition)) return false;
  if (!definition.format.empty() && !definition.templ.empty()) {
    input.maskFormat = definition.format;
    input.maskTemplate = definition.templ;
  }
  const double low = static_cast<double>(static_cast<std::uint32_t>(definition.minimum));
  const double high = static_cast<double>(static_cast<std::uint32_t>(definition.maximum));
  if (CompareDouble(high, low) > 0) {
    input.tipText = wxString::Format("%d~%d", definition.minimum, definition.maximum);
    input.tipEnabled = true;
    input.SetRange(low, high);
    input.valueCheck = true;
  }
  return true;
}

int BitsForCount(std::uint16_t n) {
  if (n == 0) return 0;
  int bits = 0;
  for (unsigned v = n - 1u;; v >>= 1) {
    ++bits;
    if (v < 2) break;
  }
  return bits;
}

std::uint16_t FitModeMask(std::uint16_t mask, int names) {
  while (mask != 0 && BitsForCount(mask) > names) mask >>= 1;
  return mask;
}

std::vector<wxString> ReadGroupNames(const wxString& file) {
  std::vector<wxString> names;
  for (int i = 0;; ++i) {
    wxString value = ReadValue(file, kGroupSection, wxString::Format("Group%d", i));
    if (value.empty()) break;
    names.push_back(GetNextToken(value, ","));
  }
  return names;
}

bool ReadGroup(const wxString& file, int index, stGroup& out) {
  out = stGroup();
  wxString value = ReadValue(file, kGroupSection, wxString::Format("Group%d", index));
  if (value.empty()) return false;
  out.displayName = GetNextToken(value, ",");
  while (!value.empty()) out.items.push_back(GetNextToken(value, ","));
  return true;
}

std::optional<bool> ReadGroupLsb(const wxString& file, const wxString& displayName) {
  if (displayName.empty() || !platform::ProfileKeyExists(file, displayName, "LSB")) return std::nullopt;
  return ParseNumber(ReadValue(file, displayName, "LSB")) != 0;
}

int ConstCodeNumber(const wxString& name) {
  static const wxString kPrefix = "CONST_CODE";
  const std::size_t at = name.find(kPrefix);
  if (at == wxString::npos) return 0;
  std::size_t i = at + kPrefix.length();
  int number = 0;
  std::size_t digits = 0;
  for (; i < name.length() && name[i] >= '0' && name[i] <= '9' && digits < 3; ++i, ++digits) {
    number = number * 10 + static_cast<int>(name[i].GetValue() - '0');
  }
  if (digits == 0 || (i < name.length() && name[i] >= '0' && name[i] <= '9')) return 0;
  return number >= 1 && number <= 4 ? number : 0;
}

BlockColour ColourFromRgb(std::uint32_t rgb) {
  return RgbColour(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                   static_cast<int>(rgb & 0xFF));
}

stDataItem ParseDataItem(const wxString& text) {
  wxString rest = text;
  auto next = [&rest]() { return GetNextToken(rest, ","); };
  auto number = [&next]() { return static_cast<int>(ParseNumber(next())); };
  stDataItem item;
  item.name = next();
  item.kind = number();
  item.colour1 = ColourFromRgb(ParseNumber(next()));
  item.colour2 = ColourFromRgb(ParseNumber(next()));
  item.movable = ParseNumber(next()) == 1;
  item.macroName = next();
  item.valueA = number();
  item.valueB = number();
  item.valueC = number();
  item.auxText = next();
  item.valueD = number();
  return item;
}

stDataPalette ReadDataPalette(const wxString& file) {
  stDataPalette palette;
  const int count = platform::ReadProfileInt(file, kDataSection, "Count", 0);
  palette.countRead = count >= 0;
  // Entries past the last numbered key would all be empty: a damaged "Count"
  // makes no more entries than the section holds keys for.
  const int entries = std::min(count, LastNumberedKey(file, kDataSection) + 1);
  for (int i = 0; i < entries; ++i) {
    const wxString text = ReadValue(file, kDataSection, wxString::Format("%d", i));
    if (text.empty()) {
      palette.items.emplace_back();
    } else {
      palette.items.emplace_back(ParseDataItem(text));
    }
  }
  return palette;
}

std::optional<stDataItem> ReadFrameTemplate(const wxString& file, std::size_t paletteEntries) {
  const wxString text =
      ReadValue(file, kDataSection, wxString::Format("%lu", static_cast<unsigned long>(paletteEntries)));
  if (text.empty()) return std::nullopt;
  return ParseDataItem(text);
}

stGeneratedNames ReadGeneratedNames(const wxString& file) {
  return {ReadValue(file, "FileName", "Name"), ReadValue(file, "FileName", "Name1")};
}

}  // namespace olv::protocol
