// A frame holding one grid, and renderings of the grid for pixel checks.
#pragma once

#include "controls/grid/GridCtrl.h"

#include "HostFrame.h"

#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/image.h>

namespace gridtest {

// Reaches the state that the grid's input handling sets.
class CTestGrid : public CGridCtrl {
 public:
  using CGridCtrl::CGridCtrl;
  std::vector<int>& Columns() { return ColumnOrder(); }
  void SetSelectionStart(const CCellID& cell) { m_selectionStartCell = cell; }
  void SetMouseMode(int mode) { m_mouseMode = mode; }
};

// A grid of the given size in a shown frame; the frame goes with the fixture.
// The frame opens away from the corner where the other suites' windows open,
// since the suites may share one display.
class GridFixture : public testsupport::HostFrameTest {
 protected:
  GridFixture() : HostFrameTest(wxSize(640, 480), wxPoint(940, 360), testsupport::HostContent::Empty) {}
  // Replaces the grid by one of client size about width x height.
  CTestGrid* MakeGrid(int rows, int cols, int fixedRows, int fixedCols,
                      const wxSize& size = wxSize(420, 260));

  CTestGrid* grid = nullptr;
};

// The grid drawn by OnDraw into a bitmap of its client size.
wxImage Render(CGridCtrl* grid);
// Saves image as build/artifacts/<name>.png; returns the path.
wxString SaveArtifact(const wxImage& image, const wxString& name);
// The centre of a cell in client coordinates.
wxPoint CellCentre(CGridCtrl* grid, int row, int col);
wxColour PixelAt(const wxImage& image, const wxPoint& point);
wxColour ColourOf(ColorRef color);

}  // namespace gridtest
