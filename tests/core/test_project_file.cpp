#include "core/DocManage.h"
#include "core/ProjectFile.h"
#include "platform/Profile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// UTF-16LE bytes of an ASCII text.
std::string Utf16(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) {
    bytes.push_back(c);
    bytes.push_back('\0');
  }
  return bytes;
}

class ProjectFileTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
  wxString path = dir.File("Remote.ovirprj");
  CProjectFile file{path};
};

TEST(ProjectFileNames, ExtensionFollowsTheBrandAndFunctionSectionsTheirNumber) {
  EXPECT_EQ(projectfile::FileExtension(true), "ovirprj");
  EXPECT_EQ(projectfile::FileExtension(false), "lmirprj");
  EXPECT_EQ(projectfile::section::Func(0), "Func0");
  EXPECT_EQ(projectfile::section::Func(27), "Func27");
  EXPECT_STREQ(projectfile::section::kCustom, "Custom");
  EXPECT_STREQ(projectfile::section::kStandard, "Standard");
}

TEST_F(ProjectFileTest, NewFileHoldsTheProjectSectionInItsOrderAsUtf16) {
  ASSERT_TRUE(file.CreateEmpty());
  EXPECT_EQ(testsupport::ReadBytes(path), "\xFF\xFE");

  projectfile::stProjectSection project;
  project.name = "Remote";
  project.folder = "/home/u/Remote";
  project.mcu = "QK37A0640";
  project.package = "20SSOP";
  project.remoteType = kRemoteLcdStandard;
  project.protocolType = kProtocolCustom;
  ASSERT_TRUE(file.WriteProject(project));
  const std::string expected = "\xFF\xFE" + Utf16(
                                                "[Project]\r\n"
                                                "Name=Remote\r\n"
                                                "Folder=/home/u/Remote\r\n"
                                                "MCU=QK37A0640\r\n"
                                                "Package=20SSOP\r\n"
                                                "RemoteType=2\r\n"
                                                "ProtocolType=2\r\n"
                                                "Volt=0\r\n");
  EXPECT_EQ(testsupport::ReadBytes(path), expected);

  // Creating again empties the file.
  ASSERT_TRUE(file.CreateEmpty());
  EXPECT_EQ(testsupport::ReadBytes(path), "\xFF\xFE");
}

TEST_F(ProjectFileTest, ProjectSectionRoundTripsAndTheFolderIsRewrittenInPlace) {
  ASSERT_TRUE(file.CreateEmpty());
  projectfile::stProjectSection project;
  project.name = u8"遥控器 1";
  project.folder = u8"/tmp/项目";
  project.mcu = "QK21A0510";
  project.package = "8SOP";
  project.remoteType = kRemoteLcdSimple;
  project.protocolType = kProtocolCodeWave;
  ASSERT_TRUE(file.WriteProject(project));
  ASSERT_TRUE(file.WriteText("KeyConfig", "Keypad", "1"));

  ASSERT_TRUE(file.WriteProjectFolder("/elsewhere"));
  const projectfile::stProjectSection read = file.ReadProject();
  EXPECT_EQ(read.name, project.name);
  EXPECT_EQ(read.folder, "/elsewhere");
  EXPECT_EQ(read.mcu, project.mcu);
  EXPECT_EQ(read.package, project.package);
  EXPECT_EQ(read.remoteType, kRemoteLcdSimple);
  EXPECT_EQ(read.protocolType, kProtocolCodeWave);
  EXPECT_EQ(
      platform::ReadProfileKeys(path, "Project"),
      (std::vector<wxString>{"Name", "Folder", "MCU", "Package", "RemoteType", "ProtocolType", "Volt"}));
  EXPECT_EQ(platform::ReadProfileSectionNames(path), (std::vector<wxString>{"Project", "KeyConfig"}));
}

TEST_F(ProjectFileTest, MissingFileOrKeysReadEmptyAndZero) {
  const projectfile::stProjectSection read = file.ReadProject();
  EXPECT_TRUE(read.name.empty());
  EXPECT_TRUE(read.mcu.empty());
  EXPECT_EQ(read.remoteType, 0);
  EXPECT_EQ(read.protocolType, 0);
  EXPECT_EQ(file.ReadAirFormatType(), 0);
  EXPECT_FALSE(file.Has("Project", "Name"));
}

TEST_F(ProjectFileTest, KeySettingsOfAnOpeningProjectComeFromTheirKeys) {
  // Each key gets its own number, so a key read into the wrong field shows.
  struct Case {
    const char* key;
    std::int32_t CDocManage::*field;
  } const cases[] = {
      {"Keypad", &CDocManage::Keypad},
      {"CodeType", &CDocManage::CodeType},
      {"VSS", &CDocManage::VssRow},
      {"Key Mode", &CDocManage::KeyMode},
      {"Touch Frequency", &CDocManage::TouchFrequency},
      {"PressAndHold", &CDocManage::PressAndHold},
      {"Double Button", &CDocManage::DoubleButton},
      {"Button Mode", &CDocManage::ButtonMode},
      {"Button State", &CDocManage::ButtonState},
      {"LCD Button State", &CDocManage::LcdButtonState},
      {"High Sensitivity", &CDocManage::HighSensitivity},
  };
  int number = 10;
  for (const Case& c : cases) ASSERT_TRUE(file.WriteNumber("KeyConfig", c.key, number++));
  ASSERT_TRUE(file.WriteText("KeyConfig", "Package", "24SSOP"));
  ASSERT_TRUE(file.WriteText("KeyConfig", "TouchKey", "1,0,1,"));

  CDocManage doc;
  doc.PackageName = "20SSOP";
  std::fill(std::begin(doc.TouchKey), std::end(doc.TouchKey), 7);
  file.ReadKeySettings(doc);
  number = 10;
  for (const Case& c : cases) EXPECT_EQ(doc.*c.field, number++) << c.key;
  EXPECT_EQ(doc.PackageName, "24SSOP");
  const std::int32_t touch[8] = {1, 0, 1, 0, 0, 0, 0, 0};  // entries past the list read 0
  for (int i = 0; i < 8; ++i) EXPECT_EQ(doc.TouchKey[i], touch[i]) << i;
}

TEST_F(ProjectFileTest, KeySettingsKeepTheDocumentWhereKeysAreAbsentOrEmpty) {
  ASSERT_TRUE(file.WriteText("KeyConfig", "Package", ""));
  ASSERT_TRUE(file.WriteText("KeyConfig", "Keypad", ""));       // present but empty: 0
  ASSERT_TRUE(file.WriteText("KeyConfig", "Key Mode", "0x2"));  // hexadecimal forms parse
  ASSERT_TRUE(file.WriteText("KeyConfig", "Button Mode", "10h"));
  CDocManage doc;
  doc.PackageName = "8SOP";
  doc.Keypad = 1;
  doc.ButtonState = 0;
  doc.TouchKey[3] = 5;
  file.ReadKeySettings(doc);
  EXPECT_EQ(doc.PackageName, "8SOP");
  EXPECT_EQ(doc.Keypad, 0);
  EXPECT_EQ(doc.KeyMode, 2);
  EXPECT_EQ(doc.ButtonMode, 16);
  EXPECT_EQ(doc.ButtonState, 0);  // absent: kept
  EXPECT_EQ(doc.TouchKey[3], 5);
}

TEST_F(ProjectFileTest, AirFormatTypeRoundTripsThroughTheCustomSection) {
  ASSERT_TRUE(file.WriteAirFormatType(3));
  EXPECT_EQ(platform::ReadProfileString(path, "Custom", "AirFormatType", ""), "3");
  EXPECT_EQ(file.ReadAirFormatType(), 3);
  // A page may have written it in another number form.
  platform::WriteProfileString(path, "Custom", "AirFormatType", "0x4");
  EXPECT_EQ(file.ReadAirFormatType(), 4);
}

TEST_F(ProjectFileTest, TypedValuesAndTheirLimits) {
  ASSERT_TRUE(file.WriteNumber("LCDConfig", "POWER", -1));
  ASSERT_TRUE(file.WriteNumber("LCDConfig", "MODE", 65535));
  ASSERT_TRUE(file.WriteFlag("Custom", "OpenGroup2", true));
  ASSERT_TRUE(file.WriteFlag("Custom", "LsbFirst", false));
  EXPECT_EQ(file.ReadText("LCDConfig", "POWER"), "-1");
  EXPECT_EQ(file.ReadNumber("LCDConfig", "MODE"), 65535u);
  EXPECT_EQ(file.ReadText("Custom", "OpenGroup2"), "1");
  EXPECT_EQ(file.ReadText("Custom", "LsbFirst"), "0");

  std::int32_t field = 9;
  EXPECT_FALSE(file.ReadNumberIfPresent("Custom", "Missing", field));
  EXPECT_EQ(field, 9);
  EXPECT_TRUE(file.ReadNumberIfPresent("Custom", "LsbFirst", field));
  EXPECT_EQ(field, 0);

  // Values read back cut to the buffer every reader of the file uses.
  const wxString longValue(wxUniChar('x'), 300);
  ASSERT_TRUE(file.WriteText("Custom", "SendData", longValue));
  EXPECT_EQ(file.ReadText("Custom", "SendData"), longValue.Left(projectfile::kValueBuffer - 1));
  EXPECT_EQ(file.ReadText("Custom", "SendData", 2048), longValue);

  // What would not read back is refused, and so is a file that cannot be written.
  EXPECT_FALSE(file.WriteText("Custom", "SendData", "a\r\nb"));
  EXPECT_EQ(file.ReadText("Custom", "SendData", 2048), longValue);
  EXPECT_FALSE(CProjectFile(dir.File("missing/p.ovirprj")).CreateEmpty());
  EXPECT_FALSE(CProjectFile(dir.File("missing/p.ovirprj")).WriteAirFormatType(1));
}

TEST(ProjectKinds, PredicatesTakeOnlyTheirOwnNumbers) {
  struct Case {
    std::int32_t remoteType;
    bool general, lcd, lcdStandard;
  } const cases[] = {
      {0, true, false, false},  {1, false, true, false},   {2, false, true, true},
      {3, false, false, false}, {-1, false, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsGeneralRemote(c.remoteType), c.general) << c.remoteType;
    EXPECT_EQ(IsLcdRemote(c.remoteType), c.lcd) << c.remoteType;
    EXPECT_EQ(IsAirConditionerFlow(c.remoteType), c.lcd) << c.remoteType;
    EXPECT_EQ(IsLcdStandardRemote(c.remoteType), c.lcdStandard) << c.remoteType;
  }
  EXPECT_STREQ(ProtocolKindName(kProtocolCodeWave), "CodeWave");
  EXPECT_STREQ(ProtocolKindName(kProtocolStandard), "Standard");
  EXPECT_STREQ(ProtocolKindName(kProtocolCustom), "Custom");
  EXPECT_EQ(ProtocolKindName(3), nullptr);
  EXPECT_EQ(ProtocolKindName(-1), nullptr);
  EXPECT_TRUE(IsStandardProtocol(1) && !IsStandardProtocol(2));
  EXPECT_TRUE(IsCustomProtocol(2) && !IsCustomProtocol(0));
}

}  // namespace
