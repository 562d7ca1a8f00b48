// The skinned dialog: caption buttons by the window's boxes, hover, clicks,
// dragging and resizing, frame pictures; and a screenshot of a sample dialog.
#include "ui/BaseDlg.h"

#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/display.h>

namespace {

const wxString kImages = wxString(OLV_SOURCE_DIR) + wxFILE_SEP_PATH + "install" + wxFILE_SEP_PATH + "Images";

class TestDlg : public CBaseDlg {
 public:
  TestDlg(const wxString& folder, long style) : CBaseDlg(102, "Olvanta test dialog", folder, nullptr, style) {
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
      ++closeRequests;
      event.Veto();
    });
  }
  void Iconize(bool iconize) override { iconizeCalls += iconize ? 1 : 0; }

  int closeRequests = 0;
  int iconizeCalls = 0;
};

// Shows a dialog; destroys it at the end of the test.
struct DialogHolder {
  DialogHolder(const wxString& folder, long style) {
    dlg = new TestDlg(folder, style);
    dlg->SetSize(100, 80, 640, 420);
    dlg->Show();
    testsupport::PumpEvents();
  }
  ~DialogHolder() {
    dlg->Destroy();
    testsupport::PumpEvents();
  }
  TestDlg* dlg;
};

wxPoint CentreOf(const wxRect& rect) { return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2); }

// A pixel of the frame as the dialog paints it.
wxColour FramePixel(CBaseDlg* dlg, const wxPoint& point) {
  const wxSize size = dlg->GetSize();
  wxBitmap bitmap(size.x, size.y, 24);
  wxMemoryDC dc(bitmap);
  dlg->DrawFrame(dc);
  wxColour colour;
  dc.GetPixel(point.x, point.y, &colour);
  return colour;
}

TEST(BaseDlg, WithoutBoxesOnlyCloseShowsAndTheMaximisePlaceIsDead) {
  DialogHolder holder(kImages, wxCLOSE_BOX);
  TestDlg* dlg = holder.dlg;
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionClose), CaptionImage::kNormal);
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionMax), CaptionImage::kNone);
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionMin), CaptionImage::kNone);
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionRestore), CaptionImage::kNone);
  const stCaptionLayout& layout = dlg->GetCaptionLayout();
  testsupport::Click(dlg, CentreOf(layout.buttons[kCaptionMax]));
  testsupport::Click(dlg, CentreOf(layout.buttons[kCaptionMin]));
  EXPECT_FALSE(dlg->IsMaximized());
  EXPECT_EQ(dlg->iconizeCalls, 0);
  EXPECT_EQ(dlg->closeRequests, 0);
  // Where the maximise button would be, the caption shows its frame colour.
  EXPECT_EQ(FramePixel(dlg, CentreOf(layout.buttons[kCaptionMax])), wxColour(129, 173, 231));
  testsupport::Click(dlg, CentreOf(layout.buttons[kCaptionClose]));
  EXPECT_EQ(dlg->closeRequests, 1);
}

TEST(BaseDlg, OnlyAMinimiseBoxShowsTheDisabledMaximisePicture) {
  DialogHolder holder(kImages, wxCLOSE_BOX | wxMINIMIZE_BOX);
  TestDlg* dlg = holder.dlg;
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionMax), CaptionImage::kDisabled);
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionMin), CaptionImage::kNormal);
  const stCaptionLayout& layout = dlg->GetCaptionLayout();
  testsupport::MouseMove(dlg, CentreOf(layout.buttons[kCaptionMax]));
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionMax), CaptionImage::kDisabled);
  testsupport::Click(dlg, CentreOf(layout.buttons[kCaptionMax]));
  EXPECT_FALSE(dlg->IsMaximized());
  testsupport::Click(dlg, CentreOf(layout.buttons[kCaptionMin]));
  EXPECT_EQ(dlg->iconizeCalls, 1);
}

TEST(BaseDlg, HoverChangesThePictureAndLeavingRestoresIt) {
  DialogHolder holder(kImages, CBaseDlg::kDefaultStyle);
  TestDlg* dlg = holder.dlg;
  const stCaptionLayout& layout = dlg->GetCaptionLayout();
  const wxPoint close = CentreOf(layout.buttons[kCaptionClose]);
  const wxPoint closeCorner = layout.buttons[kCaptionClose].GetTopLeft() + wxPoint(3, 3);
  const wxColour before = FramePixel(dlg, closeCorner);
  testsupport::MouseMove(dlg, close);
  EXPECT_TRUE(dlg->IsCaptionButtonHot(kCaptionClose));
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionClose), CaptionImage::kHover);
  EXPECT_EQ(FramePixel(dlg, closeCorner), wxColour(232, 17, 35));  // the red hover picture
  EXPECT_NE(before, wxColour(232, 17, 35));

  testsupport::MouseMove(dlg, CentreOf(layout.buttons[kCaptionMin]));
  EXPECT_FALSE(dlg->IsCaptionButtonHot(kCaptionClose));
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionMin), CaptionImage::kHover);
  testsupport::MouseLeave(dlg);
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionMin), CaptionImage::kNormal);
  EXPECT_EQ(FramePixel(dlg, closeCorner), before);
}

TEST(BaseDlg, ACancelledCloseLeavesTheCloseButtonWithoutItsHoverPicture) {
  DialogHolder holder(kImages, CBaseDlg::kDefaultStyle);
  TestDlg* dlg = holder.dlg;
  const stCaptionLayout& layout = dlg->GetCaptionLayout();
  const wxPoint closeCorner = layout.buttons[kCaptionClose].GetTopLeft() + wxPoint(3, 3);
  const wxColour normal = FramePixel(dlg, closeCorner);
  testsupport::MouseMove(dlg, CentreOf(layout.buttons[kCaptionClose]));
  ASSERT_EQ(dlg->GetCaptionImage(kCaptionClose), CaptionImage::kHover);
  testsupport::Click(dlg, CentreOf(layout.buttons[kCaptionClose]));
  EXPECT_EQ(dlg->closeRequests, 1);
  EXPECT_TRUE(dlg->IsShown());
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionClose), CaptionImage::kNormal);
  EXPECT_EQ(FramePixel(dlg, closeCorner), normal);
  // Coming back over the button shows the hover picture again.
  testsupport::MouseMove(dlg, CentreOf(layout.buttons[kCaptionMin]));
  testsupport::MouseMove(dlg, CentreOf(layout.buttons[kCaptionClose]));
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionClose), CaptionImage::kHover);
}

TEST(BaseDlg, MaximiseRestoresAndMinimiseIconizes) {
  DialogHolder holder(kImages, CBaseDlg::kDefaultStyle);
  TestDlg* dlg = holder.dlg;
  const wxRect normal = dlg->GetRect();
  testsupport::Click(dlg, CentreOf(dlg->GetCaptionLayout().buttons[kCaptionMax]));
  EXPECT_TRUE(dlg->IsMaximized());
  EXPECT_EQ(dlg->GetRect(), wxDisplay(0u).GetClientArea());
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionRestore), CaptionImage::kNormal);
  EXPECT_EQ(dlg->GetCaptionImage(kCaptionMax), CaptionImage::kNone);
  // The client panel fills the inside of the frame.
  const stFrameBorders& borders = dlg->GetBorders();
  EXPECT_EQ(dlg->GetClientWindow()->GetRect(),
            wxRect(borders.left, borders.top, dlg->GetSize().x - borders.left - borders.right,
                   dlg->GetSize().y - borders.top - borders.bottom));
  testsupport::Click(dlg, CentreOf(dlg->GetCaptionLayout().buttons[kCaptionRestore]));
  EXPECT_FALSE(dlg->IsMaximized());
  EXPECT_EQ(dlg->GetRect(), normal);
  testsupport::Click(dlg, CentreOf(dlg->GetCaptionLayout().buttons[kCaptionMin]));
  EXPECT_EQ(dlg->iconizeCalls, 1);
  // A double click on the caption maximises as well.
  testsupport::MouseDoubleClick(dlg, wxPoint(200, 15));
  EXPECT_TRUE(dlg->IsMaximized());
}

TEST(BaseDlg, DragByTheCaptionAndResizeFromTheBorder) {
  DialogHolder holder(kImages, CBaseDlg::kDefaultStyle);
  TestDlg* dlg = holder.dlg;
  const wxPoint start = dlg->GetPosition();
  testsupport::MouseDown(dlg, wxPoint(200, 15));
  testsupport::MouseMove(dlg, wxPoint(230, 35), true);
  testsupport::MouseUp(dlg, wxPoint(230, 35));
  EXPECT_EQ(dlg->GetPosition(), start + wxPoint(30, 20));

  const wxSize size = dlg->GetSize();
  const int y = size.y / 2;
  testsupport::MouseDown(dlg, wxPoint(size.x - 2, y));
  testsupport::MouseMove(dlg, wxPoint(size.x + 48, y), true);
  testsupport::MouseUp(dlg, wxPoint(size.x + 48, y));
  EXPECT_EQ(dlg->GetSize(), size + wxSize(50, 0));
  // The close button follows the right edge.
  EXPECT_EQ(dlg->GetCaptionLayout().buttons[kCaptionClose].GetRight() + 1, dlg->GetSize().x - 4);
}

TEST(BaseDlg, MissingPicturesFallBack) {
  testsupport::TempDir dir;
  // Only an active frame picture, pure green, and no caption buttons at all.
  wxImage tile(8, 8);
  tile.SetRGB(wxRect(0, 0, 8, 8), 0, 200, 0);
  ASSERT_TRUE(tile.SaveFile(dir.File("BKDlg.png"), wxBITMAP_TYPE_PNG));
  DialogHolder holder(dir.Path(), wxCLOSE_BOX);
  TestDlg* dlg = holder.dlg;
  const wxPoint caption(150, 5);
  EXPECT_EQ(FramePixel(dlg, caption), wxColour(0, 200, 0));
  wxActivateEvent deactivate(wxEVT_ACTIVATE, false);
  dlg->HandleWindowEvent(deactivate);
  EXPECT_FALSE(dlg->IsFrameActive());
  EXPECT_EQ(FramePixel(dlg, caption), wxColour(0, 200, 0));  // keeps the active picture
  // The close button has no picture but still reacts.
  const wxPoint close = CentreOf(dlg->GetCaptionLayout().buttons[kCaptionClose]);
  EXPECT_EQ(FramePixel(dlg, close), wxColour(0, 200, 0));
  testsupport::Click(dlg, close);
  EXPECT_EQ(dlg->closeRequests, 1);
}

TEST(BaseDlg, WithoutFramePicturesTheFrameColoursFollowActivation) {
  testsupport::TempDir dir;
  DialogHolder holder(dir.Path(), wxCLOSE_BOX);
  TestDlg* dlg = holder.dlg;
  wxActivateEvent activate(wxEVT_ACTIVATE, true);
  dlg->HandleWindowEvent(activate);
  EXPECT_EQ(FramePixel(dlg, wxPoint(150, 5)), wxColour(129, 173, 231));
  EXPECT_EQ(FramePixel(dlg, wxPoint(1, 200)), wxColour(129, 173, 231));
  wxActivateEvent deactivate(wxEVT_ACTIVATE, false);
  dlg->HandleWindowEvent(deactivate);
  EXPECT_EQ(FramePixel(dlg, wxPoint(150, 5)), wxColour(189, 209, 235));
}

}  // namespace
