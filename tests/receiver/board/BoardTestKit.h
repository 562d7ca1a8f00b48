// A recording window side, a test clock and a thread set up on the simulated
// board, for the worker thread's tests.
#pragma once

#include "receiver/board/WorkThread.h"

#include "Patience.h"
#include "boardsim.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace boardtest {

// Pauses take no real time; the clock counts them. The service loop waits
// for the next posted message, so it polls the board only when a test asks.
class CTestClock : public board::IWorkClock {
 public:
  void Sleep(int ms) override;
  void WaitForMessage(board::CWorkQueue& queue, int ms) override;
  long long ElapsedMs() const { return m_elapsedMs.load(); }
  // How many times the service loop has gone to wait for a message.
  int Waits() const { return m_waits.load(); }

 private:
  std::atomic<long long> m_elapsedMs{0};
  std::atomic<int> m_waits{0};
};

// One message a window received, with what its pointer carried at the time.
struct stSent {
  std::intptr_t window = 0;
  int message = 0;
  std::intptr_t wParam = 0;
  std::intptr_t lParam = 0;
  std::string text;                  // WM_BOARD_STATUS_TEXT: the key
  std::vector<std::uint8_t> record;  // WM_DECODE_WAVE_BLOCK: the record's bytes
  long long clockMs = 0;
};

class CRecordingWindows : public board::IBoardWindows {
 public:
  explicit CRecordingWindows(const CTestClock& clock) : m_clock(clock) {}

  long Send(std::intptr_t window, int message, std::intptr_t wParam, std::intptr_t lParam) override;

  // Answers of the parse and done messages; the parse answer runs the
  // analyser over the delivered records when analyse is set.
  long parseResult = 1;
  long doneResult = 1;
  bool analyse = false;
  // Called on the worker thread for every message, before it is recorded.
  std::function<void(const stSent&)> onSend;

  std::vector<stSent> Sent() const;
  std::vector<std::string> Texts() const;
  std::vector<stSent> OfKind(int message) const;
  // Waits (real time, bounded) until pred holds over what was sent.
  bool WaitUntil(const std::function<bool(const std::vector<stSent>&)>& pred,
                 std::chrono::milliseconds timeout = testsupport::kPatience) const;
  bool WaitForCount(int message, std::size_t count) const;
  bool WaitForText(const std::string& key) const;
  void Clear();

 private:
  const CTestClock& m_clock;
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_changed;
  std::vector<stSent> m_sent;
};

constexpr std::intptr_t kMainWindow = 0x1000;
constexpr std::intptr_t kDecodePage = 0x2000;

// Worker thread on the simulator's Conduvix exports; the board reset first.
struct stThreadFixture {
  explicit stThreadFixture(bool makerBrand = false, board::stNexbootApi bootloader = {},
                           RJDecryptFileFn decryptFile = nullptr);
  ~stThreadFixture();
  // Posts WM_WT_CONNECT and waits for the board state it reports; with a
  // board, also until the service loop has polled once and waits, so that
  // what a test arms next meets the loop's next poll.
  int Connect();
  // Posts WM_WT_START_DECODE from the decode page and waits for the run's end.
  bool Decode();
  // Lets the service loop poll once more.
  void Nudge();
  // Waits (real time, bounded) until the loop has gone to wait more than waitsBefore times.
  bool WaitForServiceLoopWait(int waitsBefore) const;

  CTestClock clock;
  CRecordingWindows windows{clock};
  std::unique_ptr<board::CWorkThread> thread;
};

board::stConduvixApi SimulatorApi();

}  // namespace boardtest
