// The grid's paste and edit rules: pasted text of any bytes lands inside the
// grid, skipping hidden rows and columns; the hex editor's rules agree with
// each other.
#include "controls/grid/GridClipboardText.h"
#include "controls/grid/InPlaceEditRules.h"

#include <wx/defs.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  // The grid pastes at a valid cell only.
  const int rowCount = data[0] % 40 + 1;
  const int colCount = data[1] % 20 + 1;
  const int row = data[2] % rowCount;
  const int col = data[3] % colCount;
  const wxString text = wxString::FromUTF8(reinterpret_cast<const char*>(data + 4), size - 4);
  const auto hidden = [](int at) { return at % 7 == 3 ? 0 : 20; };

  const auto lines = SplitGridPasteText(text);
  for (const GridPasteWrite& write : PlanGridPaste(lines, row, col, rowCount, colCount, hidden, hidden)) {
    if (write.row < 0 || write.row >= rowCount || write.col < 0 || write.col >= colCount) __builtin_trap();
    if (hidden(write.row) == 0 || hidden(write.col) == 0) __builtin_trap();
  }

  // The copy of a range reads back through the paste split.
  GridTextSource source;
  source.rowHeight = hidden;
  source.columnWidth = hidden;
  source.isSelected = [](int r, int c) { return (r + c) % 2 == 0; };
  source.text = [&](int r, int c) -> wxString {
    if (lines.empty()) return wxString();
    const auto& fields = lines[static_cast<std::size_t>(r) % lines.size()];
    return fields.empty() ? wxString() : fields[static_cast<std::size_t>(c) % fields.size()];
  };
  BuildGridClipboardText(CellRange(0, 0, rowCount - 1, colCount - 1), source);

  // The hex editor: typed characters it accepts keep a valid text valid.
  wxString hex;
  for (wxUniChar c : text) {
    ClassifyEditStart(static_cast<int>(c.GetValue()));
    if (HexEditAccepts(hex, static_cast<wxChar>(c.GetValue()))) hex += c;
  }
  if (!hex.empty() && !HexEditTextValid(hex)) __builtin_trap();
  NormalizeHexEditText(text);
  TitleTipNeeded(static_cast<int>(data[0]) - 100, static_cast<int>(data[1]), static_cast<int>(data[2]),
                 static_cast<int>(data[3]) - 50);
  return 0;
}
