// The start page, the example page with its lists and recent projects, and a
// new project made through the new-project dialog, in the main window.
#include "PagesFixture.h"

#include "core/UserIni.h"
#include "platform/TextFile.h"
#include "ui/PngButton.h"
#include "ui/pages/RecentProjects.h"

#include <wx/dir.h>
#include <wx/textctrl.h>

namespace {

TEST_F(PagesTest, ProgramStartsOnTheStartPageAndNextShowsTheExamples) {
  state.App().currentLangSection = "936";  // the partner brand starts in Simplified Chinese
  RunBrandWindow(0, [&] {
    auto* start = PageOf<CHomePage>(CHomePage::kTemplateId);
    ASSERT_TRUE(start);
    EXPECT_EQ(dialog->GetCurrentPage(), start);
    EXPECT_TRUE(start->IsShown());
    EXPECT_TRUE(start->FindWindow(CHomePage::kLumoraLogoId)->IsShown());
    EXPECT_FALSE(start->FindWindow(CHomePage::kTarvikLogoId)->IsShown());
    EXPECT_EQ(start->FindWindow(CHomePage::kNextId)->GetLabel(), wxString::FromUTF8("下一步"));
    EXPECT_GT(start->FindWindow(CHomePage::kPictureId)->GetSize().x, 100);
    testsupport::SaveWindowScreenshot(dialog, "start_page.png");

    ShowExamplePage();
    auto* examples = PageOf<CExamplePage>(CExamplePage::kTemplateId);
    ASSERT_TRUE(examples);
    EXPECT_EQ(dialog->GetCurrentPage(), examples);
    EXPECT_FALSE(start->IsShown());
    EXPECT_FALSE(dialog->IsStripVisible());
    EXPECT_EQ(examples->GetGeneralList()->GetLines().size(), 2u);
    EXPECT_FALSE(examples->GetLcdList()->IsShown());
    EXPECT_FALSE(examples->FindWindow(CExamplePage::kLcdTitleId)->IsShown());
    EXPECT_GT(examples->GetRecentList()->GetSize().y, 100);
    testsupport::SaveWindowScreenshot(dialog, "example_page.png");
    EXPECT_TRUE(recorder.boxes.empty()) << BoxTexts().front();
  });
}

TEST_F(PagesTest, MakerBrandShowsItsLogoAndBothExampleLists) {
  RunBrandWindow(1, [&] {
    auto* start = PageOf<CHomePage>(CHomePage::kTemplateId);
    EXPECT_TRUE(start->FindWindow(CHomePage::kTarvikLogoId)->IsShown());
    EXPECT_FALSE(start->FindWindow(CHomePage::kLumoraLogoId)->IsShown());
    ShowExamplePage();
    auto* examples = PageOf<CExamplePage>(CExamplePage::kTemplateId);
    EXPECT_TRUE(examples->GetLcdList()->IsShown());
    EXPECT_EQ(examples->GetLcdList()->GetLines().size(), 2u);
    testsupport::SaveWindowScreenshot(dialog, "example_page_maker.png");
  });
}

TEST_F(PagesTest, CancelOnTheStartPageClosesTheMainWindow) {
  RunBrandWindow(0, [&] {
    Press(PageOf<CHomePage>(CHomePage::kTemplateId)->FindWindow(CHomePage::kCancelId));
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_FALSE(dialog->IsModal());
  });
}

// Clicking an example opens its folder; each project file of the brand there
// opens in the main window without a message and joins the recent projects.
TEST_F(PagesTest, EveryExampleOpensFromTheExamplePageWithoutAMessage) {
  for (int brand : {0, 1}) {
    SCOPED_TRACE(brand);
    RunBrandWindow(brand, [&] {
      ShowExamplePage();
      auto* examples = PageOf<CExamplePage>(CExamplePage::kTemplateId);
      std::vector<wxString> opened;
      CTDS_History_Dlg::SetFolderOpener([&opened](const wxString& folder) { opened.push_back(folder); });
      int projects = 0;
      for (CTDS_History_Dlg* list : {examples->GetGeneralList(), examples->GetLcdList()}) {
        if (!list->IsShown()) continue;
        const std::vector<wxString> lines = list->GetLines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
          opened.clear();
          ClickLine(list, static_cast<int>(i));
          ASSERT_EQ(opened, std::vector<wxString>{PathOfLine(lines[i])});
          wxArrayString files;
          wxDir::GetAllFiles(opened[0], &files, brand ? "*.ovirprj" : "*.lmirprj", wxDIR_FILES);
          ASSERT_EQ(files.size(), 1u) << opened[0];
          EXPECT_EQ(dialog->OpenProjectFile(files[0]), 2) << files[0];
          EXPECT_EQ(g_DocManage.ProjectFilePath, files[0]);
          EXPECT_EQ(PathOfLine(examples->GetRecentList()->GetLines().front()), files[0]);
          ++projects;
        }
      }
      EXPECT_EQ(projects, brand ? 4 : 2);
      EXPECT_TRUE(recorder.boxes.empty()) << BoxTexts().front();
    });
    if (HasFatalFailure()) return;
  }
}

TEST_F(PagesTest, MissingRecentProjectIsReportedAndLeavesTheSavedList) {
  RunBrandWindow(0, [&] {
    ShowExamplePage();
    auto* recent = PageOf<CExamplePage>(CExamplePage::kTemplateId)->GetRecentList();
    const wxString gone = work.File("Gone.lmirprj");
    recent->AddEntry("Gone", gone, true);
    ASSERT_TRUE(recent->SaveHistory());
    ClickLine(recent, 0);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_TRUE(recorder.boxes[0].text.Contains(gone));
    EXPECT_TRUE(recent->GetLines().empty());
    EXPECT_EQ(platform::ReadProfileString(GetUserIniPath(), "LMHistory1", "PathName", "?"), "");
  });
}

TEST_F(PagesTest, NewProjectIsWrittenListedAndReopensFromTheStartPage) {
  const wxString location = work.File("projects");
  const wxString file = platform::JoinPath(platform::JoinPath(location, "Hall Lamp"), "Hall Lamp.ovirprj");
  RunBrandWindow(1, [&] {
    ASSERT_NO_FATAL_FAILURE(CreateProjectWithNewProjectDialog("Hall Lamp", location, 1));
    auto* examples = PageOf<CExamplePage>(CExamplePage::kTemplateId);

    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes(file, bytes));
    ASSERT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2));
    const wxString text(bytes.data() + 2, wxMBConvUTF16LE(), bytes.size() - 2);
    wxString expected = "[Project]\r\nName=Hall Lamp\r\nFolder=" + platform::JoinPath(location, "Hall Lamp") +
                        "\r\nMCU=QK21A0510\r\nPackage=8SOP\r\nRemoteType=0\r\nProtocolType=2\r\nVolt=0\r\n";
    EXPECT_TRUE(text.StartsWith(expected)) << text;
    EXPECT_EQ(examples->GetRecentList()->GetLines().front(), MakeEntryLine("Hall Lamp", file));
    // The only question was whether to create the project's folder.
    ASSERT_EQ(recorder.boxes.size(), 1u);
  });
  if (HasFatalFailure()) return;

  state.Doc().Reset(true, false);
  state.Doc().ProjectName.clear();
  state.Doc().ProjectFilePath.clear();
  RunBrandWindow(1, [&] {
    ShowExamplePage();
    auto* recent = PageOf<CExamplePage>(CExamplePage::kTemplateId)->GetRecentList();
    ASSERT_EQ(recent->GetLines().size(), 1u);
    ClickLine(recent, 0);
    EXPECT_EQ(g_DocManage.ProjectFilePath, file);
    EXPECT_EQ(g_DocManage.ProjectName, "Hall Lamp");
    EXPECT_EQ(g_DocManage.ProtocolType, 2);
    EXPECT_EQ(recorder.boxes.size(), 1u);
  });
}

}  // namespace
