// The prefix sums against plain sums, and the grid geometry built on them
// against the geometry worked out by summing entry by entry and scrolling one
// line at a time, over random edits, scrolls and queries.
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
void ExpectSameGeometry(CGridGeometry& fast, const CSummingGridGeometry& plain, std::mt19937& random) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "rows" : "columns");
    const SummingAxis& axis = plain.Axis(vertical);
    for (int index = -1; index <= axis.Count(); ++index)
      ASSERT_EQ(vertical ? fast.GetRowHeight(index) : fast.GetColumnWidth(index), axis.Size(index)) << index;
    ASSERT_EQ(vertical ? fast.GetVirtualHeight() : fast.GetVirtualWidth(), axis.Sum(0, axis.Count()));
    ASSERT_EQ(vertical ? fast.GetFixedRowHeight() : fast.GetFixedColumnWidth(), axis.FixedSize());
    ASSERT_EQ(vertical ? fast.GetClientSize().y : fast.GetClientSize().x, axis.client);
    ASSERT_EQ(fast.IsScrollBarShown(vertical), axis.shown);
    ASSERT_EQ(fast.GetScrollMax(vertical), axis.max);
    ASSERT_EQ(fast.GetScrollPage(vertical), axis.page);
    ASSERT_EQ(fast.GetScrollPos(vertical), axis.pos);
  }
  ASSERT_EQ(fast.GetTopleftNonFixedCell(), plain.TopLeft());
  GridRect fastRect, plainRect;
  ASSERT_EQ(fast.GetVisibleNonFixedCellRange(&fastRect), plain.VisibleNonFixedRange(&plainRect));
  ASSERT_EQ(fastRect, plainRect);
  ASSERT_EQ(fast.GetVisibleFixedCellRange(&fastRect), plain.VisibleFixedRange(&plainRect));
  ASSERT_EQ(fastRect, plainRect);
  for (int probe = 0; probe < 6; ++probe) {
    const wxPoint point(static_cast<int>(random() % 700) - 20, static_cast<int>(random() % 700) - 20);
    const bool allowFixed = random() % 2 == 0;
    ASSERT_EQ(fast.GetCellFromPt(point, allowFixed), plain.CellFromPoint(point, allowFixed))
        << point.x << "," << point.y;
    const int row = static_cast<int>(random() % (plain.Axis(true).Count() + 2)) - 1;
    const int col = static_cast<int>(random() % (plain.Axis(false).Count() + 2)) - 1;
    ASSERT_EQ(fast.GetCellRect(row, col, &fastRect), plain.CellRect(row, col, &plainRect));
    ASSERT_EQ(fastRect, plainRect) << row << "," << col;
    ASSERT_EQ(fast.IsCellVisible(row, col), plain.IsCellVisible(row, col)) << row << "," << col;
  }
}

std::vector<int> PlanFields(const GridScrollBarPlan& plan) {
  return {plan.areaEmpty, plan.horzShown, plan.vertShown, plan.horzMax,
          plan.vertMax,   plan.horzPage,  plan.vertPage};
}

// What the random sessions do besides edits, scrolls and queries.
struct SessionMix {
  unsigned seed;
  int smallestArea;    // of the areas the bars are planned for
  bool clientChanges;  // the toolkit's client area also changes on its own
};

void CompareOverRandomSessions(const SessionMix& mix) {
  std::mt19937 random(mix.seed);
  const wxSize bars(15, 15);
  for (int run = 0; run < 150; ++run) {
    SCOPED_TRACE(run);
    CGridGeometry fast;
    CSummingGridGeometry plain;
    auto size = [&] { return random() % 5 == 0 ? 0 : static_cast<int>(5 + random() % 40); };
    for (int step = 0; step < 60; ++step) {
      const unsigned action = random() % (mix.clientChanges ? 17 : 16);
      const int rows = fast.GetRowCount(), cols = fast.GetColumnCount();
      const int row = static_cast<int>(random() % (rows + 1));
      const int col = static_cast<int>(random() % (cols + 1));
      const int value = size();
      const int count = static_cast<int>(random() % 60);
      switch (action) {
        case 0:
          fast.ResizeRows(count, value);
          plain.ResizeRows(count, value);
          ASSERT_EQ(fast.RowOrder(), plain.RowOrder());
          break;
        case 1:
          fast.ResizeColumns(count % 12, value);
          plain.ResizeColumns(count % 12, value);
          break;
        case 2:
          fast.InsertRow(row, value);
          fast.ShiftRowOrder(row, 1);
          plain.InsertRow(row, value);
          ASSERT_EQ(fast.RowOrder(), plain.RowOrder());
          break;
        case 3:
          fast.RemoveRow(row);
          fast.ShiftRowOrder(row, -1);
          plain.RemoveRow(row);
          ASSERT_EQ(fast.RowOrder(), plain.RowOrder());
          break;
        case 4: ASSERT_EQ(fast.SetRowHeight(row, value), plain.SetRowHeight(row, value)); break;
        case 5: ASSERT_EQ(fast.SetColumnWidth(col, value), plain.SetColumnWidth(col, value)); break;
        case 6: {
          const int fixedRows = std::min(static_cast<int>(random() % 3), rows);
          const int fixedCols = std::min(static_cast<int>(random() % 3), cols);
          fast.SetFixedRowCount(fixedRows);
          fast.SetFixedColumnCount(fixedCols);
          plain.SetFixedCounts(fixedRows, fixedCols);
          break;
        }
        case 7: {
          std::vector<int> order(static_cast<size_t>(cols));
          std::iota(order.begin(), order.end(), 0);
          std::shuffle(order.begin(), order.end(), random);
          // As the window does when it moves a column.
          fast.ColumnOrder() = order;
          fast.InvalidateTopLeft();
          plain.SetColumnOrder(order);
          break;
        }
        case 8: {
          const int spread = 460 - mix.smallestArea;
          const wxSize area(mix.smallestArea + static_cast<int>(random() % spread),
                            mix.smallestArea + static_cast<int>(random() % spread));
          ASSERT_EQ(PlanFields(fast.PlanScrollBars(area, bars)),
                    PlanFields(plain.PlanScrollBars(area, bars)));
          break;
        }
        case 9: {
          const bool vertical = random() % 2 == 0;
          const int pos = static_cast<int>(random() % 2000);
          fast.SetScrollPos(vertical, pos);
          plain.SetScrollPos(vertical, pos);
          break;
        }
        case 10:
        case 11: {
          const bool vertical = random() % 2 == 0;
          const auto code = static_cast<GridScrollCode>(random() % 9);
          const int track = static_cast<int>(random() % 2000);
          ASSERT_EQ(static_cast<int>(fast.Scroll(vertical, code, track)),
                    static_cast<int>(plain.Scroll(vertical, code, track)));
          break;
        }
        case 16: {
          const wxSize client(static_cast<int>(random() % 400), static_cast<int>(random() % 400));
          fast.SetClientSize(client);
          plain.SetClientSize(client);
          break;
        }
        default: {
          const int r = static_cast<int>(random() % (rows + 2)) - 1,
                    c = static_cast<int>(random() % (cols + 2)) - 1;
          ASSERT_EQ(fast.EnsureVisible(r, c), plain.EnsureVisible(r, c)) << r << "," << c;
          break;
        }
      }
      ExpectSameGeometry(fast, plain, random);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

TEST(GridGeometrySums, AgreesWithSummingGeometryOverRandomEditsAndScrolls) {
  CompareOverRandomSessions({11, 60, false});
}

// Areas in which the bars leave little or no room beside the fixed cells,
// and a client area other than the one the bars were planned for.
TEST(GridGeometrySums, AgreesInCrampedAndChangedClientAreas) { CompareOverRandomSessions({12, 0, true}); }

}  // namespace
