// The main dialog's menu bar: four skinned buttons in the strip at the top
// of its client area, each dropping down one popup menu. The commands reach
// the main dialog as menu events with the ids below.
#pragma once

#include <wx/gdicmn.h>

#include <memory>

class CPngButton;
class wxMenu;
class wxWindow;

// The menu items keep their command numbers (32785, ...) less this offset:
// wxWidgets menu ids must stay below 0x7FFF.
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

class CMainMenuBar {
 public:
  enum Menu : int { kProject = 0, kOption = 1, kLanguage = 2, kHelp = 3, kMenuCount = 4 };
  static constexpr int kButtonIds[kMenuCount] = {1019, 1020, 1021, 1023};

  // Creates the four buttons on parent with their tint from "MenuCLR".
  bool Create(wxWindow* parent);
  // Captions in the current language.
  void ApplyLanguage();
  // The popup of index, relabelled in the current language with its items'
  // states; null for an index outside 0..3.
  std::unique_ptr<wxMenu> BuildMenu(int index) const;
  // Drops the popup down below its button; owner receives the command.
  void ShowMenu(int index, wxWindow* owner);

  CPngButton* GetButton(int index) const;

 private:
  void FillProject(wxMenu& menu) const;
  void FillOption(wxMenu& menu) const;
  void FillLanguage(wxMenu& menu) const;
  void FillHelp(wxMenu& menu) const;

  CPngButton* m_buttons[kMenuCount] = {nullptr, nullptr, nullptr, nullptr};
};
