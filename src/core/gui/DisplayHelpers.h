// Display helpers that measure text in a control's font.
#pragma once

#include <wx/font.h>
#include <wx/string.h>

class wxWindow;

// The screen's scale step from its horizontal pixels per inch (see ScreenScaleForDpi).
double GetScreenScale();

// The horizontal pixels per inch of the screen.
int GetScreenDpi();

// Resizes the child control with the id (same left and top) to the text's
// width in its font plus the control's height.
void FitControlToText(int controlId, const wxString& text, wxWindow* dialog);

// Sets font to the control's font with the face name and point size of
// section's "FontName" and "FontSize" in the display settings, and gives it to
// the control. Missing keys keep the control's own.
void ApplyConfiguredFont(const wxString& section, wxWindow* control, wxFont& font);
