// Colours as the program stores them: COLORREF values 0x00BBGGRR.
#pragma once

#include <wx/colour.h>

#include <cstdint>

using ColorRef = std::uint32_t;

constexpr ColorRef MakeColorRef(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

// 0x00BBGGRR to a wxColour and back (the top byte is ignored).
wxColour ColourFromColorRef(ColorRef color);
ColorRef ColorRefFromColour(const wxColour& colour);

// A setter that takes 0xRRGGBB.
constexpr ColorRef ColorRefFromRgbValue(std::uint32_t rgb) {
  return MakeColorRef((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
