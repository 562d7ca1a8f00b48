// The key sources of a general remote: the files generated into the work
// folder from the install's templates against hand-written expected files,
// the set-up checks, the saved keys taken from the grid, and what a failure
// leaves behind.
#include "keys/KeySourceGeneration.h"

#include "core/AppContext.h"
#include "core/ExprEngine.h"
#include "core/LangText.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filefn.h>

namespace {

const wxString kExpected = wxString(OLV_SOURCE_DIR) + "/tests/fixtures/keys/sources/";
const wxString kTemplates = wxString(OLV_SOURCE_DIR) + "/install/Template";

std::string ReadBytes(const wxString& path) {
  std::string bytes;
  EXPECT_TRUE(platform::ReadFileBytes(path, bytes)) << path;
  return bytes;
}

std::string ReadText(const wxString& path) {
  std::string bytes;
  platform::ReadFileBytes(path, bytes);
  return bytes;
}

CKeyLineSet Lines(int keypad, int limit, const std::vector<const char*>& pins) {
  CKeyLineSet lines;
  lines.Setup(keypad, limit);
  for (std::size_t i = 0; i < pins.size(); ++i) lines.PutPin(static_cast<int>(i), pins[i]);
  return lines;
}

class KeySources : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  static void SetUpTestSuite() { ASSERT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR)); }
  void SetUp() override {
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    state.App().currentLangSection = state.App().defaultLangSection = "1252";
    state.Macros().clear();
    doc.TempFolder = work.Path();
    doc.CommandBits = 8;
  }
  void TearDown() override { doc.TempFolder.clear(); }

  wxString WorkFile(const char* name) const { return platform::JoinPath(work.Path(), name); }

  testsupport::TempDir work;
  CDocManage doc;
  CKeySlotTable slots;
};

TEST_F(KeySources, StepAndMatrixKeypadsGiveTheExpectedIncludeFiles) {
  struct Case {
    const char* name;
    int keypad;
    int limit;
    std::vector<const char*> pins;
    int vss;
    int remDrv;
    stKeyLedChoice led;
  } const cases[] = {
      // A free line between two pins keeps its number, the lines after the last
      // pin are not defined; the matrix lines drop out.
      {"step", kKeypadStep, 6, {"PA0", "pa1", "", "PB3"}, 0, 1, {0, "PA5"}},
      // Columns numbered without the free slot; rows after the column limit.
      {"matrix", kKeypadMatrix, 3, {"PA0", "", "PA2", "PB0", "PB1"}, 1, 0, {1, "pc3"}},
  };
  for (const Case& c : cases) {
    const CKeyLineSet lines = Lines(c.keypad, c.limit, c.pins);
    doc.Keypad = c.keypad;
    doc.VssRow = c.vss;
    doc.RemDrv = c.remDrv;
    stGeneralKeySources input;
    input.lines = &lines;
    input.led = c.led;
    input.shape.matrix = c.keypad == kKeypadMatrix;
    input.shape.lines = c.limit;
    input.shape.active = 2;
    input.shape.activeRows = 2;
    input.slots = &slots.All();
    testsupport::CMessageRecorder boxes;
    ASSERT_TRUE(GenerateGeneralKeySources(doc, input, kTemplates)) << c.name;
    EXPECT_TRUE(boxes.boxes.empty()) << c.name;
    for (const char* file : {kKeyMappingFile, kDrivingFile}) {
      EXPECT_EQ(ReadBytes(WorkFile(file)), ReadBytes(kExpected + c.name + "_" + file))
          << c.name << " " << file;
    }
    EXPECT_TRUE(wxFileExists(WorkFile(kKeyTableFile))) << c.name;
  }
}

TEST_F(KeySources, AnUncheckedLedLeavesNoPinOfAnEarlierRun) {
  const CKeyLineSet lines = Lines(kKeypadStep, 2, {"PA0", "PA1"});
  stGeneralKeySources input;
  input.lines = &lines;
  input.led = {1, "PB1"};
  WriteKeyMappingDefines(state.Macros(), doc, input);
  EXPECT_EQ(g_MacroMap["LED_DRV"], "1");
  EXPECT_EQ(g_MacroMap["LED_IO_C"], "PBC1");
  input.led = {0, "PB1"};
  WriteKeyMappingDefines(state.Macros(), doc, input);
  EXPECT_EQ(g_MacroMap["LED_DRV"], "0");
  EXPECT_EQ(g_MacroMap.count("LED_IO"), 0u);
  EXPECT_EQ(g_MacroMap.count("LED_IO_C"), 0u);
  // The third state drives no LED but keeps its pin.
  input.led = {2, "PB1"};
  WriteKeyMappingDefines(state.Macros(), doc, input);
  EXPECT_EQ(g_MacroMap["LED_DRV"], "0");
  EXPECT_EQ(g_MacroMap["LED_IO"], "PB1");
}

TEST_F(KeySources, LinesWithoutPinsWriteTheCommentLines) {
  // A matrix without pins, and the touch chip's step lines, which hold none.
  for (const int keypad : {kKeypadMatrix, kKeypadStep}) {
    const CKeyLineSet lines = Lines(keypad, keypad == kKeypadStep ? 8 : 2, {});
    stGeneralKeySources input;
    input.lines = &lines;
    WriteKeyMappingDefines(state.Macros(), doc, input);
    EXPECT_EQ(g_MacroMap["IOReg"], ";//////IOReg data is not defined//////") << keypad;
    EXPECT_EQ(g_MacroMap["IORegC"], ";//////IORegC data is not defined//////") << keypad;
    EXPECT_EQ(g_MacroMap["ROW_SCAN_LINE"], "#define ROW_SCAN_LINE 0") << keypad;
  }
}

TEST_F(KeySources, TheVssRowIsARowInUse) {
  // Columns alone are a keypad when their keys are tied to VSS.
  const CKeyLineSet lines = Lines(kKeypadMatrix, 2, {"PA0", "PA1"});
  doc.Keypad = kKeypadMatrix;
  doc.VssRow = 1;
  stGeneralKeySources input;
  input.lines = &lines;
  input.slots = &slots.All();
  testsupport::CMessageRecorder boxes;
  ASSERT_TRUE(GenerateGeneralKeySources(doc, input, kTemplates));
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(g_MacroMap["ROW_SCAN_LINE"], "#define ROW_SCAN_LINE 1");
  EXPECT_EQ(g_MacroMap["ROWVSS"], "#define ROWVSS 1");
}

TEST_F(KeySources, TheTouchChipsKeysAreCheckedFirst) {
  // The touch check shows its own message; nothing is written after it.
  stGeneralKeySources input;
  input.touch = true;
  input.slots = &slots.All();
  int checks = 0;
  input.checkTouchKeys = [&checks] { return ++checks > 1; };
  testsupport::CMessageRecorder boxes;
  EXPECT_EQ(GenerateGeneralKeySources(doc, input, kTemplates).kind, stKeyGenerationResult::kRefused);
  EXPECT_EQ(checks, 1);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_FALSE(wxFileExists(WorkFile(kKeyTableFile)));
  EXPECT_TRUE(GenerateGeneralKeySources(doc, input, kTemplates));
  EXPECT_EQ(checks, 2);
}

TEST_F(KeySources, SavedKeysComeFromTheGridRows) {
  doc.AddKeyValue(0x99, "Stale");
  const std::vector<stSavedKeyRow> rows = {
      {"0x45", "Power"}, {"46H", "Mute"}, {"", "No code"}, {"16", "Ten"}, {"0x145", "Power 2"},
  };
  const KeyNameMap names = CollectKeyCodes(doc, rows);
  ASSERT_EQ(doc.GetKeyValueCount(), 4u);
  EXPECT_EQ(doc.KeyValues()[1].code, 0x46);
  EXPECT_EQ(doc.KeyValues()[2].code, 16);
  EXPECT_EQ(doc.KeyValues()[3].code, 0x145);
  EXPECT_EQ(names.size(), 3u);
  EXPECT_EQ(names.at(0x45), "Power 2");  // the same code byte: the later row wins
  EXPECT_EQ(names.at(0x46), "Mute");
  EXPECT_EQ(names.at(0x10), "Ten");
}

TEST_F(KeySources, ACodeTooWideStopsWithTheKeyErrorAndNoFiles) {
  const CKeyLineSet lines = Lines(kKeypadStep, 2, {"PA0", "PA1"});
  slots.Set(0, 0x100);
  stGeneralKeySources input;
  input.lines = &lines;
  input.shape.lines = 2;
  input.shape.active = 2;
  input.slots = &slots.All();
  ASSERT_TRUE(platform::WriteFileAtomically(WorkFile(kKeyTableFile), "old table"));
  testsupport::CMessageRecorder boxes;
  const stKeyGenerationResult result = GenerateGeneralKeySources(doc, input, kTemplates);
  EXPECT_EQ(result.kind, stKeyGenerationResult::kTableFailed);
  EXPECT_EQ(result.file, WorkFile(kKeyTableFile));
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text, wxString::Format(GetLangText("IDS_KEY_ERROR"), 8));
  EXPECT_FALSE(wxFileExists(WorkFile(kKeyTableFile)));
  EXPECT_FALSE(wxFileExists(WorkFile(kKeyMappingFile)));
}

TEST_F(KeySources, AMissingTemplateStopsNamingItsFileAndKeepsWhatEarlierPagesWrote) {
  testsupport::TempDir templates;
  ASSERT_TRUE(
      wxCopyFile(platform::JoinPath(kTemplates, "Key_Mapping.temp"), templates.File("Key_Mapping.temp")));
  ASSERT_TRUE(platform::WriteFileAtomically(WorkFile("IR_Standard.inc"), "#define ADDRESS 45H\r\n"));
  const CKeyLineSet lines = Lines(kKeypadStep, 2, {"PA0"});
  stGeneralKeySources input;
  input.lines = &lines;
  input.slots = &slots.All();
  testsupport::CMessageRecorder boxes;
  const stKeyGenerationResult result = GenerateGeneralKeySources(doc, input, templates.Path());
  EXPECT_EQ(result.kind, stKeyGenerationResult::kTemplateFailed);
  EXPECT_EQ(result.file, WorkFile(kDrivingFile));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_NE(boxes.boxes[0].text.Find(WorkFile(kDrivingFile)), wxNOT_FOUND) << boxes.boxes[0].text;
  EXPECT_NE(boxes.boxes[0].text.Find("Driving.temp"), wxNOT_FOUND) << boxes.boxes[0].text;
  EXPECT_FALSE(wxFileExists(WorkFile(kDrivingFile)));
  EXPECT_TRUE(wxFileExists(WorkFile(kKeyMappingFile)));
  EXPECT_EQ(ReadText(WorkFile("IR_Standard.inc")), "#define ADDRESS 45H\r\n");
}

TEST_F(KeySources, KeyNamesInTheTableSurviveTheFrameworkPreprocessor) {
  // Names holding the directive words would open, close or switch a
  // condition in an ".asm" file, or add a define.
  const std::vector<stSavedKeyRow> rows = {
      {"1", "WIFI"},  {"2", "SHIFT"}, {"3", "ELSE_KEY"},
      {"4", "ENDIF"}, {"5", "IFDEF"}, {"6", "#define ROWVSS 1"},
      {"7", "Power"},
  };
  const CKeyLineSet lines = Lines(kKeypadStep, 4, {"PA0", "PA1", "PA2", "PA3"});
  for (int cell = 0; cell < 7; ++cell) slots.Set(cell, cell + 1);
  slots.Set(9, 7);  // the last row: after the entries that hold the names
  stGeneralKeySources input;
  input.lines = &lines;
  input.shape.lines = 4;
  input.shape.active = 4;
  input.slots = &slots.All();
  input.savedKeyRows = &rows;
  ASSERT_TRUE(GenerateGeneralKeySources(doc, input, kTemplates));
  const std::string table = ReadText(WorkFile(kKeyTableFile));
  EXPECT_NE(table.find("0:WIfI  |  1:SHIfT  |  2:ELSe_KEY  |  3:ENDIf  |  4:IfDEF  |  5:#definE ROWVSS 1"),
            std::string::npos)
      << table;
  ASSERT_TRUE(doc.PreprocessFramework(work.Path()));
  // Every line stays; only the blanks at the very end of the file may go.
  const auto trimmed = [](const std::string& text) {
    return text.substr(0, text.find_last_not_of(" \r\n") + 1);
  };
  const std::string after = ReadText(WorkFile(kKeyTableFile));
  EXPECT_EQ(trimmed(after), trimmed(table));
  EXPECT_NE(after.find("//\t1:Power"), std::string::npos);
  EXPECT_NE(after.find("KEY_COMMAND_TABLE\tENDP"), std::string::npos);
}

TEST(KeySourceNames, ControlPinsAndTemplateNames) {
  EXPECT_EQ(ControlPinName("PA0", "C"), "PAC0");
  EXPECT_EQ(ControlPinName("PB12", "C"), "PBC12");
  EXPECT_EQ(ControlPinName("", "C"), "");
  EXPECT_EQ(KeyTemplateName("Key_Mapping.inc"), "Key_Mapping.temp");
  EXPECT_EQ(KeyTemplateName("Driving.inc"), "Driving.temp");
}

}  // namespace
