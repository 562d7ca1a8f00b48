// A font described by its fields and built on first use in a DC.
#pragma once

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/string.h>

class CChartFont {
 public:
  CChartFont() = default;
  CChartFont(const wxString& face, int size) : m_face(face), m_size(size) {}

  // size in tenths of a point.
  void SetFont(const wxString& face, int size, bool italic = false, bool bold = false,
               bool underline = false);
  // A vertical font writes upward; the caller draws its text rotated by 90 degrees.
  void SetVertical(bool vertical);
  bool IsVertical() const { return m_vertical; }

  void Select(wxDC& dc);
  void Unselect(wxDC& dc);

 private:
  wxString m_face = "Microsoft Sans Serif";
  int m_size = 100;
  bool m_italic = false;
  bool m_bold = false;
  bool m_underline = false;
  bool m_vertical = false;
  wxFont m_font;
  bool m_dirty = true;
  wxFont m_previous;
};

// The font of the given face and size in tenths of a point.
wxFont MakePointFont(const wxString& face, int tenthsOfPoint, bool bold = false, bool italic = false,
                     bool underline = false);
