#include "BootSession.h"

#include "HexImage.h"
#include "nexboot.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace nexboot {

namespace {

constexpr std::uint8_t kErased = 0xFF;

stBootPacket Request(BootCommand command, int area = 0, std::uint32_t address = 0, std::uint16_t length = 0) {
  stBootPacket packet;
  packet.command = static_cast<std::uint8_t>(command);
  packet.areaOrStatus = static_cast<std::uint8_t>(area);
  packet.address = address;
  packet.length = length;
  return packet;
}

bool ReadWholeFile(const char* path, std::string& text) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

}  // namespace

int CBootSession::SetDevice(int productId, int vendorId) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_productId = productId;
  m_vendorId = vendorId;
  return kBootOk;
}

void CBootSession::Forget() {
  m_connected = false;
  m_loaded = false;
  m_code.clear();
  m_option.clear();
}

int CBootSession::Connect() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_transport.Close();
  Forget();
  if (!m_transport.Open(m_vendorId, m_productId)) return kBootNoDevice;
  m_connected = true;
  stBootPacket reply;
  int result = Exchange(Request(BootCommand::kIdentify), reply);
  if (result == kBootOk) {
    m_chip = ReadChipInfo(reply.payload.data());
    const bool sane = reply.length == kChipInfoSize && m_chip.recordSize == kChipInfoSize &&
                      m_chip.codeSize > 0 && m_chip.codePageSize > 0 &&
                      (m_chip.optionSize == 0 || m_chip.optionPageSize > 0);
    if (!sane) result = kBootBadChipInfo;
  }
  if (result != kBootOk) {
    m_transport.Close();
    Forget();
  }
  return result;
}

int CBootSession::Disconnect() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_transport.Close();
  Forget();
  return kBootOk;
}

int CBootSession::GetMcuInfo(void* record) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (!record || !m_connected) return 0;
  std::uint32_t size = 0;
  std::memcpy(&size, record, sizeof size);
  if (size != kChipInfoSize) return 0;
  const std::uint32_t fields[kChipInfoFields] = {
      m_chip.recordSize,        m_chip.chipId,     m_chip.codeSize,
      m_chip.codePageSize,      m_chip.optionSize, m_chip.optionPageSize,
      m_chip.bootloaderVersion, m_chip.optionBase, m_chip.reserved};
  std::memcpy(record, fields, sizeof fields);
  return 1;
}

int CBootSession::LoadFile(const char* path, int* outputs[6]) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_loaded = false;
  auto fail = [this](int error) {
    m_loadError = error;
    return error;
  };
  if (!m_connected) return fail(NB_LOAD_NOT_CONNECTED);
  std::string text;
  if (!path || !ReadWholeFile(path, text)) return fail(NB_LOAD_OPEN_FAILED);
  stHexImage hex = ParseIntelHex(text);
  if (hex.error) return fail(hex.error);

  m_code.assign(m_chip.codeSize, kErased);
  m_option.assign(m_chip.optionSize, kErased);
  std::uint32_t lowest = UINT32_MAX, end = 0, codeBytes = 0, optionBytes = 0, sum = 0;
  for (const stHexData& data : hex.data) {
    for (size_t i = 0; i < data.bytes.size(); ++i) {
      const std::uint32_t address = data.address + static_cast<std::uint32_t>(i);
      const std::uint8_t value = data.bytes[i];
      sum += value;
      if (address < m_chip.codeSize) {
        m_code[address] = value;
        lowest = std::min(lowest, address);
        end = std::max(end, address + 1);
        ++codeBytes;
      } else if (address >= m_chip.optionBase && address - m_chip.optionBase < m_chip.optionSize) {
        m_option[address - m_chip.optionBase] = value;
        ++optionBytes;
      } else {
        m_code.clear();
        m_option.clear();
        return fail(NB_LOAD_OUTSIDE_CHIP);
      }
    }
  }
  const int values[6] = {static_cast<int>(codeBytes ? lowest : 0),
                         static_cast<int>(end),
                         static_cast<int>(codeBytes),
                         static_cast<int>(optionBytes),
                         static_cast<int>(hex.data.size()),
                         static_cast<int>(sum & 0xFFFF)};
  for (int i = 0; i < 6; ++i) {
    if (outputs[i]) *outputs[i] = values[i];
  }
  m_loaded = true;
  m_loadError = NB_LOAD_OK;
  return NB_LOAD_OK;
}

int CBootSession::LoadError() {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_loadError;
}

std::uint32_t CBootSession::AreaSize(int area) const {
  return area == kCodeArea ? m_chip.codeSize : m_chip.optionSize;
}

std::uint32_t CBootSession::PageSize(int area) const {
  return area == kCodeArea ? m_chip.codePageSize : m_chip.optionPageSize;
}

int CBootSession::CheckArea(int area) const {
  if (!m_connected) return kBootNotConnected;
  if (area != kCodeArea && area != kOptionArea) return kBootBadRange;
  return kBootOk;
}

int CBootSession::AreaRange(int start, int extent, int area, stRange& range) const {
  const std::uint32_t size = AreaSize(area);
  if (start < 0 || extent < 0 || static_cast<std::uint32_t>(start) > size) return kBootBadRange;
  range.begin = static_cast<std::uint32_t>(start);
  range.end =
      extent == 0 ? size : std::min<std::uint64_t>(size, range.begin + static_cast<std::uint64_t>(extent));
  return kBootOk;
}

int CBootSession::Erase(int start, int extent, int area) {
  std::lock_guard<std::mutex> lock(m_mutex);
  stRange range;
  int result = CheckArea(area);
  if (result == kBootOk) result = AreaRange(start, extent, area, range);
  if (result != kBootOk || range.begin == range.end) return result;
  const std::uint32_t page = PageSize(area);
  for (std::uint32_t at = range.begin / page * page; at < range.end && result == kBootOk; at += page) {
    stBootPacket reply;
    result = Exchange(Request(BootCommand::kErasePage, area, at), reply);
  }
  return result;
}

int CBootSession::Program(int area) {
  std::lock_guard<std::mutex> lock(m_mutex);
  int result = CheckArea(area);
  if (result != kBootOk) return result;
  if (!m_loaded) return kBootNoImage;
  const std::vector<std::uint8_t>& image = Image(area);
  const std::uint32_t page = PageSize(area);
  for (std::uint32_t at = 0; at < image.size() && result == kBootOk;) {
    const std::uint32_t length =
        std::min<std::uint32_t>({static_cast<std::uint32_t>(kWriteChunk), page - at % page,
                                 static_cast<std::uint32_t>(image.size()) - at});
    const auto first = image.begin() + at, last = first + length;
    if (std::any_of(first, last, [](std::uint8_t b) { return b != kErased; })) {
      stBootPacket request = Request(BootCommand::kWrite, area, at, static_cast<std::uint16_t>(length));
      std::copy(first, last, request.payload.begin());
      stBootPacket reply;
      result = Exchange(request, reply);
    }
    at += length;
  }
  return result;
}

int CBootSession::Verify(int start, int extent, int area) {
  std::lock_guard<std::mutex> lock(m_mutex);
  stRange range;
  int result = CheckArea(area);
  if (result != kBootOk) return result;
  if (!m_loaded) return kBootNoImage;
  result = AreaRange(start, extent, area, range);
  const std::vector<std::uint8_t>& image = Image(area);
  for (std::uint32_t at = range.begin; at < range.end && result == kBootOk;) {
    const std::uint32_t length = std::min<std::uint32_t>(kReadChunk, range.end - at);
    stBootPacket reply;
    result = Exchange(Request(BootCommand::kRead, area, at, static_cast<std::uint16_t>(length)), reply);
    if (result == kBootOk &&
        (reply.length != length ||
         !std::equal(image.begin() + at, image.begin() + at + length, reply.payload.begin()))) {
      result = kBootMismatch;
    }
    at += length;
  }
  return result;
}

int CBootSession::ExecuteFrom(int target) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (!m_connected) return kBootNotConnected;
  stBootPacket reply;
  return Exchange(Request(BootCommand::kSetStart, 0, static_cast<std::uint32_t>(target)), reply);
}

int CBootSession::SwitchToUser() {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (!m_connected) return kBootNotConnected;
  // The device resets at once; no reply comes.
  const bool sent = m_transport.Send(EncodePacket(Request(BootCommand::kLeave)));
  m_transport.Close();
  Forget();
  return sent ? kBootOk : kBootLinkFailed;
}

int CBootSession::Exchange(const stBootPacket& request, stBootPacket& reply) {
  BootReport report;
  if (!m_transport.Send(EncodePacket(request)) || !m_transport.Receive(report)) return kBootLinkFailed;
  reply = DecodePacket(report);
  if (reply.command != (request.command | kReplyFlag)) return kBootLinkFailed;
  if (reply.areaOrStatus != static_cast<std::uint8_t>(BootStatus::kOk))
    return kBootRefused + reply.areaOrStatus;
  return kBootOk;
}

}  // namespace nexboot
