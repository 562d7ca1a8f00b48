// User input for the grid tests: mouse events with modifier keys, key
// presses (key down, then the character when the key down was left to the
// default handling), the notifications an owner receives.
#pragma once

#include "controls/grid/GridCtrl.h"
#include "controls/grid/InPlaceEdit.h"

#include <wx/window.h>

#include <vector>

namespace gridtest {

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
};

// Runs pending events until the display's focus changes have arrived.
void Settle();

void SendMouse(wxWindow* window, wxEventType type, const wxPoint& point, Modifiers keys = {});
void ClickAt(wxWindow* window, const wxPoint& point, Modifiers keys = {});
// A left-button drag from one point to another, released there.
void DragFromTo(wxWindow* window, const wxPoint& from, const wxPoint& to);
void PressKey(wxWindow* window, int keyCode, wxChar unicode = 0, Modifiers keys = {});

// The editor open over the cell, or null.
CInPlaceEdit* EditorOf(CGridCtrl* grid, int row, int col);

// Records the grid notifications that reach a window and answers them.
class CNotifyRecorder {
 public:
  explicit CNotifyRecorder(wxWindow* owner);
  ~CNotifyRecorder();
  std::vector<int> codes;
  long beginEditAnswer = 0;
  long endEditAnswer = 0;
  bool Saw(int code) const;

 private:
  void OnNotify(CGridNotifyEvent& event);
  wxWindow* m_owner;
};

}  // namespace gridtest
