// The air carrier page's controls and helpers, its definitions and the page
// protocol over the model of aircon/AirModulationModel.h; the interaction
// and previews are in AirModulationHandlers.cpp, the layout and language in
// AirModulationLayout.cpp.
#include "aircon/pages/AirModulation.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "core/ProjectKinds.h"
#include "core/UserIni.h"
#include "platform/Paths.h"
#include "ui/ImageTipBtn.h"
#include "ui/PageButtons.h"
#include "ui/UiMessages.h"
#include "ui/WaveDraw.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellHooks.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <algorithm>

using namespace aircon;
using modulation::stInputBinding;
using modulation::stListItem;

wxIMPLEMENT_ABSTRACT_CLASS(CAirModulation, CSubBaseDlg);

namespace {

constexpr char kClassName[] = "CAirModulation";

// Captions of the template that no language text replaces.
const std::pair<int, const char*> kFixedTexts[] = {
    {kFreqUnitId, "KHz"},    {kLeadMarkUnitId, "us"},  {kLeadSpaceUnitId, "us"}, {kConnectTimeUnitId, "ms"},
    {kBit0MarkUnitId, "us"}, {kBit0SpaceUnitId, "us"}, {kBit1MarkUnitId, "us"},  {kBit1SpaceUnitId, "us"},
    {kBit0TitleId, "Bit0:"}, {kBit1TitleId, "Bit1:"},  {kConnectOnId, "ON"},     {kConnectOffId, "OFF"},
};

constexpr std::array<int, 4> kWaveIds = {kCarrierWaveId, kLeadWaveId, kBit0WaveId, kBit1WaveId};

}  // namespace

CAirModulation::CAirModulation(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetBackgroundColour(*wxWHITE);
  CreateControls();
  BindEvents();
  InitWaves();
  InitLayout(LayoutFile("UserDefAirPage_Modulation.ini"), LayoutPrefix("A"));
  ApplyLanguage();
}

CAirModulation::~CAirModulation() = default;

// --- Controls.

void CAirModulation::CreateControls() {
  // Group boxes first, so that the controls inside are drawn over them.
  for (int id : {kSchemeGroupId, kCarrierGroupId, kBitGroupId, kLeadConnectGroupId})
    new wxStaticBox(this, id, wxString());
  // The inputs in the order Tab walks them: the left column, then the right.
  const auto input = [this](int id) {
    CLUEdit& edit = Edit(id);
    edit.Create(0, 0, 26, 70, id, this);
    // The range tip opens above the input; below for the two bit spaces.
    edit.SetTipPlacement(id == kBit0SpaceEditId || id == kBit1SpaceEditId ? 1 : 0);
    edit.SetUnitText(wxString());  // the out-of-range mark
  };
  m_schemes = new wxChoice(this, kSchemeComboId);
  for (int id : {kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId, kFreqEditId})
    input(id);
  m_duty = new wxChoice(this, kDutyComboId);
  input(kLeadMarkEditId);
  input(kLeadSpaceEditId);
  new wxRadioButton(this, kConnectOnId, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kConnectOffId, wxString());
  input(kConnectTimeEditId);
  CreateStaticTexts();
  for (std::size_t i = 0; i < kWaveIds.size(); ++i) m_waves[i] = new CDrawWave(this, kWaveIds[i]);
  CreateTipButtons();
  new wxButton(this, kCancelId, wxString(), wxDefaultPosition, kPageButtonSize);
  new wxButton(this, kNextId, wxString(), wxDefaultPosition, kPageButtonSize);
  for (const auto& [id, text] : kFixedTexts) FindWindow(id)->SetLabel(text);
  SetChecked(kConnectOffId, true);
}

void CAirModulation::CreateStaticTexts() {
  for (int id :
       {kSchemeLabelId,     kFreqLabelId,      kFreqUnitId,      kDutyLabelId,    kLeadMarkLabelId,
        kLeadMarkUnitId,    kLeadSpaceLabelId, kLeadSpaceUnitId, kConnectLabelId, kConnectTimeLabelId,
        kConnectTimeUnitId, kBit0TitleId,      kBit0MarkLabelId, kBit0MarkUnitId, kBit0SpaceLabelId,
        kBit0SpaceUnitId,   kBit1TitleId,      kBit1MarkLabelId, kBit1MarkUnitId, kBit1SpaceLabelId,
        kBit1SpaceUnitId,   kErrorTextId})
    new wxStaticText(this, id, wxString());
  FindWindow(kErrorTextId)->SetForegroundColour(*wxRED);
}

void CAirModulation::CreateTipButtons() {
  const wxString tipImage = platform::JoinPath(g_App.imageFolder, "user_tips.png");
  const std::pair<int, const char*> tips[] = {{kSchemeTipId, "IDS_USER_TIPS6"},
                                              {kCarrierTipId, "IDS_USER_TIPS7"},
                                              {kBitTipId, "IDS_USER_TIPS8"},
                                              {kConnectTipId, "IDS_USER_TIPS9"}};
  for (std::size_t i = 0; i < m_tips.size(); ++i) {
    m_tips[i] = new CImageTipBtn(this, tips[i].first, tipImage, tips[i].second);
    // The tips of the page's right half open towards the left.
    const bool rightHalf = tips[i].first == kCarrierTipId || tips[i].first == kConnectTipId;
    m_tips[i]->SetTipPlacement(rightHalf ? 0 : 1);
  }
}

void CAirModulation::BindEvents() {
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnDutySelChange(); }, kDutyComboId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnSchemeSelChange(); }, kSchemeComboId);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnConnectRadio(); }, kConnectOnId, kConnectOffId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RequestNextPage(1, 0); }, kNextId);
  BindCloseButton(kCancelId);
  Bind(WM_EDIT_CHANGED, &CAirModulation::OnEditChanged, this);
  Bind(WM_AIR_FORMAT_INDEX, &CAirModulation::OnSchemeChanged, this);
  Bind(WM_AIR_FORMAT_ADDED, [this](CShellMessageEvent& event) {
    SelectLastScheme();
    event.SetResult(1);
  });
  Bind(wxEVT_SHOW, &CAirModulation::OnShowPage, this);
  Bind(wxEVT_LEFT_DOWN, &CAirModulation::OnBackgroundClick, this);
}

CLUEdit& CAirModulation::Edit(int id) {
  const auto found = std::find(kInputIds.begin(), kInputIds.end(), id);
  return m_edits[static_cast<std::size_t>(found - kInputIds.begin())];
}

CLUEdit* CAirModulation::GetEditById(int id) { return IsInputId(id) ? &Edit(id) : nullptr; }

CDrawWave* CAirModulation::GetWave(int id) const {
  for (std::size_t i = 0; i < kWaveIds.size(); ++i) {
    if (kWaveIds[i] == id) return m_waves[i];
  }
  return nullptr;
}

wxString CAirModulation::EditText(int id) { return Edit(id).GetWindowText(); }

void CAirModulation::EmptyInput(int id) {
  CLUEdit& input = Edit(id);
  input.SetText(wxString());
  input.SetUnitText(wxString(), true);
}

// A document parameter into its input, with the input's range mark.
void CAirModulation::PutParam(int id, int param) {
  CLUEdit& input = Edit(id);
  input.SetText(g_DocManage.GetParam(param));
  input.SetUnitText(input.CheckRange() ? wxString() : wxString("*"), true);
}

bool CAirModulation::IsChecked(int id) const {
  auto* radio = dynamic_cast<wxRadioButton*>(FindWindow(id));
  return radio && radio->GetValue();
}

void CAirModulation::SetChecked(int id, bool checked) {
  if (auto* radio = dynamic_cast<wxRadioButton*>(FindWindow(id))) radio->SetValue(checked);
}

void CAirModulation::EnableConnectTime(bool enable) { Edit(kConnectTimeEditId).EnableWindow(enable); }

void CAirModulation::SendEditChanged(CLUEdit& input, bool inRange) {
  SendUiMessage(this, WM_EDIT_CHANGED, this, inRange ? 1 : 0, &input);
}

// A page of the flow that is not there (not built, or not registered) is
// simply not told.
void CAirModulation::SendToPage(int templateId, wxEventType type, int wParam) {
  IShellWindow* shell = GetShellWindow();
  CSubBaseDlg* page = templateId == kTemplateId ? this : (shell ? shell->FindPage(templateId) : nullptr);
  if (page) SendShellMessage(page, type, wParam, 0);
}

void CAirModulation::ReportChange() {
  if (IShellWindow* shell = GetShellWindow()) {
    shell->OnProjectChanged(kClassName, true);
  } else {
    g_DocManage.SetModified(true, kClassName);
  }
}

void CAirModulation::OnPageShown() { ReportChange(); }

// Every showing arms the one-time guides of the pages that follow.
void CAirModulation::OnShowPage(wxShowEvent& event) {
  event.Skip();
  if (!event.IsShown()) return;
  for (GuidePrompt prompt : {GuidePrompt::kAirDataFormat, GuidePrompt::kKeyPage, GuidePrompt::kLcdPage})
    ArmGuidePrompt(prompt);
}

void CAirModulation::OnBackgroundClick(wxMouseEvent& event) {
  // Ends an edit: the input then reports its value.
  SetFocusIgnoringChildren();
  event.Skip();
}

// --- Definitions.

bool CAirModulation::ApplyParamDefinition(int number, CLUEdit& input) {
  modulation::stParamDefinition definition;
  stInputBinding binding;
  if (!aircon::ApplyParamDefinition(m_definitions, number, definition, binding)) return false;
  if (binding.setMask) input.SetMask(definition.format, definition.templ);
  if (binding.setRange) {
    input.SetTipText(binding.tip);
    input.EnableTip(true);
    input.SetRange(binding.min, binding.max);
    input.EnableValueCheck(true, true);
  }
  return true;
}

bool CAirModulation::FillComboFromParam(int number) {
  const std::optional<std::vector<stListItem>> items = aircon::FillComboFromParam(m_definitions, number);
  if (!items) return false;
  m_dutyItems = *items;
  m_duty->Clear();
  for (const stListItem& item : m_dutyItems) m_duty->Append(item.label);
  if (m_dutyItems.empty()) return false;
  m_duty->SetSelection(0);
  return true;
}

void CAirModulation::FillSchemeCombo() {
  m_schemes->Clear();
  for (const wxString& key : ReadSchemeNameKeys(m_definitions.Path())) m_schemes->Append(GetLangText(key));
}

void CAirModulation::LoadParamDefinitions(const wxString& path) {
  m_definitions = modulation::CParamDefinitions(path);
  for (int n = 0; n < kParamCount; ++n) {
    const int id = kParamIds[n];
    if (CLUEdit* input = GetEditById(id)) {
      ApplyParamDefinition(n, *input);
    } else if (id == kDutyComboId) {
      FillComboFromParam(n);
    }
  }
  FillSchemeCombo();
}

stAirValues CAirModulation::ReadValues() const {
  stAirValues values;
  for (std::size_t i = 0; i < kInputIds.size(); ++i) {
    const CLUMaskEdit* edit = m_edits[i].GetEdit();
    if (!edit) continue;
    values.inputs[kInputIds[i]] = {m_edits[i].GetWindowText(), edit->IsShown() && edit->IsEnabled()};
  }
  values.dutySelected = m_duty->GetSelection() != wxNOT_FOUND;
  values.duty = values.dutySelected ? m_duty->GetStringSelection() : wxString();
  values.dutyValue = modulation::FindItemValue(m_dutyItems, values.duty);
  values.connectOn = IsChecked(kConnectOnId);
  values.scheme = m_schemes->GetSelection();
  return values;
}

// --- Page protocol: load, save, store, check.

bool CAirModulation::LoadFormatParameters(int scheme, int skip) {
  CDocManage& doc = g_DocManage;
  doc.LeadCodeOn = 1;
  if (skip != 0) return true;
  LoadParamDefinitions(modulation::CParamDefinitions::PathFor(doc.RemoteType));
  doc.RepeatCodeOn = 0;
  scheme = ResolveScheme(scheme, static_cast<int>(m_schemes->GetCount()));
  doc.AirFormatType = scheme;
  m_scheme = scheme;
  ReadConnectFlag(ModeFilePath(m_definitions.Path(), scheme), doc.RepeatCodeOn);
  SetChecked(doc.RepeatCodeOn != 0 ? kConnectOnId : kConnectOffId, true);
  EnableConnectTime(doc.RepeatCodeOn != 0);
  m_schemes->SetSelection(scheme >= 0 && scheme < static_cast<int>(m_schemes->GetCount()) ? scheme
                                                                                          : wxNOT_FOUND);
  ResetBitPictures(true);
  EmptyInput(kFreqEditId);
  m_duty->SetSelection(wxNOT_FOUND);
  InitWaves();
  return true;
}

void CAirModulation::LoadSchemeDefaults(int scheme) {
  aircon::LoadSchemeDefaults(m_definitions, ModeFilePath(m_definitions.Path(), scheme), g_DocManage);
}

bool CAirModulation::LoadFromProject() {
  CDocManage& doc = g_DocManage;
  if (IsStandardProtocol(doc.ProtocolType)) return true;
  // A new project reads nothing from its file: it starts on the first scheme.
  const bool fromFile = !doc.UseFormatTemplate();
  const CProjectFile project(doc.GetProjectFilePath());
  const int stored = fromFile ? project.ReadAirFormatType() : 0;
  LoadFormatParameters(stored, 0);
  // Definitions that cannot be read leave the values unread; Next says why.
  if (fromFile) LoadProjectValues(m_definitions, project, doc);
  const int count = static_cast<int>(m_schemes->GetCount());
  const int scheme = ResolveScheme(stored, count);
  m_schemes->SetSelection(scheme >= 0 && scheme < count ? scheme : wxNOT_FOUND);
  m_scheme = doc.AirFormatType = m_schemes->GetSelection();
  RefreshControls();
  return true;
}

bool CAirModulation::SaveToProject() {
  return SaveCustomValues(CProjectFile(g_DocManage.GetProjectFilePath()), m_definitions, ReadValues());
}

bool CAirModulation::StorePageData() {
  const stAirValues values = ReadValues();
  StorePageValues(values, g_DocManage);
  EnableConnectTime(values.connectOn);
  if (!values.connectOn) EmptyInput(kConnectTimeEditId);
  return true;
}

bool CAirModulation::Validate() {
  const stAirCheck check =
      CheckPage(m_definitions, ReadValues(), [this](int id) { return Edit(id).CheckRange(); });
  switch (check.problem) {
    case stAirCheck::kNoDuty: LangMessageBox("IDS_DUTY_NO_SEL"); return false;
    // Without its definition a value cannot be checked: refused, and said so.
    case stAirCheck::kNoDefinition: LangMessageBox("IDS_GET_PORTOCOL_INFO_ERROR"); return false;
    case stAirCheck::kBadInput: RefuseInput(check.inputId, check.inputEmpty); return false;
    case stAirCheck::kBadBitMarks: return ShowBitMarks(BitMarks::kInvalid);
    default: return true;
  }
}

// Refused: the mark (and for an empty input the red frame), and the focus back on the input.
void CAirModulation::RefuseInput(int id, bool empty) {
  CLUEdit& input = Edit(id);
  input.SetUnitText("*", true);
  if (empty) input.GetEdit()->MarkRefused();
  input.GetEdit()->SetFocus();
}

bool CAirModulation::CheckBitMarks() { return ShowBitMarks(PageBitMarks(ReadValues())); }

// The error text follows a complete set of bit times.
bool CAirModulation::ShowBitMarks(BitMarks marks) {
  if (marks == BitMarks::kIncomplete) return true;
  SetErrorText(marks == BitMarks::kValid ? wxString() : GetLangText("IDS_BIT0_BIT1_MARK_INVALID"));
  return marks == BitMarks::kValid;
}

void CAirModulation::SetErrorText(const wxString& text) {
  m_errorText = text;
  auto* error = static_cast<wxStaticText*>(FindWindow(kErrorTextId));
  error->SetLabel(text);
  error->Wrap(error->GetSize().x);
}

bool CAirModulation::CheckAndApply() {
  if (!Validate()) return false;
  CDocManage& doc = g_DocManage;
  doc.OutputProtocolName = "USER_DEF";
  doc.CodeMode = 15;
  // Emptied first: the pages after this one add to a table of this page's entries only.
  g_MacroMap.clear();
  WriteParamMacros(m_definitions, ReadValues(), g_MacroMap);
  ArmGuidePrompt(GuidePrompt::kLcdPage);
  return true;
}
