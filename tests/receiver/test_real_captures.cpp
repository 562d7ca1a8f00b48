// Captures of real remotes (tests/receiver/captures, sources in its README)
// turned into the board's records and run through the analyser. Each capture
// carries the decode known from its source: the kind with its address and
// command, "no fixed kind" for protocols without one, a relearn request for
// frames no result can hold, or for air-conditioner captures the bits of each
// frame part.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "AnalyserTestUtil.h"

using namespace capturesynth;
using namespace analysertest;

namespace {

enum class EExpect { Kind, NoFixedKind, Segments, Relearn };

struct stRealCapture {
  std::string where;  // file and capture name
  std::string protocol;
  bool airConditioner = false;
  double carrierHz = 0;
  EExpect expect = EExpect::NoFixedKind;
  int kind = 0;
  int address = 0;
  int command = 0;
  int toggle = -1;  // -1: not checked
  std::vector<std::string> segments;
  std::vector<double> durationsUs;  // mark, space, mark, ...
};

void ParseExpectation(const std::string& text, stRealCapture& capture) {
  std::istringstream in(text);
  std::string word;
  in >> word;
  if (word == "kind") {
    capture.expect = EExpect::Kind;
    std::string key;
    in >> capture.kind;
    while (in >> key) {
      std::string value;
      in >> value;
      const int number = std::stoi(value, nullptr, 0);
      if (key == "address") capture.address = number;
      if (key == "command") capture.command = number;
      if (key == "toggle") capture.toggle = number;
    }
  } else if (word == "segments") {
    capture.expect = EExpect::Segments;
    std::string bits;
    while (in >> bits) capture.segments.push_back(bits);
  } else if (word == "relearn") {
    capture.expect = EExpect::Relearn;
  } else {
    capture.expect = EExpect::NoFixedKind;
  }
}

std::vector<stRealCapture> LoadCaptures() {
  std::vector<stRealCapture> captures;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(OLV_CAPTURE_DIR)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& path : files) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
      const std::size_t colon = line.find(": ");
      if (line.empty() || line[0] == '#' || colon == std::string::npos) continue;
      const std::string key = line.substr(0, colon);
      const std::string value = line.substr(colon + 2);
      if (key == "capture") {
        captures.emplace_back();
        captures.back().where = path.filename().string() + ", " + value;
      } else if (captures.empty()) {
        continue;
      } else if (key == "protocol") {
        captures.back().protocol = value;
      } else if (key == "analyser") {
        captures.back().airConditioner = value == "air";
      } else if (key == "carrier") {
        captures.back().carrierHz = std::stod(value);
      } else if (key == "expect") {
        ParseExpectation(value, captures.back());
      } else if (key == "data") {
        std::istringstream in(value);
        double duration = 0;
        while (in >> duration) captures.back().durationsUs.push_back(duration);
      }
    }
  }
  return captures;
}

// The records the board would deliver for the capture (the last mark gets
// period 0; the record holds at most 150 pulses).
void LoadIntoAnalyser(const stRealCapture& capture) {
  std::vector<stPulse> pulses;
  for (std::size_t i = 0; i < capture.durationsUs.size(); i += 2) {
    const double space = i + 1 < capture.durationsUs.size() ? capture.durationsUs[i + 1] : 0.0;
    pulses.push_back({capture.durationsUs[i], space});
  }
  const stCapture records{BuildCarrierRecord(capture.carrierHz, 1.0 / 3, 0x4D21), BuildWaveRecord(pulses)};
  capturesynth::LoadIntoAnalyser(records);
}

bool IsFixedKind(int kind) { return kind >= 1 && kind <= 11; }

bool HasExpectedFields(const stRealCapture& capture) {
  return AnalyserFrameKind() == capture.kind && AnalyserAddress() == capture.address &&
         AnalyserCommand() == capture.command && (capture.toggle < 0 || AnalyserToggle() == capture.toggle);
}

std::string Result() {
  std::ostringstream text;
  text << "kind " << AnalyserFrameKind() << " address 0x" << std::hex << AnalyserAddress() << " command 0x"
       << AnalyserCommand() << std::dec << (AnalyserRelearnFlag() ? " (relearn)" : "");
  return text.str();
}

TEST(RealCaptures, FixedKindsDecodeRightAndNothingDecodesToAWrongKind) {
  const std::vector<stRealCapture> captures = LoadCaptures();
  std::map<int, int> total;
  std::map<int, int> right;
  int otherProtocols = 0;
  int relearn = 0;
  for (const stRealCapture& capture : captures) {
    if (capture.airConditioner) continue;
    LoadIntoAnalyser(capture);
    DecodeByCarrierBand();
    const int kind = AnalyserFrameKind();
    if (capture.expect == EExpect::Kind) {
      ++total[capture.kind];
      if (HasExpectedFields(capture)) {
        ++right[capture.kind];
        continue;
      }
      // Not recognised is tolerated up to the share below; a wrong kind or
      // wrong fields reported as a success never are.
      EXPECT_FALSE(IsFixedKind(kind)) << capture.where << ": " << Result();
      std::cout << "not recognised: " << capture.where << " (" << Result() << ")\n";
    } else if (capture.expect == EExpect::Relearn) {
      ++relearn;
      EXPECT_EQ(kind, 0) << capture.where << " (" << capture.protocol << "): " << Result();
      EXPECT_EQ(AnalyserDataBitCount(), 0) << capture.where;
      EXPECT_TRUE(AnalyserRelearnFlag()) << capture.where;
    } else {
      ++otherProtocols;
      EXPECT_FALSE(IsFixedKind(kind)) << capture.where << " (" << capture.protocol << "): " << Result();
    }
  }
  int all = 0;
  int allRight = 0;
  for (const auto& [kind, count] : total) {
    std::cout << "kind " << kind << ": " << right[kind] << " of " << count << " right\n";
    all += count;
    allRight += right[kind];
  }
  std::cout << otherProtocols << " captures of protocols without a fixed kind, " << relearn
            << " asking for a relearn\n";
  ASSERT_GT(all, 0);
  EXPECT_GE(allRight * 100, all * 95) << allRight << " of " << all << " captures of fixed kinds decode right";
}

std::string RegisterBits(int count) { return LastReceivedBits(count); }

TEST(RealCaptures, AirConditionerFramesGiveTheirBitsOrARelearnRequest) {
  int checked = 0;
  for (const stRealCapture& capture : LoadCaptures()) {
    if (!capture.airConditioner) continue;
    ++checked;
    LoadIntoAnalyser(capture);
    DecodeSignalGeneric();
    if (capture.expect == EExpect::Relearn) {
      EXPECT_TRUE(AnalyserRelearnFlag()) << capture.where;
      EXPECT_EQ(AnalyserDataBitCount(), 0) << capture.where;
      EXPECT_FALSE(AnalyserDataFlag()) << capture.where;
      continue;
    }
    ASSERT_EQ(capture.expect, EExpect::Segments) << capture.where;
    EXPECT_FALSE(AnalyserRelearnFlag()) << capture.where;
    if (capture.segments.size() == 1) {
      EXPECT_FALSE(AnalyserDataFlag()) << capture.where;  // one frame without a gap: no split
      const int bits = static_cast<int>(capture.segments[0].size());
      EXPECT_EQ(AnalyserDataBitCount(), bits) << capture.where;
      EXPECT_EQ(RegisterBits(std::min(bits, kBitRegisterBits)),
                capture.segments[0].substr(capture.segments[0].size() - std::min(bits, kBitRegisterBits)))
          << capture.where;
      continue;
    }
    EXPECT_TRUE(AnalyserDataFlag()) << capture.where;
    for (std::size_t s = 0; s < capture.segments.size(); ++s) {
      EXPECT_EQ(FieldBits(static_cast<int>(s)), capture.segments[s]) << capture.where << ", part " << s + 1;
    }
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
