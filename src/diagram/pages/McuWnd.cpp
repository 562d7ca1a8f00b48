#include "diagram/pages/McuWnd.h"

#include "core/LangText.h"
#include "diagram/pages/DragWnd.h"
#include "ui/PngButton.h"
#include "ui/UILayout.h"
#include "ui/shell/PageMessages.h"

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/weakref.h>

#include <algorithm>

wxDEFINE_EVENT(WM_MCU_PIN_QUERY, CShellMessageEvent);
wxDEFINE_EVENT(WM_MCU_PIN_CLICKED, CShellMessageEvent);

namespace {

using mculayout::stRect;

constexpr ColorRef kNumberCellColor = 0xEDE1E7;
constexpr int kCornerRadius = 8;  // a 16 x 16 corner ellipse

enum class Align { kStart, kCentre, kEnd };

// Text in a rectangle: across it when it is wider than tall, else turned to
// read upwards; aligned along the reading direction.
void DrawTextIn(wxDC& dc, const wxString& text, const wxRect& rect, Align align) {
  if (text.empty()) return;
  wxCoord width = 0, height = 0;
  dc.GetTextExtent(text, &width, &height);
  if (rect.height > rect.width) {
    const int x = rect.x + (rect.width - height) / 2;
    int y = rect.y + (rect.height + width) / 2;
    if (align == Align::kStart) y = rect.y + rect.height;
    if (align == Align::kEnd) y = rect.y + width;
    dc.DrawRotatedText(text, x, y, 90);
    return;
  }
  int x = rect.x + (rect.width - width) / 2;
  if (align == Align::kStart) x = rect.x;
  if (align == Align::kEnd) x = rect.x + rect.width - width;
  dc.DrawText(text, x, rect.y + (rect.height - height) / 2);
}

void FillRect(wxDC& dc, const wxRect& rect, ColorRef color) {
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColourFromColorRef(color)));
  dc.DrawRectangle(rect);
}

wxWindow* Ancestor(wxWindow* window, int generations) {
  for (int i = 0; i < generations && window; ++i) window = window->GetParent();
  return window;
}

}  // namespace

CMCUWnd::~CMCUWnd() {
  // The drag label is a child: it goes with this window.
  m_dragLabel = nullptr;
}

bool CMCUWnd::Create(wxWindow* parent, int x, int y, int cx, int cy, int kind, int pinCount, wxWindowID id,
                     const wxRect& numberCell, int bodyWidth) {
  Hide();  // made hidden: the owner shows it once it is filled
  if (!wxWindow::Create(parent, id, wxPoint(x, y), wxSize(std::max(cx, 1), std::max(cy, 1)), wxBORDER_NONE))
    return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_numberCell = numberCell.width > 0 ? numberCell.width : mculayout::kDefaultNumberCell;
  m_kind = kind;
  OnePinInfo blank;
  for (CFontEx& font : blank.font) font.SetFromFont(GetFont());
  m_pins.assign(static_cast<std::size_t>(std::max(pinCount, 0)), blank);
  m_background = 0xFFFFFF;
  m_layout.Create(kind, pinCount, cx, cy, bodyWidth);
  ResetTitleFonts();
  m_notify = nullptr;

  m_verticalBar = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
  m_horizontalBar = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_HORIZONTAL);
  m_verticalBar->Hide();
  m_horizontalBar->Hide();
  for (wxScrollBar* bar : {m_verticalBar, m_horizontalBar}) {
    for (const wxEventTypeTag<wxScrollEvent>& type :
         {wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN,
          wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE,
          wxEVT_SCROLL_CHANGED}) {
      bar->Bind(type, &CMCUWnd::OnBarScroll, this);
    }
  }
  Bind(wxEVT_PAINT, &CMCUWnd::OnPaint, this);
  Bind(wxEVT_MOUSEWHEEL, &CMCUWnd::OnWheel, this);
  Bind(wxEVT_LEFT_DOWN, &CMCUWnd::OnLeftDown, this);
  // Pins are picked by clicks: a second click soon after the first is a click too.
  Bind(wxEVT_LEFT_DCLICK, &CMCUWnd::OnLeftDown, this);
  Bind(wxEVT_MOTION, &CMCUWnd::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &CMCUWnd::OnLeave, this);

  m_dragLabel = CreateDragLabel();
  if (!m_dragLabel) return false;
  UpdateScrollBars(true);
  m_dragLabel->SetOwnerWindow(this);
  if (WantsMenuButton()) TakeOverPictureButton();
  return true;
}

CDragWnd* CMCUWnd::CreateDragLabel() {
  auto* label = new CDragWnd();
  if (!label->Create(this, 0, 0, 0, 0)) {
    delete label;
    return nullptr;
  }
  return label;
}

void CMCUWnd::TakeOverPictureButton() {
  int red = 0, green = 0, blue = 0, hover = 255, pressed = 255;
  ReadIniColorKeys("MenuCLR", red, green, blue, hover, pressed);
  wxWindow* parent = GetParent();
  wxWindow* item = nullptr;
  for (wxWindow* child : parent->GetChildren()) {
    if (child->GetId() == kPictureButtonId && child != this) item = child;
  }
  if (!item) return;
  auto* button = dynamic_cast<CPngButton*>(item);
  if (!button) {
    item->Destroy();
    button = new CPngButton();
    button->Hide();
    if (!button->Create(parent, kPictureButtonId, wxPoint(100, 100), wxSize(30, 30))) {
      delete button;
      return;
    }
  }
  button->SetCaption("??");
  button->SetTint(MakeColorRef(red, green, blue), hover, pressed);
  button->SetSize(100, 100, 30, 30);
  button->Raise();
  button->Hide();
  m_pictureButton = button;
}

void CMCUWnd::ResetTitleFonts() {
  m_chipNameFont.SetFromFont(GetFont());
  m_titleSuffixFont.SetFromFont(GetFont());
  m_chipNameColor = 0xFFFFFF;
  m_titleSuffixColor = m_kind == mculayout::kKindFourSides ? 0xFFFFFF : 0x464646;
  m_titleSpacing = 20;
  m_titleBelowBody = m_kind != mculayout::kKindFourSides;
  m_bodyColor = 0x464646;
}

void CMCUWnd::LayoutPackage(int cx, int cy, int bodyWidth) {
  m_background = 0xFFFFFF;
  m_layout.Relayout(cx, cy, bodyWidth);
  ResetTitleFonts();
}

void CMCUWnd::Repaint(bool repaint) {
  if (repaint) Refresh(false);
}

void CMCUWnd::SetChipName(const wxString& text, bool repaint) {
  m_chipName = text;
  Repaint(repaint);
}

void CMCUWnd::SetTitleSuffix(const wxString& text, bool repaint) {
  m_titleSuffix = text;
  Repaint(repaint);
}

void CMCUWnd::SetTextColor(ColorRef color, bool repaint) {
  m_chipNameColor = color;
  Repaint(repaint);
}

template <typename Apply>
bool CMCUWnd::ForPins(int pin, Apply apply) {
  if (pin == -1) {
    for (int i = 0; i < GetPinCount(); ++i) apply(i, m_pins[static_cast<std::size_t>(i)]);
    return true;
  }
  // At or above the count: ignored; below -1: refused. Either way nothing changes.
  if (pin < 0 || pin >= GetPinCount()) return false;
  apply(pin, m_pins[static_cast<std::size_t>(pin)]);
  return true;
}

void CMCUWnd::MeasureLabels(int pin, int label) {
  if (label != 1 && label != 2) return;
  const OnePinInfo& info = m_pins[static_cast<std::size_t>(pin)];
  wxClientDC dc(this);
  dc.SetFont(info.font[label].GetFont());
  wxCoord width = 0, height = 0;
  if (!info.text[label].empty()) dc.GetTextExtent(info.text[label], &width, &height);
  if (label == 2) {
    m_layout.SetInnerLabelWidth(pin, width);
  } else if (m_layout.SetOuterLabelWidth(pin, width)) {
    UpdateScrollBars(true);
  }
}

void CMCUWnd::SetPinText(int pin, int label, const wxString& text, bool repaint) {
  if (label < 0 || label >= kLabelCount) return;
  ForPins(pin, [&](int i, OnePinInfo& info) {
    info.text[label] = text;
    MeasureLabels(i, label);
  });
  Repaint(repaint);
}

void CMCUWnd::SetPinFontSize(int label, int points, int pin, bool repaint) {
  if (label < 0 || label >= kLabelCount) return;
  ForPins(pin, [&](int i, OnePinInfo& info) {
    info.font[label].SetPointSize(points);
    MeasureLabels(i, label);
  });
  Repaint(repaint);
}

void CMCUWnd::SetPinFontFace(int label, const wxString& face, int charSet, int pin, bool repaint) {
  if (label < 0 || label >= kLabelCount) return;
  ForPins(pin, [&](int, OnePinInfo& info) { info.font[label].SetFaceName(face, charSet); });
  Repaint(repaint);
}

void CMCUWnd::SetPinFontBold(int label, bool bold, int pin, bool repaint) {
  if (label < 0 || label >= kLabelCount) return;
  ForPins(pin, [&](int, OnePinInfo& info) { info.font[label].SetBold(bold); });
  Repaint(repaint);
}

void CMCUWnd::SetPinBorderColor(ColorRef color, int pin, bool repaint) {
  ForPins(pin, [&](int, OnePinInfo& info) { info.borderColor = color; });
  Repaint(repaint);
}

void CMCUWnd::SetPinFillColor(ColorRef color, int pin, bool repaint) {
  ForPins(pin, [&](int, OnePinInfo& info) { info.highlightColor = color; });
  Repaint(repaint);
}

void CMCUWnd::SetPinValue(int value, int pin) {
  ForPins(pin, [&](int, OnePinInfo& info) { info.value = value; });
}

bool CMCUWnd::SetPinAvailable(int pin, bool available, bool repaint) {
  if (pin < 0 || pin >= GetPinCount()) return false;
  m_pins[static_cast<std::size_t>(pin)].available = available ? 1 : 0;
  Repaint(repaint);
  return true;
}

bool CMCUWnd::IsPinAvailable(int pin) const {
  return pin >= 0 && pin < GetPinCount() && m_pins[static_cast<std::size_t>(pin)].available != 0;
}

void CMCUWnd::UpdateScrollBars(bool /*secondPass*/) {
  // The plan is made until the bars shown agree with it, which covers the second pass.
  const int thickness = std::max(wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this),
                                 m_verticalBar ? m_verticalBar->GetBestSize().x : 0);
  const wxSize size = GetClientSize();
  m_layout.PlanScrollBars(size.x, size.y, thickness);
  PlaceBars();
}

void CMCUWnd::PlaceBars() {
  if (!m_verticalBar || !m_horizontalBar) return;
  const mculayout::stScrollAxis& horizontal = m_layout.GetHorizontal();
  const mculayout::stScrollAxis& vertical = m_layout.GetVertical();
  const wxSize size = GetClientSize();
  const wxSize view = GetViewSize();
  // Shown before they are placed: the toolkit places a bar that is hidden only when it shows it.
  m_verticalBar->Show(vertical.IsShown());
  m_horizontalBar->Show(horizontal.IsShown());
  if (vertical.IsShown()) {
    m_verticalBar->SetSize(view.x, 0, size.x - view.x, view.y);
    m_verticalBar->SetScrollbar(vertical.pos, vertical.page, vertical.max, vertical.page);
  }
  if (horizontal.IsShown()) {
    m_horizontalBar->SetSize(0, view.y, view.x, size.y - view.y);
    m_horizontalBar->SetScrollbar(horizontal.pos, horizontal.page, horizontal.max, horizontal.page);
  }
  Refresh(false);
}

void CMCUWnd::CenterView() {
  m_layout.CenterView();
  if (m_layout.GetVertical().IsShown()) m_verticalBar->SetThumbPosition(m_layout.GetVertical().pos);
  if (m_layout.GetHorizontal().IsShown()) m_horizontalBar->SetThumbPosition(m_layout.GetHorizontal().pos);
  Refresh(false);
}

wxSize CMCUWnd::GetViewSize() const { return wxSize(m_layout.ViewSize().width, m_layout.ViewSize().height); }

wxRect CMCUWnd::ToClient(const stRect& rect) const {
  const stRect client = m_layout.ToClient(rect);
  return wxRect(client.left, client.top, client.Width(), client.Height());
}

wxRect CMCUWnd::GetPinRect(int pin) const {
  return m_layout.IsPin(pin) ? ToClient(m_layout.GetPin(pin).box) : wxRect();
}

wxRect CMCUWnd::GetBodyRect() const { return ToClient(m_layout.GetBody()); }

void CMCUWnd::ScrollTo(bool vertical, int position) {
  if (m_layout.SetScrollPosition(vertical, position)) Refresh(false);
  wxScrollBar* bar = vertical ? m_verticalBar : m_horizontalBar;
  const int pos = vertical ? m_layout.GetVertical().pos : m_layout.GetHorizontal().pos;
  if (bar->GetThumbPosition() != pos) bar->SetThumbPosition(pos);
}

void CMCUWnd::OnBarScroll(wxScrollEvent& event) {
  const bool vertical = event.GetEventObject() == m_verticalBar;
  using mculayout::ScrollAction;
  ScrollAction action = ScrollAction::kOther;
  const wxEventType type = event.GetEventType();
  if (type == wxEVT_SCROLL_LINEUP) action = ScrollAction::kLineUp;
  if (type == wxEVT_SCROLL_LINEDOWN) action = ScrollAction::kLineDown;
  if (type == wxEVT_SCROLL_PAGEUP) action = ScrollAction::kPageUp;
  if (type == wxEVT_SCROLL_PAGEDOWN) action = ScrollAction::kPageDown;
  if (type == wxEVT_SCROLL_THUMBTRACK) action = ScrollAction::kThumbTrack;
  if (type == wxEVT_SCROLL_TOP) action = ScrollAction::kTop;
  if (type == wxEVT_SCROLL_BOTTOM) action = ScrollAction::kBottom;
  ScrollTo(vertical, m_layout.NextScrollPosition(vertical, action, event.GetPosition()));
}

void CMCUWnd::OnWheel(wxMouseEvent& event) {
  const mculayout::WheelAxis axis = m_layout.WheelAxisAt(event.GetX(), event.GetY());
  if (axis == mculayout::WheelAxis::kNone || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL ||
      event.GetWheelRotation() == 0) {
    event.Skip();
    return;
  }
  // A negative rotation turns the wheel towards the user.
  ScrollTo(axis == mculayout::WheelAxis::kVertical, m_layout.WheelPosition(axis, event.GetWheelRotation()));
}

void CMCUWnd::OnLeftDown(wxMouseEvent& event) {
  const int pin = m_notify ? m_layout.HitTest(event.GetX(), event.GetY()) : -1;
  if (pin >= 0) {
    // The page may rebuild the picture while it answers.
    wxWeakRef<CMCUWnd> self(this);
    if (IsPinAvailable(pin)) {
      if (SendShellMessage(Ancestor(this, 4), WM_LCD_PIN_PICK, pin & 0xFF, 1) == 0 || !self) return;
    }
    const int value = m_pins[static_cast<std::size_t>(pin)].value;
    if (SendShellMessage(GetParent(), WM_MCU_PIN_QUERY, 0, value) == 0 || !self) return;
    if (SendShellMessage(m_notify, WM_MCU_PIN_CLICKED, pin, 0) != 0 && self) Refresh(false);
    if (!self) return;
  }
  event.Skip();
}

void CMCUWnd::OnMotion(wxMouseEvent& event) {
  m_tracking = true;  // hover is tracked; nothing reacts to it
  event.Skip();
}

void CMCUWnd::OnLeave(wxMouseEvent& event) {
  m_tracking = false;
  event.Skip();
}

void CMCUWnd::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  EraseBackground(dc);
  DrawContent(dc);
}

void CMCUWnd::EraseBackground(wxDC& dc) { FillRect(dc, wxRect(GetClientSize()), m_background); }

void CMCUWnd::DrawContent(wxDC& dc) { DrawChip(dc); }

void CMCUWnd::DrawChip(wxDC& dc) {
  if (!m_layout.IsPlaced()) return;
  DrawPackage(dc);
  DrawPins(dc);
}

void CMCUWnd::DrawPackage(wxDC& dc) {
  const wxRect body = GetBodyRect();
  FillRect(dc, body, m_background);
  dc.SetBrush(wxBrush(ColourFromColorRef(m_bodyColor)));
  dc.DrawRoundedRectangle(body.x + 1, body.y, body.width + 1, body.height, kCornerRadius);
  // The orientation mark: a notch at the top of a two-row body, a dot by pin 1 of a four-sided one.
  dc.SetBrush(wxBrush(ColourFromColorRef(m_background)));
  if (m_kind == mculayout::kKindTwoRows) {
    const int middle = ((body.x + 1) + (body.GetRight() + 3)) / 2;
    dc.DrawRoundedRectangle(middle - 10, body.y - 10, 20, 20, kCornerRadius);
  } else {
    dc.DrawRoundedRectangle(body.x + 11, body.y + 10, 20, 20, kCornerRadius);
  }
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  if (!m_titleBelowBody) {
    dc.SetFont(m_chipNameFont.GetFont());
    dc.SetTextForeground(ColourFromColorRef(m_chipNameColor));
    if (m_titleSuffix.empty()) {
      dc.DrawLabel(m_chipName, body, wxALIGN_CENTER);
      return;
    }
    const int middle = (body.y + body.GetBottom() + 1) / 2 - m_titleSpacing / 2;
    const int nameHeight = dc.GetTextExtent(m_chipName).y;
    dc.DrawLabel(m_chipName, wxRect(body.x, middle - nameHeight, body.width, nameHeight), wxALIGN_CENTER);
    dc.SetFont(m_titleSuffixFont.GetFont());
    dc.SetTextForeground(ColourFromColorRef(m_titleSuffixColor));
    const int suffixHeight = dc.GetTextExtent(m_titleSuffix).y;
    dc.DrawLabel(m_titleSuffix, wxRect(body.x, middle, body.width, suffixHeight), wxALIGN_CENTER);
    return;
  }
  const wxString title = m_titleSuffix.empty() ? m_chipName : m_chipName + "_" + m_titleSuffix;
  dc.SetFont(m_titleSuffixFont.GetFont());
  dc.SetTextForeground(ColourFromColorRef(m_titleSuffixColor));
  const int height = dc.GetTextExtent(title).y;
  dc.DrawLabel(title, wxRect(body.x, body.GetBottom() + 1 + 5, body.width, height), wxALIGN_CENTER);
}

void CMCUWnd::DrawPins(wxDC& dc) {
  for (int i = 0; i < GetPinCount(); ++i) DrawPin(dc, m_pins[static_cast<std::size_t>(i)], i);
}

void CMCUWnd::DrawPin(wxDC& dc, const OnePinInfo& pin, int index) {
  DrawPinBox(dc, pin, index);
  DrawPinHighlight(dc, pin, index);
  DrawPinLabel(dc, pin, 0, index);
  DrawPinLabel(dc, pin, m_kind == mculayout::kKindFourSides ? 1 : 2, index);
}

void CMCUWnd::DrawPinBox(wxDC& dc, const OnePinInfo& pin, int index) {
  const wxRect box = GetPinRect(index);
  FillRect(dc, box, pin.boxColor);
  const int border = pin.borderWidth;
  dc.SetBrush(wxBrush(ColourFromColorRef(pin.borderColor)));
  dc.DrawRectangle(box.x, box.y, box.width, border);
  dc.DrawRectangle(box.x, box.y + box.height, box.width, border);
  dc.DrawRectangle(box.x, box.y, border, box.height + border);
  dc.DrawRectangle(box.x + box.width, box.y, border, box.height + border);
}

void CMCUWnd::DrawPinHighlight(wxDC& dc, const OnePinInfo& pin, int index) {
  const wxRect box = GetPinRect(index);
  FillRect(dc, wxRect(box.x + 1, box.y + 1, box.width - 1, box.height - 1), pin.highlightColor);
}

void CMCUWnd::DrawPinLabel(wxDC& dc, const OnePinInfo& pin, int label, int index) {
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetFont(pin.font[label].GetFont());
  dc.SetTextForeground(ColourFromColorRef(pin.textColor[label]));
  const mculayout::PinSide side = m_layout.SideOf(index);
  const mculayout::stPinGeometry& geometry = m_layout.GetPin(index);
  if (label == 0) {
    stRect text, cell;
    m_layout.SplitNumberCell(index, m_numberCell, text, cell);
    const wxRect cellRect = ToClient(cell);
    FillRect(dc, wxRect(cellRect.x + 1, cellRect.y + 1, cellRect.width - 1, cellRect.height - 1),
             kNumberCellColor);
    DrawTextIn(dc, wxString::Format("%d", index + 1), cellRect, Align::kCentre);
    const wxRect textRect = ToClient(text);
    wxDCClipper clip(dc, textRect);
    DrawTextIn(dc, GetLangText(pin.text[0]), textRect, Align::kCentre);
    return;
  }
  const wxRect rect = ToClient(label == 1 ? geometry.outerLabel : geometry.innerLabel);
  if (rect.height > rect.width) {
    // Upright: the outer label reads away from the box, the inner one from the body's edge.
    const bool fromBottom = (side == mculayout::kSideTop) == (label == 1);
    DrawTextIn(dc, pin.text[label], rect, fromBottom ? Align::kStart : Align::kEnd);
    return;
  }
  if (label == 1) {
    if (side == mculayout::kSideLeft) DrawTextIn(dc, pin.text[1], rect, Align::kEnd);
    if (side == mculayout::kSideRight) DrawTextIn(dc, pin.text[1], rect, Align::kStart);
    return;
  }
  if (side == mculayout::kSideLeft) DrawTextIn(dc, pin.text[2], rect, Align::kStart);
  if (side == mculayout::kSideRight) DrawTextIn(dc, pin.text[2], rect, Align::kEnd);
}
