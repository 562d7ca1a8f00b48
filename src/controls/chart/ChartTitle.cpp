#include "controls/chart/ChartTitle.h"

#include <algorithm>
#include <cmath>

#include "controls/chart/ChartColor.h"
#include "controls/chart/ChartCtrl.h"

void CChartTitle::AddString(const wxString& line) {
  m_lines.push_back(line);
  if (m_parent) m_parent->RefreshCtrl();
}

void CChartTitle::RemoveAll() {
  m_lines.clear();
  m_lineFonts.clear();
  if (m_parent) m_parent->RefreshCtrl();
}

void CChartTitle::SetLineFont(size_t line, const CChartFont& font) {
  m_lineFonts[line] = font;
  if (m_parent) m_parent->RefreshCtrl();
}

void CChartTitle::SetPlace(int left, int top, int right) {
  m_rect.left = left;
  m_rect.top = top;
  m_rect.right = right;
  m_rect.bottom = top;
}

CChartFont* CChartTitle::FontOfLine(size_t line) {
  auto found = m_lineFonts.find(line);
  return found == m_lineFonts.end() ? nullptr : &found->second;
}

wxSize CChartTitle::GetSize(wxDC& dc) {
  if (!m_visible || m_lines.empty() || !dc.IsOk()) return wxSize(0, 0);
  wxSize size(0, 0);
  m_defaultFont.Select(dc);
  for (size_t i = 0; i < m_lines.size(); ++i) {
    CChartFont* own = FontOfLine(i);
    if (own) own->Select(dc);
    const wxSize extent = dc.GetTextExtent(m_lines[i]);
    if (own) own->Unselect(dc);
    size.x = std::max(size.x, extent.x);
    size.y += extent.y + 2;
  }
  m_defaultFont.Unselect(dc);
  m_rect.bottom = m_rect.top + size.y;
  return size;
}

void CChartTitle::Draw(wxDC& dc) {
  if (!dc.IsOk() || !m_visible) return;
  wxDCTextColourChanger colour(dc, ToWxColour(m_textColor));
  m_defaultFont.Select(dc);
  int y = m_rect.top + 4;
  const int centre = m_rect.left + static_cast<int>(std::abs(m_rect.right - m_rect.left) * 0.5);
  for (size_t i = 0; i < m_lines.size(); ++i) {
    CChartFont* own = FontOfLine(i);
    if (own) own->Select(dc);
    const wxSize extent = dc.GetTextExtent(m_lines[i]);
    dc.DrawText(m_lines[i], centre - extent.x / 2, y);
    if (own) own->Unselect(dc);
    y += extent.y + 2;
  }
  m_defaultFont.Unselect(dc);
}
