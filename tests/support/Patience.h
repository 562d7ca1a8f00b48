// How long a test waits for what a worker thread, the event loop or the
// display still owes it. Only a hang should reach it: on a loaded machine
// such a step can take many seconds.
#pragma once

#include <chrono>

namespace testsupport {

constexpr std::chrono::seconds kPatience{60};

}  // namespace testsupport
