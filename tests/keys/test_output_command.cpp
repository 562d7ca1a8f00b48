// The output command's folder steps over frameworks made by the test: the
// framework chosen by remote type and code mode, the work folder laid over
// the copy, conditions decided only for generative code of a general remote,
// and every failure ending with its message and no output folder.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FileHelpers.h"
#include "keys/OutputCommand.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

#include <filesystem>

namespace fs = std::filesystem;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// A framework source: one conditional block over a define the generated
// include carries, and a file the work folder replaces.
const char* const kMainAsm =
    "\tINCLUDE Key_Mapping.inc\r\n"
    "\tIF KEY_COUNT == 4\r\n"
    "\tCALL SCAN_FOUR\r\n"
    "\tELSE\r\n"
    "\tCALL SCAN_OTHER\r\n"
    "\tENDIF\r\n";

class OutputCommandTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().protocolFolder = dir.File("Protocols");
    doc.ProjectFolder = dir.File("project");
    doc.ProjectName = "Remote";
    doc.McuName = "QK21C0510";
    doc.ProtocolType = 1;
    doc.OutputProtocolName = "NEC";
    doc.TempFolder = dir.File("work");
    CreateFolderPath(doc.ProjectFolder);
    CreateFolderPath(doc.TempFolder);
    WriteBytes(doc.TempFolder + "/Key_Mapping.inc", "#define KEY_COUNT 4");
    for (const char* framework :
         {"IR_FrameWork_STD", "IR_FrameWork_USER_DEF", "IR_FrameWork_LCD_LITE", "IR_FrameWork_LCD_STD"}) {
      Framework(framework, "main.asm", kMainAsm);
      Framework(framework, "which.txt", framework);
      Framework(framework, "Key_Mapping.inc", "; placeholder the work folder replaces\r\n");
    }
  }

  wxString FrameworkFolder(const wxString& framework) const {
    return dir.File("Protocols/Standard/" + framework + "_V1.0/QK21C0510/NEC");
  }
  void Framework(const wxString& framework, const wxString& name, const std::string& bytes) {
    CreateFolderPath(FrameworkFolder(framework));
    WriteBytes(FrameworkFolder(framework) + "/" + name, bytes);
  }
  std::string Output(const wxString& name) const { return ReadBytes(doc.GetOutputFolder() + "/" + name); }
  int ProjectFolderEntries() const {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(platform::ToFsPath(doc.ProjectFolder)))
      ++count;
    return count;
  }

  testsupport::TempDir dir;
  CDocManage doc;
};

TEST_F(OutputCommandTest, FrameworkComesFromRemoteTypeAndCodeModeAndOnlyGenerativeGeneralCodeIsPreprocessed) {
  // The rewrite drops the decided lines and the blanks around the whole text.
  const char* const decided = "INCLUDE Key_Mapping.inc\r\n\tCALL SCAN_FOUR";
  struct Case {
    int remoteType, codeMode, codeType;
    const char* framework;
    bool preprocessed;
  } cases[] = {
      {0, 15, 0, "IR_FrameWork_USER_DEF", true}, {0, 14, 0, "IR_FrameWork_STD", true},
      {0, 1, 1, "IR_FrameWork_STD", false},      {1, 15, 0, "IR_FrameWork_LCD_LITE", false},
      {2, 3, 0, "IR_FrameWork_LCD_STD", false},  {7, 0, 0, "IR_FrameWork_LCD_STD", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.framework);
    doc.RemoteType = c.remoteType;
    doc.CodeMode = static_cast<std::uint8_t>(c.codeMode);
    doc.CodeType = c.codeType;
    const stOutputResult result = BuildOutputFolder(doc);
    ASSERT_TRUE(result.Succeeded()) << result.messageKey << " " << result.path;
    EXPECT_TRUE(doc.GetOutputFolder().StartsWith(doc.ProjectFolder + "/Remote_"));
    EXPECT_EQ(Output("which.txt"), c.framework);
    EXPECT_EQ(Output("Key_Mapping.inc"), "#define KEY_COUNT 4");
    EXPECT_EQ(Output("main.asm"), c.preprocessed ? decided : kMainAsm);
    EXPECT_EQ(ReadBytes(FrameworkFolder(c.framework) + "/main.asm"), kMainAsm);  // the source is untouched
    doc.RemoveFolderTree(doc.GetOutputFolder());
  }
}

TEST_F(OutputCommandTest, MissingFrameworkMakesNoFolder) {
  doc.OutputProtocolName = "RC5";  // no such protocol folder under the MCU
  stOutputResult result = BuildOutputFolder(doc);
  EXPECT_EQ(result.messageKey, "IDS_FAILED_COPY_PROJECT");
  EXPECT_EQ(result.path, "");
  EXPECT_EQ(ProjectFolderEntries(), 0);

  doc.OutputProtocolName = "NEC";
  doc.McuName = "QK37A0660";  // nor a folder for this MCU
  EXPECT_EQ(BuildOutputFolder(doc).messageKey, "IDS_FAILED_COPY_PROJECT");
  EXPECT_EQ(ProjectFolderEntries(), 0);
}

#ifndef _WIN32
// A link to nothing is a file that cannot be read, even for root.
void DanglingLink(const wxString& path) {
  fs::create_symlink("/nonexistent/olvanta-test", platform::ToFsPath(path));
}

TEST_F(OutputCommandTest, FileThatCannotBeCopiedIsNamedAndNoOutputIsLeft) {
  const wxString broken = doc.TempFolder + "/Driving.inc";
  DanglingLink(broken);
  stOutputResult result = BuildOutputFolder(doc);
  EXPECT_EQ(result.messageKey, "IDS_OUTPUT_COPY_FAILED");
  EXPECT_EQ(result.path, broken);
  EXPECT_EQ(ProjectFolderEntries(), 0);
  fs::remove(platform::ToFsPath(broken));

  const wxString frameworkFile = FrameworkFolder("IR_FrameWork_STD") + "/lib.asm";
  DanglingLink(frameworkFile);
  result = BuildOutputFolder(doc);
  EXPECT_EQ(result.messageKey, "IDS_OUTPUT_COPY_FAILED");
  EXPECT_EQ(result.path, frameworkFile);
  EXPECT_EQ(ProjectFolderEntries(), 0);
}

TEST_F(OutputCommandTest, MissingWorkFolderIsACopyFailure) {
  fs::remove_all(platform::ToFsPath(doc.TempFolder));
  const stOutputResult result = BuildOutputFolder(doc);
  EXPECT_EQ(result.messageKey, "IDS_OUTPUT_COPY_FAILED");
  EXPECT_EQ(result.path, doc.TempFolder);
  EXPECT_EQ(ProjectFolderEntries(), 0);
}
#endif

TEST_F(OutputCommandTest, ConditionsThatCannotBeFollowedAreNamedAndNoOutputIsLeft) {
  Framework("IR_FrameWork_STD", "drive.asm", "\tNOP\r\n\tELSE\r\n\tRET\r\n");
  const stOutputResult result = BuildOutputFolder(doc);
  EXPECT_EQ(result.messageKey, "IDS_OUTPUT_PREPROCESS_FAILED");
  EXPECT_TRUE(result.path.EndsWith("/drive.asm")) << result.path;
  EXPECT_EQ(ProjectFolderEntries(), 0);

  doc.CodeType = 1;  // conditional code keeps its conditions as they are
  EXPECT_TRUE(BuildOutputFolder(doc).Succeeded());
  EXPECT_EQ(Output("drive.asm"), "\tNOP\r\n\tELSE\r\n\tRET\r\n");
}

}  // namespace
