#include "RealInput.h"

#include "Patience.h"
#include "UiEvents.h"

#include <gtest/gtest.h>

#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#ifdef OLV_TEST_X11
#include <X11/Xlib.h>
#ifdef OLV_TEST_XTEST
#include <X11/extensions/XTest.h>
#endif
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#endif

namespace testsupport {
namespace {

#ifdef OLV_TEST_X11
// A connection of our own: what GTK's connection has queued does not answer
// for the server.
Display* Server() {
  static Display* display = XOpenDisplay(nullptr);
  return display;
}

::Window TopLevelXid(wxWindow* window) {
  wxWindow* top = wxGetTopLevelParent(window);
  if (!top || !top->m_widget) return 0;
  GdkWindow* gdk = gtk_widget_get_window(top->m_widget);
  return gdk && GDK_IS_X11_WINDOW(gdk) ? gdk_x11_window_get_xid(gdk) : 0;
}

bool Viewable(::Window xid) {
  XWindowAttributes attributes;
  return xid && XGetWindowAttributes(Server(), xid, &attributes) && attributes.map_state == IsViewable;
}

// The top-level window under the pointer (a child of the root), and where the pointer is.
::Window WindowUnderPointer(wxPoint* at = nullptr) {
  Display* display = Server();
  ::Window root = 0, child = 0;
  int rootX = 0, rootY = 0, x = 0, y = 0;
  unsigned mask = 0;
  if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y, &mask))
    return 0;
  if (at) *at = wxPoint(rootX, rootY);
  return child;
}

// xid or one of the windows it holds.
bool Within(::Window candidate, ::Window xid) {
  Display* display = Server();
  while (candidate && candidate != xid) {
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, candidate, &root, &parent, &children, &count)) return false;
    if (children) XFree(children);
    if (parent == root) return false;
    candidate = parent;
  }
  return candidate == xid;
}

bool KeyboardGoesTo(::Window xid) {
  ::Window focus = 0;
  int revert = 0;
  XGetInputFocus(Server(), &focus, &revert);
  if (focus == PointerRoot) return Within(WindowUnderPointer(), xid);
  return Within(focus, xid);
}

bool PointerAt(::Window xid, const wxPoint& screenPoint) {
  wxPoint at;
  const ::Window under = WindowUnderPointer(&at);
  return at == screenPoint && Within(under, xid);
}
#endif

bool Holds(bool reached, const char* what, wxWindow* window) {
  if (!reached) {
    ADD_FAILURE() << "the X server never reported " << what << " for the window \""
                  << wxGetTopLevelParent(window)->GetLabel().utf8_str().data() << "\"";
  }
  return reached;
}

}  // namespace

bool WaitUntilMapped(wxWindow* window) {
#ifdef OLV_TEST_X11
  return Holds(PumpUntil([&] { return window->IsShownOnScreen() && Viewable(TopLevelXid(window)); }),
               "the window mapped", window);
#else
  return Holds(PumpUntil([&] { return window->IsShownOnScreen(); }), "the window mapped", window);
#endif
}

bool WaitUntilKeyboardReaches(wxWindow* window) {
#ifdef OLV_TEST_X11
  return Holds(PumpUntil([&] { return KeyboardGoesTo(TopLevelXid(window)); }), "the keyboard's input",
               window);
#else
  (void)window;
  return true;
#endif
}

bool Activate(wxWindow* window) {
  auto* top = wxDynamicCast(wxGetTopLevelParent(window), wxTopLevelWindow);
  if (!top || !WaitUntilMapped(window)) return false;
#ifdef OLV_TEST_X11
  // Back to the pointer's window when this one goes, as before.
  XSetInputFocus(Server(), TopLevelXid(window), RevertToPointerRoot, CurrentTime);
  XFlush(Server());
#else
  top->Raise();
#endif
  if (!WaitUntilKeyboardReaches(window)) return false;
  return Holds(PumpUntil([&] { return top->IsActive(); }), "the window active", window);
}

bool RealClick(wxWindow* window, const wxPoint& point) {
  if (!WaitUntilMapped(window)) return false;
  const wxPoint screenPoint = window->ClientToScreen(point);
  wxUIActionSimulator simulator;
  simulator.MouseMove(screenPoint);
#ifdef OLV_TEST_X11
  const ::Window xid = TopLevelXid(window);
  if (!Holds(PumpUntil([&] { return PointerAt(xid, screenPoint); }), "the pointer over the window", window))
    return false;
#endif
  PumpEvents();
  simulator.MouseClick();
  PumpEvents();
  return true;
}

bool RealWheel(wxWindow* window, const wxPoint& point, int notches) {
  if (!WaitUntilMapped(window)) return false;
  const wxPoint screenPoint = window->ClientToScreen(point);
  wxUIActionSimulator simulator;
  simulator.MouseMove(screenPoint);
#if defined(OLV_TEST_X11) && defined(OLV_TEST_XTEST)
  const ::Window xid = TopLevelXid(window);
  if (!Holds(PumpUntil([&] { return PointerAt(xid, screenPoint); }), "the pointer over the window", window))
    return false;
  PumpEvents();
  // The core protocol's wheel: button 4 turns it up, button 5 down.
  const unsigned button = notches > 0 ? 4 : 5;
  for (int i = 0; i < (notches > 0 ? notches : -notches); ++i) {
    XTestFakeButtonEvent(Server(), button, True, CurrentTime);
    XTestFakeButtonEvent(Server(), button, False, CurrentTime);
    XFlush(Server());
    PumpEvents();
  }
  return true;
#else
  (void)notches;
  ADD_FAILURE() << "no wheel without the X server's test extension";
  return false;
#endif
}

namespace {

// Moves the pointer to point of window and waits until the X server has it there.
bool MovePointer(wxWindow* window, wxUIActionSimulator& simulator, const wxPoint& point) {
  const wxPoint screenPoint = window->ClientToScreen(point);
  simulator.MouseMove(screenPoint);
#ifdef OLV_TEST_X11
  const ::Window xid = TopLevelXid(window);
  if (!Holds(PumpUntil([&] { return PointerAt(xid, screenPoint); }), "the pointer over the window", window))
    return false;
#endif
  PumpEvents();
  return true;
}

}  // namespace

bool RealDrag(wxWindow* window, const wxPoint& from, const wxPoint& to) {
  if (!WaitUntilMapped(window)) return false;
  wxUIActionSimulator simulator;
  if (!MovePointer(window, simulator, from)) return false;
  simulator.MouseDown();
  PumpEvents();
  constexpr int kSteps = 4;
  for (int step = 1; step <= kSteps; ++step) {
    const wxPoint at(from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps);
    if (!MovePointer(window, simulator, at)) {
      simulator.MouseUp();
      PumpEvents();
      return false;
    }
  }
  simulator.MouseUp();
  PumpEvents();
  return true;
}

bool RealClick(wxWindow* window) {
  const wxSize size = window->GetClientSize();
  return RealClick(window, wxPoint(size.x / 2, size.y / 2));
}

namespace {

bool WaitForTyping(wxWindow* focused) {
  if (!WaitUntilMapped(focused)) return false;
  if (!Holds(PumpUntil([&] { return wxWindow::FindFocus() == focused; }), "the focus in the control",
             focused))
    return false;
  return WaitUntilKeyboardReaches(focused);
}

}  // namespace

bool RealType(wxWindow* focused, const wxString& text) {
  if (!WaitForTyping(focused)) return false;
  wxUIActionSimulator simulator;
  simulator.Text(text.utf8_str());
  PumpEvents();
  return true;
}

bool RealKey(wxWindow* focused, int key, int modifiers) {
  if (!WaitForTyping(focused)) return false;
  wxUIActionSimulator simulator;
  simulator.Char(key, modifiers);
  PumpEvents();
  return true;
}

}  // namespace testsupport
