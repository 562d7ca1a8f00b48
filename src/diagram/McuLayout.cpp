#include "diagram/McuLayout.h"

#include <algorithm>

namespace mculayout {

namespace {

constexpr int kPitch = kPinBoxWidth + kPinGap;

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

}  // namespace

bool CMcuLayout::Create(int kind, int pinCount, int width, int height, int bodyWidth) {
  m_kind = kind;
  m_pins.assign(static_cast<std::size_t>(std::max(pinCount, 0)), stPinGeometry());
  std::fill(std::begin(m_extents), std::end(m_extents), 0);
  m_horizontal = stScrollAxis();
  m_vertical = stScrollAxis();
  return Relayout(width, height, bodyWidth);
}

bool CMcuLayout::Relayout(int width, int height, int bodyWidth) {
  const int count = GetPinCount();
  m_placed = (m_kind == kKindTwoRows || m_kind == kKindFourSides) && count > 0 && count % m_kind == 0;
  m_body = stRect();
  for (stPinGeometry& pin : m_pins) {
    pin.box = stRect();
    pin.outerLabel = stRect();
    pin.innerLabel = stRect();
  }
  if (!m_placed) return false;
  LayoutBody(width, height, bodyWidth);
  LayoutPins();
  return true;
}

void CMcuLayout::LayoutBody(int width, int height, int bodyWidth) {
  const int perSide = GetPinCount() / m_kind;
  const int half = (perSide * kPitch + kPinGap) / 2;
  const int middleX = width / 2;
  const int middleY = height / 2;
  if (m_kind == kKindTwoRows) {
    const int bodyW = bodyWidth > 0 ? bodyWidth : kDefaultBodyWidth;
    m_body.left = middleX - bodyW / 2;
    m_body.right = m_body.left + bodyW;
  } else {
    m_body.left = middleX - half;
    m_body.right = middleX + half;
  }
  m_body.top = middleY - half;
  m_body.bottom = middleY + half;
}

void CMcuLayout::LayoutPins() {
  const int count = GetPinCount();
  const int perSide = count / m_kind;
  for (int i = 0; i < count; ++i) {
    int side = i / perSide;
    const int p = i % perSide;
    if (m_kind == kKindTwoRows) side = side == 0 ? kSideLeft : kSideRight;
    stRect& box = m_pins[static_cast<std::size_t>(i)].box;
    switch (side) {
      case kSideLeft:
        box.top = m_body.top + kPinGap + p * kPitch;
        box.bottom = box.top + kPinBoxWidth;
        box.right = m_body.left - kPinGap;
        box.left = box.right - kPinBoxLength;
        break;
      case kSideBottom:
        box.left = m_body.left + kPinGap + p * kPitch;
        box.right = box.left + kPinBoxWidth;
        box.top = m_body.bottom + kPinGap;
        box.bottom = box.top + kPinBoxLength;
        break;
      case kSideRight:
        box.bottom = m_body.bottom - kPinGap - p * kPitch;
        box.top = box.bottom - kPinBoxWidth;
        box.left = m_body.right + kPinGap;
        box.right = box.left + kPinBoxLength;
        break;
      default:  // top, right to left
        box.right = m_body.right - kPinGap - p * kPitch;
        box.left = box.right - kPinBoxWidth;
        box.bottom = m_body.top - kPinGap;
        box.top = box.bottom - kPinBoxLength;
        break;
    }
    PlaceOuterLabel(i);
    PlaceInnerLabel(i);
  }
}

PinSide CMcuLayout::SideOf(int pin) const {
  if (!m_placed || !IsPin(pin)) return kSideNone;
  const stRect& box = GetPin(pin).box;
  if (box.right < m_body.left) return kSideLeft;
  if (box.left > m_body.right) return kSideRight;
  if (box.bottom < m_body.top) return kSideTop;
  if (box.top > m_body.bottom) return kSideBottom;
  return kSideNone;
}

void CMcuLayout::PlaceOuterLabel(int pin) {
  stPinGeometry& geometry = m_pins[static_cast<std::size_t>(pin)];
  const stRect& box = geometry.box;
  const int width = geometry.outerWidth;
  stRect& label = geometry.outerLabel;
  switch (SideOf(pin)) {
    case kSideLeft: label = {box.left - kPinGap - width, box.top, box.left - kPinGap, box.bottom}; break;
    case kSideBottom:
      label = {box.left, box.bottom + kPinGap, box.right, box.bottom + kPinGap + width};
      break;
    case kSideRight: label = {box.right + kPinGap, box.top, box.right + kPinGap + width, box.bottom}; break;
    case kSideTop: label = {box.left, box.top - kPinGap - width, box.right, box.top - kPinGap}; break;
    default: break;
  }
}

void CMcuLayout::PlaceInnerLabel(int pin) {
  stPinGeometry& geometry = m_pins[static_cast<std::size_t>(pin)];
  const int width = geometry.innerWidth;
  stRect label = geometry.box;
  switch (SideOf(pin)) {
    case kSideLeft:
      label.left = m_body.left + kInnerLabelInset;
      label.right = label.left + width;
      break;
    case kSideBottom:
      label.bottom = m_body.bottom - kInnerLabelInset;
      label.top = label.bottom - width;
      break;
    case kSideRight:
      label.right = m_body.right - kInnerLabelInset;
      label.left = label.right - width;
      break;
    case kSideTop:
      label.top = m_body.top + kInnerLabelInset;
      label.bottom = label.top + width;
      break;
    default: return;
  }
  geometry.innerLabel = label;
}

bool CMcuLayout::SetOuterLabelWidth(int pin, int width) {
  if (!IsPin(pin)) return false;
  m_pins[static_cast<std::size_t>(pin)].outerWidth = std::max(width, 0);
  const PinSide side = SideOf(pin);
  if (side == kSideNone) return false;
  PlaceOuterLabel(pin);
  if (width <= m_extents[side]) return false;
  m_extents[side] = width;
  return true;
}

void CMcuLayout::SetInnerLabelWidth(int pin, int width) {
  if (!IsPin(pin)) return;
  m_pins[static_cast<std::size_t>(pin)].innerWidth = std::max(width, 0);
  PlaceInnerLabel(pin);
}

int CMcuLayout::GetOuterExtent(PinSide side) const { return side == kSideNone ? 0 : m_extents[side]; }

void CMcuLayout::SplitNumberCell(int pin, int cellLength, stRect& text, stRect& cell) const {
  const int length = cellLength > 0 ? cellLength : kDefaultNumberCell;
  text = IsPin(pin) ? GetPin(pin).box : stRect();
  cell = text;
  switch (SideOf(pin)) {
    case kSideLeft:
      cell.left = text.right - length;
      text.right = cell.left;
      break;
    case kSideBottom:
      cell.bottom = text.top + length;
      text.top = cell.bottom;
      break;
    case kSideRight:
      cell.right = text.left + length;
      text.left = cell.right;
      break;
    case kSideTop:
      cell.top = text.bottom - length;
      text.bottom = cell.top;
      break;
    default:
      cell.right = cell.left;
      cell.bottom = cell.top;
      break;
  }
}

stSize CMcuLayout::ContentSize() const {
  if (!m_placed) return stSize();
  if (m_kind == kKindFourSides) {
    return {
        m_body.Width() + 2 * (kPinBoxLength + 2 * kPinGap + 10) + m_extents[kSideLeft] +
            m_extents[kSideRight],
        m_body.Height() + 2 * (kPinBoxLength + 2 * kPinGap) + m_extents[kSideTop] + m_extents[kSideBottom]};
  }
  return {m_body.Width() + 2 * (kPinBoxLength + kPinGap), m_body.Height() + 50};
}

void CMcuLayout::PlanScrollBars(int windowWidth, int windowHeight, int barThickness) {
  m_barThickness = std::max(barThickness, 0);
  const stSize content = ContentSize();
  // Until the bars shown give the pages they were planned with: each page is
  // then the view it scrolls (a shown bar can only make the other one needed).
  for (int pass = 0; pass < 3; ++pass) {
    const bool vertical = m_vertical.IsShown();
    const bool horizontal = m_horizontal.IsShown();
    m_view.width = std::max(windowWidth - (vertical ? m_barThickness : 0), 0);
    m_view.height = std::max(windowHeight - (horizontal ? m_barThickness : 0), 0);
    m_vertical = {0, content.height, m_view.height, 0};
    m_horizontal = {0, content.width + 2 * m_barThickness, m_view.width, 0};
    if (pass > 0 && vertical == m_vertical.IsShown() && horizontal == m_horizontal.IsShown()) break;
  }
}

void CMcuLayout::CenterView() {
  for (stScrollAxis* axis : {&m_horizontal, &m_vertical}) {
    if (axis->IsShown()) axis->pos = axis->min + (axis->Limit() - axis->min) / 2;
  }
}

int CMcuLayout::NextScrollPosition(bool vertical, ScrollAction action, int thumb) const {
  const stScrollAxis& axis = vertical ? m_vertical : m_horizontal;
  int pos = axis.pos;
  switch (action) {
    case ScrollAction::kLineUp: pos -= axis.page / 2; break;
    case ScrollAction::kLineDown: pos += axis.page / 2; break;
    case ScrollAction::kPageUp: pos -= axis.page; break;
    case ScrollAction::kPageDown: pos += axis.page; break;
    case ScrollAction::kThumbTrack: pos = thumb; break;
    case ScrollAction::kTop: pos = axis.min; break;
    case ScrollAction::kBottom: pos = axis.max; break;
    case ScrollAction::kOther: break;
  }
  return Clamp(pos, axis.min, axis.Limit());
}

bool CMcuLayout::SetScrollPosition(bool vertical, int position) {
  stScrollAxis& axis = vertical ? m_vertical : m_horizontal;
  const int pos = Clamp(position, axis.min, axis.Limit());
  if (pos == axis.pos) return false;
  axis.pos = pos;
  return true;
}

WheelAxis CMcuLayout::WheelAxisAt(int x, int y) const {
  const bool horizontal = m_horizontal.IsShown();
  const bool vertical = m_vertical.IsShown();
  if (!horizontal && !vertical) return WheelAxis::kNone;
  if (!horizontal) return WheelAxis::kVertical;
  if (!vertical) return WheelAxis::kHorizontal;
  // Above the diagonal from the top-left to the bottom-right corner.
  const long long above = static_cast<long long>(y) * m_view.width;
  const long long limit = static_cast<long long>(x) * m_view.height;
  return above < limit ? WheelAxis::kVertical : WheelAxis::kHorizontal;
}

int CMcuLayout::WheelPosition(WheelAxis axis, int delta) const {
  if (axis == WheelAxis::kNone) return 0;
  const stScrollAxis& bar = axis == WheelAxis::kVertical ? m_vertical : m_horizontal;
  const int step = bar.page / 2;
  if (delta < 0 && bar.pos < bar.Limit()) return std::min(bar.pos + step, bar.Limit());
  if (delta > 0 && bar.pos > bar.min) return std::max(bar.pos - step, bar.min);
  return bar.pos;
}

int CMcuLayout::Offset(bool vertical) const {
  const stScrollAxis& axis = vertical ? m_vertical : m_horizontal;
  // Half the difference of the near and far sides' labels: the content, not
  // only the body, is centred, whether it fits or scrolls.
  int offset = 0;
  if (m_kind == kKindFourSides) {
    offset = (vertical ? m_extents[kSideTop] - m_extents[kSideBottom]
                       : m_extents[kSideLeft] - m_extents[kSideRight]) /
             2;
  }
  if (axis.IsShown()) offset -= axis.pos - (axis.max - axis.page) / 2;
  // The layout centres the body in the whole window; the other axis's bar takes half its width off.
  const stScrollAxis& other = vertical ? m_horizontal : m_vertical;
  if (other.IsShown()) offset -= m_barThickness / 2;
  return offset;
}

stRect CMcuLayout::ToClient(const stRect& rect) const {
  const int dx = Offset(false);
  const int dy = Offset(true);
  return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

int CMcuLayout::HitTest(int x, int y) const {
  for (int pin = 0; pin < GetPinCount(); ++pin) {
    if (ToClient(GetPin(pin).box).StrictlyContains(x, y)) return pin;
  }
  return -1;
}

}  // namespace mculayout
