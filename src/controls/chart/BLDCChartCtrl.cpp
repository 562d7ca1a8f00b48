#include "controls/chart/BLDCChartCtrl.h"

#include "controls/chart/ChartScrollBar.h"
#include "controls/chart/ChartSeries.h"

bool CBLDCChartCtrl::FirstSeriesHidesMarkedTimes() {
  auto* series = dynamic_cast<CChartLineSeries*>(GetFirstSeries());
  // Without a series nothing limits zooming in.
  return series == nullptr || series->HasHiddenMarkedTime(GetDC());
}

void CBLDCChartCtrl::OnLeftButtonUp(const wxPoint& point) {
  const ChartRect& r = GetZoomRect();
  const bool reversed = !(r.left <= r.right && r.top <= r.bottom);
  // Zooming in stops once every period label of the wave fits.
  if (!reversed && !FirstSeriesHidesMarkedTimes()) {
    EndDrag();
    Refresh();
    return;
  }
  if (CChartAxis* bottom = GetBottomAxis()) {
    const auto restore =
        m_zoomHistory.OnRelease(bottom->GetMinimum(), bottom->GetMaximum(), reversed, IsLeftButtonDown());
    if (restore) bottom->SetUndoZoomMinMax(restore->minimum, restore->maximum);
  }
  CChartCtrl::OnLeftButtonUp(point);
}

void CBLDCChartCtrl::Pan(int x1, int y1, int x2, int y2) {
  if (x1 != x2 || y1 != y2) {
    EnableRefresh(false);
    for (CChartAxis* axis : {GetLeftAxis(), GetRightAxis()}) {
      if (axis) axis->PanAxis(y1, y2);
    }
    for (CChartAxis* axis : {GetBottomAxis(), GetTopAxis()}) {
      if (axis) axis->PanAxis(x1, x2);
    }
    RefreshCtrl();
    EnableRefresh(true);
    Update();
  }
  UpdateScrollBarsUnder(wxPoint(x2, y2));
}
