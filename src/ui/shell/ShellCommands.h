// The main window's command ids: the menu items run them, and a page that
// asks the main window for one sends it as a menu event.
#pragma once

// The commands keep their numbers (32785, ...) less this offset: wxWidgets
// menu ids must stay below 0x7FFF.
constexpr int kMenuIdOffset = 0x4000;

enum MainMenuCommand : int {
  ID_NEW_PROJECT = 32785 - kMenuIdOffset,
  ID_OPEN_PROJECT = 32786 - kMenuIdOffset,
  ID_SAVE_PROJECT = 32801 - kMenuIdOffset,
  ID_RESET_PROMPTS = 32793 - kMenuIdOffset,
  ID_CODE_MODE = 32804 - kMenuIdOffset,
  ID_LANG_ENGLISH = 32789 - kMenuIdOffset,
  ID_LANG_SIMPLIFIED = 32790 - kMenuIdOffset,
  ID_LANG_TRADITIONAL = 32791 - kMenuIdOffset,
  ID_USER_MANUAL = 32794 - kMenuIdOffset,
  ID_BOARD_SCHEMATIC = 32796 - kMenuIdOffset,
  ID_KNOWLEDGE_BASE = 32797 - kMenuIdOffset,
  ID_ABOUT = 32798 - kMenuIdOffset,
};
