// The title tip: a borderless pop-up that shows the whole text of a cell
// whose text is cut off, over the cell, until the mouse leaves the cell.
#pragma once

#include "controls/grid/GridTypes.h"

#include <wx/popupwin.h>

class CTitleTip : public wxPopupWindow {
 public:
  CTitleTip() = default;
  ~CTitleTip() override;

  virtual bool Create(wxWindow* parent);

  // Shows text over titleRect (parent client coordinates) when it does not
  // fit there; hover (null: titleRect) is where the mouse may stay. font
  // null: the parent's. Colours kGridDefaultColor: the system's tip colours.
  // Answers whether the tip is shown.
  bool Show(const GridRect& titleRect, const wxString& text, int xOffset = 0, const GridRect* hover = nullptr,
            const wxFont* font = nullptr, ColorRef textColor = kGridDefaultColor,
            ColorRef backColor = kGridDefaultColor);
  void Hide();
  bool IsCreated() const { return m_created; }
  const wxString& GetTipText() const { return m_text; }
  bool Destroy() override;

 private:
  void OnPaint(wxPaintEvent& event);
  void OnMouseMove(wxMouseEvent& event);
  void OnMouseButton(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  // Hands a mouse event on to the parent, in its client coordinates.
  void ForwardToParent(const wxMouseEvent& event, wxEventType type);

  wxWindow* m_parent = nullptr;
  GridRect m_hoverRect;  // in tip client coordinates
  wxString m_text;
  wxFont m_font;
  ColorRef m_textColor = kGridDefaultColor;
  ColorRef m_backColor = kGridDefaultColor;
  wxLongLong m_lastClickTime = -1;
  bool m_created = false;
};
