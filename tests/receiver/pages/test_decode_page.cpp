// The decode page in the main window against the simulated receiver board:
// board state, decode runs of synthesized captures, the grid, the import into
// a general project, the CSV export, a board fault and the page's life in the
// shell.
#include "PageTestBase.h"
#include "RealInput.h"
#include "CaptureSynth.h"
#include "HostFrame.h"
#include "LayoutChecks.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "UiEvents.h"
#include "boardsim.h"
#include "controls/chart/BLDCChartCtrl.h"
#include "controls/chart/ChartSeries.h"
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "cryptora/cryptora.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "protocol/pages/ProtocolPages.h"
#include "receiver/link/ReceiverLink.h"
#include "receiver/pages/CodeModePage.h"
#include "receiver/pages/ReceiverPages.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/ShellCommands.h"
#include "ui/shell/ShellMessages.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/listbox.h>
#include <wx/log.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

using Id = CCodeModePage::ControlId;

namespace {

// Pauses a tenth as long as asked, so that a decode run takes a fraction of a second.
class CFastClock : public board::IWorkClock {
 public:
  void Sleep(int ms) override { std::this_thread::sleep_for(std::chrono::microseconds(ms * 100)); }
  void WaitForMessage(board::CWorkQueue& queue, int ms) override {
    queue.WaitFor(std::chrono::milliseconds(std::max(1, ms / 10)));
  }
};
CFastClock g_fastClock;

std::unique_ptr<IReceiverLink> SimulatedLink() {
  board::stWorkThreadSetup setup;
  setup.hid.OpenDevice = CV_OpenDeviceI;
  setup.hid.CloseDevice = CV_CloseDevice;
  setup.hid.SetUSBCmd = CV_SetUSBCmd;
  setup.hid.GetUSBAck = CV_GetUSBAck;
  setup.hid.ReadUSB = CV_ReadUSB;
  setup.bootloader.NameDevice = &SetBootloaderDevice;
  setup.bootloader.DisConnectBootloader = &DisConnectBootloader;
  setup.bootloader.ConnectToBootloader = &ConnectToBootloader;
  setup.bootloader.GetMCUInfo = &GetMCUInfo;
  setup.bootloader.LoadFileEx = &LoadFileEx;
  setup.bootloader.EraseByPage = &EraseByPage;
  setup.bootloader.Program = &Program;
  setup.bootloader.VerifyByPage = &VerifyByPage;
  setup.bootloader.ExecuteProgramFrom = &ExecuteProgramFrom;
  setup.bootloader.SwitchToUserProgram = &SwitchToUserProgram;
  setup.decryptFile = &RJDecryptFile;
  setup.clock = &g_fastClock;
  setup.makerBrand = g_BrandFlag != 0;
  return std::make_unique<CReceiverLink>(setup);
}

boardsim::stCapture BoardCapture(const capturesynth::stSignal& signal) {
  const capturesynth::stCapture capture = capturesynth::Synthesize(signal, capturesynth::stDistortion{});
  return {capture.carrierRecord, capture.waveRecord};
}

using testsupport::PumpUntil;

wxPoint CentreOf(const wxRect& rect) { return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2); }

CCodeModePage* FindDecodePage(int mode) {
  for (wxWindow* window : wxTopLevelWindows) {
    auto* page = dynamic_cast<CCodeModePage*>(window);
    if (page && page->GetMode() == mode && !page->IsBeingDeleted()) return page;
  }
  return nullptr;
}

// A button's click with no event loop run after it: the tests wait for the page's work themselves.
void PressOnly(wxWindow* button) {
  ASSERT_TRUE(button);
  wxCommandEvent event(wxEVT_BUTTON, button->GetId());
  event.SetEventObject(button);
  button->ProcessWindowEvent(event);
}

bool HasStatus(CCodeModePage* page, const wxString& key) {
  for (const wxString& line : page->GetStatusKeys())
    if (line == key) return true;
  return false;
}

// Every header text fits its column; returns the columns' total width.
int ExpectGridHeadersFit(CIRGridCtrl* grid) {
  int total = 0;
  for (int col = 0; col < grid->GetColumnCount(); ++col) {
    SCOPED_TRACE(grid->GetItemText(0, col));
    EXPECT_LE(grid->GetCell(0, col)->GetCellExtent().x, grid->GetColumnWidth(col));
    total += grid->GetColumnWidth(col);
  }
  return total;
}

class DecodePageTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    // The document's kinds outlive its reset: a test that switched to an air remote must not
    // leave the next one a flow the main window refuses.
    state.Doc().RemoteType = kRemoteGeneral;
    state.Doc().LcdOption = 0;
    state.Doc().ProtocolType = kProtocolStandard;
    state.Doc().Modified = 0;
    state.Doc().DecodePageOpen = 0;
    boardsim::Reset();
    RegisterKeysPages();
    RegisterProtocolPages();
    RegisterReceiverPages();
    RegisterShellPage(kStandardModePageId,
                      [](wxWindow* parent) { return new CSubBaseDlg(kStandardModePageId, parent); });
    RegisterReceiverLink(&SimulatedLink);
  }

  void TearDown() override {
    RegisterShellPage(kStandardModePageId, nullptr);
    RegisterShellPage(kKeyConfigId, nullptr);
    RegisterShellPage(kModulationParamId, nullptr);
    RegisterReceiverLink(nullptr);
    RegisterDecodePage(nullptr);
  }

  // The main window with the partner's NEC example (general remote, standard protocol) open from
  // a folder of its own and the board connected; body runs inside the window's modal loop.
  void WithExample(const std::function<void()>& body) {
    const wxString folder = work.File("NEC_TV_Remote");
    CopyGeneralRemoteExample("NEC_TV_Remote", folder);
    RunMainWindow([&] {
      ASSERT_EQ(dialog->OpenProjectFile(platform::JoinPath(folder, "NEC_TV_Remote.lmirprj")), 2);
      ASSERT_TRUE(PumpUntil([&] { return dialog->GetBoardState() == 2; }));
      recorder.boxes.clear();
      body();
    });
  }

  CCodeModePage* OpenDecodePage(int mode) {
    wxCommandEvent learn(wxEVT_MENU, ID_CODE_MODE);
    dialog->ProcessWindowEvent(learn);
    testsupport::PumpEvents();
    return FindDecodePage(mode);
  }

  // One decode run of the next queued capture; true when the page shows its
  // result (the carrier, which the run's reset empties), or, when a fault is
  // expected, its message.
  bool Decode(CCodeModePage* page, const char* faultKey = nullptr) {
    return DecodeAfter(
        page, [&] { PressOnly(page->GetClientWindow()->FindWindow(Id::kStartDecodeId)); }, faultKey);
  }

  // The same, with the run started by start().
  bool DecodeAfter(CCodeModePage* page, const std::function<void()>& start, const char* faultKey = nullptr) {
    // The worker enters decode mode only after the page has taken the run's reset.
    auto entered = [] {
      const std::vector<int> sent = boardsim::SentCommands();
      return std::count(sent.begin(), sent.end(), 0x02);
    };
    const auto before = entered();
    start();
    IReceiverLink* link = dialog->GetReceiverLink();
    return PumpUntil([&] {
      if (entered() <= before || link->IsDecodeRunning()) return false;
      return faultKey ? HasStatus(page, faultKey) : !page->GetControlText(Id::kFrequencyEditId).empty();
    });
  }

  // Decodes one NEC frame per command and saves each result to the grid.
  void DecodeAndSave(CCodeModePage* page, std::initializer_list<unsigned> commands) {
    for (unsigned command : commands)
      boardsim::QueueCapture(
          BoardCapture(capturesynth::Kind1Frame(0x00, 0xFF, static_cast<std::uint8_t>(command))));
    for (std::size_t run = 0; run < commands.size(); ++run) {
      ASSERT_TRUE(Decode(page));
      PressOnly(page->GetClientWindow()->FindWindow(Id::kSaveId));
    }
  }

  std::vector<wxString> BoxTexts() const {
    std::vector<wxString> texts;
    for (const auto& box : recorder.boxes) texts.push_back(box.text);
    return texts;
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};

std::vector<std::uint16_t> ProjectKeyCodes() {
  std::vector<std::uint16_t> codes;
  for (const auto& value : g_DocManage.KeyValues()) codes.push_back(value.code);
  return codes;
}

}  // namespace

TEST_F(DecodePageTest, ShowsTheBoardAndDecodesStandardAndUnknownCaptures) {
  WithExample([&] {
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(page);
    EXPECT_EQ(g_DocManage.DecodePageOpen, 1);
    EXPECT_TRUE(HasStatus(page, "IDS_HAS_CONNECTED"));
    EXPECT_EQ(page->GetControlText(Id::kFirmwareVersionId), "0102H");
    EXPECT_TRUE(page->GetClientWindow()->FindWindow(Id::kStartDecodeId)->IsEnabled());
    const int rowsBefore = page->GetGrid()->GetRowCount();

    struct Case {
      capturesynth::stSignal signal;
      const char* protocol;
      const char* address;
      const char* command;
      double carrierKHz;
    } cases[] = {
        {capturesynth::Kind1Frame(0x00, 0xFF, 0x45), "NEC", "0", "45", 38},
        {capturesynth::Kind3Frame(0, 5, 0x23), "RC5", "5", "23", 36},
        {capturesynth::PulseDistanceFrame(capturesynth::LsbFirst(0xA55A, 16), false), "Non-standard", "0",
         "0", 38},
    };
    for (const Case& c : cases) boardsim::QueueCapture(BoardCapture(c.signal));
    int saved = 0;
    for (const Case& c : cases) {
      SCOPED_TRACE(c.protocol);
      ASSERT_TRUE(Decode(page));
      EXPECT_TRUE(HasStatus(page, "IDS_DECODE_SUCCESS"));
      EXPECT_EQ(page->GetControlText(Id::kProtocolEditId), c.protocol);
      EXPECT_EQ(page->GetBitEdit(Id::kAddressEditId).GetWindowText(), c.address);
      EXPECT_EQ(page->GetBitEdit(Id::kCommandEditId).GetWindowText(), c.command);
      double carrier = 0;
      ASSERT_TRUE(page->GetControlText(Id::kFrequencyEditId).ToCDouble(&carrier));
      EXPECT_NEAR(carrier, c.carrierKHz, 0.6);
      double duty = 0;
      ASSERT_TRUE(page->GetControlText(Id::kDutyEditId).ToCDouble(&duty));
      EXPECT_NEAR(duty, c.signal.duty, 0.03);
      EXPECT_GT(page->GetWaveSeries()->GetPointsCount(), 20u);
      EXPECT_FALSE(page->GetControlText(Id::kBitTextId).empty());
      PressOnly(page->GetClientWindow()->FindWindow(Id::kSaveId));
      ++saved;
      EXPECT_EQ(page->GetGrid()->GetRowCount(), rowsBefore + saved);
      EXPECT_EQ(page->GetGrid()->GetItemText(page->GetGrid()->GetRowCount() - 2, CIRGridCtrl::kCodeColumn),
                wxString("0x") + c.command);
      if (wxString(c.protocol) == "NEC") testsupport::SaveWindowScreenshot(page, "decode_page_general.png");
    }
    // The unknown protocol's bit ranges are the user's to type.
    EXPECT_TRUE(PumpUntil([&] { return page->GetBitEdit(Id::kAddressStartId).GetEdit()->IsEnabled(); }));
  });
}

TEST_F(DecodePageTest, BoardFaultShowsItsMessageAndThePageStaysUsable) {
  WithExample([&] {
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(page);
    boardsim::QueueCapture(BoardCapture(capturesynth::Kind1Frame(0x00, 0xFF, 0x45)));
    // The decode-mode command does not reach the board, which stays idle. (A
    // board that takes it without answering is in decode mode all the same,
    // and the service loop's next poll runs that decode, whose reset clears the
    // message again.)
    boardsim::ArmFault(boardsim::Fault::kSendFailure, 0x02);
    ASSERT_TRUE(Decode(page, "IDS_INTOMODE_ERR"));
    EXPECT_TRUE(HasStatus(page, "IDS_INTOMODE_ERR"));
    const wxListBox* list = page->GetStatusList();
    EXPECT_EQ(list->GetString(list->GetCount() - 1), GetLangText("IDS_INTOMODE_ERR"));
    EXPECT_TRUE(
        PumpUntil([&] { return page->GetClientWindow()->FindWindow(Id::kStartDecodeId)->IsEnabled(); }));
    ASSERT_TRUE(Decode(page));
    EXPECT_TRUE(HasStatus(page, "IDS_DECODE_SUCCESS"));
    EXPECT_EQ(page->GetControlText(Id::kProtocolEditId), "NEC");
  });
}

TEST_F(DecodePageTest, ImportedKeysReachTheProjectAndTheKeyPageAndExportReadsBack) {
  WithExample([&] {
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(page);
    page->GetGrid()->ResetRows();
    for (unsigned command : {0x45u, 0x1Au})
      boardsim::QueueCapture(
          BoardCapture(capturesynth::Kind1Frame(0x00, 0xFF, static_cast<std::uint8_t>(command))));
    for (int run = 0; run < 2; ++run) {
      ASSERT_TRUE(Decode(page));
      PressOnly(page->GetClientWindow()->FindWindow(Id::kSaveId));
    }
    page->GetGrid()->SetCellText(2, CIRGridCtrl::kTextColumn, "Vol, \"up\"");

    // CSV read back with Python's csv module: the rows as the grid holds them.
    const wxString csv = work.File("keys");
    ASSERT_TRUE(page->ExportCsv(csv));
    const wxString script = work.File("rows.py");
    {
      FILE* out = fopen(script.utf8_string().c_str(), "w");
      fputs(
          "import csv, sys\n"
          "rows = list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8-sig')))\n"
          "for row in rows[-2:]:\n"
          "    print('|'.join(row[3:]))\n",
          out);
      fclose(out);
    }
    const std::string command =
        "PYTHONIOENCODING=utf-8 /usr/bin/python3 " + script.utf8_string() + " " + csv.utf8_string() + ".csv";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_TRUE(pipe);
    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(output, "'0x45|\n'0x1a|Vol, \"up\"\n");

    // Import: the unsaved project is saved first, then the codes replace the project's.
    state.Doc().Modified = 1;
    recorder.answers = {platform::kIdYes};
    PressOnly(page->GetClientWindow()->FindWindow(Id::kImportId));
    testsupport::PumpEvents();
    ASSERT_GE(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes.back().text, GetLangText("IDS_IMPORT_SUCCESS"));
    ASSERT_EQ(g_DocManage.GetKeyValueCount(), 2u);
    EXPECT_EQ(g_DocManage.KeyValues()[0].code, 0x45);
    EXPECT_EQ(g_DocManage.KeyValues()[1].code, 0x1A);
    EXPECT_EQ(g_DocManage.CodeMode, 1);
    EXPECT_TRUE(IsStandardProtocol(g_DocManage.ProtocolType));

    CSubBaseDlg* standard = dialog->FindPage(kStandardModePageId);
    ASSERT_TRUE(standard);
    standard->RequestNextPage(1, 0);
    testsupport::PumpEvents();
    auto* keys = dynamic_cast<CKeyConfigDlg*>(dialog->FindPage(kKeyConfigId));
    ASSERT_TRUE(keys);
    ASSERT_EQ(dialog->GetCurrentPage(), keys);
    EXPECT_EQ(keys->GetGrid()->GetItemText(1, CIRGridCtrl::kCodeColumn), "0x45");
    EXPECT_EQ(keys->GetGrid()->GetItemText(2, CIRGridCtrl::kCodeColumn), "0x1a");
  });
}

// Import asks to save a modified project; when that save fails, the import
// stops before it changes anything, as the main window's own question does.
TEST_F(DecodePageTest, ImportStopsWhenTheSaveItAskedForFails) {
  WithExample([&] {
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(page);
    page->GetGrid()->ResetRows();
    DecodeAndSave(page, {0x45});
    if (HasFatalFailure()) return;
    const std::vector<std::uint16_t> before = ProjectKeyCodes();
    ASSERT_NE(before, std::vector<std::uint16_t>{0x45});

    // The project's folder is gone (a removed drive): the save cannot be made.
    std::filesystem::remove_all(platform::ToFsPath(g_DocManage.ProjectFolder));
    state.Doc().Modified = 1;
    recorder.boxes.clear();
    recorder.answers = {platform::kIdYes};
    PressOnly(page->GetClientWindow()->FindWindow(Id::kImportId));
    testsupport::PumpEvents();
    const std::vector<wxString> texts = BoxTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], GetLangText("IDS_SAVE_CURCONFIG"));
    EXPECT_TRUE(texts[1].StartsWith("The project could not be saved")) << texts[1];
    EXPECT_EQ(ProjectKeyCodes(), before);
    EXPECT_EQ(g_DocManage.Modified, 1);
  });
}

// Codes in the grid read as the key page reads them; a code that cannot be
// read is named with its row and nothing is imported, not even saved.
TEST_F(DecodePageTest, ImportNamesTheRowOfAnUnreadableCodeAndChangesNothing) {
  WithExample([&] {
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(page);
    page->GetGrid()->ResetRows();
    DecodeAndSave(page, {0x45, 0x1A});
    if (HasFatalFailure()) return;
    const std::vector<std::uint16_t> before = ProjectKeyCodes();
    const std::string fileBefore = testsupport::ReadBytes(g_DocManage.GetProjectFilePath());

    for (const char* unreadable : {"0x1G", "1H2"}) {
      SCOPED_TRACE(unreadable);
      page->GetGrid()->SetCellText(2, CIRGridCtrl::kCodeColumn, unreadable);
      state.Doc().Modified = 1;
      recorder.boxes.clear();
      PressOnly(page->GetClientWindow()->FindWindow(Id::kImportId));
      testsupport::PumpEvents();
      ASSERT_EQ(recorder.boxes.size(), 1u);
      EXPECT_TRUE(recorder.boxes[0].text.StartsWith(
          wxString::Format("Row 2: the key code \"%s\" cannot be read.", unreadable)))
          << recorder.boxes[0].text;
      EXPECT_EQ(ProjectKeyCodes(), before);
      EXPECT_EQ(testsupport::ReadBytes(g_DocManage.GetProjectFilePath()), fileBefore);
    }

    page->GetGrid()->SetCellText(2, CIRGridCtrl::kCodeColumn, "12H");
    state.Doc().Modified = 0;
    recorder.boxes.clear();
    PressOnly(page->GetClientWindow()->FindWindow(Id::kImportId));
    testsupport::PumpEvents();
    ASSERT_FALSE(recorder.boxes.empty());
    EXPECT_EQ(recorder.boxes.back().text, GetLangText("IDS_IMPORT_SUCCESS"));
    EXPECT_EQ(ProjectKeyCodes(), (std::vector<std::uint16_t>{0x45, 0x12}));
  });
}

// The decode window is modeless beside the modal main window: its own close
// button, clicked with the pointer, closes it.
TEST_F(DecodePageTest, ClosingClearsTheOpenFlagAndTheNextLearnCodeBuildsANewPage) {
  WithExample([&] {
    CCodeModePage* first = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(first);
    // While the page is open, learn-code only brings it forward.
    EXPECT_EQ(OpenDecodePage(CCodeModePage::kGeneralMode), first);
    ASSERT_TRUE(dialog->IsModal());
    ASSERT_TRUE(testsupport::RealClick(first, CentreOf(first->GetCaptionLayout().buttons[kCaptionClose])));
    EXPECT_TRUE(PumpUntil([&] { return !first->IsShown(); }));
    EXPECT_EQ(g_DocManage.DecodePageOpen, 0);
    CCodeModePage* second = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_TRUE(HasStatus(second, "IDS_HAS_CONNECTED"));
  });
  // The main window's end destroys the page once.
  EXPECT_EQ(FindDecodePage(CCodeModePage::kGeneralMode), nullptr);
}

// What the user does in the decode window reaches it while the main window
// runs modal: a click on Start decoding runs a decode on the board.
TEST_F(DecodePageTest, RealClickOnStartDecodingRunsADecodeBesideTheModalMainWindow) {
  WithExample([&] {
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(page);
    ASSERT_TRUE(dialog->IsModal());
    for (const char* language : {"1252", "936"}) {
      SCOPED_TRACE(language);
      dialog->SwitchLanguage(language);
      boardsim::QueueCapture(BoardCapture(capturesynth::Kind1Frame(0x00, 0xFF, 0x45)));
      wxWindow* start = page->GetClientWindow()->FindWindow(Id::kStartDecodeId);
      ASSERT_TRUE(PumpUntil([&] { return start->IsEnabled(); }));
      ASSERT_TRUE(DecodeAfter(page, [&] { ASSERT_TRUE(testsupport::RealClick(start)); }));
      EXPECT_EQ(page->GetControlText(Id::kProtocolEditId), "NEC");
      EXPECT_EQ(page->GetBitEdit(Id::kCommandEditId).GetWindowText(), "45");
      testsupport::SaveWindowScreenshot(page, wxString::Format("decode_window_beside_modal_main_%s.png",
                                                               language == wxString("936") ? "zh" : "en"));
    }
  });
}

TEST_F(DecodePageTest, AirModeShowsTheFrameText) {
  WithExample([&] {
    state.Doc().RemoteType = kRemoteLcdSimple;
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kAirMode);
    ASSERT_TRUE(page);
    const std::vector<bool> bits = capturesynth::LsbFirst(0x5A3C, 16);
    boardsim::QueueCapture(BoardCapture(capturesynth::AirConditionerSignal({{bits, {}}}, false)));
    ASSERT_TRUE(Decode(page));
    EXPECT_TRUE(HasStatus(page, "IDS_DECODE_SUCCESS"));
    EXPECT_FALSE(page->GetControlText(Id::kReceivedFrameId).empty());
    EXPECT_EQ(page->GetControlText(Id::kFrameLengthEditId),
              wxString::Format("%d", static_cast<int>(page->GetControlText(Id::kReceivedFrameId).length())));
    PressOnly(page->GetClientWindow()->FindWindow(Id::kSaveId));
    EXPECT_EQ(page->GetGrid()->GetItemText(1, CIRGridCtrl::kCodeColumn),
              page->GetControlText(Id::kReceivedFrameId));
    // The frame texts are long: the wide grid scrolls sideways, its headers still fit.
    ExpectGridHeadersFit(page->GetGrid());
    testsupport::SaveWindowScreenshot(page, "decode_page_air.png");
  });
}

TEST_F(DecodePageTest, TextsFitTheirControlsAndColumnsInEitherLanguage) {
  WithExample([&] {
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(page);
    for (const char* language : {"1252", "936", "1252"}) {
      SCOPED_TRACE(language);
      dialog->SwitchLanguage(language);
      testsupport::PumpEvents();
      // The general grid needs no sideways scrolling.
      EXPECT_LE(ExpectGridHeadersFit(page->GetGrid()), page->GetGrid()->GetClientSize().x);
      EXPECT_EQ(testsupport::ClippedTexts(page->GetClientWindow()), "");
      if (wxString(language) == "936") testsupport::SaveWindowScreenshot(page, "decode_page_general_zh.png");
    }
  });
}

TEST_F(DecodePageTest, FirmwareUpdateShowsProgressToTheEnd) {
  SetupDecryptKey("IR_583204");
  boardsim::SetFirmwareVersion(0x0100);  // older than the installed image
  WithExample([&] {
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->GetControlText(Id::kFirmwareVersionId), "0100H");
    std::vector<int> progress;
    page->Bind(WM_BOARD_UPDATE_PROGRESS, [&progress](CShellMessageEvent& event) {
      progress.push_back(static_cast<int>(event.WParam()));
      event.Skip();
    });
    wxWindow* update = page->GetClientWindow()->FindWindow(Id::kUpdateFirmwareId);
    ASSERT_TRUE(update);
    ASSERT_TRUE(PumpUntil([&] { return update->IsEnabled(); }));

    PressOnly(update);
    IReceiverLink* link = dialog->GetReceiverLink();
    ASSERT_TRUE(PumpUntil([&] { return HasStatus(page, "IDS_UPDATE_SUCCESS") && !link->IsUpdateRunning(); }));
    EXPECT_EQ(progress, (std::vector<int>{0, 10, 30, 50, 80, 90, 95, 100}));
    // Successive progress lines overwrite one line, which ends at 100 % above the success text.
    const wxListBox* list = page->GetStatusList();
    ASSERT_GE(list->GetCount(), 2u);
    EXPECT_EQ(list->GetString(list->GetCount() - 2),
              platform::FormatText(GetLangText("IDS_UPDATE_PROGRESS"), 100));
    EXPECT_EQ(list->GetString(list->GetCount() - 1), GetLangText("IDS_UPDATE_SUCCESS"));
    EXPECT_EQ(std::count(page->GetStatusKeys().begin(), page->GetStatusKeys().end(), "IDS_UPDATE_PROGRESS"),
              1);
    EXPECT_EQ(boardsim::GetMode(), boardsim::Mode::kApplication);
    EXPECT_EQ(boardsim::GetFirmwareVersion(), 0x0106);

    // The board comes back as itself; the device notice's connection shows the new version, and the
    // update is offered no more. A connection request that meets the ending service loop is
    // dropped, so the notice repeats until the board is seen.
    auto lastConnect = std::chrono::steady_clock::now() - std::chrono::seconds(1);
    ASSERT_TRUE(PumpUntil([&] {
      if (std::chrono::steady_clock::now() - lastConnect > std::chrono::milliseconds(200)) {
        link->PostConnect();
        lastConnect = std::chrono::steady_clock::now();
      }
      return page->GetControlText(Id::kFirmwareVersionId) == "0106H" && !update->IsEnabled();
    }));
    testsupport::SaveWindowScreenshot(page, "decode_page_update.png");
  });
}

// The firmware file is found in any case on disk ("fw", "01a7"), and the
// update opens that file, not a name rebuilt from its version.
TEST_F(DecodePageTest, FirmwareUpdateOpensTheFileAsFound) {
  SetupDecryptKey("IR_583204");
  boardsim::SetFirmwareVersion(0x0100);
  testsupport::TempDir install;
  ASSERT_TRUE(wxFileName::Mkdir(install.File("fw")));
  ASSERT_TRUE(wxCopyFile(platform::JoinPath(OLV_SOURCE_DIR, "install/FW/IRRC_Receiver_0106.bin"),
                         install.File("fw/IRRC_Receiver_01a7.bin")));
  WithExample([&] {
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kGeneralMode);
    ASSERT_TRUE(page);
    state.App().installFolder = install.Path();
    wxWindow* update = page->GetClientWindow()->FindWindow(Id::kUpdateFirmwareId);
    ASSERT_TRUE(update);
    ASSERT_TRUE(PumpUntil([&] { return update->IsEnabled(); }));
    PressOnly(update);
    IReceiverLink* link = dialog->GetReceiverLink();
    ASSERT_TRUE(PumpUntil([&] {
      return (HasStatus(page, "IDS_UPDATE_SUCCESS") || HasStatus(page, "IDS_LOAD_FW_FAILED")) &&
             !link->IsUpdateRunning();
    }));
    EXPECT_FALSE(HasStatus(page, "IDS_LOAD_FW_FAILED"));
    EXPECT_TRUE(HasStatus(page, "IDS_UPDATE_SUCCESS"));
    EXPECT_EQ(boardsim::GetFirmwareVersion(), 0x0106);
  });
}

// A save whose air key values cannot be written fails as a whole: the
// message says so and the project file stays as it was.
TEST_F(DecodePageTest, SaveFailsWhenTheAirKeyValuesCannotBeWritten) {
  WithExample([&] {
    state.Doc().RemoteType = kRemoteLcdSimple;
    CCodeModePage* page = OpenDecodePage(CCodeModePage::kAirMode);
    ASSERT_TRUE(page);
    const wxString file = g_DocManage.GetProjectFilePath();
    const std::string before = testsupport::ReadBytes(file);
    // No line of the project file can hold a line break.
    state.Doc().AddAirKeyValue("0101", "Cool\nWarm");
    state.Doc().Modified = 1;
    recorder.boxes.clear();
    EXPECT_EQ(SendShellMessage(dialog, WM_SAVE_PROJECT), 0);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_TRUE(recorder.boxes[0].text.StartsWith("The project could not be saved"))
        << recorder.boxes[0].text;
    EXPECT_EQ(testsupport::ReadBytes(file), before);
    EXPECT_EQ(g_DocManage.Modified, 1);
  });
}

TEST_F(DecodePageTest, LayoutWithoutItsClientElementGivesTheLayoutMessage) {
  testsupport::TempDir empty;
  state.App().uiConfigFolder = empty.Path();
  auto* page = new CCodeModePage(CCodeModePage::kGeneralMode);
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text, "The layout element SW_CLIENT is missing from " +
                                        platform::JoinPath(empty.Path(), "ConditionModePage.ini") + ".");
  // The page is built without its layout and goes without harm.
  EXPECT_TRUE(page->GetClientWindow()->FindWindow(Id::kStartDecodeId));
  page->Destroy();
  testsupport::PumpEvents();
}
