// The skinned top-level dialog: a borderless window that paints its own
// caption strip and borders (a tiled frame picture or a flat frame colour),
// the caption text and icon, and close, maximise/restore and minimise buttons
// from PNG pictures with normal, hover and disabled states. Hit-testing,
// hover, clicks, dragging by the caption and resizing from the borders are
// its own.
//
// The dialog's controls go on GetClientWindow(), the panel that fills the
// area inside the frame; command events from them reach the dialog as usual.
#pragma once

#include "ui/BackgroundSource.h"
#include "ui/CaptionLayout.h"
#include "ui/Colors.h"
#include "ui/FontEx.h"

#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/panel.h>

class CBaseDlg;

// The area inside the frame.
class CBaseDlgClient : public wxPanel, public CBackgroundSource {
 public:
  explicit CBaseDlgClient(CBaseDlg* owner);
  void DrawBackgroundUnder(wxDC& dc, const wxRect& rect) override;

 private:
  void OnPaint(wxPaintEvent& event);
  CBaseDlg* m_owner;
};

class CBaseDlg : public wxDialog {
 public:
  static constexpr long kDefaultStyle = wxCLOSE_BOX | wxMINIMIZE_BOX | wxMAXIMIZE_BOX | wxRESIZE_BORDER;
  static constexpr int kDefaultCaptionHeight = 34;
  static constexpr int kDefaultBorder = 4;
  static constexpr ColorRef kActiveFrameColor = MakeColorRef(129, 173, 231);
  static constexpr ColorRef kInactiveFrameColor = MakeColorRef(189, 209, 235);

  // style: wxMAXIMIZE_BOX and wxMINIMIZE_BOX give those caption buttons,
  // wxRESIZE_BORDER lets the borders resize the window.
  CBaseDlg(int templateId, wxWindow* parent, long style = kDefaultStyle);
  // imageFolder holds the frame and caption pictures; empty means the folder
  // of the program file.
  CBaseDlg(int templateId, const wxString& name, const wxString& imageFolder, wxWindow* parent,
           long style = kDefaultStyle);

  // The parent of the dialog's controls.
  wxPanel* GetClientWindow() const { return m_client; }

  // The icon at the left of the caption; none by default.
  virtual wxIcon GetCaptionIcon() const;

  // The title is the caption text.
  void SetTitle(const wxString& title) override;
  wxString GetTitle() const override { return m_name; }

  void SetMinCaptionHeight(int height);
  // 0 or less: the text follows the icon; above 0: it is centred on the window.
  void SetCaptionAlign(int align);
  void SetFrameColors(ColorRef active, ColorRef inactive);
  void SetBackgroundColor(ColorRef color);
  ColorRef GetBackgroundColor() const { return m_backgroundColor; }
  const wxString& GetImageFolder() const { return m_imageFolder; }

  // Maximising fills the work area of the window's display.
  void Maximize(bool maximize = true) override;
  bool IsMaximized() const override { return m_maximized; }
  void Restore() override;

  bool HasMaximizeBox() const { return m_hasMaxBox; }
  bool HasMinimizeBox() const { return m_hasMinBox; }
  bool IsFrameActive() const { return m_active; }
  bool IsCaptionButtonHot(int button) const { return m_hot[button]; }
  // The picture a caption button shows now.
  CaptionImage GetCaptionImage(int button) const;
  const stFrameBorders& GetBorders() const { return m_borders; }
  const stCaptionLayout& GetCaptionLayout() const { return m_layout; }
  FrameHit HitTestWindowPoint(const wxPoint& point) const;

  // Paints the caption strip and the borders into dc (window coordinates).
  void DrawFrame(wxDC& dc);
  // Paints the client area's background and content into dc (client coordinates).
  void DrawClientArea(wxDC& dc, const wxRect& rect);

 protected:
  // Draws the dialog's own content over the client background.
  virtual void PaintClient(wxDC& dc);

  void DoGetClientSize(int* width, int* height) const override;
  void DoSetClientSize(int width, int height) override;

 private:
  void Init(const wxString& name, const wxString& imageFolder, long style);
  void LoadImages();
  void BindEvents();
  void UpdateLayout();
  const wxBitmap* FrameTile() const;
  void DrawCaptionButtons(wxDC& dc);
  void DrawCaptionText(wxDC& dc);
  void UpdateHot(const wxPoint& point);
  void RefreshButton(int button);
  void ToggleMaximize();
  void StartDrag(FrameHit hit, const wxPoint& point);
  void DragTo(const wxPoint& point);
  void EndDrag();
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnLeftDClick(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnActivate(wxActivateEvent& event);

  wxString m_name;
  int m_minCaptionHeight = 0;
  ColorRef m_activeFrameColor = kActiveFrameColor;
  ColorRef m_inactiveFrameColor = kInactiveFrameColor;
  ColorRef m_backgroundColor = 0xFFFFFF;
  int m_captionAlign = 0;
  wxString m_imageFolder;
  wxImage m_frameImages[2];  // active, inactive
  wxBitmap m_frameTiles[2];
  wxImage m_normalImages[kCaptionButtonCount];
  wxImage m_disabledImages[kCaptionButtonCount];
  wxImage m_hoverImages[kCaptionButtonCount];
  bool m_hot[kCaptionButtonCount] = {false, false, false, false};
  bool m_active = true;
  bool m_hasMaxBox = false;
  bool m_hasMinBox = false;
  bool m_resizable = false;
  bool m_maximized = false;
  wxRect m_restoreRect;
  stFrameBorders m_borders;
  stCaptionLayout m_layout;
  CFontEx m_captionFont;
  CBaseDlgClient* m_client = nullptr;

  FrameHit m_dragHit = FrameHit::kClient;
  wxPoint m_dragStart;
  wxRect m_dragRect;
};
