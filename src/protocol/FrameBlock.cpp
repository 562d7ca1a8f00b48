#include "protocol/FrameBlock.h"

#include <algorithm>

namespace olv::protocol {

void CFrameBlock::Create(int x, int y, int height, int width, FrameBlockHost* owner) {
  rect_ = {x, y, x + width, y + height};
  label_rect_ = {};
  owner_ = owner;
}

void CFrameBlock::Invalidate(const BlockRect& r) {
  if (owner_) owner_->InvalidateRect(r);
}

void CFrameBlock::SetText(const wxString& text, bool redraw) {
  text_ = text;
  if (!complement_ && text.StartsWith("/")) complement_ = true;
  if (redraw) Invalidate(label_rect_);
}

void CFrameBlock::SetMovable(bool movable, bool redraw) {
  fixed_ = !movable;
  if (redraw) {
    Invalidate(rect_);
    Invalidate(label_rect_);
  }
}

void CFrameBlock::SetVisible(bool visible, bool redraw) {
  visible_ = visible;
  if (redraw) {
    Invalidate(rect_);
    Invalidate(label_rect_);
  }
}

void CFrameBlock::SetRounded(bool rounded, bool redraw) {
  rounded_ = rounded;
  if (redraw) Invalidate(rect_);
}

void CFrameBlock::SetSelected(bool selected, bool redraw) {
  selected_ = selected;
  if (redraw) Invalidate(rect_);
}

void CFrameBlock::SetListFlags(bool in_first, bool has_successor, bool in_second) {
  in_first_list_ = in_first;
  has_successor_ = has_successor;
  in_second_list_ = in_second;
}

void CFrameBlock::SetLabelRect(const BlockRect& r, bool at_side) {
  label_rect_ = r;
  label_at_side_ = at_side;
}

void CFrameBlock::BindWnd(FrameItem* item, int accepted_kinds) {
  if (bound_) return;
  bound_ = true;
  accepted_kinds_ = accepted_kinds;
  window_text_ = item ? item->GetCaption() : wxString();
  if (item) item->MoveTo(rect_);
  bound_item_ = item;
  Invalidate(rect_);
}

FrameItem* CFrameBlock::UnbindWnd() {
  if (!bound_) return nullptr;
  bound_ = false;
  accepted_kinds_ = 0;
  Invalidate(rect_);
  return bound_item_;
}

BlockRect CFrameBlock::GetBoundingRect() const {
  if (label_rect_.IsEmpty()) return rect_;
  if (label_at_side_)
    return {label_rect_.left, std::min(label_rect_.top, rect_.top), rect_.right,
            std::max(label_rect_.bottom, rect_.bottom)};
  return {std::min(label_rect_.left, rect_.left), label_rect_.top, std::max(label_rect_.right, rect_.right),
          rect_.bottom};
}

void CFrameBlock::Redraw(bool label, bool body) {
  if (body) Invalidate(rect_);
  if (label) Invalidate(label_rect_);
}

BlockBodyStyle CFrameBlock::BodyStyle() const {
  BlockBodyStyle s;
  if (fixed_)
    s.pen = BlockPen::Fixed;
  else if (selected_)
    s.pen = BlockPen::SelectionDotted;
  else if (IsAddPlace())
    s.pen = BlockPen::Dotted;
  else
    s.pen = BlockPen::Solid;
  s.fill = fixed_ ? block_colours::kFillFixed : (highlighted_ ? block_colours::kHighlight : fill_colour_);
  s.text_colour = fixed_ ? block_colours::kTextFixed : text_colour_;
  s.rounded = rounded_;
  if (IsAddPlace()) {
    s.text = "+";
    return s;
  }
  s.text = bound_ ? window_text_ : caption_;
  if (complement_) {
    s.overline = true;
    while (s.text.StartsWith("/")) s.text.Remove(0, 1);
  }
  return s;
}

BlockLabelStyle CFrameBlock::LabelStyle() const {
  BlockLabelStyle s;
  s.filled = label_fill_;
  s.fill = fixed_ ? block_colours::kLabelFillFixed : block_colours::kLabelFill;
  s.text_colour = fixed_ ? block_colours::kLabelTextFixed : block_colours::kLabelText;
  s.text = text_;
  return s;
}

}  // namespace olv::protocol
