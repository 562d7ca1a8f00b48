// USB HID transport of the receiver board over hidapi. Reports are 8 bytes
// with report id 0; handles are small integers naming open devices.
#include "conduvix.h"

#include <hidapi.h>

#include <cstring>
#include <map>
#include <mutex>

namespace {

constexpr int kReportSize = 8;
// How long an acknowledgement or a data report may take to arrive. The board
// answers within a few milliseconds; callers poll the acknowledgement a few times.
constexpr int kAckWaitMs = 20;
constexpr int kDataWaitMs = 1000;

std::mutex g_mutex;
std::map<int, hid_device*> g_devices;
int g_nextHandle = 1;
bool g_initialised = false;

hid_device* Find(int handle) {
  auto it = g_devices.find(handle);
  return it == g_devices.end() ? nullptr : it->second;
}

// Sends one report: id 0 then the 8 bytes (short data padded with zeros).
int WriteReport(int handle, const unsigned char* data, int count) {
  if (!data || count < 1 || count > kReportSize) return 0;
  std::lock_guard<std::mutex> lock(g_mutex);
  hid_device* device = Find(handle);
  if (!device) return 0;
  unsigned char report[kReportSize + 1] = {0};
  std::memcpy(report + 1, data, static_cast<size_t>(count));
  return hid_write(device, report, sizeof report) > 0 ? 1 : 0;
}

// Reads one report and copies its first count bytes.
int ReadReport(int handle, unsigned char* buffer, int count, int waitMs) {
  if (!buffer || count < 1 || count > kReportSize) return 0;
  std::lock_guard<std::mutex> lock(g_mutex);
  hid_device* device = Find(handle);
  if (!device) return 0;
  unsigned char report[kReportSize] = {0};
  int got = hid_read_timeout(device, report, sizeof report, waitMs);
  if (got < count) return 0;
  std::memcpy(buffer, report, static_cast<size_t>(count));
  return 1;
}

// Closes what is still open and releases hidapi when the library is unloaded.
struct HidRelease {
  ~HidRelease() {
    std::lock_guard<std::mutex> lock(g_mutex);
    for (auto& entry : g_devices) hid_close(entry.second);
    g_devices.clear();
    if (g_initialised) hid_exit();
    g_initialised = false;
  }
} g_hidRelease;

}  // namespace

extern "C" {

CONDUVIX_API int CV_OpenDeviceI(int vendorId, int productId) {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (!g_initialised) {
    if (hid_init() != 0) return 0;
    g_initialised = true;
  }
  hid_device* device =
      hid_open(static_cast<unsigned short>(vendorId), static_cast<unsigned short>(productId), nullptr);
  if (!device) return 0;
  int handle = g_nextHandle++;
  if (g_nextHandle <= 0) g_nextHandle = 1;
  g_devices[handle] = device;
  return handle;
}

CONDUVIX_API int CV_CloseDevice(int handle) {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = g_devices.find(handle);
  if (it == g_devices.end()) return 0;
  hid_close(it->second);
  g_devices.erase(it);
  return 1;
}

CONDUVIX_API int CV_SetUSBCmd(int handle, int count, unsigned char* packet) {
  return count == kReportSize ? WriteReport(handle, packet, count) : 0;
}

CONDUVIX_API int CV_GetUSBAck(int handle, int count, unsigned char* buffer) {
  return count == kReportSize ? ReadReport(handle, buffer, count, kAckWaitMs) : 0;
}

CONDUVIX_API int CV_ReadUSB(int handle, unsigned char* buffer, int count) {
  return ReadReport(handle, buffer, count, kDataWaitMs);
}

CONDUVIX_API int CV_WriteUSB(int handle, unsigned char* buffer, int count) {
  return WriteReport(handle, buffer, count);
}

}  // extern "C"
