// Starts the real program from the install folder under the display.
#include "platform/Paths.h"
#include "platform/RuntimeLibrary.h"
#include "platform/SingleInstance.h"
#include "platform/TextFile.h"
#include "EndedProcess.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include <filesystem>
#include <functional>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// The brand this build's program is for.
#ifdef OLV_BRAND_MAKER
const char* const kMainWindowName = "COlvantaDlg";
const char* const kProjectExtension = "ovirprj";
// The maker's brand starts in the system's language (English here).
const char* const kLoadFailText = "Failed to load the library ";
const char* const kNoticeCaption = "Notice";
// A language file cut in half still holds the whole English section, which is
// all this brand reads at start-up here.
const bool kCutLanguageFileIsNoticed = false;
#else
const char* const kMainWindowName = "CLMOlvantaDlg";
const char* const kProjectExtension = "lmirprj";
// The partner brand starts in Simplified Chinese.
const char* const kLoadFailText = "加载库 ";
const char* const kNoticeCaption = "提示";
const bool kCutLanguageFileIsNoticed = true;
#endif

#ifndef _WIN32
using testsupport::EndedProcessId;
#endif

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wxGetEnvMap(&env.env);
    env.env["HOME"] = home.Path();
    env.env["XDG_RUNTIME_DIR"] = home.Path();
    env.env["XDG_CONFIG_HOME"] = home.File("config");
    env.env["XDG_DATA_HOME"] = home.File("data");
    env.env["OLVANTA_MESSAGE_LOG"] = home.File("boxes.log");
    env.env["LC_ALL"] = env.env["LANG"] = "C";
    // Work folders go here, away from other programs' and tests'.
    wxFileName::Mkdir(home.File("tmp"));
    env.env["TMPDIR"] = home.File("tmp");
    // The program closes its main window as soon as it is on the screen.
    env.env["OLVANTA_EXIT_AFTER_START"] = "1";
  }

  // Runs the program of an install folder to its end; its exit code. What it
  // writes to standard output lands in output.
  long Run(const wxString& installFolder, const wxString& argument = wxString()) {
    const wxString program = platform::JoinPath(installFolder, "olvanta");
    wxArrayString errors;
    output.clear();
    wxString command = "\"" + program + "\"";
    if (!argument.empty()) command += " \"" + argument + "\"";
    return wxExecute(command, output, errors, wxEXEC_SYNC | wxEXEC_NODISABLE, &env);
  }

  // The title the program's main window had when it was shown; empty when never shown.
  wxString ShownTitle() const {
    for (const wxString& line : output) {
      wxString title;
      if (line.StartsWith("olvanta: main window shown: ", &title)) return title;
    }
    return wxString();
  }

  // The shipped example of this brand, copied into the home folder; its project file.
  wxString CopyExample() {
    const fs::path source =
        fs::path(OLV_SOURCE_DIR) / "install/Example/General type remote controller/NEC_TV_Remote";
    const fs::path target = fs::path(home.File("NEC_TV_Remote").utf8_string());
    fs::copy(source, target, fs::copy_options::recursive);
    return home.File(wxString("NEC_TV_Remote/NEC_TV_Remote.") + kProjectExtension);
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
  std::vector<wxString> handed;
  wxExecuteEnv env;
  wxArrayString output;
};

TEST_F(StartupTest, StartsFromTheInstallFolderOpensTheMainWindowAndRegistersTheFileType) {
  EXPECT_EQ(Run(OLV_DIST_DIR), 0);
  EXPECT_TRUE(MainWindowWasShown());
  EXPECT_EQ(Boxes(), "");
#ifndef __WINDOWS__
  const wxString progId = wxString(kProjectExtension).Left(2) + "irprjfile";
  EXPECT_TRUE(platform::PathExists(home.File("data/mime/packages/olvanta-" + progId + ".xml")));
  // The desktop entry shows the brand's program icon, which the build puts in the install folder.
  std::string entry;
  ASSERT_TRUE(platform::ReadFileBytes(home.File("data/applications/olvanta-" + progId + ".desktop"), entry));
  const wxString icon = platform::JoinPath(OLV_DIST_DIR, "Images/Olvanta.png");
  EXPECT_NE(entry.find("\nIcon=" + std::string(icon.utf8_str()) + "\n"), std::string::npos) << entry;
  EXPECT_TRUE(platform::PathExists(icon));
#endif
}

#ifndef _WIN32
// Under a file-size limit every write of the start (the file type, the
// settings) fails as on a full disk: the program goes on rather than being
// ended by the limit's signal.
TEST_F(StartupTest, AFileSizeLimitFailsWritesWithoutEndingTheProgram) {
  const wxString program = platform::JoinPath(OLV_DIST_DIR, "olvanta");
  wxArrayString errors;
  const long code = wxExecute("/bin/sh -c 'ulimit -f 0 && exec \"$0\"' \"" + program + "\"", output, errors,
                              wxEXEC_SYNC | wxEXEC_NODISABLE, &env);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(MainWindowWasShown());
}
#endif

TEST_F(StartupTest, MissingCipherLibraryIsReportedAndEndsStartUp) {
  testsupport::TempDir install;
  fs::copy(fs::path(OLV_DIST_DIR), fs::path(install.Path().utf8_string()), fs::copy_options::recursive);
  const wxString cipher = platform::LibraryFileName("cryptora");
  fs::remove(fs::path(install.File(cipher).utf8_string()));

  EXPECT_EQ(Run(install.Path()), 1);
  EXPECT_FALSE(MainWindowWasShown());
  const std::string boxes = Boxes();
  const std::string notice = kNoticeCaption;
  const std::string expected =
      notice + "	" + std::string(kLoadFailText) + std::string(cipher.utf8_str());
  EXPECT_EQ(boxes.rfind(expected, 0), 0u) << boxes;
  EXPECT_NE(boxes.find("\n" + notice + "\t" + std::string(cipher.utf8_str()) + "\n"), std::string::npos)
      << boxes;
}

// Damaged install data is named in a notice (in English when the language
// file is what is damaged) and the main window still opens.
TEST_F(StartupTest, DamagedInstallDataIsReportedWithItsPath) {
  const std::string lang = std::string(OLV_DIST_DIR) + "/Lang.ini";
  std::string whole;
  ASSERT_TRUE(platform::ReadFileBytes(lang, whole));
  const struct {
    const char* name;
    std::function<void(const fs::path&)> damage;
    std::string expected;  // after the install folder's path
  } cases[] = {
      {"no language file", [](const fs::path& root) { fs::remove(root / "Lang.ini"); },
       "/Lang.ini is missing or cannot be read"},
      {"language file cut short",
       [&](const fs::path& root) {
         platform::WriteFileAtomically(wxString::FromUTF8((root / "Lang.ini").u8string().c_str()),
                                       whole.substr(0, whole.size() / 2));
       },
       "/Lang.ini is damaged: texts of language section 936 are missing"},
      {"no chip folders", [](const fs::path& root) { fs::remove_all(root / "RemoteControlSetting"); },
       "/RemoteControlSetting/General/IC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (!kCutLanguageFileIsNoticed && std::string(c.name) == "language file cut short") continue;
    testsupport::TempDir install;
    const fs::path root(install.Path().utf8_string());
    fs::copy(fs::path(OLV_DIST_DIR), root, fs::copy_options::recursive);
    c.damage(root);
    fs::remove(fs::path(home.File("boxes.log").utf8_string()));
    EXPECT_EQ(Run(install.Path()), 0);
    EXPECT_TRUE(MainWindowWasShown());
    const std::string boxes = Boxes();
    EXPECT_NE(boxes.find(std::string(install.Path().utf8_str()) + c.expected), std::string::npos) << boxes;
    EXPECT_EQ(boxes.find(".ini:"), std::string::npos) << boxes;
    EXPECT_EQ(boxes.find("/.ini"), std::string::npos) << boxes;
  }
}

TEST_F(StartupTest, SecondStartAsksTheRunningInstanceToComeToTheFront) {
  // This process plays the running instance under the program's own name.
  bool activated = false;
  {
    testsupport::ScopedEnv userHome("HOME", home.Path());
    testsupport::ScopedEnv runtime("XDG_RUNTIME_DIR", home.Path());
    platform::CSingleInstance running(kMainWindowName);
    ASSERT_TRUE(running.Acquire([&](const wxString& file) {
      activated = true;
      handed.push_back(file);
    }));
    EXPECT_EQ(Run(OLV_DIST_DIR), 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return activated; }));
    // A start with a file hands the running instance the file, as a full path.
    activated = false;
    const wxString cwd = wxGetCwd();
    wxSetWorkingDirectory(home.Path());
    EXPECT_EQ(Run(OLV_DIST_DIR, "My Remote.x"), 0);
    wxSetWorkingDirectory(cwd);
    testsupport::PumpUntil([&] { return activated; });
  }
  EXPECT_TRUE(activated);
  EXPECT_EQ(handed, (std::vector<wxString>{"", home.File("My Remote.x")}));
  EXPECT_FALSE(MainWindowWasShown());
  EXPECT_EQ(Boxes(), "");  // the second start shows nothing
}

TEST_F(StartupTest, ProjectFileOnTheCommandLineIsOpenedAndItsWorkFolderRemovedAtTheEnd) {
  const wxString project = CopyExample();
  const wxString temp = home.File("tmp");
#ifndef _WIN32
  // Leftovers of a run that crashed go; those of a running process stay.
  const wxString crashed =
      platform::JoinPath(temp, wxString::Format("Olvanta-%ld-0a0a0a0a", EndedProcessId()));
  const wxString live =
      platform::JoinPath(temp, wxString::Format("~AFW%ld-0b0b0b0b", static_cast<long>(getpid())));
  wxFileName::Mkdir(crashed + "/src", wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  wxFileName::Mkdir(live, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
#endif
  EXPECT_EQ(Run(OLV_DIST_DIR, project), 0);
  EXPECT_TRUE(ShownTitle().EndsWith("-" + project)) << ShownTitle();
  EXPECT_EQ(Boxes(), "");
#ifndef _WIN32
  EXPECT_FALSE(wxFileName::DirExists(crashed));
  EXPECT_TRUE(wxFileName::DirExists(live));
  wxFileName::Rmdir(live);
#endif
  // The run's own work folder went with the program.
  EXPECT_TRUE(wxDir(temp).IsOpened());
  EXPECT_FALSE(wxDir(temp).HasSubDirs()) << "a work folder was left in " << temp;
}

}  // namespace
