// Asking the user for a folder.
#pragma once

#include <wx/string.h>

#include <functional>

class wxWindow;

namespace platform {

using FolderChooser = std::function<wxString(wxWindow* parent, const wxString& title, const wxString& start)>;

// The folder the user picked, starting at start; empty when cancelled. The
// toolkit's folder dialog unless a chooser is installed.
wxString ChooseFolder(wxWindow* parent, const wxString& title, const wxString& start);

// Puts chooser in the toolkit dialog's place (tests answer from a script);
// null restores the dialog.
void InstallFolderChooser(FolderChooser chooser);

}  // namespace platform
