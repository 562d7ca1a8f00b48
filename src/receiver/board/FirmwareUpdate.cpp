#include "receiver/board/FirmwareUpdate.h"

#include "core/StringHelpers.h"
#include "platform/Paths.h"

#include <wx/filename.h>

#include <cstdint>
#include <cstdio>
#include <fstream>

namespace board {

namespace {

// The chip information record: nine 32-bit fields, the first its size.
constexpr int kChipInfoFields = 9;
constexpr std::uint32_t kChipInfoSize = 36;
constexpr int kCodeEraseExtentField = 2;

constexpr int kCodeArea = 0;
constexpr int kOptionArea = 1;

}  // namespace

bool ConnectBootloader(const stNexbootApi& api) {
  if (!api.HasConnect()) return false;
  api.NameDevice(kBootloaderProductId, kVendorId);
  api.DisConnectBootloader();
  return api.ConnectToBootloader() == 0;
}

bool FirmwareFileReadable(const wxString& path) {
  std::ifstream file(path.fn_str(), std::ios::binary);
  return file.is_open();
}

bool LoadFirmwareImage(const stNexbootApi& api, RJDecryptFileFn decryptFile, const wxString& path,
                       IUpdateReport& report) {
  // A unique file, created empty and readable by its owner only.
  const wxString plainPath = wxFileName::CreateTempFileName(platform::GetTempFolder() + "~IR");
  if (plainPath.empty()) {
    report.StatusText(L"IDS_LOAD_FW_FAILED");
    return false;
  }
  const std::string cipherFile = WideToAnsi(path);
  const std::string plainFile = WideToAnsi(plainPath);
  bool loaded = false;
  if (!decryptFile || decryptFile(cipherFile.c_str(), plainFile.c_str()) == 0) {
    report.StatusText(L"IDS_LOAD_FW_FAILED");
  } else {
    int outputs[6] = {};
    loaded = api.LoadFileEx(plainFile.c_str(), &outputs[0], &outputs[1], &outputs[2], &outputs[3],
                            &outputs[4], &outputs[5]) == 0;
    if (!loaded) report.StatusText(L"IDS_LOAD_FW_FAILED0");
  }
  std::remove(plainFile.c_str());
  return loaded;
}

bool UpdateThroughBootloader(const stNexbootApi& api, RJDecryptFileFn decryptFile, const wxString& path,
                             IUpdateReport& report) {
  auto fail = [&report](const wchar_t* key) {
    report.StatusText(key);
    return false;
  };
  if (!api.HasFirmwareSteps() || !ConnectBootloader(api)) return fail(L"IDS_CONNECT_BL_FAILED");
  report.Progress(kProgressConnected);

  if (!LoadFirmwareImage(api, decryptFile, path, report)) return false;

  std::uint32_t chipInfo[kChipInfoFields] = {kChipInfoSize};
  if (api.GetMCUInfo(chipInfo) == 0) return fail(L"IDS_GetMCUInfo_FAILED");
  report.Progress(kProgressChipKnown);

  if (api.EraseByPage(0, static_cast<int>(chipInfo[kCodeEraseExtentField]), kCodeArea) != 0) {
    return fail(L"IDS_ERASE_PROGRAM_FAILED");
  }
  if (api.EraseByPage(0, 0, kOptionArea) != 0) return fail(L"IDS_ERASE_OPTION_FAILED");
  report.Progress(kProgressErased);

  if (api.Program(kCodeArea) != 0) return fail(L"IDS_PRGRAOM_CODE_FAILED");
  if (api.Program(kOptionArea) != 0) return fail(L"IDS_PRGRAOM_OPTION_FAILED");
  report.Progress(kProgressProgrammed);
  if (api.VerifyByPage(0, kCodeVerifyExtent, kCodeArea) != 0) return fail(L"IDS_VERIFY_CODE_FAILED");
  report.Progress(kProgressCodeVerified);
  if (api.VerifyByPage(0, 0, kOptionArea) != 0) return fail(L"IDS_VERIFY_OPTION_FAILED");
  report.Progress(kProgressVerified);

  if (api.ExecuteProgramFrom(kStartUserProgram) != 0) return fail(L"IDS_START_PROGRAM_FAILED");
  api.SwitchToUserProgram();
  report.Progress(kProgressDone);
  return true;
}

}  // namespace board
