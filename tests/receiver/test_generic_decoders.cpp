// The generic fallback of general remotes and the segmented decoding of
// air-conditioner remotes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AnalyserTestUtil.h"

using namespace capturesynth;
using namespace analysertest;

namespace {

const std::vector<bool> kBits32 =
    Join({LsbFirst(0x2C, 8), LsbFirst(0xD3, 8), LsbFirst(0x47, 8), LsbFirst(0x0E, 8)});
const std::vector<bool> kBits12 = Join({LsbFirst(0x2B, 7), LsbFirst(0x13, 5)});
const std::vector<bool> kBits17 = Join({{true}, MsbFirst(0xB26D, 16)});

// Marks shorter (> 0) or longer (< 0) than sent, the spaces the other way.
constexpr double kShifts[] = {-kReceiverMarkShiftUs, -kReceiverMarkShiftUs / 2, 0, kReceiverMarkShiftUs / 2,
                              kReceiverMarkShiftUs};
constexpr int kSeeds = 20;

// One measured width is off by the jitter and the rounding to 4 µs units.
double Tolerance(double unitUs) { return kReceiverJitter * unitUs + 8; }

std::string Where(const std::string& name, double delay, std::uint32_t seed) {
  return name + ", mark shift " + std::to_string(delay) + " µs, seed " + std::to_string(seed);
}

TEST(UnknownFrame, PulseDistanceOutsideTheBands) {
  for (double delay : kShifts) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
      Load(PulseDistanceFrame(kBits32, false), {seed, kReceiverJitter, delay});
      DecodeByCarrierBand();
      const std::string where = Where("pulse distance", delay, seed);
      ASSERT_EQ(AnalyserFrameKind(), kFrameKindGeneric) << where;
      EXPECT_EQ(AnalyserCodingKind(), 1) << where;
      EXPECT_EQ(AnalyserDataBitCount(), 32) << where;
      EXPECT_EQ(LastReceivedBits(32), BitText(kBits32)) << where;
      EXPECT_TRUE(AnalyserLeadCodeFlag()) << where;
      const double tolerance = Tolerance(560);
      EXPECT_TRUE(CloseTo(AnalyserLeadCodeMark(), 4500 - delay, tolerance)) << where;
      EXPECT_TRUE(CloseTo(AnalyserLeadCodeSpace(), 4500 + delay, tolerance)) << where;
      EXPECT_TRUE(CloseTo(AnalyserBitTime(0), 560 - delay, tolerance)) << where;
      EXPECT_TRUE(CloseTo(AnalyserBitTime(1), 560 + delay, tolerance)) << where;
      EXPECT_TRUE(CloseTo(AnalyserBitTime(2), 560 - delay, tolerance)) << where;
      EXPECT_TRUE(CloseTo(AnalyserBitTime(3), 1690 + delay, tolerance)) << where;
      EXPECT_TRUE(AnalyserStopBitFlag()) << where;
      EXPECT_EQ(g_IrCapture.result.generic.repeatFlag, 0) << where;
      EXPECT_FALSE(AnalyserRelearnFlag()) << where;
      EXPECT_NEAR(AnalyserCarrierKHz(), 38.0, 0.2) << where;
    }
  }
}

TEST(UnknownFrame, PulseDistanceWithARepeatCode) {
  for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
    Load(PulseDistanceFrame(kBits32, true), {seed, kReceiverJitter, 100});
    DecodeByCarrierBand();
    ASSERT_EQ(AnalyserFrameKind(), kFrameKindGeneric) << seed;
    EXPECT_EQ(AnalyserDataBitCount(), 32) << seed;
    EXPECT_EQ(g_IrCapture.result.generic.repeatFlag, 1) << seed;
    EXPECT_EQ(AnalyserEndKind(), 1) << seed;  // a leader with no data after it
    EXPECT_TRUE(CloseTo(AnalyserEndCodeMark(), 8900, Tolerance(560))) << seed;
    EXPECT_TRUE(CloseTo(AnalyserEndCodeSpace(), 2350, Tolerance(560))) << seed;
    // leader, 32 bits and the closing mark with its 40 ms gap
    const auto ones = std::count(kBits32.begin(), kBits32.end(), true);
    const double frame = 9000 + (32 - ones) * 1120.0 + ones * 2250.0 + 40560;
    EXPECT_TRUE(CloseTo(AnalyserFrameLength(), frame, Tolerance(560) + 40)) << seed;  // rounding adds up
  }
}

TEST(UnknownFrame, PulseWidthTakesTheClosingMarkAsTheLastBit) {
  for (double delay : kShifts) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
      Load(PulseWidthFrame(kBits12), {seed, kReceiverJitter, delay});
      DecodeByCarrierBand();
      const std::string where = Where("pulse width", delay, seed);
      ASSERT_EQ(AnalyserFrameKind(), kFrameKindGeneric) << where;
      EXPECT_EQ(AnalyserDataBitCount(), 12) << where;
      EXPECT_EQ(LastReceivedBits(12), BitText(kBits12)) << where;
      EXPECT_TRUE(CloseTo(AnalyserBitTime(0), 600 - delay, Tolerance(600))) << where;
      EXPECT_TRUE(CloseTo(AnalyserBitTime(2), 1200 - delay, Tolerance(600))) << where;
      EXPECT_TRUE(CloseTo(AnalyserBitTime(1), 600 + delay, Tolerance(600))) << where;
      EXPECT_FALSE(AnalyserStopBitFlag()) << where;
    }
  }
}

TEST(UnknownFrame, BiphaseOutsideTheBands) {
  // Spaces must stay within 200 µs of the marks they pair with, so the
  // receiver delay (which widens that difference twice) stays below 50 µs.
  for (double delay : {0.0, 20.0, 40.0}) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
      Load(BiphaseFrame(kBits17), {seed, kReceiverJitter, delay});
      DecodeByCarrierBand();
      const std::string where = Where("bi-phase", delay, seed);
      ASSERT_EQ(AnalyserFrameKind(), kFrameKindGeneric) << where;
      EXPECT_EQ(AnalyserCodingKind(), 2) << where;
      EXPECT_EQ(AnalyserDataBitCount(), 17) << where;
      EXPECT_EQ(LastReceivedBits(17), BitText(kBits17)) << where;
      EXPECT_TRUE(CloseTo(AnalyserUnitTime(), 500 - delay, 40)) << where;
      EXPECT_TRUE(AnalyserLeadCodeFlag()) << where;
      EXPECT_FALSE(AnalyserRelearnFlag()) << where;
    }
  }
}

TEST(UnknownFrame, BiphaseWhoseLongMarkIsNotTwiceTheShortFails) {
  // Marks of 400 and 1000 µs (2.5 times), spaces of the same widths.
  std::vector<stPulse> pulses{{3000, 1000}};
  for (int i = 0; i < 8; ++i) pulses.push_back(i % 2 ? stPulse{1000, 400} : stPulse{400, 1000});
  pulses.push_back({400, 0});
  Load(stSignal{38000, 0.3, 400, pulses}, {1, 0.0, 0.0});
  DecodeByCarrierBand();
  EXPECT_EQ(g_IrCapture.result.noCarrier, 1);
  EXPECT_EQ(AnalyserDataBitCount(), 0);
  EXPECT_EQ(AnalyserFrameKind(), 0);
  EXPECT_TRUE(AnalyserRelearnFlag());
  EXPECT_FALSE(AnalyserCaptureErrorFlag());  // a carrier was measured
}

TEST(UnknownFrame, EqualMarksWithOneSpaceOnlyIsATimingFailure) {
  Load(PulseDistanceFrame(std::vector<bool>(16, false), false), {1, 0.0, 0.0});
  DecodeByCarrierBand();
  EXPECT_EQ(g_IrCapture.result.timingFailure, 1);
  EXPECT_EQ(AnalyserBitTime(1), 560u);  // the one space near the mark is bit 0's
  EXPECT_EQ(AnalyserBitTime(3), 0u);
  EXPECT_TRUE(AnalyserRelearnFlag());
}

TEST(UnknownFrame, AShortFrameIsNotAveragedPastItsEnd) {
  // Three bits, a 40 ms gap and a long-mark frame: pulses 4 and 5 are not bits.
  std::vector<stPulse> pulses{{4500, 4500}, {560, 560},   {560, 1690}, {560, 560},
                              {560, 40000}, {9000, 2250}, {560, 0}};
  Load(stSignal{38000, 0.3, 560, pulses}, {1, 0.0, 0.0});
  DecodeByCarrierBand();
  ASSERT_EQ(AnalyserFrameKind(), kFrameKindGeneric);
  EXPECT_EQ(AnalyserBitTime(0), 560u);
  EXPECT_EQ(AnalyserDataBitCount(), 3);
  EXPECT_EQ(LastReceivedBits(3), "010");
  EXPECT_EQ(AnalyserEndKind(), 1);
}

// The fallback refuses a frame it cannot read to its end: it stops at a pair
// or a period it cannot read, or the end it found is a pause inside the frame.
TEST(UnknownFrame, AFrameItCannotReadToItsEndAsksForARelearn) {
  // 38 pulses of four space lengths; the first 12 use two of them.
  const std::vector<int> fourLengths{0, 2, 2, 0, 0, 2, 0, 2, 2, 2, 0, 0, 1, 3, 0, 2, 3, 1, 1,
                                     0, 2, 3, 0, 1, 2, 3, 3, 0, 1, 2, 0, 3, 1, 2, 0, 1, 3, 2};
  const struct {
    const char* name;
    stSignal signal;
  } cases[] = {
      {"kind 4's format in mode 6 with 32 bits", Kind4PayloadFrame(6, 0, MsbFirst(0x0F1E0C5Au, 32))},
      {"kind 4's format in mode 6 with 20 bits", Kind4PayloadFrame(6, 0, MsbFirst(0x3A5C1u, 20))},
      {"kind 3 extended to 20 bits", Kind3ExtendedFrame(0, 0x10, 0x16, 0x0A)},
      {"kind 3 extended to 20 bits, command bit 6 set", Kind3ExtendedFrame(1, 0x1B, 0x72, 0x3F)},
      {"kind 3 extended to 20 bits, one frame and its repeat",
       [] {
         stSignal signal = Kind3ExtendedFrame(0, 0x10, 0x0C, 0x21);
         const std::vector<stPulse> frame = signal.pulses;
         signal.pulses.back().spaceUs = 75000;
         signal.pulses.insert(signal.pulses.end(), frame.begin(), frame.end());
         return signal;
       }()},
      {"pulse distance with four period lengths", PulseDistanceSymbols(fourLengths, {560, 1120, 1690, 2250})},
  };
  for (const auto& c : cases) {
    for (double delay : kShifts) {
      for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        Load(c.signal, {seed, kReceiverJitter, delay});
        DecodeByCarrierBand();
        const std::string where = Where(c.name, delay, seed);
        EXPECT_EQ(AnalyserFrameKind(), 0) << where;
        EXPECT_EQ(AnalyserDataBitCount(), 0) << where;
        EXPECT_TRUE(AnalyserRelearnFlag()) << where;
        EXPECT_FALSE(AnalyserCaptureErrorFlag()) << where;
      }
    }
  }

  // The gap before a repeat without a leader is no pause inside the frame.
  std::vector<bool> levels = Manchester(kBits17, true);
  levels.insert(levels.end(), 100, false);  // 50 ms
  const std::vector<bool> repeat = Manchester(kBits17, true);
  levels.insert(levels.end(), repeat.begin(), repeat.end());
  for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
    Load(stSignal{38000, 1.0 / 3, 500, LevelsToPulses(levels, 500)}, {seed, kReceiverJitter, 0.0});
    DecodeByCarrierBand();
    ASSERT_EQ(AnalyserFrameKind(), kFrameKindGeneric) << seed;
    EXPECT_EQ(AnalyserDataBitCount(), 17) << seed;
    EXPECT_EQ(LastReceivedBits(17), BitText(kBits17)) << seed;
    EXPECT_EQ(AnalyserEndKind(), 3) << seed;
  }
}

struct stAirCase {
  std::string name;
  std::vector<stAirFrame> frames;
  bool endCode;
};

const std::vector<bool> kField1 =
    Join({LsbFirst(0x19, 8), LsbFirst(0x0A, 8), LsbFirst(0x20, 8), LsbFirst(0x50, 8), MsbFirst(0b010, 3)});
const std::vector<bool> kField2 =
    Join({LsbFirst(0x00, 8), LsbFirst(0x20, 8), LsbFirst(0x00, 8), LsbFirst(0xF0, 8)});
const std::vector<bool> kField3 =
    Join({LsbFirst(0x19, 8), LsbFirst(0x0A, 8), LsbFirst(0x70, 8), LsbFirst(0x50, 8), MsbFirst(0b010, 3)});
const std::vector<bool> kField4 =
    Join({LsbFirst(0x00, 8), LsbFirst(0x00, 8), LsbFirst(0x00, 8), LsbFirst(0x30, 8)});

void ExpectFields(const std::string& where, const std::vector<std::vector<bool>>& fields) {
  for (int f = 0; f < kFrameFieldCount; ++f) {
    const std::string expected = f < static_cast<int>(fields.size()) ? BitText(fields[f]) : "";
    EXPECT_EQ(FieldBits(f), expected) << where << ", field " << f + 1;
  }
}

TEST(DecodeSignalGeneric, TwoFramesWithConnectCodes) {
  for (double delay : kShifts) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
      Load(AirConditionerSignal({{kField1, kField2}, {kField3, kField4}}, false),
           {seed, kReceiverJitter, delay});
      DecodeSignalGeneric();
      const std::string where = Where("two frames", delay, seed);
      ASSERT_FALSE(AnalyserRelearnFlag()) << where;
      EXPECT_TRUE(AnalyserDataFlag()) << where;
      EXPECT_TRUE(AnalyserFirstFieldCFlag()) << where;
      EXPECT_TRUE(AnalyserILFlag()) << where;
      EXPECT_TRUE(AnalyserThirdFieldCFlag()) << where;
      EXPECT_FALSE(AnalyserEFlag()) << where;
      ExpectFields(where, {kField1, kField2, kField3, kField4});
      EXPECT_TRUE(AnalyserValidFrameFlag()) << where;
      const double tolerance = Tolerance(640);
      EXPECT_TRUE(CloseTo(AnalyserTimeValue(), 20000 + delay, tolerance)) << where;
      EXPECT_EQ(AnalyserAirFrameLength(), AnalyserTimeValue()) << where;
      EXPECT_TRUE(CloseTo(AnalyserLeadCodeMark(), 9000 - delay, tolerance)) << where;
      EXPECT_TRUE(CloseTo(AnalyserLeadCodeSpace(), 4500 + delay, tolerance)) << where;
      EXPECT_TRUE(CloseTo(AnalyserBitTime(0), 640 - delay, tolerance)) << where;
      // A bit space is a period less pulse 2's mark: both are off.
      EXPECT_TRUE(CloseTo(AnalyserBitTime(1), 540 + delay, 2 * tolerance)) << where;
      EXPECT_TRUE(CloseTo(AnalyserBitTime(3), 1640 + delay, 2 * tolerance)) << where;
      EXPECT_TRUE(CloseTo(g_IrCapture.result.generic.secondFrameGapSpace, 40000 + delay, tolerance)) << where;
      EXPECT_NEAR(AnalyserCarrierKHz(), 38.0, 0.2) << where;
    }
  }
}

TEST(DecodeSignalGeneric, FrameShapesSetTheirMarkersAndSegments) {
  const stAirCase cases[] = {
      {"second frame without a gap", {{kField1, kField2}, {kField3, {}}}, false},
      {"end code before the second frame", {{kField1, kField2}, {kField3, kField4}}, true},
      {"one frame with a gap", {{kField1, kField2}}, false},
  };
  for (const auto& c : cases) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
      Load(AirConditionerSignal(c.frames, c.endCode), {seed, kReceiverJitter, kReceiverMarkShiftUs});
      DecodeSignalGeneric();
      const std::string where = c.name + ", seed " + std::to_string(seed);
      ASSERT_FALSE(AnalyserRelearnFlag()) << where;
      EXPECT_TRUE(AnalyserDataFlag()) << where;
      EXPECT_EQ(AnalyserILFlag(), c.frames.size() == 2) << where;
      EXPECT_EQ(AnalyserEFlag(), c.endCode) << where;
      EXPECT_EQ(AnalyserThirdFieldCFlag(), c.frames.size() == 2 && !c.frames[1].afterGap.empty()) << where;
      std::vector<std::vector<bool>> fields{c.frames[0].beforeGap, c.frames[0].afterGap};
      if (c.frames.size() == 2) {
        fields.push_back(c.frames[1].beforeGap);
        fields.push_back(c.frames[1].afterGap);
      }
      ExpectFields(where, fields);
      if (c.endCode) {
        EXPECT_TRUE(CloseTo(g_IrCapture.result.generic.end.mark, 640 - kReceiverMarkShiftUs, Tolerance(640)))
            << where;
        EXPECT_TRUE(
            CloseTo(g_IrCapture.result.generic.end.space, 3000 + kReceiverMarkShiftUs, Tolerance(640)))
            << where;
      }
    }
  }
}

TEST(DecodeSignalGeneric, AFrameWithoutGapOrSecondFrameIsNotSplit) {
  Load(AirConditionerSignal({{kField1, {}}}, false), {4, kReceiverJitter, kReceiverMarkShiftUs});
  DecodeSignalGeneric();
  EXPECT_FALSE(AnalyserDataFlag());
  EXPECT_FALSE(AnalyserValidFrameFlag());
  EXPECT_EQ(AnalyserDataBitCount(), kField1.size());
  EXPECT_EQ(LastReceivedBits(static_cast<int>(kField1.size())), BitText(kField1));
  for (int f = 0; f < kFrameFieldCount; ++f) EXPECT_EQ(AnalyserFrameFieldBitLength(f), 0) << f;
}

TEST(DecodeSignalGeneric, AnIgnoredPulseDoesNotShiftTheSegments) {
  stSignal signal = AirConditionerSignal({{kField1, kField2}, {kField3, kField4}}, false);
  // A glitch between the two bit periods inside the first field.
  signal.pulses.insert(signal.pulses.begin() + 10, stPulse{640, 1100});
  Load(signal, {1, 0.0, 0.0});
  DecodeSignalGeneric();
  ExpectFields("glitch", {kField1, kField2, kField3, kField4});
}

// Layouts that a leader, a connect code, an end code and one second frame
// cannot describe: the bits would be stored wrong, so a relearn is asked for.
TEST(DecodeSignalGeneric, LayoutsTheFieldsCannotHoldAskForARelearn) {
  const auto withFront = [](std::vector<stPulse> front) {
    stSignal signal = AirConditionerSignal({{kField1, kField2}}, false);
    signal.pulses.insert(signal.pulses.begin(), front.begin(), front.end());
    return signal;
  };
  stSignal twoGaps = AirConditionerSignal({{kField1, kField2}}, false);
  twoGaps.pulses[kField1.size() + 10].spaceUs = 20000;  // a second connect code in the same frame
  const struct {
    const char* name;
    stSignal signal;
  } cases[] = {
      {"two header pulses", withFront({{9800, 9800}, {9800, 9800}})},
      {"a pre-pulse before the header", withFront({{500, 12000}})},
      {"two gaps in one frame", twoGaps},
      {"three frames", AirConditionerSignal({{kField1, kField2}, {kField3, kField4}, {kField1, {}}}, false)},
  };
  for (const auto& c : cases) {
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
      Load(c.signal, {seed, kReceiverJitter, kReceiverMarkShiftUs});
      DecodeSignalGeneric();
      EXPECT_TRUE(AnalyserRelearnFlag()) << c.name;
      EXPECT_EQ(AnalyserDataBitCount(), 0) << c.name;
      EXPECT_FALSE(AnalyserDataFlag()) << c.name;
      for (int f = 0; f < kFrameFieldCount; ++f) EXPECT_EQ(AnalyserFrameFieldBitLength(f), 0) << c.name;
    }
  }
}

TEST(DecodeSignalGeneric, OnePeriodOnlyIsATimingFailure) {
  Load(AirConditionerSignal({{std::vector<bool>(24, true), {}}}, false), {1, 0.0, 0.0});
  DecodeSignalGeneric();
  EXPECT_EQ(g_IrCapture.result.timingFailure, 1);
  EXPECT_TRUE(AnalyserRelearnFlag());
  EXPECT_EQ(AnalyserDataBitCount(), 0);

  LoadWaveRecord(nullptr, 0);
  DecodeSignalGeneric();
  EXPECT_TRUE(AnalyserRelearnFlag());
}

}  // namespace
