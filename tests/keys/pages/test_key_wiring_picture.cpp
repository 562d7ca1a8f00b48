// The wiring the key panel draws, compared pixel by pixel with pictures the
// test builds from the panel's wiring rules (not from the drawing code): step
// keypads whose first row line is VSS (ending in the ground symbol) or an IO
// line (ending on one more column line), matrices with and without their VSS
// row, on the panel and on the circuit diagram, the grey grid under them, and
// the leaders from the touch keys to their trigger labels.
#include "core/AppContext.h"
#include "keys/pages/KeyDlgEx.h"
#include "keys/pages/KeyPanelDrawing.h"
#include "platform/Paths.h"
#include "HostFrame.h"
#include "ProgramState.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/image.h>

#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const wxColour kWhite(0xFF, 0xFF, 0xFF);

// How much of a pixel a figure covers. The toolkit draws a 1-pixel line over
// the pixels from its first point to its second, both end pixels only in part;
// where two line ends meet the pixel may be covered in part or in full.
enum class Ink { kPaper, kFull, kPartial, kPartialOrFull, kAny };

struct stInk {
  Ink ink = Ink::kPaper;
  wxColour colour = kWhite;
};

// A picture drawn by hand from straight lines and junction dots.
class CPicture {
 public:
  CPicture(int width, int height)
      : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width * height)) {}

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  const stInk& At(int x, int y) const { return m_pixels[Index(x, y)]; }

  void Line(const wxColour& colour, int x1, int y1, int x2, int y2) {
    ASSERT_TRUE(x1 == x2 || y1 == y2) << "only straight lines";
    const int dx = x2 > x1 ? 1 : (x2 < x1 ? -1 : 0);
    const int dy = y2 > y1 ? 1 : (y2 < y1 ? -1 : 0);
    EndOfLine(x1, y1, colour);
    for (int x = x1 + dx, y = y1 + dy; x != x2 || y != y2; x += dx, y += dy) Set(x, y, {Ink::kFull, colour});
    EndOfLine(x2, y2, colour);
  }

  // A dot of radius 2: its middle 3 by 3 pixels in full; its smoothed rim,
  // up to 3 pixels from the centre, may take any shade.
  void Dot(const wxColour& colour, int cx, int cy) {
    for (int y = cy - 3; y <= cy + 3; ++y)
      for (int x = cx - 3; x <= cx + 3; ++x) {
        const bool middle = std::abs(x - cx) <= 1 && std::abs(y - cy) <= 1;
        Set(x, y, middle ? stInk{Ink::kFull, colour} : stInk{Ink::kAny, colour});
      }
  }

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * m_width + x); }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  void Set(int x, int y, const stInk& ink) {
    if (Inside(x, y)) m_pixels[Index(x, y)] = ink;
  }
  void EndOfLine(int x, int y, const wxColour& colour) {
    if (!Inside(x, y)) return;
    stInk& pixel = m_pixels[Index(x, y)];
    if (pixel.ink == Ink::kPaper)
      pixel = {Ink::kPartial, colour};
    else if (pixel.ink == Ink::kPartial)
      pixel = {Ink::kPartialOrFull, colour};
  }

  int m_width, m_height;
  std::vector<stInk> m_pixels;
};

// How far a drawn pixel goes from white towards the colour (1: the colour
// itself); -1 when it is a shade of another colour.
double Coverage(const wxColour& drawn, const wxColour& colour) {
  const int want[3] = {colour.Red(), colour.Green(), colour.Blue()};
  const int got[3] = {drawn.Red(), drawn.Green(), drawn.Blue()};
  int strongest = 0;
  for (int c = 1; c < 3; ++c)
    if (want[c] < want[strongest]) strongest = c;
  const double coverage = (255.0 - got[strongest]) / (255.0 - want[strongest]);
  for (int c = 0; c < 3; ++c)
    if (std::abs(got[c] - (255.0 - coverage * (255 - want[c]))) > 0x18) return -1;
  return coverage;
}

bool Matches(const stInk& expected, const wxColour& drawn) {
  if (expected.ink == Ink::kAny) return true;
  if (expected.ink == Ink::kPaper) return drawn == kWhite;
  const double coverage = Coverage(drawn, expected.colour);
  switch (expected.ink) {
    case Ink::kFull: return coverage >= 0.95;
    case Ink::kPartial: return coverage >= 0.5 && coverage < 0.95;
    default: return coverage >= 0.5;
  }
}

std::string Describe(const stInk& expected) {
  static const char* const names[] = {"paper", "full", "partial", "partial or full", "any"};
  return std::string(names[static_cast<int>(expected.ink)]) + " " +
         expected.colour.GetAsString(wxC2S_HTML_SYNTAX).ToStdString();
}

wxString ArtifactPath(const wxString& name) {
  const wxString folder = wxString(OLV_BINARY_DIR) + wxFILE_SEP_PATH + "artifacts";
  wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  return folder + wxFILE_SEP_PATH + name;
}

// The expected picture to look at: parts of pixels lighter, any shade yellow.
wxImage ToImage(const CPicture& picture) {
  wxImage image(picture.Width(), picture.Height());
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const stInk& ink = picture.At(x, y);
      const wxColour& c = ink.colour;
      if (ink.ink == Ink::kAny)
        image.SetRGB(x, y, 0xFF, 0xF0, 0x80);
      else if (ink.ink == Ink::kPartial)
        image.SetRGB(x, y, (c.Red() + 255) / 2, (c.Green() + 255) / 2, (c.Blue() + 255) / 2);
      else
        image.SetRGB(x, y, c.Red(), c.Green(), c.Blue());
    }
  return image;
}

// Draws on a white bitmap of the picture's size and compares every pixel;
// on a difference both pictures land in the artifacts for a look.
::testing::AssertionResult DrawsAs(const CPicture& expected, const std::function<void(wxDC&)>& draw,
                                   const std::string& name) {
  wxBitmap bitmap(expected.Width(), expected.Height(), 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    draw(dc);
  }
  const wxImage drawn = bitmap.ConvertToImage();
  std::string differences;
  int count = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      const wxColour got(drawn.GetRed(x, y), drawn.GetGreen(x, y), drawn.GetBlue(x, y));
      if (Matches(expected.At(x, y), got)) continue;
      if (++count <= 12)
        differences += "\n  (" + std::to_string(x) + "," + std::to_string(y) + ") " +
                       got.GetAsString(wxC2S_HTML_SYNTAX).ToStdString() + " for " +
                       Describe(expected.At(x, y));
    }
  if (count == 0) return ::testing::AssertionSuccess();
  drawn.SaveFile(ArtifactPath(name + "_drawn.png"), wxBITMAP_TYPE_PNG);
  ToImage(expected).SaveFile(ArtifactPath(name + "_expected.png"), wxBITMAP_TYPE_PNG);
  return ::testing::AssertionFailure() << count << " pixels differ:" << differences;
}

constexpr int kCellWidth = 40;  // A
constexpr int kPitch = 60;      // S = A + A/2

// One figure: the keys in use (K active lines or columns, Ra active matrix
// rows) or, for the grid, the whole keypad (K = n or N, Ra = R).
struct stFigure {
  const char* name;
  bool matrix;
  int frameworkKind;  // 0 General, 1 LCD simple, 2 LCD standard
  bool vssLine;
  bool diagram;
  int x0, y0;
  int lastColumn;  // M: the full grid's last column
  int active;      // K
  int activeRows;  // Ra
};

void PrintTo(const stFigure& f, std::ostream* os) { *os << f.name; }

stKeyDrawContext ContextOf(const stFigure& f) {
  stKeyDrawContext ctx;
  ctx.cellWidth = kCellWidth;
  ctx.frameworkKind = f.frameworkKind;
  ctx.matrix = f.matrix;
  ctx.vssLine = f.vssLine;
  return ctx;
}

// The rules of the wiring, step by step in drawing order; with `grid` the
// grey figure of the whole keypad with its differences. Returns the x where
// a step keypad's row 0 ends (xe).
int DrawByRules(CPicture& p, const stFigure& f, bool grid) {
  const int A = kCellWidth, S = kPitch, X0 = f.x0, Y0 = f.y0, K = f.active, Ra = f.activeRows;
  const bool step = !f.matrix;
  const bool g0 = step && f.frameworkKind != 0 && !f.vssLine;  // row line 0 is an IO line
  const wxColour C = grid ? keydraw::kGrey : (f.diagram ? keydraw::kBlack : keydraw::kBlue);
  const wxColour dot = grid ? keydraw::kGrey : keydraw::kBlack;
  const int rows = step ? K : Ra;
  // Column 0.
  if (K >= 1 || grid) p.Line(C, X0, Y0, X0, Y0 + 16 + 50 * (rows - 1));
  // Columns K-1 .. 1: a step keypad's column line j reaches the wire of row K - j.
  for (int j = K - 1; j >= 1; --j) {
    const int bottom = step ? Y0 + (grid ? 73 : 74) + 50 * (K - 1 - j) : Y0 + 16 + 50 * (Ra - 1);
    p.Line(C, X0 + j * S, Y0, X0 + j * S, bottom);
  }
  // The IO line that ends row 0 instead of VSS.
  if (g0 && K >= 1) p.Line(C, X0 + K * S, Y0, X0 + K * S, Y0 + 24);
  // Row 0.
  int xe = 0;
  if (step) {
    const int m = grid || f.diagram ? K - 1 : f.lastColumn;
    xe = X0 + A + (g0 ? A / 2 + (K - 1) * S : m * S + A + 16);
    if (K >= 1) p.Line(C, X0 + A, Y0 + 23, xe, Y0 + 23);
  } else if (Ra >= 1) {
    if (grid)
      p.Line(C, 0, Y0 + 23, (K - 1) * S + A + 16, Y0 + 23);
    else
      p.Line(C, X0 - 15, Y0 + 23, X0 + (K - 1) * S + A, Y0 + 23);
  }
  // The ground symbol of the VSS line.
  if (step && !g0 && !grid) {
    p.Line(C, xe, Y0 + 23 - 15, xe, Y0 + 23 + 15);
    p.Line(C, xe + 5, Y0 + 23 - 10, xe + 5, Y0 + 23 + 10);
    p.Line(C, xe + 10, Y0 + 23 - 5, xe + 10, Y0 + 23 + 5);
  }
  // Rows below.
  for (int r = 1; r < rows; ++r) {
    const int y = Y0 + 23 + 50 * r;
    if (step)
      p.Line(C, X0 + A, y, X0 + (K - r) * S, y);
    else
      p.Line(C, grid ? 0 : X0 - 15, y, X0 + (K - 1) * S + A, y);
  }
  // Connectors from the keys' right terminals down to their row wires.
  for (int r = 0; r < rows; ++r)
    for (int k = 0; k < (step ? K - r : K); ++k) {
      const int x = X0 + A + k * S, top = Y0 + 15 + 50 * r;
      const bool shortOne = grid && !step && k < K - 1;
      p.Line(C, x, top, x, top + (shortOne ? 6 : 9));
    }
  // Junction dots on the column wires (none on the last row) ...
  for (int r = 0; r <= rows - 2; ++r)
    for (int j = 0; j < (step ? K - r : K); ++j) p.Dot(dot, X0 + j * S, Y0 + 15 + 50 * r);
  // ... and on the row wires: not where a step keypad's row wire begins nor
  // where a matrix row wire ends.
  if (step) {
    for (int r = 0; r <= K - 2; ++r)
      for (int k = 1; k <= K - 1 - r; ++k) {
        const bool leftOut = grid && r == 0 && k == K - 1 && f.frameworkKind == 1 && !f.vssLine;
        if (!leftOut) p.Dot(dot, X0 + A + k * S, Y0 + 23 + 50 * r);
      }
  } else {
    for (int r = 0; r < Ra; ++r)
      for (int k = 0; k <= K - 2; ++k) p.Dot(dot, X0 + A + k * S, Y0 + 23 + 50 * r);
  }
  return xe;
}

constexpr int kPictureWidth = 400, kPictureHeight = 260;

class KeyWiringPicture : public ::testing::TestWithParam<stFigure> {};

TEST_P(KeyWiringPicture, DrawsTheKeysInUseAsTheRulesDo) {
  const stFigure& f = GetParam();
  CPicture expected(kPictureWidth, kPictureHeight);
  const int xe = DrawByRules(expected, f, false);
  wxRect extent;
  EXPECT_TRUE(DrawsAs(
      expected,
      [&](wxDC& dc) {
        DrawKeyWiring(dc, ContextOf(f), f.x0, f.y0, f.lastColumn, f.active, f.activeRows, f.diagram, extent);
      },
      std::string("wiring_") + f.name));
  // A step keypad's extent ends past the ground symbol; a matrix leaves it.
  if (f.matrix)
    EXPECT_EQ(extent, wxRect());
  else
    EXPECT_EQ(extent.GetRight() + 1, xe + 15);
}

// Panel: origin (15, 0), M = N - 1. Diagram: origin (left offset + 15, 35).
INSTANTIATE_TEST_SUITE_P(Shapes, KeyWiringPicture,
                         ::testing::Values(
                             // Step keypads of 4 lines with 3 in use.
                             stFigure{"step_vss", false, 0, false, false, 15, 0, 3, 3, 0},
                             stFigure{"step_vss_diagram", false, 0, false, true, 65, 35, 3, 3, 0},
                             stFigure{"step_lcd_io_line", false, 2, false, false, 15, 0, 3, 3, 0},
                             stFigure{"step_lcd_vss", false, 1, true, false, 15, 0, 3, 3, 0},
                             stFigure{"step_lcd_io_line_diagram", false, 1, false, true, 65, 35, 3, 3, 0},
                             stFigure{"step_one_line", false, 0, false, false, 15, 0, 3, 1, 0},
                             stFigure{"step_none_in_use", false, 0, false, false, 15, 0, 3, 0, 0},
                             // Matrices of 3 columns: 2 rows of 2 keys; with the VSS row 3 rows of 3.
                             stFigure{"matrix", true, 0, false, false, 15, 0, 2, 2, 2},
                             stFigure{"matrix_vss_row", true, 0, true, false, 15, 0, 2, 3, 3},
                             stFigure{"matrix_vss_row_diagram", true, 0, true, true, 65, 35, 2, 3, 3},
                             stFigure{"matrix_one_key", true, 1, false, false, 15, 0, 2, 1, 1}),
                         [](const ::testing::TestParamInfo<stFigure>& info) {
                           return std::string(info.param.name);
                         });

class KeyGridPicture : public ::testing::TestWithParam<stFigure> {};

TEST_P(KeyGridPicture, DrawsTheWholeGridInGreyAsTheRulesDo) {
  const stFigure& f = GetParam();
  CPicture expected(kPictureWidth, kPictureHeight);
  DrawByRules(expected, f, true);
  const int rows = f.matrix ? f.activeRows : 0;
  EXPECT_TRUE(DrawsAs(
      expected, [&](wxDC& dc) { DrawKeyGrid(dc, ContextOf(f), f.x0, f.y0, f.lastColumn, rows); },
      std::string("grid_") + f.name));
}

// The grid is the full keypad: K = M + 1 lines or columns, Ra = R rows.
INSTANTIATE_TEST_SUITE_P(
    Shapes, KeyGridPicture,
    ::testing::Values(stFigure{"step", false, 0, false, false, 15, 0, 3, 4, 0},
                      stFigure{"step_lcd_simple_io_line", false, 1, false, false, 15, 0, 3, 4, 0},
                      stFigure{"step_lcd_standard_io_line", false, 2, false, false, 15, 0, 2, 3, 0},
                      stFigure{"step_lcd_simple_vss", false, 1, true, false, 15, 0, 3, 4, 0},
                      stFigure{"matrix", true, 0, false, false, 15, 0, 2, 3, 3},
                      stFigure{"matrix_vss_row", true, 0, true, false, 15, 0, 2, 3, 4}),
    [](const ::testing::TestParamInfo<stFigure>& info) { return std::string(info.param.name); });

// Touch keys run down in columns of four; each key's leader runs from the
// middle of its bottom edge up to the height of its trigger label's middle
// and on to the label's left edge.
TEST(KeyTouchLeaders, JoinEachTouchKeyToItsTriggerLabel) {
  testsupport::ProgramState state;
  state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
  state.App().currentLangSection = state.App().defaultLangSection = "1252";
  const int A = 44, B = 20;  // a key cell other than the default shows the sizes are followed
  testsupport::HostFrame host(wxSize(700, 480));
  auto* panel = new CKeyDlgEx(host.Page());
  panel->SetKeyCellRect(wxRect(0, 0, A, B));
  panel->SetSize(0, 0, 660, 420);
  panel->CreateTouchKeys(8);
  testsupport::PumpEvents();

  CPicture expected(660, 420);
  for (int i = 0; i < 8; ++i) {
    const int top = (i % 4) * (3 * B - 5) + 55, left = (i / 4) * (25 * A / 4) + 55;
    const int keyMiddle = left + A + 10 + A / 2, labelMiddle = top + B / 2, labelLeft = left + 2 * A + 30;
    expected.Line(*wxBLACK, keyMiddle, top + B, keyMiddle, labelMiddle);
    expected.Line(*wxBLACK, keyMiddle, labelMiddle, labelLeft, labelMiddle);
  }
  EXPECT_TRUE(DrawsAs(
      expected, [&](wxDC& dc) { panel->Paint(dc); }, "touch_leaders"));
}

}  // namespace
