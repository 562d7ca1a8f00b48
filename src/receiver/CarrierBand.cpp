// The band table of general remotes and its dispatcher.
#include "receiver/FixedMatchers.h"
#include "receiver/FrameWindows.h"
#include "receiver/GenericDecoders.h"
#include "receiver/IrAnalyser.h"
#include "receiver/PulseList.h"

namespace analyser {
namespace {

struct stBandRow {
  const stLeaderWindows* leader;
  FixedMatcher matcher;
};

// In table order; where leader windows meet (kinds 9, 5 and 1), every row
// that fits is tried and the first matcher whose checks pass wins.
const stBandRow kBandTable[] = {
    {&kKind3.leader, MatchFrameKind3},   {&kKind4.leader, MatchFrameKind4},
    {&kKind6.leader, MatchFrameKind6},   {&kKind8.leader, MatchFrameKind8},
    {&kKind10.leader, MatchFrameKind10}, {&kKind9.leader, MatchFrameKind9},
    {&kKind5.leader, MatchFrameKind5},   {&kKind1.leader, MatchFrameKind1},
    {&kKind7.leader, MatchFrameKind7},   {&kKind11.leader, MatchFrameKind11},
};

bool RowMatches(const stLeaderWindows& leader, std::uint32_t carrierHz, int leaderMark, int leaderSpace) {
  return leader.carrierHz.Contains(static_cast<int>(carrierHz)) && leader.mark.Contains(leaderMark) &&
         (leader.space.Contains(leaderSpace) || leader.space2.Contains(leaderSpace));
}

}  // namespace

bool RowSelects(FixedMatcher matcher, std::uint32_t carrierHz, int leaderMark, int leaderSpace) {
  for (const stBandRow& row : kBandTable) {
    if (row.matcher == matcher) return RowMatches(*row.leader, carrierHz, leaderMark, leaderSpace);
  }
  return false;
}

bool MatchFixedFrame(std::uint32_t carrierHz, int leaderMark, int leaderSpace) {
  for (const stBandRow& row : kBandTable) {
    if (RowMatches(*row.leader, carrierHz, leaderMark, leaderSpace) && row.matcher()) return true;
  }
  return false;
}

}  // namespace analyser

void DecodeByCarrierBand() {
  using namespace analyser;
  ClearAnalyserResults();
  stIrResult& result = g_IrCapture.result;
  const std::uint32_t carrierHz = CalcCarrier();
  result.carrierFrequency = carrierHz;
  result.carrierKHz = carrierHz / 1000.0;

  result.frameError = MatchFixedFrame(carrierHz, Mark(0), Space(0)) ? 0 : 1;
  if (result.frameError) DecodeUnknownFrame();
  if (result.frameKind == 0) result.noFrame = 1;
}
