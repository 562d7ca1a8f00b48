// Splitting the generic bit register into the four frame segments: frame 1
// before and after its gap, frame 2 before and after its gap. Marker bits
// (gap, end code, second leader) separate the segments and are dropped.
#include "receiver/BitRegister.h"
#include "receiver/GenericDecoders.h"

#include <algorithm>

namespace analyser {
namespace {

// Reads the bit register from its first received bit on.
class CBitReader {
 public:
  explicit CBitReader(const stGenericResult& generic)
      : m_bits(generic.bitRegister), m_remaining(generic.bitCount) {
    ShiftLeft(m_bits, kBitRegisterBits - m_remaining);  // left-align
  }

  // Moves count bits (never more than remain) into the segment.
  void MoveInto(stSegment& segment, int count) {
    const int moved = std::clamp(count, 0, m_remaining);
    for (int i = 0; i < moved; ++i) {
      PushBit(segment.bits, TopBit(m_bits));
      ShiftLeft(m_bits, 1);
    }
    segment.bitCount = static_cast<std::uint16_t>(segment.bitCount + moved);
    m_remaining -= moved;
  }

  void Drop(int count) {
    const int dropped = std::clamp(count, 0, m_remaining);
    ShiftLeft(m_bits, dropped);
    m_remaining -= dropped;
  }

  int Remaining() const { return m_remaining; }

 private:
  stBitRegister m_bits;
  int m_remaining;
};

void SplitTwoFrames(stGenericResult& generic) {
  const stSegmentMarks& marks = generic.marks;
  CBitReader reader(generic);
  if (generic.gap.flag) {
    reader.MoveInto(generic.segments[0], marks.gapBit);
    reader.Drop(1);
    reader.MoveInto(generic.segments[1], marks.endBit - marks.gapBit - 1);
  } else {
    reader.MoveInto(generic.segments[0], marks.endBit);
  }
  reader.Drop(marks.secondStartBit - marks.endBit);  // end code and second leader markers
  if (generic.secondGap.flag) {
    reader.MoveInto(generic.segments[2], marks.secondGapBit - marks.secondStartBit);
    reader.Drop(1);
  }
  reader.MoveInto(generic.segments[generic.secondGap.flag ? 3 : 2], reader.Remaining());
}

void SplitAtGap(stGenericResult& generic) {
  const stSegmentMarks& marks = generic.marks;
  CBitReader reader(generic);
  reader.MoveInto(generic.segments[0], marks.gapBit);
  reader.Drop(1);
  const int dataEnd = marks.endMarked ? marks.endBit : generic.bitCount;
  reader.MoveInto(generic.segments[1], dataEnd - marks.gapBit - 1);
}

}  // namespace

void SplitIntoSegments() {
  stGenericResult& generic = g_IrCapture.result.generic;
  if (generic.secondFrameFlag) {
    SplitTwoFrames(generic);
  } else if (generic.gap.flag) {
    SplitAtGap(generic);
  } else {
    generic.splitFlag = 0;
  }
}

}  // namespace analyser
