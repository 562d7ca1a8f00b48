// Linked into the program only (an object library): registers the key pages
// before the main window is built.
#include "keys/pages/KeysPages.h"

namespace {
const bool g_keysPagesRegistered = (RegisterKeysPages(), true);
}  // namespace
