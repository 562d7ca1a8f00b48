#include "ui/Colors.h"

wxColour ColourFromColorRef(ColorRef color) {
  return wxColour(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

ColorRef ColorRefFromColour(const wxColour& colour) {
  return MakeColorRef(colour.Red(), colour.Green(), colour.Blue());
}
