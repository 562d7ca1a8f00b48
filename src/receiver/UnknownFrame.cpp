// The generic fallback of general remotes: equal marks (pulse-distance),
// equal spaces (pulse-width) or bi-phase, with leader and repeat detection.
#include "receiver/BitRegister.h"
#include "receiver/GenericDecoders.h"
#include "receiver/PulseList.h"

#include <algorithm>
#include <cstdlib>

namespace analyser {
namespace {

constexpr int kFirstFrameScanEnd = 49;
constexpr int kLongPeriod = 1250;  // 5 ms
constexpr int kLastFallbackPulse = 99;
constexpr int kLastFollowingPulse = kWavePulses - 1;  // the data after the first frame go on to here
constexpr int kSecondValueDistance = 25;
constexpr int kBiphaseRegisterBits = 96;

enum class ECoding { EqualMarks, EqualSpaces, Biphase };

// The first pulse from 3 on with a long or no period; 50 when there is none.
int FindFirstFrameEnd() {
  for (int pulse = 3; pulse <= kFirstFrameScanEnd; ++pulse) {
    if (Period(pulse) > kLongPeriod || Period(pulse) == 0) return pulse;
  }
  return kFirstFrameScanEnd + 1;
}

template <typename Width>
bool AllNear(int first, int last, Width width, int reference) {
  for (int pulse = first; pulse <= last; ++pulse) {
    if (!Near(width(pulse), reference)) return false;
  }
  return true;
}

ECoding ClassifyCoding(int frameEnd) {
  if (AllNear(2, frameEnd - 1, Mark, Mark(1))) return ECoding::EqualMarks;
  if (AllNear(2, frameEnd - 1, Space, Space(1))) return ECoding::EqualSpaces;
  return ECoding::Biphase;
}

// Average width of pulses 2..5, never past the end of a short first frame.
template <typename Width>
int AverageWidth(Width width, int frameEnd) {
  const int last = std::min(5, frameEnd - 1);
  int sum = 0;
  for (int pulse = 2; pulse <= last; ++pulse) sum += width(pulse);
  return sum / (last - 1);
}

// The first width of the first frame that differs from pulse 1's by 25 or
// more, and by half the smaller of the two: two widths of the same bit
// differ by twice a receiver's jitter (up to 15 % of the unit each), more
// than 25 units for units above 330 µs. 0 when every width is the same.
template <typename Width>
int FindSecondWidth(Width width, int frameEnd) {
  for (int pulse = 2; pulse < frameEnd; ++pulse) {
    const int distance = std::max(kSecondValueDistance, std::min(width(pulse), width(1)) / 2);
    if (std::abs(width(pulse) - width(1)) >= distance) return width(pulse);
  }
  return 0;
}

struct stBitTiming {
  int zeroPeriod;  // 4 µs units, 0 when not found
  int onePeriod;
  int zeroMark;
  int oneMark;
};

// Equal marks: the spaces tell the bits apart. Equal spaces: the marks do.
stBitTiming FindEqualTiming(ECoding coding, int frameEnd) {
  stGenericResult& generic = g_IrCapture.result.generic;
  const bool equalMarks = coding == ECoding::EqualMarks;
  const int common = equalMarks ? AverageWidth(Mark, frameEnd) : AverageWidth(Space, frameEnd);
  const int first = equalMarks ? Space(1) : Mark(1);
  const int second = equalMarks ? FindSecondWidth(Space, frameEnd) : FindSecondWidth(Mark, frameEnd);
  int zeroWidth = 0;
  int oneWidth = 0;
  if (second != 0) {
    zeroWidth = std::min(first, second);
    oneWidth = std::max(first, second);
  } else {
    g_IrCapture.result.timingFailure = 1;  // one bit timing only
    (Near(common, first) ? zeroWidth : oneWidth) = first;
  }
  stBitTiming timing{zeroWidth != 0 ? common + zeroWidth : 0, oneWidth != 0 ? common + oneWidth : 0, common,
                     common};
  if (equalMarks) {
    generic.bit0Mark = generic.bit1Mark = Micros(common);
    generic.bit0Space = Micros(zeroWidth);
    generic.bit1Space = Micros(oneWidth);
  } else {
    generic.bit0Space = generic.bit1Space = Micros(common);
    generic.bit0Mark = Micros(zeroWidth);
    generic.bit1Mark = Micros(oneWidth);
    timing.zeroMark = zeroWidth;
    timing.oneMark = oneWidth;
  }
  return timing;
}

void TakeLeader() {
  stGenericResult& generic = g_IrCapture.result.generic;
  generic.leaderFlag = 1;
  generic.leaderMark = Micros(Mark(0));
  generic.leaderSpace = Micros(Space(0));
}

void TakeSecondLeader(int pulse) {
  stGenericResult& generic = g_IrCapture.result.generic;
  generic.secondLeaderMark = Micros(Mark(pulse));
  generic.secondLeaderSpace = Micros(Space(pulse));
}

std::uint32_t PeriodSum(int first, int last) {
  std::uint32_t sum = 0;
  for (int pulse = first; pulse <= last; ++pulse) sum += static_cast<std::uint32_t>(Period(pulse));
  return sum;
}

// Another frame follows the one that closed at closingPulse.
void NoteRepeat(int closingPulse) {
  stGenericResult& generic = g_IrCapture.result.generic;
  generic.repeatFlag = 1;
  generic.framePeriod = 4u * PeriodSum(0, closingPulse);
}

bool NearBitPeriod(int period, const stBitTiming& timing) {
  return NearPeriod(period, timing.zeroPeriod) || NearPeriod(period, timing.onePeriod);
}

// A first period this close to a bit period is a bit, not a leader.
bool WithinLeaderDistance(int period, int bitPeriod) {
  return bitPeriod != 0 && std::abs(period - bitPeriod) <= 100;
}

// The first pulse from first on whose period is no bit: the frame's closing
// pulse; last + 1 when every pulse up to last is a bit.
int FindClosingPulse(int first, int last, const stBitTiming& timing) {
  int pulse = first;
  while (pulse <= last && Period(pulse) != 0 && NearBitPeriod(Period(pulse), timing)) ++pulse;
  return pulse;
}

// Bits by period from pulse first on; returns the pulse that closed the frame.
int ReadPeriodBits(int first, const stBitTiming& timing) {
  const int closing = FindClosingPulse(first, kLastFallbackPulse, timing);
  for (int pulse = first; pulse < closing; ++pulse) {
    AppendReceivedBit(NearPeriod(Period(pulse), timing.zeroPeriod) ? 0u : 1u);
  }
  return closing;
}

// A frame read by period ends where the capture ends or at a frame gap; a
// period of another length inside it is one the two bit timings cannot read.
bool EndsPeriodFrame(int closing, int last) {
  return closing <= last && (Period(closing) == 0 || Period(closing) > kLongPeriod);
}

// The list stops at this pulse without a closing mark: the record was full
// and cut the signal there.
bool IsCutOff(int pulse) { return Period(pulse) == 0 && Mark(pulse) == 0; }

// Data without a leader follow the frame that pulses first..closing-1 held.
// A repeat reads to its end in no more bits than the frame; data that do not,
// or go on longer, are the rest of the frame after a pause inside it. A
// repeat that the record cut off is taken as it is.
bool PeriodFrameGoesOnAfterAPause(int first, int closing, const stBitTiming& timing) {
  const int next = closing + 1;
  if (Period(closing) == 0 || !NearBitPeriod(Period(next), timing)) return false;
  const int nextClosing = FindClosingPulse(next, kLastFollowingPulse, timing);
  if (IsCutOff(nextClosing)) return false;
  return !EndsPeriodFrame(nextClosing, kLastFollowingPulse) || nextClosing - next > closing - first;
}

// A frame read only in part is no result: the capture is to be taken again.
void RefuseFrame() {
  stIrResult& result = g_IrCapture.result;
  result.generic = stGenericResult{};
  result.frameKind = 0;
  result.noFrame = 1;
}

// The last bit of a pulse-width frame has no space of its own: the closing
// mark gives it. True when it did.
bool ReadClosingMarkBit(int closing, const stBitTiming& timing) {
  if (NearPeriod(Mark(closing), timing.zeroMark)) {
    AppendReceivedBit(0);
    return true;
  }
  if (NearPeriod(Mark(closing), timing.oneMark)) {
    AppendReceivedBit(1);
    return true;
  }
  return false;
}

// What follows a frame that closed with a period: data without a leader, or a
// second leader with or without data after it.
void NoteFollowingFrame(int closing, const stBitTiming& timing) {
  stGenericResult& generic = g_IrCapture.result.generic;
  NoteRepeat(closing);
  const int next = closing + 1;
  if (NearBitPeriod(Period(next), timing)) {
    generic.nextFrameCode = 3;
    return;
  }
  TakeSecondLeader(next);
  generic.nextFrameCode = (generic.leaderFlag && NearBitPeriod(Period(next + 1), timing)) ? 2 : 1;
}

void DecodeEqualTimingFrame(ECoding coding, int frameEnd) {
  stIrResult& result = g_IrCapture.result;
  stGenericResult& generic = result.generic;
  generic.style = 1;
  const stBitTiming timing = FindEqualTiming(coding, frameEnd);

  const bool noLeader =
      WithinLeaderDistance(Period(0), timing.zeroPeriod) || WithinLeaderDistance(Period(0), timing.onePeriod);
  if (!noLeader) TakeLeader();
  const int first = noLeader ? 0 : 1;
  const int closing = ReadPeriodBits(first, timing);
  if (!EndsPeriodFrame(closing, kLastFallbackPulse) || PeriodFrameGoesOnAfterAPause(first, closing, timing)) {
    RefuseFrame();
    return;
  }
  const bool closingMarkIsData = coding == ECoding::EqualSpaces && ReadClosingMarkBit(closing, timing);
  generic.stopBit = (Mark(closing) != 0 && !closingMarkIsData) ? 1 : 0;
  if (Period(closing) != 0) NoteFollowingFrame(closing, timing);
  if (generic.bitCount > 0) result.frameKind = kFrameKindGeneric;
}

// Half-bit levels of a bi-phase frame, left-aligned in a 96-bit register.
class CBiphaseLevels {
 public:
  void Put(unsigned level, int count) {
    for (int i = 0; i < count; ++i) {
      if (m_length == kBiphaseRegisterBits) {
        m_overflow = true;
        return;
      }
      m_levels[m_length++] = level != 0;
    }
  }
  // The closing space: idle levels, as far as the register goes.
  void PutClosingSpace() {
    for (int i = 0; i < 3 && m_length < kBiphaseRegisterBits; ++i) m_levels[m_length++] = false;
  }
  void PrependZero() {
    if (m_length == kBiphaseRegisterBits && m_levels[kBiphaseRegisterBits - 1]) m_overflow = true;
    std::copy_backward(m_levels, m_levels + kBiphaseRegisterBits - 1, m_levels + kBiphaseRegisterBits);
    m_levels[0] = false;
    m_length = std::min(m_length + 1, kBiphaseRegisterBits);
  }
  // Symbols from the top: pair 10 = 1, pair 01 = 0; any other pair ends the
  // frame. The count of symbols before that pair.
  int CountSymbols() const {
    int symbols = 0;
    while (2 * symbols + 1 < kBiphaseRegisterBits && m_levels[2 * symbols] != m_levels[2 * symbols + 1]) {
      ++symbols;
    }
    return symbols;
  }
  void AppendSymbols(int symbols) const {
    for (int i = 0; i < symbols; ++i) AppendReceivedBit(m_levels[2 * i] ? 1u : 0u);
  }
  // Nothing but the closing space follows the first symbols: the frame was
  // read to its end.
  bool EndsAfter(int symbols) const {
    return !m_overflow &&
           std::none_of(m_levels + 2 * symbols, m_levels + m_length, [](bool level) { return level; });
  }

 private:
  bool m_levels[kBiphaseRegisterBits] = {};
  int m_length = 0;
  bool m_overflow = false;  // the frame had more half-bits than the register holds
};

struct stBiphaseWidths {
  int shortWidth;
  int longWidth;
};

// Short and long width of a consistent bi-phase first frame; false (no
// carrier) when the long width is not twice the short one or a space fits neither.
bool FindBiphaseWidths(int frameEnd, stBiphaseWidths& widths) {
  int second = 0;
  for (int pulse = 2; pulse < frameEnd && second == 0; ++pulse) {
    if (!Near(Mark(pulse), Mark(1))) second = Mark(pulse);
  }
  widths.shortWidth = std::min(Mark(1), second);
  widths.longWidth = std::max(Mark(1), second);
  if (second == 0 || !Near(widths.longWidth, 2 * widths.shortWidth)) return false;
  for (int pulse = 2; pulse < frameEnd; ++pulse) {
    if (!Near(Space(pulse), widths.shortWidth) && !Near(Space(pulse), widths.longWidth)) return false;
  }
  return true;
}

// 4 × the average of the short marks of the first frame; 0 when there are none.
std::uint32_t AverageHalfBitTime(int frameEnd, int shortWidth) {
  int sum = 0;
  int count = 0;
  for (int pulse = 1; pulse < frameEnd; ++pulse) {
    if (Near(Mark(pulse), shortWidth)) {
      sum += Mark(pulse);
      ++count;
    }
  }
  return count == 0 ? 0 : Micros(sum / count);
}

struct stHalfBitFrame {
  int closing = -1;  // the pulse whose space (or the list's end) ended the frame; -1 when none did
  bool firstLongIsMark = false;
  bool unreadable = false;  // a mark or space of neither width
};

// Half-bit levels from pulse first on up to the space that ends the frame;
// when the first long element is a mark, the frame began in the middle of a
// symbol and gets the idle half-bit ahead of it.
stHalfBitFrame ConvertToHalfBits(int first, int last, const stBiphaseWidths& widths, CBiphaseLevels& levels) {
  const int longLimit = widths.longWidth + 100;
  stHalfBitFrame frame;
  bool longSeen = false;
  const auto units = [&](int width, bool isMark) {
    if (Near(width, widths.shortWidth)) return 1;
    if (!Near(width, widths.longWidth)) {
      frame.unreadable = true;
      return 0;
    }
    if (!longSeen) frame.firstLongIsMark = isMark;
    longSeen = true;
    return 2;
  };
  for (int pulse = first; pulse <= last; ++pulse) {
    levels.Put(1, units(Mark(pulse), true));
    if (HasNoSpace(pulse) || Space(pulse) > longLimit) {
      levels.PutClosingSpace();
      frame.closing = pulse;
      break;
    }
    levels.Put(0, units(Space(pulse), false));
  }
  if (frame.firstLongIsMark) levels.PrependZero();
  return frame;
}

// Every half-bit of the frame was read, up to its closing space.
bool ReadToItsEnd(const stHalfBitFrame& frame, const CBiphaseLevels& levels, int symbols) {
  return frame.closing >= 0 && !frame.unreadable && levels.EndsAfter(symbols);
}

// A frame without a leader follows: a repeat reads to its end in no more
// symbols than this frame; one that does not, or goes on longer, is the rest
// of this frame after a pause inside it (extended bi-phase formats pause
// between address and command). A repeat that the record cut off is taken as
// it is.
bool BiphaseFrameGoesOnAfterAPause(int closing, const stBiphaseWidths& widths, int symbols) {
  const int next = closing + 1;
  if (HasNoSpace(closing) || Mark(next) > widths.longWidth + 100) return false;
  CBiphaseLevels following;
  const stHalfBitFrame frame = ConvertToHalfBits(next, kLastFollowingPulse, widths, following);
  if (frame.closing >= 0 && IsCutOff(frame.closing)) return false;
  const int followingSymbols = following.CountSymbols();
  return !ReadToItsEnd(frame, following, followingSymbols) || followingSymbols > symbols;
}

void NoteFollowingBiphaseFrame(int closing, const stBiphaseWidths& widths) {
  stGenericResult& generic = g_IrCapture.result.generic;
  NoteRepeat(closing);
  const int next = closing + 1;
  if (Mark(next) <= widths.longWidth + 100) {
    generic.nextFrameCode = 3;
    return;
  }
  TakeSecondLeader(next);
  generic.nextFrameCode = (generic.leaderFlag && Period(next + 1) <= 2 * widths.longWidth + 100) ? 2 : 1;
}

void DecodeBiphaseFrame(int frameEnd) {
  stIrResult& result = g_IrCapture.result;
  stGenericResult& generic = result.generic;
  generic.style = 2;
  stBiphaseWidths widths{};
  if (FindBiphaseWidths(frameEnd, widths))
    generic.halfBitTime = AverageHalfBitTime(frameEnd, widths.shortWidth);
  if (generic.halfBitTime == 0) {
    result.noCarrier = 1;  // not a consistent bi-phase list
    return;
  }
  const bool leader = Mark(0) > widths.longWidth + 100;
  if (leader) TakeLeader();

  CBiphaseLevels levels;
  const stHalfBitFrame frame = ConvertToHalfBits(leader ? 1 : 0, kLastFallbackPulse, widths, levels);
  const int symbols = levels.CountSymbols();
  if (!ReadToItsEnd(frame, levels, symbols) ||
      BiphaseFrameGoesOnAfterAPause(frame.closing, widths, symbols)) {
    RefuseFrame();
    return;
  }
  // The idle half-bit put ahead of the frame was the end of the leader's space.
  if (frame.firstLongIsMark && generic.leaderFlag)
    generic.leaderSpace -= std::min(generic.leaderSpace, generic.halfBitTime);
  if (!HasNoSpace(frame.closing)) NoteFollowingBiphaseFrame(frame.closing, widths);
  levels.AppendSymbols(symbols);
  if (generic.bitCount > 0) result.frameKind = kFrameKindGeneric;
}

void ClearFallbackFields() {
  stIrResult& result = g_IrCapture.result;
  const stGenericResult cleared{};
  result.generic = cleared;
  result.timingFailure = 0;
}

}  // namespace

void DecodeUnknownFrame() {
  ClearFallbackFields();
  const int frameEnd = FindFirstFrameEnd();
  const ECoding coding = ClassifyCoding(frameEnd);
  if (coding == ECoding::Biphase) {
    DecodeBiphaseFrame(frameEnd);
  } else {
    DecodeEqualTimingFrame(coding, frameEnd);
  }
}

}  // namespace analyser
