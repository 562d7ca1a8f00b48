// A recent project that cannot be opened (here one of an unknown remote type)
// says so once when the user double-clicks it in the example page's recent
// list: the second press of the double click opens nothing more.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/pages/ExamplePage.h"
#include "ui/pages/HistoryList.h"
#include "ui/shell/OlvantaDlg.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class RecentOpenTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().Modified = 0;
    state.BrandFlag() = 0;
  }

  // The presses, releases and double click a user's double click makes.
  static void DoubleClick(wxWindow* window, const wxPoint& at) {
    testsupport::MouseDown(window, at);
    testsupport::MouseUp(window, at);
    testsupport::MouseDown(window, at);
    testsupport::MouseDoubleClick(window, at);
    testsupport::MouseUp(window, at);
    testsupport::PumpEvents();
  }

  int FailureBoxes() const {
    const wxString failed = GetLangText("IDS_LOAD_FILE_FAILED");
    return static_cast<int>(std::count_if(recorder.boxes.begin(), recorder.boxes.end(),
                                          [&](const auto& box) { return box.text == failed; }));
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};

TEST_F(RecentOpenTest, DoubleClickedProjectThatCannotBeOpenedSaysSoOnce) {
  const wxString folder = work.File("NEC_TV_Remote");
  CopyGeneralRemoteExample("NEC_TV_Remote", folder);
  const wxString project = platform::JoinPath(folder, "NEC_TV_Remote.lmirprj");
  RunMainWindow([&] {
    ASSERT_EQ(dialog->OpenProjectFile(project), 2);  // now first in the recent list
    platform::WriteProfileString(project, "Project", "RemoteType", "7");
    auto* examples = dynamic_cast<CExamplePage*>(dialog->FindPage(CExamplePage::kTemplateId));
    ASSERT_TRUE(examples);
    dialog->ShowPage(examples);
    testsupport::PumpEvents();
    CTDS_History_Dlg* recent = examples->GetRecentList();
    ASSERT_FALSE(recent->GetLines().empty());
    const wxRect row = recent->RowRect(0);
    const wxPoint at(row.x + 10, row.y + row.height / 2);
    recorder.boxes.clear();

    DoubleClick(recent, at);
    EXPECT_EQ(FailureBoxes(), 1);
    EXPECT_EQ(recorder.boxes.size(), 1u);

    // A later click opens it again, and says so again.
    testsupport::Click(recent, at);
    testsupport::PumpEvents();
    EXPECT_EQ(FailureBoxes(), 2);
  });
}

}  // namespace
