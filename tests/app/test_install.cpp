// Installs this build under a temporary prefix, as a Linux program is installed, and
// starts the installed program through its launcher.
#include "platform/FileTypeRegistration.h"
#include "platform/Paths.h"
#include "platform/RuntimeLibrary.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

#ifdef OLV_BRAND_MAKER
const char* const kBrand = "maker";
const char* const kProjectTag = "ov";
const char* const kProgramIcon = "OlvantaIcon.png";
#else
const char* const kBrand = "partner";
const char* const kProjectTag = "lm";
const char* const kProgramIcon = "LumoraIcon.png";
#endif

using Paths = std::vector<std::string>;

fs::path ToPath(const wxString& path) { return fs::path(path.utf8_string()); }

// Every path under the folder, relative to it, sorted.
Paths Tree(const fs::path& folder) {
  Paths paths;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    paths.push_back(entry.path().lexically_relative(folder).generic_string());
  std::sort(paths.begin(), paths.end());
  return paths;
}

// The names directly in the folder, sorted.
Paths Entries(const fs::path& folder) {
  Paths names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// What the program folder holds: the install data (the udev rule goes elsewhere),
// the brand's icon for the user's file-type registration, the program and its libraries.
Paths ExpectedProgramFolder() {
  Paths expected;
  for (const std::string& path : Tree(fs::path(OLV_SOURCE_DIR) / "install"))
    if (path.rfind("udev", 0) != 0) expected.push_back(path);
  expected.push_back("Images/Olvanta.png");
  expected.push_back("olvanta");
  for (const char* library : {"Calcivo", "Conduvix", "Nexboot", "boardsim", "cryptora"})
    expected.push_back(std::string(platform::LibraryFileName(library).utf8_str()));
  std::sort(expected.begin(), expected.end());
  return expected;
}

std::string Bytes(const fs::path& file) {
  return testsupport::ReadBytes(wxString::FromUTF8(file.u8string().c_str()));
}

class InstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wxGetEnvMap(&env.env);
    env.env.erase("DESTDIR");
    const wxString command = wxString::Format("\"%s\" --install \"%s\" --prefix \"%s\"", OLV_CMAKE_COMMAND,
                                              OLV_BINARY_DIR, prefixFolder.Path());
    wxArrayString output, errors;
    ASSERT_EQ(wxExecute(command, output, errors, wxEXEC_SYNC | wxEXEC_NODISABLE, &env), 0)
        << (errors.empty() ? wxString() : errors.Last());
  }

  testsupport::TempDir prefixFolder;
  const fs::path prefix = ToPath(prefixFolder.Path());
  wxExecuteEnv env;
};

TEST_F(InstallTest, ProgramFolderGoesWholeToLibWithALauncherAndTheDesktopFilesUnderShare) {
  EXPECT_EQ(Entries(prefix), (Paths{"bin", "lib", "share"}));
  EXPECT_EQ(Entries(prefix / "bin"), (Paths{"olvanta"}));
  EXPECT_TRUE(fs::is_symlink(prefix / "bin/olvanta"));
  EXPECT_EQ(fs::canonical(prefix / "bin/olvanta"), fs::canonical(prefix / "lib/olvanta/olvanta"));

  EXPECT_EQ(Entries(prefix / "lib"), (Paths{"olvanta", "udev"}));
  EXPECT_EQ(Tree(prefix / "lib/olvanta"), ExpectedProgramFolder());
  EXPECT_EQ(Tree(prefix / "lib/udev"), (Paths{"rules.d", "rules.d/70-olvanta-receiver.rules"}));
  EXPECT_EQ(Bytes(prefix / "lib/udev/rules.d/70-olvanta-receiver.rules"),
            Bytes(fs::path(OLV_SOURCE_DIR) / "install/udev/70-olvanta-receiver.rules"));

  EXPECT_EQ(Tree(prefix / "share"),
            (Paths{"applications", "applications/olvanta.desktop", "icons", "icons/hicolor",
                   "icons/hicolor/32x32", "icons/hicolor/32x32/apps", "icons/hicolor/32x32/apps/olvanta.png",
                   "mime", "mime/packages", "mime/packages/olvanta.xml"}));
  const fs::path golden = fs::path(OLV_SOURCE_DIR) / "tests/fixtures/install" / kBrand;
  EXPECT_EQ(Bytes(prefix / "share/applications/olvanta.desktop"), Bytes(golden / "olvanta.desktop"));
  EXPECT_EQ(Bytes(prefix / "share/mime/packages/olvanta.xml"), Bytes(golden / "olvanta.xml"));

  // The MIME type is the one the program registers for the user when it runs from a build folder.
  platform::stFileTypeInfo info;
  info.extension = wxString(".") + kProjectTag + "irprj";
  info.progId = wxString(kProjectTag) + "irprjfile";
  EXPECT_NE(Bytes(prefix / "share/mime/packages/olvanta.xml")
                .find(std::string(platform::MimeTypeFor(info).utf8_str())),
            std::string::npos);

  // The icon is the brand's program icon, in the size folder of its size.
  const std::string icon = Bytes(fs::path(OLV_SOURCE_DIR) / "src/ui/resources" / kProgramIcon);
  EXPECT_EQ(Bytes(prefix / "share/icons/hicolor/32x32/apps/olvanta.png"), icon);
  EXPECT_EQ(Bytes(prefix / "lib/olvanta/Images/Olvanta.png"), icon);
  const wxImage picture(
      wxString::FromUTF8((prefix / "share/icons/hicolor/32x32/apps/olvanta.png").u8string().c_str()));
  ASSERT_TRUE(picture.IsOk());
  EXPECT_EQ(picture.GetSize(), wxSize(32, 32));
}

// The installed program finds its folder through the launcher's link, and leaves the
// file type to the install's system-wide registration.
TEST_F(InstallTest, InstalledProgramStartsThroughItsLauncherWithoutRegisteringForTheUser) {
  testsupport::TempDir home;
  env.env["HOME"] = home.Path();
  env.env["XDG_RUNTIME_DIR"] = home.Path();
  env.env["XDG_CONFIG_HOME"] = home.File("config");
  env.env["XDG_DATA_HOME"] = home.File("data");
  env.env["OLVANTA_MESSAGE_LOG"] = home.File("boxes.log");
  env.env["OLVANTA_EXIT_AFTER_START"] = "1";
  env.env["LC_ALL"] = env.env["LANG"] = "C";
  wxFileName::Mkdir(home.File("tmp"));
  env.env["TMPDIR"] = home.File("tmp");

  wxArrayString output, errors;
  const wxString launcher = wxString::FromUTF8((prefix / "bin/olvanta").u8string().c_str());
  EXPECT_EQ(wxExecute("\"" + launcher + "\"", output, errors, wxEXEC_SYNC | wxEXEC_NODISABLE, &env), 0);
  EXPECT_TRUE(std::any_of(output.begin(), output.end(), [](const wxString& line) {
    return line.StartsWith("olvanta: main window shown: ");
  })) << (errors.empty() ? wxString() : errors.Last());
  EXPECT_EQ(testsupport::ReadBytes(home.File("boxes.log")), "");
  EXPECT_FALSE(platform::PathExists(home.File("data/mime")));
  EXPECT_FALSE(platform::PathExists(home.File("data/applications")));
}

}  // namespace
