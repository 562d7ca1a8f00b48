#include "protocol/ModulationValues.h"

#include "core/ProjectFile.h"

#include <algorithm>

namespace modulation {

namespace {

const wxString kCustomSection = projectfile::section::kCustom;

bool IsInputId(int controlId) {
  return std::find(kInputIds.begin(), kInputIds.end(), controlId) != kInputIds.end();
}

}  // namespace

wxString stPageValues::Text(int controlId) const {
  const auto found = inputs.find(controlId);
  return found == inputs.end() ? wxString() : found->second.text;
}

bool stPageValues::Checked(int controlId) const {
  const auto found = checks.find(controlId);
  return found != checks.end() && found->second;
}

stParamValue ValueOf(const stPageValues& values, int controlId) {
  stParamValue value;
  value.controlId = controlId;
  if (controlId == kBootLengthId) {
    value.kind = stParamValue::kStatic;
    value.text = values.bootLength;
  } else if (IsInputId(controlId)) {
    value.kind = stParamValue::kEdit;
    value.text = values.Text(controlId);
  } else if (controlId == kDutyComboId) {
    value.kind = stParamValue::kCombo;
    value.text = values.duty;
    value.itemValue = values.dutyValue;
  } else {
    value.kind = stParamValue::kButton;
    value.checked = values.Checked(controlId);
  }
  return value;
}

bool LoadCustomSection(const CProjectFile& file, const CParamDefinitions& definitions, CDocManage& doc) {
  for (int n = 0; n < kDefinitionCount; ++n) {
    stParamDefinition definition;
    if (!definitions.Read(n, definition)) return false;
    const wxString text = file.ReadText(kCustomSection, definition.name);
    if (!text.empty()) StoreCustomValue(doc, kDefinitionIds[n], text);
  }
  return true;
}

bool SaveCustomSection(const CProjectFile& file, const CParamDefinitions& definitions,
                       const stPageValues& values) {
  for (int n = 0; n < kDefinitionCount; ++n) {
    stParamDefinition definition;
    if (!definitions.Read(n, definition)) break;
    const stParamValue value = ValueOf(values, kDefinitionIds[n]);
    const wxString text =
        value.kind == stParamValue::kButton ? wxString(value.checked ? "1" : "0") : value.text;
    if (!file.WriteText(kCustomSection, definition.name, text)) return false;
  }
  return true;
}

namespace {

void StoreBootCode(const stPageValues& values, CDocManage& doc) {
  doc.LeadCodeOn = values.Checked(kBootCheckId) ? 1 : 0;
  doc.BootCodeKind = values.Checked(kBootManchesterRadioId) ? 1 : 0;
  if (doc.BootCodeKind == 1) {
    doc.SetParam(5, values.Text(kBootContentEditId));
    doc.BootDataBits = static_cast<std::uint8_t>(values.Text(kBootContentEditId).length());
  } else {
    doc.SetParam(4, values.Text(kBootSpaceEditId));
    doc.SetParam(3, values.Text(kBootMarkEditId));
  }
}

void StoreBitTimes(const stPageValues& values, CDocManage& doc) {
  if (doc.ModulationKind == 1) {
    doc.SetParam(10, values.Text(kHalfBitEditId));
    doc.SetParam(11, values.Text(kHalfBitEditId));
    doc.MarkAfter = values.markFirst ? 0 : 1;
  } else {
    doc.SetParam(7, values.Text(kBit0SpaceEditId));
    doc.SetParam(6, values.Text(kBit0MarkEditId));
    doc.SetParam(9, values.Text(kBit1SpaceEditId));
    doc.SetParam(8, values.Text(kBit1MarkEditId));
  }
}

void StoreRepeatCode(const stPageValues& values, CDocManage& doc) {
  doc.RepeatCodeOn = values.Checked(kRepeatCheckId) ? 1 : 0;
  if (!doc.RepeatCodeOn) return;
  doc.SetParam(12, values.Text(kRepeatPeriodEditId));
  if (values.Checked(kRepeatAgcRadioId)) {
    doc.RepeatKind = 1;
    doc.SetParam(14, values.Text(kRepeatSpaceEditId));
    doc.SetParam(13, values.Text(kRepeatMarkEditId));
  }
  if (values.Checked(kRepeatDataRadioId)) doc.RepeatKind = 2;
  if (values.Checked(kRepeatWholeRadioId)) doc.RepeatKind = 4;
}

}  // namespace

void StorePageValues(const stPageValues& values, CDocManage& doc) {
  doc.SetParam(0, values.Text(kFreqEditId));
  if (values.dutySelected) doc.SetParam(1, values.duty);
  doc.ModulationKind = values.Checked(kManchesterRadioId) ? 1 : 0;
  StoreBootCode(values, doc);
  StoreBitTimes(values, doc);
  StoreRepeatCode(values, doc);
}

void FillMacroTable(const CParamDefinitions& definitions, const stPageValues& values, CStringMap& table) {
  for (int n = 0; n < kDefinitionCount; ++n) {
    stParamDefinition definition;
    if (!definitions.Read(n, definition)) return;
    AddMacro(table, definition, ValueOf(values, kDefinitionIds[n]));
  }
}

BitRule PageBitRule(const stPageValues& values) {
  if (!values.Checked(kPdmRadioId)) return BitRule::kIncomplete;
  return CheckBitTimes(values.Text(kBit0MarkEditId), values.Text(kBit1MarkEditId),
                       values.Text(kBit0SpaceEditId), values.Text(kBit1SpaceEditId));
}

stPageCheck CheckPage(const CParamDefinitions& definitions, const stPageValues& values,
                      const std::function<bool(int controlId)>& inRange) {
  stPageCheck check;
  if (!values.dutySelected) {
    check.problem = stPageCheck::kNoDuty;
    return check;
  }
  for (int n = 0; n < kDefinitionCount; ++n) {
    const int id = kDefinitionIds[n];
    stParamDefinition definition;
    if (!definitions.Read(n, definition)) {
      check.problem = stPageCheck::kNoDefinition;
      return check;
    }
    const auto input = values.inputs.find(id);
    if (input == values.inputs.end() || !input->second.active) continue;
    const bool empty = input->second.text.empty();
    if (!empty && inRange(id)) continue;
    check.problem = stPageCheck::kBadInput;
    check.inputId = id;
    check.inputEmpty = empty;
    return check;
  }
  check.bitRule = PageBitRule(values);
  if (check.bitRule == BitRule::kInvalid) check.problem = stPageCheck::kBadBitTimes;
  return check;
}

}  // namespace modulation
