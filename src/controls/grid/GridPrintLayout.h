// Page arithmetic of grid printing: how rows (or columns) fall onto pages
// when each page takes as many as fit into its height (or width).
#pragma once

#include <functional>

// Pages needed for the sizes of indexes first..count-1: a page is added
// whenever the running sum would pass pageSize; a page always takes at
// least one index, so an index larger than a page gets a page of its own.
int CountPrintPages(int first, int count, int pageSize, const std::function<int(int)>& size);

// The first index on page (1-based) under the same rule.
int FirstIndexOfPage(int first, int count, int pageSize, int page, const std::function<int(int)>& size);
