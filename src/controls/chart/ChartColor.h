// Conversion between the chart's 0x00BBGGRR colours and wxColour.
#pragma once

#include <wx/colour.h>
#include <wx/settings.h>

#include "controls/chart/ChartGeometry.h"

inline wxColour ToWxColour(ChartColor color) {
  return wxColour(static_cast<unsigned char>(color & 0xFF), static_cast<unsigned char>((color >> 8) & 0xFF),
                  static_cast<unsigned char>((color >> 16) & 0xFF));
}

inline ChartColor FromWxColour(const wxColour& colour) {
  return static_cast<ChartColor>(colour.Red()) | (static_cast<ChartColor>(colour.Green()) << 8) |
         (static_cast<ChartColor>(colour.Blue()) << 16);
}

inline ChartColor SystemChartColor(wxSystemColour which) {
  return FromWxColour(wxSystemSettings::GetColour(which));
}
