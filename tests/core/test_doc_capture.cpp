#include "core/AppContext.h"
#include "core/DocCapture.h"
#include "core/DocManage.h"
#include "platform/Paths.h"
#include "receiver/IrCapture.h"
#include "CaptureSynth.h"
#include "MessageRecorder.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

namespace {

using namespace capturesynth;

class DocCaptureTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().langFile = platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "Lang.ini");
    state.App().currentLangSection = "1252";
  }

  void Store(CDocManage& doc, const stCapture& capture) {
    doc.StoreCaptureRecord('1', capture.carrierRecord.data(),
                           static_cast<std::uint16_t>(capture.carrierRecord.size()));
    doc.StoreCaptureRecord('2', capture.waveRecord.data(),
                           static_cast<std::uint16_t>(capture.waveRecord.size()));
  }

  testsupport::CMessageRecorder boxes;
};

TEST_F(DocCaptureTest, RecordsAreKeptAndSwappedIntoTheAnalyser) {
  CDocManage doc;
  std::vector<std::uint8_t> wave(600);
  for (std::size_t i = 0; i < wave.size(); ++i) wave[i] = static_cast<std::uint8_t>(i);
  doc.StoreCaptureRecord('2', wave.data(), 600);
  EXPECT_EQ(doc.WaveRecord, wave);
  EXPECT_EQ(g_IrCapture.wave[0], 0x0001);
  EXPECT_EQ(g_IrCapture.wave[299], (598 << 8 | 599) & 0xFFFF);
  EXPECT_EQ(g_IrCapture.wave[300], 0);
  const auto times = doc.GetWaveEdgeTimes();
  ASSERT_EQ(times.size(), 300u);
  EXPECT_EQ(times[1], 0x0203u * 4);

  doc.StoreCaptureRecord('3', wave.data(), 4);  // not a capture record
  EXPECT_EQ(doc.WaveRecord.size(), 600u);
  CDocManage empty;
  EXPECT_TRUE(empty.GetWaveEdgeTimes().empty());
}

TEST(DecodedText, BinaryHelpers) {
  EXPECT_EQ(BinaryTextToValue("101"), 5u);
  EXPECT_EQ(BinaryTextToValue("1x1"), 7u);
  EXPECT_EQ(BinaryTextToValue(""), 0u);
  EXPECT_EQ(FormatBinary(0), "");
  EXPECT_EQ(FormatBinary(5), "101");
  EXPECT_EQ(ByteToBinaryText(0x05), "00000101");

  CDocManage doc;
  doc.SetParam(16, "8");
  std::uint16_t code = 0x1FF;
  EXPECT_TRUE(doc.FitToCommandBits(code));
  EXPECT_EQ(code, 0xFF);
  EXPECT_FALSE(doc.FitToCommandBits(code));
  EXPECT_EQ(code, 0xFF);

  // Twelve bits: the last four digits of the second byte, then the first byte.
  doc.DecodedData[0] = 0xA5;
  doc.DecodedData[1] = 0x3C;
  EXPECT_EQ(doc.GetDecodedDataBits(12),
            "1100"
            "10100101");
  EXPECT_EQ(doc.GetDecodedDataBits(0), "");
  EXPECT_EQ(doc.GetDecodedDataBits(200).length(), 48u);  // six bytes for a general remote
}

TEST_F(DocCaptureTest, GeneralRemoteDecodeFillsTheParameters) {
  CDocManage decoded;
  decoded.RemoteType = 0;
  Store(decoded, Synthesize(Kind1Frame(0x12, 0xED, 0x45), {3, 0.05, 60}));
  ASSERT_TRUE(decoded.ApplyDecodedTiming());
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(decoded.CodeMode == 1 || decoded.CodeMode == 2) << int(decoded.CodeMode);
  EXPECT_EQ(decoded.Address & 0xFF, 0x12);
  EXPECT_EQ(decoded.Command, 0x45);
  EXPECT_EQ(decoded.ApplyDecodedCarrier().Left(2), "38");
  EXPECT_EQ(decoded.GetParam(0), "38");

  CDocManage project;
  project.CopyParamsFrom(decoded);
  for (int index : {0, 2, 3, 4, 6, 7, 8, 9, 12, 13, 14, 15, 16}) {
    EXPECT_EQ(project.GetParam(index), decoded.GetParam(index)) << "P" << index;
  }
  EXPECT_EQ(project.Command, 0x45);
  EXPECT_EQ(project.CodeMode, decoded.CodeMode);
  EXPECT_EQ(std::vector<std::uint8_t>(project.DecodedData, project.DecodedData + 16),
            std::vector<std::uint8_t>(decoded.DecodedData, decoded.DecodedData + 16));
}

// The repeat-code flag follows a frame that comes after the first, not the
// closing mark of a single frame.
TEST_F(DocCaptureTest, RepeatCodeFlagMeansAFollowingFrame) {
  const std::vector<bool> bits = MsbFirst(0xA55A, 16);
  for (bool withRepeat : {false, true}) {
    CDocManage decoded;
    decoded.RemoteType = 0;
    Store(decoded, Synthesize(PulseDistanceFrame(bits, withRepeat), {3, 0.05, 60}));
    ASSERT_TRUE(decoded.ApplyDecodedTiming()) << withRepeat;
    EXPECT_EQ(decoded.CodeMode, 15) << withRepeat;
    EXPECT_EQ(decoded.RepeatCodeOn, withRepeat ? 1 : 0);
    CDocManage project;
    project.CopyParamsFrom(decoded);
    EXPECT_EQ(project.RepeatCodeOn, decoded.RepeatCodeOn);
    EXPECT_EQ(project.RepeatKind, decoded.RepeatKind);
  }
}

TEST_F(DocCaptureTest, AirConditionerDecodeUsesTheGenericDecoder) {
  CDocManage decoded;
  decoded.RemoteType = 1;
  decoded.SetParam(13, "keep13");
  const std::vector<bool> a(32, true), b(16, false), c = MsbFirst(0xA5, 8), d = MsbFirst(0x3C, 8);
  Store(decoded, Synthesize(AirConditionerSignal({{a, b}, {c, d}}, false), {2, 0.05, 60}));
  ASSERT_TRUE(decoded.ApplyDecodedTiming());
  EXPECT_EQ(decoded.CodeMode, 15);
  EXPECT_EQ(decoded.ProtocolMode, 2);
  EXPECT_EQ(decoded.GetParam(12), "20");  // the 20 ms connect code in whole milliseconds
  EXPECT_EQ(decoded.GetParam(13), "keep13");
  EXPECT_EQ(decoded.RepeatCodeOn, 1);  // the first field's connect flag
  const wxString text = decoded.GetDecodedFrameText();
  EXPECT_TRUE(text.Contains("C")) << text;
  EXPECT_TRUE(text.Contains("IL")) << text;
  EXPECT_TRUE(text.StartsWith(wxString('1', 32))) << text;
}

TEST_F(DocCaptureTest, UnusableCapturesAskForAnotherCapture) {
  CDocManage doc;
  stCapture noise;
  noise.carrierRecord = BuildCarrierRecord(38000, 0.33, 100);
  noise.waveRecord = BuildWaveRecordUnits({100, 0});
  Store(doc, noise);
  EXPECT_FALSE(doc.ApplyDecodedTiming());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "The signal could not be decoded. Please capture the key again.");

  stCapture silent;  // no carrier at all: no message
  silent.carrierRecord.assign(16, 0);
  silent.waveRecord = noise.waveRecord;
  Store(doc, silent);
  EXPECT_FALSE(doc.ApplyDecodedTiming());
  EXPECT_EQ(boxes.boxes.size(), 1u);
}

}  // namespace
