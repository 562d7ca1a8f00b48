// The grid geometry worked out the plain way, the reference CGridGeometry is
// compared with: sizes kept in plain vectors and summed entry by entry for
// every answer, no cached top-left cell, scrolling only by single line steps,
// and the scroll bars settled by adding bars until none more is needed. It
// shares no code with the geometry it checks.
#pragma once

#include "controls/grid/GridGeometry.h"

#include <wx/gdicmn.h>

#include <algorithm>
#include <vector>

// One axis: its sizes in shown order, the fixed entries before the rest, the
// client extent and the scroll bar. Sizes out of range read as -1.
struct SummingAxis {
  std::vector<int> sizes;
  int fixedCount = 0;
  int client = 0;
  int pos = 0;
  int max = 0;
  int page = 0;
  bool shown = false;

  int Count() const { return static_cast<int>(sizes.size()); }
  int Size(int index) const;
  // The sizes of the entries from, from + 1, ..., to - 1.
  int Sum(int from, int to) const;
  int FixedSize() const { return Sum(0, fixedCount); }
  int ContentSize() const { return Sum(0, Count()) - FixedSize(); }

  int TopLeft() const;
  // The last index shown before the client edge, and where the shown ones end.
  int LastVisible(int* edge) const;
  int Origin(int index) const;
  int IndexAt(int coordinate, bool allowFixed) const;
  // Between the top-left and the last visible index, starting inside the client.
  bool InView(int index) const;

  int LargestPosition() const;
  void MoveTo(int position) { pos = std::clamp(position, 0, LargestPosition()); }
  GridRepaint Scroll(GridScrollCode code, int trackPos);
  // Line steps towards index, then on while that brings its far edge in.
  void ScrollIntoView(int index, bool cellExists);
};

class CSummingGridGeometry {
 public:
  // [0] columns, [1] rows; the column sizes are the widths in column order.
  const SummingAxis& Axis(bool vertical) const { return m_axes[vertical]; }
  const std::vector<int>& RowOrder() const { return m_rowOrder; }

  // The changes the grid window makes to its geometry.
  void ResizeRows(int count, int height);
  void ResizeColumns(int count, int width);
  void InsertRow(int row, int height);  // and the row order
  void RemoveRow(int row);              // and the row order
  bool SetRowHeight(int row, int height);
  bool SetColumnWidth(int col, int width);
  void SetFixedCounts(int rows, int cols);
  void SetColumnOrder(const std::vector<int>& order);
  GridScrollBarPlan PlanScrollBars(const wxSize& areaWithoutBars, const wxSize& barSizes);
  void SetClientSize(const wxSize& size) {
    m_axes[0].client = size.x;
    m_axes[1].client = size.y;
  }
  void SetScrollPos(bool vertical, int pos) { m_axes[vertical].MoveTo(pos); }
  GridRepaint Scroll(bool vertical, GridScrollCode code, int trackPos);
  bool EnsureVisible(int row, int col);

  CCellID TopLeft() const;
  CellRange VisibleNonFixedRange(GridRect* rect) const;
  CellRange VisibleFixedRange(GridRect* rect) const;
  bool CellRect(int row, int col, GridRect* rect) const;
  CCellID CellFromPoint(const wxPoint& point, bool allowFixed) const;
  bool IsCellVisible(int row, int col) const;

 private:
  bool Exists(int row, int col) const;
  void ShowColumnsInOrder();

  SummingAxis m_axes[2];
  std::vector<int> m_columnWidths;  // by column index, before the order
  std::vector<int> m_columnOrder;
  std::vector<int> m_rowOrder;
};
