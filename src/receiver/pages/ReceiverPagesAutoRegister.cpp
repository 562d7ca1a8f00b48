// Linked into the program only (an object library): registers the decode
// page before the main window is built.
#include "receiver/pages/ReceiverPages.h"

namespace {
const bool g_receiverPagesRegistered = (RegisterReceiverPages(), true);
}  // namespace
