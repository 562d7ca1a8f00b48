// An output that cannot make its folder (a project folder that cannot be
// written) says that the folder could not be made, naming the folder, in
// every language; it does not call the folder a file.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FileHelpers.h"
#include "core/LangText.h"
#include "keys/OutputCommand.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

class OutputFolderMessageTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    state.App().protocolFolder = dir.File("Protocols");
    const wxString framework = dir.File("Protocols/Standard/IR_FrameWork_STD_V1.0/QK21C0510/NEC");
    CreateFolderPath(framework);
    testsupport::WriteBytes(framework + "/main.asm", "\tNOP\r\n");
    doc.ProjectName = "Remote";
    doc.McuName = "QK21C0510";
    doc.ProtocolType = 1;
    doc.OutputProtocolName = "NEC";
    doc.TempFolder = dir.File("work");
    CreateFolderPath(doc.TempFolder);
  }

  testsupport::TempDir dir;
  CDocManage doc;
};

TEST_F(OutputFolderMessageTest, FolderThatCannotBeMadeIsCalledAFolder) {
  struct Case {
    const char* what;
    bool asRoot;  // the case can be made while running as root
  };
  for (const Case& c :
       {Case{"project folder that is a file", true}, Case{"read-only project folder", false}}) {
    SCOPED_TRACE(c.what);
#ifndef _WIN32
    if (!c.asRoot && geteuid() == 0) continue;  // root writes into read-only folders
#else
    if (!c.asRoot) continue;
#endif
    const wxString project = dir.File(c.asRoot ? "a-file" : "read-only");
    if (c.asRoot) {
      testsupport::WriteBytes(project, "not a folder");
    } else {
      CreateFolderPath(project);
      fs::permissions(platform::ToFsPath(project), fs::perms::owner_read | fs::perms::owner_exec);
    }
    doc.ProjectFolder = project;
    for (int codeType : {0, 1}) {  // the output made in one pass, and step by step
      doc.CodeType = codeType;
      const stOutputResult result = BuildOutputFolder(doc);
      EXPECT_EQ(result.messageKey, "IDS_OUTPUT_FOLDER_FAILED") << "code type " << codeType;
      EXPECT_EQ(result.path, doc.GetOutputFolder());
    }
    if (!c.asRoot) fs::permissions(platform::ToFsPath(project), fs::perms::owner_all, fs::perm_options::add);
  }

  // Each language names a folder and leaves a place for its path.
  const struct {
    const char* section;
    const char* folder;
    const char* file;
  } languages[] = {{"1252", "folder", "file"}, {"936", "文件夹", "文件 "}, {"950", "資料夾", "檔案"}};
  for (const auto& language : languages) {
    SCOPED_TRACE(language.section);
    state.App().currentLangSection = language.section;
    const wxString text = GetLangText("IDS_OUTPUT_FOLDER_FAILED");
    EXPECT_NE(text, "IDS_OUTPUT_FOLDER_FAILED");
    EXPECT_TRUE(text.Contains("%s"));
    EXPECT_TRUE(text.Contains(wxString::FromUTF8(language.folder))) << text;
    EXPECT_FALSE(text.Contains(wxString::FromUTF8(language.file))) << text;
  }
}

}  // namespace
