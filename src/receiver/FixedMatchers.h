// The eleven fixed frame formats of general remotes. Each matcher reads the
// wave buffer and, on success only, writes frame kind, frame value, address,
// command and (where the format has them) toggle and extra field. A matcher
// that returns false leaves the result fields as they were.
#pragma once

#include <cstdint>

#include "receiver/IrCapture.h"

namespace analyser {

inline void StoreFixedFrame(std::uint16_t kind, std::uint32_t value, std::uint32_t address,
                            std::uint32_t command) {
  stIrResult& result = g_IrCapture.result;
  result.frameKind = kind;
  result.frameValue = value;
  result.address = static_cast<std::uint16_t>(address);
  result.command = static_cast<std::uint16_t>(command);
}

using FixedMatcher = bool (*)();

// Pulse-distance and pulse-width formats.
bool MatchFrameKind1();  // 9/4.5 ms leader, 32 bits; kind 1 or 2
bool MatchFrameKind5();
bool MatchFrameKind6();
bool MatchFrameKind7();  // 12-bit pulse-width
bool MatchFrameKind9();
bool MatchFrameKind10();
bool MatchFrameKind11();

// Bi-phase formats.
bool MatchFrameKind3();
bool MatchFrameKind4();
bool MatchFrameKind8();

// True when the carrier (Hz) and leader (mark, space; 4 µs units) fit the
// band-table row of matcher.
bool RowSelects(FixedMatcher matcher, std::uint32_t carrierHz, int leaderMark, int leaderSpace);

// Runs the matcher of every row that the carrier and leader fit, in table
// order; true at the first that matched (its frame fields are then stored).
bool MatchFixedFrame(std::uint32_t carrierHz, int leaderMark, int leaderSpace);

}  // namespace analyser
