// Small helpers shared by the analyser tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CaptureSynth.h"
#include "receiver/AnalyserResults.h"
#include "receiver/IrAnalyser.h"

namespace analysertest {

inline void Load(const capturesynth::stSignal& signal, const capturesynth::stDistortion& distortion) {
  capturesynth::LoadIntoAnalyser(capturesynth::Synthesize(signal, distortion));
}

inline std::string BitText(const std::vector<bool>& bits) {
  std::string text;
  for (bool bit : bits) text += bit ? '1' : '0';
  return text;
}

// The last count received bits of the generic bit register, in arrival order.
inline std::string LastReceivedBits(int count) {
  std::string text;
  const stBitRegister& reg = g_IrCapture.result.generic.bitRegister;
  for (int i = count - 1; i >= 0; --i) {
    const std::uint32_t word = reg.words[kBitRegisterWords - 1 - i / 32];
    text += ((word >> (i % 32)) & 1u) ? '1' : '0';
  }
  return text;
}

// A frame field through the accessors, in arrival order.
inline std::string FieldBits(int field) {
  std::string text;
  const int count = AnalyserFrameFieldBitLength(field);
  for (int i = count - 1; i >= 0; --i) {
    text += ((AnalyserFrameFieldWord(field, i / 32) >> (i % 32)) & 1u) ? '1' : '0';
  }
  return text;
}

inline bool CloseTo(double value, double expected, double tolerance) {
  return value > expected - tolerance && value < expected + tolerance;
}

}  // namespace analysertest
