#include "receiver/board/WorkClock.h"

#include "receiver/board/WorkQueue.h"

#include <thread>

namespace board {

void CSystemClock::Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void CSystemClock::WaitForMessage(CWorkQueue& queue, int ms) { queue.WaitFor(std::chrono::milliseconds(ms)); }

}  // namespace board
