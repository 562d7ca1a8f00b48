#include "controls/chart/PixelColumns.h"

#include <algorithm>
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

namespace {

// The first index after inside and before outside whose pixel differs from x,
// or outside; inside's pixel is x and the pixels are monotonic in the index.
template <class Pixel>
unsigned FirstDifferent(unsigned inside, unsigned outside, int x, const Pixel& pixel) {
  unsigned different = outside;
  for (unsigned long long step = 1; step < outside - inside; step *= 2) {
    const unsigned probe = inside + static_cast<unsigned>(step);
    if (pixel(probe) != x) {
      different = probe;
      break;
    }
    inside = probe;
  }
  while (different - inside > 1) {
    const unsigned middle = inside + (different - inside) / 2;
    if (pixel(middle) == x) {
      inside = middle;
    } else {
      different = middle;
    }
  }
  return different;
}

// Feeds the reducer the points of one column that can be its first, lowest,
// highest or last pixel. The first point reaching the lowest (or highest)
// pixel has a value beyond every earlier one, because the mapping is
// monotonic, so only new extremes of the value (and values that are not
// numbers, which map apart) need a pixel. A whole block without a new
// extreme, before the column's last point, is passed over.
void AddColumn(const SChartXYPoint* points, unsigned begin, unsigned end, int x, const PixelMapping& yPixel,
               const CPointBlocks* blocks, CPixelColumnReducer& columns) {
  bool seen = false;
  double lowest = 0.0;
  double highest = 0.0;
  for (unsigned i = begin; i < end; ++i) {
    if (blocks && seen && i % blocks->Size() == 0 && end - i > blocks->Size()) {
      const SPointBlock& block = (*blocks)[i / blocks->Size()];
      if (!block.anyNaN && block.minY >= lowest && block.maxY <= highest) {
        i += blocks->Size() - 1;
        continue;
      }
    }
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

unsigned EndOfPixelColumn(const SChartXYPoint* points, unsigned begin, unsigned end, int x,
                          const PixelMapping& xPixel, const CPointBlocks* blocks) {
  unsigned inside = begin;
  unsigned outside = end;
  if (blocks) {
    // Blocks starting after begin and before end, by their first points.
    const unsigned size = blocks->Size();
    const unsigned blockOfBegin = begin / size;
    const unsigned blocksBeforeEnd = (end + size - 1) / size;
    const unsigned block = FirstDifferent(blockOfBegin, blocksBeforeEnd, x,
                                          [&](unsigned b) { return xPixel((*blocks)[b].firstX); });
    inside = std::max(begin, (block - 1) * size);
    outside = std::min(end, block * size);
  }
  return FirstDifferent(inside, outside, x, [&](unsigned i) { return xPixel(points[i].X); });
}

void ReduceSortedPoints(const SChartXYPoint* points, unsigned first, unsigned last,
                        const PixelMapping& xPixel, const PixelMapping& yPixel, std::vector<ChartPoint>& out,
                        const CPointBlocks* blocks) {
  CPixelColumnReducer columns(out);
  const unsigned end = last + 1;
  for (unsigned begin = first; begin < end;) {
    const int x = xPixel(points[begin].X);
    const unsigned columnEnd = EndOfPixelColumn(points, begin, end, x, xPixel, blocks);
    AddColumn(points, begin, columnEnd, x, yPixel, blocks, columns);
    begin = columnEnd;
  }
}
