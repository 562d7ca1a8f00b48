#include <algorithm>
#include <cmath>
#include <vector>

#include <wx/dcclient.h>

#include "controls/chart/BezierSmoothing.h"
#include "controls/chart/ChartAxis.h"
#include "controls/chart/ChartColor.h"
#include "controls/chart/ChartCtrl.h"
#include "controls/chart/ChartSeries.h"
#include "controls/chart/MarkedTimes.h"
#include "controls/chart/PixelColumns.h"

namespace {

wxPenStyle ToWxPenStyle(int style) {
  switch (style) {
    case 1: return wxPENSTYLE_SHORT_DASH;
    case 2: return wxPENSTYLE_DOT;
    case 3:
    case 4: return wxPENSTYLE_DOT_DASH;
    case 5: return wxPENSTYLE_TRANSPARENT;
    default: return wxPENSTYLE_SOLID;
  }
}

wxRect ToWxRect(const ChartRect& rect) { return wxRect(rect.left, rect.top, rect.Width(), rect.Height()); }

double DistanceToSegment(const ChartPoint& p, const ChartPoint& a, const ChartPoint& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// A cubic Bezier segment flattened into short lines.
void AppendBezier(std::vector<wxPoint>& out, const wxRealPoint& p0, const wxRealPoint& p1,
                  const wxRealPoint& p2, const wxRealPoint& p3) {
  constexpr int kSteps = 16;
  for (int i = 1; i <= kSteps; ++i) {
    const double t = static_cast<double>(i) / kSteps;
    const double u = 1 - t;
    const double x = u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x;
    const double y = u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y;
    out.emplace_back(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
  }
}

void DrawPolyline(wxDC& dc, const std::vector<wxPoint>& points) {
  if (points.size() >= 2) dc.DrawLines(static_cast<int>(points.size()), points.data());
}

}  // namespace

wxPen CChartLineSeries::MakePen(ChartColor color) const {
  wxPen pen(ToWxColour(color), std::max(m_lineWidth, 1), ToWxPenStyle(m_penStyle));
  return pen;
}

void CChartLineSeries::SetWidth(int width) {
  m_lineWidth = width;
  if (m_parent) m_parent->RefreshCtrl();
}

void CChartLineSeries::SetPenStyle(int style) {
  m_penStyle = style;
  if (m_parent) m_parent->RefreshCtrl();
}

bool CChartLineSeries::IsPointOnSeries(const ChartPoint& point, unsigned& index) const {
  unsigned first;
  unsigned last;
  if (!GetVisiblePoints(first, last)) return false;
  if (first > 0) --first;
  if (last + 1 < GetPointsCount()) ++last;
  if (first == last) {
    const ChartPoint lone = GetPointScreenCoord(first);
    if (std::hypot(point.x - lone.x, point.y - lone.y) > 6) return false;
    index = first;
    return true;
  }
  for (unsigned i = first; i < last; ++i) {
    if (DistanceToSegment(point, GetPointScreenCoord(i), GetPointScreenCoord(i + 1)) <= 3) {
      index = i;
      return true;
    }
  }
  return false;
}

void CChartLineSeries::DrawLegend(wxDC& dc, const ChartRect& rect) const {
  if (m_name.empty()) return;
  wxDCPenChanger pen(dc, MakePen(m_color));
  const int y = (rect.top + rect.bottom) / 2;
  dc.DrawLine(rect.left, y, rect.right, y);
}

void CChartLineSeries::DrawAll(wxDC& dc) {
  if (!m_visible || !dc.IsOk() || !m_horizontalAxis || !m_verticalAxis) return;
  unsigned first;
  unsigned last;
  if (!GetVisiblePoints(first, last)) return;
  if (first > 0) --first;
  if (last + 1 < GetPointsCount()) ++last;
  if (first == last) return;

  const wxPen line = MakePen(m_color);
  const wxPen shadow = MakePen(m_shadowColor);
  wxDCClipper clip(dc, ToWxRect(m_plottingRect));
  wxDCPenChanger pen(dc, line);
  if (m_smooth) {
    DrawSmoothed(dc, line, shadow);
  } else {
    DrawPlain(dc, first, last, line, shadow);
  }
}

void CChartLineSeries::DrawPlain(wxDC& dc, unsigned first, unsigned last, const wxPen& line,
                                 const wxPen& shadow) {
  // A zoomed-out wave has many points per pixel column: draw each column once.
  std::vector<ChartPoint> reduced;
  if (GetOrdering() == kOrderByX) {
    ReduceSortedPoints(m_store.Data(), first, last, HorizontalPixel(), VerticalPixel(), reduced, &Blocks());
  } else {
    CPixelColumnReducer columns(reduced);
    for (unsigned i = first; i <= last; ++i) columns.Add(GetPointScreenCoord(i));
  }
  std::vector<wxPoint> pixels;
  pixels.reserve(reduced.size());
  for (const ChartPoint& p : reduced) pixels.emplace_back(p.x, p.y);
  m_lastDrawnPoint = last;
  if (m_showMarkedTimes) DrawMarkedTimes(dc, first, last);
  if (m_shadow) {
    std::vector<wxPoint> shadowPixels(pixels);
    for (wxPoint& p : shadowPixels) p += wxPoint(m_shadowDepth, m_shadowDepth);
    dc.SetPen(shadow);
    DrawPolyline(dc, shadowPixels);
  }
  dc.SetPen(line);
  DrawPolyline(dc, pixels);
}

void CChartLineSeries::DrawSmoothed(wxDC& dc, const wxPen& line, const wxPen& shadow) const {
  const unsigned count = GetPointsCount();
  std::vector<double> xs(count);
  std::vector<double> ys(count);
  for (unsigned i = 0; i < count; ++i) {
    xs[i] = m_store.At(i).X;
    ys[i] = m_store.At(i).Y;
  }
  const std::vector<double> pathX = BuildBezierPath(xs);
  const std::vector<double> pathY = BuildBezierPath(ys);
  if (pathX.empty()) return;
  std::vector<wxRealPoint> controls(pathX.size());
  for (size_t i = 0; i < pathX.size(); ++i) {
    controls[i] =
        wxRealPoint(m_horizontalAxis->ValueToScreen(pathX[i]), m_verticalAxis->ValueToScreen(pathY[i]));
  }
  std::vector<wxPoint> flattened{wxPoint(static_cast<int>(controls[0].x), static_cast<int>(controls[0].y))};
  for (size_t i = 0; i + 3 < controls.size(); i += 3) {
    AppendBezier(flattened, controls[i], controls[i + 1], controls[i + 2], controls[i + 3]);
  }
  if (m_shadow) {
    std::vector<wxPoint> shadowPoints(flattened);
    for (wxPoint& p : shadowPoints) p += wxPoint(m_shadowDepth, m_shadowDepth);
    dc.SetPen(shadow);
    DrawPolyline(dc, shadowPoints);
  }
  dc.SetPen(line);
  DrawPolyline(dc, flattened);
}

void CChartLineSeries::DrawNewPoints(wxDC& dc) {
  if (!m_visible || !dc.IsOk() || !m_parent || !m_horizontalAxis || !m_verticalAxis) return;
  if (m_shadow || m_smooth) {
    DrawAll(dc);
    return;
  }
  const unsigned count = GetPointsCount();
  const ChartRect& plot = m_parent->GetPlottingRect();
  if (count == 0 || plot.IsEmpty()) return;
  wxDCClipper clip(dc, ToWxRect(plot));
  wxDCPenChanger pen(dc, MakePen(m_color));
  for (; m_lastDrawnPoint + 1 < count; ++m_lastDrawnPoint) {
    const ChartPoint a = GetPointScreenCoord(m_lastDrawnPoint);
    const ChartPoint b = GetPointScreenCoord(m_lastDrawnPoint + 1);
    dc.DrawLine(a.x, a.y, b.x, b.y);
  }
}

PixelMapping CChartLineSeries::HorizontalPixel() const {
  return [axis = m_horizontalAxis](double value) { return axis->ValueToScreen(value); };
}

PixelMapping CChartLineSeries::VerticalPixel() const {
  return [axis = m_verticalAxis](double value) { return axis->ValueToScreen(value); };
}

const CPointBlocks& CChartLineSeries::Blocks() const {
  if (m_blocksGeneration != PointsGeneration()) {
    m_blocks.Build(m_store.Data(), GetPointsCount());
    m_blocksGeneration = PointsGeneration();
  }
  return m_blocks;
}

void CChartLineSeries::DrawMarkedTimes(wxDC& dc, unsigned first, unsigned last) const {
  const int narrowest = NarrowestMarkedTimeWidth(dc);
  const unsigned count = GetPointsCount();
  const std::vector<stMarkedPeriod> periods =
      GetOrdering() == kOrderByX
          ? ListWideMarkedPeriods(m_store.Data(), count, first, last, narrowest, HorizontalPixel(), &Blocks())
          : ListMarkedPeriods(CollectLevelChanges(m_store.Data(), count, first, last));
  for (const stMarkedPeriod& period : periods) {
    const int start = m_horizontalAxis->ValueToScreen(period.startTime);
    const int end = m_horizontalAxis->ValueToScreen(period.endTime);
    const int distance = std::abs(end - start);
    if (distance < narrowest) continue;  // no label fits: skip measuring it
    const wxString text = MarkedTimeText(period);
    const wxSize extent = dc.GetTextExtent(text);
    if (extent.x >= distance) continue;
    dc.DrawText(text, std::min(start, end) + distance / 2 - extent.x / 2,
                m_verticalAxis->ValueToScreen(period.labelLevel));
  }
}

int CChartLineSeries::NarrowestMarkedTimeWidth(wxDC& dc) {
  // Every label has a prefix, one or more digits, a point, three decimals and
  // a unit; digits are the same width in the chart's fonts, so the shortest
  // texts bound every label's width from below (less a pixel of kerning).
  int narrowest = dc.GetTextExtent("TL(0.000us)").x;
  for (const char* text : {"TH(0.000us)", "TL(1.111us)", "TH(1.111us)"}) {
    narrowest = std::min(narrowest, dc.GetTextExtent(text).x);
  }
  return narrowest - 1;
}

const std::vector<stMarkedTextGroup>& CChartLineSeries::MarkedTextGroups() const {
  if (m_markedGroupsGeneration != PointsGeneration()) {
    const unsigned count = GetPointsCount();
    m_markedGroups =
        count == 0
            ? std::vector<stMarkedTextGroup>{}
            : GroupPeriodsByText(ListMarkedPeriods(CollectLevelChanges(m_store.Data(), count, 0, count - 1)));
    m_markedGroupsGeneration = PointsGeneration();
  }
  return m_markedGroups;
}

bool CChartLineSeries::HasHiddenMarkedTime(wxDC& dc) const {
  if (GetPointsCount() == 0 || !m_horizontalAxis || !dc.IsOk()) return false;
  const double span = m_horizontalAxis->GetMaximum() - m_horizontalAxis->GetMinimum();
  const int pixels = std::abs(m_horizontalAxis->ValueToScreen(m_horizontalAxis->GetMaximum()) -
                              m_horizontalAxis->ValueToScreen(m_horizontalAxis->GetMinimum()));
  const double pixelsPerUnit = span > 0 ? pixels / span : 0.0;
  for (const stMarkedTextGroup& group : MarkedTextGroups()) {
    const int width = dc.GetTextExtent(group.text).x;
    // Shortest first: stop at the first period that is surely wide enough
    // (rounding of the two ends moves a distance by at most two pixels).
    for (const stMarkedPeriod& period : group.periods) {
      if (pixelsPerUnit > 0 && std::fabs(period.endTime - period.startTime) * pixelsPerUnit > width + 2)
        break;
      const int distance = std::abs(m_horizontalAxis->ValueToScreen(period.endTime) -
                                    m_horizontalAxis->ValueToScreen(period.startTime));
      if (width >= distance) return true;
    }
  }
  return false;
}
