// The document's view of the results: flags, word order and the frame text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnalyserTestUtil.h"

using namespace capturesynth;
using namespace analysertest;

namespace {

// The document's rule for the digits of a decoded field: bytes from the
// first on, each byte's eight digits put in front of the text, cut to the
// last n digits as soon as there are enough.
std::string DocumentBits(const std::vector<std::uint8_t>& bytes, int n) {
  std::string text;
  for (std::uint8_t byte : bytes) {
    std::string digits;
    for (int bit = 7; bit >= 0; --bit) digits += ((byte >> bit) & 1) ? '1' : '0';
    text = digits + text;
    if (static_cast<int>(text.size()) >= n) return text.substr(text.size() - n);
  }
  return text;
}

// Words stored the way the document stores them (little-endian bytes).
std::vector<std::uint8_t> LittleEndianBytes(const std::vector<std::uint32_t>& words) {
  std::vector<std::uint8_t> bytes;
  for (std::uint32_t word : words) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(word >> (8 * i)));
  }
  return bytes;
}

const std::vector<bool> kFirst =
    Join({LsbFirst(0x31, 8), LsbFirst(0x4A, 8), LsbFirst(0x07, 8), LsbFirst(0xC5, 8), MsbFirst(0b110, 3)});
const std::vector<bool> kSecond =
    Join({LsbFirst(0x81, 8), LsbFirst(0x3E, 8), LsbFirst(0x00, 8), LsbFirst(0x9F, 8)});

TEST(AnalyserResults, FrameFieldsReadBackThroughTheDocumentsByteRule) {
  Load(AirConditionerSignal({{kFirst, kSecond}, {kSecond, kFirst}}, false), {9, 0.10, 60});
  DecodeSignalGeneric();
  const std::vector<std::vector<bool>> expected{kFirst, kSecond, kSecond, kFirst};
  for (int f = 0; f < kFrameFieldCount; ++f) {
    std::vector<std::uint32_t> words;
    for (int w = 0; w < kFrameFieldWords; ++w) words.push_back(AnalyserFrameFieldWord(f, w));
    ASSERT_EQ(AnalyserFrameFieldBitLength(f), expected[f].size()) << f;
    EXPECT_EQ(DocumentBits(LittleEndianBytes(words), AnalyserFrameFieldBitLength(f)), BitText(expected[f]))
        << f;
  }
}

TEST(AnalyserResults, BitStoreReadsBackThroughTheDocumentsByteRule) {
  const std::vector<bool> bits =
      Join({LsbFirst(0x12345678, 32), LsbFirst(0x9ABCDEF0, 32), LsbFirst(0x5A5A, 16)});
  Load(AirConditionerSignal({{bits, {}}}, false), {3, 0.10, 100});
  DecodeSignalGeneric();
  ASSERT_EQ(AnalyserDataBitCount(), bits.size());
  std::vector<std::uint32_t> words;
  for (int w = 0; w < kBitStoreWords; ++w) words.push_back(AnalyserBitStoreWord(w));
  EXPECT_EQ(DocumentBits(LittleEndianBytes(words), AnalyserDataBitCount()), BitText(bits));
}

TEST(AnalyserResults, FailuresMapToCaptureErrorOrRelearn) {
  struct stCase {
    const char* name;
    bool zeroCarrier;
    bool emptyWave;
    bool captureError;
    bool relearn;
  };
  const stCase cases[] = {
      {"good frame", false, false, false, false},
      {"no carrier period", true, false, true, false},
      {"no pulses", false, true, false, true},
      {"nothing captured", true, true, true, true},
  };
  for (const auto& c : cases) {
    Load(Kind5Frame(0x03, 0x17), {1, 0.0, 0.0});
    if (c.zeroCarrier) LoadCarrierRecord(nullptr, 0);
    if (c.emptyWave) LoadWaveRecord(nullptr, 0);
    DecodeByCarrierBand();
    EXPECT_EQ(AnalyserCaptureErrorFlag(), c.captureError) << c.name;
    EXPECT_EQ(AnalyserRelearnFlag(), c.relearn) << c.name;
  }
}

TEST(AnalyserResults, FixedFrameHasNoGenericFields) {
  Load(Kind1Frame(0x5A, 0xA5, 0x3C), {1, 0.10, 100});
  DecodeByCarrierBand();
  EXPECT_EQ(AnalyserCodingKind(), 0);
  EXPECT_FALSE(AnalyserDataFlag());
  EXPECT_FALSE(AnalyserLeadCodeFlag());
  EXPECT_EQ(AnalyserDataBitCount(), 0);
  EXPECT_EQ(AnalyserDataWord(), g_IrCapture.result.frameValue);
}

TEST(AnalyserResults, IndicesOutsideTheirRangeReadZero) {
  Load(AirConditionerSignal({{kFirst, kSecond}, {kSecond, kFirst}}, false), {1, 0.0, 0.0});
  DecodeSignalGeneric();
  EXPECT_EQ(AnalyserBitTime(-1), 0u);
  EXPECT_EQ(AnalyserBitTime(4), 0u);
  EXPECT_EQ(AnalyserBitStoreWord(4), 0u);
  EXPECT_EQ(AnalyserFrameFieldWord(4, 0), 0u);
  EXPECT_EQ(AnalyserFrameFieldWord(0, 5), 0u);
  EXPECT_EQ(AnalyserFrameFieldBitLength(-1), 0);
}

}  // namespace
