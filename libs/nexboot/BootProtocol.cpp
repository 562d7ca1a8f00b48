#include "BootProtocol.h"

#include <cstring>

namespace nexboot {

namespace {

void Put16(std::uint8_t* out, std::uint16_t value) {
  out[0] = static_cast<std::uint8_t>(value);
  out[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint16_t Get16(const std::uint8_t* in) { return static_cast<std::uint16_t>(in[0] | (in[1] << 8)); }

std::uint32_t Get32(const std::uint8_t* in) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | in[i];
  return value;
}

}  // namespace

BootReport EncodePacket(const stBootPacket& packet) {
  BootReport report{};
  report[0] = packet.command;
  report[1] = packet.areaOrStatus;
  Put16(&report[2], packet.length);
  Put32(&report[4], packet.address);
  std::memcpy(&report[kHeaderSize], packet.payload.data(), packet.payload.size());
  return report;
}

stBootPacket DecodePacket(const BootReport& report) {
  stBootPacket packet;
  packet.command = report[0];
  packet.areaOrStatus = report[1];
  packet.length = Get16(&report[2]);
  packet.address = Get32(&report[4]);
  std::memcpy(packet.payload.data(), &report[kHeaderSize], packet.payload.size());
  return packet;
}

void StoreChipInfo(const stChipInfo& info, std::uint8_t* out36) {
  const std::uint32_t fields[kChipInfoFields] = {info.recordSize,        info.chipId,     info.codeSize,
                                                 info.codePageSize,      info.optionSize, info.optionPageSize,
                                                 info.bootloaderVersion, info.optionBase, info.reserved};
  for (int i = 0; i < kChipInfoFields; ++i) Put32(out36 + 4 * i, fields[i]);
}

stChipInfo ReadChipInfo(const std::uint8_t* in36) {
  stChipInfo info;
  std::uint32_t* fields[kChipInfoFields] = {&info.recordSize,        &info.chipId,     &info.codeSize,
                                            &info.codePageSize,      &info.optionSize, &info.optionPageSize,
                                            &info.bootloaderVersion, &info.optionBase, &info.reserved};
  for (int i = 0; i < kChipInfoFields; ++i) *fields[i] = Get32(in36 + 4 * i);
  return info;
}

}  // namespace nexboot
