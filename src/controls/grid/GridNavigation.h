// Where the keyboard moves the focus cell, from the geometry alone: arrows,
// Tab and Shift+Tab (with wrapping), Home and End. Rows of height 0 and
// columns of width 0 are never reached; the fixed cells never are either.
#pragma once

#include "controls/grid/GridGeometry.h"

enum class GridMoveKey { Up, Down, Left, Right, Tab, ShiftTab, Home, End };

struct GridKeyMove {
  CCellID next;
  // Tab past the last column or Shift+Tab before the first went to another row.
  bool wrapped = false;
  // The key is not the grid's to handle (Tab at the end, Shift+Tab at the start).
  bool passOn = false;
};

// ctrl matters for Home and End only (whole grid instead of the row).
GridKeyMove ComputeGridKeyMove(const CGridGeometry& geometry, const CCellID& focus, GridMoveKey key,
                               bool ctrl);

// The next shown row (step +1 or -1) from row, or -1 when there is none
// between row and the limits [first, count).
int NextShownRow(const CGridGeometry& geometry, int row, int step, int first);
int NextShownColumn(const CGridGeometry& geometry, int col, int step, int first);
