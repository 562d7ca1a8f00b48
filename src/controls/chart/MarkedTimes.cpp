#include "controls/chart/MarkedTimes.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <unordered_map>
#include <algorithm>

namespace {

bool SameLevel(double a, double b) { return std::fabs(a - b) <= DBL_EPSILON; }

int EdgeBetween(double previous, double current) {
  if (SameLevel(previous, current)) return 0;
  return current > previous ? 1 : -1;
}

}  // namespace

std::vector<stMTime> CollectLevelChanges(const SChartXYPoint* points, unsigned count, unsigned first,
                                         unsigned last) {
  std::vector<stMTime> changes;
  if (count == 0 || first >= count) return changes;
  if (last >= count) last = count - 1;

  const double firstLevel = points[first].Y;
  while (first > 0 && SameLevel(points[first - 1].Y, firstLevel)) --first;
  if (first > 0) --first;
  const double lastLevel = points[last].Y;
  while (last + 1 < count && SameLevel(points[last + 1].Y, lastLevel)) ++last;
  if (last + 1 < count) ++last;

  for (unsigned i = first + 1; i <= last; ++i) {
    changes.push_back({points[i].X, points[i].Y, EdgeBetween(points[i - 1].Y, points[i].Y)});
  }
  return changes;
}

std::vector<stMarkedPeriod> ListMarkedPeriods(const std::vector<stMTime>& changes) {
  std::vector<stMarkedPeriod> periods;
  const stMTime* previous = nullptr;
  double labelLevel = 0.0;
  for (const stMTime& change : changes) {
    if (change.edge == 0) continue;
    if (change.edge > 0) labelLevel = change.level;
    if (previous == nullptr) {
      if (change.edge < 0) labelLevel = change.level;
      previous = &change;
      continue;
    }
    if (change.edge == previous->edge) continue;
    periods.push_back({previous->time, change.time, labelLevel, change.edge < 0});
    previous = &change;
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
