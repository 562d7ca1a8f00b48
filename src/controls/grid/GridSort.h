// Row sorting of the grid, apart from the window: the quicksort of cell rows
// and the stable sort of the row order used in virtual mode.
#pragma once

#include <functional>
#include <vector>

// Compares two rows' items (negative, 0 or positive).
using GridItemCompare = std::function<int(const void* first, const void* second)>;

struct GridRowSorter {
  // The item of a row in the sort column; it travels with its row when rows swap.
  std::function<const void*(int row)> item;
  GridItemCompare compare;
  std::function<void(int first, int second)> swapRows;
};

// Sorts rows low..high (inclusive) in place. False when high <= low.
bool GridQuickSortRows(const GridRowSorter& sorter, int low, int high, bool ascending);

// Sorts order[first..] stably by less (rows given by their order entries);
// descending sorts by the reversed comparison, so equal rows keep their order.
void GridSortRowOrder(std::vector<int>& order, int first, const std::function<bool(int, int)>& less,
                      bool ascending);
