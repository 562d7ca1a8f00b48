// Read access to the pulse list of the wave buffer, 4 µs units. Pulses
// outside the buffer read as 0, so every index a decoder derives is safe.
#pragma once

#include "receiver/IrCapture.h"

namespace analyser {

inline int Mark(int pulse) { return (pulse >= 0 && pulse < kWavePulses) ? g_IrCapture.wave[2 * pulse] : 0; }

inline int Period(int pulse) {
  return (pulse >= 0 && pulse < kWavePulses) ? g_IrCapture.wave[2 * pulse + 1] : 0;
}

// Period minus mark; 0 when the period is shorter than the mark.
inline int Space(int pulse) {
  const int space = Period(pulse) - Mark(pulse);
  return space > 0 ? space : 0;
}

// The list ends here, or the pulse's edges are inconsistent: no space follows.
inline bool HasNoSpace(int pulse) { return Period(pulse) == 0 || Period(pulse) < Mark(pulse); }

inline bool InRange(int value, int low, int high) { return low <= value && value <= high; }

// |value - reference| below the tolerance, both bounds excluded.
inline bool Near(int value, int reference, int tolerance = 50) {
  return reference - tolerance < value && value < reference + tolerance;
}

// Near a bit period that was found; a period never found (0) matches nothing.
inline bool NearPeriod(int value, int reference) { return reference != 0 && Near(value, reference); }

inline std::uint32_t Micros(int units) { return static_cast<std::uint32_t>(units) * 4u; }

}  // namespace analyser
