// Capture records from the receiver board through the document: any pair of
// records is stored, analysed and read back into the document's fields.
#include "core/DocCapture.h"
#include "core/DocManage.h"
#include "receiver/IrAnalyser.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // First byte: the carrier record's length; the rest is the wave record.
  if (size == 0) return 0;
  const std::size_t carrier = std::min<std::size_t>(data[0], size - 1);
  const std::size_t wave = std::min<std::size_t>(size - 1 - carrier, 0xFFFF);
  CDocManage doc;
  doc.StoreCaptureRecord('1', data + 1, static_cast<std::uint16_t>(carrier));
  doc.StoreCaptureRecord('2', data + 1 + carrier, static_cast<std::uint16_t>(wave));
  doc.GetWaveEdgeTimes();
  DecodeByCarrierBand();
  DecodeSignalGeneric();
  doc.ApplyDecodedCarrier();
  doc.CopyDecodedFields();
  doc.ApplyDecodedTiming();
  for (int bits = 0; bits <= 64; bits += 7) doc.GetDecodedDataBits(bits);
  doc.GetDecodedFrameText();
  FormatDecodedTime();
  return 0;
}
