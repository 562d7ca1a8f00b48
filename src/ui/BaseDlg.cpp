#include "ui/BaseDlg.h"

#include "ui/ImageHelpers.h"
#include "ui/MemDC.h"

#include <wx/dcbuffer.h>
#include <wx/control.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

#include <algorithm>

namespace {

const char* const kButtonNames[kCaptionButtonCount] = {"Close", "Max", "Min", "Restore"};
const char* const kFrameImageNames[2] = {"BKDlg.png", "BKDlgNActivate.png"};
constexpr int kCaptionFontHeight = 18;
constexpr int kMinimumWidth = 200;

wxString ImagePath(const wxString& folder, const wxString& file) {
  return wxFileName(folder, file).GetFullPath();
}

wxString ProgramFolder() { return wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath(); }

}  // namespace

// ---------------------------------------------------------------------------------------------
CBaseDlgClient::CBaseDlgClient(CBaseDlg* owner)
    : wxPanel(owner, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE),
      m_owner(owner) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CBaseDlgClient::OnPaint, this);
}

void CBaseDlgClient::DrawBackgroundUnder(wxDC& dc, const wxRect& rect) {
  dc.SetDeviceOrigin(-rect.x, -rect.y);
  m_owner->DrawClientArea(dc, rect);
}

void CBaseDlgClient::OnPaint(wxPaintEvent&) {
  wxPaintDC paint(this);
  paint.SetBackground(wxBrush(ColourFromColorRef(m_owner->GetBackgroundColor())));
  const wxRect client(GetClientSize());
  CMemDC buffer(paint, &client);
  m_owner->DrawClientArea(buffer.GetDC(), client);
}

// ---------------------------------------------------------------------------------------------
CBaseDlg::CBaseDlg(int templateId, wxWindow* parent, long style)
    : wxDialog(parent, templateId, "Dialog", wxDefaultPosition, wxSize(480, 320), wxBORDER_NONE) {
  Init("Dialog", wxString(), style);
}

CBaseDlg::CBaseDlg(int templateId, const wxString& name, const wxString& imageFolder, wxWindow* parent,
                   long style)
    : wxDialog(parent, templateId, name, wxDefaultPosition, wxSize(480, 320), wxBORDER_NONE) {
  Init(name, imageFolder, style);
}

void CBaseDlg::Init(const wxString& name, const wxString& imageFolder, long style) {
  m_name = name;
  m_imageFolder = imageFolder.empty() ? ProgramFolder() : imageFolder;
  m_hasMaxBox = (style & wxMAXIMIZE_BOX) != 0;
  m_hasMinBox = (style & wxMINIMIZE_BOX) != 0;
  m_resizable = (style & wxRESIZE_BORDER) != 0;
  stLogFont caption;
  caption.height = kCaptionFontHeight;
  caption.weight = kFontWeightNormal;
  caption.faceName = "Arial";
  m_captionFont.SetLogFont(caption);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  LoadImages();
  m_client = new CBaseDlgClient(this);
  m_client->SetBackgroundColour(ColourFromColorRef(m_backgroundColor));
  BindEvents();
  UpdateLayout();
}

void CBaseDlg::LoadImages() {
  for (int i = 0; i < kCaptionButtonCount; ++i) {
    const wxString name = kButtonNames[i];
    LoadImageFromFile(m_normalImages[i], ImagePath(m_imageFolder, name + ".png"));
    LoadImageFromFile(m_hoverImages[i], ImagePath(m_imageFolder, name + "_Hover.png"));
    LoadImageFromFile(m_disabledImages[i], ImagePath(m_imageFolder, name + "_Disable.png"));
  }
  for (int i = 0; i < 2; ++i) {
    if (LoadImageFromFile(m_frameImages[i], ImagePath(m_imageFolder, kFrameImageNames[i]))) {
      m_frameTiles[i] = wxBitmap(m_frameImages[i]);
    }
  }
}

void CBaseDlg::BindEvents() {
  Bind(wxEVT_PAINT, &CBaseDlg::OnPaint, this);
  Bind(wxEVT_SIZE, &CBaseDlg::OnSize, this);
  Bind(wxEVT_MOTION, &CBaseDlg::OnMotion, this);
  Bind(wxEVT_LEFT_DOWN, &CBaseDlg::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CBaseDlg::OnLeftUp, this);
  Bind(wxEVT_LEFT_DCLICK, &CBaseDlg::OnLeftDClick, this);
  Bind(wxEVT_LEAVE_WINDOW, &CBaseDlg::OnLeave, this);
  Bind(wxEVT_ACTIVATE, &CBaseDlg::OnActivate, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { m_dragHit = FrameHit::kClient; });
}

wxIcon CBaseDlg::GetCaptionIcon() const { return wxIcon(); }

void CBaseDlg::SetTitle(const wxString& title) {
  wxDialog::SetTitle(title);
  m_name = title;
  UpdateLayout();
  RefreshRect(wxRect(0, 0, GetSize().x, m_borders.top));
}

void CBaseDlg::SetMinCaptionHeight(int height) {
  m_minCaptionHeight = height;
  UpdateLayout();
  Refresh();
}

void CBaseDlg::SetCaptionAlign(int align) {
  m_captionAlign = align;
  UpdateLayout();
  Refresh();
}

void CBaseDlg::SetFrameColors(ColorRef active, ColorRef inactive) {
  m_activeFrameColor = active;
  m_inactiveFrameColor = inactive;
  Refresh();
}

void CBaseDlg::SetBackgroundColor(ColorRef color) {
  m_backgroundColor = color;
  m_client->SetBackgroundColour(ColourFromColorRef(color));
  m_client->Refresh();
}

// ---------------------------------------------------------------------------------------------
// Geometry

void CBaseDlg::UpdateLayout() {
  const int top = std::max(kDefaultCaptionHeight, m_minCaptionHeight);
  m_borders = stFrameBorders{kDefaultBorder, top, kDefaultBorder, kDefaultBorder};
  int textWidth = 0;
  int textHeight = 0;
  GetTextExtent(m_name, &textWidth, &textHeight, nullptr, nullptr, &m_captionFont.GetFont());
  m_layout = ComputeCaptionLayout(GetSize(), m_borders, m_hasMaxBox, m_hasMinBox,
                                  wxSize(textWidth, textHeight), m_captionAlign);
  if (m_client) {
    int width = 0;
    int height = 0;
    DoGetClientSize(&width, &height);
    m_client->SetSize(m_borders.left, m_borders.top, width, height);
  }
}

void CBaseDlg::DoGetClientSize(int* width, int* height) const {
  const wxSize size = GetSize();
  if (width) *width = std::max(0, size.x - m_borders.left - m_borders.right);
  if (height) *height = std::max(0, size.y - m_borders.top - m_borders.bottom);
}

void CBaseDlg::DoSetClientSize(int width, int height) {
  SetSize(width + m_borders.left + m_borders.right, height + m_borders.top + m_borders.bottom);
}

FrameHit CBaseDlg::HitTestWindowPoint(const wxPoint& point) const {
  return HitTestFrame(point, GetSize(), m_borders, m_layout, m_hasMaxBox, m_hasMinBox, m_maximized,
                      m_resizable, m_borders.left);
}

CaptionImage CBaseDlg::GetCaptionImage(int button) const {
  return ChooseCaptionImage(button, m_hot[button], m_hasMaxBox, m_hasMinBox, m_maximized);
}

// ---------------------------------------------------------------------------------------------
// Painting

const wxBitmap* CBaseDlg::FrameTile() const {
  const bool useActive = m_active || !m_frameTiles[1].IsOk();
  const wxBitmap& tile = useActive ? m_frameTiles[0] : m_frameTiles[1];
  return tile.IsOk() ? &tile : nullptr;
}

void CBaseDlg::DrawFrame(wxDC& dc) {
  const wxSize size = GetSize();
  const wxBitmap* tile = FrameTile();
  const wxColour flat = ColourFromColorRef(m_active ? m_activeFrameColor : m_inactiveFrameColor);
  auto fill = [&](wxDC& target, const wxRect& rect) {
    if (tile) {
      FillWithTile(target, rect, *tile);
      return;
    }
    target.SetPen(*wxTRANSPARENT_PEN);
    target.SetBrush(wxBrush(flat));
    target.DrawRectangle(rect);
  };
  const wxRect caption(0, 0, size.x, m_borders.top);
  {
    CMemDC buffer(dc, &caption);
    wxDC& strip = buffer.GetDC();
    fill(strip, caption);
    DrawCaptionButtons(strip);
    DrawCaptionText(strip);
    const wxIcon icon = GetCaptionIcon();
    if (icon.IsOk()) {
      wxImage image = wxBitmap(icon).ConvertToImage();
      const wxRect place(kCaptionLeftMargin, (m_borders.top - kCaptionIconSize) / 2, kCaptionIconSize,
                         kCaptionIconSize);
      DrawImageStretched(strip, image, place);
    }
  }
  const int sideHeight = size.y - m_borders.top;
  fill(dc, wxRect(0, m_borders.top, m_borders.left, sideHeight));
  fill(dc, wxRect(size.x - m_borders.right, m_borders.top, m_borders.right, sideHeight));
  fill(dc, wxRect(m_borders.left, size.y - m_borders.bottom, size.x - m_borders.left - m_borders.right,
                  m_borders.bottom));
}

void CBaseDlg::DrawCaptionButtons(wxDC& dc) {
  for (int button = 0; button < kCaptionButtonCount; ++button) {
    const wxRect& rect = m_layout.buttons[button];
    if (rect.IsEmpty()) break;
    switch (GetCaptionImage(button)) {
      case CaptionImage::kNormal: DrawImageStretched(dc, m_normalImages[button], rect); break;
      case CaptionImage::kHover: DrawImageStretched(dc, m_hoverImages[button], rect); break;
      case CaptionImage::kDisabled: DrawImageStretched(dc, m_disabledImages[button], rect); break;
      case CaptionImage::kNone: break;
    }
  }
}

void CBaseDlg::DrawCaptionText(wxDC& dc) {
  const wxRect& rect = m_layout.text;
  if (rect.width <= 0) return;
  dc.SetFont(m_captionFont);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(*wxBLACK);
  const wxString shown = wxControl::Ellipsize(m_name, dc, wxELLIPSIZE_END, rect.width);
  const wxRect strip(rect.x, 0, rect.width, m_borders.top);
  wxDCClipper clip(dc, strip);
  dc.DrawLabel(shown, strip, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
}

void CBaseDlg::DrawClientArea(wxDC& dc, const wxRect& rect) {
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColourFromColorRef(m_backgroundColor)));
  dc.DrawRectangle(rect);
  PaintClient(dc);
}

void CBaseDlg::PaintClient(wxDC&) {}

void CBaseDlg::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  DrawFrame(dc);
}

// ---------------------------------------------------------------------------------------------
// Mouse and window state

void CBaseDlg::OnSize(wxSizeEvent&) {
  UpdateLayout();
  Refresh();
}

void CBaseDlg::RefreshButton(int button) {
  wxRect rect = m_layout.buttons[button];
  RefreshRect(rect.Inflate(1));
}

void CBaseDlg::UpdateHot(const wxPoint& point) {
  for (int button = 0; button < kCaptionButtonCount; ++button) {
    const bool hot = m_layout.buttons[button].Contains(point);
    if (hot == m_hot[button]) continue;
    m_hot[button] = hot;
    RefreshButton(button);
  }
}

void CBaseDlg::OnMotion(wxMouseEvent& event) {
  const wxPoint point = event.GetPosition();
  if (m_dragHit != FrameHit::kClient) {
    DragTo(ClientToScreen(point));
    return;
  }
  UpdateHot(point);
  switch (HitTestWindowPoint(point)) {
    case FrameHit::kClose:
    case FrameHit::kMaxButton:
    case FrameHit::kMinButton: SetCursor(wxCursor(wxCURSOR_HAND)); break;
    case FrameHit::kLeft:
    case FrameHit::kRight: SetCursor(wxCursor(wxCURSOR_SIZEWE)); break;
    case FrameHit::kTop:
    case FrameHit::kBottom: SetCursor(wxCursor(wxCURSOR_SIZENS)); break;
    case FrameHit::kTopLeft:
    case FrameHit::kBottomRight: SetCursor(wxCursor(wxCURSOR_SIZENWSE)); break;
    case FrameHit::kTopRight:
    case FrameHit::kBottomLeft: SetCursor(wxCursor(wxCURSOR_SIZENESW)); break;
    default: SetCursor(wxCursor(wxCURSOR_ARROW)); break;
  }
}

void CBaseDlg::OnLeave(wxMouseEvent& event) {
  event.Skip();
  if (m_dragHit != FrameHit::kClient) return;
  for (int button = 0; button < kCaptionButtonCount; ++button) {
    if (!m_hot[button]) continue;
    m_hot[button] = false;
    RefreshButton(button);
  }
}

void CBaseDlg::OnLeftDown(wxMouseEvent& event) {
  const wxPoint point = event.GetPosition();
  const FrameHit hit = HitTestWindowPoint(point);
  switch (hit) {
    case FrameHit::kClose:
      Close();
      // A cancelled close leaves the window up; the pointer went to the
      // question in between, so the button no longer shows its hover picture.
      if (m_hot[kCaptionClose]) {
        m_hot[kCaptionClose] = false;
        RefreshButton(kCaptionClose);
      }
      return;
    case FrameHit::kMinButton: Iconize(true); return;
    case FrameHit::kMaxButton: ToggleMaximize(); return;
    case FrameHit::kClient: event.Skip(); return;
    case FrameHit::kCaption:
      if (m_maximized) {
        event.Skip();
        return;
      }
      StartDrag(hit, ClientToScreen(point));
      return;
    default: StartDrag(hit, ClientToScreen(point)); return;
  }
}

void CBaseDlg::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  EndDrag();
}

void CBaseDlg::OnLeftDClick(wxMouseEvent& event) {
  if (HitTestWindowPoint(event.GetPosition()) == FrameHit::kCaption && m_hasMaxBox) {
    ToggleMaximize();
    return;
  }
  OnLeftDown(event);
}

void CBaseDlg::OnActivate(wxActivateEvent& event) {
  event.Skip();
  m_active = event.GetActive();
  Refresh();
}

void CBaseDlg::ToggleMaximize() {
  if (m_maximized) {
    Restore();
  } else {
    Maximize(true);
  }
}

void CBaseDlg::Maximize(bool maximize) {
  if (!maximize) {
    Restore();
    return;
  }
  if (m_maximized) return;
  m_restoreRect = GetRect();
  const int index = wxDisplay::GetFromWindow(this);
  const wxRect area = wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
  m_maximized = true;
  SetSize(area);
  UpdateLayout();
  Refresh();
}

void CBaseDlg::Restore() {
  if (!m_maximized) {
    wxDialog::Restore();
    return;
  }
  m_maximized = false;
  SetSize(m_restoreRect);
  UpdateLayout();
  Refresh();
}

void CBaseDlg::StartDrag(FrameHit hit, const wxPoint& screenPoint) {
  m_dragHit = hit;
  m_dragStart = screenPoint;
  m_dragRect = GetRect();
  if (!HasCapture()) CaptureMouse();
}

void CBaseDlg::DragTo(const wxPoint& screenPoint) {
  const wxPoint delta = screenPoint - m_dragStart;
  if (m_dragHit == FrameHit::kCaption) {
    Move(m_dragRect.GetTopLeft() + delta);
    return;
  }
  wxSize minimum(std::max(kMinimumWidth, m_borders.left + m_borders.right + 4 * kCaptionButtonWidth),
                 m_borders.top + m_borders.bottom + kCaptionButtonHeight);
  minimum.IncTo(GetMinSize());
  SetSize(ResizeByEdge(m_dragRect, m_dragHit, delta, minimum));
}

void CBaseDlg::EndDrag() {
  m_dragHit = FrameHit::kClient;
  if (HasCapture()) ReleaseMouse();
}
