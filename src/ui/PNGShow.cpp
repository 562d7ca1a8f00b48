#include "ui/PNGShow.h"

#include "ui/BackgroundSource.h"
#include "ui/ImageHelpers.h"
#include "ui/UiMessages.h"

#include <wx/dcbuffer.h>

wxIMPLEMENT_DYNAMIC_CLASS(CPNGShow, wxControl);

CPNGShow::CPNGShow(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  Create(parent, id, pos, size);
}

bool CPNGShow::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CPNGShow::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CPNGShow::OnLeftDown, this);
  return true;
}

bool CPNGShow::AddImage(const wxString& path) {
  m_current = GetImageCount();
  wxImage image;
  if (!LoadImageFromFile(image, path)) {
    Refresh();
    return false;
  }
  m_images.push_back(image);
  if (GetHandle()) Refresh();
  return true;
}

bool CPNGShow::ShowImage(int index) {
  if (index < 0 || index >= GetImageCount()) return false;
  m_current = index;
  Refresh();
  return true;
}

void CPNGShow::DrawPicture(wxDC& dc) {
  if (m_current < 0 || m_current >= GetImageCount()) return;
  const wxRect client(GetClientSize());
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColourFromColorRef(m_background)));
  dc.DrawRectangle(client);
  DrawImageStretched(dc, m_images[m_current], client);
}

void CPNGShow::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  // With no picture to show, the parent's background shows through.
  if (m_current < 0 || m_current >= GetImageCount()) {
    PaintParentBackground(this, dc);
    return;
  }
  DrawPicture(dc);
}

void CPNGShow::OnLeftDown(wxMouseEvent& event) {
  m_current = 1 - m_current;
  SendUiMessage(GetParent(), WM_PICTURE_SELECT, this, m_current, nullptr);
  Refresh();
  Update();
  event.Skip();
}
