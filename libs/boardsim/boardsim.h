// The simulated receiver board: the board behind the Conduvix exports and the
// state, script, fault switches and call log that tests and demos drive. One
// board per process; every function here is thread-safe.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#ifdef _WIN32
#define BOARDSIM_API __declspec(dllexport)
#else
#define BOARDSIM_API __attribute__((visibility("default")))
#endif

namespace boardsim {

constexpr int kVendorId = 0x2F5C;
constexpr int kBoardProductId = 0x6A17;
constexpr int kBootloaderProductId = 0x4C51;
constexpr std::uint16_t kDefaultFirmwareVersion = 0x0102;

// What the board runs: its application (the HID board the program opens) or its bootloader.
enum class Mode { kApplication, kBootloader };

// Which command set the board answers: either brand's (default) or one brand's only.
enum class Brand { kEither, kMaker, kPartner };

// The two capture records exactly as the board sends them (big-endian words).
struct stCapture {
  std::vector<std::uint8_t> carrierRecord;  // record 0x31
  std::vector<std::uint8_t> waveRecord;     // record 0x32
};

// Faults fire once, at the first call that meets their argument after `skip`
// such calls have passed, and are then disarmed. Arguments (-1 = any):
enum class Fault {
  kSendFailure,         // command byte (kReadyPacket for the ready packet): the send returns 0
  kNoAck,               // command byte: the command is taken but never acknowledged
  kWrongComplement,     // command byte: ack byte 0 is the command itself, not its complement
  kWrongRecordId,       // record id: the header's ack names the next id
  kReadFailureAtChunk,  // chunk index n, counted from 0 over all data reads of a capture
  kRecordOverCapacity,  // record id: the record is one byte longer than its capacity
  kZeroLength,          // record id: the record's length is 0
  kNoCapture,           // no signal arrives after the ready packet: the status stays 3
  kUnplugDuringRun,     // the board is unplugged right after it takes the ready packet
  kUnplugDuringUpdate,  // request count n: the bootloader leaves the bus after n more requests
};
constexpr int kAny = -1;
constexpr int kReadyPacket = 0x100;

// One call of an export, as the board saw it.
struct stCall {
  std::string function;             // export name, e.g. "CV_SetUSBCmd"
  std::vector<std::uint8_t> bytes;  // bytes sent or received (packet, ack, data)
  int argument = 0;                 // product id, count or area, as the export takes it
  int result = 0;
};

// Back to the start: plugged in, application mode, idle, version
// kDefaultFirmwareVersion, either brand, no captures, statuses or faults, empty log.
BOARDSIM_API void Reset();

BOARDSIM_API void SetPlugged(bool plugged);
BOARDSIM_API bool IsPlugged();
BOARDSIM_API void SetMode(Mode mode);
BOARDSIM_API Mode GetMode();
BOARDSIM_API void SetFirmwareVersion(std::uint16_t version);
BOARDSIM_API std::uint16_t GetFirmwareVersion();
BOARDSIM_API void SetBrand(Brand brand);

// Captures for the coming decode runs, one per run in order; the last one
// stays for every later run. Without a capture no signal arrives.
BOARDSIM_API void QueueCapture(const stCapture& capture);
// Status values the next status queries answer before the board's own.
BOARDSIM_API void QueueStatuses(const std::vector<std::uint8_t>& statuses);
// The board's own button starts a decode run: the idle board reports status 2.
BOARDSIM_API void PressRunButton();

BOARDSIM_API void ArmFault(Fault fault, int argument = kAny, int skip = 0);
BOARDSIM_API void ClearFaults();
// Whether fault is armed for argument; disarms it when it is (the one shot fires).
BOARDSIM_API bool TakeFault(Fault fault, int argument);

BOARDSIM_API std::vector<stCall> CallLog();
BOARDSIM_API void ClearCallLog();
BOARDSIM_API void LogCall(const stCall& call);
// Command bytes of every CV_SetUSBCmd in the log, in order (first packet byte).
BOARDSIM_API std::vector<int> SentCommands();

// A capture of an NEC-style frame (38 kHz, address 0x00, command 0x45):
// what the board delivers when the program runs on the simulator.
BOARDSIM_API stCapture DefaultCapture();

// The start-up state named by the value of OLVANTA_BOARD_SIMULATOR:
// "bootloader" (the board runs its bootloader), "none" (nothing plugged in),
// anything else the board in its application with DefaultCapture queued.
BOARDSIM_API void ApplyStartupSetting(const char* value);

// The bootloader's flash: the code area (16 KiB) and the option area (16 bytes), as the last
// update left them. After Reset the code area holds a program's first bytes and its version mark.
BOARDSIM_API std::vector<std::uint8_t> FlashCode();
BOARDSIM_API std::vector<std::uint8_t> FlashOption();

}  // namespace boardsim
