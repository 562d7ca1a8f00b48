// Creating, opening and validating the project and loading its chip.
#include "core/DocManage.h"

#include "core/AppContext.h"
#include "core/ChipModel.h"
#include "core/FileHelpers.h"
#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "core/StringHelpers.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"

#include <wx/filefn.h>

namespace {

constexpr std::size_t kValueBuffer = 260;
const wxString kInvalidNameChars = "\\/:*?\"<>|";

bool IsSeparator(wxChar c) { return c == '/' || c == '\\'; }

int FindLastSeparator(const wxString& path) {
  for (int i = static_cast<int>(path.length()) - 1; i >= 0; --i) {
    if (IsSeparator(path[static_cast<std::size_t>(i)])) return i;
  }
  return wxNOT_FOUND;
}

wxString ReadValue(const wxString& file, const wxString& section, const wxString& key) {
  return platform::ReadProfileString(file, section, key, "", kValueBuffer);
}

// Applies a [KeyConfig] number when its key is present.
void ReadKeyNumber(const wxString& file, const char* key, std::int32_t& field) {
  if (!platform::ProfileKeyExists(file, "KeyConfig", key)) return;
  field = static_cast<std::int32_t>(ParseNumber(ReadValue(file, "KeyConfig", key)));
}

}  // namespace

wxString CDocManage::BuildProjectFilePath() const {
  const wxString extension = g_BrandFlag != 0 ? ".ovirprj" : ".lmirprj";
  return platform::JoinPath(ProjectFolder, ProjectName + extension);
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
  if (!platform::WriteFileAtomically(path, std::string("\xFF\xFE", 2))) {
    LangMessageBox("IDS_CREATE_PROJECT_FAILED");
    return false;
  }
  ProjectFilePath = path;
  const std::pair<const char*, wxString> keys[] = {
      {"Name", ProjectName},
      {"Folder", ProjectFolder},
      {"MCU", McuName},
      {"Package", PackageName},
      {"RemoteType", wxString::Format("%d", RemoteType)},
      {"ProtocolType", wxString::Format("%d", ProtocolType)},
      {"Volt", "0"},
  };
  for (const auto& [key, value] : keys) {
    if (!platform::WriteProfileString(path, "Project", key, value)) {
      LangMessageBox("IDS_CREATE_PROJECT_FAILED");
      return false;
    }
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

  const wxString mcu = ReadValue(path, "Project", "MCU");
  const wxString package = ReadValue(path, "Project", "Package");
  const wxString remoteType = ReadValue(path, "Project", "RemoteType");
  const wxString protocolType = ReadValue(path, "Project", "ProtocolType");

  if (!CheckProjectName(name) || !CheckProjectPath(folder, false) || !CheckMcu(mcu) ||
      !CheckPackage(package)) {
    return false;
  }
  RemoteType = static_cast<std::int32_t>(ParseNumber(remoteType));
  LeadCodeOn = RemoteType != 0 ? 1 : 0;
  ProtocolType = static_cast<std::int32_t>(ParseNumber(protocolType));
  ProjectFilePath = path;

  g_App.protocolFolder = g_App.GetProtocolFolder(g_FrameworkKind);
  g_App.icFolder = g_App.GetIcFolder(g_FrameworkKind);

  const wxString keyPackage = ReadValue(path, "KeyConfig", "Package");
  if (!keyPackage.empty()) PackageName = keyPackage;
  ReadKeyNumber(path, "Keypad", Keypad);
  ReadKeyNumber(path, "CodeType", CodeType);
  ReadKeyNumber(path, "VSS", VssRow);
  ReadKeyNumber(path, "Key Mode", KeyMode);
  ReadKeyNumber(path, "Touch Frequency", TouchFrequency);
  ReadKeyNumber(path, "PressAndHold", PressAndHold);
  ReadKeyNumber(path, "Double Button", DoubleButton);
  ReadKeyNumber(path, "Button Mode", ButtonMode);
  ReadKeyNumber(path, "Button State", ButtonState);
  ReadKeyNumber(path, "LCD Button State", LcdButtonState);
  ReadKeyNumber(path, "High Sensitivity", HighSensitivity);
  if (platform::ProfileKeyExists(path, "KeyConfig", "TouchKey")) {
    wxString list = ReadValue(path, "KeyConfig", "TouchKey");
    for (std::int32_t& value : TouchKey)
      value = static_cast<std::int32_t>(ParseNumber(GetNextToken(list, ",")));
  }
  return true;
}

bool CDocManage::CheckProjectName(const wxString& name) {
  if (name.empty()) {
    LangMessageBox("IDS_NAME_EMPTY");
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
