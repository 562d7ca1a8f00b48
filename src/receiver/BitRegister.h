// Operations on the analyser's 160-bit registers.
#pragma once

#include "receiver/IrCapture.h"

namespace analyser {

// Shift left by one and put the bit into the lowest position.
void PushBit(stBitRegister& reg, unsigned bit);

// Shift left by count bits (count >= 160 clears the register).
void ShiftLeft(stBitRegister& reg, int count);

unsigned TopBit(const stBitRegister& reg);

// Append one received bit to the generic bit register; the count stops at 160.
void AppendReceivedBit(unsigned bit);

// The low count bits of value in reverse order.
std::uint32_t ReverseBits(std::uint32_t value, int count);

}  // namespace analyser
