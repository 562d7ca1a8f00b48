// The key set-up's line cells without their window: packing, the saved pin
// list and what reads it back, the checks before the diagram, the key list.
#include "keys/KeySetupModel.h"

#include <gtest/gtest.h>

namespace {

CKeyLineSet Matrix(std::initializer_list<const char*> columns, std::initializer_list<const char*> rows) {
  CKeyLineSet lines;
  lines.Setup(kKeypadMatrix, 8);
  int line = 0;
  for (const char* pin : columns) lines.PutPin(line++, pin);
  line = lines.FirstRowLine();
  for (const char* pin : rows) lines.PutPin(line++, pin);
  return lines;
}

TEST(KeySetupLines, PinListFormatsAndReadsBackWithTheSameCounts) {
  struct Case {
    CKeyLineSet lines;
    const char* text;
  };
  CKeyLineSet step;
  step.Setup(kKeypadStep, 16);
  for (int i = 0; i < 3; ++i) step.PutPin(i, wxString::Format("PA%d", i));
  const Case cases[] = {
      {Matrix({"PA0", "PA1"}, {"PB0", "PB1"}), "PA0,PA1, ,PB0,PB1"},
      {Matrix({"PA0", "PA1"}, {}), "PA0,PA1"},
      {Matrix({}, {"PB0"}), " ,PB0"},
      {step, "PA0,PA1,PA2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatSetupPinList(c.lines), c.text);
    // The reader splits it into the same columns and rows.
    const stKeyPinList back = ParseKeyPinList(c.text, c.lines.Keypad());
    const stKeyLineCounts counts = c.lines.CountsInUse();
    EXPECT_TRUE(KeyPinListMatches(back, c.lines.Keypad(), counts, false)) << c.text;
  }
}

TEST(KeySetupLines, AnEmptiedMiddleColumnLeavesNoGap) {
  CKeyLineSet lines = Matrix({"PA0", "PA1", "PA2"}, {"PB0", "PB1"});
  lines.ClearLine(1);
  lines.ClearLine(lines.FirstRowLine());
  CompactKeyLines(lines);
  EXPECT_EQ(FormatSetupPinList(lines), "PA0,PA2, ,PB1");
  const stKeyLineCounts counts = lines.CountsInUse();
  EXPECT_EQ(counts.columns, 2);
  EXPECT_EQ(counts.rows, 1);
  const stKeyPinList back = ParseKeyPinList(FormatSetupPinList(lines), kKeypadMatrix);
  EXPECT_EQ(back.columns, (std::vector<wxString>{"PA0", "PA2"}));
  EXPECT_EQ(back.rows, (std::vector<wxString>{"PB1"}));
}

TEST(KeySetupLines, FirstFreeLineOfEachZone) {
  CKeyLineSet lines = Matrix({"PA0", "PA1", "PA2", "PA3", "PA4", "PA5", "PA6", "PA7"}, {"PB0"});
  EXPECT_EQ(FirstFreeKeyLine(lines, false), -1) << "every column taken";
  EXPECT_EQ(FirstFreeKeyLine(lines, true), lines.FirstRowLine() + 1);
}

TEST(KeySetupLines, ChecksBeforeTheDiagram) {
  CKeyLineSet noStep;
  noStep.Setup(kKeypadStep, 16);
  CKeyLineSet step = noStep;
  step.PutPin(0, "PA0");
  struct Case {
    const CKeyLineSet* lines;
    bool vss, ledTicked;
    const char* led;
    bool backlight;
    const char* problem;
  };
  const CKeyLineSet columnsOnly = Matrix({"PA0"}, {});
  const CKeyLineSet rowsOnly = Matrix({}, {"PB0"});
  const Case cases[] = {
      {&noStep, false, false, "", false, "IDS_NO_CONFIG_IO_PORT"},
      {&columnsOnly, false, false, "", false, "IDS_NO_CONFIG_ROWCOL_PORT"},
      {&columnsOnly, true, false, "", false, ""},  // the VSS row is a row
      {&rowsOnly, true, false, "", false, "IDS_NO_CONFIG_ROWCOL_PORT"},
      {&step, false, true, "", false, "IDS_NO_SEL_LED"},
      {&step, false, true, "", true, "IDS_NO_SEL_BACKLIGHT"},
      {&step, false, true, "PB5", false, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KeySetupProblem(*c.lines, c.vss, c.ledTicked, c.led, c.backlight), c.problem) << c.problem;
}

TEST(KeySetupLines, DiagramPathGetsItsExtension) {
  EXPECT_EQ(DiagramPdfPath("/tmp/keys"), "/tmp/keys.pdf");
  EXPECT_EQ(DiagramPdfPath("/tmp/keys.PdF"), "/tmp/keys.PdF");
  EXPECT_EQ(DiagramPdfPath("/tmp/keys.txt"), "/tmp/keys.txt.pdf");
}

TEST(KeySetupLines, KeyListNumbersKeysInUse) {
  stKeypadShape shape;
  shape.lines = 3;
  shape.active = 2;  // rows of 3, 2, 1 cells; in use: cells 0, 1 and 3
  std::vector<stKeyListEntry> keys(6);
  keys[1] = {{"Power", "Mute"}, "Key B"};
  keys[3] = {{}, "Key D"};
  EXPECT_EQ(BuildKeyList(shape, keys, false, {}),
            (std::vector<wxString>{"S0,0,", "S1,2,Power,Mute,Key B", "S2,0,Key D"}));
  std::vector<stKeyListEntry> touch(8);
  touch[2] = {{"Up"}, "Touch"};
  EXPECT_EQ(BuildKeyList(shape, touch, true, {false, false, true, false, false, false, false, true}),
            (std::vector<wxString>{"K3,1,Up,Touch", "K8,0,"}));
}

TEST(KeySetupLines, SnapshotTakesThePanelShapeAndCodes) {
  stKeypadShape shape;
  shape.matrix = true;
  shape.lines = 8;
  shape.active = 3;
  shape.activeRows = 2;
  shape.vssLine = true;
  CKeySlotTable slots;
  slots.Set(9, 0x45);
  const stKeySetupSnapshot snap = MakeKeySetupSnapshot(shape, slots, true, 40, 20, 110);
  EXPECT_EQ(snap.columnCells, 8);
  EXPECT_EQ(snap.rowCells, 9);
  EXPECT_EQ(snap.columnPins, 3);
  EXPECT_EQ(snap.rowPins, 2);
  EXPECT_TRUE(snap.rowVss);
  ASSERT_EQ(snap.codes.size(), 72u);
  EXPECT_EQ(snap.codes[9], 0x45u);
  EXPECT_EQ(snap.codes[0], kNoDiagramCode);
}

}  // namespace
