// CKeyButton: the owner-drawn button of the key and function mapping in its
// three roles: a function of the function panel (role 0), a cell of the key
// set-up panel (role 1) or a key of the key panel (role 2). It draws its
// caption's language text on the colour of its draw state and starts and
// ends the drags that put functions on keys. Its data and rules are those of
// CKeyButtonModel.
#pragma once

#include "keys/KeyButtonModel.h"

#include <wx/control.h>

class CFuncDlg;
class CKeyConfigDlg;

class CKeyButton : public wxControl, public CKeyButtonModel {
 public:
  CKeyButton(wxWindow* parent, wxWindowID id, const wxString& text, const wxRect& rect,
             int role = kRoleFunction);
  ~CKeyButton() override;

  // Single-slot: the caption key; redraws when asked.
  void SetCaptionKey(const wxString& key, bool redraw);
  // True (after the notice "IDS_CONFIG_ALREADY") when a selected slot holds a name.
  bool CheckSlotsFree(std::uint16_t actionMask, std::uint16_t stateMask);
  // Single-slot: the function leaves its key. Multi-slot: the key marks the
  // current slot's function covers are cleared.
  void ClearAssignment(bool redraw);
  // The enable expression (see EvaluateKeyEnable) against the project.
  int EvaluateEnable(int listSelector);
  int ApplyEnable(int listSelector);

  // A key-button drag is under way (process-wide).
  static bool IsDragging() { return s_dragging; }

  void Redraw();
  void Draw(wxDC& dc);
  // The caption as Draw shows it: the language text of the caption key in
  // the button's font, made smaller where it is wider or taller than the
  // button's inside, and cut short with an ellipsis only where even the
  // smallest size does not fit.
  struct stShownCaption {
    wxString text;
    wxFont font;
  };
  stShownCaption ShownCaption(wxDC& dc) const;
  // A function button's label and tip: the language text of its caption key
  // (the button shows it cut short where it does not fit).
  void ApplyLanguage();

 protected:
  wxSize DoGetBestSize() const override { return GetSize(); }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  bool IgnoresPress() const;
  void EndDrag();
  CKeyConfigDlg* Page() const;
  void ApplyOutcome(const stKeyEnableOutcome& outcome);

  bool m_tracking = false;
  static bool s_dragging;
};
