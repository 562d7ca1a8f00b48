// The small picture button with a hover tip that pages place beside their
// fields: a white square with the picture, a raised edge while the mouse is
// over it, and the tip shown at the button's bottom-right corner.
#pragma once

#include "ui/ToolTip2.h"

#include <wx/control.h>
#include <wx/image.h>

class CImageTipBtn : public wxControl {
 public:
  // Margin around the picture, where the raised edge is drawn.
  static constexpr int kEdge = 2;

  CImageTipBtn() = default;
  CImageTipBtn(wxWindow* parent, wxWindowID id, const wxString& imagePath, const wxString& tipText);
  ~CImageTipBtn() override;
  // Loads the picture from the stored path and sizes the button to it.
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);

  // Call before Create, or call LoadImage afterwards.
  void SetImagePath(const wxString& path) { m_imagePath = path; }
  bool LoadImage();
  // A language key or a text.
  void SetTipText(const wxString& text);
  // 1: the tip's left edge at the anchor; 0: its right edge there.
  void SetTipPlacement(int placement) { m_tipPlacement = placement; }

  bool IsHovering() const { return m_hover != 0; }
  const wxImage& GetImage() const { return m_image; }
  // The tip window; null until the mouse first came over the button.
  CToolTip2* GetTip() const { return m_tip; }

 protected:
  wxSize DoGetBestSize() const override;

 private:
  void EnsureTip();
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnPaint(wxPaintEvent& event);

  wxString m_tipText;
  wxImage m_image;
  wxString m_imagePath;
  int m_hover = 0;
  int m_tipPlacement = 1;
  CToolTip2* m_tip = nullptr;
};
