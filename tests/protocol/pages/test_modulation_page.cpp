// The carrier and bit-timing page in the main window: a custom-protocol
// project made through the new-project dialog reaches it; values are typed,
// bad ones refused with their marks, good ones pass Next and fill the macro
// table; the project's [Custom] section after a save; reopened, every value
// is back.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/UserIni.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "protocol/pages/ModulationParam.h"
#include "protocol/pages/ProtocolPages.h"
#include "ui/WaveDraw.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellCommands.h"
#include "PageTestBase.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "LayoutChecks.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <map>

namespace {

using namespace modulation;

#ifdef OLV_BRAND_MAKER
constexpr int kBrand = 1;
const char* const kExtension = ".ovirprj";
#else
constexpr int kBrand = 0;
const char* const kExtension = ".lmirprj";
#endif

// A page that stands for the later steps of the flow; as the data-format
// page it records what the carrier page tells it about the lead and repeat codes.
class CNextPage : public CSubBaseDlg {
 public:
  CNextPage(int id, wxWindow* parent) : CSubBaseDlg(id, parent) {
    Bind(WM_LEAD_CODE_STATE,
         [this](CShellMessageEvent& event) { leadCode = static_cast<int>(event.WParam()); });
    Bind(WM_REPEAT_CODE_STATE,
         [this](CShellMessageEvent& event) { repeatCode = static_cast<int>(event.WParam()); });
  }
  int leadCode = -1;
  int repeatCode = -1;
};

class ModulationPageTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().ProjectFolder.clear();
    state.Doc().ProjectFilePath.clear();
    state.Doc().Modified = 0;
    state.Doc().RemoteType = 0;
    state.Doc().ProtocolType = 1;
    RegisterProtocolPages();
    for (int id : {kDataFormatId, kKeyConfigId})
      RegisterShellPage(id, [id](wxWindow* parent) { return new CNextPage(id, parent); });
    state.BrandFlag() = kBrand;
  }

  void TearDown() override {
    for (int id : {kModulationParamId, kDataFormatId, kKeyConfigId}) RegisterShellPage(id, nullptr);
  }

  // The main window with a project made from the start page through the
  // new-project dialog, as a general remote with a custom protocol; body runs
  // inside the window's modal loop.
  void WithCustomProject(const std::function<void()>& body) {
    RunMainWindow([&] {
      ASSERT_NO_FATAL_FAILURE(CreateCustomProject());
      body();
    });
  }

  void CreateCustomProject() {
    ASSERT_NO_FATAL_FAILURE(CreateProjectWithNewProjectDialog("Fan Remote", work.File("projects"), 1));
    ASSERT_EQ(g_DocManage.ProtocolType, kProtocolCustom);
    project = g_DocManage.GetProjectFilePath();
    ASSERT_FALSE(project.empty());
    ASSERT_TRUE(project.EndsWith(kExtension));
    SettleFocus();
    recorder.boxes.clear();
  }

  // The new-project dialog's window is gone: the display hands the keyboard
  // focus back to the main window in its own time. Waits for that, so that
  // the focus the page asks for later is not taken away by it.
  void SettleFocus() {
    Page()->GetEditById(kFreqEditId)->GetEdit()->SetFocus();
    testsupport::PumpUntil([&] {
      wxWindow* focus = wxWindow::FindFocus();
      return focus && wxGetTopLevelParent(focus) == dialog;
    });
    Page()->SetFocusIgnoringChildren();
    testsupport::PumpEvents();
  }

  CModulationParam* Page() const {
    return dynamic_cast<CModulationParam*>(dialog->FindPage(kModulationParamId));
  }

  void Choose(int id) { PageTestBase::Choose(dynamic_cast<wxRadioButton*>(Page()->FindWindow(id))); }
  void Tick(int id, bool on) { PageTestBase::Tick(dynamic_cast<wxCheckBox*>(Page()->FindWindow(id)), on); }
  bool Checked(int id) const {
    wxWindow* window = Page()->FindWindow(id);
    if (auto* radio = dynamic_cast<wxRadioButton*>(window)) return radio->GetValue();
    return dynamic_cast<wxCheckBox*>(window)->GetValue();
  }

  // Types a value as the user does: focus in, backspace over the old text,
  // type, focus out.
  void Type(int id, const wxString& text) {
    CLUEdit* input = Page()->GetEditById(id);
    ASSERT_TRUE(input);
    wxTextCtrl* entry = input->GetEdit()->GetTextCtrl();
    wxWindow* next = Page()->FindWindow(kNextId);
    // The real keyboard focus goes to the input first and is waited for: a
    // focus change the display still owes lands now, not after a later
    // refusal has put the focus on its input and cleared its marks.
    entry->SetFocus();
    ASSERT_TRUE(HasFocus(id));
    testsupport::MoveFocus(next, entry);
    entry->SetInsertionPointEnd();
    for (std::size_t n = entry->GetValue().length(); n > 0; --n) testsupport::TypeKey(entry, WXK_BACK);
    ASSERT_EQ(entry->GetValue(), "");
    testsupport::TypeText(entry, text);
    testsupport::MoveFocus(entry, next);
  }
  // Waits for the toolkit to report the focus, which comes from the X server
  // and may lag far behind on a loaded machine.
  bool HasFocus(int id) const {
    wxWindow* entry = Page()->GetEditById(id)->GetEdit()->GetTextCtrl();
    return testsupport::PumpUntil([&] { return wxWindow::FindFocus() == entry; });
  }
  wxString Text(int id) const { return Page()->GetEditById(id)->GetWindowText(); }
  wxString Mark(int id) const { return Page()->GetEditById(id)->GetUnit()->GetLabel(); }
  bool RedFrame(int id) const { return Page()->GetEditById(id)->GetEdit()->ShowsError(); }
  wxString ErrorLine() const { return Page()->FindWindow(kBitErrorId)->GetLabel(); }
  wxString Caption(int waveId) const { return Page()->GetWave(waveId)->GetSpanText(-1); }
  wxString Label(int waveId, int n) const { return Page()->GetWave(waveId)->GetSpanText(n); }

  // Next as the user clicks it; true when the flow moved on.
  bool Next() {
    Press(Page()->FindWindow(kNextId));
    return dialog->GetCurrentPage() != Page();
  }

  void FillGoodPdmValues() {
    Type(kFreqEditId, "38");
    Pick(Page()->GetDutyList(), 1);  // 1/3
    Tick(kBootCheckId, true);
    Type(kBootMarkEditId, "9000");
    Type(kBootSpaceEditId, "4500");
    Type(kBit0MarkEditId, "560");
    Type(kBit0SpaceEditId, "560");
    Type(kBit1MarkEditId, "560");
    Type(kBit1SpaceEditId, "1690");
    Tick(kRepeatCheckId, true);
    Choose(kRepeatAgcRadioId);
    Type(kRepeatPeriodEditId, "108");
    Type(kRepeatMarkEditId, "9000");
    Type(kRepeatSpaceEditId, "2250");
  }

  std::map<wxString, wxString> CustomSection() const {
    std::map<wxString, wxString> values;
    for (const wxString& line : platform::ReadProfileSection(project, "Custom")) {
      values[line.BeforeFirst('=')] = line.AfterFirst('=');
    }
    return values;
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
  wxString project;
};

TEST_F(ModulationPageTest, NewCustomProjectStartsOnTheEmptyPage) {
  WithCustomProject([&] {
    ASSERT_TRUE(Page());
    EXPECT_EQ(dialog->GetCurrentPage(), Page());
    for (int id : kInputIds) EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Page()->GetDutyList()->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Page()->GetDutyList()->GetCount(), 3u);
    EXPECT_TRUE(Checked(kPdmRadioId));
    EXPECT_TRUE(Page()->GetEditById(kBit0MarkEditId)->GetEdit()->IsShown());
    EXPECT_FALSE(Page()->GetEditById(kHalfBitEditId)->GetEdit()->IsShown());
    EXPECT_TRUE(Page()->GetDefinitionFile().EndsWith("setting.ini"));
  });
}

TEST_F(ModulationPageTest, BadValuesAreRefusedAndGoodOnesPassNextIntoTheMacros) {
  WithCustomProject([&] {
    ASSERT_TRUE(Page());

    // No duty: the message, and the page stays.
    EXPECT_FALSE(Next());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_DUTY_NO_SEL"));
    recorder.boxes.clear();

    FillGoodPdmValues();
    EXPECT_TRUE(recorder.boxes.empty());
    auto* dataFormat = dynamic_cast<CNextPage*>(dialog->FindPage(kDataFormatId));
    ASSERT_TRUE(dataFormat);
    EXPECT_EQ(dataFormat->leadCode, 1);
    EXPECT_EQ(dataFormat->repeatCode, 1);

    // Empty, below the minimum, above the maximum: each refused with its marks
    // and the focus on the input; then a good value passes that input.
    struct stBadValue {
      int id;
      const char* text;
      const char* good;
    };
    const stBadValue bad[] = {
        {kFreqEditId, "", "38"},
        {kFreqEditId, "10", "38"},
        {kFreqEditId, "200", "38"},
        {kBootMarkEditId, "", "9000"},
        {kBootMarkEditId, "50", "9000"},
        {kBootSpaceEditId, "40000", "4500"},
        {kBit0MarkEditId, "", "560"},
        {kBit0SpaceEditId, "99", "560"},
        {kBit1SpaceEditId, "20000", "1690"},
        {kRepeatPeriodEditId, "", "108"},
        {kRepeatPeriodEditId, "5", "108"},
        {kRepeatMarkEditId, "31000", "9000"},
    };
    for (const stBadValue& value : bad) {
      SCOPED_TRACE(wxString::Format("%d '%s'", value.id, value.text).utf8_string());
      Type(value.id, value.text);
      EXPECT_FALSE(Next());
      EXPECT_TRUE(HasFocus(value.id));
      EXPECT_EQ(Mark(value.id), "*");
      EXPECT_TRUE(RedFrame(value.id));
      Type(value.id, value.good);
      EXPECT_EQ(Mark(value.id), "");
      EXPECT_FALSE(RedFrame(value.id));
    }
    EXPECT_TRUE(recorder.boxes.empty()) << "range refusals show no message";

    // The bit rule: both pairs equal.
    Type(kBit1SpaceEditId, "560");
    EXPECT_EQ(ErrorLine(), GetLangText("IDS_BIT0_BIT1_INVALID"));
    EXPECT_FALSE(Next());
    Type(kBit1SpaceEditId, "1690");
    EXPECT_EQ(ErrorLine(), "");

    // The previews follow the typed values.
    EXPECT_EQ(Label(kBootWaveId, 0), "MARK 9000us");
    EXPECT_EQ(Caption(kBootWaveId), "Lead code: 13500us");
    EXPECT_EQ(Caption(kBit1WaveId), "Bit 1: 2250us");
    EXPECT_EQ(Caption(kRepeatWaveId), "Repeat code: 11250us");
    EXPECT_EQ(Caption(kCarrierWaveId), "Carrier: period 26.32us, frequency 38.00KHz");
    EXPECT_EQ(Page()->GetWave(kCarrierWaveId)->GetSegmentCount(), 2);
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow()), "");
    testsupport::SaveWindowScreenshot(dialog, "modulation_page_en.png");

    DisarmKeyPageGuide();
    ASSERT_TRUE(Next());
    EXPECT_TRUE(IsKeyPageGuideArmed()) << "the key page offers its guide next";
    EXPECT_EQ(g_MacroMap["IR_CarrierFreq"], "38");
    EXPECT_EQ(g_MacroMap["IR_CarrierDuty"], "3");
    EXPECT_EQ(g_MacroMap["IR_Bit1Space"], "1690");
    EXPECT_EQ(g_MacroMap["IR_BootCode"], "1");
    EXPECT_EQ(g_MacroMap["IR_RepeatAGC"], "1");
    EXPECT_EQ(g_MacroMap["IR_RepeatPeriod"], "108");
    EXPECT_EQ(g_MacroMap["HEADER_CODE"], "000") << "no boot data: padded";
    EXPECT_EQ(g_DocManage.GetParam(8), "560");
    EXPECT_EQ(g_DocManage.Bit1Space(), 1690);
    EXPECT_EQ(g_DocManage.RepeatKind, 1);
    EXPECT_EQ(g_DocManage.LeadCodeOn, 1);
  });
}

TEST_F(ModulationPageTest, SavedCustomSectionReopensWithEveryValue) {
  WithCustomProject([&] {
    ASSERT_TRUE(Page());
    FillGoodPdmValues();
    ASSERT_TRUE(Next());
    ASSERT_TRUE(dialog->SaveProject());

    const std::map<wxString, wxString> saved = CustomSection();
    const std::map<wxString, wxString> expected = {
        {"IR_CarrierFreq", "38"},   {"IR_CarrierDuty", "1/3"},  {"IR_Manchester", "0"},
        {"IR_BootCode", "1"},       {"IR_BootManchester", "0"}, {"IR_BootDataBits", ""},
        {"HEADER_CODE", ""},        {"IR_BootMark", "9000"},    {"IR_BootSpace", "4500"},
        {"IR_Bit1Mark", "560"},     {"IR_Bit0Mark", "560"},     {"IR_Bit1Space", "1690"},
        {"IR_Bit0Space", "560"},    {"IR_ManchesterTime", ""},  {"IR_Bit0MarkAfter", "0"},
        {"IR_RepeatCode", "1"},     {"IR_RepeatAGC", "1"},      {"IR_RepeatData", "0"},
        {"IR_RepeatWhole", "0"},    {"IR_RepeatMark", "9000"},  {"IR_RepeatSpace", "2250"},
        {"IR_RepeatPeriod", "108"},
    };
    for (const auto& [key, value] : expected) {
      ASSERT_TRUE(saved.count(key)) << key;
      EXPECT_EQ(saved.at(key), value) << key;
    }
  });
  if (HasFatalFailure()) return;

  // Reopened in a fresh window from a reset document.
  state.Doc().Reset(true, false);
  state.Doc().ProjectName.clear();
  state.Doc().ProjectFilePath.clear();
  RunMainWindow([&] {
    ASSERT_EQ(dialog->OpenProjectFile(project), 2);
    ASSERT_TRUE(Page());
    testsupport::PumpEvents();
    EXPECT_EQ(g_DocManage.Modified, 0) << "showing what was saved changes nothing";
    EXPECT_EQ(Text(kFreqEditId), "38");
    EXPECT_EQ(Page()->GetDutyList()->GetStringSelection(), "1/3");
    EXPECT_TRUE(Checked(kPdmRadioId));
    EXPECT_TRUE(Checked(kBootCheckId));
    EXPECT_TRUE(Checked(kBootAgcRadioId));
    EXPECT_EQ(Text(kBootMarkEditId), "9000");
    EXPECT_EQ(Text(kBootSpaceEditId), "4500");
    EXPECT_EQ(Text(kBit0MarkEditId), "560");
    EXPECT_EQ(Text(kBit0SpaceEditId), "560");
    EXPECT_EQ(Text(kBit1MarkEditId), "560");
    EXPECT_EQ(Text(kBit1SpaceEditId), "1690");
    EXPECT_TRUE(Checked(kRepeatCheckId));
    EXPECT_TRUE(Checked(kRepeatAgcRadioId));
    EXPECT_EQ(Text(kRepeatPeriodEditId), "108");
    EXPECT_EQ(Text(kRepeatMarkEditId), "9000");
    EXPECT_EQ(Text(kRepeatSpaceEditId), "2250");
    EXPECT_EQ(Caption(kBit1WaveId), "Bit 1: 2250us");
    EXPECT_EQ(Caption(kRepeatWaveId), "Repeat code: 11250us");
    EXPECT_TRUE(recorder.boxes.empty());
  });
}

TEST_F(ModulationPageTest, ManchesterBootDataAndPolarityReopen) {
  WithCustomProject([&] {
    ASSERT_TRUE(Page());
    Type(kFreqEditId, "36");
    Pick(Page()->GetDutyList(), 2);
    Choose(kManchesterRadioId);
    EXPECT_FALSE(Page()->GetEditById(kBit0MarkEditId)->GetEdit()->IsShown());
    ASSERT_TRUE(Page()->GetEditById(kHalfBitEditId)->GetEdit()->IsShown());
    Tick(kBootCheckId, true);
    Choose(kBootManchesterRadioId);
    state.Doc().Modified = 0;
    Choose(kBootManchesterRadioId);
    EXPECT_EQ(g_DocManage.Modified, 0) << "the applied type again changes nothing";
    EXPECT_TRUE(Page()->GetEditById(kBootContentEditId)->GetEdit()->IsShown());
    EXPECT_FALSE(Page()->GetEditById(kBootMarkEditId)->GetEdit()->IsShown());
    Type(kHalfBitEditId, "560");
    Type(kBootContentEditId, "1011");  // the mask keeps three digits
    EXPECT_EQ(Text(kBootContentEditId), "101");
    EXPECT_EQ(Caption(kBootWaveId), "Lead code: 3360us");
    EXPECT_EQ(Page()->GetWave(kBootWaveId)->GetSegmentCount(), 6);
    Choose(kMarkAfterRadioId);
    EXPECT_EQ(Label(kBit0WaveId, 0), "SPACE 560us");
    EXPECT_EQ(Label(kBit1WaveId, 0), "MARK 560us");
    // The repeat AGC burst needs an AGC boot code.
    Tick(kRepeatCheckId, true);
    EXPECT_FALSE(Page()->FindWindow(kRepeatAgcRadioId)->IsEnabled());
    Choose(kRepeatWholeRadioId);
    Type(kRepeatPeriodEditId, "110");
    ASSERT_TRUE(Next());
    EXPECT_EQ(g_MacroMap["IR_ManchesterTime"], wxString::Format("%lu", 560ul | (560ul << 16)));
    EXPECT_EQ(g_MacroMap["HEADER_CODE"], "101");
    EXPECT_EQ(g_MacroMap["IR_CarrierDuty"], "4");
    ASSERT_TRUE(dialog->SaveProject());
    EXPECT_EQ(CustomSection()["IR_Bit0MarkAfter"], "1");
    EXPECT_EQ(CustomSection()["IR_BootDataBits"], "3");
  });
  if (HasFatalFailure()) return;

  state.Doc().Reset(true, false);
  state.Doc().ProjectName.clear();
  state.Doc().ProjectFilePath.clear();
  RunMainWindow([&] {
    ASSERT_EQ(dialog->OpenProjectFile(project), 2);
    ASSERT_TRUE(Page());
    EXPECT_TRUE(Checked(kManchesterRadioId));
    EXPECT_TRUE(Checked(kMarkAfterRadioId));
    EXPECT_TRUE(Checked(kBootManchesterRadioId));
    EXPECT_TRUE(Checked(kRepeatWholeRadioId));
    EXPECT_EQ(Text(kHalfBitEditId), "560");
    EXPECT_EQ(Text(kBootContentEditId), "101");
    EXPECT_EQ(Text(kRepeatPeriodEditId), "110");
    EXPECT_EQ(Page()->GetDutyList()->GetStringSelection(), "1/4");
    EXPECT_EQ(Caption(kBootWaveId), "Lead code: 3360us");
  });
}

// A definition file whose repeat-period section lost its name: Next cannot
// check that value, so it is refused with a message rather than silently.
TEST_F(ModulationPageTest, NextWithAnUnreadableDefinitionSaysWhy) {
  WithCustomProject([&] {
    ASSERT_TRUE(Page());
    const std::filesystem::path custom =
        platform::ToFsPath(work.File("settings")) / "General" / "Protocols" / "Custom";
    std::filesystem::create_directories(custom);
    std::ifstream in(platform::ToFsPath(Page()->GetDefinitionFile()), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t name = text.find("Name=IR_RepeatPeriod");
    ASSERT_NE(name, std::string::npos);
    text.replace(name, 4, "Text");
    std::ofstream(custom / "setting.ini", std::ios::binary) << text;
    state.App().remoteSettingsFolder = work.File("settings");
    ASSERT_TRUE(Page()->LoadFromProject());
    ASSERT_TRUE(Page()->GetDefinitionFile().StartsWith(work.File("settings")));

    FillGoodPdmValues();
    EXPECT_FALSE(Next());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_GET_PORTOCOL_INFO_ERROR"));
  });
}

// Tab as the toolkit first reports it, to the focused entry; true when a
// handler took it (the page, or the window above it).
bool PressTab(wxWindow* focus, bool shift) {
  wxKeyEvent event(wxEVT_CHAR_HOOK);
  event.m_keyCode = WXK_TAB;
  event.m_shiftDown = shift;
  event.SetEventObject(focus);
  return focus->ProcessWindowEvent(event) && !event.GetSkipped();
}

TEST_F(ModulationPageTest, TabWalksTheVisibleEnabledInputs) {
  WithCustomProject([&] {
    ASSERT_TRUE(Page());
    const auto entry = [this](int id) { return Page()->GetEditById(id)->GetEdit()->GetTextCtrl(); };
    const auto focusOn = [&](int id) {
      Page()->GetEditById(id)->GetEdit()->SetFocus();
      testsupport::PumpEvents();
      ASSERT_TRUE(HasFocus(id));
    };
    // PDM: the hidden half-bit input is skipped.
    focusOn(kFreqEditId);
    EXPECT_TRUE(PressTab(entry(kFreqEditId), false));
    EXPECT_TRUE(HasFocus(kBit0MarkEditId));
    EXPECT_TRUE(PressTab(entry(kBit0MarkEditId), true)) << "Shift+Tab walks back";
    EXPECT_TRUE(HasFocus(kFreqEditId));
    // Without boot and repeat code their inputs are disabled: nothing after bit-1 space.
    Tick(kRepeatCheckId, false);
    EXPECT_EQ(dynamic_cast<CNextPage*>(dialog->FindPage(kDataFormatId))->repeatCode, 0);
    EXPECT_FALSE(Checked(kBootCheckId));
    focusOn(kBit1SpaceEditId);
    PressTab(entry(kBit1SpaceEditId), false);  // goes on to the window's own handling
    testsupport::PumpEvents();
    for (int id : {kBootContentEditId, kBootMarkEditId, kBootSpaceEditId, kRepeatPeriodEditId})
      EXPECT_NE(wxWindow::FindFocus(), entry(id)) << id;
    Tick(kBootCheckId, true);
    focusOn(kBit1SpaceEditId);
    EXPECT_TRUE(PressTab(entry(kBit1SpaceEditId), false));
    EXPECT_TRUE(HasFocus(kBootMarkEditId)) << "the hidden boot data input is skipped";
  });
}

TEST_F(ModulationPageTest, LanguageSwitchRelabelsThePageAndKeepsItsValues) {
  WithCustomProject([&] {
    ASSERT_TRUE(Page());
    FillGoodPdmValues();
    Type(kBit0SpaceEditId, "99");  // out of range: marked
    ASSERT_EQ(Mark(kBit0SpaceEditId), "*");

    wxCommandEvent command(wxEVT_MENU, ID_LANG_SIMPLIFIED);
    command.SetEventObject(dialog);
    dialog->ProcessWindowEvent(command);
    testsupport::PumpEvents();
    ASSERT_EQ(g_App.currentLangSection, "936");
    EXPECT_EQ(Page()->FindWindow(kNextId)->GetLabel(), GetLangText("IDS_NEXT"));
    EXPECT_EQ(Page()->FindWindow(kBitGroupId)->GetLabel(), GetLangText("IDS_LABEL4_PDM"));
    EXPECT_EQ(Caption(kBit1WaveId), wxString::Format(GetLangText("IDS_BIT1_TIME"), 2250));
    EXPECT_EQ(Text(kBit0SpaceEditId), "99");
    EXPECT_EQ(Mark(kBit0SpaceEditId), "*");
    EXPECT_EQ(Text(kRepeatMarkEditId), "9000");
    Type(kBit0SpaceEditId, "560");
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow()), "");
    testsupport::SaveWindowScreenshot(dialog, "modulation_page_zh.png");

    // The bit group's caption follows the modulation chosen since.
    Choose(kManchesterRadioId);
    command.SetId(ID_LANG_ENGLISH);
    dialog->ProcessWindowEvent(command);
    testsupport::PumpEvents();
    EXPECT_EQ(Page()->FindWindow(kBitGroupId)->GetLabel(), "Bit timing (Manchester)");
  });
}

}  // namespace
