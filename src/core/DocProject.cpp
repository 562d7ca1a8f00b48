// Creating, opening and validating the project and loading its chip.
#include "core/DocManage.h"

#include "core/AppContext.h"
#include "core/ChipModel.h"
#include "core/FileHelpers.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "platform/Paths.h"

#include <wx/filefn.h>

namespace {

const wxString kInvalidNameChars = "\\/:*?\"<>|";

bool IsSeparator(wxChar c) { return c == '/' || c == '\\'; }

int FindLastSeparator(const wxString& path) {
  for (int i = static_cast<int>(path.length()) - 1; i >= 0; --i) {
    if (IsSeparator(path[static_cast<std::size_t>(i)])) return i;
  }
  return wxNOT_FOUND;
}

}  // namespace

wxString CDocManage::BuildProjectFilePath() const {
  return platform::JoinPath(ProjectFolder, ProjectName + "." + projectfile::FileExtension(g_BrandFlag != 0));
}

bool CDocManage::CreateProjectFile(bool askIfExists, bool write) {
  const wxString path = BuildProjectFilePath();
  if (askIfExists && wxFileExists(path)) {
    if (LangMessageBox("IDS_PROJECT_EXIST", kNoticeOkCancel) != kNoticeAnswerOk) return false;
    wxRemoveFile(path);
  }
  if (!write) {
    ProjectFilePath = path;
    return true;
  }
  // Without a folder and a name there is no project file to write.
  if (ProjectFolder.empty() && ProjectName.empty()) {
    ProjectFilePath.clear();
    return true;
  }
  const CProjectFile file(path);
  if (!file.CreateEmpty()) {
    LangMessageBox("IDS_CREATE_PROJECT_FAILED");
    return false;
  }
  ProjectFilePath = path;
  projectfile::stProjectSection project;
  project.name = ProjectName;
  project.folder = ProjectFolder;
  project.mcu = McuName;
  project.package = PackageName;
  project.remoteType = RemoteType;
  project.protocolType = ProtocolType;
  if (!file.WriteProject(project)) {
    LangMessageBox("IDS_CREATE_PROJECT_FAILED");
    return false;
  }
  return true;
}

bool CDocManage::OpenProject(const wxString& path) {
  const int slash = FindLastSeparator(path);
  const int dot = path.Find('.', true);
  if (slash == wxNOT_FOUND || dot == wxNOT_FOUND || dot < slash) return false;
  const wxString name =
      path.Mid(static_cast<std::size_t>(slash) + 1, static_cast<std::size_t>(dot - slash - 1));
  const wxString folder = path.Left(static_cast<std::size_t>(slash));

  const CProjectFile file(path);
  const projectfile::stProjectSection project = file.ReadProject();

  if (!CheckProjectName(name) || !CheckProjectPath(folder, false) || !CheckMcu(project.mcu) ||
      !CheckPackage(project.package)) {
    return false;
  }
  RemoteType = project.remoteType;
  // The reset before the opening knew the project before: the values that
  // follow the remote type are this project's.
  RepeatCodeOn = DefaultRepeatCodeOn();
  RemDrv = DefaultRemDrv();
  LeadCodeOn = IsGeneralRemote(RemoteType) ? 0 : 1;
  ProtocolType = project.protocolType;
  ProjectFilePath = path;

  g_App.protocolFolder = g_App.GetProtocolFolder(g_FrameworkKind);
  g_App.icFolder = g_App.GetIcFolder(g_FrameworkKind);

  file.ReadKeySettings(*this);
  return true;
}

void CDocManage::MoveProjectFolder(const wxString& folder) {
  ProjectFolder = folder;
  ProjectFilePath = BuildProjectFilePath();
}

bool CDocManage::CheckProjectName(const wxString& name) {
  // Blanks alone name nothing the user could tell apart.
  if (wxString(name).Trim(true).Trim(false).empty()) {
    LangMessageBox("IDS_NAME_EMPTY");
    return false;
  }
  // A name of dots alone names no file of its own ("." and ".." are folders).
  if (name.find_first_not_of('.') == wxString::npos) {
    LangMessageBox("IDS_NAME_DOTS_ONLY");
    return false;
  }
  for (wxUniChar c : kInvalidNameChars) {
    if (name.Find(c) != wxNOT_FOUND) {
      LangMessageBox("", kNoticeOk, "IDS_INVALID_CHAR", kInvalidNameChars);
      return false;
    }
  }
  ProjectName = name;
  return true;
}

bool CDocManage::CheckProjectPath(const wxString& folder, bool appendName) {
  wxString path = folder;
  if (appendName) {
    if (!path.empty() && IsSeparator(path.Last())) path.RemoveLast();
    path = platform::JoinPath(path, ProjectName);
  }
  if (platform::PathExists(path)) {
    ProjectFolder = path;
    return true;
  }
  if (path.empty()) {
    LangMessageBox("IDS_PATH_EMPTY", kNoticeOkCancel);
    return false;
  }
  if (LangMessageBox("IDS_PATH_NO_EXIST", kNoticeOkCancel) != kNoticeAnswerOk) return false;
  std::size_t first = 0;
  while (first < path.length() && !IsSeparator(path[first])) ++first;
  if (!CreateFolderPath(path, static_cast<int>(first) + 1)) {
    LangMessageBox("IDS_PATH_FAILED_CREATE", kNoticeOkCancel);
    return false;
  }
  ProjectFolder = path;
  return true;
}

bool CDocManage::CheckMcu(const wxString& mcu) {
  if (mcu.empty()) {
    LangMessageBox("IDS_NO_MCU");
    return false;
  }
  McuName = mcu;
  return true;
}

bool CDocManage::CheckPackage(const wxString& package) {
  if (package.empty()) {
    LangMessageBox("IDS_NO_PACKAGE");
    return false;
  }
  PackageName = package;
  return true;
}

bool CDocManage::LoadChip() {
  const wxString chipFolder = g_App.GetIcFolder(g_FrameworkKind);
  const wxString file = platform::FindPathNoCase(platform::JoinPath(chipFolder, McuName + ".afg"));
  CChipInfo* chip = nullptr;
  if (!g_ChipList.GetChip(McuName, chip, file)) {
    ShowErrorMessage("ERR_LOADCHIP", McuName);
    return false;
  }
  g_CurChipInfo = chip;
  if (!chip->FindPackage(PackageName)) {
    ShowErrorMessage("ERR_LOADPACK", PackageName);
    return false;
  }
  return true;
}
