// The request with which a page asks its parent for the next or the previous
// page. It travels as the payload of a WM_PAGE_NEXT or WM_PAGE_BACK event,
// which owns it.
#pragma once

#include <wx/event.h>

#include <cstdint>

// A page's node in the navigation bar's list (defined by the navigation bar).
struct stNavNode;

enum PageRequestNumber : int { kMsgPageNext = 0x54A, kMsgPageBack = 0x54B };

struct stPageRequest {
  std::uint8_t next = 0;
  std::uint8_t back = 0;
  std::int32_t wParam = 0;
  std::int32_t lParam = 0;
  stNavNode* node = nullptr;
};

class CPageRequestEvent : public wxCommandEvent {
 public:
  CPageRequestEvent(wxEventType type = wxEVT_NULL, const stPageRequest& request = stPageRequest())
      : wxCommandEvent(type), m_request(request) {
    SetInt(request.wParam);
  }
  const stPageRequest& GetRequest() const { return m_request; }
  wxEvent* Clone() const override { return new CPageRequestEvent(*this); }

 private:
  stPageRequest m_request;
};

wxDECLARE_EVENT(WM_PAGE_NEXT, CPageRequestEvent);
wxDECLARE_EVENT(WM_PAGE_BACK, CPageRequestEvent);
