// Drives windows through the events that a user's mouse and keyboard produce,
// synchronously, and saves screenshots for visual checks.
#pragma once

#include "Patience.h"

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/string.h>

#include <chrono>
#include <functional>
#include <ostream>

// Colours in test failures read as rgb(r, g, b).
inline void PrintTo(const wxColour& colour, std::ostream* os) {
  *os << colour.GetAsString(wxC2S_CSS_SYNTAX).ToStdString();
}

class wxWindow;
class wxTextCtrl;

namespace testsupport {

// Runs the pending events and idle handlers until none are left (bounded).
void PumpEvents();

// Pumps events until done() holds; false when limit passed first.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = kPatience);

// Mouse events at point (client coordinates of window).
void MouseMove(wxWindow* window, const wxPoint& point, bool leftDown = false);
void MouseEnter(wxWindow* window, const wxPoint& point);
void MouseLeave(wxWindow* window, const wxPoint& point = wxPoint(-1, -1));
void MouseDown(wxWindow* window, const wxPoint& point);
void MouseUp(wxWindow* window, const wxPoint& point);
void MouseDoubleClick(wxWindow* window, const wxPoint& point);
// Down and up at the same point.
void Click(wxWindow* window, const wxPoint& point);

// A key press in a text entry as the user makes it: key down, then the
// character; what no handler took is done the way the entry itself would
// (insert the character, backspace, delete). Returns whether the text changed.
bool TypeKey(wxTextCtrl* text, int keyCode, wxChar unicode = 0);
// Types every character of chars.
void TypeText(wxTextCtrl* text, const wxString& chars);

// Sends the focus events that moving the focus from one window to another
// produces (the loser's kill-focus first). The display's real focus is left
// alone so that the result does not depend on a window manager.
void MoveFocus(wxWindow* from, wxWindow* to);

// Waits until window is on the screen and its pixels have settled; returns them.
wxImage WaitForScreen(wxWindow* window);

// The screen pixels of window (its whole outline) as a PNG under
// <build>/artifacts/<name>. Returns the file path, empty on failure.
wxString SaveWindowScreenshot(wxWindow* window, const wxString& name);

// The colour of a pixel of window on the screen (client coordinates).
wxColour ScreenPixel(wxWindow* window, const wxPoint& point);

}  // namespace testsupport
