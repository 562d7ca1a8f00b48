#include "GridTestSupport.h"

#include "UiEvents.h"

#include <wx/dcmemory.h>
#include <wx/filename.h>

namespace gridtest {

CTestGrid* GridFixture::MakeGrid(int rows, int cols, int fixedRows, int fixedCols, const wxSize& size) {
  if (grid) grid->Destroy();
  grid = new CTestGrid(rows, cols, fixedRows, fixedCols);
  grid->Create(frame, 1000, wxPoint(0, 0), size);
  grid->SetClientSize(size);
  testsupport::PumpEvents();
  return grid;
}

wxImage Render(CGridCtrl* grid) {
  const wxSize size = grid->GetClientSize();
  wxBitmap bitmap(size);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    grid->OnDraw(dc);
  }
  return bitmap.ConvertToImage();
}

wxString SaveArtifact(const wxImage& image, const wxString& name) {
  const wxString folder = wxString(OLV_BINARY_DIR) + wxFILE_SEP_PATH + "artifacts";
  wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  const wxString path = folder + wxFILE_SEP_PATH + name + ".png";
  image.SaveFile(path, wxBITMAP_TYPE_PNG);
  return path;
}

wxPoint CellCentre(CGridCtrl* grid, int row, int col) {
  GridRect rect;
  grid->GetCellRect(row, col, &rect);
  return wxPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

wxColour PixelAt(const wxImage& image, const wxPoint& point) {
  return wxColour(image.GetRed(point.x, point.y), image.GetGreen(point.x, point.y),
                  image.GetBlue(point.x, point.y));
}

wxColour ColourOf(ColorRef color) { return ColourFromColorRef(color); }

}  // namespace gridtest
