#include "controls/chart/ChartScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace chart {
namespace {

int ClampPixel(double pixel) {
  if (!(pixel == pixel)) return 0;  // NaN
  return static_cast<int>(
      std::clamp(pixel, -static_cast<double>(kPixelLimit), static_cast<double>(kPixelLimit)));
}

int AxisLength(const AxisMapping& axis) { return std::abs(axis.endPixel - axis.startPixel); }

constexpr int kMaxScrollSteps = 1 << 30;

}  // namespace

int MiddlePixel(const AxisMapping& axis) {
  const int half = static_cast<int>(AxisLength(axis) * 0.5);
  return axis.horizontal ? axis.startPixel + half : axis.startPixel - half;
}

int ValueToScreenLinear(const AxisMapping& axis, double value) {
  const double span = axis.maximum - axis.minimum;
  if (span == 0.0) return MiddlePixel(axis);
  const double offset = std::floor(AxisLength(axis) * (value - axis.minimum) / span);
  if (axis.horizontal) {
    return axis.inverted ? ClampPixel(axis.endPixel - offset) : ClampPixel(axis.startPixel + offset);
  }
  return axis.inverted ? ClampPixel(axis.endPixel + offset) : ClampPixel(axis.startPixel - offset);
}

int ValueToScreenDiscrete(const AxisMapping& axis, double value, double increment) {
  if (increment == 0.0) return ValueToScreenLinear(axis, value);
  const double nudged = value >= 0 ? value + 1e-10 : value - 1e-10;
  const double index = std::trunc(nudged / increment);
  return ValueToScreenLinear(axis, index * increment + increment * 0.5);
}

double ScreenToValue(const AxisMapping& axis, int pixel) {
  const int length = AxisLength(axis);
  if (axis.maximum == axis.minimum || length == 0) return axis.minimum;
  int offset;
  if (axis.horizontal) {
    offset = axis.inverted ? axis.endPixel - pixel : pixel - axis.startPixel;
  } else {
    offset = axis.inverted ? pixel - axis.endPixel : axis.startPixel - pixel;
  }
  return static_cast<double>(offset) / length * (axis.maximum - axis.minimum) + axis.minimum;
}

int TickLabelSpacing(bool horizontal, int widestLabelWidth) {
  if (!horizontal) return 20;
  return std::max(widestLabelWidth + 2, 30);
}

std::optional<TickStep> ComputeTickStep(double minimum, double maximum, int axisLength, int spacing) {
  if (spacing <= 0) return std::nullopt;
  const int ticks = std::abs(axisLength / spacing);
  if (ticks == 0) return std::nullopt;
  const double tentative = (maximum - minimum) / ticks;
  if (!(tentative > 0.0) || !std::isfinite(tentative)) return std::nullopt;

  const int exponent = static_cast<int>(std::floor(std::log10(tentative)));
  const double base = std::pow(10.0, exponent);
  int decimals = exponent < 0 ? -exponent : 0;
  TickStep step;
  if (base == tentative) {
    step.increment = base;
  } else if (2 * base >= tentative) {
    step.increment = 2 * base;
  } else if (5 * base >= tentative) {
    step.increment = 5 * base;
  } else {
    step.increment = 10 * base;
    decimals = std::max(decimals - 1, 0);
  }
  step.precision = decimals;
  return step;
}

double FirstTickValue(double minimum, double increment) {
  if (increment == 0.0) return minimum;
  if (minimum == 0.0) return 0.0;
  double tick = std::trunc(minimum / increment) * increment;
  if (tick < minimum) {
    tick += increment;
  } else if (tick - increment >= minimum) {
    tick -= increment;
  }
  return tick;
}

std::string FormatTickLabel(double value, int precision) {
  precision = std::clamp(precision, 0, 30);
  char text[400];
  std::snprintf(text, sizeof text, "%.*f", precision, value);
  std::string label = text;
  // A value that rounds to zero from below prints as zero, not "-0".
  if (label[0] == '-' && label.find_first_not_of("-0.") == std::string::npos) label.erase(0, 1);
  return label;
}

ScrollSteps ComputeScrollSteps(double seriesMinimum, double seriesMaximum, double minimum, double maximum) {
  const double seriesRange = seriesMaximum - seriesMinimum;
  const double span = maximum - minimum;
  if (seriesRange == 0.0 || span == 0.0) return {};
  const double steps = std::ceil(seriesRange / (span / 10.0)) + 1.0;
  ScrollSteps result;
  result.steps = static_cast<int>(std::clamp(steps, 1.0, static_cast<double>(kMaxScrollSteps)));
  const double position = std::ceil((minimum - seriesMinimum) / seriesRange * (result.steps - 1));
  result.position = static_cast<int>(
      std::clamp(position, -static_cast<double>(kMaxScrollSteps), static_cast<double>(kMaxScrollSteps)));
  return result;
}

int ThumbPosition(const ScrollSteps& steps, bool reversed) {
  const int position = reversed ? steps.steps - steps.position - (kScrollPage - 1) : steps.position;
  return std::clamp(position, 0, std::max(0, steps.steps - kScrollPage));
}

std::optional<int> ScrollTargetPosition(int code, int position, int range, int thumbPosition) {
  const int minimum = 0;
  const int maximum = range - 1;
  const int lastThumb = std::max(minimum, maximum - (kScrollPage - 1));
  switch (code) {
    case kScrollLineUp: return position > minimum ? position - 1 : position;
    case kScrollLineDown: return position < lastThumb ? position + 1 : position;
    case kScrollPageUp: return position > minimum ? std::max(minimum, position - kScrollPage) : position;
    case kScrollPageDown:
      return position < lastThumb ? std::min(lastThumb, position + kScrollPage) : position;
    case kScrollThumbPosition:
    case kScrollThumbTrack: return thumbPosition;
    case kScrollTop: return minimum;
    case kScrollBottom: return lastThumb;
    default: return std::nullopt;
  }
}

ValueRange LimitZoomRange(double minimum, double maximum, double limit) {
  if (maximum - minimum < limit) maximum = minimum + limit;
  return {minimum, maximum};
}

}  // namespace chart
