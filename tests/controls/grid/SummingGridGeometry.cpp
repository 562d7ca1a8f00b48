#include "SummingGridGeometry.h"

// ---- One axis ------------------------------------------------------------------

int SummingAxis::Size(int index) const {
  return index >= 0 && index < Count() ? sizes[static_cast<size_t>(index)] : -1;
}

int SummingAxis::Sum(int from, int to) const {
  int sum = 0;
  for (int index = from; index < to; ++index) sum += Size(index);
  return sum;
}

// From the first non-fixed entry, entries are passed until their sizes reach
// the scroll position; the last entry is as far as it goes.
int SummingAxis::TopLeft() const {
  int index = fixedCount;
  for (int passed = 0; pos > 0 && passed < pos && index < Count() - 1; ++index) passed += Size(index);
  return index;
}

int SummingAxis::LastVisible(int* edge) const {
  int end = FixedSize();
  for (int index = TopLeft(); index < Count(); ++index) {
    end += Size(index);
    if (end >= client) {
      *edge = client;
      return index;
    }
  }
  *edge = end;
  return Count() - 1;
}

// Entries scrolled out before the top-left one lie left of (above) the
// fixed ones.
int SummingAxis::Origin(int index) const {
  if (index < fixedCount) return Sum(0, index);
  const int topLeft = TopLeft();
  if (index >= topLeft) return FixedSize() + Sum(topLeft, index);
  return FixedSize() - Sum(index, topLeft);
}

// The first entry whose far edge lies beyond the coordinate: among the fixed
// ones inside the fixed area, else from the top-left one on.
int SummingAxis::IndexAt(int coordinate, bool allowFixed) const {
  if (coordinate < 0) return -1;
  const bool inFixedArea = coordinate < FixedSize();
  if (inFixedArea && !allowFixed) return -1;
  int edge = inFixedArea ? 0 : FixedSize();
  const int last = inFixedArea ? fixedCount - 1 : Count() - 1;
  for (int index = inFixedArea ? 0 : TopLeft(); index <= last; ++index) {
    edge += Size(index);
    if (edge > coordinate) return index;
  }
  return -1;
}

bool SummingAxis::InView(int index) const {
  int edge = 0;
  const int origin = Origin(index);
  return TopLeft() <= index && index <= LastVisible(&edge) && 0 <= origin && origin <= client;
}

// A bar of range 0..max showing page positions at once stops where the page
// covers the end of the range; a page of 0 counts as 1.
int SummingAxis::LargestPosition() const {
  if (max <= 0) return 0;
  return std::max(0, max + 1 - std::max(page, 1));
}

GridRepaint SummingAxis::Scroll(GridScrollCode code, int trackPos) {
  const int topLeft = TopLeft();
  const int pageStep = std::max(0, client - FixedSize());
  switch (code) {
    case GridScrollCode::LineDown: {
      if (pos >= LargestPosition()) return GridRepaint::None;
      // By the top-left entry, or by the first one after it that has a size.
      int index = topLeft;
      while (index < Count() - 1 && Size(index) == 0) ++index;
      MoveTo(pos + std::max(0, Size(index)));
      return GridRepaint::ScrollArea;
    }
    case GridScrollCode::LineUp: {
      if (pos <= 0 || topLeft <= fixedCount) return GridRepaint::None;
      // By the entry before the top-left one that has a size, or by the first non-fixed one.
      int index = topLeft - 1;
      while (index > fixedCount && Size(index) == 0) --index;
      MoveTo(pos - std::max(0, Size(index)));
      return GridRepaint::ScrollArea;
    }
    case GridScrollCode::PageDown: MoveTo(pos + pageStep); return GridRepaint::ScrollArea;
    case GridScrollCode::PageUp: MoveTo(pos - pageStep); return GridRepaint::ScrollArea;
    case GridScrollCode::ThumbTrack:
    case GridScrollCode::ThumbPosition:
      MoveTo(trackPos);
      return TopLeft() == topLeft ? GridRepaint::None : GridRepaint::ScrollArea;
    case GridScrollCode::Top: MoveTo(0); return GridRepaint::Whole;
    case GridScrollCode::Bottom: MoveTo(max); return GridRepaint::Whole;
    case GridScrollCode::EndScroll: return GridRepaint::None;
  }
  return GridRepaint::None;
}

// One line step for every entry with a size between the visible ones and the
// target, whether or not the step still moves anything.
void SummingAxis::ScrollIntoView(int index, bool cellExists) {
  int edge = 0;
  const int first = TopLeft();
  const int last = LastVisible(&edge);
  for (int passed = last + 1; passed <= index; ++passed) {
    if (Size(passed) > 0) Scroll(GridScrollCode::LineDown, 0);
  }
  for (int passed = index; passed < first; ++passed) {
    if (Size(passed) > 0) Scroll(GridScrollCode::LineUp, 0);
  }
  if (!cellExists) return;
  while (shown && Origin(index) > FixedSize() && Origin(index) + Size(index) - 1 > client) {
    const int before = pos;
    Scroll(GridScrollCode::LineDown, 0);
    if (pos == before) return;
  }
}

// ---- The grid ------------------------------------------------------------------

void CSummingGridGeometry::ShowColumnsInOrder() {
  std::vector<int>& shown = m_axes[0].sizes;
  shown.clear();
  for (int index : m_columnOrder) shown.push_back(m_columnWidths.at(static_cast<size_t>(index)));
}

void CSummingGridGeometry::ResizeRows(int count, int height) {
  count = std::max(0, count);
  m_axes[1].sizes.resize(static_cast<size_t>(count), height);
  while (static_cast<int>(m_rowOrder.size()) < count)
    m_rowOrder.push_back(static_cast<int>(m_rowOrder.size()));
  m_rowOrder.resize(static_cast<size_t>(count));
}

void CSummingGridGeometry::ResizeColumns(int count, int width) {
  count = std::max(0, count);
  m_columnWidths.resize(static_cast<size_t>(count), width);
  m_columnOrder.clear();
  for (int col = 0; col < count; ++col) m_columnOrder.push_back(col);
  ShowColumnsInOrder();
}

// The new row shows stored row `row`; the stored rows from there on move one on.
void CSummingGridGeometry::InsertRow(int row, int height) {
  std::vector<int>& heights = m_axes[1].sizes;
  row = std::clamp(row, 0, static_cast<int>(heights.size()));
  heights.insert(heights.begin() + row, height);
  std::vector<int> order;
  for (int shown = 0; shown <= static_cast<int>(m_rowOrder.size()); ++shown) {
    if (shown == row) {
      order.push_back(row);
      continue;
    }
    const int stored = m_rowOrder[static_cast<size_t>(shown < row ? shown : shown - 1)];
    order.push_back(stored < row ? stored : stored + 1);
  }
  m_rowOrder = order;
}

// The stored row shown at `row` goes; the stored rows after it move one back.
void CSummingGridGeometry::RemoveRow(int row) {
  std::vector<int>& heights = m_axes[1].sizes;
  if (row < 0 || row >= static_cast<int>(heights.size())) return;
  heights.erase(heights.begin() + row);
  if (row < m_axes[1].fixedCount) --m_axes[1].fixedCount;
  const int gone = m_rowOrder[static_cast<size_t>(row)];
  std::vector<int> order;
  for (int shown = 0; shown + 1 < static_cast<int>(m_rowOrder.size()); ++shown) {
    const int stored = m_rowOrder[static_cast<size_t>(shown < row ? shown : shown + 1)];
    order.push_back(stored < gone ? stored : stored - 1);
  }
  m_rowOrder = order;
}

bool CSummingGridGeometry::SetRowHeight(int row, int height) {
  if (row < 0 || row >= m_axes[1].Count() || height < 0) return false;
  m_axes[1].sizes[static_cast<size_t>(row)] = height;
  return true;
}

bool CSummingGridGeometry::SetColumnWidth(int col, int width) {
  if (col < 0 || col >= m_axes[0].Count() || width < 0) return false;
  m_columnWidths.at(static_cast<size_t>(m_columnOrder[static_cast<size_t>(col)])) = width;
  ShowColumnsInOrder();
  return true;
}

void CSummingGridGeometry::SetFixedCounts(int rows, int cols) {
  m_axes[1].fixedCount = rows;
  m_axes[0].fixedCount = cols;
}

void CSummingGridGeometry::SetColumnOrder(const std::vector<int>& order) {
  m_columnOrder = order;
  ShowColumnsInOrder();
}

// Starting without bars, a bar is added while its axis's content is larger
// than the room beside the fixed entries and the other bar, if shown; the
// vertical bar takes its width from the columns' room, the horizontal one
// its height from the rows'.
GridScrollBarPlan CSummingGridGeometry::PlanScrollBars(const wxSize& areaWithoutBars,
                                                       const wxSize& barSizes) {
  const int area[2] = {areaWithoutBars.x, areaWithoutBars.y};
  const int otherBar[2] = {barSizes.x, barSizes.y};
  GridScrollBarPlan plan;
  if (area[0] <= m_axes[0].FixedSize() || area[1] <= m_axes[1].FixedSize()) {
    plan.areaEmpty = true;
    for (int axis : {0, 1}) {
      m_axes[axis].shown = false;
      m_axes[axis].client = area[axis];
    }
    return plan;
  }
  bool shown[2] = {false, false};
  auto room = [&](int axis) { return area[axis] - (shown[1 - axis] ? otherBar[axis] : 0); };
  for (bool added = true; added;) {
    added = false;
    for (int axis : {0, 1}) {
      if (shown[axis] || m_axes[axis].ContentSize() <= room(axis) - m_axes[axis].FixedSize()) continue;
      shown[axis] = true;
      added = true;
    }
  }
  for (int axis : {0, 1}) {
    SummingAxis& bar = m_axes[axis];
    bar.shown = shown[axis];
    bar.client = room(axis);
    bar.max = shown[axis] ? bar.ContentSize() - 1 : 0;
    bar.page = bar.max == 0 ? 0 : bar.client - bar.FixedSize();
    bar.MoveTo(bar.pos);
  }
  plan.horzShown = m_axes[0].shown;
  plan.vertShown = m_axes[1].shown;
  plan.horzMax = m_axes[0].max;
  plan.vertMax = m_axes[1].max;
  plan.horzPage = m_axes[0].page;
  plan.vertPage = m_axes[1].page;
  return plan;
}

GridRepaint CSummingGridGeometry::Scroll(bool vertical, GridScrollCode code, int trackPos) {
  return m_axes[vertical].Scroll(code, trackPos);
}

bool CSummingGridGeometry::EnsureVisible(int row, int col) {
  const int before[2] = {m_axes[0].pos, m_axes[1].pos};
  const bool exists = Exists(row, col);
  m_axes[0].ScrollIntoView(col, exists);
  m_axes[1].ScrollIntoView(row, exists);
  return m_axes[0].pos != before[0] || m_axes[1].pos != before[1];
}

bool CSummingGridGeometry::Exists(int row, int col) const {
  return 0 <= row && row < m_axes[1].Count() && 0 <= col && col < m_axes[0].Count();
}

CCellID CSummingGridGeometry::TopLeft() const { return CCellID(m_axes[1].TopLeft(), m_axes[0].TopLeft()); }

CellRange CSummingGridGeometry::VisibleNonFixedRange(GridRect* rect) const {
  int edge[2] = {0, 0};
  const int last[2] = {m_axes[0].LastVisible(&edge[0]), m_axes[1].LastVisible(&edge[1])};
  *rect = GridRect(0, 0, edge[0], edge[1]);
  return CellRange(m_axes[1].TopLeft(), m_axes[0].TopLeft(), last[1], last[0]);
}

CellRange CSummingGridGeometry::VisibleFixedRange(GridRect* rect) const {
  int bottom = 0;
  const int lastRow = m_axes[1].LastVisible(&bottom);
  *rect = GridRect(0, 0, std::min(m_axes[0].FixedSize(), m_axes[0].client), bottom);
  return CellRange(m_axes[1].TopLeft(), 0, lastRow, m_axes[0].fixedCount - 1);
}

bool CSummingGridGeometry::CellRect(int row, int col, GridRect* rect) const {
  if (!Exists(row, col)) return false;
  const int left = m_axes[0].Origin(col);
  const int top = m_axes[1].Origin(row);
  *rect = GridRect(left, top, left + m_axes[0].Size(col) - 1, top + m_axes[1].Size(row) - 1);
  return true;
}

CCellID CSummingGridGeometry::CellFromPoint(const wxPoint& point, bool allowFixed) const {
  if (!allowFixed && !Exists(m_axes[1].TopLeft(), m_axes[0].TopLeft())) return CCellID();
  const int col = m_axes[0].IndexAt(point.x, allowFixed);
  const int row = m_axes[1].IndexAt(point.y, allowFixed);
  return row >= 0 && col >= 0 ? CCellID(row, col) : CCellID();
}

bool CSummingGridGeometry::IsCellVisible(int row, int col) const {
  if (!Exists(row, col)) return false;
  if (row < m_axes[1].fixedCount || col < m_axes[0].fixedCount) return true;
  return m_axes[1].InView(row) && m_axes[0].InView(col);
}
