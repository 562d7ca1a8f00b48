// A shipped example opened from the install folder is never written: its
// first save (here through the key page's output, which saves first) asks for
// a folder, copies the example there and goes on with the copy.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/UserIni.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "platform/gui/FolderChooser.h"
#include "protocol/pages/ProtocolPages.h"
#include "ui/shell/OlvantaDlg.h"
#include "PageTestBase.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

const char* const kExample = "General type remote controller/NEC_TV_Remote";

// Every file under folder with its bytes.
std::map<std::string, std::string> Tree(const wxString& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(platform::ToFsPath(folder))) {
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), platform::ToFsPath(folder)).string()] =
          testsupport::ReadBytes(platform::FromFsPath(entry.path()));
  }
  return files;
}

class ExampleSaveTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().Modified = 0;
    state.BrandFlag() = 0;
    RegisterProtocolPages();
    RegisterKeysPages();
    platform::WriteProfileString(GetUserIniPath(), "Olvanta", "Prompt_Standard", "1");
    DisarmKeyPageGuide();
    // An install folder whose examples are its own copy, read-only as an installed program's are.
    const fs::path source = platform::ToFsPath(g_App.installFolder);
    install = work.File("install");
    fs::create_directory(platform::ToFsPath(install));
    for (const auto& entry : fs::directory_iterator(source)) {
      const fs::path target = platform::ToFsPath(install) / entry.path().filename();
      if (entry.path().filename() == "Example") {
        fs::copy(entry.path(), target, fs::copy_options::recursive);
      } else {
        fs::create_symlink(entry.path(), target);
      }
    }
    examples = platform::JoinPath(install, "Example");
    for (const auto& entry : fs::recursive_directory_iterator(platform::ToFsPath(examples)))
      fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
    state.App().BuildInstallPaths(install);
    state.App().protocolFolder = g_App.GetProtocolFolder(0);
    state.App().icFolder = g_App.GetIcFolder(0);
    shipped = Tree(examples);
    mine = work.File("mine");
    fs::create_directory(platform::ToFsPath(mine));
    platform::InstallFolderChooser([this](wxWindow*, const wxString& title, const wxString&) {
      chooserTitles.push_back(title);
      return answer;
    });
  }

  void TearDown() override {
    platform::InstallFolderChooser(nullptr);
    // The copies are the user's again, so that the temporary folder goes.
    for (const auto& entry : fs::recursive_directory_iterator(platform::ToFsPath(examples)))
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    for (int id : {kStandardModePageId, kModulationParamId, kDataFormatId, kKeyConfigId})
      RegisterShellPage(id, nullptr);
  }

  CKeyConfigDlg* KeyPage() const { return dynamic_cast<CKeyConfigDlg*>(dialog->FindPage(kKeyConfigId)); }

  // The example opened in place, walked to the key page and output (declining to open the folder).
  void OpenWalkAndOutput() {
    const wxString project =
        platform::JoinPath(platform::JoinPath(examples, kExample), "NEC_TV_Remote.lmirprj");
    ASSERT_EQ(dialog->OpenProjectFile(project), 2);
    state.App().protocolFolder = g_App.GetProtocolFolder(0);
    dialog->FindPage(kStandardModePageId)->RequestNextPage(1, 0);
    testsupport::PumpEvents();
    ASSERT_EQ(dialog->GetCurrentPage(), KeyPage());
    recorder.boxes.clear();
    state.Doc().Modified = 1;
    recorder.answers.push_back(platform::kIdCancel);
    Press(KeyPage()->FindWindow(CKeyConfigDlg::kOutputId));
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
  wxString install, examples, mine, answer;
  std::map<std::string, std::string> shipped;
  std::vector<wxString> chooserTitles;
};

TEST_F(ExampleSaveTest, FirstSaveCopiesTheExampleToTheChosenFolderAndOutputsThere) {
  answer = mine;
  RunMainWindow(
      [&] {
        OpenWalkAndOutput();
        ASSERT_EQ(chooserTitles.size(), 1u);
        EXPECT_EQ(chooserTitles[0], GetLangText("IDS_EXAMPLE_SAVE_FOLDER"));
        const wxString copy = platform::JoinPath(mine, "NEC_TV_Remote");
        EXPECT_EQ(g_DocManage.GetProjectFolder(), copy);
        EXPECT_EQ(g_DocManage.GetProjectFilePath(), platform::JoinPath(copy, "NEC_TV_Remote.lmirprj"));
        EXPECT_EQ(g_DocManage.Modified, 0) << "the copy is saved";
        const wxString output = g_DocManage.GetOutputFolder();
        EXPECT_TRUE(platform::IsInsideFolder(output, copy)) << output;
        EXPECT_TRUE(wxFileExists(platform::JoinPath(output, "Key_Mapping.inc")));
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes[0].text,
                  platform::FormatChecked(GetLangText("IDS_BUILD_OK"), {platform::FormatArg(output)}));

        // The copy is the project now: a later save asks nothing.
        state.Doc().Modified = 1;
        EXPECT_TRUE(dialog->SaveProject());
        EXPECT_EQ(chooserTitles.size(), 1u);
      },
      ExpressionLibrary::kBuilt);
  EXPECT_TRUE(Tree(examples) == shipped) << "the shipped examples are as installed";
}

TEST_F(ExampleSaveTest, CancelledOrTakenFolderSavesNothingAndOutputsNothing) {
  for (bool taken : {false, true}) {
    SCOPED_TRACE(taken ? "a folder of that name exists" : "cancelled");
    answer = taken ? mine : wxString();
    const wxString copy = platform::JoinPath(mine, "NEC_TV_Remote");
    if (taken) fs::create_directory(platform::ToFsPath(copy));
    RunMainWindow(
        [&] {
          OpenWalkAndOutput();
          EXPECT_EQ(g_DocManage.GetProjectFolder(), platform::JoinPath(examples, kExample));
          EXPECT_EQ(g_DocManage.Modified, 1) << "nothing was saved";
          if (taken) {
            ASSERT_EQ(recorder.boxes.size(), 1u);
            EXPECT_EQ(recorder.boxes[0].text, platform::FormatChecked(GetLangText("IDS_EXAMPLE_COPY_EXISTS"),
                                                                      {platform::FormatArg(copy)}));
          } else {
            EXPECT_TRUE(recorder.boxes.empty());
          }
          state.Doc().Modified = 0;
        },
        ExpressionLibrary::kBuilt);
  }
  EXPECT_TRUE(Tree(examples) == shipped) << "the shipped examples are as installed";
  EXPECT_TRUE(fs::is_empty(platform::ToFsPath(platform::JoinPath(mine, "NEC_TV_Remote"))));
}

}  // namespace
