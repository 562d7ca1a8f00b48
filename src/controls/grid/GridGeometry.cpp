#include "controls/grid/GridGeometry.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

void CGridGeometry::SetFixedRowCount(int count) {
  m_fixedRows = std::max(0, count);
  InvalidateTopLeft();
}

void CGridGeometry::SetFixedColumnCount(int count) {
  m_fixedColumns = std::max(0, count);
  InvalidateTopLeft();
}

// ---- Prefix sums -------------------------------------------------------------

const CGridGeometry::AxisSums& CGridGeometry::Sums(bool vertical) const {
  AxisSums& sums = m_sums[vertical];
  if (!sums.stale) return sums;
  std::vector<int> sizes(static_cast<size_t>(CountOf(vertical)));
  for (int i = 0; i < CountOf(vertical); ++i) sizes[static_cast<size_t>(i)] = SizeOf(vertical, i);
  sums.sizes.Assign(sizes);
  for (int& size : sizes) size = size > 0 ? 1 : 0;
  sums.shown.Assign(sizes);
  sums.stale = false;
  return sums;
}

void CGridGeometry::PushRowSum(int height) {
  if (m_sums[1].stale) return;
  m_sums[1].sizes.PushBack(height);
  m_sums[1].shown.PushBack(height > 0 ? 1 : 0);
}

void CGridGeometry::PopRowSum() {
  if (m_sums[1].stale) return;
  m_sums[1].sizes.PopBack();
  m_sums[1].shown.PopBack();
}

int CGridGeometry::SizeBefore(bool vertical, int count) const {
  return static_cast<int>(Sums(vertical).sizes.Prefix(count));
}

int CGridGeometry::ShownBefore(bool vertical, int count) const {
  return static_cast<int>(Sums(vertical).shown.Prefix(count));
}

int CGridGeometry::FirstCountReaching(bool vertical, std::int64_t target) const {
  return Sums(vertical).sizes.FirstCountReaching(target);
}

int CGridGeometry::NthShown(bool vertical, int n) const {
  if (n < 1) return -1;
  const int count = Sums(vertical).shown.FirstCountReaching(n);
  return count > CountOf(vertical) ? -1 : count - 1;
}

// ---- Counts and sizes ----------------------------------------------------------

void CGridGeometry::ResizeRows(int count, int height) {
  count = std::max(0, count);
  for (int row = GetRowCount(); row > count; --row) PopRowSum();
  for (int row = GetRowCount(); row < count; ++row) PushRowSum(height);
  m_rowHeights.resize(count, height);
  const int oldOrder = static_cast<int>(m_rowOrder.size());
  m_rowOrder.resize(count);
  for (int row = oldOrder; row < count; ++row) m_rowOrder[row] = row;
  InvalidateTopLeft();
}

void CGridGeometry::ResizeColumns(int count, int width) {
  count = std::max(0, count);
  m_columnWidths.resize(count, width);
  m_columnOrder.resize(count);
  std::iota(m_columnOrder.begin(), m_columnOrder.end(), 0);
  m_sums[0].stale = true;
  InvalidateTopLeft();
}

void CGridGeometry::InsertRow(int row, int height) {
  row = std::clamp(row, 0, GetRowCount());
  if (row == GetRowCount())
    PushRowSum(height);
  else
    m_sums[1].stale = true;
  m_rowHeights.insert(m_rowHeights.begin() + row, height);
  InvalidateTopLeft();
}

void CGridGeometry::ShiftRowOrder(int row, int delta) {
  const int size = static_cast<int>(m_rowOrder.size());
  if (delta >= 1 && row >= size) {
    m_rowOrder.push_back(row);  // appended: no entry moves
    return;
  }
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

void CGridGeometry::RemoveRow(int row) {
  if (row < 0 || row >= GetRowCount()) return;
  if (row == GetRowCount() - 1)
    PopRowSum();
  else
    m_sums[1].stale = true;
  m_rowHeights.erase(m_rowHeights.begin() + row);
  if (row < m_fixedRows) --m_fixedRows;
  InvalidateTopLeft();
}

void CGridGeometry::Clear() {
  m_rowHeights.clear();
  m_columnWidths.clear();
  m_rowOrder.clear();
  m_columnOrder.clear();
  m_fixedRows = 0;
  m_fixedColumns = 0;
  m_sums[0].stale = true;
  m_sums[1].stale = true;
  InvalidateTopLeft();
}

int CGridGeometry::GetRowHeight(int row) const {
  if (row < 0 || row >= GetRowCount()) return -1;
  return m_rowHeights[row];
}

int CGridGeometry::GetColumnWidth(int col) const {
  if (col < 0 || col >= GetColumnCount() || col >= static_cast<int>(m_columnOrder.size())) return -1;
  const int index = m_columnOrder[col];
  if (index < 0 || index >= GetColumnCount()) return -1;
  return m_columnWidths[index];
}

bool CGridGeometry::SetRowHeight(int row, int height) {
  if (row < 0 || row >= GetRowCount() || height < 0) return false;
  m_rowHeights[row] = height;
  if (!m_sums[1].stale) {
    m_sums[1].sizes.Set(row, height);
    m_sums[1].shown.Set(row, height > 0 ? 1 : 0);
  }
  InvalidateTopLeft();
  return true;
}

bool CGridGeometry::SetColumnWidth(int col, int width) {
  if (col < 0 || col >= GetColumnCount() || width < 0) return false;
  const int index = col < static_cast<int>(m_columnOrder.size()) ? m_columnOrder[col] : col;
  if (index < 0 || index >= GetColumnCount()) return false;
  m_columnWidths[index] = width;
  m_sums[0].stale = true;
  InvalidateTopLeft();
  return true;
}

// A fixed count beyond the entries counts -1 for each missing one, as its size reads.
int CGridGeometry::GetFixedRowHeight() const {
  const int missing = std::max(0, m_fixedRows - GetRowCount());
  return SizeBefore(true, m_fixedRows) - missing;
}

int CGridGeometry::GetFixedColumnWidth() const {
  const int missing = std::max(0, m_fixedColumns - GetColumnCount());
  return SizeBefore(false, m_fixedColumns) - missing;
}

int CGridGeometry::GetVirtualHeight() const { return SizeBefore(true, GetRowCount()); }

int CGridGeometry::GetVirtualWidth() const { return SizeBefore(false, GetColumnCount()); }

void CGridGeometry::SetClientSize(const wxSize& size) {
  if (size == m_client) return;
  m_client = size;
  InvalidateTopLeft();
}

int CGridGeometry::LargestPosition(bool vertical) const {
  if (m_max[vertical] <= 0) return 0;
  return std::max(0, m_max[vertical] - std::max(m_page[vertical], 1) + 1);
}

int CGridGeometry::ScrollLimit(bool vertical) const { return LargestPosition(vertical); }

void CGridGeometry::SetScrollPos(bool vertical, int pos) {
  m_pos[vertical] = std::clamp(pos, 0, LargestPosition(vertical));
  InvalidateTopLeft();
}

GridScrollBarPlan CGridGeometry::PlanScrollBars(const wxSize& areaWithoutBars, const wxSize& barSizes) {
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

// The first non-fixed index whose entries before it, from the first
// non-fixed one, reach position; at most the last index.
int CGridGeometry::TopLeftFor(bool vertical, int position) const {
  const int fixedCount = FixedCountOf(vertical);
  const int last = CountOf(vertical) - 1;
  if (position <= 0 || fixedCount >= last) return fixedCount;
  const int reached =
      FirstCountReaching(vertical, static_cast<std::int64_t>(SizeBefore(vertical, fixedCount)) + position);
  return std::min(reached, last);
}

CCellID CGridGeometry::GetTopleftNonFixedCell(bool force) {
  if (!force && m_topLeft.row >= 0 && m_topLeft.col >= 0) return m_topLeft;
  m_topLeft.col = TopLeftFor(false, m_pos[0]);
  m_topLeft.row = TopLeftFor(true, m_pos[1]);
  return m_topLeft;
}

// The last index reached from the top-left cell before the client edge, and
// that edge (clamped to the client).
int CGridGeometry::LastVisibleIndex(bool vertical, int* edge) {
  const int count = CountOf(vertical);
  const int clientEdge = vertical ? m_client.y : m_client.x;
  const int fixedSize = FixedSizeOf(vertical);
  const int topLeft = TopLeftOf(vertical);
  if (topLeft >= count) {
    if (edge) *edge = fixedSize;
    return std::min(topLeft, count - 1);
  }
  // The first entry after the top-left one whose end meets the edge.
  const int before = SizeBefore(vertical, topLeft);
  const int reached = std::max(
      FirstCountReaching(vertical, static_cast<std::int64_t>(clientEdge) - fixedSize + before), topLeft + 1);
  if (reached > count) {
    if (edge) *edge = fixedSize + SizeBefore(vertical, count) - before;
    return count - 1;
  }
  if (edge) *edge = clientEdge;
  return reached - 1;
}

CellRange CGridGeometry::GetVisibleNonFixedCellRange(GridRect* rect, bool force) {
  const CCellID topLeft = GetTopleftNonFixedCell(force);
  int right = 0;
  int bottom = 0;
  const int maxCol = LastVisibleIndex(false, &right);
  const int maxRow = LastVisibleIndex(true, &bottom);
  if (rect) *rect = GridRect(0, 0, right, bottom);
  return CellRange(topLeft.row, topLeft.col, maxRow, maxCol);
}

CellRange CGridGeometry::GetVisibleFixedCellRange(GridRect* rect, bool force) {
  const CCellID topLeft = GetTopleftNonFixedCell(force);
  int bottom = 0;
  const int maxRow = LastVisibleIndex(true, &bottom);
  const int right = std::min(GetFixedColumnWidth(), m_client.x);
  if (rect) *rect = GridRect(0, 0, right, bottom);
  return CellRange(topLeft.row, 0, maxRow, m_fixedColumns - 1);
}

// Fixed indices count from 0; others from the top-left index, backwards for
// those scrolled out before it.
int CGridGeometry::AxisOrigin(bool vertical, int index) {
  if (index < FixedCountOf(vertical)) return SizeBefore(vertical, index);
  const int topLeft = TopLeftOf(vertical);
  return FixedSizeOf(vertical) + SizeBefore(vertical, index) - SizeBefore(vertical, topLeft);
}

bool CGridGeometry::GetCellOrigin(int row, int col, wxPoint* origin) {
  if (!IsValid(row, col)) return false;
  const wxPoint point(AxisOrigin(false, col), AxisOrigin(true, row));
  if (origin) *origin = point;
  return true;
}

bool CGridGeometry::GetCellRect(int row, int col, GridRect* rect) {
  wxPoint origin;
  if (!GetCellOrigin(row, col, &origin)) return false;
  if (rect) {
    *rect =
        GridRect(origin.x, origin.y, origin.x + GetColumnWidth(col) - 1, origin.y + GetRowHeight(row) - 1);
  }
  return true;
}

int CGridGeometry::AxisCellFromPoint(bool vertical, int coordinate, bool allowFixed) {
  if (coordinate < 0) return -1;
  const int count = CountOf(vertical);
  const int fixedSize = FixedSizeOf(vertical);
  if (coordinate < fixedSize) {
    if (!allowFixed) return -1;
    const int reached = FirstCountReaching(vertical, static_cast<std::int64_t>(coordinate) + 1);
    return reached <= FixedCountOf(vertical) && reached <= count ? reached - 1 : -1;
  }
  // The first entry from the top-left one whose end lies beyond the coordinate.
  const int topLeft = TopLeftOf(vertical);
  if (topLeft >= count) return -1;
  const std::int64_t target =
      static_cast<std::int64_t>(coordinate) - fixedSize + SizeBefore(vertical, topLeft) + 1;
  const int reached = std::max(FirstCountReaching(vertical, target), topLeft + 1);
  return reached > count ? -1 : reached - 1;
}

CCellID CGridGeometry::GetCellFromPt(const wxPoint& point, bool allowFixed) {
  const CCellID topLeft = GetTopleftNonFixedCell();
  if (!allowFixed && !IsValid(topLeft.row, topLeft.col)) return CCellID();
  const int col = AxisCellFromPoint(false, point.x, allowFixed);
  const int row = AxisCellFromPoint(true, point.y, allowFixed);
  if (row < 0 || col < 0) return CCellID();
  return CCellID(row, col);
}

bool CGridGeometry::IsCellVisible(int row, int col) {
  if (!IsValid(row, col)) return false;
  if (row < m_fixedRows || col < m_fixedColumns) return true;
  const CellRange visible = GetVisibleNonFixedCellRange(nullptr, true);
  if (!visible.InRange(row, col)) return false;
  GridRect rect;
  if (!GetCellRect(row, col, &rect)) return false;
  return rect.left >= 0 && rect.top >= 0 && rect.left <= m_client.x && rect.top <= m_client.y;
}

// The first non-fixed index at or after the top-left one whose size is above 0.
int CGridGeometry::FirstVisibleIndex(bool vertical) {
  const int index = TopLeftOf(vertical);
  const int last = CountOf(vertical) - 1;
  if (index >= last) return index;
  const int shown = NthShown(vertical, ShownBefore(vertical, index) + 1);
  return shown < 0 ? last : std::min(shown, last);
}

GridRepaint CGridGeometry::StepForward(bool vertical) {
  const int position = m_pos[vertical];
  if (position >= ScrollLimit(vertical)) return GridRepaint::None;
  const int size = SizeOf(vertical, FirstVisibleIndex(vertical));
  SetScrollPos(vertical, position + std::max(size, 0));
  return GridRepaint::ScrollArea;
}

// Back by the last entry of size above 0 before the top-left one (the first
// non-fixed entry when there is none).
GridRepaint CGridGeometry::StepBack(bool vertical) {
  const int position = m_pos[vertical];
  const int topLeft = TopLeftOf(vertical);
  const int fixedCount = FixedCountOf(vertical);
  if (position <= 0 || topLeft <= fixedCount) return GridRepaint::None;
  int index = NthShown(vertical, ShownBefore(vertical, topLeft));
  if (index <= fixedCount) index = fixedCount;
  SetScrollPos(vertical, std::max(0, position - std::max(SizeOf(vertical, index), 0)));
  return GridRepaint::ScrollArea;
}

GridRepaint CGridGeometry::Scroll(bool vertical, GridScrollCode code, int trackPos) {
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
// From a position at the start of an entry, the steps are taken at once.
int CGridGeometry::ScrollToward(bool vertical, int from, int to) {
  const int steps = to > from ? ShownBefore(vertical, to + 1) - ShownBefore(vertical, from + 1)
                              : ShownBefore(vertical, from) - ShownBefore(vertical, to);
  if (steps <= 0) return 0;
  const int topLeft = TopLeftOf(vertical);
  const bool atEntryStart =
      m_pos[vertical] == SizeBefore(vertical, topLeft) - SizeBefore(vertical, FixedCountOf(vertical));
  if (atEntryStart && to > from && StepsForwardAtOnce(vertical, steps)) return steps;
  if (atEntryStart && to < from) {
    StepsBackAtOnce(vertical, steps);
    return steps;
  }
  const GridScrollCode code = to > from ? GridScrollCode::LineDown : GridScrollCode::LineUp;
  for (int step = 0; step < steps; ++step) {
    if (Scroll(vertical, code) == GridRepaint::None) break;
  }
  return steps;
}

// Each step from the start of an entry moves to the end of the next shown
// one, so n steps end after the n-th shown entry from the top-left one (or at
// the bar's limit). False, with nothing changed, when there are not n shown
// entries left.
bool CGridGeometry::StepsForwardAtOnce(bool vertical, int steps) {
  const int target = NthShown(vertical, ShownBefore(vertical, TopLeftOf(vertical)) + steps);
  if (target < 0) return false;
  const int fixedSize = SizeBefore(vertical, FixedCountOf(vertical));
  const int end = SizeBefore(vertical, target + 1) - fixedSize;
  if (m_pos[vertical] < ScrollLimit(vertical)) SetScrollPos(vertical, std::min(end, ScrollLimit(vertical)));
  return true;
}

// Each step from the start of an entry moves to the start of the shown entry
// before it; with fewer shown entries than steps the position reaches 0.
void CGridGeometry::StepsBackAtOnce(bool vertical, int steps) {
  const int fixedCount = FixedCountOf(vertical);
  const int before = ShownBefore(vertical, TopLeftOf(vertical));
  const int available = before - ShownBefore(vertical, fixedCount);
  const int target = available >= steps ? NthShown(vertical, before - steps + 1) : -1;
  const int start = target < 0 ? 0 : SizeBefore(vertical, target) - SizeBefore(vertical, fixedCount);
  if (m_pos[vertical] > 0) SetScrollPos(vertical, std::max(start, 0));
}

bool CGridGeometry::EnsureVisible(int row, int col) {
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
