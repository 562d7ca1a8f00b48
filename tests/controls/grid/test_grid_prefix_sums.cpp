// The prefix sums against plain sums, and the grid geometry built on them
// against the same geometry computed by summing entry by entry and scrolling
// one line at a time, over random edits, scrolls and queries.
#include "SummingGridGeometry.h"
#include "controls/grid/GridGeometry.h"
#include "controls/grid/GridPrefixSums.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

namespace {

std::int64_t PlainPrefix(const std::vector<int>& values, int count) {
  std::int64_t sum = 0;
  for (int i = 0; i < count; ++i) sum += std::max(values[static_cast<size_t>(i)], 0);
  return sum;
}

int PlainFirstCountReaching(const std::vector<int>& values, std::int64_t target) {
  for (int count = 0; count <= static_cast<int>(values.size()); ++count) {
    if (PlainPrefix(values, count) >= target) return count;
  }
  return static_cast<int>(values.size()) + 1;
}

TEST(GridPrefixSums, AgreeWithPlainSumsOverRandomEdits) {
  std::mt19937 random(7);
  CGridPrefixSums sums;
  std::vector<int> plain;
  auto size = [&] {
    return static_cast<int>(random() % 4 == 0 ? 0 : random() % 40) - (random() % 20 == 0 ? 5 : 0);
  };
  for (int step = 0; step < 3000; ++step) {
    const unsigned action = random() % 10;
    if (action < 4) {
      const int value = size();
      sums.PushBack(value);
      plain.push_back(value);
    } else if (action < 5 && !plain.empty()) {
      sums.PopBack();
      plain.pop_back();
    } else if (action < 9 && !plain.empty()) {
      const int index = static_cast<int>(random() % plain.size());
      const int value = size();
      sums.Set(index, value);
      plain[static_cast<size_t>(index)] = value;
    } else if (random() % 30 == 0) {
      plain.resize(random() % 70);
      for (int& value : plain) value = size();
      sums.Assign(plain);
    }
    ASSERT_EQ(sums.Count(), static_cast<int>(plain.size()));
    const int count = static_cast<int>(random() % (plain.size() + 3)) - 1;
    ASSERT_EQ(sums.Prefix(count), PlainPrefix(plain, std::clamp(count, 0, static_cast<int>(plain.size()))));
    const std::int64_t total = PlainPrefix(plain, static_cast<int>(plain.size()));
    const std::int64_t target = static_cast<std::int64_t>(random() % static_cast<unsigned>(total + 3)) - 1;
    ASSERT_EQ(sums.FirstCountReaching(target), PlainFirstCountReaching(plain, target)) << "target " << target;
  }
}

// Every answer the window reads, compared between the two geometries.
void ExpectSameGeometry(CGridGeometry& fast, CSummingGridGeometry& plain, std::mt19937& random) {
  ASSERT_EQ(fast.GetVirtualHeight(), plain.GetVirtualHeight());
  ASSERT_EQ(fast.GetVirtualWidth(), plain.GetVirtualWidth());
  ASSERT_EQ(fast.GetFixedRowHeight(), plain.GetFixedRowHeight());
  ASSERT_EQ(fast.GetFixedColumnWidth(), plain.GetFixedColumnWidth());
  for (bool vertical : {false, true}) ASSERT_EQ(fast.GetScrollPos(vertical), plain.GetScrollPos(vertical));
  ASSERT_EQ(fast.GetTopleftNonFixedCell(), plain.GetTopleftNonFixedCell());
  GridRect fastRect, plainRect;
  const CellRange fastRange = fast.GetVisibleNonFixedCellRange(&fastRect);
  const CellRange plainRange = plain.GetVisibleNonFixedCellRange(&plainRect);
  ASSERT_EQ(fastRange, plainRange);
  ASSERT_EQ(fastRect, plainRect);
  ASSERT_EQ(fast.GetVisibleFixedCellRange(&fastRect), plain.GetVisibleFixedCellRange(&plainRect));
  ASSERT_EQ(fastRect, plainRect);
  for (int probe = 0; probe < 6; ++probe) {
    const wxPoint point(static_cast<int>(random() % 700) - 20, static_cast<int>(random() % 700) - 20);
    const bool allowFixed = random() % 2 == 0;
    ASSERT_EQ(fast.GetCellFromPt(point, allowFixed), plain.GetCellFromPt(point, allowFixed))
        << point.x << "," << point.y;
    const int row = static_cast<int>(random() % (plain.GetRowCount() + 2)) - 1;
    const int col = static_cast<int>(random() % (plain.GetColumnCount() + 2)) - 1;
    ASSERT_EQ(fast.GetCellRect(row, col, &fastRect), plain.GetCellRect(row, col, &plainRect));
    ASSERT_EQ(fastRect, plainRect) << row << "," << col;
    ASSERT_EQ(fast.IsCellVisible(row, col), plain.IsCellVisible(row, col));
  }
}

TEST(GridGeometrySums, AgreesWithSummingGeometryOverRandomEditsAndScrolls) {
  std::mt19937 random(11);
  const wxSize bars(15, 15);
  for (int run = 0; run < 150; ++run) {
    SCOPED_TRACE(run);
    CGridGeometry fast;
    CSummingGridGeometry plain;
    // Both sides get the same call; the returned values must agree too.
    auto both = [&](auto&& call) {
      const auto a = call(fast);
      const auto b = call(plain);
      ASSERT_EQ(a, b);
    };
    auto size = [&] { return random() % 5 == 0 ? 0 : static_cast<int>(5 + random() % 40); };
    for (int step = 0; step < 60; ++step) {
      const unsigned action = random() % 16;
      const int rows = plain.GetRowCount(), cols = plain.GetColumnCount();
      const int row = static_cast<int>(random() % (rows + 1));
      const int col = static_cast<int>(random() % (cols + 1));
      const int value = size();
      const int count = static_cast<int>(random() % 60);
      switch (action) {
        case 0:
          both([&](auto& g) {
            g.ResizeRows(count, value);
            return 0;
          });
          break;
        case 1:
          both([&](auto& g) {
            g.ResizeColumns(count % 12, value);
            return 0;
          });
          break;
        case 2:
          both([&](auto& g) {
            g.InsertRow(row, value);
            g.ShiftRowOrder(row, 1);
            return g.RowOrder();
          });
          break;
        case 3:
          both([&](auto& g) {
            g.RemoveRow(row);
            g.ShiftRowOrder(row, -1);
            return g.RowOrder();
          });
          break;
        case 4: both([&](auto& g) { return g.SetRowHeight(row, value); }); break;
        case 5: both([&](auto& g) { return g.SetColumnWidth(col, value); }); break;
        case 6: {
          const int fixedRows = static_cast<int>(random() % 3), fixedCols = static_cast<int>(random() % 3);
          both([&](auto& g) {
            g.SetFixedRowCount(std::min(fixedRows, g.GetRowCount()));
            g.SetFixedColumnCount(std::min(fixedCols, g.GetColumnCount()));
            return 0;
          });
          break;
        }
        case 7: {
          std::vector<int> order(static_cast<size_t>(cols));
          std::iota(order.begin(), order.end(), 0);
          std::shuffle(order.begin(), order.end(), random);
          both([&](auto& g) {
            g.ColumnOrder() = order;
            return 0;
          });
          break;
        }
        case 8: {
          const wxSize area(static_cast<int>(60 + random() % 400), static_cast<int>(60 + random() % 400));
          both([&](auto& g) {
            const GridScrollBarPlan plan = g.PlanScrollBars(area, bars);
            return std::vector<int>{plan.areaEmpty, plan.horzShown, plan.vertShown, plan.horzMax,
                                    plan.vertMax,   plan.horzPage,  plan.vertPage};
          });
          break;
        }
        case 9: {
          const bool vertical = random() % 2 == 0;
          const int pos = static_cast<int>(random() % 2000);
          both([&](auto& g) {
            g.SetScrollPos(vertical, pos);
            return g.GetScrollPos(vertical);
          });
          break;
        }
        case 10:
        case 11: {
          const bool vertical = random() % 2 == 0;
          const auto code = static_cast<GridScrollCode>(random() % 9);
          const int track = static_cast<int>(random() % 2000);
          both([&](auto& g) { return static_cast<int>(g.Scroll(vertical, code, track)); });
          break;
        }
        default: {
          const int r = static_cast<int>(random() % (rows + 2)) - 1,
                    c = static_cast<int>(random() % (cols + 2)) - 1;
          both([&](auto& g) { return g.EnsureVisible(r, c); });
          break;
        }
      }
      ExpectSameGeometry(fast, plain, random);
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace
