// Every shipped example, of both brands, passes its own flow: opened from a
// copy in the main window (run modal, as the program runs it), each page of
// its flow left with its Next button up to the key page, no page refusing and
// no message shown, and then output.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/ProjectKinds.h"
#include "core/UserIni.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "protocol/pages/ProtocolPages.h"
#include "ui/LUMaskEdit.h"
#include "ui/shell/OlvantaDlg.h"
#include "PageTestBase.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "RealInput.h"
#include "UiEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// Texts in failures read as text.
inline void PrintTo(const wxString& text, std::ostream* os) { *os << '"' << text.utf8_string() << '"'; }

namespace {

struct stExampleFile {
  std::string path;  // the project file under install/Example
  int brand;         // 1 maker (".ovirprj"), 0 partner (".lmirprj")
};

void PrintTo(const stExampleFile& example, std::ostream* os) { *os << example.path; }

// The project files of every example folder, in path order.
std::vector<stExampleFile> ShippedExamples() {
  std::vector<stExampleFile> found;
  const fs::path root = fs::path(OLV_SOURCE_DIR) / "install" / "Example";
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".ovirprj" || extension == ".lmirprj")
      found.push_back({entry.path().string(), extension == ".ovirprj" ? 1 : 0});
  }
  std::sort(found.begin(), found.end(),
            [](const stExampleFile& a, const stExampleFile& b) { return a.path < b.path; });
  return found;
}

std::string TestName(const ::testing::TestParamInfo<stExampleFile>& info) {
  std::string name = fs::path(info.param.path).stem().string() + (info.param.brand ? "_maker" : "_partner");
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class ExamplesWalkTest : public testsupport::PageTestBase,
                         public ::testing::WithParamInterface<stExampleFile> {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().Modified = 0;
    state.BrandFlag() = GetParam().brand;
    RegisterProtocolPages();
    RegisterKeysPages();
    // The key page's one-time guide stays away.
    for (const char* key : {"Prompt_Standard", "Prompt_UserDef", "Prompt_UserDef_Air"})
      platform::WriteProfileString(GetUserIniPath(), "Olvanta", key, "1");
    DisarmKeyPageGuide();
  }

  void TearDown() override {
    for (int id : {kStandardModePageId, kModulationParamId, kDataFormatId, kKeyConfigId})
      RegisterShellPage(id, nullptr);
  }

  CSubBaseDlg* KeyPage() const { return dialog->FindPage(kKeyConfigId); }

  wxString BoxTexts() const {
    wxString texts;
    for (const auto& box : recorder.boxes) texts += "\n  \"" + box.text + "\"";
    return texts;
  }

  // Where a refusing page put the focus: the input, and whether it shows its red frame.
  static wxString FocusedInput() {
    wxWindow* focus = wxWindow::FindFocus();
    auto* edit = focus ? dynamic_cast<CLUMaskEdit*>(focus->GetParent()) : nullptr;
    if (!edit) return "the focus is on no input";
    return wxString::Format("the focus is on input %d%s", edit->GetId(),
                            edit->ShowsError() ? " (red frame)" : "");
  }

  static constexpr int kNextId = 1007;  // the Next button of every page of a flow

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};

TEST_P(ExamplesWalkTest, NextPassesEveryPageOfTheFlowAndTheExampleOutputs) {
  const fs::path source(GetParam().path);
  const wxString folder = work.File("example");
  fs::copy(source.parent_path(), platform::ToFsPath(folder), fs::copy_options::recursive);
  const wxString project = platform::JoinPath(folder, platform::FromFsPath(source.filename()));

  RunMainWindow(
      [&] {
        ASSERT_EQ(dialog->OpenProjectFile(project), 2) << BoxTexts();
        ASSERT_TRUE(recorder.boxes.empty()) << BoxTexts();
        std::vector<wxString> passed;
        while (dialog->GetCurrentPage() != KeyPage()) {
          wxWindow* page = dialog->GetCurrentPage();
          ASSERT_TRUE(page);
          const wxString name = COlvantaDlg::PageClassName(page);
          ASSERT_LT(passed.size(), 8u) << "the flow does not reach the key page";
          ASSERT_TRUE(testsupport::RealClick(page->FindWindow(kNextId)));
          testsupport::PumpEvents();
          ASSERT_NE(dialog->GetCurrentPage(), page)
              << name << " refused Next; " << FocusedInput() << "; messages:" << BoxTexts();
          ASSERT_TRUE(recorder.boxes.empty()) << name << " passed with messages:" << BoxTexts();
          passed.push_back(name);
        }
        // Every page between the example page and the key page was left with Next.
        EXPECT_EQ(passed.size() + 2, static_cast<std::size_t>(dialog->GetNavBar().GetItemCount()));

        if (!IsGeneralRemote(g_DocManage.RemoteType) && !dialog->FindPage(kAirModulationId)) {
          GTEST_SKIP() << "the program has no protocol pages and no frameworks of the LCD remotes yet: "
                          "the example opens on its key page, its output is not checked";
        }

        // Output, declining to open the folder.
        recorder.answers.push_back(platform::kIdCancel);
        Press(KeyPage()->FindWindow(CKeyConfigDlg::kOutputId));
        const wxString output = g_DocManage.GetOutputFolder();
        ASSERT_EQ(recorder.boxes.size(), 1u) << BoxTexts();
        EXPECT_EQ(recorder.boxes[0].text,
                  platform::FormatChecked(GetLangText("IDS_BUILD_OK"), {platform::FormatArg(output)}));
        ASSERT_TRUE(wxDirExists(output)) << output;
        EXPECT_FALSE(fs::is_empty(platform::ToFsPath(output))) << output;
      },
      ExpressionLibrary::kBuilt);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExamplesWalkTest, ::testing::ValuesIn(ShippedExamples()), TestName);

}  // namespace
