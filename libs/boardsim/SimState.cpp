// The simulator's state and its control functions.
#include "SimState.h"

#include "SimNexboot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace boardsim {
namespace {

void PutBigEndian(std::vector<std::uint8_t>& bytes, unsigned word) {
  bytes.push_back(static_cast<std::uint8_t>((word >> 8) & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
}

// The bootloader is on the bus while the plugged-in board runs it.
void SyncBootloaderLocked() {
  const stSimState& state = State();
  SimBootloader().SetPresent(state.plugged && state.mode == Mode::kBootloader);
}

// Leaving the bootloader starts the application with the version of the flashed program.
void OnLeaveBootloader() {
  const std::uint16_t version = SimBootloader().FlashFirmwareVersion();
  std::lock_guard<std::mutex> lock(StateMutex());
  stSimState& state = State();
  state.mode = Mode::kApplication;
  state.openHandle = 0;
  state.phase = RunPhase::kIdle;
  if (version != 0) state.firmwareVersion = version;
  SyncBootloaderLocked();
}

// Applies OLVANTA_BOARD_SIMULATOR when the library is loaded.
struct stStartup {
  stStartup() { ApplyStartupSetting(std::getenv("OLVANTA_BOARD_SIMULATOR")); }
} g_startup;

}  // namespace

std::mutex& StateMutex() {
  static std::mutex mutex;
  return mutex;
}

stSimState& State() {
  static stSimState state;
  return state;
}

bool TakeFaultLocked(Fault fault, int argument) {
  auto& faults = State().faults;
  auto found = std::find_if(faults.begin(), faults.end(), [&](const stSimState::stArmedFault& armed) {
    return armed.fault == fault && (armed.argument == kAny || argument == kAny || armed.argument == argument);
  });
  if (found == faults.end()) return false;
  if (found->skip > 0) {
    --found->skip;
    return false;
  }
  faults.erase(found);
  return true;
}

void UnplugLocked() {
  stSimState& state = State();
  state.plugged = false;
  state.openHandle = 0;
  state.phase = RunPhase::kIdle;
  state.acks.clear();
  state.dataStream.clear();
  SyncBootloaderLocked();
}

void SetModeLocked(Mode mode) {
  stSimState& state = State();
  if (state.mode != mode) state.openHandle = 0;  // the board enumerates anew
  state.mode = mode;
  state.phase = RunPhase::kIdle;
  state.jumpingToBootloader = false;
  state.acks.clear();
  state.dataStream.clear();
  SyncBootloaderLocked();
}

void Reset() {
  SimBootloader().Reset(kDefaultFirmwareVersion);  // the program the board runs
  SimBootloader().SetOnLeave(&OnLeaveBootloader);
  std::lock_guard<std::mutex> lock(StateMutex());
  stSimState& state = State();
  const int nextHandle = state.nextHandle;
  state = stSimState{};
  state.nextHandle = nextHandle;  // handles of earlier sessions stay stale
  SyncBootloaderLocked();
}

void SetPlugged(bool plugged) {
  std::lock_guard<std::mutex> lock(StateMutex());
  if (plugged) {
    State().plugged = true;
    SyncBootloaderLocked();
  } else {
    UnplugLocked();
  }
}

bool IsPlugged() {
  std::lock_guard<std::mutex> lock(StateMutex());
  return State().plugged;
}

void SetMode(Mode mode) {
  std::lock_guard<std::mutex> lock(StateMutex());
  SetModeLocked(mode);
}

Mode GetMode() {
  std::lock_guard<std::mutex> lock(StateMutex());
  return State().mode;
}

void SetFirmwareVersion(std::uint16_t version) {
  std::lock_guard<std::mutex> lock(StateMutex());
  State().firmwareVersion = version;
}

std::uint16_t GetFirmwareVersion() {
  std::lock_guard<std::mutex> lock(StateMutex());
  return State().firmwareVersion;
}

void SetBrand(Brand brand) {
  std::lock_guard<std::mutex> lock(StateMutex());
  State().brand = brand;
}

void QueueCapture(const stCapture& capture) {
  std::lock_guard<std::mutex> lock(StateMutex());
  State().captures.push_back(capture);
}

void QueueStatuses(const std::vector<std::uint8_t>& statuses) {
  std::lock_guard<std::mutex> lock(StateMutex());
  auto& scripted = State().scriptedStatuses;
  scripted.insert(scripted.end(), statuses.begin(), statuses.end());
}

void PressRunButton() {
  std::lock_guard<std::mutex> lock(StateMutex());
  State().runButtonPressed = true;
}

void ArmFault(Fault fault, int argument, int skip) {
  if (fault == Fault::kUnplugDuringUpdate) {
    // The bootloader leaves the bus after `argument` further requests.
    SimBootloader().UnplugAfterRequests(argument < 0 ? 0 : argument);
    return;
  }
  std::lock_guard<std::mutex> lock(StateMutex());
  State().faults.push_back({fault, argument, skip});
}

void ClearFaults() {
  std::lock_guard<std::mutex> lock(StateMutex());
  State().faults.clear();
}

bool TakeFault(Fault fault, int argument) {
  std::lock_guard<std::mutex> lock(StateMutex());
  return TakeFaultLocked(fault, argument);
}

std::vector<stCall> CallLog() {
  std::lock_guard<std::mutex> lock(StateMutex());
  return State().log;
}

void ClearCallLog() {
  std::lock_guard<std::mutex> lock(StateMutex());
  State().log.clear();
}

void LogCall(const stCall& call) {
  std::lock_guard<std::mutex> lock(StateMutex());
  State().log.push_back(call);
}

std::vector<int> SentCommands() {
  std::vector<int> commands;
  for (const stCall& call : CallLog()) {
    if (call.function == "CV_SetUSBCmd" && !call.bytes.empty()) commands.push_back(call.bytes[0]);
  }
  return commands;
}

stCapture DefaultCapture() {
  // 38 kHz at a third duty, timed by the board's 16 MHz timer.
  stCapture capture;
  const double period = 16000000.0 / 38000.0;
  for (int n = 0; n < 4; ++n) {
    const double start = 1000 + n * period;
    PutBigEndian(capture.carrierRecord, static_cast<unsigned>(std::lround(start)));
    PutBigEndian(capture.carrierRecord, static_cast<unsigned>(std::lround(start + period / 3)));
  }
  // Leader 9/4.5 ms, 32 bits LSB first (address, its complement, command, its
  // complement), closing mark; (mark, period) words in 4 µs units.
  const std::uint8_t address = 0x00, command = 0x45;
  const std::uint8_t bytes[4] = {address, static_cast<std::uint8_t>(~address), command,
                                 static_cast<std::uint8_t>(~command)};
  auto pulse = [&](unsigned markUs, unsigned spaceUs) {
    PutBigEndian(capture.waveRecord, markUs / 4);
    PutBigEndian(capture.waveRecord, spaceUs ? (markUs + spaceUs) / 4 : 0);
  };
  pulse(9000, 4500);
  for (std::uint8_t byte : bytes) {
    for (int bit = 0; bit < 8; ++bit) pulse(560, (byte >> bit) & 1 ? 1688 : 564);
  }
  pulse(560, 0);
  return capture;
}

void ApplyStartupSetting(const char* value) {
  Reset();
  const std::string setting = value ? value : "";
  if (setting == "none") {
    SetPlugged(false);
  } else if (setting == "bootloader") {
    SetMode(Mode::kBootloader);
  } else {
    QueueCapture(DefaultCapture());
  }
}

}  // namespace boardsim
