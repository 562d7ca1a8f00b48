// Fixed formats whose bits are read from pulse periods (one pulse, one bit).
#include "receiver/BitRegister.h"
#include "receiver/FixedMatchers.h"
#include "receiver/PulseList.h"

namespace analyser {
namespace {

struct stBitWindows {
  int zeroLow;
  int zeroHigh;
  int oneLow;
  int oneHigh;
};

// 0 or 1 from a width in one of the windows, -1 from any other width.
int BitFromWidth(int width, const stBitWindows& windows) {
  if (InRange(width, windows.zeroLow, windows.zeroHigh)) return 0;
  if (InRange(width, windows.oneLow, windows.oneHigh)) return 1;
  return -1;
}

// Shifts the bits of pulses first..last into value in arrival order; false at
// the first period in neither window.
bool ReadPeriodBits(int first, int last, const stBitWindows& windows, std::uint32_t& value) {
  for (int pulse = first; pulse <= last; ++pulse) {
    const int bit = BitFromWidth(Period(pulse), windows);
    if (bit < 0) return false;
    value = (value << 1) | static_cast<std::uint32_t>(bit);
  }
  return true;
}

// count bits starting at arrival position first of a value of total bits.
std::uint32_t FieldMsbFirst(std::uint32_t value, int total, int first, int count) {
  return (value >> (total - first - count)) & ((1u << count) - 1u);
}

std::uint32_t FieldLsbFirst(std::uint32_t value, int total, int first, int count) {
  return ReverseBits(FieldMsbFirst(value, total, first, count), count);
}

}  // namespace

bool MatchFrameKind1() {
  constexpr stBitWindows kWindows{231, 329, 513, 611};
  std::uint32_t value = 0;
  // A bad pulse 32 is a bad pulse like any other: the generic fallback runs.
  if (!ReadPeriodBits(1, 32, kWindows, value)) return false;
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
  constexpr stBitWindows kWindows{201, 299, 451, 549};
  std::uint32_t value = 0;
  if (!ReadPeriodBits(1, 8, kWindows, value)) return false;
  if (!InRange(Space(9), 951, 1049)) return false;  // pulse 9 separates the two bytes
  if (!ReadPeriodBits(10, 17, kWindows, value)) return false;
  StoreFixedFrame(9, value, FieldLsbFirst(value, 16, 0, 8), FieldLsbFirst(value, 16, 8, 8));
  return true;
}

bool MatchFrameKind5() {
  constexpr stBitWindows kWindows{214, 312, 476, 574};
  std::uint32_t value = 0;
  if (!ReadPeriodBits(1, 16, kWindows, value)) return false;
  StoreFixedFrame(5, value, FieldLsbFirst(value, 16, 0, 8), FieldLsbFirst(value, 16, 8, 8));
  return true;
}

bool MatchFrameKind6() {
  constexpr stBitWindows kWindows{201, 299, 451, 549};
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  if (!ReadPeriodBits(0, 14, kWindows, first)) return false;
  if (!InRange(Space(15), 9901, 10099)) return false;
  if (!ReadPeriodBits(16, 30, kWindows, second)) return false;
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
  constexpr stBitWindows kWindows{1216, 1314, 1849, 1947};
  std::uint32_t value = 0;
  if (!ReadPeriodBits(0, 10, kWindows, value)) return false;  // the leader gives the first bit
  if (FieldMsbFirst(value, 11, 0, 1) != 1) return false;
  StoreFixedFrame(10, value, FieldMsbFirst(value, 11, 2, 3), FieldMsbFirst(value, 11, 5, 6));
  return true;
}

bool MatchFrameKind7() {
  constexpr stBitWindows kWindows{251, 349, 401, 499};
  constexpr stBitWindows kLastMarkWindows{101, 199, 251, 349};
  std::uint32_t value = 0;
  if (!ReadPeriodBits(1, 11, kWindows, value)) return false;
  const int lastBit = BitFromWidth(Mark(12), kLastMarkWindows);  // the last bit has no space of its own
  if (lastBit < 0) return false;
  value = (value << 1) | static_cast<std::uint32_t>(lastBit);
  StoreFixedFrame(7, value, FieldLsbFirst(value, 12, 7, 5), FieldLsbFirst(value, 12, 0, 7));
  return true;
}

bool MatchFrameKind11() {
  constexpr stBitWindows kWindows{326, 424, 576, 674};
  std::uint32_t value = 0;
  if (!ReadPeriodBits(1, 24, kWindows, value)) return false;
  const std::uint32_t address = FieldMsbFirst(value, 24, 0, 4);
  const std::uint32_t command = FieldMsbFirst(value, 24, 4, 8);
  if (FieldMsbFirst(value, 24, 12, 4) != 15 - address || FieldMsbFirst(value, 24, 16, 8) != 255 - command)
    return false;
  StoreFixedFrame(11, value, address, command);
  return true;
}

}  // namespace analyser
