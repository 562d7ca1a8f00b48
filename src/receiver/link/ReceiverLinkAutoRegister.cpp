// Linked into the program only (an object library): registers the receiver
// link before the main window is built.
#include "receiver/link/ReceiverLink.h"

namespace {
const bool g_receiverLinkRegistered = (RegisterReceiverThread(), true);
}  // namespace
