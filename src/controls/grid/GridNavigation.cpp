#include "controls/grid/GridNavigation.h"

namespace {

int NextShown(int index, int step, int first, int count, int (CGridGeometry::*size)(int) const,
              const CGridGeometry& geometry) {
  for (int i = index + step; i >= first && i < count; i += step) {
    if ((geometry.*size)(i) > 0) return i;
  }
  return -1;
}

// The first (step 1) or last (step -1) shown index in [first, count).
int EdgeShown(int step, int first, int count, int (CGridGeometry::*size)(int) const,
              const CGridGeometry& geometry) {
  const int start = step > 0 ? first - 1 : count;
  return NextShown(start, step, first, count, size, geometry);
}

}  // namespace

int NextShownRow(const CGridGeometry& geometry, int row, int step, int first) {
  return NextShown(row, step, first, geometry.GetRowCount(), &CGridGeometry::GetRowHeight, geometry);
}

int NextShownColumn(const CGridGeometry& geometry, int col, int step, int first) {
  return NextShown(col, step, first, geometry.GetColumnCount(), &CGridGeometry::GetColumnWidth, geometry);
}

GridKeyMove ComputeGridKeyMove(const CGridGeometry& geometry, const CCellID& focus, GridMoveKey key,
                               bool ctrl) {
  GridKeyMove move;
  move.next = focus;
  const int fixedRows = geometry.GetFixedRowCount();
  const int fixedCols = geometry.GetFixedColumnCount();
  const auto keepIfNone = [](int found, int current) { return found < 0 ? current : found; };
  switch (key) {
    case GridMoveKey::Down:
      move.next.row = keepIfNone(NextShownRow(geometry, focus.row, 1, fixedRows), focus.row);
      break;
    case GridMoveKey::Up:
      move.next.row = keepIfNone(NextShownRow(geometry, focus.row, -1, fixedRows), focus.row);
      break;
    case GridMoveKey::Right:
      move.next.col = keepIfNone(NextShownColumn(geometry, focus.col, 1, fixedCols), focus.col);
      break;
    case GridMoveKey::Left:
      move.next.col = keepIfNone(NextShownColumn(geometry, focus.col, -1, fixedCols), focus.col);
      break;
    case GridMoveKey::Tab: {
      const int col = NextShownColumn(geometry, focus.col, 1, fixedCols);
      if (col >= 0) {
        move.next.col = col;
        break;
      }
      const int row = NextShownRow(geometry, focus.row, 1, fixedRows);
      const int first =
          EdgeShown(1, fixedCols, geometry.GetColumnCount(), &CGridGeometry::GetColumnWidth, geometry);
      if (row < 0 || first < 0) {
        move.passOn = true;
        break;
      }
      move.next = CCellID(row, first);
      move.wrapped = true;
      break;
    }
    case GridMoveKey::ShiftTab: {
      const int col = NextShownColumn(geometry, focus.col, -1, fixedCols);
      if (col >= 0) {
        move.next.col = col;
        break;
      }
      const int row = NextShownRow(geometry, focus.row, -1, fixedRows);
      const int last =
          EdgeShown(-1, fixedCols, geometry.GetColumnCount(), &CGridGeometry::GetColumnWidth, geometry);
      if (row < 0 || last < 0) {
        move.passOn = true;
        break;
      }
      move.next = CCellID(row, last);
      move.wrapped = true;
      break;
    }
    case GridMoveKey::Home:
      if (ctrl)
        move.next.row = keepIfNone(
            EdgeShown(1, fixedRows, geometry.GetRowCount(), &CGridGeometry::GetRowHeight, geometry),
            focus.row);
      move.next.col = keepIfNone(
          EdgeShown(1, fixedCols, geometry.GetColumnCount(), &CGridGeometry::GetColumnWidth, geometry),
          focus.col);
      break;
    case GridMoveKey::End:
      if (ctrl)
        move.next.row = keepIfNone(
            EdgeShown(-1, fixedRows, geometry.GetRowCount(), &CGridGeometry::GetRowHeight, geometry),
            focus.row);
      move.next.col = keepIfNone(
          EdgeShown(-1, fixedCols, geometry.GetColumnCount(), &CGridGeometry::GetColumnWidth, geometry),
          focus.col);
      break;
  }
  return move;
}
