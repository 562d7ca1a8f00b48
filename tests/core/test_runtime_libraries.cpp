#include "core/AppContext.h"
#include "core/RuntimeLibraries.h"
#include "platform/Paths.h"
#include "platform/RuntimeLibrary.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filefn.h>
#include <wx/utils.h>

namespace {

// An install folder with copies of the built libraries.
class BindTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().langFile = platform::JoinPath(OLV_DIST_DIR, "Lang.ini");
    state.App().currentLangSection = "1252";
  }
  void TearDown() override { ClearRuntimeEntryPoints(); }

  void Copy(const char* baseName) {
    const wxString file = platform::LibraryFileName(baseName);
    ASSERT_TRUE(wxCopyFile(platform::JoinPath(OLV_DIST_DIR, file), dir.File(file)));
  }

  testsupport::TempDir dir;
  testsupport::CMessageRecorder boxes;
};

TEST_F(BindTest, BindsTheLibrariesAndSetsUpTheKey) {
  Copy("Conduvix");
  Copy("Nexboot");
  Copy("cryptora");
  CAppContext app;
  app.installFolder = dir.Path();
  ASSERT_TRUE(BindRuntimeLibraries(app));
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_NE(Conduvix::CV_OpenDeviceI, nullptr);
  EXPECT_NE(Conduvix::CV_WriteUSB, nullptr);
  EXPECT_NE(Cryptora::RJDecryptFile, nullptr);
  EXPECT_EQ(Cryptora::SetupDecryptKey("IR_583204"), 14);
  EXPECT_EQ(Conduvix::CV_OpenDeviceI(0x2F5C, 0x6A17), 0);  // no board attached
  EXPECT_NE(Nexboot::SetBootloaderDevice, nullptr);
  EXPECT_NE(Nexboot::SwitchToUserProgram, nullptr);
  EXPECT_EQ(Nexboot::SetBootloaderDevice(0x4C51, 0x2F5C), 0);
  EXPECT_NE(Nexboot::ConnectToBootloader(), 0);  // no bootloader attached
}

TEST_F(BindTest, SimulatorIsBoundInPlaceOfTheBoardsLibraryWhenSelected) {
  Copy("boardsim");
  Copy("cryptora");
  ASSERT_TRUE(wxSetEnv(kBoardSimulatorVariable, "1"));
  CAppContext app;
  app.installFolder = dir.Path();
  const bool bound = BindRuntimeLibraries(app);
  wxUnsetEnv(kBoardSimulatorVariable);
  ASSERT_TRUE(bound);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_NE(Conduvix::CV_OpenDeviceI(0x2F5C, 0x6A17), 0);  // the simulated board is plugged in
  ASSERT_NE(Nexboot::SetBootloaderDevice, nullptr);
  EXPECT_NE(Nexboot::ConnectToBootloader(), 0);  // it runs its application, not its bootloader
  EXPECT_FALSE(BoardSimulatorSelected());
  EXPECT_STREQ(ReceiverHidLibraryName(), kHidLibraryName);
}

TEST_F(BindTest, MissingLibraryIsNamedInTheUsersLanguage) {
  const char* const libraries[] = {"Conduvix", "Nexboot", "cryptora"};
  for (const char* missing : libraries) {
    testsupport::TempDir install;
    for (const char* library : libraries) {
      if (library == missing) continue;
      wxCopyFile(platform::JoinPath(OLV_DIST_DIR, platform::LibraryFileName(library)),
                 install.File(platform::LibraryFileName(library)));
    }
    boxes.boxes.clear();
    CAppContext app;
    app.installFolder = install.Path();
    EXPECT_FALSE(BindRuntimeLibraries(app));
    const wxString file = platform::LibraryFileName(missing);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, "Notice");
    EXPECT_TRUE(boxes.boxes[0].text.Contains(file)) << boxes.boxes[0].text;
    EXPECT_FALSE(boxes.boxes[0].text.Contains("IDS_LOAD_DLL_FAIL"));
    EXPECT_EQ(boxes.boxes[1].text, file);
    ClearRuntimeEntryPoints();
  }
}

TEST_F(BindTest, LibraryWithoutAnEntryPointIsRefused) {
  // A shared library that lacks the exports stands in for an incomplete Conduvix.
  Copy("cryptora");
  ASSERT_TRUE(wxCopyFile(dir.File(platform::LibraryFileName("cryptora")),
                         dir.File(platform::LibraryFileName("Conduvix"))));
  CAppContext app;
  app.installFolder = dir.Path();
  EXPECT_FALSE(BindRuntimeLibraries(app));
  ASSERT_FALSE(boxes.boxes.empty());
  EXPECT_EQ(boxes.boxes.back().text, platform::LibraryFileName("Conduvix"));
}

}  // namespace
