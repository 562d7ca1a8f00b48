#include "controls/chart/ChartAxis.h"

#include <algorithm>
#include <cmath>

#include <wx/dcclient.h>

#include "controls/chart/ChartColor.h"
#include "controls/chart/ChartCtrl.h"
#include "controls/chart/ChartScrollBar.h"
#include "controls/chart/ChartSeries.h"

namespace {

// Safety stop for a manual increment far too small for its range.
constexpr int kMaxTicks = 10000;

}  // namespace

CChartAxis::CChartAxis() : m_grid(new CChartGrid), m_label(new CChartAxisLabel) {}

CChartAxis::~CChartAxis() {
  delete m_grid;
  delete m_label;
  if (m_scrollBar) m_scrollBar->Destroy();
  for (CChartSeries* series : m_series) series->DetachAxis(this);
}

void CChartAxis::SetParent(CChartCtrl* parent) {
  m_parent = parent;
  m_grid->SetParent(parent);
  m_label->SetParent(parent);
}

void CChartAxis::SetHorizontal(bool horizontal) {
  m_horizontal = horizontal;
  m_grid->SetHorizontal(horizontal);
  m_label->SetHorizontal(horizontal);
}

void CChartAxis::RedrawParent() {
  if (m_parent) m_parent->RefreshCtrl();
}

void CChartAxis::SetDiscrete(bool discrete) {
  m_discrete = discrete;
  RedrawParent();
}

void CChartAxis::SetInverted(bool inverted) {
  m_inverted = inverted;
  RefreshScrollBar();
  RedrawParent();
}

void CChartAxis::SetMarginSize(bool automatic, int size) {
  m_automaticMargin = automatic;
  m_marginSize = size;
}

void CChartAxis::SetTextColor(ChartColor color) {
  m_textColor = color;
  RedrawParent();
}

void CChartAxis::SetAxisColor(ChartColor color) {
  m_axisColor = color;
  RedrawParent();
}

void CChartAxis::SetTickFont(const wxString& face, int size) {
  m_tickFontFace = face;
  m_tickFontSize = size;
  RedrawParent();
}

void CChartAxis::SetMinMax(double minimum, double maximum) {
  m_minimum = m_undoMinimum = minimum;
  m_maximum = m_undoMaximum = maximum;
  RefreshScrollBar();
  RedrawParent();
}

void CChartAxis::SetUndoZoomMinMax(double minimum, double maximum) {
  m_undoMinimum = minimum;
  m_undoMaximum = maximum;
}

void CChartAxis::UndoZoom() {
  m_minimum = m_undoMinimum;
  m_maximum = m_undoMaximum;
  RefreshScrollBar();
  RedrawParent();
}

chart::AxisMapping CChartAxis::Mapping() const {
  return {m_horizontal, m_inverted, m_startPixel, m_endPixel, m_minimum, m_maximum};
}

wxFont CChartAxis::GetTickFont() const { return MakePointFont(m_tickFontFace, m_tickFontSize); }

int CChartAxis::ValueToScreenStandard(double value) const {
  return chart::ValueToScreenLinear(Mapping(), value);
}

int CChartAxis::ValueToScreen(double value) const {
  if (m_maximum == m_minimum) return chart::MiddlePixel(Mapping());
  return m_discrete ? ValueToScreenDiscrete(value) : ValueToScreenStandard(value);
}

double CChartAxis::ScreenToValue(int pixel) const { return chart::ScreenToValue(Mapping(), pixel); }

void CChartAxis::RegisterSeries(CChartSeries* series) {
  if (std::find(m_series.begin(), m_series.end(), series) == m_series.end()) m_series.push_back(series);
}

void CChartAxis::UnregisterSeries(CChartSeries* series) { m_series.remove(series); }

bool CChartAxis::GatherSeriesRange(bool visibleOnly, double& minimum, double& maximum) const {
  minimum = maximum = 0.0;
  double seriesMinimum = 0.0;
  double seriesMaximum = 0.0;
  bool first = true;
  for (CChartSeries* series : m_series) {
    // A series without a range leaves the values reported last in place.
    if (visibleOnly) {
      m_horizontal ? series->GetSeriesXScreenMinMax(seriesMinimum, seriesMaximum)
                   : series->GetSeriesYScreenMinMax(seriesMinimum, seriesMaximum);
    } else {
      m_horizontal ? series->GetSeriesXMinMax(seriesMinimum, seriesMaximum)
                   : series->GetSeriesYMinMax(seriesMinimum, seriesMaximum);
    }
    if (first) {
      minimum = seriesMinimum;
      maximum = seriesMaximum;
      first = false;
    }
    minimum = std::min(minimum, seriesMinimum);
    maximum = std::max(maximum, seriesMaximum);
  }
  return !first;
}

bool CChartAxis::RefreshAutoAxis() {
  RefreshScrollBar();
  if (m_automaticMode == kAutoManual) return false;
  double minimum;
  double maximum;
  GatherSeriesRange(m_automaticMode == kAutoScreen, minimum, maximum);
  if (minimum == m_minimum && maximum == m_maximum) return false;
  m_minimum = m_undoMinimum = minimum;
  m_maximum = m_undoMaximum = maximum;
  RefreshScrollBar();
  RedrawParent();
  return false;
}

void CChartAxis::RefreshScreenAutoAxis() {
  RefreshScrollBar();
  if (m_automaticMode == kAutoScreen) RefreshAutoAxis();
}

void CChartAxis::SetZoomMinMax(double minimum, double maximum) {
  if (!m_zoomEnabled || m_minimum == m_maximum) return;
  const chart::ValueRange range = chart::LimitZoomRange(minimum, maximum, m_zoomLimit);
  m_minimum = range.minimum;
  m_maximum = range.maximum;
  RefreshScrollBar();
}

void CChartAxis::PanAxis(int oldPixel, int newPixel) {
  const double offset = ScreenToValue(oldPixel) - ScreenToValue(newPixel);
  SetZoomMinMax(m_minimum + offset, m_maximum + offset);
}

void CChartAxis::Scroll(int oldPosition, int newPosition, bool reversed) {
  const double step = (m_maximum - m_minimum) / 10.0;
  const double shift = step * (newPosition - oldPosition);
  if (reversed) {
    SetZoomMinMax(m_minimum - shift, m_maximum - shift);
  } else {
    SetZoomMinMax(m_minimum + shift, m_maximum + shift);
  }
  if (m_parent) m_parent->RefreshScreenAutoAxes();
}

void CChartAxis::GetScrollBarSteps(int& steps, int& position) const {
  double seriesMinimum;
  double seriesMaximum;
  GatherSeriesRange(false, seriesMinimum, seriesMaximum);
  const chart::ScrollSteps result =
      chart::ComputeScrollSteps(seriesMinimum, seriesMaximum, m_minimum, m_maximum);
  steps = result.steps;
  position = result.position;
}

void CChartAxis::SetAxisSize(const ChartRect& chartRect, const ChartRect& plottingRect) {
  m_axisRect = chartRect;
  if (m_horizontal) {
    m_startPixel = plottingRect.left;
    m_endPixel = plottingRect.right;
    if (m_secondary) {
      m_axisRect.bottom = plottingRect.top;
    } else {
      m_axisRect.top = plottingRect.bottom;
    }
  } else {
    m_startPixel = plottingRect.bottom;
    m_endPixel = plottingRect.top;
    if (m_secondary) {
      m_axisRect.left = plottingRect.right;
    } else {
      m_axisRect.right = plottingRect.left;
    }
  }
}

void CChartAxis::RefreshTicks() {
  if (m_automaticTicks) RefreshTickIncrement();
  RefreshFirstTick();
}

void CChartAxis::ForEachTick(const std::function<void(double)>& visit) const {
  if (m_maximum == m_minimum) {
    visit(m_minimum);
    return;
  }
  double value = GetFirstTickValue();
  visit(value);
  double next;
  for (int count = 1; count < kMaxTicks && GetNextTickValue(value, next) && next > value; ++count) {
    value = next;
    visit(value);
  }
}

wxSize CChartAxis::GetLargestTickLabelSize(wxDC& dc) const {
  wxDCFontChanger font(dc, GetTickFont());
  if (m_maximum == m_minimum) return dc.GetTextExtent(GetTickLabel(m_minimum));
  const int low = std::min(m_startPixel, m_endPixel);
  const int high = std::max(m_startPixel, m_endPixel);
  wxSize largest(0, 0);
  ForEachTick([&](double value) {
    const int pixel = ValueToScreen(value);
    if (pixel < low || pixel > high) return;
    const wxSize size = dc.GetTextExtent(GetTickLabel(value));
    largest.x = std::max(largest.x, size.x);
    largest.y = std::max(largest.y, size.y);
  });
  return largest;
}

int CChartAxis::ClipMargin(const ChartRect& chartRect, ChartRect& plottingRect, wxDC& dc) {
  if (!m_visible) return 0;
  const wxSize tick = GetLargestTickLabelSize(dc);
  const wxSize label = m_label->GetSize(dc);
  if (m_horizontal) {
    if (m_automaticMargin) m_marginSize = label.y + tick.y + 6;
    if (m_secondary) {
      plottingRect.top = std::max(plottingRect.top, chartRect.top + m_marginSize);
    } else {
      plottingRect.bottom = std::min(plottingRect.bottom, chartRect.bottom - m_marginSize);
    }
    plottingRect.right = std::min(plottingRect.right, chartRect.right - 3 - tick.x / 2);
  } else {
    if (m_automaticMargin) m_marginSize = label.x + tick.x + 10;
    plottingRect.top = std::max(plottingRect.top, chartRect.top + tick.y / 2 + 3);
    if (m_secondary) {
      plottingRect.right = std::min(plottingRect.right, chartRect.right - m_marginSize);
    } else {
      plottingRect.left = std::max(plottingRect.left, chartRect.left + m_marginSize);
    }
  }
  return m_marginSize;
}

void CChartAxis::PlaceLabel(wxDC& dc, const wxSize& largestTick) {
  const wxSize size = m_label->GetSize(dc);
  const int centre = static_cast<int>(std::abs(m_startPixel + m_endPixel) * 0.5);
  if (m_horizontal) {
    const int x = centre - size.x / 2;
    m_label->SetPosition(x, m_secondary ? m_axisRect.top : m_axisRect.top + largestTick.y + 2, dc);
  } else {
    const int y = centre + size.y / 2;
    m_label->SetPosition(m_secondary ? m_axisRect.right - size.x - 2 : m_axisRect.left, y, dc);
  }
}

void CChartAxis::Draw(wxDC& dc) {
  if (!m_visible || !dc.IsOk()) return;
  wxDCPenChanger pen(dc, wxPen(ToWxColour(m_axisColor), 1));
  wxDCTextColourChanger textColour(dc, ToWxColour(m_textColor));
  const int oldMode = dc.GetBackgroundMode();
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

  if (m_horizontal) {
    const int y = m_secondary ? m_axisRect.bottom - 1 : m_axisRect.top + 1;
    dc.DrawLine(m_startPixel, y, m_endPixel, y);
  } else {
    const int x = m_secondary ? m_axisRect.left + 1 : m_axisRect.right - 1;
    dc.DrawLine(x, m_startPixel, x, m_endPixel);
  }

  const wxSize largestTick = GetLargestTickLabelSize(dc);
  PlaceLabel(dc, largestTick);
  m_label->Draw(dc);

  m_grid->ClearTicks();
  {
    wxDCFontChanger font(dc, GetTickFont());
    ForEachTick([&](double value) { DrawTick(dc, value); });
  }
  m_grid->Draw(dc);
  dc.SetBackgroundMode(oldMode);
}

void CChartAxis::DrawTick(wxDC& dc, double value) {
  const int tickPixel = GetTickScreenPosition(value);
  const int labelPixel = ValueToScreen(value);
  const wxString text = GetTickLabel(value);
  const wxSize extent = dc.GetTextExtent(text);
  const int low = std::min(m_startPixel, m_endPixel);
  const int high = std::max(m_startPixel, m_endPixel);
  const bool tickInside = tickPixel >= low && tickPixel <= high;
  const bool labelInside = labelPixel >= low && labelPixel <= high;
  const ChartRect& r = m_axisRect;
  if (m_horizontal && !m_secondary) {
    if (tickInside) dc.DrawLine(tickPixel, r.top + 1, tickPixel, r.top + 4);
    if (labelInside) dc.DrawText(text, labelPixel - extent.x / 2, r.top + 5);
  } else if (m_horizontal) {
    if (tickInside) dc.DrawLine(tickPixel, r.bottom - 1, tickPixel, r.bottom - 4);
    if (labelInside) dc.DrawText(text, labelPixel - extent.x / 2, r.bottom - extent.y - 5);
  } else if (!m_secondary) {
    if (tickInside) dc.DrawLine(r.right - 1, tickPixel, r.right - 4, tickPixel);
    if (labelInside) dc.DrawText(text, r.left + m_label->GetSize(dc).x + 4, labelPixel - extent.y / 2);
  } else {
    if (tickInside) dc.DrawLine(r.left + 1, tickPixel, r.left + 4, tickPixel);
    if (labelInside) dc.DrawText(text, r.left + 6, labelPixel - extent.y / 2);
  }
  m_grid->AddTick(tickPixel);
}

void CChartAxis::CreateScrollBar(const ChartRect& plottingRect) {
  if (m_scrollBar || !m_parent) return;
  m_scrollBar = new CChartScrollBar(this);
  m_scrollBar->CreateScrollBar(plottingRect);
}

void CChartAxis::PlaceScrollBar(const ChartRect& plottingRect) {
  if (m_scrollBar) m_scrollBar->Place(plottingRect);
}

void CChartAxis::EnableScrollBar(bool enable) {
  if (!m_scrollBar) return;
  m_scrollBar->SetScrollEnabled(enable);
  m_scrollBar->Show(enable);
}

void CChartAxis::SetAutoHideScrollBar(bool autoHide) {
  if (m_scrollBar) m_scrollBar->SetAutoHide(autoHide);
}

void CChartAxis::RefreshScrollBar() {
  if (m_scrollBar) m_scrollBar->RefreshScrollBar();
}

// Standard axis

double CChartStandardAxis::GetFirstTickValue() const {
  return IsDiscrete() ? m_firstTickValue - m_tickIncrement : m_firstTickValue;
}

bool CChartStandardAxis::GetNextTickValue(double current, double& next) const {
  if (!(m_tickIncrement > 0.0)) return false;
  next = current + m_tickIncrement;
  return next <= GetMaximum();
}

int CChartStandardAxis::GetTickScreenPosition(double value) const {
  return chart::ValueToScreenLinear(Mapping(), value);
}

int CChartStandardAxis::ValueToScreenDiscrete(double value) const {
  return chart::ValueToScreenDiscrete(Mapping(), value, m_tickIncrement);
}

wxString CChartStandardAxis::GetTickLabel(double value) const {
  return wxString::FromUTF8(chart::FormatTickLabel(value, m_labelPrecision));
}

void CChartStandardAxis::RefreshTickIncrement() {
  if (!HasAutomaticTicks()) return;
  if (GetMaximum() == GetMinimum()) {
    m_tickIncrement = 0.0;
    return;
  }
  int labelWidth = 0;
  if (IsHorizontal() && GetParent()) {
    wxDC& dc = GetParent()->GetDC();
    wxDCFontChanger font(dc, GetTickFont());
    labelWidth = dc.GetTextExtent(wxString::Format("%.0f", GetMaximum())).x;
  }
  const int spacing = chart::TickLabelSpacing(IsHorizontal(), labelWidth);
  if (auto step =
          chart::ComputeTickStep(GetMinimum(), GetMaximum(), GetEndPixel() - GetStartPixel(), spacing)) {
    m_tickIncrement = step->increment;
    m_labelPrecision = step->precision;
  }
}

void CChartStandardAxis::RefreshFirstTick() {
  m_firstTickValue = chart::FirstTickValue(GetMinimum(), m_tickIncrement);
}

void CChartStandardAxis::SetTickIncrement(bool automatic, double increment) {
  SetAutomaticTicks(automatic);
  if (!automatic) m_tickIncrement = increment;
  RedrawParent();
}

// Axis title

CChartAxisLabel::CChartAxisLabel() = default;

void CChartAxisLabel::SetHorizontal(bool horizontal) {
  m_horizontal = horizontal;
  m_font.SetVertical(!horizontal);
}

void CChartAxisLabel::SetText(const wxString& text) {
  m_text = text;
  if (m_parent) m_parent->RefreshCtrl();
}

wxSize CChartAxisLabel::GetSize(wxDC& dc) {
  if (!m_visible || !dc.IsOk() || m_text.empty()) return wxSize(0, 0);
  m_font.Select(dc);
  const wxSize extent = dc.GetTextExtent(m_text);
  m_font.Unselect(dc);
  const wxSize size(extent.x + 4, extent.y + 4);
  return m_horizontal ? size : wxSize(size.y, size.x);
}

void CChartAxisLabel::SetPosition(int x, int y, wxDC& dc) {
  const wxSize size = GetSize(dc);
  m_rect = {x, y, x + size.x, y + size.y};
}

void CChartAxisLabel::Draw(wxDC& dc) {
  if (!m_visible || m_text.empty() || !dc.IsOk()) return;
  wxDCTextColourChanger colour(dc, ToWxColour(m_textColor));
  m_font.Select(dc);
  if (m_horizontal) {
    dc.DrawText(m_text, m_rect.left, m_rect.top + 2);
  } else {
    dc.DrawRotatedText(m_text, m_rect.left + 2, m_rect.top, 90);
  }
  m_font.Unselect(dc);
}

// Grid

void CChartGrid::SetVisible(bool visible) {
  m_visible = visible;
  if (m_parent) m_parent->RefreshCtrl();
}

void CChartGrid::Draw(wxDC& dc) {
  if (!m_visible || !m_parent || !dc.IsOk()) return;
  const ChartRect& plot = m_parent->GetPlottingRect();
  if (plot.IsEmpty()) return;
  wxDCClipper clip(dc, wxRect(plot.left, plot.top, plot.Width(), plot.Height()));
  wxDCPenChanger pen(dc, wxPen(ToWxColour(m_color), 1));
  for (int tick : m_ticks) {
    if (m_horizontal) {
      for (int y = plot.bottom; y > plot.top; y -= 6) dc.DrawLine(tick, y, tick, y - 3);
    } else {
      for (int x = plot.left; x < plot.right; x += 4) dc.DrawPoint(x, tick);
    }
  }
}
