#include "ui/FontEx.h"

#include "core/gui/DisplayHelpers.h"

#include <cmath>

namespace {

// A cell height holds the character height plus the font's internal leading,
// about 15 percent for the usual faces.
constexpr double kCellToCharacter = 1.0 / 1.15;

int ScreenDpi() {
  const int dpi = GetScreenDpi();
  return dpi > 0 ? dpi : 96;
}

}  // namespace

double PointSizeOfLogFont(const stLogFont& description, int dpi) {
  if (description.pointSize > 0) return description.pointSize;
  if (description.height == 0) return 0.0;
  double pixels = std::abs(description.height);
  if (description.height > 0) pixels *= kCellToCharacter;
  return pixels * 72.0 / dpi;
}

int LogFontHeightOfPoints(double points, int dpi) {
  return -static_cast<int>(std::lround(points * dpi / 72.0));
}

CFontEx& CFontEx::operator=(const CFontEx& other) {
  if (this != &other) SetLogFont(other.m_description);
  return *this;
}

void CFontEx::SetFromFont(const wxFont& font) {
  if (!font.IsOk()) return;
  stLogFont description;
  description.pointSize = font.GetFractionalPointSize();
  description.height = LogFontHeightOfPoints(description.pointSize, ScreenDpi());
  description.weight = font.GetNumericWeight();
  description.italic = font.GetStyle() != wxFONTSTYLE_NORMAL;
  description.underline = font.GetUnderlined();
  description.strikeOut = font.GetStrikethrough();
  description.faceName = font.GetFaceName().Left(kFaceNameMaxLength);
  SetLogFont(description);
}

void CFontEx::SetLogFont(const stLogFont& description) {
  m_description = description;
  m_description.faceName = m_description.faceName.Left(kFaceNameMaxLength);
  Rebuild();
}

void CFontEx::SetBold(bool bold) {
  m_description.weight = bold ? kFontWeightBold : kFontWeightNormal;
  Rebuild();
}

void CFontEx::SetPointSize(int points) {
  m_description.pointSize = points;
  m_description.height = LogFontHeightOfPoints(points, ScreenDpi());
  m_description.width = 0;
  Rebuild();
}

void CFontEx::SetFaceName(const wxString& faceName, int charSet) {
  m_description.faceName = faceName.Left(kFaceNameMaxLength);
  m_description.charSet = charSet;
  Rebuild();
}

void CFontEx::SetVertical(bool vertical) {
  m_description.escapement = vertical ? 2700 : 0;
  Rebuild();
}

void CFontEx::Rebuild() {
  double points = PointSizeOfLogFont(m_description, ScreenDpi());
  if (points <= 0) points = wxNORMAL_FONT->GetFractionalPointSize();
  wxFontInfo info(points);
  info.Family(wxFONTFAMILY_SWISS).Weight(m_description.weight);
  if (!m_description.faceName.empty()) info.FaceName(m_description.faceName);
  if (m_description.italic) info.Italic();
  if (m_description.underline) info.Underlined();
  if (m_description.strikeOut) info.Strikethrough();
  m_font = wxFont(info);
}
