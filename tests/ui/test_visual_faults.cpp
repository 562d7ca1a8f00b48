// What a user sees of the widget kit's own windows: a tooltip asked for near
// the screen's edges stays whole on the screen.
#include "ui/ToolTip2.h"

#include "HostFrame.h"
#include "UiEvents.h"

#include <gtest/gtest.h>

#include <wx/display.h>

namespace {

class ToolTipOnScreenTest : public testsupport::HostFrameTest {
 protected:
  ToolTipOnScreenTest() : HostFrameTest(wxSize(400, 300), wxPoint(60, 60)) {}

  static wxRect Screen() { return wxDisplay(0u).GetGeometry(); }
};

// A tip anchored by its top-left corner: near the right edge it moves left,
// near the bottom it moves up, past the left edge it moves right, and it
// keeps its size; elsewhere it sits at its anchor.
TEST_F(ToolTipOnScreenTest, TipNearTheScreenEdgesMovesOntoTheScreen) {
  auto* tip = new CToolTip2();
  ASSERT_TRUE(tip->Create(10, 2, 4, page));
  tip->SetText("Address code range: 0x0000 to 0xFFFF, four hexadecimal digits");
  const wxRect screen = Screen();
  const struct {
    const char* where;
    wxPoint anchor;  // screen coordinates
  } cases[] = {
      {"right edge", wxPoint(screen.GetRight() - 30, screen.y + 100)},
      {"bottom edge", wxPoint(screen.x + 100, screen.GetBottom() - 5)},
      {"bottom-right corner", wxPoint(screen.GetRight() - 2, screen.GetBottom() - 2)},
      {"left edge", wxPoint(screen.x - 50, screen.y + 100)},  // a tip placed left of its label
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    ASSERT_TRUE(tip->Show(page->ScreenToClient(c.anchor)));
    testsupport::PumpEvents();
    const wxRect box = tip->GetScreenRect();
    EXPECT_EQ(box.GetSize(), tip->GetBoxSize());
    EXPECT_TRUE(screen.Contains(box))
        << "tip at " << box.x << "," << box.y << " size " << box.width << "x" << box.height;
    tip->Hide();
  }

  // Where it fits, the tip's top-left corner is its anchor.
  const wxPoint inside(screen.x + 100, screen.y + 100);
  ASSERT_TRUE(tip->Show(page->ScreenToClient(inside)));
  EXPECT_EQ(tip->GetScreenPosition(), inside);
  tip->Hide();
}

}  // namespace
