// The page's drawing and the mouse: blocks are picked in the grid or in a
// diagram (their editor opens) and dragged into a diagram's row; one
// dragged out of a diagram to anywhere else leaves the send order.
#include "aircon/pages/AirDataFormat.h"

#include <wx/dcbuffer.h>

using namespace aircon;
using olv::protocol::BlockList;
using olv::protocol::BlockRect;
using olv::protocol::CFrameBlock;
using olv::protocol::FrameItem;
using olv::protocol::kEdgeOutline;
using olv::protocol::stListBlock;

namespace {

// The mouse moves this far with the button down before a press becomes a drag.
constexpr int kDragDistance = 4;

wxRect ToWxRect(const BlockRect& r) { return wxRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace

// --- Drawing.

void CAirDataFormat::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  dc.SetBackgroundMode(wxTRANSPARENT);
  if (!m_gridArea.IsEmpty()) {
    dc.SetPen(wxPen(wxColour(192, 192, 192)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRoundedRectangle(m_gridArea, 6);
  }
  for (const BlockList* list : {&m_model.FunctionList(), &m_model.UserList(), &m_model.PureDataList()}) {
    for (const auto& entry : *list) {
      if (entry && entry->block.IsVisible()) m_painter->DrawBlock(dc, entry->block, kEdgeOutline);
    }
  }
  // The picked block of the grid is framed.
  if (const stListBlock* picked = m_model.BlockOfItem(m_model.Picked());
      picked && picked->block.IsVisible()) {
    dc.SetPen(wxPen(*wxRED, 2));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(ToWxRect(picked->block.Rect()).Inflate(2));
  }

  // The send direction above the rows, ending in the arrow.
  const stAirGeometry& g = m_model.airGeometry;
  const int y = g.row1Top - 10;
  dc.SetPen(wxPen(wxColour(0, 0, 0)));
  dc.DrawLine(g.rowLeft, y, g.rowRight, y);
  if (m_arrow.IsOk()) dc.DrawBitmap(m_arrow, g.rowRight, y - m_arrow.GetHeight() / 2, true);

  for (CAirSendFormat* format : {&m_model.Group1(), &m_model.Group2()}) {
    if (format == &m_model.Group2() && !m_model.HasGroup2()) continue;
    m_painter->DrawSendFormat(dc, *format);
    for (int i = 0; i < format->PlaceCount(); ++i) {
      const CFrameBlock& place = format->Place(i);
      if (place.IsVisible() && place.IsBound()) m_painter->DrawBlock(dc, place, kEdgeOutline);
    }
  }
  // Where a dragged block would go: a bar before its place.
  if (m_dragging && m_dropFormat) {
    int x = g.rowLeft;
    if (m_dropIndex >= 0 && m_dropIndex < m_dropFormat->PlaceCount()) {
      x = m_dropFormat->Place(m_dropIndex).Rect().left;
    }
    const int top = m_dropFormat == &m_model.Group2() ? g.row2Top : g.row1Top;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxRED_BRUSH);
    dc.DrawRectangle(x - 2, top - 3, 4, g.blockHeight + 6);
  }
}

// --- The mouse.

CAirSendFormat* CAirDataFormat::RowAt(const wxPoint& point) {
  const stAirGeometry& g = m_model.airGeometry;
  for (CAirSendFormat* format : {&m_model.Group1(), &m_model.Group2()}) {
    if (format == &m_model.Group2() && !m_model.HasGroup2()) continue;
    const int top = format == &m_model.Group2() ? g.row2Top : g.row1Top;
    const wxRect row(g.rowLeft, top - 4, g.rowRight - g.rowLeft, g.blockHeight + 8);
    if (row.Contains(point)) return format;
  }
  return nullptr;
}

int CAirDataFormat::DropIndexAt(CAirSendFormat& format, const wxPoint& point) const {
  const int append = std::max(format.LastBoundIndex() + 1, 1);
  int index = -1;
  if (format.HitTest(point.x, point.y, &index) && index >= 1 && index < append) return index;
  return append;
}

void CAirDataFormat::OnLeftDown(wxMouseEvent& event) {
  SetFocusIgnoringChildren();
  const wxPoint p = event.GetPosition();
  m_pressed = nullptr;
  m_origin = nullptr;
  m_originIndex = -1;
  bool hit = false;
  // A block of the grid: the "+" block adds a function; any other opens its
  // editor and may be dragged.
  for (const BlockList* list : {&m_model.FunctionList(), &m_model.UserList(), &m_model.PureDataList()}) {
    for (const auto& entry : *list) {
      if (hit || !entry || !entry->block.IsVisible() || !entry->block.HitTest(p.x, p.y)) continue;
      hit = true;
      if (entry->block.IsAddPlace()) {
        m_model.AddListBlock(list == &m_model.PureDataList());
        ShowModelState();
        return;
      }
      m_model.OpenBlockEditor(&entry->block);
      if (!entry->block.IsFixed()) m_pressed = entry->item.get();
    }
  }
  // A block of a diagram: its editor opens; all but the guide and the
  // connect code may be dragged.
  for (CAirSendFormat* format : {&m_model.Group1(), &m_model.Group2()}) {
    if (hit || (format == &m_model.Group2() && !m_model.HasGroup2())) continue;
    int index = -1;
    if (!format->HitTest(p.x, p.y, &index) || !format->Place(index).IsBound()) continue;
    FrameItem* item = format->Place(index).GetWnd();
    stListBlock* entry = m_model.BlockOfItem(item);
    if (!entry) continue;
    hit = true;
    m_model.SetDiagramCurrentBlock(format, index);
    m_model.OpenBlockEditor(&entry->block);
    if (!CarriesNoData(entry->block.Kind())) {
      m_pressed = item;
      m_origin = format;
      m_originIndex = index;
    }
  }
  if (m_pressed) {
    m_pressPoint = p;
    if (!HasCapture()) CaptureMouse();
  }
  Refresh();
}

void CAirDataFormat::StartDrag() {
  m_dragging = true;
  if (m_origin) {
    m_model.TakeFromDiagram(m_origin, m_originIndex);
    m_model.ShowView(m_model.View());
  }
  SetCursor(wxCursor(wxCURSOR_HAND));
}

void CAirDataFormat::OnMotion(wxMouseEvent& event) {
  event.Skip();
  if (!m_pressed || !event.LeftIsDown()) return;
  const wxPoint p = event.GetPosition();
  if (!m_dragging) {
    if (std::abs(p.x - m_pressPoint.x) < kDragDistance && std::abs(p.y - m_pressPoint.y) < kDragDistance)
      return;
    StartDrag();
  }
  m_dropFormat = RowAt(p);
  m_dropIndex = m_dropFormat ? DropIndexAt(*m_dropFormat, p) : -1;
  Refresh();
}

void CAirDataFormat::EndDrag(bool dropped, const wxPoint& point) {
  FrameItem* item = m_pressed;
  const bool wasDragging = m_dragging;
  m_pressed = nullptr;
  m_dragging = false;
  m_dropFormat = nullptr;
  m_dropIndex = -1;
  if (HasCapture()) ReleaseMouse();
  SetCursor(wxNullCursor);
  if (!wasDragging || !item) return;
  bool placed = false;
  if (CAirSendFormat* row = dropped ? RowAt(point) : nullptr)
    placed = m_model.InsertAt(item, row, DropIndexAt(*row, point));
  // A block that cannot leave the send order goes back where it was: a fixed
  // function (the grid does not show it), or any block when the drop failed
  // or was cancelled.
  const stListBlock* entry = m_model.BlockOfItem(item);
  const bool fixed = entry && IsFixConfigFunc(g_DocManage, entry->block.GetText());
  if (!placed && m_origin && (fixed || !dropped)) m_model.InsertAt(item, m_origin, m_originIndex);
  m_origin = nullptr;
  m_originIndex = -1;
  m_model.ShowView(m_model.View());
  m_model.OnFrameEdited();
  ShowModelState();
}

void CAirDataFormat::CancelDrag() {
  if (m_pressed) EndDrag(false, wxPoint(-1, -1));
}

void CAirDataFormat::OnLeftUp(wxMouseEvent& event) {
  if (!m_pressed) return;
  EndDrag(true, event.GetPosition());
}

void CAirDataFormat::OnCaptureLost(wxMouseCaptureLostEvent&) { CancelDrag(); }
