// The buttons that lead through the pages and dialogs (Back, Next, Cancel,
// Finish...): one size everywhere, and the packing of a row of them.
#pragma once

#include <wx/gdicmn.h>
#include <wx/window.h>

inline const wxSize kPageButtonSize(100, 32);

// Places a page button right-aligned on its layout rectangle with the page
// button width. shift carries what the buttons placed before it gained over
// their rectangles, so that a row placed from the right stays packed.
inline void PackButtonRight(wxWindow& button, const wxRect& rect, int& shift) {
  const int width = kPageButtonSize.x;
  button.SetSize(rect.GetRight() + 1 - width - shift, rect.y, width, rect.height);
  shift += width - rect.width;
}
