// The global-selection strip and the new-project dialog: their lists, the
// question before a change, and what a failure leaves of the open project.
#include "PagesFixture.h"

#include "core/ChipModel.h"
#include "core/FileHelpers.h"
#include "core/UserIni.h"
#include "ui/pages/NewPrjPage.h"
#include "ui/shell/ShellMessages.h"

#include <wx/filename.h>
#include <wx/textctrl.h>

namespace fs = std::filesystem;

namespace {

wxArrayString Items(wxChoice* choice) { return choice->GetStrings(); }

class SelectionTest : public PagesTest {
 protected:
  void TearDown() override {
    PagesTest::TearDown();
    RegisterShellPage(kStandardModePageId, nullptr);
    RegisterShellPage(kKeyConfigId, nullptr);
  }

  // The maker's main window with its example copied into a folder of its own
  // and opened; body runs inside the window's modal loop.
  void WithExample(const std::function<void()>& body, const char* name = "NEC_TV_Remote") {
    const wxString source =
        platform::JoinPath(platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install/Example"),
                                              "General type remote controller"),
                           name);
    const wxString folder = work.File(name);
    fs::copy(fs::path(source.utf8_string()), fs::path(folder.utf8_string()), fs::copy_options::recursive);
    project = platform::JoinPath(folder, wxString(name) + ".ovirprj");
    RunBrandWindow(1, [&] {
      ASSERT_EQ(dialog->OpenProjectFile(project), 2);
      recorder.boxes.clear();
      body();
    });
  }

  wxString project;
};

TEST_F(SelectionTest, StripShowsTheOpenProjectsChoices) {
  // A page of the standard flow, so that the strip is shown above it.
  RegisterShellPage(kStandardModePageId,
                    [](wxWindow* parent) { return new CSubBaseDlg(kStandardModePageId, parent); });
  WithExample([&] {
    RegisterShellPage(kStandardModePageId, nullptr);
    CGlobalSelDlg* strip = GlobalSel();
    ASSERT_TRUE(strip);
    EXPECT_TRUE(dialog->IsStripVisible());
    EXPECT_TRUE(strip->IsShown());
    EXPECT_EQ(strip->GetModeList()->GetCount(), 4u);
    EXPECT_EQ(strip->GetModeList()->GetSelection(), 0);
    EXPECT_EQ(strip->GetMcuList()->GetStringSelection(), "QK21A0510");
    EXPECT_EQ(strip->GetPackageList()->GetStringSelection(), "16NSOP");
    EXPECT_EQ(Items(strip->GetMcuList()).Index("QK21C0510"), wxNOT_FOUND);
    testsupport::SaveWindowScreenshot(dialog, "global_selection.png");
  });
}

TEST_F(SelectionTest, CancelledModeChangeLeavesTheProjectAndTheRow) {
  WithExample([&] {
    state.Doc().SetParam(0, "38");
    recorder.answers = {platform::kIdCancel};
    Pick(GlobalSel()->GetModeList(), 2);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(GlobalSel()->GetModeList()->GetSelection(), 0);
    EXPECT_EQ(g_DocManage.RemoteType, 0);
    EXPECT_EQ(g_DocManage.GetParam(0), "38");

    // The row that is already the project's asks nothing.
    Pick(GlobalSel()->GetModeList(), 0);
    EXPECT_EQ(recorder.boxes.size(), 1u);
  });
}

TEST_F(SelectionTest, ModeChangeTakesTheNewRemoteTypesChipAndResets) {
  WithExample([&] {
    state.Doc().SetParam(0, "38");
    Pick(GlobalSel()->GetModeList(), 2);
    EXPECT_EQ(recorder.boxes.size(), 1u);  // the question only
    EXPECT_EQ(g_DocManage.RemoteType, 1);
    EXPECT_EQ(g_DocManage.ProtocolType, 2);
    EXPECT_EQ(g_FrameworkKind, 1);
    EXPECT_EQ(g_DocManage.McuName, "QK37A0660");  // the document's chip is not an LCD chip: the first
    EXPECT_EQ(g_DocManage.PackageName, GlobalSel()->GetPackageList()->GetStringSelection());
    EXPECT_EQ(g_DocManage.GetParam(0), "");
    EXPECT_EQ(g_DocManage.ProjectFilePath, project);
    // The confirmed change is unsaved: the title says so and closing asks.
    EXPECT_EQ(g_DocManage.Modified, 1);
    EXPECT_TRUE(dialog->GetTitle().EndsWith("*"));
    recorder.answers = {platform::kIdCancel};
    dialog->Close();
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_TRUE(dialog->IsModal());
  });
}

// A chip that cannot load leaves the project as it was.
TEST_F(SelectionTest, ModeChangeToAMissingChipResetsNothing) {
  const fs::path install = fs::path(work.File("install").utf8_string());
  fs::copy(fs::path(OLV_SOURCE_DIR) / "install", install, fs::copy_options::recursive);
  for (const char* kind : {"LCD_Simple", "LCD_Standard"}) {
    for (const auto& entry : fs::directory_iterator(install / "RemoteControlSetting" / kind / "IC")) {
      if (entry.path().extension() == ".afg") fs::remove(entry.path());
    }
  }
  UseInstall(wxString::FromUTF8(install.string()));
  WithExample([&] {
    state.Doc().SetParam(0, "38");
    Pick(GlobalSel()->GetModeList(), 3);
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_TRUE(recorder.boxes[1].text.StartsWith("Missing file: ")) << recorder.boxes[1].text;
    EXPECT_EQ(g_DocManage.RemoteType, 0);
    EXPECT_EQ(g_DocManage.McuName, "QK21A0510");
    EXPECT_EQ(g_DocManage.GetParam(0), "38");
    EXPECT_EQ(GlobalSel()->GetModeList()->GetSelection(), 0);
    EXPECT_EQ(GlobalSel()->GetMcuList()->GetStringSelection(), "QK21A0510");
  });
}

TEST_F(SelectionTest, McuChangeTakesTheChipsDefaultPackage) {
  WithExample([&] {
    CGlobalSelDlg* strip = GlobalSel();
    Pick(strip->GetMcuList(), Items(strip->GetMcuList()).Index("QK52A140"));
    EXPECT_EQ(g_DocManage.McuName, "QK52A140");
    EXPECT_EQ(g_DocManage.PackageName, "48 LQFP");
    EXPECT_EQ(strip->GetPackageList()->GetStringSelection(), "48 LQFP");
    ASSERT_TRUE(g_CurChipInfo);
    EXPECT_EQ(g_CurChipInfo->name, "QK52A140");
    EXPECT_EQ(g_DocManage.Modified, 1);
    EXPECT_TRUE(dialog->GetTitle().EndsWith("*"));
  });
}

// A page that refuses a package keeps the document's package.
class CRefusingKeyPage : public CSubBaseDlg {
 public:
  explicit CRefusingKeyPage(wxWindow* parent) : CSubBaseDlg(kKeyConfigId, parent) {
    Bind(WM_GLOBAL_SEL_TEXT, [this](CShellMessageEvent& event) {
      offered = event.GetString();
      event.SetResult(accept ? 1 : 0);
    });
  }
  wxString offered;
  bool accept = false;
};

TEST_F(SelectionTest, PackageChangeAsksTheKeyPageFirst) {
  RegisterShellPage(kKeyConfigId,
                    [](wxWindow* parent) -> CSubBaseDlg* { return new CRefusingKeyPage(parent); });
  WithExample([&] {
    RegisterShellPage(kKeyConfigId, nullptr);
    auto* keys = dynamic_cast<CRefusingKeyPage*>(dialog->FindPage(kKeyConfigId));
    ASSERT_TRUE(keys);
    wxChoice* packages = GlobalSel()->GetPackageList();
    Pick(packages, packages->FindString("8SOP"));
    EXPECT_EQ(keys->offered, "8SOP");
    EXPECT_EQ(g_DocManage.PackageName, "16NSOP");
    EXPECT_EQ(packages->GetStringSelection(), "16NSOP");

    keys->accept = true;
    Pick(packages, packages->FindString("8SOP"));
    EXPECT_EQ(g_DocManage.PackageName, "8SOP");
    EXPECT_EQ(g_DocManage.Modified, 1);
    EXPECT_TRUE(dialog->GetTitle().EndsWith("*"));
  });
}

// --- The new-project dialog.

TEST_F(SelectionTest, NewProjectListsFollowTheBrandAndTheMode) {
  state.BrandFlag() = 0;
  {
    CNewPrjPage page(nullptr);
    EXPECT_EQ(page.GetModeList()->GetCount(), 2u);
    EXPECT_EQ(Items(page.GetMcuList()), wxArrayString(1, "QK21C0510"));
    EXPECT_EQ(page.GetLocationEdit()->GetValue(), GetDefaultProjectRoot());
  }
  state.BrandFlag() = 1;
  CNewPrjPage page(nullptr);
  EXPECT_EQ(page.GetModeList()->GetCount(), 4u);
  EXPECT_EQ(Items(page.GetMcuList()).Index("QK21C0510"), wxNOT_FOUND);
  Pick(page.GetModeList(), 3);
  EXPECT_EQ(page.GetChosenItemValue(), 0x0202);
  EXPECT_EQ(page.GetChosenMcu(), "QK37A0660");
  EXPECT_EQ(page.GetChosenPackage(), page.GetPackageList()->GetStringSelection());
  Pick(page.GetMcuList(), Items(page.GetMcuList()).Index("QK52A150"));
  EXPECT_EQ(page.GetChosenPackage(), "48 LQFP");  // the chip's default package

  testsupport::TypeText(page.GetNameEdit(), "Kept");
  const wxString settings = GetUserIniPath();
  platform::WriteProfileString(settings, "Olvanta", "Folder", work.Path());
  Press(page.GetClientWindow()->FindWindow(CNewPrjPage::kResetId));
  EXPECT_EQ(page.GetChosenItemValue(), 0x0100);
  EXPECT_EQ(page.GetChosenMcu(), "QK21A0510");
  EXPECT_EQ(page.GetChosenPackage(), "8SOP");
  EXPECT_EQ(page.GetLocationEdit()->GetValue(), work.Path());
  EXPECT_EQ(page.GetNameEdit()->GetValue(), "Kept");
  EXPECT_TRUE(recorder.boxes.empty());
}

// A refused Finish leaves the open project as it was.
TEST_F(SelectionTest, FailedFinishLeavesTheOpenProject) {
  WithExample([&] {
    const wxString folder = g_DocManage.ProjectFolder;
    CNewPrjPage page(dialog);
    Pick(page.GetModeList(), 2);
    page.GetLocationEdit()->ChangeValue(work.File("new"));

    struct {
      const char* name;
      std::deque<int> answers;
    } const attempts[] = {{"", {}}, {"bad|name", {}}, {"Good", {platform::kIdCancel}}};
    for (const auto& attempt : attempts) {
      page.GetNameEdit()->ChangeValue(attempt.name);
      recorder.answers = attempt.answers;
      Press(page.GetClientWindow()->FindWindow(CNewPrjPage::kFinishId));
      EXPECT_EQ(g_DocManage.ProjectName, "NEC_TV_Remote") << attempt.name;
      EXPECT_EQ(g_DocManage.ProjectFolder, folder);
      EXPECT_EQ(g_DocManage.ProjectFilePath, project);
      EXPECT_EQ(g_DocManage.RemoteType, 0);
      EXPECT_EQ(g_DocManage.McuName, "QK21A0510");
      EXPECT_EQ(g_FrameworkKind, 0);
    }
    EXPECT_EQ(recorder.boxes.size(), 3u);
    EXPECT_FALSE(wxFileName::DirExists(work.File("new")));
  });
}

}  // namespace
