// The per-user settings file "ir_remote.ini" in the folder "OLVANTA" of the
// user's local application data, created with its folder and a UTF-16
// byte-order mark when missing.
#pragma once

#include <wx/string.h>

// The file's path; empty (after a notice) when its folder or the file cannot be created.
wxString GetUserIniPath();

// The one-time guide prompts of three pages, each offered when its page is
// shown with its flag armed (and the per-user file does not suppress it).
// Process-wide flags, UI thread only: the air carrier page arms all three when
// it is shown and the LCD page's when it commits; the general protocol pages
// arm the key page's when they commit.
enum class GuidePrompt { kAirDataFormat, kKeyPage, kLcdPage };
void ArmGuidePrompt(GuidePrompt prompt);
void DisarmGuidePrompt(GuidePrompt prompt);
bool IsGuidePromptArmed(GuidePrompt prompt);

// The key page's flag, as its callers name it.
inline void ArmKeyPageGuide() { ArmGuidePrompt(GuidePrompt::kKeyPage); }
inline void DisarmKeyPageGuide() { DisarmGuidePrompt(GuidePrompt::kKeyPage); }
inline bool IsKeyPageGuideArmed() { return IsGuidePromptArmed(GuidePrompt::kKeyPage); }

// Function record values by number, with the given defaults when the number has no record.
int GetFuncOpenEnable(int funcNo);   // 0 when no record
int GetFuncCloseEnable(int funcNo);  // 0 when no record
int GetFuncStartPos(int funcNo);     // -1 when no record
int GetFuncModeSelect(int funcNo);   // -1 when no record
