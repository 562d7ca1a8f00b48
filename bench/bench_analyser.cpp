// Decoding full-size capture records (150 pulses, 600 bytes) with each path
// of the analyser, records stored into its buffers the way the document does.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "CaptureSynth.h"
#include "receiver/AnalyserResults.h"
#include "receiver/IrAnalyser.h"

namespace {

using namespace capturesynth;

// Repeats the frame's last pulses (from repeatFrom on) after a 40 ms gap
// until the record is full.
stSignal FillRecord(stSignal signal, std::size_t repeatFrom) {
  const std::vector<stPulse> repeat(signal.pulses.begin() + static_cast<long>(repeatFrom),
                                    signal.pulses.end());
  while (signal.pulses.size() + repeat.size() <= kMaxRecordPulses) {
    signal.pulses.back().spaceUs = 40000;
    signal.pulses.insert(signal.pulses.end(), repeat.begin(), repeat.end());
  }
  return signal;
}

std::vector<bool> PatternBits(int count) {
  std::vector<bool> bits;
  for (int i = 0; i < count; ++i) bits.push_back((i * 7 + i / 3) % 3 == 0);
  return bits;
}

stCapture FixedFrameRecord() {
  stSignal signal = Kind1Frame(0x5A, 0xA5, 0x3C);
  signal.pulses.back().spaceUs = 40000;
  signal.pulses.push_back({9000, 2250});
  signal.pulses.push_back({560, 0});
  return Synthesize(FillRecord(signal, signal.pulses.size() - 2), {1, 0.10, 100});
}

stCapture PulseDistanceRecord() {
  return Synthesize(PulseDistanceFrame(PatternBits(148), false), {2, 0.07, 100});
}

stCapture BiphaseRecord() {
  const std::vector<bool> bits = PatternBits(40);
  std::vector<bool> withStart{true};
  withStart.insert(withStart.end(), bits.begin(), bits.end());
  const stSignal frame = BiphaseFrame(withStart);
  return Synthesize(FillRecord(frame, 0), {3, 0.10, 40});
}

stCapture AirConditionerRecord() {
  const std::vector<bool> first = PatternBits(35);
  const std::vector<bool> second = PatternBits(37);
  return Synthesize(AirConditionerSignal({{first, second}, {first, second}}, false), {4, 0.10, 100});
}

void RunCarrierBand(benchmark::State& state, const stCapture& capture) {
  for (auto _ : state) {
    LoadIntoAnalyser(capture);
    DecodeByCarrierBand();
    benchmark::DoNotOptimize(AnalyserFrameKind());
  }
}

void BM_FixedFrameWithRepeats(benchmark::State& state) { RunCarrierBand(state, FixedFrameRecord()); }
void BM_FallbackPulseDistance148Bits(benchmark::State& state) {
  RunCarrierBand(state, PulseDistanceRecord());
}
void BM_FallbackBiphaseWithRepeats(benchmark::State& state) { RunCarrierBand(state, BiphaseRecord()); }

void BM_AirConditionerTwoFramesWithGaps(benchmark::State& state) {
  const stCapture capture = AirConditionerRecord();
  for (auto _ : state) {
    LoadIntoAnalyser(capture);
    DecodeSignalGeneric();
    benchmark::DoNotOptimize(AnalyserFrameFieldWord(3, 0));
  }
}

// Random 600-byte records through both analysers.
void BM_RandomRecords(benchmark::State& state) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> byte(0, 255);
  std::vector<std::vector<std::uint8_t>> records(64, std::vector<std::uint8_t>(600));
  for (auto& record : records) {
    for (auto& b : record) b = static_cast<std::uint8_t>(byte(random));
  }
  const std::vector<std::uint8_t> header = BuildCarrierRecord(38000, 1.0 / 3, 0);
  std::size_t next = 0;
  for (auto _ : state) {
    const std::vector<std::uint8_t>& record = records[next++ % records.size()];
    LoadCarrierRecord(header.data(), header.size());
    LoadWaveRecord(record.data(), record.size());
    DecodeByCarrierBand();
    DecodeSignalGeneric();
    benchmark::DoNotOptimize(AnalyserDataBitCount());
  }
}

}  // namespace

BENCHMARK(BM_FixedFrameWithRepeats);
BENCHMARK(BM_FallbackPulseDistance148Bits);
BENCHMARK(BM_FallbackBiphaseWithRepeats);
BENCHMARK(BM_AirConditionerTwoFramesWithGaps);
BENCHMARK(BM_RandomRecords);
