#include "ui/UiMessages.h"

#include <wx/window.h>

wxDEFINE_EVENT(WM_EDIT_FOCUS, wxCommandEvent);
wxDEFINE_EVENT(WM_EDIT_CHANGED, wxCommandEvent);
wxDEFINE_EVENT(WM_MASKEDIT_KEY, wxCommandEvent);
wxDEFINE_EVENT(WM_PICTURE_SELECT, wxCommandEvent);

bool SendUiMessage(wxWindow* target, wxEventType type, wxWindow* source, int wParam, void* lParam) {
  if (!target) return false;
  wxCommandEvent event(type, source ? source->GetId() : wxID_ANY);
  event.SetEventObject(source);
  event.SetInt(wParam);
  event.SetExtraLong(static_cast<long>(static_cast<unsigned>(wParam)));
  event.SetClientData(lParam);
  return target->ProcessWindowEvent(event);
}
