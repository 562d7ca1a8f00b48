// Axes of the chart: value/pixel mapping, ticks and their labels, the axis
// title, the grid, zoom, pan and scroll of the axis range.
#pragma once

#include <functional>
#include <list>

#include <wx/dc.h>
#include <wx/string.h>

#include "controls/chart/ChartFont.h"
#include "controls/chart/ChartGeometry.h"
#include "controls/chart/ChartScale.h"

class CChartCtrl;
class CChartSeries;
class CChartScrollBar;

enum ChartAxisPosition { kAxisLeft = 0, kAxisBottom = 1, kAxisRight = 2, kAxisTop = 3 };
enum ChartAutoMode { kAutoManual = 0, kAutoFull = 1, kAutoScreen = 2 };

// The title text of an axis.
class CChartAxisLabel {
 public:
  CChartAxisLabel();
  virtual ~CChartAxisLabel() = default;

  void SetParent(CChartCtrl* parent) { m_parent = parent; }
  void SetHorizontal(bool horizontal);
  void SetText(const wxString& text);
  const wxString& GetText() const { return m_text; }
  void SetVisible(bool visible) { m_visible = visible; }
  bool IsVisible() const { return m_visible; }
  void SetColor(ChartColor color) { m_textColor = color; }
  void SetFont(const wxString& face, int size) { m_font.SetFont(face, size); }

  // Text extent plus 4 each way (swapped for a vertical label); zero when nothing is shown.
  wxSize GetSize(wxDC& dc);
  void SetPosition(int x, int y, wxDC& dc);
  void Draw(wxDC& dc);

 private:
  CChartCtrl* m_parent = nullptr;
  bool m_visible = true;
  ChartRect m_rect;
  ChartColor m_textColor = 0;
  bool m_horizontal = true;
  CChartFont m_font;
  wxString m_text;
};

// Grid lines at the tick positions of an axis.
class CChartGrid {
 public:
  virtual ~CChartGrid() = default;

  void SetParent(CChartCtrl* parent) { m_parent = parent; }
  void SetHorizontal(bool horizontal) { m_horizontal = horizontal; }
  void SetVisible(bool visible);
  bool IsVisible() const { return m_visible; }
  void SetColor(ChartColor color) { m_color = color; }

  void ClearTicks() { m_ticks.clear(); }
  void AddTick(int pixel) { m_ticks.push_back(pixel); }
  const std::list<int>& GetTicks() const { return m_ticks; }
  void Draw(wxDC& dc);

 private:
  ChartColor m_color = 0x808080;
  CChartCtrl* m_parent = nullptr;
  bool m_visible = true;
  std::list<int> m_ticks;
  bool m_horizontal = true;
};

class CChartAxis {
 public:
  CChartAxis();
  virtual ~CChartAxis();
  CChartAxis(const CChartAxis&) = delete;
  CChartAxis& operator=(const CChartAxis&) = delete;

  virtual void SetDiscrete(bool discrete);
  virtual double ScreenToValue(int pixel) const;
  virtual double GetFirstTickValue() const = 0;
  virtual bool GetNextTickValue(double current, double& next) const = 0;
  virtual int GetTickScreenPosition(double value) const = 0;
  virtual int ValueToScreenDiscrete(double value) const = 0;
  virtual int ValueToScreenStandard(double value) const;
  virtual wxString GetTickLabel(double value) const = 0;
  virtual void RefreshTickIncrement() = 0;
  virtual void RefreshFirstTick() = 0;
  virtual void GetScrollBarSteps(int& steps, int& position) const;
  virtual void Scroll(int oldPosition, int newPosition, bool reversed);
  virtual void PanAxis(int oldPixel, int newPixel);
  virtual void SetZoomMinMax(double minimum, double maximum);

  void SetParent(CChartCtrl* parent);
  CChartCtrl* GetParent() const { return m_parent; }
  void SetHorizontal(bool horizontal);
  bool IsHorizontal() const { return m_horizontal; }
  void SetSecondary(bool secondary) { m_secondary = secondary; }
  bool IsSecondary() const { return m_secondary; }
  void SetInverted(bool inverted);
  bool IsInverted() const { return m_inverted; }
  bool IsDiscrete() const { return m_discrete; }
  void SetAutomaticMode(int mode) { m_automaticMode = mode; }
  int GetAutomaticMode() const { return m_automaticMode; }
  void SetVisible(bool visible) { m_visible = visible; }
  bool IsVisible() const { return m_visible; }
  void SetAutomaticTicks(bool automatic) { m_automaticTicks = automatic; }
  bool HasAutomaticTicks() const { return m_automaticTicks; }
  void SetMarginSize(bool automatic, int size);
  int GetMarginSize() const { return m_marginSize; }
  void EnableZoom(bool enable) { m_zoomEnabled = enable; }
  void SetZoomLimit(double limit) { m_zoomLimit = limit; }
  void SetTextColor(ChartColor color);
  void SetAxisColor(ChartColor color);
  void SetTickFont(const wxString& face, int size);

  // Sets the current and the un-zoomed range.
  void SetMinMax(double minimum, double maximum);
  double GetMinimum() const { return m_minimum; }
  double GetMaximum() const { return m_maximum; }
  // The range UndoZoom returns to.
  void SetUndoZoomMinMax(double minimum, double maximum);
  double GetUndoZoomMinimum() const { return m_undoMinimum; }
  double GetUndoZoomMaximum() const { return m_undoMaximum; }
  void UndoZoom();

  int ValueToScreen(double value) const;
  int GetStartPixel() const { return m_startPixel; }
  int GetEndPixel() const { return m_endPixel; }
  const ChartRect& GetAxisRect() const { return m_axisRect; }

  void RegisterSeries(CChartSeries* series);
  void UnregisterSeries(CChartSeries* series);
  const std::list<CChartSeries*>& GetRegisteredSeries() const { return m_series; }
  bool RefreshAutoAxis();
  void RefreshScreenAutoAxis();

  void SetAxisSize(const ChartRect& chartRect, const ChartRect& plottingRect);
  // Tick increment (when automatic) and first tick for the current size.
  void RefreshTicks();
  int ClipMargin(const ChartRect& chartRect, ChartRect& plottingRect, wxDC& dc);
  void Draw(wxDC& dc);

  CChartGrid* GetGrid() const { return m_grid; }
  CChartAxisLabel* GetLabel() const { return m_label; }

  void CreateScrollBar(const ChartRect& plottingRect);
  CChartScrollBar* GetScrollBar() const { return m_scrollBar; }
  void PlaceScrollBar(const ChartRect& plottingRect);
  void EnableScrollBar(bool enable);
  void SetAutoHideScrollBar(bool autoHide);
  void RefreshScrollBar();

 protected:
  chart::AxisMapping Mapping() const;
  wxFont GetTickFont() const;
  // Calls visit for every tick value to draw: the minimum alone for an empty range.
  void ForEachTick(const std::function<void(double)>& visit) const;
  void RedrawParent();

 private:
  bool GatherSeriesRange(bool visibleOnly, double& minimum, double& maximum) const;
  wxSize GetLargestTickLabelSize(wxDC& dc) const;
  void DrawTick(wxDC& dc, double value);
  void PlaceLabel(wxDC& dc, const wxSize& largestTick);

  CChartCtrl* m_parent = nullptr;
  bool m_horizontal = true;
  bool m_inverted = false;
  int m_automaticMode = kAutoManual;
  bool m_visible = true;
  bool m_secondary = false;
  double m_maximum = 0.0;
  double m_minimum = 0.0;
  double m_undoMinimum = 0.0;
  double m_undoMaximum = 0.0;
  bool m_automaticTicks = true;
  bool m_discrete = false;
  int m_startPixel = 0;
  int m_endPixel = 0;
  ChartRect m_axisRect;
  int m_tickFontSize = 80;
  wxString m_tickFontFace = "Microsoft Sans Serif";
  ChartColor m_textColor = 0;
  ChartColor m_axisColor = 0;
  CChartGrid* m_grid;
  CChartAxisLabel* m_label;
  std::list<CChartSeries*> m_series;
  bool m_automaticMargin = true;
  int m_marginSize = 0;
  bool m_zoomEnabled = true;
  double m_zoomLimit = 0.001;
  CChartScrollBar* m_scrollBar = nullptr;
};

// The linear axis with 1-2-5 tick steps.
class CChartStandardAxis : public CChartAxis {
 public:
  double GetFirstTickValue() const override;
  bool GetNextTickValue(double current, double& next) const override;
  int GetTickScreenPosition(double value) const override;
  int ValueToScreenDiscrete(double value) const override;
  wxString GetTickLabel(double value) const override;
  void RefreshTickIncrement() override;
  void RefreshFirstTick() override;

  // A fixed increment turns the automatic ticks off.
  void SetTickIncrement(bool automatic, double increment);
  double GetTickIncrement() const { return m_tickIncrement; }
  int GetLabelPrecision() const { return m_labelPrecision; }

 private:
  double m_firstTickValue = 0.0;
  double m_tickIncrement = 1.0;
  int m_labelPrecision = 0;
};
