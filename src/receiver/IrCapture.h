// The IR signal analyser's process-wide block: the two capture buffers that the
// project document fills from the receiver board's records, and every result
// field the analyser writes. The core reads results through AnalyserResults.h.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kHeaderWords = 8;  // record '1': carrier edge captures
constexpr int kWaveWords = 512;  // record '2': 1024 bytes of mark/period pairs
constexpr int kWavePulses = kWaveWords / 2;
constexpr int kBitRegisterWords = 5;
constexpr int kBitRegisterBits = 32 * kBitRegisterWords;
constexpr int kSegmentCount = 4;

constexpr std::uint16_t kFrameKindGeneric = 15;

// 160 received bits; words[0] is the most significant word and the last
// received bit is bit 0 of words[4].
struct stBitRegister {
  std::uint32_t words[kBitRegisterWords];
};

// A long space found while decoding: the pulse before it, its mark and space (µs).
struct stFrameMarker {
  std::uint16_t flag;
  std::uint16_t index;
  std::uint32_t mark;
  std::uint32_t space;
};

struct stSegment {
  stBitRegister bits;  // right-aligned: the last moved bit is the lowest
  std::uint16_t bitCount;
};

// Bit positions (bits appended before each marker bit) that the segment split
// uses; kept so that ignored pulses never shift a segment boundary.
struct stSegmentMarks {
  std::uint16_t gapBit;
  std::uint16_t endBit;
  std::uint16_t secondStartBit;
  std::uint16_t secondGapBit;
  std::uint16_t endMarked;  // an end-code marker bit follows the first frame's data
  // The capture has a layout the result fields cannot hold (several header
  // pulses, a pre-pulse, two gaps in one frame, a third frame).
  std::uint16_t unsupportedLayout;
};

// Results of the generic decoders. Times in µs unless said otherwise.
struct stGenericResult {
  std::uint32_t leaderMark;
  std::uint32_t leaderSpace;
  std::uint16_t leaderFlag;
  std::uint32_t bit0Mark;
  std::uint32_t bit0Space;
  std::uint32_t bit1Mark;
  std::uint32_t bit1Space;
  stBitRegister bitRegister;
  std::uint16_t bitCount;
  std::uint16_t style;  // 1 pulse-distance or pulse-width, 2 bi-phase
  std::uint32_t halfBitTime;
  std::uint16_t repeatFlag;
  std::uint32_t framePeriod;
  std::uint32_t secondLeaderMark;
  std::uint32_t secondLeaderSpace;
  std::uint16_t nextFrameCode;  // 1 leader only, 2 leader and data, 3 no leader
  std::uint16_t stopBit;        // the frame's last bit is closed by a mark of its own

  std::uint16_t pulseCount;
  std::uint32_t bit0Period;  // 4 µs units while decoding, µs afterwards
  std::uint32_t bit1Period;
  stFrameMarker gap;
  stFrameMarker end;
  std::uint16_t secondFrameFlag;
  std::uint16_t secondFrameIndex;
  std::uint32_t secondFrameGapSpace;
  std::uint32_t secondFrameLeaderMark;
  std::uint32_t secondFrameLeaderSpace;
  std::uint16_t secondFrameStart;
  stFrameMarker secondGap;
  stFrameMarker secondEnd;
  stSegment segments[kSegmentCount];
  std::uint16_t splitFlag;
  stSegmentMarks marks;
};

struct stIrResult {
  std::uint16_t frameError;        // no fixed format matched
  std::uint16_t noCarrier;         // no carrier period measured, or an inconsistent bi-phase list
  std::uint16_t timingFailure;     // no usable second bit timing
  std::uint16_t noFrame;           // the analysis ended without any decoded frame
  std::uint16_t frameKind;         // 1..11 fixed formats, 15 generic frame
  std::uint32_t carrierFrequency;  // Hz
  float duty;
  double carrierKHz;
  std::uint32_t frameValue;  // first received bit most significant
  std::uint16_t address;
  std::uint16_t command;
  std::uint16_t extraField;
  std::uint16_t toggle;
  stGenericResult generic;
};

struct stIrCapture {
  // W[2k] = mark of pulse k, W[2k+1] = its period (mark plus following space),
  // 4 µs units, host order; the first pulse with period 0 ends the list.
  std::uint16_t wave[kWaveWords];
  // 16 MHz timer captures; H[2], H[4], H[6] start a carrier period, H[3],
  // H[5], H[7] end its first phase. Host order.
  std::uint16_t header[kHeaderWords];
  stIrResult result;
};

extern stIrCapture g_IrCapture;

// Copy a record as the board sends it (big-endian 16-bit words) into its
// buffer: the buffer is zeroed, at most its size is copied and each word is
// put into host order. An odd trailing byte is the high byte of its word.
void LoadCarrierRecord(const std::uint8_t* bytes, std::size_t length);
void LoadWaveRecord(const std::uint8_t* bytes, std::size_t length);

// Zero every result field; the capture buffers stay.
void ClearAnalyserResults();
