#include "ui/shell/DeviceWatcher.h"

#ifdef OLV_HAVE_HIDAPI
#include <hidapi.h>
#endif

bool IsReceiverBoardDevice(unsigned vendorId, unsigned productId) {
  return vendorId == kReceiverVendorId &&
         (productId == kReceiverProductId || productId == kBootloaderProductId);
}

bool ShouldReconnect(int boardState, bool arrival) {
  if (boardState == 2) return !arrival;
  if (boardState == 0 || boardState == 1) return arrival;
  return false;
}

bool ProbeReceiverBoard() {
#ifdef OLV_HAVE_HIDAPI
  static const bool initialised = hid_init() == 0;
  if (!initialised) return false;
  hid_device_info* devices = hid_enumerate(0, 0);
  bool found = false;
  for (hid_device_info* device = devices; device && !found; device = device->next) {
    found = IsReceiverBoardDevice(device->vendor_id, device->product_id);
  }
  hid_free_enumeration(devices);
  return found;
#else
  return false;
#endif
}

CDeviceWatcher::CDeviceWatcher(Listener listener, Probe probe)
    : m_listener(std::move(listener)), m_probe(std::move(probe)), m_timer(this) {
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Poll(); });
}

CDeviceWatcher::~CDeviceWatcher() { Stop(); }

bool CDeviceWatcher::Start(int intervalMs) {
  m_present = m_probe ? m_probe() : false;
  return m_timer.Start(intervalMs);
}

void CDeviceWatcher::Stop() { m_timer.Stop(); }

void CDeviceWatcher::Poll() {
  const bool present = m_probe ? m_probe() : false;
  if (present == m_present) return;
  m_present = present;
  if (m_listener) m_listener(present);
}
