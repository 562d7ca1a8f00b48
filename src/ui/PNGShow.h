// A picture control holding a list of PNG pictures; it shows one stretched
// over its client area, and a click flips the shown picture and tells the
// parent (WM_PICTURE_SELECT with the new index).
#pragma once

#include "ui/Colors.h"

#include <wx/control.h>
#include <wx/image.h>

#include <vector>

class CPNGShow : public wxControl {
 public:
  CPNGShow() = default;
  CPNGShow(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
           const wxSize& size = wxDefaultSize);
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);

  // Loads a picture and shows it (the last one added is shown). False when it
  // does not load: nothing is added and nothing is shown.
  bool AddImage(const wxString& path);

  int GetCurrentIndex() const { return m_current; }
  // Shows picture index; false (nothing changed) for an index it lacks.
  bool ShowImage(int index);
  int GetImageCount() const { return static_cast<int>(m_images.size()); }
  void SetBackgroundColor(ColorRef color) { m_background = color; }

  // Paints the control into dc at its origin.
  void DrawPicture(wxDC& dc);

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);

  int m_current = -1;
  ColorRef m_background = 0xFFFFFF;
  std::vector<wxImage> m_images;

  wxDECLARE_DYNAMIC_CLASS(CPNGShow);
};
