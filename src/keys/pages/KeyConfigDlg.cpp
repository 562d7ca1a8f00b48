#include "keys/pages/KeyConfigDlg.h"

#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "core/UserIni.h"
#include "keys/KeyConfigSection.h"
#include "keys/KeyGuide.h"
#include "keys/KeySourceGeneration.h"
#include "keys/OutputCommand.h"
#include "keys/KeySetupModel.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyDlg.h"
#include "keys/pages/KeySetDlg.h"
#include "keys/pages/PinPicker.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/GuideOverlay.h"
#include "ui/ImageTipBtn.h"
#include "ui/PNGShow.h"
#include "ui/PngButton.h"
#include "ui/ResourceIds.h"
#include "ui/Resources.h"
#include "ui/UiMessages.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellMessages.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/filefn.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

wxIMPLEMENT_ABSTRACT_CLASS(CKeyConfigDlg, CSubBaseDlg);

namespace {

constexpr char kClassName[] = "CKeyConfigDlg";
// Sizes of the template's hidden reference controls.
constexpr int kKeypadRowWidth = 140;     // control 1116
constexpr int kPinButtonWidth = 32;      // control 1123
constexpr int kCaptionHeight = 20;       // control 1375
constexpr int kLcdStandardHeight = 250;  // control 1379
constexpr int kLcdSimpleHeight = 200;    // control 1380
constexpr int kSavedKeyRows = 137;
constexpr int kGridColumnWidth = 80;
const wxSize kButtonSize(100, 30);

bool g_guideBusy = false;

wxString ImagePath(const wxString& name) { return platform::JoinPath(g_App.imageFolder, name); }

}  // namespace

CKeyConfigDlg::CKeyConfigDlg(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetBackgroundColour(*wxWHITE);
  CreateControls();
  BindEvents();
  m_remdrvPicture = ImagePath("REMDRV.png");
  m_remPicture = ImagePath("REM.png");
  ShowDriverPicture();
  InitLayout(LayoutFile("KeyConfigPage.ini"), LayoutPrefix("A"));
  ApplyLanguage();
}

CKeyConfigDlg::~CKeyConfigDlg() = default;

void CKeyConfigDlg::CreateControls() {
  const int groupIds[4] = {kIoGroupId, kBasicGroupId, kKeysGroupId, kDriverGroupId};
  for (int i = 0; i < 4; ++i) m_groups[i] = new wxStaticBox(this, groupIds[i], wxString());

  new wxStaticText(this, kKeypadLabelId, wxString());
  m_keypadCombo = new wxChoice(this, kKeypadComboId);
  new wxStaticText(this, kCodeTypeLabelId, wxString());
  m_codeTypeCombo = new wxChoice(this, kCodeTypeComboId);
  new wxCheckBox(this, kPressAndHoldId, wxString());
  new wxCheckBox(this, kDoubleButtonId, wxString());
  new wxRadioButton(this, kRemRadioId, "REM", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kRemdrvRadioId, "REMDRV");
  m_driverPicture = new CPngButton(this, kDriverPictureId);
  m_driverTips = new CImageTipBtn(this, kDriverTipsId, ImagePath("user_tips.png"), "IDS_DRIVER_TIPS");
  m_ioTips = new CImageTipBtn(this, kIoTipsId, ImagePath("user_tips.png"), "IDS_USER_TIPS50");
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
  new wxButton(this, kBackId, wxString(), wxDefaultPosition, kButtonSize);
  new wxButton(this, kOutputId, wxString(), wxDefaultPosition, kButtonSize);

  // The panels: key set-up, pin picker, saved key codes, send preview.
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
  m_picker = new CIOSetDlg(this);
  m_picker->SetButtonWidth(kPinButtonWidth);
  m_picker->SetDropHandler([this](const wxPoint& point, const wxString& pin) { return DropPin(point, pin); });
  m_rules = std::make_unique<CKeyPinRules>(m_keySet->KeyLines(), m_picker->Model());
  // The touch chip's keys take the picker's place.
  m_touchKeys = new CKeyDlg(this);
  m_touchKeys->SetChangedHandler([this] { MarkModified(); });
  m_touchKeys->Hide();
  m_grid = new CIRGridCtrl();
  m_grid->Create(this, kGridId);
  InitGrid();
  m_funcPanel = new CFuncDlg(this);
  m_funcPanel->Hide();
  if (KeyPanelFactory factory = GetKeyPanelFactory()) m_keyPanel = factory(this);
  m_keyPanelHosted = m_keyPanel && m_keySet->HostKeyPanel(m_keyPanel);
  m_funcPanel->SetKeyPanelSource([this] { return m_keyPanel; });
  m_dragCursor = LoadCursorResource(IDC_DRAG_BLOCK);
  if (SendPreviewFactory factory = GetSendPreviewPanelFactory()) m_preview = factory(this);
  m_previewArea = m_preview ? m_preview->GetWindow() : new wxPanel(this, wxID_ANY);
  if (!m_preview) m_previewArea->SetBackgroundColour(*wxWHITE);

  for (int id : {kRemLabelId, kRemComboId, kActionClickId, kActionHoldId, kActionDoubleId, kSwitchOffTextId,
                 kSwitchPictureId, kSwitchOnTextId, kIoTipsId})
    FindWindow(id)->Hide();
}

void CKeyConfigDlg::InitGrid() {
  m_grid->InitCodeGrid(CIRGridCtrl::kDisplayMode);
  m_grid->SetColumnWidths(kGridColumnWidth);
  m_grid->SetMaxRows(kSavedKeyRows);
}

void CKeyConfigDlg::BindEvents() {
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
  Bind(wxEVT_SHOW, &CKeyConfigDlg::OnShowPage, this);
}

// --- Shared helpers.

wxString CKeyConfigDlg::ChipIniPath() const {
  return platform::FindPathNoCase(
      platform::JoinPath(g_App.GetIcFolder(g_FrameworkKind), g_DocManage.GetMcuName() + ".ini"));
}

stPinOptions CKeyConfigDlg::PinOptions() const {
  stPinOptions options;
  options.mcu = g_DocManage.GetMcuName();
  options.crystalOption = g_DocManage.CrystalOption;
  options.lcdOption = g_DocManage.LcdOption;
  return options;
}

bool CKeyConfigDlg::IsLcd() const { return IsLcdRemote(g_DocManage.RemoteType); }

void CKeyConfigDlg::MarkModified() {
  g_DocManage.SetModified(true, kClassName);
  if (IShellWindow* main = GetShellWindow()) main->RefreshTitle();
}

void CKeyConfigDlg::KeyLinesChanged() {
  CKeyLineSet& lines = m_keySet->KeyLines();
  // A pin taken off by a rule leaves no gap the saved list would lose.
  CompactKeyLines(lines);
  g_DocManage.SetParam(18, m_keySet->PinListText());
  const stKeyLineCounts counts = lines.CountsInUse();
  g_DocManage.IoCount = static_cast<std::uint8_t>(counts.io);
  g_DocManage.IoColCount = static_cast<std::uint8_t>(counts.columns);
  g_DocManage.IoRowCount = static_cast<std::uint8_t>(counts.rows + (g_DocManage.VssRow == 1 ? 1 : 0));
  m_keySet->RefreshLines();
  SyncKeyPanel();
}

void CKeyConfigDlg::SyncKeyPanel() {
  if (!m_keyPanel) return;
  const CKeyLineSet& lines = m_keySet->KeyLines();
  m_keyPanel->SetupKeys(lines.Keypad(), lines.LineLimit(), lines.CountsInUse(), m_touch);
}

// --- Texts and layout.

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
  m_groups[0]->SetLabel(m_touch ? wxString() : GetLangText("IDS_DRAG_REMINDER"));
  m_groups[1]->SetLabel(GetLangText("IDS_BASE_SETTING"));
  m_groups[2]->SetLabel(GetLangText(IsLcd() ? "IDS_FUN_KEY_CONFIG" : "IDS_SAVED_KEY_VALUE"));
  m_groups[3]->SetLabel(GetLangText("IDS_DRIVER_MODE"));
  if (m_preview) m_preview->ApplyLanguage();
  m_keySet->ApplyLanguage();
  m_funcPanel->ApplyLanguage();
  const char* headers[] = {"IDS_INDEX", "IDS_KEYCODE", "IDS_ILLUSTRATION", "IDS_ACTION"};
  for (int column = 0; column < 4; ++column) m_grid->SetItemText(0, column, GetLangText(headers[column]));
  m_grid->Refresh();
  LayoutPowerSwitch();
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

void CKeyConfigDlg::PlaceInside(wxWindow* panel, const wxRect& group, int rightInset) {
  panel->SetSize(wxRect(group.x + 2, group.y + kCaptionHeight, std::max(0, group.width - 2 - rightInset),
                        std::max(0, group.height - kCaptionHeight - 5)));
}

// Before the page has its size, edges measured from the far side give
// negative extents, which the toolkit refuses: they are laid out empty.
bool CKeyConfigDlg::ElementRect(const wxString& name, wxRect& out) const {
  if (!m_layout.GetElementRect(name, out)) return false;
  out.width = std::max(0, out.width);
  out.height = std::max(0, out.height);
  return true;
}

void CKeyConfigDlg::LayoutControls() {
  if (!m_layout.IsReady() || !m_layout.ResolveAll(this)) return;
  const bool lcd = IsLcd();
  const int lcdHeight = IsLcdStandardRemote(g_DocManage.RemoteType) ? kLcdStandardHeight : kLcdSimpleHeight;
  wxRect rect;
  if (ElementRect(lcd ? "IO_SELECT1" : "IO_SELECT", rect)) {
    if (lcd) rect.height = lcdHeight;
    m_groups[0]->SetSize(rect);
    PlaceInside(m_picker, rect, lcd ? 2 : 22);
    PlaceInside(m_touchKeys, rect, lcd ? 2 : 22);
    m_picker->Relayout();
  }
  if (ElementRect("Driver_Mode_Select", rect)) m_groups[3]->SetSize(rect);
  for (const auto& [name, id, text] : {std::make_tuple("Driver_Rem", kRemRadioId, "REM"),
                                       std::make_tuple("Driver_Remdrv", kRemdrvRadioId, "REMDRV")}) {
    wxWindow* radio = FindWindow(id);
    if (!ElementRect(name, rect)) continue;
    const wxSize best = radio->GetBestSize();
    radio->SetSize(
        wxRect(rect.GetPosition(), wxSize(std::max(best.x, radio->GetTextExtent(text).x + 24), best.y)));
  }
  if (ElementRect("Driver_Png", rect)) m_driverPicture->SetSize(rect);
  if (ElementRect(lcd ? "BASE_SETTING1" : "BASE_SETTING", rect)) {
    if (lcd) rect.height = lcdHeight;
    m_groups[1]->SetSize(rect);
  }
  wxRect keypad;
  if (ElementRect("Static_Keypad", keypad)) {
    const int w = kKeypadRowWidth;
    const int labelRight = keypad.x + w - 13;
    FindWindow(kKeypadLabelId)->SetSize(wxRect(keypad.x, keypad.y, labelRight - keypad.x, keypad.height));
    FindWindow(kCodeTypeLabelId)
        ->SetSize(wxRect(keypad.x, keypad.GetBottom() + 1 + 10, labelRight - keypad.x, keypad.height));
    // The combos never get less than the height their text needs.
    const int comboWidth = 3 * w / 2 + 5;
    const int comboHeight = std::max(keypad.height + 3, m_keypadCombo->GetBestSize().y);
    const int lift = (comboHeight - keypad.height - 3) / 2;
    m_keypadCombo->SetSize(wxRect(labelRight, keypad.y - 3 - lift, comboWidth, comboHeight));
    m_codeTypeCombo->SetSize(wxRect(labelRight, keypad.GetBottom() + 1 + 7 - lift, comboWidth, comboHeight));
  }
  PlaceControls({{"Check_PressAndHold", kPressAndHoldId}, {"Check_DoubleButton", kDoubleButtonId}});
  if (ElementRect("Funcs_Keys", rect)) {
    m_groups[2]->SetSize(rect);
    PlaceInside(m_grid, rect, 5);
    m_grid->SetColumnWidths(kGridColumnWidth);
    m_grid->FitTextColumn();
    PlaceInside(m_funcPanel, rect, 5);
    m_funcPanel->UpdateScrollBars();
  }
  if (ElementRect(lcd ? "Key_Area1" : "Key_Area", rect)) {
    m_keySet->GetWindow()->SetSize(rect);
    if (m_keyPanel && !m_keyPanelHosted) m_keyPanel->GetWindow()->SetSize(rect);
  }
  if (ElementRect("Send_Preview_Area", rect)) m_previewArea->SetSize(rect);
  for (const auto& [name, window] :
       {std::make_pair("Driver_Tips_Button", static_cast<wxWindow*>(m_driverTips)),
        std::make_pair("IO_Tips_Button", static_cast<wxWindow*>(m_ioTips))}) {
    if (ElementRect(name, rect)) window->Move(rect.GetPosition());
  }
  ShowDriverPicture();
  PlaceControls({{"Static_REM", kRemLabelId},
                 {"Combo_REM", kRemComboId},
                 {"Radio_SingleClick", kActionClickId},
                 {"Radio_PressAndHold", kActionHoldId},
                 {"Radio_DoubleButton", kActionDoubleId}});
  // Output and Back keep the back button's width, right-aligned on their
  // elements, so a longer caption never makes them overlap.
  wxWindow* back = FindWindow(kBackId);
  wxWindow* output = FindWindow(kOutputId);
  const int width = kButtonSize.x;
  wxRect outputRect, backRect;
  if (ElementRect("Output_Button", outputRect) && ElementRect("Previous_Button", backRect)) {
    const int grow = width - outputRect.width;
    output->SetSize(wxRect(outputRect.GetRight() + 1 - width, outputRect.y, width, outputRect.height));
    back->SetSize(wxRect(backRect.GetRight() + 1 - width - grow, backRect.y, width, backRect.height));
  }
  LayoutPowerSwitch();
  Refresh();
}

void CKeyConfigDlg::LayoutPowerSwitch() {
  if (!m_layout.IsReady()) return;
  wxWindow* anchor =
      FindWindow(g_DocManage.RemoteType == kRemoteLcdSimple ? kPressAndHoldId : kDoubleButtonId);
  const int y = anchor->GetRect().GetBottom() + 1 + 12;
  wxRect offRect, pictureRect;
  if (!ElementRect("Static_TurnOff", offRect) || !ElementRect("Static_Picture", pictureRect)) return;
  wxWindow* off = FindWindow(kSwitchOffTextId);
  wxWindow* on = FindWindow(kSwitchOnTextId);
  const wxSize offSize = off->GetTextExtent(off->GetLabel());
  const wxSize onSize = on->GetTextExtent(on->GetLabel());
  off->SetSize(wxRect(wxPoint(offRect.x, y), offSize));
  m_switchPicture->SetSize(wxRect(wxPoint(off->GetRect().GetRight() + 1 + 5, y - 4), pictureRect.GetSize()));
  on->SetSize(wxRect(wxPoint(m_switchPicture->GetRect().GetRight() + 1 + 5, y), onSize));
  for (wxWindow* window : {off, static_cast<wxWindow*>(m_switchPicture), on}) window->Refresh();
}

void CKeyConfigDlg::PlacePanels() {
  const bool lcd = IsLcd();
  m_groups[2]->SetLabel(GetLangText(lcd ? "IDS_FUN_KEY_CONFIG" : "IDS_SAVED_KEY_VALUE"));
  m_grid->Show(!lcd);
  m_funcPanel->Show(lcd);
  if (m_keyPanel && !m_keyPanelHosted) m_keyPanel->GetWindow()->Show(lcd);
  m_previewArea->Show(!lcd);
  m_picker->SetLcdRemote(lcd);
  LayoutControls();
}

void CKeyConfigDlg::ShowDriverPicture() {
  const wxString& picture = g_DocManage.RemDrv == 1 ? m_remdrvPicture : m_remPicture;
  m_driverPicture->SetImages(picture, picture, picture, picture);
  wxRect rect;
  if (m_layout.IsReady() && ElementRect("Driver_Png", rect)) m_driverPicture->SetSize(rect);
  m_driverPicture->Refresh();
}

void CKeyConfigDlg::ShowLcdControls(bool lcd) {
  for (int id : {kCodeTypeLabelId, kCodeTypeComboId, kRemRadioId, kRemdrvRadioId}) FindWindow(id)->Show(!lcd);
  for (int id : {kSwitchOffTextId, kSwitchPictureId, kSwitchOnTextId}) FindWindow(id)->Show(lcd);
  FindWindow(kPressAndHoldId)->Show();
  const bool standard = IsLcdStandardRemote(g_DocManage.RemoteType);
  FindWindow(kDoubleButtonId)->Show(!lcd || standard);
  const bool rem = lcd && standard && g_DocManage.GetMcuName().CmpNoCase("QK37A0660") != 0;
  FindWindow(kRemLabelId)->Show(rem);
  m_remCombo->Show(rem);
  m_groups[3]->Show(!lcd);
  m_driverPicture->Show(!lcd);
  if (lcd) static_cast<wxRadioButton*>(FindWindow(kRemRadioId))->SetValue(true);
}

void CKeyConfigDlg::ShowActionRadios() {
  auto* click = FindWindow(kActionClickId);
  auto* hold = FindWindow(kActionHoldId);
  auto* twice = FindWindow(kActionDoubleId);
  if (!IsLcd()) {
    for (wxWindow* radio : {click, hold, twice}) radio->Hide();
    return;
  }
  const bool standard = IsLcdStandardRemote(g_DocManage.RemoteType);
  click->Show();
  hold->Show();
  hold->Enable(g_DocManage.PressAndHold == 1);
  twice->Show(standard);
  twice->Enable(standard && g_DocManage.DoubleButton == 1);
}

// --- Loading and saving.

bool CKeyConfigDlg::LoadFromProject() {
  const wxString chipIni = ChipIniPath();
  m_touch = ::IsTouchChip(g_DocManage.GetMcuName());
  m_groups[0]->SetLabel(m_touch ? wxString() : GetLangText("IDS_DRAG_REMINDER"));
  const bool lcd = IsLcd();
  const int limit = KeyLineLimit(m_touch, g_DocManage.RemoteType, g_DocManage.Keypad);
  m_grid->ResetRows();
  if (lcd) LoadFunctionPanel();
  m_keySet->SetupKeypad(g_DocManage.Keypad, limit);
  SyncKeyPanel();
  ShowActionRadios();
  m_picker->LoadPins(chipIni);
  m_picker->LoadPackages(chipIni);
  m_picker->Model().ApplyPackage(g_DocManage.GetPackageName());
  m_picker->RefreshButtons();
  // The LED the document holds, among the new package's pins.
  m_keySet->ApplyLedSetting(g_DocManage.GetParam(19));
  ShowLcdControls(lcd);
  if (IsLcdStandardRemote(g_DocManage.RemoteType)) FillRemPinList(false);
  if (!lcd) FillCodeTypeCombo();
  if (lcd) m_switchPicture->ShowImage(g_DocManage.ButtonState ? 1 : 0);
  m_picker->Show(!m_touch);
  m_touchKeys->Show(m_touch);
  FillKeypadCombo();
  PlacePanels();

  if (!g_DocManage.UseFormatTemplate() || m_touch) {
    if (!ApplyKeyConfig()) return false;
  }
  if (m_touch) ApplyPinRules(0);

  static_cast<wxRadioButton*>(FindWindow(g_DocManage.RemDrv == 1 ? kRemdrvRadioId : kRemRadioId))
      ->SetValue(true);
  m_loadingGuard = true;
  OnDriverMode(g_DocManage.RemDrv == 1 ? kRemdrvRadioId : kRemRadioId);
  if (g_DocManage.UseFormatTemplate() && !m_touch) {
    static_cast<wxCheckBox*>(FindWindow(kPressAndHoldId))->SetValue(g_DocManage.PressAndHold == 1);
    static_cast<wxCheckBox*>(FindWindow(kDoubleButtonId))->SetValue(g_DocManage.DoubleButton == 1);
  }
  m_touchKeys->ShowTouchKeyFlags();
  return true;
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
  // The key panel takes its keys' codes back, or tells the page the
  // functions its keys held.
  SyncKeyPanel();
  if (m_keyPanel && !path.empty()) {
    if (m_keyPanelHosted)
      m_keySet->LoadKeyCodes(CProjectFile(path), IsLcd());
    else
      m_keyPanel->LoadKeys(CProjectFile(path));
  }
  m_keySet->ApplyLedSetting(g_DocManage.GetParam(19));
  if (IsLcd()) {
    m_switchPicture->ShowImage(g_DocManage.ButtonState ? 1 : 0);
    static_cast<wxRadioButton*>(FindWindow(kActionClickId + g_DocManage.ButtonMode))->SetValue(true);
    ApplyButtonMode();
  }
  if (IsLcdStandardRemote(g_DocManage.RemoteType)) FillRemPinList(false);
  static_cast<wxCheckBox*>(FindWindow(kPressAndHoldId))->SetValue(g_DocManage.PressAndHold == 1);
  static_cast<wxCheckBox*>(FindWindow(kDoubleButtonId))->SetValue(g_DocManage.DoubleButton == 1);
  return true;
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
  std::vector<stSavedKeyRow> rows;
  for (int row = 1; row < m_grid->GetRowCount(); ++row) {
    rows.push_back({m_grid->GetItemText(row, CIRGridCtrl::kCodeColumn).Strip(wxString::both),
                    m_grid->GetItemText(row, CIRGridCtrl::kTextColumn)});
  }
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

void CKeyConfigDlg::FillSavedKeyGrid() {
  m_grid->ResetRows();
  int position = 0;
  std::uint16_t code = 0;
  wxString text;
  for (int row = 1; g_DocManage.GetNextKeyValue(position, code, text); ++row) {
    if (!m_grid->AppendRow(true)) break;
    m_grid->SetCellText(row, CIRGridCtrl::kCodeColumn, wxString::Format("0x%x", static_cast<unsigned>(code)));
    m_grid->SetCellText(row, CIRGridCtrl::kTextColumn, text);
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
  const wxString mcu = g_DocManage.GetMcuName();
  m_ioTips->Show(mcu.CmpNoCase("QK21B0510") == 0 || mcu.CmpNoCase("QK21C0510") == 0);
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

// --- Pin rules.

bool CKeyConfigDlg::LoadKeyPins(bool noCheck) {
  stKeyLineCounts counts;
  counts.io = g_DocManage.IoCount;
  counts.columns = g_DocManage.IoColCount;
  counts.rows = g_DocManage.IoRowCount;
  const bool matches = m_rules->LoadKeyPins(g_DocManage.GetParam(18), counts, g_DocManage.VssRow == 1,
                                            g_DocManage.GetPackageName(), noCheck);
  m_picker->RefreshButtons();
  m_keySet->RefreshLines();
  if (!matches) {
    LangMessageBox("IDS_KEY_CNT_NO_MATH");
    return false;
  }
  return true;
}

void CKeyConfigDlg::ApplyPinRules(int flag) {
  if (m_pinRulesRunning) return;
  m_pinRulesRunning = true;
  // The LED pin must keep off every key and reserved pin; a general step
  // keypad keeps its first key pin for the LED.
  const bool generalStep = !IsLcd() && m_keySet->KeyLines().Keypad() != kKeypadMatrix;
  const std::vector<wxString> avoid = m_rules->PinsToAvoid(generalStep);
  const wxString led = m_keySet->LedPin();
  if (!led.empty() && ContainsPin(avoid, led)) m_keySet->ApplyLedSetting(wxString());
  m_keySet->ApplyPinRules(flag != 0);
  m_pinRulesRunning = false;
}

void CKeyConfigDlg::MarkKeyPins() {
  m_rules->MarkKeyPins(PinOptions());
  m_picker->RefreshButtons();
}

void CKeyConfigDlg::ReleasePin(const wxString& pin) {
  m_rules->ReleasePin(pin);
  m_picker->RefreshButtons();
  KeyLinesChanged();
}

void CKeyConfigDlg::RefreshPinAvailability() {
  if (m_pinRulesRunning) return;
  m_pinRulesRunning = true;
  wxWindow* main = wxGetTopLevelParent(this);
  m_rules->RefreshPinAvailability(
      PinOptions(), g_DocManage.UsedPins, g_DocManage.GetPackageName(),
      [main](int percent) { PostShellMessage(main, WM_PAGE_UPDATE, percent, 0); });
  m_picker->RefreshButtons();
  KeyLinesChanged();
  m_pinRulesRunning = false;
}

void CKeyConfigDlg::RefreshForLcdMode() {
  if (!IsLcd()) return;
  wxWindow* main = wxGetTopLevelParent(this);
  SendShellMessage(main, WM_PAGE_UPDATE, 10, 0);
  RefreshPinAvailability();
  ApplyPinRules(0);
  SendShellMessage(main, WM_PAGE_UPDATE, 100, 0);
}

void CKeyConfigDlg::FillRemPinList(bool reset) {
  if (!IsLcdStandardRemote(g_DocManage.RemoteType)) return;
  const wxString keyConfig = platform::FindPathNoCase(platform::JoinPath(
      platform::JoinPath(g_App.GetProtocolFolder(g_FrameworkKind), "Custom"), "KeyConfig.ini"));
  const std::vector<wxString> offered =
      OfferedRemPins(ReadRemCandidates(keyConfig, g_DocManage.GetMcuName(), g_DocManage.GetPackageName()),
                     m_keySet->KeyLines().PinsInUse(), m_keySet->LedPin(), g_DocManage.UsedPins);
  m_remCombo->Clear();
  for (const wxString& entry : offered) m_remCombo->Append(entry);
  const int index = ChooseRemPin(offered, g_DocManage.RemPinText, reset);
  m_remCombo->SetSelection(index);
  g_DocManage.RemPinIndex = index;
  g_DocManage.RemPinText = index < 0 ? wxString() : offered[index];
}

bool CKeyConfigDlg::DropPin(const wxPoint& screenPoint, const wxString& pin) {
  if (m_pinRulesRunning) return false;
  const wxRect area = m_keySet->GetWindow()->GetScreenRect();
  if (screenPoint.x <= area.x || screenPoint.x >= area.GetRight() || screenPoint.y <= area.y ||
      screenPoint.y >= area.GetBottom())
    return false;
  const bool taken = m_keySet->TakeDroppedPin(screenPoint, pin);
  if (taken) {
    m_picker->SetPinState(pin, false);
    KeyLinesChanged();
  }
  FillRemPinList(false);
  m_keySet->RefreshLines();
  if (taken) MarkModified();
  return taken;
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
  g_DocManage.VssRow = IsLcd() && keypad == kKeypadStep ? 1 : 0;
  g_DocManage.Keypad = keypad;
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
  if (on) {
    EnableHoldAction(true);
    g_DocManage.PressAndHold = 1;
    MarkModified();
    return;
  }
  if (g_DocManage.TimerOption) {
    if (LangMessageBox("IDS_TIMER_CLOSE", kNoticeOkCancel) != kNoticeAnswerOk) {
      static_cast<wxCheckBox*>(FindWindow(kPressAndHoldId))->SetValue(true);
      return;
    }
    if (IShellWindow* main = GetShellWindow()) {
      if (CSubBaseDlg* other = main->FindPage(kOtherPageId)) SendShellMessage(other, WM_OTHER_REFRESH);
      if (CSubBaseDlg* lcd = main->FindPage(kLcdConfigId)) SendShellMessage(lcd, WM_LCD_REFRESH);
    }
  }
  EnableHoldAction(false);
  g_DocManage.PressAndHold = 0;
  MarkModified();
}

void CKeyConfigDlg::OnDoubleButton() {
  const bool on = static_cast<wxCheckBox*>(FindWindow(kDoubleButtonId))->GetValue();
  g_DocManage.DoubleButton = on ? 1 : 0;
  EnableDoubleAction(on);
  MarkModified();
}

void CKeyConfigDlg::EnableHoldAction(bool on) {
  if (!on && g_DocManage.ButtonMode == 1) {
    g_DocManage.ButtonMode = 0;
    static_cast<wxRadioButton*>(FindWindow(kActionClickId))->SetValue(true);
    ApplyButtonMode();
  }
  FindWindow(kActionHoldId)->Enable(on);
}

void CKeyConfigDlg::EnableDoubleAction(bool on) {
  if (!on && g_DocManage.ButtonMode == 2) {
    g_DocManage.ButtonMode = 0;
    static_cast<wxRadioButton*>(FindWindow(kActionClickId))->SetValue(true);
    ApplyButtonMode();
  }
  FindWindow(kActionDoubleId)->Enable(on);
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

bool CKeyConfigDlg::ChangePackage(const wxString& package) {
  const wxString old = g_DocManage.GetPackageName();
  if (package != old && !m_keySet->ConfirmPackageChange()) return false;
  const CPinPickerModel::stPackageChange change = m_picker->Model().PlanPackageChange(old, package);
  for (const wxString& pin : change.leaving) {
    // The pin's own button says whether a key line holds it.
    if (m_keySet->KeyLines().UsesPin(pin)) ReleasePin(pin);
    m_picker->SetPinState(pin, false);
  }
  for (const wxString& pin : change.arriving) m_picker->SetPinState(pin, true);
  g_DocManage.PackageName = package;
  if (!g_DocManage.CheckPackage(package)) return false;
  ApplyPinRules(1);
  g_DocManage.RemPinText.clear();
  g_DocManage.RemPinIndex = -1;
  FillRemPinList(true);
  KeyLinesChanged();
  OnChipDriverMode();
  return true;
}

void CKeyConfigDlg::OnPackageOffered(CShellMessageEvent& event) {
  event.SetResult(ChangePackage(event.GetString()) ? 1 : 0);
}

// --- The one-time guide.

void CKeyConfigDlg::OnShowPage(wxShowEvent& event) {
  event.Skip();
  if (!event.IsShown() || !IsKeyPageGuideArmed()) return;
  const wxString key = GuidePromptKey(g_DocManage.RemoteType, g_DocManage.CodeMode);
  const wxString userIni = GetUserIniPath();
  if (userIni.empty() || platform::ReadProfileString(userIni, "Olvanta", key, "0") != "0") return;
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
  if (overlay.ShowModal() == wxID_OK) {
    platform::WriteProfileString(GetUserIniPath(), "Olvanta",
                                 GuidePromptKey(g_DocManage.RemoteType, g_DocManage.CodeMode), "1");
  }
  g_guideBusy = false;
}
