// The receiver board's USB HID protocol as the worker thread speaks it: the
// bound library entries, the command bytes of both brands, the board's
// status values and the numbers of the messages the thread exchanges.
#pragma once

#include "conduvix.h"
#include "nexboot.h"

#include <cstdint>

namespace board {

// The receiver board's USB HID transport (Conduvix), as bound at start-up.
struct stConduvixApi {
  CV_OpenDeviceIFn OpenDevice = nullptr;
  CV_CloseDeviceFn CloseDevice = nullptr;
  CV_SetUSBCmdFn SetUSBCmd = nullptr;
  CV_GetUSBAckFn GetUSBAck = nullptr;
  CV_ReadUSBFn ReadUSB = nullptr;
};

// The bootloader library's entries (Nexboot) as bound at start-up; a null
// entry means the library is not there, and the bootloader is then never
// reachable.
struct stNexbootApi {
  SetBootloaderDeviceFn NameDevice = nullptr;  // the entry exported by ordinal 1
  DisConnectBootloaderFn DisConnectBootloader = nullptr;
  ConnectToBootloaderFn ConnectToBootloader = nullptr;  // 0 = the bootloader answered
  GetMCUInfoFn GetMCUInfo = nullptr;
  LoadFileExFn LoadFileEx = nullptr;
  EraseByPageFn EraseByPage = nullptr;
  ProgramFn Program = nullptr;
  VerifyByPageFn VerifyByPage = nullptr;
  ExecuteProgramFromFn ExecuteProgramFrom = nullptr;
  SwitchToUserProgramFn SwitchToUserProgram = nullptr;

  bool HasConnect() const { return NameDevice && DisConnectBootloader && ConnectToBootloader; }
  bool HasFirmwareSteps() const {
    return GetMCUInfo && LoadFileEx && EraseByPage && Program && VerifyByPage && ExecuteProgramFrom &&
           SwitchToUserProgram;
  }
};

constexpr int kVendorId = 0x2F5C;
constexpr int kBoardProductId = 0x6A17;
constexpr int kBootloaderProductId = 0x4C51;

// Command bytes that depend on the brand: the maker's, the partner's.
struct stBrandCommands {
  std::uint8_t jumpToBootloader;
  std::uint8_t readVersion;
  std::uint8_t readStatus;
};
constexpr stBrandCommands kMakerCommands{0x06, 0x09, 0x81};
constexpr stBrandCommands kPartnerCommands{0x07, 0x0A, 0x91};
constexpr std::uint8_t kCmdEnterDecode = 0x02;   // p1 2
constexpr std::uint8_t kCmdDataSaved = 0x01;     // p1 5
constexpr std::uint8_t kCmdRecordHeader = 0x82;  // p1 the record id
constexpr std::uint8_t kFirstRecordId = 0x31;
constexpr std::uint8_t kLastRecordId = 0x3F;
// Sent alone: the board answers it with no acknowledgement.
constexpr std::uint8_t kReadyPacket[8] = {0x01, 0x02, 0x03, 0x00, 0x00, 0x08, 0x00, 0x00};

// Whether a wrong acknowledgement of cmd means the board is no longer connected.
constexpr bool ClearsConnectedOnWrongAck(std::uint8_t cmd) {
  return cmd == 0x06 || cmd == 0x07 || cmd == 0x09 || cmd == 0x0A || cmd == 0x81 || cmd == 0x91;
}

// Board status values (ack byte 1 of the status query).
enum BoardStatus : std::uint8_t {
  kStatusIdle = 1,
  kStatusAwaitReady = 2,
  kStatusKeepPolling = 3,
  kStatusCaptureComplete = 4,
  kStatusRunEnded = 5,
};

// Board states reported with WM_BOARD_STATE.
enum BoardState : int { kNoBoard = 0, kBootloaderReachable = 1, kBoardConnected = 2 };

// Thread messages (posted to the worker).
enum ThreadMessage : int {
  kMsgQuit = 0x0012,  // ends the thread
  WM_WT_START_DECODE = 0x658,
  WM_WT_CONNECT = 0x659,
  WM_WT_UPDATE_FIRMWARE = 0x65A,
  WM_WT_STOP_DECODE = 0x65B,
  WM_WT_BUILD_DONE = 0x661,
};

// Window messages (sent by the worker, handled before it goes on).
enum WindowMessage : int {
  WM_BOARD_STATE = 0x662,
  WM_BOARD_STATUS_TEXT = 0x663,
  WM_BOARD_UPDATE_PROGRESS = 0x664,
  WM_BOARD_BUTTON_STATE = 0x665,
  WM_DECODE_WAVE_BLOCK = 0x666,
  WM_DECODE_PARSE = 0x667,
  WM_DECODE_DONE = 0x668,
  WM_DECODE_RESET = 0x669,
};

}  // namespace board
