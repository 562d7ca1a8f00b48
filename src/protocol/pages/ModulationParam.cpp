// The carrier page's controls, their events and helpers, and the page
// protocol over the model of protocol/ModulationValues.h; the layout, the
// handlers and the previews are in ModulationParam*.cpp beside this file.
#include "protocol/pages/ModulationParam.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "core/UserIni.h"
#include "platform/Paths.h"
#include "protocol/ModulationValues.h"
#include "ui/ImageTipBtn.h"
#include "ui/PageButtons.h"
#include "ui/UiMessages.h"
#include "ui/WaveDraw.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellHooks.h"
#include "ui/shell/ShellMessages.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <algorithm>

using namespace modulation;

wxIMPLEMENT_ABSTRACT_CLASS(CModulationParam, CSubBaseDlg);

namespace {

constexpr char kClassName[] = "CModulationParam";

// Fixed captions of the template that no language text replaces.
const std::pair<int, const char*> kFixedTexts[] = {
    {kFreqUnitId, "KHz"},           {kDutyLabelId, "Duty"},
    {kBit0TitleId, "Bit0:"},        {kBit1TitleId, "Bit1:"},
    {kBit0MarkUnitId, "us"},        {kBit0SpaceUnitId, "us"},
    {kBit1MarkUnitId, "us"},        {kBit1SpaceUnitId, "us"},
    {kBootMarkUnitId, "us"},        {kBootSpaceUnitId, "us"},
    {kRepeatMarkUnitId, "us"},      {kRepeatSpaceUnitId, "us"},
    {kRepeatPeriodUnitId, "ms"},    {kBootContentUnitId, "B"},
    {kBootAgcRadioId, "AGC Burst"}, {kBootManchesterRadioId, "Manchester"},
};

// The inputs in the order Tab walks them.
constexpr std::array<int, 12> kTabOrder = {kFreqEditId,         kHalfBitEditId,    kBit0MarkEditId,
                                           kBit0SpaceEditId,    kBit1MarkEditId,   kBit1SpaceEditId,
                                           kBootContentEditId,  kBootMarkEditId,   kBootSpaceEditId,
                                           kRepeatPeriodEditId, kRepeatMarkEditId, kRepeatSpaceEditId};

constexpr std::array<int, 5> kWaveIds = {kCarrierWaveId, kBootWaveId, kBit0WaveId, kBit1WaveId,
                                         kRepeatWaveId};

// Inputs that open their tip below the edit.
bool TipBelow(int id) { return id == kBit0SpaceEditId || id == kBit1SpaceEditId; }

}  // namespace

CModulationParam::CModulationParam(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetBackgroundColour(*wxWHITE);
  CreateControls();
  BindEvents();
  InitWaves();
  InitLayout(LayoutFile("UserDefPage_Modulation.ini"), LayoutPrefix("A"));
  ApplyLanguage();
}

CModulationParam::~CModulationParam() = default;

// --- Controls.

void CModulationParam::CreateControls() {
  // Group boxes first, so that the controls inside are drawn over them.
  for (int id : {kCarrierGroupId, kBootGroupId, kBitGroupId, kRepeatGroupId, kModuleGroupId, kBootTypeGroupId,
                 kPolarityGroupId, kRepeatTypeGroupId})
    new wxStaticBox(this, id, wxString());
  CreateInputs();
  m_duty = new wxChoice(this, kDutyComboId);
  CreateStaticTexts();
  CreateChoiceButtons();
  for (std::size_t i = 0; i < kWaveIds.size(); ++i) m_waves[i] = new CDrawWave(this, kWaveIds[i]);
  CreateTipButtons();
  new wxButton(this, kCancelId, wxString(), wxDefaultPosition, kPageButtonSize);
  new wxButton(this, kNextId, wxString(), wxDefaultPosition, kPageButtonSize);
  // The dialog's initial state: PDM, mark first.
  SetChecked(kPdmRadioId, true);
  SetChecked(kMarkFirstRadioId, true);
  SetChecked(kBootAgcRadioId, true);
  SetChecked(kRepeatDataRadioId, true);
}

// The inputs in their Tab order.
void CModulationParam::CreateInputs() {
  for (int id : kTabOrder) {
    CLUEdit& input = Edit(id);
    input.Create(0, 0, 26, 70, id, this);
    input.SetTipPlacement(TipBelow(id) ? 1 : 0);
    input.SetUnitText(wxString());  // the out-of-range mark
  }
}

void CModulationParam::CreateStaticTexts() {
  for (int id : {kFreqLabelId,         kFreqUnitId,         kDutyLabelId,       kBootContentLabelId,
                 kBootContentUnitId,   kBootMarkLabelId,    kBootMarkUnitId,    kBootSpaceLabelId,
                 kBootSpaceUnitId,     kHalfBitLabelId,     kBit0TitleId,       kBit0MarkLabelId,
                 kBit0MarkUnitId,      kBit0SpaceLabelId,   kBit0SpaceUnitId,   kBit1TitleId,
                 kBit1MarkLabelId,     kBit1MarkUnitId,     kBit1SpaceLabelId,  kBit1SpaceUnitId,
                 kRepeatPeriodLabelId, kRepeatPeriodUnitId, kRepeatMarkLabelId, kRepeatMarkUnitId,
                 kRepeatSpaceLabelId,  kRepeatSpaceUnitId,  kBitErrorId})
    new wxStaticText(this, id, wxString());
  (new wxStaticText(this, kBootLengthId, wxString()))->Hide();
  FindWindow(kBitErrorId)->SetForegroundColour(*wxRED);
  for (const auto& [id, text] : kFixedTexts) {
    if (wxWindow* window = FindWindow(id)) window->SetLabel(text);
  }
}

void CModulationParam::CreateChoiceButtons() {
  new wxRadioButton(this, kPdmRadioId, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kManchesterRadioId, wxString());
  new wxCheckBox(this, kBootCheckId, wxString());
  new wxRadioButton(this, kBootAgcRadioId, "AGC Burst", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kBootManchesterRadioId, "Manchester");
  new wxRadioButton(this, kMarkFirstRadioId, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kMarkAfterRadioId, wxString());
  new wxCheckBox(this, kRepeatCheckId, wxString());
  new wxRadioButton(this, kRepeatAgcRadioId, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kRepeatDataRadioId, wxString());
  new wxRadioButton(this, kRepeatWholeRadioId, wxString());
}

void CModulationParam::CreateTipButtons() {
  const wxString tipImage = platform::JoinPath(g_App.imageFolder, "user_tips.png");
  const std::pair<int, const char*> tips[] = {{kCarrierTipId, "IDS_USER_TIPS1"},
                                              {kBootTipId, "IDS_USER_TIPS2"},
                                              {kBitTipId, "IDS_USER_TIPS3"},
                                              {kRepeatTipId, "IDS_USER_TIPS4"}};
  for (std::size_t i = 0; i < m_tips.size(); ++i) {
    m_tips[i] = new CImageTipBtn(this, tips[i].first, tipImage, tips[i].second);
    // The tips at the page's right edge open towards the left.
    const bool rightEdge = tips[i].first == kBootTipId || tips[i].first == kRepeatTipId;
    m_tips[i]->SetTipPlacement(rightEdge ? 0 : 1);
  }
}

void CModulationParam::BindEvents() {
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent& event) { OnModulationType(event.GetId()); }, kPdmRadioId,
      kManchesterRadioId);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent& event) { OnBootType(event.GetId()); }, kBootAgcRadioId,
      kBootManchesterRadioId);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent& event) { OnBit0Polarity(event.GetId()); }, kMarkFirstRadioId,
      kMarkAfterRadioId);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent& event) { OnRepeatType(event.GetId()); }, kRepeatAgcRadioId,
      kRepeatWholeRadioId);
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnBootCodeCheck(); }, kBootCheckId);
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnRepeatEnable(); }, kRepeatCheckId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnDutyChanged(); }, kDutyComboId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RequestNextPage(1, 0); }, kNextId);
  BindCloseButton(kCancelId);
  Bind(WM_EDIT_CHANGED, &CModulationParam::OnEditChanged, this);
  Bind(wxEVT_LEFT_DOWN, &CModulationParam::OnBackgroundClick, this);
  Bind(wxEVT_CHAR_HOOK, &CModulationParam::OnTabKey, this);
}

// Tab walks the inputs only, skipping hidden and disabled ones; Shift+Tab walks
// them backwards. Past the last one the key goes on to the usual handling.
void CModulationParam::OnTabKey(wxKeyEvent& event) {
  event.Skip();
  if (event.GetKeyCode() != WXK_TAB || event.ControlDown() || event.AltDown()) return;
  wxWindow* focus = wxWindow::FindFocus();
  int current = -1;
  for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
    CLUMaskEdit* edit = Edit(kTabOrder[i]).GetEdit();
    if (edit && focus && (focus == edit || focus == edit->GetTextCtrl())) current = static_cast<int>(i);
  }
  if (current < 0) return;
  const int step = event.ShiftDown() ? -1 : 1;
  for (int i = current + step; i >= 0 && i < static_cast<int>(kTabOrder.size()); i += step) {
    CLUMaskEdit* edit = Edit(kTabOrder[i]).GetEdit();
    if (!edit || !edit->IsShown() || !edit->IsEnabled()) continue;
    edit->SetFocus();
    event.Skip(false);
    return;
  }
}

CLUEdit& CModulationParam::Edit(int id) {
  const auto found = std::find(kInputIds.begin(), kInputIds.end(), id);
  return m_edits[static_cast<std::size_t>(found - kInputIds.begin())];
}

CLUEdit* CModulationParam::GetEditById(int id) {
  if (!IsInput(id)) return nullptr;
  return &Edit(id);
}

bool CModulationParam::IsInput(int id) {
  return std::find(kInputIds.begin(), kInputIds.end(), id) != kInputIds.end();
}

CDrawWave* CModulationParam::GetWave(int id) const {
  for (std::size_t i = 0; i < kWaveIds.size(); ++i) {
    if (kWaveIds[i] == id) return m_waves[i];
  }
  return nullptr;
}

wxString CModulationParam::EditText(int id) { return Edit(id).GetWindowText(); }

void CModulationParam::EmptyInput(int id) {
  CLUEdit& input = Edit(id);
  input.SetText(wxString());
  input.SetUnitText(wxString());
}

bool CModulationParam::IsChecked(int id) const {
  wxWindow* window = FindWindow(id);
  if (auto* radio = dynamic_cast<wxRadioButton*>(window)) return radio->GetValue();
  if (auto* box = dynamic_cast<wxCheckBox*>(window)) return box->GetValue();
  return false;
}

void CModulationParam::SetChecked(int id, bool checked) {
  wxWindow* window = FindWindow(id);
  if (auto* radio = dynamic_cast<wxRadioButton*>(window)) radio->SetValue(checked);
  if (auto* box = dynamic_cast<wxCheckBox*>(window)) box->SetValue(checked);
}

void CModulationParam::ShowControls(std::initializer_list<int> ids, bool show) {
  for (int id : ids) {
    if (CLUEdit* input = GetEditById(id)) {
      input->ShowWindow(show);
    } else if (wxWindow* window = FindWindow(id)) {
      window->Show(show);
    }
  }
}

void CModulationParam::EnableControls(std::initializer_list<int> ids, bool enable) {
  for (int id : ids) {
    if (CLUEdit* input = GetEditById(id)) {
      input->EnableWindow(enable);
    } else if (wxWindow* window = FindWindow(id)) {
      window->Enable(enable);
    }
  }
}

void CModulationParam::SendEditChanged(CLUEdit& input, bool inRange) {
  SendUiMessage(this, WM_EDIT_CHANGED, this, inRange ? 1 : 0, &input);
}

void CModulationParam::NotifyDataFormatPage(wxEventType type, int state) {
  IShellWindow* shell = GetShellWindow();
  CSubBaseDlg* page = shell ? shell->FindPage(kDataFormatId) : nullptr;
  if (page) SendShellMessage(page, type, state, 0);
}

void CModulationParam::ReportChange() {
  g_DocManage.SetModified(true, kClassName);
  if (IShellWindow* shell = GetShellWindow()) shell->RefreshTitle();
}

void CModulationParam::OnPageShown() { ReportChange(); }

void CModulationParam::OnBackgroundClick(wxMouseEvent& event) {
  // Ends an edit: the input then reports its value.
  SetFocusIgnoringChildren();
  event.Skip();
}

// --- Definitions.

bool CModulationParam::LoadParamDefinition(int number, CLUEdit& input) {
  stParamDefinition definition;
  if (!m_definitions.Read(number, definition)) return false;
  const stInputBinding binding = BindingFor(definition);
  if (binding.setMask) input.SetMask(definition.format, definition.templ);
  if (binding.binaryTip || binding.setRange) {
    input.SetTipText(binding.tip);
    input.EnableTip(true);
  }
  if (binding.setRange) {
    input.SetRange(binding.min, binding.max);
    input.EnableValueCheck(true, true);
  }
  return true;
}

bool CModulationParam::LoadComboItems(int number) {
  stParamDefinition definition;
  if (!m_definitions.Read(number, definition)) return false;
  m_dutyItems = definition.items;
  m_duty->Clear();
  for (const stListItem& item : m_dutyItems) m_duty->Append(item.label);
  if (m_dutyItems.empty()) return false;
  m_duty->SetSelection(0);
  return true;
}

bool CModulationParam::BuildParamList(const wxString& path) {
  m_definitions = CParamDefinitions(path);
  for (int n = 0; n < kDefinitionCount; ++n) {
    const int id = kDefinitionIds[n];
    if (CLUEdit* input = GetEditById(id)) {
      if (n != 14) LoadParamDefinition(n, *input);
    } else if (id == kDutyComboId) {
      LoadComboItems(n);
    }
  }
  return true;
}

stPageValues CModulationParam::ReadValues() const {
  stPageValues values;
  for (std::size_t i = 0; i < kInputIds.size(); ++i) {
    const CLUMaskEdit* edit = m_edits[i].GetEdit();
    if (!edit) continue;
    values.inputs[kInputIds[i]] = {m_edits[i].GetWindowText(), edit->IsShown() && edit->IsEnabled()};
  }
  for (int id : {kPdmRadioId, kManchesterRadioId, kBootCheckId, kBootAgcRadioId, kBootManchesterRadioId,
                 kMarkFirstRadioId, kMarkAfterRadioId, kRepeatCheckId, kRepeatAgcRadioId, kRepeatDataRadioId,
                 kRepeatWholeRadioId})
    values.checks[id] = IsChecked(id);
  values.bootLength = FindWindow(kBootLengthId)->GetLabel();
  values.dutySelected = m_duty->GetSelection() != wxNOT_FOUND;
  values.duty = m_duty->GetStringSelection();
  values.dutyValue = FindItemValue(m_dutyItems, values.duty);
  values.markFirst = m_markFirst != 0;
  return values;
}

// --- Page protocol: load, show, save, store, check.

bool CModulationParam::LoadFromProject() {
  BuildParamList(CParamDefinitions::PathFor(g_DocManage.RemoteType));
  if (g_DocManage.NewProject) {
    if (ShowStoredValues()) RefreshPreviews(true);
    return true;
  }
  if (IsStandardProtocol(g_DocManage.ProtocolType)) return true;
  const CProjectFile project(g_DocManage.GetProjectFilePath());
  if (!LoadCustomSection(project, m_definitions, g_DocManage)) return true;
  if (!ShowStoredValues()) return true;
  RefreshPreviews(false);
  return true;
}

bool CModulationParam::ShowStoredValues() {
  m_manchesterMarkAfter = m_lastModuleType = m_lastBootType = m_lastRepeatType = -1;
  if (g_DocManage.ModulationKind > 1) return false;
  m_manchester = g_DocManage.ModulationKind != 0 ? 1 : 0;
  const int moduleId = m_manchester ? kManchesterRadioId : kPdmRadioId;
  SetChecked(moduleId, true);
  OnModulationType(moduleId);
  RedrawBitWaves(true);
  SetChecked(kBootCheckId, g_DocManage.LeadCodeOn != 0);
  SetChecked(g_DocManage.BootCodeKind == 1 ? kBootManchesterRadioId : kBootAgcRadioId, true);
  OnBootCodeCheck();
  SetChecked(kRepeatCheckId, g_DocManage.RepeatCodeOn != 0);
  switch (g_DocManage.RepeatKind) {
    case 1: SetChecked(kRepeatAgcRadioId, true); break;
    case 2: SetChecked(kRepeatDataRadioId, true); break;
    case 4: SetChecked(kRepeatWholeRadioId, true); break;
    default: break;
  }
  OnRepeatEnable();
  return true;
}

bool CModulationParam::SaveToProject() {
  g_DocManage.MarkAfter = m_markFirst == 0 ? 1 : 0;
  return SaveCustomSection(CProjectFile(g_DocManage.GetProjectFilePath()), m_definitions, ReadValues());
}

bool CModulationParam::StorePageData() {
  StorePageValues(ReadValues(), g_DocManage);
  return true;
}

bool CModulationParam::ValidatePage() {
  const stPageCheck check =
      CheckPage(m_definitions, ReadValues(), [this](int id) { return Edit(id).CheckRange(); });
  switch (check.problem) {
    case stPageCheck::kNoDuty: LangMessageBox("IDS_DUTY_NO_SEL"); return false;
    // Without its definition the value cannot be checked: refused, and said so.
    case stPageCheck::kNoDefinition: LangMessageBox("IDS_GET_PORTOCOL_INFO_ERROR"); return false;
    case stPageCheck::kBadInput: RefuseInput(check.inputId, check.inputEmpty); return false;
    default: return ShowBitRule(check.bitRule);
  }
}

// Refused: the mark and the red frame, and the focus back on the input.
void CModulationParam::RefuseInput(int id, bool empty) {
  CLUEdit& input = Edit(id);
  input.SetUnitText("*", true);
  if (empty) input.GetEdit()->MarkRefused();
  input.GetEdit()->SetFocus();
}

bool CModulationParam::CheckBitTimes() { return ShowBitRule(PageBitRule(ReadValues())); }

// The error line follows a complete set of bit times.
bool CModulationParam::ShowBitRule(BitRule rule) {
  if (rule == BitRule::kIncomplete) return true;
  FindWindow(kBitErrorId)
      ->SetLabel(rule == BitRule::kValid ? wxString() : GetLangText("IDS_BIT0_BIT1_INVALID"));
  return rule == BitRule::kValid;
}

bool CModulationParam::CheckAndApply() {
  if (!g_DocManage.GetProjectFilePath().empty() && !ValidatePage()) return false;
  g_MacroMap.clear();
  FillMacroTable(m_definitions, ReadValues(), g_MacroMap);
  ArmKeyPageGuide();
  return true;
}

void CModulationParam::RefreshControls() { RefreshPreviews(false); }
