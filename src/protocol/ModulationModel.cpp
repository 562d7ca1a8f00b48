#include "protocol/ModulationModel.h"

#include "core/AppContext.h"
#include "core/Numbers.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <cstdlib>
#include <string>

namespace modulation {

namespace {

constexpr char kCustomFolder[] = "Custom";
constexpr char kSettingFile[] = "setting.ini";
constexpr char kBinaryName[] = "HEADER_CODE";

wxString SectionName(int number) { return wxString::Format("P%d", number); }

std::uint32_t ReadUnsigned(const wxString& path, const wxString& section, const char* key) {
  const wxString text = platform::ReadProfileString(path, section, key, "");
  return static_cast<std::uint32_t>(std::strtoul(text.utf8_string().c_str(), nullptr, 10));
}

// The label's text: up to the first comma, trailing blanks and the brackets
// around it removed.
wxString ListLabel(wxString text) {
  text.Trim(true);
  while (text.StartsWith("[")) text.Remove(0, 1);
  while (text.EndsWith("]")) text.RemoveLast();
  return text;
}

}  // namespace

stListItem ParseListItem(const wxString& text) {
  stListItem item;
  const int comma = text.Find(',');
  if (comma == wxNOT_FOUND) {
    item.label = ListLabel(text);
    item.value = ParseNumber(item.label);
    return item;
  }
  item.label = ListLabel(text.Left(comma));
  item.value = ParseNumber(text.Mid(comma + 1).Trim(false));
  return item;
}

int FindItemIndex(const std::vector<stListItem>& items, const wxString& text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].label.CmpNoCase(text) == 0) return static_cast<int>(i);
  }
  return -1;
}

std::uint32_t FindItemValue(const std::vector<stListItem>& items, const wxString& text) {
  const int index = FindItemIndex(items, text);
  return index < 0 ? 0 : items[index].value;
}

wxString CParamDefinitions::PathFor(int frameworkKind) {
  const wxString folder = g_App.GetProtocolFolder(frameworkKind);
  if (folder.empty()) return wxString();
  return platform::FindPathNoCase(
      platform::JoinPath(platform::JoinPath(folder, kCustomFolder), kSettingFile));
}

bool CParamDefinitions::Read(int number, stParamDefinition& definition) const {
  const wxString section = SectionName(number);
  const wxString name = platform::ReadProfileString(m_path, section, "Name", "");
  if (name.empty()) return false;
  definition = stParamDefinition();
  definition.name = name;
  definition.min = ReadUnsigned(m_path, section, "Min");
  definition.max = ReadUnsigned(m_path, section, "Max");
  definition.format = platform::ReadProfileString(m_path, section, "Format", "");
  definition.templ = platform::ReadProfileString(m_path, section, "Template", "");
  const wxString mask = platform::ReadProfileString(m_path, section, "Mask", "");
  definition.mask = mask.empty() ? 0 : ParseNumber(mask);
  for (int i = 0;; ++i) {
    const wxString item = platform::ReadProfileString(m_path, section, wxString::Format("Item%d", i), "");
    if (item.empty()) break;
    definition.items.push_back(ParseListItem(item));
  }
  return true;
}

stInputBinding BindingFor(const stParamDefinition& definition) {
  stInputBinding binding;
  binding.setMask = !definition.format.empty() && !definition.templ.empty();
  if (definition.name.CmpNoCase(kBinaryName) == 0) {
    binding.binaryTip = true;
    binding.tip = "IDS_INPUT_BIN";
    return binding;
  }
  binding.min = static_cast<double>(definition.min);
  binding.max = static_cast<double>(definition.max);
  if (CompareDouble(binding.max, binding.min) > 0) {
    binding.setRange = true;
    binding.tip = wxString::Format("%lu~%lu", static_cast<unsigned long>(definition.min),
                                   static_cast<unsigned long>(definition.max));
  }
  return binding;
}

BitRule CheckBitTimes(const wxString& bit0Mark, const wxString& bit1Mark, const wxString& bit0Space,
                      const wxString& bit1Space) {
  if (bit0Mark.empty() || bit1Mark.empty() || bit0Space.empty() || bit1Space.empty())
    return BitRule::kIncomplete;
  const bool marksEqual = ParseNumber(bit0Mark) == ParseNumber(bit1Mark);
  const bool spacesEqual = ParseNumber(bit0Space) == ParseNumber(bit1Space);
  return marksEqual != spacesEqual ? BitRule::kValid : BitRule::kInvalid;
}

std::array<int, 2> BitLevels(bool bitOne, bool manchester, bool markFirst) {
  const bool highFirst = bitOne ? (!manchester || !markFirst) : markFirst;
  return highFirst ? std::array<int, 2>{1, 0} : std::array<int, 2>{0, 1};
}

std::vector<int> BootDataLevels(const wxString& content, bool markFirst) {
  std::vector<int> levels;
  levels.reserve(content.length() * 2);
  for (const wxUniChar ch : content) {
    const std::array<int, 2> pair = BitLevels(ch == '1', true, markFirst);
    levels.insert(levels.end(), pair.begin(), pair.end());
  }
  return levels;
}

std::array<wxString, 2> BitLabels(const wxString& markLabel, const wxString& spaceLabel, bool bitOne,
                                  bool manchester, bool markFirst) {
  // The labels follow the bit order; bit 1 takes the opposite order only in Manchester.
  const bool markFirstHere = (bitOne && manchester) ? !markFirst : markFirst;
  return markFirstHere ? std::array<wxString, 2>{markLabel, spaceLabel}
                       : std::array<wxString, 2>{spaceLabel, markLabel};
}

std::vector<int> CarrierDurations(std::uint32_t units) {
  if (units < 2) return {1};
  return {1, static_cast<int>(units - 1)};
}

std::uint32_t LeadingDecimal(const wxString& text) {
  const std::string digits = text.utf8_string();
  std::size_t i = digits.find_first_not_of(" \t");
  std::uint64_t value = 0;
  for (; i != std::string::npos && i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i) {
    value = value * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    if (value > 0xFFFFFFFFu) value = 0xFFFFFFFFu;
  }
  return static_cast<std::uint32_t>(value);
}

double LeadingReal(const wxString& text) {
  const std::string number = text.utf8_string();
  return std::strtod(number.c_str(), nullptr);
}

wxString CarrierCaption(const wxString& format, const wxString& frequencyText) {
  const double frequency = LeadingReal(frequencyText);
  const bool zero = CompareDouble(frequency, 0.0) == 0;
  const double period = zero ? 0.0 : 1000.0 / frequency;
  return platform::FormatChecked(format, {period, zero ? 0.0 : frequency});
}

wxString TimeLabel(const wxString& format, const wxString& timeText) {
  return platform::FormatChecked(format, {timeText});
}

wxString TimeCaption(const wxString& format, long microseconds) {
  return platform::FormatChecked(format, {microseconds});
}

void StoreCustomValue(CDocManage& doc, int controlId, const wxString& text) {
  const auto lowByte = [&text] { return static_cast<std::uint8_t>(ParseNumber(text) & 0xFF); };
  switch (controlId) {
    case kFreqEditId: doc.SetParam(0, text); break;
    case kDutyComboId: doc.SetParam(1, text); break;
    case kBootMarkEditId: doc.SetParam(3, text); break;
    case kBootSpaceEditId: doc.SetParam(4, text); break;
    case kBit0MarkEditId: doc.SetParam(6, text); break;
    case kBit0SpaceEditId: doc.SetParam(7, text); break;
    case kBit1MarkEditId: doc.SetParam(8, text); break;
    case kBit1SpaceEditId: doc.SetParam(9, text); break;
    case kHalfBitEditId:
      doc.SetParam(10, text);
      doc.SetParam(11, text);
      break;
    case kRepeatPeriodEditId: doc.SetParam(12, text); break;
    case kRepeatMarkEditId: doc.SetParam(13, text); break;
    case kRepeatSpaceEditId: doc.SetParam(14, text); break;
    case kBootContentEditId: {
      doc.SetParam(5, text);
      const int length = static_cast<int>(doc.GetParam(5).length());
      doc.BootDataBits = static_cast<std::uint8_t>(length < kMaxBootDataBits ? length : kMaxBootDataBits);
      break;
    }
    case kManchesterRadioId: doc.ModulationKind = lowByte(); break;
    case kBootManchesterRadioId: doc.BootCodeKind = lowByte(); break;
    case kBootCheckId: doc.LeadCodeOn = lowByte() != 0 ? 1 : 0; break;
    case kRepeatCheckId: doc.RepeatCodeOn = lowByte() != 0 ? 1 : 0; break;
    case kMarkAfterRadioId: doc.MarkAfter = lowByte(); break;
    case kRepeatAgcRadioId: doc.RepeatKind = lowByte(); break;
    case kRepeatDataRadioId:
      doc.RepeatKind = static_cast<std::uint8_t>(doc.RepeatKind | (lowByte() << 1));
      break;
    case kRepeatWholeRadioId:
      doc.RepeatKind = static_cast<std::uint8_t>(doc.RepeatKind | (lowByte() << 2));
      break;
    default: break;
  }
}

void AddMacro(CStringMap& table, const stParamDefinition& definition, const stParamValue& value) {
  wxString text = value.text;
  if (value.kind == stParamValue::kEdit && value.controlId == kBootContentEditId) {
    while (static_cast<int>(text.length()) < kMaxBootDataBits) text += "0";
  }
  wxString& macro = StringMapSubscript(table, definition.name);
  if (definition.mask == 0) {
    macro = value.kind == stParamValue::kButton ? wxString(value.checked ? "1" : "0") : text;
    return;
  }
  std::uint32_t number = 0;
  switch (value.kind) {
    case stParamValue::kCombo: number = value.itemValue; break;
    case stParamValue::kButton: number = value.checked ? 1 : 0; break;
    default: number = ParseNumber(text); break;
  }
  const std::uint32_t packed = ShiftToMask(number, definition.mask) | ParseNumber(macro);
  macro = wxString::Format("%lu", static_cast<unsigned long>(packed));
}

}  // namespace modulation
