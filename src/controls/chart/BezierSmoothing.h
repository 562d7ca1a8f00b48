// Headless control points of a smooth cubic Bezier path through a row of knots.
#pragma once

#include <cstddef>
#include <vector>

// For knots K0..Kn of one coordinate, the path K0, P1[0], P2[0], K1, ..., Kn
// (3n + 1 values). Fewer than two knots give an empty path.
std::vector<double> BuildBezierPath(const std::vector<double>& knots);
