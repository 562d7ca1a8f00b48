// The key cells of the key panel: a step keypad of n lines (rows of n,
// n - 1, ..., 1 cells) or a matrix built for c columns (c + 1 rows of c
// cells, the last one shown only while a key line is tied to VSS), their
// numbering, which of them are in use, the IO lines they are wired to and
// where the panel places them. A cell's number is its slot in the key-code
// table.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Slots of the key-code table: one per cell of the largest keypad (a step
// keypad of 16 lines).
constexpr int kKeySlotCount = 136;
// A slot that holds no code.
constexpr std::int32_t kNoKeyCode = -1;

// The line a key row is tied to when it is wired to VSS.
constexpr int kVssLine = -1;

// A key position as it travels between the panel and its owners.
constexpr int KeyPosition(int column, int row) { return (column << 8) | row; }
constexpr int PositionColumn(int position) { return (position >> 8) & 0xFF; }
constexpr int PositionRow(int position) { return position & 0xFF; }

struct stKeypadShape {
  bool matrix = false;
  // Step: the line count n. Matrix: the column count c the panel is built for.
  int lines = 0;
  // Step: the lines in use. Matrix: the columns in use.
  int active = 0;
  // Matrix: the rows in use, the VSS row included while it is on.
  int activeRows = 0;
  // A key line tied to VSS: the matrix's top row, or a step keypad's first row line.
  bool vssLine = false;

  int CellCount() const;
  // Rows of cells the panel holds (a matrix's VSS row included).
  int RowCount() const;
  int CellsInRow(int row) const;
  // The cell number of (row, column); -1 outside the keypad.
  int CellIndex(int row, int column) const;
  bool CellAt(int index, int& row, int& column) const;
  bool IsActive(int row, int column) const;
  bool IsActiveCell(int index) const;
  // Cells in use, in cell order.
  std::vector<int> ActiveCells() const;
  // Entries of the key-command table: a step keypad's every cell; a matrix's
  // columns times its scanned rows, which are c, plus the VSS row while it is on.
  int TableLength() const;
  int TableRows() const;
};

// The IO line of each key column and key row (kVssLine for VSS). A step
// keypad's row lines run -1, n-1, ..., 1 in a general remote or with its VSS
// line on, else n, n-1, ..., 1; a matrix's rows follow the columns, after -1
// while the VSS row is on.
struct stKeyLineMaps {
  std::vector<int> columns;
  std::vector<int> rows;
};
stKeyLineMaps StepLineMaps(int lines, bool generalRemote, bool vssLine);
stKeyLineMaps MatrixLineMaps(int columns, bool vssLine);

// Where the panel places its cells for a key cell A pixels wide.
struct stKeyCellGeometry {
  int width = 40;  // A
  int Pitch() const { return width + width / 2; }
  // The key button and code box of a cell: 18 pixels high.
  int Left(int column) const { return 16 + column * Pitch(); }
  static int Top(int row) { return 25 + 50 * row; }
  static constexpr int kBoxHeight = 18;
};
// The cell (row, column) that a panel point hits, scrolled by (scrollX,
// scrollY); only cells in use count. False when none.
bool HitTestKeyCell(const stKeypadShape& shape, const stKeyCellGeometry& geometry, int x, int y, int scrollX,
                    int scrollY, int& row, int& column);
