// Placement of a cell's text by its format flags (alignment, single line,
// word breaks, end ellipsis), with the text measured by the caller, so that
// the rules are the same for the screen, the printer and the tests.
#pragma once

#include "controls/grid/GridTypes.h"

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <functional>
#include <vector>

struct GridTextLine {
  wxString text;
  int x = 0;
  int y = 0;
  int width = 0;
};

struct GridTextLayout {
  std::vector<GridTextLine> lines;
  // The extent of all lines (what a size calculation answers).
  int width = 0;
  int height = 0;
};

// The size of a text in the font in use; the height of an empty text is
// still one line's height.
using GridTextMeasure = std::function<wxSize(const wxString&)>;

// Lays text out inside rect by format (gridformat flags).
GridTextLayout LayoutGridText(const wxString& text, const GridRect& rect, unsigned format,
                              const GridTextMeasure& measure);
