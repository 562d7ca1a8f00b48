#include "SummingGridGeometry.h"

#include <algorithm>
#include <numeric>

void CSummingGridGeometry::SetFixedRowCount(int count) {
  m_fixedRows = std::max(0, count);
  InvalidateTopLeft();
}

void CSummingGridGeometry::SetFixedColumnCount(int count) {
  m_fixedColumns = std::max(0, count);
  InvalidateTopLeft();
}

void CSummingGridGeometry::ResizeRows(int count, int height) {
  count = std::max(0, count);
  m_rowHeights.resize(count, height);
  const int oldOrder = static_cast<int>(m_rowOrder.size());
  m_rowOrder.resize(count);
  for (int row = oldOrder; row < count; ++row) m_rowOrder[row] = row;
  InvalidateTopLeft();
}

void CSummingGridGeometry::ResizeColumns(int count, int width) {
  count = std::max(0, count);
  m_columnWidths.resize(count, width);
  m_columnOrder.resize(count);
  std::iota(m_columnOrder.begin(), m_columnOrder.end(), 0);
  InvalidateTopLeft();
}

void CSummingGridGeometry::InsertRow(int row, int height) {
  row = std::clamp(row, 0, GetRowCount());
  m_rowHeights.insert(m_rowHeights.begin() + row, height);
  InvalidateTopLeft();
}

void CSummingGridGeometry::ShiftRowOrder(int row, int delta) {
  const int size = static_cast<int>(m_rowOrder.size());
  if (delta >= 1) {
    for (int& entry : m_rowOrder) {
      if (entry >= row) ++entry;
    }
    m_rowOrder.insert(m_rowOrder.begin() + std::clamp(row, 0, size), row);
    return;
  }
  if (row < 0 || row >= size) return;
  const int removed = m_rowOrder[row];
  m_rowOrder.erase(m_rowOrder.begin() + row);
  for (int& entry : m_rowOrder) {
    if (entry > removed) --entry;
  }
}

void CSummingGridGeometry::RemoveRow(int row) {
  if (row < 0 || row >= GetRowCount()) return;
  m_rowHeights.erase(m_rowHeights.begin() + row);
  if (row < m_fixedRows) --m_fixedRows;
  InvalidateTopLeft();
}

void CSummingGridGeometry::Clear() {
  m_rowHeights.clear();
  m_columnWidths.clear();
  m_rowOrder.clear();
  m_columnOrder.clear();
  m_fixedRows = 0;
  m_fixedColumns = 0;
  InvalidateTopLeft();
}

int CSummingGridGeometry::GetRowHeight(int row) const {
  if (row < 0 || row >= GetRowCount()) return -1;
  return m_rowHeights[row];
}

int CSummingGridGeometry::GetColumnWidth(int col) const {
  if (col < 0 || col >= GetColumnCount() || col >= static_cast<int>(m_columnOrder.size())) return -1;
  const int index = m_columnOrder[col];
  if (index < 0 || index >= GetColumnCount()) return -1;
  return m_columnWidths[index];
}

bool CSummingGridGeometry::SetRowHeight(int row, int height) {
  if (row < 0 || row >= GetRowCount() || height < 0) return false;
  m_rowHeights[row] = height;
  InvalidateTopLeft();
  return true;
}

bool CSummingGridGeometry::SetColumnWidth(int col, int width) {
  if (col < 0 || col >= GetColumnCount() || width < 0) return false;
  const int index = col < static_cast<int>(m_columnOrder.size()) ? m_columnOrder[col] : col;
  if (index < 0 || index >= GetColumnCount()) return false;
  m_columnWidths[index] = width;
  InvalidateTopLeft();
  return true;
}

int CSummingGridGeometry::GetFixedRowHeight() const {
  int sum = 0;
  for (int row = 0; row < m_fixedRows; ++row) sum += GetRowHeight(row);
  return sum;
}

int CSummingGridGeometry::GetFixedColumnWidth() const {
  int sum = 0;
  for (int col = 0; col < m_fixedColumns; ++col) sum += GetColumnWidth(col);
  return sum;
}

int CSummingGridGeometry::GetVirtualHeight() const {
  int sum = 0;
  for (int row = 0; row < GetRowCount(); ++row) sum += GetRowHeight(row);
  return sum;
}

int CSummingGridGeometry::GetVirtualWidth() const {
  int sum = 0;
  for (int col = 0; col < GetColumnCount(); ++col) sum += GetColumnWidth(col);
  return sum;
}

void CSummingGridGeometry::SetClientSize(const wxSize& size) {
  if (size == m_client) return;
  m_client = size;
  InvalidateTopLeft();
}

int CSummingGridGeometry::LargestPosition(bool vertical) const {
  if (m_max[vertical] <= 0) return 0;
  return std::max(0, m_max[vertical] - std::max(m_page[vertical], 1) + 1);
}

int CSummingGridGeometry::ScrollLimit(bool vertical) const { return LargestPosition(vertical); }

void CSummingGridGeometry::SetScrollPos(bool vertical, int pos) {
  m_pos[vertical] = std::clamp(pos, 0, LargestPosition(vertical));
  InvalidateTopLeft();
}

GridScrollBarPlan CSummingGridGeometry::PlanScrollBars(const wxSize& areaWithoutBars,
                                                       const wxSize& barSizes) {
  GridScrollBarPlan plan;
  InvalidateTopLeft();
  const int fixedWidth = GetFixedColumnWidth();
  const int fixedHeight = GetFixedRowHeight();
  int right = areaWithoutBars.x;
  int bottom = areaWithoutBars.y;
  if (right - fixedWidth <= 0 || bottom - fixedHeight <= 0) {
    plan.areaEmpty = true;
    m_shown[0] = m_shown[1] = false;
    SetClientSize(areaWithoutBars);
    return plan;
  }
  const int contentHeight = GetVirtualHeight() - fixedHeight;
  const int contentWidth = GetVirtualWidth() - fixedWidth;
  bool vertical = contentHeight > bottom - fixedHeight;
  if (vertical) right -= barSizes.x;
  const bool horizontal = contentWidth > right - fixedWidth;
  if (horizontal) bottom -= barSizes.y;
  // The horizontal bar can make the vertical one necessary; its width then
  // narrows the area as well.
  if (!vertical && contentHeight > bottom - fixedHeight) {
    vertical = true;
    right -= barSizes.x;
  }
  const int visibleWidth = right - fixedWidth;
  const int visibleHeight = bottom - fixedHeight;
  plan.vertShown = visibleHeight < contentHeight;
  plan.vertMax = plan.vertShown ? contentHeight - 1 : 0;
  plan.horzShown = visibleWidth < contentWidth;
  plan.horzMax = plan.horzShown ? contentWidth - 1 : 0;
  plan.horzPage = plan.horzMax ? visibleWidth : 0;
  plan.vertPage = plan.vertMax ? visibleHeight : 0;

  m_shown[0] = plan.horzShown;
  m_shown[1] = plan.vertShown;
  m_max[0] = plan.horzMax;
  m_max[1] = plan.vertMax;
  m_page[0] = plan.horzPage;
  m_page[1] = plan.vertPage;
  SetClientSize(wxSize(areaWithoutBars.x - (plan.vertShown ? barSizes.x : 0),
                       areaWithoutBars.y - (plan.horzShown ? barSizes.y : 0)));
  SetScrollPos(false, m_pos[0]);
  SetScrollPos(true, m_pos[1]);
  return plan;
}

CCellID CSummingGridGeometry::GetTopleftNonFixedCell(bool force) {
  if (!force && m_topLeft.row >= 0 && m_topLeft.col >= 0) return m_topLeft;
  for (bool vertical : {false, true}) {
    const int position = m_pos[vertical];
    const int last = CountOf(vertical) - 1;
    int index = FixedCountOf(vertical);
    int sum = 0;
    while (position > 0 && sum < position && index < last) {
      sum += SizeOf(vertical, index);
      ++index;
    }
    (vertical ? m_topLeft.row : m_topLeft.col) = index;
  }
  return m_topLeft;
}

// The last index reached from the top-left cell before the client edge, and
// that edge (clamped to the client).
int CSummingGridGeometry::LastVisibleIndex(bool vertical, int* edge) {
  const int count = CountOf(vertical);
  const int clientEdge = vertical ? m_client.y : m_client.x;
  int sum = FixedSizeOf(vertical);
  int index = TopLeftOf(vertical);
  for (; index < count; ++index) {
    sum += SizeOf(vertical, index);
    if (sum >= clientEdge) {
      sum = clientEdge;
      break;
    }
  }
  if (edge) *edge = sum;
  return std::min(index, count - 1);
}

CellRange CSummingGridGeometry::GetVisibleNonFixedCellRange(GridRect* rect, bool force) {
  const CCellID topLeft = GetTopleftNonFixedCell(force);
  int right = 0;
  int bottom = 0;
  const int maxCol = LastVisibleIndex(false, &right);
  const int maxRow = LastVisibleIndex(true, &bottom);
  if (rect) *rect = GridRect(0, 0, right, bottom);
  return CellRange(topLeft.row, topLeft.col, maxRow, maxCol);
}

CellRange CSummingGridGeometry::GetVisibleFixedCellRange(GridRect* rect, bool force) {
  const CCellID topLeft = GetTopleftNonFixedCell(force);
  int bottom = 0;
  const int maxRow = LastVisibleIndex(true, &bottom);
  const int right = std::min(GetFixedColumnWidth(), m_client.x);
  if (rect) *rect = GridRect(0, 0, right, bottom);
  return CellRange(topLeft.row, 0, maxRow, m_fixedColumns - 1);
}

// Fixed indices count from 0; others from the top-left index, backwards for
// those scrolled out before it.
int CSummingGridGeometry::AxisOrigin(bool vertical, int index) {
  const int fixedCount = FixedCountOf(vertical);
  if (index < fixedCount) {
    int sum = 0;
    for (int i = 0; i < index; ++i) sum += SizeOf(vertical, i);
    return sum;
  }
  const int topLeft = TopLeftOf(vertical);
  int sum = FixedSizeOf(vertical);
  if (index >= topLeft) {
    for (int i = topLeft; i < index; ++i) sum += SizeOf(vertical, i);
  } else {
    for (int i = index; i < topLeft; ++i) sum -= SizeOf(vertical, i);
  }
  return sum;
}

bool CSummingGridGeometry::GetCellOrigin(int row, int col, wxPoint* origin) {
  if (!IsValid(row, col)) return false;
  const wxPoint point(AxisOrigin(false, col), AxisOrigin(true, row));
  if (origin) *origin = point;
  return true;
}

bool CSummingGridGeometry::GetCellRect(int row, int col, GridRect* rect) {
  wxPoint origin;
  if (!GetCellOrigin(row, col, &origin)) return false;
  if (rect) {
    *rect =
        GridRect(origin.x, origin.y, origin.x + GetColumnWidth(col) - 1, origin.y + GetRowHeight(row) - 1);
  }
  return true;
}

int CSummingGridGeometry::AxisCellFromPoint(bool vertical, int coordinate, bool allowFixed) {
  if (coordinate < 0) return -1;
  const int count = CountOf(vertical);
  const int fixedSize = FixedSizeOf(vertical);
  if (coordinate < fixedSize) {
    if (!allowFixed) return -1;
    int sum = 0;
    for (int i = 0; i < FixedCountOf(vertical); ++i) {
      sum += SizeOf(vertical, i);
      if (sum > coordinate) return i;
    }
    return -1;
  }
  int sum = fixedSize;
  for (int i = TopLeftOf(vertical); i < count; ++i) {
    sum += SizeOf(vertical, i);
    if (sum > coordinate) return i;
  }
  return -1;
}

CCellID CSummingGridGeometry::GetCellFromPt(const wxPoint& point, bool allowFixed) {
  const CCellID topLeft = GetTopleftNonFixedCell();
  if (!allowFixed && !IsValid(topLeft.row, topLeft.col)) return CCellID();
  const int col = AxisCellFromPoint(false, point.x, allowFixed);
  const int row = AxisCellFromPoint(true, point.y, allowFixed);
  if (row < 0 || col < 0) return CCellID();
  return CCellID(row, col);
}

bool CSummingGridGeometry::IsCellVisible(int row, int col) {
  if (!IsValid(row, col)) return false;
  if (row < m_fixedRows || col < m_fixedColumns) return true;
  const CellRange visible = GetVisibleNonFixedCellRange(nullptr, true);
  if (!visible.InRange(row, col)) return false;
  GridRect rect;
  if (!GetCellRect(row, col, &rect)) return false;
  return rect.left >= 0 && rect.top >= 0 && rect.left <= m_client.x && rect.top <= m_client.y;
}

// The first non-fixed index at or after the top-left one whose size is above 0.
int CSummingGridGeometry::FirstVisibleIndex(bool vertical) {
  int index = TopLeftOf(vertical);
  const int last = CountOf(vertical) - 1;
  while (index < last && SizeOf(vertical, index) == 0) ++index;
  return index;
}

GridRepaint CSummingGridGeometry::StepForward(bool vertical) {
  const int position = m_pos[vertical];
  if (position >= ScrollLimit(vertical)) return GridRepaint::None;
  const int size = SizeOf(vertical, FirstVisibleIndex(vertical));
  SetScrollPos(vertical, position + std::max(size, 0));
  return GridRepaint::ScrollArea;
}

GridRepaint CSummingGridGeometry::StepBack(bool vertical) {
  const int position = m_pos[vertical];
  const int topLeft = TopLeftOf(vertical);
  const int fixedCount = FixedCountOf(vertical);
  if (position <= 0 || topLeft <= fixedCount) return GridRepaint::None;
  int index = topLeft - 1;
  while (index > fixedCount && SizeOf(vertical, index) == 0) --index;
  SetScrollPos(vertical, std::max(0, position - std::max(SizeOf(vertical, index), 0)));
  return GridRepaint::ScrollArea;
}

GridRepaint CSummingGridGeometry::Scroll(bool vertical, GridScrollCode code, int trackPos) {
  const int position = m_pos[vertical];
  const int pageStep = (vertical ? m_client.y : m_client.x) - FixedSizeOf(vertical);
  switch (code) {
    case GridScrollCode::LineDown: return StepForward(vertical);
    case GridScrollCode::LineUp: return StepBack(vertical);
    case GridScrollCode::PageDown:
      SetScrollPos(vertical, std::min(position + std::max(pageStep, 0), ScrollLimit(vertical)));
      return GridRepaint::ScrollArea;
    case GridScrollCode::PageUp:
      SetScrollPos(vertical, std::max(position - std::max(pageStep, 0), 0));
      return GridRepaint::ScrollArea;
    case GridScrollCode::ThumbTrack:
    case GridScrollCode::ThumbPosition: {
      const CCellID before = GetTopleftNonFixedCell();
      SetScrollPos(vertical, trackPos);
      return GetTopleftNonFixedCell() != before ? GridRepaint::ScrollArea : GridRepaint::None;
    }
    case GridScrollCode::Top: SetScrollPos(vertical, 0); return GridRepaint::Whole;
    case GridScrollCode::Bottom: SetScrollPos(vertical, m_max[vertical]); return GridRepaint::Whole;
    case GridScrollCode::EndScroll: break;
  }
  return GridRepaint::None;
}

// One line step per index of size above 0 between from (exclusive) and to.
int CSummingGridGeometry::ScrollToward(bool vertical, int from, int to) {
  int steps = 0;
  if (to > from) {
    for (int i = from + 1; i <= to; ++i) {
      if (SizeOf(vertical, i) > 0 && Scroll(vertical, GridScrollCode::LineDown) != GridRepaint::None) ++steps;
    }
  } else {
    for (int i = to; i < from; ++i) {
      if (SizeOf(vertical, i) > 0 && Scroll(vertical, GridScrollCode::LineUp) != GridRepaint::None) ++steps;
    }
  }
  return steps;
}

bool CSummingGridGeometry::EnsureVisible(int row, int col) {
  const int startH = m_pos[0];
  const int startV = m_pos[1];
  const CellRange visible = GetVisibleNonFixedCellRange();
  if (col > visible.maxCol) ScrollToward(false, visible.maxCol, col);
  if (col < visible.minCol) ScrollToward(false, visible.minCol, col);
  if (row > visible.maxRow) ScrollToward(true, visible.maxRow, row);
  if (row < visible.minRow) ScrollToward(true, visible.minRow, row);

  // Partly shown at the far edge: step on while that brings more of it in.
  GridRect rect;
  const int fixedWidth = GetFixedColumnWidth();
  while (GetCellRect(row, col, &rect) && rect.right > m_client.x && rect.left > fixedWidth && m_shown[0]) {
    const int before = m_pos[0];
    Scroll(false, GridScrollCode::LineDown);
    if (m_pos[0] == before) break;
  }
  const int fixedHeight = GetFixedRowHeight();
  while (GetCellRect(row, col, &rect) && rect.bottom > m_client.y && rect.top > fixedHeight && m_shown[1]) {
    const int before = m_pos[1];
    Scroll(true, GridScrollCode::LineDown);
    if (m_pos[1] == before) break;
  }
  return m_pos[0] != startH || m_pos[1] != startV;
}
