#include "ui/shell/MenuBar.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "ui/PngButton.h"
#include "ui/UILayout.h"

#include <wx/menu.h>

namespace {
const char* const kInitialCaptions[CMainMenuBar::kMenuCount] = {"Document", "Option", "Language", "Help"};
const char* const kCaptionKeys[CMainMenuBar::kMenuCount] = {"&Project", "&Option", "&Language", "&Helper"};
}  // namespace

bool CMainMenuBar::Create(wxWindow* parent) {
  int red = 1, green = 1, blue = 1, onAlpha = 1, downAlpha = 1;
  ReadIniColorKeys("MenuCLR", red, green, blue, onAlpha, downAlpha);
  for (int i = 0; i < kMenuCount; ++i) {
    auto* button = new CPngButton(parent, kButtonIds[i]);
    button->SetCaption(kInitialCaptions[i]);
    button->SetTint(MakeColorRef(red & 0xFF, green & 0xFF, blue & 0xFF), onAlpha, downAlpha);
    m_buttons[i] = button;
  }
  return true;
}

CPngButton* CMainMenuBar::GetButton(int index) const {
  return index >= 0 && index < kMenuCount ? m_buttons[index] : nullptr;
}

void CMainMenuBar::ApplyLanguage() {
  for (int i = 0; i < kMenuCount; ++i) {
    if (m_buttons[i]) m_buttons[i]->SetCaption(GetLangText(kCaptionKeys[i]));
  }
}

void CMainMenuBar::FillProject(wxMenu& menu) const {
  menu.Append(ID_NEW_PROJECT, GetLangText("New Project"));
  menu.Append(ID_OPEN_PROJECT, GetLangText("Open Project"));
  menu.Append(ID_SAVE_PROJECT, GetLangText("Save Project"));
  menu.Enable(ID_SAVE_PROJECT, !g_DocManage.ProjectName.empty());
}

void CMainMenuBar::FillOption(wxMenu& menu) const {
  menu.Append(ID_RESET_PROMPTS, GetLangText("Reset Setting"));
  menu.Append(ID_CODE_MODE, GetLangText("Code Mode"));
  menu.Enable(ID_CODE_MODE, !g_DocManage.ProjectName.empty());
}

void CMainMenuBar::FillLanguage(wxMenu& menu) const {
  if (g_BrandFlag != 0) {
    menu.AppendCheckItem(ID_LANG_ENGLISH, GetLangText("IDS_English"));
    menu.AppendCheckItem(ID_LANG_SIMPLIFIED, GetLangText("IDS_SIM"));
    menu.AppendCheckItem(ID_LANG_TRADITIONAL, GetLangText("IDS_TRA"));
  } else {
    menu.AppendCheckItem(ID_LANG_SIMPLIFIED, GetLangText("IDS_SIM"));
  }
  const wxString& lang = g_App.currentLangSection;
  int checked = wxID_NONE;
  if (lang == "936") {
    checked = ID_LANG_SIMPLIFIED;
  } else if (g_BrandFlag != 0 && lang == "1252") {
    checked = ID_LANG_ENGLISH;
  } else if (g_BrandFlag != 0 && lang == "950") {
    checked = ID_LANG_TRADITIONAL;
  }
  if (checked != wxID_NONE) menu.Check(checked, true);
}

void CMainMenuBar::FillHelp(wxMenu& menu) const {
  menu.Append(ID_USER_MANUAL, GetLangText("User's guide"));
  menu.Append(ID_BOARD_SCHEMATIC, GetLangText("BoardDesign"));
  menu.Append(ID_KNOWLEDGE_BASE, GetLangText("Knowledge Base"));
  menu.Append(ID_ABOUT, GetLangText("IDS_SW_ABOUT"));
}

std::unique_ptr<wxMenu> CMainMenuBar::BuildMenu(int index) const {
  if (index < 0 || index >= kMenuCount) return nullptr;
  auto menu = std::make_unique<wxMenu>();
  switch (index) {
    case kProject: FillProject(*menu); break;
    case kOption: FillOption(*menu); break;
    case kLanguage: FillLanguage(*menu); break;
    default: FillHelp(*menu); break;
  }
  return menu;
}

void CMainMenuBar::ShowMenu(int index, wxWindow* owner) {
  CPngButton* button = GetButton(index);
  std::unique_ptr<wxMenu> menu = BuildMenu(index);
  if (!button || !menu || !owner) return;
  const wxRect rect = button->GetRect();
  const wxPoint below = owner->ScreenToClient(button->GetParent()->ClientToScreen(rect.GetBottomLeft()));
  button->SetPushed(true);
  button->Refresh();
  owner->PopupMenu(menu.get(), below);
  button->SetPushed(false);
  button->Refresh();
}
