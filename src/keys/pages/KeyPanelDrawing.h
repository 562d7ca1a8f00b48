// The drawing of the key panel on any device context: the keys of a step
// keypad or matrix as push-button switch symbols with their "S<n>" labels,
// the code boxes of a general remote (hexadecimal code and "H", a red frame
// for a code the command cannot carry), the grey picture of the whole grid's
// wiring and over it the wiring of the keys in use (column and row wires,
// junction dots, the ground symbol of a step keypad's VSS line), and the
// leaders of the touch keys. With the diagram flag the same routines draw the
// key part of the circuit diagram: black, keys in use only, no labels or
// codes, and they report the extent.
#pragma once

#include "keys/KeySlots.h"

#include <wx/dc.h>
#include <wx/font.h>

struct stKeyDrawContext {
  int cellWidth = 40;     // A
  int frameworkKind = 0;  // 0 General, 1 LCD simple, 2 LCD standard
  bool matrix = false;
  bool vssLine = false;
  int commandBits = 8;
  int keyMode = 0;  // 1: development-board numbering of a matrix
  wxFont font;      // the panel's font; labels use it at 7 points, diagram codes at 9

  int Pitch() const { return cellWidth + cellWidth / 2; }
  bool General() const { return frameworkKind == 0; }
};

// Colours as the panel uses them.
namespace keydraw {
const wxColour kBackground(0xFF, 0xFF, 0xFF);
const wxColour kGrey(0xC0, 0xC0, 0xC0);
const wxColour kRed(0xFF, 0x00, 0x00);
const wxColour kBlue(0x00, 0x00, 0xFF);
const wxColour kBlack(0x00, 0x00, 0x00);
// The switch symbols: in use, not in use (dashed grey), on the diagram.
enum class Symbol { kActive, kInactive, kDiagram };
// A symbol of width w at (x, top): 25 high (26 on the diagram), its leads on
// row 12 (15 on the diagram).
void DrawSwitchSymbol(wxDC& dc, Symbol symbol, int x, int top, int width);
}  // namespace keydraw

// columns N (step: line count n), activeColumns (step: a), rows R, activeRows.
void DrawKeys(wxDC& dc, const stKeyDrawContext& ctx, int columns, int activeColumns, int rows, int activeRows,
              bool diagram, const CKeySlotTable::Slots& slots, wxRect& extent, int dx, int dy);
void DrawKeyGrid(wxDC& dc, const stKeyDrawContext& ctx, int x0, int y0, int lastColumn, int rows);
// lastColumn: the last column index of the full grid; active K (step: a;
// matrix: active columns); activeRows (matrix).
void DrawKeyWiring(wxDC& dc, const stKeyDrawContext& ctx, int x0, int y0, int lastColumn, int active,
                   int activeRows, bool diagram, wxRect& extent);
void DrawKeyLabel(wxDC& dc, const stKeyDrawContext& ctx, const wxRect& rect, int number, bool noFill);
void DrawCellText(wxDC& dc, const stKeyDrawContext& ctx, wxRect rect, const wxString& text, bool diagram,
                  int dx, int dy);
void DrawDot(wxDC& dc, int x, int y, int radius, const wxColour& colour);
// The leader from a touch key's bottom middle up to the height of its
// trigger label's middle and on to the label's left edge.
void DrawTouchLeader(wxDC& dc, const wxRect& key, const wxRect& trigger);
