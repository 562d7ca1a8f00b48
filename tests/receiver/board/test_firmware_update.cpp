// The firmware update on the worker thread against the simulated board and its bootloader.
#include "BoardTestKit.h"

#include "HexImage.h"
#include "TempDir.h"
#include "boardsim.h"
#include "cryptora/cryptora.h"
#include "receiver/board/FirmwareUpdate.h"

#include <gtest/gtest.h>

#include <wx/dir.h>

#include <fstream>
#include <iterator>

namespace {

using boardtest::kDecodePage;
using boardtest::stSent;
using boardtest::stThreadFixture;

const char kPassPhrase[] = "IR_583204";
constexpr std::uint16_t kImageVersion = 0x0106;

wxString InstalledFirmware() {
  return wxString::Format("%s/install/FW/IRRC_Receiver_%04X.bin", OLV_SOURCE_DIR, kImageVersion);
}

board::stNexbootApi SimulatorBootloader() {
  board::stNexbootApi api;
  api.NameDevice = &SetBootloaderDevice;
  api.DisConnectBootloader = &DisConnectBootloader;
  api.ConnectToBootloader = &ConnectToBootloader;
  api.GetMCUInfo = &GetMCUInfo;
  api.LoadFileEx = &LoadFileEx;
  api.EraseByPage = &EraseByPage;
  api.Program = &Program;
  api.VerifyByPage = &VerifyByPage;
  api.ExecuteProgramFrom = &ExecuteProgramFrom;
  api.SwitchToUserProgram = &SwitchToUserProgram;
  return api;
}

std::string ReadAll(const wxString& path) {
  std::ifstream file(path.fn_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// What the flash must hold after the image was written: the image's bytes, 0xFF elsewhere.
struct stExpectedFlash {
  std::vector<std::uint8_t> code = std::vector<std::uint8_t>(0x4000, 0xFF);
  std::vector<std::uint8_t> option = std::vector<std::uint8_t>(16, 0xFF);
};

stExpectedFlash ExpectedFlash(const testsupport::TempDir& folder) {
  const std::string plain = std::string(folder.File("plain.hex").fn_str());
  SetupDecryptKey(kPassPhrase);
  EXPECT_EQ(RJDecryptFile(std::string(InstalledFirmware().fn_str()).c_str(), plain.c_str()), 1);
  nexboot::stHexImage image = nexboot::ParseIntelHex(ReadAll(plain));
  EXPECT_EQ(image.error, 0);
  stExpectedFlash flash;
  for (const nexboot::stHexData& data : image.data) {
    for (std::size_t i = 0; i < data.bytes.size(); ++i) {
      const std::uint32_t address = data.address + static_cast<std::uint32_t>(i);
      if (address < flash.code.size()) {
        flash.code[address] = data.bytes[i];
      } else {
        flash.option.at(address - 0x00F00000) = data.bytes[i];
      }
    }
  }
  return flash;
}

std::vector<int> Progress(const std::vector<stSent>& sent) {
  std::vector<int> values;
  for (const stSent& one : sent) {
    if (one.message == board::WM_BOARD_UPDATE_PROGRESS) values.push_back(static_cast<int>(one.wParam));
  }
  return values;
}

// The functions of the bootloader calls in the simulator's log, in order.
std::vector<std::string> BootloaderCalls() {
  std::vector<std::string> calls;
  for (const boardsim::stCall& call : boardsim::CallLog()) {
    if (call.function.compare(0, 3, "CV_") != 0) calls.push_back(call.function);
  }
  return calls;
}

class FirmwareUpdateTest : public ::testing::Test {
 protected:
  FirmwareUpdateTest() : home(), tmp("TMPDIR", home.Path()) { SetupDecryptKey(kPassPhrase); }

  // Posts the update and waits for its end: update running cleared and a button state after it.
  void Update(stThreadFixture& fixture, const wxString& path = InstalledFirmware()) {
    fixture.windows.Clear();
    fixture.thread->PostUpdateFirmware(kDecodePage, path);
    ASSERT_TRUE(fixture.windows.WaitUntil([&](const std::vector<stSent>& sent) {
      return !sent.empty() && sent.back().message == board::WM_BOARD_BUTTON_STATE && sent.size() > 2 &&
             !fixture.thread->IsUpdateRunning();
    }));
  }

  bool TemporaryFilesLeft() const {
    wxString name;
    return wxDir(home.Path()).GetFirst(&name, "~IR*", wxDIR_FILES);
  }

  static void ExpectMonotonic(const std::vector<int>& progress) {
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end())) << ::testing::PrintToString(progress);
  }

  testsupport::TempDir home;
  testsupport::ScopedEnv tmp;
};

TEST_F(FirmwareUpdateTest, WritesTheImageIntoTheBoardAndStartsIt) {
  stThreadFixture fixture(false, SimulatorBootloader(), &RJDecryptFile);
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  boardsim::ClearCallLog();
  Update(fixture);

  const std::vector<stSent> sent = fixture.windows.Sent();
  EXPECT_EQ(Progress(sent), (std::vector<int>{0, 10, 30, 50, 80, 90, 95, 100}));
  EXPECT_EQ(fixture.windows.Texts(), std::vector<std::string>{"IDS_UPDATE_SUCCESS"});
  const stExpectedFlash expected = ExpectedFlash(home);
  EXPECT_EQ(boardsim::FlashCode(), expected.code);
  EXPECT_EQ(boardsim::FlashOption(), expected.option);
  EXPECT_EQ(boardsim::GetMode(), boardsim::Mode::kApplication);
  EXPECT_EQ(boardsim::GetFirmwareVersion(), kImageVersion);
  EXPECT_FALSE(TemporaryFilesLeft());

  // The board went into its bootloader first (partner command 0x07), 3 s passed before the
  // bootloader was asked for, and 2 s between the start and the success text.
  EXPECT_EQ(boardsim::SentCommands().back(), 0x07);
  const std::vector<std::string> calls = BootloaderCalls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 3),
            (std::vector<std::string>{"SetBootloaderDevice", "DisConnectBootloader", "ConnectToBootloader"}));
  EXPECT_EQ(calls.back(), "SwitchToUserProgram");
  const std::vector<stSent> progress = fixture.windows.OfKind(board::WM_BOARD_UPDATE_PROGRESS);
  EXPECT_EQ(progress[1].clockMs - progress[0].clockMs, 3000);
  EXPECT_EQ(fixture.windows.OfKind(board::WM_BOARD_STATUS_TEXT).back().clockMs - progress.back().clockMs,
            2000);
  EXPECT_FALSE(fixture.thread->IsUpdateRunning());
}

TEST_F(FirmwareUpdateTest, FromTheBootloaderStartsAtTheConnectionWithoutThePause) {
  stThreadFixture fixture(false, SimulatorBootloader(), &RJDecryptFile);
  boardsim::SetMode(boardsim::Mode::kBootloader);
  ASSERT_EQ(fixture.Connect(), board::kBootloaderReachable);
  Update(fixture);
  const std::vector<stSent> progress = fixture.windows.OfKind(board::WM_BOARD_UPDATE_PROGRESS);
  ASSERT_EQ(progress.size(), 8u);
  EXPECT_EQ(progress[1].clockMs, progress[0].clockMs);
  EXPECT_EQ(fixture.windows.Texts(), std::vector<std::string>{"IDS_UPDATE_SUCCESS"});
  EXPECT_EQ(boardsim::FlashCode(), ExpectedFlash(home).code);
}

// Bootloader requests of an update of the installed image: the identify request, 32 code pages
// and one option page erased, 192 code chunks and one option chunk written, 293 code reads and one
// option read; the start request follows.
constexpr int kIdentify = 1, kErase = 33, kProgram = 193, kVerify = 294;

// Each failure ends with its own text and no success, progress that never went back, the
// button state last, and no temporary file.
TEST_F(FirmwareUpdateTest, EachFailureReportsItsStep) {
  const wxString garbage = home.File("garbage.bin");
  {
    std::ofstream(std::string(home.File("garbage.txt").fn_str())) << "not an image\n";
    SetupEncryptKey(kPassPhrase);
    RJEncryptFile(std::string(home.File("garbage.txt").fn_str()).c_str(),
                  std::string(garbage.fn_str()).c_str());
    SetupDecryptKey(kPassPhrase);
  }
  struct Case {
    const char* name;
    std::function<void()> arrange;
    wxString path;
    const char* text;
    boardsim::Mode modeAfter;
  } cases[] = {
      {"missing file", [] {}, home.File("IRRC_Receiver_0999.bin"), "IDS_LOAD_FW_FAILED",
       boardsim::Mode::kApplication},
      {"refused image", [] {}, garbage, "IDS_LOAD_FW_FAILED0", boardsim::Mode::kBootloader},
      {"jump refused", [] { boardsim::ArmFault(boardsim::Fault::kSendFailure, 0x07); }, InstalledFirmware(),
       "IDS_INTO_BL_FAILED", boardsim::Mode::kApplication},
      {"unplugged while erasing", [] { boardsim::ArmFault(boardsim::Fault::kUnplugDuringUpdate, kIdentify); },
       InstalledFirmware(), "IDS_ERASE_PROGRAM_FAILED", boardsim::Mode::kBootloader},
      {"unplugged while programming",
       [] { boardsim::ArmFault(boardsim::Fault::kUnplugDuringUpdate, kIdentify + kErase + 20); },
       InstalledFirmware(), "IDS_PRGRAOM_CODE_FAILED", boardsim::Mode::kBootloader},
      {"unplugged while verifying",
       [] { boardsim::ArmFault(boardsim::Fault::kUnplugDuringUpdate, kIdentify + kErase + kProgram + 5); },
       InstalledFirmware(), "IDS_VERIFY_CODE_FAILED", boardsim::Mode::kBootloader},
      {"unplugged at the start",
       [] {
         boardsim::ArmFault(boardsim::Fault::kUnplugDuringUpdate, kIdentify + kErase + kProgram + kVerify);
       },
       InstalledFirmware(), "IDS_START_PROGRAM_FAILED", boardsim::Mode::kBootloader},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    stThreadFixture fixture(false, SimulatorBootloader(), &RJDecryptFile);
    ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
    c.arrange();
    Update(fixture, c.path);
    EXPECT_EQ(fixture.windows.Texts(), std::vector<std::string>{c.text});
    ExpectMonotonic(Progress(fixture.windows.Sent()));
    EXPECT_EQ(boardsim::GetMode(), c.modeAfter);
    EXPECT_FALSE(TemporaryFilesLeft());
  }
}

TEST_F(FirmwareUpdateTest, AfterAnUnplugMidUpdateTheNextUpdateSucceeds) {
  stThreadFixture fixture(false, SimulatorBootloader(), &RJDecryptFile);
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  boardsim::ArmFault(boardsim::Fault::kUnplugDuringUpdate, kIdentify + kErase + 100);
  Update(fixture);
  EXPECT_EQ(fixture.windows.Texts(), std::vector<std::string>{"IDS_PRGRAOM_CODE_FAILED"});
  EXPECT_NE(boardsim::FlashCode(), ExpectedFlash(home).code);
  EXPECT_EQ(fixture.Connect(), board::kNoBoard);

  // Plugged in again, the board still runs its bootloader: only an update is possible.
  boardsim::SetPlugged(false);
  boardsim::SetPlugged(true);
  ASSERT_EQ(fixture.Connect(), board::kBootloaderReachable);
  Update(fixture);
  EXPECT_EQ(fixture.windows.Texts(), std::vector<std::string>{"IDS_UPDATE_SUCCESS"});
  ExpectMonotonic(Progress(fixture.windows.Sent()));
  EXPECT_EQ(boardsim::FlashCode(), ExpectedFlash(home).code);
  EXPECT_EQ(fixture.Connect(), board::kBoardConnected);
  EXPECT_EQ(fixture.thread->GetFirmwareVersion(), kImageVersion);
}

}  // namespace
