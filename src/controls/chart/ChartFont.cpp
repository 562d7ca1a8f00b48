#include "controls/chart/ChartFont.h"

wxFont MakePointFont(const wxString& face, int tenthsOfPoint, bool bold, bool italic, bool underline) {
  wxFontInfo info(tenthsOfPoint / 10.0);
  info.FaceName(face).Bold(bold).Italic(italic).Underlined(underline);
  wxFont font(info);
  if (!font.IsOk()) font = wxFont(wxFontInfo(tenthsOfPoint / 10.0));
  return font;
}

void CChartFont::SetFont(const wxString& face, int size, bool italic, bool bold, bool underline) {
  m_face = face.Left(30);
  m_size = size;
  m_italic = italic;
  m_bold = bold;
  m_underline = underline;
  m_dirty = true;
}

void CChartFont::SetVertical(bool vertical) {
  m_vertical = vertical;
  m_dirty = true;
}

void CChartFont::Select(wxDC& dc) {
  if (m_dirty) {
    m_font = MakePointFont(m_face, m_size, m_bold, m_italic, m_underline);
    m_dirty = false;
  }
  m_previous = dc.GetFont();
  dc.SetFont(m_font);
}

void CChartFont::Unselect(wxDC& dc) {
  if (m_previous.IsOk()) dc.SetFont(m_previous);
}
