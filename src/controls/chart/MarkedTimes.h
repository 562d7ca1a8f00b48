// Headless part of the period labels of a level wave ("TH(10.000us)"): level
// changes of a point range and the high and low periods between them.
#pragma once

#include <string>
#include <vector>

#include "controls/chart/ChartPoints.h"
#include "controls/chart/PixelColumns.h"
#include "controls/chart/PointBlocks.h"

// One point of a labelled range: its time, its level and whether the level
// rose (+1), fell (-1) or stayed (0) against the previous point.
struct stMTime {
  double time = 0.0;
  double level = 0.0;
  int edge = 0;
};

// One labelled period between two opposite edges.
struct stMarkedPeriod {
  double startTime = 0.0;
  double endTime = 0.0;
  double labelLevel = 0.0;  // level of the latest rising edge: the top of the pulse
  bool high = false;        // a high period (ended by a falling edge)
};

// +1 when current rises above previous, -1 when it falls, 0 when both are one level.
int LevelEdge(double previous, double current);

// Widens [first, last] to whole level runs and lists the level change of every
// point after first up to last.
std::vector<stMTime> CollectLevelChanges(const SChartXYPoint* points, unsigned count, unsigned first,
                                         unsigned last);

// Pairs the edges into high and low periods.
std::vector<stMarkedPeriod> ListMarkedPeriods(const std::vector<stMTime>& changes);

// Pairs edges one at a time, as ListMarkedPeriods does.
class CEdgePairing {
 public:
  enum Result {
    kIgnored,  // no edge, or one in the direction of the period's start
    kStarted,  // the first edge: it starts a period
    kClosed,   // it ends a period (written out) and starts the next
  };
  Result Add(const stMTime& change, stMarkedPeriod& period);

  bool Started() const { return m_started; }
  const stMTime& Previous() const { return m_previous; }
  double LabelLevel() const { return m_labelLevel; }
  // Continues after changes passed over elsewhere.
  void Resume(const stMTime& previous, double labelLevel);

 private:
  bool m_started = false;
  stMTime m_previous;
  double m_labelLevel = 0.0;
};

// The periods ListMarkedPeriods(CollectLevelChanges(...)) lists for points
// sorted by X whose two ends map at least minWidth pixels apart. With the
// points' blocks, passes over every whole block narrower than minWidth.
std::vector<stMarkedPeriod> ListWideMarkedPeriods(const SChartXYPoint* points, unsigned count, unsigned first,
                                                  unsigned last, int minWidth, const PixelMapping& xPixel,
                                                  const CPointBlocks* blocks = nullptr);

// "TH(%0.3lfus)" for a high period, "TL(...)" for a low one.
std::string MarkedTimeText(const stMarkedPeriod& period);

// The periods of one label text, shortest first: a wave has few distinct
// texts, so a label is measured once per text instead of once per period.
struct stMarkedTextGroup {
  std::string text;
  std::vector<stMarkedPeriod> periods;
};

// Groups the periods of non-zero length by their label text.
std::vector<stMarkedTextGroup> GroupPeriodsByText(const std::vector<stMarkedPeriod>& periods);
