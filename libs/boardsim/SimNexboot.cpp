// The bootloader library's exports over the simulated bootloader: the host
// side of the wire protocol talks to the flash model instead of USB.
#include "nexboot.h"

#include "SimNexboot.h"

namespace boardsim {

CSimBootloader& SimBootloader() {
  static CSimBootloader bootloader;
  return bootloader;
}

nexboot::CBootSession& SimBootSession() {
  static nexboot::CBootSession session(SimBootloader());
  return session;
}

}  // namespace boardsim

using boardsim::SimBootSession;

extern "C" {

NEXBOOT_API int SetBootloaderDevice(int productId, int vendorId) {
  return SimBootSession().SetDevice(productId, vendorId);
}
NEXBOOT_API int ConnectToBootloader(void) { return SimBootSession().Connect(); }
NEXBOOT_API int DisConnectBootloader(void) { return SimBootSession().Disconnect(); }
NEXBOOT_API int GetMCUInfo(void* info) { return SimBootSession().GetMcuInfo(info); }
NEXBOOT_API int LoadFileEx(const char* path, int* codeStart, int* codeEnd, int* codeBytes, int* optionBytes,
                           int* records, int* checksum) {
  int* outputs[6] = {codeStart, codeEnd, codeBytes, optionBytes, records, checksum};
  return SimBootSession().LoadFile(path, outputs);
}
NEXBOOT_API int GetLoadFileErr(void) { return SimBootSession().LoadError(); }
NEXBOOT_API int EraseByPage(int start, int extent, int area) {
  return SimBootSession().Erase(start, extent, area);
}
NEXBOOT_API int Program(int area) { return SimBootSession().Program(area); }
NEXBOOT_API int VerifyByPage(int start, int extent, int area) {
  return SimBootSession().Verify(start, extent, area);
}
NEXBOOT_API int ExecuteProgramFrom(int target) { return SimBootSession().ExecuteFrom(target); }
NEXBOOT_API int SwitchToUserProgram(void) { return SimBootSession().SwitchToUser(); }

}  // extern "C"
