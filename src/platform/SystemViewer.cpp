#include "platform/SystemViewer.h"

#include <wx/utils.h>

namespace platform {
namespace {
std::function<bool(const wxString&)>& Launcher() {
  static std::function<bool(const wxString&)> launcher;
  return launcher;
}
}  // namespace

bool OpenWithSystemViewer(const wxString& path) {
  if (Launcher()) return Launcher()(path);
  return wxLaunchDefaultApplication(path);
}

void SetSystemViewerLauncher(std::function<bool(const wxString&)> launcher) {
  Launcher() = std::move(launcher);
}

}  // namespace platform
