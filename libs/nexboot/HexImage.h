// Intel HEX reading: data records (00), end of file (01), extended segment
// (02) and linear (04) addresses; start addresses (03, 05) are accepted and
// ignored. Whatever follows the end record is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nexboot {

struct stHexData {
  std::uint32_t address = 0;
  std::vector<std::uint8_t> bytes;
};

struct stHexImage {
  int error = 0;  // NB_LOAD_... of nexboot.h; 0 when read
  int line = 0;   // the line of the error
  std::vector<stHexData> data;
};

stHexImage ParseIntelHex(const std::string& text);

}  // namespace nexboot
