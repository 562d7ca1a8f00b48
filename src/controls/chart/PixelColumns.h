// Reduces a polyline whose points run left to right to at most four points
// per pixel column (first, lowest, highest, last, in their order), which
// covers exactly the pixels the full polyline covers with a one-pixel pen.
#pragma once

#include <vector>

#include "controls/chart/ChartGeometry.h"

class CPixelColumnReducer {
 public:
  explicit CPixelColumnReducer(std::vector<ChartPoint>& out) : m_out(out) {}
  ~CPixelColumnReducer() { Flush(); }

  void Add(const ChartPoint& point);
  // Writes the pending column; called by the destructor.
  void Flush();

 private:
  void Emit(const ChartPoint& point);

  std::vector<ChartPoint>& m_out;
  bool m_open = false;
  ChartPoint m_first, m_low, m_high, m_last;
  bool m_lowBeforeHigh = true;
};
