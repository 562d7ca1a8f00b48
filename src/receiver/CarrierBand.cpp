// The band table of general remotes and its dispatcher.
#include "receiver/FixedMatchers.h"
#include "receiver/GenericDecoders.h"
#include "receiver/IrAnalyser.h"
#include "receiver/PulseList.h"

#include <climits>

namespace analyser {
namespace {

struct stBandRow {
  std::uint32_t lowHz;
  std::uint32_t highHz;
  int markLow;
  int markHigh;
  int spaceLow;  // space ranges; a second range of {0, -1} is empty
  int spaceHigh;
  int spaceLow2;
  int spaceHigh2;
  FixedMatcher matcher;
};

constexpr int kAnySpace = INT_MAX;

// Bounds inclusive; carrier in Hz, leader in 4 µs units.
const stBandRow kBandTable[] = {
    {35201, 36799, 208, 236, 0, kAnySpace, 0, -1, MatchFrameKind3},
    {35201, 36799, 634, 700, 0, kAnySpace, 0, -1, MatchFrameKind4},
    {37201, 38799, 21, 159, 146, 194, 396, 444, MatchFrameKind6},
    {37201, 38799, 21, 159, 576, 674, 0, -1, MatchFrameKind8},
    {37201, 38799, 21, 159, 1766, 1950, 0, -1, MatchFrameKind10},
    {37201, 38799, 1951, 2049, 951, 1049, 0, -1, MatchFrameKind9},
    {37201, 38799, 2051, 2149, 998, 1102, 0, -1, MatchFrameKind5},
    {37201, 38799, 2201, 2299, 1069, 1181, 0, -1, MatchFrameKind1},
    {39201, 40799, 551, 649, 126, 174, 0, -1, MatchFrameKind7},
    {55001, 56999, 951, 1049, 951, 1049, 0, -1, MatchFrameKind11},
};

bool RowMatches(const stBandRow& row, std::uint32_t carrierHz, int leaderMark, int leaderSpace) {
  return row.lowHz <= carrierHz && carrierHz <= row.highHz &&
         InRange(leaderMark, row.markLow, row.markHigh) &&
         (InRange(leaderSpace, row.spaceLow, row.spaceHigh) ||
          InRange(leaderSpace, row.spaceLow2, row.spaceHigh2));
}

}  // namespace

FixedMatcher SelectFixedMatcher(std::uint32_t carrierHz, int leaderMark, int leaderSpace) {
  for (const stBandRow& row : kBandTable) {
    if (RowMatches(row, carrierHz, leaderMark, leaderSpace)) return row.matcher;
  }
  return nullptr;
}

}  // namespace analyser

void DecodeByCarrierBand() {
  using namespace analyser;
  ClearAnalyserResults();
  stIrResult& result = g_IrCapture.result;
  const std::uint32_t carrierHz = CalcCarrier();
  result.carrierFrequency = carrierHz;
  result.carrierKHz = carrierHz / 1000.0;

  const FixedMatcher matcher = SelectFixedMatcher(carrierHz, Mark(0), Space(0));
  result.frameError = (matcher != nullptr && matcher()) ? 0 : 1;
  if (result.frameError) DecodeUnknownFrame();
  if (result.frameKind == 0) result.noFrame = 1;
}
