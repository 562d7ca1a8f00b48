// The decode page's key-code grid as a user sees it, in English and Chinese,
// general and air-conditioner: every column header in view with no sideways
// scrolling, also once the saved codes need the vertical bar.
#include "PageTestBase.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "UiEvents.h"
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "keys/pages/KeysPages.h"
#include "platform/Paths.h"
#include "protocol/pages/ProtocolPages.h"
#include "receiver/pages/CodeModePage.h"
#include "receiver/pages/ReceiverPages.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/ShellCommands.h"
#include "ui/shell/ShellHooks.h"

#include <gtest/gtest.h>
#include <wx/app.h>

namespace {

CCodeModePage* FindDecodePage(int mode) {
  for (wxWindow* window : wxTopLevelWindows) {
    auto* page = dynamic_cast<CCodeModePage*>(window);
    if (page && page->GetMode() == mode && !page->IsBeingDeleted()) return page;
  }
  return nullptr;
}

class DecodeGridLooksTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().RemoteType = kRemoteGeneral;
    state.Doc().LcdOption = 0;
    state.Doc().ProtocolType = kProtocolStandard;
    state.Doc().Modified = 0;
    state.Doc().DecodePageOpen = 0;
    RegisterKeysPages();
    RegisterProtocolPages();
    RegisterReceiverPages();
  }
  void TearDown() override { RegisterDecodePage(nullptr); }

  // The decode page of mode over the NEC example, with rows enough to need
  // the vertical bar; body runs while it is open.
  void WithDecodePage(int mode, const std::function<void(CCodeModePage*)>& body) {
    const wxString folder = work.File(wxString::Format("NEC_TV_Remote_%d", mode));
    CopyGeneralRemoteExample("NEC_TV_Remote", folder);
    RunMainWindow([&] {
      ASSERT_EQ(dialog->OpenProjectFile(platform::JoinPath(folder, "NEC_TV_Remote.lmirprj")), 2);
      recorder.boxes.clear();
      for (int i = 0; i < 30; ++i) {
        state.Doc().AddKeyValue(static_cast<std::uint16_t>(0x10 + i), wxString::Format("Key %d", i));
        state.Doc().AddAirKeyValue("0011110001011010", wxString::Format("Frame %d", i));
      }
      if (mode == CCodeModePage::kAirMode) state.Doc().RemoteType = kRemoteLcdSimple;
      wxCommandEvent learn(wxEVT_MENU, ID_CODE_MODE);
      dialog->ProcessWindowEvent(learn);
      testsupport::PumpEvents();
      CCodeModePage* page = FindDecodePage(mode);
      ASSERT_TRUE(page);
      body(page);
      page->Close();
      testsupport::PumpEvents();
    });
  }

  static void ExpectHeadersInView(CIRGridCtrl* grid) {
    int total = 0;
    for (int col = 0; col < grid->GetColumnCount(); ++col) {
      SCOPED_TRACE(GetLangText(grid->GetItemText(0, col)));
      EXPECT_LE(grid->GetCell(0, col)->GetCellExtent().x, grid->GetColumnWidth(col));
      total += grid->GetColumnWidth(col);
    }
    EXPECT_LE(total, grid->GetClientSize().x);
    EXPECT_EQ(grid->GetScrollBarState() & 1, 0) << "the grid scrolls sideways";
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};

TEST_F(DecodeGridLooksTest, EveryHeaderIsInViewInEitherModeAndLanguage) {
  for (int mode : {CCodeModePage::kGeneralMode, CCodeModePage::kAirMode}) {
    SCOPED_TRACE(mode == CCodeModePage::kGeneralMode ? "general" : "air");
    WithDecodePage(mode, [&](CCodeModePage* page) {
      CIRGridCtrl* grid = page->GetGrid();
      ASSERT_GT(grid->GetRowCount(), 20);
      ASSERT_NE(grid->GetScrollBarState() & 2, 0) << "the rows need the vertical bar";
      for (const char* language : {"1252", "936"}) {
        SCOPED_TRACE(language);
        dialog->SwitchLanguage(language);
        testsupport::PumpEvents();
        ExpectHeadersInView(grid);
        testsupport::SaveWindowScreenshot(
            page, wxString::Format("decode_grid_%s_%s.png",
                                   mode == CCodeModePage::kGeneralMode ? "general" : "air", language));
      }
      dialog->SwitchLanguage("1252");
    });
  }
}

}  // namespace
