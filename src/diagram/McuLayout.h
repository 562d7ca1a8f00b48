// The chip picture's geometry without a window: the package body, the pin
// boxes and their label rectangles, the outer-label extents, the scroll
// ranges, the conversion from layout to client coordinates, the hit test
// and the axis the mouse wheel scrolls.
//
// Layout coordinates centre the body in a drawing of a given size; the
// window converts every rectangle with ToClient before it draws or tests.
#pragma once

#include <vector>

namespace mculayout {

// A rectangle with the meaning of a Windows RECT: right and bottom lie just outside.
struct stRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // Strictly inside: a point on an edge is outside.
  bool StrictlyContains(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
  bool operator==(const stRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

// Sides, numbered as the pins run: counter-clockwise from the top of the left side.
enum PinSide { kSideNone = -1, kSideLeft = 0, kSideBottom = 1, kSideRight = 2, kSideTop = 3 };

constexpr int kKindTwoRows = 2;
constexpr int kKindFourSides = 4;
constexpr int kPinBoxLength = 73;  // across the side
constexpr int kPinBoxWidth = 20;   // along the side
constexpr int kPinGap = 5;         // between boxes, body and boxes, a box and its outer label
constexpr int kInnerLabelInset = 5;
constexpr int kDefaultBodyWidth = 3 * kPinBoxLength;  // two-row packages given no width
constexpr int kDefaultNumberCell = 15;

struct stPinGeometry {
  stRect box;
  stRect outerLabel;   // label 1: beyond the box
  stRect innerLabel;   // label 2: inside the body next to the box
  int outerWidth = 0;  // the labels' measured text widths
  int innerWidth = 0;
};

// One scroll bar: positions run from min to max - page.
struct stScrollAxis {
  int min = 0;
  int max = 0;
  int page = 0;
  int pos = 0;
  bool IsShown() const { return page != 0 && page < max; }
  int Limit() const { return max - page > min ? max - page : min; }
};

enum class ScrollAction { kLineUp, kLineDown, kPageUp, kPageDown, kThumbTrack, kTop, kBottom, kOther };
enum class WheelAxis { kNone, kHorizontal, kVertical };

struct stSize {
  int width = 0;
  int height = 0;
};

class CMcuLayout {
 public:
  // A new package of pinCount pins (labels unmeasured, extents 0) laid out
  // for a drawing of width x height; bodyWidth is the two-row body's width
  // (0: kDefaultBodyWidth). False when nothing could be placed: a kind other
  // than 2 and 4, or a count that does not share out evenly over the sides.
  // The pins exist in either case.
  bool Create(int kind, int pinCount, int width, int height, int bodyWidth);
  // The same package for another drawing size; extents and label widths stay.
  bool Relayout(int width, int height, int bodyWidth);

  bool IsPlaced() const { return m_placed; }
  int GetKind() const { return m_kind; }
  int GetPinCount() const { return static_cast<int>(m_pins.size()); }
  const stRect& GetBody() const { return m_body; }
  const stPinGeometry& GetPin(int pin) const { return m_pins[static_cast<std::size_t>(pin)]; }
  bool IsPin(int pin) const { return pin >= 0 && pin < GetPinCount(); }

  // Where a pin's box lies against the body; kSideNone when it is not placed.
  PinSide SideOf(int pin) const;
  // Takes label 1's measured width and places its rectangle by the pin's
  // side; true when that side's outer-label extent grew (the scroll ranges
  // must be planned again). Extents never shrink.
  bool SetOuterLabelWidth(int pin, int width);
  void SetInnerLabelWidth(int pin, int width);
  // The widest outer label on a side.
  int GetOuterExtent(PinSide side) const;

  // The box split for label 0: the pin-number cell (cellLength long, at the
  // end nearest the body; kDefaultNumberCell when 0) and the rest for the text.
  void SplitNumberCell(int pin, int cellLength, stRect& text, stRect& cell) const;

  // The size of everything drawn: body, boxes and, on four sides, the outer labels.
  stSize ContentSize() const;
  // Sets both bars for a window of that size whose bars are barThickness
  // thick: twice, since a bar shown takes room from the other axis. Positions go to 0.
  void PlanScrollBars(int windowWidth, int windowHeight, int barThickness);
  // Both shown bars to the middle of their range, so that the content is centred.
  void CenterView();
  const stScrollAxis& GetHorizontal() const { return m_horizontal; }
  const stScrollAxis& GetVertical() const { return m_vertical; }
  // The view: the window less the bars shown.
  stSize ViewSize() const { return m_view; }

  // The position a scroll action leads to, clamped to the bar's range.
  int NextScrollPosition(bool vertical, ScrollAction action, int thumb) const;
  // Stores a position (clamped); true when it changed.
  bool SetScrollPosition(bool vertical, int position);
  // The axis a wheel turn at (x, y) of the view scrolls.
  WheelAxis WheelAxisAt(int x, int y) const;
  // The position after a wheel turn (delta < 0: towards the user, forwards).
  int WheelPosition(WheelAxis axis, int delta) const;

  // A layout rectangle in client coordinates.
  stRect ToClient(const stRect& rect) const;
  // The first pin whose box strictly contains the client point; -1 when none.
  int HitTest(int x, int y) const;

 private:
  void LayoutBody(int width, int height, int bodyWidth);
  void LayoutPins();
  void PlaceOuterLabel(int pin);
  void PlaceInnerLabel(int pin);
  int Offset(bool vertical) const;

  int m_kind = 0;
  bool m_placed = false;
  stRect m_body;
  std::vector<stPinGeometry> m_pins;
  int m_extents[4] = {0, 0, 0, 0};  // by PinSide
  stScrollAxis m_horizontal;
  stScrollAxis m_vertical;
  int m_barThickness = 0;
  stSize m_view;
};

}  // namespace mculayout
