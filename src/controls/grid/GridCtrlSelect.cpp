// The focus cell and the selection of the grid.
#include "controls/grid/GridCtrl.h"

#include <algorithm>
#include <vector>

bool CGridCtrl::IsCellSelectedBit(int row, int col) const {
  if (m_virtualMode) return m_selectedCellMap.count(GridCellKey(row, col)) != 0;
  return (GetItemState(row, col) & GVIS_SELECTED) != 0;
}

// Virtual mode keeps only the map; there is no cell state to read.
void CGridCtrl::SetCellSelected(int row, int col, bool selected) {
  const unsigned state = m_virtualMode ? 0u : GetItemState(row, col);
  SetItemState(row, col, selected ? (state | GVIS_SELECTED) : (state & ~GVIS_SELECTED));
}

void CGridCtrl::RedrawFixedCells(int row, int col) {
  if (col >= 0) {
    for (int fixedRow = 0; fixedRow < GetFixedRowCount(); ++fixedRow) RedrawCell(fixedRow, col);
  }
  if (row >= 0) {
    for (int fixedCol = 0; fixedCol < GetFixedColumnCount(); ++fixedCol) RedrawCell(row, fixedCol);
  }
}

// With focus tracking, the header cells of the focus row and column change
// their look: redraw those of cell where they differ from other.
void CGridCtrl::RedrawTrackedHeaders(const CCellID& cell, const CCellID& other) {
  if (!m_trackFocusCell) return;
  RedrawFixedCells(cell.row != other.row ? cell.row : -1, cell.col != other.col ? cell.col : -1);
}

CCellID CGridCtrl::SetFocusCell(int row, int col) {
  if (CCellID(row, col) == m_focusCell) return m_focusCell;
  if (row != -1 && row < GetFixedRowCount()) row = GetFixedRowCount();
  if (col != -1 && col < GetFixedColumnCount()) col = GetFixedColumnCount();
  const CCellID previous = m_focusCell;
  m_focusCell = CCellID(row, col);
  if (IsValid(previous)) {
    SetItemState(previous.row, previous.col, GetItemState(previous.row, previous.col) & ~GVIS_FOCUSED);
    RedrawCell(previous);
    RedrawTrackedHeaders(previous, m_focusCell);
  }
  if (IsValid(m_focusCell)) {
    SetItemState(row, col, GetItemState(row, col) | GVIS_FOCUSED);
    RedrawCell(m_focusCell);
    RedrawTrackedHeaders(m_focusCell, previous);
  }
  return previous;
}

void CGridCtrl::SetSelectedRange(const CellRange& range, bool forceRepaint, bool selectCells) {
  SetSelectedRange(range.minRow, range.minCol, range.maxRow, range.maxCol, forceRepaint, selectCells);
}

void CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, bool forceRepaint,
                                 bool selectCells) {
  if (!m_enableSelection) return;
  const CellRange visible = GetVisibleNonFixedCellRange();
  const CellRange visibleFixed = GetVisibleFixedCellRange();
  const auto redraw = [&](int row, int col) {
    if (visible.InRange(row, col) || visibleFixed.InRange(row, col)) InvalidateCellRect(row, col);
  };
  const auto clampTo = [](int value, int count) { return value >= count ? count - 1 : value; };
  minRow = clampTo(minRow, GetRowCount());
  maxRow = clampTo(maxRow, GetRowCount());
  minCol = clampTo(minCol, GetColumnCount());
  maxCol = clampTo(maxCol, GetColumnCount());
  const CellRange range(minRow, minCol, maxRow, maxCol);

  if (selectCells) {
    std::vector<CCellID> selected;
    selected.reserve(m_selectedCellMap.size());
    for (const auto& entry : m_selectedCellMap) selected.push_back(entry.second);
    for (const CCellID& cell : selected) {
      if (IsValid(cell)) {
        SetCellSelected(cell.row, cell.col, false);
        if (!range.InRange(cell)) redraw(cell.row, cell.col);
      }
      m_selectedCellMap.erase(GridCellKey(cell.row, cell.col));
    }
    if (!(m_listMode && m_singleRowSelection)) {
      for (const auto& entry : m_prevSelectedCellMap) {
        const CCellID& cell = entry.second;
        if (!IsValid(cell)) continue;
        SetCellSelected(cell.row, cell.col, true);
        redraw(cell.row, cell.col);
      }
    }
  }

  if (range.IsValid()) {
    for (int row = minRow; row <= maxRow; ++row) {
      for (int col = minCol; col <= maxCol; ++col) {
        if (IsCellSelectedBit(row, col) == selectCells) continue;
        SetCellSelected(row, col, selectCells);
        redraw(row, col);
      }
    }
  }
  if (forceRepaint && GetHandle()) Update();
}

void CGridCtrl::ResetSelectedRange() {
  m_prevSelectedCellMap.clear();
  SetSelectedRange(-1, -1, -1, -1);
  SetFocusCell(-1, -1);
}

CellRange CGridCtrl::GetSelectedCellRange() const {
  if (m_selectedCellMap.empty()) return CellRange(GetRowCount(), GetColumnCount(), -1, -1);
  CellRange range(GetRowCount(), GetColumnCount(), -1, -1);
  for (const auto& entry : m_selectedCellMap) {
    const CCellID& cell = entry.second;
    range.minRow = std::min(range.minRow, cell.row);
    range.minCol = std::min(range.minCol, cell.col);
    range.maxRow = std::max(range.maxRow, cell.row);
    range.maxCol = std::max(range.maxCol, cell.col);
  }
  return range;
}

void CGridCtrl::SelectAllCells() {
  if (!m_enableSelection) return;
  SetSelectedRange(GetFixedRowCount(), GetFixedColumnCount(), GetRowCount() - 1, GetColumnCount() - 1);
}

void CGridCtrl::SelectColumns(CCellID currentCell, bool forceRedraw, bool selectCells) {
  if (!m_enableSelection || !IsValid(currentCell) || currentCell.col < GetFixedColumnCount()) return;
  int first = currentCell.col;
  int last = currentCell.col;
  if (!m_singleColSelection) {
    first = std::min(m_selectionStartCell.col, currentCell.col);
    last = std::max(m_selectionStartCell.col, currentCell.col);
  }
  SetSelectedRange(GetFixedRowCount(), first, GetRowCount() - 1, last, forceRedraw, selectCells);
}

void CGridCtrl::SelectRows(CCellID currentCell, bool forceRedraw, bool selectCells) {
  if (!m_enableSelection || !IsValid(currentCell) || currentCell.row < GetFixedRowCount()) return;
  int first = currentCell.row;
  int last = currentCell.row;
  if (!m_singleRowSelection) {
    first = std::min(m_selectionStartCell.row, currentCell.row);
    last = std::max(m_selectionStartCell.row, currentCell.row);
  }
  SetSelectedRange(first, GetFixedColumnCount(), last, GetColumnCount() - 1, forceRedraw, selectCells);
}

void CGridCtrl::SelectCells(CCellID currentCell, bool forceRedraw, bool selectCells) {
  if (!m_enableSelection || !IsValid(currentCell)) return;
  const int minRow = std::max(std::min(m_selectionStartCell.row, currentCell.row), GetFixedRowCount());
  const int maxRow = std::max(m_selectionStartCell.row, currentCell.row);
  const int minCol = std::max(std::min(m_selectionStartCell.col, currentCell.col), GetFixedColumnCount());
  const int maxCol = std::max(m_selectionStartCell.col, currentCell.col);
  if (maxRow < GetFixedRowCount() || maxCol < GetFixedColumnCount()) return;
  SetSelectedRange(minRow, minCol, maxRow, maxCol, forceRedraw, selectCells);
}

void CGridCtrl::OnSelecting(const CCellID& currentCell) {
  if (!m_enableSelection) return;
  switch (m_mouseMode) {
    case MOUSE_SELECT_ALL: SelectAllCells(); break;
    case MOUSE_SELECT_COL: SelectColumns(currentCell, false); break;
    case MOUSE_SELECT_ROW: SelectRows(currentCell, false); break;
    case MOUSE_SELECT_CELLS: SelectCells(currentCell, false); break;
    default: break;
  }
}
