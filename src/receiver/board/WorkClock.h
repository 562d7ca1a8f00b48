// The worker thread's pauses, behind an interface so that tests run them on a
// clock of their own.
#pragma once

#include <chrono>

namespace board {

class CWorkQueue;

class IWorkClock {
 public:
  virtual ~IWorkClock() = default;
  // A fixed pause.
  virtual void Sleep(int ms) = 0;
  // A pause that a posted message ends early (the service loop's wait).
  virtual void WaitForMessage(CWorkQueue& queue, int ms) = 0;
};

// Real time.
class CSystemClock : public IWorkClock {
 public:
  void Sleep(int ms) override;
  void WaitForMessage(CWorkQueue& queue, int ms) override;
};

}  // namespace board
