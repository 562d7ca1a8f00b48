// The labels of a CLUEdit: text drawn over the parent's background, a tip
// after the mouse rests 500 ms on it, and the focus on a click (so that an
// edit that had it checks its value).
#pragma once

#include "ui/Colors.h"

#include <wx/control.h>
#include <wx/timer.h>

class CLUEdit;

class CLUStatic : public wxControl {
 public:
  static constexpr int kHoverTime = 500;

  CLUStatic() = default;
  CLUStatic(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos, const wxSize& size);
  bool Create(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos, const wxSize& size);
  ~CLUStatic() override;

  void SetOwner(CLUEdit* owner) { m_owner = owner; }
  void SetTextColor(ColorRef color);
  void SetFocusOnClick(bool focus) { m_focusOnClick = focus; }
  bool IsHovering() const { return m_hover; }

  void SetLabel(const wxString& label) override;
  bool AcceptsFocus() const override { return m_focusOnClick; }
  bool AcceptsFocusFromKeyboard() const override { return false; }

  // The mouse has rested on the label (the hover timer's end).
  void OnHover();

 protected:
  wxSize DoGetBestSize() const override;

 private:
  void OnPaint(wxPaintEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);

  ColorRef m_textColor = 0;
  bool m_hover = false;
  bool m_tracking = false;
  bool m_focusOnClick = true;
  CLUEdit* m_owner = nullptr;
  wxTimer m_hoverTimer;

  wxDECLARE_DYNAMIC_CLASS(CLUStatic);
};
