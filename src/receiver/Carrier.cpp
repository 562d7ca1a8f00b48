// Carrier frequency and duty from the timer captures of three carrier periods.
#include "receiver/IrAnalyser.h"

namespace {

constexpr std::uint32_t kTimerClockHz = 16000000;

std::uint16_t Elapsed(std::uint16_t from, std::uint16_t to) { return static_cast<std::uint16_t>(to - from); }

}  // namespace

std::uint32_t CalcCarrier() {
  const std::uint16_t* h = g_IrCapture.header;
  stIrResult& result = g_IrCapture.result;
  // The timer is 16 bits wide: differences and sums wrap as it does.
  const std::uint16_t fourPeriods = static_cast<std::uint16_t>(Elapsed(h[2], h[6]) + Elapsed(h[3], h[7]));
  const std::uint32_t period = fourPeriods / 4u;
  if (period == 0) {
    result.noCarrier = 1;
    result.duty = 0.0f;
    result.carrierFrequency = 0;
    result.carrierKHz = 0.0;
    return 0;
  }
  const std::uint16_t twoFirstPhases = static_cast<std::uint16_t>(Elapsed(h[4], h[5]) + Elapsed(h[6], h[7]));
  std::uint32_t firstPhase = twoFirstPhases / 2u;
  if (firstPhase > period) firstPhase = period;
  if (firstPhase > period / 2) firstPhase = period - firstPhase;  // the shorter phase

  // Kept in 32 bits: carriers above 65.5 kHz must not wrap into a lower band.
  const std::uint32_t frequency = kTimerClockHz / period;
  const double correction = (frequency / 1000.0 - 30.0) / 1000.0;
  result.duty = static_cast<float>(static_cast<double>(firstPhase) / period - correction);
  result.carrierFrequency = frequency;
  result.carrierKHz = frequency / 1000.0;
  return frequency;
}
