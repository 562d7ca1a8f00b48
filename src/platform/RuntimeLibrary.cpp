#include "platform/RuntimeLibrary.h"

#include <wx/log.h>

namespace platform {

wxString LibraryFileName(const wxString& baseName) {
  return wxDynamicLibrary::CanonicalizeName(baseName, wxDL_LIBRARY);
}

bool LoadRuntimeLibrary(wxDynamicLibrary& library, const wxString& path) {
  wxLogNull quiet;  // failures are reported by the caller in the user's language
  return library.Load(path, wxDL_NOW | wxDL_QUIET);
}

void* FindExport(const wxDynamicLibrary& library, const wxString& name) {
  if (!library.IsLoaded()) return nullptr;
  wxLogNull quiet;
  return library.GetSymbol(name);
}

}  // namespace platform
