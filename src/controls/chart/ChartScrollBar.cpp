#include "controls/chart/ChartScrollBar.h"

#include <algorithm>

#include <wx/settings.h>

#include "controls/chart/ChartAxis.h"
#include "controls/chart/ChartCtrl.h"
#include "controls/chart/ChartScale.h"

CChartScrollBar::CChartScrollBar(CChartAxis* axis) : m_axis(axis) {}

bool CChartScrollBar::CreateScrollBar(const ChartRect& plottingRect) {
  CChartCtrl* chart = m_axis->GetParent();
  const bool horizontal = m_axis->IsHorizontal();
  const wxSystemMetric metric = horizontal ? wxSYS_HSCROLL_Y : wxSYS_VSCROLL_X;
  m_thickness = wxSystemSettings::GetMetric(metric, chart);
  if (m_thickness <= 0) m_thickness = 16;
  const int width = std::max(plottingRect.right - plottingRect.left - 1, 1);
  const int height = std::max(plottingRect.bottom - plottingRect.top - 1, 1);
  const wxSize size = horizontal ? wxSize(width, m_thickness) : wxSize(m_thickness, height);
  Hide();
  if (!Create(chart, kControlId, wxPoint(plottingRect.left + 1, plottingRect.top + 1), size,
              horizontal ? wxSB_HORIZONTAL : wxSB_VERTICAL)) {
    return false;
  }
  SetCursor(wxCursor(wxCURSOR_ARROW));
  m_steps = 1;
  m_position = 1;
  SetScrollbar(0, chart::kScrollPage, 1, chart::kScrollPage);
  return true;
}

void CChartScrollBar::Place(const ChartRect& plot) {
  const CChartAxis* axis = m_axis;
  const int length = axis->IsHorizontal() ? plot.right - (plot.left + 1) : plot.bottom - (plot.top + 1);
  if (length <= 0) return;
  if (axis->IsHorizontal()) {
    const int y = axis->IsSecondary() ? plot.top + 1 : plot.bottom - m_thickness;
    SetSize(plot.left + 1, y, length, m_thickness);
  } else {
    const int x = axis->IsSecondary() ? plot.right - m_thickness : plot.left + 1;
    SetSize(x, plot.top + 1, m_thickness, length);
  }
}

bool CChartScrollBar::IsReversed() const { return m_axis->IsHorizontal() == m_axis->IsInverted(); }

void CChartScrollBar::RefreshScrollBar() {
  chart::ScrollSteps steps;
  m_axis->GetScrollBarSteps(steps.steps, steps.position);
  m_steps = steps.steps;
  m_position = chart::ThumbPosition(steps, IsReversed());
  SetScrollbar(m_position, chart::kScrollPage, m_steps, chart::kScrollPage);
}

void CChartScrollBar::OnHScroll(int code, int thumbPosition) { ScrollTo(code, thumbPosition); }

void CChartScrollBar::OnVScroll(int code, int thumbPosition) { ScrollTo(code, thumbPosition); }

void CChartScrollBar::ScrollTo(int code, int thumbPosition) {
  const std::optional<int> target = chart::ScrollTargetPosition(code, m_position, m_steps, thumbPosition);
  if (!target) return;
  const int old = m_position;
  m_position = *target;
  SetThumbPosition(m_position);
  m_axis->Scroll(old, m_position, IsReversed());
}

void CChartScrollBar::OnMouseEnter() {
  if (m_enabled && m_autoHide) Show();
}

void CChartScrollBar::OnMouseLeave() {
  if (m_enabled && m_autoHide) Hide();
}
