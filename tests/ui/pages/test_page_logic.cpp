// The recent-project storage, the example lines and the chip choices, without a display.
#include "core/AppContext.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/pages/ChipChoices.h"
#include "ui/pages/RecentProjects.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

namespace {

class PageLogicTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.BrandFlag() = 1;
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
  }

  // A project file of the given MCU; its path.
  wxString Project(const wxString& name, const wxString& extension, const wxString& mcu) {
    const wxString path = dir.File(name + "." + extension);
    platform::WriteProfileString(path, "Project", "MCU", mcu);
    return path;
  }

  testsupport::TempDir dir;
};

TEST_F(PageLogicTest, SeventhProjectDropsTheOldestAndANameRoundTrips) {
  std::vector<wxString> lines;
  for (int i = 1; i <= 7; ++i)
    AddEntryLine(lines, wxString::Format("P %d  x", i), wxString::Format("/p/%d.ovirprj", i));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines.front(), "P 7  x    /p/7.ovirprj");
  EXPECT_EQ(PathOfLine(lines.back()), "/p/2.ovirprj");
  EXPECT_EQ(NameOfLine(lines.front()), "P 7  x");
  // The path begins after the first four blanks, even when it holds four blanks itself.
  EXPECT_EQ(PathOfLine(MakeEntryLine("a", "/x    y/a.ovirprj")), "/x    y/a.ovirprj");
}

TEST_F(PageLogicTest, RemovingAPathLeavesProjectsWhosePathOnlyEndsTheSame) {
  std::vector<wxString> lines;
  AddEntryLine(lines, "b", "/home/x/a/b.ovirprj");
  AddEntryLine(lines, "b", "/a/b.ovirprj");
  AddEntryLine(lines, "c", "/a/c.ovirprj");
  RemoveEntryLines(lines, "/a/b.ovirprj");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(PathOfLine(lines[0]), "/a/c.ovirprj");
  EXPECT_EQ(PathOfLine(lines[1]), "/home/x/a/b.ovirprj");
}

TEST_F(PageLogicTest, SaveFillsSixSlotsAndLoadSkipsOtherBrandsAndEmptySlots) {
  const wxString settings = dir.File("ir_remote.ini");
  const wxString mine = Project("Mine", "ovirprj", "QK21A0510");
  const wxString partnerFile = Project("Partner", "lmirprj", "QK21C0510");
  const wxString partnerChip = Project("LmChip", "ovirprj", "LM21A0510");
  std::vector<wxString> lines;
  AddEntryLine(lines, "LmChip", partnerChip);
  AddEntryLine(lines, "Partner", partnerFile);
  AddEntryLine(lines, "Mine", mine);
  ASSERT_TRUE(SaveHistoryLines(settings, lines));
  EXPECT_EQ(platform::ReadProfileString(settings, "History1", "PrjName", "?"), "Mine");
  EXPECT_EQ(platform::ReadProfileString(settings, "History3", "PathName", "?"), partnerChip);
  for (int slot = 4; slot <= 6; ++slot) {
    EXPECT_TRUE(platform::ProfileKeyExists(settings, HistorySection(slot), "PrjName"));
    EXPECT_EQ(platform::ReadProfileString(settings, HistorySection(slot), "PathName", "?"), "");
  }
  EXPECT_EQ(LoadHistoryLines(settings), std::vector<wxString>{MakeEntryLine("Mine", mine)});

  // Names with runs of blanks, also beside a path that holds four blanks.
  const wxString spaced = Project("Hall    Lamp", "ovirprj", "QK21A0510");
  const wxString spacedFolder = dir.File("x    y");
  wxFileName::Mkdir(spacedFolder);
  const wxString nested = platform::JoinPath(spacedFolder, "Two  Words.ovirprj");
  wxCopyFile(mine, nested);
  lines.clear();
  AddEntryLine(lines, "Two  Words", nested);
  AddEntryLine(lines, "Hall    Lamp", spaced);
  ASSERT_TRUE(SaveHistoryLines(settings, lines));
  EXPECT_EQ(platform::ReadProfileString(settings, "History1", "PrjName", "?"), "Hall    Lamp");
  EXPECT_EQ(LoadHistoryLines(settings), lines);
  EXPECT_EQ(PathOfLine(lines[0]), spaced);
  EXPECT_EQ(NameOfLine(lines[1]), "Two  Words");

  state.BrandFlag() = 0;
  EXPECT_EQ(HistorySection(2), "LMHistory2");
  EXPECT_TRUE(LoadHistoryLines(settings).empty());  // the partner brand has its own slots
}

TEST_F(PageLogicTest, ExampleLinesAreTheSubFoldersOfTheirCategory) {
  const std::vector<wxString> lines = LoadExampleLines(g_App.installFolder, "General type remote controller");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(NameOfLine(lines[0]), "Custom_Protocol_Remote");
  EXPECT_TRUE(wxFileName::DirExists(PathOfLine(lines[1])));
  EXPECT_TRUE(LoadExampleLines(g_App.installFolder, "No such category").empty());
}

TEST_F(PageLogicTest, BrandsOfferTheirModesAndChips) {
  EXPECT_EQ(OfferedDevelopModes().size(), 4u);
  const std::vector<wxString> maker = ListOfferedMcus(g_App.GetIcFolder(0));
  EXPECT_EQ(maker.size(), 9u);
  EXPECT_EQ(std::count(maker.begin(), maker.end(), "QK21C0510"), 0);
  EXPECT_EQ(DevelopModeRowOf(2, 2), 3);
  EXPECT_EQ(DevelopModeRowOf(0, 0), -1);

  state.BrandFlag() = 0;
  ASSERT_EQ(OfferedDevelopModes().size(), 2u);
  EXPECT_EQ(OfferedDevelopModes()[1].itemValue, 0x0200);
  EXPECT_EQ(ListOfferedMcus(g_App.GetIcFolder(0)), std::vector<wxString>{"QK21C0510"});
  EXPECT_TRUE(ListOfferedMcus(g_App.GetIcFolder(1)).empty());
  EXPECT_EQ(DevelopModeRowOf(1, 2), -1);
}

TEST_F(PageLogicTest, PackagesStopAtTheFirstEmptyKeyAndEndBeforeTheFirstComma) {
  const wxString ini = dir.File("CHIP.ini");
  platform::WriteProfileString(ini, "Package", "Count", "5");
  platform::WriteProfileString(ini, "Package", "0", "8SOP,6,PA0");
  platform::WriteProfileString(ini, "Package", "1", "16 NSOP");
  platform::WriteProfileString(ini, "Package", "3", "20SOP,18");
  std::vector<wxString> names;
  ASSERT_TRUE(ReadPackageNames(ini, names));
  EXPECT_EQ(names, (std::vector<wxString>{"8SOP", "16 NSOP"}));
  EXPECT_FALSE(ReadPackageNames(dir.File("MISSING.ini"), names));
  EXPECT_EQ(FindItemStartingWith({"QK21A0510", "QK37A0640"}, "qk37"), 1);
  EXPECT_EQ(FindItemStartingWith({"QK21A0510"}, "QK52"), -1);
}

}  // namespace
