// The air carrier page's rules without a window: what a definition does to
// its control, the duty entries, the macros (packed by masks), the bit-mark
// rule, the schemes and their mode files, the [Custom] values of a project
// and of a scheme, and the checks before Next.
#include "aircon/AirModulationModel.h"

#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ProgramState.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using namespace aircon;
using modulation::CParamDefinitions;
using modulation::stInputBinding;
using modulation::stParamDefinition;

// The installed definitions of the LCD remotes' Custom protocol.
wxString InstalledSetting(const char* kind) {
  return platform::JoinPath(
      OLV_SOURCE_DIR, wxString::Format("install/RemoteControlSetting/%s/Protocols/Custom/setting.ini", kind));
}
const wxString kSetting = InstalledSetting("LCD_Simple");

// A definition file of the given "P<n>" sections, each a list of key=value lines.
wxString WriteDefinitions(const testsupport::TempDir& dir,
                          const std::vector<std::vector<std::pair<const char*, const char*>>>& sections) {
  const wxString path = dir.File("setting.ini");
  for (std::size_t n = 0; n < sections.size(); ++n) {
    for (const auto& [key, value] : sections[n])
      platform::WriteProfileString(path, wxString::Format("P%zu", n), key, value);
  }
  return path;
}

// The page's values with every input active.
stAirValues Values(const std::map<int, wxString>& texts, const wxString& duty, std::uint32_t dutyValue,
                   bool connectOn, int scheme) {
  stAirValues values;
  for (int id : kInputIds) values.inputs[id] = {wxString(), true};
  for (const auto& [id, text] : texts) values.inputs[id].text = text;
  values.dutySelected = !duty.empty();
  values.duty = duty;
  values.dutyValue = dutyValue;
  values.connectOn = connectOn;
  values.scheme = scheme;
  return values;
}

stAirValues GoodValues() {
  return Values({{kFreqEditId, "38"},
                 {kLeadMarkEditId, "9000"},
                 {kLeadSpaceEditId, "4500"},
                 {kBit0MarkEditId, "560"},
                 {kBit0SpaceEditId, "560"},
                 {kBit1MarkEditId, "560"},
                 {kBit1SpaceEditId, "1690"},
                 {kConnectTimeEditId, "20"}},
                "1/3", 3, true, 0);
}

TEST(AirModulationModel, DefinitionsBindTheirInputs) {
  testsupport::TempDir dir;
  const CParamDefinitions definitions(WriteDefinitions(
      dir, {
               {{"Name", "F"}, {"Min", "100"}, {"Max", "20000"}, {"Format", "DDDDD"}, {"Template", "_____"}},
               {{"Name", "G"}, {"Min", "0"}, {"Max", "0"}, {"Format", "DD"}},
               {{"Name", "HEADER_CODE"}, {"Min", "1"}, {"Max", "7"}},
               {{"Min", "1"}, {"Max", "9"}},
           }));
  struct stCase {
    int number;
    bool named;
    bool mask;
    bool range;
    const char* tip;
  };
  const stCase cases[] = {
      {0, true, true, true, "100~20000"},
      {1, true, false, false, ""},    // Max not above Min; Format without Template
      {2, true, false, true, "1~7"},  // no binary input on this page: a range like any other
      {3, false, false, false, ""},   // no Name
  };
  for (const stCase& c : cases) {
    SCOPED_TRACE(c.number);
    stParamDefinition definition;
    stInputBinding binding;
    EXPECT_EQ(ApplyParamDefinition(definitions, c.number, definition, binding), c.named);
    EXPECT_EQ(binding.setMask, c.mask);
    EXPECT_EQ(binding.setRange, c.range);
    EXPECT_FALSE(binding.binaryTip);
    EXPECT_EQ(binding.tip, c.tip);
    if (c.range) {
      EXPECT_LT(binding.min, binding.max);
    }
  }
}

TEST(AirModulationModel, DutyEntriesAndTheirValues) {
  testsupport::TempDir dir;
  const CParamDefinitions definitions(WriteDefinitions(
      dir, {
               {{"Name", "D"}, {"Item0", "[1/30],30"}, {"Item1", "[1/3],3"}, {"Item2", "38"}},
               {{"Name", "E"}, {"Item0", "[a],1"}, {"Item2", "[c],3"}},  // no Item1: the list ends at it
               {{"Name", "N"}},
               {{"Item0", "[x],1"}},
           }));
  const auto items = FillComboFromParam(definitions, 0);
  ASSERT_TRUE(items);
  ASSERT_EQ(items->size(), 3u);
  EXPECT_EQ((*items)[1].label, "1/3");
  EXPECT_EQ((*items)[1].value, 3u);
  EXPECT_EQ((*items)[2].label, "38");
  EXPECT_EQ((*items)[2].value, 38u);
  ASSERT_TRUE(FillComboFromParam(definitions, 1));
  EXPECT_EQ(FillComboFromParam(definitions, 1)->size(), 1u);
  ASSERT_TRUE(FillComboFromParam(definitions, 2));
  EXPECT_TRUE(FillComboFromParam(definitions, 2)->empty()) << "named, but no entries";
  EXPECT_FALSE(FillComboFromParam(definitions, 3)) << "no Name: the list stays as it was";

  const std::pair<const char*, std::uint32_t> lookups[] = {
      {"1/3", 3},  // the whole text: never the "1/30" before it
      {"38", 38}, {"1/30", 30}, {"[1/3]", 0}, {"1/", 0}, {"nothing", 0},
  };
  for (const auto& [text, value] : lookups) EXPECT_EQ(FindItemValue(definitions, 0, text), value) << text;
  EXPECT_EQ(FindItemValue(definitions, 1, "A"), 1u) << "without regard to case";
  EXPECT_EQ(FindItemValue(definitions, 3, "x"), 0u);
}

TEST(AirModulationModel, MacrosPackByMaskAndStopAtTheFirstUnnamedParameter) {
  testsupport::TempDir dir;
  // P0 and P2 share a Name and pack by their masks; P3 has that Name without
  // a mask and replaces the packed number; P1 (duty) packs its entry's value.
  const CParamDefinitions definitions(
      WriteDefinitions(dir, {
                                {{"Name", "PACKED"}, {"Mask", "0x0F"}},
                                {{"Name", "DUTY"}, {"Mask", "0xFF"}, {"Item0", "[1/3],3"}},
                                {{"Name", "PACKED"}, {"Mask", "0xF0"}},
                                {{"Name", "LEAD_SPACE"}},
                                {},
                                {{"Name", "AFTER_THE_GAP"}},
                            }));
  stAirValues values =
      Values({{kFreqEditId, "5"}, {kLeadMarkEditId, "3"}, {kLeadSpaceEditId, "4500"}}, "1/3", 3, true, 0);
  CStringMap table;
  WriteParamMacros(definitions, values, table);
  EXPECT_EQ(table["PACKED"], "53") << "5 in 0x0F and 3 in 0xF0: 0x35";
  EXPECT_EQ(table["DUTY"], "3");
  EXPECT_EQ(table["LEAD_SPACE"], "4500");
  EXPECT_EQ(table.count("AFTER_THE_GAP"), 0u) << "an empty Name ends the walk";

  // A parameter without a mask replaces a packed value with its text.
  testsupport::TempDir other;
  const CParamDefinitions replacing(WriteDefinitions(other, {
                                                                {{"Name", "PACKED"}, {"Mask", "0x0F"}},
                                                                {{"Name", "DUTY"}},
                                                                {{"Name", "PACKED"}, {"Mask", "0xF0"}},
                                                                {{"Name", "PACKED"}},
                                                            }));
  CStringMap replaced;
  WriteParamMacros(replacing, values, replaced);
  EXPECT_EQ(replaced["PACKED"], "4500");
  EXPECT_EQ(replaced["DUTY"], "1/3") << "without a mask the entry's text";
}

TEST(AirModulationModel, BitMarksWantEqualMarksAndDifferentSpaces) {
  struct stCase {
    const char* bit0Mark;
    const char* bit1Mark;
    const char* bit0Space;
    const char* bit1Space;
    BitMarks expected;
  };
  const stCase cases[] = {
      {"560", "560", "560", "1690", BitMarks::kValid},
      {"560", "560", "560", "560", BitMarks::kInvalid},   // equal spaces
      {"560", "600", "560", "1690", BitMarks::kInvalid},  // different marks
      {"560", "1120", "560", "560", BitMarks::kInvalid},  // the general page's other pair: not here
      {"0x230", "560", "560", "1690", BitMarks::kValid},  // read as numbers
      {"560", "560", "560", "", BitMarks::kIncomplete},   // an empty box skips the rule
      {"", "600", "560", "560", BitMarks::kIncomplete},
  };
  for (const stCase& c : cases) {
    SCOPED_TRACE(wxString::Format("%s %s %s %s", c.bit0Mark, c.bit1Mark, c.bit0Space, c.bit1Space));
    EXPECT_EQ(CheckBitMarks(c.bit0Mark, c.bit1Mark, c.bit0Space, c.bit1Space), c.expected);
  }
}

TEST(AirModulationModel, SchemesAndTheirModeFiles) {
  const std::vector<wxString> keys = ReadSchemeNameKeys(kSetting);
  EXPECT_EQ(keys, (std::vector<wxString>{"IDS_AIR_SCHEME_LEAD9000_CONNECT", "IDS_AIR_SCHEME_LEAD4400",
                                         "IDS_AIR_SCHEME_USER"}));
  testsupport::TempDir dir;
  EXPECT_TRUE(ReadSchemeNameKeys(dir.File("missing.ini")).empty());
  EXPECT_EQ(ResolveScheme(-1, 3), 2) << "-1 is the last scheme";
  EXPECT_EQ(ResolveScheme(1, 3), 1);

  EXPECT_TRUE(ModeFilePath(kSetting, 0).EndsWith("ParameterSetting_1.ini"));
  EXPECT_TRUE(ModeFilePath(kSetting, -1).empty());
  std::int32_t flag = 7;
  EXPECT_TRUE(ReadConnectFlag(ModeFilePath(kSetting, 0), flag));
  EXPECT_EQ(flag, 1);
  EXPECT_TRUE(ReadConnectFlag(ModeFilePath(kSetting, 1), flag));
  EXPECT_EQ(flag, 0);
  flag = 7;
  EXPECT_FALSE(ReadConnectFlag(ModeFilePath(kSetting, 5), flag)) << "a missing mode file";
  EXPECT_EQ(flag, 7);

  testsupport::ProgramState state;
  CDocManage& doc = state.Doc();
  doc.SetParam(12, "77");
  doc.RepeatCodeOn = 0;
  ASSERT_TRUE(LoadSchemeDefaults(CParamDefinitions(kSetting), ModeFilePath(kSetting, 0), doc));
  EXPECT_EQ(doc.GetParam(0), "38");
  EXPECT_EQ(doc.GetParam(1), "1/3");
  EXPECT_EQ(doc.GetParam(3), "9000");
  EXPECT_EQ(doc.GetParam(4), "4500");
  EXPECT_EQ(doc.GetParam(8), "560");
  EXPECT_EQ(doc.GetParam(9), "1690");
  EXPECT_EQ(doc.Bit1Space(), 1690);
  EXPECT_EQ(doc.GetParam(12), "20");
  EXPECT_EQ(doc.RepeatCodeOn, 1);
  ASSERT_TRUE(LoadSchemeDefaults(CParamDefinitions(kSetting), ModeFilePath(kSetting, 1), doc));
  EXPECT_EQ(doc.RepeatCodeOn, 0);
  EXPECT_EQ(doc.GetParam(3), "4400");
  // A missing mode file: no defaults.
  ASSERT_TRUE(LoadSchemeDefaults(CParamDefinitions(kSetting), ModeFilePath(kSetting, 5), doc));
  EXPECT_EQ(doc.GetParam(3), "4400");
}

// Each shipped scheme of both LCD remotes gives defaults that pass the page's
// checks: a duty entry of the list, every value in its range, the bit marks.
TEST(AirModulationModel, ShippedSchemeDefaultsPassThePage) {
  for (const char* kind : {"LCD_Simple", "LCD_Standard"}) {
    const wxString setting = InstalledSetting(kind);
    const CParamDefinitions definitions(setting);
    const std::size_t schemes = ReadSchemeNameKeys(setting).size();
    ASSERT_GE(schemes, 2u) << kind;
    for (std::size_t scheme = 0; scheme < schemes; ++scheme) {
      SCOPED_TRACE(wxString::Format("%s scheme %zu", kind, scheme).utf8_string());
      testsupport::ProgramState state;
      CDocManage& doc = state.Doc();
      ASSERT_TRUE(LoadSchemeDefaults(definitions, ModeFilePath(setting, static_cast<int>(scheme)), doc));
      std::int32_t connect = -1;
      ASSERT_TRUE(ReadConnectFlag(ModeFilePath(setting, static_cast<int>(scheme)), connect));
      EXPECT_EQ(doc.RepeatCodeOn, connect) << "the switch's default is the scheme's connect flag";
      stAirValues values;
      for (int id : kInputIds) values.inputs[id] = {doc.GetParam(DocParamOf(id)), true};
      values.inputs[kConnectTimeEditId].active = doc.RepeatCodeOn != 0;
      values.duty = doc.GetParam(1);
      values.dutyValue = FindItemValue(definitions, 1, values.duty);
      values.dutySelected = values.dutyValue != 0;
      values.connectOn = doc.RepeatCodeOn != 0;
      const auto inRange = [&](int id) {
        const int n = static_cast<int>(std::find(kParamIds.begin(), kParamIds.end(), id) - kParamIds.begin());
        stParamDefinition definition;
        stInputBinding binding;
        if (!ApplyParamDefinition(definitions, n, definition, binding)) return false;
        const double value = static_cast<double>(ParseNumber(values.Text(id)));
        return !binding.setRange || (value >= binding.min && value <= binding.max);
      };
      const stAirCheck check = CheckPage(definitions, values, inRange);
      EXPECT_EQ(check.problem, stAirCheck::kNone) << "input " << check.inputId;
    }
  }
}

TEST(AirModulationModel, CustomSectionRoundTrip) {
  testsupport::ProgramState state;
  testsupport::TempDir dir;
  const CProjectFile project(dir.File("p.ovirprj"));
  ASSERT_TRUE(project.CreateEmpty());
  const CParamDefinitions definitions(kSetting);

  // Connect code off: "0" under its Name and the connect time empty.
  stAirValues values = GoodValues();
  values.connectOn = false;
  values.inputs[kConnectTimeEditId].text.clear();
  values.scheme = 2;
  ASSERT_TRUE(SaveCustomValues(project, definitions, values));
  const std::map<wxString, wxString> expected = {
      {"AIR_CARRIER_FREQ", "38"}, {"AIR_CARRIER_DUTY", "1/3"}, {"AIR_LEAD_MARK", "9000"},
      {"AIR_LEAD_SPACE", "4500"}, {"AIR_BIT1_MARK", "560"},    {"AIR_BIT0_MARK", "560"},
      {"AIR_BIT1_SPACE", "1690"}, {"AIR_BIT0_SPACE", "560"},   {"AIR_CONNECT_CODE", "0"},
      {"AIR_CONNECT_TIME", ""},   {"AirFormatType", "2"},
  };
  std::map<wxString, wxString> saved;
  for (const wxString& line : platform::ReadProfileSection(project.Path(), "Custom"))
    saved[line.BeforeFirst('=')] = line.AfterFirst('=');
  EXPECT_EQ(saved, expected);

  CDocManage& doc = state.Doc();
  doc.RepeatCodeOn = 1;
  doc.SetParam(12, "20");
  ASSERT_TRUE(LoadProjectValues(definitions, project, doc));
  EXPECT_EQ(doc.GetParam(0), "38");
  EXPECT_EQ(doc.GetParam(6), "560");
  EXPECT_EQ(doc.RepeatCodeOn, 0);
  EXPECT_EQ(doc.GetParam(12), "20") << "an empty value is skipped";
  EXPECT_EQ(project.ReadAirFormatType(), 2);

  // No scheme selected: -1, which reads back as -1 (the last scheme).
  values.scheme = -1;
  ASSERT_TRUE(SaveCustomValues(project, definitions, values));
  EXPECT_EQ(project.ReadAirFormatType(), -1);
}

TEST(AirModulationModel, AnUnnamedParameterStopsLoadingAndSaving) {
  testsupport::ProgramState state;
  testsupport::TempDir dir;
  const CParamDefinitions definitions(WriteDefinitions(dir, {{{"Name", "FREQ"}}, {}, {{"Name", "LEAD"}}}));
  const CProjectFile project(dir.File("p.ovirprj"));
  ASSERT_TRUE(project.CreateEmpty());
  EXPECT_FALSE(SaveCustomValues(project, definitions, GoodValues()));
  EXPECT_EQ(project.ReadText("Custom", "FREQ"), "38") << "written before the gap";
  EXPECT_FALSE(project.Has("Custom", "LEAD"));
  EXPECT_FALSE(project.Has("Custom", "AirFormatType")) << "nothing after the gap";

  ASSERT_TRUE(project.WriteText("Custom", "LEAD", "9000"));
  CDocManage& doc = state.Doc();
  EXPECT_FALSE(LoadProjectValues(definitions, project, doc));
  EXPECT_EQ(doc.GetParam(0), "38");
  EXPECT_EQ(doc.GetParam(3), "") << "not read past the gap";

  // A project file that cannot be written: refused.
  const CProjectFile unwritable(dir.File("missing/folder/p.ovirprj"));
  EXPECT_FALSE(SaveCustomValues(unwritable, CParamDefinitions(kSetting), GoodValues()));
}

TEST(AirModulationModel, StoreKeepsTheConnectTimeWhileTheCodeIsOff) {
  testsupport::ProgramState state;
  CDocManage& doc = state.Doc();
  StorePageValues(GoodValues(), doc);
  EXPECT_EQ(doc.GetParam(0), "38");
  EXPECT_EQ(doc.GetParam(1), "1/3");
  EXPECT_EQ(doc.GetParam(3), "9000");
  EXPECT_EQ(doc.GetParam(7), "560");
  EXPECT_EQ(doc.GetParam(12), "20");
  EXPECT_EQ(doc.RepeatCodeOn, 1);

  stAirValues off = GoodValues();
  off.connectOn = false;
  off.inputs[kConnectTimeEditId].text.clear();
  off.dutySelected = false;
  StorePageValues(off, doc);
  EXPECT_EQ(doc.RepeatCodeOn, 0);
  EXPECT_EQ(doc.GetParam(12), "20");
  EXPECT_EQ(doc.GetParam(1), "") << "no duty selected";
}

TEST(AirModulationModel, CheckFindsTheFirstProblem) {
  const CParamDefinitions definitions(kSetting);
  const auto inRange = [](int id) { return id != kLeadSpaceEditId; };
  const auto always = [](int) { return true; };

  EXPECT_EQ(CheckPage(definitions, GoodValues(), always).problem, stAirCheck::kNone);

  stAirValues values = GoodValues();
  values.dutySelected = false;
  values.inputs[kFreqEditId].text.clear();
  EXPECT_EQ(CheckPage(definitions, values, always).problem, stAirCheck::kNoDuty) << "the duty first";

  // Parameter order: P2 lead mark (empty) before P3 lead space (out of range).
  values = GoodValues();
  values.inputs[kLeadMarkEditId].text.clear();
  stAirCheck check = CheckPage(definitions, values, inRange);
  EXPECT_EQ(check.problem, stAirCheck::kBadInput);
  EXPECT_EQ(check.inputId, kLeadMarkEditId);
  EXPECT_TRUE(check.inputEmpty);
  check = CheckPage(definitions, GoodValues(), inRange);
  EXPECT_EQ(check.inputId, kLeadSpaceEditId);
  EXPECT_FALSE(check.inputEmpty);

  // A disabled input (the connect time while the code is off) is not examined.
  values = GoodValues();
  values.inputs[kConnectTimeEditId] = {wxString(), false};
  EXPECT_EQ(CheckPage(definitions, values, always).problem, stAirCheck::kNone);

  values = GoodValues();
  values.inputs[kBit1SpaceEditId].text = "560";
  EXPECT_EQ(CheckPage(definitions, values, always).problem, stAirCheck::kBadBitMarks);

  testsupport::TempDir dir;
  const CParamDefinitions gap(WriteDefinitions(dir, {{{"Name", "FREQ"}}, {{"Name", "DUTY"}}, {}}));
  EXPECT_EQ(CheckPage(gap, GoodValues(), always).problem, stAirCheck::kNoDefinition);
}

}  // namespace
