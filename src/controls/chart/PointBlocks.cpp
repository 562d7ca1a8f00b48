#include "controls/chart/PointBlocks.h"

#include <algorithm>
#include <cmath>

#include "controls/chart/MarkedTimes.h"

namespace {

void SummarizeValues(const SChartXYPoint* points, unsigned begin, unsigned end, SPointBlock& block) {
  for (unsigned i = begin; i < end; ++i) {
    const double y = points[i].Y;
    if (std::isnan(y)) {
      block.anyNaN = true;
    } else if (!block.anyNumber) {
      block.anyNumber = true;
      block.minY = block.maxY = y;
    } else {
      block.minY = std::min(block.minY, y);
      block.maxY = std::max(block.maxY, y);
    }
  }
}

void SummarizeChanges(const SChartXYPoint* points, unsigned begin, unsigned end, SPointBlock& block) {
  for (unsigned i = std::max(begin, 1u); i < end; ++i) {
    const int edge = LevelEdge(points[i - 1].Y, points[i].Y);
    if (edge == 0) continue;
    if (edge != block.lastRunEdge) {
      block.lastRunStart = i;
      block.lastRunEdge = edge;
    }
    if (edge < 0) {
      if (block.firstFall == SPointBlock::kNone) block.firstFall = i;
      continue;
    }
    if (block.firstRise == SPointBlock::kNone) block.firstRise = i;
    block.anyRise = true;
    block.lastRiseLevel = points[i].Y;
    if (block.firstFall == SPointBlock::kNone) {
      block.riseBeforeFirstFall = true;
      block.levelBeforeFirstFall = points[i].Y;
    }
  }
}

}  // namespace

void CPointBlocks::Build(const SChartXYPoint* points, unsigned count) {
  m_blocks.assign((count + m_size - 1) / m_size, SPointBlock());
  for (unsigned b = 0; b < Count(); ++b) {
    const unsigned begin = b * m_size;
    const unsigned end = std::min(count, begin + m_size);
    SPointBlock& block = m_blocks[b];
    block.firstX = points[begin].X;
    block.lastX = points[end - 1].X;
    SummarizeValues(points, begin, end, block);
    SummarizeChanges(points, begin, end, block);
  }
}
