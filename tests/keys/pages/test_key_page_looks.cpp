// What a user sees of the key page of the NEC example, in English and
// Chinese: the LED box's tick shows on the strip's light background, at the
// least window size the key-code grid shows rows and every header, and a key
// carrying a function shows its name whole.
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/UserIni.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeySetDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "protocol/pages/ProtocolPages.h"
#include "ui/shell/OlvantaDlg.h"
#include "HostFrame.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>

#include <algorithm>

namespace {

class KeyPageLooksTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().Modified = 0;
    state.BrandFlag() = 0;
    RegisterProtocolPages();
    RegisterKeysPages();
    platform::WriteProfileString(GetUserIniPath(), "Olvanta", "Prompt_Standard", "1");
    DisarmKeyPageGuide();
  }

  // The NEC example opened from a folder of its own, walked to its key page
  // in the window at size (the least when none is given); body runs there.
  void OnKeyPage(const wxSize& size, const std::function<void(CKeyConfigDlg*)>& body) {
    const wxString folder = work.File(wxString::Format("NEC_TV_Remote_%d", ++runs));
    CopyGeneralRemoteExample("NEC_TV_Remote", folder);
    RunMainWindow(
        [&] {
          dialog->SetSize(size == wxDefaultSize ? dialog->GetMinSize() : size);
          ASSERT_EQ(dialog->OpenProjectFile(platform::JoinPath(folder, "NEC_TV_Remote.lmirprj")), 2);
          dialog->FindPage(kStandardModePageId)->RequestNextPage(1, 0);
          testsupport::PumpEvents();
          auto* page = dynamic_cast<CKeyConfigDlg*>(dialog->GetCurrentPage());
          ASSERT_TRUE(page) << "the key page is not shown";
          recorder.boxes.clear();
          body(page);
        },
        ExpressionLibrary::kBuilt);
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
  int runs = 0;
};

int Luminance(const wxImage& image, int x, int y) {
  return (299 * image.GetRed(x, y) + 587 * image.GetGreen(x, y) + 114 * image.GetBlue(x, y)) / 1000;
}

// The check box's box: the bounding box of the pixels at its left end that
// differ from the strip's background.
wxRect IndicatorBox(const wxImage& image, const wxColour& background) {
  wxRect box;
  const int side = std::min(image.GetHeight(), 24);
  for (int y = 0; y < image.GetHeight(); ++y) {
    for (int x = 0; x < side; ++x) {
      const int difference = std::abs(image.GetRed(x, y) - background.Red()) +
                             std::abs(image.GetGreen(x, y) - background.Green()) +
                             std::abs(image.GetBlue(x, y) - background.Blue());
      if (difference > 60) box.Union(wxRect(x, y, 1, 1));
    }
  }
  return box;
}

// The spread of brightness inside the box, within its frame: a tick that
// shows stands apart from the box's fill.
int TickContrast(wxCheckBox* box, const wxColour& background) {
  const wxImage image = testsupport::WaitForScreen(box);
  const wxRect indicator = IndicatorBox(image, background).Deflate(3);
  if (indicator.IsEmpty()) return 0;
  int lightest = 0, darkest = 255;
  for (int y = indicator.y; y <= indicator.GetBottom(); ++y) {
    for (int x = indicator.x; x <= indicator.GetRight(); ++x) {
      lightest = std::max(lightest, Luminance(image, x, y));
      darkest = std::min(darkest, Luminance(image, x, y));
    }
  }
  return lightest - darkest;
}

TEST_F(KeyPageLooksTest, LedBoxTickShowsOnTheStrip) {
  OnKeyPage(wxSize(1200, 800), [&](CKeyConfigDlg* page) {
    auto* strip = dynamic_cast<CKeySetDlg*>(page->GetKeySetPanel()->GetWindow());
    ASSERT_TRUE(strip);
    auto* led = dynamic_cast<wxCheckBox*>(strip->FindWindow(CKeySetDlg::kLedBoxId));
    ASSERT_TRUE(led);
    const wxColour background(0xE4, 0xEC, 0xF9);
    const int unticked = TickContrast(led, background);
    Tick(led, true);
    ASSERT_TRUE(led->GetValue());
    testsupport::SaveWindowScreenshot(strip, "key_strip_led_ticked.png");
    EXPECT_GE(TickContrast(led, background), 90) << "the tick does not stand out of its box";
    EXPECT_LT(unticked, 90) << "an empty box already shows as ticked";
  });
}

// The key-code grid keeps its header and at least four rows in view, every
// header whole, when the window is as small as it goes.
TEST_F(KeyPageLooksTest, AtTheLeastWindowSizeTheKeyCodeGridShowsRowsAndEveryHeader) {
  OnKeyPage(wxDefaultSize, [&](CKeyConfigDlg* page) {
    for (const char* language : {"1252", "936"}) {
      SCOPED_TRACE(language);
      dialog->SwitchLanguage(language);
      testsupport::PumpEvents();
      CIRGridCtrl* grid = page->GetGrid();
      ASSERT_TRUE(grid->IsShown());
      ASSERT_GT(grid->GetRowCount(), 5) << "the example's saved codes";
      const int rowsInView = (grid->GetClientSize().y - grid->GetRowHeight(0)) / grid->GetRowHeight(1);
      EXPECT_GE(rowsInView, 4);
      int total = 0;
      for (int col = 0; col < grid->GetColumnCount(); ++col) {
        EXPECT_LE(grid->GetCell(0, col)->GetCellExtent().x, grid->GetColumnWidth(col)) << col;
        total += grid->GetColumnWidth(col);
      }
      EXPECT_LE(total, grid->GetClientSize().x);
      // The key panel above it still shows its strip and a row of keys.
      EXPECT_GE(page->GetKeySetPanel()->GetWindow()->GetSize().y, 200);
      testsupport::SaveWindowScreenshot(dialog, wxString::Format("key_page_least_size_%s.png", language));
    }
    dialog->SwitchLanguage("1252");
  });
}

class KeyButtonLooksTest : public testsupport::HostFrameTest {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    HostFrameTest::SetUp();
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
  }
  void TearDown() override { HostFrameTest::TearDown(); }
};

// A key of the key panel is one key cell wide; a function's name on it is
// drawn smaller rather than cut short.
TEST_F(KeyButtonLooksTest, KeyShowsItsFunctionNameWhole) {
  auto* key = new CKeyButton(page, 4500, wxString(), wxRect(16, 25, CKeySetDlg::kCellWidth, 18),
                             CKeyButton::kRoleKey);
  for (const char* language : {"1252", "936"}) {
    SCOPED_TRACE(language);
    state.App().currentLangSection = language;
    for (const char* function : {"IDS_SWITCH", "IDS_MODE"}) {
      SCOPED_TRACE(function);
      key->SetCaptionKey(function, true);
      wxClientDC dc(key);
      const CKeyButton::stShownCaption shown = key->ShownCaption(dc);
      EXPECT_EQ(shown.text, GetLangText(function));
      dc.SetFont(shown.font);
      const wxSize extent = dc.GetTextExtent(shown.text);
      EXPECT_LE(extent.x, key->GetClientSize().x - 2);
      EXPECT_LE(extent.y, key->GetClientSize().y);
    }
    key->SetCaptionKey("IDS_SWITCH", true);
    testsupport::SaveWindowScreenshot(key, wxString::Format("key_button_power_%s.png", language));
  }
}

}  // namespace
