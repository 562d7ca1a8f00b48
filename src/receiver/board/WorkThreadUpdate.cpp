// The firmware update run on the worker thread.
#include "receiver/board/FirmwareUpdate.h"
#include "receiver/board/WorkThread.h"

#include <functional>

namespace board {

namespace {

// The update's reports, sent to the notify window.
class CSentReport : public IUpdateReport {
 public:
  CSentReport(std::function<void(int)> progress, std::function<void(const wchar_t*)> text)
      : m_progress(std::move(progress)), m_text(std::move(text)) {}
  void Progress(int percent) override { m_progress(percent); }
  void StatusText(const wchar_t* key) override { m_text(key); }

 private:
  std::function<void(int)> m_progress;
  std::function<void(const wchar_t*)> m_text;
};

constexpr int kBootloaderStartMs = 3000;  // the board re-enumerates as its bootloader
constexpr int kProgramStartMs = 2000;     // the board re-enumerates as itself

}  // namespace

void CWorkThread::OnUpdateFirmware(const wxString& path) {
  m_updateRunning = true;
  SendButtonState();
  CSentReport report([this](int percent) { SendToNotify(WM_BOARD_UPDATE_PROGRESS, percent); },
                     [this](const wchar_t* key) { StatusText(key); });
  report.Progress(kProgressRequested);

  bool succeeded = false;
  if (!FirmwareFileReadable(path)) {
    // Before the jump, so that a missing file never leaves the board in its bootloader.
    report.StatusText(L"IDS_LOAD_FW_FAILED");
  } else if (m_boardHandle != -1 && !EnterBootloader()) {
    report.StatusText(L"IDS_INTO_BL_FAILED");
  } else {
    if (m_boardHandle != -1) m_clock->Sleep(kBootloaderStartMs);
    succeeded = UpdateThroughBootloader(m_bootloader, m_decryptFile, path, report);
  }

  m_clock->Sleep(kProgramStartMs);
  if (succeeded) report.StatusText(L"IDS_UPDATE_SUCCESS");
  m_updateRunning = false;
  SendButtonState();
}

}  // namespace board
