// The key page's one-time user guide: offered once when the key page shows
// with its flag armed (core/UserIni.h), and suppressed for good by a per-user
// key. Also the choice of the output's framework folder.
#pragma once

#include <wx/string.h>

#include <vector>

// The per-user key ("Olvanta" section) that suppresses the guide:
// "Prompt_Standard" (general remote with a standard code mode 1..14),
// "Prompt_UserDef" (other general remotes) or "Prompt_UserDef_Air" (LCD).
wxString GuidePromptKey(int remoteType, int codeMode);
// The guide is still wanted: userIni is known and its prompt key of the
// remote is unset or "0".
bool KeyPageGuideWanted(const wxString& userIni, int remoteType, int codeMode);
// The guide was seen to its end: its prompt key becomes "1".
void SuppressKeyPageGuide(const wxString& userIni, int remoteType, int codeMode);

// The file whose [PreviewImages] names the guide's pictures: "Setting.ini"
// of "Standard" or "Custom" for a general remote, "KeyConfig.ini" of
// "Custom" for an LCD remote, in protocolFolder.
wxString GuideListFile(const wxString& protocolFolder, int remoteType, int codeMode);

// The picture names of [PreviewImages] "0", "1", ... up to the first missing
// key; the touch chip starts at "1" and QK37A0640 shows "0" only.
std::vector<wxString> CollectGuidePictures(const wxString& listFile, const wxString& mcu);

// The framework folder of the output: "IR_FrameWork_USER_DEF" (general
// remote, code mode 15), "IR_FrameWork_STD" (other general remotes),
// "IR_FrameWork_LCD_LITE" (LCD simple) or "IR_FrameWork_LCD_STD".
wxString FrameworkFolderName(int remoteType, int codeMode);
