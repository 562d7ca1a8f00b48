#include "controls/chart/BezierSmoothing.h"

namespace {

// First control points: tridiagonal system with 1 off the diagonal and 2, 4, ..., 4, 2 on it.
std::vector<double> SolveFirstControlPoints(const std::vector<double>& knots) {
  const std::size_t n = knots.size() - 1;
  std::vector<double> rhs(n);
  rhs[0] = knots[0] + 2 * knots[1];
  for (std::size_t i = 1; i + 1 < n; ++i) rhs[i] = 4 * knots[i] + 2 * knots[i + 1];
  rhs[n - 1] = 3 * knots[n - 1];

  std::vector<double> first(n);
  std::vector<double> temp(n);
  double b = 2.0;
  first[0] = rhs[0] / b;
  for (std::size_t i = 1; i < n; ++i) {
    temp[i] = 1 / b;
    b = (i < n - 1 ? 4.0 : 2.0) - temp[i];
    first[i] = (rhs[i] - first[i - 1]) / b;
  }
  for (std::size_t j = 1; j < n; ++j) first[n - j - 1] -= temp[n - j] * first[n - j];
  return first;
}

}  // namespace

std::vector<double> BuildBezierPath(const std::vector<double>& knots) {
  std::vector<double> path;
  if (knots.size() < 2) return path;
  const std::size_t n = knots.size() - 1;
  std::vector<double> first;
  std::vector<double> second(n);
  if (n == 1) {
    // One segment: a straight line with its control points at the thirds.
    first = {(2 * knots[0] + knots[1]) / 3};
    second[0] = (knots[0] + 2 * knots[1]) / 3;
  } else {
    first = SolveFirstControlPoints(knots);
    for (std::size_t i = 0; i + 1 < n; ++i) second[i] = 2 * knots[i + 1] - first[i + 1];
    second[n - 1] = (knots[n] + first[n - 1]) / 2;
  }
  path.reserve(3 * n + 1);
  for (std::size_t i = 0; i < n; ++i) {
    path.push_back(knots[i]);
    path.push_back(first[i]);
    path.push_back(second[i]);
  }
  path.push_back(knots[n]);
  return path;
}
