// Summaries of fixed-size blocks of a series' points (value extremes and
// level changes), so that drawing a long series can pass over whole blocks
// that cannot change the picture.
#pragma once

#include <climits>
#include <vector>

#include "controls/chart/ChartPoints.h"

struct SPointBlock {
  static constexpr unsigned kNone = UINT_MAX;

  double firstX = 0.0;
  double lastX = 0.0;
  // Extremes of the values that are numbers; whether there are values that are not.
  bool anyNumber = false;
  double minY = 0.0;
  double maxY = 0.0;
  bool anyNaN = false;

  // Level changes of each point of the block against the point before it
  // (indices into the whole series).
  unsigned firstRise = kNone;
  unsigned firstFall = kNone;
  // The first change of the last run of changes in one direction, and that direction.
  unsigned lastRunStart = kNone;
  int lastRunEdge = 0;
  // The level of the last rise before the first fall, and of the last rise of all.
  bool riseBeforeFirstFall = false;
  double levelBeforeFirstFall = 0.0;
  bool anyRise = false;
  double lastRiseLevel = 0.0;
};

class CPointBlocks {
 public:
  static constexpr unsigned kDefaultSize = 128;

  explicit CPointBlocks(unsigned size = kDefaultSize) : m_size(size) {}

  void Build(const SChartXYPoint* points, unsigned count);

  unsigned Size() const { return m_size; }
  unsigned Count() const { return static_cast<unsigned>(m_blocks.size()); }
  const SPointBlock& operator[](unsigned block) const { return m_blocks[block]; }

 private:
  unsigned m_size;
  std::vector<SPointBlock> m_blocks;
};
