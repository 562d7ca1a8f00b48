#include "core/AppContext.h"
#include "core/FuncRecords.h"
#include "platform/Profile.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

namespace {

class FuncRecordsTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    ini = dir.File("funcs.ini");
    state.App().langFile = dir.File("Lang.ini");
    state.App().currentLangSection = "1252";
    platform::WriteProfileString(g_App.langFile, "1252", "IDS_LOW", "Low");
    platform::WriteProfileString(g_App.langFile, "1252", "IDS_HIGH", "High");
  }

  void Put(const char* section, const char* key, const char* value) {
    platform::WriteProfileString(ini, section, key, value);
  }

  testsupport::TempDir dir;
  testsupport::CMessageRecorder boxes;
  wxString ini;
  CFuncRecords store;
};

TEST_F(FuncRecordsTest, ReadsPlainRecordsWithTheirDataValues) {
  Put("Func3", "OpenEnable", "0");
  Put("Func3", "Bits", "0x10");
  Put("Func3", "StartPos", "2");
  Put("Func3", "ModeSelect", "0xFF");
  Put("Func3", "Group", "3");
  Put("Func3", "Data0", "1,IDS_LOW");
  Put("Func3", "Data2", "0x20,IDS_HIGH");
  store.ReadFuncRecord(3, kFuncPlain, ini);

  stFuncRecord* record = nullptr;
  ASSERT_TRUE(store.FindFuncRecord(3, &record));
  EXPECT_EQ(record->OpenEnable, 0);
  EXPECT_EQ(record->CloseEnable, 0);
  EXPECT_EQ(record->Bits, 16);
  EXPECT_EQ(record->StartPos, 2);
  EXPECT_EQ(record->EndPos, -1);
  EXPECT_EQ(record->ProcessMethod, 1);
  ASSERT_EQ(record->Data.size(), 2u);  // Data1 is missing
  EXPECT_EQ(record->Data[0].Name, "Low");
  EXPECT_EQ(record->Data[1].Value, 0x20);

  // A second read replaces the first.
  Put("Func3", "Group", "1");
  store.ReadFuncRecord(3, kFuncPlain, ini);
  EXPECT_EQ(store.records.size(), 1u);
  ASSERT_TRUE(store.FindFuncRecord(3, &record));
  EXPECT_EQ(record->Data.size(), 1u);
  EXPECT_FALSE(store.FindFuncRecord(4, &record));
}

// The page fills a record from its block; reading the project's section
// back must keep what the section has no keys for.
TEST_F(FuncRecordsTest, ReadingASectionAgainKeepsTheFieldsTheBlockGave) {
  stFuncRecord fromBlock;
  fromBlock.Name = "IDS_TEMP";
  fromBlock.ModeEnable = 1;
  fromBlock.MaxValues = 16;
  fromBlock.DefaultValues = 4;
  fromBlock.Weight = 30;
  fromBlock.FuncNo = 2;
  fromBlock.Tip = "IDS_TIP_TEMP";
  fromBlock.Description = "TEMP_MACRO";
  fromBlock.Bits = 1;
  fromBlock.Data.push_back({7, "old", ""});
  Put("Func9", "Bits", "5");
  Put("Func9", "Group", "1");
  Put("Func9", "Data0", "3,IDS_LOW");
  Put("Func9", "DataShow", "2");

  for (int kind : {kFuncPlain, kFuncSimple, kFuncUserDefined, kFuncPureData}) {
    SCOPED_TRACE(kind);
    store.Clear();
    store.StoreFuncRecord(9, fromBlock);
    store.ReadFuncRecord(9, kind, ini);
    stFuncRecord* record = nullptr;
    ASSERT_TRUE(store.FindFuncRecord(9, &record));
    EXPECT_EQ(record->Name, "IDS_TEMP");
    EXPECT_EQ(record->ModeEnable, 1);
    EXPECT_EQ(record->MaxValues, 16);
    EXPECT_EQ(record->DefaultValues, 4);
    EXPECT_EQ(record->Weight, 30);
    EXPECT_EQ(record->FuncNo, 2);
    EXPECT_EQ(record->Tip, "IDS_TIP_TEMP");
    EXPECT_EQ(record->Description, "TEMP_MACRO");
    // Everything with a key comes from the section (or its default).
    EXPECT_EQ(record->Bits, kind == kFuncPureData ? 0 : 5);
    const bool withData = kind == kFuncPlain || kind == kFuncUserDefined;
    ASSERT_EQ(record->Data.size(), withData ? 1u : 0u);
    if (withData) {
      EXPECT_EQ(record->Data[0].Name, "Low");
    }
    EXPECT_EQ(record->DataShow, kind == kFuncUserDefined ? 2 : 0);
    EXPECT_EQ(record->PrevDataShow, record->DataShow);
    EXPECT_EQ(record->Resizable, kind == kFuncUserDefined ? 1 : 0);
    EXPECT_EQ(record->PureData, kind == kFuncPureData ? 1 : 0);
  }

  // Without a stored record the section gives a record with defaults.
  store.Clear();
  store.ReadFuncRecord(9, kFuncPlain, ini);
  EXPECT_EQ(store.records[9].Name, "");
  EXPECT_EQ(store.records[9].Weight, 0);
}

TEST_F(FuncRecordsTest, StoringReplacesARecordButKeepsItsDefaultValues) {
  stFuncRecord record;
  record.Name = "IDS_A";
  record.DefaultValues = 3;
  store.StoreFuncRecord(4, record);
  EXPECT_EQ(store.records[4].DefaultValues, 3);

  record.Name = "IDS_B";
  record.DefaultValues = 9;
  record.Data.push_back({1, "x", ""});
  store.StoreFuncRecord(4, record);
  record.Data[0].Name = "changed after storing";
  EXPECT_EQ(store.records.size(), 1u);
  EXPECT_EQ(store.records[4].Name, "IDS_B");
  EXPECT_EQ(store.records[4].DefaultValues, 3);
  EXPECT_EQ(store.records[4].Data.at(0).Name, "x");
}

TEST_F(FuncRecordsTest, WrittenRecordReadsBackTheSame) {
  Put("Func7", "Group", "2");
  Put("Func7", "Data0", "1,IDS_LOW");
  Put("Func7", "Data1", "2,IDS_HIGH");
  Put("Func7", "ProcessMethod", "3");
  store.ReadFuncRecord(7, kFuncUserDefined, ini);
  const wxString copy = dir.File("copy.ini");
  ASSERT_TRUE(store.WriteUDFuncRecord(7, copy));
  EXPECT_EQ(
      platform::ReadProfileKeys(copy, "Func7"),
      (std::vector<wxString>{"OpenEnable", "CloseEnable", "ModeSelect", "StartPos", "EndPos", "Bits",
                             "Reserve", "Group", "Data0", "Data1", "DataShow", "ProcessMethod", "ZeroShow"}));
  EXPECT_EQ(platform::ReadProfileString(copy, "Func7", "Data1", ""), "2,IDS_HIGH");  // the key, not the text

  CFuncRecords other;
  other.ReadFuncRecord(7, kFuncUserDefined, copy);
  stFuncRecord* record = nullptr;
  ASSERT_TRUE(other.FindFuncRecord(7, &record));
  EXPECT_EQ(record->Data[1].Name, "High");
  EXPECT_EQ(record->ProcessMethod, 3);

  // A description the user edited is written as typed.
  store.records[7].Data[1].Name = "Very high";
  ASSERT_TRUE(store.WriteFuncRecord(7, copy));
  EXPECT_EQ(platform::ReadProfileString(copy, "Func7", "Data1", ""), "2,Very high");

  EXPECT_FALSE(store.WriteFuncRecord(99, copy));  // no record
  store.records[7].Data[0].Name = "BAD\nNAME";
  EXPECT_FALSE(store.WriteFuncRecord(7, copy));
  EXPECT_EQ(boxes.boxes.size(), 1u);
}

TEST_F(FuncRecordsTest, ConstantCodesAndVerifySettings) {
  Put("Func5", "ConstCode", "255");
  Put("Func5", "Bits", "8");
  stConstCodeFunc fixed;
  fixed.Weight = 40;
  fixed.Name = "IDS_FIX_CODE5";
  store.StoreConstRecord(5, fixed);
  store.ReadFuncRecord(5, kFuncConstCode, ini);
  stConstCodeFunc* found = nullptr;
  ASSERT_TRUE(store.FindConstRecord(5, &found));
  EXPECT_EQ(found->Name, "IDS_FIX_CODE5");
  EXPECT_EQ(found->ConstCode, 255);
  EXPECT_FALSE(store.FindConstRecord(6, &found));
  EXPECT_EQ(store.GetFuncWeight(5, kFuncConstCode), 40);
  EXPECT_EQ(store.GetFuncSize(5, kFuncConstCode), 8);
  ASSERT_TRUE(store.WriteConstRecord(5, dir.File("c.ini")));
  EXPECT_EQ(platform::ReadProfileString(dir.File("c.ini"), "Func5", "ConstCode", ""), "0xff");
  EXPECT_EQ(store.GetFuncSize(6, kFuncPlain), 0);
  EXPECT_EQ(store.GetFuncSize(5, 7), 0);

  store.verify1No = 12;
  store.verify2No = 21;  // only one verify block exists
  store.verify2.Weight = 6;
  Put("Func21", "Bits", "4");
  Put("Func21", "AddFunc", "Temp,Mode,Fan");
  Put("Func21", "Expr", "A+B");
  store.ReadFuncRecord(21, kFuncVerify, ini);
  EXPECT_EQ(store.GetFuncSize(21, kFuncVerify), 4);
  EXPECT_EQ(store.GetFuncWeight(21, kFuncVerify), 6);
  EXPECT_EQ(store.verify2.Factors, (std::vector<wxString>{"Temp", "Mode", "Fan"}));
  EXPECT_EQ(store.verify2.Expression, "A+B");
  EXPECT_EQ(store.verify1.Bits, 0);

  // Nine factors, the unused ones empty: no trailing commas are written.
  store.verify2.Factors.resize(9);
  ASSERT_TRUE(store.WriteVerifyRecord(21, dir.File("e.ini")));
  EXPECT_EQ(platform::ReadProfileString(dir.File("e.ini"), "Func21", "AddFunc", ""), "Temp,Mode,Fan");
}

TEST_F(FuncRecordsTest, ModeMasksFollowTheModeRecord) {
  Put("Func1", "ModeSelect", "0xFF");
  store.ReadFuncRecord(1, kFuncPlain, ini);
  store.ResetModeMasks();
  EXPECT_EQ(store.records[1].ModeSelect, 0);  // no mode record

  Put("Func2", "Group", "3");
  for (const char* key : {"Data0", "Data1", "Data2"}) Put("Func2", key, "1,IDS_LOW");
  Put("Func1", "ModeSelect", "0xFF");
  store.ReadFuncRecord(1, kFuncPlain, ini);
  store.ReadFuncRecord(2, kFuncPlain, ini);
  store.records[2].Name = "ids_mode";
  std::vector<wxString> names;
  EXPECT_EQ(store.GetFuncDataNames(names), 3);
  store.ResetModeMasks();
  EXPECT_EQ(store.records[1].ModeSelect, 0x7);
}

}  // namespace
