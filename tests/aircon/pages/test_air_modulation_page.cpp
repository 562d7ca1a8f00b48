// The air-conditioner carrier and bit-timing page in the main window: an
// LCD-simple project made through the new-project dialog starts on it;
// values are typed, bad ones refused with their marks, good ones pass Next
// into the macro table; a typed value turns the page to the user's own
// scheme, another scheme asks first; the connect code switches its time;
// the project's [Custom] section after a save, and every value back when the
// project is opened again, also right after a project on another scheme; a
// language switch re-captions the previews and keeps the values.
#include "aircon/pages/AirModulation.h"
#include "aircon/pages/AirconPages.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/ProjectFile.h"
#include "core/UserIni.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "ui/WaveDraw.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellCommands.h"
#include "LayoutChecks.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/popupwin.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <filesystem>
#include <map>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace aircon;

#ifdef OLV_BRAND_MAKER
constexpr int kBrand = 1;
#else
constexpr int kBrand = 0;
#endif

// The template ids that the test's stand-in pages record messages under.
std::vector<int> g_received;

// Stands for the later pages of the flow (air data format, other settings,
// key page): records the reloads it is asked for and, as the data-format
// page, the connect-code flag and what the document held when the main
// window had it reload its settings.
class CStandInPage : public CSubBaseDlg {
 public:
  CStandInPage(int id, wxWindow* parent) : CSubBaseDlg(id, parent) {
    Bind(WM_AIR_FORMAT_INDEX, [this, id](CShellMessageEvent& event) {
      g_received.push_back(id);
      reloadedScheme = static_cast<int>(event.WParam());
      event.SetResult(1);
    });
    Bind(WM_CONNECT_CODE_STATE,
         [this](CShellMessageEvent& event) { connectCode = static_cast<int>(event.WParam()); });
  }
  bool ReloadSettings(int) override {
    reloadScheme = g_DocManage.AirFormatType;
    reloadConnect = g_DocManage.RepeatCodeOn;
    return true;
  }
  int reloadedScheme = -2;
  int connectCode = -1;
  int reloadScheme = -2;
  int reloadConnect = -1;
};

class AirModulationPageTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    if (kBrand == 0) GTEST_SKIP() << "the LCD remotes are the maker brand's";
    ResetToInstalledProgram();
    state.BrandFlag() = kBrand;
    state.Doc().ProjectFilePath.clear();
    state.Doc().Modified = 0;
    RegisterAirconPages();
    for (int id : kStandIns)
      RegisterShellPage(id, [id](wxWindow* parent) { return new CStandInPage(id, parent); });
    g_received.clear();
  }

  void TearDown() override {
    RegisterShellPage(kAirModulationId, nullptr);
    for (int id : kStandIns) RegisterShellPage(id, nullptr);
  }

  static constexpr int kStandIns[] = {kAirDataFormatId, kOtherPageId, kKeyConfigId};

  // The main window with an LCD-simple project made from the start page
  // through the new-project dialog; body runs inside the window's modal loop.
  void WithNewProject(const std::function<void()>& body) {
    RunMainWindow([&] {
      ASSERT_NO_FATAL_FAILURE(CreateProjectWithNewProjectDialog("Air Remote", work.File("projects"), 2));
      ASSERT_EQ(g_DocManage.RemoteType, kRemoteLcdSimple);
      project = g_DocManage.GetProjectFilePath();
      ASSERT_TRUE(Page());
      ASSERT_EQ(dialog->GetCurrentPage(), Page());
      SettleFocus();
      recorder.boxes.clear();
      body();
    });
  }

  // The new-project dialog is gone: the display hands the keyboard focus
  // back to the main window in its own time. Waits for that.
  void SettleFocus() {
    Page()->GetEditById(kFreqEditId)->GetEdit()->SetFocus();
    testsupport::PumpUntil([&] {
      wxWindow* focus = wxWindow::FindFocus();
      return focus && wxGetTopLevelParent(focus) == dialog;
    });
    Page()->SetFocusIgnoringChildren();
    testsupport::PumpEvents();
  }

  CAirModulation* Page() const { return dynamic_cast<CAirModulation*>(dialog->FindPage(kAirModulationId)); }
  CStandInPage* StandIn(int id) const { return dynamic_cast<CStandInPage*>(dialog->FindPage(id)); }

  // Types a value as the user does: focus in, backspace over the old text,
  // type, focus out.
  void Type(int id, const wxString& text) {
    CLUEdit* input = Page()->GetEditById(id);
    ASSERT_TRUE(input);
    wxTextCtrl* entry = input->GetEdit()->GetTextCtrl();
    wxWindow* next = Page()->FindWindow(kNextId);
    entry->SetFocus();
    ASSERT_TRUE(HasFocus(id));
    testsupport::MoveFocus(next, entry);
    entry->SetInsertionPointEnd();
    for (std::size_t n = entry->GetValue().length(); n > 0; --n) testsupport::TypeKey(entry, WXK_BACK);
    ASSERT_EQ(entry->GetValue(), "");
    testsupport::TypeText(entry, text);
    testsupport::MoveFocus(entry, next);
  }
  bool HasFocus(int id) const {
    wxWindow* entry = Page()->GetEditById(id)->GetEdit()->GetTextCtrl();
    return testsupport::PumpUntil([&] { return wxWindow::FindFocus() == entry; });
  }
  wxString Text(int id) const { return Page()->GetEditById(id)->GetWindowText(); }
  wxString Mark(int id) const { return Page()->GetEditById(id)->GetUnit()->GetLabel(); }
  bool Enabled(int id) const { return Page()->GetEditById(id)->GetEdit()->IsEnabled(); }
  wxString ErrorText() const { return Page()->FindWindow(kErrorTextId)->GetLabel(); }
  wxString Caption(int waveId) const { return Page()->GetWave(waveId)->GetSpanText(-1); }
  wxString Label(int waveId, int n) const { return Page()->GetWave(waveId)->GetSpanText(n); }
  int Scheme() const { return Page()->GetSchemeList()->GetSelection(); }
  wxString Duty() const { return Page()->GetDutyList()->GetStringSelection(); }
  bool ConnectOn() const {
    return dynamic_cast<wxRadioButton*>(Page()->FindWindow(kConnectOnId))->GetValue();
  }
  void ChooseConnect(bool on) {
    Choose(dynamic_cast<wxRadioButton*>(Page()->FindWindow(on ? kConnectOnId : kConnectOffId)));
  }
  void PickDuty(const wxString& text) {
    const int index = Page()->GetDutyList()->FindString(text, true);
    ASSERT_NE(index, wxNOT_FOUND) << text;
    Pick(Page()->GetDutyList(), index);
  }
  // Chooses a scheme; answer is the reply to a question, if one comes.
  void PickScheme(int index, int answer) {
    recorder.answers.clear();
    recorder.answers.push_back(answer);
    Pick(Page()->GetSchemeList(), index);
    recorder.answers.clear();
  }

  // Next as the user clicks it; true when the flow moved on.
  bool Next() {
    Press(Page()->FindWindow(kNextId));
    return dialog->GetCurrentPage() != Page();
  }
  // Back from the page after this one.
  void BackFrom(int id) {
    ASSERT_EQ(dialog->GetCurrentPage(), StandIn(id));
    StandIn(id)->RequestPreviousPage(0, 0);
    testsupport::PumpEvents();
    ASSERT_EQ(dialog->GetCurrentPage(), Page());
  }

  void FillGoodValues() {
    Type(kFreqEditId, "38");
    PickDuty("1/3");
    Type(kLeadMarkEditId, "9000");
    Type(kLeadSpaceEditId, "4500");
    Type(kBit0MarkEditId, "560");
    Type(kBit0SpaceEditId, "560");
    Type(kBit1MarkEditId, "560");
    Type(kBit1SpaceEditId, "1690");
    if (!ConnectOn()) ChooseConnect(true);
    Type(kConnectTimeEditId, "20");
  }

  std::map<wxString, wxString> CustomSection(const wxString& path) const {
    std::map<wxString, wxString> values;
    for (const wxString& line : platform::ReadProfileSection(path, "Custom"))
      values[line.BeforeFirst('=')] = line.AfterFirst('=');
    return values;
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
  wxString project;
};

constexpr int AirModulationPageTest::kStandIns[];

// The page's shown controls that overlap one another; the group boxes around
// them and an input's tip (a popup over the page) aside.
std::string OverlappingControls(wxWindow* page) {
  std::vector<wxWindow*> shown;
  for (wxWindow* child : page->GetChildren()) {
    if (child->IsShown() && !dynamic_cast<wxStaticBox*>(child) && !dynamic_cast<wxPopupWindow*>(child) &&
        child->GetSize().x > 1 && child->GetSize().y > 1)
      shown.push_back(child);
  }
  std::string overlaps;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (shown[i]->GetRect().Intersects(shown[j]->GetRect()))
        overlaps += wxString::Format("%d and %d\n", shown[i]->GetId(), shown[j]->GetId()).utf8_string();
    }
  }
  return overlaps;
}

TEST_F(AirModulationPageTest, NewProjectStartsOnTheFirstSchemeBeforeTheDataFormatReloads) {
  for (GuidePrompt prompt : {GuidePrompt::kAirDataFormat, GuidePrompt::kKeyPage, GuidePrompt::kLcdPage})
    DisarmGuidePrompt(prompt);
  WithNewProject([&] {
    EXPECT_EQ(Page()->GetDefinitionFile(),
              platform::JoinPath(platform::JoinPath(g_App.GetProtocolFolder(kRemoteLcdSimple), "Custom"),
                                 "setting.ini"));
    ASSERT_EQ(Page()->GetSchemeList()->GetCount(), 3u);
    EXPECT_EQ(Page()->GetSchemeList()->GetString(0), GetLangText("IDS_AIR_SCHEME_LEAD9000_CONNECT"));
    EXPECT_EQ(Page()->GetSchemeList()->GetString(2), GetLangText("IDS_AIR_SCHEME_USER"));
    EXPECT_EQ(Scheme(), 0);
    EXPECT_EQ(g_DocManage.AirFormatType, 0);
    // The data-format page reloaded with the scheme and its connect flag in place.
    EXPECT_EQ(StandIn(kAirDataFormatId)->reloadScheme, 0);
    EXPECT_EQ(StandIn(kAirDataFormatId)->reloadConnect, 1);
    EXPECT_EQ(StandIn(kAirDataFormatId)->connectCode, 1);
    for (int id : kInputIds) EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Page()->GetDutyList()->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Page()->GetDutyList()->GetCount(), 3u);
    EXPECT_TRUE(ConnectOn());
    EXPECT_TRUE(Enabled(kConnectTimeEditId));
    EXPECT_EQ(g_DocManage.LeadCodeOn, 1);
    // Shown: the guides of the pages after it are armed.
    for (GuidePrompt prompt : {GuidePrompt::kAirDataFormat, GuidePrompt::kKeyPage, GuidePrompt::kLcdPage})
      EXPECT_TRUE(IsGuidePromptArmed(prompt));
    EXPECT_TRUE(recorder.boxes.empty());
  });
}

TEST_F(AirModulationPageTest, BadValuesAreRefusedAndGoodOnesPassNextIntoTheMacros) {
  WithNewProject([&] {
    // No duty: the message, and the page stays.
    EXPECT_FALSE(Next());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_DUTY_NO_SEL"));
    recorder.boxes.clear();

    FillGoodValues();
    EXPECT_TRUE(recorder.boxes.empty()) << "an edited value selects the user's scheme without a question";
    EXPECT_EQ(Scheme(), 2);
    EXPECT_EQ(g_DocManage.AirFormatType, 2);

    // Empty, below the minimum, above the maximum: refused with the mark and
    // the focus on the input; then a good value passes that input.
    struct stBadValue {
      int id;
      const char* text;
      const char* good;
    };
    const stBadValue bad[] = {
        {kFreqEditId, "", "38"},
        {kFreqEditId, "10", "38"},
        {kFreqEditId, "200", "38"},
        {kLeadMarkEditId, "", "9000"},
        {kLeadSpaceEditId, "50", "4500"},
        {kBit0MarkEditId, "", "560"},
        {kBit1SpaceEditId, "20000", "1690"},
        {kConnectTimeEditId, "", "20"},
        {kConnectTimeEditId, "300", "20"},
    };
    for (const stBadValue& value : bad) {
      SCOPED_TRACE(wxString::Format("%d '%s'", value.id, value.text).utf8_string());
      Type(value.id, value.text);
      EXPECT_FALSE(Next());
      EXPECT_TRUE(HasFocus(value.id));
      EXPECT_EQ(Mark(value.id), "*");
      Type(value.id, value.good);
      EXPECT_EQ(Mark(value.id), "");
    }
    EXPECT_TRUE(recorder.boxes.empty()) << "range refusals show no message";

    // The bit marks: different marks, then equal spaces.
    Type(kBit1MarkEditId, "600");
    EXPECT_EQ(ErrorText(), GetLangText("IDS_BIT0_BIT1_MARK_INVALID"));
    EXPECT_FALSE(Next());
    Type(kBit1MarkEditId, "560");
    EXPECT_EQ(ErrorText(), "");
    Type(kBit1SpaceEditId, "560");
    EXPECT_EQ(ErrorText(), GetLangText("IDS_BIT0_BIT1_MARK_INVALID"));
    EXPECT_FALSE(Next());
    Type(kBit1SpaceEditId, "1690");
    EXPECT_EQ(ErrorText(), "");
    EXPECT_TRUE(recorder.boxes.empty());

    // The previews follow the typed values; their lengths stay fixed.
    EXPECT_EQ(Label(kLeadWaveId, 0), "MARK 9000us");
    EXPECT_EQ(Label(kLeadWaveId, 1), "SPACE 4500us");
    EXPECT_EQ(Caption(kLeadWaveId), "Lead code: 13500us");
    EXPECT_EQ(Caption(kBit0WaveId), "Bit 0: 1120us");
    EXPECT_EQ(Caption(kBit1WaveId), "Bit 1: 2250us");
    EXPECT_EQ(Page()->GetWave(kLeadWaveId)->GetSegmentCount(), 2);
    EXPECT_EQ(Caption(kCarrierWaveId), "Carrier: period 26.32us, frequency 38.00KHz");
    EXPECT_EQ(Page()->GetWave(kCarrierWaveId)->GetSegmentCount(), 2);
    PickDuty("1/2");
    EXPECT_EQ(Page()->GetWave(kCarrierWaveId)->GetSegmentCount(), 2);
    EXPECT_EQ(Caption(kCarrierWaveId), "Carrier: period 26.32us, frequency 38.00KHz") << "the caption stays";
    PickDuty("1/3");
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow()), "");
    testsupport::SaveWindowScreenshot(dialog, "air_modulation_page_en.png");

    DisarmGuidePrompt(GuidePrompt::kLcdPage);
    ASSERT_TRUE(Next());
    EXPECT_TRUE(IsGuidePromptArmed(GuidePrompt::kLcdPage)) << "the LCD page offers its guide";
    EXPECT_EQ(g_DocManage.OutputProtocolName, "USER_DEF");
    EXPECT_EQ(g_DocManage.CodeMode, 15);
    const CStringMap expected = {
        {"AIR_CARRIER_FREQ", "38"}, {"AIR_CARRIER_DUTY", "3"}, {"AIR_LEAD_MARK", "9000"},
        {"AIR_LEAD_SPACE", "4500"}, {"AIR_BIT1_MARK", "560"},  {"AIR_BIT0_MARK", "560"},
        {"AIR_BIT1_SPACE", "1690"}, {"AIR_BIT0_SPACE", "560"}, {"AIR_CONNECT_CODE", "1"},
        {"AIR_CONNECT_TIME", "20"},
    };
    EXPECT_EQ(g_MacroMap, expected) << "the table holds this page's entries only";
    EXPECT_EQ(g_DocManage.GetParam(12), "20");

    // Back, then the connect code off: its time disabled and emptied, the
    // data-format page told, parameter 12 kept.
    ASSERT_NO_FATAL_FAILURE(BackFrom(kAirDataFormatId));
    ChooseConnect(false);
    EXPECT_FALSE(Enabled(kConnectTimeEditId));
    EXPECT_EQ(Text(kConnectTimeEditId), "");
    EXPECT_EQ(StandIn(kAirDataFormatId)->connectCode, 0);
    ASSERT_TRUE(Next()) << "a disabled connect time is not examined";
    EXPECT_EQ(g_DocManage.RepeatCodeOn, 0);
    EXPECT_EQ(g_DocManage.GetParam(12), "20");
    CStringMap off = expected;
    off["AIR_CONNECT_CODE"] = "0";
    off["AIR_CONNECT_TIME"] = "";
    EXPECT_EQ(g_MacroMap, off);
    // Next, Back and Next again: the same table, nothing packed twice.
    ASSERT_NO_FATAL_FAILURE(BackFrom(kAirDataFormatId));
    ASSERT_TRUE(Next());
    EXPECT_EQ(g_MacroMap, off);
  });
}

// A definition file whose bit-0 mark lost its Name: Next cannot check that
// value, so it is refused with a message rather than silently.
TEST_F(AirModulationPageTest, NextWithAnUnreadableDefinitionSaysWhy) {
  WithNewProject([&] {
    const fs::path custom = platform::ToFsPath(work.File("settings")) / "LCD_Simple" / "Protocols" / "Custom";
    fs::create_directories(custom.parent_path());
    fs::copy(platform::ToFsPath(platform::JoinPath(g_App.GetProtocolFolder(kRemoteLcdSimple), "Custom")),
             custom, fs::copy_options::recursive);
    const wxString setting = platform::FromFsPath(custom / "setting.ini");
    ASSERT_TRUE(platform::DeleteProfileKey(setting, "P5", "Name"));
    state.App().remoteSettingsFolder = work.File("settings");
    ASSERT_TRUE(Page()->LoadFromProject()) << "the project stays open";
    ASSERT_EQ(Page()->GetDefinitionFile(), setting);

    FillGoodValues();
    recorder.boxes.clear();
    EXPECT_FALSE(Next());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_GET_PORTOCOL_INFO_ERROR"));
  });
}

TEST_F(AirModulationPageTest, AnotherSchemeAsksAndItsDefaultsReplaceTheValues) {
  WithNewProject([&] {
    Type(kFreqEditId, "40");
    ASSERT_EQ(Scheme(), 2);

    // Cancel: the scheme before, nothing else changed.
    g_received.clear();
    PickScheme(1, platform::kIdCancel);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_MODE_CHANGED_WARNING"));
    EXPECT_EQ(Scheme(), 2);
    EXPECT_EQ(g_DocManage.AirFormatType, 2);
    EXPECT_EQ(Text(kFreqEditId), "40");
    EXPECT_TRUE(g_received.empty());

    // OK: this page, the data-format page and the other-settings page reload, in that order.
    recorder.boxes.clear();
    std::vector<int> order;
    Page()->Bind(WM_AIR_FORMAT_INDEX, [&](CShellMessageEvent& event) {
      order.push_back(kAirModulationId);
      event.Skip();
    });
    PickScheme(1, platform::kIdOk);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    for (int id : g_received) order.push_back(id);
    EXPECT_EQ(order, (std::vector<int>{kAirModulationId, kAirDataFormatId, kOtherPageId}));
    EXPECT_EQ(StandIn(kAirDataFormatId)->reloadedScheme, 1);
    EXPECT_EQ(Scheme(), 1);
    EXPECT_EQ(g_DocManage.AirFormatType, 1);
    EXPECT_EQ(Text(kFreqEditId), "38");
    EXPECT_EQ(Duty(), "1/3");
    EXPECT_EQ(Text(kLeadMarkEditId), "4400");
    EXPECT_EQ(Text(kLeadSpaceEditId), "4400");
    EXPECT_EQ(Caption(kLeadWaveId), "Lead code: 8800us");
    EXPECT_EQ(Text(kBit1SpaceEditId), "1690");
    EXPECT_EQ(Caption(kBit1WaveId), "Bit 1: 2250us");
    EXPECT_FALSE(ConnectOn());
    EXPECT_EQ(Text(kConnectTimeEditId), "");
    EXPECT_FALSE(Enabled(kConnectTimeEditId));
    EXPECT_EQ(StandIn(kAirDataFormatId)->connectCode, 0);

    // Scheme 0: its connect code on, with its time.
    recorder.boxes.clear();
    PickScheme(0, platform::kIdOk);
    EXPECT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(Text(kLeadMarkEditId), "9000");
    EXPECT_TRUE(ConnectOn());
    EXPECT_EQ(Text(kConnectTimeEditId), "20");
    EXPECT_TRUE(Enabled(kConnectTimeEditId));

    // The value the document holds typed again keeps the scheme; another value does not.
    recorder.boxes.clear();
    Type(kFreqEditId, "38");
    EXPECT_EQ(Scheme(), 0);
    Type(kBit0SpaceEditId, "600");
    EXPECT_EQ(Scheme(), 2);
    EXPECT_EQ(g_DocManage.AirFormatType, 2);
    // The user's own scheme never asks and loads nothing.
    PickScheme(0, platform::kIdOk);
    ASSERT_EQ(Scheme(), 0);
    recorder.boxes.clear();
    PickScheme(2, platform::kIdCancel);
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(Scheme(), 2);
    EXPECT_EQ(g_DocManage.AirFormatType, 2);
    EXPECT_EQ(Text(kFreqEditId), "38");
  });
}

TEST_F(AirModulationPageTest, SavedValuesReopenAlsoAfterAProjectOnAnotherScheme) {
  wxString other;
  WithNewProject([&] {
    FillGoodValues();
    ChooseConnect(false);
    ASSERT_TRUE(Next());
    ASSERT_TRUE(dialog->SaveProject());
    const std::map<wxString, wxString> expected = {
        {"AIR_CARRIER_FREQ", "38"}, {"AIR_CARRIER_DUTY", "1/3"}, {"AIR_LEAD_MARK", "9000"},
        {"AIR_LEAD_SPACE", "4500"}, {"AIR_BIT1_MARK", "560"},    {"AIR_BIT0_MARK", "560"},
        {"AIR_BIT1_SPACE", "1690"}, {"AIR_BIT0_SPACE", "560"},   {"AIR_CONNECT_CODE", "0"},
        {"AIR_CONNECT_TIME", ""},   {"AirFormatType", "2"},
    };
    EXPECT_EQ(CustomSection(project), expected);
  });
  if (HasFatalFailure()) return;

  // A second project of the same chip on scheme 0 with its connect code on.
  const fs::path first = platform::ToFsPath(project).parent_path();
  const fs::path second = platform::ToFsPath(work.File("other"));
  fs::copy(first, second, fs::copy_options::recursive);
  other = platform::FromFsPath(second / platform::ToFsPath(project).filename());
  const CProjectFile otherFile(other);
  ASSERT_TRUE(otherFile.WriteAirFormatType(0));
  ASSERT_TRUE(otherFile.WriteText("Custom", "AIR_CONNECT_CODE", "1"));
  ASSERT_TRUE(otherFile.WriteText("Custom", "AIR_CONNECT_TIME", "25"));
  ASSERT_TRUE(otherFile.WriteText("Custom", "AIR_CARRIER_FREQ", "40"));
  // A stored duty that only begins the entries' texts selects none of them.
  ASSERT_TRUE(otherFile.WriteText("Custom", "AIR_CARRIER_DUTY", "1/"));

  state.Doc().Reset(true, false);
  state.Doc().ProjectName.clear();
  state.Doc().ProjectFilePath.clear();
  RunMainWindow([&] {
    ASSERT_EQ(dialog->OpenProjectFile(other), 2);
    ASSERT_TRUE(Page());
    EXPECT_EQ(Scheme(), 0);
    EXPECT_EQ(StandIn(kAirDataFormatId)->reloadScheme, 0);
    EXPECT_EQ(StandIn(kAirDataFormatId)->reloadConnect, 1);
    EXPECT_TRUE(ConnectOn());
    EXPECT_EQ(Text(kConnectTimeEditId), "25");
    EXPECT_EQ(Text(kFreqEditId), "40");
    EXPECT_EQ(Page()->GetDutyList()->GetSelection(), wxNOT_FOUND);

    // Then the first project: its scheme and connect flag before the data format reloads.
    ASSERT_EQ(dialog->OpenProjectFile(project), 2);
    EXPECT_EQ(StandIn(kAirDataFormatId)->reloadScheme, 2);
    EXPECT_EQ(StandIn(kAirDataFormatId)->reloadConnect, 0);
    EXPECT_EQ(g_DocManage.Modified, 0) << "showing what was saved changes nothing";
    EXPECT_EQ(Scheme(), 2);
    EXPECT_EQ(g_DocManage.AirFormatType, 2);
    EXPECT_EQ(Text(kFreqEditId), "38");
    EXPECT_EQ(Duty(), "1/3");
    EXPECT_EQ(Text(kLeadMarkEditId), "9000");
    EXPECT_EQ(Text(kLeadSpaceEditId), "4500");
    EXPECT_EQ(Text(kBit0MarkEditId), "560");
    EXPECT_EQ(Text(kBit0SpaceEditId), "560");
    EXPECT_EQ(Text(kBit1MarkEditId), "560");
    EXPECT_EQ(Text(kBit1SpaceEditId), "1690");
    EXPECT_FALSE(ConnectOn());
    EXPECT_EQ(Text(kConnectTimeEditId), "");
    EXPECT_FALSE(Enabled(kConnectTimeEditId));
    EXPECT_EQ(StandIn(kAirDataFormatId)->connectCode, 0);
    EXPECT_EQ(Caption(kLeadWaveId), "Lead code: 13500us");
    EXPECT_EQ(Caption(kBit1WaveId), "Bit 1: 2250us");
    EXPECT_EQ(Caption(kCarrierWaveId), "Carrier: period 26.32us, frequency 38.00KHz");
    EXPECT_TRUE(recorder.boxes.empty());
  });
}

TEST_F(AirModulationPageTest, LanguageSwitchRecaptionsThePreviewsAndKeepsTheValues) {
  WithNewProject([&] {
    FillGoodValues();
    Type(kBit0SpaceEditId, "99");  // out of range: marked
    ASSERT_EQ(Mark(kBit0SpaceEditId), "*");
    const int scheme = Scheme();
    state.Doc().Modified = 0;

    dialog->SwitchLanguage("936");
    testsupport::PumpEvents();
    ASSERT_EQ(g_App.currentLangSection, "936");
    EXPECT_EQ(g_DocManage.Modified, 0) << "relabelling changes nothing of the project";
    EXPECT_EQ(Page()->FindWindow(kNextId)->GetLabel(), GetLangText("IDS_NEXT"));
    EXPECT_EQ(Page()->FindWindow(kBitGroupId)->GetLabel(), GetLangText("IDS_BITS_LABEL"));
    EXPECT_EQ(Page()->GetSchemeList()->GetString(2), GetLangText("IDS_AIR_SCHEME_USER"));
    EXPECT_EQ(Scheme(), scheme);
    EXPECT_EQ(Caption(kBit1WaveId), platform::FormatText(GetLangText("IDS_BIT1_TIME"), 2250L));
    EXPECT_EQ(Caption(kLeadWaveId), platform::FormatText(GetLangText("IDS_BOOT_TIME"), 13500L));
    EXPECT_EQ(Caption(kCarrierWaveId),
              platform::FormatText(GetLangText("IDS_CARRIER_WAVE"), 1000.0 / 38.0, 38.0));
    EXPECT_EQ(Text(kBit0SpaceEditId), "99");
    EXPECT_EQ(Mark(kBit0SpaceEditId), "*");
    EXPECT_EQ(Text(kConnectTimeEditId), "20");
    Type(kBit0SpaceEditId, "560");
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow()), "");
    testsupport::SaveWindowScreenshot(dialog, "air_modulation_page_zh.png");

    // At the window's least size both languages show every text whole, the
    // error text included.
    dialog->SetSize(dialog->GetMinSize());
    testsupport::PumpEvents();
    Type(kBit1MarkEditId, "600");
    ASSERT_FALSE(ErrorText().empty());
    for (const char* language : {"936", "1252"}) {
      SCOPED_TRACE(language);
      dialog->SwitchLanguage(language);
      testsupport::PumpEvents();
      EXPECT_EQ(testsupport::ClippedTexts(Page()), "");
      EXPECT_EQ(OverlappingControls(Page()), "");
    }
    testsupport::SaveWindowScreenshot(dialog, "air_modulation_page_least_size.png");
  });
}

}  // namespace
