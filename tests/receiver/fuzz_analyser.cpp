// libFuzzer entry: the first 16 bytes are record '1', the rest record '2'.
#include <cstddef>
#include <cstdint>

#include "receiver/AnalyserResults.h"
#include "receiver/IrAnalyser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t headerLength = size < 16 ? size : 16;
  LoadCarrierRecord(data, headerLength);
  LoadWaveRecord(data + headerLength, size - headerLength);
  DecodeByCarrierBand();
  volatile bool sink = AnalyserRelearnFlag() || AnalyserCaptureErrorFlag();
  DecodeSignalGeneric();
  for (int field = 0; field < kFrameFieldCount; ++field) sink = sink || AnalyserFrameFieldWord(field, 0) != 0;
  (void)sink;
  return 0;
}
