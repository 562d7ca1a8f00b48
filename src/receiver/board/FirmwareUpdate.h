// The firmware update's bootloader half: from the bootloader connection to
// the started program, through the bootloader library (Nexboot) and the
// cipher library's file decipher. Runs on the worker thread.
#pragma once

#include "cryptora/cryptora.h"
#include "receiver/board/BoardProtocol.h"

#include <wx/string.h>

namespace board {

// Where the update reports: progress in percent and status texts by language key.
class IUpdateReport {
 public:
  virtual ~IUpdateReport() = default;
  virtual void Progress(int percent) = 0;
  virtual void StatusText(const wchar_t* key) = 0;
};

// Progress values, in the order the update reaches them; they never go back.
enum UpdateProgress : int {
  kProgressRequested = 0,
  kProgressConnected = 10,
  kProgressChipKnown = 30,
  kProgressErased = 50,
  kProgressProgrammed = 80,
  kProgressCodeVerified = 90,
  kProgressVerified = 95,
  kProgressDone = 100,
};

// What the board runs after it leaves its bootloader: its program.
constexpr int kStartUserProgram = 2;
// The verify extent of the code area.
constexpr int kCodeVerifyExtent = 0xFFFF;

// The naming call, then disconnect and connect; true when the bootloader answered.
bool ConnectBootloader(const stNexbootApi& api);

// Whether the firmware file can be opened for reading.
bool FirmwareFileReadable(const wxString& path);

// Deciphers the firmware file into a private "~IR" temporary file in the temporary folder, has the
// library load it and deletes it. False after the failure's text ("IDS_LOAD_FW_FAILED" when the
// file did not decipher, "IDS_LOAD_FW_FAILED0" when the library refused the image).
bool LoadFirmwareImage(const stNexbootApi& api, RJDecryptFileFn decryptFile, const wxString& path,
                       IUpdateReport& report);

// Connects to the bootloader, loads, reads the chip information, erases, programs and verifies
// the code and option areas and starts the program, reporting progress 10 to 100; one text per
// failed step. True when the program was started.
bool UpdateThroughBootloader(const stNexbootApi& api, RJDecryptFileFn decryptFile, const wxString& path,
                             IUpdateReport& report);

}  // namespace board
