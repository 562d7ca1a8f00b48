// Registers the start page, the example page, the global-selection strip and
// the new-project dialog with the main window.
#pragma once

void RegisterStartPages();

class wxWindow;

// Closes the main window holding page once the current event is handled
// (Cancel of the start pages ends the program).
void CloseMainWindowLater(wxWindow* page);
