// The worker thread's life, its connection to the board, the service loop,
// the message pumps and the board's command exchange.
#include "receiver/board/WorkThread.h"

#include <algorithm>
#include <cstring>

namespace board {

CWorkThread::CWorkThread(const stWorkThreadSetup& setup)
    : m_hid(setup.hid),
      m_bootloader(setup.bootloader),
      m_decryptFile(setup.decryptFile),
      m_windows(setup.windows),
      m_clock(setup.clock ? setup.clock : &m_systemClock),
      m_commands(setup.makerBrand ? kMakerCommands : kPartnerCommands) {}

CWorkThread::~CWorkThread() { Quit(); }

void CWorkThread::Start() {
  if (!m_thread.joinable()) m_thread = std::thread([this] { Run(); });
}

void CWorkThread::PostThreadMessage(int message, std::intptr_t wParam, std::intptr_t lParam) {
  stThreadMessage posted;
  posted.message = message;
  posted.wParam = wParam;
  posted.lParam = lParam;
  m_queue.Post(std::move(posted));
}

void CWorkThread::PostUpdateFirmware(std::intptr_t notifyWindow, const wxString& path) {
  stThreadMessage posted;
  posted.message = WM_WT_UPDATE_FIRMWARE;
  posted.wParam = notifyWindow;
  posted.path = path.Clone();  // a copy of its own for the worker
  m_queue.Post(std::move(posted));
}

void CWorkThread::Quit() {
  if (!m_thread.joinable()) return;
  PostThreadMessage(kMsgQuit);
  m_thread.join();
}

// The thread's own loop between requests.
void CWorkThread::Run() {
  for (;;) {
    m_queue.Wait();
    stThreadMessage message;
    while (m_queue.TryTake(message)) {
      if (message.message == kMsgQuit) m_quitting = true;
      if (m_quitting) break;
      Dispatch(message);
    }
    if (m_quitting) break;
  }
  if (m_boardHandle != -1 && m_hid.CloseDevice) m_hid.CloseDevice(m_boardHandle);
  m_boardHandle = -1;
}

void CWorkThread::Dispatch(const stThreadMessage& message) {
  switch (message.message) {
    case WM_WT_CONNECT: OnConnect(); break;
    case WM_WT_START_DECODE:
      m_notifyWindow = message.wParam;
      OnDecode();
      break;
    case WM_WT_UPDATE_FIRMWARE:
      m_notifyWindow = message.wParam;
      OnUpdateFirmware(message.path);
      break;
    case WM_WT_BUILD_DONE: OnBuildDone(); break;
    default:  // WM_WT_STOP_DECODE outside a run has nothing to stop
      break;
  }
}

// --- Connection and service loop.

void CWorkThread::OnConnect() {
  do {
    m_connectPending = false;
    OpenBoard();
    if (!m_connected) {
      ReportBootloaderState();
      return;
    }
    SendToMain(WM_BOARD_STATE, kBoardConnected, m_firmwareVersion.load());
    SendButtonState();
    ServiceLoop();
    // A connect request that came while the loop ran is handled here.
  } while (m_connectPending && !m_quitting);
}

void CWorkThread::ReportBootloaderState() {
  int answer = -1;
  if (m_bootloader.NameDevice && m_bootloader.DisConnectBootloader && m_bootloader.ConnectToBootloader) {
    m_bootloader.NameDevice(kBootloaderProductId, kVendorId);
    m_bootloader.DisConnectBootloader();
    answer = m_bootloader.ConnectToBootloader();
  }
  SendToMain(WM_BOARD_STATE, answer == 0 ? kBootloaderReachable : kNoBoard, 0);
  SendButtonState();
}

void CWorkThread::ServiceLoop() {
  for (;;) {
    std::uint8_t status = 0;
    if (!ReadStatus(status)) return;  // the board is gone; its removal brings the next connect
    if (status == kStatusAwaitReady) {
      // The board started a run of its own.
      m_decodeRunning = true;
      SendButtonState();
      SendToNotify(WM_DECODE_RESET);
      RunDecode(status);
    }
    if (!PumpMessages()) return;
    if (m_decodePending) {
      m_decodePending = false;
      OnDecode();
    }
    if (m_updatePending) {
      m_updatePending = false;
      OnUpdateFirmware(m_firmwarePath.Clone());
    }
    if (m_connectPending || m_quitting) return;
    m_clock->WaitForMessage(m_queue, 500);
  }
}

bool CWorkThread::PumpMessages() {
  stThreadMessage message;
  while (m_queue.TryTake(message)) {
    if (!PumpOne(message)) return false;
  }
  return true;
}

// One message taken inside the service loop or a run; false on WM_QUIT.
bool CWorkThread::PumpOne(const stThreadMessage& message) {
  switch (message.message) {
    case kMsgQuit:
      m_quitting = true;
      m_queue.Post(message);  // again, for the thread's own loop
      return false;
    case WM_WT_START_DECODE:
      m_notifyWindow = message.wParam;
      m_decodePending = true;
      break;
    case WM_WT_STOP_DECODE:
      if (m_decodeRunning.exchange(false)) StatusText(L"IDS_INTERRUPT_DECODE");
      break;
    case WM_WT_UPDATE_FIRMWARE:
      m_notifyWindow = message.wParam;
      m_firmwarePath = message.path;
      m_updatePending = true;
      break;
    case WM_WT_CONNECT: m_connectPending = true; break;
    case WM_WT_BUILD_DONE: OnBuildDone(); break;
    default: break;
  }
  return true;
}

void CWorkThread::OnBuildDone() {
  if (m_windows) m_windows->BuildDone();
}

// --- Board access.

void CWorkThread::OpenBoard() {
  if (m_boardHandle != -1 && m_hid.CloseDevice) m_hid.CloseDevice(m_boardHandle);
  const int handle = m_hid.OpenDevice ? m_hid.OpenDevice(kVendorId, kBoardProductId) : 0;
  m_boardHandle = handle == 0 ? -1 : handle;
  m_firmwareVersion = 0;
  m_connected = m_boardHandle != -1;
  std::uint16_t version = 0;
  if (m_connected && ReadFirmwareVersion(version)) m_firmwareVersion = version;
}

bool CWorkThread::SendCommand(std::uint8_t cmd, std::uint8_t p1, std::uint8_t* result, std::uint8_t b6,
                              std::uint8_t b3) {
  std::uint8_t packet[8] = {cmd, p1, 0, b3, 0, 0, b6, 0};
  if (!m_hid.SetUSBCmd || !m_hid.SetUSBCmd(m_boardHandle, 8, packet)) return false;
  std::uint8_t ack[8] = {0};
  bool answered = false;
  for (int attempt = 0; attempt < 10 && !answered; ++attempt)
    answered = m_hid.GetUSBAck(m_boardHandle, 8, ack) != 0;
  if (!answered) return false;
  if (ack[0] != static_cast<std::uint8_t>(~cmd)) {
    if (ClearsConnectedOnWrongAck(cmd)) m_connected = false;
    return false;
  }
  if (result) std::memcpy(result, ack + 1, 7);
  return true;
}

bool CWorkThread::ReadStatus(std::uint8_t& status) {
  std::uint8_t result[7] = {0};
  if (!SendCommand(m_commands.readStatus, 0, result)) return false;
  status = result[0];
  return true;
}

bool CWorkThread::EnterBootloader() {
  std::uint8_t result[7] = {0};
  return SendCommand(m_commands.jumpToBootloader, 0, result) && result[0] == 1;
}

bool CWorkThread::ReadFirmwareVersion(std::uint16_t& version) {
  std::uint8_t result[7] = {0};
  if (!SendCommand(m_commands.readVersion, 0, result) || result[0] != 1) return false;
  version = static_cast<std::uint16_t>(result[1] + 256 * result[2]);
  return true;
}

bool CWorkThread::ReadBoardData(std::uint8_t* buffer, int length) {
  for (int offset = 0; offset < length;) {
    const int count = std::min(8, length - offset);
    std::uint8_t chunk[8] = {0};
    if (!m_hid.ReadUSB(m_boardHandle, chunk, count)) return false;
    std::memcpy(buffer + offset, chunk, static_cast<size_t>(count));
    offset += count;
  }
  return true;
}

// --- Messages to the windows.

long CWorkThread::SendToMain(int message, std::intptr_t wParam, std::intptr_t lParam) {
  return m_windows ? m_windows->Send(m_mainWindow, message, wParam, lParam) : 0;
}

long CWorkThread::SendToNotify(int message, std::intptr_t wParam, std::intptr_t lParam) {
  return m_windows ? m_windows->Send(m_notifyWindow, message, wParam, lParam) : 0;
}

void CWorkThread::StatusText(const wchar_t* key) {
  SendToNotify(WM_BOARD_STATUS_TEXT, 0, reinterpret_cast<std::intptr_t>(key));
}

void CWorkThread::SendButtonState() { SendToMain(WM_BOARD_BUTTON_STATE, m_firmwareVersion.load()); }

}  // namespace board
