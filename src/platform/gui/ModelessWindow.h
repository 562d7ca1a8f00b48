// Top-level windows that take input while another window runs modal.
#pragma once

class wxTopLevelWindow;

namespace platform {

// Lets window take the pointer and the keyboard while a window it does not
// belong to runs modal, as a modeless window beside the program's modal main
// window does. A modal window opened over window later still blocks it.
// On GTK a modal window grabs the input of every window in its window group,
// so window gets a group of its own; elsewhere a window without an owner is
// not blocked and nothing needs doing.
void KeepInputWhileOthersAreModal(wxTopLevelWindow* window);

}  // namespace platform
