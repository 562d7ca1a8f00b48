// What a user sees of the protocol pages with the window at its least size,
// in English and Chinese: the standard page's wave picture stays inside its
// frame, clear of Cancel and Next; the data-format page shows its send type
// whole, every block of the send process holds its name and its buttons cover
// none of its controls.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/UserIni.h"
#include "keys/pages/KeysPages.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "protocol/pages/DataFormat.h"
#include "protocol/gui/FrameDiagramPainter.h"
#include "protocol/pages/ProtocolPages.h"
#include "protocol/pages/StandardModePage.h"
#include "ui/shell/OlvantaDlg.h"
#include "LayoutChecks.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/dcclient.h>

#include <filesystem>

namespace {

class ProtocolPagesLooksTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().Modified = 0;
    state.BrandFlag() = 0;
    RegisterProtocolPages();
    RegisterKeysPages();
    for (const char* prompt : {"Prompt_Standard", "Prompt_UserDef"})
      platform::WriteProfileString(GetUserIniPath(), "Olvanta", prompt, "1");
    DisarmKeyPageGuide();
  }

  // The general example `name` opened from a folder of its own in the window
  // at its least size, then body on the page `steps` Next presses on.
  void OnPage(const wxString& name, int steps, const std::function<void(wxWindow*)>& body) {
    const wxString folder = work.File(name);
    CopyGeneralRemoteExample(name, folder);
    RunMainWindow(
        [&] {
          dialog->SetSize(dialog->GetMinSize());
          ASSERT_EQ(dialog->OpenProjectFile(platform::JoinPath(folder, name + ".lmirprj")), 2);
          for (int step = 0; step < steps; ++step) {
            auto* page = dynamic_cast<CSubBaseDlg*>(dialog->GetCurrentPage());
            ASSERT_TRUE(page);
            page->RequestNextPage(1, 0);
            testsupport::PumpEvents();
          }
          recorder.boxes.clear();
          body(dialog->GetCurrentPage());
        },
        ExpressionLibrary::kBuilt);
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};

TEST_F(ProtocolPagesLooksTest, StandardPagePictureStaysInItsFrameClearOfTheButtons) {
  OnPage("NEC_TV_Remote", 0, [&](wxWindow* page) {
    ASSERT_TRUE(dynamic_cast<CStandardModePage*>(page));
    for (const char* language : {"1252", "936"}) {
      SCOPED_TRACE(language);
      dialog->SwitchLanguage(language);
      testsupport::PumpEvents();
      const wxRect picture = page->FindWindow(CStandardModePage::kPictureId)->GetRect();
      const wxRect frame = page->FindWindow(CStandardModePage::kWavePreviewId)->GetRect();
      EXPECT_TRUE(frame.Contains(picture)) << "the picture runs out of its frame";
      for (int button : {CStandardModePage::kNextId, CStandardModePage::kCancelId})
        EXPECT_FALSE(picture.Intersects(page->FindWindow(button)->GetRect())) << button;
      EXPECT_GE(picture.height, 100) << "the picture keeps a size to be read";
      testsupport::SaveWindowScreenshot(dialog,
                                        wxString::Format("standard_page_least_size_%s.png", language));
    }
    dialog->SwitchLanguage("1252");
  });
}

TEST_F(ProtocolPagesLooksTest, DataFormatPageShowsTheSendTypeAndEveryBlockNameWhole) {
  OnPage("Custom_Protocol_Remote", 1, [&](wxWindow* window) {
    auto* page = dynamic_cast<CDataFormat*>(window);
    ASSERT_TRUE(page) << "the data-format page is not shown";
    for (const char* language : {"1252", "936"}) {
      SCOPED_TRACE(language);
      dialog->SwitchLanguage(language);
      testsupport::PumpEvents();
      EXPECT_EQ(testsupport::ClippedTexts(page, testsupport::ListItems::kShown), "");
      // Previous, Next and Cancel cover nothing.
      for (int button : {1006, 1007, 1008}) {
        const wxRect rect = page->FindWindow(button)->GetRect();
        for (wxWindow* control : page->GetChildren()) {
          if (control->GetId() != button && control->IsShown())
            EXPECT_FALSE(rect.Intersects(control->GetRect())) << button << " covers " << control->GetId();
        }
      }

      // Each block's name in the font the page draws blocks in fits the block.
      const olv::protocol::CFrameBlockPainter painter(page->GetFont());
      const olv::protocol::CSendFormat& row = page->Model().SendFormat();
      wxClientDC dc(page);
      int named = 0;
      for (int i = 0; i < row.PlaceCount(); ++i) {
        const olv::protocol::CFrameBlock& block = row.Place(i);
        const wxString text = GetLangText(block.BodyStyle().text);
        if (!block.IsVisible() || text.empty() || text == "+") continue;
        ++named;
        SCOPED_TRACE(text);
        const olv::protocol::BlockRect& r = block.Rect();
        const wxRect rect(r.left, r.top, r.Width(), r.Height());
        dc.SetFont(painter.Font());
        const olv::protocol::stBlockTextFit fit = olv::protocol::FitBlockText(dc, text, rect);
        // The lines hold the whole name (a split at a space drops the space).
        wxString shown, whole = text;
        for (const wxString& line : fit.lines) shown += line;
        shown.Replace(" ", "");
        whole.Replace(" ", "");
        EXPECT_EQ(shown, whole);
        EXPECT_LE(fit.size.x, rect.width - 2);
        EXPECT_LE(fit.size.y, rect.height);
      }
      EXPECT_GE(named, 3) << "the example's frame shows its blocks";
      testsupport::SaveWindowScreenshot(dialog, wxString::Format("data_format_least_size_%s.png", language));
    }
    dialog->SwitchLanguage("1252");
  });
}

}  // namespace
