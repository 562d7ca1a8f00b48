#include "controls/chart/MarkedTimes.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace {

bool SameLevel(double a, double b) { return std::fabs(a - b) <= DBL_EPSILON; }

int EdgeBetween(double previous, double current) {
  if (SameLevel(previous, current)) return 0;
  return current > previous ? 1 : -1;
}

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
  return {points[i].X, points[i].Y, EdgeBetween(points[i - 1].Y, points[i].Y)};
}

}  // namespace

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

std::vector<stMarkedPeriod> ListWideMarkedPeriods(const SChartXYPoint* points, unsigned count, unsigned first,
                                                  unsigned last, int minWidth, const PixelMapping& xPixel) {
  std::vector<stMarkedPeriod> periods;
  if (!WidenToLevelRuns(points, count, first, last)) return periods;
  CEdgePairing pairing;
  stMarkedPeriod period;
  int startPixel = 0;
  for (unsigned begin = first; begin <= last;) {
    const int x = xPixel(points[begin].X);
    const unsigned end = EndOfPixelColumn(points, begin, last + 1, x, xPixel);
    for (unsigned i = std::max(begin, first + 1); i < end; ++i) {
      if (SameLevel(points[i - 1].Y, points[i].Y)) continue;
      const CEdgePairing::Result result = pairing.Add(ChangeAt(points, i), period);
      if (result == CEdgePairing::kIgnored) continue;
      if (result == CEdgePairing::kClosed && std::abs(x - startPixel) >= minWidth) periods.push_back(period);
      startPixel = x;
    }
    begin = end;
  }
  return periods;
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
