#include "aircon/AirModulationModel.h"

#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <wx/filename.h>

#include <algorithm>

using modulation::CParamDefinitions;
using modulation::stInputBinding;
using modulation::stListItem;
using modulation::stParamDefinition;
using modulation::stParamValue;

namespace aircon {

namespace {

// The section of the project file and of the mode files that holds the values.
const wxString kCustomSection = projectfile::section::kCustom;
constexpr char kGroupSection[] = "Group";
constexpr char kConnectFlagKey[] = "ConnectFlag";

}  // namespace

bool IsInputId(int controlId) {
  return std::find(kInputIds.begin(), kInputIds.end(), controlId) != kInputIds.end();
}

int DocParamOf(int controlId) {
  switch (controlId) {
    case kFreqEditId: return 0;
    case kDutyComboId: return 1;
    case kLeadMarkEditId: return 3;
    case kLeadSpaceEditId: return 4;
    case kBit0MarkEditId: return 6;
    case kBit0SpaceEditId: return 7;
    case kBit1MarkEditId: return 8;
    case kBit1SpaceEditId: return 9;
    case kConnectTimeEditId: return 12;
    default: return -1;
  }
}

bool ApplyParamDefinition(const CParamDefinitions& definitions, int number, stParamDefinition& definition,
                          stInputBinding& binding) {
  stParamDefinition read;
  if (!definitions.Read(number, read)) return false;
  definition = read;
  // The air page has no binary input: a definition binds by its mask and range only.
  read.name.clear();
  binding = modulation::BindingFor(read);
  return true;
}

std::optional<std::vector<stListItem>> FillComboFromParam(const CParamDefinitions& definitions, int number) {
  stParamDefinition definition;
  if (!definitions.Read(number, definition)) return std::nullopt;
  return definition.items;
}

std::uint32_t FindItemValue(const CParamDefinitions& definitions, int number, const wxString& text) {
  stParamDefinition definition;
  if (!definitions.Read(number, definition)) return 0;
  return modulation::FindItemValue(definition.items, text);
}

std::vector<wxString> ReadSchemeNameKeys(const wxString& definitionFile) {
  std::vector<wxString> keys;
  for (int n = 0;; ++n) {
    const wxString key = wxString::Format("Group%d", n);
    if (!platform::ProfileKeyExists(definitionFile, kGroupSection, key)) break;
    wxString name = platform::ReadProfileString(definitionFile, kGroupSection, key, "").BeforeFirst(',');
    keys.push_back(name.Trim(true).Trim(false));
  }
  return keys;
}

wxString ModeFilePath(const wxString& definitionFile, int scheme) {
  if (scheme < 0 || definitionFile.empty()) return wxString();
  const wxString folder = platform::JoinPath(wxFileName(definitionFile).GetPath(), "Mode");
  return platform::FindPathNoCase(
      platform::JoinPath(folder, wxString::Format("ParameterSetting_%d.ini", scheme + 1)));
}

bool ReadConnectFlag(const wxString& modeFile, std::int32_t& flag) {
  if (modeFile.empty() || !platform::ProfileKeyExists(modeFile, kCustomSection, kConnectFlagKey))
    return false;
  flag = ParseNumber(platform::ReadProfileString(modeFile, kCustomSection, kConnectFlagKey, "")) != 0 ? 1 : 0;
  return true;
}

int ResolveScheme(int stored, int schemeCount) { return stored == -1 ? schemeCount - 1 : stored; }

wxString stAirValues::Text(int controlId) const {
  const auto found = inputs.find(controlId);
  return found == inputs.end() ? wxString() : found->second.text;
}

stParamValue ValueOf(const stAirValues& values, int controlId) {
  stParamValue value;
  value.controlId = controlId;
  if (controlId == kDutyComboId) {
    value.kind = stParamValue::kCombo;
    value.text = values.dutySelected ? values.duty : wxString();
    value.itemValue = values.dutySelected ? values.dutyValue : 0;
  } else if (controlId == kConnectOnId) {
    value.kind = stParamValue::kButton;
    value.checked = values.connectOn;
  } else {
    value.kind = stParamValue::kEdit;
    value.text = values.Text(controlId);
  }
  return value;
}

bool LoadCustomValues(const CParamDefinitions& definitions, const CustomReader& read, CDocManage& doc) {
  for (int n = 0; n < kParamCount; ++n) {
    stParamDefinition definition;
    if (!definitions.Read(n, definition)) return false;
    const wxString text = read(definition.name);
    if (text.empty()) continue;
    const int id = kParamIds[n];
    if (id == kConnectOnId) {
      doc.RepeatCodeOn = ParseNumber(text) != 0 ? 1 : 0;
    } else {
      doc.SetParam(DocParamOf(id), text);
    }
  }
  return true;
}

bool LoadSchemeDefaults(const CParamDefinitions& definitions, const wxString& modeFile, CDocManage& doc) {
  return LoadCustomValues(
      definitions,
      [&modeFile](const wxString& name) {
        return modeFile.empty() ? wxString()
                                : platform::ReadProfileString(modeFile, kCustomSection, name, "");
      },
      doc);
}

bool LoadProjectValues(const CParamDefinitions& definitions, const CProjectFile& project, CDocManage& doc) {
  return LoadCustomValues(
      definitions, [&project](const wxString& name) { return project.ReadText(kCustomSection, name); }, doc);
}

bool SaveCustomValues(const CProjectFile& project, const CParamDefinitions& definitions,
                      const stAirValues& values) {
  for (int n = 0; n < kParamCount; ++n) {
    stParamDefinition definition;
    if (!definitions.Read(n, definition)) return false;
    const stParamValue value = ValueOf(values, kParamIds[n]);
    const wxString text =
        value.kind == stParamValue::kButton ? wxString(value.checked ? "1" : "0") : value.text;
    if (!project.WriteText(kCustomSection, definition.name, text)) return false;
  }
  return project.WriteAirFormatType(values.scheme);
}

void StorePageValues(const stAirValues& values, CDocManage& doc) {
  doc.SetParam(0, values.Text(kFreqEditId));
  doc.SetParam(1, values.dutySelected ? values.duty : wxString());
  doc.SetParam(4, values.Text(kLeadSpaceEditId));
  doc.SetParam(3, values.Text(kLeadMarkEditId));
  doc.SetParam(7, values.Text(kBit0SpaceEditId));
  doc.SetParam(6, values.Text(kBit0MarkEditId));
  doc.SetParam(9, values.Text(kBit1SpaceEditId));
  doc.SetParam(8, values.Text(kBit1MarkEditId));
  doc.RepeatCodeOn = values.connectOn ? 1 : 0;
  if (values.connectOn) doc.SetParam(12, values.Text(kConnectTimeEditId));
}

void WriteParamMacros(const CParamDefinitions& definitions, const stAirValues& values, CStringMap& table) {
  for (int n = 0; n < kParamCount; ++n) {
    stParamDefinition definition;
    if (!definitions.Read(n, definition)) return;
    modulation::AddMacro(table, definition, ValueOf(values, kParamIds[n]));
  }
}

BitMarks CheckBitMarks(const wxString& bit0Mark, const wxString& bit1Mark, const wxString& bit0Space,
                       const wxString& bit1Space) {
  if (bit0Mark.empty() || bit1Mark.empty() || bit0Space.empty() || bit1Space.empty())
    return BitMarks::kIncomplete;
  const bool marksEqual = ParseNumber(bit0Mark) == ParseNumber(bit1Mark);
  const bool spacesDiffer = ParseNumber(bit0Space) != ParseNumber(bit1Space);
  return marksEqual && spacesDiffer ? BitMarks::kValid : BitMarks::kInvalid;
}

BitMarks PageBitMarks(const stAirValues& values) {
  return CheckBitMarks(values.Text(kBit0MarkEditId), values.Text(kBit1MarkEditId),
                       values.Text(kBit0SpaceEditId), values.Text(kBit1SpaceEditId));
}

stAirCheck CheckPage(const CParamDefinitions& definitions, const stAirValues& values,
                     const std::function<bool(int controlId)>& inRange) {
  stAirCheck check;
  if (!values.dutySelected) {
    check.problem = stAirCheck::kNoDuty;
    return check;
  }
  for (int n = 0; n < kParamCount; ++n) {
    stParamDefinition definition;
    if (!definitions.Read(n, definition)) {
      check.problem = stAirCheck::kNoDefinition;
      return check;
    }
    const int id = kParamIds[n];
    const auto input = values.inputs.find(id);
    if (input == values.inputs.end() || !input->second.active) continue;
    const bool empty = input->second.text.empty();
    if (!empty && inRange(id)) continue;
    check.problem = stAirCheck::kBadInput;
    check.inputId = id;
    check.inputEmpty = empty;
    return check;
  }
  if (PageBitMarks(values) == BitMarks::kInvalid) check.problem = stAirCheck::kBadBitMarks;
  return check;
}

}  // namespace aircon
