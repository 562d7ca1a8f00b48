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

// The figure of the key grid or of the keys in use.
struct stWiring {
  const stKeyDrawContext* ctx;
  int x0, y0, lastColumn, active, activeRows;
  bool grid, diagram;
};

void DrawFigure(wxDC& dc, const stWiring& w, wxRect* extent) {
  const stKeyDrawContext& ctx = *w.ctx;
  const int a = ctx.cellWidth, s = ctx.Pitch();
  const int x0 = w.x0, y0 = w.y0, k = w.active;
  const bool step = !ctx.matrix;
  const bool g0 = step && !ctx.General() && !ctx.vssLine;
  const wxColour c = w.grid ? keydraw::kGrey : (w.diagram ? keydraw::kBlack : keydraw::kBlue);
  const int rows = step ? k : w.activeRows;
  // Column 0 and the columns after it.
  if (k >= 1 || w.grid) Line(dc, c, x0, y0, x0, y0 + 16 + 50 * (std::max(rows, 1) - 1));
  for (int j = k - 1; j >= 1; --j) {
    if (step)
      Line(dc, c, x0 + j * s, y0, x0 + j * s, y0 + (w.grid ? 73 : 74) + 50 * (k - 1 - j));
    else if (w.activeRows >= 1)
      Line(dc, c, x0 + j * s, y0, x0 + j * s, y0 + 16 + 50 * (w.activeRows - 1));
  }
  if (g0 && k >= 1) Line(dc, c, x0 + k * s, y0, x0 + k * s, y0 + 24);
  // Row 0.
  int xe = 0;
  if (step) {
    const int last = w.grid || !w.diagram ? (w.grid ? k - 1 : w.lastColumn) : k - 1;
    const int length = g0 ? a / 2 + (k - 1) * s : last * s + a + 16;
    xe = x0 + a + length;
    if (k >= 1) Line(dc, c, x0 + a, y0 + 23, xe, y0 + 23);
  } else if (w.activeRows >= 1) {
    if (w.grid)
      Line(dc, c, 0, y0 + 23, (k - 1) * s + a + 16, y0 + 23);
    else
      Line(dc, c, x0 - 15, y0 + 23, x0 + (k - 1) * s + a, y0 + 23);
  }
  if (step && !w.grid) {
    if (!g0) {
      Line(dc, c, xe, y0 + 23 - 15, xe, y0 + 23 + 15);
      Line(dc, c, xe + 5, y0 + 23 - 10, xe + 5, y0 + 23 + 10);
      Line(dc, c, xe + 10, y0 + 23 - 5, xe + 10, y0 + 23 + 5);
    }
    if (extent) extent->SetRight(xe + 15 - 1);
  }
  // Rows below.
  if (step) {
    for (int r = 1; r <= k - 1; ++r)
      Line(dc, c, x0 + a, y0 + 23 + 50 * r, x0 + (k - r) * s, y0 + 23 + 50 * r);
  } else {
    for (int r = 1; r <= w.activeRows - 1; ++r)
      Line(dc, c, w.grid ? 0 : x0 - 15, y0 + 23 + 50 * r, x0 + (k - 1) * s + a, y0 + 23 + 50 * r);
  }
  // Connectors from each key's right terminal down to its row wire.
  for (int r = 0; r < rows; ++r) {
    const int keys = step ? k - r : k;
    for (int key = 0; key < keys; ++key) {
      const int x = x0 + a + key * s;
      int length = 9;
      if (w.grid && !step && key < k - 1) length = 6;
      Line(dc, c, x, y0 + 15 + 50 * r, x, y0 + 15 + length + 50 * r);
    }
  }
  // Junction dots.
  const wxColour dot = w.grid ? keydraw::kGrey : keydraw::kBlack;
  for (int r = 0; r <= rows - 2; ++r) {
    const int columns = step ? k - r : k;
    for (int j = 0; j < columns; ++j) DrawDot(dc, x0 + j * s, y0 + 15 + 50 * r, 2, dot);
  }
  if (step) {
    for (int r = 0; r <= k - 2; ++r) {
      for (int key = 1; key <= k - 1 - r; ++key) {
        const bool skip = w.grid && r == 0 && key == k - 1 && ctx.frameworkKind == 1 && !ctx.vssLine;
        if (!skip) DrawDot(dc, x0 + a + key * s, y0 + 23 + 50 * r, 2, dot);
      }
    }
  } else {
    for (int r = 0; r < w.activeRows; ++r)
      for (int key = 0; key <= k - 2; ++key) DrawDot(dc, x0 + a + key * s, y0 + 23 + 50 * r, 2, dot);
  }
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
