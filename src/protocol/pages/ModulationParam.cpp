#include "protocol/pages/ModulationParam.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "core/gui/DisplayHelpers.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "keys/KeyGuide.h"
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
#include <cmath>

using namespace modulation;

wxIMPLEMENT_ABSTRACT_CLASS(CModulationParam, CSubBaseDlg);

namespace {

constexpr char kClassName[] = "CModulationParam";
constexpr char kCustomSection[] = "Custom";
// Heights of the template's two hidden measuring controls: the boot wave
// sits this much above its element, the bit-0 wave and the error line too.
constexpr int kBootWaveLift = 4;     // control 1322
constexpr int kBitWaveLift = 4;      // control 1323
constexpr int kErrorLineShift = 70;  // the error line's shift to the left

// The layout elements in the order they are placed.
const std::pair<const char*, int> kElements[] = {
    {"Cancel_Button", kCancelId},
    {"Next_Button", kNextId},
    {"Carrier_Param", kCarrierGroupId},
    {"FREQ_Static", kFreqLabelId},
    {"FREQ_Edit", kFreqEditId},
    {"FREQ_Unit", kFreqUnitId},
    {"DUTY_Static", kDutyLabelId},
    {"DUTY_Combox", kDutyComboId},
    {"MODULETYPE_Static", kModuleGroupId},
    {"PDMMODE_Radio", kPdmRadioId},
    {"MODULEMODE_Radio", kManchesterRadioId},
    {"CARRIERWAVE_TX", kCarrierWaveId},
    {"BOOT_Param", kBootGroupId},
    {"BOOTSTRAP_Check", kBootCheckId},
    {"BOOTTYPE_Static", kBootTypeGroupId},
    {"AGCBurst_Radio", kBootAgcRadioId},
    {"MANCHESTER_Radio", kBootManchesterRadioId},
    {"BOOTWAVE_TX", kBootWaveId},
    {"CONTENT_Static", kBootContentLabelId},
    {"CONTENT_Edit", kBootContentEditId},
    {"MARK1_Static", kBootMarkLabelId},
    {"MARK1_Edit", kBootMarkEditId},
    {"MARK1UNIT1_Static", kBootMarkUnitId},
    {"SPACE1_Static", kBootSpaceLabelId},
    {"SPACE1_Edit", kBootSpaceEditId},
    {"SPACE1UNIT2_Static", kBootSpaceUnitId},
    {"LEN_Static", kBootLengthId},
    {"CONTENT_Unit", kBootContentUnitId},
    {"Bit1_Param", kBitGroupId},
    {"MARKTIM_Static", kHalfBitLabelId},
    {"ERRBITX_Static", kBitErrorId},
    {"MARKTIM_Edit", kHalfBitEditId},
    {"BIT0TITLE_Static", kBit0TitleId},
    {"MARK_Static", kBit0MarkLabelId},
    {"MARK_Edit", kBit0MarkEditId},
    {"MARKBIT0UNIT1_Static", kBit0MarkUnitId},
    {"SPACE_STATIC", kBit0SpaceLabelId},
    {"SPACE_Edit", kBit0SpaceEditId},
    {"SPACEBIT0UNIT2_Static", kBit0SpaceUnitId},
    {"BIT0WAVE_PICTURE", kBit0WaveId},
    {"BIT0_Static", kPolarityGroupId},
    {"BEFORE_Radio", kMarkFirstRadioId},
    {"AFTER_Radio", kMarkAfterRadioId},
    {"BIT1TITLE_Static", kBit1TitleId},
    {"MARK3_Static", kBit1MarkLabelId},
    {"MARK3_Edit", kBit1MarkEditId},
    {"BIT1UNIT1_Static", kBit1MarkUnitId},
    {"SPACE3_Static", kBit1SpaceLabelId},
    {"SPACE3_Edit", kBit1SpaceEditId},
    {"BIT1UNIT2_Static", kBit1SpaceUnitId},
    {"BIT1WAVE_PICTURE", kBit1WaveId},
    {"Repeat_PARAM", kRepeatGroupId},
    {"Repeat_Check", kRepeatCheckId},
    {"REPEATWEEK_STATIC", kRepeatPeriodLabelId},
    {"REPEATWEEK_Edit", kRepeatPeriodEditId},
    {"REPEATWEEKMS_STATIC", kRepeatPeriodUnitId},
    {"RepeatTYPE_STATIC", kRepeatTypeGroupId},
    {"AGCBurst2_Radio", kRepeatAgcRadioId},
    {"Number_Radio", kRepeatDataRadioId},
    {"Repeat_Radio", kRepeatWholeRadioId},
    {"REPEATWAVE_TX", kRepeatWaveId},
    {"MARK2_STATIC", kRepeatMarkLabelId},
    {"MARK2_EDIT", kRepeatMarkEditId},
    {"REPEATUNIT1_STATIC", kRepeatMarkUnitId},
    {"SPACE2_STATIC", kRepeatSpaceLabelId},
    {"SPACE2_EDIT", kRepeatSpaceEditId},
    {"REPEATUNIT2_STATIC", kRepeatSpaceUnitId},
    {"CarrierParam_BUTTON", kCarrierTipId},
    {"BOOTParam_BUTTON", kBootTipId},
    {"Bit1Param_BUTTON", kBitTipId},
    {"RepeatPARAM_BUTTON", kRepeatTipId},
};

// The language texts of the controls; "fitted" controls take their text's width.
struct stControlText {
  int id;
  const char* key;
  bool fitted;
};
const stControlText kTexts[] = {
    {kFreqLabelId, "IDS_FREQ", false},
    {kModuleGroupId, "IDS_MODULE_TYPE", false},
    {kPdmRadioId, "IDS_PULSE_MODULE", true},
    {kManchesterRadioId, "IDS_PHASE_MODULE", true},
    {kBit0MarkLabelId, "IDS_MARK_TIME", false},
    {kBootMarkLabelId, "IDS_MARK_TIME", false},
    {kRepeatMarkLabelId, "IDS_MARK_TIME", false},
    {kBit1MarkLabelId, "IDS_MARK_TIME", false},
    {kBit0SpaceLabelId, "IDS_SPACE_TIME", false},
    {kBootSpaceLabelId, "IDS_SPACE_TIME", false},
    {kRepeatSpaceLabelId, "IDS_SPACE_TIME", false},
    {kBit1SpaceLabelId, "IDS_SPACE_TIME", false},
    {kBootCheckId, "IDS_BOOTSTRAP_CODE", true},
    {kBootTypeGroupId, "IDS_BOOTSTRAP_TYPE", false},
    {kRepeatCheckId, "IDS_START_REPEAT", true},
    {kRepeatPeriodLabelId, "IDS_REPEAT_WEEK", false},
    {kRepeatTypeGroupId, "IDS_REPEAT_TYPE", false},
    {kRepeatAgcRadioId, "IDS_AGC_BRUST", true},
    {kRepeatDataRadioId, "IDS_NO_AGC", true},
    {kRepeatWholeRadioId, "IDS_ALL_REPEAT", true},
    {kCarrierGroupId, "IDS_LABEL1", false},
    {kBootGroupId, "IDS_LABEL2", false},
    {kRepeatGroupId, "IDS_LABEL4", false},
    {kHalfBitLabelId, "IDS_MARK_SPACE_TIME", false},
    {kPolarityGroupId, "IDS_BIT0", false},
    {kMarkFirstRadioId, "IDS_BEFORE", true},
    {kMarkAfterRadioId, "IDS_AFTER", true},
    {kBootContentLabelId, "IDS_CONTENT", false},
};

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

wxString Lang(const char* key) { return GetLangText(key); }

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
  // The inputs in their Tab order.
  for (int id : {kFreqEditId, kHalfBitEditId, kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId,
                 kBit1SpaceEditId, kBootContentEditId, kBootMarkEditId, kBootSpaceEditId, kRepeatPeriodEditId,
                 kRepeatMarkEditId, kRepeatSpaceEditId}) {
    CLUEdit& input = Edit(id);
    input.Create(0, 0, 26, 70, id, this);
    input.SetTipPlacement(TipBelow(id) ? 1 : 0);
    input.SetUnitText(wxString());  // the out-of-range mark
  }
  m_duty = new wxChoice(this, kDutyComboId);
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
  for (std::size_t i = 0; i < kWaveIds.size(); ++i) m_waves[i] = new CDrawWave(this, kWaveIds[i]);
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
  new wxButton(this, kCancelId, wxString(), wxDefaultPosition, kPageButtonSize);
  new wxButton(this, kNextId, wxString(), wxDefaultPosition, kPageButtonSize);
  // The dialog's initial state: PDM, mark first.
  SetChecked(kPdmRadioId, true);
  SetChecked(kMarkFirstRadioId, true);
  SetChecked(kBootAgcRadioId, true);
  SetChecked(kRepeatDataRadioId, true);
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
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        wxWindow* top = wxGetTopLevelParent(this);
        if (top) top->GetEventHandler()->CallAfter([top] { top->Close(); });
      },
      kCancelId);
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
  m_paramList.clear();
  for (int n = 0; n < kDefinitionCount; ++n) {
    const int id = kDefinitionIds[n];
    if (CLUEdit* input = GetEditById(id)) {
      if (n != 14) LoadParamDefinition(n, *input);
    } else if (id == kDutyComboId) {
      LoadComboItems(n);
    }
    m_paramList.push_back(id);
  }
  return true;
}

stParamValue CModulationParam::ValueOf(int controlId) const {
  stParamValue value;
  value.controlId = controlId;
  wxWindow* window = FindWindow(controlId);
  if (controlId == kBootLengthId) {
    value.kind = stParamValue::kStatic;
    value.text = window->GetLabel();
  } else if (IsInput(controlId)) {
    value.kind = stParamValue::kEdit;
    const auto found = std::find(kInputIds.begin(), kInputIds.end(), controlId);
    value.text = m_edits[static_cast<std::size_t>(found - kInputIds.begin())].GetWindowText();
  } else if (controlId == kDutyComboId) {
    value.kind = stParamValue::kCombo;
    value.text = m_duty->GetStringSelection();
    value.itemValue = FindItemValue(m_dutyItems, value.text);
  } else {
    value.kind = stParamValue::kButton;
    value.checked = IsChecked(controlId);
  }
  return value;
}

void CModulationParam::FillMacroTable(CStringMap& table) {
  for (std::size_t n = 0; n < m_paramList.size(); ++n) {
    const int id = m_paramList[n];
    if (id == 0 || !FindWindow(id)) continue;
    stParamDefinition definition;
    if (!m_definitions.Read(static_cast<int>(n), definition)) return;
    AddMacro(table, definition, ValueOf(id));
  }
}

// --- Page protocol: load, show, save, store, check.

bool CModulationParam::LoadFromProject() {
  BuildParamList(CParamDefinitions::PathFor(g_DocManage.RemoteType));
  if (g_DocManage.NewProject) {
    if (ShowStoredValues()) RefreshPreviews(true);
    return true;
  }
  if (IsStandardProtocol(g_DocManage.ProtocolType)) return true;
  const wxString project = g_DocManage.GetProjectFilePath();
  for (std::size_t n = 0; n < m_paramList.size(); ++n) {
    const int id = m_paramList[n];
    if (id == 0 || !FindWindow(id)) continue;
    stParamDefinition definition;
    if (!m_definitions.Read(static_cast<int>(n), definition)) return true;
    const wxString text = platform::ReadProfileString(project, kCustomSection, definition.name, "");
    if (text.empty()) continue;
    StoreCustomValue(g_DocManage, id, text);
  }
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
  const wxString project = g_DocManage.GetProjectFilePath();
  for (std::size_t n = 0; n < m_paramList.size(); ++n) {
    const int id = m_paramList[n];
    if (id == 0 || !FindWindow(id)) continue;
    stParamDefinition definition;
    if (!m_definitions.Read(static_cast<int>(n), definition)) break;
    const stParamValue value = ValueOf(id);
    const wxString text =
        value.kind == stParamValue::kButton ? wxString(value.checked ? "1" : "0") : value.text;
    if (!platform::WriteProfileString(project, kCustomSection, definition.name, text)) return false;
  }
  return true;
}

bool CModulationParam::StorePageData() {
  CDocManage& doc = g_DocManage;
  doc.SetParam(0, EditText(kFreqEditId));
  if (m_duty->GetSelection() != wxNOT_FOUND) doc.SetParam(1, m_duty->GetStringSelection());
  doc.ModulationKind = IsChecked(kManchesterRadioId) ? 1 : 0;
  doc.LeadCodeOn = IsChecked(kBootCheckId) ? 1 : 0;
  doc.BootCodeKind = IsChecked(kBootManchesterRadioId) ? 1 : 0;
  if (doc.BootCodeKind == 1) {
    doc.SetParam(5, EditText(kBootContentEditId));
    doc.BootDataBits = static_cast<std::uint8_t>(EditText(kBootContentEditId).length());
  } else {
    doc.SetParam(4, EditText(kBootSpaceEditId));
    doc.SetParam(3, EditText(kBootMarkEditId));
  }
  if (doc.ModulationKind == 1) {
    doc.SetParam(10, EditText(kHalfBitEditId));
    doc.SetParam(11, EditText(kHalfBitEditId));
    doc.MarkAfter = m_markFirst == 0 ? 1 : 0;
  } else {
    doc.SetParam(7, EditText(kBit0SpaceEditId));
    doc.SetParam(6, EditText(kBit0MarkEditId));
    doc.SetParam(9, EditText(kBit1SpaceEditId));
    doc.SetParam(8, EditText(kBit1MarkEditId));
  }
  doc.RepeatCodeOn = IsChecked(kRepeatCheckId) ? 1 : 0;
  if (doc.RepeatCodeOn) {
    doc.SetParam(12, EditText(kRepeatPeriodEditId));
    if (IsChecked(kRepeatAgcRadioId)) {
      doc.RepeatKind = 1;
      doc.SetParam(14, EditText(kRepeatSpaceEditId));
      doc.SetParam(13, EditText(kRepeatMarkEditId));
    }
    if (IsChecked(kRepeatDataRadioId)) doc.RepeatKind = 2;
    if (IsChecked(kRepeatWholeRadioId)) doc.RepeatKind = 4;
  }
  return true;
}

bool CModulationParam::ValidatePage() {
  if (m_duty->GetSelection() == wxNOT_FOUND) {
    LangMessageBox("IDS_DUTY_NO_SEL");
    return false;
  }
  for (int n = 0; n < kDefinitionCount; ++n) {
    const int id = kDefinitionIds[n];
    if (!FindWindow(id)) continue;
    stParamDefinition definition;
    if (!m_definitions.Read(n, definition)) {
      // Without its definition the value cannot be checked: refused, and said so.
      LangMessageBox("IDS_GET_PORTOCOL_INFO_ERROR");
      return false;
    }
    CLUEdit* input = GetEditById(id);
    if (!input || !input->GetEdit()) continue;
    CLUMaskEdit* edit = input->GetEdit();
    if (!edit->IsShown() || !edit->IsEnabled()) continue;
    const bool empty = input->GetWindowText().empty();
    if (!empty && input->CheckRange()) continue;
    // Refused: the mark and the red frame, and the focus back on the input.
    input->SetUnitText("*", true);
    if (empty) edit->MarkRefused();
    edit->SetFocus();
    return false;
  }
  return CheckBitTimes();
}

bool CModulationParam::CheckBitTimes() {
  if (!IsChecked(kPdmRadioId)) return true;
  const BitRule rule = modulation::CheckBitTimes(EditText(kBit0MarkEditId), EditText(kBit1MarkEditId),
                                                 EditText(kBit0SpaceEditId), EditText(kBit1SpaceEditId));
  if (rule == BitRule::kIncomplete) return true;
  FindWindow(kBitErrorId)->SetLabel(rule == BitRule::kValid ? wxString() : Lang("IDS_BIT0_BIT1_INVALID"));
  return rule == BitRule::kValid;
}

bool CModulationParam::CheckAndApply() {
  if (!g_DocManage.GetProjectFilePath().empty() && !ValidatePage()) return false;
  g_MacroMap.clear();
  FillMacroTable(g_MacroMap);
  ArmKeyPageGuide();
  return true;
}

void CModulationParam::RefreshControls() { RefreshPreviews(false); }

// --- Handlers.

void CModulationParam::OnModulationType(int id) {
  wxString caption;
  if (id == kPdmRadioId) {
    if (m_lastModuleType == 0) return;
    m_lastModuleType = 0;
    g_DocManage.MarkAfter = 0;
    caption = Lang("IDS_LABEL4_PDM");
    SetChecked(kBootAgcRadioId, true);
  } else {
    if (m_lastModuleType == 1) return;
    m_lastModuleType = 1;
    if (m_manchesterMarkAfter != -1) g_DocManage.MarkAfter = static_cast<std::uint8_t>(m_manchesterMarkAfter);
    caption = Lang("IDS_LABEL4_MAN");
  }
  m_manchester = id == kManchesterRadioId ? 1 : 0;
  FindWindow(kBitGroupId)->SetLabel(caption);
  UpdateBootControls();
  ApplyModuleTypeVisibility();
  ReportChange();
}

void CModulationParam::ApplyModuleTypeVisibility() {
  const bool pdm = IsChecked(kPdmRadioId);
  ShowControls({kHalfBitLabelId, kPolarityGroupId, kMarkFirstRadioId, kMarkAfterRadioId, kHalfBitEditId},
               !pdm);
  ShowControls({kBit0TitleId, kBit1TitleId, kBit0MarkLabelId, kBit0SpaceLabelId, kBit1MarkLabelId,
                kBit1SpaceLabelId, kBit0MarkUnitId, kBit0SpaceUnitId, kBit1MarkUnitId, kBit1SpaceUnitId,
                kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId, kBitErrorId},
               pdm);
  SetChecked(g_DocManage.MarkAfter != 0 ? kMarkAfterRadioId : kMarkFirstRadioId, true);
  m_markFirst = g_DocManage.MarkAfter == 0 ? 1 : 0;
  RedrawBitWaves(false);
}

void CModulationParam::UpdateBootControls() {
  const bool manchester = IsChecked(kManchesterRadioId);
  const bool boot = IsChecked(kBootCheckId);
  const bool bootData = IsChecked(kBootManchesterRadioId);
  EnableControls({kBootManchesterRadioId}, boot && manchester);
  EnableControls({kBootAgcRadioId, kBootContentEditId, kBootMarkEditId, kBootSpaceEditId}, boot);
  ShowControls({kBootContentLabelId, kBootContentEditId, kBootContentUnitId}, bootData);
  ShowControls({kBootMarkLabelId, kBootSpaceLabelId, kBootMarkEditId, kBootSpaceEditId, kBootMarkUnitId,
                kBootSpaceUnitId},
               !bootData);
  OnBootType(bootData ? kBootManchesterRadioId : kBootAgcRadioId);
  OnRepeatEnable();
}

void CModulationParam::OnBootCodeCheck() {
  UpdateBootControls();
  const bool on = IsChecked(kBootCheckId);
  if (!on) {
    CDrawWave* wave = GetWave(kBootWaveId);
    wave->Clear(true);
    if (!IsChecked(kBootManchesterRadioId)) {
      AddSegments(wave, {1, 0}, true);
      EmptyInput(kBootMarkEditId);
      EmptyInput(kBootSpaceEditId);
    } else {
      EmptyInput(kBootContentEditId);
    }
  }
  NotifyDataFormatPage(WM_LEAD_CODE_STATE, on ? 1 : 0);
  ReportChange();
}

void CModulationParam::OnDutyChanged() {
  RefreshCarrierWave();
  ReportChange();
}

void CModulationParam::OnBit0Polarity(int id) {
  m_markFirst = id == kMarkFirstRadioId ? 1 : 0;
  RedrawBitWaves(false);
  if (IsChecked(kManchesterRadioId)) {
    const wxString half = EditText(kHalfBitEditId);
    SetBitLabels(false, half, half);
    SetBitLabels(true, half, half);
    const long bitTime = 2L * LeadingDecimal(half);
    SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME", bitTime);
    SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME", bitTime);
    if (IsChecked(kBootManchesterRadioId)) {
      SetTimeCaption(kBootWaveId, "IDS_BOOT_TIME",
                     static_cast<long>(EditText(kBootContentEditId).length()) * bitTime);
    }
  } else {
    SetBitLabels(false, EditText(kBit0MarkEditId), EditText(kBit0SpaceEditId));
    SetBitLabels(true, EditText(kBit1MarkEditId), EditText(kBit1SpaceEditId));
    SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME",
                   static_cast<long>(g_DocManage.Bit0Mark()) + g_DocManage.Bit0Space());
    SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME",
                   static_cast<long>(g_DocManage.Bit1Mark()) + g_DocManage.Bit1Space());
  }
  if (!IsChecked(kBootAgcRadioId)) {
    CDrawWave* wave = GetWave(kBootWaveId);
    wave->Clear(false);
    DrawBootContentWave(wave);
  }
  m_manchesterMarkAfter = m_markFirst ? 0 : 1;
  ReportChange();
}

void CModulationParam::OnBootType(int id) {
  const int type = id == kBootManchesterRadioId ? 1 : 0;
  if (type == m_lastBootType) return;
  m_lastBootType = type;
  ShowControls({kBootMarkEditId, kBootSpaceEditId, kBootMarkLabelId, kBootSpaceLabelId, kBootMarkUnitId,
                kBootSpaceUnitId},
               type == 0);
  ShowControls({kBootContentLabelId, kBootContentEditId, kBootContentUnitId}, type == 1);
  CDrawWave* wave = GetWave(kBootWaveId);
  wave->Clear(true);
  if (type == 0) {
    AddSegments(wave, {1, 0}, true);
    EmptyInput(kBootMarkEditId);
    EmptyInput(kBootSpaceEditId);
  } else {
    EmptyInput(kBootContentEditId);
  }
  OnRepeatEnable();
}

void CModulationParam::OnRepeatEnable() {
  const bool agcWas = IsChecked(kRepeatAgcRadioId);
  const bool on = IsChecked(kRepeatCheckId);
  const bool agcBoot = IsChecked(kBootCheckId) && IsChecked(kBootAgcRadioId);
  // An AGC burst repeat exists only behind an AGC burst boot code.
  if (!agcBoot && agcWas) SetChecked(kRepeatDataRadioId, true);
  EnableControls({kRepeatPeriodEditId, kRepeatMarkEditId, kRepeatSpaceEditId}, on);
  EnableControls({kRepeatAgcRadioId}, on && agcBoot);
  EnableControls({kRepeatDataRadioId, kRepeatWholeRadioId}, on);
  OnRepeatType(IsChecked(kRepeatAgcRadioId)     ? kRepeatAgcRadioId
               : IsChecked(kRepeatWholeRadioId) ? kRepeatWholeRadioId
                                                : kRepeatDataRadioId);
  if (!on) {
    CDrawWave* wave = GetWave(kRepeatWaveId);
    wave->Clear(true);
    if (agcWas) {
      AddSegments(wave, {1, 0}, true);
      for (int id : {kRepeatPeriodEditId, kRepeatMarkEditId, kRepeatSpaceEditId}) EmptyInput(id);
    } else {
      EmptyInput(kRepeatPeriodEditId);
    }
  }
  NotifyDataFormatPage(WM_REPEAT_CODE_STATE, on ? 1 : 0);
  ReportChange();
}

void CModulationParam::OnRepeatType(int id) {
  const int type = id == kRepeatAgcRadioId ? 1 : id == kRepeatDataRadioId ? 2 : 4;
  if (type == m_lastRepeatType) return;
  m_lastRepeatType = type;
  ShowControls({kRepeatMarkEditId, kRepeatSpaceEditId, kRepeatMarkLabelId, kRepeatSpaceLabelId,
                kRepeatMarkUnitId, kRepeatSpaceUnitId},
               type == 1);
  CDrawWave* wave = GetWave(kRepeatWaveId);
  wave->Clear(true);
  if (type == 1) {
    EmptyInput(kRepeatMarkEditId);
    EmptyInput(kRepeatSpaceEditId);
    AddSegments(wave, {1, 0}, true);
  }
  ReportChange();
}

void CModulationParam::OnEditChanged(wxCommandEvent& event) {
  HandleEditChanged(event.GetInt() != 0, static_cast<CLUEdit*>(event.GetClientData()));
}

void CModulationParam::HandleEditChanged(bool inRange, CLUEdit* input) {
  if (input) input->SetUnitText(inRange ? wxString() : wxString("*"), true);
  const int id = input ? input->GetDlgCtrlID() : 0;
  switch (id) {
    case kFreqEditId:
      if (!EditText(kFreqEditId).empty()) SetCarrierCaption(EditText(kFreqEditId));
      break;
    case kBootContentEditId: {
      CDrawWave* wave = GetWave(kBootWaveId);
      wave->Clear(true);
      DrawBootContentWave(wave);
      const long length = static_cast<long>(EditText(kBootContentEditId).length());
      SetTimeCaption(kBootWaveId, "IDS_BOOT_TIME",
                     static_cast<long>(ParseNumber(EditText(kHalfBitEditId))) * length * 2);
      FindWindow(kBootLengthId)->SetLabel(wxString::Format("%ld", length));
      break;
    }
    case kBootMarkEditId:
    case kBootSpaceEditId:
      ShowMarkSpace(GetWave(kBootWaveId), EditText(kBootMarkEditId), EditText(kBootSpaceEditId), false);
      SetTimeCaption(kBootWaveId, "IDS_BOOT_TIME",
                     static_cast<long>(LeadingDecimal(EditText(kBootMarkEditId))) +
                         static_cast<long>(LeadingDecimal(EditText(kBootSpaceEditId))));
      break;
    case kBit0MarkEditId:
    case kBit0SpaceEditId:
      SetBitLabels(false, EditText(kBit0MarkEditId), EditText(kBit0SpaceEditId));
      SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME",
                     static_cast<long>(LeadingDecimal(EditText(kBit0MarkEditId))) +
                         static_cast<long>(LeadingDecimal(EditText(kBit0SpaceEditId))));
      CheckBitTimes();
      break;
    case kBit1MarkEditId:
    case kBit1SpaceEditId:
      SetBitLabels(true, EditText(kBit1MarkEditId), EditText(kBit1SpaceEditId));
      SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME",
                     static_cast<long>(LeadingDecimal(EditText(kBit1MarkEditId))) +
                         static_cast<long>(LeadingDecimal(EditText(kBit1SpaceEditId))));
      CheckBitTimes();
      break;
    case kHalfBitEditId: {
      const wxString half = EditText(kHalfBitEditId);
      SetBitLabels(false, half, half);
      SetBitLabels(true, half, half);
      const long bitTime = static_cast<long>(LeadingDecimal(half)) * 2;
      SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME", bitTime);
      SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME", bitTime);
      if (IsChecked(kBootCheckId) && IsChecked(kBootManchesterRadioId)) {
        SetTimeCaption(kBootWaveId, "IDS_BOOT_TIME",
                       static_cast<long>(EditText(kBootContentEditId).length()) * bitTime);
      }
      break;
    }
    case kRepeatMarkEditId:
    case kRepeatSpaceEditId:
      ShowMarkSpace(GetWave(kRepeatWaveId), EditText(kRepeatMarkEditId), EditText(kRepeatSpaceEditId), true);
      SetTimeCaption(kRepeatWaveId, "IDS_REPEAT_TIME",
                     static_cast<long>(LeadingDecimal(EditText(kRepeatMarkEditId))) +
                         static_cast<long>(LeadingDecimal(EditText(kRepeatSpaceEditId))));
      break;
    default: break;
  }
  if (!m_quiet) ReportChange();
}

// --- Waves.

void CModulationParam::AddSegments(CDrawWave* wave, const std::vector<int>& levels, bool repaint) {
  for (std::size_t i = 0; i < levels.size(); ++i)
    wave->AddSegment(1, levels[i], repaint && i + 1 == levels.size());
}

void CModulationParam::ShowMarkSpace(CDrawWave* wave, const wxString& mark, const wxString& space,
                                     bool repaint) {
  wave->SetSpanText(0, 1, TimeLabel(Lang("IDS_MARK"), mark), repaint);
  wave->SetSpanText(1, 1, TimeLabel(Lang("IDS_SPACE"), space), repaint);
}

// Labels of a bit preview: in PDM markText / spaceText are the two times, in
// Manchester both are the half-bit time.
void CModulationParam::SetBitLabels(bool bitOne, const wxString& markText, const wxString& spaceText) {
  const bool manchester = !IsChecked(kPdmRadioId);
  const std::array<wxString, 2> labels =
      BitLabels(TimeLabel(Lang("IDS_MARK"), markText), TimeLabel(Lang("IDS_SPACE"), spaceText), bitOne,
                manchester, m_markFirst != 0);
  CDrawWave* wave = GetWave(bitOne ? kBit1WaveId : kBit0WaveId);
  wave->SetSpanText(0, 1, labels[0], true);
  wave->SetSpanText(1, 1, labels[1], true);
}

void CModulationParam::SetCarrierCaption(const wxString& frequencyText) {
  GetWave(kCarrierWaveId)->SetCaption(CarrierCaption(Lang("IDS_CARRIER_WAVE"), frequencyText), true);
}

void CModulationParam::SetTimeCaption(int waveId, const char* key, long microseconds) {
  GetWave(waveId)->SetCaption(TimeCaption(Lang(key), microseconds), true);
}

void CModulationParam::InitWaves() {
  CDrawWave* carrier = GetWave(kCarrierWaveId);
  carrier->SetFillMode(false);
  carrier->Clear(true);
  AddSegments(carrier, {1, 0}, true);
  for (int id : {kBootWaveId, kRepeatWaveId}) {
    CDrawWave* wave = GetWave(id);
    wave->SetFillStyle(CDrawWave::kFillRed);
    wave->Clear(true);
    AddSegments(wave, {1, 0}, true);
  }
  for (bool bitOne : {false, true}) {
    CDrawWave* wave = GetWave(bitOne ? kBit1WaveId : kBit0WaveId);
    wave->SetFillStyle(CDrawWave::kFillBlue);
    wave->Clear(true);
    const std::array<int, 2> levels = BitLevels(false, false, m_markFirst != 0);
    AddSegments(wave, {levels[0], levels[1]}, true);
  }
  m_wavesBound = true;
}

void CModulationParam::RedrawBitWaves(bool reset) {
  const bool manchester = IsChecked(kManchesterRadioId);
  for (bool bitOne : {true, false}) {
    CDrawWave* wave = GetWave(bitOne ? kBit1WaveId : kBit0WaveId);
    wave->Clear(reset);
    const std::array<int, 2> levels = BitLevels(bitOne, manchester, m_markFirst != 0);
    AddSegments(wave, {levels[0], levels[1]}, true);
  }
  if (reset) {
    for (int id : {kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId, kHalfBitEditId})
      EmptyInput(id);
    FindWindow(kBitErrorId)->SetLabel(wxString());
    return;
  }
  const std::vector<int> inputs =
      manchester ? std::vector<int>{kHalfBitEditId}
                 : std::vector<int>{kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId};
  for (int id : inputs) {
    CLUEdit& input = Edit(id);
    SendEditChanged(input, input.CheckRange());
  }
}

void CModulationParam::DrawCarrierWave(std::uint32_t units) {
  CDrawWave* wave = GetWave(kCarrierWaveId);
  const wxString caption = wave->GetSpanText(-1);
  wave->Clear(true);
  const std::vector<int> durations = CarrierDurations(units);
  for (std::size_t i = 0; i < durations.size(); ++i) wave->AddSegment(durations[i], i == 0 ? 1 : 0, false);
  wave->SetCaption(caption, true);
}

void CModulationParam::RefreshCarrierWave() {
  if (m_duty->GetSelection() == wxNOT_FOUND) return;
  DrawCarrierWave(FindItemValue(m_dutyItems, m_duty->GetStringSelection()));
}

void CModulationParam::DrawBootContentWave(CDrawWave* wave) {
  AddSegments(wave, BootDataLevels(EditText(kBootContentEditId), m_markFirst != 0), true);
}

void CModulationParam::PutParam(int id, int param) {
  CLUEdit& input = Edit(id);
  const wxString text = g_DocManage.GetParam(param);
  if (!input.SetText(text) || text.empty()) g_DocManage.TimingComplete = 0;
  input.SetUnitText(input.CheckRange() ? wxString() : wxString("*"), true);
}

bool CModulationParam::RefreshPreviews(bool reset) {
  CDocManage& doc = g_DocManage;
  if (reset) {
    Edit(kFreqEditId).SetText(wxString());
    m_duty->SetSelection(wxNOT_FOUND);
    for (int id : {kBootContentEditId, kBootMarkEditId, kBootSpaceEditId, kBit0MarkEditId, kBit0SpaceEditId,
                   kBit1MarkEditId, kBit1SpaceEditId, kRepeatMarkEditId, kRepeatSpaceEditId,
                   kRepeatPeriodEditId, kHalfBitEditId})
      Edit(id).SetText(wxString());
    FindWindow(kBootLengthId)->SetLabel(wxString());
    InitWaves();
    for (CDrawWave* wave : m_waves) wave->SetCaption(wxString(), true);
    return true;
  }
  PutParam(kFreqEditId, 0);
  // The duty entry is chosen by its whole text, never by a prefix.
  const wxString duty = doc.GetParam(1);
  m_duty->SetSelection(FindItemIndex(m_dutyItems, duty));
  RefreshCarrierWave();
  if (duty.empty()) doc.TimingComplete = 0;
  if (!EditText(kFreqEditId).empty()) SetCarrierCaption(EditText(kFreqEditId));

  if (doc.LeadCodeOn) {
    CDrawWave* boot = GetWave(kBootWaveId);
    boot->Clear(true);
    if (doc.BootCodeKind == 0) {
      AddSegments(boot, {1, 0}, true);
      PutParam(kBootMarkEditId, 3);
      PutParam(kBootSpaceEditId, 4);
      ShowMarkSpace(boot, doc.GetParam(3), doc.GetParam(4), false);
      SetTimeCaption(kBootWaveId, "IDS_BOOT_TIME",
                     static_cast<long>(LeadingDecimal(doc.GetParam(3))) +
                         static_cast<long>(LeadingDecimal(doc.GetParam(4))));
    } else {
      PutParam(kBootContentEditId, 5);
      FindWindow(kBootLengthId)->SetLabel(wxString::Format("%d", doc.BootDataBits));
      AddSegments(boot, BootDataLevels(EditText(kBootContentEditId), m_markFirst != 0), false);
    }
  }
  RedrawBitWaves(true);
  if (doc.ModulationKind == 0) {
    PutParam(kBit0MarkEditId, 6);
    PutParam(kBit0SpaceEditId, 7);
    SetBitLabels(false, doc.GetParam(6), doc.GetParam(7));
    SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME", static_cast<long>(doc.Bit0Mark()) + doc.Bit0Space());
    PutParam(kBit1MarkEditId, 8);
    PutParam(kBit1SpaceEditId, 9);
    SetBitLabels(true, doc.GetParam(8), doc.GetParam(9));
    SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME", static_cast<long>(doc.Bit1Mark()) + doc.Bit1Space());
  } else {
    PutParam(kHalfBitEditId, 10);
    const long bitTime = 2L * LeadingDecimal(doc.GetParam(10));
    SetBitLabels(false, doc.GetParam(10), doc.GetParam(10));
    SetBitLabels(true, doc.GetParam(10), doc.GetParam(10));
    SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME", bitTime);
    SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME", bitTime);
    if (doc.LeadCodeOn && doc.BootCodeKind == 1) {
      SetTimeCaption(kBootWaveId, "IDS_BOOT_TIME",
                     static_cast<long>(EditText(kBootContentEditId).length()) * bitTime);
    }
  }
  if (doc.RepeatCodeOn) {
    PutParam(kRepeatPeriodEditId, 12);
    if (doc.RepeatKind == 1) {
      CDrawWave* repeat = GetWave(kRepeatWaveId);
      repeat->Clear(true);
      AddSegments(repeat, {1, 0}, true);
      PutParam(kRepeatMarkEditId, 13);
      PutParam(kRepeatSpaceEditId, 14);
      ShowMarkSpace(repeat, doc.GetParam(13), doc.GetParam(14), true);
      SetTimeCaption(kRepeatWaveId, "IDS_REPEAT_TIME",
                     static_cast<long>(LeadingDecimal(doc.GetParam(13))) +
                         static_cast<long>(LeadingDecimal(doc.GetParam(14))));
    }
  }
  return true;
}

// --- Texts and layout.

void CModulationParam::FitToText(int id) {
  wxWindow* control = FindWindow(id);
  if (!control) return;
  // The check mark or radio circle beside the text.
  const int indicator = control->GetBestSize().x - control->GetTextExtent(control->GetLabel()).x;
  const wxSize extent = control->GetTextExtent(control->GetLabel());
  control->SetSize(control->GetPosition().x, control->GetPosition().y, extent.x + std::max(indicator, 24),
                   control->GetSize().y);
}

void CModulationParam::ApplyLanguage() {
  LayoutControls();
  m_quiet = 1;
  for (const stControlText& text : kTexts) FindWindow(text.id)->SetLabel(Lang(text.key));
  FindWindow(kBitGroupId)->SetLabel(Lang(m_manchester ? "IDS_LABEL4_MAN" : "IDS_LABEL4_PDM"));
  const auto recheck = [this](int id) {
    CLUEdit& input = Edit(id);
    SendEditChanged(input, input.CheckRange());
  };
  recheck(kFreqEditId);
  if (IsChecked(kBootAgcRadioId)) {
    recheck(kBootMarkEditId);
    recheck(kBootSpaceEditId);
  } else {
    recheck(kBootContentEditId);
  }
  if (IsChecked(kPdmRadioId)) {
    for (int id : {kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId}) recheck(id);
  } else {
    recheck(kHalfBitEditId);
  }
  if (IsChecked(kRepeatAgcRadioId)) {
    recheck(kRepeatMarkEditId);
    recheck(kRepeatSpaceEditId);
  }
  if (!m_definitions.Path().empty()) {
    for (int n : {0, 6, 7, 8, 9, 10, 11, 12, 13, 20, 21, 22}) LoadParamDefinition(n, Edit(kDefinitionIds[n]));
  }
  FindWindow(kNextId)->SetLabel(Lang("IDS_NEXT"));
  FindWindow(kCancelId)->SetLabel(Lang("IDS_CANCEL"));
  m_quiet = 0;
  LayoutControls();
  Refresh();
}

void CModulationParam::LayoutControls() {
  const double scale = GetScreenScale() > 0 ? GetScreenScale() : 1.0;
  int moduleOverflow = 0;
  int repeatOverflow = 0;
  int moduleRight = 0;
  int repeatRight = 0;
  int buttonShift = 0;
  const auto place = [&](wxWindow& control, int id, wxRect& rect, const stUIElement&) {
    switch (id) {
      case kPdmRadioId:
      case kManchesterRadioId:
      case kBootCheckId:
      case kBootAgcRadioId:
      case kBootManchesterRadioId:
      case kMarkFirstRadioId:
      case kMarkAfterRadioId:
      case kRepeatCheckId:
      case kRepeatAgcRadioId:
      case kRepeatDataRadioId:
      case kRepeatWholeRadioId: {
        control.SetSize(rect.x, rect.y, -1, rect.height);
        FitToText(id);
        const int textWidth = control.GetSize().x;
        if (id == kManchesterRadioId) {
          const int group = FindWindow(kModuleGroupId)->GetClientSize().x;
          moduleOverflow = std::max(0, static_cast<int>(std::lround(textWidth * scale)) - group);
          moduleRight = rect.x + static_cast<int>(std::lround(textWidth * scale));
        } else if (id == kRepeatDataRadioId) {
          const int group = FindWindow(kRepeatTypeGroupId)->GetClientSize().x;
          repeatOverflow = std::max(0, static_cast<int>(std::lround(textWidth * scale)) - group);
          repeatRight = rect.GetRight() + 1;
        }
        break;
      }
      case kNextId:
      case kCancelId:
        // Right-aligned on their elements with the page button width.
        PackButtonRight(control, rect, buttonShift);
        break;
      case kBootWaveId:
        rect.y -= kBootWaveLift;
        control.SetSize(rect);
        break;
      case kBit0WaveId:
        rect.y -= static_cast<int>(std::lround(kBitWaveLift * scale));
        control.SetSize(rect);
        break;
      case kBitErrorId:
        rect.y -= static_cast<int>(std::lround((kBitWaveLift + 10) * scale));
        rect.x -= static_cast<int>(std::lround(kErrorLineShift * scale));
        control.SetSize(rect);
        break;
      default:
        if (id == kCarrierTipId || id == kBootTipId || id == kBitTipId || id == kRepeatTipId) {
          control.Move(rect.GetPosition());
        } else {
          control.SetSize(rect);
        }
        break;
    }
  };
  if (!LayoutElements(
          kElements, [this](int id) { return GetEditById(id); }, place))
    return;
  ShiftRadioGroups(repeatOverflow, moduleOverflow, repeatRight, moduleRight);
  RefreshCarrierWave();
  Refresh();
}

void CModulationParam::ShiftRadioGroups(int repeatOverflow, int moduleOverflow, int repeatRight,
                                        int moduleRight) {
  const auto shift = [this](std::initializer_list<int> ids, std::initializer_list<int> radios, int overflow,
                            int right) {
    for (const auto& [name, id] : kElements) {
      if (std::find(ids.begin(), ids.end(), id) == ids.end()) continue;
      wxRect rect;
      if (!m_layout.GetElementRect(name, rect)) continue;
      wxWindow* control = FindWindow(id);
      rect.x -= overflow;
      if (std::find(radios.begin(), radios.end(), id) != radios.end()) {
        const int width = control->GetSize().x;
        control->SetSize(right - overflow - width, rect.y, width, control->GetSize().y);
      } else {
        control->SetSize(rect);
      }
    }
  };
  if (moduleOverflow != 0) {
    shift({kModuleGroupId, kPdmRadioId, kManchesterRadioId, kPolarityGroupId, kMarkFirstRadioId,
           kMarkAfterRadioId},
          {kPdmRadioId, kManchesterRadioId, kMarkFirstRadioId, kMarkAfterRadioId}, moduleOverflow,
          moduleRight);
  }
  if (repeatOverflow != 0) {
    shift(
        {kBootCheckId, kBootTypeGroupId, kBootAgcRadioId, kBootManchesterRadioId, kRepeatCheckId,
         kRepeatTypeGroupId, kRepeatAgcRadioId, kRepeatDataRadioId, kRepeatWholeRadioId},
        {kBootAgcRadioId, kBootManchesterRadioId, kRepeatAgcRadioId, kRepeatDataRadioId, kRepeatWholeRadioId},
        repeatOverflow, repeatRight);
  }
}
