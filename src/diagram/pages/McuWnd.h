// The chip picture: a child window that draws a package with numbered pin
// boxes and up to three labels per pin, scrolls and centres it, and reports
// clicks on pins. It holds no chip model: its owner gives it texts, colours,
// fonts and per-pin flags. Its geometry is diagram/McuLayout.h.
//
// A click on a pin, with a notify window set: on an available pin the LCD
// page (the picture's fourth ancestor) is asked first with WM_LCD_PIN_PICK
// (pin & 0xFF, 1), and an answer of 0 ends the click; then the parent gets
// WM_MCU_PIN_QUERY (0, the pin's value), and only a nonzero answer sends
// WM_MCU_PIN_CLICKED (pin, 0) to the notify window.
//
// Per-pin setters take a pin index where -1 means every pin; an index at or
// above the count is ignored, and any other index is refused (nothing
// changes). SetPinAvailable takes one pin only.
#pragma once

#include "diagram/McuLayout.h"
#include "ui/Colors.h"
#include "ui/FontEx.h"
#include "ui/shell/ShellMessages.h"

#include <wx/scrolbar.h>
#include <wx/window.h>

#include <array>
#include <vector>

class CDragWnd;
class CPngButton;

// To the parent: wParam 0, lParam the pin's value; the answer decides whether the notify window hears of it.
wxDECLARE_EVENT(WM_MCU_PIN_QUERY, CShellMessageEvent);
// To the notify window: wParam the pin index; a nonzero answer repaints the picture.
wxDECLARE_EVENT(WM_MCU_PIN_CLICKED, CShellMessageEvent);

class CMCUWnd : public wxWindow {
 public:
  static constexpr int kMsgPinQuery = 0x404;
  static constexpr int kMsgPinClicked = 0x402;
  static constexpr int kPictureButtonId = 1322;
  static constexpr int kLabelCount =
      3;  // 0 in the box, 1 beyond it (four sides), 2 inside the body (two rows)

  struct OnePinInfo {
    wxString text[kLabelCount];
    CFontEx font[kLabelCount];
    ColorRef textColor[kLabelCount] = {0, 0, 0xFFFFFF};
    ColorRef boxColor = 0xFFFFFF;
    int borderWidth = 2;
    ColorRef borderColor = 0x828181;
    ColorRef highlightColor = 0xFFFFFF;
    int value = 0;
    int available = 0;
  };

  CMCUWnd() = default;
  ~CMCUWnd() override;

  // A hidden child of parent at (x, y, cx, cy), laid out for a package of
  // that kind (2 two rows, 4 four sides) and pin count; numberCell's width is
  // the pin-number cell's length, bodyWidth the two-row body's width (0: 219).
  // Takes over the parent's control 1322 as its (hidden) picture button.
  bool Create(wxWindow* parent, int x, int y, int cx, int cy, int kind, int pinCount, wxWindowID id,
              const wxRect& numberCell, int bodyWidth);
  // Lays the package out again for a drawing of cx x cy.
  void LayoutPackage(int cx, int cy, int bodyWidth);

  void SetChipName(const wxString& text, bool repaint);
  void SetTitleSuffix(const wxString& text, bool repaint);
  void SetTextColor(ColorRef color, bool repaint);  // the chip name's
  void SetPinText(int pin, int label, const wxString& text, bool repaint);
  void SetPinFontSize(int label, int points, int pin, bool repaint);
  void SetPinFontFace(int label, const wxString& face, int charSet, int pin, bool repaint);
  void SetPinFontBold(int label, bool bold, int pin, bool repaint);
  void SetPinBorderColor(ColorRef color, int pin, bool repaint);
  void SetPinFillColor(ColorRef color, int pin, bool repaint);  // the highlight: the pin's state
  void SetPinValue(int value, int pin);
  // One pin only; false (nothing changed) for any index outside the pins.
  bool SetPinAvailable(int pin, bool available, bool repaint);
  bool IsPinAvailable(int pin) const;

  // Plans the bars for the window's size, positions at 0. The plan is always repeated until the
  // bars shown agree with it (a bar shown takes room), so secondPass changes nothing.
  void UpdateScrollBars(bool secondPass);
  void CenterView();

  void SetNotifyWindow(wxWindow* window) { m_notify = window; }
  wxWindow* GetNotifyWindow() const { return m_notify; }

  int GetPinCount() const { return static_cast<int>(m_pins.size()); }
  const OnePinInfo& GetPinInfo(int pin) const { return m_pins[static_cast<std::size_t>(pin)]; }
  const mculayout::CMcuLayout& GetLayout() const { return m_layout; }
  const wxString& GetChipName() const { return m_chipName; }
  const wxString& GetTitleSuffix() const { return m_titleSuffix; }
  // A pin's box in client coordinates.
  wxRect GetPinRect(int pin) const;
  wxRect GetBodyRect() const;
  // The area the package shows in (the window less the bars shown).
  wxSize GetViewSize() const;
  wxScrollBar* GetHorizontalBar() const { return m_horizontalBar; }
  wxScrollBar* GetVerticalBar() const { return m_verticalBar; }
  CDragWnd* GetDragLabel() const { return m_dragLabel; }
  CPngButton* GetPictureButton() const { return m_pictureButton; }
  bool IsTracking() const { return m_tracking; }

  virtual bool WantsMenuButton() const { return true; }

 protected:
  virtual void EraseBackground(wxDC& dc);
  virtual void DrawContent(wxDC& dc);
  virtual void DrawChip(wxDC& dc);
  virtual void DrawPins(wxDC& dc);
  virtual void DrawPin(wxDC& dc, const OnePinInfo& pin, int index);
  virtual void DrawPackage(wxDC& dc);
  virtual void DrawPinBox(wxDC& dc, const OnePinInfo& pin, int index);
  virtual void DrawPinLabel(wxDC& dc, const OnePinInfo& pin, int label, int index);
  virtual void DrawPinHighlight(wxDC& dc, const OnePinInfo& pin, int index);
  virtual CDragWnd* CreateDragLabel();

 private:
  // Runs apply on the pins a setter's index names; false when it names none.
  template <typename Apply>
  bool ForPins(int pin, Apply apply);
  void MeasureLabels(int pin, int label);
  void ResetTitleFonts();
  void TakeOverPictureButton();
  void PlaceBars();
  void Repaint(bool repaint);
  wxRect ToClient(const mculayout::stRect& rect) const;
  void ScrollTo(bool vertical, int position);

  void OnPaint(wxPaintEvent& event);
  void OnBarScroll(wxScrollEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);

  CPngButton* m_pictureButton = nullptr;
  ColorRef m_background = 0xFFFFFF;
  int m_kind = 0;
  mculayout::CMcuLayout m_layout;
  std::vector<OnePinInfo> m_pins;
  ColorRef m_bodyColor = 0x464646;
  wxString m_chipName;
  CFontEx m_chipNameFont;
  ColorRef m_chipNameColor = 0xFFFFFF;
  wxString m_titleSuffix;
  CFontEx m_titleSuffixFont;
  ColorRef m_titleSuffixColor = 0xFFFFFF;
  int m_titleSpacing = 20;
  bool m_titleBelowBody = false;
  CDragWnd* m_dragLabel = nullptr;
  wxWindow* m_notify = nullptr;
  int m_numberCell = mculayout::kDefaultNumberCell;
  wxScrollBar* m_horizontalBar = nullptr;
  wxScrollBar* m_verticalBar = nullptr;
  bool m_tracking = false;
};
