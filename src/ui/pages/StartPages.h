// Registers the start page, the example page, the global-selection strip and
// the new-project dialog with the main window.
#pragma once

void RegisterStartPages();
