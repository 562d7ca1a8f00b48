// The pixels a parent shows under a child: owner-drawn widgets paint them
// first so that they look transparent. A parent that paints more than its
// background colour (a picture, a gradient) implements CBackgroundSource.
#pragma once

#include <wx/gdicmn.h>

class wxDC;
class wxWindow;

class CBackgroundSource {
 public:
  virtual ~CBackgroundSource() = default;
  // Draws what lies under rect (client coordinates of this window) into dc,
  // rect's top-left landing at dc's origin.
  virtual void DrawBackgroundUnder(wxDC& dc, const wxRect& rect) = 0;
};

// Paints into dc (at its origin, the child's size) what the child's parent
// shows under the child: the parent's CBackgroundSource when it is one, else
// its background colour.
void PaintParentBackground(wxWindow* child, wxDC& dc);
