#include "keys/KeyCells.h"

int stKeypadShape::CellCount() const {
  if (lines <= 0) return 0;
  return matrix ? lines * (lines + 1) : lines * (lines + 1) / 2;
}

int stKeypadShape::RowCount() const {
  if (lines <= 0) return 0;
  return matrix ? lines + 1 : lines;
}

int stKeypadShape::CellsInRow(int row) const {
  if (row < 0 || row >= RowCount()) return 0;
  return matrix ? lines : lines - row;
}

int stKeypadShape::CellIndex(int row, int column) const {
  if (column < 0 || column >= CellsInRow(row)) return -1;
  if (matrix) return row * lines + column;
  // Rows above hold n, n - 1, ... cells.
  return row * lines - row * (row - 1) / 2 + column;
}

bool stKeypadShape::CellAt(int index, int& row, int& column) const {
  if (index < 0 || index >= CellCount()) return false;
  for (row = 0; row < RowCount(); ++row) {
    const int cells = CellsInRow(row);
    if (index < cells) {
      column = index;
      return true;
    }
    index -= cells;
  }
  return false;
}

bool stKeypadShape::IsActive(int row, int column) const {
  if (column < 0 || column >= CellsInRow(row)) return false;
  if (matrix) return row < activeRows && column < active;
  return column < active - row;
}

bool stKeypadShape::IsActiveCell(int index) const {
  int row = 0, column = 0;
  return CellAt(index, row, column) && IsActive(row, column);
}

std::vector<int> stKeypadShape::ActiveCells() const {
  std::vector<int> cells;
  for (int index = 0; index < CellCount(); ++index)
    if (IsActiveCell(index)) cells.push_back(index);
  return cells;
}

int stKeypadShape::TableRows() const {
  if (!matrix) return RowCount();
  return lines <= 0 ? 0 : lines + (vssLine ? 1 : 0);
}

int stKeypadShape::TableLength() const { return matrix ? lines * TableRows() : CellCount(); }

stKeyLineMaps StepLineMaps(int lines, bool generalRemote, bool vssLine) {
  stKeyLineMaps maps;
  for (int line = 0; line < lines; ++line) maps.columns.push_back(line);
  if (lines <= 0) return maps;
  maps.rows.push_back(generalRemote || vssLine ? kVssLine : lines);
  for (int line = lines - 1; line >= 1; --line) maps.rows.push_back(line);
  return maps;
}

stKeyLineMaps MatrixLineMaps(int columns, bool vssLine) {
  stKeyLineMaps maps;
  for (int line = 0; line < columns; ++line) maps.columns.push_back(line);
  if (vssLine) maps.rows.push_back(kVssLine);
  for (int row = 0; row < columns; ++row) maps.rows.push_back(columns + row);
  return maps;
}

bool HitTestKeyCell(const stKeypadShape& shape, const stKeyCellGeometry& geometry, int x, int y, int scrollX,
                    int scrollY, int& row, int& column) {
  for (int r = 0; r < shape.RowCount(); ++r) {
    for (int k = 0; k < shape.CellsInRow(r); ++k) {
      if (!shape.IsActive(r, k)) continue;
      const int left = geometry.Left(k) + 1 - scrollX;
      const int right = geometry.Left(k) + geometry.width - scrollX;
      const int top = stKeyCellGeometry::Top(r) - scrollY;
      const int bottom = stKeyCellGeometry::Top(r) + stKeyCellGeometry::kBoxHeight - scrollY;
      if (x > left && x < right && y > top && y < bottom) {
        row = r;
        column = k;
        return true;
      }
    }
  }
  return false;
}
