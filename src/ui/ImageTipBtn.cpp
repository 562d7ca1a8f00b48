#include "ui/ImageTipBtn.h"

#include "core/LangText.h"
#include "ui/BackgroundSource.h"
#include "ui/ImageHelpers.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>

namespace {
constexpr int kTipPointSize = 14;
}  // namespace

CImageTipBtn::CImageTipBtn(wxWindow* parent, wxWindowID id, const wxString& imagePath,
                           const wxString& tipText)
    : m_tipText(tipText), m_imagePath(imagePath) {
  Create(parent, id);
}

CImageTipBtn::~CImageTipBtn() {
  if (m_tip) m_tip->Destroy();
}

bool CImageTipBtn::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  LoadImage();
  Bind(wxEVT_MOTION, &CImageTipBtn::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &CImageTipBtn::OnLeave, this);
  Bind(wxEVT_PAINT, &CImageTipBtn::OnPaint, this);
  return true;
}

bool CImageTipBtn::LoadImage() {
  if (m_imagePath.empty() || !LoadImageFromFile(m_image, m_imagePath)) return false;
  if (GetHandle()) {
    SetSize(DoGetBestSize());
    SetMinSize(DoGetBestSize());
    Refresh();
  }
  return true;
}

void CImageTipBtn::SetTipText(const wxString& text) {
  m_tipText = text;
  if (m_tip) m_tip->SetText(text);
}

wxSize CImageTipBtn::DoGetBestSize() const {
  if (!m_image.IsOk()) return wxSize(16 + 2 * kEdge, 16 + 2 * kEdge);
  return wxSize(m_image.GetWidth() + 2 * kEdge, m_image.GetHeight() + 2 * kEdge);
}

void CImageTipBtn::EnsureTip() {
  if (m_tip || !GetParent()) return;
  m_tip = new CToolTip2();
  m_tip->Create(kTipPointSize, 2, 4, GetParent());
}

void CImageTipBtn::OnMotion(wxMouseEvent& event) {
  event.Skip();
  if (m_hover) return;
  m_hover = 1;
  Refresh();
  EnsureTip();
  if (!m_tip) return;
  m_tip->SetText(m_tipText);
  wxPoint anchor = GetRect().GetBottomRight() + wxPoint(1, 1);
  if (m_tipPlacement == 0) anchor.x -= m_tip->GetTextSize().x;
  m_tip->Show(anchor);
}

void CImageTipBtn::OnLeave(wxMouseEvent& event) {
  event.Skip();
  m_hover = 0;
  EnsureTip();
  if (m_tip) m_tip->Show(false);
  if (GetParent()) GetParent()->RefreshRect(GetRect().Inflate(2));
  Refresh();
}

void CImageTipBtn::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxRect area(GetClientSize());
  // The picture's transparent corners show the parent, white or tinted.
  PaintParentBackground(this, dc);
  if (!m_image.IsOk()) return;
  if (m_hover) {
    // A raised edge: light on the top and left, dark on the bottom and right.
    dc.SetPen(wxPen(wxColour(227, 227, 227)));
    dc.DrawLine(area.GetLeft(), area.GetTop(), area.GetRight(), area.GetTop());
    dc.DrawLine(area.GetLeft(), area.GetTop(), area.GetLeft(), area.GetBottom());
    dc.SetPen(wxPen(wxColour(160, 160, 160)));
    dc.DrawLine(area.GetLeft(), area.GetBottom(), area.GetRight() + 1, area.GetBottom());
    dc.DrawLine(area.GetRight(), area.GetTop(), area.GetRight(), area.GetBottom());
    dc.SetPen(wxPen(wxColour(105, 105, 105)));
    dc.DrawLine(area.GetLeft() + 1, area.GetBottom() - 1, area.GetRight(), area.GetBottom() - 1);
    dc.DrawLine(area.GetRight() - 1, area.GetTop() + 1, area.GetRight() - 1, area.GetBottom());
  }
  DrawImageAt(dc, m_image, wxPoint(kEdge, kEdge));
}
