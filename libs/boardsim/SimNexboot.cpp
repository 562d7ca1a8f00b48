// The bootloader library's exports over the simulated bootloader: the host
// side of the wire protocol talks to the flash model instead of USB. Every
// call is logged in the simulator's call log.
#include "nexboot.h"

#include "SimNexboot.h"
#include "boardsim.h"

namespace boardsim {

CSimBootloader& SimBootloader() {
  static CSimBootloader bootloader;
  return bootloader;
}

nexboot::CBootSession& SimBootSession() {
  static nexboot::CBootSession session(SimBootloader());
  return session;
}

std::vector<std::uint8_t> FlashCode() { return SimBootloader().Code(); }
std::vector<std::uint8_t> FlashOption() { return SimBootloader().Option(); }

}  // namespace boardsim

namespace {

// Logs a call of a bootloader export (the argument: the product id, area or start target).
int Logged(const char* function, int argument, int result) {
  boardsim::stCall call;
  call.function = function;
  call.argument = argument;
  call.result = result;
  boardsim::LogCall(call);
  return result;
}

}  // namespace

using boardsim::SimBootSession;

extern "C" {

NEXBOOT_API int SetBootloaderDevice(int productId, int vendorId) {
  return Logged("SetBootloaderDevice", productId, SimBootSession().SetDevice(productId, vendorId));
}
NEXBOOT_API int ConnectToBootloader(void) {
  return Logged("ConnectToBootloader", 0, SimBootSession().Connect());
}
NEXBOOT_API int DisConnectBootloader(void) {
  return Logged("DisConnectBootloader", 0, SimBootSession().Disconnect());
}
NEXBOOT_API int GetMCUInfo(void* info) { return Logged("GetMCUInfo", 0, SimBootSession().GetMcuInfo(info)); }
NEXBOOT_API int LoadFileEx(const char* path, int* codeStart, int* codeEnd, int* codeBytes, int* optionBytes,
                           int* records, int* checksum) {
  int* outputs[6] = {codeStart, codeEnd, codeBytes, optionBytes, records, checksum};
  return Logged("LoadFileEx", 0, SimBootSession().LoadFile(path, outputs));
}
NEXBOOT_API int GetLoadFileErr(void) { return Logged("GetLoadFileErr", 0, SimBootSession().LoadError()); }
NEXBOOT_API int EraseByPage(int start, int extent, int area) {
  return Logged("EraseByPage", area, SimBootSession().Erase(start, extent, area));
}
NEXBOOT_API int Program(int area) { return Logged("Program", area, SimBootSession().Program(area)); }
NEXBOOT_API int VerifyByPage(int start, int extent, int area) {
  return Logged("VerifyByPage", area, SimBootSession().Verify(start, extent, area));
}
NEXBOOT_API int ExecuteProgramFrom(int target) {
  return Logged("ExecuteProgramFrom", target, SimBootSession().ExecuteFrom(target));
}
NEXBOOT_API int SwitchToUserProgram(void) {
  return Logged("SwitchToUserProgram", 0, SimBootSession().SwitchToUser());
}

}  // extern "C"
