// Entry points of the libraries bound at start-up from the install folder:
// the receiver board's USB HID transport (Conduvix), its bootloader library
// (Nexboot) and the cipher library (cryptora). All are null until
// BindRuntimeLibraries succeeds.
#pragma once

#include "conduvix.h"
#include "cryptora/cryptora.h"
#include "nexboot.h"

#include <wx/string.h>

class CAppContext;

namespace Conduvix {
extern CV_OpenDeviceIFn CV_OpenDeviceI;
extern CV_CloseDeviceFn CV_CloseDevice;
extern CV_SetUSBCmdFn CV_SetUSBCmd;
extern CV_GetUSBAckFn CV_GetUSBAck;
extern CV_ReadUSBFn CV_ReadUSB;
extern CV_WriteUSBFn CV_WriteUSB;
}  // namespace Conduvix

namespace Nexboot {
extern SetBootloaderDeviceFn SetBootloaderDevice;  // the entry exported by ordinal 1
extern ConnectToBootloaderFn ConnectToBootloader;
extern DisConnectBootloaderFn DisConnectBootloader;
extern GetMCUInfoFn GetMCUInfo;
extern LoadFileExFn LoadFileEx;
extern GetLoadFileErrFn GetLoadFileErr;
extern EraseByPageFn EraseByPage;
extern ProgramFn Program;
extern VerifyByPageFn VerifyByPage;
extern ExecuteProgramFromFn ExecuteProgramFrom;
extern SwitchToUserProgramFn SwitchToUserProgram;
}  // namespace Nexboot

namespace Cryptora {
extern SetupEncryptKeyFn SetupEncryptKey;
extern SetupDecryptKeyFn SetupDecryptKey;
extern RJEncryptFileFn RJEncryptFile;
extern RJDecryptFileFn RJDecryptFile;
}  // namespace Cryptora

// Library base names; the file names follow the platform ("libcryptora.so", "cryptora.dll").
extern const char* const kHidLibraryName;
extern const char* const kBootLibraryName;
extern const char* const kCipherLibraryName;
// The simulated receiver board, bound in place of the receiver board's
// libraries when the environment variable OLVANTA_BOARD_SIMULATOR is set.
extern const char* const kBoardSimulatorLibraryName;
extern const char* const kBoardSimulatorVariable;

// Whether OLVANTA_BOARD_SIMULATOR is set (to anything but an empty text).
bool BoardSimulatorSelected();
// The base name of the receiver board's transport library: the simulator's
// when it is selected, else kHidLibraryName.
const char* ReceiverHidLibraryName();
// The base name of the bootloader library: the simulator's when it is
// selected, else kBootLibraryName.
const char* ReceiverBootLibraryName();

// Loads Conduvix and Nexboot (or the simulator for both) and then cryptora from the install folder, binds
// every entry point and sets up the firmware decryption key. When a library or an entry point is missing it
// shows "IDS_LOAD_DLL_FAIL" with the library's file name, then a box with the file name alone, and returns
// false; a library bound before the failure stays loaded.
bool BindRuntimeLibraries(CAppContext& app);

// Sets every entry point back to null (the libraries are freed by their owner).
void ClearRuntimeEntryPoints();
