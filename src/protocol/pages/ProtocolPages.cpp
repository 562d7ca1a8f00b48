#include "protocol/pages/ProtocolPages.h"

#include "ui/shell/ShellHooks.h"

void RegisterProtocolPages() {}
