// The IR code grid under Xvfb: input rows that fill and grow up to the row
// limit, the hexadecimal and numeric code cells, and the row buttons that
// ask the page (WM_KEY_CELL_EDIT) whether to delete their row.
#include "GridInputSupport.h"
#include "GridTestSupport.h"

#include "UiEvents.h"
#include "controls/grid/IRGridCtrl.h"

#include <wx/panel.h>

using namespace gridtest;

namespace {

// A page that answers WM_KEY_CELL_EDIT and remembers what it was asked.
class CCodePage : public wxPanel {
 public:
  explicit CCodePage(wxWindow* parent) : wxPanel(parent, wxID_ANY, wxPoint(0, 0), wxSize(600, 440)) {
    Bind(WM_KEY_CELL_EDIT, [this](CKeyCellEditEvent& event) {
      rows.push_back(event.GetRow());
      texts.push_back(event.GetText());
      event.SetResult(answer);
    });
  }
  long answer = 0;
  std::vector<int> rows;
  std::vector<wxString> texts;
};

class IRGridTest : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    page = new CCodePage(frame);
    ir = new CIRGridCtrl();
    ir->Create(page, 1001, wxPoint(0, 0), wxSize(420, 400));
    testsupport::PumpEvents();
  }
  // Types a code into the code cell of row, the way a user does.
  void EnterCode(int row, const wxString& code) {
    ClickAt(ir, CellCentre(ir, row, CIRGridCtrl::kCodeColumn));
    PressKey(ir, code[0], code[0]);
    CInPlaceEdit* editor = EditorOf(ir, row, CIRGridCtrl::kCodeColumn);
    ASSERT_NE(editor, nullptr) << "row " << row;
    testsupport::TypeText(editor, code.Mid(1));
    testsupport::TypeKey(editor, WXK_RETURN, WXK_RETURN);
    Settle();
  }
  void PressButton(int row) {
    Render(ir);  // buttons know where they are once drawn
    ClickAt(ir, CellCentre(ir, row, CIRGridCtrl::kButtonColumn));
  }
  wxString Numbers() {
    wxString numbers;
    for (int row = 1; row < ir->GetRowCount(); ++row) numbers += ir->GetItemText(row, 0) + " ";
    return numbers;
  }

  CCodePage* page = nullptr;
  CIRGridCtrl* ir = nullptr;
};

TEST_F(IRGridTest, InputRowsGetAButtonWhenFilledAndANewEmptyRowFollows) {
  ir->InitCodeGrid(CIRGridCtrl::kInputMode);
  ASSERT_EQ(ir->GetRowCount(), 2);
  EXPECT_EQ(ir->GetButtonCaption(), "IDS_DELETE");
  EXPECT_FALSE(ir->IsCellEditable(0, 1)) << "header";
  EXPECT_TRUE(ir->IsCellEditable(1, 1));
  EnterCode(1, "0x1f");
  EXPECT_EQ(ir->GetItemText(1, 1), "0x1f");
  EXPECT_NE(wxDynamicCast(ir->GetCell(1, 3), CIRCellButton), nullptr);
  ASSERT_EQ(ir->GetRowCount(), 3);
  EXPECT_EQ(wxDynamicCast(ir->GetCell(2, 3), CIRCellButton), nullptr);

  EnterCode(2, "12");
  EXPECT_EQ(ir->GetItemText(2, 1), "0x0c") << "decimal input is written back as a hex byte";
  EnterCode(3, "25");
  CInPlaceEdit* editor = nullptr;
  ClickAt(ir, CellCentre(ir, 4, 1));
  PressKey(ir, '2', '2');
  editor = EditorOf(ir, 4, 1);
  ASSERT_NE(editor, nullptr);
  testsupport::TypeText(editor, "56g");
  EXPECT_EQ(editor->GetValue(), "25") << "256 and g are refused";
  testsupport::MoveFocus(editor, ir);
  EXPECT_EQ(Numbers(), "1 2 3 4 5 ");
}

TEST_F(IRGridTest, AClearedCodeShowsZeroAndAddsNoRow) {
  ir->InitCodeGrid(CIRGridCtrl::kInputMode);
  ir->SetHexCodes(false);
  ir->ResetRows();
  ASSERT_EQ(ir->GetRowCount(), 2);
  ASSERT_NE(wxDynamicCast(ir->GetCell(1, 1), CGridCellNumeric), nullptr);
  EnterCode(1, "4a2");
  EXPECT_EQ(ir->GetItemText(1, 1), "42") << "the numeric cell takes digits only";
  ClickAt(ir, CellCentre(ir, 2, 1));
  PressKey(ir, WXK_BACK, WXK_BACK);
  ClickAt(ir, CellCentre(ir, 1, 1));
  ClickAt(ir, CellCentre(ir, 1, 1));
  CInPlaceEdit* editor = EditorOf(ir, 1, 1);
  ASSERT_NE(editor, nullptr);
  editor->Clear();
  testsupport::TypeKey(editor, WXK_RETURN, WXK_RETURN);
  Settle();
  EXPECT_EQ(ir->GetItemText(1, 1), "0");
  EXPECT_EQ(ir->GetRowCount(), 3);
}

TEST_F(IRGridTest, AFullGridStopsGrowingAndADeletedRowBringsTheInputRowBack) {
  ir->InitCodeGrid(CIRGridCtrl::kInputMode);
  ir->SetMaxRows(4);
  EnterCode(1, "1");
  EnterCode(2, "2");
  EnterCode(3, "3");
  ASSERT_EQ(ir->GetRowCount(), 4) << "header and three filled rows, no input row";
  EXPECT_EQ(ir->AppendRow(false), 0);

  page->answer = 1;
  PressButton(2);
  ASSERT_EQ(page->rows, std::vector<int>{2});
  EXPECT_EQ(page->texts, std::vector<wxString>{"0x02"});
  ASSERT_EQ(ir->GetRowCount(), 4) << "row 2 went, an empty input row came back";
  EXPECT_EQ(ir->GetItemText(2, 1), "0x03");
  EXPECT_EQ(ir->GetItemText(3, 1), "");
  EXPECT_EQ(Numbers(), "1 2 3 ");
  EXPECT_EQ(ir->GetMouseMode(), MOUSE_NOTHING);
}

TEST_F(IRGridTest, APageThatAnswersZeroKeepsTheRow) {
  ir->InitCodeGrid(CIRGridCtrl::kDisplayMode);
  EXPECT_EQ(ir->GetButtonCaption(), "IDS_INPUT");
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(ir->AppendRow(false), 1);
    ir->SetCellText(i + 1, 1, wxString::Format("0x%02x", i + 0x40));
  }
  EXPECT_FALSE(ir->IsCellEditable(1, 1)) << "codes are read-only in display mode";
  page->answer = 0;
  PressButton(2);
  EXPECT_EQ(page->rows, std::vector<int>{2});
  EXPECT_EQ(page->texts, std::vector<wxString>{"0x41"});
  EXPECT_EQ(ir->GetRowCount(), 4);
  auto* button = wxDynamicCast(ir->GetCell(2, 3), CIRCellButton);
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(button->IsPressed()) << "released with the mouse button";

  int row = 0;
  wxString code;
  wxString text;
  ASSERT_TRUE(ir->GetFirstRow(&row));
  wxString walked;
  while (true) {
    const bool more = ir->GetNextRow(&row, &code, &text);
    walked += code + ";";
    if (!more) break;
  }
  EXPECT_EQ(walked, "0x40;0x41;0x42;");
  ir->ResetRows();
  EXPECT_EQ(ir->GetRowCount(), 1);
  const wxImage image = Render(ir);
  SaveArtifact(image, "ir_grid_display");
}

TEST_F(IRGridTest, WideGridSizesItsColumnsFromTheClientWidth) {
  ir->InitWideCodeGrid();
  EXPECT_EQ(ir->GetMaxRows(), 500);
  EXPECT_EQ(ir->GetColumnWidth(0), 50);
  EXPECT_EQ(ir->GetColumnWidth(1), ir->GetClientSize().x - 101);
  EXPECT_EQ(ir->GetColumnWidth(3), 50);
  ir->SetColumnWidths(30);
  EXPECT_EQ(ir->GetColumnWidth(1), 50);
  EXPECT_EQ(ir->GetColumnWidth(2), 30);
}

}  // namespace
