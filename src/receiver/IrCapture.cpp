#include "receiver/IrCapture.h"

#include <algorithm>

stIrCapture g_IrCapture{};

namespace {

void LoadBigEndianWords(const std::uint8_t* bytes, std::size_t length, std::uint16_t* words,
                        std::size_t wordCount) {
  std::fill(words, words + wordCount, std::uint16_t{0});
  if (bytes == nullptr) return;
  const std::size_t count = std::min(length, wordCount * 2);
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned shift = (i % 2 == 0) ? 8 : 0;
    words[i / 2] = static_cast<std::uint16_t>(words[i / 2] | (bytes[i] << shift));
  }
}

}  // namespace

void LoadCarrierRecord(const std::uint8_t* bytes, std::size_t length) {
  LoadBigEndianWords(bytes, length, g_IrCapture.header, kHeaderWords);
}

void LoadWaveRecord(const std::uint8_t* bytes, std::size_t length) {
  LoadBigEndianWords(bytes, length, g_IrCapture.wave, kWaveWords);
}

void ClearAnalyserResults() { g_IrCapture.result = stIrResult{}; }
