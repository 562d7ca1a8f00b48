// Headless point storage of a chart series: growth in fixed increments, order
// by X or Y, running extremes and the binary search of the visible range.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

struct SChartXYPoint {
  double X = 0.0;
  double Y = 0.0;
};

enum ChartOrdering { kOrderNone = 0, kOrderByX = 1, kOrderByY = 2 };

template <class PointType>
class CChartPointStore {
 public:
  static constexpr unsigned kResizeIncrement = 1000;

  CChartPointStore() : m_points(kResizeIncrement) {}

  unsigned Count() const { return m_count; }
  unsigned Capacity() const { return static_cast<unsigned>(m_points.size()); }
  const PointType& At(unsigned index) const { return m_points[index]; }
  const PointType* Data() const { return m_points.data(); }
  int GetOrdering() const { return m_ordering; }

  void Add(const PointType& point) {
    if (m_count == Capacity()) m_points.resize(Capacity() + kResizeIncrement);
    WidenExtremes(point);
    unsigned slot = m_count;
    if (m_ordering != kOrderNone && m_count > 0 && Key(m_points[m_count - 1]) > Key(point)) {
      slot = static_cast<unsigned>(
          std::upper_bound(m_points.begin(), m_points.begin() + m_count, point,
                           [this](const PointType& a, const PointType& b) { return Key(a) < Key(b); }) -
          m_points.begin());
      std::move_backward(m_points.begin() + slot, m_points.begin() + m_count, m_points.begin() + m_count + 1);
    }
    m_points[slot] = point;
    ++m_count;
  }

  void SetOrdering(int ordering) {
    m_ordering = ordering;
    if (ordering == kOrderNone) return;
    std::stable_sort(m_points.begin(), m_points.begin() + m_count,
                     [this](const PointType& a, const PointType& b) { return Key(a) < Key(b); });
  }

  // Removes every point; capacity and running extremes start afresh.
  void Clear() {
    m_points.assign(kResizeIncrement, PointType());
    m_count = 0;
    m_xMin = m_xMax = m_yMin = m_yMax = 0.0;
  }

  bool GetXMinMax(double& minimum, double& maximum) const {
    if (m_count == 0) return false;
    minimum = m_xMin;
    maximum = m_xMax;
    return true;
  }
  bool GetYMinMax(double& minimum, double& maximum) const {
    if (m_count == 0) return false;
    minimum = m_yMin;
    maximum = m_yMax;
    return true;
  }

  // The first index in [low, high] whose key is past value, or high.
  unsigned Search(unsigned low, unsigned high, double value) const {
    while (low < high) {
      const unsigned mid = low + (high - low) / 2;
      if (Key(m_points[mid]) <= value) {
        low = mid + 1;
      } else {
        high = mid;
      }
    }
    return low;
  }

  // The index range drawn for the axis range [minimum, maximum] along the sort key.
  bool GetVisibleRange(double minimum, double maximum, unsigned& first, unsigned& last) const {
    if (m_count == 0) return false;
    if (m_ordering == kOrderNone) {
      first = 0;
      last = m_count - 1;
      return true;
    }
    first = Search(0, m_count - 1, minimum);
    last = Search(first, m_count - 1, maximum);
    return true;
  }

  // Extremes of X (or Y) over [first, last), or of the first point when the range is one index.
  void GetRangeExtremes(unsigned first, unsigned last, bool ofX, double& minimum, double& maximum) const {
    minimum = maximum = ofX ? m_points[first].X : m_points[first].Y;
    for (unsigned i = first; i < last; ++i) {
      const double value = ofX ? m_points[i].X : m_points[i].Y;
      minimum = std::min(minimum, value);
      maximum = std::max(maximum, value);
    }
  }

 private:
  double Key(const PointType& point) const { return m_ordering == kOrderByY ? point.Y : point.X; }

  void WidenExtremes(const PointType& point) {
    if (m_count == 0) {
      m_xMin = m_xMax = point.X;
      m_yMin = m_yMax = point.Y;
      return;
    }
    m_xMin = std::min(m_xMin, point.X);
    m_xMax = std::max(m_xMax, point.X);
    m_yMin = std::min(m_yMin, point.Y);
    m_yMax = std::max(m_yMax, point.Y);
  }

  double m_xMin = 0.0;
  double m_xMax = 0.0;
  double m_yMin = 0.0;
  double m_yMax = 0.0;
  std::vector<PointType> m_points;
  unsigned m_count = 0;
  int m_ordering = kOrderByX;
};
