// Fixed bi-phase formats: the pulse list becomes a string of half-bit levels
// at the top of a 64-bit register, read two half-bits (one symbol) at a time.
#include "receiver/BitRegister.h"
#include "receiver/FixedMatchers.h"
#include "receiver/FrameWindows.h"
#include "receiver/PulseList.h"

namespace analyser {
namespace {

constexpr int kLastBiphasePulse = 99;

// 1, 2 or 3 half-bits; 0 for a width in no window.
int HalfBitUnits(int width, const stHalfBitWindows& windows) {
  if (windows.one.Contains(width)) return 1;
  if (windows.two.Contains(width)) return 2;
  if (windows.three.Contains(width)) return 3;
  return 0;
}

class CHalfBitString {
 public:
  explicit CHalfBitString(int leadingZeros) : m_length(leadingZeros) {}

  // A width fitted no window: the levels after it would be misaligned.
  void MarkBroken() { m_broken = true; }
  bool Broken() const { return m_broken; }

  void Put(unsigned level, int count) {
    for (int i = 0; i < count && m_length < 64; ++i, ++m_length) {
      if (level) m_bits |= std::uint64_t{1} << (63 - m_length);
    }
  }

  // The next count half-bits from the top (zeros past the end).
  unsigned Take(int count) {
    unsigned value = 0;
    for (int i = 0; i < count; ++i, ++m_read) {
      const unsigned bit = m_read < 64 ? static_cast<unsigned>((m_bits >> (63 - m_read)) & 1u) : 0u;
      value = (value << 1) | bit;
    }
    return value;
  }

 private:
  std::uint64_t m_bits = 0;
  int m_length;
  int m_read = 0;
  bool m_broken = false;
};

// Levels of pulses first..last up to the first space beyond the end limit.
// A mark or space that fits no window breaks the string.
CHalfBitString BuildHalfBitString(int first, int last, const stHalfBitWindows& windows, int leadingZeros) {
  CHalfBitString levels(leadingZeros);
  for (int pulse = first; pulse <= last; ++pulse) {
    const int markUnits = HalfBitUnits(Mark(pulse), windows);
    if (markUnits == 0) levels.MarkBroken();
    levels.Put(1, markUnits);
    if (HasNoSpace(pulse) || Space(pulse) > windows.endSpace) {
      levels.Put(0, 3);
      return levels;
    }
    const int spaceUnits = HalfBitUnits(Space(pulse), windows);
    if (spaceUnits == 0) levels.MarkBroken();
    levels.Put(0, spaceUnits);
  }
  return levels;
}

constexpr unsigned kPair00 = 0b00;
constexpr unsigned kPair01 = 0b01;
constexpr unsigned kPair10 = 0b10;
constexpr unsigned kPair11 = 0b11;

// 18 symbols: pair 10 = 1, 01 = 0, 11 = error; 00 is an error before symbol
// 16 and gives no bit from there on.
bool ReadKind8Frame(CHalfBitString& levels, std::uint32_t& value) {
  value = 0;
  if (levels.Broken()) return false;
  for (int symbol = 0; symbol < 18; ++symbol) {
    const unsigned pair = levels.Take(2);
    if (pair == kPair11 || (pair == kPair00 && symbol < 16)) return false;
    if (pair == kPair00) continue;
    value = (value << 1) | (pair == kPair10 ? 1u : 0u);
  }
  return true;
}

// After the kind's last symbol the string has ended: a longer frame is not of the kind.
bool StringEnded(CHalfBitString& levels) { return levels.Take(2) == kPair00; }

// Symbol 4 of kind 4 is double width: 11xx = 1, 0011 = 0.
int ReadKind4Trailer(CHalfBitString& levels) {
  const unsigned pair = levels.Take(2);
  const unsigned next = levels.Take(2);
  if (pair == kPair11) return 1;
  if (pair == kPair00 && next == kPair11) return 0;
  return -1;
}

}  // namespace

bool MatchFrameKind8() {
  const stHalfBitWindows& windows = kKind8.halfBits;
  CHalfBitString firstFrame = BuildHalfBitString(1, kLastBiphasePulse, windows, 0);
  std::uint32_t first = 0;
  if (!ReadKind8Frame(firstFrame, first) || first != 0x17FFF) return false;
  CHalfBitString secondFrame = BuildHalfBitString(18, 79, windows, 0);
  std::uint32_t second = 0;
  if (!ReadKind8Frame(secondFrame, second) || !StringEnded(secondFrame)) return false;
  StoreFixedFrame(8, second, ReverseBits((second >> 4) & 0xFu, 4), ReverseBits((second >> 8) & 0xFFu, 8));
  g_IrCapture.result.extraField = static_cast<std::uint16_t>(ReverseBits(second & 0xFu, 4));
  return true;
}

bool MatchFrameKind3() {
  CHalfBitString levels = BuildHalfBitString(0, kLastBiphasePulse, kKind3.halfBits, 1);  // idle level first
  if (levels.Broken()) return false;
  std::uint32_t value = 0;
  for (int symbol = 0; symbol < 14; ++symbol) {
    const unsigned pair = levels.Take(2);
    if (pair != kPair01 && pair != kPair10) return false;
    value = (value << 1) | (pair == kPair01 ? 1u : 0u);
  }
  if ((value >> 12) == 0 || !StringEnded(levels)) return false;  // start bits; 14 symbols exactly
  StoreFixedFrame(3, value, (value >> 6) & 0x1Fu, value & 0x3Fu);
  g_IrCapture.result.toggle = static_cast<std::uint16_t>((value >> 11) & 1u);
  return true;
}

bool MatchFrameKind4() {
  CHalfBitString levels = BuildHalfBitString(1, kLastBiphasePulse, kKind4.halfBits, 0);
  if (levels.Broken()) return false;
  std::uint32_t value = 0;
  for (int symbol = 0; symbol < 21; ++symbol) {
    int bit = -1;
    if (symbol == 4) {
      bit = ReadKind4Trailer(levels);
    } else {
      const unsigned pair = levels.Take(2);
      if (pair == kPair10) bit = 1;
      if (pair == kPair01) bit = 0;
    }
    if (bit < 0) return false;
    value = (value << 1) | static_cast<std::uint32_t>(bit);
  }
  // The start bit, mode 0 and its 21 symbols: other modes carry other payloads.
  if ((value >> 20) != 1 || ((value >> 17) & 7u) != 0 || !StringEnded(levels)) return false;
  StoreFixedFrame(4, value, (value >> 8) & 0xFFu, value & 0xFFu);
  g_IrCapture.result.toggle = static_cast<std::uint16_t>((value >> 16) & 1u);
  g_IrCapture.result.extraField = static_cast<std::uint16_t>((value >> 16) & 14u);
  return true;
}

}  // namespace analyser
