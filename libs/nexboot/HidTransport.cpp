#include "HidTransport.h"

#include <hidapi.h>

#include <cstring>

namespace nexboot {

namespace {
// A page erase is the slowest request; the bootloader answers it well within this.
constexpr int kReplyWaitMs = 1000;
}  // namespace

CHidTransport::~CHidTransport() {
  Close();
  if (m_initialised) hid_exit();
}

bool CHidTransport::Open(int vendorId, int productId) {
  Close();
  if (!m_initialised) {
    if (hid_init() != 0) return false;
    m_initialised = true;
  }
  m_device = hid_open(static_cast<unsigned short>(vendorId), static_cast<unsigned short>(productId), nullptr);
  return m_device != nullptr;
}

void CHidTransport::Close() {
  if (m_device) hid_close(m_device);
  m_device = nullptr;
}

bool CHidTransport::Send(const BootReport& report) {
  if (!m_device) return false;
  unsigned char buffer[kReportSize + 1] = {0};
  std::memcpy(buffer + 1, report.data(), report.size());
  return hid_write(m_device, buffer, sizeof buffer) == static_cast<int>(sizeof buffer);
}

bool CHidTransport::Receive(BootReport& report) {
  if (!m_device) return false;
  report.fill(0);
  return hid_read_timeout(m_device, report.data(), report.size(), kReplyWaitMs) == kReportSize;
}

}  // namespace nexboot
