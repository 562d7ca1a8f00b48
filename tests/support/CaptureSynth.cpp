#include "CaptureSynth.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "receiver/IrCapture.h"

namespace capturesynth {
namespace {

constexpr double kTimerClockHz = 16000000.0;

void PutBigEndian(std::vector<std::uint8_t>& bytes, std::uint16_t word) {
  bytes.push_back(static_cast<std::uint8_t>(word >> 8));
  bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
}

std::uint16_t ToUnits(double micros) {
  const double units = std::round(micros / 4.0);
  return static_cast<std::uint16_t>(std::clamp(units, 0.0, 65535.0));
}

// Pulse-distance or pulse-width bits: one pulse per bit.
void AppendBits(std::vector<stPulse>& pulses, const std::vector<bool>& bits, stPulse zero, stPulse one) {
  for (bool bit : bits) pulses.push_back(bit ? one : zero);
}

void AppendLevels(std::vector<bool>& levels, bool level, int count) {
  levels.insert(levels.end(), count, level);
}

void AppendManchester(std::vector<bool>& levels, const std::vector<bool>& bits, bool oneFirstHalf) {
  const std::vector<bool> symbols = Manchester(bits, oneFirstHalf);
  levels.insert(levels.end(), symbols.begin(), symbols.end());
}

void EndWithMark(std::vector<stPulse>& pulses, double markUs) { pulses.push_back({markUs, 0.0}); }

}  // namespace

std::vector<std::uint8_t> BuildCarrierRecord(double carrierHz, double duty, std::uint16_t firstEdge) {
  const double period = kTimerClockHz / carrierHz;
  const double high = period * duty;
  std::vector<std::uint8_t> bytes;
  for (int n = 0; n < 4; ++n) {
    const double start = firstEdge + n * period;
    PutBigEndian(bytes, static_cast<std::uint16_t>(static_cast<long long>(std::llround(start)) & 0xFFFF));
    PutBigEndian(bytes,
                 static_cast<std::uint16_t>(static_cast<long long>(std::llround(start + high)) & 0xFFFF));
  }
  return bytes;
}

std::vector<std::uint8_t> BuildWaveRecordUnits(const std::vector<std::uint16_t>& words) {
  std::vector<std::uint8_t> bytes;
  for (std::uint16_t word : words) PutBigEndian(bytes, word);
  return bytes;
}

std::vector<std::uint8_t> BuildWaveRecord(const std::vector<stPulse>& pulses) {
  std::vector<std::uint16_t> words;
  const std::size_t count = std::min<std::size_t>(pulses.size(), kMaxRecordPulses);
  for (std::size_t k = 0; k < count; ++k) {
    const std::uint16_t mark = ToUnits(pulses[k].markUs);
    words.push_back(mark);
    words.push_back(pulses[k].spaceUs > 0 ? ToUnits(pulses[k].markUs + pulses[k].spaceUs) : 0);
  }
  return BuildWaveRecordUnits(words);
}

stCapture Synthesize(const stSignal& signal, const stDistortion& distortion) {
  std::mt19937 random(distortion.seed);
  const double edgeJitter = signal.unitUs * distortion.jitter / 2.0;
  std::uniform_real_distribution<double> jitter(-edgeJitter, edgeJitter);

  // Each mark's start and end edge, jittered; every start is late by the receiver delay.
  std::vector<stPulse> distorted;
  double time = 0;
  double previousMarkEnd = 0;
  for (std::size_t k = 0; k < signal.pulses.size(); ++k) {
    const stPulse& nominal = signal.pulses[k];
    const double markStart = time + jitter(random) + distortion.receiverUs;
    const double markEnd = std::max(markStart + 4.0, time + nominal.markUs + jitter(random));
    if (k > 0) distorted.back().spaceUs = markStart - previousMarkEnd;
    distorted.push_back({markEnd - markStart, 0.0});
    previousMarkEnd = markEnd;
    time += nominal.markUs + nominal.spaceUs;
  }

  std::uniform_int_distribution<int> firstEdge(0, 0xFFFF);
  stCapture capture;
  capture.carrierRecord =
      BuildCarrierRecord(signal.carrierHz, signal.duty, static_cast<std::uint16_t>(firstEdge(random)));
  capture.waveRecord = BuildWaveRecord(distorted);
  return capture;
}

void LoadIntoAnalyser(const stCapture& capture) {
  LoadCarrierRecord(capture.carrierRecord.data(), capture.carrierRecord.size());
  LoadWaveRecord(capture.waveRecord.data(), capture.waveRecord.size());
}

std::vector<bool> LsbFirst(std::uint32_t value, int count) {
  std::vector<bool> bits;
  for (int i = 0; i < count; ++i) bits.push_back(((value >> i) & 1u) != 0);
  return bits;
}

std::vector<bool> MsbFirst(std::uint32_t value, int count) {
  std::vector<bool> bits;
  for (int i = count - 1; i >= 0; --i) bits.push_back(((value >> i) & 1u) != 0);
  return bits;
}

std::vector<bool> Manchester(const std::vector<bool>& bits, bool oneFirstHalf) {
  std::vector<bool> levels;
  for (bool bit : bits) {
    const bool first = bit ? oneFirstHalf : !oneFirstHalf;
    levels.push_back(first);
    levels.push_back(!first);
  }
  return levels;
}

std::vector<stPulse> LevelsToPulses(const std::vector<bool>& levels, double halfBitUs) {
  std::vector<stPulse> pulses;
  std::size_t i = 0;
  while (i < levels.size() && !levels[i]) ++i;
  while (i < levels.size()) {
    double mark = 0;
    double space = 0;
    for (; i < levels.size() && levels[i]; ++i) mark += halfBitUs;
    for (; i < levels.size() && !levels[i]; ++i) space += halfBitUs;
    pulses.push_back({mark, i < levels.size() ? space : 0.0});
  }
  return pulses;
}

std::vector<bool> Join(std::initializer_list<std::vector<bool>> parts) {
  std::vector<bool> bits;
  for (const auto& part : parts) bits.insert(bits.end(), part.begin(), part.end());
  return bits;
}

stSignal Kind1Frame(std::uint8_t address, std::uint8_t addressHigh, std::uint8_t command) {
  stSignal signal{38000, 1.0 / 3, 560, {{9000, 4500}}};
  const std::uint8_t inverted = static_cast<std::uint8_t>(~command);
  AppendBits(
      signal.pulses,
      Join({LsbFirst(address, 8), LsbFirst(addressHigh, 8), LsbFirst(command, 8), LsbFirst(inverted, 8)}),
      {560, 560}, {560, 1690});
  EndWithMark(signal.pulses, 560);
  return signal;
}

stSignal Kind3Frame(unsigned toggle, unsigned address, unsigned command) {
  // Idle space, then 14 symbols; a one is (space, mark).
  std::vector<bool> levels;
  AppendManchester(
      levels, Join({{true, true}, MsbFirst(toggle, 1), MsbFirst(address, 5), MsbFirst(command, 6)}), false);
  return {36000, 1.0 / 4, 889, LevelsToPulses(levels, 889)};
}

stSignal Kind4Frame(unsigned mode, unsigned toggle, unsigned address, unsigned command) {
  return Kind4PayloadFrame(mode, toggle, Join({MsbFirst(address, 8), MsbFirst(command, 8)}));
}

stSignal Kind4PayloadFrame(unsigned mode, unsigned toggle, const std::vector<bool>& payload) {
  std::vector<bool> levels;
  AppendLevels(levels, true, 6);  // leader
  AppendLevels(levels, false, 2);
  AppendManchester(levels, Join({{true}, MsbFirst(mode, 3)}), true);
  AppendLevels(levels, toggle != 0, 2);  // double-width trailer
  AppendLevels(levels, toggle == 0, 2);
  AppendManchester(levels, payload, true);
  return {36000, 1.0 / 3, 444, LevelsToPulses(levels, 444)};
}

stSignal Kind3ExtendedFrame(unsigned toggle, unsigned address, unsigned command, unsigned data) {
  // As kind 3: idle space first, a one is (space, mark).
  std::vector<bool> levels;
  const bool commandBit6 = ((command >> 6) & 1u) != 0;
  AppendManchester(levels, Join({{true, !commandBit6}, MsbFirst(toggle, 1), MsbFirst(address, 5)}), false);
  AppendLevels(levels, false, 4);
  AppendManchester(levels, Join({MsbFirst(command, 6), MsbFirst(data, 6)}), false);
  return {36000, 1.0 / 4, 889, LevelsToPulses(levels, 889)};
}

stSignal Kind5Frame(unsigned address, unsigned command) {
  stSignal signal{38000, 1.0 / 3, 525, {{8400, 4200}}};
  AppendBits(signal.pulses, Join({LsbFirst(address, 8), LsbFirst(command, 8)}), {525, 525}, {525, 1575});
  EndWithMark(signal.pulses, 525);
  return signal;
}

stSignal Kind6Frame(unsigned address, unsigned command) {
  // The first pulse is already a bit; the second frame repeats with the
  // command inverted and the two flag bits swapped, 40 ms later.
  stSignal signal{38000, 1.0 / 3, 320, {}};
  const stPulse zero{320, 680};
  const stPulse one{320, 1680};
  AppendBits(signal.pulses, Join({LsbFirst(address, 5), LsbFirst(command, 8), {true, false}}), zero, one);
  signal.pulses.push_back({320, 40000});
  AppendBits(signal.pulses, Join({LsbFirst(address, 5), LsbFirst(~command & 0xFFu, 8), {false, true}}), zero,
             one);
  EndWithMark(signal.pulses, 320);
  return signal;
}

stSignal Kind7Frame(unsigned address, unsigned command, double carrierHz) {
  stSignal signal{carrierHz, 1.0 / 3, 600, {{2400, 600}}};
  const std::vector<bool> bits = Join({LsbFirst(command, 7), LsbFirst(address, 5)});
  AppendBits(signal.pulses, std::vector<bool>(bits.begin(), bits.end() - 1), {600, 600}, {1200, 600});
  EndWithMark(signal.pulses, bits.back() ? 1200 : 600);  // the last bit has no space
  return signal;
}

stSignal Kind8Frame(unsigned extra, unsigned address, unsigned command) {
  // Leader, a fixed start frame, a gap, a second leader and the data frame;
  // a one is (mark, space), half-bit 500 µs.
  std::vector<bool> levels;
  const auto leader = [&levels] {
    AppendLevels(levels, true, 1);
    AppendLevels(levels, false, 5);
  };
  leader();
  AppendManchester(levels, MsbFirst(0x17FFF, 17), true);
  AppendLevels(levels, false, 10);
  leader();
  AppendManchester(levels, Join({{true}, LsbFirst(command, 8), LsbFirst(address, 4), LsbFirst(extra, 4)}),
                   true);
  return {38000, 1.0 / 3, 500, LevelsToPulses(levels, 500)};
}

stSignal Kind9Frame(unsigned address, unsigned command) {
  stSignal signal{38000, 1.0 / 3, 300, {{8000, 4000}}};
  const stPulse zero{300, 700};
  const stPulse one{300, 1700};
  AppendBits(signal.pulses, LsbFirst(address, 8), zero, one);
  signal.pulses.push_back({300, 4000});
  AppendBits(signal.pulses, LsbFirst(command, 8), zero, one);
  EndWithMark(signal.pulses, 300);
  return signal;
}

stSignal Kind10Frame(unsigned address, unsigned command) {
  // The leader is the first bit (always 1); the second bit is not used.
  stSignal signal{38000, 1.0 / 3, 320, {}};
  AppendBits(signal.pulses, Join({{true, false}, MsbFirst(address, 3), MsbFirst(command, 6)}), {320, 4740},
             {320, 7272});
  EndWithMark(signal.pulses, 320);
  return signal;
}

stSignal Kind11Frame(unsigned address, unsigned command) {
  stSignal signal{56000, 1.0 / 3, 500, {{4000, 4000}}};
  AppendBits(signal.pulses,
             Join({MsbFirst(address, 4), MsbFirst(command, 8), MsbFirst(15 - address, 4),
                   MsbFirst(255 - command, 8)}),
             {500, 1000}, {500, 2000});
  EndWithMark(signal.pulses, 500);
  return signal;
}

stSignal PulseDistanceFrame(const std::vector<bool>& bits, bool withRepeat) {
  stSignal signal{38000, 1.0 / 3, 560, {{4500, 4500}}};
  AppendBits(signal.pulses, bits, {560, 560}, {560, 1690});
  if (withRepeat) {
    signal.pulses.push_back({560, 40000});
    signal.pulses.push_back({9000, 2250});
  }
  EndWithMark(signal.pulses, 560);
  return signal;
}

stSignal PulseDistanceSymbols(const std::vector<int>& symbols, const std::vector<double>& spacesUs) {
  stSignal signal{38000, 1.0 / 3, 560, {{4500, 4500}}};
  for (int symbol : symbols) signal.pulses.push_back({560, spacesUs.at(static_cast<std::size_t>(symbol))});
  EndWithMark(signal.pulses, 560);
  return signal;
}

stSignal PulseWidthFrame(const std::vector<bool>& bits) {
  stSignal signal{38000, 1.0 / 3, 600, {{2400, 600}}};
  AppendBits(signal.pulses, std::vector<bool>(bits.begin(), bits.end() - 1), {600, 600}, {1200, 600});
  EndWithMark(signal.pulses, bits.back() ? 1200 : 600);
  return signal;
}

stSignal BiphaseFrame(const std::vector<bool>& bits) {
  std::vector<bool> levels;
  AppendLevels(levels, true, 6);
  AppendLevels(levels, false, 2);
  AppendManchester(levels, bits, true);
  return {38000, 1.0 / 3, 500, LevelsToPulses(levels, 500)};
}

stSignal AirConditionerSignal(const std::vector<stAirFrame>& frames, bool endCode) {
  constexpr double kMark = 640;
  const stPulse zero{kMark, 540};
  const stPulse one{kMark, 1640};
  stSignal signal{38000, 1.0 / 3, kMark, {}};
  for (std::size_t f = 0; f < frames.size(); ++f) {
    signal.pulses.push_back({9000, 4500});
    AppendBits(signal.pulses, frames[f].beforeGap, zero, one);
    if (!frames[f].afterGap.empty()) {
      signal.pulses.push_back({kMark, 20000});
      AppendBits(signal.pulses, frames[f].afterGap, zero, one);
    }
    if (f + 1 == frames.size()) break;
    if (endCode && f == 0) signal.pulses.push_back({kMark, 3000});
    signal.pulses.push_back({kMark, 40000});
  }
  EndWithMark(signal.pulses, kMark);
  return signal;
}

}  // namespace capturesynth
