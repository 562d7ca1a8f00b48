// The output button of the key page in the main window: the NEC example
// opened, walked from its standard page to the key page and output over a
// copy of the install's remote settings, which a test may break. Success
// saves the project and offers the output folder; a missing framework, a
// framework whose conditions cannot be followed or an unreadable key template
// shows its message and leaves the project file and folder as they were.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FileHelpers.h"
#include "core/LangText.h"
#include "core/UserIni.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeySetDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "platform/gui/WxMessageBoxService.h"
#include "protocol/pages/ProtocolPages.h"
#include "ui/shell/OlvantaDlg.h"
#include "PageTestBase.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/timer.h>

#include <filesystem>

#ifdef __WXGTK__
#include <dlfcn.h>
#endif

namespace fs = std::filesystem;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

#ifdef OLV_BRAND_MAKER
constexpr int kBrand = 1;
const char* const kProjectFileName = "NEC_TV_Remote.ovirprj";
const char* const kMcu = "QK21A0510";
#else
constexpr int kBrand = 0;
const char* const kProjectFileName = "NEC_TV_Remote.lmirprj";
const char* const kMcu = "QK21C0510";
#endif

class OutputPageTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().Modified = 0;
    state.BrandFlag() = kBrand;
    RegisterProtocolPages();
    RegisterKeysPages();
    platform::WriteProfileString(GetUserIniPath(), "Olvanta", "Prompt_Standard", "1");
    DisarmKeyPageGuide();
    // The install's remote settings, with frameworks the test adds.
    const wxString settings = work.File("RemoteControlSetting");
    fs::copy(platform::ToFsPath(g_App.remoteSettingsFolder), platform::ToFsPath(settings),
             fs::copy_options::recursive);
    state.App().remoteSettingsFolder = settings;
    state.App().protocolFolder = g_App.GetProtocolFolder(0);
  }

  void TearDown() override {
    RegisterShellPage(kStandardModePageId, nullptr);
    RegisterShellPage(kModulationParamId, nullptr);
    RegisterShellPage(kDataFormatId, nullptr);
    RegisterShellPage(kKeyConfigId, nullptr);
  }

  wxString FrameworkFolder() const {
    return platform::JoinPath(g_App.protocolFolder,
                              wxString("Standard/IR_FrameWork_STD_V1.0/") + kMcu + "/NEC");
  }
  // The main window, with the built expression library, and the NEC example open from a folder
  // of its own; body runs inside the window's modal loop.
  void WithExample(const std::function<void()>& body) {
    const wxString folder = work.File("NEC_TV_Remote");
    CopyGeneralRemoteExample("NEC_TV_Remote", folder);
    project = platform::JoinPath(folder, kProjectFileName);
    RunMainWindow(
        [&] {
          ASSERT_EQ(dialog->OpenProjectFile(project), 2);
          state.App().protocolFolder = g_App.GetProtocolFolder(0);
          recorder.boxes.clear();
          body();
        },
        ExpressionLibrary::kBuilt);
  }

  CKeyConfigDlg* KeyPage() const { return dynamic_cast<CKeyConfigDlg*>(dialog->FindPage(kKeyConfigId)); }

  // Next on the standard page: it writes its include into the work folder.
  void GoToKeyPage() {
    dialog->FindPage(kStandardModePageId)->RequestNextPage(1, 0);
    testsupport::PumpEvents();
    ASSERT_EQ(dialog->GetCurrentPage(), KeyPage());
    ASSERT_TRUE(recorder.boxes.empty()) << recorder.boxes.front().text;
  }

  void PressOutput() { Press(KeyPage()->FindWindow(CKeyConfigDlg::kOutputId)); }

  std::vector<fs::path> ProjectFolderEntries() const {
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(platform::ToFsPath(g_DocManage.ProjectFolder)))
      entries.push_back(entry.path().filename());
    return entries;
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
  wxString project;
};

TEST_F(OutputPageTest, OutputSavesTheProjectAndOffersTheNewFolder) {
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    state.Doc().Modified = 1;
    recorder.answers.push_back(platform::kIdCancel);  // do not open a file manager
    PressOutput();

    ASSERT_EQ(recorder.boxes.size(), 1u);
    const wxString output = g_DocManage.GetOutputFolder();
    EXPECT_TRUE(output.StartsWith(platform::JoinPath(g_DocManage.ProjectFolder, "NEC_TV_Remote_"))) << output;
    EXPECT_EQ(recorder.boxes[0].text,
              platform::FormatChecked(GetLangText("IDS_BUILD_OK"), {platform::FormatArg(output)}));
    EXPECT_EQ(g_DocManage.Modified, 0) << "the project is saved";

    // The framework with its conditions decided, the generated files laid over it.
    for (const char* name :
         {"Main.asm", "IRSend.asm", "Table.ASM", "Key_Mapping.inc", "Driving.inc", "IR_Standard.inc"})
      EXPECT_TRUE(wxFileExists(output + "/" + name)) << name;
    EXPECT_EQ(ReadBytes(output + "/Main.asm").find("IF LED_DRV"), std::string::npos);
  });
}

TEST_F(OutputPageTest, TheLedBoxDecidesTheLedOutput) {
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    auto* keySet = dynamic_cast<CKeySetDlg*>(KeyPage()->GetKeySetPanel());
    ASSERT_NE(keySet, nullptr);
    auto* led = dynamic_cast<wxCheckBox*>(keySet->FindWindow(CKeySetDlg::kLedBoxId));
    auto* pins = dynamic_cast<wxChoice*>(keySet->FindWindow(CKeySetDlg::kLedComboId));
    ASSERT_TRUE(led && pins);
    led->SetValue(true);
    wxCommandEvent tick(wxEVT_CHECKBOX, led->GetId());
    tick.SetEventObject(led);
    tick.SetInt(1);
    led->ProcessWindowEvent(tick);
    testsupport::PumpEvents();

    // Ticked without a pin: refused before anything is made.
    const auto entriesBefore = ProjectFolderEntries();
    recorder.boxes.clear();
    PressOutput();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_NO_SEL_LED"));
    EXPECT_EQ(ProjectFolderEntries(), entriesBefore);

    // With a pin the LED is driven on it.
    ASSERT_GT(pins->GetCount(), 0u);
    pins->SetSelection(0);
    wxCommandEvent pick(wxEVT_CHOICE, pins->GetId());
    pick.SetEventObject(pins);
    pick.SetInt(0);
    pins->ProcessWindowEvent(pick);
    testsupport::PumpEvents();
    const wxString pin = pins->GetString(0).Upper();
    recorder.boxes.clear();
    recorder.answers.push_back(platform::kIdCancel);
    PressOutput();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    const std::string driving = ReadBytes(g_DocManage.GetOutputFolder() + "/Driving.inc");
    EXPECT_NE(driving.find("#define LED_DRV 1\r\n"), std::string::npos) << driving;
    EXPECT_NE(driving.find(("#define LED_IO " + pin + "\r\n").ToStdString()), std::string::npos) << driving;
  });
}

TEST_F(OutputPageTest, MissingFrameworkLeavesTheProjectFileAsItWas) {
  fs::remove_all(platform::ToFsPath(FrameworkFolder()));
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    state.Doc().Modified = 1;
    const std::string before = ReadBytes(project);
    const auto entriesBefore = ProjectFolderEntries();
    PressOutput();

    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_FAILED_COPY_PROJECT"));
    EXPECT_EQ(ReadBytes(project), before);
    EXPECT_EQ(ProjectFolderEntries(), entriesBefore);
    EXPECT_EQ(g_DocManage.Modified, 1);
  });
}

TEST_F(OutputPageTest, ConditionsThatCannotBeFollowedStopTheOutputWithTheFileNamed) {
  WriteBytes(FrameworkFolder() + "/send.asm", "\tNOP\r\n\tELSE\r\n");
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    state.Doc().Modified = 1;
    const std::string before = ReadBytes(project);
    const auto entriesBefore = ProjectFolderEntries();
    PressOutput();

    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_TRUE(recorder.boxes[0].text.Contains("send.asm")) << recorder.boxes[0].text;
    EXPECT_FALSE(recorder.boxes[0].text.Contains(GetLangText("IDS_BUILD_OK").BeforeFirst('%')));
    EXPECT_EQ(ReadBytes(project), before);
    EXPECT_EQ(ProjectFolderEntries(), entriesBefore);
  });
}

#ifndef _WIN32
TEST_F(OutputPageTest, UnreadableKeyTemplateStopsTheOutputWithTheFileNamed) {
  // The install's templates, the key mapping template a link to nothing.
  const wxString templates = work.File("Template");
  fs::copy(platform::ToFsPath(g_App.templateFolder), platform::ToFsPath(templates),
           fs::copy_options::recursive);
  const wxString broken = platform::JoinPath(templates, "Key_Mapping.temp");
  fs::remove(platform::ToFsPath(broken));
  fs::create_symlink("/nonexistent/olvanta-test", platform::ToFsPath(broken));
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    state.App().templateFolder = templates;
    state.Doc().Modified = 1;
    const std::string before = ReadBytes(project);
    const auto entriesBefore = ProjectFolderEntries();
    PressOutput();

    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_TRUE(recorder.boxes[0].text.Contains("Key_Mapping.temp")) << recorder.boxes[0].text;
    EXPECT_FALSE(recorder.boxes[0].text.Contains(GetLangText("IDS_BUILD_OK").BeforeFirst('%')));
    EXPECT_EQ(ReadBytes(project), before);
    EXPECT_EQ(ProjectFolderEntries(), entriesBefore);
    EXPECT_EQ(g_DocManage.Modified, 1);
  });
}
#endif

#ifdef __WXGTK__
// The native box is no wx window and runs its own loop (gtk_dialog_run): it is
// found among GTK's windows as the visible modal message dialog (the main
// window beneath it is modal too), and only a response ends it. GTK comes with
// wx; its functions are looked up, not declared from headers.
template <typename Function>
Function Gtk(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

bool CancelNativeBox() {
  struct List {
    void* data;
    List* next;
    List* prev;
  };
  const auto toplevels = Gtk<List* (*)()>("gtk_window_list_toplevels");
  const auto isModal = Gtk<int (*)(void*)>("gtk_window_get_modal");
  const auto isVisible = Gtk<int (*)(void*)>("gtk_widget_get_visible");
  const auto respond = Gtk<void (*)(void*, int)>("gtk_dialog_response");
  const auto freeList = Gtk<void (*)(List*)>("g_list_free");
  const auto messageDialogType = Gtk<unsigned long (*)()>("gtk_message_dialog_get_type");
  const auto isA = Gtk<int (*)(void*, unsigned long)>("g_type_check_instance_is_a");
  if (!toplevels || !isModal || !isVisible || !respond || !freeList || !messageDialogType || !isA)
    return false;
  constexpr int kGtkResponseCancel = -6;
  List* windows = toplevels();
  bool found = false;
  for (List* item = windows; item && !found; item = item->next) {
    if (!isA(item->data, messageDialogType()) || !isModal(item->data) || !isVisible(item->data)) continue;
    respond(item->data, kGtkResponseCancel);
    found = true;
  }
  freeList(windows);
  return found;
}

// The real message box after a successful output, over the main window.
TEST_F(OutputPageTest, BuildOkScreenshot) {
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    platform::CWxMessageBoxService boxes;
    platform::InstallMessageBoxService(&boxes);
    wxString saved;
    bool closed = false;
    int ticks = 0;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
      if (++ticks < 3) return;  // the box is up and drawn
      timer.Stop();
      saved = testsupport::SaveWindowScreenshot(dialog, "build_ok.png");
      closed = CancelNativeBox();
    });
    timer.Start(200);
    PressOutput();
    timer.Stop();
    platform::InstallMessageBoxService(&recorder);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(saved.empty());
  });
}
#endif

}  // namespace
