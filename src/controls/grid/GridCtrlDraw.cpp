// Painting of the grid: background, the four passes of cells, grid lines,
// and the redrawing of single cells.
#include "controls/grid/GridCtrl.h"

#include "controls/grid/GridPaint.h"
#include "ui/MemDC.h"

#include <wx/dcclient.h>

#include <algorithm>

namespace {

GridRect ClipBoxOf(wxDC& dc, const wxSize& fallback) {
  wxRect box;
  dc.GetClippingBox(box);
  if (box.IsEmpty()) box = wxRect(wxPoint(0, 0), fallback);
  return GridRect(box.x, box.y, box.GetRight() + 1, box.GetBottom() + 1);
}

GridRect Intersect(const GridRect& a, const GridRect& b) {
  return GridRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                  std::min(a.bottom, b.bottom));
}

// The cells of rows x cols, placed from (left, top) on, that meet the clip box.
struct CellPass {
  int firstRow;
  int lastRow;
  int firstCol;
  int lastCol;
  int left;
  int top;
};

}  // namespace

void CGridCtrl::OnPaint(wxPaintEvent& event) {
  wxUnusedVar(event);
  wxPaintDC dc(this);
  if (!m_allowDraw) return;
  if (m_doubleBuffer) {
    CMemDC buffer(dc);
    OnDraw(buffer.GetDC());
  } else {
    OnDraw(dc);
  }
}

void CGridCtrl::OnEraseBackground(wxEraseEvent& event) { wxUnusedVar(event); }

void CGridCtrl::OnDraw(wxDC& dc) {
  if (!m_allowDraw || !dc.IsOk()) return;
  SyncClientSize();
  const GridRect clip = ClipBoxOf(dc, GetHandle() ? GetClientSize() : dc.GetSize());
  if (clip.IsEmpty()) return;
  EraseBkgnd(dc, clip);
  DrawCellPasses(dc, clip);
  DrawSizingTracker(dc);
}

void CGridCtrl::EraseBkgnd(wxDC& dc, const GridRect& clip) {
  GridRect visible;
  m_geometry.GetVisibleNonFixedCellRange(&visible);
  const int fixedWidth = GetFixedColumnWidth();
  const int fixedHeight = GetFixedRowHeight();
  const ColorRef corner = GetDefaultCell(true, true)->GetBackColor();
  const ColorRef fixedColumn = GetDefaultCell(false, true)->GetBackColor();
  const ColorRef fixedRow = GetDefaultCell(true, false)->GetBackColor();
  const ColorRef ordinary = GetDefaultCell(false, false)->GetBackColor();

  if (clip.left < fixedWidth && clip.top < fixedHeight) {
    gridpaint::FillRect(dc, GridRect(clip.left, clip.top, fixedWidth, fixedHeight), corner);
  }
  if (clip.left < fixedWidth) {
    gridpaint::FillRect(dc, GridRect(clip.left, std::max(clip.top, fixedHeight), fixedWidth, visible.bottom),
                        fixedColumn);
  }
  if (clip.top < fixedHeight) {
    gridpaint::FillRect(dc, GridRect(std::max(clip.left, fixedWidth), clip.top, visible.right, fixedHeight),
                        fixedRow);
  }
  GridRect cells = Intersect(visible, clip);
  cells.left = std::max(cells.left, fixedWidth);
  cells.top = std::max(cells.top, fixedHeight);
  gridpaint::FillRect(dc, cells, ordinary);
  gridpaint::FillRect(dc, GridRect(visible.right, clip.top, clip.right, clip.bottom), m_gridBkColor);
  gridpaint::FillRect(dc, GridRect(clip.left, visible.bottom, visible.right, clip.bottom), m_gridBkColor);
}

void CGridCtrl::DrawCellPasses(wxDC& dc, const GridRect& clip) {
  GridRect visibleRect;
  const CellRange visible = m_geometry.GetVisibleNonFixedCellRange(&visibleRect);
  const int fixedRows = GetFixedRowCount();
  const int fixedCols = GetFixedColumnCount();
  const int fixedWidth = GetFixedColumnWidth();
  const int fixedHeight = GetFixedRowHeight();
  if (m_virtualMode) SendCacheHintToParent(visible);

  const auto drawPass = [&](const CellPass& pass) {
    GridRect rect;
    rect.bottom = pass.top - 1;
    for (int row = pass.firstRow; row <= pass.lastRow; ++row) {
      const int height = GetRowHeight(row);
      if (height <= 0) continue;
      rect.top = rect.bottom + 1;
      rect.bottom = rect.top + height - 1;
      if (rect.top >= clip.bottom) break;
      if (rect.bottom < clip.top) continue;
      rect.right = pass.left - 1;
      for (int col = pass.firstCol; col <= pass.lastCol; ++col) {
        const int width = GetColumnWidth(col);
        if (width <= 0) continue;
        rect.left = rect.right + 1;
        rect.right = rect.left + width - 1;
        if (rect.left >= clip.right) break;
        if (rect.right < clip.left) continue;
        if (CGridCellBase* cell = GetCell(row, col)) {
          cell->SetCoords(row, col);
          cell->Draw(dc, row, col, rect, false);
        }
      }
    }
  };
  drawPass({0, fixedRows - 1, 0, fixedCols - 1, 0, 0});
  drawPass({visible.minRow, visible.maxRow, 0, fixedCols - 1, 0, fixedHeight});
  drawPass({0, fixedRows - 1, visible.minCol, visible.maxCol, fixedWidth, 0});
  drawPass({visible.minRow, visible.maxRow, visible.minCol, visible.maxCol, fixedWidth, fixedHeight});

  DrawGridLines(dc, visible, visibleRect);
  if (m_virtualMode) SendCacheHintToParent(CellRange());
}

void CGridCtrl::DrawGridLines(wxDC& dc, const CellRange& visible, const GridRect& visibleRect) {
  const int fixedWidth = GetFixedColumnWidth();
  const int fixedHeight = GetFixedRowHeight();
  if (m_gridLines == GVL_VERT || m_gridLines == GVL_BOTH) {
    int x = fixedWidth - 1;
    for (int col = visible.minCol; col <= visible.maxCol; ++col) {
      const int width = GetColumnWidth(col);
      if (width <= 0) continue;
      x += width;
      gridpaint::DrawLine(dc, x, fixedHeight, x, visibleRect.bottom, m_gridLineColor);
    }
  }
  if (m_gridLines == GVL_HORZ || m_gridLines == GVL_BOTH) {
    int y = fixedHeight - 1;
    for (int row = visible.minRow; row <= visible.maxRow; ++row) {
      const int height = GetRowHeight(row);
      if (height <= 0) continue;
      y += height;
      gridpaint::DrawLine(dc, fixedWidth, y, visibleRect.right, y, m_gridLineColor);
    }
  }
  dc.SetPen(*wxTRANSPARENT_PEN);
}

void CGridCtrl::RedrawCellGridLines(wxDC& dc, const GridRect& rect) {
  if (m_gridLines == GVL_HORZ || m_gridLines == GVL_BOTH) {
    gridpaint::DrawLine(dc, rect.left, rect.bottom, rect.right + 1, rect.bottom, m_gridLineColor);
  }
  if (m_gridLines == GVL_VERT || m_gridLines == GVL_BOTH) {
    gridpaint::DrawLine(dc, rect.right, rect.top, rect.right, rect.bottom + 1, m_gridLineColor);
  }
}

bool CGridCtrl::RedrawCell(int row, int col, wxDC* dc) {
  if (!m_allowDraw || !IsValid(row, col) || !IsCellVisible(row, col)) return false;
  GridRect rect;
  if (!GetCellRect(row, col, &rect)) return false;
  // Without a DC of the caller's the cell is repainted by the next paint.
  if (!dc) {
    InvalidateCellRect(row, col);
    return true;
  }
  CGridCellBase* cell = GetCell(row, col);
  bool result = true;
  if (cell) {
    cell->SetCoords(row, col);
    result = cell->Draw(*dc, row, col, rect, true);
  }
  if (!IsCellFixed(row, col)) RedrawCellGridLines(*dc, rect);
  return result;
}
