#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FileHelpers.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

#include <filesystem>

namespace {

class OutputFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_App.protocolFolder = dir.File("Protocols");
    doc.ProjectFolder = dir.File("project");
    doc.ProjectName = "Remote";
    doc.McuName = "QK37A0660";
    doc.PackageName = "32 QFN";
    doc.ProtocolType = 2;
    CreateFolderPath(doc.ProjectFolder);
  }
  void TearDown() override { g_App.protocolFolder.clear(); }

  // A file below the protocol folder's "Custom" folder.
  void Framework(const wxString& relative, const std::string& bytes = "x") {
    const wxString path = dir.File("Protocols/Custom/" + relative);
    CreateFolderPath(wxFileName(path).GetPath());
    testsupport::WriteBytes(path, bytes);
  }

  testsupport::TempDir dir;
  CDocManage doc;
};

TEST_F(OutputFolderTest, HighestFrameworkVersionIsChosen) {
  for (const char* name : {"IR_FrameWork_STD_V1.0", "IR_FrameWork_STD_V1.2", "IR_FrameWork_STD_V1.1",
                           "ir_framework_std_V0.9", "IR_FrameWork_STD_old", "IR_FrameWork_USER_DEF_V9.0"}) {
    CreateFolderPath(dir.File(wxString("Protocols/Custom/") + name));
  }
  EXPECT_EQ(doc.FindLatestFramework(dir.File("Protocols"), "Custom", "IR_FrameWork_STD"),
            "IR_FrameWork_STD_V1.2");
  EXPECT_EQ(doc.FindLatestFramework(dir.File("Protocols"), "Custom", "IR_FrameWork_LCD_STD"), "");
}

TEST_F(OutputFolderTest, OutputFolderIsDatedAndHoldsTheFramework) {
  Framework("IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/main.asm", "main");
  Framework("IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/inc/defs.inc", "defs");
  ASSERT_TRUE(doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_STD"));
  const wxString out = doc.GetOutputFolder();
  EXPECT_TRUE(out.StartsWith(dir.File("project/Remote_")));
  EXPECT_EQ(wxFileName(out).GetFullName().length(), wxString("Remote_20261210_130000").length());
  EXPECT_EQ(testsupport::ReadBytes(out + "/main.asm"), "main");
  EXPECT_EQ(testsupport::ReadBytes(out + "/inc/defs.inc"), "defs");

  EXPECT_FALSE(doc.PrepareOutputFolder("NEC", "IR_FrameWork_STD"));  // no such protocol folder
  EXPECT_FALSE(doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_LCD_LITE"));
}

TEST_F(OutputFolderTest, OptionFileComesFromThePackageVariant) {
  Framework("F/IR_FrameWork_LCD_STD_QK37A0660.OPT", "generic");
  Framework("F/IR_FrameWork_LCD_STD_QK37A0660_32 QFN.OPT", "for 32 QFN");
  Framework("F/IR_FrameWork_LCD_STD_QK37A0660_44 LQFP.OPT", "for 44 LQFP");
  Framework("F/other.opt", "other");
  doc.RemoteType = 2;
  ASSERT_TRUE(doc.CopyTemplateFolder(dir.File("Protocols/Custom/F"), dir.File("out")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("out/IR_FrameWork_LCD_STD_QK37A0660.OPT")), "for 32 QFN");
  EXPECT_FALSE(wxFileName::FileExists(dir.File("out/IR_FrameWork_LCD_STD_QK37A0660_32 QFN.OPT")));
  EXPECT_FALSE(wxFileName::FileExists(dir.File("out/IR_FrameWork_LCD_STD_QK37A0660_44 LQFP.OPT")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("out/other.opt")), "other");

  doc.PackageName = "64 LQFP";  // no variant for this package: the copy reports it
  EXPECT_FALSE(doc.CopyTemplateFolder(dir.File("Protocols/Custom/F"), dir.File("out2")));
  doc.RemoteType = 0;
  ASSERT_TRUE(doc.CopyTemplateFolder(dir.File("Protocols/Custom/F"), dir.File("out3")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("out3/IR_FrameWork_LCD_STD_QK37A0660.OPT")), "generic");
}

TEST_F(OutputFolderTest, RemovalKeepsSourceFolders) {
  CreateFolderPath(dir.File("tree/a/src/deep"));
  CreateFolderPath(dir.File("tree/b"));
  testsupport::WriteBytes(dir.File("tree/a/src/deep/mine.c"), "keep");
  testsupport::WriteBytes(dir.File("tree/a/gen.asm"), "x");
  testsupport::WriteBytes(dir.File("tree/top.inc"), "x");
  EXPECT_TRUE(doc.RemoveFolderTree(dir.File("tree")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("tree/a/src/deep/mine.c")), "keep");
  EXPECT_FALSE(wxFileName::FileExists(dir.File("tree/a/gen.asm")));
  EXPECT_FALSE(wxFileName::DirExists(dir.File("tree/b")));
  EXPECT_FALSE(wxFileName::FileExists(dir.File("tree/top.inc")));
  EXPECT_TRUE(doc.RemoveFolderTree(dir.File("missing")));
}

TEST_F(OutputFolderTest, TemporaryFoldersAreFreshAndPrivate) {
  ASSERT_TRUE(doc.MakeTempFolder());
  const wxString first = doc.TempFolder;
  ASSERT_TRUE(doc.MakeTempFolder());
  EXPECT_NE(doc.TempFolder, first);
  EXPECT_FALSE(wxFileName::DirExists(first));  // the previous one is removed
  const wxString work = doc.MakeTempWorkFolder();
  ASSERT_TRUE(wxFileName::DirExists(work));
  EXPECT_TRUE(wxFileName(work).GetFullName().StartsWith("~AFW"));
#ifndef _WIN32
  const auto perms = std::filesystem::status(std::string(work.utf8_str())).permissions();
  EXPECT_EQ(perms & std::filesystem::perms::all, std::filesystem::perms::owner_all);
#endif
  doc.RemoveFolderTree(work);
  doc.RemoveFolderTree(doc.TempFolder);
}

}  // namespace
