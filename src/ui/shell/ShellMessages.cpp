#include "ui/shell/ShellMessages.h"

#include <wx/window.h>

wxDEFINE_EVENT(WM_SAVE_PROJECT, CShellMessageEvent);
wxDEFINE_EVENT(WM_AIR_FORMAT_TYPE, CShellMessageEvent);
wxDEFINE_EVENT(WM_PAGE_RELAYOUT, CShellMessageEvent);
wxDEFINE_EVENT(WM_PAGE_UPDATE, CShellMessageEvent);
wxDEFINE_EVENT(WM_SHOW_FIRST_PAGE, CShellMessageEvent);
wxDEFINE_EVENT(WM_BUILD_DONE, CShellMessageEvent);
wxDEFINE_EVENT(WM_GLOBAL_SEL_CHANGED, CShellMessageEvent);
wxDEFINE_EVENT(WM_GLOBAL_SEL_TEXT, CShellMessageEvent);
wxDEFINE_EVENT(WM_SHOW_PROTOCOL_PAGE, CShellMessageEvent);
wxDEFINE_EVENT(WM_REMOTE_TYPE_CHANGED, CShellMessageEvent);
wxDEFINE_EVENT(WM_CLOSE_MODE_PAGES, CShellMessageEvent);
wxDEFINE_EVENT(WM_AIR_RESET_VIEW, CShellMessageEvent);
wxDEFINE_EVENT(WM_WT_START_DECODE, CShellMessageEvent);
wxDEFINE_EVENT(WM_WT_CONNECT, CShellMessageEvent);
wxDEFINE_EVENT(WM_WT_UPDATE_FIRMWARE, CShellMessageEvent);
wxDEFINE_EVENT(WM_WT_STOP_DECODE, CShellMessageEvent);
wxDEFINE_EVENT(WM_WT_BUILD_DONE, CShellMessageEvent);
wxDEFINE_EVENT(WM_BOARD_STATE, CShellMessageEvent);
wxDEFINE_EVENT(WM_BOARD_BUTTON_STATE, CShellMessageEvent);
wxDEFINE_EVENT(WM_BOARD_STATUS_TEXT, CShellMessageEvent);
wxDEFINE_EVENT(WM_BOARD_UPDATE_PROGRESS, CShellMessageEvent);
wxDEFINE_EVENT(WM_DECODE_WAVE_BLOCK, CShellMessageEvent);
wxDEFINE_EVENT(WM_DECODE_PARSE, CShellMessageEvent);
wxDEFINE_EVENT(WM_DECODE_DONE, CShellMessageEvent);
wxDEFINE_EVENT(WM_DECODE_RESET, CShellMessageEvent);

long SendShellMessage(wxWindow* target, wxEventType type, wxIntPtr wParam, wxIntPtr lParam) {
  if (!target) return 0;
  CShellMessageEvent event(type, wParam, lParam);
  event.SetEventObject(target);
  if (!target->GetEventHandler()->ProcessEvent(event)) return 0;
  return event.GetResult();
}

void PostShellMessage(wxWindow* target, wxEventType type, wxIntPtr wParam, wxIntPtr lParam) {
  if (!target) return;
  auto* event = new CShellMessageEvent(type, wParam, lParam);
  event->SetEventObject(target);
  wxQueueEvent(target->GetEventHandler(), event);
}
