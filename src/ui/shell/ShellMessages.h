// Window messages between the pages and the main dialog, and between the
// receiver thread and the windows it reports to. Each message is an event
// type named after it; the event carries wParam and lParam (wide enough for
// a pointer) and the handler's answer (the message result). Messages between
// pages are in PageMessages.h. A number that two messages share stands for
// two event types: what a window handles depends on the type, not the number.
#pragma once

#include <wx/event.h>

enum ShellMessageNumber : int {
  kMsgSaveProject = 0x467,
  kMsgAirFormatType = 0x468,
  kMsgPageRelayout = 0x469,
  kMsgPageUpdate = 0x46A,
  kMsgShowFirstPage = 0x46B,
  kMsgBuildDone = 0x46C,
  kMsgGlobalSelChanged = 0x46E,
  kMsgGlobalSelText = 0x471,
  kMsgWtStartDecode = 0x658,
  kMsgWtConnect = 0x659,
  kMsgWtUpdateFirmware = 0x65A,
  kMsgWtStopDecode = 0x65B,
  kMsgWtBuildDone = 0x661,
  kMsgBoardState = 0x662,
  kMsgBoardStatusText = 0x663,
  kMsgBoardUpdateProgress = 0x664,
  kMsgBoardButtonState = 0x665,
  kMsgDecodeWaveBlock = 0x666,
  kMsgDecodeParse = 0x667,
  kMsgDecodeDone = 0x668,
  kMsgDecodeReset = 0x669,
  kMsgShowProtocolPage = 0x7F2,
  kMsgRemoteTypeChanged = 0x7F3,
  kMsgCloseModePages = 0x7F4,
  kMsgAirResetView = 0x7F8,
};

class CShellMessageEvent : public wxCommandEvent {
 public:
  CShellMessageEvent(wxEventType type = wxEVT_NULL, wxIntPtr wParam = 0, wxIntPtr lParam = 0)
      : wxCommandEvent(type), m_wParam(wParam), m_lParam(lParam) {
    SetInt(static_cast<int>(wParam));
  }
  wxIntPtr WParam() const { return m_wParam; }
  wxIntPtr LParam() const { return m_lParam; }
  long GetResult() const { return m_result; }
  void SetResult(long result) { m_result = result; }
  wxEvent* Clone() const override { return new CShellMessageEvent(*this); }

 private:
  wxIntPtr m_wParam;
  wxIntPtr m_lParam;
  long m_result = 0;
};

// To the main dialog.
wxDECLARE_EVENT(WM_SAVE_PROJECT, CShellMessageEvent);
wxDECLARE_EVENT(WM_AIR_FORMAT_TYPE, CShellMessageEvent);
// The key page lays itself out again for the LCD mode.
wxDECLARE_EVENT(WM_PAGE_RELAYOUT, CShellMessageEvent);
// Progress of the key page's pin refresh: wParam a percentage, 10 to 100.
wxDECLARE_EVENT(WM_PAGE_UPDATE, CShellMessageEvent);
wxDECLARE_EVENT(WM_SHOW_FIRST_PAGE, CShellMessageEvent);
// The output was built.
wxDECLARE_EVENT(WM_BUILD_DONE, CShellMessageEvent);
wxDECLARE_EVENT(WM_GLOBAL_SEL_CHANGED, CShellMessageEvent);
// The package changes: wParam the new package name; to the main dialog and the key and LCD pages.
wxDECLARE_EVENT(WM_GLOBAL_SEL_TEXT, CShellMessageEvent);
wxDECLARE_EVENT(WM_SHOW_PROTOCOL_PAGE, CShellMessageEvent);
wxDECLARE_EVENT(WM_REMOTE_TYPE_CHANGED, CShellMessageEvent);
wxDECLARE_EVENT(WM_CLOSE_MODE_PAGES, CShellMessageEvent);
wxDECLARE_EVENT(WM_AIR_RESET_VIEW, CShellMessageEvent);

// To the receiver thread.
wxDECLARE_EVENT(WM_WT_START_DECODE, CShellMessageEvent);  // wParam the decode page
wxDECLARE_EVENT(WM_WT_CONNECT, CShellMessageEvent);
// wParam the decode page, lParam a copy of the firmware path the thread frees.
wxDECLARE_EVENT(WM_WT_UPDATE_FIRMWARE, CShellMessageEvent);
wxDECLARE_EVENT(WM_WT_STOP_DECODE, CShellMessageEvent);
wxDECLARE_EVENT(WM_WT_BUILD_DONE, CShellMessageEvent);

// From the receiver thread: to the main window, which forwards them to the decode page.
wxDECLARE_EVENT(WM_BOARD_STATE, CShellMessageEvent);
wxDECLARE_EVENT(WM_BOARD_BUTTON_STATE, CShellMessageEvent);
// From the receiver thread to the window it reports to (the decode page).
wxDECLARE_EVENT(WM_BOARD_STATUS_TEXT, CShellMessageEvent);      // lParam a constant language key
wxDECLARE_EVENT(WM_BOARD_UPDATE_PROGRESS, CShellMessageEvent);  // wParam a percentage
// wParam (length << 16) | record id, lParam the record's bytes, valid during the call.
wxDECLARE_EVENT(WM_DECODE_WAVE_BLOCK, CShellMessageEvent);
wxDECLARE_EVENT(WM_DECODE_PARSE, CShellMessageEvent);
wxDECLARE_EVENT(WM_DECODE_DONE, CShellMessageEvent);
wxDECLARE_EVENT(WM_DECODE_RESET, CShellMessageEvent);

// Sends a message synchronously; its result (0 when nobody handled it).
long SendShellMessage(wxWindow* target, wxEventType type, wxIntPtr wParam = 0, wxIntPtr lParam = 0);
// Queues a message for target's next event loop pass.
void PostShellMessage(wxWindow* target, wxEventType type, wxIntPtr wParam = 0, wxIntPtr lParam = 0);
