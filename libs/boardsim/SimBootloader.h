// The simulated board's bootloader: a flash model (code and option areas,
// page erase, writes that only clear bits) that answers the bootloader's
// wire protocol, seen through the transport interface of the host side as
// if over USB. Its faults: the device vanishes after a given number of
// requests (unplugged during an update).
#pragma once

#include "BootSession.h"

#include <deque>
#include <functional>
#include <mutex>
#include <vector>

namespace boardsim {

// The simulated chip: 16 KiB of code in 512-byte pages, 16 option bytes in one page.
nexboot::stChipInfo SimulatedChip();

// Where firmware images keep their version: "IRRC" then the 16-bit version, little-endian.
constexpr std::uint32_t kVersionMarkAddress = 0x0100;

class CSimBootloader : public nexboot::IBootTransport {
 public:
  CSimBootloader();

  // Whether the bootloader is on the bus (the board runs its bootloader).
  void SetPresent(bool present);
  bool Present() const;
  // Fault: after this many further requests the device leaves the bus; -1 = never.
  void UnplugAfterRequests(int requests);
  // Called (outside the model's lock) when the host sends the board into its user program.
  void SetOnLeave(std::function<void()> onLeave);

  std::vector<std::uint8_t> Code() const;
  std::vector<std::uint8_t> Option() const;
  void SetFlash(const std::vector<std::uint8_t>& code, const std::vector<std::uint8_t>& option);
  // The version mark of the program in the code area; 0 when there is none.
  std::uint16_t FlashFirmwareVersion() const;
  // What the board runs after it leaves the bootloader (the last accepted start request).
  int StartTarget() const;
  int RequestCount() const;
  // Back to the start: off the bus, no faults, and a flash that holds only a program's first
  // bytes and the version mark of version (a blank code area when it is 0).
  void Reset(std::uint16_t version = 0);

  bool Open(int vendorId, int productId) override;
  void Close() override;
  bool Send(const nexboot::BootReport& report) override;
  bool Receive(nexboot::BootReport& report) override;

 private:
  nexboot::stBootPacket Handle(const nexboot::stBootPacket& request);
  nexboot::BootStatus Erase(std::vector<std::uint8_t>& area, std::uint32_t page, std::uint32_t address);
  nexboot::BootStatus Write(std::vector<std::uint8_t>& area, std::uint32_t page,
                            const nexboot::stBootPacket& request);
  nexboot::BootStatus Read(const std::vector<std::uint8_t>& area, const nexboot::stBootPacket& request,
                           nexboot::stBootPacket& reply);
  void Unplug();

  mutable std::mutex m_mutex;
  nexboot::stChipInfo m_chip;
  std::vector<std::uint8_t> m_code, m_option;
  std::deque<nexboot::BootReport> m_replies;
  std::function<void()> m_onLeave;
  bool m_present = false;
  bool m_open = false;
  int m_unplugAfter = -1;
  int m_startTarget = 0;
  int m_requests = 0;
};

}  // namespace boardsim
