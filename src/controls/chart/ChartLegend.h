// The legend of the chart: the named, visible series with a sample of their line.
#pragma once

#include <wx/dc.h>
#include <wx/string.h>

#include "controls/chart/ChartGeometry.h"
#include "controls/chart/LegendLayout.h"

class CChartCtrl;
class CChartSeries;

class CChartLegend {
 public:
  explicit CChartLegend(CChartCtrl* parent) : m_parent(parent) {}
  virtual ~CChartLegend() = default;

  void UpdatePosition(wxDC& dc, const ChartRect& chartRect);
  void ClipArea(ChartRect& chartRect, wxDC& dc);
  void Draw(wxDC& dc);

  void SetVisible(bool visible) { m_visible = visible; }
  bool IsVisible() const { return m_visible; }
  void DockLegend(int side);
  void UndockLegend(int left, int top);
  void SetHorizontalMode(bool horizontal) { m_layout.horizontal = horizontal; }
  void SetTransparent(bool transparent) { m_transparent = transparent; }
  void SetShadow(bool shadow) { m_shadow = shadow; }
  void SetShadowDepth(int depth) { m_shadowDepth = depth; }
  void SetBackColor(ChartColor color) { m_backColor = color; }
  void SetShadowColor(ChartColor color) { m_shadowColor = color; }
  void SetFont(const wxString& face, int size);
  const ChartRect& GetRect() const { return m_rect; }

 private:
  // The series that get an entry, in series order.
  template <class Visit>
  void ForEachEntry(Visit visit);

  CChartCtrl* m_parent;
  ChartRect m_rect;
  wxString m_fontFace = "Times New Roman";
  int m_fontSize = 100;
  LegendLayoutSettings m_layout;
  bool m_visible = false;
  bool m_transparent = false;
  bool m_shadow = true;
  int m_shadowDepth = 3;
  ChartColor m_backColor = 0xFFFFFF;
  ChartColor m_shadowColor = 0x969696;
};
