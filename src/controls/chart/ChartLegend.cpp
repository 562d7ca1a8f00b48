#include "controls/chart/ChartLegend.h"

#include <vector>

#include <wx/dcclient.h>

#include "controls/chart/ChartColor.h"
#include "controls/chart/ChartCtrl.h"
#include "controls/chart/ChartFont.h"
#include "controls/chart/ChartSeries.h"

template <class Visit>
void CChartLegend::ForEachEntry(Visit visit) {
  for (CChartSeries* series = m_parent->GetFirstSeries(); series; series = m_parent->GetNextSeries()) {
    if (series->IsVisible() && !series->GetName().empty()) visit(*series);
  }
}

void CChartLegend::DockLegend(int side) {
  m_layout.docked = true;
  m_layout.dockSide = side;
}

void CChartLegend::UndockLegend(int left, int top) {
  m_layout.docked = false;
  m_layout.freeLeft = left;
  m_layout.freeTop = top;
}

void CChartLegend::SetFont(const wxString& face, int size) {
  m_fontFace = face;
  m_fontSize = size;
}

void CChartLegend::UpdatePosition(wxDC& dc, const ChartRect& chartRect) {
  m_rect = {};
  if (!m_visible) return;
  wxDCFontChanger font(dc, MakePointFont(m_fontFace, m_fontSize));
  std::vector<LegendEntrySize> entries;
  ForEachEntry([&](CChartSeries& series) {
    const wxSize extent = dc.GetTextExtent(series.GetName());
    entries.push_back({extent.x, extent.y});
  });
  m_rect = ComputeLegendRect(entries, m_layout, chartRect);
}

void CChartLegend::ClipArea(ChartRect& chartRect, wxDC& dc) {
  UpdatePosition(dc, chartRect);
  ClipChartRectForLegend(chartRect, m_rect, m_layout);
}

void CChartLegend::Draw(wxDC& dc) {
  if (!dc.IsOk() || !m_visible || m_rect.IsEmpty()) return;
  const wxRect box(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height());
  wxDCBrushChanger brush(dc, *wxTRANSPARENT_BRUSH);
  wxDCPenChanger pen(dc, *wxTRANSPARENT_PEN);
  if (m_shadow) {
    dc.SetBrush(wxBrush(ToWxColour(m_shadowColor)));
    dc.DrawRectangle(box.x + m_shadowDepth, box.y + m_shadowDepth, box.width, box.height);
  }
  if (!m_transparent) {
    dc.SetBrush(wxBrush(ToWxColour(m_backColor)));
    dc.DrawRectangle(box);
  }
  wxDCFontChanger font(dc, MakePointFont(m_fontFace, m_fontSize));
  dc.SetPen(wxPen(*wxBLACK, 1));
  const wxPoint outline[] = {{m_rect.left, m_rect.top},
                             {m_rect.right, m_rect.top},
                             {m_rect.right, m_rect.bottom},
                             {m_rect.left, m_rect.bottom},
                             {m_rect.left, m_rect.top}};
  dc.DrawLines(5, outline);

  const int sampleWidth = m_layout.sampleWidth;
  const int sampleHeight = m_layout.sampleHeight;
  ChartRect sample{m_rect.left + 2, m_rect.top + 5, m_rect.left + 2 + sampleWidth,
                   m_rect.top + sampleHeight + 6};
  ForEachEntry([&](CChartSeries& series) {
    const wxSize text = dc.GetTextExtent(series.GetName());
    if (text.y <= sampleHeight) {
      dc.DrawText(series.GetName(), sample.right + 4, (sample.top + sample.bottom) / 2 - text.y / 2);
      series.DrawLegend(dc, sample);
    } else {
      dc.DrawText(series.GetName(), sample.right + 4, sample.top);
      ChartRect shifted = sample;
      const int shift = text.y / 2 - sample.Height() / 2;
      shifted.top += shift;
      shifted.bottom += shift;
      series.DrawLegend(dc, shifted);
    }
    if (m_layout.horizontal) {
      const int step = text.x + sampleWidth + 14;
      sample.left += step;
      sample.right += step;
    } else {
      const int step = LegendEntryHeight({text.x, text.y}, sampleHeight) + 2;
      sample.top += step;
      sample.bottom += step;
    }
  });
}
