#include "ui/BackgroundSource.h"

#include <wx/dc.h>
#include <wx/window.h>

void PaintParentBackground(wxWindow* child, wxDC& dc) {
  wxWindow* parent = child ? child->GetParent() : nullptr;
  const wxRect rect = child ? child->GetRect() : wxRect();
  if (auto* source = dynamic_cast<CBackgroundSource*>(parent)) {
    const wxPoint origin = dc.GetDeviceOrigin();
    source->DrawBackgroundUnder(dc, rect);
    dc.SetDeviceOrigin(origin.x, origin.y);
    return;
  }
  const wxColour colour = parent ? parent->GetBackgroundColour() : *wxWHITE;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(colour));
  dc.DrawRectangle(0, 0, rect.width, rect.height);
}
