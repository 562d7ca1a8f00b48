// The bootloader's wire protocol: one 64-byte HID report per request and one
// per reply (README.md). Shared by the host side and the simulated bootloader.
#pragma once

#include <array>
#include <cstdint>

namespace nexboot {

constexpr int kReportSize = 64;
constexpr int kHeaderSize = 8;
constexpr int kPayloadMax = kReportSize - kHeaderSize;
// Data bytes per write and per read request.
constexpr int kWriteChunk = 32;
constexpr int kReadChunk = 56;

constexpr int kDefaultVendorId = 0x2F5C;
constexpr int kDefaultProductId = 0x4C51;

enum class BootCommand : std::uint8_t {
  kIdentify = 0x01,
  kErasePage = 0x02,
  kWrite = 0x03,
  kRead = 0x04,
  kSetStart = 0x05,
  kLeave = 0x06,
};
constexpr std::uint8_t kReplyFlag = 0x80;

enum class BootStatus : std::uint8_t {
  kOk = 0,
  kUnknownCommand = 1,
  kOutOfRange = 2,
  kNotErased = 3,
  kBadLength = 4,
  kNoProgram = 5,
};

enum BootArea : std::uint8_t { kCodeArea = 0, kOptionArea = 1 };

// Request: command, area, payload length, address; reply: command | 0x80,
// status, payload length, address. Multi-byte fields are little-endian.
struct stBootPacket {
  std::uint8_t command = 0;
  std::uint8_t areaOrStatus = 0;
  std::uint16_t length = 0;
  std::uint32_t address = 0;
  std::array<std::uint8_t, kPayloadMax> payload{};
};

using BootReport = std::array<std::uint8_t, kReportSize>;

BootReport EncodePacket(const stBootPacket& packet);
stBootPacket DecodePacket(const BootReport& report);

// The chip information record: nine little-endian 32-bit fields, 36 bytes.
struct stChipInfo {
  std::uint32_t recordSize = 36;
  std::uint32_t chipId = 0;
  std::uint32_t codeSize = 0;  // bytes of the code area; the extent the code erase is given
  std::uint32_t codePageSize = 0;
  std::uint32_t optionSize = 0;
  std::uint32_t optionPageSize = 0;
  std::uint32_t bootloaderVersion = 0;
  std::uint32_t optionBase = 0;  // address of the option area in an image file
  std::uint32_t reserved = 0;
};
constexpr int kChipInfoSize = 36;
constexpr int kChipInfoFields = 9;

void StoreChipInfo(const stChipInfo& info, std::uint8_t* out36);
stChipInfo ReadChipInfo(const std::uint8_t* in36);

}  // namespace nexboot
