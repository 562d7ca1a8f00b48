// The simulated board's application side behind the Conduvix exports: its
// command set, decode-run state machine and capture records.
#include "SimState.h"
#include "conduvix.h"

#include <algorithm>
#include <cstring>

namespace boardsim {
namespace {

constexpr std::uint8_t kReadyPacketBytes[8] = {0x01, 0x02, 0x03, 0x00, 0x00, 0x08, 0x00, 0x00};

enum class Command {
  kUnknown,
  kJumpToBootloader,
  kReadVersion,
  kReadStatus,
  kEnterDecode,
  kDataSaved,
  kRecordHeader
};

Command Classify(std::uint8_t cmd, Brand brand) {
  const bool maker = brand != Brand::kPartner;
  const bool partner = brand != Brand::kMaker;
  if ((maker && cmd == 0x06) || (partner && cmd == 0x07)) return Command::kJumpToBootloader;
  if ((maker && cmd == 0x09) || (partner && cmd == 0x0A)) return Command::kReadVersion;
  if ((maker && cmd == 0x81) || (partner && cmd == 0x91)) return Command::kReadStatus;
  if (cmd == 0x02) return Command::kEnterDecode;
  if (cmd == 0x01) return Command::kDataSaved;
  if (cmd == 0x82) return Command::kRecordHeader;
  return Command::kUnknown;
}

std::uint16_t RecordCapacity(int id) { return id == 0x31 ? 16 : id == 0x32 ? 600 : 0; }

void Log(const char* function, const std::uint8_t* bytes, int count, int argument, int result) {
  stCall call;
  call.function = function;
  if (bytes && count > 0) call.bytes.assign(bytes, bytes + count);
  call.argument = argument;
  call.result = result;
  State().log.push_back(std::move(call));
}

bool HandleOpen(int handle) {
  const stSimState& state = State();
  return handle != 0 && state.plugged && state.mode == Mode::kApplication && handle == state.openHandle;
}

std::uint8_t NextStatus() {
  stSimState& state = State();
  if (!state.scriptedStatuses.empty()) {
    const std::uint8_t status = state.scriptedStatuses.front();
    state.scriptedStatuses.pop_front();
    return status;
  }
  if (state.phase == RunPhase::kIdle && state.runButtonPressed) {
    state.runButtonPressed = false;
    state.phase = RunPhase::kAwaitReady;
  }
  switch (state.phase) {
    case RunPhase::kIdle: return 1;
    case RunPhase::kAwaitReady: return 2;
    case RunPhase::kListening: return 3;
    case RunPhase::kRecordsReady: return 4;
  }
  return 1;
}

// The ready packet: the board listens and, when a signal comes, holds its capture.
void TakeReadyPacket() {
  stSimState& state = State();
  if (state.phase != RunPhase::kAwaitReady) return;
  state.phase = RunPhase::kListening;
  if (TakeFaultLocked(Fault::kUnplugDuringRun, kAny)) {
    UnplugLocked();
    return;
  }
  if (state.captures.empty() || TakeFaultLocked(Fault::kNoCapture, kAny)) return;
  state.heldCapture = state.captures.front();
  if (state.captures.size() > 1) state.captures.pop_front();
  state.chunksRead = 0;
  state.phase = RunPhase::kRecordsReady;
}

// The record header's acknowledgement; the record's bytes wait for the data reads.
void AnswerRecordHeader(Ack& ack, int id) {
  stSimState& state = State();
  std::vector<std::uint8_t> record;
  if (state.phase == RunPhase::kRecordsReady) {
    if (id == 0x31) record = state.heldCapture.carrierRecord;
    if (id == 0x32) record = state.heldCapture.waveRecord;
  }
  if (TakeFaultLocked(Fault::kRecordOverCapacity, id)) record.resize(RecordCapacity(id) + 1u, 0x5A);
  if (TakeFaultLocked(Fault::kZeroLength, id)) record.clear();
  const std::size_t length = record.size();
  ack[1] = static_cast<std::uint8_t>(TakeFaultLocked(Fault::kWrongRecordId, id) ? id + 1 : id);
  ack[6] = static_cast<std::uint8_t>(length & 0xFF);
  ack[7] = static_cast<std::uint8_t>((length >> 8) & 0xFF);
  state.dataStream.assign(record.begin(), record.end());
}

// Acts on one command packet; false when the board does not acknowledge it.
bool Execute(const std::uint8_t* packet, Ack& ack) {
  stSimState& state = State();
  const std::uint8_t cmd = packet[0];
  ack.fill(0);
  ack[0] = static_cast<std::uint8_t>(~cmd);
  switch (Classify(cmd, state.brand)) {
    case Command::kUnknown: return false;
    case Command::kJumpToBootloader:
      ack[1] = 1;
      state.jumpingToBootloader = true;  // once the acknowledgement is read
      break;
    case Command::kReadVersion:
      ack[1] = 1;
      ack[2] = static_cast<std::uint8_t>(state.firmwareVersion & 0xFF);
      ack[3] = static_cast<std::uint8_t>(state.firmwareVersion >> 8);
      break;
    case Command::kReadStatus: ack[1] = NextStatus(); break;
    case Command::kEnterDecode:
      if (state.phase == RunPhase::kIdle) state.phase = RunPhase::kAwaitReady;
      break;
    case Command::kDataSaved:
      if (state.phase == RunPhase::kRecordsReady) state.phase = RunPhase::kIdle;
      state.dataStream.clear();
      break;
    case Command::kRecordHeader: AnswerRecordHeader(ack, packet[1]); break;
  }
  return true;
}

}  // namespace
}  // namespace boardsim

using namespace boardsim;

extern "C" {

CONDUVIX_API int CV_OpenDeviceI(int vendorId, int productId) {
  std::lock_guard<std::mutex> lock(StateMutex());
  stSimState& state = State();
  int handle = 0;
  if (vendorId == kVendorId && productId == kBoardProductId && state.plugged &&
      state.mode == Mode::kApplication) {
    handle = state.nextHandle++;
    state.openHandle = handle;
    state.phase = RunPhase::kIdle;
    state.acks.clear();
    state.dataStream.clear();
  }
  Log("CV_OpenDeviceI", nullptr, 0, productId, handle);
  return handle;
}

CONDUVIX_API int CV_CloseDevice(int handle) {
  std::lock_guard<std::mutex> lock(StateMutex());
  stSimState& state = State();
  const int result = handle != 0 && handle == state.openHandle ? 1 : 0;
  if (result) state.openHandle = 0;
  Log("CV_CloseDevice", nullptr, 0, handle, result);
  return result;
}

CONDUVIX_API int CV_SetUSBCmd(int handle, int count, unsigned char* packet) {
  std::lock_guard<std::mutex> lock(StateMutex());
  stSimState& state = State();
  int result = 0;
  if (HandleOpen(handle) && count == 8 && packet) {
    const bool ready = std::memcmp(packet, kReadyPacketBytes, 8) == 0;
    if (!TakeFaultLocked(Fault::kSendFailure, ready ? kReadyPacket : packet[0])) {
      result = 1;
      if (ready) {
        TakeReadyPacket();
      } else {
        Ack ack;
        const bool answered = Execute(packet, ack);
        if (answered && !TakeFaultLocked(Fault::kNoAck, packet[0])) {
          if (TakeFaultLocked(Fault::kWrongComplement, packet[0])) ack[0] = packet[0];
          state.acks.push_back(ack);
        }
      }
    }
  }
  Log("CV_SetUSBCmd", packet, packet && count == 8 ? 8 : 0, count, result);
  return result;
}

CONDUVIX_API int CV_GetUSBAck(int handle, int count, unsigned char* buffer) {
  std::lock_guard<std::mutex> lock(StateMutex());
  stSimState& state = State();
  int result = 0;
  if (HandleOpen(handle) && count == 8 && buffer && !state.acks.empty()) {
    std::memcpy(buffer, state.acks.front().data(), 8);
    state.acks.pop_front();
    result = 1;
  }
  const bool jump = state.jumpingToBootloader && state.acks.empty();
  Log("CV_GetUSBAck", result ? buffer : nullptr, 8, count, result);
  if (jump) {
    state.jumpingToBootloader = false;
    SetModeLocked(Mode::kBootloader);
  }
  return result;
}

CONDUVIX_API int CV_ReadUSB(int handle, unsigned char* buffer, int count) {
  std::lock_guard<std::mutex> lock(StateMutex());
  stSimState& state = State();
  int result = 0;
  if (HandleOpen(handle) && buffer && count >= 1 && count <= 8 && !state.dataStream.empty()) {
    if (!TakeFaultLocked(Fault::kReadFailureAtChunk, state.chunksRead)) {
      std::memset(buffer, 0, static_cast<size_t>(count));
      const int available = static_cast<int>(std::min<std::size_t>(state.dataStream.size(), count));
      for (int i = 0; i < available; ++i) {
        buffer[i] = state.dataStream.front();
        state.dataStream.pop_front();
      }
      result = 1;
    }
    ++state.chunksRead;
  }
  Log("CV_ReadUSB", result ? buffer : nullptr, count, count, result);
  return result;
}

CONDUVIX_API int CV_WriteUSB(int handle, unsigned char* buffer, int count) {
  std::lock_guard<std::mutex> lock(StateMutex());
  const int result = HandleOpen(handle) && buffer && count >= 1 && count <= 8 ? 1 : 0;
  Log("CV_WriteUSB", buffer, result ? count : 0, count, result);
  return result;
}

}  // extern "C"
