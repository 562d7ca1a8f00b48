#include "controls/chart/ZoomHistory.h"

std::optional<stZoomNode> CZoomHistory::OnRelease(double minimum, double maximum, bool reversed,
                                                  bool dragging) {
  if (!HasStartingRange()) {
    m_start = {minimum, maximum};
    m_stack.push_back(m_start);
  } else if (!reversed) {
    m_stack.push_back({minimum, maximum});
  }
  if (!dragging || !reversed) return std::nullopt;
  if (m_stack.empty()) return m_start;
  const stZoomNode last = m_stack.back();
  m_stack.pop_back();
  return last;
}

void CZoomHistory::Clear() {
  m_stack.clear();
  m_start = {};
}
