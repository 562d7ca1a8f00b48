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

namespace Cryptora {
SetupEncryptKeyFn SetupEncryptKey = nullptr;
SetupDecryptKeyFn SetupDecryptKey = nullptr;
RJEncryptFileFn RJEncryptFile = nullptr;
RJDecryptFileFn RJDecryptFile = nullptr;
}  // namespace Cryptora

const char* const kHidLibraryName = "Conduvix";
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

}  // namespace

void ClearRuntimeEntryPoints() {
  Conduvix::CV_OpenDeviceI = nullptr;
  Conduvix::CV_CloseDevice = nullptr;
  Conduvix::CV_SetUSBCmd = nullptr;
  Conduvix::CV_GetUSBAck = nullptr;
  Conduvix::CV_ReadUSB = nullptr;
  Conduvix::CV_WriteUSB = nullptr;
  Cryptora::SetupEncryptKey = nullptr;
  Cryptora::SetupDecryptKey = nullptr;
  Cryptora::RJEncryptFile = nullptr;
  Cryptora::RJDecryptFile = nullptr;
}

bool BindRuntimeLibraries(CAppContext& app) {
  const wxString hidFile = platform::LibraryFileName(ReceiverHidLibraryName());
  const wxString cipherFile = platform::LibraryFileName(kCipherLibraryName);
  try {
    Load(app.hidLibrary, app.installFolder, hidFile);
    Bind(Conduvix::CV_OpenDeviceI, app.hidLibrary, "CV_OpenDeviceI", hidFile);
    Bind(Conduvix::CV_CloseDevice, app.hidLibrary, "CV_CloseDevice", hidFile);
    Bind(Conduvix::CV_SetUSBCmd, app.hidLibrary, "CV_SetUSBCmd", hidFile);
    Bind(Conduvix::CV_GetUSBAck, app.hidLibrary, "CV_GetUSBAck", hidFile);
    Bind(Conduvix::CV_ReadUSB, app.hidLibrary, "CV_ReadUSB", hidFile);
    Bind(Conduvix::CV_WriteUSB, app.hidLibrary, "CV_WriteUSB", hidFile);

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
