// The element panel host's second tab: a seven-segment digit's picture and
// the 3 x 4 grid that says which segment letter each common line drives on
// two segment lines. Two clicks on letters swap them; the LCD page (the
// parent of the parent of the panel's parent) hears of a swap that changed
// the letters (WM_LED_ELEMENT). The digit itself is lcd/LedSegments.h.
#pragma once

#include "lcd/LedSegments.h"
#include "ui/Colors.h"
#include "ui/SubBaseDlg.h"

#include <wx/bitmap.h>
#include <wx/control.h>

#include <array>

class CImageTipBtn;

// A grid cell: a framed rectangle in its colour with its text in the middle;
// a click sends wxEVT_BUTTON with its id.
class CLEDButton : public wxControl {
 public:
  CLEDButton(wxWindow* parent, wxWindowID id, const wxRect& rect);
  void SetColor(ColorRef color);
  ColorRef GetColor() const { return m_color; }
  bool AcceptsFocus() const override { return false; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);

  ColorRef m_color = 0xFFFFFF;
  bool m_pressed = false;
};

class CLEDElementDlg : public CSubBaseDlg {
 public:
  static constexpr int kTemplateId = 176;
  static constexpr int kTipId = 1109;
  static constexpr ColorRef kChosenColor = 0xFFFF7F;
  static constexpr ColorRef kPlainColor = 0xFFFFFF;

  explicit CLEDElementDlg(wxWindow* parent);

  // The first eight characters in bit order ("S": the blank); a shorter text changes nothing.
  void SetSegmentOrder(const wxString& order);
  wxString GetSegmentOrder() const { return m_digit.GetSegmentOrder(); }
  std::array<unsigned char, 16> BuildDigitGlyphs() const { return m_digit.BuildDigitGlyphs(); }

  // A cell of the grid (ids 5030-5041); null for another id.
  CLEDButton* GetButton(int id) const;
  CImageTipBtn* GetTipButton() const { return m_tip; }
  bool HasPicture() const { return m_picture.IsOk(); }
  wxRect GetPictureRect() const;

 protected:
  // The size handling: the grid scales with the panel, the tip stays at the top right.
  void LayoutControls() override;

 private:
  void ShowLetters();
  void OnGridButton(wxCommandEvent& event);
  void OnPaint(wxPaintEvent& event);
  wxWindow* LcdPage() const;

  led::CLedSegmentGrid m_digit;
  std::array<CLEDButton*, 12> m_buttons{};
  std::array<wxRect, 12> m_startRects;  // the cells at the size the panel was made with
  wxSize m_startSize;
  wxRect m_lastClient;
  wxBitmap m_picture;
  CImageTipBtn* m_tip = nullptr;
};
