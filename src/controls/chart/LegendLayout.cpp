#include "controls/chart/LegendLayout.h"

#include <algorithm>

int LegendEntryHeight(const LegendEntrySize& entry, int sampleHeight) {
  return entry.height <= sampleHeight ? sampleHeight : entry.height;
}

ChartRect ComputeLegendRect(const std::vector<LegendEntrySize>& entries, const LegendLayoutSettings& settings,
                            const ChartRect& chartRect) {
  if (entries.empty()) return {};
  int accumulated = 0;
  int widestText = 0;
  int tallestText = 0;
  for (const LegendEntrySize& entry : entries) {
    widestText = std::max(widestText, entry.width);
    tallestText = std::max(tallestText, entry.height);
    accumulated += settings.horizontal ? settings.sampleWidth + entry.width + 14
                                       : LegendEntryHeight(entry, settings.sampleHeight) + 2;
  }
  int width;
  int height;
  if (settings.horizontal) {
    width = accumulated - 6;
    height = std::max(settings.sampleHeight, tallestText) + 8;
  } else {
    width = settings.sampleWidth + widestText + 12;
    height = accumulated + 6;
  }

  const int chartWidth = chartRect.Width();
  const int chartHeight = chartRect.Height();
  int left;
  int top;
  if (!settings.docked) {
    left = settings.freeLeft;
    top = settings.freeTop;
    height += 2;
  } else {
    switch (settings.dockSide) {
      case kDockRight:
        left = chartRect.right - width - 6;
        top = chartHeight / 2 - (height + 2) / 2;
        break;
      case kDockLeft:
        left = chartRect.left + 3;
        top = chartHeight / 2 - (height + 2) / 2;
        break;
      case kDockTop:
        top = chartRect.top + 3;
        left = chartWidth / 2 - width / 2;
        break;
      case kDockBottom:
        top = chartRect.bottom - height - 2;
        left = chartWidth / 2 - width / 2;
        break;
      default: return {};
    }
  }
  return {left, top, left + width, top + height};
}

void ClipChartRectForLegend(ChartRect& chartRect, const ChartRect& legend,
                            const LegendLayoutSettings& settings) {
  if (legend.IsEmpty() || !settings.docked) return;
  switch (settings.dockSide) {
    case kDockRight: chartRect.right = legend.left + 2; break;
    case kDockLeft: chartRect.left = legend.right - 2; break;
    case kDockTop: chartRect.top = legend.bottom + 2; break;
    case kDockBottom: chartRect.bottom = legend.top - 2; break;
    default: break;
  }
}
