#include "core/UserIni.h"

#include "core/FileHelpers.h"
#include "core/FuncRecords.h"
#include "core/MessageBoxes.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <wx/filename.h>

wxString GetUserIniPath() {
  const wxString folder = platform::JoinPath(GetLocalAppDataPath(), "OLVANTA");
  if (!wxFileName::DirExists(folder) && !wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
    LangMessageBox("IDS_PATH_FAILED_CREATE");
    return wxString();
  }
  const wxString file = platform::JoinPath(folder, "ir_remote.ini");
  if (!wxFileName::FileExists(file) && !platform::WriteFileAtomically(file, std::string("\xFF\xFE", 2))) {
    LangMessageBox("IDS_CREATE_PROJECT_FAILED");
    return wxString();
  }
  return file;
}

namespace {
bool g_guidePromptArmed[3] = {false, false, false};
}  // namespace

void ArmGuidePrompt(GuidePrompt prompt) { g_guidePromptArmed[static_cast<int>(prompt)] = true; }
void DisarmGuidePrompt(GuidePrompt prompt) { g_guidePromptArmed[static_cast<int>(prompt)] = false; }
bool IsGuidePromptArmed(GuidePrompt prompt) { return g_guidePromptArmed[static_cast<int>(prompt)]; }

namespace {
template <class Field>
int RecordValue(int funcNo, Field stFuncRecord::*field, int missing) {
  stFuncRecord* record = nullptr;
  return FindFuncRecord(funcNo, &record) ? static_cast<int>(record->*field) : missing;
}
}  // namespace

int GetFuncOpenEnable(int funcNo) { return RecordValue(funcNo, &stFuncRecord::OpenEnable, 0); }
int GetFuncCloseEnable(int funcNo) { return RecordValue(funcNo, &stFuncRecord::CloseEnable, 0); }
int GetFuncStartPos(int funcNo) { return RecordValue(funcNo, &stFuncRecord::StartPos, -1); }
int GetFuncModeSelect(int funcNo) { return RecordValue(funcNo, &stFuncRecord::ModeSelect, -1); }
