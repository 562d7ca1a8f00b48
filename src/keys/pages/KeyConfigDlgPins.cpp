// The key configuration page's pins: the key lines and the pin picker kept
// consistent by the pin rules, pins dropped on the lines, the REM pin list
// and the package change.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/MessageBoxes.h"
#include "keys/KeyConfigModel.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/PinPicker.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellMessages.h"

#include <wx/choice.h>

wxString CKeyConfigDlg::ChipIniPath() const {
  return KeyChipIniPath(g_App.GetIcFolder(g_FrameworkKind), g_DocManage.GetMcuName());
}

void CKeyConfigDlg::KeyLinesChanged() {
  StoreKeyLines(g_DocManage, m_keySet->KeyLines());
  m_keySet->RefreshLines();
  SyncKeyPanel();
}

bool CKeyConfigDlg::LoadKeyPins(bool noCheck) {
  const bool matches = m_rules->LoadKeyPins(g_DocManage.GetParam(18), DocKeyLineCounts(g_DocManage),
                                            g_DocManage.VssRow == 1, g_DocManage.GetPackageName(), noCheck);
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
  m_rules->MarkKeyPins(DocPinOptions(g_DocManage));
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
      DocPinOptions(g_DocManage), g_DocManage.UsedPins, g_DocManage.GetPackageName(),
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
  const stRemPinList list = PlanRemPinList(g_DocManage, g_App.GetProtocolFolder(g_FrameworkKind),
                                           m_keySet->KeyLines().PinsInUse(), m_keySet->LedPin(), reset);
  m_remCombo->Clear();
  for (const wxString& entry : list.offered) m_remCombo->Append(entry);
  m_remCombo->SetSelection(list.selection);
  StoreRemPin(g_DocManage, list);
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

bool CKeyConfigDlg::ChangePackage(const wxString& package) {
  const wxString old = g_DocManage.GetPackageName();
  if (package != old && !m_keySet->ConfirmPackageChange()) return false;
  MovePickerToPackage(old, package);
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

// The pins the new package lacks leave the key lines and the picker; its own pins arrive.
void CKeyConfigDlg::MovePickerToPackage(const wxString& old, const wxString& package) {
  const CPinPickerModel::stPackageChange change = m_picker->Model().PlanPackageChange(old, package);
  for (const wxString& pin : change.leaving) {
    // The pin's own button says whether a key line holds it.
    if (m_keySet->KeyLines().UsesPin(pin)) ReleasePin(pin);
    m_picker->SetPinState(pin, false);
  }
  for (const wxString& pin : change.arriving) m_picker->SetPinState(pin, true);
}

void CKeyConfigDlg::OnPackageOffered(CShellMessageEvent& event) {
  event.SetResult(ChangePackage(event.GetString()) ? 1 : 0);
}
