// The key buttons' action defines, range macros, enable expressions and
// action slots, without windows.
#include "core/FuncRecords.h"
#include "keys/FunctionList.h"
#include "keys/KeyButtonModel.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

class KeyActionTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.FuncRecords().Clear();
    state.Doc().ButtonMode = 0;
    state.Doc().ButtonState = 1;
  }

  void StoreRecord(int number, int open, int close) {
    stFuncRecord record;
    record.OpenEnable = open;
    record.CloseEnable = close;
    state.FuncRecords().StoreFuncRecord(number, record);
  }

  // A function of function record 3: switch-on record p1, switch-off record p2.
  static CKeyButtonModel Function(std::uint16_t btnMode, std::uint16_t btnState,
                                  const wxString& caption = "IDS_FAN") {
    CKeyButtonModel button;
    button.SetCaptionKeyText(caption);
    button.BtnMode = btnMode;
    button.BtnState = btnState;
    button.AddParam("GetOpenFlag(3)", "FUNC_ON_CLICK_ACTION_%d", "%s", "p1");
    button.AddParam("GetCloseFlag(3)", "FUNC_OFF_CLICK_ACTION_%d", "%s", "p2");
    button.ParamValues() = {"FUNC_FAN();", "FUNC_FAN_OFF();"};
    return button;
  }
};

TEST_F(KeyActionTest, ActionDefinesOfEachWriter) {
  struct Case {
    const char* what;
    std::uint16_t btnMode, btnState;
    int open, close;
    const char* caption;
    std::uint16_t action, state;
    const char* line;
  };
  using namespace keymask;
  const Case cases[] = {
      {"click evaluates no condition", kClick, kOn, 0, 0, "IDS_FAN", kClick, kOn,
       "#define FUNC_ON_CLICK_ACTION_2 FUNC_FAN();"},
      {"off click takes the second record", kClick, kOn | kOff, 0, 0, "IDS_FAN", kClick, kOff,
       "#define FUNC_OFF_CLICK_ACTION_2 FUNC_FAN_OFF();"},
      {"hold under a true condition", kClick | kHold, kOn, 1, 0, "IDS_FAN", kHold, kOn,
       "#define FUNC_ON_HOLD_ACTION_2 FUNC_FAN();"},
      {"hold under a false condition", kClick | kHold, kOn, 0, 0, "IDS_FAN", kHold, kOn,
       "#define FUNC_ON_HOLD_ACTION_2 "},
      {"a state the function lacks", kClick | kHold, kOn, 1, 1, "IDS_FAN", kHold, kOff,
       "#define FUNC_OFF_HOLD_ACTION_2"},
      {"an action the function lacks", kClick, kOn, 1, 1, "IDS_FAN", kTwoKeys, kOn,
       "#define FUNC_ON_2KEYS_SIMO_ACTION_2"},
      {"two keys off", kTwoKeys, kOff, 0, 1, "IDS_FAN", kTwoKeys, kOff,
       "#define FUNC_OFF_2KEYS_SIMO_ACTION_2 FUNC_FAN_OFF();"},
      {"time set on hold", 0x111, kOn, 1, 0, "IDS_ENTERTIMESET", kHold, kOn,
       "#define FUNC_ON_HOLD_ACTION_2 FUNC_ENTER_TIME_SET();"},
      {"time set on click", 0x111, kOn, 1, 0, "IDS_ENTERTIMESET", kClick, kOn,
       "#define FUNC_ON_CLICK_ACTION_2 FUNC_TIME_SET_SWITCH();"},
      {"time set on two keys writes its value", 0x111, kOn, 1, 0, "IDS_ENTERTIMESET", kTwoKeys, kOn,
       "#define FUNC_ON_2KEYS_SIMO_ACTION_2 FUNC_FAN();"},
      {"time set names compare exactly", 0x111, kOn, 1, 0, "ids_timeset", kHold, kOn,
       "#define FUNC_ON_HOLD_ACTION_2 FUNC_FAN();"},
  };
  for (const Case& c : cases) {
    StoreRecord(3, c.open, c.close);
    const CKeyButtonModel button = Function(c.btnMode, c.btnState, c.caption);
    std::vector<wxString> lines;
    EXPECT_TRUE(button.WriteActionDefine(c.action, c.state, lines, 2)) << c.what;
    ASSERT_EQ(lines.size(), 1u) << c.what;
    EXPECT_EQ(lines[0], c.line) << c.what;
  }
  // The six named writers are the six pairs.
  StoreRecord(3, 1, 1);
  const CKeyButtonModel all = Function(0x111, 0x11);
  std::vector<wxString> lines;
  all.WriteOnClickDefine(lines, 0);
  all.WriteOffClickDefine(lines, 0);
  all.WriteOnHoldDefine(lines, 0);
  all.WriteOffHoldDefine(lines, 0);
  all.WriteOnTwoKeysDefine(lines, 0);
  all.WriteOffTwoKeysDefine(lines, 0);
  EXPECT_EQ(lines, (std::vector<wxString>{"#define FUNC_ON_CLICK_ACTION_0 FUNC_FAN();",
                                          "#define FUNC_OFF_CLICK_ACTION_0 FUNC_FAN_OFF();",
                                          "#define FUNC_ON_HOLD_ACTION_0 FUNC_FAN();",
                                          "#define FUNC_OFF_HOLD_ACTION_0 FUNC_FAN_OFF();",
                                          "#define FUNC_ON_2KEYS_SIMO_ACTION_0 FUNC_FAN();",
                                          "#define FUNC_OFF_2KEYS_SIMO_ACTION_0 FUNC_FAN_OFF();"}));
}

TEST_F(KeyActionTest, BadActionDataFailsTheWriterAndAppendsNothing) {
  StoreRecord(3, 1, 1);
  struct Case {
    const char* what;
    const char* numbers;
    const char* nameFormat;
    const char* valueFormat;
    bool secondRecord;
  };
  const Case cases[] = {
      {"no switch-off record", "p1", "FUNC_ON_CLICK_ACTION_%d", "%s", false},
      {"a value number past the values", "p3", "FUNC_ON_CLICK_ACTION_%d", "%s", true},
      {"value number 0", "p0", "FUNC_ON_CLICK_ACTION_%d", "%s", true},
      {"no value number", "x", "FUNC_ON_CLICK_ACTION_%d", "%s", true},
      {"a name format that is not %d", "p1", "FUNC_ON_CLICK_ACTION_%s", "%s", true},
      {"a value format that is not %s", "p1", "FUNC_ON_CLICK_ACTION_%d", "%d%n", true},
  };
  for (const Case& c : cases) {
    CKeyButtonModel button;
    button.BtnMode = keymask::kClick;
    button.BtnState = keymask::kOn | keymask::kOff;
    button.AddParam("1", c.nameFormat, c.valueFormat, c.numbers);
    if (c.secondRecord) button.AddParam("1", c.nameFormat, c.valueFormat, c.numbers);
    button.ParamValues() = {"A();", "B();"};
    std::vector<wxString> lines{"kept"};
    EXPECT_FALSE(button.WriteOffClickDefine(lines, 1)) << c.what;
    EXPECT_EQ(lines, std::vector<wxString>{"kept"}) << c.what;
  }
  // "%%" stands for one percent sign.
  CKeyButtonModel percent;
  percent.BtnMode = keymask::kClick;
  percent.BtnState = keymask::kOn;
  percent.AddParam("1", "KEY_%d", "%s %% 2", "p1");
  percent.ParamValues() = {"x"};
  std::vector<wxString> lines;
  EXPECT_TRUE(percent.WriteOnClickDefine(lines, 4));
  EXPECT_EQ(lines[0], "#define KEY_4 x % 2");
}

TEST_F(KeyActionTest, UserFunctionsSwitchByTheirNumber) {
  StoreRecord(9, 1, 0);  // user function 4 after five fixed functions
  CKeyButtonModel button;
  ApplyFunctionDef(button, MakeUserFunctionDef(4, 9, "My function"));
  EXPECT_EQ(button.BtnMode, keymask::kClick);
  EXPECT_EQ(button.BtnState, keymask::kOn);
  EXPECT_EQ(button.GetCaptionKey(), "My function");
  std::vector<wxString> lines;
  EXPECT_TRUE(button.WriteOnClickDefine(lines, 7));
  EXPECT_TRUE(button.WriteOffClickDefine(lines, 7));
  EXPECT_EQ(lines, (std::vector<wxString>{"#define FUNC_ON_CLICK_ACTION_7 FUNC_4_SWITCH();",
                                          "#define FUNC_OFF_CLICK_ACTION_7"}));
}

TEST_F(KeyActionTest, RangeMacros) {
  stFuncRecord fan;
  fan.StartPos = 2;
  fan.EndPos = 9;
  fan.ModeSelect = 5;
  fan.Data = {{0, "Low", ""}, {1, "Mid", ""}, {2, "High", ""}};
  state.FuncRecords().StoreFuncRecord(5, fan);
  struct Case {
    const char* startPos;
    const char* endPos;
    const char* modeMacro;
    std::vector<std::pair<const char*, const char*>> macros;
  };
  const Case cases[] = {
      {"FAN_START , GetStartPos(5)",
       "FAN_END,GetEndPos(5)",
       "FAN_MODE, GetModeValue(5)",
       {{"FAN_START", "2"},
        {"FAN_END", "2"},
        {"FAN_END_~DESCRIPTION", "0:Low,1:Mid,2:High"},
        {"FAN_MODE", "0b00000101"}}},
      {"NO_START, GetStartPos(77)",
       "NO_END, GetEndPos(77)",
       "NO_MODE, GetModeValue(77)",
       {{"NO_START", "-1"},
        {"NO_END", "-1"},
        {"NO_END_~DESCRIPTION", ""},
        {"NO_MODE", "0b1111111111111111111111111111111111111111111111111111111111111111"}}},
      {"ODD, Bogus(5)", "", "PLAIN", {{"ODD", ""}, {"PLAIN", ""}}},
  };
  for (const Case& c : cases) {
    CKeyButtonModel button;
    button.startPosText = c.startPos;
    button.endPosText = c.endPos;
    button.modeMacroText = c.modeMacro;
    CStringMap table{{"FAN_START", "old"}};
    EXPECT_EQ(button.AddRangeMacros(table), 1);
    for (const auto& [name, value] : c.macros) EXPECT_EQ(table[name], value) << name;
    if (c.endPos[0] == '\0') {
      EXPECT_EQ(table.size(), 3u);
    }
  }
  // A mode value of 0 still fills eight digits.
  fan.ModeSelect = 0;
  state.FuncRecords().StoreFuncRecord(5, fan);
  CKeyButtonModel zero;
  zero.modeMacroText = "Z, GetModeValue(5)";
  CStringMap table;
  zero.AddRangeMacros(table);
  EXPECT_EQ(table["Z"], "0b00000000");
}

TEST_F(KeyActionTest, FlagTermsAndCalls) {
  StoreRecord(3, 1, 0);
  EXPECT_EQ(CKeyButtonModel::EvaluateFlagTerm("GetOpenFlag(3)"), 1);
  EXPECT_EQ(CKeyButtonModel::EvaluateFlagTerm("getcloseflag((0x3))"), 0);
  EXPECT_EQ(CKeyButtonModel::EvaluateFlagTerm("GetOpenFlag(4)"), 0);
  EXPECT_EQ(CKeyButtonModel::EvaluateFlagTerm("1"), 1);
  EXPECT_EQ(CKeyButtonModel::EvaluateFlagTerm("Other(3)"), 0);
  int value = 42;
  EXPECT_FALSE(CKeyButtonModel::EvaluateParamCall("Other(3)", value));
  EXPECT_EQ(value, 42);
}

TEST_F(KeyActionTest, EnableExpressions) {
  std::set<int> sent = {1, 3, 4};
  bool clock = false;
  stKeyEnableQueries queries;
  queries.isTimeShowEnabled = [&] { return clock; };
  queries.isInSendData = [&](int number, int) { return sent.count(number) != 0; };
  struct Case {
    const char* expression;
    int evaluate, apply, disabled, window;
  };
  const Case cases[] = {
      {"GetButtonEnable(P1&P2|P3)", 1, 1, 0, 1},  // ((1 and 2) or 3)
      {"GetButtonEnable(P1&P2)", 0, 1, 1, 0},
      {"GetButtonEnable(P2|P3&P5)", 0, 1, 1, 0},  // ((2 or 3) and 5)
      {"GetButtonEnable(4)", 1, 1, 0, 1},
      {"GetButtonEnable(T1)", 0, 0, -1, -1},
      {"GetButtonEnable()", 0, 1, 1, 0},  // number 0
      {"GetButtonEnable(1", 0, 0, -1, -1},
      {"1", 1, 1, 0, -1},
      {"0", 1, 1, 1, -1},
      {"GetTimeEnable", 0, 1, 1, 0},
  };
  for (const Case& c : cases) {
    const stKeyEnableOutcome outcome = EvaluateKeyEnable(c.expression, 0, queries);
    EXPECT_EQ(outcome.evaluateResult, c.evaluate) << c.expression;
    EXPECT_EQ(outcome.applyResult, c.apply) << c.expression;
    EXPECT_EQ(outcome.disabled, c.disabled) << c.expression;
    EXPECT_EQ(outcome.windowEnabled, c.window) << c.expression;
  }
  clock = true;
  EXPECT_EQ(EvaluateKeyEnable("GetTimeEnable", 0, queries).windowEnabled, 1);
}

TEST_F(KeyActionTest, KeySlots) {
  CKeyButtonModel key;
  key.role = CKeyButtonModel::kRoleKey;
  key.multiSlot = 1;
  key.SetActionName(0x111, keymask::kOn, "IDS_TIMESET");
  EXPECT_EQ(key.GetActionSummary(), "IDS_SWITCHTIMESET;;IDS_ENTERTIMESET;;IDS_TIMESET;");
  key.ClearNames();
  key.SetActionName(keymask::kClick, keymask::kOn, "IDS_SWITCH");
  EXPECT_EQ(key.GetActionSummary(), "IDS_SWITCH;;;;;");
  EXPECT_TRUE(key.AnySlotTaken(keymask::kClick | keymask::kHold, keymask::kOn));
  EXPECT_FALSE(key.AnySlotTaken(keymask::kHold, keymask::kOn | keymask::kOff));

  // The current slot follows the document's button mode and state.
  key.SetActionSummary(" Mode ; Mode ;Fan;;IDS_TIMESET");
  EXPECT_EQ(key.GetCaptionKey(), "Mode");
  state.Doc().ButtonMode = 1;
  EXPECT_EQ(key.GetCaptionKey(), "Fan");
  state.Doc().ButtonState = 0;
  EXPECT_TRUE(key.IsCurrentActionEmpty());
  std::map<wxString, int> names;
  key.CollectActionNames(names);
  EXPECT_EQ(names, (std::map<wxString, int>{{"Mode", 0}, {"Fan", 1}, {"IDS_TIMESET", 2}}));

  // Removing the current action clears the name in its row and, when the
  // other row holds the same name in that column, there too.
  state.Doc().ButtonMode = 0;
  state.Doc().ButtonState = 1;
  key.SetActionSummary("Mode;Mode;MODE;;;");
  key.SetFunctionIndex(keymask::kClick | keymask::kHold, keymask::kOn, 1);
  key.RemoveCurrentAction();
  EXPECT_EQ(key.GetActionSummary(), ";;;;;");
  EXPECT_EQ(key.SlotFunctionIndex(0, 1), CKeyButtonModel::kNone);

  // The two time-set keys of click and hold leave together.
  key.SetActionSummary("IDS_SWITCHTIMESET;IDS_SWITCHTIMESET;IDS_ENTERTIMESET;Fan;IDS_TIMESET;");
  key.RemoveCurrentAction();
  EXPECT_EQ(key.GetActionSummary(), ";;;Fan;IDS_TIMESET;");
}

TEST_F(KeyActionTest, UsableStates) {
  using namespace keymask;
  EXPECT_EQ(FunctionDrawState(kClick | kHold, kOn, ActionMaskOfMode(1), StateMaskOf(1), false), 0);
  EXPECT_EQ(FunctionDrawState(kClick | kHold, kOn, ActionMaskOfMode(1), StateMaskOf(1), true), 1);
  EXPECT_EQ(FunctionDrawState(kClick | kHold, kOn, ActionMaskOfMode(2), StateMaskOf(1), false), 2);
  EXPECT_EQ(FunctionDrawState(kClick, kOn, ActionMaskOfMode(0), StateMaskOf(0), false), 2);
  // The record decides a 0x1000 state; without a record the state stays unusable.
  StoreRecord(6, 1, 0);
  EXPECT_EQ(BtnStateFromRecord(0x1000, 6), 0x1001);
  StoreRecord(6, 1, 1);
  EXPECT_EQ(BtnStateFromRecord(0x1000, 6), 0x1011);
  StoreRecord(6, 0, 0);
  EXPECT_EQ(BtnStateFromRecord(0x1000, 6), 0);
  EXPECT_EQ(BtnStateFromRecord(0x1000, 60), 0x1000);
  EXPECT_EQ(BtnStateFromRecord(0x11, 6), 0x11);
}

}  // namespace
