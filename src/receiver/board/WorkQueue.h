// The worker thread's message queue: any thread posts, the worker takes.
#pragma once

#include <wx/string.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

namespace board {

struct stThreadMessage {
  int message = 0;
  std::intptr_t wParam = 0;
  std::intptr_t lParam = 0;
  wxString path;  // WM_WT_UPDATE_FIRMWARE: the firmware file (the queue owns its copy)
};

class CWorkQueue {
 public:
  void Post(stThreadMessage message);
  // The oldest message, when there is one.
  bool TryTake(stThreadMessage& message);
  // Waits until a message is queued or the time has passed; true when one is queued.
  bool WaitFor(std::chrono::milliseconds timeout);
  void Wait();

 private:
  std::mutex m_mutex;
  std::condition_variable m_posted;
  std::deque<stThreadMessage> m_messages;
};

}  // namespace board
