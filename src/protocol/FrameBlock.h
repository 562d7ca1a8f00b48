// One box of a frame diagram: a frame field, or a free place of a send-format row.
// Headless: the owner window and the carried item are reached through small interfaces,
// so the model and its rules are tested without a display.
#pragma once

#include <cstdint>
#include <wx/string.h>

namespace olv::protocol {

// Platform colour value 0x00BBGGRR.
using BlockColour = std::uint32_t;
constexpr BlockColour RgbColour(int r, int g, int b) {
  return static_cast<BlockColour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

struct BlockRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool IsEmpty() const { return right <= left || bottom <= top; }
  // Right and bottom edges are outside, as the platform's point-in-rectangle rule.
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const BlockRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// The window a block is drawn into; told which rectangles need repainting.
class FrameBlockHost {
 public:
  virtual ~FrameBlockHost() = default;
  virtual void InvalidateRect(const BlockRect& rect) = 0;
};

// The item a place carries (on a page, a hidden child window named by the field).
class FrameItem {
 public:
  virtual ~FrameItem() = default;
  virtual wxString GetCaption() const = 0;
  virtual void MoveTo(const BlockRect& rect) = 0;
};

// Place kinds (bit values): data field and the four option kinds.
enum FrameKind : int {
  kKindData = 1,
  kKindOption2 = 2,
  kKindStart = 4,
  kKindToggle = 8,
  kKindOption16 = 16,
};

namespace block_colours {
constexpr BlockColour kLabelFill = RgbColour(0, 175, 239);
constexpr BlockColour kLabelFillFixed = RgbColour(192, 192, 192);
constexpr BlockColour kLabelText = RgbColour(0, 0, 0);
constexpr BlockColour kLabelTextFixed = RgbColour(192, 192, 192);
constexpr BlockColour kFill = RgbColour(255, 255, 255);
constexpr BlockColour kFillFixed = RgbColour(224, 224, 224);
constexpr BlockColour kHighlight = RgbColour(198, 235, 209);
constexpr BlockColour kText = RgbColour(0, 0, 0);
constexpr BlockColour kTextFixed = RgbColour(127, 127, 127);
constexpr BlockColour kPen = RgbColour(192, 192, 192);
constexpr BlockColour kPenFixed = RgbColour(192, 192, 192);
constexpr BlockColour kSelectionPen = RgbColour(255, 0, 0);
constexpr BlockColour kEmptyPlace = RgbColour(224, 224, 224);
}  // namespace block_colours

enum class BlockPen { Solid, Fixed, SelectionDotted, Dotted };

// What the body of a block looks like, resolved from its state; the drawing code paints this.
struct BlockBodyStyle {
  BlockPen pen = BlockPen::Solid;
  BlockColour fill = 0;
  BlockColour text_colour = 0;
  wxString text;  // the language key, caption or "+", leading '/' removed
  bool overline = false;
  bool rounded = false;
};

// What the label of a block looks like; empty rectangle: no label is drawn.
struct BlockLabelStyle {
  bool filled = false;
  BlockColour fill = 0;
  BlockColour text_colour = 0;
  wxString text;  // a language key or plain text
};

class CFrameBlock {
 public:
  CFrameBlock() = default;

  void Create(int x, int y, int height, int width, FrameBlockHost* owner);

  void SetTextColor(BlockColour c) { text_colour_ = c; }
  void SetFillColor(BlockColour c) { fill_colour_ = c; }
  void SetKind(int kind) { kind_ = kind; }
  void SetMacroName(const wxString& s) { macro_name_ = s; }
  void SetAuxText(const wxString& s) { aux_text_ = s; }

  void SetText(const wxString& text, bool redraw);
  void SetMovable(bool movable, bool redraw);
  void SetVisible(bool visible, bool redraw);
  void SetRounded(bool rounded, bool redraw);
  void SetSelected(bool selected, bool redraw);
  void SetComplement(bool complement) { complement_ = complement; }
  void SetListFlags(bool in_first, bool has_successor, bool in_second);
  void SetLabelRect(const BlockRect& r, bool at_side);

  bool AcceptsKind(int mask) const { return (kind_ & mask) != 0; }
  FrameItem* GetWnd() const { return bound_ ? bound_item_ : nullptr; }
  void BindWnd(FrameItem* item, int accepted_kinds);
  FrameItem* UnbindWnd();

  BlockRect GetBoundingRect() const;
  bool HitTest(int x, int y) const { return rect_.Contains(x, y); }
  void Redraw(bool label, bool body);

  // Body appearance after the block's drawing rules.
  BlockBodyStyle BodyStyle() const;
  BlockLabelStyle LabelStyle() const;

  wxString GetText() const { return text_; }
  wxString GetCaption(bool window_text) const { return window_text ? window_text_ : caption_; }
  wxString GetMacroName() const { return macro_name_; }
  wxString GetAuxText() const { return aux_text_; }

  int Kind() const { return kind_; }
  int AcceptedKinds() const { return accepted_kinds_; }
  bool IsBound() const { return bound_; }
  bool IsVisible() const { return visible_; }
  bool IsFixed() const { return fixed_; }
  bool IsSelected() const { return selected_; }
  bool IsRounded() const { return rounded_; }
  bool IsComplement() const { return complement_; }
  bool InFirstList() const { return in_first_list_; }
  bool InSecondList() const { return in_second_list_; }
  bool HasSuccessor() const { return has_successor_; }
  // The "add" place at the end of a frame list.
  bool IsAddPlace() const { return (in_first_list_ || in_second_list_) && !has_successor_; }
  BlockColour FillColour() const { return fill_colour_; }
  BlockColour TextColour() const { return text_colour_; }
  const BlockRect& Rect() const { return rect_; }
  const BlockRect& LabelRect() const { return label_rect_; }
  FrameBlockHost* Owner() const { return owner_; }
  int CornerRadius() const { return corner_radius_; }

  // Free values of the owner.
  int value_a = 0;
  int value_b = 0;
  int value_c = 0;
  int value_d = 0;

 private:
  void Invalidate(const BlockRect& r);

  wxString text_, caption_, window_text_, macro_name_, aux_text_;
  bool in_first_list_ = false;
  bool in_second_list_ = false;
  bool has_successor_ = false;
  FrameItem* bound_item_ = nullptr;
  FrameBlockHost* owner_ = nullptr;
  bool label_fill_ = true;
  bool fixed_ = true;
  bool visible_ = true;
  bool selected_ = false;
  bool bound_ = false;
  bool highlighted_ = false;
  bool rounded_ = false;
  int kind_ = 0;
  int accepted_kinds_ = 0;
  bool label_at_side_ = false;
  bool complement_ = false;
  BlockColour fill_colour_ = block_colours::kFill;
  BlockColour text_colour_ = block_colours::kText;
  BlockRect rect_;
  BlockRect label_rect_;
  int corner_radius_ = 5;
};

}  // namespace olv::protocol
