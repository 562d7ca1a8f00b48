// Arrival and removal of the receiver board. The board's presence on the USB
// is polled (hidapi) on a timer; a change is reported to the owner, which
// decides with ShouldReconnect whether the receiver thread must reconnect.
#pragma once

#include <wx/timer.h>

#include <functional>

// The board in either of its modes: the maker's vendor id with the product id
// of the board or of its bootloader.
constexpr unsigned kReceiverVendorId = 0x2F5C;
constexpr unsigned kReceiverProductId = 0x6A17;
constexpr unsigned kBootloaderProductId = 0x4C51;

bool IsReceiverBoardDevice(unsigned vendorId, unsigned productId);

// Whether an arrival or removal calls for a reconnect: a removal while
// connected (state 2), or an arrival while disconnected or in the bootloader.
bool ShouldReconnect(int boardState, bool arrival);

// Whether a receiver board is plugged in now.
bool ProbeReceiverBoard();

class CDeviceWatcher : public wxEvtHandler {
 public:
  using Probe = std::function<bool()>;
  using Listener = std::function<void(bool arrival)>;

  explicit CDeviceWatcher(Listener listener, Probe probe = ProbeReceiverBoard);
  ~CDeviceWatcher() override;

  // Takes the present state as the starting point and polls every interval.
  bool Start(int intervalMs = 1000);
  void Stop();
  // One poll: reports a change since the last one.
  void Poll();

 private:
  Listener m_listener;
  Probe m_probe;
  wxTimer m_timer;
  bool m_present = false;
};
