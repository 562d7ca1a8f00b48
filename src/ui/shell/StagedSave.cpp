#include "ui/shell/StagedSave.h"

#include "core/DocManage.h"
#include "core/ProjectFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace {
const wxString kStagingFolderName = ".olvanta-saving";
}

CStagedProjectSave::~CStagedProjectSave() { Discard(); }

bool CStagedProjectSave::Begin() {
  m_finalPath = g_DocManage.BuildProjectFilePath();
  const wxString folder = g_DocManage.ProjectFolder;
  m_stagingFolder = platform::JoinPath(folder, kStagingFolderName);
  platform::RemoveWholeFolder(m_stagingFolder);
  if (!wxFileName::Mkdir(m_stagingFolder, wxS_DIR_DEFAULT)) return false;
  m_active = true;

  // The document writes its [Project] section into the staging folder; the
  // folder it records is the real one.
  g_DocManage.ProjectFolder = m_stagingFolder;
  const bool written = g_DocManage.CreateProjectFile(false, true);
  g_DocManage.ProjectFolder = folder;
  m_stagedPath = g_DocManage.ProjectFilePath;
  if (!written || m_stagedPath.empty()) return false;
  if (!CProjectFile(m_stagedPath).WriteProjectFolder(folder)) return false;
  m_batch = std::make_unique<platform::ProfileWriteBatch>(m_stagedPath);
  return true;
}

bool CStagedProjectSave::Commit() {
  if (!m_active) return false;
  // What the real file holds and this save did not write stays; it joins the
  // batch, so that the staged file is written once.
  if (!CProjectFile(m_stagedPath).CarryOverMissingFrom(CProjectFile(m_finalPath))) return false;
  if (m_batch && !m_batch->Commit()) return false;
  if (!platform::ReplaceFileKeepingMode(m_stagedPath, m_finalPath)) return false;
  Discard();
  return true;
}

void CStagedProjectSave::Discard() {
  if (!m_active) return;
  m_active = false;
  m_batch.reset();  // drops what was not committed
  g_DocManage.ProjectFilePath = m_finalPath;
  platform::RemoveWholeFolder(m_stagingFolder);
}
