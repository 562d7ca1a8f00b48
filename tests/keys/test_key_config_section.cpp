#include "keys/KeyConfigSection.h"

#include "core/DocManage.h"
#include "core/ProjectFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

class KeyConfigSection : public ::testing::Test {
 protected:
  void SetUp() override {
    file = std::make_unique<CProjectFile>(dir.File("p.lmirprj"));
    ASSERT_TRUE(file->CreateEmpty());
    doc.RemoteType = kRemoteGeneral;
  }
  wxString Item(int index) const {
    return file->ReadText("KeyConfig", wxString::Format("Item%d", index), 1 << 20);
  }

  testsupport::TempDir dir;
  std::unique_ptr<CProjectFile> file;
  CDocManage doc;
};

TEST_F(KeyConfigSection, WritesTheSettingsAndPacksEightKeysToAnItem) {
  doc.AddKeyValue(0x45, "Power");
  doc.AddKeyValue(0x1A, "Vol+");
  doc.AddKeyValue(0, "");
  for (int i = 3; i < 9; ++i) doc.AddKeyValue(static_cast<std::uint16_t>(i), wxString::Format("K%d", i));
  doc.Keypad = 1;
  doc.RemDrv = 0;
  doc.RemPinText = "PB3";
  doc.ButtonState = 1;
  ASSERT_TRUE(WriteKeyConfigKeys(*file, doc));
  EXPECT_EQ(file->ReadText("KeyConfig", "Keypad"), "1");
  EXPECT_EQ(file->ReadText("KeyConfig", "REMDRV"), "0");
  EXPECT_EQ(file->ReadText("KeyConfig", "REMPin"), "PB3");
  EXPECT_EQ(file->ReadText("KeyConfig", "KeyValueCount"), "9");
  EXPECT_EQ(Item(0), "0x45-Power,0x1a-Vol+,0x0-,0x3-K3,0x4-K4,0x5-K5,0x6-K6,0x7-K7");
  EXPECT_EQ(Item(1), "0x8-K8");
  EXPECT_FALSE(file->Has("KeyConfig", "Item2"));

  // An LCD remote writes no key values.
  CProjectFile lcd(dir.File("lcd.lmirprj"));
  lcd.CreateEmpty();
  doc.RemoteType = kRemoteLcdStandard;
  ASSERT_TRUE(WriteKeyConfigKeys(lcd, doc));
  EXPECT_FALSE(lcd.Has("KeyConfig", "KeyValueCount"));
  EXPECT_FALSE(lcd.Has("KeyConfig", "Item0"));
}

TEST_F(KeyConfigSection, EveryKeyRoundTripsWhateverItsLength) {
  const wxString longText(wxUniChar('x'), 999);
  doc.AddKeyValue(0xFFFF, longText);
  for (int i = 0; i < 20; ++i)
    doc.AddKeyValue(static_cast<std::uint16_t>(i), wxString::Format("Key-%d %s", i, longText.Left(300)));
  ASSERT_TRUE(WriteKeyConfigKeys(*file, doc));

  CDocManage reread;
  reread.RemoteType = kRemoteGeneral;
  reread.AddKeyValue(1, "stale");
  for (int pass = 0; pass < 2; ++pass) {  // a second read neither doubles nor garbles
    ReadKeyConfigKeys(*file, reread);
    ASSERT_EQ(reread.GetKeyValueCount(), doc.GetKeyValueCount());
    int a = 0, b = 0;
    std::uint16_t codeA, codeB;
    wxString textA, textB;
    while (doc.GetNextKeyValue(a, codeA, textA) && reread.GetNextKeyValue(b, codeB, textB)) {
      EXPECT_EQ(codeA, codeB);
      EXPECT_EQ(textA, textB);
    }
  }
}

TEST_F(KeyConfigSection, ReadsOtherPackingsAndStopsAtTheCount) {
  file->WriteText("KeyConfig", "KeyValueCount", "4");
  file->WriteText("KeyConfig", "Item0", "0x45-Power , 0x1a-Vol+");
  file->WriteText("KeyConfig", "Item1", "0x0-,0x10-Mute-All,0x11-Extra");
  ReadKeyConfigKeys(*file, doc);
  ASSERT_EQ(doc.GetKeyValueCount(), 4u);
  int position = 0;
  std::uint16_t code;
  wxString text;
  std::vector<std::pair<int, wxString>> got;
  while (doc.GetNextKeyValue(position, code, text)) got.emplace_back(code, text);
  EXPECT_EQ(got, (std::vector<std::pair<int, wxString>>{
                     {0x45, "Power"}, {0x1A, "Vol+"}, {0, ""}, {0x10, "Mute-All"}}));

  // A missing item ends the reading short.
  file->WriteText("KeyConfig", "KeyValueCount", "12");
  ReadKeyConfigKeys(*file, doc);
  EXPECT_EQ(doc.GetKeyValueCount(), 5u);
}

TEST_F(KeyConfigSection, EscapedSeparatorsReadBackIntoTheTexts) {
  // A backslash in a key text is escaped, so that a text ending in one keeps the separator after it.
  doc.AddKeyValue(0x45, "C:\\dir\\");
  doc.AddKeyValue(0x46, "Next");
  ASSERT_TRUE(WriteKeyConfigKeys(*file, doc));
  EXPECT_EQ(Item(0), "0x45-C:\\\\dir\\\\,0x46-Next");
  CDocManage reread;
  reread.RemoteType = kRemoteGeneral;
  ReadKeyConfigKeys(*file, reread);
  int position = 0;
  std::uint16_t code;
  wxString text;
  std::vector<wxString> texts;
  while (reread.GetNextKeyValue(position, code, text)) texts.push_back(text);
  EXPECT_EQ(texts, (std::vector<wxString>{"C:\\dir\\", "Next"}));

  // Air key values: an escaped "," belongs to the text; a lone "\" stays as it is.
  file->WriteText("KeyConfig", "KeyValueCount", "3");
  file->WriteText("KeyConfig", "Item0", "0101-Vol\\, up,1100-a\\b,11-\\\\");
  CDocManage air;
  air.RemoteType = kRemoteLcdSimple;
  ReadKeyConfigKeys(*file, air);
  position = 0;
  wxString first, second;
  std::vector<std::pair<wxString, wxString>> got;
  while (air.GetNextAirKeyValue(position, first, second)) got.emplace_back(first, second);
  EXPECT_EQ(
      got, (std::vector<std::pair<wxString, wxString>>{{"0101", "Vol, up"}, {"1100", "a\\b"}, {"11", "\\"}}));
}

TEST_F(KeyConfigSection, KeyLinesAndDriverReadBack) {
  stKeyLineCounts counts;
  counts.columns = 4;
  counts.rows = 4;
  ASSERT_TRUE(WriteKeyLineKeys(*file, 1, counts, "PA0,PA1,PA2,PA3,,PB0,PB1,PB2,PB3", "1,PB5"));
  file->WriteText("KeyConfig", "REMDRV", "0");
  doc.Keypad = 1;
  doc.McuName = "QK37A0640";
  ReadKeyConfigKeys(*file, doc);
  EXPECT_EQ(doc.IoColCount, 4);
  EXPECT_EQ(doc.IoRowCount, 4);
  EXPECT_EQ(doc.GetParam(18), "PA0,PA1,PA2,PA3,,PB0,PB1,PB2,PB3");
  EXPECT_EQ(doc.LedSetting, "1,PB5");
  EXPECT_EQ(doc.RemDrv, 0);
  doc.McuName = "qk37a0660";
  ReadKeyConfigKeys(*file, doc);
  EXPECT_EQ(doc.RemDrv, 1) << "this chip always drives with REMDRV";
}

TEST(KeyText, TextsTheFormatCannotHoldAreRefused) {
  EXPECT_EQ(KeyTextProblem("Vol+"), "");
  EXPECT_EQ(KeyTextProblem("Mute-All"), "");
  EXPECT_EQ(KeyTextProblem("Power,On"), "IDS_KEY_TEXT_SEPARATOR");
  EXPECT_EQ(KeyTextProblem("Two\nlines"), "IDS_KEY_TEXT_SEPARATOR");
  EXPECT_EQ(KeyTextProblem(wxString(wxUniChar('x'), 1000)), "IDS_KEY_TEXT_TOO_LONG");
}

}  // namespace
