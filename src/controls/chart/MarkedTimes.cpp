#include "controls/chart/MarkedTimes.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace {

bool SameLevel(double a, double b) { return std::fabs(a - b) <= DBL_EPSILON; }

}  // namespace

namespace {

// Widens [first, last] to whole level runs and one point beyond each; false
// for an empty or out-of-range start.
bool WidenToLevelRuns(const SChartXYPoint* points, unsigned count, unsigned& first, unsigned& last) {
  if (count == 0 || first >= count) return false;
  if (last >= count) last = count - 1;
  const double firstLevel = points[first].Y;
  while (first > 0 && SameLevel(points[first - 1].Y, firstLevel)) --first;
  if (first > 0) --first;
  const double lastLevel = points[last].Y;
  while (last + 1 < count && SameLevel(points[last + 1].Y, lastLevel)) ++last;
  if (last + 1 < count) ++last;
  return true;
}

stMTime ChangeAt(const SChartXYPoint* points, unsigned i) {
  return {points[i].X, points[i].Y, LevelEdge(points[i - 1].Y, points[i].Y)};
}

}  // namespace

int LevelEdge(double previous, double current) {
  if (SameLevel(previous, current)) return 0;
  return current > previous ? 1 : -1;
}

std::vector<stMTime> CollectLevelChanges(const SChartXYPoint* points, unsigned count, unsigned first,
                                         unsigned last) {
  std::vector<stMTime> changes;
  if (!WidenToLevelRuns(points, count, first, last)) return changes;
  for (unsigned i = first + 1; i <= last; ++i) changes.push_back(ChangeAt(points, i));
  return changes;
}

CEdgePairing::Result CEdgePairing::Add(const stMTime& change, stMarkedPeriod& period) {
  if (change.edge == 0) return kIgnored;
  if (change.edge > 0) m_labelLevel = change.level;
  if (!m_started) {
    if (change.edge < 0) m_labelLevel = change.level;
    m_started = true;
    m_previous = change;
    return kStarted;
  }
  if (change.edge == m_previous.edge) return kIgnored;
  period = {m_previous.time, change.time, m_labelLevel, change.edge < 0};
  m_previous = change;
  return kClosed;
}

std::vector<stMarkedPeriod> ListMarkedPeriods(const std::vector<stMTime>& changes) {
  std::vector<stMarkedPeriod> periods;
  CEdgePairing pairing;
  stMarkedPeriod period;
  for (const stMTime& change : changes) {
    if (pairing.Add(change, period) == CEdgePairing::kClosed) periods.push_back(period);
  }
  return periods;
}

void CEdgePairing::Resume(const stMTime& previous, double labelLevel) {
  m_started = true;
  m_previous = previous;
  m_labelLevel = labelLevel;
}

namespace {

// Lists the wide periods the pairing closes, knowing the pixel of each period's start.
class CWidePeriods {
 public:
  CWidePeriods(int minWidth, const PixelMapping& xPixel) : m_minWidth(minWidth), m_xPixel(xPixel) {}

  void Add(const stMTime& change) {
    const CEdgePairing::Result result = m_pairing.Add(change, m_period);
    if (result == CEdgePairing::kIgnored) return;
    const int pixel = m_xPixel(change.time);
    if (result == CEdgePairing::kClosed) Keep(pixel);
    m_startPixel = pixel;
  }

  bool CanPassOver(const SPointBlock& block) const {
    return m_pairing.Started() && std::abs(m_xPixel(block.lastX) - m_xPixel(block.firstX)) < m_minWidth;
  }

  // A block whose own periods are all narrower than minWidth: only the period
  // its first change against the current one closes can be wide.
  void PassOver(const SChartXYPoint* points, const SPointBlock& block) {
    const stMTime previous = m_pairing.Previous();
    const unsigned closing = previous.edge > 0 ? block.firstFall : block.firstRise;
    if (closing == SPointBlock::kNone) {
      if (block.anyRise) m_pairing.Resume(previous, block.lastRiseLevel);
      return;
    }
    double labelLevel = m_pairing.LabelLevel();
    if (previous.edge < 0) {
      labelLevel = points[closing].Y;
    } else if (block.riseBeforeFirstFall) {
      labelLevel = block.levelBeforeFirstFall;
    }
    m_period = {previous.time, points[closing].X, labelLevel, previous.edge > 0};
    Keep(m_xPixel(m_period.endTime));
    const SChartXYPoint& start = points[block.lastRunStart];
    m_pairing.Resume({start.X, start.Y, block.lastRunEdge}, block.anyRise ? block.lastRiseLevel : labelLevel);
    m_startPixel = m_xPixel(start.X);
  }

  std::vector<stMarkedPeriod> periods;

 private:
  void Keep(int endPixel) {
    if (std::abs(endPixel - m_startPixel) >= m_minWidth) periods.push_back(m_period);
  }

  int m_minWidth;
  const PixelMapping& m_xPixel;
  CEdgePairing m_pairing;
  stMarkedPeriod m_period;
  int m_startPixel = 0;
};

}  // namespace

std::vector<stMarkedPeriod> ListWideMarkedPeriods(const SChartXYPoint* points, unsigned count, unsigned first,
                                                  unsigned last, int minWidth, const PixelMapping& xPixel,
                                                  const CPointBlocks* blocks) {
  if (!WidenToLevelRuns(points, count, first, last)) return {};
  CWidePeriods wide(minWidth, xPixel);
  for (unsigned i = first + 1; i <= last;) {
    if (blocks && i % blocks->Size() == 0 && last - i >= blocks->Size() - 1) {
      const SPointBlock& block = (*blocks)[i / blocks->Size()];
      if (wide.CanPassOver(block)) {
        wide.PassOver(points, block);
        i += blocks->Size();
        continue;
      }
    }
    if (!SameLevel(points[i - 1].Y, points[i].Y)) wide.Add(ChangeAt(points, i));
    ++i;
  }
  return std::move(wide.periods);
}

std::string MarkedTimeText(const stMarkedPeriod& period) {
  char text[128];
  std::snprintf(text, sizeof text, "%s(%0.3lfus)", period.high ? "TH" : "TL",
                period.endTime - period.startTime);
  return text;
}

std::vector<stMarkedTextGroup> GroupPeriodsByText(const std::vector<stMarkedPeriod>& periods) {
  std::vector<stMarkedTextGroup> groups;
  std::unordered_map<std::string, size_t> indexOfText;
  for (const stMarkedPeriod& period : periods) {
    if (period.endTime == period.startTime) continue;
    std::string text = MarkedTimeText(period);
    const auto [found, added] = indexOfText.emplace(text, groups.size());
    if (added) groups.push_back({std::move(text), {}});
    groups[found->second].periods.push_back(period);
  }
  for (stMarkedTextGroup& group : groups) {
    std::sort(group.periods.begin(), group.periods.end(),
              [](const stMarkedPeriod& a, const stMarkedPeriod& b) {
                return std::fabs(a.endTime - a.startTime) < std::fabs(b.endTime - b.startTime);
              });
  }
  return groups;
}
