// The key configuration page's controls: made in the template's order, their
// events bound to the page's handlers, and their texts.
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyDlg.h"
#include "keys/pages/KeySetDlg.h"
#include "keys/pages/PinPicker.h"
#include "platform/Paths.h"
#include "ui/ImageTipBtn.h"
#include "ui/PNGShow.h"
#include "ui/PngButton.h"
#include "ui/ResourceIds.h"
#include "ui/Resources.h"
#include "ui/UiMessages.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellMessages.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

constexpr int kPinButtonWidth = 32;  // control 1123
constexpr int kSavedKeyRows = 137;

wxString ImagePath(const wxString& name) { return platform::JoinPath(g_App.imageFolder, name); }

}  // namespace

// --- Creation.

void CKeyConfigDlg::CreateControls() {
  const int groupIds[4] = {kIoGroupId, kBasicGroupId, kKeysGroupId, kDriverGroupId};
  for (int i = 0; i < 4; ++i) m_groups[i] = new wxStaticBox(this, groupIds[i], wxString());
  CreateBasicControls();
  CreateDriverControls();
  CreateLcdControls();
  const wxSize buttonSize(kButtonWidth, kButtonHeight);
  new wxButton(this, kBackId, wxString(), wxDefaultPosition, buttonSize);
  new wxButton(this, kOutputId, wxString(), wxDefaultPosition, buttonSize);
  CreatePanels();
  for (int id : {kRemLabelId, kRemComboId, kActionClickId, kActionHoldId, kActionDoubleId, kSwitchOffTextId,
                 kSwitchPictureId, kSwitchOnTextId, kIoTipsId})
    FindWindow(id)->Hide();
}

void CKeyConfigDlg::CreateBasicControls() {
  new wxStaticText(this, kKeypadLabelId, wxString());
  m_keypadCombo = new wxChoice(this, kKeypadComboId);
  new wxStaticText(this, kCodeTypeLabelId, wxString());
  m_codeTypeCombo = new wxChoice(this, kCodeTypeComboId);
  new wxCheckBox(this, kPressAndHoldId, wxString());
  new wxCheckBox(this, kDoubleButtonId, wxString());
}

void CKeyConfigDlg::CreateDriverControls() {
  new wxRadioButton(this, kRemRadioId, "REM", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kRemdrvRadioId, "REMDRV");
  m_driverPicture = new CPngButton(this, kDriverPictureId);
  m_driverTips = new CImageTipBtn(this, kDriverTipsId, ImagePath("user_tips.png"), "IDS_DRIVER_TIPS");
  m_ioTips = new CImageTipBtn(this, kIoTipsId, ImagePath("user_tips.png"), "IDS_USER_TIPS50");
  m_remdrvPicture = ImagePath("REMDRV.png");
  m_remPicture = ImagePath("REM.png");
}

// The REM pin, the action radios and the power switch of an LCD remote.
void CKeyConfigDlg::CreateLcdControls() {
  new wxStaticText(this, kRemLabelId, wxString());
  m_remCombo = new wxChoice(this, kRemComboId);
  new wxRadioButton(this, kActionClickId, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kActionHoldId, wxString());
  new wxRadioButton(this, kActionDoubleId, wxString());
  new wxStaticText(this, kSwitchOffTextId, wxString(), wxDefaultPosition, wxDefaultSize, wxALIGN_RIGHT);
  m_switchPicture = new CPNGShow(this, kSwitchPictureId);
  for (const char* name : {"Switch_Close.png", "Switch_Open.png"}) {
    if (!m_switchPicture->AddImage(ImagePath(name)))
      PlainMessageBox(wxString::Format("Load %s Failed!", name));
  }
  new wxStaticText(this, kSwitchOnTextId, wxString());
}

// The panels: key set-up, pin picker, saved key codes, send preview.
void CKeyConfigDlg::CreatePanels() {
  CreateKeySetPanel();
  CreatePinPicker();
  // The touch chip's keys take the picker's place.
  m_touchKeys = new CKeyDlg(this);
  m_touchKeys->SetChangedHandler([this] { MarkModified(); });
  m_touchKeys->Hide();
  m_grid = new CIRGridCtrl();
  m_grid->Create(this, kGridId);
  InitGrid();
  CreateFunctionPanels();
  if (SendPreviewFactory factory = GetSendPreviewPanelFactory()) m_preview = factory(this);
  m_previewArea = m_preview ? m_preview->GetWindow() : new wxPanel(this, wxID_ANY);
  if (!m_preview) m_previewArea->SetBackgroundColour(*wxWHITE);
}

void CKeyConfigDlg::CreateKeySetPanel() {
  auto* keySet = new CKeySetDlg(this);
  m_keySet = keySet;
  keySet->SetPinFreedHandler([this](const wxString& pin) {
    m_picker->SetPinState(pin, m_picker->Model().PackageHasPin(g_DocManage.GetPackageName(), pin));
  });
  keySet->SetLinesChangedHandler([this] {
    m_picker->RefreshButtons();
    KeyLinesChanged();
    FillRemPinList(false);
    MarkModified();
  });
}

void CKeyConfigDlg::CreatePinPicker() {
  m_picker = new CIOSetDlg(this);
  m_picker->SetButtonWidth(kPinButtonWidth);
  m_picker->SetDropHandler([this](const wxPoint& point, const wxString& pin) { return DropPin(point, pin); });
  m_rules = std::make_unique<CKeyPinRules>(m_keySet->KeyLines(), m_picker->Model());
}

void CKeyConfigDlg::InitGrid() {
  m_grid->InitCodeGrid(CIRGridCtrl::kDisplayMode);
  m_grid->SetColumnWidths(kGridColumnWidth);
  m_grid->SetMaxRows(kSavedKeyRows);
}

// The function panel and the key panel the functions are dropped on.
void CKeyConfigDlg::CreateFunctionPanels() {
  m_funcPanel = new CFuncDlg(this);
  m_funcPanel->Hide();
  if (KeyPanelFactory factory = GetKeyPanelFactory()) m_keyPanel = factory(this);
  m_keyPanelHosted = m_keyPanel && m_keySet->HostKeyPanel(m_keyPanel);
  m_funcPanel->SetKeyPanelSource([this] { return m_keyPanel; });
  m_dragCursor = LoadCursorResource(IDC_DRAG_BLOCK);
}

// --- Events.

void CKeyConfigDlg::BindEvents() {
  BindControlEvents();
  BindKeyLineMessages();
  BindPanelRelays();
  BindFunctionMessages();
  Bind(wxEVT_SHOW, &CKeyConfigDlg::OnShowPage, this);
}

void CKeyConfigDlg::BindControlEvents() {
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnBack(); }, kBackId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnOutput(); }, kOutputId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnKeypadChange(); }, kKeypadComboId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnCodeTypeChange(); }, kCodeTypeComboId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnRemPinChange(); }, kRemComboId);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent& event) { OnDriverMode(event.GetId()); }, kRemRadioId,
      kRemdrvRadioId);
  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent& event) { OnActionRadio(event.GetId()); }, kActionClickId,
      kActionDoubleId);
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent& event) { SetPressAndHold(event.IsChecked()); }, kPressAndHoldId);
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnDoubleButton(); }, kDoubleButtonId);
}

// The messages of the pages and the shell about the key lines, the chip and its package.
void CKeyConfigDlg::BindKeyLineMessages() {
  Bind(WM_KEY_CELL_EDIT, &CKeyConfigDlg::OnKeyCellEdit, this);
  Bind(WM_GLOBAL_SEL_TEXT, &CKeyConfigDlg::OnPackageOffered, this);
  Bind(WM_KEY_LIST_CHANGED, [this](CShellMessageEvent& event) {
    ApplyPinRules(0);
    event.SetResult(1);
  });
  Bind(WM_KEYCFG_DRIVER_MODE, [this](CShellMessageEvent& event) {
    OnChipDriverMode();
    m_keySet->LoadChipDefaults();
    event.SetResult(1);
  });
  Bind(WM_KEYCFG_REFRESH, [this](CShellMessageEvent& event) {
    FillRemPinList(false);
    event.SetResult(1);
  });
  // Relayed to the key set-up panel.
  Bind(WM_KEY_PIN_CHANGED, [this](CShellMessageEvent& event) {
    m_keySet->OnPinChanged(event.GetString(), static_cast<long>(event.LParam()));
    KeyLinesChanged();
    event.SetResult(1);
  });
}

// What one hosted panel tells the others.
void CKeyConfigDlg::BindPanelRelays() {
  // The key panel's selected code goes to the send preview.
  const auto forwardToPreview = [this](CShellMessageEvent& event) {
    if (m_preview && event.GetEventObject() != m_preview->GetWindow())
      SendShellMessage(m_preview->GetWindow(), event.GetEventType(), event.WParam(), event.LParam());
  };
  Bind(WM_SEND_PREVIEW, forwardToPreview);
  Bind(WM_SEND_PREVIEW_CLEAR, forwardToPreview);
  Bind(WM_KEYDLG_CHOICE, [this](CShellMessageEvent& event) {
    m_keySet->OnTouchChoice(static_cast<long>(event.WParam()), static_cast<long>(event.LParam()));
    if (m_keyPanel)
      m_keyPanel->OnTouchChoice(static_cast<long>(event.WParam()), static_cast<long>(event.LParam()));
    event.SetResult(1);
  });
  Bind(WM_FUNC_BTN_SET, [this](CShellMessageEvent& event) {
    m_keySet->OnFunctionSet(event.GetString(), static_cast<long>(event.LParam()));
    event.SetResult(1);
  });
  Bind(WM_FUNC_BTN_CLEAR, [this](CShellMessageEvent& event) {
    m_keySet->OnFunctionClear(static_cast<long>(event.LParam()));
    event.SetResult(1);
  });
}

// The functions on keys and the power switch's state.
void CKeyConfigDlg::BindFunctionMessages() {
  Bind(WM_PICTURE_SELECT, [this](wxCommandEvent& event) {
    g_DocManage.ButtonState = event.GetInt();
    OnButtonStateChanged();
    MarkModified();
  });
  Bind(WM_KEY_FUNC_ASSIGN, &CKeyConfigDlg::OnKeyFuncAssign, this);
  Bind(WM_KEYSET_SELECT, &CKeyConfigDlg::OnKeySetSelect, this);
  Bind(WM_KEY_RECORD, &CKeyConfigDlg::OnKeyRecord, this);
  Bind(WM_AIR_FUNC_CHANGED, [this](CShellMessageEvent& event) {
    m_funcPanel->ReportUserFunction(static_cast<int>(event.WParam()));
    event.SetResult(1);
  });
}

// --- Texts.

void CKeyConfigDlg::ApplyLanguage() {
  const std::pair<int, const char*> texts[] = {
      {kBackId, "IDS_PRE"},
      {kOutputId, "IDS_OUTPUT"},
      {kKeypadLabelId, "IDS_KEYPAD_TYPE"},
      {kCodeTypeLabelId, "IDS_STATIC_CODE_TYPE"},
      {kPressAndHoldId, "IDS_CHK_PRESSANDHOLD"},
      {kDoubleButtonId, "IDS_CHK_DOUBLEBUTTON"},
      {kRemLabelId, "IDS_REM_PIN"},
      {kActionClickId, "IDS_RADIO_CLICK"},
      {kActionHoldId, "IDS_RADIO_PRESSANDHOLD"},
      {kActionDoubleId, "IDS_RADIO_DOUBLECLICK"},
      {kSwitchOffTextId, "IDS_SWITCH_CLOSE"},
      {kSwitchOnTextId, "IDS_SWITCH_OPEN"},
  };
  for (const auto& [id, key] : texts) FindWindow(id)->SetLabel(GetLangText(key));
  FillKeypadCombo();
  FillCodeTypeCombo();
  ApplyGroupTexts();
  if (m_preview) m_preview->ApplyLanguage();
  m_keySet->ApplyLanguage();
  m_funcPanel->ApplyLanguage();
  ApplyGridHeaders();
  LayoutPowerSwitch();
}

void CKeyConfigDlg::ApplyGroupTexts() {
  m_groups[0]->SetLabel(m_touch ? wxString() : GetLangText("IDS_DRAG_REMINDER"));
  m_groups[1]->SetLabel(GetLangText("IDS_BASE_SETTING"));
  m_groups[2]->SetLabel(GetLangText(IsLcd() ? "IDS_FUN_KEY_CONFIG" : "IDS_SAVED_KEY_VALUE"));
  m_groups[3]->SetLabel(GetLangText("IDS_DRIVER_MODE"));
}

void CKeyConfigDlg::ApplyGridHeaders() {
  const char* headers[] = {"IDS_INDEX", "IDS_KEYCODE", "IDS_ILLUSTRATION", "IDS_ACTION"};
  for (int column = 0; column < 4; ++column) m_grid->SetItemText(0, column, GetLangText(headers[column]));
  m_grid->Refresh();
}

void CKeyConfigDlg::FillKeypadCombo() {
  m_keypadCombo->Clear();
  if (m_touch) {
    m_keypadCombo->Append(GetLangText("IDS_TOUCH"));
    m_keypadCombo->SetSelection(0);
    m_keypadCombo->Disable();
    return;
  }
  m_keypadCombo->Append(GetLangText("IDS_STEP"));
  m_keypadCombo->Append(GetLangText("IDS_MATRIX"));
  m_keypadCombo->SetSelection(g_DocManage.Keypad == kKeypadMatrix ? 1 : 0);
  m_keypadCombo->Enable();
}

void CKeyConfigDlg::FillCodeTypeCombo() {
  m_codeTypeCombo->Clear();
  m_codeTypeCombo->Append(GetLangText("IDS_GENERATIVE_CODE"));
  m_codeTypeCombo->Append(GetLangText("IDS_CONDITIONAL_CODE"));
  m_codeTypeCombo->SetSelection(g_DocManage.CodeType == 1 ? 1 : 0);
}
