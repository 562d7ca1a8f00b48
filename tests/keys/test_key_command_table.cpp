// The key-command table against hand-written expected files, its refusals,
// and the key cells and code slots it is made from.
#include "keys/KeyCommandTable.h"

#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/AppContext.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

#include <filesystem>
#include <initializer_list>
#include <utility>

namespace {

const wxString kGolden = wxString(OLV_SOURCE_DIR) + "/tests/fixtures/keys/table/";

stKeypadShape Step(int lines, int active) {
  stKeypadShape shape;
  shape.lines = lines;
  shape.active = active;
  return shape;
}

stKeypadShape Matrix(int columns, int activeColumns, int activeRows, bool vss) {
  stKeypadShape shape;
  shape.matrix = true;
  shape.lines = columns;
  shape.active = activeColumns;
  shape.activeRows = activeRows;
  shape.vssLine = vss;
  return shape;
}

struct stGoldenCase {
  const char* file;
  stKeypadShape shape;
  const char* mcu;
  std::vector<std::pair<int, std::int32_t>> codes;
  KeyNameMap names;
};

std::string ReadBytes(const wxString& path) {
  std::string bytes;
  EXPECT_TRUE(platform::ReadFileBytes(path, bytes)) << path;
  return bytes;
}

class KeyCommandTable : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    state.App().currentLangSection = state.App().defaultLangSection = "1252";
  }
  testsupport::TempDir dir;
};

TEST_F(KeyCommandTable, MatchesTheHandWrittenTables) {
  std::vector<std::pair<int, std::int32_t>> largest;
  for (int cell = 0; cell < 72; ++cell) largest.emplace_back(cell, cell);
  std::vector<std::pair<int, std::int32_t>> fiveLines;
  int code = 0x81;
  for (const int cell : {0, 1, 2, 3, 4, 16, 17, 18, 19, 31, 32, 33, 45, 46, 58})
    fiveLines.emplace_back(cell, code++);
  fiveLines.emplace_back(5, 0x55);  // outside the lines in use
  const stGoldenCase cases[] = {
      {"step3_full_qk21b.ASM",
       Step(3, 3),
       "QK21B0510",
       {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}},
       {{1, "Power"}, {3, "Mute"}, {6, "Vol+"}}},
      {"step4_partial_qk21a.ASM",
       Step(4, 3),
       "QK21A0510",
       {{0, 0x45}, {2, 0x1a}, {3, 0x77}, {4, 0x46}, {7, 0xff}, {9, 0x10}},
       {{0x00, "Zero"}, {0x45, "Power"}, {0x46, "Mute"}, {0xff, "Off"}}},
      {"matrix3_novss_qk21c.ASM",
       Matrix(3, 2, 2, false),
       "QK21C0510",
       {{0, 0x10}, {1, 0x11}, {2, 0x99}, {4, 0x13}, {9, 0x50}},
       {{0x10, "Up"}, {0x13, "Down"}}},
      {"matrix3_vss_qk21c.ASM",
       Matrix(3, 3, 2, true),
       "qk21c0510",
       {{0, 0x20}, {1, 0x21}, {2, 0x22}, {3, 0x23}, {4, 0x24}, {5, 0x25}},
       {{0x21, "A"}, {0x25, "B"}}},
      {"matrix8_vss_largest.ASM",
       Matrix(8, 8, 9, true),
       "QK37A0660",
       largest,
       {{0x00, "Power"}, {0x09, "Menu"}, {0x47, "Last"}}},
      {"step16_five_lines.ASM", Step(16, 5), "QK21D0660", fiveLines, {}},
  };
  for (const stGoldenCase& c : cases) {
    CKeySlotTable slots;
    for (const auto& [cell, value] : c.codes) slots.Set(cell, value);
    stKeyTableInput input;
    input.shape = c.shape;
    input.slots = &slots.All();
    input.commandBits = 8;
    input.mcu = c.mcu;
    const wxString path = dir.File(c.file);
    ASSERT_TRUE(WriteKeyCommandTable(path, input, c.names)) << c.file;
    EXPECT_EQ(ReadBytes(path), ReadBytes(kGolden + c.file)) << c.file;
  }
}

TEST_F(KeyCommandTable, NamesWithLineBreaksStayOnTheirCommentLine) {
  CKeySlotTable slots;
  slots.Set(0, 7);
  const stKeyTableInput input{Step(1, 1), &slots.All(), 8, "X"};
  std::vector<stKeyTableEntry> entries;
  stKeyTableFailure failure;
  ASSERT_TRUE(CollectKeyTableEntries(input, {{7, "A\r\nB"}}, entries, failure));
  EXPECT_EQ(FormatTableRow(entries, 0, 1, 1), "0:A  B  ");
}

TEST_F(KeyCommandTable, RefusesCodesWiderThanTheCommandWithItsOwnMessageAndNoFile) {
  struct {
    int bits;
    std::int32_t code;
    bool fits;
  } const cases[] = {
      {8, 0xFF, true},
      {8, 0x100, false},
      {4, 0xF, true},
      {4, 0x1F, false},
      // A table entry is one byte, however wide the command.
      {16, 0xFF, true},
      {16, 0x1234, false},
      {0, 0, true},
      {0, 1, false},
  };
  for (const auto& c : cases) {
    testsupport::CMessageRecorder boxes;
    CKeySlotTable slots;
    slots.Set(0, 0);
    slots.Set(2, c.code);  // the third key in use of a 2-line step keypad
    stKeyTableInput input{Step(2, 2), &slots.All(), c.bits, "QK21A0510"};
    const wxString path = dir.File("Table.ASM");
    if (wxFileName::FileExists(path)) wxRemoveFile(path);
    EXPECT_EQ(WriteKeyCommandTable(path, input, {}), c.fits) << c.bits << " " << c.code;
    EXPECT_EQ(wxFileName::FileExists(path), c.fits);
    if (c.fits) {
      EXPECT_TRUE(boxes.boxes.empty());
      continue;
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.Find(wxString::Format("S%d", 2)), wxNOT_FOUND) << boxes.boxes[0].text;
    EXPECT_NE(boxes.boxes[0].text.Find(wxString::Format("%XH", c.code)), wxNOT_FOUND) << boxes.boxes[0].text;
  }
}

TEST_F(KeyCommandTable, AnUncreatableFileIsNamedAndTheKeyErrorFormatIsChecked) {
  testsupport::CMessageRecorder boxes;
  CKeySlotTable slots;
  stKeyTableInput input{Step(2, 2), &slots.All(), 8, ""};
  const wxString path = dir.File("missing/folder/Table.ASM");
  EXPECT_FALSE(WriteKeyCommandTable(path, input, {}));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, wxString::Format(GetLangText("IDS_CREATE_TABLE_FAILED"), path));
  ShowKeyTableError(8);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_NE(boxes.boxes[1].text.Find("8"), wxNOT_FOUND);
  EXPECT_EQ(boxes.boxes[1].text.Find("%d"), wxNOT_FOUND);
}

TEST(KeyNames, AreKeyedByTheCodeByteLaterRecordsWinning) {
  CDocManage doc;
  doc.AddKeyValue(0x145, "High");
  doc.AddKeyValue(0x45, "Power");
  doc.AddKeyValue(0x1A, "Vol+");
  const KeyNameMap names = KeyNamesOf(doc);
  EXPECT_EQ(names.size(), 2u);
  EXPECT_EQ(names.at(0x45), "Power");
  EXPECT_EQ(names.at(0x1A), "Vol+");
}

TEST(KeyCells, NumberRowsOfStepAndMatrixKeypads) {
  const stKeypadShape step = Step(4, 2);
  EXPECT_EQ(step.CellCount(), 10);
  EXPECT_EQ(step.CellIndex(1, 0), 4);
  EXPECT_EQ(step.CellIndex(3, 0), 9);
  EXPECT_EQ(step.CellIndex(3, 1), -1);
  EXPECT_EQ(step.ActiveCells(), (std::vector<int>{0, 1, 4}));
  int row = -1, column = -1;
  ASSERT_TRUE(step.CellAt(8, row, column));
  EXPECT_EQ(std::make_pair(row, column), std::make_pair(2, 1));

  const stKeypadShape matrix = Matrix(3, 2, 1, false);
  EXPECT_EQ(matrix.CellCount(), 12);
  EXPECT_EQ(matrix.RowCount(), 4);
  EXPECT_EQ(matrix.TableLength(), 9);
  EXPECT_EQ(Matrix(3, 2, 1, true).TableLength(), 12);
  EXPECT_EQ(Step(16, 0).TableLength(), kKeySlotCount);
  EXPECT_EQ(matrix.ActiveCells(), (std::vector<int>{0, 1}));
}

TEST(KeyCells, LineMapsTieTheFirstRowToVss) {
  EXPECT_EQ(StepLineMaps(4, true, false).rows, (std::vector<int>{-1, 3, 2, 1}));
  EXPECT_EQ(StepLineMaps(4, false, false).rows, (std::vector<int>{4, 3, 2, 1}));
  EXPECT_EQ(StepLineMaps(4, false, true).rows, (std::vector<int>{-1, 3, 2, 1}));
  EXPECT_EQ(MatrixLineMaps(3, true).rows, (std::vector<int>{-1, 3, 4, 5}));
  EXPECT_EQ(MatrixLineMaps(3, false).rows, (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(MatrixLineMaps(3, false).columns, (std::vector<int>{0, 1, 2}));
}

TEST(KeyCells, HitTestIsStrictlyInsideActiveCellsOnly) {
  const stKeypadShape step = Step(3, 2);
  const stKeyCellGeometry geometry{40};
  int row = -1, column = -1;
  EXPECT_TRUE(HitTestKeyCell(step, geometry, 18 + 60, 30, 0, 0, row, column));
  EXPECT_EQ(std::make_pair(row, column), std::make_pair(0, 1));
  EXPECT_FALSE(HitTestKeyCell(step, geometry, 17, 30, 0, 0, row, column));        // on the left edge
  EXPECT_FALSE(HitTestKeyCell(step, geometry, 18 + 120, 30, 0, 0, row, column));  // cell 2 not in use
  EXPECT_TRUE(HitTestKeyCell(step, geometry, 18, 30 + 50 - 40, 0, 40, row, column));
  EXPECT_EQ(std::make_pair(row, column), std::make_pair(1, 0));
}

TEST(KeySlots, EditorTextIsHexAndEmptyIsNoCode) {
  EXPECT_EQ(CKeySlotTable::ParseEditorText("1A"), 26);
  EXPECT_EQ(CKeySlotTable::ParseEditorText(""), kNoKeyCode);
  EXPECT_EQ(CKeySlotTable::ParseEditorText("10"), 16);
  EXPECT_EQ(CKeySlotTable::EditorText(26), "1a");
  EXPECT_EQ(CKeySlotTable::EditorText(kNoKeyCode), "");
}

TEST(KeySlots, TrimAndVssShiftKeepCodesWithTheirKeys) {
  CKeySlotTable slots;
  for (int i = 0; i < kKeySlotCount; ++i) slots.Set(i, i);
  slots.TrimOutside(Matrix(3, 2, 2, false));
  EXPECT_EQ(slots.Get(1), 1);
  EXPECT_EQ(slots.Get(2), kNoKeyCode);
  EXPECT_EQ(slots.Get(6), kNoKeyCode);
  EXPECT_EQ(slots.Get(20), 20);  // beyond the keypad

  slots.ShiftForVssRow(true, 3);
  EXPECT_EQ(slots.Get(0), kNoKeyCode);
  EXPECT_EQ(slots.Get(4), 1);
  EXPECT_EQ(slots.Get(135), 132);
  slots.ShiftForVssRow(false, 3);
  EXPECT_EQ(slots.Get(1), 1);
  EXPECT_EQ(slots.Get(132), 132);
  EXPECT_EQ(slots.Get(133), kNoKeyCode);  // pushed past the table when switched on
  EXPECT_FALSE(slots.Set(136, 1));
  EXPECT_EQ(slots.Get(-1), kNoKeyCode);
}

#ifdef __linux__
TEST_F(KeyCommandTable, AWriteCutShortLeavesNoHalfTable) {
  // Every write to /dev/full fails for want of space.
  const wxString path = dir.File("Table.ASM");
  std::error_code ec;
  std::filesystem::create_symlink("/dev/full", platform::ToFsPath(path), ec);
  ASSERT_FALSE(ec) << ec.message();
  testsupport::CMessageRecorder boxes;
  CKeySlotTable slots;
  stKeyTableInput input{Step(2, 2), &slots.All(), 8, ""};
  EXPECT_FALSE(WriteKeyCommandTable(path, input, {}));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_NE(boxes.boxes[0].text.Find(path), wxNOT_FOUND) << boxes.boxes[0].text;
  EXPECT_FALSE(wxFileExists(path) || platform::IsSymbolicLink(path));
  EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}
#endif

}  // namespace
