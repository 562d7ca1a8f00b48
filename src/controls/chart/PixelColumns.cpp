#include "controls/chart/PixelColumns.h"

#include <cmath>

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

unsigned EndOfPixelColumn(const SChartXYPoint* points, unsigned begin, unsigned end, int x,
                          const PixelMapping& xPixel) {
  unsigned inside = begin;
  unsigned outside = end;
  for (unsigned long long step = 1; step < end - inside; step *= 2) {
    const unsigned probe = inside + static_cast<unsigned>(step);
    if (xPixel(points[probe].X) != x) {
      outside = probe;
      break;
    }
    inside = probe;
  }
  while (outside - inside > 1) {
    const unsigned middle = inside + (outside - inside) / 2;
    if (xPixel(points[middle].X) == x) {
      inside = middle;
    } else {
      outside = middle;
    }
  }
  return outside;
}

namespace {

// Feeds the reducer the points of one column that can be its first, lowest,
// highest or last pixel. The first point reaching the lowest (or highest)
// pixel has a value beyond every earlier one, because the mapping is
// monotonic, so only new extremes of the value (and values that are not
// numbers, which map apart) need a pixel.
void AddColumn(const SChartXYPoint* points, unsigned begin, unsigned end, int x, const PixelMapping& yPixel,
               CPixelColumnReducer& columns) {
  bool seen = false;
  double lowest = 0.0;
  double highest = 0.0;
  for (unsigned i = begin; i < end; ++i) {
    const double y = points[i].Y;
    bool keep = i == begin || i + 1 == end;
    if (std::isnan(y)) {
      keep = true;
    } else if (!seen) {
      seen = true;
      lowest = highest = y;
      keep = true;
    } else if (y > highest) {
      highest = y;
      keep = true;
    } else if (y < lowest) {
      lowest = y;
      keep = true;
    }
    if (keep) columns.Add({x, yPixel(y)});
  }
}

}  // namespace

void ReduceSortedPoints(const SChartXYPoint* points, unsigned first, unsigned last,
                        const PixelMapping& xPixel, const PixelMapping& yPixel,
                        std::vector<ChartPoint>& out) {
  CPixelColumnReducer columns(out);
  const unsigned end = last + 1;
  for (unsigned begin = first; begin < end;) {
    const int x = xPixel(points[begin].X);
    const unsigned columnEnd = EndOfPixelColumn(points, begin, end, x, xPixel);
    AddColumn(points, begin, columnEnd, x, yPixel, columns);
    begin = columnEnd;
  }
}
