#include "keys/pages/FuncDlg.h"

#include "core/ControlIdCounter.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyPanels.h"
#include "ui/FuncBtn.h"
#include "ui/shell/PageMessages.h"

#include <wx/settings.h>

namespace {

const wxString kTimeSetKeys[3] = {"IDS_SWITCHTIMESET", "IDS_ENTERTIMESET", "IDS_TIMESET"};

bool IsTimeSetKey(const wxString& key) {
  return key == kTimeSetKeys[0] || key == kTimeSetKeys[1] || key == kTimeSetKeys[2];
}

wxRect ToRect(const CFunctionGrid::stRect& rect) { return wxRect(rect.x, rect.y, rect.width, rect.height); }

std::uint16_t CurrentActionMask() { return ActionMaskOfMode(g_DocManage.ButtonMode); }
std::uint16_t CurrentStateMask() { return StateMaskOf(g_DocManage.ButtonState); }

bool IsInSendData(int index) { return GetFuncBtnServices().IsAirFuncInSendData(index, 1); }

}  // namespace

CFuncDlg::CFuncDlg(wxWindow* parent)
    : wxPanel(parent, kTemplateId, wxDefaultPosition, wxSize(200, 200),
              wxVSCROLL | wxHSCROLL | wxBORDER_NONE) {
  SetBackgroundColour(*wxWHITE);
  for (const wxEventTypeTag<wxScrollWinEvent>& type :
       {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP, wxEVT_SCROLLWIN_LINEDOWN,
        wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN, wxEVT_SCROLLWIN_THUMBTRACK,
        wxEVT_SCROLLWIN_THUMBRELEASE})
    Bind(type, &CFuncDlg::OnScroll, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    UpdateScrollBars();
    event.Skip();
  });
  SetScrollbar(wxVERTICAL, 0, 0, 0);
  SetScrollbar(wxHORIZONTAL, 0, 0, 0);
}

CFuncDlg::~CFuncDlg() = default;  // the buttons are child windows

void CFuncDlg::Clear() {
  for (CKeyButton* button : m_functions) button->Destroy();
  for (CKeyButton* button : m_userFunctions) button->Destroy();
  m_functions.clear();
  m_userFunctions.clear();
  m_enumPosition = -1;
  m_scrollX = m_scrollY = 0;
}

void CFuncDlg::ApplyLanguage() {
  for (const auto* list : {&m_functions, &m_userFunctions}) {
    for (CKeyButton* button : *list) button->ApplyLanguage();
  }
}

CKeyButton* CFuncDlg::CreateButton(const stFunctionDef& def, const wxRect& rect) {
  auto* button =
      new CKeyButton(this, TakeNextControlId(), GetLangText(def.title), rect, CKeyButton::kRoleFunction);
  ApplyFunctionDef(*button, def);
  button->ApplyLanguage();
  return button;
}

int CFuncDlg::LoadFunctions(int top, int left, int width, int height, const wxString& iniPath) {
  m_scrollX = m_scrollY = 0;
  m_iniPath = iniPath;
  // Every section is read and checked before the first button is made.
  const std::vector<stFunctionDef> list = ReadFunctionList(iniPath);
  CFunctionGrid grid(top, left, width, height);
  for (const stFunctionDef& def : list) m_functions.push_back(CreateButton(def, ToRect(grid.Next())));
  return static_cast<int>(m_functions.size());
}

int CFuncDlg::LoadUserFunctions(int top, int left, int width, int height, int count) {
  CFunctionGrid grid(top, left, width, height, m_scrollX, m_scrollY);
  grid.Skip(count);
  const std::vector<stFunctionBlock>& blocks = g_DocManage.UserFunctionBlocks;
  const int fixedCount = static_cast<int>(g_DocManage.FunctionBlocks.size());
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (!blocks[i].Flag) continue;
    const int index = static_cast<int>(i);
    if (CKeyButton* button = FindByNumber(1, index)) {
      button->SetCaptionKey(blocks[i].Text, true);
      if (!IsInSendData(index)) {
        button->Hide();
      } else {
        button->SetSize(ToRect(grid.Next()));
        button->Show();
      }
      continue;
    }
    const stFunctionDef def = MakeUserFunctionDef(index, fixedCount + index, blocks[i].Text);
    const bool sent = IsInSendData(index);
    CKeyButton* button = CreateButton(def, sent ? ToRect(grid.Next()) : wxRect(left, top, width, height));
    button->userFunctionNumber = index;
    if (!sent) {
      button->drawState = 2;
      button->Hide();
    }
    m_userFunctions.push_back(button);
  }
  UpdateScrollBars();
  return 1;
}

int CFuncDlg::Relayout(int top, int left, int width, int height, bool reset) {
  if (reset) m_scrollX = m_scrollY = 0;
  CFunctionGrid grid(top, left, width, height, m_scrollX, m_scrollY);
  for (CKeyButton* button : m_functions) {
    if (button->EvaluateEnable(0)) {
      button->SetSize(ToRect(grid.Next()));
      button->Show();
      button->Refresh();
    } else {
      button->Hide();
    }
  }
  return grid.Placed();
}

wxRect CFuncDlg::GetContentRect() const {
  int shown = 0;
  for (const auto* list : {&m_functions, &m_userFunctions}) {
    for (const CKeyButton* button : *list) shown += button->IsShown() ? 1 : 0;
  }
  wxRect rect(GetSize());
  rect.height = FunctionContentHeight(shown) + kTop;
  return rect;
}

void CFuncDlg::UpdateScrollBars() {
  const wxSize size = GetSize();
  const wxRect content = GetContentRect();
  const bool vertical = content.height > size.y;
  if (vertical) {
    SetScrollbar(wxVERTICAL, m_scrollY, size.y,
                 content.height + wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, this), false);
    SetScrollbar(wxHORIZONTAL, m_scrollX, size.x,
                 content.width + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this), false);
    return;
  }
  if (m_scrollX || m_scrollY) ScrollWindow(m_scrollX, m_scrollY);
  m_scrollX = m_scrollY = 0;
  SetScrollbar(wxVERTICAL, 0, 0, 0, false);
  SetScrollbar(wxHORIZONTAL, 0, 0, 0, false);
}

void CFuncDlg::OnScroll(wxScrollWinEvent& event) {
  const int orientation = event.GetOrientation();
  const wxEventType type = event.GetEventType();
  ScrollCode code = ScrollCode::kEnd;
  if (type == wxEVT_SCROLLWIN_LINEUP) code = ScrollCode::kLineUp;
  if (type == wxEVT_SCROLLWIN_LINEDOWN) code = ScrollCode::kLineDown;
  if (type == wxEVT_SCROLLWIN_PAGEUP) code = ScrollCode::kPageUp;
  if (type == wxEVT_SCROLLWIN_PAGEDOWN) code = ScrollCode::kPageDown;
  if (type == wxEVT_SCROLLWIN_THUMBTRACK) code = ScrollCode::kThumbTrack;
  if (type == wxEVT_SCROLLWIN_TOP) code = ScrollCode::kTop;
  if (type == wxEVT_SCROLLWIN_BOTTOM) code = ScrollCode::kBottom;
  const int position = GetScrollPos(orientation);
  const int page = GetScrollThumb(orientation);
  const int maximum = GetScrollRange(orientation);
  const int next = std::clamp(NextScrollPosition(code, position, 0, maximum, page, event.GetPosition()), 0,
                              std::max(0, maximum - page));
  SetScrollPos(orientation, next, true);
  if (next != position) ScrollBy(orientation, next - position);
}

void CFuncDlg::ScrollBy(int orientation, int delta) {
  if (orientation == wxVERTICAL) {
    m_scrollY += delta;
    ScrollWindow(0, -delta);
  } else {
    m_scrollX += delta;
    ScrollWindow(-delta, 0);
  }
  Update();
}

void CFuncDlg::ResetAssignments() {
  for (CKeyButton* button : m_functions) {
    button->keyCode = CKeyButton::kNone;
    button->secondKeyIndex = CKeyButton::kNone;
    button->twoKeyFlag = 0;
    button->drawState = 0;
    button->Redraw();
  }
}

void CFuncDlg::RefreshStates(std::uint16_t actionMask, std::uint16_t stateMask) {
  for (const auto* list : {&m_userFunctions, &m_functions}) {
    for (CKeyButton* button : *list) {
      button->drawState =
          FunctionDrawState(button->BtnMode, button->BtnState, actionMask, stateMask, button->IsAssigned());
      button->Redraw();
    }
  }
}

void CFuncDlg::RefreshForState(bool on) { RefreshStates(CurrentActionMask(), StateMaskOf(on ? 1 : 0)); }

void CFuncDlg::RefreshForMode(int mode) {
  const wxString& timeSet = kTimeSetKeys[std::clamp(mode, 0, 2)];
  for (CKeyButton* button : m_functions) {
    if (IsTimeSetKey(button->GetCaptionKey())) button->SetCaptionKey(timeSet, false);
  }
  RefreshStates(ActionMaskOfMode(mode), CurrentStateMask());
}

void CFuncDlg::ReloadFunctionStates(int which) {
  const std::vector<stFunctionDef> defs = ReadFunctionList(m_iniPath);
  const int fixedCount = static_cast<int>(g_DocManage.FunctionBlocks.size());
  auto update = [&](CKeyButton* button, std::uint16_t state) {
    if (state != button->BtnState && button->IsAssigned()) {
      SendShellMessage(GetParent(), WM_FUNC_BTN_CLEAR, 0, reinterpret_cast<wxIntPtr>(button));
      button->twoKeyFlag = 0;
      button->drawState = 0;
      (which == 0 ? button->keyCode : button->secondKeyIndex) = CKeyButton::kNone;
      button->Redraw();
      SyncButtonsByName(button, false);
    }
    button->BtnState = state;
  };
  for (std::size_t k = 0; k < m_functions.size() && k < defs.size(); ++k) {
    CKeyButton* button = m_functions[k];
    if (!(button->BtnState & keymask::kFromRecord) || defs[k].index < 0) continue;
    update(button, BtnStateFromRecord(defs[k].btnState, defs[k].index));
  }
  for (CKeyButton* button : m_userFunctions)
    update(button, UserFunctionBtnState(fixedCount + button->userFunctionNumber));
}

void CFuncDlg::SyncButtonsByName(CKeyButton* source, bool released) {
  if (m_functions.empty() || !source) return;
  const wxString name = source->GetCaptionKey();
  const std::uint16_t actionMask = CurrentActionMask();
  const std::uint16_t stateMask = CurrentStateMask();
  const int fixedCount = static_cast<int>(g_DocManage.FunctionBlocks.size());
  for (const auto* list : {&m_functions, &m_userFunctions}) {
    for (CKeyButton* button : *list) {
      if (button->GetCaptionKey().CmpNoCase(name) != 0) continue;
      button->drawState = 0;
      if (released) {
        // A function that follows its record takes its states from it again.
        if (button->BtnState & keymask::kFromRecord)
          button->BtnState = BtnStateFromRecord(keymask::kFromRecord, button->functionNumber);
        else if (list == &m_userFunctions)
          button->BtnState = UserFunctionBtnState(fixedCount + button->userFunctionNumber);
      } else {
        button->keyCode = CKeyButton::kNone;
        button->twoKeyFlag = 0;
      }
      if (!IsUsableNow(button->BtnMode, button->BtnState, actionMask, stateMask)) button->drawState = 2;
      button->Redraw();
    }
  }
}

bool CFuncDlg::DropOnKeyPanel(const wxPoint& screenPoint, CKeyButton* dragged) {
  IKeyPanel* keys = m_keyPanel ? m_keyPanel() : nullptr;
  if (keys && keys->DropFunction(screenPoint, dragged)) return true;
  SyncButtonsByName(dragged, true);
  return false;
}

void CFuncDlg::ReportUserFunction(int index) {
  const std::vector<stFunctionBlock>& blocks = g_DocManage.UserFunctionBlocks;
  CKeyButton* button = FindByNumber(1, index);
  if (!button || index < 0 || static_cast<std::size_t>(index) >= blocks.size()) return;
  button->SetCaptionKey(blocks[static_cast<std::size_t>(index)].Text, true);
  if (!button->IsAssigned()) return;
  CShellMessageEvent set(WM_FUNC_BTN_SET, 0, reinterpret_cast<wxIntPtr>(button));
  set.SetString(button->GetCaptionKey());
  GetParent()->GetEventHandler()->ProcessEvent(set);
}

void CFuncDlg::ReportAssignments() {
  for (CKeyButton* button : m_userFunctions) {
    if (button->IsAssigned()) ReportUserFunction(button->userFunctionNumber);
  }
  for (CKeyButton* button : m_functions) {
    if (!button->IsAssigned()) continue;
    CShellMessageEvent set(WM_FUNC_BTN_SET, 0, reinterpret_cast<wxIntPtr>(button));
    set.SetString(button->GetCaptionKey());
    GetParent()->GetEventHandler()->ProcessEvent(set);
  }
}

CKeyButton* CFuncDlg::FindAssignedFunction(int key, std::uint16_t actionMask, std::uint16_t stateMask) const {
  for (const auto* list : {&m_functions, &m_userFunctions}) {
    for (CKeyButton* button : *list) {
      if (button->IsAssigned() && button->GetAssignedKey() == key &&
          IsUsableNow(button->BtnMode, button->BtnState, actionMask, stateMask))
        return button;
    }
  }
  return nullptr;
}

CKeyButton* CFuncDlg::FindForCurrentAction(int key) const {
  return FindAssignedFunction(key, CurrentActionMask(), CurrentStateMask());
}

CKeyButton* CFuncDlg::FindTwoKeyFunction(int key) const {
  for (const auto* list : {&m_functions, &m_userFunctions}) {
    for (CKeyButton* button : *list) {
      if (button->IsAssigned() && button->GetAssignedKey() == key && (button->BtnMode & keymask::kTwoKeys))
        return button;
    }
  }
  return nullptr;
}

CKeyButton* CFuncDlg::FindByKey(int key) const {
  for (const auto* list : {&m_functions, &m_userFunctions}) {
    for (CKeyButton* button : *list) {
      if (button->IsAssigned() && button->GetAssignedKey() == key) return button;
    }
  }
  return nullptr;
}

int CFuncDlg::FindIndexByName(const wxString& captionKey, int& list) const {
  for (int which = 0; which < 2; ++which) {
    const std::vector<CKeyButton*>& buttons = List(which);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i]->GetCaptionKey().CmpNoCase(captionKey) == 0) {
        list = which;
        return static_cast<int>(i);
      }
    }
  }
  return -1;
}

CKeyButton* CFuncDlg::FindByNumber(int list, int number) const {
  if (number == CKeyButton::kNone) return nullptr;
  for (CKeyButton* button : List(list)) {
    if ((list == 0 ? button->functionNumber : button->userFunctionNumber) == number) return button;
  }
  return nullptr;
}

wxString CFuncDlg::GetFunctionName(int list, int number) const {
  const CKeyButton* button = FindByNumber(list, number);
  return button ? button->GetCaptionKey() : wxString();
}

std::uint16_t CFuncDlg::GetBtnState(int list, int number) const {
  const CKeyButton* button = FindByNumber(list, number);
  return button ? button->BtnState : 0;
}

std::uint16_t CFuncDlg::GetBtnMode(int list, int number) const {
  const CKeyButton* button = FindByNumber(list, number);
  return button ? button->BtnMode : 0;
}

bool CFuncDlg::BeginEnum(int list) {
  m_enumPosition = List(list).empty() ? -1 : 0;
  return m_enumPosition == 0;
}

bool CFuncDlg::GetNextButton(CKeyButton*& button, int list) {
  const std::vector<CKeyButton*>& buttons = List(list);
  if (m_enumPosition < 0 || static_cast<std::size_t>(m_enumPosition) >= buttons.size()) return false;
  button = buttons[static_cast<std::size_t>(m_enumPosition)];
  ++m_enumPosition;
  return static_cast<std::size_t>(m_enumPosition) < buttons.size();
}
