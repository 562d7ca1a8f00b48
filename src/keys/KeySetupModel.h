// The key set-up's line cells without their window: how pins sit on the
// lines (always packed to the front of their zone, so a saved list never has
// a gap that would read back as the switch to the rows), the pin list the
// project keeps, the checks before the circuit diagram, the key list and the
// snapshot the diagram is drawn from.
#pragma once

#include "keys/KeyLineSet.h"
#include "keys/KeySetupPdf.h"
#include "keys/KeySlots.h"

#include <wx/string.h>

#include <vector>

// Closes the gaps: the pins of a step keypad, and a matrix's columns and rows
// each among themselves, keep their order at the front of their lines.
void CompactKeyLines(CKeyLineSet& lines);

// The first free line of a zone (a matrix's columns, or its rows when rows is
// set; a step keypad's lines); -1 when the zone is full.
int FirstFreeKeyLine(const CKeyLineSet& lines, bool rows);

// Puts pin on line and pushes the following pins one line on, up to the first
// free line of the zone; false (nothing changed) when the zone is full.
bool InsertKeyPin(CKeyLineSet& lines, int line, const wxString& pin);

// "IOConfigItem" and the key-pin parameter: a step keypad's pins joined by
// ","; a matrix's column pins, then " ," and the row pins when there are any
// ("PA0,PA1, ,PB0,PB1"; a matrix without row pins ends after its columns).
wxString FormatSetupPinList(const CKeyLineSet& lines);

// The caption of a line cell: "KEY%d" (step), "COL%d" / "ROW%d" (matrix).
wxString KeyLineLabel(const CKeyLineSet& lines, int line);

// The checks before the circuit diagram: the language key of the first
// refusal, empty when the set-up can be drawn.
wxString KeySetupProblem(const CKeyLineSet& lines, bool vssRow, bool ledTicked, const wxString& ledPin,
                         bool backlight);

// The path the diagram is written to: ".pdf" is appended unless the chosen
// name ends in ".pdf" (any case), so "keys.txt" becomes "keys.txt.pdf".
wxString DiagramPdfPath(const wxString& chosen);

// One key of the key list: the functions on it and its own name.
struct stKeyListEntry {
  std::vector<wxString> functions;
  wxString name;
};
// The key list of the circuit diagram: "K%d,%d,%s%s" per touch key in use
// (numbered from 1 by the key's own index), else "S%d,%d,%s%s" per key in use
// in cell order (numbered from 0). keys holds one entry per cell (per touch
// key); touchInUse the touch keys in use.
std::vector<wxString> BuildKeyList(const stKeypadShape& shape, const std::vector<stKeyListEntry>& keys,
                                   bool touch, const std::vector<bool>& touchInUse);

// The snapshot the diagram's key part is drawn from.
stKeySetupSnapshot MakeKeySetupSnapshot(const stKeypadShape& shape, const CKeySlotTable& slots, bool general,
                                        int cellWidth, int cellHeight, int x0);
