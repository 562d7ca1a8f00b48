#include "keys/pages/KeysPages.h"

#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyDlgEx.h"
#include "ui/shell/ShellHooks.h"

void RegisterKeysPages() {
  RegisterKeyDlgEx();
  RegisterShellPage(kKeyConfigId, [](wxWindow* parent) -> CSubBaseDlg* { return new CKeyConfigDlg(parent); });
}
