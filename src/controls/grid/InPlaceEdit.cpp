#include "controls/grid/InPlaceEdit.h"

#include "controls/grid/GridEvents.h"
#include "controls/grid/InPlaceEditRules.h"

#include <wx/app.h>

namespace {

// One edit reports at a time, whichever editor it is.
bool g_endingEdit = false;

bool IsArrowOrPage(int key) {
  return key == WXK_PAGEUP || key == WXK_PAGEDOWN || key == WXK_UP || key == WXK_DOWN || key == WXK_LEFT ||
         key == WXK_RIGHT;
}

}  // namespace

CInPlaceEdit::CInPlaceEdit(wxWindow* parent, const GridRect& rect, long style, wxWindowID id, int row,
                           int col, const wxString& initText, int firstChar, long extraStyle)
    : m_row(row),
      m_col(col),
      m_initText(initText),
      m_exitOnArrows(firstChar != kGridEditByMouse),
      m_rect(rect),
      m_extraStyle(extraStyle) {
  Create(parent, id, initText, wxPoint(rect.left, rect.top), wxSize(rect.Width() + 1, rect.Height() + 1),
         style | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB | wxBORDER_SIMPLE);
  if (parent) SetFont(parent->GetFont());
  Bind(wxEVT_CHAR_HOOK, &CInPlaceEdit::OnCharHook, this);
  Bind(wxEVT_KEY_DOWN, &CInPlaceEdit::OnKeyDown, this);
  Bind(wxEVT_CHAR, &CInPlaceEdit::OnChar, this);
  Bind(wxEVT_TEXT, &CInPlaceEdit::OnTextChanged, this);
  Bind(wxEVT_KILL_FOCUS, &CInPlaceEdit::OnKillFocus, this);
  Bind(wxEVT_TEXT_PASTE, &CInPlaceEdit::OnPaste, this);
  SetFocus();
  ApplyFirstChar(firstChar);
}

CInPlaceEdit::~CInPlaceEdit() = default;

void CInPlaceEdit::ApplyFirstChar(int firstChar) {
  switch (ClassifyEditStart(firstChar)) {
    case EditStart::CaretAtEnd:
      SetInsertionPointEnd();
      ShowPosition(GetLastPosition());
      break;
    case EditStart::DeleteLast: {
      const long end = GetLastPosition();
      if (end > 0) Remove(end - 1, end);
      SetInsertionPointEnd();
      break;
    }
    case EditStart::SelectAll: SelectAll(); break;
    case EditStart::ReplaceWithChar: {
      SelectAll();
      const wxString typed(static_cast<wxChar>(firstChar));
      if (AcceptsText(typed)) WriteText(typed);
      break;
    }
  }
}

bool CInPlaceEdit::AcceptsText(const wxString& text) {
  if (!(m_extraStyle & kInPlaceEditNumbers)) return true;
  for (const wxUniChar ch : text) {
    if (ch < '0' || ch > '9') return false;
  }
  return true;
}

wxString CInPlaceEdit::TextWithTyped(wxChar ch) const {
  long from = 0;
  long to = 0;
  GetSelection(&from, &to);
  wxString text = GetValue();
  if (from == to) from = to = GetInsertionPoint();
  text.replace(from, to - from, wxString(ch));
  return text;
}

// Escape, Enter and Tab are the editor's own even inside a dialog.
void CInPlaceEdit::OnCharHook(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (key == WXK_ESCAPE || key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_TAB) {
    event.DoAllowNextEvent();
    return;
  }
  event.Skip();
}

void CInPlaceEdit::OnKeyDown(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (IsArrowOrPage(key) && (m_exitOnArrows || event.ControlDown())) {
    EndByKey(key);
    return;
  }
  event.Skip();
}

void CInPlaceEdit::OnChar(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (key == WXK_TAB || key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
    EndByKey(key == WXK_NUMPAD_ENTER ? WXK_RETURN : key);
    return;
  }
  if (key == WXK_ESCAPE) {
    ChangeValue(m_initText);
    EndByKey(WXK_ESCAPE);
    return;
  }
  const wxChar ch = event.GetUnicodeKey();
  if (ch >= 32 && ch != WXK_DELETE && !AcceptsText(TextWithTyped(ch))) return;
  event.Skip();
}

// The editor grows to the right (within the grid) to show its text.
void CInPlaceEdit::OnTextChanged(wxCommandEvent& event) {
  event.Skip();
  GrowToFit();
}

void CInPlaceEdit::GrowToFit() {
  const int width = GetTextExtent(GetValue() + "  ").x;
  const wxRect current = GetRect();
  if (width <= current.width) return;
  int right = current.x + width;
  if (wxWindow* parent = GetParent()) right = std::min(right, parent->GetClientSize().x);
  if (right - current.x <= current.width) return;
  SetSize(current.x, current.y, right - current.x, current.height);
  m_rect.right = right - 1;
  Refresh();
}

// A paste that typing could not have made is taken back.
void CInPlaceEdit::OnPaste(wxClipboardTextEvent& event) {
  event.Skip();
  CallAfter([this, before = GetValue()]() {
    if (m_ended || AcceptsText(GetValue())) return;
    ChangeValue(before);
    SetInsertionPointEnd();
  });
}

void CInPlaceEdit::EndByKey(int key) {
  m_lastKey = key;
  if (wxWindow* parent = GetParent()) parent->SetFocus();
  EndEdit();
}

void CInPlaceEdit::OnKillFocus(wxFocusEvent& event) {
  event.Skip();
  EndEdit();
}

void CInPlaceEdit::EndEdit() {
  if (g_endingEdit || m_ended) return;
  g_endingEdit = true;
  m_ended = true;
  PrepareTextForEnd();
  GridDispInfo info;
  info.item.row = m_row;
  info.item.col = m_col;
  info.item.mask = GVIF_TEXT | GVIF_PARAM;
  info.item.lParam = m_lastKey;
  info.item.strText = GetValue();
  // Out of the way first, so that an edit the notice starts next gets the focus.
  Hide();
  wxWindow* owner = GetParent();
  if (owner && !owner->IsBeingDeleted()) {
    CGridNotifyEvent notice(OLV_EVT_GRID_NOTIFY, GetId());
    notice.SetCode(GVN_ENDLABELEDIT);
    notice.SetCell(m_row, m_col);
    notice.SetDispInfo(&info);
    notice.SetEventObject(this);
    owner->GetEventHandler()->ProcessEvent(notice);
  }
  g_endingEdit = false;
  if (!IsBeingDeleted()) wxTheApp->ScheduleForDestruction(this);
}

// ---- The hexadecimal editor ----

bool CInPlaceHexEdit::AcceptsText(const wxString& text) { return HexEditTextValid(text); }

void CInPlaceHexEdit::PrepareTextForEnd() { ChangeValue(NormalizeHexEditText(GetValue())); }
