// Starts the real program from the install folder under the display.
#include "platform/Paths.h"
#include "platform/RuntimeLibrary.h"
#include "platform/SingleInstance.h"
#include "platform/TextFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/utils.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wxGetEnvMap(&env.env);
    env.env["HOME"] = home.Path();
    env.env["XDG_RUNTIME_DIR"] = home.Path();
    env.env["XDG_CONFIG_HOME"] = home.File("config");
    env.env["XDG_DATA_HOME"] = home.File("data");
    env.env["OLVANTA_MESSAGE_LOG"] = home.File("boxes.log");
    // The program closes its main window as soon as it is on the screen.
    env.env["OLVANTA_EXIT_AFTER_START"] = "1";
  }

  // Runs the program of an install folder to its end; its exit code. What it
  // writes to standard output lands in output.
  long Run(const wxString& installFolder) {
    const wxString program = platform::JoinPath(installFolder, "olvanta");
    wxArrayString errors;
    output.clear();
    return wxExecute("\"" + program + "\"", output, errors, wxEXEC_SYNC | wxEXEC_NODISABLE, &env);
  }

  bool MainWindowWasShown() const {
    for (const wxString& line : output) {
      if (line.StartsWith("olvanta: main window shown: ")) return true;
    }
    return false;
  }

  std::string Boxes() {
    std::string bytes;
    platform::ReadFileBytes(home.File("boxes.log"), bytes);
    return bytes;
  }

  testsupport::TempDir home;
  wxExecuteEnv env;
  wxArrayString output;
};

TEST_F(StartupTest, StartsFromTheInstallFolderOpensTheMainWindowAndRegistersTheFileType) {
  EXPECT_EQ(Run(OLV_DIST_DIR), 0);
  EXPECT_TRUE(MainWindowWasShown());
  EXPECT_EQ(Boxes(), "");
#ifndef __WINDOWS__
  EXPECT_TRUE(platform::PathExists(home.File("data/mime/packages/olvanta-lmirprjfile.xml")));
#endif
}

TEST_F(StartupTest, MissingCipherLibraryIsReportedAndEndsStartUp) {
  testsupport::TempDir install;
  fs::copy(fs::path(OLV_DIST_DIR), fs::path(install.Path().utf8_string()), fs::copy_options::recursive);
  const wxString cipher = platform::LibraryFileName("cryptora");
  fs::remove(fs::path(install.File(cipher).utf8_string()));

  EXPECT_EQ(Run(install.Path()), 1);
  EXPECT_FALSE(MainWindowWasShown());
  const std::string boxes = Boxes();
  // The partner brand starts in Simplified Chinese.
  const std::string expected =
      "Notice\t" + std::string(wxString::FromUTF8("加载库 ").utf8_str()) + std::string(cipher.utf8_str());
  EXPECT_EQ(boxes.rfind(expected, 0), 0u) << boxes;
  EXPECT_NE(boxes.find("\nNotice\t" + std::string(cipher.utf8_str()) + "\n"), std::string::npos) << boxes;
}

TEST_F(StartupTest, SecondStartAsksTheRunningInstanceToComeToTheFront) {
  // This process plays the running instance under the program's own name.
  bool activated = false;
  {
    testsupport::ScopedEnv userHome("HOME", home.Path());
    testsupport::ScopedEnv runtime("XDG_RUNTIME_DIR", home.Path());
    platform::CSingleInstance running("CLMOlvantaDlg");
    ASSERT_TRUE(running.Acquire([&] { activated = true; }));
    EXPECT_EQ(Run(OLV_DIST_DIR), 0);
    for (int i = 0; i < 100 && !activated; ++i) {
      wxTheApp->Yield(true);
      wxMilliSleep(10);
    }
  }
  EXPECT_TRUE(activated);
  EXPECT_FALSE(MainWindowWasShown());
  EXPECT_EQ(Boxes(), "");  // the second start shows nothing
}

}  // namespace
