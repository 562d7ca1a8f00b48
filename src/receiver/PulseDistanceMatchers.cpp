// Fixed formats whose bits are read from pulse periods (one pulse, one bit).
#include "receiver/BitRegister.h"
#include "receiver/FixedMatchers.h"
#include "receiver/FrameWindows.h"
#include "receiver/PulseList.h"

namespace analyser {
namespace {

// 0 or 1 from a width in one of the windows, -1 from any other width.
int BitFromWidth(int width, const stPeriodWindows& windows) {
  if (windows.zero.Contains(width)) return 0;
  if (windows.one.Contains(width)) return 1;
  return -1;
}

// Shifts the bits of pulses first..last into value in arrival order; false at
// the first period in neither window.
bool ReadPeriodBits(int first, int last, const stPeriodWindows& windows, std::uint32_t& value) {
  for (int pulse = first; pulse <= last; ++pulse) {
    const int bit = BitFromWidth(Period(pulse), windows);
    if (bit < 0) return false;
    value = (value << 1) | static_cast<std::uint32_t>(bit);
  }
  return true;
}

// The frame's last mark is that of pulse: the capture ends there or a long
// space follows. A frame that goes on has more bits than the kind.
bool FrameEndsAt(int pulse) { return HasNoSpace(pulse) || Space(pulse) >= kFrameEndSpace; }

// count bits starting at arrival position first of a value of total bits.
std::uint32_t FieldMsbFirst(std::uint32_t value, int total, int first, int count) {
  return (value >> (total - first - count)) & ((1u << count) - 1u);
}

std::uint32_t FieldLsbFirst(std::uint32_t value, int total, int first, int count) {
  return ReverseBits(FieldMsbFirst(value, total, first, count), count);
}

}  // namespace

bool MatchFrameKind1() {
  std::uint32_t value = 0;
  if (!ReadPeriodBits(1, 32, kKind1.bits, value) || !FrameEndsAt(33)) return false;
  const std::uint32_t b0 = FieldLsbFirst(value, 32, 0, 8);
  const std::uint32_t b1 = FieldLsbFirst(value, 32, 8, 8);
  const std::uint32_t b2 = FieldLsbFirst(value, 32, 16, 8);
  const std::uint32_t b3 = FieldLsbFirst(value, 32, 24, 8);
  if (b3 != 255 - b2) return false;
  if (b1 == 255 - b0) {
    StoreFixedFrame(1, value, b0, b2);
  } else {
    StoreFixedFrame(2, value, b0 + 256 * b1, b2);
  }
  return true;
}

bool MatchFrameKind9() {
  std::uint32_t value = 0;
  if (!ReadPeriodBits(1, 8, kKind9.bits, value)) return false;
  if (!kKind9.separatorSpace.Contains(Space(9))) return false;  // pulse 9 separates the two bytes
  if (!ReadPeriodBits(10, 17, kKind9.bits, value) || !FrameEndsAt(18)) return false;
  StoreFixedFrame(9, value, FieldLsbFirst(value, 16, 0, 8), FieldLsbFirst(value, 16, 8, 8));
  return true;
}

bool MatchFrameKind5() {
  std::uint32_t value = 0;
  if (!ReadPeriodBits(1, 16, kKind5.bits, value) || !FrameEndsAt(17)) return false;
  StoreFixedFrame(5, value, FieldLsbFirst(value, 16, 0, 8), FieldLsbFirst(value, 16, 8, 8));
  return true;
}

bool MatchFrameKind6() {
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  if (!ReadPeriodBits(0, 14, kKind6.bits, first)) return false;
  if (!kKind6.frameGap.Contains(Space(15))) return false;
  if (!ReadPeriodBits(16, 30, kKind6.bits, second) || !FrameEndsAt(31)) return false;
  const std::uint32_t address = FieldLsbFirst(first, 15, 0, 5);
  const std::uint32_t command = FieldLsbFirst(first, 15, 5, 8);
  const bool flagsOk = FieldMsbFirst(first, 15, 13, 2) == 0b10 && FieldMsbFirst(second, 15, 13, 2) == 0b01;
  if (!flagsOk || FieldLsbFirst(second, 15, 0, 5) != address ||
      FieldLsbFirst(second, 15, 5, 8) != 255 - command)
    return false;
  StoreFixedFrame(6, (first << 15) | second, address, command);
  return true;
}

bool MatchFrameKind10() {
  std::uint32_t value = 0;
  // The leader gives the first bit.
  if (!ReadPeriodBits(0, 10, kKind10.bits, value) || !FrameEndsAt(11)) return false;
  if (FieldMsbFirst(value, 11, 0, 1) != 1) return false;
  StoreFixedFrame(10, value, FieldMsbFirst(value, 11, 2, 3), FieldMsbFirst(value, 11, 5, 6));
  return true;
}

bool MatchFrameKind7() {
  std::uint32_t value = 0;
  if (!ReadPeriodBits(1, 11, kKind7.bits, value)) return false;
  const int lastBit = BitFromWidth(Mark(12), kKind7.lastMark);  // the last bit has no space of its own
  if (lastBit < 0 || !FrameEndsAt(12)) return false;            // 15- and 20-bit frames go on
  value = (value << 1) | static_cast<std::uint32_t>(lastBit);
  StoreFixedFrame(7, value, FieldLsbFirst(value, 12, 7, 5), FieldLsbFirst(value, 12, 0, 7));
  return true;
}

bool MatchFrameKind11() {
  std::uint32_t value = 0;
  if (!ReadPeriodBits(1, 24, kKind11.bits, value) || !FrameEndsAt(25)) return false;
  const std::uint32_t address = FieldMsbFirst(value, 24, 0, 4);
  const std::uint32_t command = FieldMsbFirst(value, 24, 4, 8);
  if (FieldMsbFirst(value, 24, 12, 4) != 15 - address || FieldMsbFirst(value, 24, 16, 8) != 255 - command)
    return false;
  StoreFixedFrame(11, value, address, command);
  return true;
}

}  // namespace analyser
