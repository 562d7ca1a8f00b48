#include "keys/KeyConfigModel.h"

#include "core/DocManage.h"
#include "keys/KeyGuide.h"
#include "platform/TextFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

namespace {

using Pins = std::vector<wxString>;

TEST(KeyConfigModel, StoredKeyLinesCloseTheirGapsAndCountTheVssRow) {
  struct Case {
    int keypad, vssRow;
    const char* pinList;
    int io, columns, rows;
  };
  const Case cases[] = {
      {kKeypadStep, 0, "PA0,PA3", 2, 0, 0},
      {kKeypadMatrix, 0, "PA0,PA2, ,PB1", 0, 2, 1},
      {kKeypadMatrix, 1, "PA0,PA2, ,PB1", 0, 2, 2},
  };
  for (const Case& c : cases) {
    CKeyLineSet lines;
    lines.Setup(c.keypad, 4);
    lines.PutPin(0, "PA0");
    lines.PutPin(2, c.keypad == kKeypadStep ? "PA3" : "PA2");
    if (c.keypad == kKeypadMatrix) lines.PutPin(6, "PB1");
    CDocManage doc;
    doc.VssRow = c.vssRow;
    StoreKeyLines(doc, lines);
    EXPECT_EQ(doc.GetParam(18), c.pinList) << c.keypad << "/" << c.vssRow;
    EXPECT_EQ(lines.PinAt(1), c.keypad == kKeypadStep ? "PA3" : "PA2");
    EXPECT_EQ(doc.IoCount, c.io);
    EXPECT_EQ(doc.IoColCount, c.columns);
    EXPECT_EQ(doc.IoRowCount, c.rows);
    // What is stored reads back as the counts the pins are loaded against.
    EXPECT_EQ(DocKeyLineCounts(doc).rows, c.rows);
  }
}

TEST(KeyConfigModel, VssRowOnlyForAnLcdRemotesStepKeypad) {
  struct Case {
    int remoteType, keypad, vssRow;
  };
  for (const Case& c : {Case{kRemoteLcdSimple, kKeypadStep, 1}, Case{kRemoteLcdStandard, kKeypadMatrix, 0},
                        Case{kRemoteGeneral, kKeypadStep, 0}}) {
    CDocManage doc;
    doc.RemoteType = c.remoteType;
    doc.VssRow = 1 - c.vssRow;
    SetDocKeypad(doc, c.keypad);
    EXPECT_EQ(doc.VssRow, c.vssRow) << c.remoteType << "/" << c.keypad;
    EXPECT_EQ(doc.Keypad, c.keypad);
  }
}

class RemPinList : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(wxFileName::Mkdir(dir.File("Custom"), wxS_DIR_DEFAULT));
    platform::WriteFileAtomically(dir.File("Custom/KeyConfig.ini"),
                                  "[REM]\r\nQK37A170_48 LQFP=PB3,PB7,PE0,PE1\r\n");
    doc.McuName = "QK37A170";
    doc.PackageName = "48 LQFP";
    doc.UsedPins = {"PE0"};
  }
  stRemPinList Plan(bool reset) const { return PlanRemPinList(doc, dir.Path(), {"PB3"}, "PE1", reset); }

  testsupport::TempDir dir;
  CDocManage doc;
};

TEST_F(RemPinList, OffersCandidatesNoKeyLedOrLcdPinTakes) {
  doc.RemPinText = "PB7";
  EXPECT_EQ(Plan(false).offered, (Pins{"PB7"}));
  doc.UsedPins.clear();
  const stRemPinList list = Plan(false);
  EXPECT_EQ(list.offered, (Pins{"PB7", "PE0"}));
  EXPECT_EQ(list.selection, 0);
}

TEST_F(RemPinList, StoresTheStoredPinUnlessResetAndNoneFromAnEmptyList) {
  doc.UsedPins.clear();
  doc.RemPinText = "PE0";
  StoreRemPin(doc, Plan(false));
  EXPECT_EQ(doc.RemPinIndex, 1);
  EXPECT_EQ(doc.RemPinText, "PE0");
  StoreRemPin(doc, Plan(true));
  EXPECT_EQ(doc.RemPinIndex, 0);
  EXPECT_EQ(doc.RemPinText, "PB7");
  doc.PackageName = "44 LQFP";
  StoreRemPin(doc, Plan(false));
  EXPECT_EQ(doc.RemPinIndex, -1);
  EXPECT_EQ(doc.RemPinText, "");
}

TEST(KeyConfigModel, SavedKeyRowsShowCodesInHexadecimal) {
  CDocManage doc;
  doc.AddKeyValue(0x45, "Power");
  doc.AddKeyValue(0x1A0, "");
  const std::vector<stSavedKeyRow> rows = DocSavedKeyRows(doc);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].codeText, "0x45");
  EXPECT_EQ(rows[0].text, "Power");
  EXPECT_EQ(rows[1].codeText, "0x1a0");
  EXPECT_EQ(rows[1].text, "");
}

TEST(KeyConfigModel, GuideIsWantedUntilItsRemoteKindWasSeen) {
  testsupport::TempDir dir;
  const wxString userIni = dir.File("User.ini");
  EXPECT_FALSE(KeyPageGuideWanted("", kRemoteGeneral, 1));
  EXPECT_TRUE(KeyPageGuideWanted(userIni, kRemoteGeneral, 1));
  SuppressKeyPageGuide(userIni, kRemoteGeneral, 3);
  EXPECT_FALSE(KeyPageGuideWanted(userIni, kRemoteGeneral, 1));
  EXPECT_TRUE(KeyPageGuideWanted(userIni, kRemoteGeneral, 15));
  EXPECT_TRUE(KeyPageGuideWanted(userIni, kRemoteLcdStandard, 1));
}

}  // namespace
