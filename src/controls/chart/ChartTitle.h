// The title of the chart: centred text lines above the plotting area.
#pragma once

#include <map>
#include <vector>

#include <wx/dc.h>
#include <wx/string.h>

#include "controls/chart/ChartFont.h"
#include "controls/chart/ChartGeometry.h"

class CChartCtrl;

class CChartTitle {
 public:
  explicit CChartTitle(CChartCtrl* parent) : m_parent(parent) {}
  virtual ~CChartTitle() = default;

  void AddString(const wxString& line);
  void RemoveAll();
  // A line with a font of its own.
  void SetLineFont(size_t line, const CChartFont& font);
  void SetVisible(bool visible) { m_visible = visible; }
  bool IsVisible() const { return m_visible; }
  void SetColor(ChartColor color) { m_textColor = color; }
  void SetFont(const wxString& face, int size) { m_defaultFont.SetFont(face, size); }

  // Left, top and right of the title; GetSize sets the bottom.
  void SetPlace(int left, int top, int right);
  wxSize GetSize(wxDC& dc);
  void Draw(wxDC& dc);
  const ChartRect& GetRect() const { return m_rect; }

 private:
  CChartFont* FontOfLine(size_t line);

  CChartCtrl* m_parent;
  std::vector<wxString> m_lines;
  std::map<size_t, CChartFont> m_lineFonts;
  bool m_visible = true;
  CChartFont m_defaultFont;
  ChartColor m_textColor = 0;
  ChartRect m_rect;
};
