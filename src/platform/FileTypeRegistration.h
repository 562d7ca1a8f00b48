// Registration of the project file type with the desktop, so that opening a
// project file starts the program with its path.
//
// Linux: a shared-mime-info package and a desktop entry in the user's data
// folder. Windows: the class keys under HKEY_CURRENT_USER\Software\Classes.
#pragma once

#include <wx/string.h>

namespace platform {

struct stFileTypeInfo {
  wxString extension;    // ".lmirprj"
  wxString progId;       // "lmirprjfile"
  wxString programPath;  // full path of the program file
  wxString iconPath;     // Windows: "<program>,-129"; Linux: a picture file, may be empty
  wxString description;  // shown by file managers
};

// Writes what is missing or changed; true when the registration stands.
bool RegisterFileType(const stFileTypeInfo& info);

// Linux: the MIME type under which the extension is registered.
wxString MimeTypeFor(const stFileTypeInfo& info);

#ifdef __WINDOWS__
// Stores a string value under HKEY_CURRENT_USER\Software\Classes\subKey; an
// empty value name sets the key's default value.
bool SetRegistryString(const wxString& subKey, const wxString& valueName, const wxString& data);
#endif

}  // namespace platform
