// CWorkThread: the receiver board's worker thread. It alone talks to the
// board; windows reach it by posting thread messages, and it answers by
// sending window messages through IBoardWindows. While a board is connected
// the thread stays in the service loop of OnConnect, which polls the board
// every 500 ms and runs the requests that arrive.
#pragma once

#include "cryptora/cryptora.h"
#include "receiver/board/BoardProtocol.h"
#include "receiver/board/BoardWindows.h"
#include "receiver/board/WorkClock.h"
#include "receiver/board/WorkQueue.h"

#include <atomic>
#include <cstdint>
#include <thread>

namespace board {

struct stWorkThreadSetup {
  stConduvixApi hid;
  stNexbootApi bootloader;
  RJDecryptFileFn decryptFile = nullptr;  // the cipher library's file decipher
  IBoardWindows* windows = nullptr;
  IWorkClock* clock = nullptr;  // null: real time
  bool makerBrand = false;      // the maker's command bytes; else the partner's
};

class CWorkThread {
 public:
  explicit CWorkThread(const stWorkThreadSetup& setup);
  // Ends the thread (WM_QUIT) and waits for it.
  ~CWorkThread();
  CWorkThread(const CWorkThread&) = delete;
  CWorkThread& operator=(const CWorkThread&) = delete;

  // The window that receives WM_BOARD_STATE and WM_BOARD_BUTTON_STATE; set
  // right after the start, before the first request.
  void SetMainWindow(std::intptr_t window) { m_mainWindow = window; }
  void Start();
  // Posts a thread message; any thread.
  void PostThreadMessage(int message, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
  void PostUpdateFirmware(std::intptr_t notifyWindow, const wxString& path);
  // Posts WM_QUIT and waits for the thread to end.
  void Quit();

  // Read by the windows without a message.
  bool IsDecodeRunning() const { return m_decodeRunning.load(); }
  bool IsUpdateRunning() const { return m_updateRunning.load(); }
  std::uint16_t GetFirmwareVersion() const { return m_firmwareVersion.load(); }

 private:
  void Run();
  void Dispatch(const stThreadMessage& message);

  // Connection and service loop.
  void OnConnect();
  void ReportBootloaderState();
  void ServiceLoop();
  bool PumpMessages();
  bool PumpOne(const stThreadMessage& message);
  void OnBuildDone();

  // Board access.
  void OpenBoard();
  bool SendCommand(std::uint8_t cmd, std::uint8_t p1, std::uint8_t* result, std::uint8_t b6 = 0,
                   std::uint8_t b3 = 0);
  bool ReadStatus(std::uint8_t& status);
  bool EnterBootloader();
  bool ReadFirmwareVersion(std::uint16_t& version);
  bool ReadBoardData(std::uint8_t* buffer, int length);

  // Decode run.
  void OnDecode();
  void RunDecode(std::uint8_t status);
  bool HandleBoardStatus(std::uint8_t status, bool& armed);
  bool WaitForSignal(int ticks);
  bool ReadCaptureRecords();

  // Firmware update.
  void OnUpdateFirmware(const wxString& path);

  // Messages to the windows.
  long SendToMain(int message, std::intptr_t wParam, std::intptr_t lParam = 0);
  long SendToNotify(int message, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
  void StatusText(const wchar_t* key);
  void SendButtonState();

  stConduvixApi m_hid;
  stNexbootApi m_bootloader;
  RJDecryptFileFn m_decryptFile;
  IBoardWindows* m_windows;
  CSystemClock m_systemClock;
  IWorkClock* m_clock;
  stBrandCommands m_commands;

  CWorkQueue m_queue;
  std::thread m_thread;

  // Worker-thread state.
  std::intptr_t m_notifyWindow = 0;
  std::intptr_t m_mainWindow = 0;
  int m_boardHandle = -1;
  bool m_connected = false;
  wxString m_firmwarePath;
  bool m_updatePending = false;
  bool m_decodePending = false;
  bool m_connectPending = false;
  bool m_quitting = false;

  // Read across threads.
  std::atomic<bool> m_updateRunning{false};
  std::atomic<bool> m_decodeRunning{false};
  std::atomic<std::uint16_t> m_firmwareVersion{0};
};

}  // namespace board
