// The function list file's "Fun%d" sections, the panel's grid and scrolling.
#include "core/FuncRecords.h"
#include "keys/FunctionList.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

namespace {

class FunctionListTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    platform::ClearProfileCache();
    state.FuncRecords().Clear();
  }

  wxString Write(const std::string& text) {
    const wxString path = dir.File("KeyConfig.ini");
    EXPECT_TRUE(platform::WriteFileAtomically(path, text));
    platform::ClearProfileCache();
    return path;
  }
  void StoreRecordOpenOnly() {
    stFuncRecord record;
    record.OpenEnable = 1;
    record.CloseEnable = 0;
    state.FuncRecords().StoreFuncRecord(6, record);
  }
  testsupport::TempDir dir;
};

const char kSection[] = "TextColor=0xFF0000,0x00FF00\r\nBkColor=0xF5E229, 0xCCCCCC, 0xE8E8FF\r\nEnable=1\r\n";

TEST_F(FunctionListTest, SectionsInOrderUntilOneLacksARequiredKey) {
  const std::string text =
      std::string("[Fun0]\r\nTitle=IDS_SWITCH\r\nBtnMode=0x11\r\nBtnState=0x1000\r\nIndex=6\r\n") + kSection +
      "Param=GetOpenFlag(6), FUNC_ON_CLICK_ACTION_%d, %s, p1p2\r\n"
      "Param1=ignored, X, %s, p1\r\nParamValue1=A();\r\nParamValue2=B();\r\nParamValue4=D();\r\n"
      "StartPos=S, GetStartPos(6)\r\n"
      "[Fun1]\r\nTitle=IDS_MODE\r\nType=2\r\nDataIndx=3\r\n" +
      kSection +
      "Param1=1, N1_%d, %s, p1\r\nParam2=0, N2_%d, %s, p2\r\nParam4=skipped, X, %s, p1\r\n"
      "[Fun2]\r\nTitle=IDS_FAN\r\nTextColor=0x000000,0x9090A8\r\nBkColor=0xF5E229,0xCCCCCC\r\n"
      "[Fun3]\r\nTitle=IDS_LATER\r\n" +
      kSection;
  StoreRecordOpenOnly();
  const std::vector<stFunctionDef> list = ReadFunctionList(Write(text));
  ASSERT_EQ(list.size(), 2u) << "the section without Enable ends the list; no later one is read";

  const stFunctionDef& power = list[0];
  ASSERT_EQ(power.params.size(), 1u) << "Param wins over the numbered records";
  EXPECT_EQ(power.params[0].condition, "GetOpenFlag(6)");
  EXPECT_EQ(power.params[0].defineName, "FUNC_ON_CLICK_ACTION_%d");
  EXPECT_EQ(power.params[0].valueFormat, "%s");
  EXPECT_EQ(power.params[0].indexes, (std::vector<int>{1, 2}));
  EXPECT_EQ(power.paramValues, (std::vector<wxString>{"A();", "B();"}))
      << "the first missing number ends the values";
  EXPECT_EQ(power.dataIndex, -1);
  EXPECT_EQ(power.modeIndex, -1);

  CKeyButtonModel button;
  ApplyFunctionDef(button, power);
  EXPECT_EQ(button.BtnMode, 0x11);
  EXPECT_EQ(button.BtnState, 0x1001) << "the record is enabled at power on only";
  EXPECT_EQ(button.functionNumber, 6);
  EXPECT_EQ(button.GetTextColor(0), 0x0000FFu) << "red as a platform colour";
  for (int state = 1; state < 4; ++state) EXPECT_EQ(button.GetTextColor(state), 0x00FF00u);
  EXPECT_EQ(button.GetBkColor(0), 0x29E2F5u);
  EXPECT_EQ(button.GetBkColor(2), 0xCCCCCCu);
  EXPECT_EQ(button.GetBkColor(1), 0xFFE8E8u);
  EXPECT_EQ(button.GetBkColor(3), 0xFFE8E8u);

  const stFunctionDef& mode = list[1];
  EXPECT_EQ(mode.type, 2);
  EXPECT_EQ(mode.dataIndex, 3);
  ASSERT_EQ(mode.params.size(), 2u) << "the first missing number ends the records";
  EXPECT_EQ(mode.params[1].defineName, "N2_%d");
  EXPECT_EQ(mode.btnState, 0);
  EXPECT_EQ(mode.index, -1);
}

TEST_F(FunctionListTest, EmptyOrMissingFiles) {
  EXPECT_TRUE(ReadFunctionList(dir.File("none.ini")).empty());
  EXPECT_TRUE(ReadFunctionList(Write(std::string("[Fun0]\r\nType=1\r\n") + kSection)).empty());
  // A colour list of one value is no colour list.
  EXPECT_TRUE(
      ReadFunctionList(Write("[Fun0]\r\nTitle=IDS_X\r\nTextColor=0xFF0000\r\nBkColor=1,2\r\nEnable=1\r\n"))
          .empty());
}

TEST_F(FunctionListTest, GridPlacesTwoColumns) {
  CFunctionGrid grid(8, 10, 80, 30);
  const CFunctionGrid::stRect a = grid.Next(), b = grid.Next(), c = grid.Next();
  EXPECT_EQ(std::make_pair(a.x, a.y), std::make_pair(10, 8));
  EXPECT_EQ(std::make_pair(b.x, b.y), std::make_pair(105, 8));
  EXPECT_EQ(std::make_pair(c.x, c.y), std::make_pair(10, 48));
  CFunctionGrid scrolled(8, 10, 80, 30, 0, 45);
  scrolled.Skip(3);
  const CFunctionGrid::stRect d = scrolled.Next();
  EXPECT_EQ(std::make_pair(d.x, d.y), std::make_pair(105, 3));
  EXPECT_EQ(FunctionContentHeight(0), 0);
  EXPECT_EQ(FunctionContentHeight(3), 80);
}

TEST_F(FunctionListTest, ScrollSteps) {
  // Range 0..300 with a page of 100.
  EXPECT_EQ(NextScrollPosition(ScrollCode::kLineDown, 0, 0, 300, 100, 0), 15);
  EXPECT_EQ(NextScrollPosition(ScrollCode::kLineDown, 195, 0, 300, 100, 0), 200);
  EXPECT_EQ(NextScrollPosition(ScrollCode::kLineUp, 10, 0, 300, 100, 0), 0);
  EXPECT_EQ(NextScrollPosition(ScrollCode::kPageDown, 150, 0, 300, 100, 0), 200);
  EXPECT_EQ(NextScrollPosition(ScrollCode::kPageUp, 50, 0, 300, 100, 0), 0);
  EXPECT_EQ(NextScrollPosition(ScrollCode::kThumbTrack, 50, 0, 300, 100, 120), 120);
  EXPECT_EQ(NextScrollPosition(ScrollCode::kTop, 50, 0, 300, 100, 0), 0);
  EXPECT_EQ(NextScrollPosition(ScrollCode::kEnd, 50, 0, 300, 100, 0), 50);
}

}  // namespace
