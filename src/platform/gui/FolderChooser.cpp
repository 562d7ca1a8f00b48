#include "platform/gui/FolderChooser.h"

#include <wx/dirdlg.h>

namespace platform {
namespace {

FolderChooser& InstalledChooser() {
  static FolderChooser chooser;
  return chooser;
}

}  // namespace

wxString ChooseFolder(wxWindow* parent, const wxString& title, const wxString& start) {
  if (InstalledChooser()) return InstalledChooser()(parent, title, start);
  wxDirDialog dialog(parent, title, start, wxDD_DEFAULT_STYLE);
  return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

void InstallFolderChooser(FolderChooser chooser) { InstalledChooser() = std::move(chooser); }

}  // namespace platform
