#include "receiver/AnalyserResults.h"

#include "receiver/IrCapture.h"

namespace {

const stIrResult& Result() { return g_IrCapture.result; }
const stGenericResult& Generic() { return g_IrCapture.result.generic; }

// Words of a 160-bit register, least significant first.
std::uint32_t RegisterWordFromLow(const stBitRegister& reg, int index) {
  return reg.words[kBitRegisterWords - 1 - index];
}

}  // namespace

bool AnalyserCaptureErrorFlag() { return Result().noCarrier != 0 && Result().carrierFrequency == 0; }

bool AnalyserRelearnFlag() {
  const bool inconsistentList = Result().noCarrier != 0 && Result().carrierFrequency != 0;
  return Result().timingFailure != 0 || inconsistentList || Result().noFrame != 0;
}

double AnalyserCarrierKHz() { return Result().carrierKHz; }
float AnalyserDuty() { return Result().duty; }
std::uint32_t AnalyserTimeValue() { return Generic().gap.space; }
bool AnalyserValidFrameFlag() { return Generic().gap.flag != 0; }

std::uint16_t AnalyserFrameKind() { return Result().frameKind; }
std::uint16_t AnalyserCodingKind() { return Generic().style; }
std::uint16_t AnalyserAddress() { return Result().address; }
std::uint16_t AnalyserCommand() { return Result().command; }
std::uint16_t AnalyserToggle() { return Result().toggle; }

bool AnalyserLeadCodeFlag() { return Generic().leaderFlag != 0; }
std::uint32_t AnalyserLeadCodeMark() { return Generic().leaderMark; }
std::uint32_t AnalyserLeadCodeSpace() { return Generic().leaderSpace; }
std::uint32_t AnalyserFrameLength() { return Generic().framePeriod; }
std::uint32_t AnalyserAirFrameLength() { return Generic().gap.space; }
std::uint32_t AnalyserEndCodeMark() { return Generic().secondLeaderMark; }
std::uint32_t AnalyserEndCodeSpace() { return Generic().secondLeaderSpace; }
std::uint16_t AnalyserEndKind() { return Generic().nextFrameCode; }
bool AnalyserStopBitFlag() { return Generic().stopBit != 0; }
bool AnalyserRepeatFlag() { return Generic().repeatFlag != 0; }

std::uint32_t AnalyserUnitTime() { return Generic().halfBitTime; }

std::uint32_t AnalyserBitTime(int index) {
  const stGenericResult& generic = Generic();
  switch (index) {
    case 0: return generic.bit0Mark;
    case 1: return generic.bit0Space;
    case 2: return generic.bit1Mark;
    case 3: return generic.bit1Space;
    default: return 0;
  }
}

std::uint32_t AnalyserDataWord() { return Result().frameValue; }

std::uint32_t AnalyserBitStoreWord(int index) {
  if (index < 0 || index >= kBitStoreWords) return 0;
  return RegisterWordFromLow(Generic().bitRegister, index);
}

bool AnalyserDataFlag() { return Generic().splitFlag != 0; }
bool AnalyserFrameTextFlag() { return Generic().splitFlag != 0; }
std::uint16_t AnalyserDataBitCount() { return Generic().bitCount; }

std::uint32_t AnalyserFrameFieldWord(int field, int word) {
  if (field < 0 || field >= kFrameFieldCount || word < 0 || word >= kFrameFieldWords) return 0;
  return RegisterWordFromLow(Generic().segments[field].bits, word);
}

std::uint16_t AnalyserFrameFieldBitLength(int field) {
  if (field < 0 || field >= kFrameFieldCount) return 0;
  return Generic().segments[field].bitCount;
}

bool AnalyserFirstFieldCFlag() { return Generic().gap.flag != 0; }
bool AnalyserEFlag() { return Generic().end.flag != 0; }
bool AnalyserILFlag() { return Generic().secondFrameFlag != 0; }
bool AnalyserThirdFieldCFlag() { return Generic().secondGap.flag != 0; }
