#include "controls/grid/GridClipboardText.h"

wxString BuildGridClipboardText(const CellRange& range, const GridTextSource& source) {
  wxString block;
  if (!range.IsValid()) return block;
  for (int row = range.minRow; row <= range.maxRow; ++row) {
    if (source.rowHeight(row) <= 0) continue;
    for (int col = range.minCol; col <= range.maxCol; ++col) {
      if (source.columnWidth(col) <= 0) continue;
      if (source.isSelected(row, col)) block += source.text(row, col);
      if (col != range.maxCol) block += '\t';
    }
    if (row != range.maxRow) block += "\r\n";
  }
  return block;
}

std::vector<std::vector<wxString>> SplitGridPasteText(const wxString& text) {
  std::vector<std::vector<wxString>> lines;
  size_t start = 0;
  while (start <= text.length()) {
    size_t end = text.find('\n', start);
    const bool last = end == wxString::npos;
    if (last) {
      end = text.length();
      if (start == end) break;  // nothing after the last line feed
    }
    std::vector<wxString> fields;
    const wxString line = text.Mid(start, end - start);
    size_t fieldStart = 0;
    while (true) {
      const size_t fieldEnd = line.find_first_of("\t,", fieldStart);
      wxString field =
          line.Mid(fieldStart, fieldEnd == wxString::npos ? wxString::npos : fieldEnd - fieldStart);
      fields.push_back(field.Trim(true).Trim(false));
      if (fieldEnd == wxString::npos) break;
      fieldStart = fieldEnd + 1;
    }
    lines.push_back(std::move(fields));
    if (last) break;
    start = end + 1;
  }
  return lines;
}

namespace {

// The next index from index on whose size is above 0, or count.
int NextShown(int index, int count, const std::function<int(int)>& size) {
  while (index < count && size(index) <= 0) ++index;
  return index;
}

}  // namespace

std::vector<GridPasteWrite> PlanGridPaste(const std::vector<std::vector<wxString>>& lines, int row, int col,
                                          int rowCount, int colCount,
                                          const std::function<int(int)>& rowHeight,
                                          const std::function<int(int)>& columnWidth) {
  std::vector<GridPasteWrite> writes;
  int targetRow = row;
  for (const std::vector<wxString>& fields : lines) {
    targetRow = NextShown(targetRow, rowCount, rowHeight);
    if (targetRow >= rowCount) break;
    int targetCol = col;
    for (const wxString& field : fields) {
      targetCol = NextShown(targetCol, colCount, columnWidth);
      if (targetCol >= colCount) break;
      writes.push_back({targetRow, targetCol, field});
      ++targetCol;
    }
    ++targetRow;
  }
  return writes;
}
