// The air-conditioner carrier and bit-timing page's rules without a window:
// its control ids and parameter list (P0..P9), what a parameter definition
// does to its control, the sending schemes with their mode files, the
// [Custom] values of the project and of a scheme, the page's macros and the
// checks before the page is left. The definitions are the custom protocol's
// "setting.ini" in the format the general carrier page reads
// (protocol/ModulationModel.h); only the parameter list and the bit rule are
// the air page's own.
#pragma once

#include "core/DocManage.h"
#include "protocol/ModulationModel.h"
#include "protocol/ModulationValues.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class CProjectFile;

namespace aircon {

// Control ids of the page (template 147).
enum ControlId : int {
  kNextId = 1007,
  kCancelId = 1008,
  kSchemeGroupId = 1043,
  kCarrierGroupId = 1044,
  kBitGroupId = 1045,
  kLeadConnectGroupId = 1046,
  kFreqLabelId = 1047,
  kFreqEditId = 1048,
  kDutyComboId = 1050,
  kDutyLabelId = 1052,
  kCarrierWaveId = 1054,
  kLeadWaveId = 1064,
  kLeadMarkLabelId = 1068,
  kLeadMarkEditId = 1069,
  kLeadSpaceLabelId = 1071,
  kLeadSpaceEditId = 1072,
  kConnectTimeLabelId = 1073,
  kConnectLabelId = 1074,
  kBit0MarkUnitId = 1076,
  kBit0SpaceUnitId = 1077,
  kBit0TitleId = 1079,
  kErrorTextId = 1080,
  kBit0MarkLabelId = 1081,
  kBit0SpaceLabelId = 1082,
  kBit0MarkEditId = 1083,
  kBit0SpaceEditId = 1084,
  kBit0WaveId = 1088,
  kBit1WaveId = 1089,
  kBit1TitleId = 1094,
  kBit1MarkLabelId = 1095,
  kBit1SpaceLabelId = 1096,
  kBit1MarkEditId = 1097,
  kBit1SpaceEditId = 1098,
  kBit1MarkUnitId = 1099,
  kBit1SpaceUnitId = 1100,
  kConnectTimeEditId = 1109,
  kBitTipId = 1145,
  kSchemeTipId = 1146,
  kConnectTipId = 1147,
  kCarrierTipId = 1148,
  kSchemeComboId = 1150,
  kFreqUnitId = 1151,
  kLeadMarkUnitId = 1152,
  kLeadSpaceUnitId = 1153,
  kConnectTimeUnitId = 1154,
  kSchemeLabelId = 1157,
  kConnectOnId = 1197,
  kConnectOffId = 1198,
};

// Parameter n (section "P<n>") binds the control kParamIds[n]; P8 is the
// connect-code switch, which has a Name but no input.
constexpr int kParamCount = 10;
constexpr std::array<int, kParamCount> kParamIds = {
    kFreqEditId,     kDutyComboId,     kLeadMarkEditId,  kLeadSpaceEditId, kBit1MarkEditId,
    kBit0MarkEditId, kBit1SpaceEditId, kBit0SpaceEditId, kConnectOnId,     kConnectTimeEditId};

// The eight labelled inputs.
constexpr std::array<int, 8> kInputIds = {kFreqEditId,      kLeadMarkEditId,   kLeadSpaceEditId,
                                          kBit0MarkEditId,  kBit0SpaceEditId,  kBit1MarkEditId,
                                          kBit1SpaceEditId, kConnectTimeEditId};
bool IsInputId(int controlId);

// The document parameter a control's value goes to; -1 for the connect
// switch (the document's RepeatCodeOn) and any other id.
int DocParamOf(int controlId);

// --- Parameter definitions.

// Definition n and how it binds its input: the mask of its Format and
// Template when both are given, a range with the tip "min~max" and value
// checking when Max is above Min. False (nothing set) when "P<n>" has no Name.
bool ApplyParamDefinition(const modulation::CParamDefinitions& definitions, int number,
                          modulation::stParamDefinition& definition, modulation::stInputBinding& binding);
// The entries of definition n's list (the list shows them and selects the
// first when there is one); none when "P<n>" has no Name (the list stays).
std::optional<std::vector<modulation::stListItem>> FillComboFromParam(
    const modulation::CParamDefinitions& definitions, int number);
// The value of definition n's entry whose text is the given one, compared
// whole and without regard to case; 0 when none is.
std::uint32_t FindItemValue(const modulation::CParamDefinitions& definitions, int number,
                            const wxString& text);

// --- Sending schemes.

// The name keys of the schemes: [Group] "Group0", "Group1", ... while
// present, each the first ","-separated item of its value.
std::vector<wxString> ReadSchemeNameKeys(const wxString& definitionFile);
// The mode file of scheme s beside the definitions:
// "Mode/ParameterSetting_<s+1>.ini"; empty for a negative scheme.
wxString ModeFilePath(const wxString& definitionFile, int scheme);
// "ConnectFlag" of the mode file's [Custom] (any nonzero number is on): true
// and flag set when present.
bool ReadConnectFlag(const wxString& modeFile, std::int32_t& flag);
// The scheme a stored number means: -1 is the last scheme (the user's own).
int ResolveScheme(int stored, int schemeCount);

// --- The page's values.

// What the page's controls hold.
struct stAirValues {
  std::map<int, modulation::stInputValue> inputs;  // the labelled inputs by control id
  bool dutySelected = false;
  wxString duty;                // the selected duty entry's text
  std::uint32_t dutyValue = 0;  // and its value
  bool connectOn = false;       // the connect-code switch
  int scheme = -1;              // the scheme list's selection

  // The input's text; empty for an id the page does not have.
  wxString Text(int controlId) const;
};
// A parameter's control as the macros and [Custom] take it.
modulation::stParamValue ValueOf(const stAirValues& values, int controlId);

// Reads each parameter's Name from a [Custom] section into the document:
// a text goes to its document parameter, P8 to the connect flag (nonzero
// number = on); an empty or missing value is skipped. False when the walk
// ended at a parameter without Name (the values read before stay).
using CustomReader = std::function<wxString(const wxString& name)>;
bool LoadCustomValues(const modulation::CParamDefinitions& definitions, const CustomReader& read,
                      CDocManage& doc);
// The defaults of a scheme (its mode file) and the values of a project.
bool LoadSchemeDefaults(const modulation::CParamDefinitions& definitions, const wxString& modeFile,
                        CDocManage& doc);
bool LoadProjectValues(const modulation::CParamDefinitions& definitions, const CProjectFile& project,
                       CDocManage& doc);

// Writes [Custom]: each parameter's value under its Name (the input's text,
// the duty entry's text or empty, P8 "1"/"0"), then "AirFormatType" (the
// scheme list's selection). False, with nothing more written, at a parameter
// without Name or a write that fails.
bool SaveCustomValues(const CProjectFile& project, const modulation::CParamDefinitions& definitions,
                      const stAirValues& values);

// The page's values into the document: parameters 0, 1, 4, 3, 7, 6, 9, 8,
// the connect flag, and while it is on parameter 12 (kept while it is off).
void StorePageValues(const stAirValues& values, CDocManage& doc);

// Adds each parameter's macro to the table in parameter order, up to the
// first parameter without Name.
void WriteParamMacros(const modulation::CParamDefinitions& definitions, const stAirValues& values,
                      CStringMap& table);

// --- Checks.

// The air page's bit rule: bit-0 mark equals bit-1 mark and the two spaces
// differ (times read with ParseNumber). Incomplete while a time is empty.
enum class BitMarks { kIncomplete, kValid, kInvalid };
BitMarks CheckBitMarks(const wxString& bit0Mark, const wxString& bit1Mark, const wxString& bit0Space,
                       const wxString& bit1Space);
BitMarks PageBitMarks(const stAirValues& values);

// Why the page may not be left; the first problem found.
struct stAirCheck {
  enum Problem { kNone, kNoDuty, kNoDefinition, kBadInput, kBadBitMarks };
  Problem problem = kNone;
  int inputId = 0;          // kBadInput: the refused input
  bool inputEmpty = false;  // kBadInput: refused for being empty
};
// The duty first, then each parameter in list order: one without a Name, or
// an active input that is empty or out of range (inRange, the input's own
// check, is asked only of an active input with text); then the bit rule.
stAirCheck CheckPage(const modulation::CParamDefinitions& definitions, const stAirValues& values,
                     const std::function<bool(int controlId)>& inRange);

}  // namespace aircon
