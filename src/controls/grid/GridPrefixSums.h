// Prefix sums of a sequence of sizes (a Fenwick tree): changing one size, the
// sum of the first n sizes and the search for the first prefix that reaches a
// value each take O(log n); appending a size takes amortised O(1). Negative
// sizes count as 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CGridPrefixSums {
 public:
  int Count() const { return static_cast<int>(m_values.size()); }
  void Clear();
  void Assign(const std::vector<int>& values);
  void PushBack(int value);
  void PopBack();
  void Set(int index, int value);
  int Get(int index) const { return m_values[static_cast<std::size_t>(index)]; }
  // The sum of the first count sizes; count is clamped to [0, Count()].
  std::int64_t Prefix(int count) const;
  // The smallest count whose prefix sum is at least target; Count() + 1 when
  // even the whole sum is below it.
  int FirstCountReaching(std::int64_t target) const;

 private:
  std::vector<int> m_values;
  std::vector<std::int64_t> m_tree;  // 1-based: node i holds the sizes (i - lowbit(i), i]
};
