#include "platform/Paths.h"

#include "platform/TextFile.h"

#include <wx/dir.h>
#include <wx/process.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#ifndef __WINDOWS__
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

bool IsSeparator(wxChar c) { return c == '/' || c == '\\'; }

wxString EnvOr(const wxString& name, const wxString& fallback) {
  wxString value;
  if (wxGetEnv(name, &value) && !value.empty()) return value;
  return fallback;
}

// An entry of folder whose name equals name without regard to case.
bool FindEntryNoCase(const wxString& folder, const wxString& name, wxString& found) {
  wxDir dir(folder.empty() ? wxString(wxFILE_SEP_PATH) : folder);
  if (!dir.IsOpened()) return false;
  wxString entry;
  for (bool more = dir.GetFirst(&entry, wxEmptyString, wxDIR_FILES | wxDIR_DIRS | wxDIR_HIDDEN); more;
       more = dir.GetNext(&entry)) {
    if (entry.CmpNoCase(name) == 0) {
      found = entry;
      return true;
    }
  }
  return false;
}

}  // namespace

wxString JoinPath(const wxString& folder, const wxString& name) {
  if (folder.empty()) return name;
  if (IsSeparator(folder.Last())) return folder + name;
  return folder + wxFILE_SEP_PATH + name;
}

bool PathExists(const wxString& path) { return wxFileName::FileExists(path) || wxFileName::DirExists(path); }

bool IsSymbolicLink(const wxString& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_symlink(ToFsPath(path), ec);
}

wxString FindPathNoCase(const wxString& path) {
  if (path.empty() || PathExists(path)) return path;

  // Split into the root and its components.
  std::size_t pos = 0;
  wxString resolved;
#ifdef __WINDOWS__
  if (path.length() >= 2 && path[1] == ':') {
    resolved = path.Left(2);
    pos = 2;
  }
#endif
  while (pos < path.length() && IsSeparator(path[pos])) resolved += path[pos++];

  while (pos < path.length()) {
    std::size_t end = pos;
    while (end < path.length() && !IsSeparator(path[end])) ++end;
    wxString component = path.Mid(pos, end - pos);
    wxString candidate = resolved + component;
    if (!component.empty() && !PathExists(candidate)) {
      wxString found;
      if (!FindEntryNoCase(resolved, component, found)) return path;
      candidate = resolved + found;
    }
    resolved = candidate;
    if (end < path.length()) resolved += path[end];
    pos = end + 1;
  }
  return resolved;
}

wxString GetProgramPath() { return wxStandardPaths::Get().GetExecutablePath(); }

wxString GetProgramFolder() { return wxFileName(GetProgramPath()).GetPath(); }

wxString GetLocalAppDataFolder() {
#ifdef __WINDOWS__
  return EnvOr("LOCALAPPDATA", wxString());
#else
  wxString home = wxGetHomeDir();
  return EnvOr("XDG_DATA_HOME", home.empty() ? wxString() : JoinPath(home, ".local/share"));
#endif
}

wxString GetUserConfigFolder() {
#ifdef __WINDOWS__
  return EnvOr("APPDATA", wxString());
#else
  wxString home = wxGetHomeDir();
  return EnvOr("XDG_CONFIG_HOME", home.empty() ? wxString() : JoinPath(home, ".config"));
#endif
}

wxString GetDocumentsFolder() { return wxStandardPaths::Get().GetDocumentsDir(); }

wxString GetTempFolder() {
  wxString dir = wxFileName::GetTempDir();
  if (!dir.empty() && !IsSeparator(dir.Last())) dir += wxFILE_SEP_PATH;
  return dir;
}

bool IsOwnFolder(const wxString& path) {
#ifdef __WINDOWS__
  return wxDirExists(path);
#else
  struct stat info {};
  return ::lstat(path.fn_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
#endif
}

long GetCurrentProcessId() { return static_cast<long>(wxGetProcessId()); }

bool IsProcessRunning(long pid) { return pid > 0 && wxProcess::Exists(static_cast<int>(pid)); }

bool IsInsideFolder(const wxString& path, const wxString& folder) {
  if (path.empty() || folder.empty()) return false;
  std::error_code error;
  const std::filesystem::path inner = std::filesystem::weakly_canonical(ToFsPath(path), error);
  if (error) return false;
  const std::filesystem::path outer = std::filesystem::weakly_canonical(ToFsPath(folder), error);
  if (error) return false;
  auto part = inner.begin();
  for (const auto& name : outer) {
    if (name.empty()) continue;  // the empty name after a trailing separator
    if (part == inner.end() || *part != name) return false;
    ++part;
  }
  return true;
}

bool CopyWholeFolder(const wxString& folder, const wxString& target) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::symlink_status(ToFsPath(target), error).type() != fs::file_type::not_found) return false;
  fs::copy(ToFsPath(folder), ToFsPath(target), fs::copy_options::recursive | fs::copy_options::copy_symlinks,
           error);
  if (!error) return true;
  RemoveWholeFolder(target);
  return false;
}

bool RemoveWholeFolder(const wxString& folder) {
  std::error_code error;
  std::filesystem::remove_all(ToFsPath(folder), error);
  return !error;
}

}  // namespace platform
