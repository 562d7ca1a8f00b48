// The receiver board's worker thread against the simulated board.
#include "BoardTestKit.h"

#include "CaptureSynth.h"
#include "nexboot.h"
#include "receiver/IrCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

using namespace boardtest;
using board::WM_BOARD_BUTTON_STATE;
using board::WM_BOARD_STATE;
using board::WM_BOARD_STATUS_TEXT;
using board::WM_DECODE_DONE;
using board::WM_DECODE_PARSE;
using board::WM_DECODE_RESET;
using board::WM_DECODE_WAVE_BLOCK;

boardsim::stCapture SimCapture(const capturesynth::stCapture& capture) {
  return {capture.carrierRecord, capture.waveRecord};
}

capturesynth::stCapture NecCapture() {
  return capturesynth::Synthesize(capturesynth::Kind1Frame(0x5A, 0xA5, 0x3C), capturesynth::stDistortion{});
}

std::vector<boardsim::stCall> CallsOf(const std::string& function) {
  std::vector<boardsim::stCall> calls;
  for (const boardsim::stCall& call : boardsim::CallLog()) {
    if (call.function == function) calls.push_back(call);
  }
  return calls;
}

// Waits (real time, bounded) until the board has seen a call of function.
bool WaitForCall(const std::string& function) {
  return testsupport::WaitUntil([&] { return !CallsOf(function).empty(); }, std::chrono::milliseconds(5));
}

TEST(WorkThread, ConnectsToTheBoardAndReportsItsVersion) {
  stThreadFixture fixture;
  boardsim::SetFirmwareVersion(0x0217);
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  const stSent state = fixture.windows.OfKind(WM_BOARD_STATE).front();
  EXPECT_EQ(state.window, kMainWindow);
  EXPECT_EQ(state.lParam, 0x0217);
  const stSent buttons = fixture.windows.OfKind(WM_BOARD_BUTTON_STATE).front();
  EXPECT_EQ(buttons.window, kMainWindow);
  EXPECT_EQ(buttons.wParam, 0x0217);
  EXPECT_EQ(fixture.thread->GetFirmwareVersion(), 0x0217);
}

// The bootloader's three connect calls, in the order the thread made them.
std::vector<std::string> g_bootCalls;
int g_bootAnswer = 0;

board::stNexbootApi FakeBootloader() {
  board::stNexbootApi api;
  api.NameDevice = [](int product, int vendor) {
    g_bootCalls.push_back(product == 0x4C51 && vendor == 0x2F5C ? "name" : "wrong name");
    return 0;
  };
  api.DisConnectBootloader = [] {
    g_bootCalls.push_back("disconnect");
    return 0;
  };
  api.ConnectToBootloader = [] {
    g_bootCalls.push_back("connect");
    return g_bootAnswer;
  };
  return api;
}

TEST(WorkThread, WithoutABoardAsksTheBootloader) {
  struct Case {
    int answer;
    int state;
  } cases[] = {{0, board::kBootloaderReachable}, {5, board::kNoBoard}};
  for (const Case& c : cases) {
    g_bootCalls.clear();
    g_bootAnswer = c.answer;
    stThreadFixture fixture(false, FakeBootloader());
    boardsim::SetPlugged(false);
    EXPECT_EQ(fixture.Connect(), c.state);
    EXPECT_EQ(fixture.windows.OfKind(WM_BOARD_STATE).back().lParam, 0);
    EXPECT_EQ(g_bootCalls, (std::vector<std::string>{"name", "disconnect", "connect"}));
    // No service loop: no status query was sent.
    EXPECT_TRUE(boardsim::SentCommands().empty());
  }
}

TEST(WorkThread, BoardInItsBootloaderIsReportedReachable) {
  board::stNexbootApi api;
  api.NameDevice = &SetBootloaderDevice;
  api.DisConnectBootloader = &DisConnectBootloader;
  api.ConnectToBootloader = &ConnectToBootloader;
  stThreadFixture fixture(false, api);
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  // The board's jump command takes it into its bootloader.
  boardsim::SetMode(boardsim::Mode::kBootloader);
  EXPECT_EQ(fixture.Connect(), board::kBootloaderReachable);
  boardsim::SetPlugged(false);
  EXPECT_EQ(fixture.Connect(), board::kNoBoard);
  DisConnectBootloader();
}

TEST(WorkThread, FullDecodeRunDeliversTheRecordsByteExactAndTheyDecode) {
  stThreadFixture fixture;
  const capturesynth::stCapture capture = NecCapture();
  boardsim::QueueCapture(SimCapture(capture));
  fixture.windows.analyse = true;
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  fixture.windows.Clear();
  boardsim::ClearCallLog();
  ASSERT_TRUE(fixture.Decode());

  EXPECT_EQ(fixture.windows.Texts(),
            (std::vector<std::string>{"IDS_WAIT_SIGNAL", "IDS_RECEIVE_OVER_PARSING", "IDS_DECODE_SUCCESS"}));
  const std::vector<stSent> records = fixture.windows.OfKind(WM_DECODE_WAVE_BLOCK);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].wParam, static_cast<std::intptr_t>(capture.carrierRecord.size() << 16 | 0x31));
  EXPECT_EQ(records[0].record, capture.carrierRecord);
  EXPECT_EQ(records[1].wParam, static_cast<std::intptr_t>(capture.waveRecord.size() << 16 | 0x32));
  EXPECT_EQ(records[1].record, capture.waveRecord);
  for (const stSent& sent : fixture.windows.Sent()) {
    if (sent.message != WM_BOARD_BUTTON_STATE && sent.message != WM_BOARD_STATE) {
      EXPECT_EQ(sent.window, kDecodePage) << sent.message;
    }
  }
  // Reset first, the records, parse, done; then the last button state.
  std::vector<int> order;
  for (const stSent& sent : fixture.windows.Sent()) {
    if (sent.message != WM_BOARD_STATUS_TEXT) order.push_back(sent.message);
  }
  EXPECT_EQ(order,
            (std::vector<int>{WM_BOARD_BUTTON_STATE, WM_DECODE_RESET, WM_DECODE_WAVE_BLOCK,
                              WM_DECODE_WAVE_BLOCK, WM_DECODE_PARSE, WM_DECODE_DONE, WM_BOARD_BUTTON_STATE}));
  EXPECT_EQ(g_IrCapture.result.frameKind, 1);
  EXPECT_EQ(g_IrCapture.result.address, 0x5A);
  EXPECT_EQ(g_IrCapture.result.command, 0x3C);

  // On the wire: the run's first status query carries 3 and 8, the ready
  // packet gets no acknowledgement read, the data-saved command follows the records.
  const std::vector<boardsim::stCall> sends = CallsOf("CV_SetUSBCmd");
  auto first = std::find_if(sends.begin(), sends.end(), [](const boardsim::stCall& call) {
    return call.bytes[0] == 0x91 && call.bytes[3] == 3 && call.bytes[6] == 8;
  });
  ASSERT_NE(first, sends.end());
  const std::vector<boardsim::stCall> log = boardsim::CallLog();
  auto ready = std::find_if(log.begin(), log.end(), [](const boardsim::stCall& call) {
    return call.function == "CV_SetUSBCmd" &&
           call.bytes == std::vector<std::uint8_t>{0x01, 0x02, 0x03, 0x00, 0x00, 0x08, 0x00, 0x00};
  });
  ASSERT_NE(ready, log.end());
  ASSERT_NE(ready + 1, log.end());
  EXPECT_EQ((ready + 1)->function, "CV_SetUSBCmd");
  const std::vector<int> commands = boardsim::SentCommands();
  EXPECT_EQ(std::count(commands.begin(), commands.end(), 0x82), 2);
  auto saved = std::find_if(sends.begin(), sends.end(), [](const boardsim::stCall& call) {
    return call.bytes[0] == 0x01 && call.bytes[1] == 5;
  });
  EXPECT_NE(saved, sends.end());
  // Every acknowledged command had exactly one acknowledgement read.
  EXPECT_EQ(CallsOf("CV_GetUSBAck").size(), sends.size() - 1);
}

TEST(WorkThread, RecordsAreReadInChunksOfEightAndTheLastShorter) {
  struct Case {
    std::size_t waveLength;
  } cases[] = {{0}, {13}, {268}, {600}};
  for (const Case& c : cases) {
    stThreadFixture fixture;
    std::vector<std::uint8_t> wave(c.waveLength);
    for (std::size_t i = 0; i < wave.size(); ++i) wave[i] = static_cast<std::uint8_t>(i * 7 + 1);
    boardsim::QueueCapture({std::vector<std::uint8_t>(16, 0x11), wave});
    ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
    boardsim::ClearCallLog();
    ASSERT_TRUE(fixture.Decode());
    const std::vector<stSent> records = fixture.windows.OfKind(WM_DECODE_WAVE_BLOCK);
    ASSERT_EQ(records.size(), 2u) << c.waveLength;
    EXPECT_EQ(records[1].wParam >> 16, static_cast<std::intptr_t>(c.waveLength));
    EXPECT_EQ(records[1].record, wave);
    std::vector<int> counts;
    for (const boardsim::stCall& call : CallsOf("CV_ReadUSB")) counts.push_back(call.argument);
    std::vector<int> expected(2, 8);  // record 0x31
    for (std::size_t left = c.waveLength; left > 0; left -= std::min<std::size_t>(left, 8)) {
      expected.push_back(static_cast<int>(std::min<std::size_t>(left, 8)));
    }
    EXPECT_EQ(counts, expected) << c.waveLength;
    EXPECT_EQ(fixture.windows.Texts().back(), "IDS_DECODE_SUCCESS");
  }
}

// A fault armed on the board and the text the run ends with.
struct stFaultCase {
  const char* name;
  boardsim::Fault fault;
  int argument;
  int skip;
  const char* text;
  bool parsed = false;  // the records were delivered and parsed before the fault
};

TEST(WorkThread, EveryBoardFaultEndsTheRunWithItsTextAndTheThreadStaysResponsive) {
  using boardsim::Fault;
  const stFaultCase cases[] = {
      // The service loop polls once before the run's first status query.
      {"status send fails", Fault::kSendFailure, 0x91, 1, "IDS_GETSTATUS_ERR"},
      {"status unanswered", Fault::kNoAck, 0x91, 1, "IDS_GETSTATUS_ERR"},
      {"status wrong complement", Fault::kWrongComplement, 0x91, 1, "IDS_GETSTATUS_ERR"},
      {"second status fails", Fault::kNoAck, 0x91, 2, "IDS_GETSTATUS_ERR"},
      {"decode mode send fails", Fault::kSendFailure, 0x02, 0, "IDS_INTOMODE_ERR"},
      {"decode mode unanswered", Fault::kNoAck, 0x02, 0, "IDS_INTOMODE_ERR"},
      {"decode mode wrong complement", Fault::kWrongComplement, 0x02, 0, "IDS_INTOMODE_ERR"},
      {"ready packet not sent", Fault::kSendFailure, boardsim::kReadyPacket, 0, "IDS_READY_ERR"},
      {"no signal within 3 s", Fault::kNoCapture, boardsim::kAny, 0, "IDS_DECODE_ERR"},
      {"unplugged during the run", Fault::kUnplugDuringRun, boardsim::kAny, 0, "IDS_GETSTATUS_ERR"},
      {"header unanswered", Fault::kNoAck, 0x82, 0, "IDS_RECEIVE_WAVE_DATA_ERR"},
      {"header wrong complement", Fault::kWrongComplement, 0x82, 1, "IDS_RECEIVE_WAVE_DATA_ERR"},
      {"wrong record id", Fault::kWrongRecordId, 0x32, 0, "IDS_RECEIVE_WAVE_DATA_ERR"},
      {"read fails at chunk 5", Fault::kReadFailureAtChunk, 5, 0, "IDS_RECEIVE_WAVE_DATA_ERR"},
      {"carrier record too long", Fault::kRecordOverCapacity, 0x31, 0, "IDS_RECEIVE_SIZE_TOO_SHORT"},
      {"wave record too long", Fault::kRecordOverCapacity, 0x32, 0, "IDS_RECEIVE_SIZE_TOO_SHORT"},
      {"data saved unanswered", Fault::kNoAck, 0x01, 0, "IDS_TELLSAVE_ERR", true},
  };
  for (const stFaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    stThreadFixture fixture;
    boardsim::QueueCapture(SimCapture(NecCapture()));
    ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
    boardsim::ArmFault(c.fault, c.argument, c.skip);
    fixture.windows.Clear();
    ASSERT_TRUE(fixture.Decode());
    const std::vector<std::string> texts = fixture.windows.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), c.text);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), c.text), 1);
    EXPECT_EQ(fixture.windows.OfKind(WM_DECODE_PARSE).size(), c.parsed ? 1u : 0u);
    EXPECT_TRUE(fixture.windows.OfKind(WM_DECODE_DONE).empty());
    EXPECT_FALSE(fixture.thread->IsDecodeRunning());

    // The thread answers the next request: a fresh connect and a run that succeeds.
    boardsim::SetPlugged(true);
    ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
    fixture.windows.Clear();
    ASSERT_TRUE(fixture.Decode());
    EXPECT_EQ(fixture.windows.Texts().back(), "IDS_DECODE_SUCCESS");
  }
}

TEST(WorkThread, RecordOverCapacityIsReadWholeBeforeItIsRefused) {
  stThreadFixture fixture;
  boardsim::QueueCapture(SimCapture(NecCapture()));
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  boardsim::ArmFault(boardsim::Fault::kRecordOverCapacity, 0x32);
  boardsim::ClearCallLog();
  ASSERT_TRUE(fixture.Decode());
  int bytesRead = 0;
  for (const boardsim::stCall& call : CallsOf("CV_ReadUSB")) bytesRead += call.argument;
  EXPECT_EQ(bytesRead, 16 + 601);
  EXPECT_EQ(fixture.windows.OfKind(WM_DECODE_WAVE_BLOCK).size(), 1u);  // record 0x31 only
}

TEST(WorkThread, ZeroLengthRecordIsDeliveredEmpty) {
  stThreadFixture fixture;
  boardsim::QueueCapture(SimCapture(NecCapture()));
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  boardsim::ArmFault(boardsim::Fault::kZeroLength, 0x31);
  ASSERT_TRUE(fixture.Decode());
  const std::vector<stSent> records = fixture.windows.OfKind(WM_DECODE_WAVE_BLOCK);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].wParam, 0x31);
  EXPECT_EQ(fixture.windows.Texts().back(), "IDS_DECODE_SUCCESS");
}

TEST(WorkThread, BoardStatusOutsideTheRulesEndsTheRun) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> statuses;  // the loop's poll, the run's first query, the next
    std::vector<std::string> texts;
  } cases[] = {
      {"busy board", {1, 3}, {"IDS_DEVICE_BUSY"}},
      {"board in a run", {1, 2}, {"IDS_DEVICE_BUSY"}},
      {"unknown status", {1, 1, 7}, {"IDS_PARSETYP_ERR"}},
      {"board ends the run", {1, 1, 5}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    stThreadFixture fixture;
    boardsim::QueueCapture(SimCapture(NecCapture()));
    ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
    boardsim::QueueStatuses(c.statuses);
    boardsim::ClearCallLog();
    fixture.windows.Clear();
    ASSERT_TRUE(fixture.Decode());
    EXPECT_EQ(fixture.windows.Texts(), c.texts);
    EXPECT_TRUE(fixture.windows.OfKind(WM_DECODE_WAVE_BLOCK).empty());
    if (c.statuses.size() == 2) {  // the board is left alone
      const std::vector<int> commands = boardsim::SentCommands();
      EXPECT_EQ(std::count(commands.begin(), commands.end(), 0x02), 0);
    }
  }
}

TEST(WorkThread, ParseRefusedOrDoneUnansweredEndsTheRun) {
  {
    stThreadFixture fixture;
    fixture.windows.parseResult = 0;
    boardsim::QueueCapture(SimCapture(NecCapture()));
    ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
    ASSERT_TRUE(fixture.Decode());
    EXPECT_EQ(fixture.windows.Texts().back(), "IDS_PARSE_DATA_FAILED");
    // The board is not told that the data were saved.
    const std::vector<int> commands = boardsim::SentCommands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), 0x01), 1);  // the ready packet only
  }
  {
    stThreadFixture fixture;
    fixture.windows.doneResult = 0;
    boardsim::QueueCapture(SimCapture(NecCapture()));
    ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
    ASSERT_TRUE(fixture.Decode());
    EXPECT_EQ(fixture.windows.Texts().back(), "IDS_DECODE_SUCCESS");
    EXPECT_EQ(fixture.windows.OfKind(WM_DECODE_DONE).size(), 1u);
  }
}

TEST(WorkThread, StopEndsTheSignalWaitWithinTenMilliseconds) {
  stThreadFixture fixture;
  boardsim::QueueCapture(SimCapture(NecCapture()));
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  fixture.windows.onSend = [&](const stSent& sent) {
    if (sent.text == "IDS_WAIT_SIGNAL") fixture.thread->PostThreadMessage(board::WM_WT_STOP_DECODE);
  };
  ASSERT_TRUE(fixture.Decode());
  fixture.windows.onSend = nullptr;
  std::vector<stSent> texts = fixture.windows.OfKind(WM_BOARD_STATUS_TEXT);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].text, "IDS_INTERRUPT_DECODE");
  EXPECT_LE(texts[1].clockMs - texts[0].clockMs, 10);
  EXPECT_TRUE(fixture.windows.OfKind(WM_DECODE_WAVE_BLOCK).empty());

  // The board still holds its capture and reports itself busy until it is opened anew.
  fixture.windows.Clear();
  ASSERT_TRUE(fixture.Decode());
  EXPECT_EQ(fixture.windows.Texts().back(), "IDS_DEVICE_BUSY");
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  fixture.windows.Clear();
  ASSERT_TRUE(fixture.Decode());
  EXPECT_EQ(fixture.windows.Texts().back(), "IDS_DECODE_SUCCESS");
}

TEST(WorkThread, RunThatTheBoardStartsIsServed) {
  stThreadFixture fixture;
  boardsim::QueueCapture(SimCapture(NecCapture()));
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  ASSERT_TRUE(fixture.Decode());  // names the notify window
  fixture.windows.Clear();
  boardsim::PressRunButton();
  fixture.Nudge();
  ASSERT_TRUE(fixture.windows.WaitForCount(WM_DECODE_DONE, 1));
  EXPECT_EQ(fixture.windows.OfKind(WM_DECODE_RESET).size(), 1u);
  EXPECT_EQ(fixture.windows.OfKind(WM_DECODE_WAVE_BLOCK).size(), 2u);
  EXPECT_EQ(fixture.windows.Texts(),
            (std::vector<std::string>{"IDS_WAIT_SIGNAL", "IDS_RECEIVE_OVER_PARSING", "IDS_DECODE_SUCCESS"}));
}

TEST(WorkThread, ConnectWhileTheServiceLoopRunsIsHandled) {
  stThreadFixture fixture;
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  boardsim::SetFirmwareVersion(0x0300);  // as after an update
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  EXPECT_EQ(fixture.windows.OfKind(WM_BOARD_STATE).back().lParam, 0x0300);
  EXPECT_EQ(CallsOf("CV_OpenDeviceI").size(), 2u);
}

TEST(WorkThread, UnplugDuringPollingEndsTheLoopSilently) {
  stThreadFixture fixture(false, FakeBootloader());
  g_bootAnswer = 1;
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  boardsim::SetPlugged(false);
  boardsim::ClearCallLog();
  fixture.Nudge();
  // The failed poll is the loop's last: no more status queries, no board state.
  ASSERT_TRUE(WaitForCall("CV_SetUSBCmd"));
  fixture.Nudge();
  fixture.Nudge();
  EXPECT_EQ(fixture.Connect(), board::kNoBoard);
  EXPECT_EQ(fixture.windows.OfKind(WM_BOARD_STATE).size(), 2u);
  EXPECT_EQ(CallsOf("CV_SetUSBCmd").size(), 1u);
}

TEST(WorkThread, CommandBytesFollowTheBrand) {
  struct Case {
    bool maker;
    boardsim::Brand board;
    int status;
    int version;
  } cases[] = {{true, boardsim::Brand::kMaker, 0x81, 0x09}, {false, boardsim::Brand::kPartner, 0x91, 0x0A}};
  for (const Case& c : cases) {
    stThreadFixture fixture(c.maker);
    boardsim::SetBrand(c.board);
    boardsim::QueueCapture(SimCapture(NecCapture()));
    ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
    ASSERT_TRUE(fixture.Decode());
    EXPECT_EQ(fixture.windows.Texts().back(), "IDS_DECODE_SUCCESS");
    const std::vector<int> commands = boardsim::SentCommands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands[0], c.version);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), c.maker ? 0x91 : 0x81), 0);
    EXPECT_GE(std::count(commands.begin(), commands.end(), c.status), 3);
    const std::vector<boardsim::stCall> acks = CallsOf("CV_GetUSBAck");
    EXPECT_TRUE(std::any_of(acks.begin(), acks.end(), [&](const boardsim::stCall& call) {
      return call.bytes[0] == static_cast<std::uint8_t>(~c.status);
    }));
  }
}

TEST(WorkThread, WrongAcknowledgementOfABoardQueryEndsTheServiceLoop) {
  stThreadFixture fixture;
  ASSERT_EQ(fixture.Connect(), board::kBoardConnected);
  boardsim::ArmFault(boardsim::Fault::kWrongComplement, 0x91);
  boardsim::ClearCallLog();
  fixture.Nudge();
  ASSERT_TRUE(WaitForCall("CV_GetUSBAck"));
  fixture.Nudge();
  EXPECT_EQ(fixture.Connect(), board::kBoardConnected);  // the next connect opens it anew
  EXPECT_EQ(CallsOf("CV_OpenDeviceI").size(), 1u);
}

TEST(WorkThread, QuitEndsTheThreadDuringASignalWait) {
  auto fixture = std::make_unique<stThreadFixture>();
  boardsim::ArmFault(boardsim::Fault::kNoCapture);
  ASSERT_EQ(fixture->Connect(), board::kBoardConnected);
  // The quit is queued as the wait for the signal begins.
  fixture->windows.onSend = [&fixture](const stSent& sent) {
    if (sent.text == "IDS_WAIT_SIGNAL") fixture->thread->PostThreadMessage(board::kMsgQuit);
  };
  ASSERT_TRUE(fixture->Decode());
  const std::vector<std::string> texts = fixture->windows.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "IDS_DECODE_ERR"), 0) << "the wait ran out";
  fixture.reset();  // joins the thread
}

}  // namespace
