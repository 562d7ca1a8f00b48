// Plain geometry and colour types shared by the chart classes (no GUI headers).
#pragma once

#include <cstdint>

// Colours of the chart are 0x00BBGGRR values.
using ChartColor = std::uint32_t;

// A rectangle with Windows semantics: right and bottom lie just outside it. A
// zoom rectangle may be reversed (left > right or top > bottom).
struct ChartRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  ChartRect Deflated(int by) const { return {left + by, top + by, right - by, bottom - by}; }
  bool operator==(const ChartRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

struct ChartPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ChartPoint& other) const { return x == other.x && y == other.y; }
  bool operator!=(const ChartPoint& other) const { return !(*this == other); }
};
