// The skinned push button: paints itself from PNG pictures with per-pixel
// transparency over its parent's background. Two-image mode (normal and
// disabled) lays a tint over the background when hovered or pressed;
// four-image mode has a picture for normal, hover, pressed and disabled.
// A click sends wxEVT_BUTTON with the button's id.
#pragma once

#include "ui/Colors.h"

#include <wx/control.h>
#include <wx/image.h>

class CPngButton : public wxControl {
 public:
  enum Mode { kTwoImages = 0, kFourImages = 1 };
  enum class Look { kBackground, kNormal, kHover, kPressed, kDisabled };

  CPngButton() = default;
  CPngButton(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize);
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);

  // The tint is on only when both alphas are below 255; returns whether it is.
  bool SetTint(ColorRef color, int hoverAlpha, int pressedAlpha);
  // Sets the text and switches caption drawing on.
  void SetCaption(const wxString& text);
  // Forces the pressed look while set (the caller repaints).
  void SetPushed(bool pushed) { m_pushed = pushed; }
  bool IsPushed() const { return m_pushed; }
  // Picture files; the button takes the normal picture's size. False when
  // the normal picture does not load.
  bool SetImages(const wxString& normal, const wxString& hover, const wxString& pressed,
                 const wxString& disabled);
  bool SetTwoImages(const wxString& normal, const wxString& disabled);

  bool IsHovered() const { return m_hover; }
  bool IsSelected() const { return m_selected; }
  bool IsTintActive() const { return m_tintActive; }
  Mode GetMode() const { return m_mode; }
  // The picture the button shows now.
  Look GetLook() const;

  bool Enable(bool enable = true) override;
  bool AcceptsFocusFromKeyboard() const override { return true; }
  // Paints the button into dc at its origin.
  void DrawButton(wxDC& dc);

 protected:
  wxSize DoGetBestSize() const override;

 private:
  bool LoadImages(Mode mode, const wxString& normal, const wxString& hover, const wxString& pressed,
                  const wxString& disabled);
  void SetHover(bool hover);
  void Click();
  void OnPaint(wxPaintEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);

  wxImage m_disabledImage;
  wxImage m_normalImage;
  wxImage m_hoverImage;
  wxImage m_pressedImage;
  ColorRef m_tint = 0;
  ColorRef m_captionColor = 0;
  bool m_tintActive = false;
  int m_hoverAlpha = 0;
  int m_pressedAlpha = 0;
  bool m_caption = false;
  bool m_imagesSet = false;
  Mode m_mode = kTwoImages;
  bool m_hover = false;
  bool m_selected = false;
  bool m_focus = false;
  bool m_pushed = false;

  wxDECLARE_DYNAMIC_CLASS(CPngButton);
};

// Lays colour with a constant alpha (0..255) over every pixel of image.
void BlendColourOver(wxImage& image, const wxColour& colour, int alpha);
