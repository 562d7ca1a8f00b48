// A picture control of the start pages: draws its picture scaled to fit and
// centred, over white. The scaled picture is made once for each size.
#pragma once

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/window.h>

class CPagePicture : public wxWindow {
 public:
  // The picture is the program's PNG resource of that id.
  CPagePicture(wxWindow* parent, wxWindowID id, int resourceId);
  const wxImage& GetImage() const { return m_image; }

 private:
  void OnPaint(wxPaintEvent& event);
  wxImage m_image;
  wxBitmap m_scaled;  // the picture at m_scaled's size
};

// Pictures of the start pages compiled into the program.
constexpr int IDB_TARVIK_LOGO = 250;
constexpr int IDB_LUMORA_LOGO = 251;
constexpr int IDB_HOME_PICTURE = 252;

// Moves control to rect; a rectangle that the layout made negative (a page
// still too small) gives an empty control.
void PlaceOnRect(wxWindow* control, const wxRect& rect);
