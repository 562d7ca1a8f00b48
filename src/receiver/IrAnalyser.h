// Entry points of the IR signal analyser. Each analysis starts by clearing the
// result fields of g_IrCapture and reads only its capture buffers. Headless,
// single-threaded (runs on the GUI thread), no allocation.
#pragma once

#include <cstdint>

#include "receiver/IrCapture.h"

// Carrier frequency in Hz from the header buffer, also stored with its kHz
// value; sets the duty. A zero period sets no carrier and returns 0.
std::uint32_t CalcCarrier();

// General remotes: carrier, the fixed frame formats chosen by carrier band
// and leader, and the generic fallback when none of them matched.
void DecodeByCarrierBand();

// Air-conditioner remotes: carrier, bit timing and bits taken from the
// capture itself, long frames split at their gaps into up to four segments.
void DecodeSignalGeneric();
