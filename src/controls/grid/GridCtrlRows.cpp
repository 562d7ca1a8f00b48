// Rows and columns of the grid: counts, fixed counts, insertion and
// deletion, sizes and auto-sizing.
#include "controls/grid/GridCtrl.h"

#include <wx/dcclient.h>

#include <algorithm>

bool CGridCtrl::SetRowCount(int rows) {
  if (rows < 0) return false;
  const int oldRows = GetRowCount();
  if (rows == oldRows) return true;
  if (m_focusCell.row >= rows) m_focusCell = CCellID();
  if (rows < GetFixedRowCount()) m_geometry.SetFixedRowCount(rows);

  if (!m_virtualMode) {
    for (int row = rows; row < oldRows; ++row) {
      for (int col = 0; col < GetColumnCount(); ++col) DestroyCell(row, col);
    }
  }
  m_geometry.ResizeRows(rows, GetDefaultCell(false, false)->GetHeight());
  if (!m_virtualMode) {
    m_rowData.resize(rows);
    for (int row = oldRows; row < rows; ++row) {
      m_rowData[row].resize(GetColumnCount(), nullptr);
      for (int col = 0; col < GetColumnCount(); ++col) m_rowData[row][col] = CreateCell(row, col);
    }
  }
  SetModified();
  ResetScrollBars();
  Refresh();
  return true;
}

bool CGridCtrl::SetColumnCount(int cols) {
  if (cols < 0) return false;
  const int oldCols = GetColumnCount();
  if (cols == oldCols) return true;
  if (cols < GetFixedColumnCount()) m_geometry.SetFixedColumnCount(cols);
  if (m_focusCell.col >= cols) m_focusCell = CCellID();

  if (!m_virtualMode) {
    for (int row = 0; row < GetRowCount(); ++row) {
      for (int col = cols; col < oldCols; ++col) DestroyCell(row, col);
    }
  }
  m_geometry.ResizeColumns(cols, GetDefaultCell(false, true)->GetWidth());
  if (!m_virtualMode) {
    for (int row = 0; row < static_cast<int>(m_rowData.size()); ++row) {
      m_rowData[row].resize(cols, nullptr);
      for (int col = oldCols; col < cols; ++col) m_rowData[row][col] = CreateCell(row, col);
    }
  }
  SetModified();
  ResetScrollBars();
  Refresh();
  return true;
}

// Cells of rows from..to-1 become fixed-row cells, or stop being ones.
void CGridCtrl::ApplyFixedRowBits(int from, int to, bool nowFixed) {
  if (m_virtualMode) return;
  for (int row = from; row < to && row < GetRowCount(); ++row) {
    for (int col = 0; col < GetColumnCount(); ++col) {
      CGridCellBase* cell = GetCell(row, col);
      if (!cell) continue;
      const unsigned state = cell->GetState();
      if (nowFixed) {
        cell->SetState(state | GVIS_FIXED | GVIS_FIXEDROW);
      } else if (col < GetFixedColumnCount()) {
        cell->SetState(state & ~GVIS_FIXEDROW);
        continue;
      } else {
        cell->SetState(state & ~(GVIS_FIXED | GVIS_FIXEDROW));
      }
      cell->SetTextColor(kGridDefaultColor);
      cell->SetBackColor(kGridDefaultColor);
    }
  }
}

void CGridCtrl::ApplyFixedColumnBits(int from, int to, bool nowFixed) {
  if (m_virtualMode) return;
  for (int row = 0; row < GetRowCount(); ++row) {
    for (int col = from; col < to && col < GetColumnCount(); ++col) {
      CGridCellBase* cell = GetCell(row, col);
      if (!cell) continue;
      const unsigned state = cell->GetState();
      if (nowFixed) {
        cell->SetState(state | GVIS_FIXED | GVIS_FIXEDCOL);
      } else if (row < GetFixedRowCount()) {
        cell->SetState(state & ~GVIS_FIXEDCOL);
        continue;
      } else {
        cell->SetState(state & ~(GVIS_FIXED | GVIS_FIXEDCOL));
      }
      cell->SetTextColor(kGridDefaultColor);
      cell->SetBackColor(kGridDefaultColor);
    }
  }
}

bool CGridCtrl::SetFixedRowCount(int fixedRows) {
  if (fixedRows < 0) return false;
  const int old = GetFixedRowCount();
  if (fixedRows == old) return true;
  ResetSelectedRange();
  m_geometry.InvalidateTopLeft();
  if (fixedRows > GetRowCount() && !SetRowCount(fixedRows)) return false;
  if (m_focusCell.row < fixedRows) SetFocusCell(-1, -1);
  if (fixedRows > old) {
    ApplyFixedRowBits(old, fixedRows, true);
  } else {
    ApplyFixedRowBits(fixedRows, old, false);
  }
  m_geometry.SetFixedRowCount(fixedRows);
  Refresh();
  return true;
}

bool CGridCtrl::SetFixedColumnCount(int fixedCols) {
  if (fixedCols < 0) return false;
  const int old = GetFixedColumnCount();
  if (fixedCols == old) return true;
  ResetSelectedRange();
  m_geometry.InvalidateTopLeft();
  if (fixedCols > GetColumnCount() && !SetColumnCount(fixedCols)) return false;
  if (m_focusCell.col < fixedCols) SetFocusCell(-1, -1);
  if (fixedCols > old) {
    ApplyFixedColumnBits(old, fixedCols, true);
  } else {
    ApplyFixedColumnBits(fixedCols, old, false);
  }
  m_geometry.SetFixedColumnCount(fixedCols);
  Refresh();
  return true;
}

int CGridCtrl::InsertRow(const wxString& heading, int row) {
  if (row >= 0 && (row < GetFixedRowCount() || row >= GetRowCount())) return -1;
  ResetSelectedRange();
  SetFocusCell(-1, -1);
  if (GetColumnCount() < 1) SetColumnCount(1);

  const int index = row < 0 ? GetRowCount() : row;
  m_geometry.InsertRow(index, GetDefaultCell(true, false)->GetHeight());
  m_geometry.ShiftRowOrder(index, 1);
  if (!m_virtualMode) {
    CellRow cells(GetColumnCount(), nullptr);
    for (int col = 0; col < GetColumnCount(); ++col) cells[col] = CreateCell(index, col);
    m_rowData.insert(m_rowData.begin() + index, cells);
  }
  SetItemText(index, 0, heading);
  if (!heading.empty()) {
    if (CGridCellBase* cell = GetCell(index, 0))
      m_geometry.SetRowHeight(index, cell->GetTextExtent(heading).y);
  }
  ResetScrollBars();
  SetModified();
  return index;
}

bool CGridCtrl::DeleteRow(int row) {
  if (row < 0 || row >= GetRowCount()) return false;
  ResetSelectedRange();
  SetFocusCell(-1, -1);
  if (m_virtualMode) {
    UpdateRowOrder(row, -1);
  } else {
    for (int col = 0; col < GetColumnCount(); ++col) DestroyCell(row, col);
    m_rowData.erase(m_rowData.begin() + row);
    m_geometry.ShiftRowOrder(row, -1);
  }
  m_geometry.RemoveRow(row);
  ResetScrollBars();
  SetModified();
  return true;
}

bool CGridCtrl::DeleteAllItems() {
  ResetSelectedRange();
  if (!m_virtualMode) {
    for (int row = 0; row < static_cast<int>(m_rowData.size()); ++row) {
      for (int col = 0; col < static_cast<int>(m_rowData[row].size()); ++col) DestroyCell(row, col);
    }
  }
  m_rowData.clear();
  m_selectedCellMap.clear();
  m_prevSelectedCellMap.clear();
  m_geometry.Clear();
  m_focusCell = CCellID();
  if (!m_inDestructor) ResetScrollBars();
  return true;
}

void CGridCtrl::UpdateRowOrder(int row, int delta) {
  if (m_virtualMode) m_geometry.ShiftRowOrder(row, delta);
}

bool CGridCtrl::SetRowHeight(int row, int height) {
  if (!m_geometry.SetRowHeight(row, height)) return false;
  ResetScrollBars();
  return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width) {
  if (!m_geometry.SetColumnWidth(col, width)) return false;
  ResetScrollBars();
  return true;
}

bool CGridCtrl::AutoSizeColumn(int col, int autoSizeStyle, bool resetScroll) {
  if (col < 0 || col >= GetColumnCount() || GetColumnWidth(col) < 1 || !GetHandle()) return false;
  if (autoSizeStyle == GVS_DEFAULT) autoSizeStyle = m_autoSizeStyle;
  const int startRow = (autoSizeStyle & GVS_HEADER) ? 0 : GetFixedRowCount();
  const int endRow = (autoSizeStyle & GVS_DATA) ? GetRowCount() - 1 : GetFixedRowCount() - 1;
  if (m_virtualMode) SendCacheHintToParent(CellRange(startRow, col, endRow, col));
  wxClientDC dc(this);
  int width = 0;
  for (int row = startRow; row <= endRow; ++row) {
    if (CGridCellBase* cell = GetCell(row, col)) width = std::max(width, cell->GetCellExtent(&dc).x);
  }
  // Stored through the column order, like every other width.
  m_geometry.SetColumnWidth(col, width);
  if (m_virtualMode) SendCacheHintToParent(CellRange());
  if (resetScroll) ResetScrollBars();
  return true;
}

bool CGridCtrl::AutoSizeRow(int row, bool resetScroll) {
  if (row < 0 || row >= GetRowCount() || GetRowHeight(row) < 1 || !GetHandle()) return false;
  if (m_virtualMode) SendCacheHintToParent(CellRange(row, 0, row, GetColumnCount() - 1));
  wxClientDC dc(this);
  int height = 0;
  for (int col = 0; col < GetColumnCount(); ++col) {
    if (CGridCellBase* cell = GetCell(row, col)) height = std::max(height, cell->GetCellExtent(&dc).y);
  }
  m_geometry.SetRowHeight(row, height);
  if (m_virtualMode) SendCacheHintToParent(CellRange());
  if (resetScroll) ResetScrollBars();
  return true;
}

void CGridCtrl::AutoSizeColumns(int autoSizeStyle) {
  for (int col = 0; col < GetColumnCount(); ++col) {
    if (GetColumnWidth(col) > 0) AutoSizeColumn(col, autoSizeStyle, false);
  }
  ResetScrollBars();
}
