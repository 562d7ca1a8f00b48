// The main dialog: menu commands, language, documents, the About box and the
// messages of pages and the receiver.
#include "ui/shell/OlvantaDlg.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/UserIni.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Settings.h"
#include "ui/SubBaseDlg.h"
#include "ui/shell/AboutDlg.h"
#include "ui/shell/ShellDocuments.h"
#include "ui/shell/ShellMessages.h"

#include <wx/utils.h>

namespace {
const char* const kPromptKeys[] = {"Prompt_Standard", "Prompt_UserDef", "Prompt_UserDef_Air",
                                   "Prompt_LCDConfig", "Prompt_AirDataFormat"};
}  // namespace

void COlvantaDlg::BindCommands() {
  for (int id : CMainMenuBar::kButtonIds) {
    GetClientWindow()->Bind(wxEVT_BUTTON, &COlvantaDlg::OnMenuButton, this, id);
  }
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { NewProject(); }, ID_NEW_PROJECT);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { OpenProjectCommand(); }, ID_OPEN_PROJECT);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { SendShellMessage(this, WM_SAVE_PROJECT); }, ID_SAVE_PROJECT);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ResetPrompts(); }, ID_RESET_PROMPTS);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { LearnCodeMode(); }, ID_CODE_MODE);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { SwitchLanguage("1252"); }, ID_LANG_ENGLISH);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { SwitchLanguage("936"); }, ID_LANG_SIMPLIFIED);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { SwitchLanguage("950"); }, ID_LANG_TRADITIONAL);
  Bind(
      wxEVT_MENU,
      [](wxCommandEvent&) {
        OpenDocument(g_BrandFlag != 0 ? wxString("Olvanta User's Guide")
                                      : wxString::FromUTF8("Olvanta使用手册v100"));
      },
      ID_USER_MANUAL);
  Bind(
      wxEVT_MENU, [](wxCommandEvent&) { OpenFolder(platform::JoinPath(g_App.installFolder, "SCH")); },
      ID_BOARD_SCHEMATIC);
  Bind(
      wxEVT_MENU,
      [](wxCommandEvent&) {
        OpenDocument(g_BrandFlag != 0 ? wxString("Infrared Remote Controller Knowledge base")
                                      : wxString::FromUTF8("红外线(IR)遥控器理论知识库v100"));
      },
      ID_KNOWLEDGE_BASE);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ShowAbout(); }, ID_ABOUT);
}

void COlvantaDlg::BindMessages() {
  Bind(WM_SAVE_PROJECT, &COlvantaDlg::OnSaveMessage, this);
  Bind(WM_BUILD_DONE, &COlvantaDlg::OnBuildDone, this);
  Bind(WM_BOARD_STATE, &COlvantaDlg::OnBoardState, this);
  Bind(WM_BOARD_BUTTON_STATE, [this](CShellMessageEvent& event) {
    for (IDecodePage* page : m_decodePages) {
      if (page) page->OnBoardButtonState(static_cast<int>(event.WParam()), static_cast<int>(event.LParam()));
    }
  });
  Bind(WM_PAGE_RELAYOUT, [this](CShellMessageEvent&) {
    if (auto* keys = dynamic_cast<IShellPageExtras*>(FindPage(kKeyConfigId))) keys->RefreshForLcdMode();
  });
  Bind(WM_GLOBAL_SEL_CHANGED, &COlvantaDlg::OnGlobalSelChanged, this);
  Bind(WM_AIR_FORMAT_TYPE, [this](CShellMessageEvent& event) {
    event.SetResult(LoadFlowFromProject(event.WParam() != 0) ? 1 : 0);
  });
  Bind(WM_SHOW_FIRST_PAGE, [this](CShellMessageEvent&) { ShowPage(FindPage(kExamplePageId)); });
  Bind(WM_SHOW_PROTOCOL_PAGE, &COlvantaDlg::OnShowProtocolPage, this);
  Bind(WM_REMOTE_TYPE_CHANGED, &COlvantaDlg::OnRemoteTypeChanged, this);
  Bind(WM_CLOSE_MODE_PAGES, [this](CShellMessageEvent& event) {
    CloseModePages();
    event.SetResult(1);
  });
  Bind(WM_WT_UPDATE_FIRMWARE, [](CShellMessageEvent&) {});
  Bind(WM_GLOBAL_SEL_TEXT, [](CShellMessageEvent&) {});
}

void COlvantaDlg::OnMenuButton(wxCommandEvent& event) {
  for (int i = 0; i < CMainMenuBar::kMenuCount; ++i) {
    if (CMainMenuBar::kButtonIds[i] == event.GetId()) m_menuBar.ShowMenu(i, GetClientWindow());
  }
}

// --- Language.

void COlvantaDlg::SwitchLanguage(const wxString& codePage) {
  g_App.defaultLangSection = g_App.currentLangSection;
  g_App.currentLangSection = codePage;
  if (codePage != "936" || g_BrandFlag != 0) platform::WriteSetting("Olvanta", "Lang", codePage);
  RefreshLanguage();
}

void COlvantaDlg::RefreshLanguage() {
  m_menuBar.ApplyLanguage();
  if (m_globalSel) m_globalSel->ApplyLanguage();
  UpdateMinimumSize();
  if (CSubBaseDlg* home = FindPage(kHomePageId)) home->ApplyLanguage();
  MeasureNavBar();
  for (auto& [id, page] : m_pages) {
    if (id != kHomePageId) page->ApplyLanguage();
  }
  GetClientWindow()->Refresh();
  if (m_currentPage) m_currentPage->Refresh();
  RefreshTitle();
  for (IDecodePage* page : m_decodePages) {
    if (page) page->UpdateTexts();
  }
}

// --- Options.

void COlvantaDlg::ResetPrompts() {
  const wxString userIni = GetUserIniPath();
  if (userIni.empty()) return;
  for (const char* key : kPromptKeys) platform::WriteProfileString(userIni, "Olvanta", key, "0");
  LangMessageBox("IDS_RESET_OK");
}

IDecodePage*& COlvantaDlg::DecodePageOfRemoteType() {
  return m_decodePages[IsGeneralRemote(g_DocManage.RemoteType) ? 0 : 1];
}

void COlvantaDlg::LearnCodeMode() {
  IDecodePage*& slot = DecodePageOfRemoteType();
  if (g_DocManage.DecodePageOpen != 0) {
    if (slot && slot->GetWindow()) slot->GetWindow()->Raise();
    return;
  }
  DecodePageFactory factory = GetDecodePageFactory();
  if (!factory) return;
  if (slot) {
    if (slot->GetWindow()) slot->GetWindow()->Destroy();
    delete slot;
    slot = nullptr;
  }
  slot = factory(IsGeneralRemote(g_DocManage.RemoteType) ? 0 : 1);
  if (!slot) return;
  slot->OnBoardState(m_boardState, m_boardVersion);
  slot->OnBoardButtonState(m_boardVersion, 0);
  g_DocManage.DecodePageOpen = 1;
}

void COlvantaDlg::CloseModePages() {
  IDecodePage*& slot = DecodePageOfRemoteType();
  if (slot) {
    if (slot->GetWindow()) slot->GetWindow()->Destroy();
    delete slot;
    slot = nullptr;
  }
  g_DocManage.DecodePageOpen = 0;
}

// --- Messages of pages and the receiver.

void COlvantaDlg::OnBuildDone(CShellMessageEvent& event) {
  // The folder the user has just made, not the project folder that holds it.
  const wxString folder = g_DocManage.GetOutputFolder();
  if (LangMessageBox("", kNoticeOkCancel, "IDS_BUILD_OK", folder) == kNoticeAnswerOk) OpenFolder(folder);
  event.SetResult(1);
}

void COlvantaDlg::OnBoardState(CShellMessageEvent& event) {
  m_boardState = static_cast<int>(event.WParam());
  m_boardVersion = static_cast<std::uint16_t>(event.LParam());
  for (IDecodePage* page : m_decodePages) {
    if (page) page->OnBoardState(m_boardState, m_boardVersion);
  }
}

void COlvantaDlg::OnGlobalSelChanged(CShellMessageEvent& event) {
  ApplyGlobalSelection(static_cast<int>(event.WParam()), static_cast<int>(event.LParam()));
  event.SetResult(g_DocManage.CreateProjectFile(false, false) ? 1 : 0);
}

void COlvantaDlg::OnShowProtocolPage(CShellMessageEvent& event) {
  g_DocManage.ProtocolImported = 1;
  int id = kAirModulationId;
  if (IsGeneralRemote(g_DocManage.RemoteType))
    id = IsStandardProtocol(g_DocManage.ProtocolType) ? kStandardModePageId : kModulationParamId;
  CSubBaseDlg* page = FindPage(id);
  if (page) {
    if (id == kModulationParamId) page->ShowStoredValues();
    page->RefreshControls();
  }
  EnableGlobalSelection(false);
  RebuildAndShowFlow(0, 0);
  if (page) OnProjectChanged(PageClassName(page), true);
  event.SetResult(1);
}

// The sender (the global selection, or a decoded import) changed only the
// remote type: the framework kind follows it before the chip and the folders
// are looked up.
void COlvantaDlg::OnRemoteTypeChanged(CShellMessageEvent& event) {
  g_FrameworkKind = FrameworkKindOf(g_DocManage.RemoteType);
  if (auto* selection = dynamic_cast<IGlobalSelection*>(m_globalSel)) selection->FollowRemoteType();
  if (!g_DocManage.LoadChip()) return;
  g_App.protocolFolder = g_App.GetProtocolFolder(g_FrameworkKind);
  g_App.icFolder = g_App.GetIcFolder(g_FrameworkKind);
  SendShellMessage(this, WM_GLOBAL_SEL_CHANGED, 1, 0);
  event.SetResult(1);
}

// --- About.

void COlvantaDlg::ShowAbout() {
  const wxString board = m_boardState == 0 ? wxString("N/A") : wxString::Format("%04x", m_boardVersion);
  CAboutDlg about(this, m_frameworkVersions, board, m_icon);
  about.ShowModal();
}
