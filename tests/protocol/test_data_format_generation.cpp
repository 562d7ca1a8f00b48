// What the data-format page generates: macro values, the data-field macros,
// the SEND_BITS table, and, for a table of frame set-ups made through the
// page's handlers, the include file and the SEND_BITS file against expected
// files written by hand; then the failures of the commit.
#include "protocol/DataFormatModel.h"
#include "protocol/DataFormatGeneration.h"
#include "protocol/StandardProtocol.h"

#include "core/AppContext.h"
#include "core/ExprEngine.h"
#include "platform/Paths.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filefn.h>

namespace {

using namespace olv::protocol;
using namespace olv::protocol::dataformat_id;

TEST(DataFormatMacros, ValuesFollowTheirMasks) {
  EXPECT_EQ(InputMacroValue("A5", true, 0xFF), "0a5H");
  EXPECT_EQ(InputMacroValue("A5", true, 0xF0), "50H");
  EXPECT_EQ(InputMacroValue("1234", true, 0xFFFF), "1234H");
  EXPECT_EQ(InputMacroValue("", true, 0xFFFF), "0H");
  EXPECT_EQ(InputMacroValue("16", false, 0x1F), "16") << "a bit count is its decimal number";
  EXPECT_EQ(InputMacroValue("16", false, 0), "") << "mask 0: no macro";
  EXPECT_EQ(CheckMacroValue(true, true, 0x04), "4");
  EXPECT_EQ(CheckMacroValue(false, true, 0x04), "0");
  EXPECT_EQ(CheckMacroValue(true, false, 0), "1");
  EXPECT_EQ(CheckMacroValue(false, false, 0), "0");
}

TEST(DataFormatMacros, DataFieldsAreNumberedInFrameOrder) {
  CStringMap macros;
  AddDataFieldMacros(macros, {{"COMMAND", false}, {"CONST_CODE2", true}, {"CONST_CODE3/", false}});
  EXPECT_EQ(macros["DATA1"], "1");
  EXPECT_EQ(macros["DATA1_TYPE"], "0");
  EXPECT_EQ(macros["DATA1_Complement"], "0");
  EXPECT_EQ(macros["DATA2_TYPE"], "2");
  EXPECT_EQ(macros["DATA2_Complement"], "1");
  EXPECT_EQ(macros["DATA3_TYPE"], "3") << "the code's number, not the text's last character";
  EXPECT_EQ(macros["TOTAL_BYTES"], "3");
  EXPECT_EQ(macros.size(), 10u);

  macros.clear();
  AddDataFieldMacros(macros, {});
  EXPECT_EQ(macros["TOTAL_BYTES"], "0");
}

TEST(DataFormatSendBits, CountsAreNumbersInAssemblerHexadecimal) {
  CDocManage doc;
  doc.McuName = "QK21B0510";
  doc.SetParam(24, "0x10");  // committed form of 16
  doc.SetParam(25, "8");     // as typed
  doc.SetParam(26, "12");
  doc.SetParam(16, "0x7");
  const std::string table = SendBitsTable(
      doc, {{"CONST_CODE1"}, {"CONST_CODE2"}, {"CONST_CODE3"}, {"COMMAND"}, {"CONST_CODE1"}, {"COMMAND"}});
  EXPECT_EQ(table,
            "PUBLIC SEND_BITS_Bitcount\r\n"
            "SEND_BITS_CODE .section at  03E8H\t'code'\r\n"
            "SEND_BITS_Bitcount:\r\n"
            "DC\t010H\t;Send 1st byte\r\n"
            "DC\t08H\t;Send 2nd byte\r\n"
            "DC\t0cH\t;Send 3rd byte\r\n"
            "DC\t07H\t;Send 4th byte\r\n"
            "DC\t010H\t;Send 5th byte\r\n")
      << "sixth field left out";

  const std::string cut = SendBitsTable(doc, {{"COMMAND"}, {"ADDRESS"}, {"CONST_CODE1"}});
  EXPECT_NE(cut.find("DC\t07H\t;Send 1st byte\r\n"), std::string::npos);
  EXPECT_EQ(cut.find("2nd"), std::string::npos) << "a field without a count ends the table";
  const std::string empty = SendBitsTable(doc, {{"CONST_CODE4"}});
  EXPECT_EQ(empty.find("DC"), std::string::npos) << "an empty count ends it too";

  EXPECT_EQ(SendBitsSectionAddress("QK21A0510"), "03F8H");
  EXPECT_EQ(SendBitsSectionAddress("qk21a0510"), "03F8H");
  EXPECT_EQ(SendBitsSectionAddress("QK21A0510X"), "03E8H");
}

TEST(DataFormatFiles, TemplatePathReplacesTheIncludeExtension) {
  EXPECT_EQ(IncludeTemplatePath("/nowhere/Template", "IR_UserDef.inc"),
            "/nowhere/Template/GenUEF_IR_UserDef.temp");
}

// --- Frame set-ups through the page's handlers.

const wxString kFixtures = platform::JoinPath(OLV_SOURCE_DIR, "tests/fixtures/dataformat");
// The install's definitions: the Custom protocol's setting.ini.
const wxString kDefinitions =
    platform::JoinPath(OLV_SOURCE_DIR, "install/RemoteControlSetting/General/Protocols/Custom/setting.ini");

struct stSetup {
  const char* name;  // expected files <name>.inc and <name>.asm
  const char* mcu;
  int sendType;
  bool repeatCode;  // the connect code (needed by the toggle send type)
  const char* addressBits;
  const char* address;
  const char* commandBits;
  const char* constBits[4];  // empty: the code stays as the send type leaves it
  const char* constValues[4];
  int polarity[4];  // -1: as the send type leaves it
  int sendOrder;    // -1 as the send type leaves it, 0 MSB, 1 LSB
  int startValue;   // -1 unchanged, else the radio
  int toggleStart;
  const char* extraBlocks[3];  // placed after the send type
};

void PrintTo(const stSetup& setup, std::ostream* os) { *os << setup.name; }

const stSetup kSetups[] = {
    {"two_codes_8_8",
     "QK21A0510",
     0,
     false,
     "8",
     "A5",
     "8",
     {"8", "8", "", ""},
     {"12", "ED", "", ""},
     {-1, 1, -1, -1},
     -1,
     -1,
     -1,
     {}},
    {"toggle_16_8",
     "QK21B0510",
     1,
     true,
     "16",
     "1234",
     "8",
     {"16", "", "", ""},
     {"BEEF", "", "", ""},
     {1, -1, -1, -1},
     -1,
     -1,
     0,
     {}},
    {"start_0_8",
     "qk21a0510",
     2,
     false,
     "0",
     "",
     "8",
     {"8", "", "", ""},
     {"5A", "", "", ""},
     {-1, -1, -1, -1},
     -1,
     0,
     -1,
     {}},
    {"three_codes",
     "QK21C1020",
     3,
     false,
     "8",
     "0",
     "7",
     {"8", "4", "12", ""},
     {"1", "A", "ABC", ""},
     {-1, -1, 1, -1},
     -1,
     -1,
     -1,
     {}},
    {"four_codes_msb",
     "QK21C1020",
     4,
     false,
     "8",
     "FF",
     "16",
     {"8", "8", "16", "10"},
     {"C3", "3C", "8001", "3FF"},
     {-1, 1, -1, 1},
     0,
     -1,
     -1,
     {"CONST_CODE2", "CONST_CODE3", "CONST_CODE4"}},
};

class DataFormatFilesTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  static void SetUpTestSuite() { ASSERT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR)); }
  void SetUp() override {
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    state.App().currentLangSection = "1252";
    state.Macros().clear();
    doc.TempFolder = dir.File("work");
    ASSERT_TRUE(wxMkDir(doc.TempFolder, 0755) == 0);
  }

  void Type(CDataFormatModel& page, int id, const char* text) {
    page.FindInput(id)->text = text;
    page.OnEditChanged(true, id);
  }

  testsupport::TempDir dir;
  testsupport::CMessageRecorder boxes;
  CDocManage doc;
};

class DataFormatGoldenTest : public DataFormatFilesTest, public ::testing::WithParamInterface<stSetup> {};

TEST_P(DataFormatGoldenTest, IncludeFileAndSendBitsEqualTheExpectedFiles) {
  const stSetup& s = GetParam();
  doc.McuName = s.mcu;
  doc.RepeatCodeOn = s.repeatCode ? 1 : 0;
  doc.NewProject = 1;
  doc.FormatType = -1;
  CDataFormatModel page(doc);
  ASSERT_TRUE(wxFileExists(CDataFormatModel::DefinitionPathFor(doc.RemoteType)));
  ASSERT_TRUE(page.LoadFromProject()) << "the install's definitions";
  page.OnSendTypeChanged(s.sendType);

  for (const char* block : s.extraBlocks) {
    if (!block) continue;
    const int k = ConstCodeNumber(block);
    if (k != 0 && !page.FindCheck(kConstEnable[k - 1])->checked) page.OnConstCodeClicked(k, true);
    page.ApplyBlockToSendFormats(block, false, false);
  }
  // Codes the set-up gives no bit count to are switched off (code 1 has no box to click).
  for (int k = 2; k <= 4; ++k) {
    if (!*s.constBits[k - 1] && page.FindCheck(kConstEnable[k - 1])->checked)
      page.OnConstCodeClicked(k, false);
  }
  Type(page, kAddressBits, s.addressBits);
  Type(page, kAddress, s.address);
  Type(page, kCommandBits2, s.commandBits);
  Type(page, kCommandBits, s.commandBits);
  for (int k = 0; k < 4; ++k) {
    if (*s.constBits[k]) {
      Type(page, kConstBits[k], s.constBits[k]);
      Type(page, kConstValue[k], s.constValues[k]);
    }
    if (s.polarity[k] >= 0) page.OnPolarityChanged(k + 1, s.polarity[k]);
  }
  if (s.sendOrder >= 0) page.OnSendOrderClicked(s.sendOrder == 1);
  if (s.startValue >= 0) page.OnStartValueClicked(s.startValue == 1);
  if (s.toggleStart >= 0) page.OnToggleStartClicked(s.toggleStart == 1);

  ASSERT_TRUE(page.ValidateParams(0)) << page.errorLine;
  ASSERT_TRUE(page.StorePageData());
  ASSERT_TRUE(page.CheckAndApply());
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(doc.OutputProtocolName, "USER_DEF");
  EXPECT_EQ(doc.CodeMode, 15);

  const wxString golden = platform::JoinPath(kFixtures, "golden");
  EXPECT_EQ(testsupport::ReadBytes(platform::JoinPath(doc.TempFolder, "IR_UserDef.inc")),
            testsupport::ReadBytes(platform::JoinPath(golden, wxString(s.name) + ".inc")));
  EXPECT_EQ(testsupport::ReadBytes(platform::JoinPath(doc.TempFolder, "IR_SendBits.asm")),
            testsupport::ReadBytes(platform::JoinPath(golden, wxString(s.name) + ".asm")));
}

INSTANTIATE_TEST_SUITE_P(FrameSetups, DataFormatGoldenTest, ::testing::ValuesIn(kSetups),
                         [](const ::testing::TestParamInfo<stSetup>& info) {
                           return std::string(info.param.name);
                         });

// --- Failures of the commit.

class DataFormatCommitFailures : public DataFormatFilesTest {
 protected:
  // A page whose frame passes the checks, on definitions whose [FileName] is given.
  std::unique_ptr<CDataFormatModel> PageWith(const std::string& fileNames) {
    std::string definitions = testsupport::ReadBytes(kDefinitions);
    const std::size_t at = definitions.find("[FileName]");
    const std::size_t end = definitions.find("[PD0]");
    definitions.replace(at, end - at, fileNames);
    testsupport::WriteBytes(dir.File("setting.ini"), definitions);
    doc.NewProject = 1;
    doc.FormatType = -1;
    auto page = std::make_unique<CDataFormatModel>(doc);
    page->onFilesGenerated = [this] { ++generated; };
    EXPECT_TRUE(page->LoadFromProjectWith(dir.File("setting.ini")));
    page->OnSendTypeChanged(4);
    return page;
  }
  wxString Work(const char* name) { return platform::JoinPath(doc.TempFolder, name); }
  // Calls of the page's files-generated callback.
  int generated = 0;
};

TEST_F(DataFormatCommitFailures, MissingSendBitsNameIsFoundBeforeAnythingIsWritten) {
  auto page = PageWith("[FileName]\r\nName=IR_UserDef.inc\r\n");
  EXPECT_FALSE(page->CheckAndApply());
  EXPECT_FALSE(wxFileExists(Work("IR_UserDef.inc"))) << "the include file is not written either";
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_NE(boxes.boxes[0].text.find("Name1"), wxString::npos) << boxes.boxes[0].text;
  EXPECT_EQ(generated, 0);
}

TEST_F(DataFormatCommitFailures, UnreadableTemplateOrUnwritableFilesFailWithAMessage) {
  auto missingTemplate = PageWith("[FileName]\r\nName=IR_Missing.inc\r\nName1=IR_SendBits.asm\r\n");
  EXPECT_FALSE(missingTemplate->CheckAndApply());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_NE(boxes.boxes[0].text.find("GenUEF_IR_Missing.temp"), wxString::npos) << boxes.boxes[0].text;
  EXPECT_FALSE(wxFileExists(Work("IR_SendBits.asm"))) << "nothing after a failed step";
  EXPECT_EQ(generated, 0);

  // A folder where a file should go cannot be written, not even by root.
  boxes.boxes.clear();
  auto page = PageWith("[FileName]\r\nName=IR_UserDef.inc\r\nName1=IR_SendBits.asm\r\n");
  ASSERT_TRUE(wxMkDir(Work("IR_SendBits.asm"), 0755) == 0);
  EXPECT_FALSE(page->CheckAndApply());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_NE(boxes.boxes[0].text.find("IR_SendBits.asm"), wxString::npos) << boxes.boxes[0].text;

  boxes.boxes.clear();
  ASSERT_TRUE(wxRmdir(Work("IR_SendBits.asm")));
  ASSERT_TRUE(wxRemoveFile(Work("IR_UserDef.inc")));
  ASSERT_TRUE(wxMkDir(Work("IR_UserDef.inc"), 0755) == 0);
  EXPECT_FALSE(page->CheckAndApply());
  EXPECT_EQ(boxes.boxes.size(), 1u);
  EXPECT_FALSE(wxFileExists(Work("IR_SendBits.asm")));

  ASSERT_TRUE(wxRmdir(Work("IR_UserDef.inc")));
  boxes.boxes.clear();
  EXPECT_TRUE(page->CheckAndApply());
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(generated, 1) << "told once the files are written";
}

TEST_F(DataFormatCommitFailures, KeyCodesAreCutOnlyAfterTheUserAgrees) {
  auto page = PageWith("[FileName]\r\nName=IR_UserDef.inc\r\nName1=IR_SendBits.asm\r\n");
  page->FindInput(kCommandBits)->text = "6";
  page->StorePageData();
  doc.AddKeyValue(0x3F, "K1");
  doc.AddKeyValue(0xFF, "K2");
  boxes.answers = {platform::kIdCancel};
  EXPECT_FALSE(page->CheckAndApply());
  EXPECT_EQ(doc.KeyValues()[1].code, 0xFF);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].caption, "Warning");
  EXPECT_FALSE(wxFileExists(Work("IR_UserDef.inc")));

  boxes.answers = {platform::kIdOk};
  EXPECT_TRUE(page->CheckAndApply());
  EXPECT_EQ(boxes.boxes.size(), 2u) << "asked once";
  EXPECT_EQ(doc.KeyValues()[0].code, 0x3F);
  EXPECT_EQ(doc.KeyValues()[1].code, 0x3F);
}

}  // namespace
