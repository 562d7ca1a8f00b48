// The grid window under Xvfb: what it draws, scrolling through the scroll
// bar events, hit-testing, notifications to the owner.
#include "GridTestSupport.h"

#include "UiEvents.h"

#include <wx/settings.h>

using namespace gridtest;

namespace {

constexpr ColorRef kYellow = 0x00FFFF;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kLightBlue = 0xFFE0C0;

// A code table: a header row, a numbering column, resized and hidden
// columns, coloured cells, a selection, a focus cell and a sort arrow.
class GridWindowTest : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    MakeGrid(30, 8, 1, 1);
    const int widths[] = {40, 60, 150, 0, 40, 50, 0, 30};
    for (int col = 0; col < 8; ++col) grid->SetColumnWidth(col, widths[col]);
    const char* headings[] = {"#", "Code", "Name", "Hidden", "Bits", "Kind", "Off", "X"};
    for (int col = 0; col < 8; ++col) grid->SetItemText(0, col, headings[col]);
    for (int row = 1; row < 30; ++row) {
      grid->SetItemText(row, 0, wxString::Format("%d", row));
      grid->SetItemText(row, 1, wxString::Format("0x%02X", row * 7));
      grid->SetItemText(row, 2, wxString::Format("Key number %d with a long name", row));
      grid->SetItemText(row, 4, "8");
    }
    grid->SetItemBkColour(2, 2, kYellow);
    grid->SetItemFgColour(2, 2, kRed);
    grid->SetItemBkColour(3, 1, kLightBlue);
    grid->SetSelectedRange(5, 1, 6, 2);
    grid->SetFocusCell(4, 4);
    grid->SetSortColumn(2);
    grid->SetItemFormat(1, 1, gridformat::kDefault | gridformat::kRight);
    testsupport::PumpEvents();
  }

  void Scroll(wxEventType type, int orientation, int position = 0) {
    wxScrollWinEvent event(type, position, orientation);
    event.SetEventObject(grid);
    grid->HandleWindowEvent(event);
  }

  // Pixels of a rectangle of the image, for comparisons.
  static wxImage Part(const wxImage& image, const wxRect& rect) { return image.GetSubImage(rect); }
  static bool Same(const wxImage& a, const wxImage& b) {
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
  }
};

TEST_F(GridWindowTest, DrawsHeadersColoursSelectionAndHiddenColumns) {
  // This test alone reads the screen: its frame moves to a spot that no
  // other grid test uses, since the tests may share one display.
  frame->SetSize(1000, 0, 460, 320);
  frame->Raise();
  testsupport::PumpEvents();
  const wxImage image = Render(grid);
  SaveArtifact(image, "grid_table");
  testsupport::SaveWindowScreenshot(grid, "grid_table_screen.png");

  GridRect yellow;
  ASSERT_TRUE(grid->GetCellRect(2, 2, &yellow));
  EXPECT_EQ(PixelAt(image, wxPoint(yellow.right - 3, yellow.top + 2)), ColourOf(kYellow));
  GridRect blue;
  ASSERT_TRUE(grid->GetCellRect(3, 1, &blue));
  EXPECT_EQ(PixelAt(image, wxPoint(blue.left + 2, blue.top + 2)), ColourOf(kLightBlue));
  GridRect selected;
  ASSERT_TRUE(grid->GetCellRect(6, 2, &selected));
  EXPECT_EQ(PixelAt(image, wxPoint(selected.right - 3, selected.top + 2)),
            wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
  GridRect plain;
  ASSERT_TRUE(grid->GetCellRect(8, 1, &plain));
  EXPECT_EQ(PixelAt(image, wxPoint(plain.left + 2, plain.top + 2)), ColourOf(grid->GetTextBkColor()));
  // Grid lines on the right and bottom edges of each data cell.
  EXPECT_EQ(PixelAt(image, wxPoint(plain.right, plain.top + 5)), ColourOf(grid->GetGridLineColor()));
  EXPECT_EQ(PixelAt(image, wxPoint(plain.left + 5, plain.bottom)), ColourOf(grid->GetGridLineColor()));
  // Header cells on the 3-D face colour; past the last column the grid's background.
  GridRect header;
  ASSERT_TRUE(grid->GetCellRect(0, 5, &header));
  EXPECT_EQ(PixelAt(image, wxPoint(header.right - 3, header.top + 3)), ColourOf(grid->GetFixedBkColor()));
  EXPECT_EQ(PixelAt(image, wxPoint(380, 100)), ColourOf(grid->GetGridBkColor()));

  // The hidden column takes no room.
  GridRect name;
  GridRect bits;
  ASSERT_TRUE(grid->GetCellRect(1, 2, &name));
  ASSERT_TRUE(grid->GetCellRect(1, 4, &bits));
  EXPECT_EQ(bits.left, name.right + 1);

  // The real paint (double-buffered) shows the same.
  EXPECT_EQ(testsupport::ScreenPixel(grid, wxPoint(yellow.right - 3, yellow.top + 2)), ColourOf(kYellow));
}

TEST_F(GridWindowTest, HitTestingMapsPointsToCells) {
  for (const CCellID cell : {CCellID(0, 0), CCellID(0, 2), CCellID(5, 0), CCellID(2, 2), CCellID(9, 7)}) {
    EXPECT_EQ(grid->GetCellFromPt(CellCentre(grid, cell.row, cell.col)), cell) << cell.row << "," << cell.col;
  }
  EXPECT_EQ(grid->GetCellFromPt(CellCentre(grid, 0, 2), false), CCellID());
  EXPECT_EQ(grid->GetCellFromPt(wxPoint(400, 50)), CCellID());  // past the last column

  wxPoint origin;
  ASSERT_TRUE(grid->GetCellOrigin(2, 2, &origin));
  EXPECT_EQ(grid->GetPointClicked(2, 2, origin + wxPoint(7, 3)), wxPoint(7, 3));
}

TEST_F(GridWindowTest, ScrollingKeepsTheFixedCells) {
  const int headerHeight = grid->GetFixedRowHeight();
  const int width = grid->GetClientSize().x;
  const wxImage before = Render(grid);
  ASSERT_TRUE(grid->GetScrollBarState() & 2);

  for (int i = 0; i < 3; ++i) Scroll(wxEVT_SCROLLWIN_LINEDOWN, wxVERTICAL);
  testsupport::PumpEvents();
  EXPECT_EQ(grid->GetTopleftNonFixedCell(), CCellID(4, 1));
  EXPECT_EQ(grid->GetScrollPos(wxVERTICAL), 3 * grid->GetRowHeight(1));
  const wxImage after = Render(grid);
  SaveArtifact(after, "grid_scrolled");

  // The header row is unchanged; the data below it moved.
  const wxRect headerStrip(0, 0, width, headerHeight);
  EXPECT_TRUE(Same(Part(before, headerStrip), Part(after, headerStrip)));
  EXPECT_FALSE(Same(Part(before, wxRect(0, headerHeight, width, 40)),
                    Part(after, wxRect(0, headerHeight, width, 40))));
  EXPECT_EQ(grid->GetCellFromPt(wxPoint(5, headerHeight + 2)), CCellID(4, 0));
  EXPECT_EQ(grid->GetCellFromPt(wxPoint(5, 2)), CCellID(0, 0));
  EXPECT_EQ(grid->GetCellFromPt(CellCentre(grid, 0, 2)), CCellID(0, 2));
  EXPECT_FALSE(grid->IsCellVisible(2, 2));

  // Wider columns need the horizontal bar; the numbering column stays put.
  grid->SetColumnWidth(5, 400);
  testsupport::PumpEvents();
  ASSERT_TRUE(grid->GetScrollBarState() & 1);
  const wxImage wide = Render(grid);
  Scroll(wxEVT_SCROLLWIN_THUMBTRACK, wxHORIZONTAL, 60);
  EXPECT_EQ(grid->GetTopleftNonFixedCell().col, 2);
  const wxImage shifted = Render(grid);
  SaveArtifact(shifted, "grid_scrolled_right");
  const wxRect numbering(0, 0, grid->GetFixedColumnWidth(), grid->GetClientSize().y);
  EXPECT_TRUE(Same(Part(wide, numbering), Part(shifted, numbering)));
  EXPECT_EQ(grid->GetCellFromPt(wxPoint(grid->GetFixedColumnWidth() + 2, headerHeight + 2)), CCellID(4, 2));

  Scroll(wxEVT_SCROLLWIN_TOP, wxVERTICAL);
  Scroll(wxEVT_SCROLLWIN_TOP, wxHORIZONTAL);
  EXPECT_EQ(grid->GetTopleftNonFixedCell(), CCellID(1, 1));
}

TEST_F(GridWindowTest, EnsureVisibleScrollsTheCellIntoView) {
  EXPECT_FALSE(grid->IsCellVisible(29, 7));
  grid->EnsureVisible(29, 7);

  EXPECT_TRUE(grid->IsCellVisible(29, 7));
  GridRect rect;
  ASSERT_TRUE(grid->GetCellRect(29, 7, &rect));
  EXPECT_LT(rect.bottom, grid->GetClientSize().y);
  EXPECT_EQ(grid->GetScrollPos(wxVERTICAL), grid->GetScrollPos32(true));
}

TEST_F(GridWindowTest, AGridThatFitsHasNoBars) {
  grid->SetRowCount(3);
  testsupport::PumpEvents();
  EXPECT_EQ(grid->GetScrollBarState(), 0);
}

TEST_F(GridWindowTest, AnEmptyGridPaintsOnlyItsBackground) {
  MakeGrid(0, 0, 0, 0);
  EXPECT_EQ(grid->GetScrollBarState(), 0);
  const wxImage image = Render(grid);
  const wxColour background = ColourOf(grid->GetGridBkColor());
  for (int y = 0; y < image.GetHeight(); y += 7) {
    for (int x = 0; x < image.GetWidth(); x += 7) ASSERT_EQ(PixelAt(image, wxPoint(x, y)), background);
  }
}

TEST_F(GridWindowTest, NotificationsReachTheOwnerAndCarryItsAnswer) {
  std::vector<int> codes;
  auto* owner = new wxWindow(frame, wxID_ANY);
  owner->Bind(OLV_EVT_GRID_NOTIFY, [&codes](CGridNotifyEvent& event) {
    codes.push_back(event.GetCode());
    if (event.GetCode() == GVN_BEGINLABELEDIT && event.GetRow() == 3) event.SetResult(-1);
  });
  grid->SetOwner(owner);
  EXPECT_EQ(grid->SendMessageToParent(3, 1, GVN_BEGINLABELEDIT), -1);
  EXPECT_EQ(grid->SendMessageToParent(2, 1, GVN_BEGINLABELEDIT), 0);
  EXPECT_EQ(codes, (std::vector<int>{GVN_BEGINLABELEDIT, GVN_BEGINLABELEDIT}));
  grid->SetOwner(nullptr);
  owner->Destroy();
}

}  // namespace
