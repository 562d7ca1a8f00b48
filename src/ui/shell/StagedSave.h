// Saving the project without risking the file already on disk: the project
// file is written into a staging folder beside it and moved over the real
// file only when every part of the save succeeded. The pages' writes to the
// staged file are gathered in memory and written once, at the commit.
#pragma once

#include "platform/Profile.h"

#include <wx/string.h>

#include <memory>

class CStagedProjectSave {
 public:
  CStagedProjectSave() = default;
  CStagedProjectSave(const CStagedProjectSave&) = delete;
  CStagedProjectSave& operator=(const CStagedProjectSave&) = delete;
  // Anything not committed is thrown away; the document points at the real file.
  ~CStagedProjectSave();

  // Writes the [Project] section into the staged file and points the
  // document's project-file path at it, so that the pages write their
  // sections there. False (after the document's own message) on failure.
  bool Begin();
  // Adds to the gathered keys what the real file holds and this save did not
  // write, writes them all at once and moves the staged file over the real
  // one; false when any of it fails.
  bool Commit();

  const wxString& GetFinalPath() const { return m_finalPath; }

 private:
  void Discard();

  wxString m_finalPath;
  wxString m_stagingFolder;
  wxString m_stagedPath;
  std::unique_ptr<platform::ProfileWriteBatch> m_batch;
  bool m_active = false;
};
