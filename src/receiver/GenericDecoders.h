// Internal parts of the generic decoders.
#pragma once

namespace analyser {

// Fallback for general remotes when no fixed format matched: classifies the
// coding style, finds the bit timing and reads the bits; frame kind 15 when
// it produced bits.
void DecodeUnknownFrame();

// Continues the generic decoding at the leader of the second frame.
void DecodeRepeatFrame(int startPulse);

// Splits the generic bit register into its segments at the recorded gaps and
// frame ends, or clears the split flag when there is neither.
void SplitIntoSegments();

}  // namespace analyser
