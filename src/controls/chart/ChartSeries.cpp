#include "controls/chart/ChartSeries.h"

#include "controls/chart/ChartAxis.h"
#include "controls/chart/ChartCtrl.h"

namespace {

// Identifiers are shared by every series of the program, so a chart's series map is in creation order.
unsigned g_nextSeriesId = 0;

}  // namespace

CChartSeries::CChartSeries(CChartCtrl* parent) : m_parent(parent), m_seriesId(g_nextSeriesId++) {}

CChartSeries::~CChartSeries() {
  if (m_verticalAxis) m_verticalAxis->UnregisterSeries(this);
  if (m_horizontalAxis) m_horizontalAxis->UnregisterSeries(this);
}

void CChartSeries::ReplaceAxis(CChartAxis* old, CChartAxis* replacement) {
  if (m_verticalAxis == old) m_verticalAxis = replacement;
  if (m_horizontalAxis == old) m_horizontalAxis = replacement;
  old->UnregisterSeries(this);
  replacement->RegisterSeries(this);
}

void CChartSeries::DetachAxis(CChartAxis* axis) {
  if (m_verticalAxis == axis) m_verticalAxis = nullptr;
  if (m_horizontalAxis == axis) m_horizontalAxis = nullptr;
}

void CChartSeries::SetName(const wxString& name) {
  m_name = name;
  if (m_parent) m_parent->RefreshCtrl();
}

void CChartSeries::SetColor(ChartColor color) {
  m_color = color;
  if (m_parent) m_parent->RefreshCtrl();
}

void CChartSeries::RefreshAutoAxes(bool redraw) {
  if (!m_parent) return;
  m_parent->EnableRefresh(false);
  if (m_horizontalAxis) m_horizontalAxis->RefreshAutoAxis();
  if (m_verticalAxis) m_verticalAxis->RefreshAutoAxis();
  if (redraw) m_parent->RefreshCtrl();
  m_parent->EnableRefresh(true);
}

template <class PointType>
bool CChartSeriesBase<PointType>::GetVisiblePoints(unsigned& first, unsigned& last) const {
  const CChartAxis* axis = nullptr;
  if (m_store.GetOrdering() == kOrderByX) axis = m_horizontalAxis;
  if (m_store.GetOrdering() == kOrderByY) axis = m_verticalAxis;
  if (axis == nullptr) {
    if (m_store.Count() == 0) return false;
    first = 0;
    last = m_store.Count() - 1;
    return true;
  }
  return m_store.GetVisibleRange(axis->GetMinimum(), axis->GetMaximum(), first, last);
}

template class CChartSeriesBase<SChartXYPoint>;

void CChartXYSeries::AddPoint(double x, double y) {
  m_store.Add({x, y});
  ++m_pointsGeneration;
  if (!m_parent) return;
  if (!m_parent->IsRefreshEnabled()) {
    // Batched: the axes follow and the chart redraws once refresh is enabled again.
    m_parent->DeferAutoAxesRefresh();
    return;
  }
  RefreshAutoAxes(false);
  DrawNewPoints(m_parent->GetDC());
  m_parent->Refresh(false);
}

void CChartXYSeries::ClearSeries() {
  m_store.Clear();
  ++m_pointsGeneration;
  m_lastDrawnPoint = 0;
  RefreshAutoAxes(true);
}

void CChartXYSeries::SetOrdering(int ordering) {
  CChartSeriesBase<SChartXYPoint>::SetOrdering(ordering);
  ++m_pointsGeneration;
}

ChartPoint CChartXYSeries::GetPointScreenCoord(unsigned index) const {
  const SChartXYPoint& point = m_store.At(index);
  ChartPoint pixel;
  if (m_horizontalAxis) pixel.x = m_horizontalAxis->ValueToScreen(point.X);
  if (m_verticalAxis) pixel.y = m_verticalAxis->ValueToScreen(point.Y);
  return pixel;
}
