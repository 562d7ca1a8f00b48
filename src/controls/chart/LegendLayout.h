// Headless size and placement of the chart legend.
#pragma once

#include <vector>

#include "controls/chart/ChartGeometry.h"

struct LegendEntrySize {
  int width = 0;
  int height = 0;
};

enum LegendDockSide { kDockRight = 0, kDockLeft = 1, kDockTop = 2, kDockBottom = 3 };

struct LegendLayoutSettings {
  bool docked = true;
  int dockSide = kDockRight;
  int freeLeft = 0;
  int freeTop = 0;
  bool horizontal = false;
  int sampleWidth = 16;
  int sampleHeight = 16;
};

// Height of one entry in a vertical legend.
int LegendEntryHeight(const LegendEntrySize& entry, int sampleHeight);

// The legend's rectangle for the entries' text sizes; empty without entries.
ChartRect ComputeLegendRect(const std::vector<LegendEntrySize>& entries, const LegendLayoutSettings& settings,
                            const ChartRect& chartRect);

// Takes a docked legend's side out of the chart rectangle.
void ClipChartRectForLegend(ChartRect& chartRect, const ChartRect& legend,
                            const LegendLayoutSettings& settings);
