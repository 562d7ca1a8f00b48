// Frame geometry of the skinned dialog: buttons, caption text, hit-testing.
#include "ui/CaptionLayout.h"
#include "ui/Colors.h"

#include <gtest/gtest.h>

namespace {

const wxSize kWindow(600, 400);
const stFrameBorders kBorders{4, 34, 4, 4};

TEST(CaptionLayout, ButtonsSitRightToLeftInTheCaption) {
  const stCaptionLayout layout = ComputeCaptionLayout(kWindow, kBorders, true, true, wxSize(80, 16), 0);
  EXPECT_EQ(layout.buttons[kCaptionClose], wxRect(600 - 4 - 46, 2, 46, 30));
  EXPECT_EQ(layout.buttons[kCaptionMax], wxRect(600 - 4 - 46 - 49, 2, 46, 30));
  EXPECT_EQ(layout.buttons[kCaptionRestore], layout.buttons[kCaptionMax]);
  EXPECT_EQ(layout.buttons[kCaptionMin], wxRect(600 - 4 - 46 - 98, 2, 46, 30));
  EXPECT_EQ(layout.text, wxRect(30, 9, 80, 16));
}

TEST(CaptionLayout, TextEndsAtTheLeftmostButtonPresent) {
  const wxSize wide(2000, 16);
  const int closeLeft = 600 - 4 - 46;
  EXPECT_EQ(ComputeCaptionLayout(kWindow, kBorders, true, true, wide, 0).text.GetRight() + 1, closeLeft - 98);
  EXPECT_EQ(ComputeCaptionLayout(kWindow, kBorders, true, false, wide, 0).text.GetRight() + 1,
            closeLeft - 49);
  EXPECT_EQ(ComputeCaptionLayout(kWindow, kBorders, false, false, wide, 0).text.GetRight() + 1, closeLeft);
  // Centred alignment centres the text on the window.
  EXPECT_EQ(ComputeCaptionLayout(kWindow, kBorders, true, true, wxSize(100, 16), 1).text.x, 250);
}

TEST(CaptionLayout, PicturesFollowTheBoxes) {
  using CI = CaptionImage;
  // No boxes: only close.
  EXPECT_EQ(ChooseCaptionImage(kCaptionClose, false, false, false, false), CI::kNormal);
  EXPECT_EQ(ChooseCaptionImage(kCaptionClose, true, false, false, false), CI::kHover);
  EXPECT_EQ(ChooseCaptionImage(kCaptionMax, false, false, false, false), CI::kNone);
  EXPECT_EQ(ChooseCaptionImage(kCaptionMin, false, false, false, false), CI::kNone);
  // Only a minimise box: maximise shows disabled, even when hot.
  EXPECT_EQ(ChooseCaptionImage(kCaptionMax, true, false, true, false), CI::kDisabled);
  EXPECT_EQ(ChooseCaptionImage(kCaptionMin, true, false, true, false), CI::kHover);
  // Maximise and restore swap with the maximised state.
  EXPECT_EQ(ChooseCaptionImage(kCaptionMax, false, true, true, false), CI::kNormal);
  EXPECT_EQ(ChooseCaptionImage(kCaptionRestore, false, true, true, false), CI::kNone);
  EXPECT_EQ(ChooseCaptionImage(kCaptionMax, false, true, true, true), CI::kNone);
  EXPECT_EQ(ChooseCaptionImage(kCaptionRestore, true, true, true, true), CI::kHover);
}

TEST(CaptionLayout, HitTest) {
  const stCaptionLayout layout = ComputeCaptionLayout(kWindow, kBorders, false, true, wxSize(80, 16), 0);
  auto hit = [&](int x, int y, bool hasMax, bool hasMin, bool resizable = true) {
    return HitTestFrame(wxPoint(x, y), kWindow, kBorders, layout, hasMax, hasMin, false, resizable, 4);
  };
  const wxPoint close = layout.buttons[kCaptionClose].GetTopLeft() + wxPoint(10, 10);
  const wxPoint max = layout.buttons[kCaptionMax].GetTopLeft() + wxPoint(10, 10);
  const wxPoint min = layout.buttons[kCaptionMin].GetTopLeft() + wxPoint(10, 10);
  EXPECT_EQ(hit(close.x, close.y, false, false), FrameHit::kClose);
  // Without a maximise box its place is caption.
  EXPECT_EQ(hit(max.x, max.y, false, true), FrameHit::kCaption);
  EXPECT_EQ(hit(max.x, max.y, true, true), FrameHit::kMaxButton);
  EXPECT_EQ(hit(min.x, min.y, false, true), FrameHit::kMinButton);
  EXPECT_EQ(hit(min.x, min.y, true, false), FrameHit::kCaption);
  EXPECT_EQ(hit(100, 20, true, true), FrameHit::kCaption);
  EXPECT_EQ(hit(100, 200, true, true), FrameHit::kClient);
  EXPECT_EQ(hit(1, 200, true, true), FrameHit::kLeft);
  EXPECT_EQ(hit(598, 200, true, true), FrameHit::kRight);
  EXPECT_EQ(hit(300, 398, true, true), FrameHit::kBottom);
  EXPECT_EQ(hit(300, 1, true, true), FrameHit::kTop);
  EXPECT_EQ(hit(1, 398, true, true), FrameHit::kBottomLeft);
  EXPECT_EQ(hit(598, 398, true, true), FrameHit::kBottomRight);
  // A fixed-size window has no edges.
  EXPECT_EQ(hit(1, 200, true, true, false), FrameHit::kClient);
  EXPECT_EQ(hit(300, 1, true, true, false), FrameHit::kCaption);
}

TEST(CaptionLayout, ResizeKeepsTheOppositeEdgesAndAMinimum) {
  const wxRect start(100, 100, 400, 300);
  EXPECT_EQ(ResizeByEdge(start, FrameHit::kRight, wxPoint(50, 9), wxSize(200, 100)),
            wxRect(100, 100, 450, 300));
  EXPECT_EQ(ResizeByEdge(start, FrameHit::kTopLeft, wxPoint(-10, -20), wxSize(200, 100)),
            wxRect(90, 80, 410, 320));
  EXPECT_EQ(ResizeByEdge(start, FrameHit::kLeft, wxPoint(390, 0), wxSize(200, 100)),
            wxRect(300, 100, 200, 300));
  EXPECT_EQ(ResizeByEdge(start, FrameHit::kBottom, wxPoint(0, -500), wxSize(200, 100)),
            wxRect(100, 100, 400, 100));
}

TEST(Colors, ColorRefIsBlueGreenRed) {
  EXPECT_EQ(MakeColorRef(129, 173, 231), 0xE7AD81u);
  const wxColour colour = ColourFromColorRef(0x0000FF);
  EXPECT_EQ(colour, wxColour(255, 0, 0));
  EXPECT_EQ(ColorRefFromColour(wxColour(0x11, 0x22, 0x33)), 0x332211u);
  EXPECT_EQ(ColorRefFromRgbValue(0x112233), 0x332211u);
}

}  // namespace
