#include "ui/WaveDraw.h"

#include "ui/ImageHelpers.h"

#include "core/AppContext.h"
#include "platform/Paths.h"

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>

#include <algorithm>

wxIMPLEMENT_DYNAMIC_CLASS(CDrawWave, wxControl);

namespace {

// The install folder's images: the program folder's "Images" unless the
// application has found it already.
wxString WaveImagePath(const wxString& name) {
  const wxString folder = g_App.imageFolder.empty()
                              ? platform::JoinPath(platform::GetProgramFolder(), "Images")
                              : g_App.imageFolder;
  return platform::FindPathNoCase(platform::JoinPath(folder, name));
}

wxBitmap LoadPattern(const wxString& name) {
  wxImage image;
  return LoadImageFromFile(image, WaveImagePath(name)) ? wxBitmap(image) : wxBitmap();
}

}  // namespace

CDrawWave::CDrawWave(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  Create(parent, id, pos, size);
}

bool CDrawWave::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  LoadImageFromFile(m_leftArrow, WaveImagePath("left.png"));
  LoadImageFromFile(m_rightArrow, WaveImagePath("right.png"));
  m_blueFill = LoadPattern("blue.bmp");
  m_redFill = LoadPattern("red.bmp");
  m_font = parent->GetFont().Bold();
  Bind(wxEVT_PAINT, &CDrawWave::OnPaint, this);
  return true;
}

void CDrawWave::AddSegment(std::int32_t duration, std::int32_t level, bool redraw) {
  m_durations.push_back(duration);
  m_levels.push_back(level);
  if (redraw) Refresh();
}

void CDrawWave::SetSpanText(int first, int count, const wxString& text, bool redraw) {
  auto same =
      std::find_if(m_spans.begin(), m_spans.end(), [first](const stWaveSpan& s) { return s.first == first; });
  if (same != m_spans.end()) {
    same->text = text;
    same->count = count;
  } else {
    m_spans.push_back({text, first, count});
  }
  if (redraw) Refresh();
}

wxString CDrawWave::GetSpanText(int n) const {
  if (n == -1) return m_caption;
  if (n < 0 || n >= GetSpanCount()) return wxString();
  return m_spans[n].text;
}

void CDrawWave::SetCaption(const wxString& text, bool redraw) {
  m_caption = text;
  if (redraw) Refresh();
}

void CDrawWave::SetFillMode(bool filled) {
  m_filled = filled;
  Refresh();
}

void CDrawWave::SetFillStyle(int style) {
  m_fillStyle = style;
  Refresh();
}

void CDrawWave::Clear(bool labels) {
  m_durations.clear();
  m_levels.clear();
  if (labels) {
    m_spans.clear();
    m_caption.clear();
  }
  Refresh();
}

stWaveInput CDrawWave::MakeInput(wxDC& dc) const {
  stWaveInput input;
  input.client = wxRect(GetClientSize());
  input.textHeight = dc.GetTextExtent(m_caption.empty() ? wxString("Ag") : m_caption).y;
  input.captionWidth = m_caption.empty() ? 0 : dc.GetTextExtent(m_caption).x;
  input.durations = m_durations;
  input.levels = m_levels;
  input.spans = m_spans;
  for (stWaveSpan& span : input.spans) span.textWidth = dc.GetTextExtent(span.text).x;
  input.hasCaption = !m_caption.empty();
  input.startLevel = m_startLevel;
  input.endLevel = m_endLevel;
  input.filled = m_filled;
  input.highFilled = m_highFilled;
  return input;
}

stWaveGeometry CDrawWave::GetGeometry() const {
  wxClientDC dc(const_cast<CDrawWave*>(this));
  dc.SetFont(m_font.IsOk() ? m_font : GetFont());
  return LayOutWave(MakeInput(dc));
}

void CDrawWave::DrawBlocks(wxDC& dc, const stWaveGeometry& geometry) {
  const wxBitmap* pattern = nullptr;
  if (m_fillStyle == kFillBlue && m_blueFill.IsOk()) pattern = &m_blueFill;
  if (m_fillStyle == kFillRed && m_redFill.IsOk()) pattern = &m_redFill;
  const wxColour solid = ColourFromColorRef(m_fillColor);
  for (const stWaveBlock& block : geometry.blocks) {
    // Only high blocks take the pattern; a filled low level is always solid.
    if (pattern && block.high) {
      FillWithTile(dc, block.rect, *pattern);
    } else {
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(solid));
      dc.DrawRectangle(block.rect);
    }
  }
}

void CDrawWave::DrawDimension(wxDC& dc, const stWaveDimension& dimension, bool ticks, bool strokes) {
  const int y = dimension.y;
  dc.SetPen(wxPen(ColourFromColorRef(m_lineColor)));
  if (strokes) {
    dc.DrawLine(dimension.left, y, dimension.left + kWaveSpanStroke, y);
    dc.DrawLine(dimension.right - kWaveSpanStroke, y, dimension.right, y);
  } else {
    dc.DrawLine(dimension.left, y, dimension.right, y);
  }
  if (ticks) {
    dc.DrawLine(dimension.left, y - kWaveTickHalf, dimension.left, y + kWaveTickHalf + 1);
    dc.DrawLine(dimension.right, y - kWaveTickHalf, dimension.right, y + kWaveTickHalf + 1);
  }
  if (m_leftArrow.IsOk())
    DrawImageAt(dc, m_leftArrow, wxPoint(dimension.left, y - m_leftArrow.GetHeight() / 2));
  if (m_rightArrow.IsOk()) {
    DrawImageAt(dc, m_rightArrow,
                wxPoint(dimension.right - m_rightArrow.GetWidth() + 1, y - m_rightArrow.GetHeight() / 2));
  }
  if (dimension.text.empty()) return;
  const wxSize text = dc.GetTextExtent(dimension.text);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(ColourFromColorRef(m_lineColor));
  dc.DrawText(dimension.text, dimension.textX - text.x / 2, y - dimension.textRaise - text.y);
}

void CDrawWave::DrawWave(wxDC& dc) {
  const wxSize size = GetClientSize();
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  if (size.x <= 0 || size.y <= 0) return;
  dc.SetFont(m_font.IsOk() ? m_font : GetFont());
  const stWaveGeometry geometry = LayOutWave(MakeInput(dc));
  DrawBlocks(dc, geometry);
  dc.SetPen(wxPen(ColourFromColorRef(m_lineColor)));
  for (const stWaveLine& line : geometry.lines) {
    // Inclusive of the end point, as a pen's run from one corner to the next draws it.
    dc.DrawLine(line.from, line.to);
    dc.DrawPoint(line.to);
  }
  if (geometry.hasCaption) {
    stWaveDimension caption = geometry.caption;
    caption.text = m_caption;
    DrawDimension(dc, caption, true, false);
  }
  for (const stWaveDimension& span : geometry.spans) DrawDimension(dc, span, false, true);
}

void CDrawWave::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  DrawWave(dc);
}
