// The host side of the bootloader: the connection, the loaded image and the
// erase, program, verify and start steps, over any transport that carries
// the wire protocol's reports. The Nexboot exports hold one session.
#pragma once

#include "BootProtocol.h"

#include <mutex>
#include <vector>

namespace nexboot {

// Carries 64-byte reports to one bootloader device and back.
class IBootTransport {
 public:
  virtual ~IBootTransport() = default;
  virtual bool Open(int vendorId, int productId) = 0;
  virtual void Close() = 0;
  virtual bool Send(const BootReport& report) = 0;
  // The next report from the device; false when none came within the transport's wait.
  virtual bool Receive(BootReport& report) = 0;
};

// Results of the steps besides 0 (see README.md).
enum BootResult : int {
  kBootOk = 0,
  kBootNotConnected = 1,
  kBootNoImage = 2,
  kBootLinkFailed = 3,
  kBootMismatch = 4,
  kBootBadRange = 5,
  kBootNoDevice = 6,
  kBootBadChipInfo = 7,
  kBootRefused = 0x10,  // + the device's status
};

class CBootSession {
 public:
  explicit CBootSession(IBootTransport& transport) : m_transport(transport) {}

  int SetDevice(int productId, int vendorId);
  int Connect();
  int Disconnect();
  // Fills the caller's 36-byte record (native 32-bit fields) when its first field is 36.
  int GetMcuInfo(void* record);
  int LoadFile(const char* path, int* outputs[6]);
  int LoadError();
  int Erase(int start, int extent, int area);
  int Program(int area);
  int Verify(int start, int extent, int area);
  int ExecuteFrom(int target);
  int SwitchToUser();

 private:
  struct stRange {
    std::uint32_t begin = 0, end = 0;
  };
  int Exchange(const stBootPacket& request, stBootPacket& reply);
  int CheckArea(int area) const;
  int AreaRange(int start, int extent, int area, stRange& range) const;
  std::uint32_t AreaSize(int area) const;
  std::uint32_t PageSize(int area) const;
  std::vector<std::uint8_t>& Image(int area) { return area == kCodeArea ? m_code : m_option; }
  void Forget();

  IBootTransport& m_transport;
  std::mutex m_mutex;
  int m_vendorId = kDefaultVendorId;
  int m_productId = kDefaultProductId;
  bool m_connected = false;
  stChipInfo m_chip;
  bool m_loaded = false;
  int m_loadError = 0;
  std::vector<std::uint8_t> m_code, m_option;  // the loaded image, 0xFF where it has no data
};

}  // namespace nexboot
