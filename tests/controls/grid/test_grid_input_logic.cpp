// The grid's input rules without a display: clipboard text, paste planning,
// sorting, keyboard moves, the hexadecimal editor, title tips, print pages.
#include "controls/grid/GridClipboardText.h"
#include "controls/grid/GridNavigation.h"
#include "controls/grid/GridPrintLayout.h"
#include "controls/grid/GridSort.h"
#include "controls/grid/InPlaceEditRules.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A 4 x 4 block of texts "rc"; hidden rows and columns by size 0.
struct TextTable {
  std::vector<int> heights{20, 20, 20, 20};
  std::vector<int> widths{50, 50, 50, 50};
  std::map<std::pair<int, int>, bool> unselected;

  GridTextSource Source() const {
    GridTextSource source;
    source.rowHeight = [this](int row) { return heights[row]; };
    source.columnWidth = [this](int col) { return widths[col]; };
    source.isSelected = [this](int row, int col) { return !unselected.count({row, col}); };
    source.text = [](int row, int col) { return wxString::Format("%d%d", row, col); };
    return source;
  }
};

}  // namespace

TEST(GridClipboardText, TabsBetweenFieldsCrLfBetweenRowsAndNothingAfterTheLast) {
  TextTable table;
  EXPECT_EQ(BuildGridClipboardText(CellRange(1, 1, 2, 3), table.Source()), "11\t12\t13\r\n21\t22\t23");
  EXPECT_EQ(BuildGridClipboardText(CellRange(2, 2, 2, 2), table.Source()), "22");
  EXPECT_EQ(BuildGridClipboardText(CellRange(), table.Source()), "");
}

TEST(GridClipboardText, HiddenColumnsAndRowsGiveNoFieldUnselectedCellsAnEmptyOne) {
  TextTable table;
  table.widths[2] = 0;
  table.heights[1] = 0;
  table.unselected[{2, 3}] = true;
  EXPECT_EQ(BuildGridClipboardText(CellRange(0, 1, 2, 3), table.Source()), "01\t03\r\n21\t");
}

TEST(GridClipboardText, PasteSplitsAtTabsCommasAndLineFeedsAndTrims) {
  const auto lines = SplitGridPasteText("1,2\t3\r\n  a \t b\r\n");
  ASSERT_EQ(lines.size(), 2u) << "the empty rest after the last line feed is no line";
  EXPECT_EQ(lines[0], (std::vector<wxString>{"1", "2", "3"}));
  EXPECT_EQ(lines[1], (std::vector<wxString>{"a", "b"}));
  EXPECT_TRUE(SplitGridPasteText("").empty());
  EXPECT_EQ(SplitGridPasteText("x").size(), 1u);
}

TEST(GridClipboardText, PastePlanSkipsHiddenCellsAndDropsWhatRunsPastTheGrid) {
  const std::vector<int> heights{20, 20, 0, 20};
  const std::vector<int> widths{20, 20, 0, 20};
  const auto rowHeight = [&](int row) { return heights[row]; };
  const auto columnWidth = [&](int col) { return widths[col]; };
  const auto writes =
      PlanGridPaste(SplitGridPasteText("a\tb\tc\r\nd\te\r\nf"), 1, 1, 4, 4, rowHeight, columnWidth);
  std::vector<std::tuple<int, int, wxString>> got;
  for (const auto& write : writes) got.emplace_back(write.row, write.col, write.text);
  const std::vector<std::tuple<int, int, wxString>> expected{
      {1, 1, "a"}, {1, 3, "b"}, {3, 1, "d"}, {3, 3, "e"}};
  EXPECT_EQ(got, expected) << "c and the line f run past the last column and row";
}

TEST(GridSort, QuickSortMovesWholeRowsBothWays) {
  // Rows are heap items that travel with their row, as cells do.
  std::vector<std::unique_ptr<int>> rows;
  for (int value : {5, 3, 9, 1, 3, 7, 2}) rows.push_back(std::make_unique<int>(value));
  GridRowSorter sorter;
  sorter.item = [&](int row) -> const void* { return rows[row].get(); };
  sorter.compare = [](const void* a, const void* b) {
    const int x = *static_cast<const int*>(a);
    const int y = *static_cast<const int*>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
  };
  sorter.swapRows = [&](int a, int b) { std::swap(rows[a], rows[b]); };
  const auto values = [&]() {
    std::vector<int> out;
    for (const auto& row : rows) out.push_back(*row);
    return out;
  };
  ASSERT_TRUE(GridQuickSortRows(sorter, 1, 6, true));
  EXPECT_EQ(values(), (std::vector<int>{5, 1, 2, 3, 3, 7, 9})) << "row 0 (fixed) stays";
  ASSERT_TRUE(GridQuickSortRows(sorter, 1, 6, false));
  EXPECT_EQ(values(), (std::vector<int>{5, 9, 7, 3, 3, 2, 1}));
  EXPECT_FALSE(GridQuickSortRows(sorter, 3, 3, true));
}

TEST(GridSort, VirtualOrderSortIsStableDescendingToo) {
  // Keys by row: rows 1 and 3 tie, as do 2 and 4.
  const std::vector<int> key{0, 1, 2, 1, 2};
  const auto less = [&](int a, int b) { return key[a] < key[b]; };
  std::vector<int> order{0, 1, 2, 3, 4};
  GridSortRowOrder(order, 1, less, false);
  EXPECT_EQ(order, (std::vector<int>{0, 2, 4, 1, 3}));
  GridSortRowOrder(order, 1, less, true);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 3, 2, 4}));
}

class GridNavigationTest : public ::testing::Test {
 protected:
  // 1 fixed row and column; row 3 and column 2 hidden.
  void SetUp() override {
    geometry.ResizeRows(5, 20);
    geometry.ResizeColumns(5, 40);
    geometry.SetFixedRowCount(1);
    geometry.SetFixedColumnCount(1);
    geometry.SetRowHeight(3, 0);
    geometry.SetColumnWidth(2, 0);
  }
  CCellID Move(CCellID from, GridMoveKey key, bool ctrl = false) {
    return ComputeGridKeyMove(geometry, from, key, ctrl).next;
  }
  CGridGeometry geometry;
};

TEST_F(GridNavigationTest, ArrowsSkipHiddenCellsAndStopAtTheFixedOnesAndTheEdges) {
  EXPECT_EQ(Move({2, 1}, GridMoveKey::Down), CCellID(4, 1));
  EXPECT_EQ(Move({4, 1}, GridMoveKey::Down), CCellID(4, 1));
  EXPECT_EQ(Move({1, 1}, GridMoveKey::Up), CCellID(1, 1));
  EXPECT_EQ(Move({1, 1}, GridMoveKey::Right), CCellID(1, 3));
  EXPECT_EQ(Move({1, 1}, GridMoveKey::Left), CCellID(1, 1));
  EXPECT_EQ(Move({2, 3}, GridMoveKey::Home), CCellID(2, 1));
  EXPECT_EQ(Move({2, 3}, GridMoveKey::End, true), CCellID(4, 4));
  EXPECT_EQ(Move({4, 4}, GridMoveKey::Home, true), CCellID(1, 1));
}

TEST_F(GridNavigationTest, TabWrapsToTheNextRowAndPassesOnAtTheEnd) {
  GridKeyMove move = ComputeGridKeyMove(geometry, {2, 4}, GridMoveKey::Tab, false);
  EXPECT_EQ(move.next, CCellID(4, 1));
  EXPECT_TRUE(move.wrapped);
  move = ComputeGridKeyMove(geometry, {4, 4}, GridMoveKey::Tab, false);
  EXPECT_TRUE(move.passOn) << "Tab in the last cell goes to the dialog";
  move = ComputeGridKeyMove(geometry, {2, 1}, GridMoveKey::ShiftTab, false);
  EXPECT_EQ(move.next, CCellID(1, 4));
  EXPECT_TRUE(ComputeGridKeyMove(geometry, {1, 1}, GridMoveKey::ShiftTab, false).passOn);
}

TEST(InPlaceEditRules, HexEditorTakesOneByteOnly) {
  struct Case {
    const char* text;
    wxChar ch;
    bool accepted;
  };
  const Case cases[] = {
      {"0", 'x', true},   {"1", 'x', false},  {"0x", 'x', false},  {"", 'x', false},     {"25", '5', true},
      {"25", '6', false}, {"0x", 'f', true},  {"0xf", 'F', true},  {"0xff", '0', false}, {"1", 'a', false},
      {"", 'g', false},   {"0x0", '7', true}, {"0000", '1', true}, {"12", '-', false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HexEditAccepts(c.text, c.ch), c.accepted) << c.text << " + " << static_cast<char>(c.ch);
  EXPECT_TRUE(HexEditTextValid("0x1f"));
  EXPECT_FALSE(HexEditTextValid("300"));
  EXPECT_FALSE(HexEditTextValid("00000000000000000000256"));
}

TEST(InPlaceEditRules, HexEditorWritesItsTextBackAsTwoHexDigits) {
  EXPECT_EQ(NormalizeHexEditText("12"), "0x0c");
  EXPECT_EQ(NormalizeHexEditText(""), "0x00");
  EXPECT_EQ(NormalizeHexEditText("0x"), "0x00");
  EXPECT_EQ(NormalizeHexEditText("0XAB"), "0xab");
  EXPECT_EQ(NormalizeHexEditText("255"), "0xff");
}

TEST(InPlaceEditRules, HowTheFirstKeyStartsAnEdit) {
  EXPECT_EQ(ClassifyEditStart(kGridEditByMouse), EditStart::CaretAtEnd);
  EXPECT_EQ(ClassifyEditStart(WXK_RETURN), EditStart::CaretAtEnd);
  EXPECT_EQ(ClassifyEditStart(WXK_BACK), EditStart::DeleteLast);
  EXPECT_EQ(ClassifyEditStart(WXK_LEFT), EditStart::SelectAll);
  EXPECT_EQ(ClassifyEditStart(' '), EditStart::SelectAll);
  // Characters that share their codes with navigation keys elsewhere still type.
  for (int ch : {'7', '$', '%', '&', '(', '!'})
    EXPECT_EQ(ClassifyEditStart(ch), EditStart::ReplaceWithChar) << ch;
}

TEST(InPlaceEditRules, TitleTipOnlyForTextThatDoesNotFit) {
  EXPECT_FALSE(TitleTipNeeded(10, 110, 90, 0));
  EXPECT_TRUE(TitleTipNeeded(10, 110, 101, 0));
  EXPECT_TRUE(TitleTipNeeded(10, 110, 90, 4));
}

TEST(GridPrintLayout, RowsFillPagesAndAnOversizedRowGetsAPageOfItsOwn) {
  const std::vector<int> heights{10, 30, 30, 30, 100, 10};
  const auto size = [&](int i) { return heights[i]; };
  // Row 0 fixed; pages of 60: {1,2} {3} {4} {5}.
  EXPECT_EQ(CountPrintPages(1, 6, 60, size), 4);
  EXPECT_EQ(FirstIndexOfPage(1, 6, 60, 1, size), 1);
  EXPECT_EQ(FirstIndexOfPage(1, 6, 60, 2, size), 3);
  EXPECT_EQ(FirstIndexOfPage(1, 6, 60, 3, size), 4);
  EXPECT_EQ(FirstIndexOfPage(1, 6, 60, 4, size), 5);
  EXPECT_EQ(CountPrintPages(1, 1, 60, size), 1) << "a grid without data rows prints one page";
}
