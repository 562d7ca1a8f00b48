// Folder and path services: the program's folder, the user's folders, joining
// and case-insensitive lookup (the install data names one folder "Images" in
// one place and "images" in another).
#pragma once

#include <wx/string.h>

namespace platform {

// folder + separator + name; a separator already at the end of folder is kept single.
wxString JoinPath(const wxString& folder, const wxString& name);

// The path with each component replaced by an existing entry whose name
// matches without regard to case, where the exact one does not exist. The
// path is returned unchanged from the first component that matches nothing.
wxString FindPathNoCase(const wxString& path);

// Folder of the running program file, without a trailing separator.
wxString GetProgramFolder();
// Full path of the running program file.
wxString GetProgramPath();

// The user's local application-data folder (Windows: %LOCALAPPDATA%;
// elsewhere $XDG_DATA_HOME or ~/.local/share); empty when it cannot be named.
wxString GetLocalAppDataFolder();
// The user's configuration folder ($XDG_CONFIG_HOME or ~/.config; Windows: %APPDATA%).
wxString GetUserConfigFolder();
// The user's documents folder; empty when it cannot be named.
wxString GetDocumentsFolder();
// The temporary folder, with a trailing separator.
wxString GetTempFolder();

// True when the path names an existing file or folder.
bool PathExists(const wxString& path);

// True when the path is a folder (not a link to one) that the current user
// owns (on Windows, where the temporary folder is the user's own, any folder).
bool IsOwnFolder(const wxString& path);

// This process's id, and whether a process of that id runs (of any user).
long GetCurrentProcessId();
bool IsProcessRunning(long pid);

// True when the path itself is a symbolic link (whether or not its target exists).
bool IsSymbolicLink(const wxString& path);

// Removes the folder and everything in it; links inside are removed, never
// followed. True when nothing of it is left (or there was none).
bool RemoveWholeFolder(const wxString& folder);

// True when path is folder or lies inside it, once both are made absolute
// with their links and "." and ".." resolved.
bool IsInsideFolder(const wxString& path, const wxString& folder);

// Copies the folder and everything in it to target, which must not exist yet;
// links are copied as links. On failure nothing of target is left.
bool CopyWholeFolder(const wxString& folder, const wxString& target);

}  // namespace platform
