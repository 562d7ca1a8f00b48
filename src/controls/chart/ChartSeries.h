// Series of the chart: the common part, the point storage, XY points and the
// line series that draws them (plain, smoothed, with shadow, with the period
// labels of a level wave).
#pragma once

#include <vector>

#include <wx/dc.h>
#include <wx/string.h>

#include "controls/chart/ChartGeometry.h"
#include "controls/chart/ChartPoints.h"
#include "controls/chart/MarkedTimes.h"
#include "controls/chart/PixelColumns.h"

class CChartAxis;
class CChartCtrl;

class CChartSeries {
 public:
  explicit CChartSeries(CChartCtrl* parent);
  virtual ~CChartSeries();
  CChartSeries(const CChartSeries&) = delete;
  CChartSeries& operator=(const CChartSeries&) = delete;

  virtual unsigned GetPointsCount() const = 0;
  virtual ChartPoint GetPointScreenCoord(unsigned index) const = 0;
  virtual bool GetSeriesYMinMax(double& minimum, double& maximum) const = 0;
  virtual bool GetSeriesXMinMax(double& minimum, double& maximum) const = 0;
  virtual bool GetSeriesXScreenMinMax(double& minimum, double& maximum) const = 0;
  virtual bool GetSeriesYScreenMinMax(double& minimum, double& maximum) const = 0;
  virtual bool IsPointOnSeries(const ChartPoint& point, unsigned& index) const = 0;
  virtual bool GetVisiblePoints(unsigned& first, unsigned& last) const = 0;
  virtual void DrawLegend(wxDC& dc, const ChartRect& rect) const = 0;
  virtual void DrawNewPoints(wxDC& dc) = 0;
  virtual void DrawAll(wxDC& dc) = 0;
  // No point labels are attached to the series of this program.
  virtual void DrawLabels(wxDC& dc) { (void)dc; }
  // No series listener is attached in this program.
  virtual bool NotifyMouseEvent(int event, const ChartPoint& point) {
    (void)event;
    (void)point;
    return false;
  }
  virtual void SetOrdering(int ordering) = 0;

  unsigned GetSeriesId() const { return m_seriesId; }
  CChartCtrl* GetParent() const { return m_parent; }
  void SetVerticalAxis(CChartAxis* axis) { m_verticalAxis = axis; }
  CChartAxis* GetVerticalAxis() const { return m_verticalAxis; }
  void SetHorizontalAxis(CChartAxis* axis) { m_horizontalAxis = axis; }
  CChartAxis* GetHorizontalAxis() const { return m_horizontalAxis; }
  // Moves the series from an axis that is being replaced to its successor.
  void ReplaceAxis(CChartAxis* old, CChartAxis* replacement);
  // Forgets an axis that is being destroyed.
  void DetachAxis(CChartAxis* axis);

  void SetName(const wxString& name);
  const wxString& GetName() const { return m_name; }
  void SetVisible(bool visible) { m_visible = visible; }
  bool IsVisible() const { return m_visible; }
  void SetShadow(bool shadow) { m_shadow = shadow; }
  void SetShadowColor(ChartColor color) { m_shadowColor = color; }
  void SetShadowDepth(int depth) { m_shadowDepth = depth; }
  void SetColor(ChartColor color);
  ChartColor GetColor() const { return m_color; }
  void SetPlottingRect(const ChartRect& rect) { m_plottingRect = rect; }

  // Automatic ranges of both axes follow the points; redraw forces a redraw.
  void RefreshAutoAxes(bool redraw);

 protected:
  friend class CChartCtrl;

  CChartCtrl* m_parent;
  CChartAxis* m_verticalAxis = nullptr;
  CChartAxis* m_horizontalAxis = nullptr;
  wxString m_name;
  bool m_visible = true;
  bool m_shadow = false;
  ChartColor m_color = 0;
  ChartColor m_shadowColor = 0x969696;
  int m_shadowDepth = 2;
  ChartRect m_plottingRect;
  unsigned m_seriesId;
};

template <class PointType>
class CChartSeriesBase : public CChartSeries {
 public:
  explicit CChartSeriesBase(CChartCtrl* parent) : CChartSeries(parent) {}

  unsigned GetPointsCount() const override { return m_store.Count(); }
  bool GetSeriesYMinMax(double& minimum, double& maximum) const override {
    return m_visible && m_store.GetYMinMax(minimum, maximum);
  }
  bool GetSeriesXMinMax(double& minimum, double& maximum) const override {
    return m_visible && m_store.GetXMinMax(minimum, maximum);
  }
  bool GetSeriesXScreenMinMax(double& minimum, double& maximum) const override {
    return VisibleExtremes(kOrderByY, true, minimum, maximum);
  }
  bool GetSeriesYScreenMinMax(double& minimum, double& maximum) const override {
    return VisibleExtremes(kOrderByX, false, minimum, maximum);
  }
  bool GetVisiblePoints(unsigned& first, unsigned& last) const override;
  void SetOrdering(int ordering) override { m_store.SetOrdering(ordering); }
  int GetOrdering() const { return m_store.GetOrdering(); }
  const PointType& GetPoint(unsigned index) const { return m_store.At(index); }

 protected:
  bool VisibleExtremes(int ordering, bool ofX, double& minimum, double& maximum) const {
    unsigned first;
    unsigned last;
    if (!m_visible || m_store.GetOrdering() != ordering || !GetVisiblePoints(first, last)) return false;
    m_store.GetRangeExtremes(first, last, ofX, minimum, maximum);
    return true;
  }

  CChartPointStore<PointType> m_store;
  unsigned m_lastDrawnPoint = 0;
};

class CChartXYSeries : public CChartSeriesBase<SChartXYPoint> {
 public:
  explicit CChartXYSeries(CChartCtrl* parent) : CChartSeriesBase<SChartXYPoint>(parent) {}

  // Stores the point, follows automatic axis ranges and draws the new segment.
  void AddPoint(double x, double y);
  // Removes every point and refreshes the automatic axes.
  void ClearSeries();
  ChartPoint GetPointScreenCoord(unsigned index) const override;
  // Sorting again reorders the points.
  void SetOrdering(int ordering) override;

 protected:
  // Changes whenever points are added or cleared.
  unsigned PointsGeneration() const { return m_pointsGeneration; }

 private:
  unsigned m_pointsGeneration = 0;
};

class CChartLineSeries : public CChartXYSeries {
 public:
  explicit CChartLineSeries(CChartCtrl* parent) : CChartXYSeries(parent) {}

  bool IsPointOnSeries(const ChartPoint& point, unsigned& index) const override;
  void DrawLegend(wxDC& dc, const ChartRect& rect) const override;
  void DrawNewPoints(wxDC& dc) override;
  void DrawAll(wxDC& dc) override;

  void SetWidth(int width);
  int GetWidth() const { return m_lineWidth; }
  // Windows pen styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none.
  void SetPenStyle(int style);
  int GetPenStyle() const { return m_penStyle; }
  void SetSmooth(bool smooth) { m_smooth = smooth; }
  void ShowMarkedTimes(bool show) { m_showMarkedTimes = show; }
  bool IsShowingMarkedTimes() const { return m_showMarkedTimes; }

  // True when some period of the whole series has a label too wide for it on screen.
  bool HasHiddenMarkedTime(wxDC& dc) const;

 private:
  void DrawSmoothed(wxDC& dc, const wxPen& line, const wxPen& shadow) const;
  void DrawPlain(wxDC& dc, unsigned first, unsigned last, const wxPen& line, const wxPen& shadow);
  void DrawMarkedTimes(wxDC& dc, unsigned first, unsigned last) const;
  // The axes' value-to-pixel mappings.
  PixelMapping HorizontalPixel() const;
  PixelMapping VerticalPixel() const;
  // Block summaries of the points, kept until the points change.
  const CPointBlocks& Blocks() const;
  static int NarrowestMarkedTimeWidth(wxDC& dc);
  // Periods of the whole series by label text, kept until the points change.
  const std::vector<stMarkedTextGroup>& MarkedTextGroups() const;
  wxPen MakePen(ChartColor color) const;

  int m_lineWidth = 1;
  int m_penStyle = 0;
  bool m_smooth = false;
  bool m_showMarkedTimes = false;
  mutable std::vector<stMarkedTextGroup> m_markedGroups;
  mutable unsigned m_markedGroupsGeneration = ~0u;
  mutable CPointBlocks m_blocks;
  mutable unsigned m_blocksGeneration = ~0u;
};
