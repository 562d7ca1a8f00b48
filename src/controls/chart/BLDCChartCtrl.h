// The wave chart: a chart whose reversed zoom drags step back through a
// history of horizontal zoom ranges, and whose range the page's buttons pan.
#pragma once

#include "controls/chart/ChartCtrl.h"
#include "controls/chart/ZoomHistory.h"

class CBLDCChartCtrl : public CChartCtrl {
 public:
  using CChartCtrl::CChartCtrl;

  // Pans by the move from (x1, y1) to (x2, y2) in client coordinates.
  void Pan(int x1, int y1, int x2, int y2);
  // Forgets the zoom steps and the starting range (a new wave is shown).
  void ClearZoomHistory() { m_zoomHistory.Clear(); }
  const CZoomHistory& GetZoomHistory() const { return m_zoomHistory; }

  void OnLeftButtonUp(const wxPoint& point) override;

 private:
  bool FirstSeriesHidesMarkedTimes();

  CZoomHistory m_zoomHistory;
};
