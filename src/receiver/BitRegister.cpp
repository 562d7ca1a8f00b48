#include "receiver/BitRegister.h"

namespace analyser {

void PushBit(stBitRegister& reg, unsigned bit) {
  for (int i = 0; i < kBitRegisterWords - 1; ++i)
    reg.words[i] = (reg.words[i] << 1) | (reg.words[i + 1] >> 31);
  reg.words[kBitRegisterWords - 1] = (reg.words[kBitRegisterWords - 1] << 1) | (bit & 1u);
}

void ShiftLeft(stBitRegister& reg, int count) {
  if (count <= 0) return;
  const int wordShift = count / 32;
  const int bitShift = count % 32;
  for (int i = 0; i < kBitRegisterWords; ++i) {
    const int source = i + wordShift;
    std::uint32_t high = source < kBitRegisterWords ? reg.words[source] : 0;
    const std::uint32_t low = source + 1 < kBitRegisterWords ? reg.words[source + 1] : 0;
    if (bitShift != 0) high = (high << bitShift) | (low >> (32 - bitShift));
    reg.words[i] = high;
  }
}

unsigned TopBit(const stBitRegister& reg) { return reg.words[0] >> 31; }

void AppendReceivedBit(unsigned bit) {
  stGenericResult& generic = g_IrCapture.result.generic;
  PushBit(generic.bitRegister, bit);
  if (generic.bitCount < kBitRegisterBits) ++generic.bitCount;
}

std::uint32_t ReverseBits(std::uint32_t value, int count) {
  std::uint32_t reversed = 0;
  for (int i = 0; i < count; ++i) reversed = (reversed << 1) | ((value >> i) & 1u);
  return reversed;
}

}  // namespace analyser
