// How long a test waits for what a worker thread, the event loop or the
// display still owes it. Only a hang should reach it: on a loaded machine
// such a step can take many seconds.
#pragma once

#include <chrono>
#include <thread>

namespace testsupport {

constexpr std::chrono::seconds kPatience{60};

// Sleeps a step at a time, without running events, until done() holds;
// false when the patience ran out first.
template <typename Done>
bool WaitUntil(Done&& done, std::chrono::milliseconds step) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(step);
  }
  return true;
}

}  // namespace testsupport
