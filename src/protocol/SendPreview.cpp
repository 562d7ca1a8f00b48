#include "protocol/SendPreview.h"

#include "core/StringHelpers.h"

#include <algorithm>
#include <array>

namespace olv::protocol {

namespace {

constexpr int kMaxFieldBits = 32;

const std::array<const char*, kFieldLast + 1> kFieldNames = {
    "ADD",         "~ADD",         "CMD",          "~CMD",        "ADDL",
    "ADDH",        "CONST_CODE1",  "~CONST_CODE1", "CONST_CODE2", "~CONST_CODE2",
    "CONST_CODE3", "~CONST_CODE3", "CONST_CODE4",  "~CONST_CODE4"};

wxString MacroText(const CStringMap& macros, const wxString& name) {
  const auto it = macros.find(name);
  return it == macros.end() ? wxString() : it->second;
}

struct stFieldValue {
  std::uint32_t value;
  int bits;
  wxString caption;
};

stFieldValue FieldValue(const stPreviewValues& v, int field) {
  switch (field) {
    case kFieldAddressInverted: {
      const std::uint32_t value = FieldComplement(v.address, v.addressBits);
      return {value, v.addressBits, wxString::Format("Address#:0x%02x", value)};
    }
    case kFieldCommand: return {v.keyCode, v.commandBits, wxString::Format("Command:0x%02x", v.keyCode)};
    case kFieldCommandInverted: {
      const std::uint32_t value = FieldComplement(v.keyCode, v.commandBits);
      return {value, v.commandBits, wxString::Format("Command#:0x%02x", value)};
    }
    case kFieldAddressLow: {
      const std::uint32_t value = v.address & 0xFFu;
      return {value, 8, wxString::Format("Address Low Byte:\n0x%02x", value)};
    }
    case kFieldAddressHigh: {
      const std::uint32_t value = (v.address >> 8) & 0xFFu;
      return {value, 8, wxString::Format("Address High Byte:\n0x%02x", value)};
    }
    case kFieldAddress: break;
    default: {
      const int index = (field - kFieldConstCode1) / 2;
      const int number = index + 1;
      const int bits = v.constBits[index];
      if ((field - kFieldConstCode1) % 2 == 0)
        return {v.constValues[index], bits,
                wxString::Format("CONST_CODE%d:0x%02x", number, v.constValues[index])};
      const std::uint32_t value = FieldComplement(v.constValues[index], bits);
      return {value, bits, wxString::Format("CONST_CODE%d#:0x%02x", number, value)};
    }
  }
  return {v.address, v.addressBits, wxString::Format("Address:0x%02x", v.address)};
}

}  // namespace

int FieldIndex(const wxString& name) {
  for (int i = 0; i <= kFieldLast; ++i)
    if (name == kFieldNames[i]) return i;
  return kFieldAddress;
}

BlockColour PreviewFillColour(int fieldPosition) {
  constexpr int count = static_cast<int>(std::size(kPreviewFillColours));
  const int i = fieldPosition % count;
  return kPreviewFillColours[i < 0 ? i + count : i];
}

wxString UserDefinedFieldList(const CStringMap& macros) {
  wxString list;
  for (int n = 1; n <= 5; ++n) {
    if (MacroText(macros, wxString::Format("DATA%d", n)) != "1") continue;
    const wxString type = MacroText(macros, wxString::Format("DATA%d_TYPE", n));
    const bool complement = MacroText(macros, wxString::Format("DATA%d_Complement", n)) != "0";
    if (complement) list += "~";
    list += type == "0" ? wxString("CMD,") : wxString::Format("CONST_CODE%s,", type);
  }
  while (list.EndsWith(",")) list.RemoveLast();
  return list;
}

stPreviewValues PreviewValuesFromDocument(const CDocManage& doc, const CStringMap& macros,
                                          std::uint16_t keyCode) {
  stPreviewValues v;
  v.addressBits = doc.AddressBits;
  v.commandBits = doc.CommandBits;
  for (int i = 0; i < 4; ++i) {
    v.constBits[i] = doc.ConstBits[i];
    v.constValues[i] = doc.ConstValue[i];
  }
  v.address = doc.Address;
  v.keyCode = keyCode;
  v.lsbFirst = doc.LsbFirst == 1 || doc.GetParam(23) == "LSB";
  v.fieldList = doc.CodeMode == kUserDefinedCodeMode ? UserDefinedFieldList(macros) : doc.GetParam(22);
  return v;
}

wxString PreviewTipKey(const CDocManage& doc) {
  bool lsb;
  if (doc.CodeMode == kUserDefinedCodeMode)
    lsb = doc.LsbFirst != 0;
  else
    lsb = doc.GetParam(23).CmpNoCase("MSB") != 0;
  return lsb ? "IDS_USER_TIPS47" : "IDS_USER_TIPS46";
}

std::uint32_t FieldComplement(std::uint32_t value, int bits) {
  bits = std::clamp(bits, 0, kMaxFieldBits);
  const std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
  return static_cast<std::uint32_t>(mask & ~static_cast<std::uint64_t>(value));
}

wxString FormatFieldBits(std::uint32_t value, int bits, bool lsbFirst) {
  const int width = std::clamp(bits, 0, kMaxFieldBits);
  wxString digits;
  for (int i = width - 1; i >= 0; --i) digits += ((value >> i) & 1u) ? '1' : '0';
  if (lsbFirst) std::reverse(digits.begin(), digits.end());
  return digits;
}

int FirstBoxX(int clientWidth, int fieldCount) {
  return std::max(clientWidth / 2 - (kPreviewPitch / 2) * (fieldCount - 2), kPreviewPitch);
}

std::vector<stPreviewBox> BuildPreviewBoxes(const stPreviewValues& values, int clientWidth,
                                            int clientHeight) {
  std::vector<wxString> names;
  wxString list = values.fieldList;
  while (!list.empty()) names.push_back(GetNextToken(list, ","));
  const int count = static_cast<int>(names.size());
  if (count == 0) return {};

  const int perRow = std::clamp(clientWidth / kPreviewPitch, 1, count);
  const int rows = (count + perRow - 1) / perRow;
  const int band = clientHeight / rows;

  std::vector<stPreviewBox> boxes;
  for (int i = 0; i < count; ++i) {
    const int row = i / perRow;
    const int column = i % perRow;
    const int inRow = std::min(perRow, count - row * perRow);
    stPreviewBox box;
    box.field = FieldIndex(names[i]);
    const stFieldValue field = FieldValue(values, box.field);
    box.x = FirstBoxX(clientWidth, inRow) + column * kPreviewPitch;
    box.y = row * band + band * 2 / 3;
    box.bitsTop = row * band + kPreviewBitsTop;
    box.caption = field.caption;
    box.bits = FormatFieldBits(field.value, field.bits, values.lsbFirst);
    box.fill = PreviewFillColour(i);
    boxes.push_back(box);
  }
  return boxes;
}

}  // namespace olv::protocol
