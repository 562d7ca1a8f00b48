#include "BoardTestKit.h"

#include "receiver/IrAnalyser.h"

namespace boardtest {

void CTestClock::Sleep(int ms) { m_elapsedMs += ms; }

void CTestClock::WaitForMessage(board::CWorkQueue& queue, int ms) {
  m_elapsedMs += ms;
  ++m_waits;
  queue.Wait();
}

long CRecordingWindows::Send(std::intptr_t window, int message, std::intptr_t wParam, std::intptr_t lParam) {
  stSent sent{window, message, wParam, lParam, {}, {}, m_clock.ElapsedMs()};
  if (message == board::WM_BOARD_STATUS_TEXT) {
    for (const wchar_t* key = reinterpret_cast<const wchar_t*>(lParam); key && *key; ++key) {
      sent.text.push_back(static_cast<char>(*key));
    }
  }
  if (message == board::WM_DECODE_WAVE_BLOCK) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(lParam);
    const std::size_t length = static_cast<std::size_t>(wParam >> 16);
    if (length) sent.record.assign(bytes, bytes + length);
  }
  long result = 0;
  if (message == board::WM_DECODE_PARSE) {
    result = parseResult;
    if (analyse) {
      std::vector<stSent> records = OfKind(board::WM_DECODE_WAVE_BLOCK);
      for (const stSent& record : records) {
        if ((record.wParam & 0xFFFF) == 0x31) LoadCarrierRecord(record.record.data(), record.record.size());
        if ((record.wParam & 0xFFFF) == 0x32) LoadWaveRecord(record.record.data(), record.record.size());
      }
      DecodeByCarrierBand();
    }
  }
  if (message == board::WM_DECODE_DONE) result = doneResult;
  if (onSend) onSend(sent);  // before the test can see the message
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sent.push_back(sent);
  }
  m_changed.notify_all();
  return result;
}

std::vector<stSent> CRecordingWindows::Sent() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_sent;
}

std::vector<std::string> CRecordingWindows::Texts() const {
  std::vector<std::string> texts;
  for (const stSent& sent : Sent()) {
    if (sent.message == board::WM_BOARD_STATUS_TEXT) texts.push_back(sent.text);
  }
  return texts;
}

std::vector<stSent> CRecordingWindows::OfKind(int message) const {
  std::vector<stSent> found;
  for (const stSent& sent : Sent()) {
    if (sent.message == message) found.push_back(sent);
  }
  return found;
}

bool CRecordingWindows::WaitUntil(const std::function<bool(const std::vector<stSent>&)>& pred,
                                  std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> lock(m_mutex);
  return m_changed.wait_for(lock, timeout, [&] { return pred(m_sent); });
}

bool CRecordingWindows::WaitForCount(int message, std::size_t count) const {
  return WaitUntil([&](const std::vector<stSent>& sent) {
    std::size_t seen = 0;
    for (const stSent& one : sent) seen += one.message == message;
    return seen >= count;
  });
}

bool CRecordingWindows::WaitForText(const std::string& key) const {
  return WaitUntil([&](const std::vector<stSent>& sent) {
    for (const stSent& one : sent) {
      if (one.message == board::WM_BOARD_STATUS_TEXT && one.text == key) return true;
    }
    return false;
  });
}

void CRecordingWindows::Clear() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_sent.clear();
}

board::stConduvixApi SimulatorApi() {
  board::stConduvixApi api;
  api.OpenDevice = &CV_OpenDeviceI;
  api.CloseDevice = &CV_CloseDevice;
  api.SetUSBCmd = &CV_SetUSBCmd;
  api.GetUSBAck = &CV_GetUSBAck;
  api.ReadUSB = &CV_ReadUSB;
  return api;
}

stThreadFixture::stThreadFixture(bool makerBrand, board::stNexbootApi bootloader,
                                 RJDecryptFileFn decryptFile) {
  boardsim::Reset();
  board::stWorkThreadSetup setup;
  setup.hid = SimulatorApi();
  setup.bootloader = bootloader;
  setup.decryptFile = decryptFile;
  setup.windows = &windows;
  setup.clock = &clock;
  setup.makerBrand = makerBrand;
  thread = std::make_unique<board::CWorkThread>(setup);
  thread->SetMainWindow(kMainWindow);
  thread->Start();
}

stThreadFixture::~stThreadFixture() { thread.reset(); }

int stThreadFixture::Connect() {
  const std::size_t before = windows.OfKind(board::WM_BOARD_STATE).size();
  const int waitsBefore = clock.Waits();
  thread->PostThreadMessage(board::WM_WT_CONNECT);
  if (!windows.WaitForCount(board::WM_BOARD_BUTTON_STATE, 1) ||
      !windows.WaitForCount(board::WM_BOARD_STATE, before + 1)) {
    return -1;
  }
  const int state = static_cast<int>(windows.OfKind(board::WM_BOARD_STATE).back().wParam);
  if (state == board::kBoardConnected && !WaitForServiceLoopWait(waitsBefore)) return -1;
  return state;
}

bool stThreadFixture::WaitForServiceLoopWait(int waitsBefore) const {
  return testsupport::WaitUntil([&] { return clock.Waits() > waitsBefore; }, std::chrono::milliseconds(1));
}

bool stThreadFixture::Decode() {
  const std::size_t resets = windows.OfKind(board::WM_DECODE_RESET).size();
  thread->PostThreadMessage(board::WM_WT_START_DECODE, kDecodePage);
  // The run ends with decode running cleared and a button state after the reset.
  return windows.WaitUntil([&](const std::vector<stSent>& sent) {
    std::size_t seenResets = 0;
    bool ended = false;
    for (const stSent& one : sent) {
      if (one.message == board::WM_DECODE_RESET) {
        ++seenResets;
        ended = false;
      }
      if (seenResets > resets && one.message == board::WM_BOARD_BUTTON_STATE) ended = true;
    }
    return ended && !thread->IsDecodeRunning();
  });
}

void stThreadFixture::Nudge() { thread->PostThreadMessage(0); }  // a message the thread ignores

}  // namespace boardtest
