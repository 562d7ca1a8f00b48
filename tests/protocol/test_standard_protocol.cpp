// The standard protocol rules without a window: definitions, exact name
// matching, address limits, macros, the [Standard] section, key codes, the
// include file's failures and the install's definitions.
#include "protocol/StandardProtocol.h"

#include "core/AppContext.h"
#include "core/ExprEngine.h"
#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "receiver/FrameWindows.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filefn.h>

#include <set>

namespace {

using namespace standard;

const char kSmallDefinitions[] =
    "[p0]\r\nName=ALPHA\r\nFreq=38\r\nAddress=8\r\nCommand=8\r\nSendOrder=ADD,CMD\r\nSendMode=LSB\r\n"
    "Duty0=[1/4],4\r\nDuty1=[1/3],3\r\n"
    "[p1]\r\nName=BETA\r\nFreq=0x28\r\nAddress=16\r\nCommand=7\r\nExtAddr=1\r\nSubCode=5\r\n"
    "SendOrder=ADDL,ADDH,CMD\r\nSendMode=MSB\r\n"
    "[p3]\r\nName=GAMMA\r\nFreq=36\r\n"
    "[FileName]\r\nName=IR_Standard.inc\r\n";

class StandardDefinitionsTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override { testsupport::WriteBytes(dir.File("setting.ini"), kSmallDefinitions); }
  testsupport::TempDir dir;
  CStandardDefinitions definitions{dir.File("setting.ini")};
};

TEST_F(StandardDefinitionsTest, ListEndsAtTheFirstSectionWithoutName) {
  EXPECT_EQ(definitions.ReadProtocolNames(), (std::vector<wxString>{"ALPHA", "BETA"}));
  EXPECT_EQ(definitions.ReadIncludeName(), "IR_Standard.inc");
}

TEST_F(StandardDefinitionsTest, DetailsReadEveryKeyAndRefuseAMissingOne) {
  stProtocolDetails alpha;
  ASSERT_TRUE(definitions.ReadDetails(0, alpha));
  EXPECT_EQ(alpha.freqText, "38");
  EXPECT_EQ(alpha.addressBits, 8);
  EXPECT_EQ(alpha.extAddr, 0);
  EXPECT_EQ(alpha.subCode, 0);
  EXPECT_EQ(alpha.sendOrder, "ADD,CMD");
  ASSERT_EQ(alpha.duties.size(), 2u);
  EXPECT_EQ(alpha.duties[1].label, "1/3");
  EXPECT_EQ(alpha.duties[1].number, 3);

  stProtocolDetails beta;
  EXPECT_FALSE(definitions.ReadDetails(1, beta)) << "no Duty0";
  EXPECT_EQ(beta.freqText, "0x28");
  EXPECT_EQ(beta.extAddr, 1);
  EXPECT_EQ(beta.subCode, 5);

  stProtocolDetails gamma;
  EXPECT_FALSE(definitions.ReadDetails(3, gamma)) << "no Address";
  EXPECT_EQ(gamma.freqText, "36");
}

TEST(StandardRules, DutyValuesSplitAtTheFirstComma) {
  const struct {
    const char* value;
    const char* label;
    int number;
  } cases[] = {{"[1/3],3", "1/3", 3}, {"[1/4], 0x4", "1/4", 4}, {"1/2,2", "1/2", 2}, {"[50%]", "50%", 0}};
  for (const auto& c : cases) {
    const stDuty duty = ParseDuty(c.value);
    EXPECT_EQ(duty.label, c.label) << c.value;
    EXPECT_EQ(duty.number, c.number) << c.value;
  }
}

TEST(StandardRules, NamesAndDutiesMatchOnlyTheWholeNameIgnoringCase) {
  const std::vector<wxString> names = {"NEC_EXT", "X2", "NEC", "X"};
  EXPECT_EQ(FindExactName(names, "nec"), 2);
  EXPECT_EQ(FindExactName(names, "X"), 3);
  EXPECT_EQ(FindExactName(names, "x2"), 1);
  EXPECT_EQ(FindExactName(names, "NE"), -1);
  EXPECT_EQ(FindExactName(names, ""), -1);
  const std::vector<stDuty> duties = {{"1/30", 30}, {"1/3", 3}};
  EXPECT_EQ(FindDuty(duties, "1/3"), 1);
  EXPECT_EQ(FindDuty(duties, "1/"), -1);
}

TEST(StandardRules, AddressInputFollowsTheBitCount) {
  const struct {
    int bits;
    const char* tip;
    const char* mask;
  } cases[] = {{8, "0x0~0xFF", "HH"},   {16, "0x0~0xFFFF", "HHHH"}, {12, "0x0~0xFFF", "HHH"},
               {9, "0x0~0x1FF", "HHH"}, {5, "0x0~0x1F", "HH"},      {3, "0x0~0x7", "H"}};
  for (const auto& c : cases) {
    const stAddressRule rule = AddressRuleFor(c.bits);
    EXPECT_EQ(rule.maximum, (1u << c.bits) - 1) << c.bits;
    EXPECT_EQ(rule.tip, c.tip) << c.bits;
    EXPECT_EQ(rule.maskFormat, c.mask) << c.bits;
    EXPECT_EQ(rule.maskTemplate, wxString('_', rule.maskFormat.length())) << c.bits;
  }
}

TEST(StandardRules, MacrosOfTheIncludeFile) {
  CStringMap macros;
  BuildMacros(macros, {0x1234, 38, 3, 1, 5});
  EXPECT_EQ(macros["IR_Duty"], "3");
  EXPECT_EQ(macros["IR_FQC"], "38");
  EXPECT_EQ(macros["Address"], "34H");
  EXPECT_EQ(macros["ADDRESS_EXT_FLAG"], "1");
  EXPECT_EQ(macros["ADDRESS_EXT"], "#define                 ADDRESS_EXT                     12H");
  EXPECT_EQ(macros["SUB_CODE_FLAG"], "1");
  EXPECT_EQ(macros["SUB_CODE"], "#define                 SUB_CODE                        3");
  EXPECT_EQ(macros.size(), 7u);

  macros.clear();
  BuildMacros(macros, {0xA5, 56, 4, 0, 0});
  EXPECT_EQ(macros["Address"], "0a5H");
  EXPECT_EQ(macros["ADDRESS_EXT_FLAG"], "0");
  EXPECT_EQ(macros["ADDRESS_EXT"], ";//////ADDRESS_EXT data is not defined//////");
  EXPECT_EQ(macros["SUB_CODE_FLAG"], "0");
  EXPECT_EQ(macros["SUB_CODE"], ";//////SUB_CODE data is not defined//////");
}

TEST(StandardRules, SectionRoundTripsAndLeavesOutAnUnselectedDuty) {
  testsupport::TempDir dir;
  CProjectFile file(dir.File("Remote.ovirprj"));
  ASSERT_TRUE(file.CreateEmpty());
  ASSERT_TRUE(WriteStandardSection(file, {"RC5", "1f", "36", "1/3"}));
  const stStandardSection back = ReadStandardSection(file);
  EXPECT_EQ(back.protocol, "RC5");
  EXPECT_EQ(back.address, "1f");
  EXPECT_EQ(back.freq, "36");
  EXPECT_EQ(back.duty, "1/3");

  CProjectFile other(dir.File("Other.ovirprj"));
  ASSERT_TRUE(other.CreateEmpty());
  ASSERT_TRUE(WriteStandardSection(other, {"NEC", "a5", "38", ""}));
  EXPECT_FALSE(other.Has("Standard", "sDuty"));
  EXPECT_TRUE(other.Has("Standard", "Protocol"));
}

TEST(StandardRules, KeyCodesAboveTheCommandBitsAreCutOnlyWhenApplied) {
  CDocManage doc;
  doc.AddKeyValue(0x3F, "K1");
  doc.AddKeyValue(0x40, "K2");
  doc.AddKeyValue(0xFF, "K3");
  doc.CommandBits = 6;
  const std::vector<stKeyCut> cuts = KeyCodesToCut(doc);
  ASSERT_EQ(cuts.size(), 2u);
  EXPECT_EQ(cuts[0].index, 1);
  EXPECT_EQ(cuts[0].code, 0x00);
  EXPECT_EQ(cuts[1].index, 2);
  EXPECT_EQ(cuts[1].code, 0x3F);
  EXPECT_EQ(doc.KeyValues()[2].code, 0xFF) << "asking changes nothing";
  ApplyKeyCuts(doc, cuts);
  EXPECT_EQ(doc.KeyValues()[0].code, 0x3F);
  EXPECT_EQ(doc.KeyValues()[1].code, 0x00);
  EXPECT_EQ(doc.KeyValues()[2].code, 0x3F);
}

TEST(StandardRules, ProtocolNumbersGoToTheDocument) {
  CDocManage doc;
  stProtocolDetails details;
  details.addressBits = 16;
  details.commandBits = 7;
  details.sendOrder = "ADDL,ADDH,CMD,~CMD";
  details.sendMode = "LSB";
  ApplyProtocolToDocument(doc, details);
  EXPECT_EQ(doc.AddressBits, 16);
  EXPECT_EQ(doc.CommandBits, 7);
  EXPECT_EQ(doc.GetParam(22), "ADDL,ADDH,CMD,~CMD");
  EXPECT_EQ(doc.GetParam(23), "LSB");
}

TEST(StandardRules, TemplatePathReplacesTheIncludeExtension) {
  EXPECT_EQ(TemplatePathFor("/nowhere/Template", "IR_Standard.inc"),
            "/nowhere/Template/standard_IR_Standard.temp");
}

class StandardIncludeFileTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  static void SetUpTestSuite() { ASSERT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR)); }
  void SetUp() override {
    state.Macros().clear();
    BuildMacros(state.Macros(), {0x12, 38, 3, 0, 0});
    doc.TempFolder = dir.File("work");
    ASSERT_TRUE(wxMkDir(doc.TempFolder, 0755) == 0);
  }
  testsupport::TempDir dir;
  CDocManage doc;
};

TEST_F(StandardIncludeFileTest, MissingTemplateOrUnwritableFolderFail) {
  wxString output;
  EXPECT_EQ(WriteIncludeFile(doc, dir.File("no-templates"), "IR_Standard.inc", output),
            GenerateResult::TemplateFailed);

  const wxString templates = platform::JoinPath(OLV_SOURCE_DIR, "install/Template");
  ASSERT_EQ(WriteIncludeFile(doc, templates, "IR_Standard.inc", output), GenerateResult::Written);
  EXPECT_EQ(output, platform::JoinPath(doc.TempFolder, "IR_Standard.inc"));

  // A folder where the file should go: it cannot be written, not even by root.
  ASSERT_TRUE(wxRemoveFile(output));
  ASSERT_TRUE(wxMkDir(output, 0755) == 0);
  EXPECT_EQ(WriteIncludeFile(doc, templates, "IR_Standard.inc", output), GenerateResult::TemplateFailed);
}

// The install's definitions: one protocol per frame kind of the analyser, each
// whole for this page and the decode page, with its picture, and the template
// expanding for each.
class InstalledStandardProtocols : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  static void SetUpTestSuite() { ASSERT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR)); }
  void SetUp() override { state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install")); }
};

int CarrierOfKind(int kind) {
  using namespace analyser;
  const stRange ranges[] = {kKind1.leader.carrierHz,  kKind1.leader.carrierHz, kKind3.leader.carrierHz,
                            kKind4.leader.carrierHz,  kKind5.leader.carrierHz, kKind6.leader.carrierHz,
                            kKind7.leader.carrierHz,  kKind8.leader.carrierHz, kKind9.leader.carrierHz,
                            kKind10.leader.carrierHz, kKind11.leader.carrierHz};
  return (ranges[kind - 1].low + ranges[kind - 1].high) / 2;
}

// "first,last" -> last - first + 1, or -1.
int RangeCount(const wxString& text, int dataLen) {
  long first = -1;
  long last = -1;
  if (!text.BeforeFirst(',').ToLong(&first) || !text.AfterFirst(',').ToLong(&last)) return -1;
  if (first < 0 || last < first || last >= dataLen) return -1;
  return static_cast<int>(last - first + 1);
}

TEST_F(InstalledStandardProtocols, EveryFrameKindHasAWholeProtocol) {
  const wxString path = CStandardDefinitions::PathFor(kRemoteGeneral);
  ASSERT_TRUE(wxFileExists(path)) << path;
  CStandardDefinitions definitions(path);
  const std::vector<wxString> names = definitions.ReadProtocolNames();
  ASSERT_EQ(names.size(), 11u);
  EXPECT_EQ(std::set<wxString>(names.begin(), names.end()).size(), names.size());
  const wxString includeName = definitions.ReadIncludeName();
  ASSERT_FALSE(includeName.empty());
  EXPECT_TRUE(wxFileExists(TemplatePathFor(g_App.templateFolder, includeName)));

  for (int n = 0; n < static_cast<int>(names.size()); ++n) {
    SCOPED_TRACE(names[n]);
    stProtocolDetails details;
    ASSERT_TRUE(definitions.ReadDetails(n, details));
    EXPECT_NEAR(static_cast<int>(ParseNumber(details.freqText)) * 1000, CarrierOfKind(n + 1), 1000);
    EXPECT_TRUE(details.sendMode == "MSB" || details.sendMode == "LSB");
    const wxString section = wxString::Format("p%d", n);
    const int dataLen = platform::ReadProfileInt(path, section, "DataLen", 0);
    const int addressBitsOfFields = details.extAddr ? 16 : details.addressBits;
    EXPECT_EQ(RangeCount(platform::ReadProfileString(path, section, "AddRange", ""), dataLen),
              addressBitsOfFields);
    EXPECT_EQ(RangeCount(platform::ReadProfileString(path, section, "CmdRange", ""), dataLen),
              details.commandBits);
    const wxString picture = platform::FindPathNoCase(platform::JoinPath(
        platform::JoinPath(g_App.installFolder, "Standard_Protocol_Images"), names[n] + ".png"));
    EXPECT_TRUE(wxFileExists(picture)) << picture;

    testsupport::TempDir dir;
    CDocManage doc;
    doc.TempFolder = dir.Path();
    state.Macros().clear();
    BuildMacros(state.Macros(), {AddressRuleFor(details.addressBits).maximum, 38, details.duties[0].number,
                                 details.extAddr, details.subCode});
    wxString output;
    ASSERT_EQ(WriteIncludeFile(doc, g_App.templateFolder, includeName, output), GenerateResult::Written);
    EXPECT_EQ(testsupport::ReadBytes(output).find('$'), std::string::npos);
  }
  for (int k = 0; platform::ProfileKeyExists(path, "PreviewImages", wxString::Format("%d", k)); ++k) {
    const wxString image = platform::ReadProfileString(path, "PreviewImages", wxString::Format("%d", k), "");
    EXPECT_TRUE(wxFileExists(platform::FindPathNoCase(platform::JoinPath(g_App.imageFolder, image))))
        << image;
  }
}

}  // namespace
