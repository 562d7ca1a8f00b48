#include "controls/chart/PixelColumns.h"

void CPixelColumnReducer::Add(const ChartPoint& point) {
  if (m_open && point.x != m_first.x) Flush();
  if (!m_open) {
    m_open = true;
    m_first = m_low = m_high = m_last = point;
    return;
  }
  if (point.y < m_low.y) {
    m_low = point;
    m_lowBeforeHigh = false;  // the new low comes after the current high
  }
  if (point.y > m_high.y) {
    m_high = point;
    m_lowBeforeHigh = true;
  }
  m_last = point;
}

void CPixelColumnReducer::Flush() {
  if (!m_open) return;
  m_open = false;
  Emit(m_first);
  Emit(m_lowBeforeHigh ? m_low : m_high);
  Emit(m_lowBeforeHigh ? m_high : m_low);
  Emit(m_last);
}

void CPixelColumnReducer::Emit(const ChartPoint& point) {
  if (m_out.empty() || m_out.back() != point) m_out.push_back(point);
}
