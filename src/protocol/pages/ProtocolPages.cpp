#include "protocol/pages/ProtocolPages.h"

#include "protocol/pages/SendPreviewDlg.h"
#include "ui/shell/ShellHooks.h"

void RegisterProtocolPages() { olv::protocol::RegisterSendPreview(); }
