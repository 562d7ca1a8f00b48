// The carrier page's values without a window: through a project file's
// [Custom] section and back into the document, where each walk ends, and the
// check that keeps the page.
#include "protocol/ModulationValues.h"

#include "core/AppContext.h"
#include "core/ProjectFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ProgramState.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace modulation;

// A PDM page with an AGC burst boot code and an AGC burst repeat code.
stPageValues PdmValues() {
  stPageValues values;
  for (int id : kInputIds) values.inputs[id] = {wxString(), true};
  for (int id : {kHalfBitEditId, kBootContentEditId}) values.inputs[id].active = false;
  const std::pair<int, const char*> texts[] = {
      {kFreqEditId, "38"},          {kBootMarkEditId, "9000"},    {kBootSpaceEditId, "4500"},
      {kBit0MarkEditId, "560"},     {kBit0SpaceEditId, "560"},    {kBit1MarkEditId, "560"},
      {kBit1SpaceEditId, "1690"},   {kRepeatPeriodEditId, "108"}, {kRepeatMarkEditId, "9000"},
      {kRepeatSpaceEditId, "2250"},
  };
  for (const auto& [id, text] : texts) values.inputs[id].text = text;
  for (int id :
       {kPdmRadioId, kBootCheckId, kBootAgcRadioId, kMarkFirstRadioId, kRepeatCheckId, kRepeatAgcRadioId})
    values.checks[id] = true;
  values.dutySelected = true;
  values.duty = "1/3";
  values.dutyValue = 3;
  return values;
}

class ModulationValuesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    definitions = CParamDefinitions(CParamDefinitions::PathFor(kRemoteGeneral));
    ASSERT_TRUE(project.CreateEmpty());
  }

  testsupport::ProgramState state;
  testsupport::TempDir work;
  CProjectFile project{work.File("Fan.lmirprj")};
  CParamDefinitions definitions;
};

TEST_F(ModulationValuesTest, SavedSectionLoadsBackAsTheDocumentStoresThePage) {
  const stPageValues values = PdmValues();
  ASSERT_TRUE(SaveCustomSection(project, definitions, values));

  // One key per definition, in definition order (P13 and P14 share a name).
  std::vector<wxString> names;
  for (int n = 0; n < kDefinitionCount; ++n) {
    stParamDefinition definition;
    ASSERT_TRUE(definitions.Read(n, definition));
    if (n != 14) names.push_back(definition.name);
  }
  EXPECT_EQ(platform::ReadProfileKeys(project.Path(), "Custom"), names);
  EXPECT_EQ(project.ReadText("Custom", "IR_CarrierDuty"), "1/3") << "the duty by its label";
  EXPECT_EQ(project.ReadText("Custom", "IR_RepeatAGC"), "1");
  EXPECT_EQ(project.ReadText("Custom", "IR_RepeatData"), "0");
  EXPECT_EQ(project.ReadText("Custom", "IR_Bit1Space"), "1690");

  CDocManage stored;
  StorePageValues(values, stored);
  CDocManage loaded;
  ASSERT_TRUE(LoadCustomSection(project, definitions, loaded));
  for (int param : {0, 1, 3, 4, 6, 7, 8, 9, 12, 13, 14}) {
    EXPECT_EQ(loaded.GetParam(param), stored.GetParam(param)) << "parameter " << param;
    EXPECT_FALSE(stored.GetParam(param).empty()) << "parameter " << param;
  }
  EXPECT_EQ(loaded.ModulationKind, 0);
  EXPECT_EQ(loaded.LeadCodeOn, 1);
  EXPECT_EQ(loaded.BootCodeKind, 0);
  EXPECT_EQ(loaded.RepeatCodeOn, 1);
  EXPECT_EQ(loaded.RepeatKind, 1);
  EXPECT_EQ(stored.RepeatKind, 1);

  CStringMap macros;
  FillMacroTable(definitions, values, macros);
  EXPECT_EQ(macros["HEADER_CODE"], "000") << "no boot data: padded";
  EXPECT_EQ(macros["IR_Bit1Space"], "1690");
}

TEST_F(ModulationValuesTest, ManchesterValuesStoreTheHalfBitAndPolarity) {
  stPageValues values = PdmValues();
  values.checks = {{kManchesterRadioId, true}, {kBootCheckId, true}, {kBootManchesterRadioId, true}};
  values.inputs[kHalfBitEditId] = {"889", true};
  values.inputs[kBootContentEditId] = {"101", true};
  values.markFirst = false;
  ASSERT_TRUE(SaveCustomSection(project, definitions, values));
  EXPECT_EQ(project.ReadText("Custom", "IR_Manchester"), "1");
  EXPECT_EQ(project.ReadText("Custom", "HEADER_CODE"), "101");

  CDocManage stored;
  StorePageValues(values, stored);
  EXPECT_EQ(stored.GetParam(10), "889");
  EXPECT_EQ(stored.GetParam(11), "889");
  EXPECT_EQ(stored.GetParam(5), "101");
  EXPECT_EQ(stored.BootDataBits, 3);
  EXPECT_EQ(stored.MarkAfter, 1);
  EXPECT_EQ(stored.RepeatCodeOn, 0);
  EXPECT_EQ(PageBitRule(values), BitRule::kIncomplete) << "no bit-0 / bit-1 rule in Manchester";
}

// A definition without "Name" ends every walk; a file that cannot be written fails the save.
TEST_F(ModulationValuesTest, WalksEndAtTheFirstUnnamedDefinition) {
  const wxString path = work.File("setting.ini");
  ASSERT_TRUE(platform::WriteProfileString(path, "P0", "Name", "Freq"));
  ASSERT_TRUE(platform::WriteProfileString(path, "P1", "Name", "Duty"));
  ASSERT_TRUE(platform::WriteProfileString(path, "P3", "Name", "Boot"));
  const CParamDefinitions partial(path);
  const stPageValues values = PdmValues();

  ASSERT_TRUE(SaveCustomSection(project, partial, values));
  EXPECT_EQ(platform::ReadProfileKeys(project.Path(), "Custom"), (std::vector<wxString>{"Freq", "Duty"}));
  CDocManage doc;
  EXPECT_FALSE(LoadCustomSection(project, partial, doc)) << "the walk ended early";
  EXPECT_EQ(doc.GetParam(0), "38") << "what was read before stays";
  CStringMap macros;
  FillMacroTable(partial, values, macros);
  EXPECT_EQ(macros.size(), 2u);
  EXPECT_EQ(CheckPage(partial, values, [](int) { return true; }).problem, stPageCheck::kNoDefinition);

  const CProjectFile unwritable(platform::JoinPath(work.File("missing"), "Fan.lmirprj"));
  EXPECT_FALSE(SaveCustomSection(unwritable, definitions, values));
}

TEST_F(ModulationValuesTest, CheckRefusesTheFirstBadValueInDefinitionOrder) {
  struct stCase {
    const char* what;
    std::function<void(stPageValues&)> change;
    std::vector<int> outOfRange;
    stPageCheck::Problem problem;
    int inputId;
    bool empty;
  };
  const stCase cases[] = {
      {"good values pass", [](stPageValues&) {}, {}, stPageCheck::kNone, 0, false},
      {"no duty", [](stPageValues& v) { v.dutySelected = false; }, {}, stPageCheck::kNoDuty, 0, false},
      {"an empty input",
       [](stPageValues& v) { v.inputs[kBit1SpaceEditId].text.clear(); },
       {},
       stPageCheck::kBadInput,
       kBit1SpaceEditId,
       true},
      {"an out-of-range input",
       [](stPageValues&) {},
       {kRepeatMarkEditId},
       stPageCheck::kBadInput,
       kRepeatMarkEditId,
       false},
      {"the first bad one in definition order",
       [](stPageValues& v) { v.inputs[kBit0SpaceEditId].text.clear(); },
       {kBit1MarkEditId},
       stPageCheck::kBadInput,
       kBit1MarkEditId,
       false},
      {"a hidden or disabled input is not checked",
       [](stPageValues& v) {
         v.inputs[kRepeatPeriodEditId] = {"", false};
         v.inputs[kBootMarkEditId].active = false;
       },
       {kBootMarkEditId},
       stPageCheck::kNone,
       0,
       false},
      {"bit times against the rule",
       [](stPageValues& v) { v.inputs[kBit1SpaceEditId].text = "560"; },
       {},
       stPageCheck::kBadBitTimes,
       0,
       false},
  };
  for (const stCase& c : cases) {
    SCOPED_TRACE(c.what);
    stPageValues values = PdmValues();
    c.change(values);
    std::vector<int> asked;
    const stPageCheck check = CheckPage(definitions, values, [&](int id) {
      asked.push_back(id);
      return std::find(c.outOfRange.begin(), c.outOfRange.end(), id) == c.outOfRange.end();
    });
    EXPECT_EQ(check.problem, c.problem);
    EXPECT_EQ(check.inputId, c.inputId);
    EXPECT_EQ(check.inputEmpty, c.empty);
    for (int id : asked) {
      EXPECT_TRUE(values.inputs[id].active && !values.inputs[id].text.empty()) << "asked of " << id;
    }
  }
}

}  // namespace
