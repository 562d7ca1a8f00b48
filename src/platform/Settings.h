// The per-user settings store, read and written by section and key. Linux: an INI file under the user's
// configuration folder; Windows: the registry under the current user.
#pragma once

#include <wx/string.h>

namespace platform {

// The company key under which the program's settings live
// ("Local AppWizard-Generated Applications"); the application name is "Olvanta".
void SetSettingsKey(const wxString& companyKey);

wxString ReadSetting(const wxString& section, const wxString& key, const wxString& def = wxString());
bool WriteSetting(const wxString& section, const wxString& key, const wxString& value);

// Where the settings file lies (empty on Windows, where the registry holds them).
wxString GetSettingsFilePath();

}  // namespace platform
