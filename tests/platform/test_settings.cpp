#include "platform/FileTypeRegistration.h"
#include "platform/Settings.h"
#include "platform/TextFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace {

// Points HOME and the XDG folders at a temporary folder for one test.
class UserFoldersTest : public ::testing::Test {
 protected:
  testsupport::TempDir home;
  testsupport::ScopedUserFolders folders{home};
};

TEST_F(UserFoldersTest, SettingsSurviveAndLiveUnderTheCompanyKey) {
  platform::SetSettingsKey("Local AppWizard-Generated Applications");
  EXPECT_EQ(platform::ReadSetting("Olvanta", "Lang", "none"), "none");
  EXPECT_TRUE(platform::WriteSetting("Olvanta", "Lang", "950"));
  EXPECT_EQ(platform::ReadSetting("Olvanta", "Lang"), "950");
#ifndef __WINDOWS__
  EXPECT_TRUE(platform::GetSettingsFilePath().StartsWith(home.File("config")));
  EXPECT_TRUE(wxFileName::FileExists(platform::GetSettingsFilePath()));
#endif
}

#ifndef __WINDOWS__
TEST_F(UserFoldersTest, FileTypeRegistrationWritesMimePackageAndDesktopEntry) {
  platform::stFileTypeInfo info;
  info.extension = ".lmirprj";
  info.progId = "lmirprjfile";
  info.programPath = "/opt/my tools/olvanta";
  info.description = "Olvanta project";
  ASSERT_TRUE(platform::RegisterFileType(info));

  std::string mime, desktop;
  ASSERT_TRUE(platform::ReadFileBytes(home.File("data/mime/packages/olvanta-lmirprjfile.xml"), mime));
  ASSERT_TRUE(platform::ReadFileBytes(home.File("data/applications/olvanta-lmirprjfile.desktop"), desktop));
  EXPECT_NE(mime.find("type=\"application/x-olvanta-lmirprjfile\""), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.lmirprj\"/>"), std::string::npos);
  EXPECT_NE(desktop.find("Exec=\"/opt/my tools/olvanta\" %f\n"), std::string::npos);
  EXPECT_NE(desktop.find("MimeType=application/x-olvanta-lmirprjfile;\n"), std::string::npos);

  // Registering again with the same data leaves the files as they are.
  ASSERT_TRUE(platform::RegisterFileType(info));
  std::string again;
  platform::ReadFileBytes(home.File("data/applications/olvanta-lmirprjfile.desktop"), again);
  EXPECT_EQ(again, desktop);
}
#endif

}  // namespace
