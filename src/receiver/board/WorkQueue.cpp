#include "receiver/board/WorkQueue.h"

namespace board {

void CWorkQueue::Post(stThreadMessage message) {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.push_back(std::move(message));
  }
  m_posted.notify_all();
}

bool CWorkQueue::TryTake(stThreadMessage& message) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_messages.empty()) return false;
  message = std::move(m_messages.front());
  m_messages.pop_front();
  return true;
}

bool CWorkQueue::WaitFor(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(m_mutex);
  return m_posted.wait_for(lock, timeout, [this] { return !m_messages.empty(); });
}

void CWorkQueue::Wait() {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_posted.wait(lock, [this] { return !m_messages.empty(); });
}

}  // namespace board
