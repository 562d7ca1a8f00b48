// The scroll bar of a chart axis: lies inside the plotting rectangle along the
// axis and scrolls the axis range in steps of a tenth of the visible span.
#pragma once

#include <wx/scrolbar.h>

#include "controls/chart/ChartGeometry.h"

class CChartAxis;

class CChartScrollBar : public wxScrollBar {
 public:
  static constexpr int kControlId = 100;

  explicit CChartScrollBar(CChartAxis* axis);

  // Creates the hidden scroll bar as a child of the axis's chart.
  bool CreateScrollBar(const ChartRect& plottingRect);
  // Moves the scroll bar along its side of the plotting rectangle, keeping its thickness.
  void Place(const ChartRect& plottingRect);
  // Takes the steps and position from the axis range.
  void RefreshScrollBar();

  void OnHScroll(int code, int thumbPosition);
  void OnVScroll(int code, int thumbPosition);
  void OnMouseEnter();
  void OnMouseLeave();

  CChartAxis* GetAxis() const { return m_axis; }
  void SetScrollEnabled(bool enabled) { m_enabled = enabled; }
  bool IsScrollEnabled() const { return m_enabled; }
  void SetAutoHide(bool autoHide) { m_autoHide = autoHide; }
  bool IsAutoHide() const { return m_autoHide; }
  int GetScrollPosition() const { return m_position; }
  int GetScrollSteps() const { return m_steps; }

 private:
  void ScrollTo(int code, int thumbPosition);
  bool IsReversed() const;

  CChartAxis* m_axis;
  bool m_enabled = false;
  bool m_autoHide = true;
  int m_steps = 1;
  int m_position = 1;
  int m_thickness = 0;
};
