// User input through the display server, as a person's pointer and keyboard
// make it: every step first waits for the state the X server reports (the
// window mapped, the pointer over it, the keyboard's input going to it), with
// the shared patience, so that a loaded machine only makes a test slower.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxWindow;

namespace testsupport {

// The X server shows window's top-level window (mapped and viewable).
bool WaitUntilMapped(wxWindow* window);
// Keys typed now reach window's top-level window (its input focus, or the
// pointer over it while the focus follows the pointer).
bool WaitUntilKeyboardReaches(wxWindow* window);
// Makes window's top-level window the active one, as a window manager does
// when the user picks it (the test's display has none): once it is mapped the
// keyboard's input goes to it, and returns when the X server sends it there
// and the toolkit has taken it in. A window that becomes active gives the
// focus back to the child that held it last, so a test that moves the focus
// itself first waits for this.
bool Activate(wxWindow* window);

// A left click at point (client coordinates of window): once window is
// mapped, the pointer moves there and the click is made when the X server
// has the pointer over window's top-level window. False (after a test
// failure) when the server never got there.
bool RealClick(wxWindow* window, const wxPoint& point);
// The centre of window.
bool RealClick(wxWindow* window);

// Turns the mouse wheel by notches at point (client coordinates of window),
// once the pointer is there: positive notches away from the user (up),
// negative towards the user (down). Needs the X server's test extension.
bool RealWheel(wxWindow* window, const wxPoint& point, int notches);
// A left-button drag with the pointer: pressed at from, moved to to in a few
// steps, released there (client coordinates of window); each step once the X
// server has the pointer at its point. False (after a test failure) when the
// server never got there.
bool RealDrag(wxWindow* window, const wxPoint& from, const wxPoint& to);

// Types text into focused, once focused holds the toolkit's focus and the X
// server sends the keyboard's input to its top-level window.
bool RealType(wxWindow* focused, const wxString& text);
// One key (WXK_ code or character) with modifiers (wxMOD_ flags).
bool RealKey(wxWindow* focused, int key, int modifiers = 0);

}  // namespace testsupport
