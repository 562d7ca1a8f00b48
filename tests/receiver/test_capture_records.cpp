// Capture buffers, carrier measurement and the band table.
#include <gtest/gtest.h>

#include <vector>

#include "AnalyserTestUtil.h"
#include "receiver/FixedMatchers.h"

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
  LoadCarrierRecord(nullptr, 0);
  ClearAnalyserResults();
  g_IrCapture.result.duty = 0.4f;
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

struct stBandCase {
  std::uint32_t hz;
  int mark;
  int space;
  analyser::FixedMatcher expected;
};

TEST(BandTable, BoundsAreInclusiveAndGapsBelongToNoBand) {
  using namespace analyser;
  const stBandCase cases[] = {
      {35201, 208, 0, MatchFrameKind3},
      {36799, 236, 9999, MatchFrameKind3},
      {36800, 220, 220, nullptr},
      {35200, 220, 220, nullptr},
      {36000, 237, 220, nullptr},
      {36000, 700, 0, MatchFrameKind4},
      {38000, 2250, 1125, MatchFrameKind1},
      {38000, 2250, 1182, nullptr},
      {37201, 2051, 998, MatchFrameKind5},
      {38799, 2049, 1049, MatchFrameKind9},
      {38000, 90, 146, MatchFrameKind6},
      {38000, 90, 444, MatchFrameKind6},
      {38000, 90, 300, nullptr},
      {38000, 21, 576, MatchFrameKind8},
      {38000, 159, 1950, MatchFrameKind10},
      {38000, 160, 1950, nullptr},
      {40000, 600, 150, MatchFrameKind7},
      {39200, 600, 150, nullptr},
      {56999, 1000, 1000, MatchFrameKind11},
      {57000, 1000, 1000, nullptr},
      {0, 2250, 1125, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SelectFixedMatcher(c.hz, c.mark, c.space), c.expected)
        << c.hz << " " << c.mark << " " << c.space;
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
