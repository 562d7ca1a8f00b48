// A font that keeps its own description, so that one attribute can be changed
// and the font built again from it.
#pragma once

#include <wx/font.h>
#include <wx/string.h>

constexpr int kDefaultCharSet = 1;
constexpr int kFontWeightNormal = 400;
constexpr int kFontWeightBold = 700;
constexpr int kFaceNameMaxLength = 31;

// The description, with the meanings of a Windows LOGFONT.
struct stLogFont {
  int height = 0;  // pixels: negative = character height, positive = cell height, 0 = default
  int width = 0;
  int escapement = 0;  // tenths of a degree, anticlockwise
  int orientation = 0;
  int weight = kFontWeightNormal;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = kDefaultCharSet;
  wxString faceName;
  // The size in points when it came from a font or SetPointSize; 0 when it
  // is to be derived from height.
  double pointSize = 0.0;
};

class CFontEx {
 public:
  CFontEx() = default;
  CFontEx(const CFontEx& other) { *this = other; }
  explicit CFontEx(const stLogFont& description) { SetLogFont(description); }

  // Copies the other's description and builds the font again.
  CFontEx& operator=(const CFontEx& other);

  // Takes the description of font (for instance a parent window's).
  void SetFromFont(const wxFont& font);
  void SetLogFont(const stLogFont& description);

  // Weight 700 when bold, else 400.
  void SetBold(bool bold);
  // The size of a point font of that size on the screen.
  void SetPointSize(int points);
  void SetFaceName(const wxString& faceName, int charSet = kDefaultCharSet);
  // Escapement 2700 (text turned by 270 degrees) or 0; the orientation stays.
  void SetVertical(bool vertical);

  const wxFont& GetFont() const { return m_font; }
  operator const wxFont&() const { return m_font; }
  const stLogFont& GetLogFont() const { return m_description; }
  bool IsOk() const { return m_font.IsOk(); }
  // The text angle in degrees for wxDC::DrawRotatedText.
  double GetAngle() const { return m_description.escapement / 10.0; }

 private:
  void Rebuild();

  stLogFont m_description;
  wxFont m_font;
};

// The point size a description stands for at the screen's resolution.
double PointSizeOfLogFont(const stLogFont& description, int dpi);
// The LOGFONT height (negative: character height) of a point size.
int LogFontHeightOfPoints(double points, int dpi);
