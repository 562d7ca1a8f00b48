// Drawing primitives of the grid with the rectangle and line rules its
// geometry assumes (fills exclude right and bottom, lines exclude their end
// point) and the system colours it uses.
#pragma once

#include "controls/grid/GridTypes.h"

#include <wx/dc.h>
#include <wx/settings.h>

namespace gridpaint {

ColorRef SystemColor(wxSystemColour which);
wxColour Colour(ColorRef color);

// Fills left..right-1, top..bottom-1.
void FillRect(wxDC& dc, const GridRect& rect, ColorRef color);
// A one-pixel frame on the outermost pixels that FillRect would cover.
void FrameRect(wxDC& dc, const GridRect& rect, ColorRef color);
// A one-pixel line from one point to the other, the end point excluded.
void DrawLine(wxDC& dc, int x1, int y1, int x2, int y2, ColorRef color);
// Lines through the points, the last point excluded.
void DrawPolyline(wxDC& dc, const wxPoint* points, int count, ColorRef color);
// A sunken inner edge: dark shadow at the top and left, light at the bottom and right.
void DrawSunkenInnerEdge(wxDC& dc, const GridRect& rect);

// The text's size in the DC's current font (one line's height for an empty text).
wxSize MeasureText(wxDC& dc, const wxString& text);
// Draws text inside rect by format (gridformat flags), clipped to rect
// unless the format says otherwise; a font turned by 90 degrees draws upwards.
void DrawCellText(wxDC& dc, const wxString& text, const GridRect& rect, unsigned format, bool verticalFont);
// The size the text takes when laid out by format in rect.
wxSize CalcTextSize(wxDC& dc, const wxString& text, const GridRect& rect, unsigned format);

bool IsPrinterDC(const wxDC& dc);

}  // namespace gridpaint
