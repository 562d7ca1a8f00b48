// The key configuration page's functions on keys: the function panel of an
// LCD remote, the drags that put functions on keys and take them off, and the
// key action defines of the macro table.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyConfigDlg.h"
#include "platform/Paths.h"
#include "ui/shell/PageMessages.h"

namespace {

// The action lists in the order of their macros: (click, on), (click, off),
// (hold, on), (hold, off), (two keys, on), (two keys, off).
struct stActionList {
  std::uint16_t action;
  std::uint16_t state;
  const char* macro;
  const char* emptyDefine;
};
const stActionList kActionLists[6] = {
    {keymask::kClick, keymask::kOn, "OpenFunc", "#define FUNC_ON_CLICK_ACTION_%d "},
    {keymask::kClick, keymask::kOff, "CloseFunc", "#define FUNC_OFF_CLICK_ACTION_%d "},
    {keymask::kHold, keymask::kOn, "HOLD_OpenFunc", "#define FUNC_ON_HOLD_ACTION_%d "},
    {keymask::kHold, keymask::kOff, "HOLD_CloseFunc", "#define FUNC_OFF_HOLD_ACTION_%d "},
    {keymask::kTwoKeys, keymask::kOn, "Double_OpenFunc", "#define FUNC_ON_2KEYS_SIMO_ACTION_%d "},
    {keymask::kTwoKeys, keymask::kOff, "Double_CloseFunc", "#define FUNC_OFF_2KEYS_SIMO_ACTION_%d "},
};

CKeyButton* ButtonOf(const CShellMessageEvent& event) {
  return reinterpret_cast<CKeyButton*>(event.LParam());
}

}  // namespace

wxString CKeyConfigDlg::FunctionListPath() const {
  return platform::FindPathNoCase(platform::JoinPath(
      platform::JoinPath(g_App.GetProtocolFolder(g_DocManage.RemoteType), "Custom"), "KeyConfig.ini"));
}

void CKeyConfigDlg::LoadFunctionPanel() {
  m_dragSource = nullptr;
  m_funcPanel->Clear();
  const int count = m_funcPanel->LoadFunctions(CFuncDlg::kTop, CFuncDlg::kLeft, CFuncDlg::kButtonWidth,
                                               CFuncDlg::kButtonHeight, FunctionListPath());
  m_funcPanel->LoadUserFunctions(CFuncDlg::kTop, CFuncDlg::kLeft, CFuncDlg::kButtonWidth,
                                 CFuncDlg::kButtonHeight, count);
  m_funcPanel->ResetAssignments();
}

void CKeyConfigDlg::ReloadFunctionButtons() {
  const int shown = m_funcPanel->Relayout(CFuncDlg::kTop, CFuncDlg::kLeft, CFuncDlg::kButtonWidth,
                                          CFuncDlg::kButtonHeight, false);
  m_funcPanel->LoadUserFunctions(CFuncDlg::kTop, CFuncDlg::kLeft, CFuncDlg::kButtonWidth,
                                 CFuncDlg::kButtonHeight, shown);
}

bool CKeyConfigDlg::ReleaseFunctionOn(int key, bool asDragSource) {
  CKeyButton* function = m_funcPanel->FindForCurrentAction(key);
  if (!function) function = m_funcPanel->FindByKey(key);
  if (!function) return false;
  function->keyCode = CKeyButton::kNone;
  function->secondKeyIndex = CKeyButton::kNone;
  function->twoKeyFlag = 0;
  function->drawState =
      IsUsableNow(function->BtnMode, function->BtnState, ActionMaskOfMode(g_DocManage.ButtonMode),
                  StateMaskOf(g_DocManage.ButtonState))
          ? 0
          : 2;
  function->Redraw();
  if (asDragSource) m_dragSource = function;
  return true;
}

void CKeyConfigDlg::OnKeyFuncAssign(CShellMessageEvent& event) {
  event.SetResult(1);
  CKeyButton* button = ButtonOf(event);
  if (!button) return;
  button->SetCursor(m_dragCursor);
  const long flags = static_cast<long>(event.WParam());
  if (!(flags & 1)) {
    m_dragSource = button;
    return;
  }
  const int key = m_keyPanel ? m_keyPanel->KeyReference(button) : -1;
  if (key >= 0) ReleaseFunctionOn(key, (flags & 4) != 0);
}

void CKeyConfigDlg::OnKeyRecord(CShellMessageEvent& event) {
  event.SetResult(1);
  CKeyButton* key = ButtonOf(event);
  if (!(event.WParam() & 1) || !key || !m_keyPanel) return;
  const int reference = m_keyPanel->KeyReference(key);
  if (reference < 0) return;
  while (m_funcPanel->FindByKey(reference)) {
    CKeyButton* function = m_funcPanel->FindByKey(reference);
    function->keyCode = function->secondKeyIndex = CKeyButton::kNone;
    function->twoKeyFlag = 0;
    function->drawState =
        IsUsableNow(function->BtnMode, function->BtnState, ActionMaskOfMode(g_DocManage.ButtonMode),
                    StateMaskOf(g_DocManage.ButtonState))
            ? 0
            : 2;
    function->Redraw();
  }
}

void CKeyConfigDlg::OnKeySetSelect(CShellMessageEvent& event) {
  event.SetResult(1);
  const auto packed = static_cast<std::uint32_t>(event.WParam());
  const int keyCode = static_cast<int>(packed & 0xFFFF);
  const int secondIndex = static_cast<int>((packed >> 16) & 0xFF);
  const bool twoKeys = ((packed >> 24) & 0xFF) != 0;
  CKeyButton* key = m_keyPanel ? m_keyPanel->ResolveKey(keyCode) : nullptr;
  int list = 0;
  const int index = m_funcPanel->FindIndexByName(event.GetString(), list);
  if (index < 0) {
    if (!key) return;
    key->ClearAssignment(false);
    key->ClearNames();
    key->ClearFunctionIndexes();
    key->ClearUserFunctionIds();
    key->BtnState = 0;
    key->Redraw();
    return;
  }
  CKeyButton* function = (list == 0 ? m_funcPanel->Functions() : m_funcPanel->UserFunctions())[index];
  if (twoKeys) {
    function->secondKeyIndex = secondIndex;
    function->twoKeyFlag = 1;
  } else {
    function->keyCode = keyCode;
  }
  function->drawState = 1;
  function->Redraw();
  if (!key) return;
  const std::uint16_t states = function->BtnState & (keymask::kOn | keymask::kOff);
  key->SetActionName(function->BtnMode, states, function->GetCaptionKey());
  if (list == 0)
    key->SetFunctionIndex(function->BtnMode, states, function->functionNumber);
  else
    key->SetUserFunctionId(function->BtnMode, states, function->userFunctionNumber);
  key->SetKeyMark(function->BtnMode, states, function->GetAssignedKey());
  key->BtnState = function->BtnState;
  key->BtnMode = function->BtnMode;
  key->Redraw();
}

bool CKeyConfigDlg::AppendKeyActionDefines(int key, int keyNumber, std::vector<wxString> (&lists)[6]) {
  std::vector<wxString> lines[6];
  for (int i = 0; i < 6; ++i) {
    const stActionList& action = kActionLists[i];
    CKeyButton* function = m_funcPanel->FindAssignedFunction(key, action.action, action.state);
    if (!function) {
      lines[i].push_back(wxString::Format(action.emptyDefine, keyNumber));
      continue;
    }
    if (!function->WriteActionDefine(action.action, action.state, lines[i], keyNumber)) {
      LangMessageBox("", kNoticeOk, "IDS_KEY_ACTION_DATA_BAD", GetLangText(function->GetCaptionKey()),
                     keyNumber);
      return false;
    }
  }
  for (int i = 0; i < 6; ++i) lists[i].insert(lists[i].end(), lines[i].begin(), lines[i].end());
  return true;
}

bool CKeyConfigDlg::WriteKeyActionDefines() {
  std::vector<wxString> lists[6];
  if (m_keyPanel) {
    for (const IKeyPanel::stKeyInUse& key : m_keyPanel->KeysInUse()) {
      if (!AppendKeyActionDefines(key.reference, key.number, lists)) return false;
    }
  }
  // Everything is built before the table changes.
  CStringMap macros;
  if (!m_touch) {
    for (const char* name : {"HIGH_SENSITIVE", "TouchFrequency", "TouchKeyEnable", "KeyThreshold"})
      macros[name] = "\r\n";
  }
  for (int list = 0; list < 2; ++list) {
    for (CKeyButton* function : list == 0 ? m_funcPanel->Functions() : m_funcPanel->UserFunctions())
      function->AddRangeMacros(macros);
  }
  for (int i = 0; i < 6; ++i) {
    wxString text;
    for (const wxString& line : lists[i]) text += line + "\r\n";
    macros[kActionLists[i].macro] =
        text.empty() ? wxString::Format(";/////%s data is not defined///////", kActionLists[i].macro) : text;
  }
  for (const auto& [name, value] : macros) StringMapSubscript(g_MacroMap, name) = value;
  return true;
}
