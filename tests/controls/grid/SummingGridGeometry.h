// The grid geometry computed the plain way, by summing sizes entry by entry
// and scrolling one line step at a time: the reference the prefix-sum
// geometry is compared with.
#pragma once

#include "controls/grid/GridGeometry.h"

#include <wx/gdicmn.h>

#include <vector>

class CSummingGridGeometry {
 public:
  int GetRowCount() const { return static_cast<int>(m_rowHeights.size()); }
  int GetColumnCount() const { return static_cast<int>(m_columnWidths.size()); }
  int GetFixedRowCount() const { return m_fixedRows; }
  int GetFixedColumnCount() const { return m_fixedColumns; }
  void SetFixedRowCount(int count);
  void SetFixedColumnCount(int count);

  // New rows take height; the row order keeps one entry per row (new rows their own index).
  void ResizeRows(int count, int height);
  // New columns take width; the column order becomes 0, 1, ..., count - 1.
  void ResizeColumns(int count, int width);
  // A new row at index row (the end when row is the row count); the row
  // order is the caller's to keep in step (ShiftRowOrder).
  void InsertRow(int row, int height);
  // Removes the row's height (and a fixed row from the fixed count).
  void RemoveRow(int row);
  void Clear();
  // Keeps the row order a permutation when a row is inserted at row (delta
  // 1 or more) or removed from row (delta below 1).
  void ShiftRowOrder(int row, int delta);

  // -1 for an index out of range. Widths are read through the column order.
  int GetRowHeight(int row) const;
  int GetColumnWidth(int col) const;
  // False for an index out of range or a negative size.
  bool SetRowHeight(int row, int height);
  bool SetColumnWidth(int col, int width);
  int GetFixedRowHeight() const;
  int GetFixedColumnWidth() const;
  int GetVirtualHeight() const;
  int GetVirtualWidth() const;

  std::vector<int>& RowOrder() { return m_rowOrder; }
  std::vector<int>& ColumnOrder() { return m_columnOrder; }
  const std::vector<int>& RowOrder() const { return m_rowOrder; }
  const std::vector<int>& ColumnOrder() const { return m_columnOrder; }

  void SetClientSize(const wxSize& size);
  const wxSize& GetClientSize() const { return m_client; }

  // Scroll positions and bar ranges (pixels of the non-fixed area).
  int GetScrollPos(bool vertical) const { return m_pos[vertical]; }
  // Clamped to what the bar accepts; invalidates the top-left cell.
  void SetScrollPos(bool vertical, int pos);
  int GetScrollMax(bool vertical) const { return m_max[vertical]; }
  int GetScrollPage(bool vertical) const { return m_page[vertical]; }
  bool IsScrollBarShown(bool vertical) const { return m_shown[vertical]; }
  // Plans the bars for the client area as it is without bars, with the
  // given bar sizes (vertical bar width, horizontal bar height); stores the
  // result and the client size that remains beside the shown bars.
  GridScrollBarPlan PlanScrollBars(const wxSize& areaWithoutBars, const wxSize& barSizes);

  CCellID GetTopleftNonFixedCell(bool force = false);
  void InvalidateTopLeft() { m_topLeft = CCellID(); }
  CellRange GetVisibleNonFixedCellRange(GridRect* rect = nullptr, bool force = false);
  CellRange GetVisibleFixedCellRange(GridRect* rect = nullptr, bool force = false);

  bool IsValid(int row, int col) const {
    return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount();
  }
  bool GetCellOrigin(int row, int col, wxPoint* origin);
  // Origin to origin + (width - 1, height - 1).
  bool GetCellRect(int row, int col, GridRect* rect);
  CCellID GetCellFromPt(const wxPoint& point, bool allowFixed = true);
  // Fixed cells always; others when inside the visible range and the client area.
  bool IsCellVisible(int row, int col);

  // One scroll step as the scroll bar or the keyboard asks for it.
  GridRepaint Scroll(bool vertical, GridScrollCode code, int trackPos = 0);
  // Scrolls until the cell is in view (as far as the bars allow). Returns
  // whether any position changed.
  bool EnsureVisible(int row, int col);

 private:
  int ScrollLimit(bool vertical) const;
  int LargestPosition(bool vertical) const;
  int SizeOf(bool vertical, int index) const {
    return vertical ? GetRowHeight(index) : GetColumnWidth(index);
  }
  int CountOf(bool vertical) const { return vertical ? GetRowCount() : GetColumnCount(); }
  int FixedCountOf(bool vertical) const { return vertical ? m_fixedRows : m_fixedColumns; }
  int FixedSizeOf(bool vertical) const { return vertical ? GetFixedRowHeight() : GetFixedColumnWidth(); }
  int TopLeftOf(bool vertical) {
    return vertical ? GetTopleftNonFixedCell().row : GetTopleftNonFixedCell().col;
  }
  int FirstVisibleIndex(bool vertical);
  int LastVisibleIndex(bool vertical, int* edge);
  int AxisCellFromPoint(bool vertical, int coordinate, bool allowFixed);
  int AxisOrigin(bool vertical, int index);
  GridRepaint StepForward(bool vertical);
  GridRepaint StepBack(bool vertical);
  int ScrollToward(bool vertical, int from, int to);

  std::vector<int> m_rowHeights;
  std::vector<int> m_columnWidths;
  std::vector<int> m_rowOrder;
  std::vector<int> m_columnOrder;
  int m_fixedRows = 0;
  int m_fixedColumns = 0;
  wxSize m_client;
  int m_pos[2] = {0, 0};  // [0] horizontal, [1] vertical
  int m_max[2] = {0, 0};
  int m_page[2] = {0, 0};
  bool m_shown[2] = {false, false};
  CCellID m_topLeft;
};
