// The XY chart control: up to four axes, line series, a legend and a title,
// drawn into an off-screen bitmap that painting only copies to the screen.
// A left-button drag zooms (a drag up or to the left undoes every zoom), a
// right-button drag pans.
#pragma once

#include <map>
#include <memory>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/window.h>

#include "controls/chart/ChartAxis.h"
#include "controls/chart/ChartGeometry.h"

class CChartLegend;
class CChartLineSeries;
class CChartScrollBar;
class CChartSeries;
class CChartTitle;
class wxPrintDialogData;
class wxPrinterBase;

// Page state of one print job of the chart.
struct ChartPrintInfo {
  ChartRect drawRect;
  int minPage = 1;
  int maxPage = 1;
  int currentPage = 1;
};

class CChartCtrl : public wxWindow {
 public:
  static constexpr int kDefaultColorCount = 10;
  static const ChartColor kDefaultSeriesColors[kDefaultColorCount];

  CChartCtrl();
  CChartCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize);
  ~CChartCtrl() override;

  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);

  CChartStandardAxis* CreateStandardAxis(int position);
  CChartAxis* GetAxis(int position) const;
  CChartAxis* GetLeftAxis() const { return GetAxis(kAxisLeft); }
  CChartAxis* GetBottomAxis() const { return GetAxis(kAxisBottom); }
  CChartAxis* GetRightAxis() const { return GetAxis(kAxisRight); }
  CChartAxis* GetTopAxis() const { return GetAxis(kAxisTop); }

  // The axes named by the flags must exist.
  CChartLineSeries* CreateLineSeries(bool secondaryHorizontal = false, bool secondaryVertical = false);
  CChartSeries* GetFirstSeries();
  CChartSeries* GetNextSeries();
  size_t GetSeriesCount() const { return m_series.size(); }

  CChartLegend* GetLegend() const { return m_legend.get(); }
  CChartTitle* GetTitle() const { return m_title.get(); }

  // Redraws the bitmap and invalidates the window; deferred while refresh is suspended.
  void RefreshCtrl();
  // Nested suspension: a batch between EnableRefresh(false) and EnableRefresh(true) redraws once.
  void EnableRefresh(bool enable);
  bool IsRefreshEnabled() const { return m_refreshCounter >= 1; }
  // Points were added while refresh was off: the automatic axes follow them
  // when it is enabled again.
  void DeferAutoAxesRefresh();
  void UndoPanZoom();
  // The off-screen DC; axes measure their text in it.
  wxDC& GetDC();
  const ChartRect& GetPlottingRect() const { return m_plottingRect; }

  void SetBackColor(ChartColor color);
  ChartColor GetBackColor() const { return m_backColor; }
  // type: 0 left to right, 1 top to bottom, 2 and 3 out and back horizontally or vertically.
  void SetBackGradient(bool enable, ChartColor color1, ChartColor color2, int type);
  void SetBorderColor(ChartColor color);
  void SetEdgeType(int edgeType);
  void SetZoomRectColor(ChartColor color);
  void SetPanEnabled(bool enable) { m_panEnabled = enable; }
  bool IsPanEnabled() const { return m_panEnabled; }
  void SetZoomEnabled(bool enable) { m_zoomEnabled = enable; }
  bool IsZoomEnabled() const { return m_zoomEnabled; }

  // The drag rectangle: start point in left/top, current point in right/bottom.
  const ChartRect& GetZoomRect() const { return m_zoomRect; }
  void SetZoomRect(const ChartRect& rect) { m_zoomRect = rect; }
  bool IsLeftButtonDown() const { return m_leftButtonDown; }
  bool IsRightButtonDown() const { return m_rightButtonDown; }

  // Prints with the given print settings, or asks for them with the print
  // dialog; false when cancelled or failed.
  bool Print(const wxString& title, wxPrintDialogData* printDialog = nullptr);
  bool Print(const wxString& title, wxPrinterBase& printer, bool prompt);

  virtual void OnBeginPrinting(wxDC& dc, ChartPrintInfo& info);
  virtual void OnPrint(wxDC& dc, ChartPrintInfo& info);
  virtual void OnEndPrinting(wxDC& dc, ChartPrintInfo& info);
  virtual void DrawChart(wxDC& dc, ChartRect chartRect);
  virtual void DrawBackground(wxDC& dc, const ChartRect& rect);

  // The left-button release of a zoom drag.
  virtual void OnLeftButtonUp(const wxPoint& point);

  // Scroll bars under the point show themselves, the others hide (auto-hiding ones only).
  void UpdateScrollBarsUnder(const wxPoint& point);
  // Screen automatic axes follow a scrolled range.
  void RefreshScreenAutoAxes();

 protected:
  void EndDrag();

 private:
  void Init();
  void AddSeries(CChartSeries* series, bool secondaryHorizontal, bool secondaryVertical);
  void EnsureBackgroundDC();
  void ReleaseBackgroundDC();
  void PanAxes(const wxPoint& from, const wxPoint& to);

  void OnPaint(wxPaintEvent& event);
  void OnEraseBackground(wxEraseEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnMouseMove(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnRightUp(wxMouseEvent& event);
  void OnDoubleClick(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnScroll(wxScrollEvent& event);

  int m_refreshCounter = 1;
  bool m_pendingRefresh = false;
  bool m_autoAxesStale = false;
  wxMemoryDC m_backgroundDC;
  wxBitmap m_backgroundBitmap;
  bool m_paintedOnce = false;
  bool m_backGradient = false;
  ChartColor m_gradientColor1 = 0;
  ChartColor m_gradientColor2 = 0;
  int m_gradientType = 1;
  ChartColor m_backColor = 0;
  ChartColor m_borderColor = 0;
  int m_edgeType = 5;
  ChartRect m_plottingRect;
  std::map<unsigned, std::unique_ptr<CChartSeries>> m_series;
  std::unique_ptr<CChartAxis> m_axes[4];
  std::unique_ptr<CChartLegend> m_legend;
  std::unique_ptr<CChartTitle> m_title;
  bool m_panEnabled = true;
  bool m_rightButtonDown = false;
  wxPoint m_lastPanPoint{0, 0};
  bool m_zoomEnabled = true;
  bool m_leftButtonDown = false;
  ChartRect m_zoomRect;
  ChartColor m_zoomRectColor = 0xFFFFFF;
  wxFont m_printerFont;
  wxSize m_printLogicalSize{0, 0};
  wxSize m_printPageSize{0, 0};
  std::map<unsigned, std::unique_ptr<CChartSeries>>::iterator m_seriesCursor;

  wxDECLARE_NO_COPY_CLASS(CChartCtrl);
};
