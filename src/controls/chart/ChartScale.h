// Headless arithmetic of a chart axis: value/pixel mapping, tick steps, scroll
// bar steps and zoom limits.
#pragma once

#include <optional>
#include <string>

namespace chart {

// Pixels further than this from the origin are clamped, so that a value far
// outside a deeply zoomed range never overflows an int or a drawing backend.
constexpr int kPixelLimit = 1 << 22;

struct AxisMapping {
  bool horizontal = true;
  bool inverted = false;
  int startPixel = 0;  // pixel of the minimum: left edge, or bottom edge of a vertical axis
  int endPixel = 0;    // pixel of the maximum
  double minimum = 0.0;
  double maximum = 0.0;
};

// The middle of the axis, used when minimum equals maximum.
int MiddlePixel(const AxisMapping& axis);
int ValueToScreenLinear(const AxisMapping& axis, double value);
// Buckets of one increment: a value maps to the middle of its bucket.
int ValueToScreenDiscrete(const AxisMapping& axis, double value, double increment);
double ScreenToValue(const AxisMapping& axis, int pixel);

struct TickStep {
  double increment = 1.0;
  int precision = 0;
};

// Room one tick label needs along the axis.
int TickLabelSpacing(bool horizontal, int widestLabelWidth);
// The 1-2-5 tick step for the range on an axis of the given length; nothing
// when no tick fits (the caller keeps its previous step).
std::optional<TickStep> ComputeTickStep(double minimum, double maximum, int axisLength, int spacing);
// The smallest whole multiple of the increment not below the minimum.
double FirstTickValue(double minimum, double increment);
std::string FormatTickLabel(double value, int precision);

struct ScrollSteps {
  int steps = 1;
  int position = 1;
};

// Scroll bar steps of one tenth of the visible span over the series' range.
ScrollSteps ComputeScrollSteps(double seriesMinimum, double seriesMaximum, double minimum, double maximum);
// The thumb position for the steps; reversed when the values grow against the
// thumb's direction. Kept inside the range a thumb of ten steps can reach.
int ThumbPosition(const ScrollSteps& steps, bool reversed);

// Scroll codes in the order of the platform's scroll bar notifications.
enum ScrollCode {
  kScrollLineUp = 0,
  kScrollLineDown = 1,
  kScrollPageUp = 2,
  kScrollPageDown = 3,
  kScrollThumbPosition = 4,
  kScrollThumbTrack = 5,
  kScrollTop = 6,
  kScrollBottom = 7,
  kScrollEnd = 8,
};
constexpr int kScrollPage = 10;

// The position a scroll code leads to from position; nothing for the end of a
// scroll. range is the number of steps (positions 0 .. range - 1).
std::optional<int> ScrollTargetPosition(int code, int position, int range, int thumbPosition);

struct ValueRange {
  double minimum = 0.0;
  double maximum = 0.0;
};

// A zoom range no narrower than the limit.
ValueRange LimitZoomRange(double minimum, double maximum, double limit);

}  // namespace chart
