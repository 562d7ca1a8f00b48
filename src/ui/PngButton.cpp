#include "ui/PngButton.h"

#include "ui/BackgroundSource.h"
#include "ui/ImageHelpers.h"

#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>

wxIMPLEMENT_DYNAMIC_CLASS(CPngButton, wxControl);

void BlendColourOver(wxImage& image, const wxColour& colour, int alpha) {
  if (!image.IsOk()) return;
  unsigned char* data = image.GetData();
  const long bytes = 3L * image.GetWidth() * image.GetHeight();
  const int source[3] = {colour.Red(), colour.Green(), colour.Blue()};
  for (long i = 0; i < bytes; ++i) {
    data[i] = static_cast<unsigned char>((source[i % 3] * alpha + data[i] * (255 - alpha)) / 255);
  }
}

CPngButton::CPngButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  Create(parent, id, pos, size);
}

bool CPngButton::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CPngButton::OnPaint, this);
  Bind(wxEVT_MOTION, &CPngButton::OnMotion, this);
  Bind(wxEVT_ENTER_WINDOW, &CPngButton::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
    event.Skip();
    SetHover(false);
  });
  Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    event.Skip();
    m_focus = false;
    SetHover(false);
  });
  Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
    event.Skip();
    m_focus = true;
  });
  Bind(wxEVT_LEFT_DOWN, &CPngButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &CPngButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CPngButton::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
    m_selected = false;
    Refresh();
  });
  Bind(wxEVT_KEY_DOWN, &CPngButton::OnKeyDown, this);
  return true;
}

bool CPngButton::SetTint(ColorRef color, int hoverAlpha, int pressedAlpha) {
  m_tint = color;
  m_tintActive = hoverAlpha < 255 && pressedAlpha < 255;
  if (m_tintActive) {
    m_hoverAlpha = hoverAlpha;
    m_pressedAlpha = pressedAlpha;
  }
  return m_tintActive;
}

void CPngButton::SetCaption(const wxString& text) {
  SetLabel(text);
  m_caption = true;
  Refresh();
}

bool CPngButton::SetImages(const wxString& normal, const wxString& hover, const wxString& pressed,
                           const wxString& disabled) {
  return LoadImages(kFourImages, normal, hover, pressed, disabled);
}

bool CPngButton::SetTwoImages(const wxString& normal, const wxString& disabled) {
  return LoadImages(kTwoImages, normal, wxString(), wxString(), disabled);
}

bool CPngButton::LoadImages(Mode mode, const wxString& normal, const wxString& hover, const wxString& pressed,
                            const wxString& disabled) {
  m_mode = mode;
  LoadImageFromFile(m_normalImage, normal);
  LoadImageFromFile(m_hoverImage, hover);
  LoadImageFromFile(m_pressedImage, pressed);
  LoadImageFromFile(m_disabledImage, disabled);
  m_imagesSet = true;
  if (!m_normalImage.IsOk()) {
    Refresh();
    return false;
  }
  SetSize(m_normalImage.GetWidth(), m_normalImage.GetHeight());
  InvalidateBestSize();
  Refresh();
  return true;
}

wxSize CPngButton::DoGetBestSize() const {
  if (m_normalImage.IsOk()) return m_normalImage.GetSize();
  return wxSize(40, 24);
}

bool CPngButton::Enable(bool enable) {
  const bool changed = wxControl::Enable(enable);
  if (!enable) m_hover = false;
  Refresh();
  return changed;
}

CPngButton::Look CPngButton::GetLook() const {
  if (!IsThisEnabled()) return m_disabledImage.IsOk() ? Look::kDisabled : Look::kNormal;
  if (m_mode == kTwoImages) return m_normalImage.IsOk() ? Look::kNormal : Look::kBackground;
  if (!m_hover && !m_pushed) return Look::kNormal;
  if (!m_selected && !m_pushed) return Look::kHover;
  return Look::kPressed;
}

void CPngButton::DrawButton(wxDC& target) {
  const wxSize size = GetClientSize();
  if (size.x <= 0 || size.y <= 0) return;
  wxBitmap background(size.x, size.y, 24);
  {
    wxMemoryDC memory(background);
    PaintParentBackground(this, memory);
  }
  wxImage canvas = background.ConvertToImage();
  const bool enabled = IsThisEnabled();
  if (enabled && m_mode == kTwoImages && ((m_tintActive && m_hover) || m_pushed)) {
    BlendColourOver(canvas, ColourFromColorRef(m_tint),
                    (m_selected || m_pushed) ? m_pressedAlpha : m_hoverAlpha);
  }
  wxBitmap composed(canvas);
  wxMemoryDC dc(composed);
  switch (GetLook()) {
    case Look::kNormal: DrawImageAt(dc, m_normalImage, wxPoint(0, 0)); break;
    case Look::kHover: DrawImageAt(dc, m_hoverImage, wxPoint(0, 0)); break;
    case Look::kPressed: DrawImageAt(dc, m_pressedImage, wxPoint(0, 0)); break;
    case Look::kDisabled: DrawImageAt(dc, m_disabledImage, wxPoint(0, 0)); break;
    case Look::kBackground: break;
  }
  if (m_caption) {
    dc.SetFont(GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(ColourFromColorRef(m_captionColor));
    dc.DrawLabel(GetLabel(), wxRect(size), wxALIGN_CENTER);
  }
  dc.SelectObject(wxNullBitmap);
  target.DrawBitmap(composed, 0, 0);
}

void CPngButton::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  DrawButton(dc);
}

void CPngButton::SetHover(bool hover) {
  if (m_hover == hover) return;
  m_hover = hover;
  Refresh();
}

void CPngButton::OnMotion(wxMouseEvent& event) {
  event.Skip();
  if (event.LeftIsDown() && !m_hover && !HasCapture()) return;
  SetHover(wxRect(GetClientSize()).Contains(event.GetPosition()));
}

void CPngButton::OnLeftDown(wxMouseEvent& event) {
  event.Skip();
  if (!IsThisEnabled()) return;
  m_selected = true;
  m_hover = true;
  if (!HasCapture()) CaptureMouse();
  Refresh();
}

void CPngButton::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  if (!m_selected) return;
  m_selected = false;
  if (HasCapture()) ReleaseMouse();
  Refresh();
  if (wxRect(GetClientSize()).Contains(event.GetPosition())) Click();
}

void CPngButton::OnKeyDown(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_SPACE && IsThisEnabled()) {
    Click();
    return;
  }
  event.Skip();
}

void CPngButton::Click() {
  wxCommandEvent click(wxEVT_BUTTON, GetId());
  click.SetEventObject(this);
  ProcessWindowEvent(click);
}
