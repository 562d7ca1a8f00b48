#include "controls/grid/GridPrefixSums.h"

#include <algorithm>

namespace {

int LowBit(int i) { return i & -i; }

}  // namespace

void CGridPrefixSums::Clear() {
  m_values.clear();
  m_tree.clear();
}

void CGridPrefixSums::Assign(const std::vector<int>& values) {
  Clear();
  m_values.reserve(values.size());
  m_tree.reserve(values.size() + 1);
  for (const int value : values) PushBack(value);
}

// Node i sums its own size and its children i - 1, i - 2, i - 4, ... below
// lowbit(i): over n appends that is O(n) in all.
void CGridPrefixSums::PushBack(int value) {
  value = std::max(value, 0);
  if (m_tree.empty()) m_tree.push_back(0);
  m_values.push_back(value);
  const int i = Count();
  std::int64_t sum = value;
  for (int step = 1; step < LowBit(i); step <<= 1) sum += m_tree[static_cast<size_t>(i - step)];
  m_tree.push_back(sum);
}

void CGridPrefixSums::PopBack() {
  if (m_values.empty()) return;
  m_values.pop_back();
  m_tree.pop_back();
}

void CGridPrefixSums::Set(int index, int value) {
  value = std::max(value, 0);
  const std::int64_t delta = static_cast<std::int64_t>(value) - m_values[static_cast<size_t>(index)];
  m_values[static_cast<size_t>(index)] = value;
  if (delta == 0) return;
  for (int i = index + 1; i <= Count(); i += LowBit(i)) m_tree[static_cast<size_t>(i)] += delta;
}

std::int64_t CGridPrefixSums::Prefix(int count) const {
  std::int64_t sum = 0;
  for (int i = std::clamp(count, 0, Count()); i > 0; i -= LowBit(i)) sum += m_tree[static_cast<size_t>(i)];
  return sum;
}

int CGridPrefixSums::FirstCountReaching(std::int64_t target) const {
  if (target <= 0) return 0;
  const int count = Count();
  int step = 1;
  while (step * 2 <= count) step *= 2;
  int position = 0;
  for (; step > 0; step /= 2) {
    const int next = position + step;
    if (next <= count && m_tree[static_cast<size_t>(next)] < target) {
      position = next;
      target -= m_tree[static_cast<size_t>(next)];
    }
  }
  return position + 1;  // Count() + 1 when the whole sum stays below target
}
