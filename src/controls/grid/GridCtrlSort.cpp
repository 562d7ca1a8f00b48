// Header clicks and sorting of the grid's rows.
#include "controls/grid/GridCtrl.h"

#include "controls/grid/GridSort.h"

#include <wx/utils.h>

#include <cstdint>
#include <string>

CGridCtrl* CGridCtrl::s_sortingGrid = nullptr;

namespace {

// The text as UTF-16 code units, whatever the platform's wxString holds.
std::u16string ToUtf16(const wxString& text) {
  std::u16string units;
  for (const wxUniChar ch : text) {
    std::uint32_t value = ch.GetValue();
    if (value >= 0x10000) {
      value -= 0x10000;
      units += static_cast<char16_t>(0xD800 + (value >> 10));
      units += static_cast<char16_t>(0xDC00 + (value & 0x3FF));
    } else {
      units += static_cast<char16_t>(value);
    }
  }
  return units;
}

}  // namespace

void CGridCtrl::OnFixedColumnClick(const CCellID& cell) {
  if (!IsValid(cell) || !m_fixedColumnSelection) return;
  m_mouseMode = cell.row < GetFixedRowCount() ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
  OnSelecting(cell);
}

void CGridCtrl::OnFixedRowClick(const CCellID& cell) {
  if (!IsValid(cell)) return;
  if (m_sortOnClick) {
    wxBusyCursor wait;
    const bool ascending = cell.col == m_sortColumn ? !m_ascending : true;
    SortItems(cell.col, ascending);
    Refresh();
  }
  if (m_fixedRowSelection) {
    m_mouseMode = cell.col >= GetFixedColumnCount() ? MOUSE_SELECT_COL : MOUSE_SELECT_ALL;
    OnSelecting(cell);
  }
}

int CGridCtrl::CompareCellText(const CGridCellBase* first, const CGridCellBase* second, GridParam data) {
  wxUnusedVar(data);
  if (!first || !second) return 0;
  const int result = ToUtf16(first->GetText()).compare(ToUtf16(second->GetText()));
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

bool CGridCtrl::SortItems(int col, bool ascending, GridParam data) {
  return SortItems(m_compareFunction ? m_compareFunction : &CGridCtrl::CompareCellText, col, ascending, data);
}

bool CGridCtrl::SortItems(GridCompareFunc compare, int col, bool ascending, GridParam data) {
  SetSortColumn(col);
  m_ascending = ascending;
  ResetSelectedRange();
  if (col < 0 || col >= GetColumnCount()) return false;
  const int first = GetFixedRowCount();
  const int last = GetRowCount() - 1;
  if (last <= first) return false;

  if (m_virtualMode) {
    if (!m_virtualCompare) return false;
    m_draggedColumn = ColumnOrder()[col];
    s_sortingGrid = this;
    GridSortRowOrder(RowOrder(), first, m_virtualCompare, ascending);
    s_sortingGrid = nullptr;
    m_draggedColumn = -1;
    return true;
  }
  GridRowSorter sorter;
  sorter.item = [this, col](int row) -> const void* { return GetCell(row, col); };
  sorter.compare = [compare, data](const void* a, const void* b) {
    return compare(static_cast<const CGridCellBase*>(a), static_cast<const CGridCellBase*>(b), data);
  };
  sorter.swapRows = [this](int a, int b) {
    std::swap(m_rowData[a], m_rowData[b]);
    const int height = GetRowHeight(a);
    m_geometry.SetRowHeight(a, GetRowHeight(b));
    m_geometry.SetRowHeight(b, height);
  };
  return GridQuickSortRows(sorter, first, last, ascending);
}
