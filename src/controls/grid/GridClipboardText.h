// Text exchanged with the clipboard and with drag and drop: a block of rows
// separated by CR LF, fields separated by tabs. Built and split without a
// window, so the rules are tested on their own.
#pragma once

#include "controls/grid/GridTypes.h"

#include <wx/string.h>

#include <functional>
#include <vector>

// What the text of a copy is read from, by shown position.
struct GridTextSource {
  std::function<int(int row)> rowHeight;
  std::function<int(int col)> columnWidth;  // through the column order
  std::function<bool(int row, int col)> isSelected;
  std::function<wxString(int row, int col)> text;
};

// Rows of height 0 and columns of width 0 give nothing; a cell that is not
// selected gives an empty field. Fields end with a tab except in the range's
// last column, rows with CR LF except the range's last row.
wxString BuildGridClipboardText(const CellRange& range, const GridTextSource& source);

// Lines split at line feeds, fields at tabs or commas, each field trimmed of
// white space. An empty remainder after the last line feed is no line.
std::vector<std::vector<wxString>> SplitGridPasteText(const wxString& text);

struct GridPasteWrite {
  int row;
  int col;
  wxString text;
};

// Where each field of lines lands when pasted at (row, col): rows of height
// 0 and columns of width 0 are skipped, whatever runs past the grid is dropped.
std::vector<GridPasteWrite> PlanGridPaste(const std::vector<std::vector<wxString>>& lines, int row, int col,
                                          int rowCount, int colCount,
                                          const std::function<int(int)>& rowHeight,
                                          const std::function<int(int)>& columnWidth);
