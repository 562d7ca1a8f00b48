// The timing windows of the eleven fixed frame formats, one table per kind,
// shared by the matchers, the band table and the tests. All widths are in
// the wave buffer's 4 µs units, carriers in Hz; every range is inclusive.
//
// The windows are wide enough for real receivers (marks up to 150 µs longer
// or shorter than sent, the spaces the other way, and edge jitter) and
// still tell the kinds apart: where two leaders lie close together (kinds
// 9, 5 and 1 at 38 kHz) their windows meet in the gap between them and the
// matchers' own checks (frame length, separators, complements) decide.
#pragma once

#include <cstdint>

namespace analyser {

struct stRange {
  int low;
  int high;
  constexpr bool Contains(int value) const { return low <= value && value <= high; }
};

constexpr stRange kNoRange{0, -1};

// A frame's last bit is followed by a space at least this long (5 ms), or the
// capture ends there: a frame that goes on is not of the kind.
constexpr int kFrameEndSpace = 1250;

// Carrier bands of the general remotes.
constexpr stRange kBand36kHz{35201, 36799};
constexpr stRange kBand38kHz{37201, 38799};
constexpr stRange kBand40kHz{39201, 40799};
constexpr stRange kBand56kHz{55001, 56999};

// The leader that selects a kind: pulse 0's mark and space (either space range).
struct stLeaderWindows {
  stRange carrierHz;
  stRange mark;
  stRange space;
  stRange space2;
};

// Bits read from pulse periods (pulse-distance kinds).
struct stPeriodWindows {
  stRange zero;
  stRange one;
};

// Bi-phase kinds: a mark or space of one, two or three half-bits, and the
// space beyond which the frame has ended.
struct stHalfBitWindows {
  stRange one;
  stRange two;
  stRange three;
  int endSpace;
};

// 9 / 4.5 ms leader, 32 bits, 562 µs unit (kinds 1 and 2). The leader window
// also takes the 9.8 to 10 ms marks with 3.86 ms spaces of some remotes (as
// received, with the edge jitter).
struct stKind1Windows {
  stLeaderWindows leader;
  stPeriodWindows bits;
};
constexpr stKind1Windows kKind1{{kBand38kHz, {2163, 2521}, {944, 1250}, kNoRange}, {{211, 351}, {422, 703}}};

// 8.4 / 4.2 ms leader, 16 bits, 525 µs unit.
struct stKind5Windows {
  stLeaderWindows leader;
  stPeriodWindows bits;
};
constexpr stKind5Windows kKind5{{kBand38kHz, {2030, 2170}, {950, 1150}, kNoRange}, {{210, 315}, {420, 630}}};

// 8 / 4 ms leader, 2 × 8 bits around a 4 ms separator, 1 / 2 ms bit periods.
struct stKind9Windows {
  stLeaderWindows leader;
  stPeriodWindows bits;
  stRange separatorSpace;  // pulse 9
};
constexpr stKind9Windows kKind9{
    {kBand38kHz, {1876, 2060}, {900, 1100}, kNoRange}, {{188, 312}, {375, 625}}, {875, 1200}};

// Two 15-bit frames, 1 / 2 ms bit periods, the first pulse already a bit
// (its space tells a 0 from a 1); about 40 ms from one frame to the next.
struct stKind6Windows {
  stLeaderWindows leader;
  stPeriodWindows bits;
  stRange frameGap;  // pulse 15's space
};
constexpr stKind6Windows kKind6{
    {kBand38kHz, {21, 159}, {100, 250}, {350, 499}}, {{188, 312}, {400, 600}}, {7500, 15000}};

// 11 bits whose first one the leader gives, 5.06 / 7.59 ms bit periods.
struct stKind10Windows {
  stLeaderWindows leader;
  stPeriodWindows bits;
};
constexpr stKind10Windows kKind10{{kBand38kHz, {21, 159}, {1700, 2030}, kNoRange},
                                  {{1163, 1367}, {1746, 2050}}};

// 40 kHz, 2.4 / 0.6 ms leader, 12 bits by mark width (600 / 1200 µs); bits 1
// to 11 are read from the periods, bit 12 from its mark.
struct stKind7Windows {
  stLeaderWindows leader;
  stPeriodWindows bits;
  stPeriodWindows lastMark;
};
constexpr stKind7Windows kKind7{
    {kBand40kHz, {450, 750}, {80, 230}, kNoRange}, {{225, 374}, {375, 562}}, {{80, 224}, {225, 390}}};

// 56 kHz, 4 / 4 ms leader, 24 bits (address, command and their complements),
// 1.5 / 2.5 ms bit periods.
struct stKind11Windows {
  stLeaderWindows leader;
  stPeriodWindows bits;
};
constexpr stKind11Windows kKind11{{kBand56kHz, {850, 1150}, {850, 1150}, kNoRange}, {{300, 450}, {500, 750}}};

// 36 kHz bi-phase, 889 µs half-bit, 14 symbols.
struct stKind3Windows {
  stLeaderWindows leader;
  stHalfBitWindows halfBits;
};
constexpr stKind3Windows kKind3{{kBand36kHz, {150, 300}, {0, 0x7FFF}, kNoRange},
                                {{150, 333}, {334, 540}, kNoRange, 540}};

// 36 kHz bi-phase, 444 µs half-bit, 2.67 ms leader mark, 21 symbols with a
// double-width fifth symbol.
struct stKind4Windows {
  stLeaderWindows leader;
  stHalfBitWindows halfBits;
};
constexpr stKind4Windows kKind4{{kBand36kHz, {567, 766}, {0, 0x7FFF}, kNoRange},
                                {{56, 166}, {167, 277}, {278, 388}, 388}};

// 38 kHz bi-phase, 500 µs half-bit; a 0.5 / 2.5 ms leader before each of its
// two frames.
struct stKind8Windows {
  stLeaderWindows leader;
  stHalfBitWindows halfBits;
};
constexpr stKind8Windows kKind8{{kBand38kHz, {21, 200}, {500, 750}, kNoRange},
                                {{63, 187}, {188, 312}, kNoRange, 312}};

}  // namespace analyser
