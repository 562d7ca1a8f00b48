#include "keys/KeyGuide.h"

#include "core/ProjectKinds.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

namespace {

TEST(KeyGuide, PromptKeysAndFrameworksFollowTheRemote) {
  struct Case {
    int remoteType, codeMode;
    const char* promptKey;
    const char* framework;
  };
  const Case cases[] = {
      {kRemoteGeneral, 1, "Prompt_Standard", "IR_FrameWork_STD"},
      {kRemoteGeneral, 14, "Prompt_Standard", "IR_FrameWork_STD"},
      {kRemoteGeneral, 15, "Prompt_UserDef", "IR_FrameWork_USER_DEF"},
      {kRemoteGeneral, 0, "Prompt_UserDef", "IR_FrameWork_STD"},
      {kRemoteLcdSimple, 3, "Prompt_UserDef_Air", "IR_FrameWork_LCD_LITE"},
      {kRemoteLcdStandard, 15, "Prompt_UserDef_Air", "IR_FrameWork_LCD_STD"},
      {7, 0, "Prompt_UserDef_Air", "IR_FrameWork_LCD_STD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GuidePromptKey(c.remoteType, c.codeMode), c.promptKey) << c.remoteType << "/" << c.codeMode;
    EXPECT_EQ(FrameworkFolderName(c.remoteType, c.codeMode), c.framework)
        << c.remoteType << "/" << c.codeMode;
  }
  EXPECT_TRUE(GuideListFile("P", kRemoteGeneral, 3).EndsWith(platform::JoinPath("Standard", "Setting.ini")));
  EXPECT_TRUE(GuideListFile("P", kRemoteGeneral, 15).EndsWith(platform::JoinPath("Custom", "Setting.ini")));
  EXPECT_TRUE(
      GuideListFile("P", kRemoteLcdSimple, 3).EndsWith(platform::JoinPath("Custom", "KeyConfig.ini")));
}

TEST(KeyGuide, PicturesRunToTheFirstMissingKey) {
  testsupport::TempDir dir;
  const wxString ini = dir.File("KeyConfig.ini");
  platform::WriteFileAtomically(ini, "[PreviewImages]\r\n0=a.png\r\n1=b.png\r\n2=c.png\r\n4=e.png\r\n");
  EXPECT_EQ(CollectGuidePictures(ini, "QK52A160"), (std::vector<wxString>{"a.png", "b.png", "c.png"}));
  EXPECT_EQ(CollectGuidePictures(ini, "qk37b0640"), (std::vector<wxString>{"b.png", "c.png"}));
  EXPECT_EQ(CollectGuidePictures(ini, "QK37A0640"), (std::vector<wxString>{"a.png"}));
  EXPECT_TRUE(CollectGuidePictures(dir.File("none.ini"), "QK52A160").empty());
}

TEST(KeyGuide, InstalledGuidePicturesExist) {
  const wxString install = platform::JoinPath(OLV_SOURCE_DIR, "install");
  for (const char* kind : {"LCD_Simple", "LCD_Standard"}) {
    wxString protocols = platform::JoinPath(platform::JoinPath(install, "RemoteControlSetting"), kind);
    protocols = platform::JoinPath(protocols, "Protocols");
    const std::vector<wxString> pictures =
        CollectGuidePictures(GuideListFile(protocols, kRemoteLcdStandard, 0), "QK52A160");
    ASSERT_EQ(pictures.size(), 3u) << kind;
    for (const wxString& picture : pictures)
      EXPECT_TRUE(wxFileName::FileExists(platform::JoinPath(platform::JoinPath(install, "Images"), picture)))
          << picture;
  }
}

}  // namespace
