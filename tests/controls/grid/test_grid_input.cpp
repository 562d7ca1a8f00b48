// The grid under Xvfb driven through the events a user's mouse and keyboard
// produce: selection, column sizing, in-place editing, clipboard, sorting,
// drag and drop.
#include "GridInputSupport.h"
#include "GridTestSupport.h"

#include "UiEvents.h"
#include "controls/grid/GridDropTarget.h"

#include <wx/clipbrd.h>
#include <wx/panel.h>

using namespace gridtest;

namespace {

// A 10 x 5 table with one header row and one numbering column; cell (r, c)
// holds "rc".
class GridInputTest : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    // A second child keeps the frame from stretching the grid over itself.
    new wxPanel(frame, wxID_ANY, wxPoint(600, 440), wxSize(10, 10));
    MakeGrid(10, 5, 1, 1);
    for (int row = 0; row < 10; ++row) {
      for (int col = 0; col < 5; ++col) grid->SetItemText(row, col, wxString::Format("%d%d", row, col));
    }
    grid->SetModified(false);
    recorder = std::make_unique<CNotifyRecorder>(frame);
    Settle();
  }
  void TearDown() override {
    recorder.reset();
    GridFixture::TearDown();
  }
  wxPoint Centre(int row, int col) { return CellCentre(grid, row, col); }
  // A point inside the cell's text area (left part of the cell).
  wxPoint TextPoint(int row, int col) {
    GridRect rect;
    grid->GetCellRect(row, col, &rect);
    return wxPoint(rect.left + 6, (rect.top + rect.bottom) / 2);
  }
  void StartEditByTyping(int row, int col, wxChar ch) {
    ClickAt(grid, Centre(row, col));
    PressKey(grid, ch, ch);
  }

  std::unique_ptr<CNotifyRecorder> recorder;
};

TEST_F(GridInputTest, ClickSelectsShiftClickExtendsCtrlClickTakesOneAway) {
  ClickAt(grid, Centre(3, 2));
  EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 2));
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(3, 2, 3, 2));
  EXPECT_TRUE(recorder->Saw(GVN_SELCHANGING));
  EXPECT_TRUE(recorder->Saw(GVN_SELCHANGED));
  EXPECT_TRUE(recorder->Saw(GVN_CLICK));

  ClickAt(grid, Centre(5, 4), {true, false});
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(3, 2, 5, 4));
  EXPECT_EQ(grid->GetSelectedCount(), 9);
  EXPECT_EQ(grid->GetFocusCell(), CCellID(5, 4));

  ClickAt(grid, Centre(4, 3), {false, true});
  EXPECT_FALSE(grid->IsCellSelected(4, 3));
  EXPECT_EQ(grid->GetSelectedCount(), 8);
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_NOTHING);
}

TEST_F(GridInputTest, HeaderClicksSelectColumnsRowsAndAll) {
  ClickAt(grid, Centre(0, 2));
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(1, 2, 9, 2));
  ClickAt(grid, Centre(4, 0));
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(4, 1, 4, 4));
  ClickAt(grid, Centre(0, 0));
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(1, 1, 9, 4));
}

TEST_F(GridInputTest, KeysMoveTheFocusAndShiftExtends) {
  ClickAt(grid, Centre(2, 2));
  PressKey(grid, WXK_DOWN);
  PressKey(grid, WXK_RIGHT, 0, {true, false});
  EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 3));
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(3, 2, 3, 3));
  PressKey(grid, WXK_END, 0, {false, true});
  EXPECT_EQ(grid->GetFocusCell(), CCellID(9, 4));
}

TEST_F(GridInputTest, DraggingAColumnDividerSizesTheColumnAndCanHideIt) {
  wxPoint origin;
  ASSERT_TRUE(grid->GetCellOrigin(0, 2, &origin));
  const int width = grid->GetColumnWidth(2);
  const int y = grid->GetRowHeight(0) / 2;
  DragFromTo(grid, wxPoint(origin.x + width - 1, y), wxPoint(origin.x + 100, y));
  EXPECT_EQ(grid->GetColumnWidth(2), 100);
  EXPECT_EQ(grid->GetMouseMode(), MOUSE_NOTHING);

  DragFromTo(grid, wxPoint(origin.x + 99, y), wxPoint(origin.x, y));
  EXPECT_EQ(grid->GetColumnWidth(2), 0) << "dragged onto its own left edge";
  grid->EnableColumnHide(false);
  grid->SetColumnWidth(3, 60);
  ASSERT_TRUE(grid->GetCellOrigin(0, 3, &origin));
  DragFromTo(grid, wxPoint(origin.x + 59, y), wxPoint(origin.x - 20, y));
  EXPECT_EQ(grid->GetColumnWidth(3), 1);
}

TEST_F(GridInputTest, TypingStartsAnEditThatEnterCommits) {
  StartEditByTyping(2, 2, '7');
  CInPlaceEdit* editor = EditorOf(grid, 2, 2);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetValue(), "7") << "the typed character replaces the text";
  EXPECT_TRUE(recorder->Saw(GVN_BEGINLABELEDIT));
  testsupport::TypeText(editor, "5$");
  testsupport::TypeKey(editor, WXK_RETURN, WXK_RETURN);
  Settle();
  EXPECT_EQ(grid->GetItemText(2, 2), "75$");
  EXPECT_TRUE(grid->GetModified(2, 2));
  EXPECT_TRUE(recorder->Saw(GVN_ENDLABELEDIT));
  EXPECT_EQ(EditorOf(grid, 2, 2), nullptr);
  EXPECT_FALSE(grid->GetCell(2, 2)->IsEditing());
}

TEST_F(GridInputTest, EscapeRestoresTheTextAndBackspaceStartsByDeletingOne) {
  StartEditByTyping(3, 1, 'x');
  CInPlaceEdit* editor = EditorOf(grid, 3, 1);
  ASSERT_NE(editor, nullptr);
  testsupport::TypeText(editor, "yz");
  testsupport::TypeKey(editor, WXK_ESCAPE, WXK_ESCAPE);
  Settle();
  EXPECT_EQ(grid->GetItemText(3, 1), "31");
  EXPECT_FALSE(grid->GetModified(3, 1));

  PressKey(grid, WXK_BACK, WXK_BACK);
  editor = EditorOf(grid, 3, 1);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetValue(), "3");
  testsupport::MoveFocus(editor, grid);
  EXPECT_EQ(grid->GetItemText(3, 1), "3") << "losing the focus ends the edit too";
}

TEST_F(GridInputTest, ClickOnTheFocusCellTextEditsWithTheCaretAtTheEnd) {
  ClickAt(grid, TextPoint(4, 2));
  ClickAt(grid, TextPoint(4, 2));
  CInPlaceEdit* editor = EditorOf(grid, 4, 2);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetValue(), "42");
  EXPECT_EQ(editor->GetInsertionPoint(), 2);
  EXPECT_FALSE(editor->GetExitOnArrows());
}

TEST_F(GridInputTest, TabEndsTheEditAndContinuesInTheNextCell) {
  StartEditByTyping(2, 3, 'a');
  testsupport::TypeKey(EditorOf(grid, 2, 3), WXK_TAB, WXK_TAB);
  Settle();
  EXPECT_EQ(grid->GetItemText(2, 3), "a");
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 4));
  CInPlaceEdit* next = EditorOf(grid, 2, 4);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->GetStringSelection(), "24") << "continued edits start with all text selected";
  testsupport::MoveFocus(next, grid);
}

TEST_F(GridInputTest, OwnerVetoesAndReadOnlyCellsAreNotEdited) {
  recorder->beginEditAnswer = -1;
  StartEditByTyping(2, 2, '1');
  EXPECT_EQ(EditorOf(grid, 2, 2), nullptr);

  recorder->beginEditAnswer = 0;
  recorder->endEditAnswer = -1;
  StartEditByTyping(2, 2, '1');
  ASSERT_NE(EditorOf(grid, 2, 2), nullptr);
  testsupport::TypeKey(EditorOf(grid, 2, 2), WXK_RETURN, WXK_RETURN);
  Settle();
  EXPECT_EQ(grid->GetItemText(2, 2), "22") << "a rejected text is replaced by the old one";

  recorder->endEditAnswer = 0;
  grid->SetItemState(5, 1, grid->GetItemState(5, 1) | GVIS_READONLY);
  StartEditByTyping(5, 1, '9');
  EXPECT_EQ(EditorOf(grid, 5, 1), nullptr);
  PressKey(grid, WXK_ESCAPE, WXK_ESCAPE);
  EXPECT_EQ(EditorOf(grid, 5, 1), nullptr);
}

TEST_F(GridInputTest, CopyPutsTabsAndCrLfOnTheClipboardFollowingTheColumnOrder) {
  // Shown column 2 is hidden; the width entries are reordered, so the raw
  // entry 2 is not the hidden one.
  grid->Columns() = {0, 2, 1, 3, 4};
  grid->SetColumnWidth(2, 0);
  ASSERT_NE(grid->GetColumnWidth(1), 0);
  grid->SetSelectedRange(2, 1, 3, 4);
  // An unselected cell inside the range (as a Ctrl-click leaves it) gives an empty field.
  grid->SetItemState(3, 3, grid->GetItemState(3, 3) & ~GVIS_SELECTED);
  grid->SetFocusCell(2, 1);

  std::unique_ptr<wxTextDataObject> data(grid->CopyTextFromGrid());
  ASSERT_TRUE(data);
  EXPECT_EQ(data->GetText(), "21\t23\t24\r\n31\t\t34");

  PressKey(grid, 'C', 3, {false, true});
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTextDataObject clip;
  EXPECT_TRUE(wxTheClipboard->GetData(clip));
  wxTheClipboard->Close();
  EXPECT_EQ(clip.GetText(), "21\t23\t24\r\n31\t\t34");
}

TEST_F(GridInputTest, PasteWritesFieldsFromTheFocusCellAndSkipsReadOnlyCells) {
  grid->SetItemState(3, 2, grid->GetItemState(3, 2) | GVIS_READONLY);
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTheClipboard->SetData(new wxTextDataObject("1,2\t3\r\n4\t5\t6\t7\t8\r\n"));
  wxTheClipboard->Close();
  ClickAt(grid, Centre(2, 1));
  PressKey(grid, 'V', 22, {false, true});
  EXPECT_EQ(grid->GetItemText(2, 1), "1");
  EXPECT_EQ(grid->GetItemText(2, 2), "2");
  EXPECT_EQ(grid->GetItemText(2, 3), "3");
  EXPECT_EQ(grid->GetItemText(3, 1), "4");
  EXPECT_EQ(grid->GetItemText(3, 2), "32") << "read-only";
  EXPECT_EQ(grid->GetItemText(3, 4), "7");
  EXPECT_EQ(grid->GetItemText(4, 1), "41") << "no empty line after the last line feed";
  EXPECT_EQ(grid->GetSelectedCellRange(), CellRange(2, 1, 3, 4));
}

TEST_F(GridInputTest, CutAndDeleteEmptyTheSelection) {
  grid->SetSelectedRange(1, 1, 1, 2);
  grid->SetFocusCell(1, 1);
  PressKey(grid, WXK_DELETE);
  EXPECT_EQ(grid->GetItemText(1, 1), "");
  EXPECT_EQ(grid->GetItemText(1, 2), "");
  EXPECT_EQ(grid->GetItemText(1, 3), "13");
  grid->SetEditable(false);
  grid->SetSelectedRange(2, 1, 2, 1);
  PressKey(grid, WXK_DELETE);
  EXPECT_EQ(grid->GetItemText(2, 1), "21");
}

TEST_F(GridInputTest, HeaderClickSortsAndAClickOnTheSortColumnReverses) {
  grid->SetHeaderSort(true);
  const wxString values[] = {"b", "d", "a", "c", "a", "e", "0", "z", "m"};
  for (int row = 1; row < 10; ++row) grid->SetItemText(row, 2, values[row - 1]);
  ClickAt(grid, Centre(0, 2));
  EXPECT_EQ(grid->GetSortColumn(), 2);
  EXPECT_TRUE(grid->GetSortAscending());
  wxString column;
  for (int row = 1; row < 10; ++row) column += grid->GetItemText(row, 2);
  EXPECT_EQ(column, "0aabcdemz");
  EXPECT_EQ(grid->GetItemText(1, 1), "71") << "rows move whole";
  ClickAt(grid, Centre(0, 2));
  EXPECT_FALSE(grid->GetSortAscending());
  column.clear();
  for (int row = 1; row < 10; ++row) column += grid->GetItemText(row, 2);
  EXPECT_EQ(column, "zmedcbaa0");
}

// A grid whose drags end on the drop target the test names, the way the
// platform's drag loop hands them over.
class CDragGrid : public CTestGrid {
 public:
  using CTestGrid::CTestGrid;
  CGridCtrl* dropOn = nullptr;
  wxPoint dropAt;
  bool ctrl = false;

 protected:
  wxDragResult DoDragDrop(wxDataObject& data) override {
    if (!dropOn) return wxDragNone;
    dropOn->OnDragEnter(true, ctrl, dropAt);
    if (dropOn->OnDragOver(true, ctrl, dropAt) == wxDragNone) return wxDragNone;
    return dropOn->OnDrop(&data, ctrl ? wxDragCopy : wxDragMove, dropAt) ? (ctrl ? wxDragCopy : wxDragMove)
                                                                         : wxDragNone;
  }
};

class GridDragTest : public GridInputTest {
 protected:
  CDragGrid* MakeDragGrid(const wxPoint& at) {
    auto* made = new CDragGrid(6, 4, 1, 1);
    made->Create(frame, wxID_ANY, at, wxSize(300, 200));
    for (int row = 0; row < 6; ++row) {
      for (int col = 0; col < 4; ++col)
        made->SetItemText(row, col, wxString::Format("%c%d%d", 'A', row, col));
    }
    made->EnableDragAndDrop(true);
    testsupport::PumpEvents();
    return made;
  }
};

TEST_F(GridDragTest, CellsDraggedToAnotherGridArePastedThereAndCutHere) {
  CDragGrid* source = MakeDragGrid(wxPoint(0, 0));
  CDragGrid* target = MakeDragGrid(wxPoint(310, 0));
  target->SetDragRowMode(true);  // rows move only inside the grid a drag starts in
  source->SetSelectedRange(1, 1, 2, 2);
  source->dropOn = target;
  source->dropAt = CellCentre(target, 3, 2);
  const wxPoint from = CellCentre(source, 1, 1);
  SendMouse(source, wxEVT_LEFT_DOWN, from);
  EXPECT_EQ(source->GetMouseMode(), MOUSE_PREPARE_DRAG);
  SendMouse(source, wxEVT_MOTION, from + wxPoint(5, 5));
  SendMouse(source, wxEVT_LEFT_UP, from + wxPoint(5, 5));
  testsupport::PumpEvents();
  EXPECT_EQ(target->GetItemText(3, 2), "A11");
  EXPECT_EQ(target->GetItemText(4, 3), "A22");
  EXPECT_EQ(source->GetItemText(1, 1), "") << "a move cuts the dragged text";
  EXPECT_EQ(source->GetItemText(2, 2), "");

  source->SetSelectedRange(3, 1, 3, 1);
  source->ctrl = true;  // a copy leaves the source alone
  source->dropAt = CellCentre(target, 1, 1);
  SendMouse(source, wxEVT_LEFT_DOWN, CellCentre(source, 3, 1));
  SendMouse(source, wxEVT_MOTION, CellCentre(source, 3, 1) + wxPoint(4, 0));
  SendMouse(source, wxEVT_LEFT_UP, CellCentre(source, 3, 1));
  EXPECT_EQ(target->GetItemText(1, 1), "A31");
  EXPECT_EQ(source->GetItemText(3, 1), "A31");
}

TEST_F(GridDragTest, ARowDraggedInsideItsGridMovesWithItsCells) {
  CDragGrid* only = MakeDragGrid(wxPoint(0, 0));
  only->dropOn = only;
  only->dropAt = CellCentre(only, 4, 2);
  only->SetSelectedRange(2, 1, 2, 3);
  SendMouse(only, wxEVT_LEFT_DOWN, CellCentre(only, 2, 2));
  SendMouse(only, wxEVT_MOTION, CellCentre(only, 2, 2) + wxPoint(6, 0));
  SendMouse(only, wxEVT_LEFT_UP, CellCentre(only, 2, 2));
  const wxString expected[] = {"A10", "A30", "A40", "A20", "A50"};
  for (int row = 1; row < 6; ++row) EXPECT_EQ(only->GetItemText(row, 0), expected[row - 1]) << row;
  EXPECT_EQ(only->GetItemText(4, 2), "A22") << "moved, not cut";
}

TEST_F(GridDragTest, AHeaderDraggedToAnotherHeaderReordersTheColumn) {
  CDragGrid* only = MakeDragGrid(wxPoint(0, 0));
  only->EnableColumnReorder(true);
  only->SetColumnWidth(1, 44);
  only->dropOn = only;
  only->dropAt = CellCentre(only, 0, 3);
  SendMouse(only, wxEVT_LEFT_DOWN, CellCentre(only, 0, 1));
  EXPECT_EQ(only->GetMouseMode(), MOUSE_PREPARE_DRAG);
  SendMouse(only, wxEVT_MOTION, CellCentre(only, 0, 1) + wxPoint(6, 0));
  SendMouse(only, wxEVT_LEFT_UP, CellCentre(only, 0, 1));
  EXPECT_EQ(only->Columns(), (std::vector<int>{0, 2, 3, 1}));
  EXPECT_EQ(only->GetItemText(2, 3), "A21") << "cells go with their column";
  EXPECT_EQ(only->GetColumnWidth(3), 44) << "and so does the width";
}

TEST_F(GridDragTest, DropTargetAnswersNoEffectWhenNotRegisteredAndRefusesTwice) {
  CGridDropTarget loose;
  EXPECT_EQ(loose.OnDragOver(5, 5, wxDragMove), wxDragNone);
  EXPECT_EQ(loose.OnEnter(5, 5, wxDragMove), wxDragNone);
  CDragGrid* registered = MakeDragGrid(wxPoint(0, 0));
  ASSERT_NE(registered->GetGridDropTarget(), nullptr);
  EXPECT_TRUE(registered->GetGridDropTarget()->IsRegistered());
  EXPECT_FALSE(registered->GetGridDropTarget()->Register(registered));
}

}  // namespace
