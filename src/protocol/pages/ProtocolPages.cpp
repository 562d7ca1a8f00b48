#include "protocol/pages/ProtocolPages.h"

#include "protocol/pages/DataFormat.h"
#include "protocol/pages/ModulationParam.h"
#include "protocol/pages/SendPreviewDlg.h"
#include "protocol/pages/StandardModePage.h"
#include "ui/shell/ShellHooks.h"

void RegisterProtocolPages() {
  olv::protocol::RegisterSendPreview();
  RegisterShellPage(kModulationParamId,
                    [](wxWindow* parent) -> CSubBaseDlg* { return new CModulationParam(parent); });
  RegisterShellPage(kStandardModePageId,
                    [](wxWindow* parent) -> CSubBaseDlg* { return new CStandardModePage(parent); });
  RegisterShellPage(kDataFormatId, [](wxWindow* parent) -> CSubBaseDlg* { return new CDataFormat(parent); });
}
