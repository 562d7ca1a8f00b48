// The bootloader's reports over hidapi: report id 0, then the 64 bytes.
#pragma once

#include "BootSession.h"

struct hid_device_;

namespace nexboot {

class CHidTransport : public IBootTransport {
 public:
  ~CHidTransport() override;
  bool Open(int vendorId, int productId) override;
  void Close() override;
  bool Send(const BootReport& report) override;
  bool Receive(BootReport& report) override;

 private:
  hid_device_* m_device = nullptr;
  bool m_initialised = false;
};

}  // namespace nexboot
