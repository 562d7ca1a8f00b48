// The simulator's shared state, inside the library: the board model and the
// bootloader side both work on it under its one mutex.
#pragma once

#include "boardsim.h"

#include <array>
#include <cstdint>
#include <deque>
#include <mutex>
#include <utility>
#include <vector>

namespace boardsim {

// Where the board stands in a decode run.
enum class RunPhase {
  kIdle,          // status 1
  kAwaitReady,    // in decode mode, waiting for the ready packet: status 2
  kListening,     // ready packet taken, no signal yet: status 3
  kRecordsReady,  // a capture is held: status 4
};

using Ack = std::array<std::uint8_t, 8>;

struct stSimState {
  bool plugged = true;
  Mode mode = Mode::kApplication;
  Brand brand = Brand::kEither;
  std::uint16_t firmwareVersion = kDefaultFirmwareVersion;
  int openHandle = 0;  // the handle the board is open under; 0 = not open
  int nextHandle = 1;

  RunPhase phase = RunPhase::kIdle;
  bool runButtonPressed = false;
  bool jumpingToBootloader = false;  // the jump command waits for its acknowledgement to be read
  std::deque<std::uint8_t> scriptedStatuses;
  std::deque<stCapture> captures;
  stCapture heldCapture;
  int chunksRead = 0;  // data reads since the capture was taken
  std::deque<Ack> acks;
  std::deque<std::uint8_t> dataStream;

  struct stArmedFault {
    Fault fault;
    int argument;
    int skip;
  };
  std::vector<stArmedFault> faults;
  std::vector<stCall> log;
};

std::mutex& StateMutex();
// The state; hold StateMutex() while using it.
stSimState& State();
// Fault check and one-shot disarm; hold StateMutex().
bool TakeFaultLocked(Fault fault, int argument);
// Unplugs the board; hold StateMutex().
void UnplugLocked();
// Switches between application and bootloader; hold StateMutex().
void SetModeLocked(Mode mode);

}  // namespace boardsim
