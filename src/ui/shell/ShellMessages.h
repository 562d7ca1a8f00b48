// Window messages between the pages and the main dialog. Each message is an
// event type named after it; the event carries wParam and lParam and the
// handler's answer (the message result).
#pragma once

#include <wx/event.h>

enum ShellMessageNumber : int {
  kMsgSaveProject = 0x467,
  kMsgAirFormatType = 0x468,
  kMsgPageRelayout = 0x469,
  kMsgShowFirstPage = 0x46B,
  kMsgBuildDone = 0x46C,
  kMsgGlobalSelChanged = 0x46E,
  kMsgGlobalSelText = 0x471,
  kMsgWtUpdateFirmware = 0x65A,
  kMsgBoardState = 0x662,
  kMsgBoardButtonState = 0x665,
  kMsgShowProtocolPage = 0x7F2,
  kMsgRemoteTypeChanged = 0x7F3,
  kMsgCloseModePages = 0x7F4,
  kMsgAirResetView = 0x7F8,
};

class CShellMessageEvent : public wxCommandEvent {
 public:
  CShellMessageEvent(wxEventType type = wxEVT_NULL, long wParam = 0, long lParam = 0)
      : wxCommandEvent(type), m_wParam(wParam), m_lParam(lParam) {
    SetInt(static_cast<int>(wParam));
  }
  long WParam() const { return m_wParam; }
  long LParam() const { return m_lParam; }
  long GetResult() const { return m_result; }
  void SetResult(long result) { m_result = result; }
  wxEvent* Clone() const override { return new CShellMessageEvent(*this); }

 private:
  long m_wParam;
  long m_lParam;
  long m_result = 0;
};

wxDECLARE_EVENT(WM_SAVE_PROJECT, CShellMessageEvent);
wxDECLARE_EVENT(WM_AIR_FORMAT_TYPE, CShellMessageEvent);
wxDECLARE_EVENT(WM_PAGE_RELAYOUT, CShellMessageEvent);
wxDECLARE_EVENT(WM_SHOW_FIRST_PAGE, CShellMessageEvent);
wxDECLARE_EVENT(WM_BUILD_DONE, CShellMessageEvent);
wxDECLARE_EVENT(WM_GLOBAL_SEL_CHANGED, CShellMessageEvent);
wxDECLARE_EVENT(WM_GLOBAL_SEL_TEXT, CShellMessageEvent);
wxDECLARE_EVENT(WM_WT_UPDATE_FIRMWARE, CShellMessageEvent);
wxDECLARE_EVENT(WM_BOARD_STATE, CShellMessageEvent);
wxDECLARE_EVENT(WM_BOARD_BUTTON_STATE, CShellMessageEvent);
wxDECLARE_EVENT(WM_SHOW_PROTOCOL_PAGE, CShellMessageEvent);
wxDECLARE_EVENT(WM_REMOTE_TYPE_CHANGED, CShellMessageEvent);
wxDECLARE_EVENT(WM_CLOSE_MODE_PAGES, CShellMessageEvent);
wxDECLARE_EVENT(WM_AIR_RESET_VIEW, CShellMessageEvent);

// Sends a message synchronously; its result (0 when nobody handled it).
long SendShellMessage(wxWindow* target, wxEventType type, long wParam = 0, long lParam = 0);
// Queues a message for target's next event loop pass.
void PostShellMessage(wxWindow* target, wxEventType type, long wParam = 0, long lParam = 0);
