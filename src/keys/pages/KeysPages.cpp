#include "keys/pages/KeysPages.h"

#include "keys/pages/KeyConfigDlg.h"
#include "ui/shell/ShellHooks.h"

void RegisterKeysPages() {
  RegisterShellPage(kKeyConfigId, [](wxWindow* parent) -> CSubBaseDlg* { return new CKeyConfigDlg(parent); });
}
