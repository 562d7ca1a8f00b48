#include "keys/pages/KeyPanelDrawing.h"

#include <algorithm>

namespace {

void Line(wxDC& dc, const wxColour& colour, int x1, int y1, int x2, int y2) {
  dc.SetPen(wxPen(colour, 1, wxPENSTYLE_SOLID));
  dc.DrawLine(x1, y1, x2, y2);
}

wxFont FontAt(const stKeyDrawContext& ctx, int points) {
  wxFont font = ctx.font.IsOk() ? ctx.font : *wxNORMAL_FONT;
  font.SetPointSize(points);
  return font;
}

// The wiring figure, relative to its origin (x0, y0): column line j runs at
// x0 + j * pitch, one pixel left of its keys; key j's right terminal is at
// x0 + A + j * pitch. A line's end point is one past its last pixel, so a
// line that ends one past a wire meets it.
constexpr int kRowSpacing = 50;          // from one key row to the next
constexpr int kTerminalOffset = 15;      // the key terminals below a row's top
constexpr int kRowWireOffset = 23;       // the row wire below a row's top
constexpr int kMatrixRowWireLead = 15;   // a matrix row wire starts this far left of column line 0
constexpr int kGroundLead = 16;          // step row 0 runs one cell and this much past the last terminal
constexpr int kGridKeyLeft = 16;         // the panel's keys start here: the grid's matrix row 0 ends
                                         // at the right edge of the last key
constexpr int kGridConnectorLength = 6;  // grid matrix connectors stop short of the row wire
constexpr int kDotRadius = 2;
// The ground symbol: three strokes 5 apart, the first reaching 15 above and
// below the wire, each next one 5 less.
constexpr int kGroundStrokeGap = 5;
constexpr int kGroundHalfHeight = 15;
constexpr int kGroundWidth = 15;  // the extent of a step keypad ends this far right of its row 0

// The figure of the key grid (grey, the whole keypad) or of the keys in use.
struct stWiring {
  const stKeyDrawContext* ctx;
  int x0, y0, lastColumn, active, activeRows;
  bool grid, diagram;

  // Rows of keys: a step keypad's K rows hold K, K - 1, ..., 1 keys; a
  // matrix has Ra rows of K keys.
  int Rows() const { return ctx->matrix ? activeRows : active; }
  int KeysInRow(int row) const { return ctx->matrix ? active : active - row; }
  int CellWidth() const { return ctx->cellWidth; }
  int Pitch() const { return ctx->Pitch(); }
  int ColumnX(int column) const { return x0 + column * Pitch(); }
  int TerminalX(int key) const { return x0 + CellWidth() + key * Pitch(); }
  int TerminalY(int row) const { return y0 + kTerminalOffset + kRowSpacing * row; }
  int RowWireY(int row) const { return y0 + kRowWireOffset + kRowSpacing * row; }
  wxColour LineColour() const { return grid ? keydraw::kGrey : (diagram ? keydraw::kBlack : keydraw::kBlue); }
  wxColour DotColour() const { return grid ? keydraw::kGrey : keydraw::kBlack; }
};

// Column line 0 runs down to the terminals of the last row; the grid draws it
// whatever the counts.
void DrawColumnZero(wxDC& dc, const stWiring& w) {
  if (w.active >= 1 || w.grid)
    Line(dc, w.LineColour(), w.x0, w.y0, w.x0, w.TerminalY(std::max(w.Rows(), 1) - 1) + 1);
}

// From each key's right terminal down through its row wire (matrix grid:
// short of it, but for the last column).
void DrawConnectors(wxDC& dc, const stWiring& w) {
  const int fullLength = kRowWireOffset - kTerminalOffset + 1;
  for (int row = 0; row < w.Rows(); ++row)
    for (int key = 0; key < w.KeysInRow(row); ++key) {
      const bool shortOfWire = w.grid && w.ctx->matrix && key < w.active - 1;
      const int top = w.TerminalY(row);
      Line(dc, w.LineColour(), w.TerminalX(key), top, w.TerminalX(key),
           top + (shortOfWire ? kGridConnectorLength : fullLength));
    }
}

// Junction dots on the column wires of every row but the last, where the
// column wires end.
void DrawColumnDots(wxDC& dc, const stWiring& w) {
  for (int row = 0; row <= w.Rows() - 2; ++row)
    for (int column = 0; column < w.KeysInRow(row); ++column)
      DrawDot(dc, w.ColumnX(column), w.TerminalY(row), kDotRadius, w.DotColour());
}

// --- Step keypad: line j is column j and, from row 1, the row line of row
// K - j; row 0 is VSS, or with an LCD framework and the VSS line off the IO
// line K.

bool RowZeroIsIoLine(const stKeyDrawContext& ctx) { return !ctx.General() && !ctx.vssLine; }

void DrawStepColumnLines(wxDC& dc, const stWiring& w) {
  const int k = w.active;
  DrawColumnZero(dc, w);
  // Line j runs down to the wire of row K - j (the grid stops a pixel short).
  for (int j = k - 1; j >= 1; --j) {
    const int bottom = w.grid ? w.RowWireY(k - j) : w.RowWireY(k - j) + 1;
    Line(dc, w.LineColour(), w.ColumnX(j), w.y0, w.ColumnX(j), bottom);
  }
  if (RowZeroIsIoLine(*w.ctx) && k >= 1)
    Line(dc, w.LineColour(), w.ColumnX(k), w.y0, w.ColumnX(k), w.RowWireY(0) + 1);
}

// Where row 0 ends: on the IO line K, else past the keys at the ground symbol
// (after the full grid's last column on the panel, the last key in use on the
// diagram).
int StepRowZeroEnd(const stWiring& w) {
  if (RowZeroIsIoLine(*w.ctx)) return w.ColumnX(w.active);
  const int lastColumn = w.grid || w.diagram ? w.active - 1 : w.lastColumn;
  return w.TerminalX(lastColumn) + w.CellWidth() + kGroundLead;
}

// Three vertical strokes centred on y, each shorter, from x to the right.
void DrawGroundSymbol(wxDC& dc, const wxColour& colour, int x, int y) {
  for (int half = kGroundHalfHeight, at = x; half > 0; half -= kGroundStrokeGap, at += kGroundStrokeGap)
    Line(dc, colour, at, y - half, at, y + half);
}

void DrawStepRowWires(wxDC& dc, const stWiring& w, wxRect* extent) {
  const int k = w.active;
  const int end = StepRowZeroEnd(w);
  if (k >= 1) Line(dc, w.LineColour(), w.TerminalX(0), w.RowWireY(0), end, w.RowWireY(0));
  if (!w.grid) {
    if (!RowZeroIsIoLine(*w.ctx)) DrawGroundSymbol(dc, w.LineColour(), end, w.RowWireY(0));
    if (extent) extent->SetRight(end + kGroundWidth - 1);
  }
  // Row r meets column line K - r.
  for (int row = 1; row <= k - 1; ++row)
    Line(dc, w.LineColour(), w.TerminalX(0), w.RowWireY(row), w.ColumnX(k - row), w.RowWireY(row));
}

// Row dots where the keys' connectors meet a row wire, but at key 0 where the
// wire begins; the LCD simple grid leaves out the one at row 0's last key.
void DrawStepRowDots(wxDC& dc, const stWiring& w) {
  const int k = w.active;
  const int rowZeroLast = w.grid && w.ctx->frameworkKind == 1 && !w.ctx->vssLine ? k - 2 : k - 1;
  for (int row = 0; row <= k - 2; ++row) {
    const int last = row == 0 ? rowZeroLast : k - 1 - row;
    for (int key = 1; key <= last; ++key)
      DrawDot(dc, w.TerminalX(key), w.RowWireY(row), kDotRadius, w.DotColour());
  }
}

void DrawStepFigure(wxDC& dc, const stWiring& w, wxRect* extent) {
  DrawStepColumnLines(dc, w);
  DrawStepRowWires(dc, w, extent);
  DrawConnectors(dc, w);
  DrawColumnDots(dc, w);
  DrawStepRowDots(dc, w);
}

// --- Matrix: K column lines, Ra row wires entering from the left.

void DrawMatrixColumnLines(wxDC& dc, const stWiring& w) {
  DrawColumnZero(dc, w);
  if (w.activeRows < 1) return;
  for (int j = w.active - 1; j >= 1; --j)
    Line(dc, w.LineColour(), w.ColumnX(j), w.y0, w.ColumnX(j), w.TerminalY(w.activeRows - 1) + 1);
}

// Row wires run from the left up to the last key's terminal; the grid's from
// the panel's edge, its row 0 to the right edge of the last key.
void DrawMatrixRowWires(wxDC& dc, const stWiring& w) {
  const int last = w.active - 1;
  const int left = w.grid ? 0 : w.x0 - kMatrixRowWireLead;
  for (int row = 0; row < w.activeRows; ++row) {
    const int right =
        w.grid && row == 0 ? last * w.Pitch() + w.CellWidth() + kGridKeyLeft : w.TerminalX(last);
    Line(dc, w.LineColour(), left, w.RowWireY(row), right, w.RowWireY(row));
  }
}

// Row dots at every key's connector but the last, where the wire ends.
void DrawMatrixRowDots(wxDC& dc, const stWiring& w) {
  for (int row = 0; row < w.activeRows; ++row)
    for (int key = 0; key <= w.active - 2; ++key)
      DrawDot(dc, w.TerminalX(key), w.RowWireY(row), kDotRadius, w.DotColour());
}

void DrawMatrixFigure(wxDC& dc, const stWiring& w) {
  DrawMatrixColumnLines(dc, w);
  DrawMatrixRowWires(dc, w);
  DrawConnectors(dc, w);
  DrawColumnDots(dc, w);
  DrawMatrixRowDots(dc, w);
}

void DrawFigure(wxDC& dc, const stWiring& w, wxRect* extent) {
  if (w.ctx->matrix)
    DrawMatrixFigure(dc, w);
  else
    DrawStepFigure(dc, w, extent);
}

}  // namespace

void keydraw::DrawSwitchSymbol(wxDC& dc, Symbol symbol, int x, int top, int width) {
  const bool diagram = symbol == Symbol::kDiagram;
  const wxColour colour = symbol == Symbol::kActive ? wxColour(0x20, 0x60, 0xC0)
                          : diagram                 ? kBlack
                                                    : wxColour(0x90, 0x90, 0x90);
  const wxPenStyle style = symbol == Symbol::kInactive ? wxPENSTYLE_SHORT_DASH : wxPENSTYLE_SOLID;
  const int lead = top + (diagram ? 15 : 12);
  const int left = x + width * 3 / 10, right = x + width * 7 / 10;
  dc.SetPen(wxPen(colour, 1, style));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  // Leads to both edges, the two contacts, the bar and its push rod.
  dc.DrawLine(x, lead, left - 2, lead);
  dc.DrawLine(right + 2, lead, x + width, lead);
  dc.DrawCircle(left, lead, 2);
  dc.DrawCircle(right, lead, 2);
  dc.DrawLine(left - 2, lead - 7, right + 3, lead - 7);
  dc.DrawLine((left + right) / 2, lead - 7, (left + right) / 2, lead - 12);
  dc.DrawLine((left + right) / 2 - 3, lead - 12, (left + right) / 2 + 4, lead - 12);
}

void DrawTouchLeader(wxDC& dc, const wxRect& key, const wxRect& trigger) {
  const int middle = trigger.y + trigger.height / 2;
  const wxPoint points[3] = {
      {key.x + key.width / 2, key.GetBottom() + 1}, {key.x + key.width / 2, middle}, {trigger.x, middle}};
  dc.SetPen(wxPen(keydraw::kBlack, 1, wxPENSTYLE_SOLID));
  dc.DrawLines(3, points);
}

void DrawDot(wxDC& dc, int x, int y, int radius, const wxColour& colour) {
  dc.SetPen(wxPen(colour, 1, wxPENSTYLE_SOLID));
  dc.SetBrush(wxBrush(colour, wxBRUSHSTYLE_SOLID));
  dc.DrawEllipse(x - radius, y - radius, 2 * radius + 1, 2 * radius + 1);
}

void DrawKeyLabel(wxDC& dc, const stKeyDrawContext& ctx, const wxRect& rect, int number, bool noFill) {
  if (!noFill) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(keydraw::kBackground));
    dc.DrawRectangle(rect);
  }
  const wxFont old = dc.GetFont();
  dc.SetFont(FontAt(ctx, 7));
  dc.SetTextForeground(keydraw::kBlack);
  dc.DrawText(wxString::Format("S%d", number), rect.GetLeftTop());
  dc.SetFont(old);
}

void DrawCellText(wxDC& dc, const stKeyDrawContext& ctx, wxRect rect, const wxString& text, bool diagram,
                  int dx, int dy) {
  rect.Offset(dx, dy + 1);
  const wxFont old = dc.GetFont();
  if (diagram) dc.SetFont(FontAt(ctx, 9));
  dc.SetTextForeground(keydraw::kBlack);
  const wxSize size = dc.GetTextExtent(text);
  dc.DrawText(text, rect.x + (rect.width - size.x) / 2, rect.y);
  dc.SetFont(old);
}

void DrawKeys(wxDC& dc, const stKeyDrawContext& ctx, int columns, int activeColumns, int rows, int activeRows,
              bool diagram, const CKeySlotTable::Slots& slots, wxRect& extent, int dx, int dy) {
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const int a = ctx.cellWidth, s = ctx.Pitch();
  const int rowCount = ctx.matrix ? rows : columns;
  int number = 0;
  int skip = 8;
  int slot = 0;
  const wxFont old = dc.GetFont();
  dc.SetFont(FontAt(ctx, 9));
  for (int r = 0; r < rowCount; ++r) {
    const int cells = ctx.matrix ? columns : columns - r;
    for (int k = 0; k < cells; ++k, ++slot) {
      const bool active = ctx.matrix ? (r < activeRows && k < activeColumns) : (k < activeColumns - r);
      if (diagram && !active) continue;
      const std::int32_t code = slot < kKeySlotCount ? slots[static_cast<std::size_t>(slot)] : kNoKeyCode;
      const wxString text =
          !diagram && code != kNoKeyCode ? wxString::Format("%x", static_cast<unsigned>(code)) : wxString();
      const int x = dx + 16 + k * s;
      const int imageTop = diagram ? dy + 50 * r : dy + 2 + 50 * r;
      const wxRect label(x + a, ctx.matrix ? imageTop - 2 : imageTop, s - a, 14);
      if (active) {
        if (ctx.matrix) extent.SetRight(std::max(extent.GetRight(), x + s + dx - 1));
        if (!diagram) DrawKeyLabel(dc, ctx, label, number, false);
        if (ctx.matrix && ctx.keyMode == 1 && k == columns - 1) number += skip--;
        ++number;
      } else if (!diagram) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(keydraw::kBackground));
        dc.DrawRectangle(label);
      }
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(keydraw::kBackground));
      if (diagram) {
        keydraw::DrawSwitchSymbol(dc, keydraw::Symbol::kDiagram, x, imageTop, a);
      } else if (active) {
        dc.DrawRectangle(x, imageTop - 1, a, 26);
        keydraw::DrawSwitchSymbol(dc, keydraw::Symbol::kActive, x, imageTop, a);
      } else {
        dc.DrawRectangle(x, imageTop, a, 25);
        keydraw::DrawSwitchSymbol(dc, keydraw::Symbol::kInactive, x, imageTop - 1, a);
      }
      if (!ctx.General()) continue;
      const wxRect box(16 + k * s, 25 + 50 * r, a, 18);
      if (!diagram) {
        dc.DrawRectangle(16 + k * s + a, 25 + 50 * r, s - a, 18);
        dc.SetTextForeground(keydraw::kBlack);
        dc.DrawText("H", 16 + k * s + a, 25 + 50 * r);
        const bool tooWide = active && KeyCodeTooWide(code, ctx.commandBits);
        dc.SetPen(wxPen(tooWide ? keydraw::kRed : keydraw::kBlack, 1, wxPENSTYLE_SOLID));
        dc.SetBrush(wxBrush(active ? keydraw::kBackground : keydraw::kGrey));
        dc.DrawRectangle(box);
        DrawCellText(dc, ctx, box, text, diagram, dx, dy);
      }
      if (active) extent.SetBottom(std::max(extent.GetBottom(), 43 + 50 * r + dy - 1));
    }
  }
  dc.SetFont(old);
}

void DrawKeyGrid(wxDC& dc, const stKeyDrawContext& ctx, int x0, int y0, int lastColumn, int rows) {
  const stWiring w{&ctx, x0, y0, lastColumn, lastColumn + 1, ctx.matrix ? rows : 0, true, false};
  DrawFigure(dc, w, nullptr);
}

void DrawKeyWiring(wxDC& dc, const stKeyDrawContext& ctx, int x0, int y0, int lastColumn, int active,
                   int activeRows, bool diagram, wxRect& extent) {
  const stWiring w{&ctx, x0, y0, lastColumn, active, activeRows, false, diagram};
  DrawFigure(dc, w, &extent);
}
