// Linked into the program only (an object library): registers the
// air-conditioner pages before the main window is built.
#include "aircon/pages/AirconPages.h"

namespace {
const bool g_airconPagesRegistered = (RegisterAirconPages(), true);
}  // namespace
