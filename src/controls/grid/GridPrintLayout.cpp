#include "controls/grid/GridPrintLayout.h"

namespace {

// Walks the indexes and calls onPage(page, index) where each page after the
// first begins. A page always takes at least one index, so an index larger
// than a page gets a page of its own instead of an empty page before it.
template <class OnPage>
int WalkPages(int first, int count, int pageSize, const std::function<int(int)>& size, OnPage onPage) {
  int pages = 1;
  int sum = 0;
  for (int i = first; i < count; ++i) {
    const int item = size(i);
    if (sum > 0 && sum + item > pageSize) {
      ++pages;
      sum = 0;
      if (onPage(pages, i)) return pages;
    }
    sum += item;
  }
  return pages;
}

}  // namespace

int CountPrintPages(int first, int count, int pageSize, const std::function<int(int)>& size) {
  return WalkPages(first, count, pageSize, size, [](int, int) { return false; });
}

int FirstIndexOfPage(int first, int count, int pageSize, int page, const std::function<int(int)>& size) {
  if (page <= 1) return first;
  int found = count;
  WalkPages(first, count, pageSize, size, [&](int current, int index) {
    if (current != page) return false;
    found = index;
    return true;
  });
  return found;
}
