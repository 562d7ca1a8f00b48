#include "core/RuntimeLibraries.h"

#include "core/AppContext.h"
#include "core/MessageBoxes.h"
#include "platform/Paths.h"
#include "platform/RuntimeLibrary.h"

#include <cstdlib>

namespace Conduvix {
CV_OpenDeviceIFn CV_OpenDeviceI = nullptr;
CV_CloseDeviceFn CV_CloseDevice = nullptr;
CV_SetUSBCmdFn CV_SetUSBCmd = nullptr;
CV_GetUSBAckFn CV_GetUSBAck = nullptr;
CV_ReadUSBFn CV_ReadUSB = nullptr;
CV_WriteUSBFn CV_WriteUSB = nullptr;
}  // namespace Conduvix

namespace Nexboot {
SetBootloaderDeviceFn SetBootloaderDevice = nullptr;
ConnectToBootloaderFn ConnectToBootloader = nullptr;
DisConnectBootloaderFn DisConnectBootloader = nullptr;
GetMCUInfoFn GetMCUInfo = nullptr;
LoadFileExFn LoadFileEx = nullptr;
GetLoadFileErrFn GetLoadFileErr = nullptr;
EraseByPageFn EraseByPage = nullptr;
ProgramFn Program = nullptr;
VerifyByPageFn VerifyByPage = nullptr;
ExecuteProgramFromFn ExecuteProgramFrom = nullptr;
SwitchToUserProgramFn SwitchToUserProgram = nullptr;
}  // namespace Nexboot

namespace Cryptora {
SetupEncryptKeyFn SetupEncryptKey = nullptr;
SetupDecryptKeyFn SetupDecryptKey = nullptr;
RJEncryptFileFn RJEncryptFile = nullptr;
RJDecryptFileFn RJDecryptFile = nullptr;
}  // namespace Cryptora

const char* const kHidLibraryName = "Conduvix";
const char* const kBootLibraryName = "Nexboot";
const char* const kCipherLibraryName = "cryptora";
const char* const kBoardSimulatorLibraryName = "boardsim";
const char* const kBoardSimulatorVariable = "OLVANTA_BOARD_SIMULATOR";

bool BoardSimulatorSelected() {
  const char* value = std::getenv(kBoardSimulatorVariable);
  return value && *value;
}

const char* ReceiverHidLibraryName() {
  return BoardSimulatorSelected() ? kBoardSimulatorLibraryName : kHidLibraryName;
}

const char* ReceiverBootLibraryName() {
  return BoardSimulatorSelected() ? kBoardSimulatorLibraryName : kBootLibraryName;
}

namespace {

// The firmware image's pass phrase.
const char kFirmwarePassPhrase[] = "IR_583204";

struct stMissingLibrary {
  wxString fileName;
};

void Load(wxDynamicLibrary& library, const wxString& folder, const wxString& fileName) {
  if (!platform::LoadRuntimeLibrary(library, platform::JoinPath(folder, fileName))) {
    throw stMissingLibrary{fileName};
  }
}

template <class Fn>
void Bind(Fn& target, const wxDynamicLibrary& library, const char* name, const wxString& fileName) {
  target = reinterpret_cast<Fn>(platform::FindExport(library, name));
  if (!target) throw stMissingLibrary{fileName};
}

// The bootloader's device-naming entry: exported by ordinal 1 on Windows, by name elsewhere.
void BindNamingEntry(SetBootloaderDeviceFn& target, const wxDynamicLibrary& library,
                     const wxString& fileName) {
#ifdef __WINDOWS__
  target = reinterpret_cast<SetBootloaderDeviceFn>(platform::FindExportByOrdinal(library, 1));
  if (!target) throw stMissingLibrary{fileName};
#else
  Bind(target, library, "SetBootloaderDevice", fileName);
#endif
}

void BindBootloader(const wxDynamicLibrary& library, const wxString& fileName) {
  BindNamingEntry(Nexboot::SetBootloaderDevice, library, fileName);
  Bind(Nexboot::ConnectToBootloader, library, "ConnectToBootloader", fileName);
  Bind(Nexboot::DisConnectBootloader, library, "DisConnectBootloader", fileName);
  Bind(Nexboot::GetMCUInfo, library, "GetMCUInfo", fileName);
  Bind(Nexboot::LoadFileEx, library, "LoadFileEx", fileName);
  Bind(Nexboot::GetLoadFileErr, library, "GetLoadFileErr", fileName);
  Bind(Nexboot::EraseByPage, library, "EraseByPage", fileName);
  Bind(Nexboot::Program, library, "Program", fileName);
  Bind(Nexboot::VerifyByPage, library, "VerifyByPage", fileName);
  Bind(Nexboot::ExecuteProgramFrom, library, "ExecuteProgramFrom", fileName);
  Bind(Nexboot::SwitchToUserProgram, library, "SwitchToUserProgram", fileName);
}

}  // namespace

void ClearRuntimeEntryPoints() {
  Conduvix::CV_OpenDeviceI = nullptr;
  Conduvix::CV_CloseDevice = nullptr;
  Conduvix::CV_SetUSBCmd = nullptr;
  Conduvix::CV_GetUSBAck = nullptr;
  Conduvix::CV_ReadUSB = nullptr;
  Conduvix::CV_WriteUSB = nullptr;
  Nexboot::SetBootloaderDevice = nullptr;
  Nexboot::ConnectToBootloader = nullptr;
  Nexboot::DisConnectBootloader = nullptr;
  Nexboot::GetMCUInfo = nullptr;
  Nexboot::LoadFileEx = nullptr;
  Nexboot::GetLoadFileErr = nullptr;
  Nexboot::EraseByPage = nullptr;
  Nexboot::Program = nullptr;
  Nexboot::VerifyByPage = nullptr;
  Nexboot::ExecuteProgramFrom = nullptr;
  Nexboot::SwitchToUserProgram = nullptr;
  Cryptora::SetupEncryptKey = nullptr;
  Cryptora::SetupDecryptKey = nullptr;
  Cryptora::RJEncryptFile = nullptr;
  Cryptora::RJDecryptFile = nullptr;
}

bool BindRuntimeLibraries(CAppContext& app) {
  const wxString hidFile = platform::LibraryFileName(ReceiverHidLibraryName());
  const wxString bootFile = platform::LibraryFileName(ReceiverBootLibraryName());
  const wxString cipherFile = platform::LibraryFileName(kCipherLibraryName);
  try {
    Load(app.hidLibrary, app.installFolder, hidFile);
    Bind(Conduvix::CV_OpenDeviceI, app.hidLibrary, "CV_OpenDeviceI", hidFile);
    Bind(Conduvix::CV_CloseDevice, app.hidLibrary, "CV_CloseDevice", hidFile);
    Bind(Conduvix::CV_SetUSBCmd, app.hidLibrary, "CV_SetUSBCmd", hidFile);
    Bind(Conduvix::CV_GetUSBAck, app.hidLibrary, "CV_GetUSBAck", hidFile);
    Bind(Conduvix::CV_ReadUSB, app.hidLibrary, "CV_ReadUSB", hidFile);
    Bind(Conduvix::CV_WriteUSB, app.hidLibrary, "CV_WriteUSB", hidFile);

    Load(app.bootLibrary, app.installFolder, bootFile);
    BindBootloader(app.bootLibrary, bootFile);

    Load(app.cipherLibrary, app.installFolder, cipherFile);
    Bind(Cryptora::SetupEncryptKey, app.cipherLibrary, "SetupEncryptKey", cipherFile);
    Bind(Cryptora::SetupDecryptKey, app.cipherLibrary, "SetupDecryptKey", cipherFile);
    Bind(Cryptora::RJEncryptFile, app.cipherLibrary, "RJEncryptFile", cipherFile);
    Bind(Cryptora::RJDecryptFile, app.cipherLibrary, "RJDecryptFile", cipherFile);

    Cryptora::SetupDecryptKey(kFirmwarePassPhrase);
    return true;
  } catch (const stMissingLibrary& missing) {
    LangMessageBox("", kNoticeOk, "IDS_LOAD_DLL_FAIL", missing.fileName);
    PlainMessageBox(missing.fileName);
    return false;
  }
}
