#include "core/AppContext.h"
#include "core/ChipModel.h"
#include "core/DocManage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

#include <memory>

namespace {

class DocTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    state.App().currentLangSection = "1252";
    state.FrameworkKind() = kFrameworkGeneral;
  }

  testsupport::TempDir dir;
  testsupport::CMessageRecorder boxes;
};

TEST_F(DocTest, CreatedProjectOpensWithTheSameFields) {
  CDocManage doc;
  ASSERT_TRUE(doc.CheckProjectName("Remote1"));
  ASSERT_TRUE(doc.CheckProjectPath(dir.Path(), false));
  ASSERT_TRUE(doc.CheckMcu("QK37A0640"));
  ASSERT_TRUE(doc.CheckPackage("20SSOP"));
  doc.RemoteType = 2;
  doc.ProtocolType = 0;
  ASSERT_TRUE(doc.CreateProjectFile(true, true));
  EXPECT_EQ(doc.GetProjectFilePath(), dir.File("Remote1.lmirprj"));

  const std::string bytes = testsupport::ReadBytes(doc.GetProjectFilePath());
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(
      platform::ReadProfileKeys(doc.GetProjectFilePath(), "Project"),
      (std::vector<wxString>{"Name", "Folder", "MCU", "Package", "RemoteType", "ProtocolType", "Volt"}));

  // Key settings that the key page would have written, in the forms it may use.
  const wxString file = doc.GetProjectFilePath();
  platform::WriteProfileString(file, "KeyConfig", "Package", "24SSOP");
  platform::WriteProfileString(file, "KeyConfig", "Keypad", "1");
  platform::WriteProfileString(file, "KeyConfig", "Touch Frequency", "0x20");
  platform::WriteProfileString(file, "KeyConfig", "Button State", "0");
  platform::WriteProfileString(file, "KeyConfig", "TouchKey", "1, 2,10h");

  CDocManage opened;
  ASSERT_TRUE(opened.OpenProject(file));
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(opened.ProjectName, "Remote1");
  EXPECT_EQ(opened.GetProjectFolder(), dir.Path());
  EXPECT_EQ(opened.GetMcuName(), "QK37A0640");
  EXPECT_EQ(opened.GetPackageName(), "24SSOP");  // [KeyConfig] Package wins
  EXPECT_EQ(opened.RemoteType, 2);
  EXPECT_EQ(opened.ProtocolType, 0);
  EXPECT_EQ(opened.LeadCodeOn, 1);
  EXPECT_EQ(opened.Keypad, 1);
  EXPECT_EQ(opened.TouchFrequency, 0x20);
  EXPECT_EQ(opened.ButtonState, 0);
  EXPECT_EQ(opened.LcdButtonState, 1);  // absent: untouched
  const std::int32_t touch[8] = {1, 2, 16, 0, 0, 0, 0, 0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(opened.TouchKey[i], touch[i]) << i;
  EXPECT_EQ(opened.GetProjectFilePath(), file);
}

TEST_F(DocTest, OpeningChecksPathAndFields) {
  CDocManage doc;
  EXPECT_FALSE(doc.OpenProject("noseparator.lmirprj"));
  EXPECT_FALSE(doc.OpenProject(dir.File("noextension")));
  EXPECT_TRUE(boxes.boxes.empty());

  const wxString file = dir.File("p.lmirprj");
  platform::WriteProfileString(file, "Project", "MCU", "QK21A0510");
  EXPECT_FALSE(doc.OpenProject(file));  // no package
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Please choose a package.");
  EXPECT_EQ(doc.ProjectName, "p");  // stored before the failing step
  platform::WriteProfileString(file, "KeyConfig", "Package", "");
  platform::WriteProfileString(file, "Project", "Package", "8SOP");
  ASSERT_TRUE(doc.OpenProject(file));
  EXPECT_EQ(doc.GetPackageName(), "8SOP");  // an empty [KeyConfig] Package does not replace it
}

TEST_F(DocTest, ValidatorsAskAndReport) {
  CDocManage doc;
  EXPECT_FALSE(doc.CheckProjectName(""));
  EXPECT_FALSE(doc.CheckProjectName("a:b"));
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text, "A project name cannot contain any of these characters:\n\\/:*?\"<>|");
  EXPECT_TRUE(doc.CheckProjectName("ok"));
  // Blanks alone are no name, as an empty one is.
  for (const char* blanks : {" ", "   ", " \t "}) {
    EXPECT_FALSE(doc.CheckProjectName(blanks)) << "'" << blanks << "'";
    EXPECT_EQ(boxes.boxes.back().text, boxes.boxes[0].text);
  }
  // Names of dots alone would name the folder itself, its parent or a hidden
  // file: the message says so, as they hold no invalid character.
  for (const char* dots : {".", "..", "..."}) {
    EXPECT_FALSE(doc.CheckProjectName(dots)) << dots;
    EXPECT_EQ(boxes.boxes.back().text,
              "A project name cannot consist of dots alone: \".\" and \"..\" stand for folders.");
  }
  EXPECT_EQ(doc.ProjectName, "ok");
  EXPECT_TRUE(doc.CheckProjectName(" a b "));  // blanks beside other characters are the user's choice
  EXPECT_TRUE(doc.CheckProjectName("v1.2"));   // dots beside other characters are fine
  ASSERT_TRUE(doc.CheckProjectName("ok"));

  boxes.answers = {platform::kIdCancel};
  EXPECT_FALSE(doc.CheckProjectPath(dir.File("new/deeper"), false));
  EXPECT_FALSE(wxFileName::DirExists(dir.File("new")));
  boxes.answers = {platform::kIdOk};
  EXPECT_TRUE(doc.CheckProjectPath(dir.File("new/"), true));  // the name is appended
  EXPECT_EQ(doc.GetProjectFolder(), dir.File("new/ok"));
  EXPECT_TRUE(wxFileName::DirExists(dir.File("new/ok")));
  EXPECT_FALSE(doc.CheckProjectPath("", false));
  EXPECT_FALSE(doc.CheckMcu(""));
}

TEST_F(DocTest, ExistingProjectIsReplacedOnlyOnOk) {
  CDocManage doc;
  doc.CheckProjectName("Same");
  doc.CheckProjectPath(dir.Path(), false);
  doc.CheckMcu("QK21A0510");
  doc.CheckPackage("8SOP");
  ASSERT_TRUE(doc.CreateProjectFile(true, true));
  platform::WriteProfileString(doc.GetProjectFilePath(), "Custom", "Keep", "1");
  boxes.answers = {platform::kIdCancel};
  EXPECT_FALSE(doc.CreateProjectFile(true, true));
  EXPECT_EQ(platform::ReadProfileString(doc.GetProjectFilePath(), "Custom", "Keep", ""), "1");
  ASSERT_TRUE(doc.CreateProjectFile(true, true));  // OK by default
  EXPECT_EQ(platform::ReadProfileString(doc.GetProjectFilePath(), "Custom", "Keep", ""), "");

  CDocManage empty;
  EXPECT_TRUE(empty.CreateProjectFile(false, true));
  EXPECT_EQ(empty.GetProjectFilePath(), "");
}

TEST_F(DocTest, LoadChipFindsTheChipAndPackage) {
  CDocManage doc;
  doc.CheckMcu("QK21B0510");
  doc.CheckPackage("16NSOP");
  ASSERT_TRUE(doc.LoadChip());
  ASSERT_NE(g_CurChipInfo, nullptr);
  EXPECT_EQ(g_CurChipInfo->name, "QK21B0510");
  doc.CheckPackage("99PIN");
  EXPECT_FALSE(doc.LoadChip());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "The package 99PIN is not defined for this chip.");
  doc.CheckMcu("QK99");
  EXPECT_FALSE(doc.LoadChip());
  EXPECT_EQ(boxes.boxes.back().text, "The chip definition of QK99 could not be loaded.");
}

TEST(DocParams, SetParamFillsTheNumericFields) {
  CDocManage doc;
  doc.SetParam(0, "38");
  doc.SetParam(2, "0x1FE");
  doc.SetParam(3, "9000");
  doc.SetParam(4, "4500");
  doc.SetParam(6, "560");
  doc.SetParam(7, "565");
  doc.SetParam(12, "108000");
  doc.SetParam(15, "1F");
  doc.SetParam(16, "8");
  doc.SetParam(24, "0x10");
  doc.SetParam(31, "0xBEEF");
  EXPECT_EQ(doc.Carrier, 38);
  EXPECT_EQ(doc.Address, 0x1FE);
  EXPECT_EQ(doc.BootTime, (4500u << 16) | 9000u);
  EXPECT_EQ(doc.Bit0Time, (565u << 16) | 560u);
  EXPECT_EQ(doc.Bit0Mark(), 560);
  EXPECT_EQ(doc.Bit0Space(), 565);
  EXPECT_EQ(doc.RepeatPeriod, 108000u);
  EXPECT_EQ(doc.AddressBits, 31);
  doc.SetParam(15, "0x1F");
  EXPECT_EQ(doc.AddressBits, 31);
  EXPECT_EQ(doc.CommandBits, 8);
  EXPECT_EQ(doc.ConstBits[0], 16);
  EXPECT_EQ(doc.ConstValue[3], 0xBEEF);
  doc.SetParam(3, "1");  // replaces only its own half
  EXPECT_EQ(doc.BootTime, (4500u << 16) | 1u);
  doc.SetParam(32, "x");
  EXPECT_EQ(doc.GetParam(32), "");
  EXPECT_EQ(doc.GetParam(-1), "");
  EXPECT_EQ(doc.GetParam(2), "0x1FE");
}

// Fills every field that a reset may touch with a marker value.
void Dirty(CDocManage& doc) {
  for (int i = 0; i < 32; ++i) doc.SetParam(i, "7");
  doc.ProtocolMode = 7;
  doc.CodeMode = 7;
  doc.TimingComplete = 0;
  doc.LsbFirst = 7;
  doc.StartBitValue = 7;
  doc.Keypad = 7;
  doc.ButtonState = 7;
  doc.ProtocolImported = 7;
  doc.Loading = 7;
  doc.DecodePageOpen = 7;
  doc.ProjectName = "n";
  doc.ProjectFolder = "f";
  doc.McuName = "QK21A0510";
  doc.PackageName = "8SOP";
  doc.OtherSettings.Unit0High = 7;
  doc.ConstCodeOn[2] = 7;
  doc.AddKeyValue(1, "k");
  doc.AddAirKeyValue("a", "b");
  doc.WaveRecord = {1, 2};
  doc.LedSetting = "PA7";
  doc.HighSensitivity = 1;
  doc.UsedPins = {"PC0"};
  doc.SegMap["SEG0"] = "PC1";
  doc.TimerOption = doc.CrystalOption = 1;
  doc.LcdOption = 1;
  doc.FunctionBlocks = {{"IDS_MODE", 1}};
  doc.FixedFunctions = doc.UserFunctions = {"f"};
  doc.AirFormatType = doc.FormatIndex = 7;
}

TEST(DocReset, FollowsTheClearAndKeepRules) {
  struct Case {
    bool clear, keep;
    int remoteType;
    bool paramsKept;  // P0 survives
    bool p17Kept;
    bool p18Kept;   // with QK21A0510 in 8SOP
    bool keysKept;  // key records, keypad type, data-format bytes
    int protocolMode;
  } cases[] = {
      {true, false, 0, false, false, false, false, -1},
      {false, true, 0, true, true, false, true, 7},
      {false, true, 1, true, false, false, false, 2},
      {false, false, 2, false, false, false, false, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "clear " << c.clear << " keep " << c.keep << " remote "
                                    << c.remoteType);
    CDocManage doc;
    Dirty(doc);
    doc.RemoteType = c.remoteType;
    doc.Reset(c.clear, c.keep);

    EXPECT_EQ(doc.GetParam(2), "");  // always emptied
    EXPECT_EQ(doc.GetParam(15), "");
    EXPECT_EQ(doc.GetParam(0), c.paramsKept ? "7" : "");
    EXPECT_EQ(doc.GetParam(17), c.p17Kept ? "7" : "");
    EXPECT_EQ(doc.GetParam(18), c.p18Kept ? "7" : "");
    // The numeric twins of P15, P16 and P24..P27 stay only with their project.
    EXPECT_EQ(doc.AddressBits, c.keep ? 7 : 0);
    EXPECT_EQ(doc.CommandBits, c.keep ? 7 : 0);
    EXPECT_EQ(doc.ConstBits[3], c.keep ? 7 : 0);
    // So do the values that only the project file gives; the LED setting goes with P19.
    EXPECT_EQ(doc.LedSetting, c.p18Kept ? "PA7" : "");  // P19 follows the rule of P18
    EXPECT_EQ(doc.HighSensitivity, c.keep ? 1 : 0);
    EXPECT_EQ(doc.UsedPins.size(), c.keep ? 1u : 0u);
    EXPECT_EQ(doc.SegMap.size(), c.keep ? 1u : 0u);
    EXPECT_EQ(doc.TimerOption + doc.CrystalOption + doc.LcdOption, c.keep ? 3 : 0);
    EXPECT_EQ(doc.FunctionBlocks.size() + doc.FixedFunctions.size() + doc.UserFunctions.size(),
              c.keep ? 3u : 0u);
    EXPECT_EQ(doc.AirFormatType + doc.FormatIndex, c.keep ? 14 : 0);
    EXPECT_EQ(doc.ProtocolMode, c.protocolMode);
    EXPECT_EQ(doc.CodeMode, 0);
    EXPECT_EQ(doc.RepeatKind, 4);
    EXPECT_EQ(doc.TimingComplete, -1);
    EXPECT_EQ(doc.GetKeyValueCount(), c.keysKept ? 1u : 0u);
    EXPECT_EQ(doc.Keypad, c.keysKept ? 7 : 0);
    EXPECT_EQ(doc.LsbFirst, c.keysKept ? 7 : 0);
    EXPECT_EQ(doc.StartBitValue, c.keysKept ? 7 : 1);
    EXPECT_EQ(doc.ConstCodeOn[2], c.keep ? 7 : 0);
    EXPECT_EQ(doc.GetAirKeyValueCount(), 0u);
    EXPECT_EQ(doc.ButtonState, 1);
    EXPECT_EQ(doc.LcdButtonState, 1);
    EXPECT_EQ(doc.ProtocolImported, 0);
    EXPECT_EQ(doc.OtherSettings.Unit0High, 30u);
    EXPECT_EQ(doc.OtherSettings.LevelVolts[3], -1.0);
    EXPECT_TRUE(doc.WaveRecord.empty());
    EXPECT_EQ(doc.Loading, 7);
    EXPECT_EQ(doc.DecodePageOpen, 7);
    EXPECT_EQ(doc.ProjectName, c.clear ? "" : "n");
    EXPECT_EQ(doc.McuName, c.clear ? "" : "QK21A0510");
    EXPECT_EQ(doc.PackageName, "8SOP");  // never cleared
    EXPECT_EQ(doc.Modified, 0);
  }
}

TEST(DocReset, KeyPageFlagFollowsRemoteTypeAndChip) {
  CDocManage doc;
  doc.RemoteType = 1;
  doc.McuName = "qk37a0660";
  doc.Reset(false, false);
  EXPECT_EQ(doc.RemDrv, 1);
  doc.McuName = "QK37A0640";
  doc.Reset(false, false);
  EXPECT_EQ(doc.RemDrv, 0);
  doc.RemoteType = 0;
  doc.Reset(false, false);
  EXPECT_EQ(doc.RemDrv, 1);
  EXPECT_EQ(doc.RepeatCodeOn, 1);
}

// The reset before an opening knows only the project before; the values that
// follow the remote type come from the project opened.
TEST_F(DocTest, OpenedProjectTakesTheDefaultsOfItsOwnRemoteType) {
  struct Case {
    int before, opened;
    const char* mcu;
    int remDrv, repeatCode;
  } cases[] = {
      {1, 0, "QK21A0510", 1, 1},
      {0, 1, "QK52A140", 0, 0},
      {0, 2, "QK37A0660", 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mcu);
    const wxString file = dir.File(wxString::Format("p%d.lmirprj", c.opened));
    platform::WriteProfileString(file, "Project", "MCU", c.mcu);
    platform::WriteProfileString(file, "Project", "Package", "8SOP");
    platform::WriteProfileString(file, "Project", "RemoteType", wxString::Format("%d", c.opened));
    CDocManage doc;
    doc.RemoteType = c.before;
    doc.McuName = "QK37A0640";
    doc.Reset(true, false);
    ASSERT_TRUE(doc.OpenProject(file));
    EXPECT_EQ(doc.RemDrv, c.remDrv);
    EXPECT_EQ(doc.RepeatCodeOn, c.repeatCode);
  }
}

TEST(DocRecords, KeyRecordsKeepTheirLayoutAndRefuseBadIndexes) {
  CDocManage doc;
  doc.AddKeyValue(0x12, wxString::FromUTF8("电源 \xF0\x9F\x94\x8C"));  // with a character beyond 16 bits
  doc.AddKeyValue(0x34, wxString(wxUniChar('x'), 1500));               // cut to 999 units
  EXPECT_EQ(doc.KeyValues()[0].text[0], u'电');
  EXPECT_EQ(doc.KeyValues()[1].text[998], u'x');
  EXPECT_EQ(doc.KeyValues()[1].text[999], u'\0');

  int position = -1;
  ASSERT_TRUE(doc.GetFirstKeyValue(position));
  std::uint16_t code = 0;
  wxString text;
  bool more = false;
  ASSERT_TRUE(doc.GetNextKeyValue(position, code, text, &more));
  EXPECT_EQ(code, 0x12);
  EXPECT_EQ(text, wxString::FromUTF8("电源 \xF0\x9F\x94\x8C"));
  EXPECT_TRUE(more);
  ASSERT_TRUE(doc.GetNextKeyValue(position, code, text, &more));
  EXPECT_EQ(text.length(), 999u);
  EXPECT_FALSE(more);
  EXPECT_FALSE(doc.GetNextKeyValue(position, code, text));

  EXPECT_FALSE(doc.SetKeyCode(5, 1));
  EXPECT_FALSE(doc.RemoveKeyValue(2));
  EXPECT_FALSE(doc.RemoveKeyValue(-2));
  EXPECT_TRUE(doc.SetKeyCode(1, 0x99));

  const std::string bytes = doc.SerializeKeyValues();
  ASSERT_EQ(bytes.size(), 2u + 2 * 2002u);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\x02\x00", 2));
  CDocManage copy;
  ASSERT_TRUE(copy.DeserializeKeyValues(bytes));
  ASSERT_EQ(copy.GetKeyValueCount(), 2u);
  EXPECT_EQ(copy.KeyValues()[1].code, 0x99);
  EXPECT_FALSE(copy.DeserializeKeyValues(bytes.substr(0, 100)));  // truncated: refused, records kept
  EXPECT_EQ(copy.GetKeyValueCount(), 2u);

  EXPECT_TRUE(doc.RemoveKeyValue(-1));
  EXPECT_FALSE(doc.GetFirstKeyValue(position));

  doc.AddAirKeyValue("on", "off");
  wxString a, b;
  ASSERT_TRUE(doc.GetFirstAirKeyValue(position));
  ASSERT_TRUE(doc.GetNextAirKeyValue(position, a, b));
  EXPECT_EQ(a + b, "onoff");
  EXPECT_EQ(doc.SerializeAirKeyValues().size(), 2u + 4000u);
}

TEST(DocCapture, RecordTable) {
  EXPECT_TRUE(IsCaptureRecordId('1'));
  EXPECT_TRUE(IsCaptureRecordId('2'));
  EXPECT_FALSE(IsCaptureRecordId('3'));
  EXPECT_EQ(GetCaptureRecordCapacity('1'), 16);
  EXPECT_EQ(GetCaptureRecordCapacity('2'), 600);
  EXPECT_EQ(GetCaptureRecordCapacity(0), 0);
}

}  // namespace
