#include "SimBootloader.h"

#include <algorithm>
#include <iterator>

namespace boardsim {

using nexboot::BootCommand;
using nexboot::BootReport;
using nexboot::BootStatus;
using nexboot::stBootPacket;

namespace {
constexpr std::uint8_t kErased = 0xFF;
constexpr int kUserProgram = 2;
}  // namespace

nexboot::stChipInfo SimulatedChip() {
  nexboot::stChipInfo chip;
  chip.chipId = 0x4C51;
  chip.codeSize = 0x4000;
  chip.codePageSize = 512;
  chip.optionSize = 16;
  chip.optionPageSize = 16;
  chip.bootloaderVersion = 0x0100;
  chip.optionBase = 0x00F00000;
  return chip;
}

CSimBootloader::CSimBootloader() : m_chip(SimulatedChip()) { Reset(); }

void CSimBootloader::Reset(std::uint16_t version) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_code.assign(m_chip.codeSize, kErased);
  m_option.assign(m_chip.optionSize, kErased);
  if (version != 0) {
    const std::uint8_t program[] = {0x02, 0x01, 0x10, 0x00};  // a jump over the version mark
    const std::uint8_t mark[] = {
        'I', 'R', 'R', 'C', static_cast<std::uint8_t>(version), static_cast<std::uint8_t>(version >> 8)};
    std::copy(std::begin(program), std::end(program), m_code.begin());
    std::copy(std::begin(mark), std::end(mark), m_code.begin() + kVersionMarkAddress);
  }
  m_replies.clear();
  m_present = m_open = false;
  m_unplugAfter = -1;
  m_startTarget = 0;
  m_requests = 0;
}

void CSimBootloader::SetPresent(bool present) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_present = present;
  if (!present) m_open = false;
}

bool CSimBootloader::Present() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_present;
}

void CSimBootloader::UnplugAfterRequests(int requests) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_unplugAfter = requests;
}

void CSimBootloader::SetOnLeave(std::function<void()> onLeave) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_onLeave = std::move(onLeave);
}

std::vector<std::uint8_t> CSimBootloader::Code() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_code;
}

std::vector<std::uint8_t> CSimBootloader::Option() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_option;
}

void CSimBootloader::SetFlash(const std::vector<std::uint8_t>& code,
                              const std::vector<std::uint8_t>& option) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_code.assign(m_chip.codeSize, kErased);
  m_option.assign(m_chip.optionSize, kErased);
  std::copy_n(code.begin(), std::min(code.size(), m_code.size()), m_code.begin());
  std::copy_n(option.begin(), std::min(option.size(), m_option.size()), m_option.begin());
}

std::uint16_t CSimBootloader::FlashFirmwareVersion() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  const std::uint8_t* mark = &m_code[kVersionMarkAddress];
  if (!std::equal(mark, mark + 4, "IRRC")) return 0;
  return static_cast<std::uint16_t>(mark[4] | mark[5] << 8);
}

int CSimBootloader::StartTarget() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_startTarget;
}

int CSimBootloader::RequestCount() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_requests;
}

bool CSimBootloader::Open(int vendorId, int productId) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_replies.clear();
  m_open = m_present && vendorId == nexboot::kDefaultVendorId && productId == nexboot::kDefaultProductId;
  return m_open;
}

void CSimBootloader::Close() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_open = false;
  m_replies.clear();
}

void CSimBootloader::Unplug() {
  m_present = m_open = false;
  m_replies.clear();
  m_unplugAfter = -1;
}

bool CSimBootloader::Send(const BootReport& report) {
  std::function<void()> onLeave;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_open) return false;
    if (m_unplugAfter == 0) {
      Unplug();
      return false;
    }
    if (m_unplugAfter > 0) --m_unplugAfter;
    ++m_requests;
    const stBootPacket request = nexboot::DecodePacket(report);
    if (request.command == static_cast<std::uint8_t>(BootCommand::kLeave)) {
      // The board resets into its program: the bootloader leaves the bus without a reply.
      m_present = m_open = false;
      m_replies.clear();
      onLeave = m_onLeave;
    } else {
      m_replies.push_back(nexboot::EncodePacket(Handle(request)));
    }
  }
  if (onLeave) onLeave();
  return true;
}

bool CSimBootloader::Receive(BootReport& report) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (!m_open || m_replies.empty()) return false;
  report = m_replies.front();
  m_replies.pop_front();
  return true;
}

stBootPacket CSimBootloader::Handle(const stBootPacket& request) {
  stBootPacket reply;
  reply.command = static_cast<std::uint8_t>(request.command | nexboot::kReplyFlag);
  reply.address = request.address;
  const bool code = request.areaOrStatus == nexboot::kCodeArea;
  std::vector<std::uint8_t>& area = code ? m_code : m_option;
  const std::uint32_t page = code ? m_chip.codePageSize : m_chip.optionPageSize;
  const bool knownArea = request.areaOrStatus <= nexboot::kOptionArea;
  BootStatus status = BootStatus::kOk;
  switch (static_cast<BootCommand>(request.command)) {
    case BootCommand::kIdentify:
      nexboot::StoreChipInfo(m_chip, reply.payload.data());
      reply.length = nexboot::kChipInfoSize;
      break;
    case BootCommand::kErasePage:
      status = knownArea ? Erase(area, page, request.address) : BootStatus::kOutOfRange;
      break;
    case BootCommand::kWrite:
      status = knownArea ? Write(area, page, request) : BootStatus::kOutOfRange;
      break;
    case BootCommand::kRead: status = knownArea ? Read(area, request, reply) : BootStatus::kOutOfRange; break;
    case BootCommand::kSetStart:
      if (request.address == kUserProgram &&
          std::all_of(m_code.begin(), m_code.begin() + 4, [](std::uint8_t b) { return b == kErased; })) {
        status = BootStatus::kNoProgram;
      } else {
        m_startTarget = static_cast<int>(request.address);
      }
      break;
    default: status = BootStatus::kUnknownCommand;
  }
  reply.areaOrStatus = static_cast<std::uint8_t>(status);
  return reply;
}

BootStatus CSimBootloader::Erase(std::vector<std::uint8_t>& area, std::uint32_t page, std::uint32_t address) {
  if (address % page != 0 || address >= area.size()) return BootStatus::kOutOfRange;
  std::fill_n(area.begin() + address, page, kErased);
  return BootStatus::kOk;
}

BootStatus CSimBootloader::Write(std::vector<std::uint8_t>& area, std::uint32_t page,
                                 const stBootPacket& request) {
  const std::uint32_t address = request.address, length = request.length;
  if (length == 0 || length > nexboot::kWriteChunk) return BootStatus::kBadLength;
  if (address >= area.size() || length > area.size() - address ||
      address / page != (address + length - 1) / page) {
    return BootStatus::kOutOfRange;
  }
  // Programming only clears bits: a byte can take a value only where it still has its ones.
  for (std::uint32_t i = 0; i < length; ++i) {
    if ((area[address + i] & request.payload[i]) != request.payload[i]) return BootStatus::kNotErased;
  }
  std::copy_n(request.payload.begin(), length, area.begin() + address);
  return BootStatus::kOk;
}

BootStatus CSimBootloader::Read(const std::vector<std::uint8_t>& area, const stBootPacket& request,
                                stBootPacket& reply) {
  const std::uint32_t address = request.address, length = request.length;
  if (length == 0 || length > nexboot::kReadChunk) return BootStatus::kBadLength;
  if (address >= area.size() || length > area.size() - address) return BootStatus::kOutOfRange;
  std::copy_n(area.begin() + address, length, reply.payload.begin());
  reply.length = static_cast<std::uint16_t>(length);
  return BootStatus::kOk;
}

}  // namespace boardsim
