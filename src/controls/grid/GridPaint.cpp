#include "controls/grid/GridPaint.h"

#include "controls/grid/GridTextLayout.h"

#include <wx/dcprint.h>
#include <wx/module.h>

#include <cstdlib>
#include <memory>

namespace gridpaint {

ColorRef SystemColor(wxSystemColour which) { return ColorRefFromColour(wxSystemSettings::GetColour(which)); }

wxColour Colour(ColorRef color) { return ColourFromColorRef(color); }

void FillRect(wxDC& dc, const GridRect& rect, ColorRef color) {
  if (rect.IsEmpty()) return;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(Colour(color)));
  dc.DrawRectangle(rect.ToWx());
}

void FrameRect(wxDC& dc, const GridRect& rect, ColorRef color) {
  if (rect.IsEmpty()) return;
  FillRect(dc, GridRect(rect.left, rect.top, rect.right, rect.top + 1), color);
  FillRect(dc, GridRect(rect.left, rect.bottom - 1, rect.right, rect.bottom), color);
  FillRect(dc, GridRect(rect.left, rect.top, rect.left + 1, rect.bottom), color);
  FillRect(dc, GridRect(rect.right - 1, rect.top, rect.right, rect.bottom), color);
}

// Toolkits differ on whether a line includes its end point; straight lines
// are therefore filled as one-pixel rectangles.
void DrawLine(wxDC& dc, int x1, int y1, int x2, int y2, ColorRef color) {
  if (x1 == x2 && y1 == y2) return;
  if (y1 == y2) {
    const int left = x1 < x2 ? x1 : x2 + 1;
    FillRect(dc, GridRect(left, y1, left + std::abs(x2 - x1), y1 + 1), color);
  } else if (x1 == x2) {
    const int top = y1 < y2 ? y1 : y2 + 1;
    FillRect(dc, GridRect(x1, top, x1 + 1, top + std::abs(y2 - y1)), color);
  } else {
    dc.SetPen(wxPen(Colour(color), 1));
    dc.DrawLine(x1, y1, x2, y2);
  }
}

void DrawPolyline(wxDC& dc, const wxPoint* points, int count, ColorRef color) {
  for (int i = 0; i + 1 < count; ++i)
    DrawLine(dc, points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, color);
}

void DrawSunkenInnerEdge(wxDC& dc, const GridRect& rect) {
  if (rect.IsEmpty()) return;
  const ColorRef dark = SystemColor(wxSYS_COLOUR_3DDKSHADOW);
  const ColorRef light = SystemColor(wxSYS_COLOUR_3DLIGHT);
  const int right = rect.right - 1;
  const int bottom = rect.bottom - 1;
  const wxPoint topLeft[] = {wxPoint(rect.left, bottom), wxPoint(rect.left, rect.top),
                             wxPoint(right, rect.top)};
  DrawPolyline(dc, topLeft, 3, dark);
  const wxPoint bottomRight[] = {wxPoint(rect.left, bottom), wxPoint(right, bottom),
                                 wxPoint(right, rect.top)};
  DrawPolyline(dc, bottomRight, 3, light);
}

namespace {

// The line height of the last font measured (UI thread only); let go when
// the library shuts down.
struct LineHeightCache {
  wxFont font;
  int height = 0;
};
LineHeightCache g_lineHeight;

class CGridPaintModule : public wxModule {
 public:
  bool OnInit() override { return true; }
  void OnExit() override { g_lineHeight = LineHeightCache(); }

 private:
  wxDECLARE_DYNAMIC_CLASS(CGridPaintModule);
};
wxIMPLEMENT_DYNAMIC_CLASS(CGridPaintModule, wxModule);

int LineHeight(wxDC& dc) {
  const wxFont& font = dc.GetFont();
  if (!g_lineHeight.font.IsOk() || !font.IsOk() || font.GetRefData() != g_lineHeight.font.GetRefData()) {
    wxCoord width = 0;
    dc.GetTextExtent("Ag", &width, &g_lineHeight.height);
    g_lineHeight.font = font;
  }
  return g_lineHeight.height;
}

}  // namespace

wxSize MeasureText(wxDC& dc, const wxString& text) {
  if (text.empty()) return wxSize(0, LineHeight(dc));
  wxCoord width = 0;
  wxCoord height = 0;
  dc.GetTextExtent(text, &width, &height);
  return wxSize(width, height);
}

namespace {

GridTextLayout Layout(wxDC& dc, const wxString& text, const GridRect& rect, unsigned format) {
  return LayoutGridText(text, rect, format, [&dc](const wxString& part) { return MeasureText(dc, part); });
}

void DrawUpwards(wxDC& dc, const wxString& text, const GridRect& rect) {
  const wxSize size = MeasureText(dc, text);
  const int x = rect.left + (rect.Width() - size.y) / 2;
  dc.DrawRotatedText(text, x, rect.bottom, 90.0);
}

}  // namespace

void DrawCellText(wxDC& dc, const wxString& text, const GridRect& rect, unsigned format, bool verticalFont) {
  if (text.empty() || rect.IsEmpty()) return;
  std::unique_ptr<wxDCClipper> clipper;
  if (!(format & gridformat::kNoClip)) clipper = std::make_unique<wxDCClipper>(dc, rect.ToWx());
  if (verticalFont) {
    DrawUpwards(dc, text, rect);
    return;
  }
  for (const GridTextLine& line : Layout(dc, text, rect, format).lines) {
    if (!line.text.empty()) dc.DrawText(line.text, line.x, line.y);
  }
}

wxSize CalcTextSize(wxDC& dc, const wxString& text, const GridRect& rect, unsigned format) {
  const GridTextLayout layout = Layout(dc, text, rect, format);
  return wxSize(layout.width, layout.height);
}

bool IsPrinterDC(const wxDC& dc) {
#if wxUSE_PRINTING_ARCHITECTURE
  return wxDynamicCast(&dc, wxPrinterDC) != nullptr;
#else
  wxUnusedVar(dc);
  return false;
#endif
}

}  // namespace gridpaint
