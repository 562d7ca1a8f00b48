// A small borderless popup that shows one text at a point: a cream box with a
// black frame, always on top and never activated (it never takes the focus).
#pragma once

#include "ui/FontEx.h"

#include <wx/popupwin.h>

class CToolTip2 : public wxPopupWindow {
 public:
  CToolTip2() = default;

  // Copies the parent's font at pointSize, stores the margins and creates the
  // hidden popup owned by parent.
  bool Create(int pointSize, int verticalMargin, int horizontalMargin, wxWindow* parent);

  // The text, with trailing white space removed. A language key is shown as its text.
  void SetText(const wxString& text);
  const wxString& GetText() const { return m_text; }
  void SetFontSize(int pointSize);

  // Shows the tip with its top-left corner at point (parent client
  // coordinates). Refused when the text is empty or the tip is already shown.
  bool Show(const wxPoint& point);
  bool Show(bool show = true) override;
  bool IsTipShown() const { return m_shown; }
  const wxPoint& GetAnchor() const { return m_anchor; }

  // The size of the shown text and of the whole box.
  wxSize GetTextSize() const;
  wxSize GetBoxSize() const;
  int GetHorizontalMargin() const { return m_horizontalMargin; }
  int GetVerticalMargin() const { return m_verticalMargin; }

 private:
  wxString ShownText() const;
  void Place(const wxPoint& point);
  void OnPaint(wxPaintEvent& event);

  wxString m_text;
  wxWindow* m_owner = nullptr;
  bool m_shown = false;
  wxPoint m_anchor;
  CFontEx m_font;
  int m_horizontalMargin = 0;
  int m_verticalMargin = 0;
};

// The tip's colours: cream 0xD1EFF9 (COLORREF) and a black frame.
constexpr unsigned kToolTipBackground = 0xD1EFF9;
