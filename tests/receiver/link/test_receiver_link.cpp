// The worker thread joined to real windows: its messages reach them on the
// UI thread while it waits, and neither a closed window nor the link's end
// while it waits leaves anything hanging.
#include "receiver/link/ReceiverLink.h"
#include "ui/shell/ShellMessages.h"

#include "UiEvents.h"
#include "boardsim.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/thread.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// Fixed pauses take no time; the service loop waits as in the program.
class CQuickClock : public board::IWorkClock {
 public:
  void Sleep(int) override { std::this_thread::yield(); }
  void WaitForMessage(board::CWorkQueue& queue, int ms) override {
    queue.WaitFor(std::chrono::milliseconds(ms));
  }
};

board::stWorkThreadSetup SimulatorSetup(board::IWorkClock* clock) {
  board::stWorkThreadSetup setup;
  setup.hid = {&CV_OpenDeviceI, &CV_CloseDevice, &CV_SetUSBCmd, &CV_GetUSBAck, &CV_ReadUSB};
  setup.clock = clock;
  return setup;
}

// A window that records what it was sent, and on which thread.
struct stRecordingWindow {
  explicit stRecordingWindow(wxWindow* window) : window(window) {
    for (const wxEventTypeTag<CShellMessageEvent>* tag :
         {&WM_BOARD_STATE, &WM_BOARD_BUTTON_STATE, &WM_BOARD_STATUS_TEXT, &WM_DECODE_RESET,
          &WM_DECODE_WAVE_BLOCK, &WM_DECODE_PARSE, &WM_DECODE_DONE}) {
      const wxEventType type = *tag;
      window->Bind(*tag, [this, type](CShellMessageEvent& event) { Record(type, event); });
    }
  }

  void Record(wxEventType type, CShellMessageEvent& event) {
    offMainThread |= !wxThread::IsMain();
    types.push_back(type);
    if (type == WM_BOARD_STATUS_TEXT)
      texts.push_back(wxString(reinterpret_cast<const wchar_t*>(event.LParam())));
    if (type == WM_DECODE_WAVE_BLOCK) {
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(event.LParam());
      records.emplace_back(bytes, bytes + (event.WParam() >> 16));
    }
    if (type == WM_DECODE_PARSE || type == WM_DECODE_DONE) event.SetResult(1);
    if (onMessage) onMessage(type);
  }

  wxWindow* window;
  std::vector<wxEventType> types;
  std::vector<wxString> texts;
  std::vector<std::vector<std::uint8_t>> records;
  bool offMainThread = false;
  std::function<void(wxEventType)> onMessage;
};

using testsupport::PumpUntil;

boardsim::stCapture SampleCapture() {
  boardsim::stCapture capture = boardsim::DefaultCapture();
  capture.waveRecord.resize(capture.waveRecord.size() + 3, 0x42);  // a length that is no multiple of 8
  return capture;
}

class ReceiverLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    boardsim::Reset();
    boardsim::QueueCapture(SampleCapture());
    frame = new wxFrame(nullptr, wxID_ANY, "main");
    page = new wxFrame(nullptr, wxID_ANY, "decode page");
    main = std::make_unique<stRecordingWindow>(frame);
    decode = std::make_unique<stRecordingWindow>(page);
    link = std::make_unique<CReceiverLink>(SimulatorSetup(&clock));
    link->SetNotifyWindow(frame);
  }
  void TearDown() override {
    link.reset();
    frame->Destroy();
    if (page) page->Destroy();
    testsupport::PumpEvents();
  }

  bool Connected() {
    link->PostConnect();
    return PumpUntil(
        [&] { return std::count(main->types.begin(), main->types.end(), WM_BOARD_BUTTON_STATE) >= 1; });
  }

  CQuickClock clock;
  wxFrame* frame = nullptr;
  wxFrame* page = nullptr;
  std::unique_ptr<stRecordingWindow> main, decode;
  std::unique_ptr<CReceiverLink> link;
};

TEST_F(ReceiverLinkTest, DecodeRunReachesThePageOnTheUiThreadWithItsRecords) {
  ASSERT_TRUE(Connected());
  EXPECT_EQ(main->types.front(), WM_BOARD_STATE);
  bool runningAtDone = false;
  decode->onMessage = [&](wxEventType type) {
    if (type == WM_DECODE_DONE) runningAtDone = link->IsDecodeRunning();
  };
  link->PostStartDecode(page);
  // The done message is the run's last to the page. (The running flag clears
  // just before it is sent: a wait for the flag can end before it arrives.)
  ASSERT_TRUE(
      PumpUntil([&] { return std::count(decode->types.begin(), decode->types.end(), WM_DECODE_DONE) > 0; }));
  EXPECT_FALSE(link->IsDecodeRunning());
  ASSERT_FALSE(decode->texts.empty());
  EXPECT_EQ(decode->texts.back(), "IDS_DECODE_SUCCESS");
  EXPECT_FALSE(main->offMainThread);
  EXPECT_FALSE(decode->offMainThread);
  const boardsim::stCapture capture = SampleCapture();
  ASSERT_EQ(decode->records.size(), 2u);
  EXPECT_EQ(decode->records[0], capture.carrierRecord);
  EXPECT_EQ(decode->records[1], capture.waveRecord);
  EXPECT_FALSE(runningAtDone);  // cleared before the page hears of the success
  EXPECT_EQ(decode->types.front(), WM_DECODE_RESET);
  EXPECT_EQ(std::count(decode->types.begin(), decode->types.end(), WM_DECODE_DONE), 1);
}

TEST_F(ReceiverLinkTest, PageClosedDuringARunTakesNothingAndTheRunEnds) {
  ASSERT_TRUE(Connected());
  decode->onMessage = [&](wxEventType) {
    if (decode->texts.size() == 1 && page) {  // "IDS_WAIT_SIGNAL"
      decode->onMessage = nullptr;
      page->Destroy();
      page = nullptr;
    }
  };
  link->PostStartDecode(page);
  ASSERT_TRUE(PumpUntil([&] { return !page && !link->IsDecodeRunning(); }));
  EXPECT_EQ(decode->texts, std::vector<wxString>{"IDS_WAIT_SIGNAL"});
  EXPECT_TRUE(decode->records.empty());
  // Without the page's parse answer the run ended before the data-saved command.
  const std::vector<int> commands = boardsim::SentCommands();
  EXPECT_EQ(std::count(commands.begin(), commands.end(), 0x82), 2);
}

TEST_F(ReceiverLinkTest, LinkEndsWhileTheThreadWaitsForTheUiThread) {
  ASSERT_FALSE(wxTheApp->HasPendingEvents());
  link->PostConnect();
  // The UI thread does not pump: the worker's first message stays queued for
  // it, and the worker waits for its answer.
  ASSERT_TRUE(
      testsupport::WaitUntil([] { return wxTheApp->HasPendingEvents(); }, std::chrono::milliseconds(2)));
  link.reset();  // returns: the waiting worker is released and the thread ends
  testsupport::PumpEvents();
  EXPECT_TRUE(main->types.empty());
}

}  // namespace
