// Axis arithmetic: value/pixel mapping, tick steps, scroll steps and codes.
#include <gtest/gtest.h>

#include "controls/chart/ChartScale.h"

using namespace chart;

namespace {

AxisMapping Horizontal(double minimum, double maximum, bool inverted = false) {
  return {true, inverted, 100, 600, minimum, maximum};
}
AxisMapping Vertical(double minimum, double maximum, bool inverted = false) {
  return {false, inverted, 400, 200, minimum, maximum};
}

}  // namespace

TEST(ChartScale, MapsValuesToPixelsAndBackOnEveryOrientation) {
  struct Case {
    AxisMapping axis;
    double value;
    int pixel;
  } cases[] = {
      {Horizontal(0, 1000), 0, 100},
      {Horizontal(0, 1000), 1000, 600},
      {Horizontal(0, 1000), 250, 225},
      {Horizontal(0, 1000, true), 0, 600},
      {Horizontal(0, 1000, true), 250, 475},
      {Vertical(0, 10), 0, 400},
      {Vertical(0, 10), 10, 200},
      {Vertical(0, 10), 2.5, 350},
      {Vertical(0, 10, true), 2.5, 250},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ValueToScreenLinear(c.axis, c.value), c.pixel) << c.value;
    EXPECT_DOUBLE_EQ(ScreenToValue(c.axis, c.pixel), c.value) << c.pixel;
  }
}

TEST(ChartScale, EmptyRangeMapsToTheMiddleAndBackToTheMinimum) {
  EXPECT_EQ(ValueToScreenLinear(Horizontal(5, 5), 123), 350);
  EXPECT_EQ(ValueToScreenLinear(Vertical(5, 5), -8), 300);
  EXPECT_DOUBLE_EQ(ScreenToValue(Horizontal(5, 5), 200), 5);
  // A zero-length axis has no scale either.
  EXPECT_DOUBLE_EQ(ScreenToValue({true, false, 10, 10, 0, 100}, 10), 0);
}

TEST(ChartScale, FarValuesOfADeepZoomAreClampedInsteadOfOverflowing) {
  const AxisMapping zoomed = Horizontal(0, 0.001);
  EXPECT_EQ(ValueToScreenLinear(zoomed, 1e9), kPixelLimit);
  EXPECT_EQ(ValueToScreenLinear(zoomed, -1e9), -kPixelLimit);
}

TEST(ChartScale, DiscreteValuesSitInTheMiddleOfTheirBucket) {
  const AxisMapping axis = Horizontal(0, 10);  // 50 pixels per unit
  EXPECT_EQ(ValueToScreenDiscrete(axis, 0, 2), 150);
  EXPECT_EQ(ValueToScreenDiscrete(axis, 3.9, 2), 250);
  EXPECT_EQ(ValueToScreenDiscrete(axis, 4, 2), 350);
}

TEST(ChartScale, TickStepFollowsTheOneTwoFiveScheme) {
  struct Case {
    double minimum, maximum;
    int length, spacing;
    double increment;
    int precision;
  } cases[] = {
      {0, 1000, 500, TickLabelSpacing(true, 20), 100, 0},    // 16 ticks, step 62.5 -> 10 x base
      {0, 0.37, -200, TickLabelSpacing(false, 0), 0.05, 2},  // vertical axis: end above start
      {0, 100, 100, 10, 10, 0},                              // the base itself when it fits exactly
      {0, 30, 200, 20, 5, 0},                                // 10 ticks, step 3 -> 5
      {0, 1.5, 100, 10, 0.2, 1},                             // step 0.15 -> 2 x 0.1
  };
  for (const Case& c : cases) {
    auto step = ComputeTickStep(c.minimum, c.maximum, c.length, c.spacing);
    ASSERT_TRUE(step.has_value()) << c.maximum;
    EXPECT_DOUBLE_EQ(step->increment, c.increment) << c.maximum;
    EXPECT_EQ(step->precision, c.precision) << c.maximum;
  }
  EXPECT_EQ(TickLabelSpacing(true, 40), 42);
}

TEST(ChartScale, TickStepKeepsThePreviousOneWhenNoTickFitsOrTheRangeRunsBackwards) {
  EXPECT_FALSE(ComputeTickStep(0, 100, 25, 30).has_value());
  EXPECT_FALSE(ComputeTickStep(100, 0, 500, 30).has_value());
}

TEST(ChartScale, FirstTickIsTheSmallestMultipleNotBelowTheMinimum) {
  EXPECT_DOUBLE_EQ(FirstTickValue(-7, 5), -5);
  EXPECT_DOUBLE_EQ(FirstTickValue(7, 5), 10);
  EXPECT_DOUBLE_EQ(FirstTickValue(10, 5), 10);
  EXPECT_DOUBLE_EQ(FirstTickValue(-10, 5), -10);
  EXPECT_DOUBLE_EQ(FirstTickValue(0, 5), 0);
  EXPECT_DOUBLE_EQ(FirstTickValue(3.5, 0), 3.5);
}

TEST(ChartScale, TickLabelsUseThePrecisionAndNeverShowMinusZero) {
  EXPECT_EQ(FormatTickLabel(0.5, 2), "0.50");
  EXPECT_EQ(FormatTickLabel(1000, 0), "1000");
  EXPECT_EQ(FormatTickLabel(-2.5e-17, 2), "0.00");
  EXPECT_EQ(FormatTickLabel(-0.25, 1), "-0.2");
}

TEST(ChartScale, ScrollStepsAreTenthsOfTheVisibleSpan) {
  ScrollSteps steps = ComputeScrollSteps(0, 100, 0, 100);
  EXPECT_EQ(steps.steps, 11);
  EXPECT_EQ(steps.position, 0);
  steps = ComputeScrollSteps(0, 100, 50, 60);  // zoomed to a tenth, halfway
  EXPECT_EQ(steps.steps, 101);
  EXPECT_EQ(steps.position, 50);
  EXPECT_EQ(ThumbPosition(steps, false), 50);
  EXPECT_EQ(ThumbPosition(steps, true), 42);  // 101 - 50 - 9
  steps = ComputeScrollSteps(0, 0, 0, 10);
  EXPECT_EQ(steps.steps, 1);
  EXPECT_EQ(steps.position, 1);
  EXPECT_EQ(ThumbPosition(steps, true), 0);
  // A deep zoom into a long wave stays within the scroll bar's integer range.
  steps = ComputeScrollSteps(0, 1e9, 0, 0.001);
  EXPECT_GT(steps.steps, 1000000);
  EXPECT_GE(ThumbPosition(steps, true), 0);
}

TEST(ChartScale, ScrollCodesMoveThePositionWithinTheReachableRange) {
  struct Case {
    int code, position, thumb;
    std::optional<int> expected;
  } cases[] = {
      {kScrollLineUp, 5, 0, 4},       {kScrollLineUp, 0, 0, 0},         {kScrollLineDown, 5, 0, 6},
      {kScrollLineDown, 20, 0, 20},  // 30 steps: the last thumb position is 20
      {kScrollPageUp, 5, 0, 0},       {kScrollPageDown, 5, 0, 15},      {kScrollPageDown, 15, 0, 20},
      {kScrollThumbTrack, 5, 17, 17}, {kScrollThumbPosition, 5, 3, 3},  {kScrollTop, 12, 0, 0},
      {kScrollBottom, 3, 0, 20},      {kScrollEnd, 5, 9, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScrollTargetPosition(c.code, c.position, 30, c.thumb), c.expected)
        << c.code << " " << c.position;
  }
}

TEST(ChartScale, ZoomRangeIsAtLeastTheLimitWide) {
  ValueRange range = LimitZoomRange(3, 3.0004, 0.001);
  EXPECT_DOUBLE_EQ(range.minimum, 3);
  EXPECT_DOUBLE_EQ(range.maximum, 3.001);
  range = LimitZoomRange(3, 8, 0.001);
  EXPECT_DOUBLE_EQ(range.maximum, 8);
}
