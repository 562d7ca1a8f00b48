#include "controls/grid/GridSort.h"

#include <algorithm>

bool GridQuickSortRows(const GridRowSorter& sorter, int low, int high, bool ascending) {
  if (high <= low) return false;
  const int direction = ascending ? 1 : -1;
  const auto compare = [&](const void* a, const void* b) { return direction * sorter.compare(a, b); };
  const void* pivot = sorter.item((low + high) / 2);
  int lo = low;
  int hi = high;
  while (lo <= hi) {
    while (lo < high && compare(sorter.item(lo), pivot) < 0) ++lo;
    while (hi > low && compare(sorter.item(hi), pivot) > 0) --hi;
    if (lo <= hi) {
      if (compare(sorter.item(lo), sorter.item(hi)) != 0) sorter.swapRows(lo, hi);
      ++lo;
      --hi;
    }
  }
  if (low < hi) GridQuickSortRows(sorter, low, hi, ascending);
  if (lo < high) GridQuickSortRows(sorter, lo, high, ascending);
  return true;
}

void GridSortRowOrder(std::vector<int>& order, int first, const std::function<bool(int, int)>& less,
                      bool ascending) {
  if (first < 0 || first >= static_cast<int>(order.size())) return;
  if (ascending) {
    std::stable_sort(order.begin() + first, order.end(), less);
  } else {
    std::stable_sort(order.begin() + first, order.end(), [&less](int a, int b) { return less(b, a); });
  }
}
