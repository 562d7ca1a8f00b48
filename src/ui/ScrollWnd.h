// A base window for custom-drawn views larger than the window: a coloured
// header strip with a separator along the top, its own vertical and
// horizontal scroll bar controls, and the content painted double-buffered
// with the origin moved by the scroll offsets.
//
// The header strip stands in for a non-client area: the view (where the
// content shows) starts below it. Subclasses give the content size
// (GetContentRect) and draw it (DrawContent) in content coordinates; a point
// of the window maps to content through WindowToContent. A subclass whose
// content size changed calls RecalcLayout.
#pragma once

#include "ui/Colors.h"

#include <wx/scrolbar.h>
#include <wx/window.h>

// The next position of a scroll bar for an event (wxEVT_SCROLL_*): line and
// page steps move by 1, thumb tracking goes to the thumb, top to 0 and bottom
// to the limit; the result stays within 0..limit.
int NextScrollPosition(wxEventType type, int position, int thumb, int limit);

class CSBWnd : public wxWindow {
 public:
  static constexpr int kVerticalBarId = 333;
  static constexpr int kHorizontalBarId = 334;

  CSBWnd() = default;
  CSBWnd(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
         const wxSize& size = wxDefaultSize);
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);

  // Lays out the header and the view again and sets up the scroll bars for
  // the content size.
  void RecalcLayout();

  int GetScrollX() const { return m_scrollX; }
  int GetScrollY() const { return m_scrollY; }
  const wxRect& GetHeaderRect() const { return m_headerRect; }
  const wxRect& GetSeparatorRect() const { return m_separatorRect; }
  const wxRect& GetViewRect() const { return m_viewRect; }
  // A window point in content coordinates.
  wxPoint WindowToContent(const wxPoint& point) const;
  // The bars, null until needed.
  wxScrollBar* GetVerticalBar() const { return m_verticalBar; }
  wxScrollBar* GetHorizontalBar() const { return m_horizontalBar; }
  bool IsVerticalBarNeeded() const { return m_needVertical; }
  bool IsHorizontalBarNeeded() const { return m_needHorizontal; }

  // Paints the header strip and separator, then the content, into dc (window coordinates).
  void DrawWindow(wxDC& dc);

 protected:
  virtual void OnScrollY(int /*delta*/) {}
  virtual void OnScrollX(int /*delta*/) {}
  // The content's size; the base gives the view rectangle.
  virtual void GetContentRect(wxRect& rect) const { rect = wxRect(m_viewRect.GetSize()); }
  // Draws on the header strip (window coordinates), background transparent.
  virtual void DrawHeader(wxDC& /*dc*/) {}
  // Draws the content in content coordinates.
  virtual void DrawContent(wxDC& /*dc*/) {}
  virtual void OnHeaderLayout() {}
  virtual void OnScrollLayout(const wxRect& /*content*/) {}

  int m_separatorHeight = 2;
  int m_headerHeight = 46;
  ColorRef m_headerColor = 0x0000FF;
  ColorRef m_separatorColor = 0x00FFFF;
  ColorRef m_backgroundColor = 0xFFFFFF;

 private:
  void LayOutFrame();
  void LayOutScrollBars();
  wxScrollBar* PlaceBar(wxScrollBar* bar, int id, long style, const wxRect& rect, int position, int range,
                        int page);
  void OnScroll(wxScrollEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnPaint(wxPaintEvent& event);

  wxScrollBar* m_verticalBar = nullptr;
  wxScrollBar* m_horizontalBar = nullptr;
  wxRect m_separatorRect;
  wxRect m_windowRect;
  wxRect m_viewRect;
  wxRect m_headerRect;
  int m_scrollX = 0;
  int m_scrollY = 0;
  bool m_headerLayoutPending = false;
  bool m_scrollSetupPending = true;
  bool m_needHorizontal = false;
  bool m_needVertical = false;
};
