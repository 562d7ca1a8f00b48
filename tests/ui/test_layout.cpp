#include "core/AppContext.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/UILayout.h"
#include "MessageRecorder.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/dir.h>
#include <wx/filename.h>

namespace {

// A window of 800 x 600 (client 780 x 560), texts 7 pixels a character and 14 high, pictures 32 x 24.
class CFakeMeasure : public ILayoutMeasure {
 public:
  bool WindowSize(wxSize& size) override {
    size = wxSize(800, 600);
    return true;
  }
  bool ClientRect(wxRect& rect) override {
    rect = wxRect(0, 0, 780, 560);
    return true;
  }
  wxSize TextExtent(const wxString& text, const CFontEx&) override {
    return wxSize(7 * static_cast<int>(text.length()), 14);
  }
  wxSize ImageSize(const wxString&) override { return wxSize(32, 24); }
};

struct ElementKeys {
  const char* key;
  std::vector<std::pair<const char*, const char*>> values;
};

class LayoutTest : public ::testing::Test {
 protected:
  // Writes sections A0, A1, ... and loads them.
  void Load(const std::vector<ElementKeys>& elements) {
    const wxString ini = dir.File("Page.ini");
    int index = 0;
    for (const auto& element : elements) {
      const wxString section = wxString::Format("A%d", index++);
      if (element.key) platform::WriteProfileString(ini, section, "key", wxString(element.key));
      for (const auto& [key, value] : element.values)
        platform::WriteProfileString(ini, section, key, wxString(value));
    }
    layout.SetSource(ini, dir.Path());
    layout.LoadElements("A", nullptr);
    layout.ApplyFonts(0);
  }

  wxRect Rect(const char* name) {
    wxRect rect;
    EXPECT_TRUE(layout.GetElementRect(name, rect)) << name;
    return rect;
  }

  testsupport::TempDir dir;
  testsupport::CMessageRecorder boxes;
  CFakeMeasure measure;
  CUILayout layout;
};

TEST_F(LayoutTest, EdgesFollowTheirExpressions) {
  Load({{"SW_CLIENT", {{"l", "0"}, {"t", "0"}, {"r", "GetRight(Client)"}, {"b", "GetBottom(Client)"}}},
        {"Fixed", {{"l", "10"}, {"w", "100"}, {"t", "5"}, {"h", "20"}}},
        {"RightAligned",
         {{"r", "GetRight(Client)-10"}, {"w", "80"}, {"b", "GetBottom(Window)-4"}, {"h", "30"}}},
        {"A", {{"l", "100"}, {"r", "201"}, {"t", "0"}, {"b", "10"}}},
        {"Centred", {{"l", "GetCenterX(A)-20"}, {"w", "40"}, {"t", "GetCenterY(A)+1"}, {"h", "4"}}},
        {"Label", {{"text", "IDS_SOME_LABEL"}, {"l", "GetRight(Fixed)+8"}, {"t", "GetTop(Fixed)"}}},
        {"Picture",
         {{"image", "logo.png,other.png"}, {"r", "GetLeft(RightAligned)"}, {"b", "GetTop(RightAligned)"}}},
        {"Unknown", {{"l", "GetLeft(Nobody)+5"}, {"w", "10"}, {"t", "Bogus(A)"}, {"h", "10"}}},
        {"Hidden", {{"l", "0"}, {"w", "1"}, {"t", "0"}, {"h", "1"}, {"hide", "2"}}}});
  ASSERT_TRUE(layout.ResolveAll(measure));
  EXPECT_EQ(Rect("SW_CLIENT"), wxRect(0, 0, 780, 560));
  EXPECT_EQ(Rect("Fixed"), wxRect(10, 5, 100, 20));
  EXPECT_EQ(Rect("RightAligned"), wxRect(770 - 80, 596 - 30, 80, 30));
  EXPECT_EQ(Rect("Centred").GetLeft(), 130);  // (201 - 100) / 2 + 100 - 20
  EXPECT_EQ(Rect("Centred").GetTop(), 6);
  EXPECT_EQ(Rect("Label"), wxRect(118, 5, 7 * 14, 14));  // the key itself is the text: no language file
  EXPECT_EQ(Rect("Picture"), wxRect(690 - 32, 566 - 24, 32, 24));
  EXPECT_EQ(Rect("Unknown"), wxRect(5, 0, 10, 10));  // unknown names and functions give 0
  stUIElement hidden;
  ASSERT_TRUE(layout.GetElement("Hidden", hidden));
  EXPECT_EQ(hidden.hidden, 1);
  EXPECT_EQ(hidden.unresolved, 0);
  stUIElement picture;
  ASSERT_TRUE(layout.GetElement("Picture", picture));
  EXPECT_EQ(picture.images[1], "other.png");
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(LayoutTest, SectionsStopAtTheFirstGapAndLaterKeysReplace) {
  Load({{"One", {{"l", "1"}, {"r", "2"}, {"t", "1"}, {"b", "2"}}},
        {"Two", {{"l", "1"}, {"r", "2"}, {"t", "1"}, {"b", "2"}}},
        {"One", {{"l", "7"}, {"r", "9"}, {"t", "1"}, {"b", "2"}}},
        {nullptr, {{"l", "0"}}},
        {"Four", {{"l", "1"}, {"r", "2"}, {"t", "1"}, {"b", "2"}}}});
  EXPECT_EQ(layout.Elements().size(), 2u);
  ASSERT_TRUE(layout.ResolveAll(measure));
  EXPECT_EQ(Rect("One").GetLeft(), 7);
  wxRect rect;
  EXPECT_FALSE(layout.GetElementRect("Four", rect));
}

TEST_F(LayoutTest, CyclesTerminateAndFailuresAreReportedOnce) {
  Load({{"P", {{"l", "GetRight(Q)"}, {"w", "10"}, {"t", "0"}, {"h", "5"}}},
        {"Q", {{"r", "GetLeft(P)+50"}, {"w", "10"}, {"t", "0"}, {"h", "5"}}}});
  ASSERT_TRUE(layout.ResolveAll(measure));  // the edge met again inside its own resolution counts as 0
  EXPECT_EQ(Rect("P").GetWidth(), 10);

  CUILayout broken;
  const wxString ini = dir.File("Broken.ini");
  platform::WriteProfileString(ini, "A0", "key", "NoEdges");
  platform::WriteProfileString(ini, "A0", "t", "0");
  broken.SetSource(ini, dir.Path());
  broken.LoadElements("A", nullptr);
  broken.ApplyFonts(0);
  EXPECT_FALSE(broken.ResolveAll(measure));
  EXPECT_FALSE(broken.ResolveAll(measure));  // a resize resolves again
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, wxString::Format("Load 'NoEdges' element failed!(%s)", ini));
}

TEST_F(LayoutTest, DisplaySettingsReadersDefaultToOne) {
  g_DisplayConfig.iniPath = dir.File("DisplayConfig.ini");
  platform::WriteProfileString(g_DisplayConfig.iniPath, "MenuCLR", "R", "39");
  int r = 0, g = 0, b = 0, on = 0, down = 0;
  ReadIniColorKeys("MenuCLR", r, g, b, on, down);
  EXPECT_EQ(r, 39);
  EXPECT_EQ(g, 1);
  EXPECT_EQ(down, 1);
  wxString name;
  int size = 0;
  ReadIniFontKeys("Missing", name, size);
  EXPECT_EQ(name, "1");
  EXPECT_EQ(size, 1);
}

// Every layout of the install folder resolves at a typical window size, names
// only language keys that exist in all three languages, and every page layout
// ("...Page....ini") defines "SW_CLIENT".
TEST(InstallLayouts, EveryLayoutResolves) {
  const wxString install = platform::JoinPath(OLV_SOURCE_DIR, "install");
  const wxString folder = platform::JoinPath(install, "UIConfig");
  const wxString langFile = platform::JoinPath(install, "Lang.ini");
  testsupport::CMessageRecorder boxes;
  wxArrayString files;
  wxDir::GetAllFiles(folder, &files, "*.ini", wxDIR_FILES);
  for (const wxString& file : files) {
    if (file.EndsWith("DisplayConfig.ini")) continue;
    CUILayout layout;
    layout.SetSource(file, platform::JoinPath(install, "Images"));
    layout.LoadElements("A", nullptr);
    layout.ApplyFonts(0);
    CFakeMeasure measure;
    EXPECT_TRUE(layout.ResolveAll(measure)) << file;
    stUIElement client;
    if (wxFileName(file).GetName().Contains("Page")) {
      EXPECT_TRUE(layout.GetElement("SW_CLIENT", client)) << file;
    }
    for (const auto& [name, element] : layout.Elements()) {
      if (element.textKey.empty()) continue;
      for (const char* section : {"1252", "936", "950"}) {
        EXPECT_TRUE(platform::ProfileKeyExists(langFile, section, element.textKey))
            << file << ": " << element.textKey << " in " << section;
      }
    }
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
