#include "UiEvents.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <cstring>

#ifdef OLV_TEST_X11
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/event.h>
#include <wx/filename.h>
#include <wx/textctrl.h>
#include <wx/window.h>

namespace testsupport {

void PumpEvents() {
  for (int round = 0; round < 50; ++round) {
    wxTheApp->ProcessPendingEvents();
    if (!wxTheApp->Pending()) {
      wxYield();
      if (!wxTheApp->Pending() && !wxTheApp->HasPendingEvents()) break;
    }
    while (wxTheApp->Pending()) wxTheApp->Dispatch();
  }
  wxTheApp->ProcessIdle();
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  for (;;) {
    PumpEvents();
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    wxMilliSleep(5);
  }
}

namespace {

void SendMouse(wxWindow* window, wxEventType type, const wxPoint& point, bool leftDown) {
  wxMouseEvent event(type);
  event.SetEventObject(window);
  event.SetId(window->GetId());
  event.SetPosition(point);
  event.m_leftDown = leftDown;
  window->HandleWindowEvent(event);
}

void SendKey(wxWindow* window, wxEventType type, int keyCode, wxChar unicode, bool& handled) {
  wxKeyEvent event(type);
  event.SetEventObject(window);
  event.SetId(window->GetId());
  event.m_keyCode = keyCode;
  event.m_uniChar = unicode;
  // A handler that wants the default action skips the event.
  handled = window->HandleWindowEvent(event);
}

}  // namespace

void MouseMove(wxWindow* window, const wxPoint& point, bool leftDown) {
  SendMouse(window, wxEVT_MOTION, point, leftDown);
}
void MouseEnter(wxWindow* window, const wxPoint& point) {
  SendMouse(window, wxEVT_ENTER_WINDOW, point, false);
}
void MouseLeave(wxWindow* window, const wxPoint& point) {
  SendMouse(window, wxEVT_LEAVE_WINDOW, point, false);
}
void MouseDown(wxWindow* window, const wxPoint& point) { SendMouse(window, wxEVT_LEFT_DOWN, point, true); }
void MouseUp(wxWindow* window, const wxPoint& point) { SendMouse(window, wxEVT_LEFT_UP, point, false); }
void MouseDoubleClick(wxWindow* window, const wxPoint& point) {
  SendMouse(window, wxEVT_LEFT_DCLICK, point, true);
}
void Click(wxWindow* window, const wxPoint& point) {
  MouseDown(window, point);
  MouseUp(window, point);
}

bool TypeKey(wxTextCtrl* text, int keyCode, wxChar unicode) {
  const wxString before = text->GetValue();
  bool handled = false;
  SendKey(text, wxEVT_KEY_DOWN, keyCode, unicode, handled);
  if (handled) return false;
  SendKey(text, wxEVT_CHAR, keyCode, unicode, handled);
  if (handled) return false;
  long from = 0;
  long to = 0;
  text->GetSelection(&from, &to);
  const long caret = text->GetInsertionPoint();
  if (keyCode == WXK_BACK) {
    if (from != to) {
      text->Remove(from, to);
    } else if (caret > 0) {
      text->Remove(caret - 1, caret);
    }
  } else if (keyCode == WXK_DELETE) {
    if (from != to) {
      text->Remove(from, to);
    } else if (caret < text->GetLastPosition()) {
      text->Remove(caret, caret + 1);
    }
  } else if (unicode >= 32) {
    text->WriteText(wxString(unicode));
  }
  return text->GetValue() != before;
}

void TypeText(wxTextCtrl* text, const wxString& chars) {
  for (const wxUniChar ch : chars)
    TypeKey(text, static_cast<int>(ch.GetValue()), static_cast<wxChar>(ch.GetValue()));
}

void MoveFocus(wxWindow* from, wxWindow* to) {
  if (from) {
    wxFocusEvent kill(wxEVT_KILL_FOCUS, from->GetId());
    kill.SetEventObject(from);
    kill.SetWindow(to);
    from->HandleWindowEvent(kill);
  }
  if (to) {
    wxFocusEvent set(wxEVT_SET_FOCUS, to->GetId());
    set.SetEventObject(to);
    set.SetWindow(from);
    to->HandleWindowEvent(set);
  }
  PumpEvents();
}

namespace {

#ifdef OLV_TEST_X11
// Reads the X server's pixels over a connection of its own: GDK may hand out
// a cached copy of the root window.
wxImage CaptureScreen(const wxRect& rect) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return wxImage();
  wxImage image;
  XImage* pixels = XGetImage(display, DefaultRootWindow(display), rect.x, rect.y, rect.width, rect.height,
                             AllPlanes, ZPixmap);
  if (pixels) {
    image.Create(rect.width, rect.height);
    for (int y = 0; y < rect.height; ++y) {
      for (int x = 0; x < rect.width; ++x) {
        const unsigned long pixel = XGetPixel(pixels, x, y);
        image.SetRGB(x, y, (pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
      }
    }
    XDestroyImage(pixels);
  }
  XCloseDisplay(display);
  return image;
}
#else
wxImage CaptureScreen(const wxRect& rect) {
  wxBitmap bitmap(rect.width, rect.height, 24);
  {
    wxMemoryDC memory(bitmap);
    wxScreenDC screen;
    memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
  }
  return bitmap.ConvertToImage();
}
#endif

bool SamePixels(const wxImage& a, const wxImage& b) {
  return a.IsOk() && b.IsOk() && a.GetSize() == b.GetSize() &&
         memcmp(a.GetData(), b.GetData(), 3 * static_cast<size_t>(a.GetWidth()) * a.GetHeight()) == 0;
}

}  // namespace

wxImage WaitForScreen(wxWindow* window) {
  // The X server maps and exposes windows asynchronously: wait until two
  // captures in a row agree (bounded to about two seconds).
  wxImage previous;
  for (int attempt = 0; attempt < 100; ++attempt) {
    window->Refresh();
    window->Update();
    PumpEvents();
    wxImage current = CaptureScreen(window->GetScreenRect());
    if (window->IsShownOnScreen() && SamePixels(previous, current)) return current;
    previous = current;
    wxMilliSleep(20);
  }
  return previous;
}

wxString SaveWindowScreenshot(wxWindow* window, const wxString& name) {
  const wxImage image = WaitForScreen(window);
  const wxString folder = wxString(OLV_BINARY_DIR) + wxFILE_SEP_PATH + "artifacts";
  wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  const wxString path = folder + wxFILE_SEP_PATH + name;
  return image.IsOk() && image.SaveFile(path, wxBITMAP_TYPE_PNG) ? path : wxString();
}

wxColour ScreenPixel(wxWindow* window, const wxPoint& point) {
  wxWindow* top = wxGetTopLevelParent(window);
  const wxImage image = WaitForScreen(top);
  const wxPoint at = window->ClientToScreen(point) - top->GetScreenPosition();
  if (!image.IsOk() || !wxRect(image.GetSize()).Contains(at)) return wxColour();
  return wxColour(image.GetRed(at.x, at.y), image.GetGreen(at.x, at.y), image.GetBlue(at.x, at.y));
}

}  // namespace testsupport
