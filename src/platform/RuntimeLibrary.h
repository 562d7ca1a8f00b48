// Libraries loaded at run time from the install folder.
#pragma once

#include <wx/dynlib.h>
#include <wx/string.h>

namespace platform {

// The platform's file name of a shared library: "libcryptora.so" on Linux,
// "cryptora.dll" on Windows.
wxString LibraryFileName(const wxString& baseName);

// Loads a library by full path without any message of the platform's own.
bool LoadRuntimeLibrary(wxDynamicLibrary& library, const wxString& path);

// Looks up an export by name; null when missing.
void* FindExport(const wxDynamicLibrary& library, const wxString& name);

#ifdef __WINDOWS__
// Looks up an export by ordinal; null when missing.
void* FindExportByOrdinal(const wxDynamicLibrary& library, int ordinal);
#endif

}  // namespace platform
