// What a user sees of the IR code grid in English and Chinese: every header
// stays in view (the grid fits its columns to its width, also once the rows
// need the vertical bar), and a row button's caption hangs inside the button,
// clear of its top edge.
#include "GridTestSupport.h"

#include "ProgramState.h"
#include "UiEvents.h"
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/LangText.h"
#include "platform/Paths.h"

#include <wx/panel.h>

using namespace gridtest;

namespace {

const char* const kHeaders[] = {"IDS_INDEX", "IDS_KEYCODE", "IDS_ILLUSTRATION", "IDS_ACTION"};

class IRGridLooksTest : public GridFixture {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    GridFixture::SetUp();
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    // The frame stretches its only child: the grids go on a page of their own.
    holder = new wxPanel(frame, wxID_ANY, wxPoint(0, 0), wxSize(600, 440));
  }

  // A grid of the pages' kind: headers in the language, the pages' 8-point font.
  CIRGridCtrl* MakeCodeGrid(const wxSize& size, bool wide) {
    auto* ir = new CIRGridCtrl();
    ir->Create(holder, 1001, wxPoint(0, 0), size);
    ir->SetClientSize(size);
    wxFont font = ir->GetFont();
    font.SetPointSize(8);
    ir->SetFont(font);
    if (wide)
      ir->InitWideCodeGrid();
    else
      ir->InitCodeGrid(CIRGridCtrl::kDisplayMode);
    for (int col = 0; col < 4; ++col) ir->SetCellText(0, col, kHeaders[col]);
    testsupport::PumpEvents();
    return ir;
  }

  // Every header fits its column and the columns fit the client: no horizontal bar.
  static void ExpectAllHeadersInView(CIRGridCtrl* ir) {
    int total = 0;
    for (int col = 0; col < ir->GetColumnCount(); ++col) {
      SCOPED_TRACE(GetLangText(kHeaders[col]));
      EXPECT_LE(ir->GetCell(0, col)->GetCellExtent().x, ir->GetColumnWidth(col));
      total += ir->GetColumnWidth(col);
    }
    EXPECT_LE(total, ir->GetClientSize().x);
    EXPECT_EQ(ir->GetScrollBarState() & 1, 0) << "a horizontal bar";
  }

  wxPanel* holder = nullptr;
};

// The key page's grid (columns of 80, description fitted) and the decode
// page's air grid (frame text fitted) in grids narrower than their columns.
TEST_F(IRGridLooksTest, HeadersStayInViewAsTheGridNarrowsAndFills) {
  for (const char* language : {"1252", "936"}) {
    SCOPED_TRACE(language);
    state.App().currentLangSection = language;

    CIRGridCtrl* keys = MakeCodeGrid(wxSize(300, 200), false);
    keys->SetColumnWidths(80);
    keys->FitTextColumn();
    ExpectAllHeadersInView(keys);
    for (int row = 0; row < 30; ++row) keys->AppendRow(true);
    testsupport::PumpEvents();
    ASSERT_NE(keys->GetScrollBarState() & 2, 0) << "the rows need the vertical bar";
    ExpectAllHeadersInView(keys);
    SaveArtifact(Render(keys), wxString::Format("ir_grid_narrow_%s", language));
    keys->Destroy();

    CIRGridCtrl* frames = MakeCodeGrid(wxSize(330, 200), true);
    frames->SetColumnWidth(CIRGridCtrl::kNumberColumn, 50);
    frames->SetColumnWidth(CIRGridCtrl::kCodeColumn, 120);
    frames->SetColumnWidth(CIRGridCtrl::kTextColumn, 100);
    frames->SetColumnWidth(CIRGridCtrl::kButtonColumn, 50);
    frames->FitColumns(CIRGridCtrl::kCodeColumn);
    ExpectAllHeadersInView(frames);
    for (int row = 0; row < 30; ++row) frames->AppendRow(false);
    testsupport::PumpEvents();
    ExpectAllHeadersInView(frames);
    // Rows deleted until the bar goes: the frame text takes its room back.
    while (frames->GetRowCount() > 3) frames->DeleteRow(1);
    testsupport::PumpEvents();
    ExpectAllHeadersInView(frames);
    EXPECT_EQ(frames->GetColumnWidth(0) + frames->GetColumnWidth(1) + frames->GetColumnWidth(2) +
                  frames->GetColumnWidth(3),
              frames->GetClientSize().x);
    frames->Destroy();
  }
}

// The rows of the text's dark pixels inside rect, first and last; -1 when none.
std::pair<int, int> DarkRows(const wxImage& image, const wxRect& rect) {
  int first = -1, last = -1;
  for (int y = rect.y; y <= rect.GetBottom(); ++y) {
    for (int x = rect.x; x <= rect.GetRight(); ++x) {
      const int luminance =
          (299 * image.GetRed(x, y) + 587 * image.GetGreen(x, y) + 114 * image.GetBlue(x, y)) / 1000;
      if (luminance >= 110) continue;
      if (first < 0) first = y;
      last = y;
      break;
    }
  }
  return {first, last};
}

TEST_F(IRGridLooksTest, ButtonCaptionHangsInsideTheButtonClearOfItsTop) {
  for (const char* language : {"1252", "936"}) {
    SCOPED_TRACE(language);
    state.App().currentLangSection = language;
    CIRGridCtrl* ir = MakeCodeGrid(wxSize(330, 200), true);  // buttons captioned "IDS_DELETE"
    ir->FitColumns(CIRGridCtrl::kCodeColumn);
    ASSERT_EQ(ir->AppendRow(false), 1);
    ir->SetCellText(1, CIRGridCtrl::kCodeColumn, "0011110001011010");
    const wxImage image = Render(ir);
    SaveArtifact(image, wxString::Format("ir_grid_button_%s", language));
    GridRect cell;
    ASSERT_TRUE(ir->GetCellRect(1, CIRGridCtrl::kButtonColumn, &cell));
    const wxRect button(cell.left, cell.top, cell.Width() + 1, cell.Height() + 1);
    const auto [top, bottom] = DarkRows(image, button.Deflate(2, 0));
    ASSERT_GE(top, 0) << "no caption drawn";
    EXPECT_GE(top - button.y, 3) << "the caption touches the button's top edge";
    EXPECT_LE(bottom, button.GetBottom() - 1) << "the caption runs past the button's bottom";
    ir->Destroy();
  }
}

}  // namespace
