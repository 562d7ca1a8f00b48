#include "platform/Paths.h"
#include "platform/RuntimeLibrary.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/utils.h>

#ifndef _WIN32
#include <unistd.h>
#endif

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

TEST(Paths, InsideFolderResolvesDotsAndLinksAndComparesWholeNames) {
  testsupport::TempDir dir;
  const wxString outer = dir.File("Example");
  ASSERT_TRUE(wxFileName::Mkdir(platform::JoinPath(outer, "NEC"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
  ASSERT_TRUE(wxFileName::Mkdir(dir.File("Examples2"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
  struct Case {
    wxString path;
    bool inside;
  } cases[] = {
      {outer, true},
      {platform::JoinPath(outer, "NEC/NEC.lmirprj"), true},
      {platform::JoinPath(outer, "NEC/../NEC/x"), true},
      {platform::JoinPath(outer, "../Examples2/x"), false},
      {dir.File("Examples2"), false},  // a longer name, not a folder inside
      {dir.Path(), false},
      {wxString(), false},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::IsInsideFolder(c.path, outer), c.inside) << c.path;
#ifndef _WIN32
  // A link into the folder leads inside it.
  ASSERT_EQ(symlink(platform::JoinPath(outer, "NEC").utf8_str().data(), dir.File("link").utf8_str().data()),
            0);
  EXPECT_TRUE(platform::IsInsideFolder(dir.File("link/NEC.lmirprj"), outer));
#endif
}

TEST(Paths, CopyWholeFolderNeedsANewTargetAndKeepsLinks) {
  testsupport::TempDir dir;
  const wxString source = dir.File("source");
  ASSERT_TRUE(wxFileName::Mkdir(platform::JoinPath(source, "sub"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
  testsupport::WriteBytes(platform::JoinPath(source, "sub/a.txt"), "abc");
#ifndef _WIN32
  ASSERT_EQ(symlink("/", platform::JoinPath(source, "root").utf8_str().data()), 0);
#endif
  const wxString target = dir.File("target");
  ASSERT_TRUE(platform::CopyWholeFolder(source, target));
  EXPECT_EQ(testsupport::ReadBytes(platform::JoinPath(target, "sub/a.txt")), "abc");
#ifndef _WIN32
  EXPECT_TRUE(platform::IsSymbolicLink(platform::JoinPath(target, "root")));
#endif
  EXPECT_FALSE(platform::CopyWholeFolder(source, target)) << "the target exists";
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
