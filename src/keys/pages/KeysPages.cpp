#include "keys/pages/KeysPages.h"

#include "ui/shell/ShellHooks.h"

void RegisterKeysPages() {}
