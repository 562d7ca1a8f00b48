// The cell classes: defaults resolved from the grid's default cells,
// copying, the default cell's measuring, drawing, printing and editing hooks.
#include "GridTestSupport.h"

#include "core/AppContext.h"
#include "platform/Paths.h"
#include "ProgramState.h"

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/settings.h>

#include <vector>

using namespace gridtest;

namespace {

class GridCellTest : public GridFixture {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    GridFixture::SetUp();
    MakeGrid(4, 4, 1, 1);
  }

  // The cell drawn alone on white, into a bitmap of the given size.
  wxImage DrawAlone(CGridCellBase& cell, const wxSize& size = wxSize(120, 30), bool print = false) {
    wxBitmap bitmap(size);
    {
      wxMemoryDC dc(bitmap);
      dc.SetBackground(*wxWHITE_BRUSH);
      dc.Clear();
      const GridRect rect(0, 0, size.x - 1, size.y - 1);
      if (print) {
        cell.PrintCell(dc, 2, 2, rect);
      } else {
        cell.Draw(dc, 2, 2, rect);
      }
    }
    return bitmap.ConvertToImage();
  }
};

bool SameImage(const wxImage& a, const wxImage& b) {
  return a.GetSize() == b.GetSize() &&
         std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

TEST_F(GridCellTest, AnUntouchedCellUsesItsDefaultCellAndCopiesResolved) {
  CGridCell cell;
  EXPECT_EQ(cell.GetFormat(), kGridDefaultFormat);  // no grid: nothing to resolve from
  EXPECT_EQ(cell.GetMargin(), -1);
  EXPECT_EQ(cell.GetDefaultCell(), nullptr);
  EXPECT_EQ(cell.GetText(), "");

  cell.SetGrid(grid);
  const CGridDefaultCell* ordinary = grid->GetDefaultCell(false, false);
  EXPECT_EQ(cell.GetDefaultCell(), ordinary);
  EXPECT_EQ(cell.GetFormat(), gridformat::kDefault);
  EXPECT_EQ(cell.GetMargin(), ordinary->GetMargin());
  EXPECT_EQ(cell.GetTextColor(), kGridDefaultColor);
  EXPECT_EQ(cell.GetFont(), ordinary->GetFont());
  EXPECT_EQ(cell.GetFontObject(), ordinary->GetFontObject());
  EXPECT_TRUE(cell.IsDefaultFont());

  cell.SetState(GVIS_FIXED | GVIS_FIXEDROW);
  EXPECT_EQ(cell.GetDefaultCell(), grid->GetDefaultCell(true, false));

  CGridCell copy;
  copy.CopyFrom(cell);
  EXPECT_EQ(copy.GetGrid(), grid);
  EXPECT_EQ(copy.GetState(), cell.GetState());
  // Format and margin arrive as values; colours and font stay "default".
  copy.SetGrid(nullptr);
  EXPECT_EQ(copy.GetFormat(), gridformat::kDefault);
  EXPECT_EQ(copy.GetMargin(), ordinary->GetMargin());
  EXPECT_EQ(copy.GetTextColor(), kGridDefaultColor);
  EXPECT_TRUE(copy.IsDefaultFont());
}

TEST_F(GridCellTest, OwnPropertiesCopyAndReset) {
  CGridCell cell;
  cell.SetGrid(grid);
  cell.SetText("code");
  cell.SetData(42);
  cell.SetImage(3);
  cell.SetBackColor(0x0000FF);
  stLogFont font = *cell.GetFont();
  font.weight = kFontWeightBold;
  cell.SetFont(&font);
  EXPECT_FALSE(cell.IsDefaultFont());
  EXPECT_TRUE(cell.GetFontObject()->GetWeight() == wxFONTWEIGHT_BOLD);

  CGridCell copy;
  copy.CopyFrom(cell);
  EXPECT_EQ(copy.GetText(), "code");
  EXPECT_EQ(copy.GetData(), 42);
  EXPECT_EQ(copy.GetImage(), 3);
  EXPECT_EQ(copy.GetBackColor(), 0x0000FFu);
  ASSERT_FALSE(copy.IsDefaultFont());
  EXPECT_EQ(copy.GetFont()->weight, kFontWeightBold);
  copy.CopyFrom(copy);  // copying itself changes nothing
  EXPECT_EQ(copy.GetText(), "code");

  copy.Reset();
  EXPECT_EQ(copy.GetText(), "");
  EXPECT_EQ(copy.GetData(), 0);
  EXPECT_EQ(copy.GetImage(), -1);
  EXPECT_EQ(copy.GetBackColor(), kGridDefaultColor);
  EXPECT_EQ(copy.GetGrid(), nullptr);
  EXPECT_TRUE(copy.IsDefaultFont());
  EXPECT_EQ(copy.GetState(), 0u);
}

TEST_F(GridCellTest, DefaultCellMeasuresItselfFromItsFont) {
  CGridDefaultCell cell;
  EXPECT_TRUE(cell.IsReadOnly());
  cell.SetState(GVIS_SELECTED);
  cell.SetData(7);
  EXPECT_EQ(cell.GetState(), unsigned{GVIS_READONLY});
  EXPECT_EQ(cell.GetData(), 0);
  EXPECT_EQ(cell.GetFormat(), gridformat::kDefault);

  const int width = cell.GetWidth();
  const int height = cell.GetHeight();
  const int margin = cell.GetMargin();
  cell.SetFont(nullptr);  // keeps everything
  EXPECT_EQ(cell.GetWidth(), width);
  EXPECT_EQ(cell.GetHeight(), height);
  EXPECT_EQ(cell.GetMargin(), margin);

  stLogFont large = *cell.GetFont();
  large.pointSize = 0;
  large.height = -30;
  cell.SetFont(&large);
  EXPECT_GT(cell.GetWidth(), width);
  EXPECT_GT(cell.GetHeight(), height);
  wxScreenDC dc;
  dc.SetFont(*cell.GetFontObject());
  EXPECT_EQ(cell.GetWidth(), dc.GetTextExtent(" XXXXXXXXXXXX ").x);
  EXPECT_EQ(cell.GetHeight(), dc.GetTextExtent(" XXXXXXXXXXXX ").y * 3 / 2);
  EXPECT_EQ(cell.GetMargin(), dc.GetTextExtent(" ").x);
}

TEST_F(GridCellTest, ExtentsOfEmptyTextAreTheDefaultSize) {
  CGridCellBase* cell = grid->GetCell(2, 2);
  const CGridDefaultCell* ordinary = grid->GetDefaultCell(false, false);
  EXPECT_EQ(cell->GetTextExtent(""), wxSize(ordinary->GetWidth(), ordinary->GetHeight()));
  EXPECT_EQ(cell->GetCellExtent(), wxSize(ordinary->GetWidth() + 1, ordinary->GetHeight() + 1));

  cell->SetText("W");
  const wxSize small = cell->GetTextExtent("W");
  const wxSize wide = cell->GetTextExtent("WWWWWWWWWW");
  EXPECT_GT(wide.x, small.x);
  EXPECT_EQ(wide.y, small.y);
  // Fixed cells add one more pixel each way.
  CGridCellBase* header = grid->GetCell(0, 2);
  header->SetText("W");
  EXPECT_EQ(header->GetCellExtent(), cell->GetCellExtent() + wxSize(1, 1));
}

TEST_F(GridCellTest, DrawingNeedsARectangleAndAGrid) {
  CGridCellBase* cell = grid->GetCell(2, 2);
  cell->SetBackColor(0x0000FF);
  wxBitmap bitmap(40, 40);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  EXPECT_FALSE(cell->Draw(dc, 2, 2, GridRect(10, 10, 10, 30)));  // empty
  EXPECT_FALSE(cell->Draw(dc, 2, 2, GridRect(30, 10, 10, 30)));  // inverted
  CGridCell loose;
  loose.SetBackColor(0x0000FF);
  EXPECT_FALSE(loose.Draw(dc, 2, 2, GridRect(0, 0, 39, 39)));  // no grid
  dc.SelectObject(wxNullBitmap);
  const wxImage image = bitmap.ConvertToImage();
  for (int y = 0; y < 40; y += 3) {
    for (int x = 0; x < 40; x += 3) ASSERT_EQ(PixelAt(image, wxPoint(x, y)), *wxWHITE);
  }
}

TEST_F(GridCellTest, OwnColoursAreDrawnAndDefaultsResolved) {
  CGridCellBase* cell = grid->GetCell(2, 2);
  cell->SetBackColor(0x00FFFF);  // yellow
  wxImage image = DrawAlone(*cell);
  // The fill covers the whole cell, the right and bottom edge included.
  EXPECT_EQ(PixelAt(image, wxPoint(60, 15)), wxColour(255, 255, 0));
  EXPECT_EQ(PixelAt(image, wxPoint(119, 29)), wxColour(255, 255, 0));

  cell->SetBackColor(kGridDefaultColor);
  grid->SetTextBkColor(0x00FF00);
  image = DrawAlone(*cell);
  EXPECT_EQ(PixelAt(image, wxPoint(60, 15)), wxColour(0, 255, 0));

  cell->SetState(GVIS_SELECTED);
  image = DrawAlone(*cell);
  EXPECT_EQ(PixelAt(image, wxPoint(60, 15)), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
}

TEST_F(GridCellTest, TextIsShownAsItsLanguageTextButPrintedAsStored) {
  state.App().langFile = platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "Lang.ini");
  state.App().currentLangSection = "1252";
  CGridCellBase* cell = grid->GetCell(2, 2);
  CGridCellBase* other = grid->GetCell(2, 3);

  cell->SetText("IDS_MODE");
  other->SetText("Mode");  // its English text
  EXPECT_TRUE(SameImage(DrawAlone(*cell), DrawAlone(*other)));
  EXPECT_FALSE(SameImage(DrawAlone(*cell, wxSize(120, 30), true), DrawAlone(*other, wxSize(120, 30), true)));

  cell->SetText("NO_SUCH_KEY");  // no key: drawn as it stands
  other->SetText("NO_SUCH_KEY");
  const wxImage drawn = DrawAlone(*cell);
  EXPECT_TRUE(SameImage(drawn, DrawAlone(*other)));
  EXPECT_FALSE(SameImage(drawn, DrawAlone(*grid->GetCell(3, 3))));  // something was drawn
}

TEST_F(GridCellTest, PrintingPaintsOnlyColoursThatDifferFromTheDefault) {
  CGridCellBase* cell = grid->GetCell(2, 2);
  cell->SetBackColor(0x0000FF);
  EXPECT_EQ(PixelAt(DrawAlone(*cell, wxSize(120, 30), true), wxPoint(100, 3)), wxColour(255, 0, 0));
  grid->SetPrintColour(false);
  EXPECT_EQ(PixelAt(DrawAlone(*cell, wxSize(120, 30), true), wxPoint(100, 3)), *wxWHITE);
  grid->SetPrintColour(true);
  cell->SetBackColor(grid->GetTextBkColor());  // the default's colour: not painted
  EXPECT_EQ(PixelAt(DrawAlone(*cell, wxSize(120, 30), true), wxPoint(100, 3)), *wxWHITE);
}

TEST_F(GridCellTest, EditingForwardsToAnOpenEditorAndEndsIt) {
  CGridCell* cell = wxDynamicCast(grid->GetCell(2, 2), CGridCell);
  ASSERT_NE(cell, nullptr);
  EXPECT_FALSE(cell->CGridCellBase::Edit(2, 2, GridRect(), wxPoint(), 8, 'a'));

  auto* editor = new wxWindow(grid, wxID_ANY);
  std::vector<int> chars;
  int endings = 0;
  editor->Bind(wxEVT_CHAR, [&chars](wxKeyEvent& event) { chars.push_back(event.GetUnicodeKey()); });
  editor->Bind(wxEVT_KILL_FOCUS, [&endings, cell](wxFocusEvent&) {
    ++endings;
    cell->OnEndEdit();
  });
  cell->SetEditing(true);
  cell->SetEditWnd(editor);
  EXPECT_TRUE(cell->Edit(2, 2, GridRect(0, 0, 10, 10), wxPoint(), 8, '7'));
  EXPECT_TRUE(cell->Edit(2, 2, GridRect(0, 0, 10, 10), wxPoint(), 8, '8'));
  EXPECT_EQ(chars, (std::vector<int>{'7', '8'}));

  grid->SetFocusCell(2, 2);
  grid->EndEditing();
  EXPECT_EQ(endings, 1);
  EXPECT_FALSE(cell->IsEditing());
  EXPECT_EQ(cell->GetEditWnd(), nullptr);
  grid->EndEditing();  // nothing open any more
  EXPECT_EQ(endings, 1);
  editor->Destroy();
}

}  // namespace
