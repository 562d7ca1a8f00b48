// The decode run: the board's status machine from the request to the
// delivered capture records.
#include "receiver/board/WorkThread.h"

#include "core/DocManage.h"

#include <vector>

namespace board {

namespace {
constexpr int kSignalWaitTicks = 300;  // 10 ms each: about 3 s
}  // namespace

void CWorkThread::OnDecode() {
  m_decodeRunning = true;
  SendButtonState();
  SendToNotify(WM_DECODE_RESET);
  std::uint8_t result[7] = {0};
  const wchar_t* failure = nullptr;
  std::uint8_t status = 0;
  if (!SendCommand(m_commands.readStatus, 0, result, 8, 3)) {
    failure = L"IDS_GETSTATUS_ERR";
  } else if (result[0] != kStatusIdle) {
    failure = L"IDS_DEVICE_BUSY";
  } else if (!SendCommand(kCmdEnterDecode, 2, result)) {
    failure = L"IDS_INTOMODE_ERR";
  } else if (!ReadStatus(status)) {
    failure = L"IDS_GETSTATUS_ERR";
  } else {
    RunDecode(status);
    return;
  }
  StatusText(failure);
  m_decodeRunning = false;
  SendButtonState();
}

void CWorkThread::RunDecode(std::uint8_t status) {
  bool armed = false;
  while (m_decodeRunning) {
    if (armed) {
      if (status != kStatusCaptureComplete) {
        StatusText(L"IDS_DECODE_ERR");
        break;
      }
      armed = false;
    }
    if (!HandleBoardStatus(status, armed)) break;
    m_clock->Sleep(100);
    if (!PumpMessages()) break;
    if (!ReadStatus(status)) {
      StatusText(L"IDS_GETSTATUS_ERR");
      break;
    }
  }
  m_decodeRunning = false;
  SendButtonState();
}

bool CWorkThread::HandleBoardStatus(std::uint8_t status, bool& armed) {
  switch (status) {
    case kStatusIdle:
    case kStatusKeepPolling: return true;
    case kStatusAwaitReady: {
      StatusText(L"IDS_WAIT_SIGNAL");
      std::uint8_t packet[8];
      std::copy(std::begin(kReadyPacket), std::end(kReadyPacket), packet);
      if (!m_hid.SetUSBCmd || !m_hid.SetUSBCmd(m_boardHandle, 8, packet)) {
        StatusText(L"IDS_READY_ERR");
        return false;
      }
      armed = true;
      return WaitForSignal(kSignalWaitTicks);
    }
    case kStatusCaptureComplete: {
      StatusText(L"IDS_RECEIVE_OVER_PARSING");
      if (!ReadCaptureRecords()) return false;
      std::uint8_t result[7] = {0};
      if (!SendCommand(kCmdDataSaved, 5, result)) {
        StatusText(L"IDS_TELLSAVE_ERR");
        return false;
      }
      StatusText(L"IDS_DECODE_SUCCESS");
      m_decodeRunning = false;
      return SendToNotify(WM_DECODE_DONE) != 0;
    }
    case kStatusRunEnded: m_decodeRunning = false; return true;
    default: StatusText(L"IDS_PARSETYP_ERR"); return false;
  }
}

// True when the wait ran out, false when the run was interrupted meanwhile.
bool CWorkThread::WaitForSignal(int ticks) {
  for (int tick = 0; tick < ticks; ++tick) {
    stThreadMessage message;
    while (m_queue.TryTake(message)) {
      if (message.message == kMsgQuit) {
        // Posted again for the thread's loop; the run ends with the wait.
        PumpOne(message);
        break;
      }
      PumpOne(message);
    }
    if (!m_decodeRunning || m_quitting) return false;
    m_clock->Sleep(10);
  }
  return true;
}

bool CWorkThread::ReadCaptureRecords() {
  bool anyRecord = false;
  for (int id = kFirstRecordId; id <= kLastRecordId; ++id) {
    if (!IsCaptureRecordId(static_cast<std::uint8_t>(id))) continue;
    std::uint8_t result[7] = {0};
    if (!SendCommand(kCmdRecordHeader, static_cast<std::uint8_t>(id), result) || result[0] != id) {
      StatusText(L"IDS_RECEIVE_WAVE_DATA_ERR");
      return false;
    }
    const int length = id == kFirstRecordId ? result[5] : result[5] + 256 * result[6];
    std::vector<std::uint8_t> record(static_cast<size_t>(length), 0);
    if (!ReadBoardData(record.data(), length)) {
      StatusText(L"IDS_RECEIVE_WAVE_DATA_ERR");
      return false;
    }
    if (length > GetCaptureRecordCapacity(static_cast<std::uint8_t>(id))) {
      StatusText(L"IDS_RECEIVE_SIZE_TOO_SHORT");
      return false;
    }
    SendToNotify(WM_DECODE_WAVE_BLOCK, (static_cast<std::intptr_t>(length) << 16) | id,
                 reinterpret_cast<std::intptr_t>(record.data()));
    anyRecord = true;
  }
  if (!anyRecord) return false;
  if (SendToNotify(WM_DECODE_PARSE) != 0) return true;
  StatusText(L"IDS_PARSE_DATA_FAILED");
  return false;
}

}  // namespace board
