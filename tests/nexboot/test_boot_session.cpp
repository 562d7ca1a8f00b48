// The host side of the bootloader protocol against the simulated bootloader's flash model.
#include "BootSession.h"
#include "SimBootloader.h"
#include "TempDir.h"
#include "nexboot.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

using boardsim::CSimBootloader;
using nexboot::CBootSession;

// One Intel HEX data record.
std::string DataRecord(std::uint16_t address, const std::vector<std::uint8_t>& bytes) {
  char field[16];
  std::string line = ":";
  unsigned sum = static_cast<unsigned>(bytes.size()) + (address >> 8) + (address & 0xFF);
  std::snprintf(field, sizeof field, "%02X%04X00", static_cast<unsigned>(bytes.size()), address);
  line += field;
  for (std::uint8_t b : bytes) {
    std::snprintf(field, sizeof field, "%02X", b);
    line += field;
    sum += b;
  }
  std::snprintf(field, sizeof field, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
  return line + field;
}

// The image the tests program: code that crosses a page and a write chunk, and option bytes.
struct Image {
  std::vector<std::uint8_t> code = std::vector<std::uint8_t>(0x4000, 0xFF);
  std::vector<std::uint8_t> option = std::vector<std::uint8_t>(16, 0xFF);
  std::string hex;

  Image() {
    std::vector<std::uint8_t> run;
    for (int i = 0; i < 40; ++i) run.push_back(static_cast<std::uint8_t>(i * 7));
    for (std::uint16_t at : {std::uint16_t(0), std::uint16_t(0x1F0)}) {
      hex += DataRecord(at, run);
      std::copy(run.begin(), run.end(), code.begin() + at);
    }
    hex += ":0200000400F00A\n" + DataRecord(0x0002, {0x5A, 0xA5});
    option[2] = 0x5A;
    option[3] = 0xA5;
    hex += ":00000001FF\n    ";  // the cipher's padding follows the end record
  }
};

class BootSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { device.SetPresent(true); }

  std::string WriteFile(const std::string& name, const std::string& text) {
    std::string path = std::string(folder.File(name).utf8_str());
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  int Load(const std::string& path) {
    int values[6] = {};
    int* outputs[6] = {&values[0], &values[1], &values[2], &values[3], &values[4], &values[5]};
    int result = session.LoadFile(path.c_str(), outputs);
    std::copy(values, values + 6, loaded);
    return result;
  }

  // The update's sequence from erase to verify.
  int EraseProgramVerify() {
    const int steps[] = {session.Erase(0, 0x4000, 0), session.Erase(0, 0, 1),       session.Program(0),
                         session.Program(1),          session.Verify(0, 0xFFFF, 0), session.Verify(0, 0, 1)};
    for (int result : steps) {
      if (result != 0) return result;
    }
    return 0;
  }

  testsupport::TempDir folder;
  CSimBootloader device;
  CBootSession session{device};
  Image image;
  int loaded[6] = {};
};

TEST_F(BootSessionTest, WritesExactlyTheImageAndStartsTheProgram) {
  device.SetFlash(std::vector<std::uint8_t>(0x4000, 0x00), std::vector<std::uint8_t>(16, 0x00));
  ASSERT_EQ(session.Connect(), 0);
  std::uint32_t info[9] = {36};
  ASSERT_NE(session.GetMcuInfo(info), 0);
  EXPECT_EQ(info[2], 0x4000u);  // the code erase's extent
  ASSERT_EQ(Load(WriteFile("image.hex", image.hex)), 0);
  EXPECT_EQ(session.LoadError(), 0);
  EXPECT_EQ(loaded[0], 0);
  EXPECT_EQ(loaded[1], 0x1F0 + 40);
  EXPECT_EQ(loaded[2], 80);
  EXPECT_EQ(loaded[3], 2);
  EXPECT_EQ(loaded[4], 3);

  ASSERT_EQ(EraseProgramVerify(), 0);
  EXPECT_EQ(device.Code(), image.code);
  EXPECT_EQ(device.Option(), image.option);

  int left = 0;
  device.SetOnLeave([&] { ++left; });
  EXPECT_EQ(session.ExecuteFrom(2), 0);
  EXPECT_EQ(device.StartTarget(), 2);
  EXPECT_EQ(session.SwitchToUser(), 0);
  EXPECT_EQ(left, 1);
  EXPECT_FALSE(device.Present());
  EXPECT_NE(session.Connect(), 0);
}

TEST_F(BootSessionTest, RefusesStepsTheDeviceOrTheImageDoNotAllow) {
  std::uint32_t info[9] = {36};
  EXPECT_EQ(session.GetMcuInfo(info), 0);
  EXPECT_EQ(Load(WriteFile("image.hex", image.hex)), NB_LOAD_NOT_CONNECTED);
  ASSERT_EQ(session.Connect(), 0);
  info[0] = 32;
  EXPECT_EQ(session.GetMcuInfo(info), 0);  // a record of another size is left alone

  EXPECT_EQ(Load(folder.File("missing.hex").ToStdString()), NB_LOAD_OPEN_FAILED);
  EXPECT_EQ(Load(WriteFile("far.hex", DataRecord(0x4000 - 1, {1, 2}) + ":00000001FF\n")),
            NB_LOAD_OUTSIDE_CHIP);
  EXPECT_EQ(session.LoadError(), NB_LOAD_OUTSIDE_CHIP);
  EXPECT_NE(session.Program(0), 0);  // nothing loaded

  // Programming over bytes that were not erased is refused by the flash.
  device.SetFlash(std::vector<std::uint8_t>(0x4000, 0x00), {});
  ASSERT_EQ(Load(WriteFile("image.hex", image.hex)), 0);
  EXPECT_EQ(session.Program(0), nexboot::kBootRefused + static_cast<int>(nexboot::BootStatus::kNotErased));
  EXPECT_EQ(session.Verify(0, 0xFFFF, 0), nexboot::kBootMismatch);

  // No program to start in a blank code area.
  device.SetFlash({}, {});
  EXPECT_NE(session.ExecuteFrom(2), 0);
}

TEST_F(BootSessionTest, UnplugMidProgramFailsAndTheNextAttemptSucceeds) {
  ASSERT_EQ(session.Connect(), 0);
  ASSERT_EQ(Load(WriteFile("image.hex", image.hex)), 0);
  ASSERT_EQ(session.Erase(0, 0x4000, 0), 0);
  device.UnplugAfterRequests(1);
  EXPECT_EQ(session.Program(0), nexboot::kBootLinkFailed);
  EXPECT_NE(device.Code(), image.code);
  EXPECT_NE(session.Connect(), 0);

  device.SetPresent(true);
  ASSERT_EQ(session.Connect(), 0);
  ASSERT_EQ(Load(WriteFile("image.hex", image.hex)), 0);
  ASSERT_EQ(EraseProgramVerify(), 0);
  EXPECT_EQ(device.Code(), image.code);
}

}  // namespace
