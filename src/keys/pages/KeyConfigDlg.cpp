// The key configuration page's flow: loading from and saving to the project,
// the output, the handlers of its controls and the one-time guide. Its
// controls, layout, pins and functions on keys are in the KeyConfig*.cpp
// files beside this one.
#include "keys/pages/KeyConfigDlg.h"

#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "core/UserIni.h"
#include "keys/KeyConfigModel.h"
#include "keys/KeyConfigSection.h"
#include "keys/KeyGuide.h"
#include "keys/KeySourceGeneration.h"
#include "keys/OutputCommand.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyDlg.h"
#include "keys/pages/PinPicker.h"
#include "ui/GuideOverlay.h"
#include "ui/ImageTipBtn.h"
#include "ui/PNGShow.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellMessages.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>

wxIMPLEMENT_ABSTRACT_CLASS(CKeyConfigDlg, CSubBaseDlg);

namespace {

constexpr char kClassName[] = "CKeyConfigDlg";

bool g_guideBusy = false;

}  // namespace

CKeyConfigDlg::CKeyConfigDlg(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetBackgroundColour(*wxWHITE);
  CreateControls();
  BindEvents();
  ShowDriverPicture();
  InitLayout(LayoutFile("KeyConfigPage.ini"), LayoutPrefix("A"));
  ApplyLanguage();
}

CKeyConfigDlg::~CKeyConfigDlg() = default;

// --- Shared helpers.

bool CKeyConfigDlg::IsLcd() const { return IsLcdRemote(g_DocManage.RemoteType); }

void CKeyConfigDlg::MarkModified() {
  g_DocManage.SetModified(true, kClassName);
  if (IShellWindow* main = GetShellWindow()) main->RefreshTitle();
}

void CKeyConfigDlg::SyncKeyPanel() {
  if (!m_keyPanel) return;
  const CKeyLineSet& lines = m_keySet->KeyLines();
  m_keyPanel->SetupKeys(lines.Keypad(), lines.LineLimit(), lines.CountsInUse(), m_touch);
}

// --- Loading and saving.

bool CKeyConfigDlg::LoadFromProject() {
  m_touch = ::IsTouchChip(g_DocManage.GetMcuName());
  m_groups[0]->SetLabel(m_touch ? wxString() : GetLangText("IDS_DRAG_REMINDER"));
  SetUpKeypadForProject();
  LoadPickerForProject();
  ShowControlsForProject();
  if (!g_DocManage.UseFormatTemplate() || m_touch) {
    if (!ApplyKeyConfig()) return false;
  }
  if (m_touch) ApplyPinRules(0);
  SelectDriverModeRadio();
  m_loadingGuard = true;
  OnDriverMode(g_DocManage.RemDrv == 1 ? kRemdrvRadioId : kRemRadioId);
  if (g_DocManage.UseFormatTemplate() && !m_touch) ShowKeyOptions();
  m_touchKeys->ShowTouchKeyFlags();
  return true;
}

void CKeyConfigDlg::SetUpKeypadForProject() {
  const int limit = KeyLineLimit(m_touch, g_DocManage.RemoteType, g_DocManage.Keypad);
  m_grid->ResetRows();
  if (IsLcd()) LoadFunctionPanel();
  m_keySet->SetupKeypad(g_DocManage.Keypad, limit);
  SyncKeyPanel();
  ShowActionRadios();
}

// The chip's pins and packages, the project's package applied, then the
// LED the document holds among the package's pins.
void CKeyConfigDlg::LoadPickerForProject() {
  const wxString chipIni = ChipIniPath();
  m_picker->LoadPins(chipIni);
  m_picker->LoadPackages(chipIni);
  m_picker->Model().ApplyPackage(g_DocManage.GetPackageName());
  m_picker->RefreshButtons();
  m_keySet->ApplyLedSetting(g_DocManage.GetParam(19));
}

void CKeyConfigDlg::ShowControlsForProject() {
  const bool lcd = IsLcd();
  ShowLcdControls(lcd);
  if (IsLcdStandardRemote(g_DocManage.RemoteType)) FillRemPinList(false);
  if (!lcd) FillCodeTypeCombo();
  if (lcd) m_switchPicture->ShowImage(g_DocManage.ButtonState ? 1 : 0);
  m_picker->Show(!m_touch);
  m_touchKeys->Show(m_touch);
  FillKeypadCombo();
  PlacePanels();
}

void CKeyConfigDlg::SelectDriverModeRadio() {
  static_cast<wxRadioButton*>(FindWindow(g_DocManage.RemDrv == 1 ? kRemdrvRadioId : kRemRadioId))
      ->SetValue(true);
}

void CKeyConfigDlg::ShowKeyOptions() {
  static_cast<wxCheckBox*>(FindWindow(kPressAndHoldId))->SetValue(g_DocManage.PressAndHold == 1);
  static_cast<wxCheckBox*>(FindWindow(kDoubleButtonId))->SetValue(g_DocManage.DoubleButton == 1);
}

void CKeyConfigDlg::RefreshView(int keep) {
  if (keep) return;
  m_dragSource = nullptr;
  m_funcPanel->Clear();
  if (m_keyPanel) m_keyPanel->ClearKeys();
  m_keySet->ClearView();
  m_grid->ResetRows();
  m_remCombo->Clear();
  for (int id : {kActionClickId, kActionHoldId, kActionDoubleId}) FindWindow(id)->Enable();
  static_cast<wxRadioButton*>(FindWindow(kActionClickId))->SetValue(true);
  Refresh();
}

bool CKeyConfigDlg::ApplyKeyConfig() {
  const wxString path = g_DocManage.GetProjectFilePath();
  if (!path.empty()) ReadKeyConfigKeys(CProjectFile(path), g_DocManage);
  if (IsLcd()) {
    m_funcPanel->RefreshForState(g_DocManage.ButtonState != 0);
    m_funcPanel->RefreshForMode(g_DocManage.ButtonMode);
  }
  if (!m_touch && !LoadKeyPins(false)) return false;
  SyncKeyPanel();
  if (!path.empty()) LoadKeyPanel(CProjectFile(path));
  m_keySet->ApplyLedSetting(g_DocManage.GetParam(19));
  if (IsLcd()) {
    m_switchPicture->ShowImage(g_DocManage.ButtonState ? 1 : 0);
    static_cast<wxRadioButton*>(FindWindow(kActionClickId + g_DocManage.ButtonMode))->SetValue(true);
    ApplyButtonMode();
  }
  if (IsLcdStandardRemote(g_DocManage.RemoteType)) FillRemPinList(false);
  ShowKeyOptions();
  return true;
}

// The key panel takes its keys' codes back, or tells the page the functions
// its keys held.
void CKeyConfigDlg::LoadKeyPanel(const CProjectFile& file) {
  if (!m_keyPanel) return;
  if (m_keyPanelHosted)
    m_keySet->LoadKeyCodes(file, IsLcd());
  else
    m_keyPanel->LoadKeys(file);
}

bool CKeyConfigDlg::SaveToProject() {
  const wxString path = g_DocManage.GetProjectFilePath();
  if (path.empty()) return true;
  const CProjectFile file(path);
  bool ok = true;
  ok &= m_keySet->WriteKeys(file);
  if (m_keyPanel) ok &= m_keyPanel->WriteKeys(file);
  if (m_touch) ok &= m_touchKeys->SaveTouchKeys(file);
  ok &= WriteKeyConfigKeys(file, g_DocManage);
  return ok;
}

bool CKeyConfigDlg::CheckAndApply() {
  // An LCD remote's key actions; its key header comes with the LCD key generation.
  if (IsLcd()) return WriteKeyActionDefines();
  return GenerateKeySources();
}

bool CKeyConfigDlg::GenerateKeySources() {
  const std::vector<stSavedKeyRow> rows = SavedKeyGridRows();
  stGeneralKeySources input;
  input.lines = &m_keySet->KeyLines();
  input.touch = m_touch;
  input.led = m_keySet->LedChoice();
  if (m_touch) {
    IKeySetPanel* keySet = m_keySet;
    input.checkTouchKeys = [keySet] { return keySet->CheckTouchKeys(); };
  }
  input.savedKeyRows = &rows;
  if (IKeyPanel* panel = m_keyPanel) {
    input.writeTable = [panel](const wxString& path, const KeyNameMap& names) {
      return panel->WriteKeyCommandTable(path, names);
    };
  }
  return static_cast<bool>(GenerateGeneralKeySources(g_DocManage, input, g_App.templateFolder));
}

std::vector<stSavedKeyRow> CKeyConfigDlg::SavedKeyGridRows() const {
  std::vector<stSavedKeyRow> rows;
  for (int row = 1; row < m_grid->GetRowCount(); ++row) {
    rows.push_back({m_grid->GetItemText(row, CIRGridCtrl::kCodeColumn).Strip(wxString::both),
                    m_grid->GetItemText(row, CIRGridCtrl::kTextColumn)});
  }
  return rows;
}

void CKeyConfigDlg::FillSavedKeyGrid() {
  m_grid->ResetRows();
  int row = 1;
  for (const stSavedKeyRow& saved : DocSavedKeyRows(g_DocManage)) {
    if (!m_grid->AppendRow(true)) break;
    m_grid->SetCellText(row, CIRGridCtrl::kCodeColumn, saved.codeText);
    m_grid->SetCellText(row, CIRGridCtrl::kTextColumn, saved.text);
    ++row;
  }
  m_grid->Refresh();
}

void CKeyConfigDlg::OnPageShown() {
  if (IsLcd()) {
    m_funcPanel->RefreshForState(g_DocManage.ButtonState != 0);
    if (m_keyPanel) m_keyPanel->SetButtonState(g_DocManage.ButtonState);
    m_funcPanel->RefreshForMode(g_DocManage.ButtonMode);
    ReloadFunctionButtons();
    m_driverTips->Hide();
    m_ioTips->Hide();
    if (IsLcdStandardRemote(g_DocManage.RemoteType)) FillRemPinList(false);
    return;
  }
  if (m_preview) m_preview->RefreshTip();
  FillSavedKeyGrid();
  m_driverTips->Show();
  m_ioTips->Show(ChipShowsKeyPinTips(g_DocManage.GetMcuName()));
}

bool CKeyConfigDlg::AddSavedKey(std::uint16_t code, const wxString& text) {
  const wxString problem = KeyTextProblem(text);
  if (!problem.empty()) {
    if (problem == "IDS_KEY_TEXT_SEPARATOR")
      LangMessageBox("", kNoticeOk, problem, text);
    else
      LangMessageBox(problem);
    return false;
  }
  g_DocManage.AddKeyValue(code, text);
  FillSavedKeyGrid();
  MarkModified();
  return true;
}

// --- Handlers.

void CKeyConfigDlg::OnBack() {
  refreshPending = 1;
  RequestPreviousPage(1, 0);
}

void CKeyConfigDlg::OnOutput() {
  if (!CheckAndApply()) return;
  if (IShellWindow* main = GetShellWindow(); main && !main->MakeProjectFolderWritable()) return;
  const stOutputResult result = BuildOutputFolder(g_DocManage);
  if (!result.Succeeded()) {
    if (result.path.empty())
      LangMessageBox(result.messageKey);
    else
      LangMessageBox("", kNoticeOk, result.messageKey, result.path);
    return;
  }
  // Success is reported only once the project is saved; a failed save shows its own message.
  wxWindow* main = wxGetTopLevelParent(this);
  if (SendShellMessage(main, WM_SAVE_PROJECT) == 0) return;
  PostShellMessage(main, WM_BUILD_DONE);
}

void CKeyConfigDlg::OnKeypadChange() {
  const int index = m_keypadCombo->GetSelection();
  if (m_touch || index == g_DocManage.Keypad) return;
  if (LangMessageBox("IDS_CHANGE_KEYPAD", kNoticeOkCancel) != kNoticeAnswerOk) {
    m_keypadCombo->SetSelection(g_DocManage.Keypad == kKeypadMatrix ? 1 : 0);
    return;
  }
  ResetKeypad(index);
  g_DocManage.SetParam(18, wxString());
  KeyLinesChanged();
  Refresh();
  Update();
  MarkModified();
}

void CKeyConfigDlg::ResetKeypad(int keypad) {
  m_keySet->ApplyLedSetting(m_keySet->LedSetting());
  MarkKeyPins();
  SetDocKeypad(g_DocManage, keypad);
  m_keySet->SetupKeypad(keypad, KeyLineLimit(m_touch, g_DocManage.RemoteType, keypad));
  SyncKeyPanel();
  ShowActionRadios();
  ApplyPinRules(1);
}

void CKeyConfigDlg::OnCodeTypeChange() {
  const int index = m_codeTypeCombo->GetSelection();
  if (index == g_DocManage.CodeType) return;
  g_DocManage.CodeType = index;
  MarkModified();
}

void CKeyConfigDlg::OnDriverMode(int id) {
  g_DocManage.RemDrv = id == kRemdrvRadioId ? 1 : 0;
  ShowDriverPicture();
  if (!m_loadingGuard) MarkModified();
  m_loadingGuard = false;
}

void CKeyConfigDlg::OnChipDriverMode() {
  const bool remdrv = ChipDriverIsRemdrv(ChipIniPath(), g_DocManage.GetPackageName());
  const int id = remdrv ? kRemdrvRadioId : kRemRadioId;
  static_cast<wxRadioButton*>(FindWindow(id))->SetValue(true);
  m_loadingGuard = false;
  OnDriverMode(id);
}

void CKeyConfigDlg::OnRemPinChange() {
  const int index = m_remCombo->GetSelection();
  g_DocManage.RemPinIndex = index;
  g_DocManage.RemPinText = index < 0 ? wxString() : m_remCombo->GetString(index);
  MarkModified();
}

void CKeyConfigDlg::SetPressAndHold(bool on) {
  if (on == (g_DocManage.PressAndHold == 1)) return;
  if (!on && g_DocManage.TimerOption && !ConfirmTimerOff()) return;
  EnableHoldAction(on);
  g_DocManage.PressAndHold = on ? 1 : 0;
  MarkModified();
}

// Press-and-hold off takes the timer with it: false (the box ticked again)
// unless the user agrees; then the pages showing the timer refresh.
bool CKeyConfigDlg::ConfirmTimerOff() {
  if (LangMessageBox("IDS_TIMER_CLOSE", kNoticeOkCancel) != kNoticeAnswerOk) {
    static_cast<wxCheckBox*>(FindWindow(kPressAndHoldId))->SetValue(true);
    return false;
  }
  if (IShellWindow* main = GetShellWindow()) {
    if (CSubBaseDlg* other = main->FindPage(kOtherPageId)) SendShellMessage(other, WM_OTHER_REFRESH);
    if (CSubBaseDlg* lcd = main->FindPage(kLcdConfigId)) SendShellMessage(lcd, WM_LCD_REFRESH);
  }
  return true;
}

void CKeyConfigDlg::OnDoubleButton() {
  const bool on = static_cast<wxCheckBox*>(FindWindow(kDoubleButtonId))->GetValue();
  g_DocManage.DoubleButton = on ? 1 : 0;
  EnableDoubleAction(on);
  MarkModified();
}

void CKeyConfigDlg::EnableHoldAction(bool on) {
  if (!on && g_DocManage.ButtonMode == 1) SelectClickAction();
  FindWindow(kActionHoldId)->Enable(on);
}

void CKeyConfigDlg::EnableDoubleAction(bool on) {
  if (!on && g_DocManage.ButtonMode == 2) SelectClickAction();
  FindWindow(kActionDoubleId)->Enable(on);
}

void CKeyConfigDlg::SelectClickAction() {
  g_DocManage.ButtonMode = 0;
  static_cast<wxRadioButton*>(FindWindow(kActionClickId))->SetValue(true);
  ApplyButtonMode();
}

void CKeyConfigDlg::OnActionRadio(int id) {
  const int mode = id - kActionClickId;
  if (mode == g_DocManage.ButtonMode) return;
  g_DocManage.ButtonMode = mode;
  ApplyButtonMode();
  MarkModified();
}

void CKeyConfigDlg::ApplyButtonMode() {
  m_funcPanel->RefreshForMode(g_DocManage.ButtonMode);
  if (m_keyPanel) m_keyPanel->SetButtonMode(g_DocManage.ButtonMode);
  m_keySet->ClearKeyMarks();
  m_keySet->RefreshLines();
}

void CKeyConfigDlg::OnButtonStateChanged() {
  m_funcPanel->RefreshForState(g_DocManage.ButtonState != 0);
  if (m_keyPanel) m_keyPanel->SetButtonState(g_DocManage.ButtonState);
  m_keySet->ClearKeyMarks();
}

void CKeyConfigDlg::OnKeyCellEdit(CKeyCellEditEvent& event) { event.SetResult(0); }

// --- The one-time guide.

void CKeyConfigDlg::OnShowPage(wxShowEvent& event) {
  event.Skip();
  if (!event.IsShown() || !IsKeyPageGuideArmed()) return;
  if (!KeyPageGuideWanted(GetUserIniPath(), g_DocManage.RemoteType, g_DocManage.CodeMode)) return;
  DisarmKeyPageGuide();
  CallAfter([this] { ShowGuide(); });
}

void CKeyConfigDlg::ShowGuide() {
  if (g_guideBusy) return;
  const std::vector<wxString> pictures = CollectGuidePictures(
      GuideListFile(g_App.GetProtocolFolder(g_FrameworkKind), g_DocManage.RemoteType, g_DocManage.CodeMode),
      g_DocManage.GetMcuName());
  if (pictures.empty()) return;
  g_guideBusy = true;
  CMaskWndDlg overlay(this);
  for (const wxString& picture : pictures) overlay.GetSteps().Add(picture);
  if (overlay.ShowModal() == wxID_OK)
    SuppressKeyPageGuide(GetUserIniPath(), g_DocManage.RemoteType, g_DocManage.CodeMode);
  g_guideBusy = false;
}
