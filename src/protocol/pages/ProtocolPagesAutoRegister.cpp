// Linked into the program only (an object library): registers the protocol
// pages before the main window is built.
#include "protocol/pages/ProtocolPages.h"

namespace {
const bool g_protocolPagesRegistered = (RegisterProtocolPages(), true);
}  // namespace
