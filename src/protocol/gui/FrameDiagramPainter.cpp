#include "protocol/gui/FrameDiagramPainter.h"

#include "core/LangText.h"

#include <wx/dc.h>
#include <wx/window.h>

#include <algorithm>

namespace olv::protocol {

namespace {

wxRect ToWxRect(const BlockRect& r) { return wxRect(r.left, r.top, r.Width(), r.Height()); }

// The smallest size a text is made to fit its block at.
constexpr int kSmallestPointSize = 6;
// Room kept free beside a block's text.
constexpr int kTextPadding = 2;

// The size of lines drawn one under the other.
wxSize LinesExtent(wxDC& dc, const std::vector<wxString>& lines) {
  wxSize size;
  for (const wxString& line : lines) {
    const wxSize extent = dc.GetTextExtent(line);
    size.x = std::max(size.x, extent.x);
    size.y += extent.y;
  }
  return size;
}

// The two lines of text split where the wider of them is narrowest: at a
// space (dropped) or after an underscore. Empty when text has no such place.
std::vector<wxString> TwoLines(wxDC& dc, const wxString& text) {
  std::vector<wxString> best;
  int bestWidth = 0;
  for (size_t i = 0; i + 1 < text.length(); ++i) {
    const wxUniChar c = text[i];
    if (c != ' ' && c != '_') continue;
    std::vector<wxString> lines{text.Left(c == ' ' ? i : i + 1), text.Mid(i + 1)};
    if (lines[0].empty()) continue;
    const int width = LinesExtent(dc, lines).x;
    if (best.empty() || width < bestWidth) {
      best = lines;
      bestWidth = width;
    }
  }
  return best;
}

// Draws text centred in rect as FitBlockText lays it out; returns where it went.
wxRect DrawCentredText(wxDC& dc, const wxString& text, const wxRect& rect) {
  const stBlockTextFit fit = FitBlockText(dc, text, rect);
  dc.SetFont(fit.font);
  const wxRect at(rect.x + (rect.width - fit.size.x) / 2, rect.y + (rect.height - fit.size.y) / 2, fit.size.x,
                  fit.size.y);
  wxDCClipper clip(dc, rect);
  int y = at.y;
  for (const wxString& line : fit.lines) {
    const wxSize extent = dc.GetTextExtent(line);
    dc.DrawText(line, rect.x + (rect.width - extent.x) / 2, y);
    y += extent.y;
  }
  return at;
}

}  // namespace

wxColour ColourOfBlock(BlockColour colour) {
  return wxColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

stBlockTextFit FitBlockText(wxDC& dc, const wxString& text, const wxRect& rect) {
  const wxSize room(rect.width - kTextPadding, rect.height);
  const auto fits = [&](const std::vector<wxString>& lines) {
    const wxSize size = LinesExtent(dc, lines);
    return !lines.empty() && size.x <= room.x && size.y <= room.y;
  };
  stBlockTextFit fit{{text}, dc.GetFont(), wxSize()};
  const int largest = fit.font.GetPointSize();
  // One line while it takes no more than a point off; then two lines, down to
  // the smallest size; then one line at the smallest.
  for (const bool split : {false, true}) {
    for (int points = largest; points >= (split ? kSmallestPointSize : largest - 1); --points) {
      fit.font.SetPointSize(points);
      dc.SetFont(fit.font);
      const std::vector<wxString> lines = split ? TwoLines(dc, text) : std::vector<wxString>{text};
      if (!fits(lines)) continue;
      fit.lines = lines;
      fit.size = LinesExtent(dc, lines);
      return fit;
    }
  }
  for (int points = largest - 2; points >= kSmallestPointSize; --points) {
    fit.font.SetPointSize(points);
    dc.SetFont(fit.font);
    if (!fits({text})) continue;
    fit.size = LinesExtent(dc, fit.lines);
    return fit;
  }
  // Nothing fits: the smallest size, on the lines that overflow the least.
  const std::vector<wxString> split = TwoLines(dc, text);
  if (!split.empty() && LinesExtent(dc, split).y <= room.y) fit.lines = split;
  fit.size = LinesExtent(dc, fit.lines);
  return fit;
}

void CWindowBlockHost::InvalidateRect(const BlockRect& rect) {
  if (m_window && !rect.IsEmpty()) m_window->RefreshRect(ToWxRect(rect), true);
}

CFrameBlockPainter::CFrameBlockPainter(const wxFont& ownerFont)
    : m_solid(ColourOfBlock(block_colours::kPen), 1, wxPENSTYLE_SOLID),
      m_fixed(ColourOfBlock(block_colours::kPenFixed), 1, wxPENSTYLE_SOLID),
      m_selection(ColourOfBlock(block_colours::kSelectionPen), 1, wxPENSTYLE_DOT),
      m_dotted(ColourOfBlock(block_colours::kPen), 1, wxPENSTYLE_DOT) {
  m_font.SetFromFont(ownerFont.IsOk() ? ownerFont : *wxNORMAL_FONT);
  m_font.SetPointSize(8);
}

const wxPen& CFrameBlockPainter::PenFor(BlockPen pen) const {
  switch (pen) {
    case BlockPen::Fixed: return m_fixed;
    case BlockPen::SelectionDotted: return m_selection;
    case BlockPen::Dotted: return m_dotted;
    case BlockPen::Solid: break;
  }
  return m_solid;
}

void CFrameBlockPainter::DrawBlock(wxDC& dc, const CFrameBlock& block, int edges) const {
  if (!block.IsVisible()) return;
  DrawLabel(dc, block);
  DrawBody(dc, block, edges);
}

void CFrameBlockPainter::DrawLabel(wxDC& dc, const CFrameBlock& block) const {
  const BlockRect& r = block.LabelRect();
  if (r.IsEmpty()) return;
  const BlockLabelStyle style = block.LabelStyle();
  const wxRect rect = ToWxRect(r);
  if (style.filled) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ColourOfBlock(style.fill)));
    dc.DrawRectangle(rect);
  }
  dc.SetFont(m_font.GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(ColourOfBlock(style.text_colour));
  DrawCentredText(dc, GetLangText(style.text), rect);
}

void CFrameBlockPainter::DrawEdges(wxDC& dc, const BlockRect& r, int edges) const {
  if (edges & kEdgeLeftTop) {
    dc.DrawLine(r.left, r.bottom, r.left, r.top);
    dc.DrawLine(r.left, r.top, r.right, r.top);
  }
  if (edges & kEdgeRightBottom) {
    dc.DrawLine(r.right, r.top, r.right, r.bottom);
    dc.DrawLine(r.right, r.bottom, r.left, r.bottom);
  }
  if (edges & kEdgeLeft) dc.DrawLine(r.left, r.top, r.left, r.bottom);
  if (edges & kEdgeTop) dc.DrawLine(r.left, r.top, r.right, r.top);
  if (edges & kEdgeRight) dc.DrawLine(r.right, r.top, r.right, r.bottom);
  if (edges & kEdgeBottom) dc.DrawLine(r.left, r.bottom, r.right, r.bottom);
}

void CFrameBlockPainter::DrawBody(wxDC& dc, const CFrameBlock& block, int edges) const {
  const BlockBodyStyle style = block.BodyStyle();
  const BlockRect& r = block.Rect();
  const wxRect rect = ToWxRect(r);
  const wxPen& pen = PenFor(style.pen);
  const wxPen oldPen = dc.GetPen();
  const wxBrush oldBrush = dc.GetBrush();
  dc.SetBrush(wxBrush(ColourOfBlock(style.fill)));
  if (style.rounded) {
    dc.SetPen(pen);
    // The corner radius is the ellipse width of the rounded corners.
    dc.DrawRoundedRectangle(rect, block.CornerRadius() / 2.0);
  } else {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(rect);
    dc.SetPen(pen);
    DrawEdges(dc, r, edges);
  }
  dc.SetPen(oldPen);
  dc.SetBrush(oldBrush);

  // "+" needs no lookup; a caption is a language key or a plain text.
  const wxString text = style.text == "+" ? style.text : GetLangText(style.text);
  if (text.empty()) return;
  const wxColour oldText = dc.GetTextForeground();
  const wxColour colour = ColourOfBlock(style.text_colour);
  dc.SetFont(m_font.GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(colour);
  const wxRect at = DrawCentredText(dc, text, rect);
  if (style.overline) {
    const int centre = (r.left + r.right) / 2;
    const int y = at.y - 2;
    dc.SetPen(wxPen(colour, 1));
    dc.DrawLine(centre - at.width / 2, y, centre + at.width / 2, y);
    dc.SetPen(oldPen);
  }
  dc.SetTextForeground(oldText);
}

void CFrameBlockPainter::DrawSendFormat(wxDC& dc, const CSendFormat& format) const {
  for (int i = 0; i < format.PlaceCount(); ++i) DrawBlock(dc, format.Place(i), kEdgeOutline);
  CSendFormat::Marker marker;
  if (!format.MarkerGeometry(&marker)) return;
  const wxPen oldPen = dc.GetPen();
  dc.SetPen(*wxBLACK_PEN);
  const wxPoint apex(marker.apex_x, marker.apex_y);
  const wxPoint right(marker.base_right, marker.base_y);
  const wxPoint left(marker.base_left, marker.base_y);
  dc.DrawLine(apex, right);
  dc.DrawLine(right, left);
  dc.DrawLine(left, apex);
  dc.SetPen(oldPen);
}

}  // namespace olv::protocol
