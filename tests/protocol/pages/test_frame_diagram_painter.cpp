// Frame blocks and send-format rows drawn into a bitmap: the colours, pens,
// texts and marks each state of a block shows.
#include "FakeFrameItems.h"
#include "HostFrame.h"
#include "UiEvents.h"
#include "core/AppContext.h"
#include "platform/Paths.h"
#include "protocol/gui/FrameDiagramPainter.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>

#include <functional>

namespace olv::protocol {
namespace {

using testing::FakeHost;
using testing::FakeItem;

class FrameDiagramPainterTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    state.App().currentLangSection = state.App().defaultLangSection = "1252";
  }

  // Draws on a white 400 x 120 bitmap and returns its pixels.
  wxImage Render(const std::function<void(wxDC&)>& draw) {
    wxBitmap bitmap(400, 120, 24);
    {
      wxMemoryDC dc(bitmap);
      dc.SetBackground(*wxWHITE_BRUSH);
      dc.Clear();
      draw(dc);
    }
    return bitmap.ConvertToImage();
  }

  static wxColour At(const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
  }
  static bool IsDark(const wxColour& c) { return c.Red() < 100 && c.Green() < 100 && c.Blue() < 100; }
  static int CountIn(const wxImage& image, const wxRect& area,
                     const std::function<bool(const wxColour&)>& test) {
    int count = 0;
    for (int y = area.y; y < area.GetBottom() + 1; ++y)
      for (int x = area.x; x < area.GetRight() + 1; ++x) count += test(At(image, x, y)) ? 1 : 0;
    return count;
  }
  // The longest run of dark pixels on row y.
  static int LongestDarkRun(const wxImage& image, int y) {
    int best = 0, run = 0;
    for (int x = 0; x < image.GetWidth(); ++x) {
      run = IsDark(At(image, x, y)) ? run + 1 : 0;
      best = std::max(best, run);
    }
    return best;
  }

  CFrameBlockPainter painter{*wxNORMAL_FONT};
  FakeHost host;
};

TEST_F(FrameDiagramPainterTest, FixedBlockIsGreyWhateverItsColours) {
  CFrameBlock block;
  block.Create(20, 20, 40, 120, &host);
  block.SetFillColor(RgbColour(255, 0, 0));
  block.SetTextColor(RgbColour(0, 0, 255));
  FakeItem item("ADDRESS");
  block.BindWnd(&item, kKindData);
  const wxImage image = Render([&](wxDC& dc) { painter.DrawBlock(dc, block, kEdgeOutline); });

  EXPECT_EQ(At(image, 25, 25), wxColour(224, 224, 224));
  EXPECT_EQ(At(image, 60, 20), wxColour(192, 192, 192));   // the top edge
  EXPECT_EQ(At(image, 20, 40), wxColour(192, 192, 192));   // the left edge
  EXPECT_EQ(At(image, 140, 40), wxColour(192, 192, 192));  // the right edge, on the rectangle's right
  const wxRect body(21, 21, 118, 38);
  // Grey text, neither the block's red nor its blue nor black.
  EXPECT_GT(CountIn(image, body, [](const wxColour& c) { return c.Red() < 200 && c.Red() == c.Blue(); }), 10);
  EXPECT_EQ(CountIn(image, body, [](const wxColour& c) { return c.Red() > 200 && c.Green() < 50; }), 0);
  EXPECT_EQ(CountIn(image, body, [](const wxColour& c) { return c.Blue() > 200 && c.Red() < 50; }), 0);
  EXPECT_EQ(CountIn(image, body, [](const wxColour& c) { return c.Red() < 100; }), 0);
}

TEST_F(FrameDiagramPainterTest, AddPlaceOfAFrameListIsADottedPlus) {
  CFrameBlock block;
  block.Create(20, 20, 40, 120, &host);
  block.SetMovable(true, false);
  block.SetListFlags(true, false, false);
  FakeItem item("IGNORED");
  block.BindWnd(&item, kKindData);
  const wxImage image = Render([&](wxDC& dc) { painter.DrawBlock(dc, block, kEdgeOutline); });

  // A dotted top edge: pen pixels with gaps between them.
  int pen = 0, gaps = 0;
  for (int x = 30; x < 110; ++x) (At(image, x, 20) == At(image, 25, 25) ? gaps : pen) += 1;
  EXPECT_GT(pen, 10);
  EXPECT_GT(gaps, 10);
  // A black "+" in the middle, and nothing else: the bound caption is not drawn.
  const wxRect centre(70, 30, 20, 20);
  EXPECT_GT(CountIn(image, centre, IsDark), 3);
  EXPECT_EQ(CountIn(image, wxRect(21, 21, 45, 38), IsDark), 0);
}

TEST_F(FrameDiagramPainterTest, SelectedBlockHasARedDottedFrame) {
  CFrameBlock block;
  block.Create(20, 20, 40, 120, &host);
  block.SetMovable(true, false);
  block.SetSelected(true, false);
  const wxImage image = Render([&](wxDC& dc) { painter.DrawBlock(dc, block, kEdgeOutline); });
  int red = 0;
  for (int x = 30; x < 110; ++x) {
    const wxColour c = At(image, x, 20);
    red += c.Red() > 200 && c.Green() < 80 && c.Blue() < 80 ? 1 : 0;
  }
  EXPECT_GT(red, 10);
  EXPECT_LT(red, 80);
  EXPECT_EQ(At(image, 25, 25), wxColour(255, 255, 255));  // its own fill colour
}

TEST_F(FrameDiagramPainterTest, ComplementShowsTheCaptionOverlinedWithoutTheSlash) {
  CFrameBlock block;
  block.Create(20, 20, 60, 200, &host);
  block.SetMovable(true, false);
  block.SetText("/ADD", false);
  FakeItem item("/ADDRESS");
  block.BindWnd(&item, kKindData);
  ASSERT_TRUE(block.IsComplement());
  wxSize shown, withSlash;
  const wxImage image = Render([&](wxDC& dc) {
    painter.DrawBlock(dc, block, kEdgeOutline);
    dc.SetFont(painter.Font());
    shown = dc.GetTextExtent("ADDRESS");
    withSlash = dc.GetTextExtent("/ADDRESS");
  });
  // The overline is a dark row two pixels above the centred text, as wide as the text without its slash.
  const int top = 20 + (60 - shown.y) / 2;
  const int overline = LongestDarkRun(image, top - 2);
  EXPECT_GE(overline, shown.x - 1);
  EXPECT_LT(overline, withSlash.x - 1);
  // The row above it is clear, so it is a line and not the text.
  EXPECT_LT(LongestDarkRun(image, top - 4), 3);
}

TEST_F(FrameDiagramPainterTest, LabelIsFilledAboveTheBody) {
  CFrameBlock block;
  block.Create(20, 50, 40, 120, &host);
  block.SetMovable(true, false);
  block.SetLabelRect({20, 20, 140, 45}, false);
  block.SetText("LABEL", false);
  const wxImage image = Render([&](wxDC& dc) { painter.DrawBlock(dc, block, kEdgeOutline); });
  EXPECT_EQ(At(image, 22, 22), wxColour(0, 175, 239));
  EXPECT_GT(CountIn(image, wxRect(21, 21, 118, 23), IsDark), 10);
  EXPECT_EQ(At(image, 25, 55), wxColour(255, 255, 255));

  // Hidden: neither label nor body is drawn.
  block.SetVisible(false, false);
  const wxImage hidden = Render([&](wxDC& dc) { painter.DrawBlock(dc, block, kEdgeOutline); });
  EXPECT_EQ(CountIn(hidden, wxRect(0, 0, 400, 120), [](const wxColour& c) { return c != *wxWHITE; }), 0);
}

TEST_F(FrameDiagramPainterTest, EdgeBitsDrawOnlyTheirSides) {
  struct Case {
    int edges;
    bool left, top, right, bottom;
  };
  for (const Case& c :
       {Case{kEdgeLeftTop, true, true, false, false}, Case{kEdgeRightBottom, false, false, true, true},
        Case{kEdgeLeft, true, false, false, false}, Case{kEdgeTop, false, true, false, false},
        Case{kEdgeRight, false, false, true, false}, Case{kEdgeBottom, false, false, false, true}}) {
    CFrameBlock block;
    block.Create(20, 20, 40, 120, &host);
    block.SetMovable(true, false);
    const wxImage image = Render([&](wxDC& dc) { painter.DrawBlock(dc, block, c.edges); });
    const wxColour pen(192, 192, 192);
    EXPECT_EQ(At(image, 20, 40) == pen, c.left) << c.edges;
    EXPECT_EQ(At(image, 80, 20) == pen, c.top) << c.edges;
    EXPECT_EQ(At(image, 140, 40) == pen, c.right) << c.edges;
    EXPECT_EQ(At(image, 80, 60) == pen, c.bottom) << c.edges;
  }
}

TEST_F(FrameDiagramPainterTest, SendFormatRowWithItsDropMarker) {
  CSendFormat format;
  format.Layout(0, 10, 30, 40, 9, &host, true);
  // Start and toggle places hidden: they are not drawn, the row closes up.
  format.Layout(0, 10, 30, 40, 9, &host, false);
  FakeItem d1("D1"), d2("D2");
  ASSERT_TRUE(format.InsertAt(kKindData, 3, &d1, RgbColour(255, 170, 165), false, false, true, false));
  ASSERT_TRUE(format.InsertAt(kKindData, 4, &d2, RgbColour(255, 170, 165), false, false, true, false));
  format.insertion_item = &d2;
  format.marker_shown = true;
  const wxImage image = Render([&](wxDC& dc) { painter.DrawSendFormat(dc, format); });

  const BlockRect& first = format.Place(3).Rect();
  EXPECT_EQ(first.left, 0);  // places 0..2 are hidden, nothing before place 3
  EXPECT_EQ(At(image, first.left + 20, 15), wxColour(255, 170, 165));
  EXPECT_EQ(At(image, format.Place(5).Rect().left + 20, 15), wxColour(224, 224, 224));
  EXPECT_GT(CountIn(image, wxRect(first.left + 5, 12, 30, 26), IsDark), 3);  // "D1"

  // The marker: an upward triangle in the 10-pixel strip under D2's place.
  const BlockRect& marked = format.Place(4).Rect();
  const int cx = (marked.left + marked.right) / 2;
  EXPECT_TRUE(IsDark(At(image, cx, 41)) || IsDark(At(image, cx, 40)));
  EXPECT_GT(CountIn(image, wxRect(cx - 5, 49, 11, 2), IsDark), 6);  // the base
  EXPECT_EQ(CountIn(image, wxRect(first.left, 40, 30, 11), IsDark), 0);
  format.marker_shown = false;
  const wxImage plain = Render([&](wxDC& dc) { painter.DrawSendFormat(dc, format); });
  EXPECT_EQ(CountIn(plain, wxRect(cx - 6, 40, 13, 11), IsDark), 0);
}

// A window that owns a row, as the data-format pages do: its blocks repaint it
// through the window host and its paint handler draws the row.
class RowWindow : public wxPanel {
 public:
  explicit RowWindow(wxWindow* parent) : wxPanel(parent), host(this), painter(GetFont()) {
    SetBackgroundColour(*wxWHITE);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
      wxPaintDC dc(this);
      painter.DrawSendFormat(dc, format);
    });
  }
  CWindowBlockHost host;
  CFrameBlockPainter painter;
  CSendFormat format;
};

TEST_F(FrameDiagramPainterTest, RowInAWindowShowsItsDropPlace) {
  testsupport::HostFrame frame(wxSize(720, 120), wxPoint(40, 40), testsupport::HostContent::Empty);
  auto* window = new RowWindow(frame.Frame());
  frame.Frame()->SendSizeEvent();
  window->format.start_shown = true;
  window->format.kind2_shown = true;
  window->format.Layout(10, 20, 30, 64, 9, &window->host, true);
  FakeItem start("START"), address("ADDRESS"), command("COMMAND"), inverted("COMMAND");
  CSendFormat& row = window->format;
  ASSERT_TRUE(row.InsertAt(kKindStart, 1, &start, RgbColour(255, 211, 182), false, false, true, false));
  ASSERT_TRUE(row.InsertAt(kKindData, 3, &address, RgbColour(255, 170, 165), false, false, true, false));
  ASSERT_TRUE(row.InsertAt(kKindData, 4, &command, RgbColour(220, 237, 193), false, false, true, false));
  ASSERT_TRUE(row.InsertAt(kKindData, 5, &inverted, RgbColour(168, 230, 207), true, false, true, false));
  row.Layout(10, 20, 30, 64, 9, &window->host, false);  // the toggle place is hidden
  ASSERT_TRUE(row.MarkDropPlaces(kKindData, true, false));
  testsupport::PumpEvents();

  const BlockRect& drop = row.Place(6).Rect();
  EXPECT_TRUE(row.Place(6).IsSelected());
  const wxImage screen = testsupport::WaitForScreen(window);
  const wxPoint origin = window->ClientToScreen(wxPoint(0, 0)) - window->GetScreenPosition();
  int red = 0;
  for (int x = drop.left + 4; x < drop.right - 4; ++x) {
    const wxColour c = At(screen, origin.x + x, origin.y + drop.top);
    red += c.Red() > 200 && c.Green() < 80 && c.Blue() < 80 ? 1 : 0;
  }
  EXPECT_GT(red, 5);
  EXPECT_EQ(testsupport::ScreenPixel(window, wxPoint(row.Place(3).Rect().left + 4, 24)),
            wxColour(255, 170, 165));
  testsupport::SaveWindowScreenshot(frame.Frame(), "frame_diagram.png");
}

}  // namespace
}  // namespace olv::protocol
