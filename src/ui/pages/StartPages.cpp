#include "ui/pages/StartPages.h"

#include "ui/pages/ExamplePage.h"
#include "ui/pages/GlobalSelDlg.h"
#include "ui/pages/HomePage.h"
#include "ui/pages/NewPrjPage.h"
#include "ui/shell/ShellHooks.h"

#include <wx/window.h>

void RegisterStartPages() {
  RegisterShellPage(kHomePageId, [](wxWindow* parent) -> CSubBaseDlg* { return new CHomePage(parent); });
  RegisterShellPage(kExamplePageId,
                    [](wxWindow* parent) -> CSubBaseDlg* { return new CExamplePage(parent); });
  RegisterShellPage(kGlobalSelPageId,
                    [](wxWindow* parent) -> CSubBaseDlg* { return new CGlobalSelDlg(parent); });
  RegisterNewProjectDialog([](wxWindow* parent) {
    CNewPrjPage dialog(parent);
    return dialog.ShowModal() == wxID_OK;
  });
}
