// Geometry of the skinned dialog's frame: caption buttons, caption text and
// hit-testing, in window coordinates. No window is needed, so it is tested
// without a display.
#pragma once

#include <wx/gdicmn.h>

// Caption buttons, in the order the frame draws them.
enum CaptionButton : int {
  kCaptionClose = 0,
  kCaptionMax = 1,
  kCaptionMin = 2,
  kCaptionRestore = 3,
  kCaptionButtonCount = 4,
};

constexpr int kCaptionButtonWidth = 46;
constexpr int kCaptionButtonHeight = 30;
constexpr int kCaptionButtonGap = 3;
constexpr int kCaptionIconSize = 16;
constexpr int kCaptionLeftMargin = 7;

// Border sizes: left, top (the caption strip), right, bottom.
struct stFrameBorders {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct stCaptionLayout {
  wxRect buttons[kCaptionButtonCount];
  wxRect text;
};

// Button rectangles: close at the inner edge of the right border, centred
// vertically in the caption strip; maximise and restore share the place one
// button plus gap to its left, minimise one more to the left. The text starts
// after the icon place and ends at the leftmost button present (or is centred
// on the window's width when captionAlign > 0).
stCaptionLayout ComputeCaptionLayout(const wxSize& windowSize, const stFrameBorders& borders, bool hasMaxBox,
                                     bool hasMinBox, const wxSize& textSize, int captionAlign);

// Which picture a caption button shows.
enum class CaptionImage { kNone, kNormal, kHover, kDisabled };
CaptionImage ChooseCaptionImage(int button, bool hot, bool hasMaxBox, bool hasMinBox, bool maximized);

// Whether a click on the button acts (close always; maximise/restore with a
// maximise box; minimise with a minimise box).
bool IsCaptionButtonLive(int button, bool hasMaxBox, bool hasMinBox);

enum class FrameHit {
  kClient,
  kCaption,
  kClose,
  kMaxButton,
  kMinButton,
  kLeft,
  kRight,
  kTop,
  kBottom,
  kTopLeft,
  kTopRight,
  kBottomLeft,
  kBottomRight,
};

// Hit test of a point in window coordinates. The caption buttons come first
// (maximise/restore only with a maximise box, minimise only with a minimise
// box); then, for a resizable window, the edges within grip pixels of the
// outline; then the caption strip; the rest is client.
FrameHit HitTestFrame(const wxPoint& point, const wxSize& windowSize, const stFrameBorders& borders,
                      const stCaptionLayout& layout, bool hasMaxBox, bool hasMinBox, bool maximized,
                      bool resizable, int grip);

// The window rectangle after dragging the edge(s) of hit by delta, kept at
// least minimum in size (the opposite edges stay put).
wxRect ResizeByEdge(const wxRect& start, FrameHit hit, const wxPoint& delta, const wxSize& minimum);
