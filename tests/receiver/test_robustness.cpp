// Random records through both analysers: no crash, no read outside the
// buffers (checked by the sanitizer build), results within their bounds.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "AnalyserTestUtil.h"
#include "ProgramState.h"

namespace {

void ExpectResultsInBounds(bool generalDecoder, std::uint32_t seed) {
  const stIrResult& result = g_IrCapture.result;
  const stGenericResult& generic = result.generic;
  const std::uint16_t kind = result.frameKind;
  EXPECT_TRUE(kind <= 11 || kind == kFrameKindGeneric) << seed;
  EXPECT_LE(generic.bitCount, kBitRegisterBits) << seed;
  int segmentBits = 0;
  for (const stSegment& segment : generic.segments) segmentBits += segment.bitCount;
  EXPECT_LE(segmentBits, generic.bitCount) << seed;
  if (generalDecoder && kind == 0) {
    EXPECT_TRUE(AnalyserRelearnFlag() || AnalyserCaptureErrorFlag()) << seed;
  }
  if (!generalDecoder && generic.bitCount == 0) {
    EXPECT_TRUE(AnalyserRelearnFlag()) << seed;
  }
}

void DecodeBoth(std::uint32_t seed) {
  DecodeByCarrierBand();
  ExpectResultsInBounds(true, seed);
  DecodeSignalGeneric();
  ExpectResultsInBounds(false, seed);
}

TEST(Robustness, RandomBytesOfAnyLength) {
  std::mt19937 random(20240601);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 1100);
  for (std::uint32_t seed = 0; seed < 3000; ++seed) {
    std::vector<std::uint8_t> header(16);
    for (auto& b : header) b = static_cast<std::uint8_t>(byte(random));
    std::vector<std::uint8_t> wave(static_cast<std::size_t>(length(random)));
    for (auto& b : wave) b = static_cast<std::uint8_t>(byte(random));
    LoadCarrierRecord(header.data(), header.size());
    LoadWaveRecord(wave.data(), wave.size());
    DecodeBoth(seed);
  }
}

// Pulses near the widths the decoders look for, so that the runs go deep
// into matchers, gaps and second frames before they fail.
TEST(Robustness, RandomPulsesNearTheDecodersWindows) {
  const int widths[] = {0,    1,    45,   75,   90,   111,  125,  140,  150,  160,   222,
                        250,  280,  300,  375,  420,  444,  500,  562,  600,  625,   666,
                        1000, 1125, 1250, 1300, 1898, 2000, 2100, 2250, 5000, 10000, 65535};
  std::mt19937 random(77);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(widths)) - 1);
  std::uniform_int_distribution<int> count(0, 200);
  std::uniform_int_distribution<int> carrier(0, 4);
  const double carriers[] = {36000, 38000, 40000, 56000, 0};
  for (std::uint32_t seed = 0; seed < 3000; ++seed) {
    std::vector<std::uint16_t> words;
    const int pulses = count(random);
    for (int k = 0; k < pulses; ++k) {
      const int mark = widths[pick(random)];
      const int space = widths[pick(random)];
      words.push_back(static_cast<std::uint16_t>(mark));
      words.push_back(static_cast<std::uint16_t>(std::min(mark + space, 65535)));
    }
    const std::vector<std::uint8_t> wave = capturesynth::BuildWaveRecordUnits(words);
    const double hz = carriers[carrier(random)];
    const std::vector<std::uint8_t> header =
        hz > 0 ? capturesynth::BuildCarrierRecord(hz, 0.33, static_cast<std::uint16_t>(seed))
               : std::vector<std::uint8_t>{};
    LoadCarrierRecord(header.data(), header.size());
    LoadWaveRecord(wave.data(), wave.size());
    DecodeBoth(seed);
  }
}

TEST(Robustness, SynthesizedFramesWithRandomDamage) {
  testsupport::ProgramState state;
  using namespace capturesynth;
  const std::vector<stSignal> signals{
      Kind1Frame(1, 2, 3),
      Kind3Frame(1, 4, 5),
      Kind4Frame(2, 1, 6, 7),
      Kind6Frame(8, 9),
      Kind7Frame(10, 11),
      Kind8Frame(1, 2, 3),
      Kind9Frame(4, 5),
      Kind10Frame(6, 7),
      Kind11Frame(8, 9),
      AirConditionerSignal({{std::vector<bool>(35, true), std::vector<bool>(32, false)},
                            {std::vector<bool>(35, false), std::vector<bool>(32, true)}},
                           true),
  };
  std::mt19937 random(5);
  std::uniform_int_distribution<int> damage(0, 2 * kMaxRecordPulses - 1);
  std::uniform_int_distribution<int> value(0, 65535);
  for (std::uint32_t seed = 0; seed < 2000; ++seed) {
    const stSignal& signal = signals[seed % signals.size()];
    LoadIntoAnalyser(Synthesize(signal, {seed, 0.3, 300}));
    for (int i = 0; i < 3; ++i)
      state.IrCapture().wave[damage(random)] = static_cast<std::uint16_t>(value(random));
    DecodeBoth(seed);
  }
}

TEST(Robustness, AFullBufferWithoutAnEndIsBounded) {
  testsupport::ProgramState state;
  for (int w = 0; w < kWaveWords; w += 2) {
    state.IrCapture().wave[w] = 140;
    state.IrCapture().wave[w + 1] = (w / 2) % 3 ? 295 : 570;
  }
  DecodeBoth(0);
  EXPECT_LE(g_IrCapture.result.generic.bitCount, kBitRegisterBits);
}

}  // namespace
