// The main dialog's menu bar: four skinned buttons in the strip at the top
// of its client area, each dropping down one popup menu. The commands reach
// the main dialog as menu events with the ids of ShellCommands.h.
#pragma once

#include "ui/shell/ShellCommands.h"

#include <wx/gdicmn.h>

#include <memory>

class CPngButton;
class wxMenu;
class wxWindow;

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
