// The main window on a display of 1366 x 768: it fits the work area whole, and
// its least size does too.
#include "PagesFixture.h"

#include <wx/display.h>

namespace {

TEST_F(PagesTest, TheMainWindowFitsTheWorkAreaOfASmallDisplay) {
  const wxRect area = wxDisplay(0u).GetClientArea();
  ASSERT_LE(area.height, 768);
  for (int brand : {1, 0}) {
    SCOPED_TRACE(brand);
    RunBrandWindow(brand, [&] {
      EXPECT_TRUE(area.Contains(dialog->GetRect()))
          << dialog->GetRect().x << "," << dialog->GetRect().y << " " << dialog->GetSize().x << "x"
          << dialog->GetSize().y;
      EXPECT_LE(dialog->GetMinSize().x, area.width);
      EXPECT_LE(dialog->GetMinSize().y, area.height);
      EXPECT_GE(dialog->GetSize().x, dialog->GetMinSize().x);
      EXPECT_GE(dialog->GetSize().y, dialog->GetMinSize().y);
    });
  }
}

}  // namespace
