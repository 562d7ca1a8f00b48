// The page's state, its definitions, load, show, commit and generation.
#include "protocol/DataFormatModel.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "core/StringHelpers.h"
#include "platform/Paths.h"
#include "protocol/StandardProtocol.h"

namespace olv::protocol {

using namespace dataformat_id;

namespace {

// The definition-to-control list: element i shows the parameter of PD<i>.
constexpr int kControlList[] = {kMsbFirst,         kStartEnable,     kStartValue1,      kToggleEnable,
                                kToggleStart1,     kAddressBits,     kCommandBits2,     kAddress,
                                kConstBits[0],     kConstBits[1],    kConstBits[2],     kConstBits[3],
                                kCommandBits,      kConstValue[0],   kConstValue[1],    kConstValue[2],
                                kConstValue[3],    kConstEnable[0],  kConstEnable[1],   kConstEnable[2],
                                kConstEnable[3],   kCommandEnable,   kConstPolarity[0], kConstPolarity[1],
                                kConstPolarity[2], kConstPolarity[3]};
constexpr int kFirstInputDefinition = 5;
constexpr int kLastInputDefinition = 16;

// A stored hexadecimal value shown in its input, without the "0x" a commit puts in front.
wxString ValueText(const wxString& param) {
  wxString text = param.Strip(wxString::both);
  if (text.Lower().StartsWith("0x")) text.Remove(0, 2);
  return text;
}

wxString HexParam(const wxString& text) { return text.empty() ? wxString() : "0x" + text; }

bool IsBitCountInput(int id) {
  if (id == kAddressBits || id == kCommandBits || id == kCommandBits2) return true;
  for (int bits : kConstBits) {
    if (id == bits) return true;
  }
  return false;
}

}  // namespace

wxString ListUnplacedConstCodes(unsigned mask, int n) {
  wxString list;
  for (int i = 1; i <= n; ++i) {
    if ((mask & (1u << (i - 1))) == 0) list += wxString::Format("%d,", i);
  }
  if (list.EndsWith(",")) list.RemoveLast();
  return list;
}

wxString BitCountParam(const wxString& decimalText) {
  const wxString text = decimalText.Strip(wxString::both);
  if (text.empty()) return text;
  return wxString::Format("0x%X", static_cast<unsigned>(ParseNumber(text)));
}

wxString BitCountText(const wxString& param) {
  if (param.Strip(wxString::both).empty()) return wxString();
  return wxString::Format("%u", static_cast<unsigned>(ParseNumber(param)));
}

CDataFormatModel::CDataFormatModel(CDocManage& doc) : CBaseDataFormat(doc) {
  m_firstFormat = &m_sendFormat;
  BuildControls();
}

void CDataFormatModel::BuildControls() {
  for (int id :
       {kAddressBits, kCommandBits2, kAddress, kConstBits[0], kConstBits[1], kConstBits[2], kConstBits[3],
        kCommandBits, kConstValue[0], kConstValue[1], kConstValue[2], kConstValue[3]}) {
    m_inputs[id].id = id;
  }
  m_inputs[kAddress].unitText.clear();
  for (int id :
       {kMsbFirst, kLsbFirst, kStartEnable, kStartValue0, kStartValue1, kToggleEnable, kToggleStart0,
        kToggleStart1, kConstEnable[0], kConstEnable[1], kConstEnable[2], kConstEnable[3], kCommandEnable}) {
    m_checks[id].id = id;
  }
  for (int id : {kSendType, kConstPolarity[0], kConstPolarity[1], kConstPolarity[2], kConstPolarity[3]}) {
    m_choices[id].id = id;
  }
}

wxString CDataFormatModel::DefinitionPathFor(int frameworkKind) {
  const wxString folder = g_App.GetProtocolFolder(frameworkKind);
  if (folder.empty()) return wxString();
  return platform::FindPathNoCase(platform::JoinPath(platform::JoinPath(folder, "Custom"), "setting.ini"));
}

stInputState* CDataFormatModel::FindInput(int id) {
  auto it = m_inputs.find(id);
  return it == m_inputs.end() ? nullptr : &it->second;
}

stCheckState* CDataFormatModel::FindCheck(int id) {
  auto it = m_checks.find(id);
  return it == m_checks.end() ? nullptr : &it->second;
}

stChoiceState* CDataFormatModel::FindChoice(int id) {
  auto it = m_choices.find(id);
  return it == m_choices.end() ? nullptr : &it->second;
}

bool CDataFormatModel::IsHexadecimalInput(int id) const {
  if (id == kAddress) return true;
  for (int value : kConstValue) {
    if (id == value) return true;
  }
  return false;
}

// --- Definitions.

bool CDataFormatModel::SetDefinitionFile(const wxString& path) {
  m_definitionFile = path;
  RelayoutFormat(m_firstFormat);
  BuildDataBlocks(geometry, path);
  stCheckState& toggle = Check(kToggleEnable);
  toggle.enabled = m_sendFormat.kind16_shown;
  if (toggle.checked && !m_sendFormat.kind16_shown) {
    toggle.checked = false;
    ApplyToggleBit(true);
  }
  m_controlList.assign(std::begin(kControlList), std::end(kControlList));
  for (int i = kFirstInputDefinition; i <= kLastInputDefinition; ++i) {
    LoadParamDefinition(path, i, Input(m_controlList[static_cast<std::size_t>(i)]));
  }
  LoadGroups();
  return true;
}

void CDataFormatModel::ApplyLanguage() {
  FillPolarityCombos();
  for (int i : {5, 6, 7}) LoadParamDefinition(m_definitionFile, i, Input(kControlList[i]));
}

bool CDataFormatModel::LoadGroups() {
  stChoiceState& sendType = Choice(kSendType);
  sendType.entries = ReadGroupNames(m_definitionFile);
  sendType.selection = -1;
  return true;
}

// --- Load.

bool CDataFormatModel::LoadFromProject() { return LoadFromProjectWith(DefinitionPathFor(m_doc.RemoteType)); }

bool CDataFormatModel::LoadFromProjectWith(const wxString& definitionFile) {
  SetDefinitionFile(definitionFile);
  if (m_doc.NewProject != 0) {
    if (!ShowStoredValues()) return false;
    RefreshParams(1);
    return true;
  }
  const CProjectFile file(m_doc.GetProjectFilePath());
  const wxString section = projectfile::section::kCustom;
  for (std::size_t i = 0; i < m_controlList.size(); ++i) {
    const int id = m_controlList[i];
    if (id == 0 || !ControlExists(id)) continue;
    stParamDefinition definition;
    if (!ReadParamDefinition(m_definitionFile, static_cast<int>(i), definition)) return false;
    const wxString value = file.ReadText(section, definition.name);
    if (value.empty()) continue;
    const bool on = ParseNumber(value) != 0;
    switch (id) {
      case kCommandBits:
      case kCommandBits2: m_doc.SetParam(16, BitCountParam(value)); break;
      case kAddressBits: m_doc.SetParam(15, BitCountParam(value)); break;
      case kAddress:
        m_doc.SetParam(2, value);
        m_doc.Address = static_cast<std::uint16_t>(ParseNumber("0x" + value));
        break;
      case kMsbFirst: m_doc.LsbFirst = on ? 0 : 1; break;
      case kStartValue1: m_doc.StartBitValue = static_cast<std::uint8_t>(ParseNumber(value)); break;
      case kToggleStart1: m_doc.ToggleStart = static_cast<std::uint8_t>(ParseNumber(value)); break;
      case kStartEnable: m_doc.StartBitOn = on; break;
      case kToggleEnable: m_doc.ToggleBitOn = on; break;
      case kCommandEnable: m_doc.CommandOn = on; break;
      default:
        for (int k = 0; k < 4; ++k) {
          if (id == kConstBits[k]) m_doc.SetParam(24 + k, BitCountParam(value));
          if (id == kConstValue[k]) m_doc.SetParam(28 + k, HexParam(value));
          if (id == kConstEnable[k]) m_doc.ConstCodeOn[k] = on;
          if (id == kConstPolarity[k]) m_doc.ConstPolarity[k] = on;
        }
        break;
    }
  }
  stChoiceState& sendType = Choice(kSendType);
  const int count = static_cast<int>(sendType.entries.size());
  sendType.selection = count - 1;
  if (file.Has(section, "FormatType")) {
    const int stored = static_cast<int>(ParseNumber(file.ReadText(section, "FormatType")));
    if (stored >= 0 && stored < count) sendType.selection = stored;
  }
  m_doc.FormatType = sendType.selection;
  m_doc.SetParam(17, file.ReadText(section, "SendData"));
  EnableConstCodesInFrame();
  if (!ShowStoredValues()) return false;
  if (!RefreshParams(0)) LangMessageBox("IDS_FRAME_OPTIONS_DIFFER");
  return true;
}

// A constant code that the stored frame sends is enabled, whatever its saved
// flag says: a flag saved as 0 would otherwise take the code out of the frame.
void CDataFormatModel::EnableConstCodesInFrame() {
  wxString names = m_doc.GetParam(17);
  while (!names.empty()) {
    const int k = ConstCodeNumber(GetNextToken(names, ","));
    if (k >= 1 && k <= 4) m_doc.ConstCodeOn[k - 1] = 1;
  }
}

// --- Showing the stored values.

void CDataFormatModel::ShowInputsFromParams() {
  const struct {
    int id;
    int param;
  } kInputParams[] = {{kCommandBits2, 16},  {kAddressBits, 15},   {kAddress, 2},        {kConstBits[0], 24},
                      {kConstBits[1], 25},  {kConstBits[2], 26},  {kConstBits[3], 27},  {kCommandBits, 16},
                      {kConstValue[0], 28}, {kConstValue[1], 29}, {kConstValue[2], 30}, {kConstValue[3], 31}};
  for (const auto& entry : kInputParams) {
    stInputState& input = Input(entry.id);
    const wxString param = m_doc.GetParam(entry.param);
    input.text = IsBitCountInput(entry.id) ? BitCountText(param) : ValueText(param);
    input.unitText.clear();
    input.refused = false;
  }
}

bool CDataFormatModel::ShowStoredValues() {
  ShowAllBlocks(false);
  RelayoutFormat(m_firstFormat);
  Check(kMsbFirst).checked = m_doc.LsbFirst == 0;
  Check(kLsbFirst).checked = m_doc.LsbFirst != 0;
  m_sendFormat.SetShown(m_doc.StartBitOn != 0);
  Check(kStartEnable).checked = m_doc.StartBitOn != 0;
  Check(kStartValue0).enabled = Check(kStartValue1).enabled = m_doc.StartBitOn != 0;
  Check(kStartValue0).checked = m_doc.StartBitValue == 0;
  Check(kStartValue1).checked = m_doc.StartBitValue != 0;
  m_sendFormat.toggle_shown = m_doc.ToggleBitOn != 0;
  Check(kToggleEnable).checked = m_doc.ToggleBitOn != 0;
  Check(kToggleStart0).enabled = Check(kToggleStart1).enabled = m_doc.ToggleBitOn != 0;
  Check(kToggleStart0).checked = m_doc.ToggleStart == 0;
  Check(kToggleStart1).checked = m_doc.ToggleStart != 0;
  RelayoutFormat(m_firstFormat);
  stCheckState& toggle = Check(kToggleEnable);
  toggle.enabled = m_sendFormat.kind16_shown;
  if (toggle.checked && !m_sendFormat.kind16_shown) {
    toggle.checked = false;
    ApplyToggleBit(true);
  }
  PlaceOptionBlocks(kKindOption2 | kKindStart | kKindToggle | kKindOption16, 0);
  ShowInputsFromParams();
  errorLine.clear();
  return true;
}

bool CDataFormatModel::RefreshParams(int flag) {
  if (flag == 1) {
    for (int id : {kAddressBits, kCommandBits2, kAddress}) Input(id).text.clear();
    Input(kAddress).enabled = false;
    Choice(kSendType).selection = m_doc.FormatType;
    FillPolarityCombos();
    ShowConstantCodes();
    return true;
  }
  bool allInRange = true;
  for (const auto& [id, param] : {std::pair{kCommandBits2, 16}, {kAddressBits, 15}, {kAddress, 2}}) {
    stInputState& input = Input(id);
    const wxString text = m_doc.GetParam(param);
    input.text = id == kAddress ? ValueText(text) : BitCountText(text);
    const wxString& addressBits = Input(kAddressBits).text;
    if (id == kAddress && ParseNumber(addressBits) != 0) SetValueRange(input, addressBits);
    input.MarkRange();
    allInRange = allInRange && input.CheckRange();
  }
  Input(kAddress).enabled = !Input(kAddress).text.empty();
  m_doc.PageValuesValid = allInRange;

  int found = 0;
  wxString names = m_doc.GetParam(17);
  while (!names.empty()) {
    const wxString name = GetNextToken(names, ",");
    if (name.empty()) continue;
    ApplyBlockToSendFormats(name, false, false);
    for (const auto& entry : m_dataBlocks) {
      if (entry && entry->block.GetText().CmpNoCase(name) == 0) found |= entry->block.Kind();
    }
  }
  const bool startFound = (found & kKindStart) != 0;
  const bool toggleFound = (found & kKindToggle) != 0;
  // A frame that disagrees with its options is still shown whole: the start
  // and toggle bits follow the frame, the lead and connect codes the carrier
  // page. The caller reports the disagreement.
  const bool agrees = startFound == (m_doc.StartBitOn != 0) && toggleFound == (m_doc.ToggleBitOn != 0) &&
                      ((found & kKindOption2) != 0) == (m_doc.LeadCodeOn != 0) &&
                      ((found & kKindOption16) != 0) == (m_doc.RepeatCodeOn != 0);
  Check(kStartEnable).checked = startFound;
  Check(kToggleEnable).checked = toggleFound;
  ApplyStartBit(false);
  ApplyToggleBit(false);
  Check(kStartValue0).checked = m_doc.StartBitValue == 0;
  Check(kStartValue1).checked = m_doc.StartBitValue != 0;
  Check(kToggleStart0).checked = m_doc.ToggleStart == 0;
  Check(kToggleStart1).checked = m_doc.ToggleStart != 0;
  if (m_doc.RemoteType == kRemoteGeneral) Choice(kSendType).selection = m_doc.FormatType;
  FillPolarityCombos();
  ShowConstantCodes();
  return agrees;
}

// --- Commit.

bool CDataFormatModel::StorePageData() {
  m_doc.LsbFirst = Check(kLsbFirst).checked ? 1 : 0;
  m_doc.StartBitOn = Check(kStartEnable).checked ? 1 : 0;
  m_doc.ToggleBitOn = Check(kToggleEnable).checked ? 1 : 0;
  m_doc.StartBitValue = Check(kStartValue1).checked ? 1 : 0;
  m_doc.ToggleStart = Check(kToggleStart1).checked ? 1 : 0;
  m_doc.SetParam(16, BitCountParam(Input(kCommandBits2).text));
  m_doc.SetParam(15, BitCountParam(Input(kAddressBits).text));
  m_doc.SetParam(2, Input(kAddress).text);
  m_doc.Address = static_cast<std::uint16_t>(ParseNumber("0x" + Input(kAddress).text));
  for (int k = 0; k < 4; ++k) m_doc.SetParam(24 + k, BitCountParam(Input(kConstBits[k]).text));
  m_doc.SetParam(16, BitCountParam(Input(kCommandBits).text));
  for (int k = 0; k < 4; ++k) m_doc.SetParam(28 + k, HexParam(Input(kConstValue[k]).text));
  m_doc.SetParam(17, JoinFrameTexts());
  m_doc.FormatType = Choice(kSendType).selection;
  return true;
}

bool CDataFormatModel::WriteSendBitsTable(const wxString& path) {
  return olv::protocol::WriteSendBitsTable(path, m_doc, FirstFrameDataFields());
}

namespace {

// Asks once before key codes are cut to the command bit count.
bool ConfirmKeyCodeCut() {
  platform::stMessageBoxRequest request;
  request.text = GetLangText("IDS_MODIFY_COMMAND_BIT_WARNING");
  request.caption = "Warning";
  request.type = platform::kMbOkCancel | platform::kMbIconWarning;
  request.okLabel = GetLangText("S_OK");
  request.cancelLabel = GetLangText("S_CANCEL");
  return platform::ShowMessageBox(request) == platform::kIdOk;
}

}  // namespace

bool CDataFormatModel::CheckAndApply() {
  if (!m_doc.GetProjectFilePath().empty() && !ValidateParams(0)) return false;
  const std::vector<standard::stKeyCut> cuts = standard::KeyCodesToCut(m_doc);
  if (!cuts.empty()) {
    if (!ConfirmKeyCodeCut()) return false;
    standard::ApplyKeyCuts(m_doc, cuts);
  }
  m_doc.OutputProtocolName = "USER_DEF";
  m_doc.CodeMode = 15;
  const stGeneratedNames names = ReadGeneratedNames(m_definitionFile);
  if (names.include.empty() || names.sendBits.empty()) {
    LangMessageBox("IDS_USERDEF_NAMES_MISSING");
    return false;
  }
  BuildMacros(g_MacroMap);
  const stUserDefResult result =
      WriteUserDefFiles(m_doc, g_App.templateFolder, names.include, names.sendBits, FirstFrameDataFields());
  if (result.outcome != UserDefOutcome::Written) {
    PlainMessageBox(result.message);
    return false;
  }
  if (onFilesGenerated) onFilesGenerated();
  return true;
}

}  // namespace olv::protocol
