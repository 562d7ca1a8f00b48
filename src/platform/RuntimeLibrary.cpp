#include "platform/RuntimeLibrary.h"

#include <wx/log.h>

#ifdef __WINDOWS__
#include <windows.h>
#endif

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

#ifdef __WINDOWS__
void* FindExportByOrdinal(const wxDynamicLibrary& library, int ordinal) {
  if (!library.IsLoaded()) return nullptr;
  return reinterpret_cast<void*>(
      ::GetProcAddress(static_cast<HMODULE>(library.GetLibHandle()), MAKEINTRESOURCEA(ordinal)));
}
#endif

}  // namespace platform
