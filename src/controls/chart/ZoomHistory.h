// Headless zoom history of the wave chart's horizontal axis.
#pragma once

#include <optional>
#include <vector>

// The horizontal range before one zoom step.
struct stZoomNode {
  double minimum = 0.0;
  double maximum = 0.0;
};

class CZoomHistory {
 public:
  // Records the end of a zoom gesture on the range [minimum, maximum] shown at
  // release. For a reversed rectangle dragged with the button, returns the
  // range the axis goes back to: the last zoom step, or the starting range
  // once the history is empty.
  std::optional<stZoomNode> OnRelease(double minimum, double maximum, bool reversed, bool dragging);

  // Forgets every step and the starting range.
  void Clear();

  const std::vector<stZoomNode>& Steps() const { return m_stack; }
  bool HasStartingRange() const { return !(m_start.minimum == 0.0 && m_start.maximum == 0.0); }
  const stZoomNode& StartingRange() const { return m_start; }

 private:
  std::vector<stZoomNode> m_stack;
  stZoomNode m_start;
};
