#include "ui/ScrollWnd.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include <algorithm>

namespace {

constexpr int kFallbackBarThickness = 16;

int BarThickness(wxSystemMetric metric, wxWindow* window) {
  const int thickness = wxSystemSettings::GetMetric(metric, window);
  return thickness > 0 ? thickness : kFallbackBarThickness;
}

}  // namespace

int NextScrollPosition(wxEventType type, int position, int thumb, int limit) {
  int next = position;
  if (type == wxEVT_SCROLL_LINEUP || type == wxEVT_SCROLL_PAGEUP) next = position - 1;
  if (type == wxEVT_SCROLL_LINEDOWN || type == wxEVT_SCROLL_PAGEDOWN) next = position + 1;
  if (type == wxEVT_SCROLL_THUMBTRACK) next = thumb;
  if (type == wxEVT_SCROLL_TOP) next = 0;
  if (type == wxEVT_SCROLL_BOTTOM) next = limit;
  return std::max(0, std::min(next, limit));
}

CSBWnd::CSBWnd(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  Create(parent, id, pos, size);
}

bool CSBWnd::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!wxWindow::Create(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE)) return false;
  // Erasing the background does nothing: painting covers every pixel.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CSBWnd::OnPaint, this);
  Bind(wxEVT_SIZE, &CSBWnd::OnSize, this);
  for (const auto& type : {wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN,
                           wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_THUMBTRACK}) {
    Bind(type, &CSBWnd::OnScroll, this, kVerticalBarId, kHorizontalBarId);
  }
  RecalcLayout();
  return true;
}

void CSBWnd::RecalcLayout() {
  LayOutFrame();
  LayOutScrollBars();
  Refresh();
}

void CSBWnd::LayOutFrame() {
  const wxSize size = GetClientSize();
  m_windowRect = wxRect(size);
  if (m_headerHeight > 0) {
    const int strip = std::max(0, std::min(m_headerHeight - m_separatorHeight, size.y));
    const int viewTop = std::min(m_headerHeight, size.y);
    m_headerRect = wxRect(0, 0, size.x, strip);
    m_separatorRect = wxRect(0, strip, size.x, viewTop - strip);
    m_viewRect = wxRect(0, viewTop, size.x, size.y - viewTop);
  } else {
    m_headerRect = m_separatorRect = wxRect();
    m_viewRect = m_windowRect;
  }
  m_headerLayoutPending = m_scrollSetupPending = true;
  if (m_headerHeight > 0) {
    OnHeaderLayout();
    m_headerLayoutPending = false;
  }
}

wxScrollBar* CSBWnd::PlaceBar(wxScrollBar* bar, int id, long style, const wxRect& rect, int position,
                              int range, int page) {
  if (!bar) {
    bar = new wxScrollBar(this, id, rect.GetPosition(), rect.GetSize(), style);
    bar->Hide();
  }
  bar->SetSize(rect);
  bar->SetScrollbar(position, page, range, page);
  bar->Show();
  return bar;
}

void CSBWnd::LayOutScrollBars() {
  wxRect content;
  GetContentRect(content);
  m_needVertical = m_viewRect.height < content.height;
  m_needHorizontal = m_viewRect.width < content.width;
  const int limitY = m_needVertical ? content.height - m_viewRect.height : 0;
  const int limitX = m_needHorizontal ? content.width - m_viewRect.width : 0;
  // Offsets and thumbs stay together when the view or the content changes size.
  m_scrollY = std::max(0, std::min(m_scrollY, limitY));
  m_scrollX = std::max(0, std::min(m_scrollX, limitX));

  const int vertical = BarThickness(wxSYS_VSCROLL_X, this);
  const int horizontal = BarThickness(wxSYS_HSCROLL_Y, this);
  if (m_needVertical) {
    const wxRect rect(m_viewRect.GetRight() + 1 - vertical, m_viewRect.y, vertical,
                      m_viewRect.height - (m_needHorizontal ? horizontal : 0));
    m_verticalBar = PlaceBar(m_verticalBar, kVerticalBarId, wxSB_VERTICAL, rect, m_scrollY, content.height,
                             m_viewRect.height);
  } else if (m_verticalBar) {
    m_verticalBar->Hide();
  }
  if (m_needHorizontal) {
    const wxRect rect(m_viewRect.x, m_viewRect.GetBottom() + 1 - horizontal,
                      m_viewRect.width - (m_needVertical ? vertical : 0), horizontal);
    m_horizontalBar = PlaceBar(m_horizontalBar, kHorizontalBarId, wxSB_HORIZONTAL, rect, m_scrollX,
                               content.width, m_viewRect.width);
  } else if (m_horizontalBar) {
    m_horizontalBar->Hide();
  }
  m_scrollSetupPending = false;
  OnScrollLayout(content);
}

wxPoint CSBWnd::WindowToContent(const wxPoint& point) const {
  return wxPoint(point.x - m_viewRect.x + m_scrollX, point.y - m_viewRect.y + m_scrollY);
}

void CSBWnd::OnScroll(wxScrollEvent& event) {
  const bool vertical = event.GetEventObject() == m_verticalBar && m_verticalBar;
  const bool horizontal = event.GetEventObject() == m_horizontalBar && m_horizontalBar;
  if (!vertical && !horizontal) {
    event.Skip();
    return;
  }
  wxScrollBar* bar = vertical ? m_verticalBar : m_horizontalBar;
  int& offset = vertical ? m_scrollY : m_scrollX;
  const int limit = std::max(0, bar->GetRange() - bar->GetThumbSize());
  const int next = NextScrollPosition(event.GetEventType(), offset, event.GetPosition(), limit);
  bar->SetThumbPosition(next);
  if (next == offset) return;
  const int delta = next - offset;
  offset = next;
  if (vertical) {
    OnScrollY(delta);
  } else {
    OnScrollX(delta);
  }
  Refresh();
  Update();
}

void CSBWnd::OnSize(wxSizeEvent& event) {
  event.Skip();
  RecalcLayout();
}

void CSBWnd::DrawWindow(wxDC& dc) {
  if (m_headerHeight > 0 && !m_headerRect.IsEmpty()) {
    const wxRect strip = m_headerRect.Union(m_separatorRect);
    wxBitmap bitmap(strip.width, std::max(1, strip.height));
    wxMemoryDC memory(bitmap);
    memory.SetPen(*wxTRANSPARENT_PEN);
    memory.SetBrush(wxBrush(ColourFromColorRef(m_headerColor)));
    memory.DrawRectangle(m_headerRect);
    if (m_separatorHeight > 0 && !m_separatorRect.IsEmpty()) {
      memory.SetBrush(wxBrush(ColourFromColorRef(m_separatorColor)));
      memory.DrawRectangle(m_separatorRect);
    }
    memory.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    DrawHeader(memory);
    memory.SelectObject(wxNullBitmap);
    dc.DrawBitmap(bitmap, strip.GetPosition());
  }
  if (m_viewRect.IsEmpty()) return;
  wxBitmap bitmap(m_viewRect.width, m_viewRect.height);
  wxMemoryDC memory(bitmap);
  memory.SetDeviceOrigin(-m_scrollX, -m_scrollY);
  memory.SetPen(*wxTRANSPARENT_PEN);
  memory.SetBrush(wxBrush(ColourFromColorRef(m_backgroundColor)));
  memory.DrawRectangle(m_scrollX, m_scrollY, m_viewRect.width, m_viewRect.height);
  memory.SetBrush(wxNullBrush);
  DrawContent(memory);
  memory.SelectObject(wxNullBitmap);
  dc.DrawBitmap(bitmap, m_viewRect.GetPosition());
}

void CSBWnd::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  if (m_scrollSetupPending) LayOutScrollBars();
  DrawWindow(dc);
}
