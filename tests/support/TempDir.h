// A temporary folder removed with everything in it when the object dies.
#pragma once

#include <wx/string.h>

#include <string>

namespace testsupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const wxString& Path() const { return m_path; }
  // Path of a name inside the folder.
  wxString File(const wxString& name) const;

 private:
  wxString m_path;
};

// Points HOME, XDG_CONFIG_HOME ("config") and XDG_DATA_HOME ("data") at the
// folder, so that the program's user files land there.
void PointUserFoldersAt(const TempDir& home);

// An environment variable set for the object's life, then restored (or unset
// when it was not set before).
class ScopedEnv {
 public:
  ScopedEnv(const wxString& name, const wxString& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  wxString m_name;
  wxString m_old;
  bool m_had;
};

// PointUserFoldersAt for the object's life.
class ScopedUserFolders {
 public:
  explicit ScopedUserFolders(const TempDir& home);

 private:
  ScopedEnv m_home;
  ScopedEnv m_config;
  ScopedEnv m_data;
};

// Whole file as bytes; empty when missing.
std::string ReadBytes(const wxString& path);
void WriteBytes(const wxString& path, const std::string& bytes);

}  // namespace testsupport
