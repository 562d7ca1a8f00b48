#include "aircon/pages/AirconPages.h"

#include "aircon/pages/AirDataFormat.h"
#include "aircon/pages/AirModulation.h"
#include "ui/shell/ShellHooks.h"

void RegisterAirconPages() {
  RegisterShellPage(kAirModulationId,
                    [](wxWindow* parent) -> CSubBaseDlg* { return new CAirModulation(parent); });
  RegisterShellPage(kAirDataFormatId,
                    [](wxWindow* parent) -> CSubBaseDlg* { return new CAirDataFormat(parent); });
}
