#include "keys/KeyLineSet.h"
#include "keys/KeyPins.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyPins, NamesCompareWholeWithoutCase) {
  EXPECT_TRUE(SamePin("pa1", "PA1"));
  EXPECT_FALSE(SamePin("PA1", "PA10"));
  EXPECT_FALSE(SamePin("PA10", "PA1"));
  std::vector<wxString> pins = {"PA10", "pb2", "PA10"};
  EXPECT_FALSE(ContainsPin(pins, "PA1"));
  EXPECT_TRUE(ContainsPin(pins, "PB2"));
  EXPECT_FALSE(RemovePinFrom(pins, "PA1"));
  EXPECT_TRUE(RemovePinFrom(pins, "pa10"));
  EXPECT_EQ(pins, std::vector<wxString>{"pb2"});
  EXPECT_EQ(PinOfEntry(" PB3 (IR)"), "PB3");
}

TEST(KeyPins, ListsSplitIntoStepAndMatrixLines) {
  struct Case {
    const char* text;
    int keypad;
    std::vector<wxString> io, columns, rows;
  };
  const Case cases[] = {
      {"", kKeypadStep, {}, {}, {}},
      {"PA0, PA1 ,,PB0", kKeypadStep, {"PA0", "PA1", "", "PB0"}, {}, {}},
      {"PA0,PA1,,PB0,PB1", kKeypadMatrix, {}, {"PA0", "PA1"}, {"PB0", "PB1"}},
      {"PA0,PA1,", kKeypadMatrix, {}, {"PA0", "PA1"}, {}},  // ends in the separator: no rows
      {"PA0,,PB0,,PB1", kKeypadMatrix, {}, {"PA0"}, {"PB0", "", "PB1"}},
  };
  for (const Case& c : cases) {
    const stKeyPinList list = ParseKeyPinList(c.text, c.keypad);
    EXPECT_EQ(list.io, c.io) << c.text;
    EXPECT_EQ(list.columns, c.columns) << c.text;
    EXPECT_EQ(list.rows, c.rows) << c.text;
    if (c.keypad == kKeypadMatrix && !c.rows.empty()) {
      EXPECT_EQ(FormatKeyPinList(list, c.keypad), c.text);
    }
  }
}

TEST(KeyPins, CountsAndSizesFollowTheVssLine) {
  const stKeyPinList matrix = ParseKeyPinList("PA0,PA1,,PB0,PB1,PB2", kKeypadMatrix);
  stKeyLineCounts counts;
  counts.columns = 2;
  counts.rows = 4;  // one of them the VSS line
  EXPECT_TRUE(KeyPinListMatches(matrix, kKeypadMatrix, counts, true));
  EXPECT_FALSE(KeyPinListMatches(matrix, kKeypadMatrix, counts, false));
  const stKeyLineCounts size = KeypadSizeFor(matrix, kKeypadMatrix, true, false);
  EXPECT_EQ(size.columns, 2);
  EXPECT_EQ(size.rows, 4);

  const stKeyPinList step = ParseKeyPinList("PA0,PA1,PA2", kKeypadStep);
  EXPECT_EQ(KeypadSizeFor(step, kKeypadStep, false, true).io, 2);
  EXPECT_EQ(KeypadSizeFor(step, kKeypadStep, true, true).io, 3);
  EXPECT_EQ(KeypadSizeFor(ParseKeyPinList("", kKeypadStep), kKeypadStep, false, true).io, 0);
}

TEST(KeyLineSet, DropsGoOnlyToFreeLinesAndNeverTwice) {
  CKeyLineSet lines;
  lines.Setup(kKeypadMatrix, 8);
  ASSERT_EQ(lines.LineCount(), 16);
  EXPECT_TRUE(lines.DropPin(0, "PA0"));
  EXPECT_TRUE(lines.DropPin(lines.FirstRowLine() + 1, "PB1"));
  EXPECT_FALSE(lines.DropPin(1, "pa0")) << "a pin already on a line";
  EXPECT_FALSE(lines.DropPin(0, "PA2")) << "a line that holds a pin";
  EXPECT_FALSE(lines.DropPin(16, "PA2")) << "no such line";
  EXPECT_EQ(lines.PinAt(1), "");
  EXPECT_EQ(FormatKeyPinList(lines.PinList(), kKeypadMatrix), "PA0,,,PB1");
  EXPECT_TRUE(lines.RemovePin("pb1"));
  EXPECT_EQ(lines.PinsInUse(), std::vector<wxString>{"PA0"});

  lines.Setup(kKeypadStep, 16);
  lines.LoadPinList(ParseKeyPinList("PA0,,PA2", kKeypadStep));
  EXPECT_EQ(lines.CountsInUse().io, 3);
  EXPECT_TRUE(lines.UsesPin("PA2"));
  EXPECT_FALSE(lines.UsesPin(""));
}

}  // namespace
