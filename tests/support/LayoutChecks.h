// Checks of what a user sees of a window's layout: texts wider than their
// controls and controls that overlap. Each answers an empty text when all is
// well, else one line per fault, so that a failure names the controls.
#pragma once

#include <string>

class wxWindow;

namespace testsupport {

// Which texts of a drop-down list must fit its closed box: every item, or the
// one it shows (a list whose longer items are read in the open list).
enum class ListItems { kEvery, kShown };

// Every shown control under window (recursively) whose text, or a drop-down
// list's item, is wider than the control.
std::string ClippedTexts(wxWindow* window, ListItems items = ListItems::kEvery);

// The shown children of window whose rectangles overlap another one's.
std::string OverlappingControls(wxWindow* window);

}  // namespace testsupport
