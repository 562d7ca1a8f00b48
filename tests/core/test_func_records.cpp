#include "core/AppContext.h"
#include "core/FuncRecords.h"
#include "platform/Profile.h"
#include "MessageRecorder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

class FuncRecordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ini = dir.File("funcs.ini");
    g_App.langFile = dir.File("Lang.ini");
    g_App.currentLangSection = "1252";
    platform::WriteProfileString(g_App.langFile, "1252", "IDS_LOW", "Low");
    platform::WriteProfileString(g_App.langFile, "1252", "IDS_HIGH", "High");
  }
  void TearDown() override { g_App.langFile.clear(); }

  void Put(const char* section, const char* key, const char* value) {
    platform::WriteProfileString(ini, section, key, value);
  }

  testsupport::TempDir dir;
  testsupport::CMessageRecorder boxes;
  wxString ini;
  CFuncRecords store;
};

TEST_F(FuncRecordsTest, LoadsPlainRecordsWithTheirDataValues) {
  Put("Func3", "OpenEnable", "0");
  Put("Func3", "Bits", "0x10");
  Put("Func3", "StartPos", "2");
  Put("Func3", "ModeSelect", "0xFF");
  Put("Func3", "Group", "3");
  Put("Func3", "Data0", "1,IDS_LOW");
  Put("Func3", "Data2", "0x20,IDS_HIGH");
  store.LoadFuncRecord(3, kFuncPlain, ini);

  stFuncRecord* record = nullptr;
  ASSERT_TRUE(store.FindFuncRecord(3, &record));
  EXPECT_EQ(record->OpenEnable, 0);
  EXPECT_EQ(record->CloseEnable, 0);
  EXPECT_EQ(record->Bits, 16);
  EXPECT_EQ(record->StartPos, 2);
  EXPECT_EQ(record->EndPos, -1);
  EXPECT_EQ(record->ProcessMethod, 1);
  ASSERT_EQ(record->data.size(), 2u);  // Data1 is missing
  EXPECT_EQ(record->data[0].name, "Low");
  EXPECT_EQ(record->data[1].value, 0x20);

  // A second load replaces the first.
  Put("Func3", "Group", "1");
  store.LoadFuncRecord(3, kFuncPlain, ini);
  EXPECT_EQ(store.records.size(), 1u);
  ASSERT_TRUE(store.FindFuncRecord(3, &record));
  EXPECT_EQ(record->data.size(), 1u);
  EXPECT_FALSE(store.FindFuncRecord(4, &record));
}

TEST_F(FuncRecordsTest, SavedRecordLoadsBackTheSame) {
  Put("Func7", "Group", "2");
  Put("Func7", "Data0", "1,IDS_LOW");
  Put("Func7", "Data1", "2,IDS_HIGH");
  Put("Func7", "ProcessMethod", "3");
  store.LoadFuncRecord(7, kFuncExtended, ini);
  const wxString copy = dir.File("copy.ini");
  ASSERT_TRUE(store.SaveFuncRecordEx(7, copy));
  EXPECT_EQ(
      platform::ReadProfileKeys(copy, "Func7"),
      (std::vector<wxString>{"OpenEnable", "CloseEnable", "ModeSelect", "StartPos", "EndPos", "Bits",
                             "Reserve", "Group", "Data0", "Data1", "DataShow", "ProcessMethod", "ZeroShow"}));
  EXPECT_EQ(platform::ReadProfileString(copy, "Func7", "Data1", ""), "2,IDS_HIGH");  // the key, not the text

  CFuncRecords other;
  other.LoadFuncRecord(7, kFuncExtended, copy);
  stFuncRecord* record = nullptr;
  ASSERT_TRUE(other.FindFuncRecord(7, &record));
  EXPECT_EQ(record->data[1].name, "High");
  EXPECT_EQ(record->ProcessMethod, 3);
  EXPECT_EQ(record->extended, 1);

  EXPECT_FALSE(store.SaveFuncRecord(99, copy));  // no record
  store.records[7].data[0].nameKey = "IDS_BAD\nNAME";
  EXPECT_FALSE(store.SaveFuncRecord(7, copy));
  EXPECT_EQ(boxes.boxes.size(), 1u);
}

TEST_F(FuncRecordsTest, ConstantCodesAndExpressionFunctions) {
  Put("Func5", "ConstCode", "255");
  Put("Func5", "Bits", "8");
  store.LoadFuncRecord(5, kFuncConstCode, ini);
  store.constCodes[5].weight = 40;
  EXPECT_EQ(store.GetFuncValue(5, kFuncConstCode), 40);
  EXPECT_EQ(store.GetFuncBits(5, kFuncConstCode), 8);
  ASSERT_TRUE(store.SaveConstCode(5, dir.File("c.ini")));
  EXPECT_EQ(platform::ReadProfileString(dir.File("c.ini"), "Func5", "ConstCode", ""), "0xff");
  EXPECT_EQ(store.GetFuncBits(6, kFuncPlain), 0);

  store.exprA.number = 12;
  store.exprB.number = 21;  // only one expression function exists
  Put("Func21", "Bits", "4");
  Put("Func21", "AddFunc", "Temp,Mode,Fan");
  Put("Func21", "Expr", "A+B");
  store.LoadFuncRecord(21, kFuncExpression, ini);
  EXPECT_EQ(store.exprB.Bits, 4);
  EXPECT_EQ(store.exprB.AddFunc, (std::vector<wxString>{"Temp", "Mode", "Fan"}));
  EXPECT_EQ(store.exprB.Expr(), "A+B");
  EXPECT_EQ(store.exprA.Bits, 0);
  ASSERT_TRUE(store.SaveExprFunc(21, dir.File("e.ini")));
  EXPECT_EQ(platform::ReadProfileString(dir.File("e.ini"), "Func21", "AddFunc", ""), "Temp,Mode,Fan");
}

TEST_F(FuncRecordsTest, DataMaskFollowsTheModeRecord) {
  Put("Func1", "ModeSelect", "0xFF");
  store.LoadFuncRecord(1, kFuncPlain, ini);
  store.BuildDataMask();
  EXPECT_EQ(store.records[1].ModeSelect, 0);  // no mode record

  Put("Func2", "Group", "3");
  for (const char* key : {"Data0", "Data1", "Data2"}) Put("Func2", key, "1,IDS_LOW");
  Put("Func1", "ModeSelect", "0xFF");
  store.LoadFuncRecord(1, kFuncPlain, ini);
  store.LoadFuncRecord(2, kFuncPlain, ini);
  store.records[2].name = "ids_mode";
  std::vector<wxString> names;
  EXPECT_EQ(store.GetFuncDataNames(names), 3);
  store.BuildDataMask();
  EXPECT_EQ(store.records[1].ModeSelect, 0x7);
}

}  // namespace
