#include "keys/KeyGuide.h"

#include "core/ProjectKinds.h"
#include "keys/PinRules.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace {
bool IsStandardCodeMode(int codeMode) { return codeMode >= 1 && codeMode <= 14; }
}  // namespace

wxString GuidePromptKey(int remoteType, int codeMode) {
  if (!IsGeneralRemote(remoteType)) return "Prompt_UserDef_Air";
  return IsStandardCodeMode(codeMode) ? "Prompt_Standard" : "Prompt_UserDef";
}

bool KeyPageGuideWanted(const wxString& userIni, int remoteType, int codeMode) {
  if (userIni.empty()) return false;
  return platform::ReadProfileString(userIni, "Olvanta", GuidePromptKey(remoteType, codeMode), "0") == "0";
}

void SuppressKeyPageGuide(const wxString& userIni, int remoteType, int codeMode) {
  platform::WriteProfileString(userIni, "Olvanta", GuidePromptKey(remoteType, codeMode), "1");
}

wxString GuideListFile(const wxString& protocolFolder, int remoteType, int codeMode) {
  if (!IsGeneralRemote(remoteType))
    return platform::JoinPath(platform::JoinPath(protocolFolder, "Custom"), "KeyConfig.ini");
  const wxString folder = IsStandardCodeMode(codeMode) ? "Standard" : "Custom";
  return platform::JoinPath(platform::JoinPath(protocolFolder, folder), "Setting.ini");
}

std::vector<wxString> CollectGuidePictures(const wxString& listFile, const wxString& mcu) {
  std::vector<wxString> pictures;
  const wxString file = platform::FindPathNoCase(listFile);
  for (int index = IsTouchChip(mcu) ? 1 : 0;; ++index) {
    if (index == 1 && mcu.CmpNoCase("QK37A0640") == 0) break;
    const wxString key = wxString::Format("%d", index);
    if (!platform::ProfileKeyExists(file, "PreviewImages", key)) break;
    pictures.push_back(platform::ReadProfileString(file, "PreviewImages", key, ""));
  }
  return pictures;
}

wxString FrameworkFolderName(int remoteType, int codeMode) {
  if (IsGeneralRemote(remoteType)) return codeMode == 15 ? "IR_FrameWork_USER_DEF" : "IR_FrameWork_STD";
  if (remoteType == kRemoteLcdSimple) return "IR_FrameWork_LCD_LITE";
  return "IR_FrameWork_LCD_STD";
}
