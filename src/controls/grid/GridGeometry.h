// Row and column geometry of the grid, without a window: counts, sizes, the
// column and row orders, scroll positions and ranges, the top-left cell,
// visible ranges, cell rectangles and hit-testing. Coordinates are client
// pixels of the grid window; the client size is given by the window. Sizes are
// kept in prefix sums as well, so that positions, the top-left cell and
// scrolling to a far cell cost O(log n) however many rows there are.
#pragma once

#include "controls/grid/GridPrefixSums.h"
#include "controls/grid/GridTypes.h"

#include <wx/gdicmn.h>

#include <vector>

enum class GridScrollCode {
  LineUp,
  LineDown,
  PageUp,
  PageDown,
  ThumbTrack,
  ThumbPosition,
  Top,
  Bottom,
  EndScroll
};

// What a scroll step asks the window to repaint.
enum class GridRepaint { None, ScrollArea, Whole };

// The scroll bars that fit the current sizes.
struct GridScrollBarPlan {
  bool areaEmpty = false;  // no room beside the fixed cells: both bars off, nothing else changes
  bool horzShown = false;
  bool vertShown = false;
  int horzMax = 0;
  int vertMax = 0;
  int horzPage = 0;
  int vertPage = 0;
};

class CGridGeometry {
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
  // The widths are summed again once the caller has changed the order.
  std::vector<int>& ColumnOrder() {
    m_sums[0].stale = true;
    return m_columnOrder;
  }
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
  // Sizes of one axis in shown order, and which of them are above 0.
  struct AxisSums {
    CGridPrefixSums sizes;
    CGridPrefixSums shown;
    bool stale = true;
  };
  const AxisSums& Sums(bool vertical) const;
  void PushRowSum(int height);
  void PopRowSum();
  // The sum of the first count sizes, and the shown (non-zero) ones among them.
  int SizeBefore(bool vertical, int count) const;
  int ShownBefore(bool vertical, int count) const;
  // The first count whose sum of sizes reaches target (CountOf + 1 when none).
  int FirstCountReaching(bool vertical, std::int64_t target) const;
  // The index of the n-th shown entry (n from 1), -1 when there are fewer.
  int NthShown(bool vertical, int n) const;

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
  int TopLeftFor(bool vertical, int position) const;
  int FirstVisibleIndex(bool vertical);
  int LastVisibleIndex(bool vertical, int* edge);
  int AxisCellFromPoint(bool vertical, int coordinate, bool allowFixed);
  int AxisOrigin(bool vertical, int index);
  GridRepaint StepForward(bool vertical);
  GridRepaint StepBack(bool vertical);
  int ScrollToward(bool vertical, int from, int to);
  bool StepsForwardAtOnce(bool vertical, int steps);
  void StepsBackAtOnce(bool vertical, int steps);

  std::vector<int> m_rowHeights;
  std::vector<int> m_columnWidths;
  std::vector<int> m_rowOrder;
  std::vector<int> m_columnOrder;
  mutable AxisSums m_sums[2];  // [0] columns, [1] rows
  int m_fixedRows = 0;
  int m_fixedColumns = 0;
  wxSize m_client;
  int m_pos[2] = {0, 0};  // [0] horizontal, [1] vertical
  int m_max[2] = {0, 0};
  int m_page[2] = {0, 0};
  bool m_shown[2] = {false, false};
  CCellID m_topLeft;
};
