#include "ui/CaptionLayout.h"

#include <algorithm>

stCaptionLayout ComputeCaptionLayout(const wxSize& windowSize, const stFrameBorders& borders, bool hasMaxBox,
                                     bool hasMinBox, const wxSize& textSize, int captionAlign) {
  stCaptionLayout layout;
  const int step = kCaptionButtonWidth + kCaptionButtonGap;
  const int top = (borders.top - kCaptionButtonHeight) / 2;
  wxRect close(windowSize.x - borders.right - kCaptionButtonWidth, top, kCaptionButtonWidth,
               kCaptionButtonHeight);
  layout.buttons[kCaptionClose] = close;
  layout.buttons[kCaptionMax] = close;
  layout.buttons[kCaptionMax].x -= step;
  layout.buttons[kCaptionRestore] = layout.buttons[kCaptionMax];
  layout.buttons[kCaptionMin] = layout.buttons[kCaptionMax];
  layout.buttons[kCaptionMin].x -= step;

  const int start = kCaptionIconSize + 2 * kCaptionLeftMargin;
  int limit = close.x;
  if (hasMinBox) {
    limit = layout.buttons[kCaptionMin].x;
  } else if (hasMaxBox) {
    limit = layout.buttons[kCaptionMax].x;
  }
  const int textTop = (borders.top - textSize.y) / 2;
  if (captionAlign > 0) {
    layout.text = wxRect((windowSize.x - textSize.x) / 2, textTop, textSize.x, textSize.y);
  } else {
    const int right = std::min(start + textSize.x, limit);
    layout.text = wxRect(start, textTop, std::max(0, right - start), textSize.y);
  }
  return layout;
}

CaptionImage ChooseCaptionImage(int button, bool hot, bool hasMaxBox, bool hasMinBox, bool maximized) {
  const CaptionImage live = hot ? CaptionImage::kHover : CaptionImage::kNormal;
  switch (button) {
    case kCaptionClose: return live;
    case kCaptionMin: return hasMinBox ? live : CaptionImage::kNone;
    case kCaptionMax:
    case kCaptionRestore:
      if (!hasMaxBox && !hasMinBox) return CaptionImage::kNone;
      if ((button == kCaptionRestore) != maximized) return CaptionImage::kNone;
      return hasMaxBox ? live : CaptionImage::kDisabled;
    default: return CaptionImage::kNone;
  }
}

bool IsCaptionButtonLive(int button, bool hasMaxBox, bool hasMinBox) {
  switch (button) {
    case kCaptionClose: return true;
    case kCaptionMax:
    case kCaptionRestore: return hasMaxBox;
    case kCaptionMin: return hasMinBox;
    default: return false;
  }
}

namespace {

FrameHit EdgeHit(const wxPoint& point, const wxSize& size, int grip) {
  const bool left = point.x < grip;
  const bool right = point.x >= size.x - grip;
  const bool top = point.y < grip;
  const bool bottom = point.y >= size.y - grip;
  // Corners reach a little further along each edge so that they are easy to grab.
  const int corner = 4 * grip;
  const bool nearLeft = point.x < corner;
  const bool nearRight = point.x >= size.x - corner;
  const bool nearTop = point.y < corner;
  const bool nearBottom = point.y >= size.y - corner;
  if ((top && nearLeft) || (left && nearTop)) return FrameHit::kTopLeft;
  if ((top && nearRight) || (right && nearTop)) return FrameHit::kTopRight;
  if ((bottom && nearLeft) || (left && nearBottom)) return FrameHit::kBottomLeft;
  if ((bottom && nearRight) || (right && nearBottom)) return FrameHit::kBottomRight;
  if (left) return FrameHit::kLeft;
  if (right) return FrameHit::kRight;
  if (top) return FrameHit::kTop;
  if (bottom) return FrameHit::kBottom;
  return FrameHit::kClient;
}

}  // namespace

FrameHit HitTestFrame(const wxPoint& point, const wxSize& windowSize, const stFrameBorders& borders,
                      const stCaptionLayout& layout, bool hasMaxBox, bool hasMinBox, bool maximized,
                      bool resizable, int grip) {
  if (layout.buttons[kCaptionClose].Contains(point)) return FrameHit::kClose;
  const int sizeButton = maximized ? kCaptionRestore : kCaptionMax;
  if (hasMaxBox && layout.buttons[sizeButton].Contains(point)) return FrameHit::kMaxButton;
  if (hasMinBox && layout.buttons[kCaptionMin].Contains(point)) return FrameHit::kMinButton;
  if (resizable && !maximized) {
    const FrameHit edge = EdgeHit(point, windowSize, grip);
    if (edge != FrameHit::kClient) return edge;
  }
  if (point.y >= 0 && point.y < borders.top) return FrameHit::kCaption;
  return FrameHit::kClient;
}

wxRect ResizeByEdge(const wxRect& start, FrameHit hit, const wxPoint& delta, const wxSize& minimum) {
  int left = start.GetLeft();
  int top = start.GetTop();
  int right = start.GetRight() + 1;
  int bottom = start.GetBottom() + 1;
  const bool moveLeft = hit == FrameHit::kLeft || hit == FrameHit::kTopLeft || hit == FrameHit::kBottomLeft;
  const bool moveRight =
      hit == FrameHit::kRight || hit == FrameHit::kTopRight || hit == FrameHit::kBottomRight;
  const bool moveTop = hit == FrameHit::kTop || hit == FrameHit::kTopLeft || hit == FrameHit::kTopRight;
  const bool moveBottom =
      hit == FrameHit::kBottom || hit == FrameHit::kBottomLeft || hit == FrameHit::kBottomRight;
  if (moveLeft) left = std::min(left + delta.x, right - minimum.x);
  if (moveRight) right = std::max(right + delta.x, left + minimum.x);
  if (moveTop) top = std::min(top + delta.y, bottom - minimum.y);
  if (moveBottom) bottom = std::max(bottom + delta.y, top + minimum.y);
  return wxRect(left, top, right - left, bottom - top);
}
