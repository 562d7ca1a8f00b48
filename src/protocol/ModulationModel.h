// The carrier and bit-timing page's rules, without a window: its control ids
// and definition list, the parameter definitions ("P%d" sections of the
// custom protocol's "setting.ini"), how a definition binds an input, the duty
// list, the bit-0 / bit-1 rule, the preview shapes and texts, the [Custom]
// values as the document takes them and the page's macros.
#pragma once

#include "core/DocManage.h"

#include <wx/string.h>

#include <array>
#include <cstdint>
#include <vector>

namespace modulation {

// Control ids of the page (template 145).
enum ControlId : int {
  kNextId = 1007,
  kCancelId = 1008,
  kCarrierGroupId = 1043,
  kBootGroupId = 1044,
  kBitGroupId = 1045,
  kRepeatGroupId = 1046,
  kFreqLabelId = 1047,
  kFreqEditId = 1048,
  kFreqUnitId = 1049,
  kDutyComboId = 1050,
  kCarrierTipId = 1051,
  kDutyLabelId = 1052,
  kModuleGroupId = 1053,
  kCarrierWaveId = 1054,
  kPdmRadioId = 1055,
  kManchesterRadioId = 1056,
  kBootCheckId = 1057,
  kBootTipId = 1058,
  kBitTipId = 1059,
  kRepeatTipId = 1060,
  kBootAgcRadioId = 1061,
  kBootManchesterRadioId = 1062,
  kBootTypeGroupId = 1063,
  kBootWaveId = 1064,
  kBootContentEditId = 1065,
  kBootContentLabelId = 1066,
  kBootContentUnitId = 1067,
  kBootMarkLabelId = 1068,
  kBootMarkEditId = 1069,
  kBootMarkUnitId = 1070,
  kBootSpaceLabelId = 1071,
  kBootSpaceEditId = 1072,
  kBootSpaceUnitId = 1073,
  kBootLengthId = 1074,
  kHalfBitLabelId = 1075,
  kBit0MarkUnitId = 1076,
  kBit0SpaceUnitId = 1077,
  kHalfBitEditId = 1078,
  kBit0TitleId = 1079,
  kBitErrorId = 1080,
  kBit0MarkLabelId = 1081,
  kBit0SpaceLabelId = 1082,
  kBit0MarkEditId = 1083,
  kBit0SpaceEditId = 1084,
  kMarkFirstRadioId = 1085,
  kMarkAfterRadioId = 1086,
  kPolarityGroupId = 1087,
  kBit0WaveId = 1088,
  kBit1WaveId = 1089,
  kRepeatCheckId = 1090,
  kRepeatWaveId = 1091,
  kBit1TitleId = 1094,
  kBit1MarkLabelId = 1095,
  kBit1SpaceLabelId = 1096,
  kBit1MarkEditId = 1097,
  kBit1SpaceEditId = 1098,
  kBit1MarkUnitId = 1099,
  kBit1SpaceUnitId = 1100,
  kRepeatTypeGroupId = 1101,
  kRepeatAgcRadioId = 1102,
  kRepeatDataRadioId = 1103,
  kRepeatWholeRadioId = 1104,
  kRepeatPeriodLabelId = 1105,
  kRepeatPeriodEditId = 1106,
  kRepeatPeriodUnitId = 1107,
  kRepeatMarkLabelId = 1108,
  kRepeatMarkEditId = 1109,
  kRepeatMarkUnitId = 1110,
  kRepeatSpaceLabelId = 1111,
  kRepeatSpaceEditId = 1112,
  kRepeatSpaceUnitId = 1113,
};

// Definition number n (section "P<n>") binds the control kDefinitionIds[n];
// the half-bit input is P13 and P14.
constexpr int kDefinitionCount = 23;
constexpr std::array<int, kDefinitionCount> kDefinitionIds = {
    kFreqEditId,       kDutyComboId,       kManchesterRadioId,  kBootCheckId,       kBootManchesterRadioId,
    kBootLengthId,     kBootContentEditId, kBootMarkEditId,     kBootSpaceEditId,   kBit1MarkEditId,
    kBit0MarkEditId,   kBit1SpaceEditId,   kBit0SpaceEditId,    kHalfBitEditId,     kHalfBitEditId,
    kMarkAfterRadioId, kRepeatCheckId,     kRepeatAgcRadioId,   kRepeatDataRadioId, kRepeatWholeRadioId,
    kRepeatMarkEditId, kRepeatSpaceEditId, kRepeatPeriodEditId,
};

// The twelve labelled inputs.
constexpr std::array<int, 12> kInputIds = {kFreqEditId,         kBootContentEditId, kBootMarkEditId,
                                           kBootSpaceEditId,    kHalfBitEditId,     kBit0MarkEditId,
                                           kBit0SpaceEditId,    kBit1MarkEditId,    kBit1SpaceEditId,
                                           kRepeatPeriodEditId, kRepeatMarkEditId,  kRepeatSpaceEditId};

// The longest boot data the project keeps.
constexpr int kMaxBootDataBits = 3;

// One entry of a definition's list: "label,value" ("[1/3],3").
struct stListItem {
  wxString label;
  std::uint32_t value = 0;
};

// Splits an "Item%d" value: the label is the text before the first ",",
// trailing blanks, leading "[" and trailing "]" removed; the value is the rest
// read by ParseNumber. Without a comma the label is the whole text and the
// value that text read as a number.
stListItem ParseListItem(const wxString& text);

// The index of the item whose label is text, compared whole and without
// regard to case; -1 when none is ("1/3" never selects "1/30").
int FindItemIndex(const std::vector<stListItem>& items, const wxString& text);
// The value of that item; 0 when none matches.
std::uint32_t FindItemValue(const std::vector<stListItem>& items, const wxString& text);

struct stParamDefinition {
  wxString name;
  std::uint32_t min = 0;
  std::uint32_t max = 0;
  wxString format;
  wxString templ;
  std::uint32_t mask = 0;
  std::vector<stListItem> items;
};

// The definitions file of the custom protocol.
class CParamDefinitions {
 public:
  CParamDefinitions() = default;
  explicit CParamDefinitions(const wxString& path) : m_path(path) {}
  // "setting.ini" of the "Custom" folder under the protocols folder of the
  // framework kind, names looked up without regard to case.
  static wxString PathFor(int frameworkKind);

  const wxString& Path() const { return m_path; }
  // Section "P<n>"; false when it has no "Name" (then definition is untouched).
  bool Read(int number, stParamDefinition& definition) const;

 private:
  wxString m_path;
};

// What a definition does to its labelled input.
struct stInputBinding {
  bool setMask = false;    // "Format" and "Template" both given
  bool setRange = false;   // Max above Min: range, tip "min~max", value check
  bool binaryTip = false;  // "HEADER_CODE": the binary-input tip, no range
  double min = 0;
  double max = 0;
  wxString tip;  // a language key, or the range text
};
stInputBinding BindingFor(const stParamDefinition& definition);

// The bit-0 / bit-1 rule in PDM: exactly one of the two pairs (marks, spaces)
// is equal. Times are read with ParseNumber ("0x230" equals "560").
enum class BitRule { kValid, kIncomplete, kInvalid };
BitRule CheckBitTimes(const wxString& bit0Mark, const wxString& bit1Mark, const wxString& bit0Space,
                      const wxString& bit1Space);

// --- Preview shapes: levels 1 (mark) and 0 (space), every segment one unit.

// Bit 0 is mark first when markFirst; bit 1 is mark first in PDM and the
// opposite of bit 0 in Manchester.
std::array<int, 2> BitLevels(bool bitOne, bool manchester, bool markFirst);
// Two segments a character: "1" like bit 1 of Manchester, any other like bit 0.
std::vector<int> BootDataLevels(const wxString& content, bool markFirst);
// The span labels over the two segments of a bit: mark label first when
// markFirst, for bit 1 of Manchester the other way round.
std::array<wxString, 2> BitLabels(const wxString& markLabel, const wxString& spaceLabel, bool bitOne,
                                  bool manchester, bool markFirst);
// The carrier's two segments for a duty of one unit in units: mark 1, space
// units - 1; a value below 2 leaves only the mark.
std::vector<int> CarrierDurations(std::uint32_t units);

// The unsigned decimal number of the text's leading digits (after blanks); 0
// when none.
std::uint32_t LeadingDecimal(const wxString& text);
// The text's leading real number; 0 when none.
double LeadingReal(const wxString& text);

// Language texts used as formats go through the checked formatter: a
// translation whose conversions do not fit shows as it stands.
// "IDS_CARRIER_WAVE": the period 1000 / f (us) and f (kHz); (0, 0) for f 0.
wxString CarrierCaption(const wxString& format, const wxString& frequencyText);
// "IDS_MARK" / "IDS_SPACE": the time as typed.
wxString TimeLabel(const wxString& format, const wxString& timeText);
// "IDS_BOOT_TIME", "IDS_BIT0_TIME", "IDS_BIT1_TIME", "IDS_REPEAT_TIME".
wxString TimeCaption(const wxString& format, long microseconds);

// --- The [Custom] section and the macros.

// A value read from the project file for the control id into the document
// (nothing for an id without a document value; an empty text is skipped by
// the caller).
void StoreCustomValue(CDocManage& doc, int controlId, const wxString& text);

// A control's value as FillMacroTable takes it.
struct stParamValue {
  enum Kind { kStatic, kEdit, kCombo, kButton };
  Kind kind = kEdit;
  int controlId = 0;
  wxString text;                // static, edit, combo: the window text or the selected item
  bool checked = false;         // button
  std::uint32_t itemValue = 0;  // combo: the value of the selected item
};

// Adds the definition's macro: with mask 0 the text ("1"/"0" for a button;
// the boot data padded with "0" to three characters), else the number shifted
// into the mask and OR-ed into what the macro already holds (written as an
// unsigned number so that a packed word reads back whole).
void AddMacro(CStringMap& table, const stParamDefinition& definition, const stParamValue& value);

}  // namespace modulation
