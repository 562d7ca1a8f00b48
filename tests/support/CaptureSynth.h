// Synthetic receiver-board captures for the analyser's tests and benchmark.
//
// Form of what is produced: stCapture holds the two records exactly as the
// board sends them (record '1': 16 bytes, record '2': 4 bytes per pulse, both
// as big-endian 16-bit words). LoadIntoAnalyser stores them the way the
// project document does (buffer zeroed, copied up to its size, each word put
// into host order), so g_IrCapture then holds host-order words:
//   header[0..7]  16 MHz timer captures of the carrier edges (16-bit, wrapping);
//   wave[2k]      mark of pulse k, wave[2k+1] its period, 4 µs units; the
//                 last pulse has period 0.
//
// Signal model: a frame is a list of nominal pulses (mark, space in µs; the
// last pulse has no space). Jitter moves every edge independently by up to
// ± jitter/2 of the format's time unit, so each mark, space and period varies
// by up to ± jitter of the unit. The receiver shift shortens every mark and
// lengthens every space by the same amount (a negative shift lengthens the
// marks), leaving periods intact. Real receivers show marks up to 150 µs
// longer or shorter than sent and jitter of about ± 15 % of the unit.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace capturesynth {

struct stPulse {
  double markUs;
  double spaceUs;  // 0 only for the last pulse
};

struct stSignal {
  double carrierHz;
  double duty;
  double unitUs;  // the format's time unit: the scale of the jitter
  std::vector<stPulse> pulses;
};

constexpr double kReceiverJitter = 0.15;        // share of the time unit
constexpr double kReceiverMarkShiftUs = 150.0;  // either way

struct stDistortion {
  std::uint32_t seed = 1;
  double jitter = kReceiverJitter;  // share of the time unit
  double receiverUs =
      kReceiverMarkShiftUs;  // marks shorter and spaces longer by this much; < 0: marks longer
};

struct stCapture {
  std::vector<std::uint8_t> carrierRecord;
  std::vector<std::uint8_t> waveRecord;
};

constexpr int kMaxRecordPulses = 150;  // 600 bytes

// Record '1' for a carrier; firstEdge is the timer value at the first capture.
std::vector<std::uint8_t> BuildCarrierRecord(double carrierHz, double duty, std::uint16_t firstEdge);

// Record '2' from pulses in µs (rounded to 4 µs units, cut at 150 pulses).
std::vector<std::uint8_t> BuildWaveRecord(const std::vector<stPulse>& pulses);

// Record '2' from raw (mark, period) pairs in 4 µs units.
std::vector<std::uint8_t> BuildWaveRecordUnits(const std::vector<std::uint16_t>& words);

stCapture Synthesize(const stSignal& signal, const stDistortion& distortion);

// Both records into g_IrCapture as the project document stores them.
void LoadIntoAnalyser(const stCapture& capture);

// Bits of value, count of them, the least significant first (LSB-first field).
std::vector<bool> LsbFirst(std::uint32_t value, int count);
// Bits of value, count of them, the most significant first.
std::vector<bool> MsbFirst(std::uint32_t value, int count);
std::vector<bool> Join(std::initializer_list<std::vector<bool>> parts);

// Half-bit levels of Manchester symbols: a one is (oneFirstHalf, !oneFirstHalf).
std::vector<bool> Manchester(const std::vector<bool>& bits, bool oneFirstHalf);
// Half-bit levels (true = carrier on) to pulses; leading idle levels are
// skipped and the last mark gets no space.
std::vector<stPulse> LevelsToPulses(const std::vector<bool>& levels, double halfBitUs);

// Fixed formats, nominal timing as the format defines it.
stSignal Kind1Frame(std::uint8_t address, std::uint8_t addressHigh, std::uint8_t command);  // kind 1 or 2
stSignal Kind3Frame(unsigned toggle, unsigned address, unsigned command);                 // RC5-like bi-phase
stSignal Kind4Frame(unsigned mode, unsigned toggle, unsigned address, unsigned command);  // RC6-like
stSignal Kind5Frame(unsigned address, unsigned command);
stSignal Kind6Frame(unsigned address, unsigned command);
stSignal Kind7Frame(unsigned address, unsigned command, double carrierHz = 40000);  // 12-bit pulse-width
stSignal Kind8Frame(unsigned extra, unsigned address, unsigned command);
stSignal Kind9Frame(unsigned address, unsigned command);
stSignal Kind10Frame(unsigned address, unsigned command);
stSignal Kind11Frame(unsigned address, unsigned command);

// Formats beside the fixed kinds, at their carriers.
// Kind 3 extended to 20 bits (RC5x-like): start bit, the inverted command bit 6,
// toggle and address, a pause of four half-bits, command bits 5..0 and 6 data bits.
stSignal Kind3ExtendedFrame(unsigned toggle, unsigned address, unsigned command, unsigned data);
// Kind 4's format in any mode with any payload (mode 6 of media-centre remotes
// carries 32 bits).
stSignal Kind4PayloadFrame(unsigned mode, unsigned toggle, const std::vector<bool>& payload);

// Generic paths of general remotes (carrier 38 kHz, outside every band row).
// Pulse-distance with a 4.5/4.5 ms leader; with a repeat code after 40 ms when asked.
stSignal PulseDistanceFrame(const std::vector<bool>& bits, bool withRepeat);
// Pulse-distance with a 4.5/4.5 ms leader and 560 µs marks whose spaces are
// spacesUs[symbol], one symbol a pulse.
stSignal PulseDistanceSymbols(const std::vector<int>& symbols, const std::vector<double>& spacesUs);
// Pulse-width (marks 600/1200 µs, spaces 600 µs) with a 2.4 ms leader.
stSignal PulseWidthFrame(const std::vector<bool>& bits);
// Bi-phase, half-bit 500 µs, pair "mark, space" = 1, with a 3/1 ms leader.
stSignal BiphaseFrame(const std::vector<bool>& bits);

// Air-conditioner frames: leader 9/4.5 ms, mark 640 µs, spaces 540/1640 µs.
struct stAirFrame {
  std::vector<bool> beforeGap;
  std::vector<bool> afterGap;  // empty: no connect code in this frame
};
// Frames separated by 40 ms; a frame's connect code is a 20 ms space.
// endCode: the first frame ends with a 3 ms end code and a closing mark
// before the 40 ms gap, instead of its closing mark alone.
stSignal AirConditionerSignal(const std::vector<stAirFrame>& frames, bool endCode);

}  // namespace capturesynth
