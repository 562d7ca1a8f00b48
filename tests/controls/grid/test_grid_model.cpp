// The grid's model: construction, fixed rows and columns, row insertion and
// deletion, items, modified flags, cell types, selection and focus, virtual
// mode and auto-sizing.
#include "GridTestSupport.h"

#include <wx/settings.h>

#include <map>
#include <vector>

using namespace gridtest;

namespace {

class GridModelTest : public GridFixture {
 protected:
  // Live until the frame is gone, since paints may still ask for cells.
  struct VirtualSource {
    std::vector<std::pair<int, int>> asked;
    int hints = 0;
    static bool Fill(GridDispInfo* info, GridParam param) {
      auto* self = reinterpret_cast<VirtualSource*>(param);
      self->asked.emplace_back(info->item.row, info->item.col);
      info->item.strText = wxString::Format("%d,%d", info->item.row, info->item.col);
      return true;
    }
  };
  VirtualSource source;
};

// A cell kind of the program's own, for cell-type changes.
class CMarkedCell : public CGridCell {
  wxDECLARE_DYNAMIC_CLASS(CMarkedCell);
};
wxIMPLEMENT_DYNAMIC_CLASS(CMarkedCell, CGridCell);

TEST_F(GridModelTest, ConstructionSetsDefaultsAndFixedBits) {
  MakeGrid(5, 4, 1, 1);
  EXPECT_EQ(grid->GetRowCount(), 5);
  EXPECT_EQ(grid->GetColumnCount(), 4);
  EXPECT_EQ(grid->GetGridLines(), GVL_BOTH);
  EXPECT_EQ(grid->GetGridLineColor(), 0xC0C0C0u);
  EXPECT_EQ(grid->GetGridBkColor(), ColorRefFromColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
  EXPECT_EQ(grid->GetTextBkColor(), ColorRefFromColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
  EXPECT_EQ(grid->GetFixedBkColor(), ColorRefFromColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
  EXPECT_EQ(grid->GetRowHeight(3), grid->GetDefaultCell(false, false)->GetHeight());
  EXPECT_EQ(grid->GetColumnWidth(3), grid->GetDefaultCell(false, true)->GetWidth());
  EXPECT_EQ(grid->GetRowsPerWheelNotch(), 3);
  EXPECT_STREQ(grid->GetName().c_str(), "OvGridCtrl");

  EXPECT_EQ(grid->GetItemState(0, 0), unsigned{GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL});
  EXPECT_EQ(grid->GetItemState(0, 2), unsigned{GVIS_FIXED | GVIS_FIXEDROW});
  EXPECT_EQ(grid->GetItemState(2, 0), unsigned{GVIS_FIXED | GVIS_FIXEDCOL});
  EXPECT_EQ(grid->GetItemState(2, 2), 0u);
  EXPECT_EQ(grid->GetItemFormat(2, 2), gridformat::kDefault);
  EXPECT_EQ(grid->GetCell(5, 0), nullptr);
  EXPECT_EQ(grid->GetItemText(-1, 0), "");
}

TEST_F(GridModelTest, FixedCountsGrowTheGridAndMoveTheFixedBits) {
  MakeGrid(2, 3, 0, 0);
  ASSERT_TRUE(grid->SetFixedRowCount(4));
  EXPECT_EQ(grid->GetRowCount(), 4);
  EXPECT_TRUE(grid->GetCell(3, 1)->IsFixedRow());

  grid->SetFixedColumnCount(1);
  grid->SetItemBkColour(2, 2, 0x123456);
  ASSERT_TRUE(grid->SetFixedRowCount(1));
  // A cell in a fixed column keeps being fixed; others lose the bits and their colours.
  EXPECT_EQ(grid->GetItemState(2, 0), unsigned{GVIS_FIXED | GVIS_FIXEDCOL});
  EXPECT_EQ(grid->GetItemState(2, 2), 0u);
  EXPECT_EQ(grid->GetItemBkColour(2, 2), kGridDefaultColor);

  grid->SetRowCount(0);
  EXPECT_EQ(grid->GetFixedRowCount(), 0);
}

TEST_F(GridModelTest, ShrinkingDropsCellsFocusAndSelection) {
  MakeGrid(6, 4, 1, 1);
  grid->SetFocusCell(5, 3);
  grid->SetSelectedRange(4, 1, 5, 3);
  ASSERT_EQ(grid->GetSelectedCount(), 6);
  grid->SetRowCount(5);
  EXPECT_FALSE(grid->IsValid(grid->GetFocusCell()));
  EXPECT_EQ(grid->GetSelectedCount(), 3);
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(4, 1, 4, 3));
  grid->SetColumnCount(2);
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(4, 1, 4, 1));
}

TEST_F(GridModelTest, ColumnCountChangesResetTheColumnOrder) {
  MakeGrid(3, 3, 1, 0);
  grid->Columns() = {0, 2, 1};
  grid->SetColumnCount(4);
  EXPECT_EQ(grid->Columns(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(GridModelTest, InsertRowOnlyBelowTheFixedRows) {
  MakeGrid(3, 2, 1, 0);
  grid->SetItemText(1, 0, "one");
  grid->SetItemText(2, 0, "two");
  EXPECT_EQ(grid->InsertRow("x", 0), -1);
  EXPECT_EQ(grid->InsertRow("x", 3), -1);
  EXPECT_EQ(grid->GetRowCount(), 3);

  EXPECT_EQ(grid->InsertRow("new", 1), 1);
  EXPECT_EQ(grid->GetItemText(1, 0), "new");
  EXPECT_EQ(grid->GetItemText(2, 0), "one");
  EXPECT_TRUE(grid->GetModified(1, 0));
  EXPECT_EQ(grid->InsertRow(""), 4);
  EXPECT_EQ(grid->GetRowHeight(4), grid->GetDefaultCell(true, false)->GetHeight());

  MakeGrid(0, 0, 0, 0);
  EXPECT_EQ(grid->InsertRow("first"), 0);
  EXPECT_EQ(grid->GetColumnCount(), 1);
  EXPECT_EQ(grid->GetItemText(0, 0), "first");
}

TEST_F(GridModelTest, DeleteRowShiftsRowsAndFixedCount) {
  MakeGrid(4, 2, 2, 0);
  for (int row = 0; row < 4; ++row) grid->SetItemText(row, 1, wxString::Format("r%d", row));
  EXPECT_FALSE(grid->DeleteRow(4));
  ASSERT_TRUE(grid->DeleteRow(0));
  EXPECT_EQ(grid->GetRowCount(), 3);
  EXPECT_EQ(grid->GetFixedRowCount(), 1);
  EXPECT_EQ(grid->GetItemText(0, 1), "r1");
  EXPECT_EQ(grid->GetItemText(2, 1), "r3");
  ASSERT_TRUE(grid->DeleteAllItems());
  EXPECT_EQ(grid->GetRowCount(), 0);
  EXPECT_EQ(grid->GetColumnCount(), 0);
  EXPECT_EQ(grid->GetFixedColumnCount(), 0);
}

TEST_F(GridModelTest, ItemsAreWrittenByMaskAndMarkModified) {
  MakeGrid(3, 3, 1, 1);
  grid->SetModified(false);
  GridItem item;
  item.row = 1;
  item.col = 2;
  item.mask = GVIF_TEXT | GVIF_BKCLR | GVIF_PARAM | GVIF_STATE;
  item.strText = "0x1F";
  item.bkClr = 0x00FF00;
  item.lParam = 99;
  item.state = GVIS_READONLY;
  ASSERT_TRUE(grid->SetItem(item));
  EXPECT_EQ(grid->GetItemText(1, 2), "0x1F");
  EXPECT_EQ(grid->GetItemBkColour(1, 2), 0x00FF00u);
  EXPECT_EQ(grid->GetItemFgColour(1, 2), kGridDefaultColor);  // not in the mask
  EXPECT_EQ(grid->GetItemData(1, 2), 99);
  EXPECT_FALSE(grid->IsCellEditable(1, 2));
  EXPECT_TRUE(grid->IsCellEditable(2, 2));
  EXPECT_FALSE(grid->IsCellEditable(3, 2));
  EXPECT_TRUE(grid->GetModified());

  GridItem read;
  read.row = 1;
  read.col = 2;
  read.mask = GVIF_TEXT | GVIF_PARAM;
  ASSERT_TRUE(grid->GetItem(&read));
  EXPECT_EQ(read.strText, "0x1F");
  EXPECT_EQ(read.lParam, 99);
  item.row = 7;
  EXPECT_FALSE(grid->SetItem(item));
}

TEST_F(GridModelTest, ModifiedFlagsOfCellsAndGrid) {
  MakeGrid(3, 3, 1, 0);
  grid->SetSortColumn(1);
  grid->SetItemText(1, 2, "a");  // another column: the sort stays
  EXPECT_EQ(grid->GetSortColumn(), 1);
  EXPECT_TRUE(grid->GetModified(1, 2));
  grid->SetItemText(2, 1, "b");  // the sorted column changed: no longer sorted
  EXPECT_EQ(grid->GetSortColumn(), -1);

  grid->SetModified(false);
  EXPECT_FALSE(grid->GetModified());
  EXPECT_FALSE(grid->GetModified(1, 2));
  EXPECT_FALSE(grid->GetModified(2, 1));
  grid->SetModified(true, 2, 2);
  EXPECT_TRUE(grid->GetModified());
  grid->SetModified(false, 2, 2);
  EXPECT_FALSE(grid->GetModified(2, 2));
  EXPECT_TRUE(grid->GetModified());
}

TEST_F(GridModelTest, CellTypeChangesKeepTheCellsProperties) {
  MakeGrid(3, 3, 1, 1);
  grid->SetItemText(0, 1, "head");
  grid->SetItemFgColour(0, 1, 0x0000FF);
  EXPECT_FALSE(grid->SetCellType(0, 1, wxCLASSINFO(wxObject)));
  EXPECT_FALSE(grid->SetCellType(5, 1, wxCLASSINFO(CMarkedCell)));
  ASSERT_TRUE(grid->SetCellType(0, 1, wxCLASSINFO(CMarkedCell)));
  CGridCellBase* cell = grid->GetCell(0, 1);
  EXPECT_TRUE(cell->IsKindOf(wxCLASSINFO(CMarkedCell)));
  EXPECT_EQ(cell->GetText(), "head");
  EXPECT_EQ(cell->GetTextColor(), 0x0000FFu);
  EXPECT_TRUE(cell->IsFixedRow());
  EXPECT_EQ(cell->GetGrid(), grid);

  EXPECT_FALSE(grid->SetDefaultCellType(wxCLASSINFO(wxObject)));
  ASSERT_TRUE(grid->SetDefaultCellType(wxCLASSINFO(CMarkedCell)));
  grid->SetRowCount(4);
  EXPECT_TRUE(grid->GetCell(3, 2)->IsKindOf(wxCLASSINFO(CMarkedCell)));
  EXPECT_FALSE(grid->GetCell(2, 2)->IsKindOf(wxCLASSINFO(CMarkedCell)));
}

TEST_F(GridModelTest, FocusStaysOutOfTheFixedCells) {
  MakeGrid(5, 5, 1, 1);
  EXPECT_EQ(grid->SetFocusCell(0, 0), CCellID());
  EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
  EXPECT_TRUE(grid->GetCell(1, 1)->IsFocused());
  EXPECT_EQ(grid->SetFocusCell(3, 2), CCellID(1, 1));
  EXPECT_FALSE(grid->GetCell(1, 1)->IsFocused());
  EXPECT_TRUE(grid->GetCell(3, 2)->IsFocused());
  grid->SetFocusCell(-1, -1);
  EXPECT_FALSE(grid->GetCell(3, 2)->IsFocused());
}

TEST_F(GridModelTest, SelectedRangesAreClampedAndReplaced) {
  MakeGrid(6, 5, 1, 1);
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(6, 5, -1, -1));
  grid->SetSelectedRange(2, 2, 50, 50);
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(2, 2, 5, 4));
  EXPECT_TRUE(grid->IsCellSelected(5, 4));
  grid->SetSelectedRange(1, 1, 1, 2);
  EXPECT_EQ(grid->GetSelectedCount(), 2);
  EXPECT_FALSE(grid->IsCellSelected(5, 4));
  // Deselecting inside a selection (select cells false) leaves the rest.
  grid->SetSelectedRange(1, 1, 1, 1, false, false);
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(1, 2, 1, 2));

  grid->SelectAllCells();
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(1, 1, 5, 4));
  grid->ResetSelectedRange();
  EXPECT_EQ(grid->GetSelectedCount(), 0);

  grid->EnableSelection(false);
  grid->SelectAllCells();
  EXPECT_EQ(grid->GetSelectedCount(), 0);
  EXPECT_FALSE(grid->IsCellSelected(2, 2));
}

TEST_F(GridModelTest, RowColumnAndCellSelectionFromTheStartCell) {
  MakeGrid(6, 5, 1, 1);
  grid->SetSelectionStart(CCellID(2, 3));
  grid->SelectRows(CCellID(4, 1));
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(2, 1, 4, 4));
  grid->SelectColumns(CCellID(1, 1));
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(1, 1, 5, 3));
  grid->SelectCells(CCellID(0, 0));  // limited to the non-fixed cells
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(1, 1, 2, 3));
  grid->SelectRows(CCellID(0, 2));  // a fixed row selects nothing new
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(1, 1, 2, 3));

  grid->SetSingleRowSelection(true);
  grid->SelectRows(CCellID(4, 1));
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(4, 1, 4, 4));

  grid->SetMouseMode(MOUSE_SELECT_ALL);
  grid->OnSelecting(CCellID(3, 3));
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(1, 1, 5, 4));
  grid->SetMouseMode(MOUSE_NOTHING);
  grid->ResetSelectedRange();
  grid->OnSelecting(CCellID(3, 3));
  EXPECT_EQ(grid->GetSelectedCount(), 0);
}

// Virtual mode: the owner's callback supplies each cell through the row order.
TEST_F(GridModelTest, VirtualModeAsksForEveryCellThroughTheRowOrder) {
  MakeGrid(0, 0, 0, 0);
  grid->SetVirtualMode(true);
  grid->SetCallbackFunc(&VirtualSource::Fill, reinterpret_cast<GridParam>(&source));
  grid->SetRowCount(5);
  grid->SetColumnCount(3);
  grid->SetFixedRowCount(1);
  EXPECT_EQ(grid->GetItemText(4, 2), "4,2");  // rows added later map to themselves
  EXPECT_TRUE(grid->GetCell(0, 1)->IsFixedRow());
  EXPECT_FALSE(grid->SetItemText(1, 1, "x"));

  grid->SetSelectedRange(2, 1, 2, 1);
  EXPECT_TRUE(grid->IsCellSelected(2, 1));
  EXPECT_TRUE(grid->GetCell(2, 1)->IsSelected());
  grid->SetFocusCell(3, 2);
  EXPECT_TRUE(grid->GetCell(3, 2)->IsFocused());

  ASSERT_TRUE(grid->DeleteRow(2));
  EXPECT_EQ(grid->GetRowCount(), 4);
  EXPECT_EQ(grid->GetItemText(2, 0), "2,0");  // the order stays a permutation of the rows

  frame->Bind(OLV_EVT_GRID_NOTIFY, [this](CGridNotifyEvent& event) {
    if (event.GetCode() == GVN_ODCACHEHINT) ++source.hints;
  });
  source.asked.clear();
  source.hints = 0;
  Render(grid);
  EXPECT_EQ(source.hints, 2);  // the range before the pass, the empty range after it
  EXPECT_EQ(source.asked.size(), 12u);
}

TEST_F(GridModelTest, VirtualModeWithoutCallbackAsksTheOwner) {
  MakeGrid(0, 0, 0, 0);
  grid->SetVirtualMode(true);
  grid->SetRowCount(3);
  grid->SetColumnCount(2);
  frame->Bind(OLV_EVT_GRID_NOTIFY, [](CGridNotifyEvent& event) {
    if (event.GetCode() != GVN_GETDISPINFO) return;
    event.GetDispInfo()->item.strText = wxString::Format("row %d", event.GetRow());
    event.GetDispInfo()->item.bkClr = 0x0000FF;
  });
  EXPECT_EQ(grid->GetItemText(2, 1), "row 2");
  EXPECT_EQ(grid->GetCell(2, 1)->GetBackColor(), 0x0000FFu);
}

// Rows beyond 65535 must not share selection entries with low rows.
TEST_F(GridModelTest, SelectionOfFarRowsIsKeptApart) {
  MakeGrid(0, 0, 0, 0);
  grid->SetVirtualMode(true);
  grid->SetCallbackFunc([](GridDispInfo*, GridParam) { return true; }, 0);
  grid->SetRowCount(70000);
  grid->SetColumnCount(2);
  grid->SetSelectedRange(4, 1, 4, 1);
  grid->SetItemState(65540, 1, GVIS_SELECTED);
  EXPECT_EQ(grid->GetSelectedCount(), 2);
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(4, 1, 65540, 1));
  grid->SetItemState(65540, 1, 0);
  EXPECT_TRUE(grid->IsCellSelected(4, 1));
  EXPECT_FALSE(grid->IsCellSelected(65540, 1));
}

TEST_F(GridModelTest, AutoSizeMeasuresTheCellsAndStoresThroughTheColumnOrder) {
  MakeGrid(3, 3, 1, 0);
  grid->SetItemText(1, 1, "a rather long piece of text");
  grid->SetItemText(2, 1, "short");
  const int other = grid->GetColumnWidth(2);
  ASSERT_TRUE(grid->AutoSizeColumn(1));
  const int measured = grid->GetColumnWidth(1);
  EXPECT_EQ(measured, grid->GetCell(1, 1)->GetCellExtent().x);
  EXPECT_EQ(grid->GetColumnWidth(2), other);

  // With the columns shown in another order, the shown column is sized.
  grid->Columns() = {0, 2, 1};
  ASSERT_TRUE(grid->AutoSizeColumn(2));  // shows width entry 1, holds cells of column 2
  EXPECT_EQ(grid->GetColumnWidth(2), grid->GetCell(0, 2)->GetCellExtent().x);
  EXPECT_EQ(grid->GetColumnWidth(1), other);

  grid->SetColumnWidth(0, 0);
  EXPECT_FALSE(grid->AutoSizeColumn(0));
  EXPECT_FALSE(grid->AutoSizeColumn(3));

  const int rowHeight = grid->GetRowHeight(1);
  stLogFont big = *grid->GetDefaultCell(false, false)->GetFont();
  big.pointSize = 0;
  big.height = -28;
  grid->SetItemFont(1, 2, &big);
  grid->SetItemText(1, 2, "Big");
  ASSERT_TRUE(grid->AutoSizeRow(1));
  EXPECT_GT(grid->GetRowHeight(1), rowHeight);
}

TEST_F(GridModelTest, ANewFontRemeasuresTheDefaultCellsOnly) {
  MakeGrid(3, 3, 1, 1);
  const int rowHeight = grid->GetRowHeight(2);
  wxFont font = grid->GetFont();
  font.SetPointSize(font.GetPointSize() * 2);
  grid->SetFont(font);
  EXPECT_EQ(grid->GetRowHeight(2), rowHeight);
  for (bool fixedRow : {false, true}) {
    for (bool fixedCol : {false, true}) {
      EXPECT_GT(grid->GetDefaultCell(fixedRow, fixedCol)->GetHeight(), rowHeight);
    }
  }
  grid->SetRowCount(4);
  EXPECT_GT(grid->GetRowHeight(3), rowHeight);
}

}  // namespace
