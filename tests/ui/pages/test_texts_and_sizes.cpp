// What a user sees of the main window's texts, sizes and boxes: texts that fit
// their controls in every language of both brands, the window's least size,
// dialogs and boxes in the user's language, the example lists' tooltips and
// the message for an example folder that nothing can show.
#include "PagesFixture.h"
#include "LayoutChecks.h"

#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "platform/Format.h"
#include "ui/ToolTip2.h"
#include "ui/pages/NewPrjPage.h"
#include "ui/pages/RecentProjects.h"
#include "ui/shell/AboutDlg.h"
#include "ui/shell/ShellCommands.h"

#include <wx/app.h>
#include <wx/modalhook.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/dir.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <sys/stat.h>

#include <sstream>
#include <string>

namespace {

// The first example project file of the brand.
wxString FirstExampleProject(CExamplePage* examples, int brand) {
  const wxString folder = PathOfLine(examples->GetGeneralList()->GetLines().front());
  wxArrayString files;
  wxDir::GetAllFiles(folder, &files, brand ? "*.ovirprj" : "*.lmirprj", wxDIR_FILES);
  return files.empty() ? wxString() : files[0];
}

// Notes the title (and a file dialog's filter) of every modal dialog about to
// be shown, and answers it with Cancel in place of the user.
class CDialogRecorder : public wxModalDialogHook {
 public:
  CDialogRecorder() { Register(); }
  ~CDialogRecorder() override { Unregister(); }
  int Enter(wxDialog* dialog) override {
    // The toolkit's own file and folder dialogs take their title as their message.
    if (auto* files = dynamic_cast<wxFileDialog*>(dialog)) {
      titles.push_back(files->GetMessage());
      filters.push_back(files->GetWildcard());
    } else if (auto* folders = dynamic_cast<wxDirDialog*>(dialog)) {
      titles.push_back(folders->GetMessage());
    } else {
      titles.push_back(dialog->GetTitle());
    }
    return wxID_CANCEL;
  }
  void Exit(wxDialog*) override {}

  std::vector<wxString> titles;
  std::vector<wxString> filters;
};

// Placeholders for the step pages, so that an open project shows the strip.
const int kStepPageIds[] = {kStandardModePageId, kModulationParamId, kDataFormatId, kAirModulationId,
                            kAirDataFormatId,    kOtherPageId,       kLcdConfigId,  kKeyConfigId};

class TextsAndSizesTest : public PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    for (int id : kStepPageIds) {
      RegisterShellPage(id, [id](wxWindow* parent) { return new CSubBaseDlg(id, parent); });
    }
  }
  void TearDown() override {
    PagesTest::TearDown();
    for (int id : kStepPageIds) RegisterShellPage(id, nullptr);
  }

  // Runs the main window of brand in language with an example project open, so
  // that the strip and the navigation bar are up; body runs inside its modal loop.
  void WithProjectWindow(int brand, const wxString& language, const std::function<void()>& body) {
    state.App().currentLangSection = language;
    RunBrandWindow(brand, [&] {
      ShowExamplePage();
      const wxString project = FirstExampleProject(PageOf<CExamplePage>(CExamplePage::kTemplateId), brand);
      ASSERT_FALSE(project.empty());
      ASSERT_EQ(dialog->OpenProjectFile(project), 2);
      testsupport::PumpEvents();
      ASSERT_TRUE(dialog->IsStripVisible());
      body();
    });
  }

  // Drags the main window's bottom-right corner by delta.
  void DragCorner(const wxPoint& delta) {
    const wxSize size = dialog->GetSize();
    const wxPoint corner(size.x - 2, size.y - 2);
    testsupport::MouseDown(dialog, corner);
    testsupport::MouseMove(dialog, corner + delta, true);
    testsupport::MouseUp(dialog, corner + delta);
    testsupport::PumpEvents();
  }
};

// Every window of the program in every language of both brands: the start
// page, the example page, the strip, the menu bar, the new-project dialog and
// the About box.
TEST_F(TextsAndSizesTest, EveryTextFitsItsControlInEveryLanguageOfBothBrands) {
  for (int brand : {1, 0}) {
    for (const char* language : {"1252", "936", "950"}) {
      SCOPED_TRACE(testing::Message() << "brand " << brand << ", language " << language);
      state.App().currentLangSection = language;
      RunBrandWindow(brand, [&] {
        EXPECT_EQ(testsupport::ClippedTexts(PageOf<CHomePage>(CHomePage::kTemplateId)), "");
        ShowExamplePage();
        EXPECT_EQ(testsupport::ClippedTexts(PageOf<CExamplePage>(CExamplePage::kTemplateId)), "");
        const wxString project = FirstExampleProject(PageOf<CExamplePage>(CExamplePage::kTemplateId), brand);
        ASSERT_EQ(dialog->OpenProjectFile(project), 2);
        testsupport::PumpEvents();
        // Each development mode of the brand in turn shows its name whole.
        EXPECT_EQ(testsupport::ClippedTexts(GlobalSel()), "");
        EXPECT_EQ(testsupport::OverlappingControls(GlobalSel()), "");
        EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow()), "");

        auto* newProject = new CNewPrjPage(dialog);
        newProject->Show();
        testsupport::PumpEvents();
        EXPECT_EQ(testsupport::ClippedTexts(newProject->GetClientWindow()), "");
        newProject->Destroy();

        auto* about = new CAboutDlg(dialog, dialog->GetFrameworkVersions(), "N/A", wxIcon());
        about->Show();
        testsupport::PumpEvents();
        EXPECT_EQ(testsupport::ClippedTexts(about->GetClientWindow()), "");
        about->Destroy();
      });
      if (HasFatalFailure()) return;
    }
  }
}

// The window never gets smaller than the size at which the strip shows all
// its lists, in any language; dragging the frame stops there.
TEST_F(TextsAndSizesTest, TheWindowStopsAtALeastSizeThatKeepsTheStripWhole) {
  WithProjectWindow(1, "1252", [&] {
    const wxSize least = dialog->GetMinSize();
    ASSERT_GT(least.x, 0);
    ASSERT_GT(least.y, 0);
    // Switching the language back and forth leaves the window as it was.
    const wxSize size = dialog->GetSize();
    for (const char* language : {"936", "1252", "936", "1252"}) dialog->SwitchLanguage(language);
    testsupport::PumpEvents();
    EXPECT_EQ(dialog->GetSize(), size);
    EXPECT_EQ(dialog->GetMinSize(), least);
    DragCorner(wxPoint(-2000, -2000));
    EXPECT_EQ(dialog->GetSize(), least);

    for (const char* language : {"1252", "936", "950"}) {
      SCOPED_TRACE(language);
      dialog->SwitchLanguage(language);
      DragCorner(wxPoint(-2000, -2000));
      testsupport::PumpEvents();
      CGlobalSelDlg* strip = GlobalSel();
      EXPECT_EQ(testsupport::OverlappingControls(strip), "");
      for (wxWindow* control : strip->GetChildren()) {
        if (!control->IsShown()) continue;
        EXPECT_LE(control->GetRect().GetRight(), strip->GetClientSize().x) << control->GetId();
        EXPECT_GE(control->GetRect().GetLeft(), 0) << control->GetId();
      }
      EXPECT_EQ(testsupport::ClippedTexts(strip), "");
      // The page below the navigation bar keeps a useful height.
      EXPECT_GT(dialog->GetPageRect().height, 300);
    }
    dialog->SwitchLanguage("1252");
    DragCorner(wxPoint(-2000, -2000));
    testsupport::SaveWindowScreenshot(dialog, "main_window_least_size_maker.png");
  });
}

// The new-project dialog as the maker brand shows it in English.
TEST_F(TextsAndSizesTest, NewProjectDialogShowsEveryTextWhole) {
  WithProjectWindow(1, "1252", [&] {
    auto* page = new CNewPrjPage(dialog);
    page->Show();
    testsupport::PumpEvents();
    Pick(page->GetModeList(), 2);  // the longest mode name
    EXPECT_EQ(testsupport::ClippedTexts(page->GetClientWindow()), "");
    EXPECT_EQ(page->GetModeList()->GetStringSelection(), GetLangText("IDS_SIM_AIR_UD_V2"));
    testsupport::SaveWindowScreenshot(page, "new_project_dialog_maker.png");
    page->Destroy();
  });
}

// Puts the pointer at a point of window and lets the motion it makes arrive.
void RestPointer(wxWindow* window, const wxPoint& point) {
  window->WarpPointer(point.x, point.y);
  for (int i = 0; i < 3; ++i) {
    wxMilliSleep(50);
    testsupport::PumpEvents();
  }
}

// A tooltip that is up stays up, unblinking, while the hover timer ticks on.
TEST_F(TextsAndSizesTest, ExampleTooltipStaysUpWhileTheTimerTicks) {
  RunBrandWindow(1, [&] {
    ShowExamplePage();
    CTDS_History_Dlg* list = PageOf<CExamplePage>(CExamplePage::kTemplateId)->GetGeneralList();
    const wxRect row = list->RowRect(0);
    RestPointer(list, row.GetPosition() + wxSize(10, row.height / 2));
    list->GetHoverTimer().Notify();
    testsupport::PumpEvents();
    CToolTip2* tip = list->GetTip();
    ASSERT_TRUE(tip->IsTipShown());
    EXPECT_EQ(tip->GetText(), list->GetLines()[0]);

    int hides = 0;
    tip->Bind(wxEVT_SHOW, [&hides](wxShowEvent& event) {
      if (!event.IsShown()) ++hides;
      event.Skip();
    });
    for (int tick = 0; tick < 3; ++tick) {
      list->GetHoverTimer().Notify();
      testsupport::PumpEvents();
    }
    EXPECT_TRUE(tip->IsTipShown());
    EXPECT_EQ(hides, 0);

    // Resting on another line: the tip shows that line.
    const wxRect second = list->RowRect(1);
    RestPointer(list, second.GetPosition() + wxSize(10, second.height / 2));
    list->GetHoverTimer().Notify();
    testsupport::PumpEvents();
    EXPECT_TRUE(tip->IsTipShown());
    EXPECT_EQ(tip->GetText(), list->GetLines()[1]);
  });
}

// Without a program to show folders with, clicking an example says so, and
// not that a PDF reader is missing.
TEST_F(TextsAndSizesTest, AnExampleFolderThatCannotBeShownIsReportedAsSuch) {
  state.App().currentLangSection = "950";
  RunBrandWindow(1, [&] {
    ShowExamplePage();
    CTDS_History_Dlg* list = PageOf<CExamplePage>(CExamplePage::kTemplateId)->GetGeneralList();
    const wxString folder = PathOfLine(list->GetLines()[0]);
    wxString path;
    wxGetEnv("PATH", &path);
    wxSetEnv("PATH", work.File("no-programs"));
    ClickLine(list, 0);
    wxSetEnv("PATH", path);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    const wxString text = recorder.boxes[0].text;
    EXPECT_TRUE(text.Contains(folder)) << text;
    EXPECT_EQ(text, platform::FormatText(GetLangText("IDS_OPEN_FOLDER_FAILED"), folder));
    EXPECT_TRUE(text.StartsWith(wxString::FromUTF8("無法顯示資料夾"))) << text;
    EXPECT_FALSE(text.Contains("PDF")) << text;
  });
}

// The open-project file dialog and the location folder dialog carry titles in
// the user's language; boxes carry their caption and buttons in it.
TEST_F(TextsAndSizesTest, FileAndFolderDialogsAndBoxesSpeakTheUsersLanguage) {
  state.App().currentLangSection = "950";
  RunBrandWindow(1, [&] {
    ShowExamplePage();
    CDialogRecorder dialogs;
    wxCommandEvent open(wxEVT_MENU, ID_OPEN_PROJECT);
    dialog->ProcessWindowEvent(open);
    testsupport::PumpEvents();
    ASSERT_EQ(dialogs.titles.size(), 1u);
    EXPECT_EQ(dialogs.titles[0], wxString::FromUTF8("開啟專案"));
    ASSERT_EQ(dialogs.filters.size(), 1u);
    EXPECT_TRUE(dialogs.filters[0].StartsWith(wxString::FromUTF8("專案檔案|"))) << dialogs.filters[0];

    auto* page = new CNewPrjPage(dialog);
    page->Show();
    testsupport::PumpEvents();
    Press(page->GetClientWindow()->FindWindow(CNewPrjPage::kBrowseId));
    ASSERT_EQ(dialogs.titles.size(), 2u);
    EXPECT_EQ(dialogs.titles[1], GetLangText("IDS_CHOOSE_LOCATION_TITLE"));
    EXPECT_NE(dialogs.titles[1], "IDS_CHOOSE_LOCATION_TITLE");
    page->Destroy();

    ShowErrorMessage("ERR_LOADCHIP", "QK00");
    ASSERT_FALSE(recorder.boxes.empty());
    EXPECT_EQ(recorder.boxes.back().okLabel, wxString::FromUTF8("確定"));
    EXPECT_EQ(recorder.boxes.back().caption, wxString::FromUTF8("錯誤"));
  });
}

// Help's schematic command shows the install folder's SCH folder, which holds
// the receiver board's schematic; the system's opener gets that folder.
TEST_F(TextsAndSizesTest, TheSchematicCommandShowsTheBoardsSchematic) {
  const wxString sch = platform::JoinPath(g_App.installFolder, "SCH");
  wxArrayString pdfs;
  wxDir::GetAllFiles(sch, &pdfs, "*.pdf", wxDIR_FILES);
  ASSERT_EQ(pdfs.size(), 1u);

  // A stand-in for the system's opener that notes what it was asked to open.
  const wxString bin = work.File("bin");
  ASSERT_TRUE(wxMkdir(bin));
  const wxString opened = work.File("opened.txt");
  const wxString opener = platform::JoinPath(bin, "xdg-open");
  {
    wxFile script(opener, wxFile::write);
    script.Write("#!/bin/sh\nprintf '%s' \"$1\" > '" + opened + "'\n");
  }
  ASSERT_EQ(chmod(opener.fn_str(), 0755), 0);
  wxString path;
  wxGetEnv("PATH", &path);
  wxSetEnv("PATH", bin + ":" + path);

  RunBrandWindow(1, [&] {
    wxCommandEvent command(wxEVT_MENU, ID_BOARD_SCHEMATIC);
    dialog->ProcessWindowEvent(command);
    EXPECT_TRUE(
        testsupport::PumpUntil([&] { return wxFileExists(opened) && wxFileName::GetSize(opened) > 0; }));
    wxSetEnv("PATH", path);
    EXPECT_TRUE(recorder.boxes.empty()) << BoxTexts().front();
    wxString target;
    wxFile(opened).ReadAll(&target);
    EXPECT_EQ(wxFileName(target).GetFullPath(), wxFileName(sch).GetFullPath());
  });
}

}  // namespace
