// Tooltip, PNG button and PNG picture, driven by the mouse.
#include "ui/LUEdit.h"
#include "ui/PNGShow.h"
#include "ui/PngButton.h"
#include "ui/ResourceIds.h"
#include "ui/Resources.h"
#include "ui/ToolTip2.h"
#include "ui/UiMessages.h"

#include "TempDir.h"
#include "HostFrame.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <type_traits>

#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <cstring>
#include <vector>

namespace {

// A picture of one colour with full alpha.
wxString WritePicture(const testsupport::TempDir& dir, const wxString& name, const wxColour& colour,
                      const wxSize& size = wxSize(40, 20)) {
  wxImage image(size);
  image.SetRGB(wxRect(size), colour.Red(), colour.Green(), colour.Blue());
  image.InitAlpha();
  const wxString path = dir.File(name);
  image.SaveFile(path, wxBITMAP_TYPE_PNG);
  return path;
}

class WidgetTest : public testsupport::HostFrameTest {
 protected:
  WidgetTest() : HostFrameTest(wxSize(400, 300), wxPoint(60, 60)) {}
  testsupport::TempDir dir;
};

TEST_F(WidgetTest, ToolTipShowsOnceUntilHidden) {
  auto* tip = new CToolTip2();
  ASSERT_TRUE(tip->Create(10, 0, 0, page));
  EXPECT_FALSE(tip->Show(wxPoint(10, 10)));  // no text
  tip->SetText("Carrier frequency  \t");
  EXPECT_EQ(tip->GetText(), "Carrier frequency");
  EXPECT_TRUE(tip->Show(wxPoint(10, 10)));
  EXPECT_TRUE(tip->IsShown());
  EXPECT_FALSE(tip->Show(wxPoint(50, 50)));  // already shown
  EXPECT_EQ(tip->GetScreenPosition(), page->ClientToScreen(wxPoint(10, 10)));
  // Margins of 0 give a box exactly the size of the text.
  EXPECT_EQ(tip->GetSize(), tip->GetTextSize());
  tip->Hide();
  EXPECT_FALSE(tip->IsTipShown());
  EXPECT_TRUE(tip->Show(wxPoint(50, 50)));
  tip->Hide();

  auto* framed = new CToolTip2();
  ASSERT_TRUE(framed->Create(10, 3, 5, page));
  framed->SetText("0~255");
  ASSERT_TRUE(framed->Show(wxPoint(0, 0)));
  EXPECT_EQ(framed->GetSize(), framed->GetTextSize() + wxSize(10, 6));
  // The tip never takes the focus.
  EXPECT_NE(wxWindow::FindFocus(), static_cast<wxWindow*>(framed));
}

TEST_F(WidgetTest, PngButtonHoverPressAndClick) {
  auto* button = new CPngButton(page, 1019, wxPoint(20, 20));
  ASSERT_TRUE(button->SetImages(WritePicture(dir, "n.png", *wxBLUE), WritePicture(dir, "h.png", *wxGREEN),
                                WritePicture(dir, "p.png", *wxRED),
                                WritePicture(dir, "d.png", *wxLIGHT_GREY)));
  EXPECT_EQ(button->GetSize(), wxSize(40, 20));  // takes the picture's size
  int clicks = 0;
  page->Bind(wxEVT_BUTTON, [&](wxCommandEvent& event) {
    if (event.GetId() == 1019) ++clicks;
  });

  EXPECT_EQ(button->GetLook(), CPngButton::Look::kNormal);
  // Coming in with the left button held does not start the hover look.
  testsupport::MouseMove(button, wxPoint(5, 5), true);
  EXPECT_EQ(button->GetLook(), CPngButton::Look::kNormal);
  testsupport::MouseMove(button, wxPoint(5, 5));
  EXPECT_EQ(button->GetLook(), CPngButton::Look::kHover);
  testsupport::MouseDown(button, wxPoint(5, 5));
  EXPECT_EQ(button->GetLook(), CPngButton::Look::kPressed);
  testsupport::MouseUp(button, wxPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  testsupport::MouseLeave(button);
  EXPECT_EQ(button->GetLook(), CPngButton::Look::kNormal);
  // Released outside: no click.
  testsupport::MouseDown(button, wxPoint(5, 5));
  testsupport::MouseUp(button, wxPoint(200, 5));
  EXPECT_EQ(clicks, 1);
  button->SetPushed(true);
  EXPECT_EQ(button->GetLook(), CPngButton::Look::kPressed);
  button->SetPushed(false);
  button->Enable(false);
  EXPECT_EQ(button->GetLook(), CPngButton::Look::kDisabled);
}

TEST_F(WidgetTest, PngButtonTintAndDisabledFallback) {
  auto* button = new CPngButton(page, wxID_ANY, wxPoint(20, 20));
  EXPECT_FALSE(button->SetTint(0x0000FF, 255, 100));  // an alpha of 255 switches the tint off
  EXPECT_TRUE(button->SetTint(0x0000FF, 128, 200));
  // A transparent picture shows the tint underneath when hovered.
  wxImage clear(wxSize(30, 20));
  clear.InitAlpha();
  memset(clear.GetAlpha(), 0, 30 * 20);
  clear.SaveFile(dir.File("clear.png"), wxBITMAP_TYPE_PNG);
  ASSERT_TRUE(button->SetTwoImages(dir.File("clear.png"), dir.File("missing.png")));
  auto pixel = [&]() {
    wxBitmap bitmap(30, 20, 24);
    wxMemoryDC dc(bitmap);
    button->DrawButton(dc);
    wxColour colour;
    dc.GetPixel(10, 10, &colour);
    return colour;
  };
  EXPECT_EQ(pixel(), *wxWHITE);
  testsupport::MouseMove(button, wxPoint(5, 5));
  const wxColour hovered = pixel();
  EXPECT_EQ(hovered.Red(), (255 * 128 + 255 * 127) / 255);
  EXPECT_EQ(hovered.Green(), 255 * 127 / 255);
  // Tint off: hovering shows the picture unchanged.
  button->SetTint(0x0000FF, 255, 255);
  EXPECT_EQ(pixel(), *wxWHITE);
  // Disabled without a disabled picture shows the normal one.
  button->Enable(false);
  EXPECT_EQ(button->GetLook(), CPngButton::Look::kNormal);
}

TEST_F(WidgetTest, PngPictureFlipsAndTellsThePage) {
  auto* picture = new CPNGShow(page, 1400, wxPoint(10, 10), wxSize(60, 40));
  std::vector<int> selected;
  page->Bind(WM_PICTURE_SELECT, [&](wxCommandEvent& event) { selected.push_back(event.GetInt()); });

  // Without pictures nothing is painted.
  wxBitmap bitmap(60, 40, 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    picture->DrawPicture(dc);
    wxColour colour;
    dc.GetPixel(30, 20, &colour);
    EXPECT_EQ(colour, *wxBLACK);
  }
  EXPECT_FALSE(picture->AddImage(dir.File("missing.png")));
  EXPECT_EQ(picture->GetImageCount(), 0);
  EXPECT_EQ(picture->GetCurrentIndex(), 0);  // outside the list: nothing shown

  ASSERT_TRUE(picture->AddImage(WritePicture(dir, "a.png", *wxRED)));
  ASSERT_TRUE(picture->AddImage(WritePicture(dir, "b.png", *wxGREEN)));
  EXPECT_EQ(picture->GetCurrentIndex(), 1);  // the last added is shown
  for (int i = 0; i < 3; ++i) testsupport::Click(picture, wxPoint(5, 5));
  EXPECT_EQ(selected, (std::vector<int>{0, 1, 0}));
  {
    wxMemoryDC dc(bitmap);
    picture->DrawPicture(dc);
    wxColour colour;
    dc.GetPixel(30, 20, &colour);
    EXPECT_EQ(colour, *wxRED);  // stretched over the whole control
  }
}

TEST_F(WidgetTest, LabelTipAppearsWhenTheMouseRests) {
  CLUEdit input;
  // Far enough from the screen's left edge for the tip to stand left of the label.
  ASSERT_TRUE(input.Create(240, 100, 26, 80, 1069, page));
  input.SetLabelText("Boot mark", true);
  input.EnableLabelTip(true);
  int asked = 0;
  input.SetLabelTipProvider([&]() {
    ++asked;
    return wxString("Width of the boot mark");
  });
  input.SetLabelTipPlacement(0);
  CLUStatic* label = input.GetLabel();
  testsupport::MouseEnter(label, wxPoint(3, 3));
  testsupport::MouseMove(label, wxPoint(4, 3));
  testsupport::PumpUntil([&] { return input.GetLabelTip() && input.GetLabelTip()->IsTipShown(); });
  CToolTip2* tip = input.GetLabelTip();
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(tip->IsTipShown());
  EXPECT_EQ(asked, 1);
  // Above and to the left of the label.
  const wxRect labelRect = label->GetRect();
  const wxSize box = tip->GetSize();
  EXPECT_EQ(tip->GetScreenPosition(),
            page->ClientToScreen(wxPoint(labelRect.x - box.x - 2, labelRect.y - box.y)));
  testsupport::MouseLeave(label);
  EXPECT_FALSE(tip->IsTipShown());
}

// Height and width are types of their own: swapped, the call does not build.
static_assert(std::is_invocable_v<decltype(&CLUEdit::SetEditSize), CLUEdit*, EditHeight, EditWidth, bool>);
static_assert(!std::is_invocable_v<decltype(&CLUEdit::SetEditSize), CLUEdit*, EditWidth, EditHeight, bool>);
static_assert(!std::is_invocable_v<decltype(&CLUEdit::SetEditSize), CLUEdit*, int, int, bool>);

TEST_F(WidgetTest, EditSizeTakesHeightThenWidthAndKeepsThePosition) {
  CLUEdit input;
  ASSERT_TRUE(input.Create(120, 100, 26, 80, 1069, page));
  const wxPoint before = input.GetEdit()->GetPosition();
  input.SetEditSize(EditHeight(30), EditWidth(140), true);
  EXPECT_EQ(input.GetEdit()->GetSize(), wxSize(140, 30));
  EXPECT_EQ(input.GetEdit()->GetPosition(), before);
}

TEST_F(WidgetTest, CompiledIconsAndCursorsLoad) {
  EXPECT_TRUE(LoadIconResource(IDI_OLVANTA_MAKER).IsOk());
  EXPECT_TRUE(LoadIconResource(IDR_MAINFRAME).IsOk());
  EXPECT_FALSE(LoadIconResource(IDB_KEY_SWITCH).IsOk());
  EXPECT_TRUE(LoadCursorResource(IDC_DRAG_BLOCK).IsOk());
}

}  // namespace
