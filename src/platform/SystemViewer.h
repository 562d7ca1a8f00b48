// Opening a document with the program the desktop associates with its type.
#pragma once

#include <wx/string.h>

#include <functional>

namespace platform {

// False when no program could be started for the file.
bool OpenWithSystemViewer(const wxString& path);

// Tests put a recorder in the viewer's place; an empty function restores it.
void SetSystemViewerLauncher(std::function<bool(const wxString&)> launcher);

}  // namespace platform
