#include "ui/pages/PagePicture.h"

#include "ui/ImageHelpers.h"

#include <wx/dcbuffer.h>

#include <algorithm>

CPagePicture::CPagePicture(wxWindow* parent, wxWindowID id, int resourceId)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  LoadImageFromResource(m_image, resourceId, "png");
  if (m_image.IsOk()) SetSize(m_image.GetWidth(), m_image.GetHeight());
  Bind(wxEVT_PAINT, &CPagePicture::OnPaint, this);
}

void CPagePicture::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize client = GetClientSize();
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(wxRect(client));
  if (!m_image.IsOk() || client.x <= 0 || client.y <= 0) return;
  const double scale = std::min(1.0, std::min(static_cast<double>(client.x) / m_image.GetWidth(),
                                              static_cast<double>(client.y) / m_image.GetHeight()));
  const wxSize size(std::max(1, static_cast<int>(m_image.GetWidth() * scale)),
                    std::max(1, static_cast<int>(m_image.GetHeight() * scale)));
  const wxRect target(wxPoint((client.x - size.x) / 2, (client.y - size.y) / 2), size);
  if (!m_scaled.IsOk() || m_scaled.GetSize() != size) {
    const bool natural = size == m_image.GetSize();
    m_scaled = wxBitmap(natural ? m_image : m_image.Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH));
  }
  dc.DrawBitmap(m_scaled, target.GetTopLeft(), true);
}

void PlaceOnRect(wxWindow* control, const wxRect& rect) {
  control->SetSize(rect.x, rect.y, std::max(0, rect.width), std::max(0, rect.height));
}
