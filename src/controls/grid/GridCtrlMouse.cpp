// Mouse input of the grid: selection by clicks and drags, sizing rows and
// columns at their dividers, clicks on the header cells, editing on a click
// into the focus cell's text, the start of a drag, the title tip.
#include "controls/grid/GridCtrl.h"

#include "controls/grid/GridDropTarget.h"
#include "controls/grid/TitleTip.h"
#include "core/LangText.h"

void CGridCtrl::BindInputEvents() {
  Bind(wxEVT_LEFT_DOWN, &CGridCtrl::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CGridCtrl::OnLeftUp, this);
  Bind(wxEVT_MOTION, &CGridCtrl::OnMouseMove, this);
  Bind(wxEVT_LEFT_DCLICK, &CGridCtrl::OnLeftDClick, this);
  Bind(wxEVT_RIGHT_DOWN, &CGridCtrl::OnRightDown, this);
  Bind(wxEVT_RIGHT_UP, &CGridCtrl::OnRightUp, this);
  Bind(wxEVT_MOUSEWHEEL, &CGridCtrl::OnMouseWheel, this);
  Bind(wxEVT_SET_CURSOR, &CGridCtrl::OnSetCursorEvent, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGridCtrl::OnCaptureLost, this);
  Bind(wxEVT_TIMER, &CGridCtrl::OnAutoScrollTimer, this, kAutoScrollTimerId);
  Bind(wxEVT_KEY_DOWN, &CGridCtrl::OnKeyDown, this);
  Bind(wxEVT_CHAR, &CGridCtrl::OnChar, this);
  Bind(OLV_EVT_GRID_NOTIFY, &CGridCtrl::OnEndInPlaceEdit, this, kInPlaceEditId);
  m_autoScrollTimer.SetOwner(this, kAutoScrollTimerId);
}

// ---- Hot zones ----

bool CGridCtrl::IsOverColumnDivider(const wxPoint& point) {
  if (point.y >= GetFixedRowHeight()) return false;
  const CCellID cell = GetCellFromPt(point);
  wxPoint origin;
  if (!IsValid(cell) || !GetCellOrigin(cell, &origin)) return false;
  if (point.x - origin.x < m_resizeCaptureRange && cell.col != 0) return true;
  return origin.x + GetColumnWidth(cell.col) - point.x < m_resizeCaptureRange;
}

bool CGridCtrl::IsOverRowDivider(const wxPoint& point) {
  if (point.x >= GetFixedColumnWidth()) return false;
  const CCellID cell = GetCellFromPt(point);
  wxPoint origin;
  if (!IsValid(cell) || !GetCellOrigin(cell, &origin)) return false;
  if (point.y - origin.y < m_resizeCaptureRange && cell.row != 0) return true;
  return origin.y + GetRowHeight(cell.row) - point.y < m_resizeCaptureRange;
}

bool CGridCtrl::IsPointInCellText(const CCellID& cell, const wxPoint& point) {
  CGridCellBase* object = GetCell(cell.row, cell.col);
  GridRect rect;
  if (!object || !GetCellRect(cell, &rect)) return false;
  if (!object->GetTextRect(&rect)) return false;
  return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}

// The column whose right border the point is on (the one to the left when
// the point is near a column's left edge), past hidden columns when they may
// not be unhidden; -1 when there is none.
int CGridCtrl::SizedColumnAt(const wxPoint& point) {
  CCellID cell = GetCellFromPt(point);
  if (!IsValid(cell)) {
    // Right of the last column: its own right border.
    if (GetColumnCount() > 0 && GetColumnWidth(GetColumnCount() - 1) < m_resizeCaptureRange) {
      return GetColumnCount() - 1;
    }
    return -1;
  }
  wxPoint origin;
  GetCellOrigin(cell, &origin);
  int col = cell.col;
  if (point.x - origin.x < m_resizeCaptureRange) --col;
  if (!m_hiddenColUnhide) {
    while (col > 0 && GetColumnWidth(col) == 0) --col;
  }
  return col;
}

int CGridCtrl::SizedRowAt(const wxPoint& point) {
  const CCellID cell = GetCellFromPt(point);
  if (!IsValid(cell)) {
    if (GetRowCount() > 0 && GetRowHeight(GetRowCount() - 1) < m_resizeCaptureRange) return GetRowCount() - 1;
    return -1;
  }
  wxPoint origin;
  GetCellOrigin(cell, &origin);
  int row = cell.row;
  if (point.y - origin.y < m_resizeCaptureRange) --row;
  if (!m_hiddenRowUnhide) {
    while (row > 0 && GetRowHeight(row) == 0) --row;
  }
  return row;
}

bool CGridCtrl::BeginColumnSizing(const wxPoint& point) {
  const int col = SizedColumnAt(point);
  if (col < 0) return false;
  m_mouseMode = MOUSE_SIZING_COL;
  m_leftClickDownCell = CCellID(m_leftClickDownCell.row, col);
  m_sizingTrackerPos = point.x;
  Refresh(false);
  m_lastMousePoint = point;
  return true;
}

bool CGridCtrl::BeginRowSizing(const wxPoint& point) {
  const int row = SizedRowAt(point);
  if (row < 0) return false;
  m_mouseMode = MOUSE_SIZING_ROW;
  m_leftClickDownCell = CCellID(row, m_leftClickDownCell.col);
  m_sizingTrackerPos = point.y;
  Refresh(false);
  m_lastMousePoint = point;
  return true;
}

// The size becomes the distance from the sized cell's origin to the point.
void CGridCtrl::FinishSizing(const wxPoint& point) {
  const bool column = m_mouseMode == MOUSE_SIZING_COL;
  m_sizingTrackerPos = -1;
  Refresh(false);
  if (point == m_leftClickDownPoint || point == wxPoint(0, 0)) return;
  const int index = column ? m_leftClickDownCell.col : m_leftClickDownCell.row;
  wxPoint origin;
  const CCellID sized = column ? CCellID(0, index) : CCellID(index, 0);
  if (!GetCellOrigin(sized, &origin)) return;
  const bool mayHide = column ? m_allowColHide : m_allowRowHide;
  const int size = std::max(column ? point.x - origin.x : point.y - origin.y, mayHide ? 0 : 1);
  if (column) {
    SetColumnWidth(index, size);
  } else {
    SetRowHeight(index, size);
  }
  ResetScrollBars();
  Refresh();
}

void CGridCtrl::DrawSizingTracker(wxDC& dc) {
  if (m_sizingTrackerPos < 0) return;
  const wxSize client = GetClientSize();
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxBLACK_BRUSH);
  if (m_mouseMode == MOUSE_SIZING_COL) dc.DrawRectangle(m_sizingTrackerPos, 0, 2, client.y);
  if (m_mouseMode == MOUSE_SIZING_ROW) dc.DrawRectangle(0, m_sizingTrackerPos, client.x, 2);
}

// ---- Buttons ----

void CGridCtrl::OnLeftDown(wxMouseEvent& event) {
  const wxPoint point = event.GetPosition();
  SetFocus();
  m_leftClickDownPoint = point;
  m_draggedColumn = -1;
  m_leftButtonDown = true;
  m_leftClickDownCell = GetCellFromPt(point);
  if (!IsValid(m_leftClickDownCell)) return;
  m_draggedRow = m_leftClickDownCell.row;

  if (event.ShiftDown()) {
    if (!IsValid(m_selectionStartCell)) m_selectionStartCell = m_focusCell;
  } else {
    m_selectionStartCell = m_leftClickDownCell;
  }

  EndEditing();
  const CCellID clicked = m_leftClickDownCell;
  CGridCellBase* cell = GetCell(clicked.row, clicked.col);
  if (cell) cell->OnClickDown(GetPointClicked(clicked.row, clicked.col, point));
  // The cell's click may have changed the grid (a button cell deletes its row).
  if (!IsValid(clicked) || GetCell(clicked.row, clicked.col) != cell || m_leftClickDownCell != clicked) {
    m_mouseMode = MOUSE_NOTHING;
    return;
  }
  const bool inText = IsPointInCellText(clicked, point);

  if (clicked == m_focusCell && !event.ControlDown() && inText && IsCellEditable(clicked)) {
    m_mouseMode = MOUSE_PREPARE_EDIT;
    return;
  }
  if (IsCellSelected(clicked)) {
    SetFocusCell(clicked);
    if (event.ControlDown()) {
      if (m_listMode) {
        SelectRows(clicked, true, false);
      } else {
        SelectCells(clicked, true, false);
      }
      return;
    }
    if (m_allowDragAndDrop) m_mouseMode = MOUSE_PREPARE_DRAG;
  } else if (m_mouseMode != MOUSE_OVER_COL_DIVIDE && m_mouseMode != MOUSE_OVER_ROW_DIVIDE) {
    if (IsCellFixed(clicked.row, clicked.col)) {
      SetFocusCell(-1, -1);
    } else {
      SetFocusCell(clicked);
    }
  }

  if (!HasCapture()) CaptureMouse();
  if (m_mouseMode == MOUSE_NOTHING) {
    if (m_allowColumnResize && IsOverColumnDivider(point)) {
      SetCursor(wxCursor(wxCURSOR_SIZEWE));
      m_mouseMode = MOUSE_OVER_COL_DIVIDE;
    } else if (m_allowRowResize && IsOverRowDivider(point)) {
      SetCursor(wxCursor(wxCURSOR_SIZENS));
      m_mouseMode = MOUSE_OVER_ROW_DIVIDE;
    }
  }
  if (m_mouseMode == MOUSE_OVER_COL_DIVIDE) {
    if (!BeginColumnSizing(point)) m_mouseMode = MOUSE_NOTHING;
    return;
  }
  if (m_mouseMode == MOUSE_OVER_ROW_DIVIDE) {
    if (!BeginRowSizing(point)) m_mouseMode = MOUSE_NOTHING;
    return;
  }
  if (m_mouseMode != MOUSE_PREPARE_DRAG) StartSelectionAt(point, event);
  m_lastMousePoint = point;
}

void CGridCtrl::StartSelectionAt(const wxPoint& point, const wxMouseEvent& event) {
  const CCellID clicked = m_leftClickDownCell;
  SendMessageToParent(clicked.row, clicked.col, GVN_SELCHANGING);
  m_prevSelectedCellMap.clear();
  if (event.ControlDown()) m_prevSelectedCellMap = m_selectedCellMap;

  if (clicked.row < GetFixedRowCount()) {
    OnFixedRowClick(m_leftClickDownCell);
    if (m_allowReorderColumn && clicked.col >= GetFixedColumnCount()) {
      ResetSelectedRange();
      m_mouseMode = MOUSE_PREPARE_DRAG;
      m_draggedColumn = clicked.col;
    }
  } else if (clicked.col >= GetFixedColumnCount()) {
    m_mouseMode = m_listMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
    OnSelecting(clicked);
    m_autoScrollTimer.Start(m_timerInterval);
  } else {
    OnFixedColumnClick(m_leftClickDownCell);
  }
  m_lastMousePoint = point;
}

void CGridCtrl::ReleaseGridMouse() {
  if (HasCapture()) ReleaseMouse();
  m_autoScrollTimer.Stop();
}

void CGridCtrl::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  const wxPoint point = event.GetPosition();
  m_leftButtonDown = false;
  ReleaseGridMouse();

  wxPoint origin;
  wxPoint relative(0, 0);
  if (GetCellOrigin(m_focusCell, &origin)) relative = point - origin;

  switch (m_mouseMode) {
    case MOUSE_PREPARE_EDIT: OnEditCell(m_focusCell.row, m_focusCell.col, relative, kGridEditByMouse); break;
    case MOUSE_PREPARE_DRAG: {
      if (CGridCellBase* cell = GetCell(m_focusCell.row, m_focusCell.col)) cell->OnClick(relative);
      SendMessageToParent(m_leftClickDownCell.row, m_leftClickDownCell.col, GVN_CLICK);
      SendMessageToParent(m_leftClickDownCell.row, m_leftClickDownCell.col, GVN_SELCHANGING);
      ResetSelectedRange();
      SendMessageToParent(m_focusCell.row, m_focusCell.col, GVN_SELCHANGED);
      break;
    }
    case MOUSE_SIZING_COL:
    case MOUSE_SIZING_ROW: FinishSizing(point); break;
    default:
      SendMessageToParent(m_focusCell.row, m_focusCell.col, GVN_SELCHANGED);
      if (CGridCellBase* cell = GetCell(m_focusCell.row, m_focusCell.col)) cell->OnClick(relative);
      SendMessageToParent(m_leftClickDownCell.row, m_leftClickDownCell.col, GVN_CLICK);
      break;
  }
  m_mouseMode = MOUSE_NOTHING;
  SetCursor(wxCursor(wxCURSOR_ARROW));
  if (IsValid(m_leftClickDownCell)) {
    wxWindow* owner = NotifyTarget();
    if (owner) {
      auto* clicked = new wxCommandEvent(wxEVT_BUTTON, GetId());
      clicked->SetEventObject(this);
      wxQueueEvent(owner->GetEventHandler(), clicked);
    }
  }
}

void CGridCtrl::OnMouseMove(wxMouseEvent& event) {
  const wxPoint point = event.GetPosition();
  const wxRect client(GetClientSize());
  if (!client.Contains(point) && m_mouseMode != MOUSE_DRAGGING) return;

  if (m_leftButtonDown && m_mouseMode != MOUSE_NOTHING) {
    if (!IsValid(m_leftClickDownCell)) {
      m_lastMousePoint = point;
      return;
    }
    switch (m_mouseMode) {
      case MOUSE_SELECT_ALL:
      case MOUSE_SELECT_COL:
      case MOUSE_SELECT_ROW:
      case MOUSE_SELECT_CELLS: ExtendSelectionTo(point); return;
      case MOUSE_SIZING_ROW:
        m_sizingTrackerPos = point.y;
        Refresh(false);
        break;
      case MOUSE_SIZING_COL:
        m_sizingTrackerPos = point.x;
        Refresh(false);
        break;
      case MOUSE_PREPARE_EDIT:
      case MOUSE_PREPARE_DRAG:
        m_mouseMode = MOUSE_PREPARE_DRAG;
        OnBeginDrag();
        break;
      default: break;
    }
    m_lastMousePoint = point;
    return;
  }

  if (m_allowColumnResize && IsOverColumnDivider(point)) {
    if (m_mouseMode != MOUSE_OVER_COL_DIVIDE) SetCursor(wxCursor(wxCURSOR_SIZEWE));
    m_mouseMode = MOUSE_OVER_COL_DIVIDE;
  } else if (m_allowRowResize && IsOverRowDivider(point)) {
    if (m_mouseMode != MOUSE_OVER_ROW_DIVIDE) SetCursor(wxCursor(wxCURSOR_SIZENS));
    m_mouseMode = MOUSE_OVER_ROW_DIVIDE;
  } else if (m_mouseMode != MOUSE_NOTHING) {
    SetCursor(wxCursor(wxCURSOR_ARROW));
    m_mouseMode = MOUSE_NOTHING;
  }
  if (m_mouseMode == MOUSE_NOTHING) ShowTitleTipFor(point);
  m_lastMousePoint = point;
}

void CGridCtrl::ExtendSelectionTo(const wxPoint& point) {
  const CCellID cell = GetCellFromPt(point);
  if (!IsValid(cell)) return;
  if (cell != m_focusCell) {
    OnSelecting(cell);
    if ((cell.row < GetFixedRowCount() || cell.col < GetFixedColumnCount()) &&
        m_mouseMode != MOUSE_SELECT_COL && m_mouseMode != MOUSE_SELECT_ROW) {
      m_lastMousePoint = point;
      return;
    }
    SetFocusCell(cell);
  }
  m_lastMousePoint = point;
}

void CGridCtrl::ShowTitleTipFor(const wxPoint& point) {
  const CCellID cell = GetCellFromPt(point);
  if (m_virtualMode && !m_titleTips) return;
  CGridCellBase* object = GetCell(cell.row, cell.col);
  if (object) object->OnMouseOver();
  if (!m_titleTips || !object || m_rightButtonDown) return;
  const wxString tip = object->GetTipText();
  GridRect rect;
  if (tip.empty() || object->IsEditing() || !GetCellRect(cell, &rect)) return;
  GridRect textRect = rect;
  if (!object->GetTipTextRect(&textRect)) return;
  const wxFont* font = object->GetFontObject();
  TitleTip()->Show(textRect, GetLangText(tip), 0, &rect, font, m_titleTipTextColor, m_titleTipBackColor);
}

CTitleTip* CGridCtrl::TitleTip() {
  if (!m_titleTip) {
    m_titleTip = new CTitleTip();
    m_titleTip->Create(this);
  }
  return m_titleTip;
}

void CGridCtrl::OnLeftDClick(wxMouseEvent& event) {
  const wxPoint point = event.GetPosition();
  const CCellID cell = GetCellFromPt(point);
  if (!IsValid(cell)) return;
  if (m_mouseMode == MOUSE_OVER_COL_DIVIDE) {
    const int col = SizedColumnAt(point);
    if (col >= 0) AutoSizeColumn(col, m_autoSizeStyle, true);
    Refresh();
    return;
  }
  if (m_mouseMode == MOUSE_OVER_ROW_DIVIDE) {
    const int row = SizedRowAt(point);
    if (row >= 0) AutoSizeRow(row, true);
    Refresh();
    return;
  }
  if (m_mouseMode != MOUSE_NOTHING) {
    event.Skip();
    return;
  }
  const wxPoint relative = GetPointClicked(cell.row, cell.col, point);
  const bool inText = IsPointInCellText(cell, point);
  const bool fixed = IsCellFixed(cell.row, cell.col);
  if ((!fixed && IsValid(m_leftClickDownCell) && inText) || (m_listMode && !fixed && inText)) {
    OnEditCell(cell.row, cell.col, relative, kGridEditByMouse);
  }
  if (CGridCellBase* object = GetCell(cell.row, cell.col)) object->OnDblClick(relative);
  SendMessageToParent(cell.row, cell.col, GVN_DBLCLK);
}

void CGridCtrl::OnRightDown(wxMouseEvent& event) {
  event.Skip();
  m_rightButtonDown = true;
}

void CGridCtrl::OnRightUp(wxMouseEvent& event) {
  event.Skip();
  m_rightButtonDown = false;
  EndEditing();
  const CCellID cell = GetCellFromPt(event.GetPosition());
  if (!IsValid(cell)) {
    SendMessageToParent(-1, -1, GVN_RCLICK);
    return;
  }
  SetFocusCell(-1, -1);
  SetFocusCell(std::max(cell.row, GetFixedRowCount()), std::max(cell.col, GetFixedColumnCount()));
  if (CGridCellBase* object = GetCell(cell.row, cell.col))
    object->OnRClick(GetPointClicked(cell.row, cell.col, event.GetPosition()));
  SendMessageToParent(cell.row, cell.col, GVN_RCLICK);
}

void CGridCtrl::OnMouseWheel(wxMouseEvent& event) {
  const int delta = event.GetWheelRotation();
  const bool pages = m_rowsPerWheelNotch == -1;
  const int steps = pages ? delta / 120 : m_rowsPerWheelNotch * delta / 120;
  const GridScrollCode code = pages ? (steps > 0 ? GridScrollCode::PageUp : GridScrollCode::PageDown)
                                    : (steps > 0 ? GridScrollCode::LineUp : GridScrollCode::LineDown);
  for (int i = 0; i < std::abs(steps); ++i) ScrollGrid(true, code);
}

void CGridCtrl::OnSetCursorEvent(wxSetCursorEvent& event) {
  switch (m_mouseMode) {
    case MOUSE_OVER_ROW_DIVIDE:
    case MOUSE_SIZING_ROW: event.SetCursor(wxCursor(wxCURSOR_SIZENS)); return;
    case MOUSE_OVER_COL_DIVIDE:
    case MOUSE_SIZING_COL: event.SetCursor(wxCursor(wxCURSOR_SIZEWE)); return;
    case MOUSE_DRAGGING: return;
    default: break;
  }
  if (!m_virtualMode) {
    const CCellID cell = GetCellFromPt(wxPoint(event.GetX(), event.GetY()));
    if (CGridCellBase* object = GetCell(cell.row, cell.col)) {
      object->OnSetCursor();
      return;
    }
  }
  event.SetCursor(wxCursor(wxCURSOR_ARROW));
}

void CGridCtrl::OnCaptureLost(wxMouseCaptureLostEvent& event) {
  wxUnusedVar(event);
  m_autoScrollTimer.Stop();
  if (m_mouseMode == MOUSE_DRAGGING) m_mouseMode = MOUSE_NOTHING;
}

// Scrolls while a selection drag is held outside the cells, extending it.
void CGridCtrl::OnAutoScrollTimer(wxTimerEvent& event) {
  wxUnusedVar(event);
  const wxPoint point = ScreenToClient(wxGetMousePosition());
  const wxSize client = GetClientSize();
  const int fixedHeight = GetFixedRowHeight();
  const int fixedWidth = GetFixedColumnWidth();
  const int x = std::min(std::max(point.x, 0), client.x - 1);
  const int y = std::min(std::max(point.y, 0), client.y - 1);
  if (point.y >= client.y) {
    HandleNavigationKey(WXK_DOWN, false, false);
    OnSelecting(GetCellFromPt(wxPoint(x, client.y - 1)));
  } else if (point.y < fixedHeight) {
    HandleNavigationKey(WXK_UP, false, false);
    OnSelecting(GetCellFromPt(wxPoint(x, fixedHeight + 1)));
  }
  if (point.x >= client.x) {
    HandleNavigationKey(WXK_RIGHT, false, false);
    OnSelecting(GetCellFromPt(wxPoint(client.x - 1, y)));
  } else if (point.x < fixedWidth) {
    HandleNavigationKey(WXK_LEFT, false, false);
    OnSelecting(GetCellFromPt(wxPoint(fixedWidth + 1, y)));
  }
}
