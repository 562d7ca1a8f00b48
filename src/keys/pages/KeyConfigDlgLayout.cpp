// The key configuration page's layout: the elements of KeyConfigPage.ini
// placed, and the controls each kind of remote shows.
#include "controls/grid/IRGridCtrl.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "keys/KeyConfigModel.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyDlg.h"
#include "keys/pages/PinPicker.h"
#include "ui/ImageTipBtn.h"
#include "ui/PNGShow.h"
#include "ui/PngButton.h"

#include <algorithm>
#include <tuple>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>

namespace {

// Sizes of the template's hidden reference controls.
constexpr int kKeypadRowWidth = 140;     // control 1116
constexpr int kCaptionHeight = 20;       // control 1375
constexpr int kLcdStandardHeight = 250;  // control 1379
constexpr int kLcdSimpleHeight = 200;    // control 1380

int LcdGroupHeight() {
  return IsLcdStandardRemote(g_DocManage.RemoteType) ? kLcdStandardHeight : kLcdSimpleHeight;
}

}  // namespace

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
  LayoutPinGroup(lcd);
  LayoutDriverGroup();
  LayoutBasicGroup(lcd);
  LayoutKeysGroup();
  LayoutKeyArea(lcd);
  ShowDriverPicture();
  PlaceControls({{"Static_REM", kRemLabelId},
                 {"Combo_REM", kRemComboId},
                 {"Radio_SingleClick", kActionClickId},
                 {"Radio_PressAndHold", kActionHoldId},
                 {"Radio_DoubleButton", kActionDoubleId}});
  LayoutPageButtons();
  LayoutPowerSwitch();
  Refresh();
}

// The pin picker, or the touch keys, in their group; an LCD remote's group has a fixed height.
void CKeyConfigDlg::LayoutPinGroup(bool lcd) {
  wxRect rect;
  if (!ElementRect(lcd ? "IO_SELECT1" : "IO_SELECT", rect)) return;
  if (lcd) rect.height = LcdGroupHeight();
  m_groups[0]->SetSize(rect);
  PlaceInside(m_picker, rect, lcd ? 2 : 22);
  PlaceInside(m_touchKeys, rect, lcd ? 2 : 22);
  m_picker->Relayout();
}

void CKeyConfigDlg::LayoutDriverGroup() {
  wxRect rect;
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
}

void CKeyConfigDlg::LayoutBasicGroup(bool lcd) {
  wxRect rect;
  if (ElementRect(lcd ? "BASE_SETTING1" : "BASE_SETTING", rect)) {
    if (lcd) rect.height = LcdGroupHeight();
    m_groups[1]->SetSize(rect);
  }
  LayoutComboRows();
  PlaceControls({{"Check_PressAndHold", kPressAndHoldId}, {"Check_DoubleButton", kDoubleButtonId}});
}

// The keypad and code type rows: labels, then combos that never get less
// than the height their text needs.
void CKeyConfigDlg::LayoutComboRows() {
  wxRect keypad;
  if (!ElementRect("Static_Keypad", keypad)) return;
  const int w = kKeypadRowWidth;
  const int labelRight = keypad.x + w - 13;
  FindWindow(kKeypadLabelId)->SetSize(wxRect(keypad.x, keypad.y, labelRight - keypad.x, keypad.height));
  FindWindow(kCodeTypeLabelId)
      ->SetSize(wxRect(keypad.x, keypad.GetBottom() + 1 + 10, labelRight - keypad.x, keypad.height));
  const int comboWidth = 3 * w / 2 + 5;
  const int comboHeight = std::max(keypad.height + 3, m_keypadCombo->GetBestSize().y);
  const int lift = (comboHeight - keypad.height - 3) / 2;
  m_keypadCombo->SetSize(wxRect(labelRight, keypad.y - 3 - lift, comboWidth, comboHeight));
  m_codeTypeCombo->SetSize(wxRect(labelRight, keypad.GetBottom() + 1 + 7 - lift, comboWidth, comboHeight));
}

// The saved key codes' grid and the function panel share the keys' group.
void CKeyConfigDlg::LayoutKeysGroup() {
  wxRect rect;
  if (!ElementRect("Funcs_Keys", rect)) return;
  m_groups[2]->SetSize(rect);
  PlaceInside(m_grid, rect, 5);
  m_grid->SetColumnWidths(kGridColumnWidth);
  m_grid->FitTextColumn();
  PlaceInside(m_funcPanel, rect, 5);
  m_funcPanel->UpdateScrollBars();
}

// The key set-up, the send preview and the tips buttons.
void CKeyConfigDlg::LayoutKeyArea(bool lcd) {
  wxRect rect;
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
}

// Output and Back keep the back button's width, right-aligned on their
// elements, so a longer caption never makes them overlap.
void CKeyConfigDlg::LayoutPageButtons() {
  wxWindow* back = FindWindow(kBackId);
  wxWindow* output = FindWindow(kOutputId);
  const int width = kButtonWidth;
  wxRect outputRect, backRect;
  if (!ElementRect("Output_Button", outputRect) || !ElementRect("Previous_Button", backRect)) return;
  const int grow = width - outputRect.width;
  output->SetSize(wxRect(outputRect.GetRight() + 1 - width, outputRect.y, width, outputRect.height));
  back->SetSize(wxRect(backRect.GetRight() + 1 - width - grow, backRect.y, width, backRect.height));
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

// --- What each kind of remote shows.

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
  const bool rem = lcd && standard && ChipOffersRemPin(g_DocManage.GetMcuName());
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
