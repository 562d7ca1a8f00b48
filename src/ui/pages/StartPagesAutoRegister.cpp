// Linked into the program only (an object library): registers the start
// pages before the main window is built.
#include "ui/pages/StartPages.h"

namespace {
const bool g_startPagesRegistered = (RegisterStartPages(), true);
}  // namespace
