#include "platform/Paths.h"
#include "platform/RuntimeLibrary.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace {

TEST(Paths, JoinKeepsOneSeparator) {
  EXPECT_EQ(platform::JoinPath("a", "b"), wxString("a") + wxFILE_SEP_PATH + "b");
  EXPECT_EQ(platform::JoinPath("a/", "b"), "a/b");
  EXPECT_EQ(platform::JoinPath("", "b"), "b");
}

TEST(Paths, FindPathNoCaseMatchesEachComponent) {
  testsupport::TempDir dir;
  ASSERT_TRUE(wxFileName::Mkdir(dir.File("Images/Sub"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
  testsupport::WriteBytes(dir.File("Images/Sub/Logo.PNG"), "x");

  EXPECT_EQ(platform::FindPathNoCase(dir.File("images/sub/logo.png")), dir.File("Images/Sub/Logo.PNG"));
  EXPECT_EQ(platform::FindPathNoCase(dir.File("Images")), dir.File("Images"));
  // Nothing matches: the path comes back as asked.
  EXPECT_EQ(platform::FindPathNoCase(dir.File("images/none.png")), dir.File("images/none.png"));
  EXPECT_EQ(platform::FindPathNoCase(""), "");
}

TEST(Paths, UserFoldersFollowTheEnvironment) {
#ifndef __WINDOWS__
  {
    testsupport::ScopedEnv data("XDG_DATA_HOME", "/tmp/olv-data");
    testsupport::ScopedEnv config("XDG_CONFIG_HOME", "/tmp/olv-config");
    EXPECT_EQ(platform::GetLocalAppDataFolder(), "/tmp/olv-data");
    EXPECT_EQ(platform::GetUserConfigFolder(), "/tmp/olv-config");
  }
#endif
  EXPECT_TRUE(platform::GetTempFolder().EndsWith(wxFILE_SEP_PATH));
}

TEST(RuntimeLibrary, FileNamesFollowThePlatform) {
#ifdef __WINDOWS__
  EXPECT_EQ(platform::LibraryFileName("cryptora"), "cryptora.dll");
#else
  EXPECT_EQ(platform::LibraryFileName("cryptora"), "libcryptora.so");
  EXPECT_EQ(platform::LibraryFileName("Conduvix"), "libConduvix.so");
#endif
  wxDynamicLibrary library;
  EXPECT_FALSE(platform::LoadRuntimeLibrary(library, "/nonexistent/libnothing.so"));
  EXPECT_EQ(platform::FindExport(library, "anything"), nullptr);
}

}  // namespace
