#include "controls/chart/ChartCtrl.h"

#include <algorithm>

#include <wx/settings.h>

#include "controls/chart/ChartColor.h"
#include "controls/chart/ChartLegend.h"
#include "controls/chart/ChartScrollBar.h"
#include "controls/chart/ChartSeries.h"
#include "controls/chart/ChartTitle.h"

const ChartColor CChartCtrl::kDefaultSeriesColors[kDefaultColorCount] = {
    0x0000FF, 0x009600, 0xFF0000, 0x00FFFF, 0xFFFF00, 0x0080FF, 0x800080, 0x008080, 0xFF00FF, 0x808040};

CChartCtrl::CChartCtrl() { Init(); }

CChartCtrl::CChartCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  Init();
  Create(parent, id, pos, size);
}

void CChartCtrl::Init() {
  m_gradientColor1 = m_gradientColor2 = m_backColor = SystemChartColor(wxSYS_COLOUR_BTNFACE);
  m_legend = std::make_unique<CChartLegend>(this);
  m_title = std::make_unique<CChartTitle>(this);
  m_seriesCursor = m_series.end();
}

bool CChartCtrl::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (!wxWindow::Create(parent, id, pos, size, wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE, "ChartCtrl")) {
    return false;
  }
  SetCursor(wxCursor(wxCURSOR_ARROW));
  Bind(wxEVT_PAINT, &CChartCtrl::OnPaint, this);
  Bind(wxEVT_ERASE_BACKGROUND, &CChartCtrl::OnEraseBackground, this);
  Bind(wxEVT_SIZE, &CChartCtrl::OnSize, this);
  Bind(wxEVT_MOTION, &CChartCtrl::OnMouseMove, this);
  Bind(wxEVT_LEFT_DOWN, &CChartCtrl::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CChartCtrl::OnLeftUp, this);
  Bind(wxEVT_LEFT_DCLICK, &CChartCtrl::OnDoubleClick, this);
  Bind(wxEVT_RIGHT_DOWN, &CChartCtrl::OnRightDown, this);
  Bind(wxEVT_RIGHT_UP, &CChartCtrl::OnRightUp, this);
  Bind(wxEVT_RIGHT_DCLICK, &CChartCtrl::OnDoubleClick, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CChartCtrl::OnCaptureLost, this);
  Bind(wxEVT_SCROLL_TOP, &CChartCtrl::OnScroll, this);
  Bind(wxEVT_SCROLL_BOTTOM, &CChartCtrl::OnScroll, this);
  Bind(wxEVT_SCROLL_LINEUP, &CChartCtrl::OnScroll, this);
  Bind(wxEVT_SCROLL_LINEDOWN, &CChartCtrl::OnScroll, this);
  Bind(wxEVT_SCROLL_PAGEUP, &CChartCtrl::OnScroll, this);
  Bind(wxEVT_SCROLL_PAGEDOWN, &CChartCtrl::OnScroll, this);
  Bind(wxEVT_SCROLL_THUMBTRACK, &CChartCtrl::OnScroll, this);
  Bind(wxEVT_SCROLL_THUMBRELEASE, &CChartCtrl::OnScroll, this);
  Bind(wxEVT_SCROLL_CHANGED, &CChartCtrl::OnScroll, this);
  return true;
}

CChartCtrl::~CChartCtrl() {
  m_series.clear();
  for (auto& axis : m_axes) axis.reset();
  m_legend.reset();
  m_title.reset();
  ReleaseBackgroundDC();
}

CChartStandardAxis* CChartCtrl::CreateStandardAxis(int position) {
  if (position < kAxisLeft || position > kAxisTop) return nullptr;
  auto axis = std::make_unique<CChartStandardAxis>();
  axis->SetParent(this);
  axis->SetSecondary(position == kAxisRight || position == kAxisTop);
  axis->SetHorizontal(position == kAxisBottom || position == kAxisTop);
  if (GetHandle()) axis->CreateScrollBar(m_plottingRect);
  // Series drawn against the axis that held the slot move to its successor.
  if (CChartAxis* old = m_axes[position].get()) {
    const std::list<CChartSeries*> attached = old->GetRegisteredSeries();
    for (CChartSeries* series : attached) series->ReplaceAxis(old, axis.get());
  }
  CChartStandardAxis* created = axis.get();
  m_axes[position] = std::move(axis);
  return created;
}

CChartAxis* CChartCtrl::GetAxis(int position) const {
  if (position < kAxisLeft || position > kAxisTop) return nullptr;
  return m_axes[position].get();
}

CChartLineSeries* CChartCtrl::CreateLineSeries(bool secondaryHorizontal, bool secondaryVertical) {
  auto* series = new CChartLineSeries(this);
  AddSeries(series, secondaryHorizontal, secondaryVertical);
  return series;
}

void CChartCtrl::AddSeries(CChartSeries* series, bool secondaryHorizontal, bool secondaryVertical) {
  if (!series) return;
  series->SetPlottingRect(m_plottingRect);
  series->m_color = kDefaultSeriesColors[m_series.size() % kDefaultColorCount];
  CChartAxis* vertical = GetAxis(secondaryVertical ? kAxisRight : kAxisLeft);
  CChartAxis* horizontal = GetAxis(secondaryHorizontal ? kAxisTop : kAxisBottom);
  series->SetVerticalAxis(vertical);
  series->SetHorizontalAxis(horizontal);
  m_series[series->GetSeriesId()].reset(series);

  EnableRefresh(false);
  if (vertical) {
    vertical->RegisterSeries(series);
    vertical->RefreshAutoAxis();
  }
  if (horizontal) {
    horizontal->RegisterSeries(series);
    horizontal->RefreshAutoAxis();
  }
  RefreshCtrl();
  EnableRefresh(true);
}

CChartSeries* CChartCtrl::GetFirstSeries() {
  m_seriesCursor = m_series.begin();
  return GetNextSeries();
}

CChartSeries* CChartCtrl::GetNextSeries() {
  if (m_seriesCursor == m_series.end()) return nullptr;
  CChartSeries* series = m_seriesCursor->second.get();
  ++m_seriesCursor;
  return series;
}

void CChartCtrl::RefreshCtrl() {
  if (!GetHandle()) return;
  if (m_refreshCounter < 1) {
    m_pendingRefresh = true;
    return;
  }
  const wxSize size = GetClientSize();
  const ChartRect client{0, 0, size.x, size.y};
  m_plottingRect = client;
  EnsureBackgroundDC();
  DrawBackground(m_backgroundDC, client);
  DrawChart(m_backgroundDC, client.Deflated(3));
  for (auto& axis : m_axes) {
    if (axis) axis->PlaceScrollBar(m_plottingRect);
  }
  Refresh();
}

void CChartCtrl::DeferAutoAxesRefresh() {
  m_autoAxesStale = true;
  m_pendingRefresh = true;
}

void CChartCtrl::EnableRefresh(bool enable) {
  if (enable && m_refreshCounter == 0 && m_autoAxesStale) {
    // Still disabled here, so the axes' redraw requests only mark the refresh pending.
    m_autoAxesStale = false;
    for (auto& axis : m_axes) {
      if (axis) axis->RefreshAutoAxis();
    }
  }
  m_refreshCounter += enable ? 1 : -1;
  if (m_refreshCounter >= 1 && m_pendingRefresh) {
    m_pendingRefresh = false;
    RefreshCtrl();
  }
}

void CChartCtrl::UndoPanZoom() {
  EnableRefresh(false);
  for (int position : {kAxisBottom, kAxisLeft, kAxisTop, kAxisRight}) {
    if (m_axes[position]) m_axes[position]->UndoZoom();
  }
  EnableRefresh(true);
}

void CChartCtrl::RefreshScreenAutoAxes() {
  for (auto& axis : m_axes) {
    if (axis) axis->RefreshScreenAutoAxis();
  }
}

wxDC& CChartCtrl::GetDC() {
  EnsureBackgroundDC();
  return m_backgroundDC;
}

void CChartCtrl::EnsureBackgroundDC() {
  wxSize size = GetHandle() ? GetClientSize() : wxSize(1, 1);
  size.x = std::max(size.x, 1);
  size.y = std::max(size.y, 1);
  if (m_backgroundBitmap.IsOk() && m_backgroundBitmap.GetSize() == size) return;
  ReleaseBackgroundDC();
  m_backgroundBitmap.Create(size);
  m_backgroundDC.SelectObject(m_backgroundBitmap);
  m_backgroundDC.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  m_backgroundDC.SetTextForeground(*wxBLACK);
}

void CChartCtrl::ReleaseBackgroundDC() {
  if (m_backgroundDC.IsOk()) m_backgroundDC.SelectObject(wxNullBitmap);
  m_backgroundBitmap = wxBitmap();
}

void CChartCtrl::SetBackColor(ChartColor color) {
  m_backGradient = false;
  m_backColor = color;
  RefreshCtrl();
}

void CChartCtrl::SetBackGradient(bool enable, ChartColor color1, ChartColor color2, int type) {
  m_backGradient = enable;
  m_gradientColor1 = color1;
  m_gradientColor2 = color2;
  m_gradientType = type;
  RefreshCtrl();
}

void CChartCtrl::SetBorderColor(ChartColor color) {
  m_borderColor = color;
  RefreshCtrl();
}

void CChartCtrl::SetEdgeType(int edgeType) {
  m_edgeType = edgeType;
  RefreshCtrl();
}

void CChartCtrl::SetZoomRectColor(ChartColor color) {
  m_zoomRectColor = color;
  RefreshCtrl();
}
