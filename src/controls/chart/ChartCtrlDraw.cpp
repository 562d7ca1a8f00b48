// Drawing of the chart into its off-screen bitmap and painting of the window.
#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include "controls/chart/ChartColor.h"
#include "controls/chart/ChartCtrl.h"
#include "controls/chart/ChartLegend.h"
#include "controls/chart/ChartSeries.h"
#include "controls/chart/ChartTitle.h"

namespace {

enum EdgeBorders { kRaisedOuter = 0x1, kSunkenOuter = 0x2, kRaisedInner = 0x4, kSunkenInner = 0x8 };

wxRect ToWxRect(const ChartRect& rect) { return wxRect(rect.left, rect.top, rect.Width(), rect.Height()); }

void DrawBorder(wxDC& dc, const ChartRect& r, wxSystemColour topLeft, wxSystemColour bottomRight) {
  dc.SetPen(wxPen(wxSystemSettings::GetColour(topLeft), 1));
  dc.DrawLine(r.left, r.bottom - 1, r.left, r.top);
  dc.DrawLine(r.left, r.top, r.right - 1, r.top);
  dc.SetPen(wxPen(wxSystemSettings::GetColour(bottomRight), 1));
  dc.DrawLine(r.left, r.bottom - 1, r.right - 1, r.bottom - 1);
  dc.DrawLine(r.right - 1, r.bottom - 1, r.right - 1, r.top - 1);
}

// The platform's two-line 3D edge of the given border flags (0 draws nothing).
void DrawEdge(wxDC& dc, const ChartRect& rect, int edgeType) {
  if (edgeType == 0 || rect.IsEmpty()) return;
  wxDCPenChanger pen(dc, *wxBLACK_PEN);
  if (edgeType & kRaisedOuter) DrawBorder(dc, rect, wxSYS_COLOUR_3DLIGHT, wxSYS_COLOUR_3DDKSHADOW);
  if (edgeType & kSunkenOuter) DrawBorder(dc, rect, wxSYS_COLOUR_3DSHADOW, wxSYS_COLOUR_3DHIGHLIGHT);
  const ChartRect inner = rect.Deflated(1);
  if (edgeType & kRaisedInner) DrawBorder(dc, inner, wxSYS_COLOUR_3DHIGHLIGHT, wxSYS_COLOUR_3DSHADOW);
  if (edgeType & kSunkenInner) DrawBorder(dc, inner, wxSYS_COLOUR_3DDKSHADOW, wxSYS_COLOUR_3DLIGHT);
}

void FillGradient(wxDC& dc, const ChartRect& rect, ChartColor color1, ChartColor color2, int type) {
  const wxColour first = ToWxColour(color1);
  const wxColour second = ToWxColour(color2);
  const wxRect all = ToWxRect(rect);
  switch (type) {
    case 0: dc.GradientFillLinear(all, first, second, wxEAST); break;
    case 1: dc.GradientFillLinear(all, first, second, wxSOUTH); break;
    case 2: {
      const int half = rect.Width() / 2;
      dc.GradientFillLinear(wxRect(rect.left, rect.top, half, rect.Height()), first, second, wxEAST);
      dc.GradientFillLinear(wxRect(rect.left + half, rect.top, rect.Width() - half, rect.Height()), second,
                            first, wxEAST);
      break;
    }
    default: {
      const int half = rect.Height() / 2;
      dc.GradientFillLinear(wxRect(rect.left, rect.top, rect.Width(), half), first, second, wxSOUTH);
      dc.GradientFillLinear(wxRect(rect.left, rect.top + half, rect.Width(), rect.Height() - half), second,
                            first, wxSOUTH);
      break;
    }
  }
}

void DrawOutline(wxDC& dc, const ChartRect& r) {
  const wxPoint outline[] = {
      {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}, {r.left, r.top}};
  dc.DrawLines(5, outline);
}

}  // namespace

void CChartCtrl::DrawBackground(wxDC& dc, const ChartRect& rect) {
  if (m_backGradient) {
    FillGradient(dc, rect, m_gradientColor1, m_gradientColor2, m_gradientType);
  } else {
    wxDCBrushChanger brush(dc, wxBrush(ToWxColour(m_backColor)));
    wxDCPenChanger pen(dc, *wxTRANSPARENT_PEN);
    dc.DrawRectangle(ToWxRect(rect));
  }
  DrawEdge(dc, rect, m_edgeType);
}

void CChartCtrl::DrawChart(wxDC& dc, ChartRect chartRect) {
  m_title->SetPlace(chartRect.left, chartRect.top, chartRect.right);
  chartRect.top += m_title->GetSize(dc).y;
  m_legend->ClipArea(chartRect, dc);
  // The plotting rectangle starts below the title and beside the legend even when an axis is missing.
  m_plottingRect = chartRect;

  for (auto& axis : m_axes) {
    if (!axis) continue;
    axis->SetAxisSize(chartRect, m_plottingRect);
    axis->RefreshTicks();
    axis->ClipMargin(chartRect, m_plottingRect, dc);
  }
  for (auto& axis : m_axes) {
    if (!axis) continue;
    axis->SetAxisSize(chartRect, m_plottingRect);
    axis->RefreshTicks();
    axis->Draw(dc);
  }

  {
    wxDCPenChanger pen(dc, wxPen(ToWxColour(m_borderColor), 1));
    DrawOutline(dc, m_plottingRect);
  }

  const ChartRect& plot = m_plottingRect;
  if (!plot.IsEmpty()) {
    for (auto& entry : m_series) {
      entry.second->SetPlottingRect({plot.left, plot.top, plot.right + 1, plot.bottom + 1});
      entry.second->DrawAll(dc);
    }
    wxDCClipper clip(dc, ToWxRect(plot));
    for (auto& entry : m_series) entry.second->DrawLabels(dc);
  }
  m_legend->Draw(dc);
}

void CChartCtrl::OnPaint(wxPaintEvent&) {
  wxBufferedPaintDC dc(this);
  if (!m_paintedOnce) {
    m_paintedOnce = true;
    RefreshCtrl();
  }
  EnsureBackgroundDC();
  const wxSize size = GetClientSize();
  dc.Blit(0, 0, size.x, size.y, &m_backgroundDC, 0, 0);
  if (m_zoomEnabled && m_leftButtonDown) {
    wxDCPenChanger pen(dc, wxPen(ToWxColour(m_zoomRectColor), 1));
    DrawOutline(dc, m_zoomRect);
  }
}

void CChartCtrl::OnEraseBackground(wxEraseEvent&) {}

void CChartCtrl::OnSize(wxSizeEvent& event) {
  event.Skip();
  ReleaseBackgroundDC();
  RefreshCtrl();
}
