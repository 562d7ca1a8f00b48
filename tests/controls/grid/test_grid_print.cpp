// Printing of the grid to a PostScript file, read back.
#include "GridTestSupport.h"

#include "TempDir.h"
#include "UiEvents.h"

#include <wx/dcmemory.h>
#include <wx/dcps.h>
#include <wx/filename.h>
#include <wx/print.h>

#include <fstream>
#include <sstream>

using namespace gridtest;

namespace {

class GridPrintTest : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    MakeGrid(120, 3, 1, 1);
    grid->SetItemText(0, 1, "Code");
    grid->SetItemText(0, 2, "Name");
    for (int row = 1; row < 120; ++row) {
      grid->SetItemText(row, 0, wxString::Format("%d", row));
      grid->SetItemText(row, 1, wxString::Format("0x%02X", row));
      grid->SetItemText(row, 2, wxString::Format("Key%03d", row));
    }
  }
};

std::string ReadAll(const wxString& path) {
  std::ifstream in(path.fn_str(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(GridPrintTest, PrintsEveryRowOncePagesNumberedInTheFooter) {
  testsupport::TempDir folder;
  const wxString file = folder.File("grid.ps");
  wxPrintData data;
  data.SetPrintMode(wxPRINT_MODE_FILE);
  data.SetFilename(file);
  wxPrintDialogData dialogData(data);
  wxPostScriptPrinter printer(&dialogData);
  ASSERT_TRUE(grid->Print("Codes", printer, false));
  const std::string text = ReadAll(file);
  const int pages = grid->GetPrintPageCount();
  ASSERT_GT(pages, 1) << "120 rows do not fit on one page";
  for (int page = 1; page <= pages; ++page) {
    const std::string footer = wxString::Format("(Page %d of %d)", page, pages).ToStdString();
    EXPECT_NE(text.find(footer), std::string::npos) << footer;
  }
  EXPECT_EQ(text.find(wxString::Format("(Page %d of", pages + 1).ToStdString()), std::string::npos);
  for (int row = 1; row < 120; ++row) {
    const std::string key = wxString::Format("(Key%03d)", row).ToStdString();
    const size_t first = text.find(key);
    EXPECT_NE(first, std::string::npos) << key;
    EXPECT_EQ(text.find(key, first + 1), std::string::npos) << key << " printed twice";
  }
  // The header row is printed on every page.
  size_t headings = 0;
  for (size_t at = text.find("(Code)"); at != std::string::npos; at = text.find("(Code)", at + 1)) ++headings;
  EXPECT_EQ(headings, static_cast<size_t>(pages));
}

TEST_F(GridPrintTest, PageArithmeticFollowsTheMarginsAndTheGridWidth) {
  wxBitmap paper(800, 1100);
  wxMemoryDC dc(paper);
  dc.SetBackground(*wxWHITE_BRUSH);  // white paper, as a printer's page starts
  dc.Clear();
  GridPrintInfo info;
  grid->OnBeginPrinting(dc, info);
  const wxSize logical = grid->GetPrintLogicalSize();
  EXPECT_EQ(info.maxPage, grid->GetPrintPageCount());
  EXPECT_GT(logical.x, grid->GetVirtualWidth()) << "grid width plus the side margins";
  EXPECT_EQ(logical.y, logical.x * 1100 / 800);
  EXPECT_EQ(grid->GetPrintPageWidth(), grid->GetVirtualWidth() - grid->GetFixedColumnWidth());
  grid->OnPrint(dc, info);
  grid->OnEndPrinting(dc, info);
  SaveArtifact(paper.ConvertToImage(), "grid_print_page1");
}

}  // namespace
