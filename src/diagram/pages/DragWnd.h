// The drag label: a small borderless pop-up that shows one text in a framed
// box and, while shown, follows the mouse as long as the left button alone
// is held. The chip picture makes one, hidden, and owns it; nothing in the
// program shows it.
#pragma once

#include "ui/Colors.h"

#include <wx/popupwin.h>

class CDragWnd : public wxPopupWindow {
 public:
  CDragWnd() = default;
  ~CDragWnd() override = default;

  // A hidden label of cx x cy at (x, y) on the screen; no owner.
  virtual bool Create(wxWindow* parent, int x, int y, int cx, int cy);

  virtual void SetBackColor(ColorRef color, bool repaint);
  virtual void SetBorderColor(ColorRef color, bool repaint);
  virtual void SetBorderWidth(int width, bool repaint);
  // A language key, shown through the language texts.
  virtual void SetText(const wxString& text, bool repaint);
  virtual void SetTextColor(ColorRef color, bool repaint);
  // The size the label keeps while it moves.
  virtual void SetLabelSize(int cx, int cy);
  virtual void ClearOwner() { m_owner = nullptr; }
  // The window told (a left-button-up event) when a drag ends.
  void SetOwnerWindow(wxWindow* owner) { m_owner = owner; }
  wxWindow* GetOwnerWindow() const { return m_owner; }

  const wxString& GetText() const { return m_text; }
  bool IsTracking() const { return m_tracking; }

 protected:
  virtual void EraseBackground(wxDC& dc);
  virtual void DrawContent(wxDC& dc);
  virtual void DrawBorder(wxDC& dc);
  virtual void DrawText(wxDC& dc);

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  // The label's centre to the screen point.
  void CentreOn(const wxPoint& screenPoint);
  void EndDrag();

  int m_width = 0;
  int m_height = 0;
  ColorRef m_backColor = 0xFFFFFF;
  ColorRef m_borderColor = 0;
  int m_borderWidth = 2;
  ColorRef m_textColor = 0;
  wxString m_text;
  bool m_tracking = false;
  wxWindow* m_owner = nullptr;
};
