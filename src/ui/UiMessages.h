// Window messages between the widgets and their pages. Each message is a
// wxCommandEvent type named after the message; GetInt() carries wParam and
// GetClientData() carries lParam. The numbers are kept for reference and for
// code that stores or compares them.
#pragma once

#include <wx/event.h>

enum UiMessageNumber : int {
  kMsgEditFocus = 0x401,
  kMsgEditChanged = 0x402,
  kMsgMaskEditKey = 0x406,
  kMsgPictureSelect = 0x7FC,
};

// A masked edit gained the focus: wParam 0, lParam its owning CLUEdit or null.
wxDECLARE_EVENT(WM_EDIT_FOCUS, wxCommandEvent);
// A masked edit lost the focus: wParam 1 when its value is in range, lParam as above.
wxDECLARE_EVENT(WM_EDIT_CHANGED, wxCommandEvent);
// A masked edit accepted a character: wParam is its text after the character
// read as a hexadecimal number (GetExtraLong holds the same value), lParam 0.
wxDECLARE_EVENT(WM_MASKEDIT_KEY, wxCommandEvent);
// A PNG picture was clicked: wParam the index now shown.
wxDECLARE_EVENT(WM_PICTURE_SELECT, wxCommandEvent);

// Sends a message to target synchronously (it travels up the parents when
// target does not handle it). Returns whether a handler processed it.
bool SendUiMessage(wxWindow* target, wxEventType type, wxWindow* source, int wParam, void* lParam);
