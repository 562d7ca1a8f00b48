// The per-user settings file "ir_remote.ini" in the folder "OLVANTA" of the
// user's local application data, created with its folder and a UTF-16
// byte-order mark when missing.
#pragma once

#include <wx/string.h>

// The file's path; empty (after a notice) when its folder or the file cannot be created.
wxString GetUserIniPath();

// Function record values by number, with the given defaults when the number has no record.
int GetFuncOpenEnable(int funcNo);   // 0 when no record
int GetFuncCloseEnable(int funcNo);  // 0 when no record
int GetFuncStartPos(int funcNo);     // -1 when no record
int GetFuncModeSelect(int funcNo);   // -1 when no record
