// Keyboard input of the grid: focus moves with selection, clipboard keys,
// typing that starts an edit.
#include "controls/grid/GridCtrl.h"

#include "controls/grid/GridNavigation.h"
#include "controls/grid/TitleTip.h"

namespace {

bool ToMoveKey(int key, bool shift, GridMoveKey* move) {
  switch (key) {
    case WXK_DOWN: *move = GridMoveKey::Down; return true;
    case WXK_UP: *move = GridMoveKey::Up; return true;
    case WXK_RIGHT: *move = GridMoveKey::Right; return true;
    case WXK_LEFT: *move = GridMoveKey::Left; return true;
    case WXK_TAB: *move = shift ? GridMoveKey::ShiftTab : GridMoveKey::Tab; return true;
    case WXK_HOME: *move = GridMoveKey::Home; return true;
    case WXK_END: *move = GridMoveKey::End; return true;
    default: return false;
  }
}

}  // namespace

void CGridCtrl::OnKeyDown(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (!IsValid(m_focusCell)) {
    event.Skip();
    return;
  }
  if (event.ControlDown()) {
    switch (key) {
      case 'C':
      case WXK_INSERT: OnEditCopy(); return;
      case 'X': OnEditCut(); return;
      case 'V': OnEditPaste(); return;
      case 'A': OnEditSelectAll(); return;
      case WXK_ADD:
      case WXK_NUMPAD_ADD:
        AutoSizeColumns();
        Refresh();
        return;
      default: break;
    }
  }
  if (event.ShiftDown() && key == WXK_INSERT) {
    OnEditPaste();
    event.Skip();
    return;
  }
  if (!HandleNavigationKey(key, event.ShiftDown(), event.ControlDown())) event.Skip();
}

bool CGridCtrl::HandleNavigationKey(int key, bool shift, bool ctrl) {
  if (!IsValid(m_focusCell)) return false;
  if (key == WXK_DELETE) {
    CutSelectedText();
    return true;
  }
  if (key == WXK_F2) {
    OnEditCell(m_focusCell.row, m_focusCell.col, wxPoint(-1, -1), kGridEditByMouse);
    return true;
  }
  if (key == WXK_TAB && !m_handleTabKey) return false;
  if (key == WXK_TAB && !shift && m_leaveFocusOnTab) {
    Navigate(wxNavigationKeyEvent::IsForward);
    return true;
  }
  CCellID next = m_focusCell;
  bool wrapped = false;
  GridMoveKey move;
  if (key == WXK_PAGEDOWN || key == WXK_PAGEUP) {
    next.row = PageRowMove(key == WXK_PAGEDOWN);
  } else if (ToMoveKey(key, shift, &move)) {
    const GridKeyMove result = ComputeGridKeyMove(m_geometry, m_focusCell, move, ctrl);
    if (result.passOn) return false;
    next = result.next;
    wrapped = result.wrapped;
    if (key == WXK_HOME || key == WXK_END) {
      if (ctrl) ScrollGrid(true, key == WXK_HOME ? GridScrollCode::Top : GridScrollCode::Bottom);
      ScrollGrid(false, key == WXK_HOME ? GridScrollCode::Top : GridScrollCode::Bottom);
    }
  } else {
    return false;
  }
  MoveFocusByKey(next, key, shift, wrapped);
  return true;
}

// The row Page Down / Page Up moves the focus to: as far as the top-left
// cell moved, or to the last / first data row when it could not move.
int CGridCtrl::PageRowMove(bool down) {
  const int before = GetTopleftNonFixedCell().row;
  ScrollGrid(true, down ? GridScrollCode::PageDown : GridScrollCode::PageUp);
  const int after = GetTopleftNonFixedCell(true).row;
  const int row = m_focusCell.row + (after - before);
  if (after != before) {
    return down ? std::min(row, GetRowCount() - 1) : std::max(row, GetFixedRowCount());
  }
  return down ? GetRowCount() - 1 : GetFixedRowCount();
}

void CGridCtrl::MoveFocusByKey(const CCellID& next, int key, bool shift, bool wrapped) {
  if (next == m_focusCell) return;
  if (m_mouseMode == MOUSE_NOTHING) {
    m_prevSelectedCellMap.clear();
    m_mouseMode = m_listMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
    if (!shift || key == WXK_TAB) m_selectionStartCell = next;
    SendMessageToParent(next.row, next.col, GVN_SELCHANGING);
    OnSelecting(next);
    SendMessageToParent(next.row, next.col, GVN_SELCHANGED);
    m_mouseMode = MOUSE_NOTHING;
  }
  SetFocusCell(next);
  if (!IsCellVisible(next)) {
    if (wrapped && key == WXK_TAB && !shift) SetScrollPos32(false, 0);
    if (wrapped && key == WXK_TAB && shift) SetScrollPos32(false, GetScrollMax(false));
  }
  EnsureVisible(next);
}

void CGridCtrl::OnChar(wxKeyEvent& event) {
  const int ch =
      event.GetUnicodeKey() != WXK_NONE ? static_cast<int>(event.GetUnicodeKey()) : event.GetKeyCode();
  if (event.ControlDown() || m_mouseMode != MOUSE_NOTHING || ch == WXK_ESCAPE) {
    event.Skip();
    return;
  }
  if (ch == WXK_TAB && m_handleTabKey) {
    event.Skip();
    return;
  }
  if (IsValid(m_focusCell)) OnEditCell(m_focusCell.row, m_focusCell.col, wxPoint(-1, -1), ch);
  event.Skip();
}

// The end-of-edit notice of the in-place editor.
void CGridCtrl::OnEndInPlaceEdit(CGridNotifyEvent& event) {
  if (event.GetCode() != GVN_ENDLABELEDIT || !event.GetDispInfo() || m_inDestructor) {
    event.Skip();
    return;
  }
  const GridItem item = event.GetDispInfo()->item;
  event.SetResult(0);
  OnEndEditCell(item.row, item.col, item.strText);
  const int key = static_cast<int>(item.lParam);
  switch (key) {
    case WXK_TAB:
    case WXK_PAGEUP:
    case WXK_PAGEDOWN:
    case WXK_END:
    case WXK_HOME:
    case WXK_LEFT:
    case WXK_UP:
    case WXK_RIGHT:
    case WXK_DOWN:
      if (HandleNavigationKey(key, false, false))
        OnEditCell(m_focusCell.row, m_focusCell.col, wxPoint(-1, -1), key);
      break;
    default: break;
  }
}
