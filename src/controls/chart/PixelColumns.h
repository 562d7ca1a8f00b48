// Reduces a polyline whose points run left to right to at most four points
// per pixel column (first, lowest, highest, last, in their order), which
// covers exactly the pixels the full polyline covers with a one-pixel pen.
#pragma once

#include <functional>
#include <vector>

#include "controls/chart/ChartGeometry.h"
#include "controls/chart/ChartPoints.h"
#include "controls/chart/PointBlocks.h"

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

// Maps a value to its pixel; never decreasing, or never increasing, in the value.
using PixelMapping = std::function<int(double)>;

// The end of the run of points from begin (before end) whose X maps to x. The
// points are sorted by X, so the run is found by a galloping search, over the
// blocks' first points first when the points' blocks are given.
unsigned EndOfPixelColumn(const SChartXYPoint* points, unsigned begin, unsigned end, int x,
                          const PixelMapping& xPixel, const CPointBlocks* blocks = nullptr);

// The same polyline as every point of [first, last] fed to CPixelColumnReducer,
// for points sorted by X; maps only the points that can end up in it and, with
// the points' blocks, passes over whole blocks that hold no new extreme, so a
// column costs about the same however many points share it.
void ReduceSortedPoints(const SChartXYPoint* points, unsigned first, unsigned last,
                        const PixelMapping& xPixel, const PixelMapping& yPixel, std::vector<ChartPoint>& out,
                        const CPointBlocks* blocks = nullptr);
