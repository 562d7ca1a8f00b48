// The air-conditioner data-format page without a window, over a small
// protocol written by the tests: function definitions of the mode file, the
// records the blocks make, the default send orders of a scheme, placement
// and its refusals, byte totals and the weight warning, group 2 on and off,
// send positions, the names of user-defined and pure-data functions, the
// project sections and a reopened project, and what the later pages read.
#include "aircon/AirDataFormatModel.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/ProjectFile.h"
#include "platform/Format.h"
#include "platform/Profile.h"
#include "AirFormatFixture.h"
#include "MessageRecorder.h"
#include "ProgramTestBase.h"

#include <gtest/gtest.h>

namespace {

using namespace aircon;
using namespace airformat_id;
using namespace airtest;
using olv::protocol::FrameItem;
using olv::protocol::stListBlock;

std::vector<wxString> Names(const std::vector<stFuncData>& data) {
  std::vector<wxString> names;
  for (const stFuncData& item : data) names.push_back(wxString::Format("%d:", item.Value) + item.Name);
  return names;
}

class AirDataFormatModelTest : public testsupport::ProgramTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.App().remoteSettingsFolder = root.Path();
    state.FuncRecords().Clear();
    CDocManage& doc = state.Doc();
    doc.RemoteType = kRemoteLcdStandard;
    doc.ProtocolType = kProtocolCustom;
    doc.LeadCodeOn = 1;
    doc.RepeatCodeOn = 1;
    doc.AirFormatType = 0;
    doc.ProjectFilePath = project.File("Air.ovirprj");
    CProjectFile(doc.ProjectFilePath).CreateEmpty();
  }

  // The page as the main window makes it ready: the scheme's definitions,
  // records and default send orders.
  void Load(const IniFile& definitions = Definitions()) {
    setting = WriteProtocol(root, definitions);
    model.airGeometry.grid = {10, 100, 450, 400};
    model.airGeometry.rowLeft = 80;
    model.airGeometry.rowRight = 900;
    ASSERT_TRUE(model.ReloadSettings(false));
  }

  FrameItem* Item(int function) { return model.FunctionList()[function]->item.get(); }
  stListBlock& User(int j) { return *model.UserList()[j]; }
  stListBlock& Pure(int k) { return *model.PureDataList()[k]; }
  stFuncRecord& Record(int number) { return state.FuncRecords().records.at(number); }
  int PlaceOf(CAirSendFormat& format, const FrameItem* item) { return format.FindWnd(item); }
  bool Place(FrameItem* item, CAirSendFormat& format) {
    stListBlock* entry = model.BlockOfItem(item);
    return entry && model.PlaceBlock(&entry->block, 0, 1, &format, false) == 1;
  }
  // Names a user-defined (or pure-data) function the way its editor asks the page.
  bool Name(int index, bool pure, const wxString& name) {
    stFuncRecord record;
    record.FuncNo = index;
    record.PureData = pure ? 1 : 0;
    return model.OnAirFuncRecord(name, record);
  }
  wxString Param(int n) { return state.Doc().GetParam(n); }

  testsupport::TempDir root;
  testsupport::TempDir project;
  testsupport::CMessageRecorder recorder;
  wxString setting;
  CAirDataFormatModel model;
};

TEST_F(AirDataFormatModelTest, FunctionDefinitionsReadTheModeFileSection) {
  const wxString mode = root.File("mode.ini");
  WriteIni(mode, {{"Func1", {{"Group", "0"}, {"Data0", "1,IDS_SWING"}}},
                  {"Func2", {{"Data0", "1,IDS_SWING"}}},
                  {"Func3",
                   {{"Group", "3"},
                    {"Data0", "3,IDS_SWING"},
                    {"Data2", "7,IDS_NO_SUCH_KEY"},
                    {"Bits", "0x10"},
                    {"DataShow", "2"},
                    {"ZeroShow", "1"},
                    {"CloseEnable", "1"},
                    {"ModeSelect", "0x1F"}}}});
  struct stCase {
    int number;
    std::vector<wxString> data;
    std::uint16_t bits;
    std::int32_t dataShow;
  } cases[] = {
      {1, {}, 0, 0},  // Group 0: no values
      {2, {}, 0, 0},  // no Group
      {3, {"3:" + GetLangText("IDS_SWING"), "7:IDS_NO_SUCH_KEY"}, 16, 2},
      {4, {}, 0, 0},  // no section: the record's defaults
  };
  for (const stCase& c : cases) {
    stFuncRecord record;
    ReadFuncDefinition(mode, c.number, record);
    EXPECT_EQ(Names(record.Data), c.data) << c.number;
    EXPECT_EQ(record.Bits, c.bits) << c.number;
    EXPECT_EQ(record.DataShow, c.dataShow) << c.number;
    EXPECT_EQ(record.PrevDataShow, c.dataShow) << c.number;
    EXPECT_EQ(record.Resizable, 1) << c.number;
    EXPECT_EQ(record.OpenEnable, 1) << c.number;
    EXPECT_EQ(record.StartPos, -1) << c.number;
  }
  stFuncRecord record;
  ReadFuncDefinition(mode, 3, record);
  EXPECT_EQ(record.ZeroShow, 1);
  EXPECT_EQ(record.CloseEnable, 1);
  EXPECT_EQ(record.ModeSelect, 0x1F);
  EXPECT_EQ(record.Data[1].NameKey, "IDS_NO_SUCH_KEY");
}

TEST_F(AirDataFormatModelTest, EachBlockKindMakesItsRecord) {
  setting = WriteProtocol(root, Definitions());
  model.ApplyDefinitionFile(setting, false);
  CFuncRecords& store = state.FuncRecords();
  ASSERT_EQ(model.FunctionListSize(), kListSize);

  const stFuncRecord& power = Record(kSwitch);
  EXPECT_EQ(power.Name, "IDS_SWITCH");
  EXPECT_EQ(power.Description, "AC_POWER");
  EXPECT_EQ(Names(power.Data), (std::vector<wxString>{"0:", "1:"}));
  EXPECT_EQ(power.Bits, 1);
  EXPECT_EQ(power.StartPos, 0);
  EXPECT_EQ(power.EndPos, 1);
  EXPECT_EQ(power.MaxValues, 2);
  EXPECT_EQ(power.Weight, 2);
  EXPECT_EQ(Record(kMode).Tip, "IDS_MODE_TIP");
  EXPECT_EQ(Record(kWind).ModeEnable, 1);

  const stFuncRecord& temp = Record(kTemp);  // simple function
  EXPECT_EQ(temp.Bits, 1);
  EXPECT_EQ(temp.StartPos, -1);
  EXPECT_EQ(temp.MaxValues, 0);
  EXPECT_EQ(temp.Weight, 3);
  EXPECT_TRUE(temp.Data.empty());

  // Guide and connect code carry no record; the constant code its own.
  EXPECT_EQ(store.records.count(kGuide) + store.records.count(kConnect), 0u);
  stConstCodeFunc* fix = nullptr;
  ASSERT_TRUE(store.FindConstRecord(kFixCode, &fix));
  EXPECT_EQ(fix->Bits, 4);
  EXPECT_EQ(fix->Weight, 1);
  EXPECT_EQ(fix->Name, "IDS_FIX_CODE1");

  // The first verify block is verify 1, a later one verify 2; each starts
  // empty with nine factors.
  EXPECT_EQ(store.verify1No, kVerify1);
  EXPECT_EQ(store.verify2No, kVerify2);
  EXPECT_EQ(store.verify1.Factors, std::vector<wxString>(9));
  EXPECT_EQ(store.verify1.Bits, 4);
  EXPECT_EQ(store.verify2.Weight, 4);

  // User-defined functions take the defaults of the section after the list;
  // pure-data functions are marked as such.
  const stFuncRecord& user = Record(kListSize);
  EXPECT_EQ(user.Name, "+");
  EXPECT_EQ(user.ModeSelect, 0x7);
  EXPECT_EQ(user.Bits, 4);
  EXPECT_EQ(user.DataShow, 2);
  EXPECT_EQ(user.PrevDataShow, 2);
  EXPECT_EQ(user.ZeroShow, 1);
  EXPECT_EQ(user.MaxValues, 8);
  EXPECT_EQ(user.Weight, 0);  // the template's last field is a colour
  EXPECT_EQ(user.FuncNo, 0);
  const stFuncRecord& pure = Record(kListSize + kUserFunctionCount);
  EXPECT_EQ(pure.PureData, 1);
  EXPECT_EQ(pure.FuncNo, 0);
}

TEST_F(AirDataFormatModelTest, ASingleVerifyBlockLeavesVerifyTwoWithoutANumber) {
  IniFile definitions = Definitions();
  for (auto& [key, value] : definitions["Data"]) {
    if (key == "8") value = "IDS_SPARE,1,0x000000,0xCFE3F7,1,AC_SPARE,1,0,2,,2";
  }
  definitions["Group2"].clear();
  Load(definitions);
  CFuncRecords& store = state.FuncRecords();
  EXPECT_EQ(store.verify1No, kVerify1);
  EXPECT_EQ(store.verify2No, CFuncRecords::kNoVerify);
  // No function or user-defined function passes for a verify code.
  for (int number : {0, static_cast<int>(kListSize), 21})
    EXPECT_EQ(store.GetFuncSize(number, kFuncVerify), 0) << number;
  store.Clear();
  EXPECT_EQ(store.GetFuncSize(0, kFuncVerify), 0);
  EXPECT_FALSE(store.WriteVerifyRecord(0, project.File("x.ini")));
}

TEST_F(AirDataFormatModelTest, ReadingRecordsKeepsTheBlockFieldsAndResetsVerifyFactors) {
  Load();
  const stFuncRecord& wind = Record(kWind);
  EXPECT_EQ(wind.Bits, 12);  // from the mode file
  EXPECT_EQ(wind.EndPos, 5);
  EXPECT_EQ(wind.MaxValues, 8);  // from the block
  EXPECT_EQ(wind.ModeEnable, 1);
  EXPECT_EQ(wind.Weight, 4);
  EXPECT_EQ(wind.Description, "AC_FAN");
  EXPECT_EQ(Record(kTemp).Reserve, 2);
  const std::vector<wxString> five = {"IDS_SWITCH", "IDS_MODE", "IDS_TEMP_DATA", "IDS_SWING",
                                      "IDS_WIND_SPEED"};
  std::vector<wxString> nine = five;
  nine.resize(9);
  EXPECT_EQ(state.FuncRecords().verify1.Factors, nine);
  EXPECT_EQ(state.FuncRecords().verify1.Expression, "A+B+C+D+E");

  // A project's three names replace the mode file's five.
  const wxString path = state.Doc().ProjectFilePath;
  platform::WriteProfileString(path, "Func7", "AddFunc", "IDS_MODE,IDS_SWITCH,IDS_TEMP_DATA");
  platform::WriteProfileString(path, "Func7", "Expr", "A^B");
  model.LoadFuncRecords(path);
  std::vector<wxString> three = {"IDS_MODE", "IDS_SWITCH", "IDS_TEMP_DATA"};
  three.resize(9);
  EXPECT_EQ(state.FuncRecords().verify1.Factors, three);
}

TEST_F(AirDataFormatModelTest, DefaultSendOrdersFollowTheConnectCode) {
  setting = WriteProtocol(root, Definitions());
  model.SetDefinitionFile(setting);
  const wxString order0 = "IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_CONNECT_CODE,IDS_FIX_CODE1,IDS_VERIFY";
  const wxString order0Off = "IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_FIX_CODE1,IDS_VERIFY";
  struct stCase {
    const char* what;
    int scheme;
    bool connect;
    bool clear;
    bool loaded;
    wxString param17;
    wxString param20;
  } cases[] = {
      {"connect on", 0, true, false, true, order0, "IDS_GUIDE_CODE,IDS_CONNECT_CODE"},
      {"connect off, cleared", 0, false, true, true, order0Off, "IDS_GUIDE_CODE"},
      {"connect off, the order names it", 0, false, false, false, order0, "before"},
      {"second group", 1, false, false, true, "IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_TEMP_DATA,IDS_VERIFY",
       "IDS_GUIDE_CODE,IDS_SWING,IDS_VERIFY2"},
      {"connect on, the order lacks it", 1, true, false, false,
       "IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_TEMP_DATA,IDS_VERIFY", "before"},
      {"no such scheme", 5, true, false, false, "before", "before"},
  };
  for (const stCase& c : cases) {
    state.Doc().RepeatCodeOn = c.connect ? 1 : 0;
    state.Doc().SetParam(17, "before");
    state.Doc().SetParam(20, "before");
    EXPECT_EQ(model.LoadDefaultSendOrder(c.scheme, c.clear), c.loaded) << c.what;
    EXPECT_EQ(Param(17), c.param17) << c.what;
    EXPECT_EQ(Param(20), c.param20) << c.what;
  }

  // Without [Group] "Count" nothing is loaded; without [Group2] group 2
  // takes the guide code alone.
  IniFile noCount = Definitions();
  noCount["Group"].erase(noCount["Group"].begin());
  noCount.erase("Group2");
  testsupport::TempDir other;
  model.SetDefinitionFile(WriteProtocol(other, noCount));
  state.Doc().SetParam(17, "before");
  EXPECT_FALSE(model.LoadDefaultSendOrder(0, false));
  EXPECT_EQ(Param(17), "before");
  platform::WriteProfileString(model.DefinitionFile(), "Group", "Count", "2");
  state.Doc().RepeatCodeOn = 0;
  EXPECT_TRUE(model.LoadDefaultSendOrder(1, false));
  EXPECT_EQ(Param(20), "IDS_GUIDE_CODE");
  // An order without the guide code is refused.
  platform::WriteProfileString(model.DefinitionFile(), "Group", "Group1", "S1,IDS_SWITCH,IDS_MODE");
  EXPECT_FALSE(model.LoadDefaultSendOrder(1, false));
}

TEST_F(AirDataFormatModelTest, PlacementRefusesWhatAGroupCannotHold) {
  state.Doc().AirFormatType = 1;
  state.Doc().RepeatCodeOn = 0;
  Load();
  ASSERT_TRUE(model.HasGroup2());
  EXPECT_EQ(model.JoinFrameTexts(), "IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_TEMP_DATA,IDS_VERIFY,");
  EXPECT_EQ(model.JoinFrameTexts2(), "IDS_GUIDE_CODE,IDS_SWING,IDS_VERIFY2,");
  CAirSendFormat& group1 = model.Group1();
  CAirSendFormat& group2 = model.Group2();

  // Verify 2 never in group 1, verify 1 never in group 2, a block only once.
  FrameItem* verify2 = model.TakeFromDiagram(&group2, PlaceOf(group2, Item(kVerify2)));
  ASSERT_EQ(verify2, Item(kVerify2));
  EXPECT_FALSE(Place(verify2, group1));
  EXPECT_FALSE(model.InsertAt(verify2, &group1, 1));
  FrameItem* verify1 = model.TakeFromDiagram(&group1, PlaceOf(group1, Item(kVerify1)));
  EXPECT_FALSE(Place(verify1, group2));
  EXPECT_TRUE(Place(verify1, group1));
  EXPECT_TRUE(Place(verify2, group2));
  EXPECT_FALSE(Place(Item(kMode), group2));
  // The guide code stays where the scheme put it.
  EXPECT_EQ(model.TakeFromDiagram(&group1, 0), nullptr);

  // Dropped at place 2 of group 1, the wind speed pushes the later blocks on.
  ASSERT_TRUE(model.InsertAt(Item(kWind), &group1, 2));
  model.OnFrameEdited();
  EXPECT_EQ(Param(17), "IDS_GUIDE_CODE,IDS_SWITCH,IDS_WIND_SPEED,IDS_MODE,IDS_TEMP_DATA,IDS_VERIFY,");
  EXPECT_EQ(Param(20), "IDS_GUIDE_CODE,IDS_SWING,IDS_VERIFY2,");
  EXPECT_FALSE(model.FunctionList()[kWind]->block.IsVisible());  // placed: out of the grid

  // Group 2 off: group 2 refuses every block.
  ASSERT_TRUE(model.SetGroup2(false));
  EXPECT_FALSE(model.HasGroup2());
  EXPECT_FALSE(Place(Item(kSwing), group2));
}

TEST_F(AirDataFormatModelTest, BytesWeightAndTheWarningAtTheLimit) {
  IniFile definitions = Definitions();
  definitions["MaxWeight"] = {{"Value", "17"}, {"Group2_Value", "3"}};
  Load(definitions);
  CAirSendFormat& group1 = model.Group1();
  // Guide and connect code carry no byte.
  EXPECT_EQ(model.FindInput(kBytes)->text, "4");
  EXPECT_EQ(model.CountFrameBytes(), std::make_pair(4, 0));
  EXPECT_EQ(model.TotalWeight(), 2 + 4 + 1 + 4);

  ASSERT_TRUE(Place(Item(kTemp), group1));
  ASSERT_TRUE(Place(Item(kSwing), group1));
  model.OnFrameEdited();
  EXPECT_EQ(model.TotalWeight(), 17);
  EXPECT_FALSE(model.WarningShown());  // equal to the limit

  // A two-byte macro name counts twice; one weight more shows the warning.
  model.FunctionList()[kWind]->block.SetMacroName("AC_FAN_H,AC_FAN_L");
  model.TakeFromDiagram(&group1, PlaceOf(group1, Item(kTemp)));
  ASSERT_TRUE(Place(Item(kWind), group1));
  model.OnFrameEdited();
  EXPECT_EQ(model.TotalWeight(), 18);
  EXPECT_TRUE(model.WarningShown());
  EXPECT_EQ(model.FindInput(kBytes)->text, "7");

  // Group 2 adds its surcharge; its bytes show only while it is on.
  ASSERT_TRUE(model.SetGroup2(true));
  EXPECT_EQ(model.TotalWeight(), 21);
  EXPECT_TRUE(model.Group2ControlsShown());
  EXPECT_EQ(model.CountFrameBytes(), std::make_pair(7, 0));
  ASSERT_TRUE(model.SetGroup2(false));
  EXPECT_EQ(model.TotalWeight(), 18);
  EXPECT_FALSE(model.FindInput(kBytes2)->visible);
  EXPECT_EQ(model.FindInput(kBytes2)->text, "0");
}

TEST_F(AirDataFormatModelTest, SendPositionCountsTheBytesBeforeTheFunction) {
  state.Doc().AirFormatType = 1;
  state.Doc().RepeatCodeOn = 0;
  Load();
  ASSERT_TRUE(Name(0, false, "Eco"));
  ASSERT_TRUE(Name(1, false, "Quiet"));
  model.FunctionList()[kMode]->block.SetMacroName("AC_MODE_H,AC_MODE_L");
  CAirSendFormat& group1 = model.Group1();
  CAirSendFormat& group2 = model.Group2();
  ASSERT_TRUE(Place(User(0).item.get(), group1));
  ASSERT_TRUE(Place(User(1).item.get(), group2));
  // Group 1: switch 0, mode 1-2, temperature 3, verify 4, then Eco.
  EXPECT_EQ(model.SendPosition(group1, 0), 5);
  EXPECT_EQ(model.SendPosition(group2, 0), -1);
  // Group 2: swing 0, verify 2 1, then Quiet.
  EXPECT_EQ(model.SendPosition(group2, 1), 2);
  EXPECT_EQ(model.SendPosition(group1, 1), -1);
  EXPECT_EQ(model.SendPosition(group1, 7), -1);
  EXPECT_EQ(model.CountFrameBytes(), std::make_pair(6, 3));

  // What the template expansion of a user-defined function reads of the page.
  const stUDFuncTemplateSource source = model.UDFuncTemplateSource(1);
  EXPECT_EQ(source.record, &Record(kListSize + 1));
  EXPECT_TRUE(source.hasGroup2);
  EXPECT_EQ(source.sendPosition(0), std::nullopt);
  EXPECT_EQ(source.sendPosition(1), std::optional<int>(2));
  EXPECT_EQ(source.frameworkKind, kFrameworkLcdStandard);
}

TEST_F(AirDataFormatModelTest, GroupTwoStaysOnWhileItHoldsAFixedFunction) {
  state.Doc().AirFormatType = 1;
  state.Doc().RepeatCodeOn = 0;
  Load();
  CAirSendFormat& group1 = model.Group1();
  CAirSendFormat& group2 = model.Group2();
  FrameItem* power = model.TakeFromDiagram(&group1, PlaceOf(group1, Item(kSwitch)));
  ASSERT_TRUE(model.InsertAt(power, &group2, 1));
  recorder.boxes.clear();
  EXPECT_FALSE(model.SetGroup2(false));
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text,
            platform::FormatText(GetLangText("IDS_PROMPT_FUNC_SELECTED"), GetLangText("IDS_SWITCH")));
  EXPECT_TRUE(model.FindCheck(kGroup2Check)->checked);
  EXPECT_EQ(state.Doc().OpenGroup2, 1);
  EXPECT_TRUE(model.HasGroup2());

  // Back in group 1, group 2 goes off: it keeps the guide code alone.
  model.TakeFromDiagram(&group2, PlaceOf(group2, power));
  ASSERT_TRUE(model.InsertAt(power, &group1, 1));
  EXPECT_TRUE(model.SetGroup2(false));
  EXPECT_EQ(state.Doc().OpenGroup2, 0);
  EXPECT_FALSE(model.HasGroup2());
  EXPECT_FALSE(model.FindCheck(kGroup2Check)->checked);
  EXPECT_EQ(Param(20), "IDS_GUIDE_CODE,");
  EXPECT_EQ(PlaceOf(group2, Item(kSwing)), -1);
  EXPECT_TRUE(model.FunctionList()[kSwing]->block.IsVisible());  // back in the grid
}

TEST_F(AirDataFormatModelTest, RefreshingLeavesGroupTwoOffWhileItsCheckIsClear) {
  Load();  // scheme 0: one group
  ASSERT_FALSE(model.HasGroup2());
  state.Doc().RepeatCodeOn = 0;  // the connect code both orders name is off
  EXPECT_FALSE(model.RefreshControls());
  EXPECT_FALSE(model.HasGroup2());
  // Shown as far as it fits: the order without the connect code.
  EXPECT_EQ(model.JoinFrameTexts(), "IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_FIX_CODE1,IDS_VERIFY,");
  state.Doc().SetParam(17, "");
  EXPECT_FALSE(model.RefreshControls());
  EXPECT_FALSE(model.HasGroup2());
  EXPECT_FALSE(model.FindInput(kInterval)->visible);
}

TEST_F(AirDataFormatModelTest, ConnectCodeJoinsAndLeavesBothDiagrams) {
  Load();
  model.UpdateFrameBlocks(false, 1);
  EXPECT_EQ(Param(17), "IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_FIX_CODE1,IDS_VERIFY,");
  EXPECT_EQ(Param(20), "IDS_GUIDE_CODE");
  model.UpdateFrameBlocks(true, 1);
  EXPECT_EQ(Param(17), "IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_FIX_CODE1,IDS_VERIFY,IDS_CONNECT_CODE,");
  EXPECT_EQ(Param(20), "IDS_GUIDE_CODE,IDS_CONNECT_CODE");
  EXPECT_EQ(model.CountFrameBytes().first, 4);
}

TEST_F(AirDataFormatModelTest, FunctionNamesAreUniqueAcrossTheThreeLists) {
  Load();
  ASSERT_EQ(model.UserList().size(), 1u);
  // Naming the "+" block adds the function; a new "+" block follows.
  ASSERT_TRUE(Name(0, false, "Eco"));
  ASSERT_EQ(model.UserList().size(), 2u);
  EXPECT_TRUE(User(0).block.HasSuccessor());
  EXPECT_FALSE(User(1).block.HasSuccessor());
  EXPECT_EQ(Record(kListSize).Name, "Eco");
  struct stCase {
    int index;
    bool pure;
    const char* name;
    const char* refusal;  // nullptr: taken
  } cases[] = {
      {0, true, "Eco", "IDS_FUNC_NAMEDALREADY"},
      {0, true, "eco", "IDS_FUNC_NAMEDALREADY"},
      {0, true, "IDS_MODE", "IDS_FUNC_NAMEDALREADY"},
      {0, true, "A,B", "IDS_KEY_ACTION_NAME_SEPARATOR"},
      {0, true, "A;B", "IDS_KEY_ACTION_NAME_SEPARATOR"},
      {0, true, "Line\nbreak", "IDS_KEY_ACTION_NAME_SEPARATOR"},
      {0, true, "", "IDS_FUNC_NAME_EMPTY"},
      {0, false, "Eco", nullptr},  // its own name again
      {0, true, "R&D", nullptr},
      {1, false, "r&d", "IDS_FUNC_NAMEDALREADY"},
  };
  for (const stCase& c : cases) {
    recorder.boxes.clear();
    EXPECT_EQ(Name(c.index, c.pure, c.name), c.refusal == nullptr) << c.name;
    if (c.refusal) {
      ASSERT_EQ(recorder.boxes.size(), 1u) << c.name;
      const wxString text = GetLangText(c.refusal);
      EXPECT_EQ(recorder.boxes[0].text, text.Contains("%s") ? platform::FormatText(text, c.name) : text)
          << c.name;
    }
  }
  EXPECT_EQ(Pure(0).block.GetText(), "R&&D");  // stored with "&" doubled
  EXPECT_EQ(Record(kListSize + kUserFunctionCount).Name, "R&&D");

  // A rename follows the function into its send order; an unnamed one has
  // no name to stand there.
  ASSERT_TRUE(Place(User(0).item.get(), model.Group1()));
  ASSERT_TRUE(Name(0, false, "Eco2"));
  EXPECT_TRUE(Param(17).EndsWith(",Eco2,"));
  EXPECT_FALSE(Place(User(1).item.get(), model.Group1()));
}

TEST_F(AirDataFormatModelTest, ModeMasksAreNarrowedNotShifted) {
  Load();
  ASSERT_TRUE(Name(0, false, "Eco"));
  // Three modes (the mode function's values); bits 1 and 3 chosen.
  Record(kListSize).ModeSelect = 0b1010;
  Record(kListSize + 1).ModeSelect = 0b1111;  // the "+" block is no function yet
  model.OnFuncConfigChanged(0);
  EXPECT_EQ(Record(kListSize).ModeSelect, 0b010);
  EXPECT_EQ(Record(kListSize + 1).ModeSelect, 0b1111);
}

TEST_F(AirDataFormatModelTest, DefaultNamesFollowTheLanguage) {
  Load();
  const wxString english = GetLangText("IDS_UD_DATA") + "1";
  ASSERT_TRUE(Name(0, false, english));
  ASSERT_TRUE(Place(User(0).item.get(), model.Group1()));
  state.App().currentLangSection = "936";
  model.ApplyDefaultNames();
  const wxString chinese = GetLangTextEx("IDS_UD_DATA", false, "936") + "1";
  EXPECT_EQ(User(0).block.GetText(), chinese);
  EXPECT_EQ(Record(kListSize).Name, chinese);
  EXPECT_TRUE(Param(17).EndsWith("," + chinese + ","));
  // A name that only begins like one stays.
  ASSERT_TRUE(Name(1, false, GetLangTextEx("IDS_UD_DATA", false, "1252") + "x2"));
  model.ApplyDefaultNames();
  EXPECT_EQ(User(1).block.GetText(), GetLangTextEx("IDS_UD_DATA", false, "1252") + "x2");
}

TEST_F(AirDataFormatModelTest, SaveWritesThePageSections) {
  state.Doc().AirFormatType = 1;
  state.Doc().RepeatCodeOn = 0;
  Load();
  ASSERT_TRUE(Name(0, false, "Eco"));
  ASSERT_TRUE(Name(0, true, "Raw"));
  ASSERT_TRUE(Place(User(0).item.get(), model.Group2()));
  Record(kListSize).DataShow = 3;
  model.OnIntervalChanged(true, "75");
  model.OnSendOrderClicked(true);
  model.StorePageData();
  const wxString path = state.Doc().ProjectFilePath;
  ASSERT_TRUE(model.SaveToProject());

  const auto section = [&](const wxString& name) { return platform::ReadProfileSection(path, name); };
  EXPECT_EQ(section("Custom"), (std::vector<wxString>{
                                   "SendData=IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_TEMP_DATA,IDS_VERIFY",
                                   "SendDataEx=IDS_GUIDE_CODE,IDS_SWING,IDS_VERIFY2,Eco",
                                   "OpenGroup2=1",
                                   "MSB=0",
                                   "GAP=75",
                                   "BYTES1=4",
                                   "BYTES2=3",
                                   "FormatType=0",
                               }));
  EXPECT_EQ(section("UserDefine_Info"), (std::vector<wxString>{"Count=2", "UDFunc0=Eco", "UDFunc1=+"}));
  EXPECT_EQ(section("PureData_UserDefine_Info"),
            (std::vector<wxString>{"Count=2", "PureData_UDFunc0=Raw", "PureData_UDFunc1=+"}));
  // The mode file gives no positions: the read leaves them unset.
  EXPECT_EQ(section("Func1"),
            (std::vector<wxString>{"OpenEnable=1", "CloseEnable=0", "ModeSelect=0", "StartPos=-1",
                                   "EndPos=-1", "Bits=3", "Reserve=0", "Group=3", "Data0=0,IDS_AUTO",
                                   "Data1=1,IDS_COOL", "Data2=2,IDS_HEAT"}));
  EXPECT_EQ(section("Func8"), (std::vector<wxString>{"Bits=4", "AddFunc=", "Expr="}));
  EXPECT_EQ(section("Func10"),
            (std::vector<wxString>{"OpenEnable=1", "CloseEnable=0", "ModeSelect=7", "StartPos=0", "EndPos=1",
                                   "Bits=4", "Reserve=0", "Group=2", "Data0=0,IDS_OFF", "Data1=1,IDS_ON",
                                   "DataShow=3", "ProcessMethod=1", "ZeroShow=1"}));
  // Guide code, pure data: no record.
  EXPECT_TRUE(section("Func5").empty());
  EXPECT_TRUE(section("Func26").empty());

  // Group 2 off: "SendDataEx" stays as it was, "OpenGroup2" tells.
  model.TakeFromDiagram(&model.Group2(), PlaceOf(model.Group2(), User(0).item.get()));
  ASSERT_TRUE(model.SetGroup2(false));
  ASSERT_TRUE(model.SaveToProject());
  EXPECT_EQ(CProjectFile(path).ReadText("Custom", "SendDataEx"), "IDS_GUIDE_CODE,IDS_SWING,IDS_VERIFY2,Eco");
  EXPECT_EQ(CProjectFile(path).ReadText("Custom", "OpenGroup2"), "0");

  // A write that fails fails the save.
  state.Doc().ProjectFilePath = project.File("missing/Air.ovirprj");
  EXPECT_FALSE(model.SaveToProject());
}

TEST_F(AirDataFormatModelTest, AReopenedProjectHasItsDiagramsListsAndRecords) {
  state.Doc().AirFormatType = 1;
  state.Doc().RepeatCodeOn = 0;
  Load();
  ASSERT_TRUE(Name(0, false, "Eco"));
  ASSERT_TRUE(Name(0, true, "Raw"));
  ASSERT_TRUE(Place(User(0).item.get(), model.Group2()));
  ASSERT_TRUE(Place(Pure(0).item.get(), model.Group1()));
  Record(kListSize).ModeSelect = 0x5;
  state.FuncRecords().verify1.Factors[0] = "Eco";
  state.FuncRecords().verify1.Expression = "A";
  model.OnIntervalChanged(true, "75");
  model.StorePageData();
  ASSERT_TRUE(model.SaveToProject());
  const wxString order1 = Param(17);
  const wxString order2 = Param(20);

  // A fresh page on a fresh store, as after the program's start.
  state.FuncRecords().Clear();
  state.Doc().SetParam(17, "");
  state.Doc().SetParam(21, "");
  CAirDataFormatModel reopened;
  reopened.airGeometry = model.airGeometry;
  ASSERT_TRUE(reopened.ReloadSettings(false));
  ASSERT_TRUE(reopened.LoadFromProject());
  EXPECT_EQ(reopened.JoinFrameTexts(), order1);
  EXPECT_EQ(reopened.JoinFrameTexts2(), order2);
  ASSERT_EQ(reopened.UserList().size(), 2u);
  EXPECT_EQ(reopened.UserList()[0]->block.GetText(), "Eco");
  EXPECT_TRUE(reopened.UserList()[0]->block.HasSuccessor());
  EXPECT_EQ(reopened.PureDataList()[0]->block.GetText(), "Raw");
  EXPECT_EQ(Record(kListSize).ModeSelect, 0x5);
  EXPECT_EQ(Record(kListSize).Name, "Eco");
  EXPECT_EQ(state.FuncRecords().verify1.Factors[0], "Eco");
  EXPECT_EQ(state.FuncRecords().verify1.Factors.size(), 9u);
  EXPECT_EQ(reopened.FindInput(kInterval)->text, "75");
  EXPECT_TRUE(reopened.HasGroup2());
  EXPECT_EQ(reopened.CountFrameBytes(), model.CountFrameBytes());
}

TEST_F(AirDataFormatModelTest, LaterPagesReadTheBlocksAndRecords) {
  Load();
  ASSERT_TRUE(Name(0, false, "Eco"));
  ASSERT_TRUE(Place(User(0).item.get(), model.Group1()));
  model.StorePageData();
  ASSERT_TRUE(model.CheckAndApply());
  const CDocManage& doc = state.Doc();
  ASSERT_EQ(doc.FunctionBlocks.size(), static_cast<std::size_t>(kListSize));
  EXPECT_EQ(doc.FunctionBlocks[kWind].Text, "IDS_WIND_SPEED");
  ASSERT_EQ(doc.UserFunctionBlocks.size(), 2u);
  EXPECT_EQ(doc.UserFunctionBlocks[0].Text, "Eco");
  EXPECT_EQ(doc.UserFunctionBlocks[0].Flag, 1);
  EXPECT_EQ(doc.UserFunctionBlocks[1].Flag, 0);
  EXPECT_EQ(doc.DataProcessFirst, kListSize);
  EXPECT_EQ(doc.DataProcessCount, 1);

  EXPECT_EQ(model.GetItemKeyAt(0), "Eco");
  EXPECT_EQ(model.GetItemKeyAt(5), "");
  EXPECT_EQ(model.CountActiveItems(), 1);
  EXPECT_TRUE(model.IsItemInParamLists(0, true));
  EXPECT_TRUE(model.IsItemInParamLists(kMode, false));
  EXPECT_FALSE(model.IsItemInParamLists(kSwing, false));
  EXPECT_FALSE(model.IsItemInParamLists(1, true));
  EXPECT_TRUE(model.IsFuncReserve2(kTemp));
  EXPECT_FALSE(model.IsFuncReserve2(kMode));
  EXPECT_EQ(model.GetFuncReserve(kGuide), -1);
  EXPECT_EQ(model.GetFuncReserve(99), -1);
  EXPECT_EQ(model.GetFuncEndPos(kWind), 2);  // EndPos 5, three values
  EXPECT_EQ(model.GetFuncEndPos(kGuide), -1);
  EXPECT_EQ(model.FormatFuncDataList(kMode),
            wxString::Format("0:%s,1:%s,2:%s", GetLangText("IDS_AUTO"), GetLangText("IDS_COOL"),
                             GetLangText("IDS_HEAT")));
  EXPECT_EQ(model.FormatFuncDataList(kGuide), "");
  EXPECT_TRUE(IsFixConfigFunc(doc, "ids_switch"));
  EXPECT_FALSE(IsFixConfigFunc(doc, "IDS_SWING"));
}

TEST_F(AirDataFormatModelTest, NextRefusesAnIntervalOutOfRange) {
  state.Doc().AirFormatType = 1;
  state.Doc().RepeatCodeOn = 0;
  Load();
  EXPECT_EQ(model.FindInput(kInterval)->text, "60");
  model.OnIntervalChanged(false, "900");
  EXPECT_EQ(model.FindInput(kInterval)->unitText, "*");
  state.Doc().FunctionBlocks.clear();
  EXPECT_FALSE(model.CheckAndApply());
  EXPECT_EQ(model.focusRequest, kInterval);
  EXPECT_TRUE(state.Doc().FunctionBlocks.empty());
  // With group 2 off the interval is not asked for.
  ASSERT_TRUE(model.SetGroup2(false));
  EXPECT_TRUE(model.CheckAndApply());
  EXPECT_FALSE(state.Doc().FunctionBlocks.empty());
}

TEST_F(AirDataFormatModelTest, TheEditorOfAPickedBlockGetsItsRecord) {
  state.Doc().AirFormatType = 1;
  state.Doc().RepeatCodeOn = 0;
  Load();
  std::vector<stEditorRequest> requests;
  model.onOpenEditor = [&](const stEditorRequest& request) { requests.push_back(request); };
  for (int function : {kMode, kFixCode, kVerify1, kVerify2, kTemp})
    model.OpenBlockEditor(&model.FunctionList()[function]->block);
  model.OpenBlockEditor(&User(0).block);
  model.OpenBlockEditor(&Pure(0).block);
  ASSERT_EQ(requests.size(), 7u);
  EXPECT_EQ(requests[0].kind, kAirFunction);
  EXPECT_EQ(requests[0].record, &Record(kMode));
  EXPECT_EQ(requests[0].modeNames.size(), 3u);
  EXPECT_EQ(requests[0].usedNames, model.JoinFrameTexts());
  EXPECT_EQ(requests[0].usedNames2, model.JoinFrameTexts2());
  EXPECT_EQ(requests[1].kind, kAirConstCode);
  EXPECT_EQ(requests[1].constRecord->ConstCode, 0x4D);
  EXPECT_EQ(requests[2].verifyItem, &state.FuncRecords().verify1);
  EXPECT_EQ(requests[2].itemList, model.JoinFrameTexts());
  EXPECT_EQ(requests[3].verifyItem, &state.FuncRecords().verify2);
  EXPECT_EQ(requests[3].itemList, model.JoinFrameTexts2());
  EXPECT_EQ(requests[4].kind, kAirSimple);
  EXPECT_EQ(requests[5].kind, kAirUserDefined);
  EXPECT_EQ(requests[5].record, &Record(kListSize));
  EXPECT_EQ(requests[6].kind, kAirPureData);
  EXPECT_EQ(requests[6].record, &Record(kListSize + kUserFunctionCount));
  EXPECT_EQ(model.Picked(), Pure(0).item.get());

  // The temperature's record is handed again when the other-settings page
  // clears its display in the off state.
  model.OpenBlockEditor(&model.FunctionList()[kTemp]->block);
  Record(kTemp).CloseEnable = 1;
  int handed = 0;
  model.onSimpleRecordChanged = [&](stFuncRecord&) { ++handed; };
  model.OnOtherToAir(true);
  EXPECT_EQ(Record(kTemp).CloseEnable, 0);
  EXPECT_EQ(handed, 1);
  model.HideEditors();
  EXPECT_EQ(model.Picked(), nullptr);
}

}  // namespace
