#include "keys/pages/KeyButton.h"

#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyConfigDlg.h"
#include "ui/FuncBtn.h"
#include "ui/shell/PageMessages.h"

#include <wx/dcbuffer.h>

bool CKeyButton::s_dragging = false;

namespace {

wxColour FromColorRef(std::uint32_t value) {
  return wxColour(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

stKeyEnableQueries ServiceQueries() {
  stKeyEnableQueries queries;
  queries.isTimeShowEnabled = [] { return GetFuncBtnServices().IsTimeShowEnabled(); };
  queries.isInSendData = [](int number, int list) {
    return GetFuncBtnServices().IsAirFuncInSendData(number, list);
  };
  return queries;
}

// The least size a caption is made smaller to, in points.
constexpr int kSmallestCaptionPoints = 6;
// Room kept free beside the caption, inside the frame.
constexpr int kCaptionPadding = 4;

}  // namespace

CKeyButton::CKeyButton(wxWindow* parent, wxWindowID id, const wxString& text, const wxRect& rect,
                       int buttonRole)
    : wxControl(parent, id, rect.GetPosition(), rect.GetSize(), wxBORDER_NONE) {
  role = buttonRole;
  SetLabel(text);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CKeyButton::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CKeyButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CKeyButton::OnLeftUp, this);
  Bind(wxEVT_MOTION, &CKeyButton::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &CKeyButton::OnLeave, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CKeyButton::OnCaptureLost, this);
}

CKeyButton::~CKeyButton() {
  if (HasCapture()) ReleaseMouse();
  if (CKeyConfigDlg* page = Page(); page && page->GetDragSource() == this) page->SetDragSource(nullptr);
}

CKeyConfigDlg* CKeyButton::Page() const {
  for (wxWindow* window = GetParent(); window; window = window->GetParent()) {
    if (auto* page = dynamic_cast<CKeyConfigDlg*>(window)) return page;
  }
  return nullptr;
}

void CKeyButton::Redraw() {
  Refresh();
  Update();
}

void CKeyButton::SetCaptionKey(const wxString& key, bool redraw) {
  if (!multiSlot) SetCaptionKeyText(key);
  if (role == kRoleFunction) ApplyLanguage();
  if (redraw) Redraw();
}

void CKeyButton::ApplyLanguage() {
  const wxString text = GetLangText(GetCaptionKey());
  SetLabel(text);
  SetToolTip(text);
  Refresh();
}

bool CKeyButton::CheckSlotsFree(std::uint16_t actionMask, std::uint16_t stateMask) {
  if (!AnySlotTaken(actionMask, stateMask)) return false;
  LangMessageBox("IDS_CONFIG_ALREADY");
  return true;
}

void CKeyButton::ClearAssignment(bool redraw) {
  if (multiSlot) {
    CKeyConfigDlg* page = Page();
    CFuncDlg* panel = page ? page->GetFuncPanel() : nullptr;
    CKeyButton* function = nullptr;
    if (panel) {
      const int list = GetUserFunctionNumber() != kNone ? 1 : 0;
      const int number = list ? GetUserFunctionNumber() : GetFunctionIndex();
      function = panel->FindByNumber(list, number);
    }
    if (function) ClearKeyMarks(function->BtnState, function->BtnMode);
  } else {
    keyCode = kNone;
  }
  twoKeyFlag = 0;
  drawState = 0;
  if (redraw) Redraw();
}

void CKeyButton::ApplyOutcome(const stKeyEnableOutcome& outcome) {
  if (outcome.disabled >= 0) disabledFlag = outcome.disabled;
  if (outcome.windowEnabled >= 0) Enable(outcome.windowEnabled != 0);
}

int CKeyButton::EvaluateEnable(int listSelector) {
  const stKeyEnableOutcome outcome = EvaluateKeyEnable(enableExpression, listSelector, ServiceQueries());
  ApplyOutcome(outcome);
  return outcome.evaluateResult;
}

int CKeyButton::ApplyEnable(int listSelector) {
  const stKeyEnableOutcome outcome = EvaluateKeyEnable(enableExpression, listSelector, ServiceQueries());
  ApplyOutcome(outcome);
  return outcome.applyResult;
}

// --- Drawing.

void CKeyButton::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  Draw(dc);
}

CKeyButton::stShownCaption CKeyButton::ShownCaption(wxDC& dc) const {
  stShownCaption shown{GetLangText(GetCaptionKey()), GetFont()};
  if (shown.text.empty()) return shown;
  const wxSize room = GetClientSize() - wxSize(kCaptionPadding, 2);
  dc.SetFont(shown.font);
  wxSize extent = dc.GetTextExtent(shown.text);
  while ((extent.x > room.x || extent.y > room.y) && shown.font.GetPointSize() > kSmallestCaptionPoints) {
    shown.font.SetPointSize(shown.font.GetPointSize() - 1);
    dc.SetFont(shown.font);
    extent = dc.GetTextExtent(shown.text);
  }
  if (extent.x > room.x) shown.text = wxControl::Ellipsize(shown.text, dc, wxELLIPSIZE_END, room.x);
  return shown;
}

void CKeyButton::Draw(wxDC& dc) {
  const wxRect rect(GetClientSize());
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(wxBrush(FromColorRef(GetBkColor(drawState))));
  dc.DrawRectangle(rect);
  dc.SetTextForeground(FromColorRef(GetTextColor(drawState)));
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  if (GetCaptionKey().empty()) return;
  const stShownCaption shown = ShownCaption(dc);
  dc.SetFont(shown.font);
  dc.DrawLabel(shown.text, rect, wxALIGN_CENTER);
}

// --- Dragging.

bool CKeyButton::IgnoresPress() const {
  if (role == kRoleFunction) return IsAssigned() || drawState == 2;
  if (role == kRoleCell) return GetCaptionKey().empty();
  return IsCurrentActionEmpty();
}

void CKeyButton::OnLeftDown(wxMouseEvent& event) {
  CKeyConfigDlg* page = Page();
  if (IgnoresPress() || !page) {
    event.Skip();
    return;
  }
  if (role == kRoleKey) {
    SendShellMessage(page, WM_KEY_FUNC_ASSIGN, 5, reinterpret_cast<wxIntPtr>(this));
    twoKeyFlag = 0;
    keyCode = kNone;
    drawState = 0;
    RemoveCurrentAction();
    functionNumber = kNone;
    userFunctionNumber = kNone;
    BtnState = 0;
    BtnMode = 0;
    Redraw();
  } else {
    SendShellMessage(page, WM_KEY_FUNC_ASSIGN, 6, reinterpret_cast<wxIntPtr>(this));
  }
  if (g_DocManage.Keypad == 1) {
    const wxPoint screen = ClientToScreen(event.GetPosition());
    SendShellMessage(GetParent(), WM_KEYSET_HITTEST, screen.x, screen.y);
  }
  s_dragging = true;
  if (!HasCapture()) CaptureMouse();
}

void CKeyButton::OnMotion(wxMouseEvent& event) {
  if (!m_tracking) m_tracking = true;
  if (event.LeftIsDown()) return;
  if (role == kRoleKey && !IsCurrentActionEmpty())
    SendShellMessage(GetParent(), WM_KEYBTN_NOTIFY, 1, reinterpret_cast<wxIntPtr>(this));
}

void CKeyButton::OnLeftUp(wxMouseEvent& event) {
  if (!s_dragging) {
    event.Skip();
    return;
  }
  const wxPoint screen = ClientToScreen(event.GetPosition());
  EndDrag();
  CKeyConfigDlg* page = Page();
  if (!page) return;
  CKeyButton* dragged = page->GetDragSource();
  if (role == kRoleCell) {
    IKeySetPanel* cells = page->GetKeySetPanel();
    wxString text;
    int flag = 0;
    const wxString name = dragged ? dragged->GetCaptionKey() : wxString();
    if (!cells || !cells->DropName(screen, name, flag, text)) return;
    if (dragged) dragged->SetCaptionKey(flag == 1 ? text : wxString(), true);
    cells->RefreshCells();
    CShellMessageEvent pin(WM_KEY_PIN_CHANGED, 0, flag == 1 ? 0 : 1);
    pin.SetString(name);
    page->GetEventHandler()->ProcessEvent(pin);
    SendShellMessage(page, WM_KEYCFG_REFRESH);
    page->SetDragSource(nullptr);
    cells->EndCellDrag();
    return;
  }
  if (dragged && page->GetFuncPanel()) {
    const bool taken = page->GetFuncPanel()->DropOnKeyPanel(screen, dragged);
    if (!taken && role == kRoleKey)
      SendShellMessage(GetParent(), WM_KEYBTN_NOTIFY, 0, reinterpret_cast<wxIntPtr>(this));
  }
  page->SetDragSource(nullptr);
  page->MarkModified();
}

void CKeyButton::OnLeave(wxMouseEvent& event) {
  event.Skip();
  // While dragging the button holds the mouse: a leave then is the pointer
  // moving on towards its target, not the end of the drag.
  m_tracking = false;
}

void CKeyButton::OnCaptureLost(wxMouseCaptureLostEvent&) { s_dragging = false; }

void CKeyButton::EndDrag() {
  s_dragging = false;
  SetCursor(wxNullCursor);
  if (HasCapture()) ReleaseMouse();
}
