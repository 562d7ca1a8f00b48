// Capture buffers, carrier measurement and the band table.
#include <gtest/gtest.h>

#include <vector>

#include "AnalyserTestUtil.h"
#include "receiver/FixedMatchers.h"
#include "receiver/FrameWindows.h"
#include "ProgramState.h"

using namespace capturesynth;
using namespace analysertest;

namespace {

std::vector<std::uint8_t> CountingBytes(std::size_t length) {
  std::vector<std::uint8_t> bytes(length);
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
  return bytes;
}

TEST(CaptureRecords, WaveRecordIsSwappedIntoHostOrderAndTheRestCleared) {
  const std::vector<std::uint8_t> full(1024, 0xEE);
  LoadWaveRecord(full.data(), full.size());

  const std::vector<std::uint8_t> record = CountingBytes(600);
  LoadWaveRecord(record.data(), record.size());
  for (int w = 0; w < 300; ++w) {
    ASSERT_EQ(g_IrCapture.wave[w], (record[2 * w] << 8) | record[2 * w + 1]) << "word " << w;
  }
  for (int w = 300; w < kWaveWords; ++w) ASSERT_EQ(g_IrCapture.wave[w], 0) << "word " << w;
}

TEST(CaptureRecords, RecordsAreCutToTheirBufferAndAnOddByteIsAHighByte) {
  const std::vector<std::uint8_t> tooLong = CountingBytes(1100);
  LoadWaveRecord(tooLong.data(), tooLong.size());
  EXPECT_EQ(g_IrCapture.wave[kWaveWords - 1], (tooLong[1022] << 8) | tooLong[1023]);

  const std::vector<std::uint8_t> header = CountingBytes(20);
  LoadCarrierRecord(header.data(), 3);
  EXPECT_EQ(g_IrCapture.header[0], (header[0] << 8) | header[1]);
  EXPECT_EQ(g_IrCapture.header[1], header[2] << 8);
  EXPECT_EQ(g_IrCapture.header[2], 0);

  LoadCarrierRecord(header.data(), header.size());
  EXPECT_EQ(g_IrCapture.header[7], (header[14] << 8) | header[15]);

  LoadCarrierRecord(nullptr, 16);
  for (int w = 0; w < kHeaderWords; ++w) EXPECT_EQ(g_IrCapture.header[w], 0);
}

struct stCarrierCase {
  double carrierHz;
  double duty;
  std::uint16_t firstEdge;
  double expectedDuty;
};

TEST(CalcCarrier, MeasuresFrequencyAndCorrectedDuty) {
  const stCarrierCase cases[] = {
      {38000, 1.0 / 3, 1000, 1.0 / 3 - 0.008},
      {38000, 1.0 / 3, 0xFF80, 1.0 / 3 - 0.008},  // the 16-bit timer wraps inside the record
      {36000, 0.25, 5000, 0.25 - 0.006},
      {38000, 2.0 / 3, 200, 1.0 / 3 - 0.008},  // the shorter phase counts
      {56000, 0.5, 300, 0.5 - 0.026},
  };
  for (const auto& c : cases) {
    const std::vector<std::uint8_t> record = BuildCarrierRecord(c.carrierHz, c.duty, c.firstEdge);
    LoadCarrierRecord(record.data(), record.size());
    ClearAnalyserResults();
    const std::uint32_t hz = CalcCarrier();
    EXPECT_TRUE(CloseTo(hz, c.carrierHz, c.carrierHz * 0.005)) << c.carrierHz << " measured " << hz;
    EXPECT_TRUE(CloseTo(g_IrCapture.result.duty, c.expectedDuty, 0.01)) << c.carrierHz;
    EXPECT_EQ(g_IrCapture.result.noCarrier, 0);
    EXPECT_DOUBLE_EQ(g_IrCapture.result.carrierKHz, hz / 1000.0);
  }
}

TEST(CalcCarrier, ZeroPeriodSetsNoCarrier) {
  testsupport::ProgramState state;
  LoadCarrierRecord(nullptr, 0);
  ClearAnalyserResults();
  state.IrCapture().result.duty = 0.4f;
  EXPECT_EQ(CalcCarrier(), 0u);
  EXPECT_EQ(g_IrCapture.result.noCarrier, 1);
  EXPECT_EQ(g_IrCapture.result.duty, 0.0f);
}

TEST(CalcCarrier, CarrierAbove65kHzDoesNotWrapIntoABand) {
  // 16 MHz / 154 = 103896 Hz; cut to 16 bits it would read 38360 Hz and
  // be taken for a 38 kHz frame of kind 1.
  stSignal signal = Kind1Frame(0x5A, 0xA5, 0x3C);
  signal.carrierHz = 103896;
  Load(signal, {7, 0.0, 0.0});
  DecodeByCarrierBand();
  EXPECT_EQ(g_IrCapture.result.carrierFrequency, 103896u);
  EXPECT_NEAR(AnalyserCarrierKHz(), 103.896, 0.001);
  EXPECT_EQ(AnalyserFrameKind(), kFrameKindGeneric);
  EXPECT_EQ(LastReceivedBits(32),
            BitText(Join({LsbFirst(0x5A, 8), LsbFirst(0xA5, 8), LsbFirst(0x3C, 8), LsbFirst(0xC3, 8)})));
}

struct stKindLeader {
  const char* name;
  analyser::FixedMatcher matcher;
  const analyser::stLeaderWindows& leader;
};

const stKindLeader kKindLeaders[] = {
    {"kind 1", analyser::MatchFrameKind1, analyser::kKind1.leader},
    {"kind 3", analyser::MatchFrameKind3, analyser::kKind3.leader},
    {"kind 4", analyser::MatchFrameKind4, analyser::kKind4.leader},
    {"kind 5", analyser::MatchFrameKind5, analyser::kKind5.leader},
    {"kind 6", analyser::MatchFrameKind6, analyser::kKind6.leader},
    {"kind 7", analyser::MatchFrameKind7, analyser::kKind7.leader},
    {"kind 8", analyser::MatchFrameKind8, analyser::kKind8.leader},
    {"kind 9", analyser::MatchFrameKind9, analyser::kKind9.leader},
    {"kind 10", analyser::MatchFrameKind10, analyser::kKind10.leader},
    {"kind 11", analyser::MatchFrameKind11, analyser::kKind11.leader},
};

TEST(BandTable, EachKindsLeaderWindowsAreInclusive) {
  using analyser::RowSelects;
  for (const stKindLeader& k : kKindLeaders) {
    const auto& w = k.leader;
    const std::uint32_t hz = static_cast<std::uint32_t>((w.carrierHz.low + w.carrierHz.high) / 2);
    const int mark = (w.mark.low + w.mark.high) / 2;
    const int space = w.space.low;
    EXPECT_TRUE(RowSelects(k.matcher, static_cast<std::uint32_t>(w.carrierHz.low), mark, space)) << k.name;
    EXPECT_TRUE(RowSelects(k.matcher, static_cast<std::uint32_t>(w.carrierHz.high), mark, space)) << k.name;
    EXPECT_FALSE(RowSelects(k.matcher, static_cast<std::uint32_t>(w.carrierHz.low - 1), mark, space))
        << k.name;
    EXPECT_FALSE(RowSelects(k.matcher, static_cast<std::uint32_t>(w.carrierHz.high + 1), mark, space))
        << k.name;
    EXPECT_TRUE(RowSelects(k.matcher, hz, w.mark.low, space)) << k.name;
    EXPECT_TRUE(RowSelects(k.matcher, hz, w.mark.high, space)) << k.name;
    EXPECT_FALSE(RowSelects(k.matcher, hz, w.mark.low - 1, space)) << k.name;
    EXPECT_FALSE(RowSelects(k.matcher, hz, w.mark.high + 1, space)) << k.name;
    EXPECT_TRUE(RowSelects(k.matcher, hz, mark, w.space.high)) << k.name;
    EXPECT_FALSE(RowSelects(k.matcher, hz, mark, w.space.low - 1)) << k.name;
    EXPECT_FALSE(RowSelects(k.matcher, hz, mark, w.space.high + 1) && !w.space2.Contains(w.space.high + 1))
        << k.name;
  }
}

// The kinds share carriers: their leaders must not both fit, except the 38 kHz
// leaders of kinds 9, 5 and 1 (8.0, 8.4 and 9.0 ms), which meet in the gaps
// between them and are told apart by their own checks.
TEST(BandTable, OnlyTheCloseLeadersOfKinds951Overlap) {
  using namespace analyser;
  const auto overlap = [](const stRange& a, const stRange& b) {
    return a.low <= a.high && b.low <= b.high && a.low <= b.high && b.low <= a.high;
  };
  const auto spacesOverlap = [&](const stLeaderWindows& a, const stLeaderWindows& b) {
    return overlap(a.space, b.space) || overlap(a.space, b.space2) || overlap(a.space2, b.space) ||
           overlap(a.space2, b.space2);
  };
  const auto close = [](FixedMatcher m) {
    return m == MatchFrameKind9 || m == MatchFrameKind5 || m == MatchFrameKind1;
  };
  for (const stKindLeader& a : kKindLeaders) {
    for (const stKindLeader& b : kKindLeaders) {
      if (&a == &b) continue;
      const bool both = overlap(a.leader.carrierHz, b.leader.carrierHz) &&
                        overlap(a.leader.mark, b.leader.mark) && spacesOverlap(a.leader, b.leader);
      EXPECT_TRUE(!both || (close(a.matcher) && close(b.matcher))) << a.name << " and " << b.name;
    }
  }
}

TEST(BandTable, CarriersBetweenTheBandsSelectNoKind) {
  using namespace analyser;
  for (std::uint32_t hz : {0u, 35200u, 36800u, 37200u, 38800u, 39200u, 40800u, 55000u, 57000u}) {
    for (const stKindLeader& k : kKindLeaders) {
      const int mark = (k.leader.mark.low + k.leader.mark.high) / 2;
      EXPECT_FALSE(RowSelects(k.matcher, hz, mark, k.leader.space.low)) << hz << " " << k.name;
    }
  }
}

TEST(DecodeByCarrierBand, ZeroCarrierGoesToTheFallbackAndIsACaptureError) {
  Load(Kind1Frame(0x10, 0xEF, 0x40), {3, 0.1, 50});
  LoadCarrierRecord(nullptr, 0);
  DecodeByCarrierBand();
  EXPECT_EQ(g_IrCapture.result.noCarrier, 1);
  EXPECT_EQ(g_IrCapture.result.carrierFrequency, 0u);
  EXPECT_EQ(g_IrCapture.result.frameError, 1);
  EXPECT_EQ(AnalyserFrameKind(), kFrameKindGeneric);  // the fallback still read the bits
  EXPECT_TRUE(AnalyserCaptureErrorFlag());
}

TEST(DecodeByCarrierBand, EveryRunStartsFromClearedResults) {
  Load(Kind5Frame(0x03, 0x17), {1, 0.0, 0.0});
  DecodeByCarrierBand();
  ASSERT_EQ(AnalyserFrameKind(), 5);

  LoadWaveRecord(nullptr, 0);  // nothing captured
  DecodeByCarrierBand();
  EXPECT_EQ(AnalyserFrameKind(), 0);
  EXPECT_EQ(AnalyserAddress(), 0);
  EXPECT_EQ(AnalyserCommand(), 0);
  EXPECT_TRUE(AnalyserRelearnFlag());
}

}  // namespace
