#include "GridInputSupport.h"

#include "UiEvents.h"

#include <wx/utils.h>

#include <algorithm>

namespace gridtest {

void Settle() {
  for (int round = 0; round < 4; ++round) {
    testsupport::PumpEvents();
    wxMilliSleep(10);
  }
  testsupport::PumpEvents();
}

void SendMouse(wxWindow* window, wxEventType type, const wxPoint& point, Modifiers keys) {
  wxMouseEvent event(type);
  event.SetEventObject(window);
  event.SetId(window->GetId());
  event.SetPosition(point);
  event.m_leftDown = type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK || type == wxEVT_MOTION;
  event.m_shiftDown = keys.shift;
  event.m_controlDown = keys.ctrl;
  window->HandleWindowEvent(event);
}

void ClickAt(wxWindow* window, const wxPoint& point, Modifiers keys) {
  SendMouse(window, wxEVT_LEFT_DOWN, point, keys);
  SendMouse(window, wxEVT_LEFT_UP, point, keys);
  Settle();
}

void DragFromTo(wxWindow* window, const wxPoint& from, const wxPoint& to) {
  SendMouse(window, wxEVT_LEFT_DOWN, from);
  SendMouse(window, wxEVT_MOTION, wxPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
  SendMouse(window, wxEVT_MOTION, to);
  SendMouse(window, wxEVT_LEFT_UP, to);
  testsupport::PumpEvents();
}

void PressKey(wxWindow* window, int keyCode, wxChar unicode, Modifiers keys) {
  const auto send = [&](wxEventType type) {
    wxKeyEvent event(type);
    event.SetEventObject(window);
    event.SetId(window->GetId());
    event.m_keyCode = keyCode;
    event.m_uniChar = unicode;
    event.m_shiftDown = keys.shift;
    event.m_controlDown = keys.ctrl;
    return window->HandleWindowEvent(event);
  };
  if (!send(wxEVT_KEY_DOWN)) send(wxEVT_CHAR);
  Settle();
}

CInPlaceEdit* EditorOf(CGridCtrl* grid, int row, int col) {
  CGridCellBase* cell = grid->GetCell(row, col);
  return cell ? dynamic_cast<CInPlaceEdit*>(cell->GetEditWnd()) : nullptr;
}

CNotifyRecorder::CNotifyRecorder(wxWindow* owner) : m_owner(owner) {
  owner->Bind(OLV_EVT_GRID_NOTIFY, &CNotifyRecorder::OnNotify, this);
}

CNotifyRecorder::~CNotifyRecorder() {
  m_owner->Unbind(OLV_EVT_GRID_NOTIFY, &CNotifyRecorder::OnNotify, this);
}

bool CNotifyRecorder::Saw(int code) const {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

void CNotifyRecorder::OnNotify(CGridNotifyEvent& event) {
  codes.push_back(event.GetCode());
  if (event.GetCode() == GVN_BEGINLABELEDIT) event.SetResult(beginEditAnswer);
  if (event.GetCode() == GVN_ENDLABELEDIT) event.SetResult(endEditAnswer);
}

}  // namespace gridtest
