#include "keys/KeySetupModel.h"

#include <algorithm>

namespace {

// The lines [first, end) of the zone a line belongs to.
void ZoneOf(const CKeyLineSet& lines, bool rows, int& first, int& end) {
  if (lines.Keypad() != kKeypadMatrix) {
    first = 0;
    end = lines.LineCount();
    return;
  }
  first = rows ? lines.LineLimit() : 0;
  end = rows ? lines.LineCount() : lines.LineLimit();
}

void CompactZone(CKeyLineSet& lines, int first, int end) {
  int to = first;
  for (int line = first; line < end; ++line) {
    const wxString pin = lines.PinAt(line);
    if (pin.empty()) continue;
    if (line != to) {
      lines.PutPin(to, pin);
      lines.PutPin(line, wxString());
    }
    ++to;
  }
}

std::vector<wxString> ZonePins(const CKeyLineSet& lines, int first, int end) {
  std::vector<wxString> pins;
  for (int line = first; line < end; ++line)
    if (!lines.PinAt(line).empty()) pins.push_back(lines.PinAt(line));
  return pins;
}

wxString Joined(const std::vector<wxString>& pins) {
  wxString out;
  for (std::size_t i = 0; i < pins.size(); ++i) out += (i ? "," : "") + pins[i];
  return out;
}

}  // namespace

void CompactKeyLines(CKeyLineSet& lines) {
  int first = 0, end = 0;
  ZoneOf(lines, false, first, end);
  CompactZone(lines, first, end);
  if (lines.Keypad() != kKeypadMatrix) return;
  ZoneOf(lines, true, first, end);
  CompactZone(lines, first, end);
}

int FirstFreeKeyLine(const CKeyLineSet& lines, bool rows) {
  int first = 0, end = 0;
  ZoneOf(lines, rows, first, end);
  for (int line = first; line < end; ++line)
    if (lines.PinAt(line).empty()) return line;
  return -1;
}

bool InsertKeyPin(CKeyLineSet& lines, int line, const wxString& pin) {
  if (line < 0 || line >= lines.LineCount()) return false;
  const bool rows = lines.IsRowLine(line);
  const int free = FirstFreeKeyLine(lines, rows);
  if (free < 0) return false;
  if (free < line) return lines.PutPin(free, pin);
  for (int at = free; at > line; --at) lines.PutPin(at, lines.PinAt(at - 1));
  return lines.PutPin(line, pin);
}

wxString FormatSetupPinList(const CKeyLineSet& lines) {
  int first = 0, end = 0;
  ZoneOf(lines, false, first, end);
  const wxString columns = Joined(ZonePins(lines, first, end));
  if (lines.Keypad() != kKeypadMatrix) return columns;
  ZoneOf(lines, true, first, end);
  const std::vector<wxString> rows = ZonePins(lines, first, end);
  if (rows.empty()) return columns;
  return columns + (columns.empty() ? " ," : ", ,") + Joined(rows);
}

wxString KeyLineLabel(const CKeyLineSet& lines, int line) {
  if (lines.Keypad() != kKeypadMatrix) return wxString::Format("KEY%d", line);
  if (lines.IsRowLine(line)) return wxString::Format("ROW%d", line - lines.FirstRowLine());
  return wxString::Format("COL%d", line);
}

wxString KeySetupProblem(const CKeyLineSet& lines, bool vssRow, bool ledTicked, const wxString& ledPin,
                         bool backlight) {
  const stKeyLineCounts counts = lines.CountsInUse();
  if (lines.Keypad() != kKeypadMatrix) {
    if (counts.io < 1) return "IDS_NO_CONFIG_IO_PORT";
  } else if (counts.columns < 1 || (!vssRow && counts.rows < 1)) {
    return "IDS_NO_CONFIG_ROWCOL_PORT";
  }
  if (ledTicked && ledPin.empty()) return backlight ? "IDS_NO_SEL_BACKLIGHT" : "IDS_NO_SEL_LED";
  return wxString();
}

wxString DiagramPdfPath(const wxString& chosen) {
  if (chosen.Lower().EndsWith(".pdf")) return chosen;
  return chosen + ".pdf";
}

std::vector<wxString> BuildKeyList(const stKeypadShape& shape, const std::vector<stKeyListEntry>& keys,
                                   bool touch, const std::vector<bool>& touchInUse) {
  std::vector<wxString> list;
  auto line = [](const char* prefix, int number, const stKeyListEntry& key) {
    wxString names;
    for (const wxString& name : key.functions) names += name + ",";
    return wxString::Format("%s%d,%d,%s%s", prefix, number, static_cast<int>(key.functions.size()), names,
                            key.name);
  };
  static const stKeyListEntry kEmpty;
  auto entry = [&](int index) -> const stKeyListEntry& {
    return index >= 0 && index < static_cast<int>(keys.size()) ? keys[index] : kEmpty;
  };
  if (touch) {
    for (int i = 0; i < static_cast<int>(touchInUse.size()); ++i)
      if (touchInUse[i]) list.push_back(line("K", i + 1, entry(i)));
    return list;
  }
  int number = 0;
  for (int cell : shape.ActiveCells()) list.push_back(line("S", number++, entry(cell)));
  return list;
}

stKeySetupSnapshot MakeKeySetupSnapshot(const stKeypadShape& shape, const CKeySlotTable& slots, bool general,
                                        int cellWidth, int cellHeight, int x0) {
  stKeySetupSnapshot snap;
  snap.matrix = shape.matrix;
  snap.rowVss = shape.vssLine;
  snap.general = general;
  snap.cellWidth = cellWidth;
  snap.cellHeight = cellHeight;
  snap.x0 = x0;
  if (shape.matrix) {
    snap.columnCells = shape.lines;
    snap.rowCells = shape.RowCount();
    snap.columnPins = shape.active;
    snap.rowPins = shape.activeRows;
  } else {
    snap.stepCells = shape.lines;
    snap.stepPins = shape.active;
  }
  const int cells = std::min(shape.CellCount(), kKeySlotCount);
  for (int cell = 0; cell < cells; ++cell) {
    const std::int32_t code = slots.Get(cell);
    snap.codes.push_back(code == kNoKeyCode ? kNoDiagramCode : static_cast<std::uint32_t>(code));
  }
  return snap;
}
