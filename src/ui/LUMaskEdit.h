// The masked edit: accepts only the characters its mask allows, checks the
// number it holds against a range (decimal or hexadecimal), shows an
// out-of-range value with a red frame, and tells its parent about focus
// (WM_EDIT_FOCUS, WM_EDIT_CHANGED) and accepted keys (WM_MASKEDIT_KEY).
//
// The control paints its own frame and margins around a borderless text entry.
#pragma once

#include "ui/Colors.h"

#include <wx/control.h>
#include <wx/textctrl.h>

class CLUEdit;

class CLUMaskEdit : public wxControl {
 public:
  static constexpr int kTextMargin = 5;
  static constexpr ColorRef kErrorFrameColor = 0x0000FF;
  static constexpr ColorRef kDisabledBackground = 0xE1E1E1;

  CLUMaskEdit() = default;
  CLUMaskEdit(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
              const wxString& text = wxEmptyString);
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
              const wxString& text = wxEmptyString);

  void SetOwner(CLUEdit* owner) { m_owner = owner; }
  CLUEdit* GetOwner() const { return m_owner; }

  // False (nothing stored) unless format and templ make a valid mask. The mask
  // is active when both are non-empty.
  bool SetMask(const wxString& format, const wxString& templ);
  // Turning checking on needs an active mask of digits (see MaskLogic.h).
  bool EnableValueCheck(bool enable);
  // Refused when minimum is not below maximum; re-checks the text when checking is on.
  bool SetRange(double minimum, double maximum);
  void GetRange(double* minimum, double* maximum) const;
  // True when checking is off, the text is empty or the value lies in range;
  // the frame shows the result.
  bool CheckRange();
  // Refused when an active mask does not fit text; else sets it and re-checks.
  bool SetText(const wxString& text);

  wxString GetWindowText() const;
  // Sets the text without the mask test.
  void SetWindowText(const wxString& text);

  bool IsMaskActive() const { return m_maskActive; }
  bool IsValueCheckOn() const { return m_valueCheck; }
  bool IsHexadecimal() const { return m_hexadecimal; }
  bool IsOutOfRange() const { return m_outOfRange; }
  // Shows the red frame for a value its page refused (an empty required
  // input) until the next range check.
  void MarkRefused();
  // The red frame is shown: out of range, or refused.
  bool ShowsError() const;
  const wxString& GetMaskFormat() const { return m_format; }
  const wxString& GetMaskTemplate() const { return m_template; }

  void SetFrame(bool frame);
  void SetEditable(bool editable);
  bool IsEditable() const;
  bool Enable(bool enable = true) override;
  bool SetFont(const wxFont& font) override;
  void SetFocus() override;
  // The entry inside takes the focus: a click goes to it, Tab moves into it.
  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return true; }

  wxTextCtrl* GetTextCtrl() const { return m_text; }
  // The colour the frame is drawn in now.
  wxColour GetFrameColour() const;

 protected:
  wxSize DoGetBestSize() const override;

 private:
  void BindEvents();
  void UpdateColours();
  void PlaceText();
  int FrameWidth() const;
  wxString Predict(int key, wxUniChar ch) const;
  bool RefusedByMask(const wxString& predicted) const;
  bool MoveFocusToSibling(bool forward);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnSetFocus(wxFocusEvent& event);
  void OnKillFocus(wxFocusEvent& event);
  void OnPaste(wxClipboardTextEvent& event);
  void OnCut(wxClipboardTextEvent& event);
  void OnPaint(wxPaintEvent& event);

  wxTextCtrl* m_text = nullptr;
  CLUEdit* m_owner = nullptr;
  wxString m_format;
  wxString m_template;
  bool m_maskActive = false;
  bool m_valueCheck = false;
  bool m_hexadecimal = false;
  double m_minimum = 0.0;
  double m_maximum = 0.0;
  bool m_outOfRange = false;
  bool m_refused = false;
  bool m_frame = true;
  int m_normalFrameWidth = 1;
  int m_errorFrameWidth = 1;
  ColorRef m_textColor = 0;
  ColorRef m_normalFrameColor = 0;
  ColorRef m_disabledTextColor = 0;

  wxDECLARE_DYNAMIC_CLASS(CLUMaskEdit);
};
