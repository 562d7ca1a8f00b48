// The source piece of a user-defined function: the template named by the
// definition file, its eight tokens filled from the record and the send
// orders, compared with texts written by hand from the template format.
#include "aircon/UDFuncTemplate.h"

#include "core/ProjectKinds.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using aircon::ExpandUDFuncTemplate;
using aircon::stUDFuncTemplateSource;

// Every token once per line, a "$GroupIndex$" line before "$ArrayIndex$".
const char kEveryToken[] =
    "\xEF\xBB\xBF{ $Index$ $Index$\r\n"
    "// $Name$\r\n"
    "$GroupIndex$,\r\n"
    "$ArrayIndex$,\r\n"
    "$Gear$, $Mode$, $ZeroShow$, $CloseShow$\r\n"
    "$ZeroShow$,$ZeroShow$\n"
    "$CloseShow$ $Other$ }";

class UDFuncTemplate : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::WriteProfileString(definition, "FileName", "Name3", "UserFunc.temp");
    Template("Sta_UserFunc.temp", kEveryToken);
    Template("Sim_UserFunc.temp", kEveryToken);
    record.ModeSelect = 0x15;
    record.ZeroShow = 2;
    record.CloseEnable = 1;
    record.Data.resize(4);
  }

  void Template(const wxString& name, const std::string& text) const {
    platform::WriteProfileString(definition, "FileName", "Name3", "UserFunc.temp");
    testsupport::WriteBytes(dir.File(name), text);
  }

  // Function 3 of the user-defined list, standing where `places` says
  // (group -> array position); asks of group 2 are counted.
  wxString Expand(int kind, std::map<int, int> places, bool hasGroup2 = true) {
    stUDFuncTemplateSource source;
    source.index = 3;
    source.frameworkKind = kind;
    source.templateFolder = dir.Path();
    source.definitionFile = definition;
    source.record = &record;
    source.hasGroup2 = hasGroup2;
    source.sendPosition = [this, places](int group) -> std::optional<int> {
      ++asked[group];
      const auto found = places.find(group);
      if (found == places.end()) return std::nullopt;
      return found->second;
    };
    return ExpandUDFuncTemplate(source);
  }

  testsupport::TempDir dir;
  wxString definition = dir.File("setting.ini");
  stFuncRecord record;
  std::map<int, int> asked;
};

TEST_F(UDFuncTemplate, TheFirstTokenOfEachLineIsFilledInEveryPlace) {
  struct Case {
    const char* what;
    int kind;
    std::map<int, int> places;
    const char* expected;
  };
  const Case cases[] = {
      {"standard, in group 1",
       kFrameworkLcdStandard,
       {{0, 5}, {1, 2}},
       "{ 3 3\r\n// *3*\r\n0,\r\n5,\r\n3, $Mode$, $ZeroShow$, $CloseShow$\r\n2,2\n1 $Other$ }"},
      {"standard, in group 2",
       kFrameworkLcdStandard,
       {{1, 2}},
       "{ 3 3\r\n// *3*\r\n1,\r\n2,\r\n3, $Mode$, $ZeroShow$, $CloseShow$\r\n2,2\n1 $Other$ }"},
      {"standard, in neither order",
       kFrameworkLcdStandard,
       {},
       "{ 3 3\r\n// *3*\r\n-1,\r\n-1,\r\n3, $Mode$, $ZeroShow$, $CloseShow$\r\n2,2\n1 $Other$ }"},
      {"simple: the group line goes, the position is group 1's",
       kFrameworkLcdSimple,
       {{0, 7}},
       "{ 3 3\r\n// *3*\r\n7,\r\n3, $Mode$, $ZeroShow$, $CloseShow$\r\n2,2\n1 $Other$ }"},
      {"simple: the dropped group line found the function in group 2",
       kFrameworkLcdSimple,
       {{1, 2}},
       "{ 3 3\r\n// *3*\r\n2,\r\n3, $Mode$, $ZeroShow$, $CloseShow$\r\n2,2\n1 $Other$ }"},
      {"general: the group line goes",
       kFrameworkGeneral,
       {{0, 4}},
       "{ 3 3\r\n// *3*\r\n4,\r\n3, $Mode$, $ZeroShow$, $CloseShow$\r\n2,2\n1 $Other$ }"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Expand(c.kind, c.places), wxString::FromUTF8(c.expected));
  }
}

TEST_F(UDFuncTemplate, OnlyTheFirstTokenOfALineIsFilled) {
  Template("Sta_UserFunc.temp",
           "$Index$ $Name$\r\n$Name$ $Gear$\r\n$Mode$$ZeroShow$\r\n$ArrayIndex$ $Index$\r\n"
           "$ArrayIndex$ $GroupIndex$\r\n$ArrayIndex$\r\n");
  EXPECT_EQ(Expand(kFrameworkLcdStandard, {{0, 1}}),
            "3 $Name$\r\n*3* $Gear$\r\n0b00010101$ZeroShow$\r\n$ArrayIndex$ 3\r\n$ArrayIndex$ 0\r\n1\r\n");
}

TEST_F(UDFuncTemplate, ThePositionComesOnlyFromAnEarlierGroupLineExceptOnTheSimpleFramework) {
  const char* text = "$ArrayIndex$\r\n$GroupIndex$\r\n$ArrayIndex$\r\n";
  Template("Sta_UserFunc.temp", text);
  Template("Sim_UserFunc.temp", text);
  EXPECT_EQ(Expand(kFrameworkLcdStandard, {{0, 6}}), "-1\r\n0\r\n6\r\n");
  EXPECT_EQ(Expand(kFrameworkGeneral, {{0, 6}}), "-1\r\n6\r\n")
      << "the dropped group line still finds the group for the line after it";
  EXPECT_EQ(Expand(kFrameworkLcdSimple, {{0, 6}}), "6\r\n6\r\n");
  EXPECT_EQ(Expand(kFrameworkLcdSimple, {{1, 6}}), "-1\r\n6\r\n")
      << "without a group line only group 1 is searched";
}

TEST_F(UDFuncTemplate, GroupTwoIsAskedOnlyWhenItExists) {
  Template("Sta_UserFunc.temp", "$GroupIndex$:x\r\n$ArrayIndex$\r\n");
  EXPECT_EQ(Expand(kFrameworkLcdStandard, {{1, 3}}, false), "-1:x\r\n-1\r\n");
  EXPECT_EQ(asked[1], 0);
  EXPECT_EQ(Expand(kFrameworkLcdStandard, {{1, 3}}, true), "1:x\r\n3\r\n");
}

TEST_F(UDFuncTemplate, ModesAreBinaryDigitsPaddedToEight) {
  const std::pair<std::uint16_t, const char*> cases[] = {{0, "0b00000000"},
                                                         {5, "0b00000101"},
                                                         {0xFF, "0b11111111"},
                                                         {0x1A5, "0b110100101"},
                                                         {0xFFFF, "0b1111111111111111"}};
  Template("Sta_UserFunc.temp", "$Mode$ $Mode$\r\n");
  for (const auto& [mode, digits] : cases) {
    record.ModeSelect = mode;
    EXPECT_EQ(Expand(kFrameworkLcdStandard, {}), wxString(digits) + " " + digits + "\r\n") << mode;
  }
}

TEST_F(UDFuncTemplate, WithoutARecordANewRecordsValuesAreUsed) {
  Template("Sta_UserFunc.temp", "$Gear$\r\n$Mode$\r\n$ZeroShow$\r\n$CloseShow$\r\n");
  stUDFuncTemplateSource source;
  source.frameworkKind = kFrameworkLcdStandard;
  source.templateFolder = dir.Path();
  source.definitionFile = definition;
  EXPECT_EQ(ExpandUDFuncTemplate(source), "-1\r\n0b00000000\r\n0\r\n0\r\n");
}

TEST_F(UDFuncTemplate, TheTemplateIsFoundWhateverTheCaseOfItsName) {
  testsupport::TempDir other;
  testsupport::WriteBytes(other.File("sta_userfunc.TEMP"), "$Index$\r\n");
  stUDFuncTemplateSource source;
  source.index = 12;
  source.frameworkKind = kFrameworkLcdStandard;
  source.templateFolder = other.Path();
  source.definitionFile = definition;
  EXPECT_EQ(ExpandUDFuncTemplate(source), "12\r\n");
}

TEST_F(UDFuncTemplate, NoTemplateGivesAnEmptyText) {
  testsupport::WriteBytes(dir.File("Sta_"), "$Index$\r\n");
  platform::WriteProfileString(definition, "FileName", "Name3", "Missing.temp");
  EXPECT_EQ(Expand(kFrameworkLcdStandard, {}), "");
  platform::WriteProfileString(definition, "FileName", "Name3", "");
  EXPECT_EQ(Expand(kFrameworkLcdStandard, {}), "") << "an empty Name3 names no file, not \"Sta_\"";
  definition = dir.File("none.ini");
  EXPECT_EQ(Expand(kFrameworkLcdStandard, {}), "");
}

// The shipped templates of both LCD frameworks, through their definition files.
wxString InstalledSetting(const char* kind) {
  return platform::JoinPath(
      OLV_SOURCE_DIR, wxString::Format("install/RemoteControlSetting/%s/Protocols/Custom/setting.ini", kind));
}

TEST(InstalledUDFuncTemplate, BothFrameworksExpandTheirShippedTemplate) {
  stFuncRecord record;
  record.ModeSelect = 0x13;
  record.ZeroShow = 1;
  record.CloseEnable = 0;
  record.Data.resize(3);
  stUDFuncTemplateSource source;
  source.index = 2;
  source.templateFolder = platform::JoinPath(OLV_SOURCE_DIR, "install/Template");
  source.record = &record;
  source.hasGroup2 = true;
  source.sendPosition = [](int group) -> std::optional<int> {
    if (group == 1) return 4;
    return std::nullopt;
  };

  source.frameworkKind = kFrameworkLcdStandard;
  source.definitionFile = InstalledSetting("LCD_Standard");
  EXPECT_EQ(ExpandUDFuncTemplate(source),
            "\t/* user-defined function 2 */\r\n"
            "\t{\r\n"
            "\t\t// *2* (its name)\r\n"
            "\t\t1,\t/* send group: 0 the first, 1 the second, -1 none */\r\n"
            "\t\t4,\t/* first byte in the group's data array, -1 none */\r\n"
            "\t\t2,\t/* number of the last value */\r\n"
            "\t\t0b00010011,\t/* modes it works in */\r\n"
            "\t\t1,\t/* zero-level display */\r\n"
            "\t\t0,\t/* works while the power is off */\r\n"
            "\t},\r\n");

  source.frameworkKind = kFrameworkLcdSimple;
  source.definitionFile = InstalledSetting("LCD_Simple");
  source.sendPosition = [](int group) -> std::optional<int> {
    if (group == 0) return 6;
    return std::nullopt;
  };
  EXPECT_EQ(ExpandUDFuncTemplate(source),
            "\t/* user-defined function 2 */\r\n"
            "\t{\r\n"
            "\t\t// *2* (its name)\r\n"
            "\t\t6,\t/* first byte in the data array, -1 none */\r\n"
            "\t\t2,\t/* number of the last value */\r\n"
            "\t\t0b00010011,\t/* modes it works in */\r\n"
            "\t\t1,\t/* zero-level display */\r\n"
            "\t\t0,\t/* works while the power is off */\r\n"
            "\t},\r\n");
}

}  // namespace
