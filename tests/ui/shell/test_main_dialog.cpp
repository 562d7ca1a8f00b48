// The main window under the display: navigation, menus, language, title,
// and opening and saving a project through its commands.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Settings.h"
#include "platform/TextFile.h"
#include "ui/PngButton.h"
#include "ui/SubBaseDlg.h"
#include "ui/shell/AboutDlg.h"
#include "ui/shell/MenuBar.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/ShellMessages.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "RealInput.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/utils.h>

namespace {

// A page that keeps one value in its own section of the project file.
class CTestPage : public CSubBaseDlg {
 public:
  CTestPage(int id, wxWindow* parent) : CSubBaseDlg(id, parent) {}
  wxString Section() const { return wxString::Format("Page%d", GetTemplateId()); }
  bool LoadFromProject() override {
    loadingSeen = g_DocManage.Loading;
    newProjectSeen = g_DocManage.NewProject;
    value = platform::ReadProfileString(g_DocManage.ProjectFilePath, Section(), "Value", "", 128);
    return true;
  }
  bool SaveToProject() override {
    if (refuseSave) return false;
    return value.empty() ||
           platform::WriteProfileString(g_DocManage.ProjectFilePath, Section(), "Value", value);
  }
  bool CheckAndApply() override {
    ++checks;
    return acceptCheck;
  }
  void ApplyLanguage() override { ++languageRefreshes; }

  wxString value;
  int loadingSeen = -1;
  int newProjectSeen = -1;
  bool refuseSave = false;
  bool acceptCheck = true;
  int checks = 0;
  int languageRefreshes = 0;
};

#define OLV_TEST_PAGE(Name, Id)                                \
  class Name : public CTestPage {                              \
   public:                                                     \
    explicit Name(wxWindow* parent) : CTestPage(Id, parent) {} \
    wxDECLARE_ABSTRACT_CLASS(Name);                            \
  };                                                           \
  wxIMPLEMENT_ABSTRACT_CLASS(Name, CSubBaseDlg)

OLV_TEST_PAGE(CTestExamplePage, 132);
OLV_TEST_PAGE(CTestStandardPage, 129);
OLV_TEST_PAGE(CTestModulationPage, 145);
OLV_TEST_PAGE(CTestDataFormatPage, 146);
OLV_TEST_PAGE(CTestKeyPage, 137);

template <class Page>
void Register(int id) {
  RegisterShellPage(id, [](wxWindow* parent) -> CSubBaseDlg* { return new Page(parent); });
}

const int kTestPageIds[] = {132, 129, 145, 146, 137};

wxString Utf8(const char* text) { return wxString::FromUTF8(text); }

class MainDialogTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.BrandFlag() = 1;
    state.Doc().ProjectFolder.clear();
    state.Doc().ProjectFilePath.clear();
    state.Doc().Modified = 0;
    state.Doc().RemoteType = 0;
    state.Doc().ProtocolType = 1;
  }

  void TearDown() override {
    for (int id : kTestPageIds) RegisterShellPage(id, nullptr);
    RegisterReceiverLink(nullptr);
  }

  void RegisterPages() {
    Register<CTestExamplePage>(132);
    Register<CTestStandardPage>(129);
    Register<CTestModulationPage>(145);
    Register<CTestDataFormatPage>(146);
    Register<CTestKeyPage>(137);
  }

  CTestPage* Page(int id) { return static_cast<CTestPage*>(dialog->FindPage(id)); }

  // The fixture project copied into a folder of its own; its path.
  wxString CopyFixture() {
    const wxString folder = project.File("Demo");
    wxFileName::Mkdir(folder);
    const wxString path = platform::JoinPath(folder, "Demo.ovirprj");
    wxCopyFile(platform::JoinPath(OLV_SOURCE_DIR, "tests/ui/shell/fixtures/Demo.ovirprj"), path);
    return path;
  }

  void Command(int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(dialog);
    dialog->ProcessWindowEvent(event);
    testsupport::PumpEvents();
  }

  void ClickCaption(int index) {
    testsupport::Click(dialog->GetClientWindow(),
                       dialog->GetNavBar().GetItemRect(index).GetPosition() + wxSize(30, 20));
    testsupport::PumpEvents();
  }

  std::string Bytes(const wxString& path) {
    std::string bytes;
    platform::ReadFileBytes(path, bytes);
    return bytes;
  }

  testsupport::TempDir project;
  testsupport::CMessageRecorder recorder;
};

TEST_F(MainDialogTest, OpensAsTheProgramDoesAndSavesScreenshots) {
  state.BrandFlag() = 0;
  state.App().currentLangSection = "936";
  RunMainWindow([&] {
    EXPECT_EQ(dialog->GetName(), "CLMOlvantaDlg");
    EXPECT_EQ(dialog->GetTitle(), Utf8("Olvanta 红外遥控器设计工具"));
    EXPECT_EQ(dialog->GetMainMenuBar().GetButton(CMainMenuBar::kHelp)->GetLabel(), Utf8("帮助"));
    EXPECT_FALSE(testsupport::SaveWindowScreenshot(dialog, "main_window.png").empty());
    EXPECT_TRUE(recorder.boxes.empty());
  });
}

TEST_F(MainDialogTest, OpenedAndSavedProjectIsByteForByteAFreshSave) {
  RegisterPages();
  RunMainWindow([&] {
    const wxString path = CopyFixture();
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    EXPECT_EQ(Page(129)->value, "NEC");
    EXPECT_EQ(Page(137)->value, "K1 K2 K3");
    EXPECT_EQ(dialog->GetCurrentPage(), Page(129));
    EXPECT_EQ(dialog->GetTitle(), "Olvanta IR Remote Designer-" + path);
    EXPECT_FALSE(testsupport::SaveWindowScreenshot(dialog, "main_window_flow.png").empty());

    Command(ID_SAVE_PROJECT);
    const std::string reopened = Bytes(path);
    EXPECT_NE(reopened.find(
                  std::string(wxString("Folder=" + wxFileName(path).GetPath()).mb_str(wxMBConvUTF16LE()))),
              std::string::npos);
    EXPECT_FALSE(wxDirExists(platform::JoinPath(wxFileName(path).GetPath(), ".olvanta-saving")));

    // A fresh project with the same data, saved to the same place.
    wxRemoveFile(path);
    state.Doc().Reset(true, false);
    state.Doc().ProjectName = "Demo";
    state.Doc().ProjectFolder = wxFileName(path).GetPath();
    state.Doc().McuName = "QK21C0510";
    state.Doc().PackageName = "8SOP";
    state.Doc().RemoteType = 0;
    state.Doc().ProtocolType = 1;
    EXPECT_EQ(SendShellMessage(dialog, WM_SAVE_PROJECT), 1);
    EXPECT_EQ(Bytes(path), reopened);
    EXPECT_TRUE(recorder.boxes.empty());
  });
}

// The new-project flag tells the pages whether to read the project file: an
// opened project is read (flag 0, loading flag 1 meanwhile); a global-selection
// change starts afresh (flag 1).
TEST_F(MainDialogTest, OpenedProjectIsReadAndAChangedSelectionStartsAfresh) {
  RegisterPages();
  RunMainWindow([&] {
    EXPECT_EQ(g_DocManage.NewProject, 0);
    SendShellMessage(dialog, WM_GLOBAL_SEL_CHANGED, 0, 0);
    EXPECT_EQ(g_DocManage.NewProject, 1);

    const wxString path = CopyFixture();
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    for (int id : {129, 137}) {
      EXPECT_EQ(Page(id)->newProjectSeen, 0) << id;
      EXPECT_EQ(Page(id)->loadingSeen, 1) << id;
    }
    EXPECT_EQ(g_DocManage.NewProject, 0);
    EXPECT_EQ(g_DocManage.Loading, 0);

    SendShellMessage(dialog, WM_GLOBAL_SEL_CHANGED, 1, 0);
    EXPECT_EQ(Page(137)->newProjectSeen, 1);
    EXPECT_EQ(Page(137)->loadingSeen, 0);
    EXPECT_TRUE(g_DocManage.UseFormatTemplate());
    EXPECT_EQ(g_DocManage.Loading, 0);
  });
}

// A remote-type change (from the global selection or a decoded import) looks
// the chip and the folders up under the new remote type's framework.
TEST_F(MainDialogTest, RemoteTypeChangeMovesChipAndFoldersToTheNewKind) {
  RegisterPages();
  RunMainWindow([&] {
    state.Doc().ProjectName = "Lcd";
    state.Doc().ProjectFolder = project.Path();
    state.Doc().McuName = "QK37A0660";
    state.Doc().PackageName = "32 QFN";
    state.Doc().RemoteType = 1;
    state.Doc().ProtocolType = 2;
    EXPECT_EQ(SendShellMessage(dialog, WM_REMOTE_TYPE_CHANGED), 1);
    EXPECT_EQ(g_FrameworkKind, 1);
    EXPECT_EQ(g_App.protocolFolder, g_App.GetProtocolFolder(1));
    EXPECT_EQ(g_App.icFolder, g_App.GetIcFolder(1));
    EXPECT_TRUE(g_App.icFolder.EndsWith("IC"));
    EXPECT_NE(g_App.icFolder.Find("LCD_Simple"), wxNOT_FOUND);
  });
}

TEST_F(MainDialogTest, SaveKeepsWhatNoPageOfThisSessionWrites) {
  RegisterPages();
  RunMainWindow([&] {
    const wxString path = CopyFixture();
    // Sections of pages that are not built, and a key of a built page's section
    // that only another window writes.
    platform::WriteProfileString(path, "KeyConfig", "Keypad", "3");
    platform::WriteProfileString(path, "KeyConfig", "TouchKey", "1,2,3,4,5,6,7,8");
    platform::WriteProfileString(path, "LCD", "KeyValueCount", "2");
    platform::WriteProfileString(path, "LCD", "Item1", "  two words  ");
    platform::WriteProfileString(path, "Page137", "Extra", "kept");
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    Page(129)->value = "RC5";
    dialog->OnProjectChanged("CTestStandardPage", false);
    Command(ID_SAVE_PROJECT);
    ASSERT_TRUE(recorder.boxes.empty());

    struct {
      const char* section;
      const char* key;
      const char* value;
    } const kept[] = {{"KeyConfig", "Keypad", "3"},  {"KeyConfig", "TouchKey", "1,2,3,4,5,6,7,8"},
                      {"LCD", "KeyValueCount", "2"}, {"LCD", "Item1", "two words"},
                      {"Page137", "Extra", "kept"},  {"Page137", "Value", "K1 K2 K3"},
                      {"Page129", "Value", "RC5"},   {"Project", "Name", "Demo"}};
    for (const auto& entry : kept) {
      EXPECT_EQ(platform::ReadProfileString(path, entry.section, entry.key, "?"), entry.value)
          << entry.section << "/" << entry.key;
    }
    EXPECT_FALSE(wxDirExists(platform::JoinPath(wxFileName(path).GetPath(), ".olvanta-saving")));
  });
}

// Only the start pages are made at start; a flow page is made when the flow
// first needs it, joined to its step and in the current language.
TEST_F(MainDialogTest, FlowPagesAreMadeWhenTheFlowFirstNeedsThem) {
  RegisterPages();
  RunMainWindow([&] {
    EXPECT_TRUE(dialog->MadePage(132));
    for (int id : {129, 145, 146, 137}) EXPECT_EQ(dialog->MadePage(id), nullptr) << id;
    ASSERT_EQ(dialog->GetNavBar().GetItemCount(), 3);

    // The example page's Next walks into the flow: the standard page is made and shown.
    ASSERT_TRUE(Page(132)->RequestNextPage(1, 0));
    testsupport::PumpEvents();
    CSubBaseDlg* standard = dialog->MadePage(129);
    ASSERT_TRUE(standard);
    EXPECT_EQ(dialog->GetCurrentPage(), standard);
    EXPECT_TRUE(standard->IsShown());
    EXPECT_EQ(dialog->MadePage(137), nullptr);

    // A change told through the flow reaches the key page, which is made for it.
    dialog->OnProjectChanged("CTestKeyPage", true);
    auto* keys = static_cast<CTestPage*>(dialog->MadePage(137));
    ASSERT_TRUE(keys);
    EXPECT_FALSE(keys->IsShown());
    EXPECT_EQ(keys->languageRefreshes, 1);
    EXPECT_EQ(keys->lastPropagatedValue, 1);
    ASSERT_TRUE(keys->GetNavNode());
    EXPECT_EQ(keys->GetNavNode()->page, keys);
    EXPECT_EQ(dialog->GetNavBar().PageAt(2), keys);
    EXPECT_EQ(dialog->MadePage(145), nullptr);
    EXPECT_EQ(dialog->MadePage(146), nullptr);

    // The lookup makes a page of another flow on request.
    CSubBaseDlg* modulation = dialog->FindPage(145);
    ASSERT_TRUE(modulation);
    EXPECT_EQ(dialog->MadePage(145), modulation);
    EXPECT_FALSE(modulation->IsShown());
    EXPECT_EQ(dialog->FindPage(kLcdConfigId), nullptr);  // registered by nothing
  });
}

TEST_F(MainDialogTest, TitleFollowsTheProjectAndItsModifiedState) {
  RegisterPages();
  RunMainWindow([&] {
    EXPECT_EQ(dialog->GetTitle(), "Olvanta IR Remote Designer");
    const wxString path = CopyFixture();
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    EXPECT_EQ(dialog->GetTitle(), "Olvanta IR Remote Designer-" + path);
    dialog->OnProjectChanged("CTestStandardPage", true);
    EXPECT_EQ(dialog->GetTitle(), "Olvanta IR Remote Designer-" + path + "*");
    Command(ID_SAVE_PROJECT);
    EXPECT_EQ(g_DocManage.Modified, 0);
    EXPECT_EQ(dialog->GetTitle(), "Olvanta IR Remote Designer-" + path);
  });
}

TEST_F(MainDialogTest, FailedSaveKeepsTheFileAndTheModifiedFlag) {
  RegisterPages();
  RunMainWindow([&] {
    const wxString path = CopyFixture();
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    const std::string before = Bytes(path);
    Page(129)->value = "RC5";
    dialog->OnProjectChanged("CTestStandardPage", false);
    Page(137)->refuseSave = true;
    Command(ID_SAVE_PROJECT);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(g_DocManage.Modified, 1);
    EXPECT_TRUE(dialog->GetTitle().EndsWith("*"));
    EXPECT_EQ(g_DocManage.ProjectFilePath, path);
    EXPECT_FALSE(wxDirExists(platform::JoinPath(wxFileName(path).GetPath(), ".olvanta-saving")));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_NE(recorder.boxes[0].text.Find("could not be saved"), wxNOT_FOUND);
    EXPECT_NE(recorder.boxes[0].text.Find(path), wxNOT_FOUND);

    // Closing asks again; a failed save keeps the window open.
    recorder.answers = {platform::kIdYes};
    dialog->Close();
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_TRUE(dialog->IsModal());
  });
}

TEST_F(MainDialogTest, LanguageSwitchRelabelsMenusNavigationAndTitle) {
  RegisterPages();
  RunMainWindow([&] {
    const wxString path = CopyFixture();
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    ASSERT_TRUE(dialog->IsStripVisible());
    const int refreshes = Page(137)->languageRefreshes;

    Command(ID_LANG_SIMPLIFIED);
    EXPECT_EQ(g_App.currentLangSection, "936");
    EXPECT_EQ(platform::ReadSetting("Olvanta", "Lang"), "936");
    const wxString chineseButtons[] = {Utf8("项目"), Utf8("选项"), Utf8("语言"), Utf8("帮助")};
    for (int i = 0; i < CMainMenuBar::kMenuCount; ++i) {
      EXPECT_EQ(dialog->GetMainMenuBar().GetButton(i)->GetLabel(), chineseButtons[i]);
    }
    const wxArrayString& captions = dialog->GetNavBar().GetTexts();
    ASSERT_EQ(captions.size(), 3u);
    EXPECT_EQ(captions[0], Utf8("开始"));
    EXPECT_EQ(captions[1], Utf8("协议选择"));
    EXPECT_EQ(captions[2], Utf8("按键配置"));
    EXPECT_EQ(dialog->GetTitle(), Utf8("Olvanta 红外遥控器设计工具-") + path);
    EXPECT_EQ(Page(137)->languageRefreshes, refreshes + 1);
    auto project = dialog->GetMainMenuBar().BuildMenu(CMainMenuBar::kProject);
    EXPECT_EQ(project->GetLabel(ID_SAVE_PROJECT), Utf8("保存项目"));
    auto language = dialog->GetMainMenuBar().BuildMenu(CMainMenuBar::kLanguage);
    EXPECT_TRUE(language->IsChecked(ID_LANG_SIMPLIFIED));
    EXPECT_FALSE(language->IsChecked(ID_LANG_ENGLISH));
    EXPECT_FALSE(testsupport::SaveWindowScreenshot(dialog, "main_window_flow_zh.png").empty());

    Command(ID_LANG_ENGLISH);
    EXPECT_EQ(dialog->GetMainMenuBar().GetButton(CMainMenuBar::kProject)->GetLabel(), "Project");
    EXPECT_EQ(dialog->GetNavBar().GetTexts()[2], "Key Configuration");
    EXPECT_TRUE(dialog->GetMainMenuBar().BuildMenu(CMainMenuBar::kLanguage)->IsChecked(ID_LANG_ENGLISH));
  });
}

TEST_F(MainDialogTest, MenusGreyWhatNeedsAProjectAndFollowTheBrand) {
  RunMainWindow([&] {
    auto project = dialog->GetMainMenuBar().BuildMenu(CMainMenuBar::kProject);
    EXPECT_EQ(project->GetMenuItemCount(), 3u);
    EXPECT_FALSE(project->IsEnabled(ID_SAVE_PROJECT));
    EXPECT_TRUE(project->IsEnabled(ID_OPEN_PROJECT));
    EXPECT_FALSE(dialog->GetMainMenuBar().BuildMenu(CMainMenuBar::kOption)->IsEnabled(ID_CODE_MODE));
    EXPECT_EQ(dialog->GetMainMenuBar().BuildMenu(CMainMenuBar::kHelp)->GetMenuItemCount(), 4u);
    EXPECT_EQ(dialog->GetMainMenuBar().BuildMenu(4), nullptr);

    state.BrandFlag() = 0;
    state.App().currentLangSection = "936";
    auto language = dialog->GetMainMenuBar().BuildMenu(CMainMenuBar::kLanguage);
    ASSERT_EQ(language->GetMenuItemCount(), 1u);
    EXPECT_TRUE(language->IsChecked(ID_LANG_SIMPLIFIED));
  });
}

TEST_F(MainDialogTest, ForwardJumpStopsAtTheRefusingPageAndBackNeverAsks) {
  RegisterPages();
  state.Doc().ProjectName = "Walk";
  state.Doc().ProjectFolder = project.Path();
  state.Doc().ProtocolType = 2;
  RunMainWindow([&] {
    SendShellMessage(dialog, WM_GLOBAL_SEL_CHANGED, 0, 0);
    ASSERT_EQ(dialog->GetCurrentPage(), Page(145));
    ASSERT_EQ(dialog->GetNavBar().GetItemCount(), 4);

    Page(146)->acceptCheck = false;
    ClickCaption(3);
    EXPECT_EQ(Page(145)->checks, 1);
    EXPECT_EQ(Page(146)->checks, 1);
    EXPECT_EQ(dialog->GetCurrentPage(), Page(146));  // landed on the page that refused
    EXPECT_EQ(dialog->GetNavBar().GetCurrentIndex(), 2);

    ClickCaption(1);  // back: asks nobody
    EXPECT_EQ(dialog->GetCurrentPage(), Page(145));
    EXPECT_EQ(Page(145)->checks, 1);

    // The page protocol's next/back requests, up to the end of the flow.
    Page(146)->acceptCheck = true;
    dialog->ShowPage(Page(146));
    ASSERT_TRUE(Page(146)->RequestNextPage(0, 0));
    testsupport::PumpEvents();
    EXPECT_EQ(dialog->GetCurrentPage(), Page(137));
    ASSERT_TRUE(Page(137)->RequestNextPage(0, 0));
    testsupport::PumpEvents();
    EXPECT_EQ(dialog->GetCurrentPage(), Page(137));  // nothing after the last page
    ASSERT_TRUE(Page(137)->RequestPreviousPage(0, 0));
    testsupport::PumpEvents();
    EXPECT_EQ(dialog->GetCurrentPage(), Page(146));
  });
}

TEST_F(MainDialogTest, CancellingTheLeaveQuestionKeepsPageAndProject) {
  RegisterPages();
  RunMainWindow([&] {
    const wxString path = CopyFixture();
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    dialog->OnProjectChanged("CTestStandardPage", false);
    recorder.answers = {platform::kIdCancel};
    ClickCaption(0);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].type & platform::kMbButtonMask, platform::kMbYesNoCancel);
    EXPECT_EQ(dialog->GetCurrentPage(), Page(129));
    EXPECT_EQ(g_DocManage.ProjectName, "Demo");
    EXPECT_EQ(g_DocManage.Modified, 1);

    recorder.answers = {platform::kIdNo};
    ClickCaption(0);
    EXPECT_EQ(dialog->GetCurrentPage(), Page(132));
    EXPECT_TRUE(g_DocManage.ProjectName.empty());
    EXPECT_EQ(dialog->GetTitle(), "Olvanta IR Remote Designer");
  });
}

TEST_F(MainDialogTest, BackFromTheFirstStepAsksBeforeLeavingTheProject) {
  RegisterPages();
  RunMainWindow([&] {
    const wxString path = CopyFixture();
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    dialog->OnProjectChanged("CTestStandardPage", false);
    recorder.answers = {platform::kIdCancel};
    ASSERT_TRUE(Page(129)->RequestPreviousPage(0, 0));
    testsupport::PumpEvents();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].type & platform::kMbButtonMask, platform::kMbYesNoCancel);
    EXPECT_EQ(dialog->GetCurrentPage(), Page(129));
    EXPECT_EQ(g_DocManage.ProjectName, "Demo");

    recorder.answers = {platform::kIdNo};
    ASSERT_TRUE(Page(129)->RequestPreviousPage(0, 0));
    testsupport::PumpEvents();
    EXPECT_EQ(dialog->GetCurrentPage(), Page(132));
    EXPECT_TRUE(g_DocManage.ProjectName.empty());
    EXPECT_EQ(dialog->GetTitle(), "Olvanta IR Remote Designer");
  });
}

TEST_F(MainDialogTest, FailedOpenLeavesNoProjectToSave) {
  RegisterPages();
  RunMainWindow([&] {
    const wxString good = CopyFixture();
    ASSERT_EQ(dialog->OpenProjectFile(good), 2);

    // A project whose chip does not exist fails after the file was read.
    testsupport::TempDir other;
    const wxString bad = other.File("Broken.ovirprj");
    wxCopyFile(good, bad);
    platform::WriteProfileString(bad, "Project", "MCU", "XX99");
    const std::string before = Bytes(bad);
    EXPECT_EQ(dialog->OpenProjectFile(bad), 0);
    EXPECT_FALSE(recorder.boxes.empty());
    EXPECT_EQ(dialog->GetTitle(), "Olvanta IR Remote Designer");
    EXPECT_TRUE(g_DocManage.ProjectName.empty());
    EXPECT_TRUE(g_DocManage.ProjectFilePath.empty());
    EXPECT_FALSE(dialog->GetMainMenuBar().BuildMenu(CMainMenuBar::kProject)->IsEnabled(ID_SAVE_PROJECT));
    Command(ID_SAVE_PROJECT);
    EXPECT_EQ(Bytes(bad), before);
  });
}

TEST_F(MainDialogTest, EnterAndEscapeNeverCloseAndCloseAsksWhenModified) {
  RegisterPages();
  RunMainWindow([&] {
    for (int key : {WXK_ESCAPE, WXK_RETURN}) {
      wxKeyEvent press(wxEVT_CHAR_HOOK);
      press.m_keyCode = key;
      press.SetEventObject(dialog);
      dialog->ProcessWindowEvent(press);
      testsupport::PumpEvents();
      EXPECT_TRUE(dialog->IsShown());
      EXPECT_TRUE(dialog->IsModal());
    }
    const wxString path = CopyFixture();
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    dialog->OnProjectChanged("CTestStandardPage", false);
    recorder.answers = {platform::kIdCancel};
    dialog->Close();
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_TRUE(dialog->IsModal());
    recorder.answers = {platform::kIdNo};
    dialog->Close();
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_FALSE(dialog->IsModal());
    EXPECT_EQ(recorder.boxes.size(), 2u);
  });
}

TEST_F(MainDialogTest, AboutBoxShowsTheVersionsOfTheBrand) {
  const std::array<wxString, 4> versions = {"V1.2", "V2.0", "V3.1", "V4.0"};
  auto label = [](wxWindow* about, int id) { return about->FindWindow(id)->GetLabel(); };
  auto* about = new CAboutDlg(nullptr, versions, "N/A", wxIcon());
  about->Show();
  testsupport::PumpEvents();
  EXPECT_EQ(about->GetTitle(), "About Olvanta");
  EXPECT_EQ(label(about, 1304), "Olvanta IR Remote Designer V1.1.1");
  EXPECT_EQ(label(about, 1306), "Standard protocol framework: V1.2");
  EXPECT_EQ(label(about, 1310), "Standard LCD framework: V4.0");
  EXPECT_EQ(label(about, 1307), "Receiver board firmware: N/A");
  EXPECT_TRUE(about->FindWindow(1308)->IsShown());
  EXPECT_FALSE(about->FindWindow(1401)->IsShown());
  EXPECT_FALSE(testsupport::SaveWindowScreenshot(about, "about_box.png").empty());
  about->Destroy();

  state.BrandFlag() = 0;
  about = new CAboutDlg(nullptr, versions, "0102", wxIcon());
  EXPECT_EQ(label(about, 1304), "Olvanta IR Remote Designer V1.0.0");
  EXPECT_FALSE(about->FindWindow(1308)->IsShown());
  EXPECT_TRUE(about->FindWindow(1401)->IsShown());
  EXPECT_EQ(about->FindWindow(1307)->GetRect(), about->FindWindow(1308)->GetRect());
  about->Destroy();
  testsupport::PumpEvents();
}

// Help's About box opened in the running main window stands over it and takes
// the user's click: its OK closes it and the main window runs on.
TEST_F(MainDialogTest, AboutBoxFromTheHelpMenuClosesWithARealClickOnOk) {
  RunMainWindow([&] {
    bool clicked = false;
    int closedWith = 0;
    // The box runs modally; the user answers it once it is up.
    wxTheApp->CallAfter([&] {
      CAboutDlg* about = nullptr;
      const bool up = testsupport::PumpUntil([&] {
        for (wxWindow* window : wxTopLevelWindows) {
          if (auto* found = dynamic_cast<CAboutDlg*>(window)) about = found;
        }
        return about && about->IsModal();
      });
      if (!up) {
        ADD_FAILURE() << "the About box never ran modal";
        return;
      }
      EXPECT_EQ(about->GetParent(), dialog);
      clicked = testsupport::RealClick(about->GetClientWindow()->FindWindow(wxID_OK));
      if (clicked && testsupport::PumpUntil([&] { return !about->IsModal(); }))
        closedWith = about->GetReturnCode();
      // A click that went elsewhere must not leave the test waiting on the box.
      if (about->IsModal()) about->EndModal(wxID_CANCEL);
    });
    Command(ID_ABOUT);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(closedWith, wxID_OK);
    EXPECT_TRUE(dialog->IsModal());
    EXPECT_TRUE(dialog->IsEnabled());
  });
}

class CFakeReceiver : public IReceiverLink {
 public:
  explicit CFakeReceiver(int* connects) : m_connects(connects) {}
  void SetNotifyWindow(wxWindow* window) override { notify = window; }
  void PostConnect() override { ++*m_connects; }
  void PostStartDecode(wxWindow*) override {}
  void PostUpdateFirmware(wxWindow*, const wxString&) override {}
  bool IsDecodeRunning() const override { return false; }
  bool IsUpdateRunning() const override { return false; }
  wxWindow* notify = nullptr;

 private:
  int* m_connects;
};

TEST_F(MainDialogTest, ReceiverIsAskedToConnectAtStartAndOnBoardChanges) {
  int connects = 0;
  RegisterReceiverLink([&connects]() { return std::make_unique<CFakeReceiver>(&connects); });
  RunMainWindow([&] {
    testsupport::PumpUntil([&] { return connects > 0; });
    EXPECT_EQ(connects, 1);
    ASSERT_NE(GetShellWindow(), nullptr);
    EXPECT_NE(GetShellWindow()->GetReceiverLink(), nullptr);
    dialog->OnDeviceChange(true);  // arrival while disconnected
    EXPECT_EQ(connects, 2);
    dialog->OnDeviceChange(false);  // removal while disconnected: nothing
    EXPECT_EQ(connects, 2);
    SendShellMessage(dialog, WM_BOARD_STATE, 2, 0x0102);
    EXPECT_EQ(dialog->GetBoardState(), 2);
    dialog->OnDeviceChange(false);
    EXPECT_EQ(connects, 3);
  });
}

}  // namespace
