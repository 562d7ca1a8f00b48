// The exports of the bootloader library: one session over hidapi.
#include "nexboot.h"

#include "BootSession.h"
#include "HidTransport.h"

namespace {

nexboot::CHidTransport g_transport;
nexboot::CBootSession g_session(g_transport);

}  // namespace

extern "C" {

NEXBOOT_API int SetBootloaderDevice(int productId, int vendorId) {
  return g_session.SetDevice(productId, vendorId);
}
NEXBOOT_API int ConnectToBootloader(void) { return g_session.Connect(); }
NEXBOOT_API int DisConnectBootloader(void) { return g_session.Disconnect(); }
NEXBOOT_API int GetMCUInfo(void* info) { return g_session.GetMcuInfo(info); }
NEXBOOT_API int LoadFileEx(const char* path, int* codeStart, int* codeEnd, int* codeBytes, int* optionBytes,
                           int* records, int* checksum) {
  int* outputs[6] = {codeStart, codeEnd, codeBytes, optionBytes, records, checksum};
  return g_session.LoadFile(path, outputs);
}
NEXBOOT_API int GetLoadFileErr(void) { return g_session.LoadError(); }
NEXBOOT_API int EraseByPage(int start, int extent, int area) { return g_session.Erase(start, extent, area); }
NEXBOOT_API int Program(int area) { return g_session.Program(area); }
NEXBOOT_API int VerifyByPage(int start, int extent, int area) {
  return g_session.Verify(start, extent, area);
}
NEXBOOT_API int ExecuteProgramFrom(int target) { return g_session.ExecuteFrom(target); }
NEXBOOT_API int SwitchToUserProgram(void) { return g_session.SwitchToUser(); }

}  // extern "C"
