// The generic decoder of air-conditioner remotes: bit timing from the capture
// itself, a gap inside a frame, the end of the first frame and a second frame.
#include "receiver/BitRegister.h"
#include "receiver/GenericDecoders.h"
#include "receiver/IrAnalyser.h"
#include "receiver/PulseList.h"

namespace analyser {
namespace {

constexpr int kPulseCountLimit = 200;
constexpr int kBitPulseLimit = 150;
constexpr int kLongPeriod = 1250;

int CountPulses() {
  for (int pulse = 0; pulse < kPulseCountLimit; ++pulse) {
    if (Period(pulse) == 0) return pulse;
  }
  return kPulseCountLimit;
}

// Reference periods from pulse 1 and the first period that differs from it;
// a long candidate (a gap) is replaced by the next one. False when the list
// shows only one period.
bool FindReferencePeriods(int pulseCount) {
  stGenericResult& generic = g_IrCapture.result.generic;
  const int reference = Period(1);
  int zeroPeriod = 0;
  int onePeriod = 0;
  for (int pulse = 2; pulse < pulseCount; ++pulse) {
    const int period = Period(pulse);
    if (Near(period, reference)) continue;
    zeroPeriod = period > reference ? reference : period;
    onePeriod = period > reference ? period : reference;
    if (onePeriod < kLongPeriod) break;
  }
  generic.bit0Period = static_cast<std::uint32_t>(zeroPeriod);
  generic.bit1Period = static_cast<std::uint32_t>(onePeriod);
  return zeroPeriod != 0 && onePeriod != 0;
}

void SetMarker(stFrameMarker& marker, int pulse) {
  marker.flag = 1;
  marker.index = static_cast<std::uint16_t>(pulse);
  marker.mark = Micros(Mark(pulse));
  marker.space = Micros(Space(pulse));
}

enum class EPulseStep { Bit, Ignored, Gap, ClosedByLastPulse, NewFrame };

// What one pulse of a frame is, given the reference periods; appends its bit.
EPulseStep ReadFramePulse(int pulse) {
  const stGenericResult& generic = g_IrCapture.result.generic;
  const int zeroPeriod = static_cast<int>(generic.bit0Period);
  const int onePeriod = static_cast<int>(generic.bit1Period);
  const int period = Period(pulse);
  if (NearPeriod(period, zeroPeriod)) {
    AppendReceivedBit(0);
    return EPulseStep::Bit;
  }
  if (NearPeriod(period, onePeriod)) {
    AppendReceivedBit(1);
    return EPulseStep::Bit;
  }
  if (period <= onePeriod + 100) return EPulseStep::Ignored;
  if (Period(pulse + 1) == 0) return EPulseStep::ClosedByLastPulse;
  const int next = Period(pulse + 1);
  if (NearPeriod(next, zeroPeriod) || NearPeriod(next, onePeriod)) return EPulseStep::Gap;
  return EPulseStep::NewFrame;
}

// Bits of the first frame from pulse 1; the pulse where a new frame begins
// after it, or -1 when the list ended first.
int DecodeFirstFrame() {
  stGenericResult& generic = g_IrCapture.result.generic;
  for (int pulse = 1; pulse < kBitPulseLimit && Period(pulse) != 0; ++pulse) {
    switch (ReadFramePulse(pulse)) {
      case EPulseStep::Bit:
      case EPulseStep::Ignored: break;
      case EPulseStep::Gap:
        if (generic.gap.flag) generic.marks.unsupportedLayout = 1;  // a second gap in the frame
        SetMarker(generic.gap, pulse);
        generic.marks.gapBit = generic.bitCount;
        AppendReceivedBit(1);
        break;
      case EPulseStep::ClosedByLastPulse:
        if (Mark(pulse + 1) != 0) SetMarker(generic.end, pulse);
        return -1;
      case EPulseStep::NewFrame: return pulse;
    }
  }
  return -1;
}

void StartSecondFrame(int indexBefore) {
  stGenericResult& generic = g_IrCapture.result.generic;
  generic.secondFrameFlag = 1;
  generic.secondFrameIndex = static_cast<std::uint16_t>(indexBefore);
  generic.secondFrameGapSpace = Micros(Space(indexBefore));
  AppendReceivedBit(1);
  DecodeRepeatFrame(indexBefore + 1);
}

// The first frame ended at pulse last: a leader follows, or an end code and
// then (when the list goes on) a second frame.
void DecodeAfterFirstFrame(int last) {
  stGenericResult& generic = g_IrCapture.result.generic;
  generic.marks.endBit = generic.bitCount;
  if (!Near(Mark(last + 1), Mark(2))) {
    StartSecondFrame(last);
    return;
  }
  SetMarker(generic.end, last);
  generic.marks.endMarked = 1;
  AppendReceivedBit(1);
  if (Period(last + 2) != 0) StartSecondFrame(last + 1);
}

// Leaves a relearn request in place of bits the result fields cannot hold.
void RejectLayout() {
  stIrResult& result = g_IrCapture.result;
  const std::uint16_t pulseCount = result.generic.pulseCount;
  result.generic = stGenericResult{};
  result.generic.pulseCount = pulseCount;
  result.noFrame = 1;
}

std::uint32_t SpaceOf(std::uint32_t period, std::uint32_t mark) { return period > mark ? period - mark : 0; }

void ConvertTimingToMicroseconds() {
  stGenericResult& generic = g_IrCapture.result.generic;
  generic.bit0Period *= 4u;
  generic.bit1Period *= 4u;
  generic.bit0Mark = generic.bit1Mark = Micros(Mark(2));
  generic.bit0Space = SpaceOf(generic.bit0Period, generic.bit0Mark);
  generic.bit1Space = SpaceOf(generic.bit1Period, generic.bit1Mark);
}

}  // namespace

void DecodeRepeatFrame(int startPulse) {
  stGenericResult& generic = g_IrCapture.result.generic;
  generic.secondGap = stFrameMarker{};
  generic.secondEnd = stFrameMarker{};
  generic.secondFrameStart = static_cast<std::uint16_t>(startPulse);
  generic.secondFrameLeaderMark = Micros(Mark(startPulse));
  generic.secondFrameLeaderSpace = Micros(Space(startPulse));
  AppendReceivedBit(1);
  generic.marks.secondStartBit = generic.bitCount;

  for (int pulse = startPulse + 1; pulse < kBitPulseLimit && Period(pulse) != 0; ++pulse) {
    switch (ReadFramePulse(pulse)) {
      case EPulseStep::Bit:
      case EPulseStep::Ignored: break;
      case EPulseStep::Gap:
        if (generic.secondGap.flag) generic.marks.unsupportedLayout = 1;
        SetMarker(generic.secondGap, pulse);
        generic.marks.secondGapBit = generic.bitCount;
        AppendReceivedBit(1);
        break;
      case EPulseStep::ClosedByLastPulse:
        if (Mark(pulse + 1) != 0) SetMarker(generic.secondEnd, pulse);
        return;
      case EPulseStep::NewFrame: {
        // Closed by an end code when the next mark is a data mark of this frame.
        const bool endCode = Near(Mark(pulse + 1), Mark(startPulse + 2));
        if (endCode) SetMarker(generic.secondEnd, pulse);
        if (Period(endCode ? pulse + 2 : pulse + 1) != 0)
          generic.marks.unsupportedLayout = 1;  // a third frame
        return;
      }
    }
  }
}

}  // namespace analyser

void DecodeSignalGeneric() {
  using namespace analyser;
  ClearAnalyserResults();
  stIrResult& result = g_IrCapture.result;
  stGenericResult& generic = result.generic;
  const std::uint32_t carrierHz = CalcCarrier();
  result.carrierFrequency = carrierHz;
  result.carrierKHz = carrierHz / 1000.0;

  generic.pulseCount = static_cast<std::uint16_t>(CountPulses());
  if (!FindReferencePeriods(generic.pulseCount)) {
    result.timingFailure = 1;
    result.noFrame = 1;
    return;
  }
  // No bit period below 5 ms: pulse 1 (which gives a reference) is a further
  // header pulse or the leader after a pre-pulse, or the list shows one bit
  // value only. Neither can be described by a leader and two bit times.
  if (generic.bit1Period >= static_cast<std::uint32_t>(kLongPeriod)) {
    RejectLayout();
    return;
  }
  generic.splitFlag = 1;
  generic.leaderMark = Micros(Mark(0));
  generic.leaderSpace = Micros(Space(0));
  generic.leaderFlag = Mark(0) != 0 ? 1 : 0;  // pulse 0 is always taken as the leader

  const int last = DecodeFirstFrame();
  if (last >= 0) DecodeAfterFirstFrame(last);
  if (generic.marks.unsupportedLayout) {
    RejectLayout();
    return;
  }
  ConvertTimingToMicroseconds();
  SplitIntoSegments();
  if (generic.bitCount == 0) result.noFrame = 1;
}
