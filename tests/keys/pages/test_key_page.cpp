// The key configuration page in the main window, on a general remote with a
// standard protocol: keypad and driver chosen, a 4 x 4 matrix laid out by
// dragging pins from the picker onto the key lines, Back and return, saved
// and reopened.
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/ProjectFile.h"
#include "core/UserIni.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyDlg.h"
#include "keys/pages/KeySetDlg.h"
#include "keys/pages/KeysPages.h"
#include "keys/pages/PinPicker.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/GuideOverlay.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/ShellCommands.h"
#include "ui/shell/PageMessages.h"
#include "PageTestBase.h"
#include "HostFrame.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "LayoutChecks.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/app.h>
#include <wx/radiobut.h>

namespace {

#ifdef OLV_BRAND_MAKER
constexpr int kBrand = 1;
const char* const kProjectFileName = "NEC_TV_Remote.ovirprj";
#else
constexpr int kBrand = 0;
const char* const kProjectFileName = "NEC_TV_Remote.lmirprj";
#endif

class KeyPageTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().Modified = 0;
    RegisterKeysPages();
    // The standard page of this flow, as a plain page.
    RegisterShellPage(kStandardModePageId,
                      [](wxWindow* parent) { return new CSubBaseDlg(kStandardModePageId, parent); });
  }

  void TearDown() override {
    RegisterShellPage(kStandardModePageId, nullptr);
    RegisterShellPage(kKeyConfigId, nullptr);
  }

  // The main window with the partner's NEC example (QK21C0510, 16NSOP, standard protocol) open
  // from a folder of its own; body runs inside the window's modal loop.
  void WithExample(const std::function<void()>& body) {
    const wxString folder = work.File("NEC_TV_Remote");
    CopyGeneralRemoteExample("NEC_TV_Remote", folder);
    project = platform::JoinPath(folder, kProjectFileName);
    state.BrandFlag() = kBrand;
    RunMainWindow([&] {
      ASSERT_EQ(dialog->OpenProjectFile(project), 2);
      recorder.boxes.clear();
      body();
    });
  }

  CKeyConfigDlg* KeyPage() const { return dynamic_cast<CKeyConfigDlg*>(dialog->FindPage(kKeyConfigId)); }
  CSubBaseDlg* StandardPage() const { return dialog->FindPage(kStandardModePageId); }

  void GoToKeyPage() {
    StandardPage()->RequestNextPage(1, 0);
    testsupport::PumpEvents();
    ASSERT_EQ(dialog->GetCurrentPage(), KeyPage());
  }

  // Drags a pin from its picker button and releases it over key line `line`
  // (or over the screen point `target`).
  void DragPin(const wxString& pin, int line) {
    CKeySetDlg* lines = Lines();
    const wxRect slot = lines->LineRect(line);
    DragPinTo(pin, lines->ClientToScreen(slot.GetPosition() + wxSize(slot.width / 2, slot.height / 2)));
  }
  void DragPinTo(const wxString& pin, const wxPoint& target) {
    CIOButton* button = KeyPage()->GetPinPicker()->FindPinButton(pin);
    ASSERT_TRUE(button) << pin;
    const wxPoint start(button->GetClientSize().x / 2, button->GetClientSize().y / 2);
    testsupport::MouseDown(button, start);
    testsupport::MouseMove(button, button->ScreenToClient(target), true);
    testsupport::MouseUp(button, button->ScreenToClient(target));
    testsupport::PumpEvents();
  }

  // Drags the pin of a line out of the cells (to the strip's empty corner).
  void DragOut(int line) {
    CKeySetDlg* lines = Lines();
    testsupport::MouseDown(lines, lines->LineRect(line).GetPosition() + wxSize(4, 4));
    testsupport::MouseMove(lines, wxPoint(3, 40), true);
    testsupport::MouseUp(lines, wxPoint(3, 40));
    testsupport::PumpEvents();
  }

  // Takes every pin off its line, as the user does.
  void ClearKeyLines() {
    CKeySetDlg* lines = Lines();
    for (int line = lines->KeyLines().LineCount() - 1; line >= 0; --line)
      if (!lines->KeyLines().PinAt(line).empty()) DragOut(line);
    ASSERT_TRUE(lines->KeyLines().PinsInUse().empty());
  }

  CKeySetDlg* Lines() const { return dynamic_cast<CKeySetDlg*>(KeyPage()->GetKeySetPanel()); }
  bool IsFree(const wxString& pin) const { return KeyPage()->GetPinPicker()->Model().IsFree(pin); }

  // The [KeyConfig] section of a project file as its lines.
  static std::vector<wxString> KeyConfigSection(const wxString& path) {
    std::vector<wxString> lines = platform::ReadProfileSection(path, "KeyConfig");
    return lines;
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
  wxString project;
};

TEST_F(KeyPageTest, MatrixByDraggingPinsSavesAndReopensTheSame) {
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    CKeyConfigDlg* page = KeyPage();
    auto* keypad = dynamic_cast<wxChoice*>(page->FindWindow(CKeyConfigDlg::kKeypadComboId));
    ASSERT_TRUE(keypad);
    ASSERT_EQ(keypad->GetCount(), 2u);
    ASSERT_TRUE(page->GetPinPicker()->IsShown());
    ASSERT_EQ(page->GetPinPicker()->Buttons().size(), 14u);
    // The example's own keypad: a 4 x 4 matrix and ten saved key codes.
    EXPECT_EQ(FormatKeyPinList(Lines()->KeyLines().PinList(), kKeypadMatrix),
              "PA0,PA1,PA2,PA3,,PB0,PB1,PB2,PB3");
    EXPECT_FALSE(IsFree("PB3"));
    EXPECT_EQ(page->GetGrid()->GetItemText(1, CIRGridCtrl::kCodeColumn), "0x45");
    EXPECT_EQ(page->GetGrid()->GetItemText(10, CIRGridCtrl::kTextColumn), "Input");

    // Step keypad, then back to matrix; a cancelled change keeps the keypad.
    recorder.answers = {platform::kIdOk};
    Pick(keypad, 0);
    EXPECT_EQ(g_DocManage.Keypad, 0);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_TRUE(Lines()->KeyLines().PinsInUse().empty());
    EXPECT_TRUE(IsFree("PB3")) << "the old keypad's pins are free again";
    EXPECT_EQ(g_DocManage.GetParam(18), "");
    recorder.answers = {platform::kIdCancel};
    Pick(keypad, 1);
    EXPECT_EQ(keypad->GetSelection(), 0);
    EXPECT_EQ(g_DocManage.Keypad, 0);
    recorder.answers = {platform::kIdOk};
    Pick(keypad, 1);
    ASSERT_EQ(g_DocManage.Keypad, 1);
    ASSERT_EQ(Lines()->KeyLines().Keypad(), kKeypadMatrix);

    // Driver mode REM, code type conditional.
    Choose(dynamic_cast<wxRadioButton*>(page->FindWindow(CKeyConfigDlg::kRemRadioId)));
    EXPECT_EQ(g_DocManage.RemDrv, 0);
    Pick(dynamic_cast<wxChoice*>(page->FindWindow(CKeyConfigDlg::kCodeTypeComboId)), 1);
    EXPECT_EQ(g_DocManage.CodeType, 1);

    // A 4 x 4 matrix: columns PA0..PA3, rows PB0..PB3.
    const int firstRow = Lines()->KeyLines().FirstRowLine();
    for (int i = 0; i < 4; ++i) {
      DragPin(wxString::Format("PA%d", i), i);
      DragPin(wxString::Format("PB%d", i), firstRow + i);
    }
    EXPECT_EQ(g_DocManage.GetParam(18), "PA0,PA1,PA2,PA3, ,PB0,PB1,PB2,PB3");
    for (const char* pin : {"PA0", "PA3", "PB0", "PB3"}) EXPECT_FALSE(IsFree(pin)) << pin;
    EXPECT_TRUE(IsFree("PA4"));
    // The tip picture's round corner shows the strip's tint, as the strip's own corner does.
    wxWindow* tip = Lines()->FindWindow(CKeySetDlg::kTipId);
    ASSERT_TRUE(tip);
    EXPECT_EQ(testsupport::ScreenPixel(Lines(), tip->GetPosition() + wxPoint(1, 1)),
              testsupport::ScreenPixel(Lines(), wxPoint(1, 1)));
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow()), "");
    testsupport::SaveWindowScreenshot(dialog, "key_page_en.png");
    testsupport::SaveWindowScreenshot(page->GetPinPicker(), "pin_picker.png");

    // A taken pin cannot be dragged; a pin dropped on a taken column goes to
    // the first free one; a refused drop changes nothing.
    const wxString before = g_DocManage.GetParam(18);
    DragPin("PA0", 5);
    EXPECT_EQ(Lines()->KeyLines().PinAt(5), "");
    DragPin("PA4", 0);
    EXPECT_EQ(Lines()->KeyLines().PinAt(0), "PA0");
    EXPECT_EQ(Lines()->KeyLines().PinAt(4), "PA4");
    EXPECT_FALSE(IsFree("PA4"));
    DragOut(4);
    EXPECT_TRUE(IsFree("PA4"));
    DragPinTo("PA5", page->GetPinPicker()->GetScreenRect().GetPosition() + wxPoint(3, 3));  // not over a line
    EXPECT_TRUE(IsFree("PA5"));
    EXPECT_EQ(g_DocManage.GetParam(18), before);

    // Back to the standard page and return: everything as it was.
    recorder.boxes.clear();
    Press(page->FindWindow(CKeyConfigDlg::kBackId));
    EXPECT_EQ(dialog->GetCurrentPage(), StandardPage());
    EXPECT_TRUE(recorder.boxes.empty());
    GoToKeyPage();
    EXPECT_EQ(Lines()->PinListText(), before);
    EXPECT_FALSE(IsFree("PB2"));

    // Save, reopen, and find the same section.
    state.Doc().AddKeyValue(0x45, "Power");
    state.Doc().AddKeyValue(0x1A, "Vol+");
    ASSERT_EQ(SendShellMessage(dialog, WM_SAVE_PROJECT), 1);
    const std::vector<wxString> saved = KeyConfigSection(project);
    auto has = [&](const wxString& line) {
      return std::find(saved.begin(), saved.end(), line) != saved.end();
    };
    for (const char* line : {"Keypad=1", "CodeType=1", "REMDRV=0", "IOColCount=4", "IORowCount=4",
                             "IOConfigItem=PA0,PA1,PA2,PA3, ,PB0,PB1,PB2,PB3", "KeyValueCount=12",
                             "Item1=0x9-Back,0x16-Input,0x45-Power,0x1a-Vol+"})
      EXPECT_TRUE(has(line)) << line;

    recorder.boxes.clear();
    ASSERT_EQ(dialog->OpenProjectFile(project), 2);
    EXPECT_TRUE(recorder.boxes.empty()) << "no mismatch, no question";
    page = KeyPage();
    EXPECT_EQ(g_DocManage.RemDrv, 0);
    EXPECT_TRUE(dynamic_cast<wxRadioButton*>(page->FindWindow(CKeyConfigDlg::kRemRadioId))->GetValue());
    EXPECT_EQ(Lines()->KeyLines().PinAt(firstRow + 3), "PB3");
    EXPECT_FALSE(IsFree("PA2"));
    EXPECT_EQ(g_DocManage.GetKeyValueCount(), 12u);
    ASSERT_EQ(SendShellMessage(dialog, WM_SAVE_PROJECT), 1);
    EXPECT_EQ(KeyConfigSection(project), saved);
  });
}

TEST_F(KeyPageTest, ChineseTextsAndAFreedLine) {
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    CKeyConfigDlg* page = KeyPage();
    ClearKeyLines();
    EXPECT_EQ(g_DocManage.GetParam(18), "");
    DragPin("PA0", 0);
    DragPin("PA1", 1);
    DragPin("PB0", Lines()->KeyLines().FirstRowLine());
    wxCommandEvent menu(wxEVT_MENU, ID_LANG_SIMPLIFIED);
    dialog->ProcessWindowEvent(menu);
    testsupport::PumpEvents();
    EXPECT_EQ(dynamic_cast<wxChoice*>(page->FindWindow(CKeyConfigDlg::kKeypadComboId))->GetSelection(), 1);
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow()), "");
    testsupport::SaveWindowScreenshot(dialog, "key_page_zh.png");

    // A pin dragged out of its cell goes back to the picker.
    DragOut(1);
    EXPECT_EQ(Lines()->KeyLines().PinAt(1), "");
    EXPECT_TRUE(IsFree("PA1"));
    EXPECT_EQ(g_DocManage.GetParam(18), "PA0, ,PB0");

    // A pin taken away elsewhere leaves its line.
    CShellMessageEvent changed(WM_KEY_PIN_CHANGED, 0, 0);
    changed.SetString("pa0");
    page->GetEventHandler()->ProcessEvent(changed);
    EXPECT_EQ(changed.GetResult(), 1);
    EXPECT_EQ(g_DocManage.GetParam(18), " ,PB0");
  });
}

TEST_F(KeyPageTest, KeyTextsTheFileCannotHoldAreRefused) {
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    const std::size_t count = g_DocManage.GetKeyValueCount();
    EXPECT_FALSE(KeyPage()->AddSavedKey(0x10, "Power,On"));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_NE(recorder.boxes[0].text.Find("Power,On"), wxNOT_FOUND);
    EXPECT_EQ(g_DocManage.GetKeyValueCount(), count);
    EXPECT_TRUE(KeyPage()->AddSavedKey(0x10, "Mute-All"));
    EXPECT_EQ(KeyPage()->GetGrid()->GetItemText(static_cast<int>(count) + 1, CIRGridCtrl::kTextColumn),
              "Mute-All");
  });
}

TEST_F(KeyPageTest, PackageChangeMovesThePinsAndTheDriver) {
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    CKeyConfigDlg* page = KeyPage();
    ClearKeyLines();
    DragPin("PA0", 0);
    DragPin("PB4", 1);
    ASSERT_EQ(g_DocManage.RemDrv, 1);
    // The global selection offers the 8-pin package to the page.
    CShellMessageEvent offer(WM_GLOBAL_SEL_TEXT, 0, 0);
    offer.SetString("8SOP");
    page->GetEventHandler()->ProcessEvent(offer);
    testsupport::PumpEvents();
    EXPECT_EQ(offer.GetResult(), 1);
    EXPECT_EQ(g_DocManage.GetPackageName(), "8SOP");
    EXPECT_FALSE(Lines()->KeyLines().UsesPin("PB4")) << "8SOP does not bring PB4 out";
    EXPECT_FALSE(IsFree("PB4"));
    EXPECT_FALSE(IsFree("PA2"));
    EXPECT_EQ(Lines()->KeyLines().PinAt(0), "PA0");
    EXPECT_EQ(g_DocManage.GetParam(18), "PA0");
    EXPECT_EQ(g_DocManage.RemDrv, 0) << "the 8-pin package drives the LED from REM";
    EXPECT_TRUE(dynamic_cast<wxRadioButton*>(page->FindWindow(CKeyConfigDlg::kRemRadioId))->GetValue());

    CShellMessageEvent back(WM_GLOBAL_SEL_TEXT, 0, 0);
    back.SetString("16NSOP");
    page->GetEventHandler()->ProcessEvent(back);
    EXPECT_TRUE(IsFree("PB4"));
    EXPECT_TRUE(IsFree("PA2"));
    EXPECT_FALSE(IsFree("PA0"));
    EXPECT_EQ(g_DocManage.RemDrv, 1);
  });
}

TEST_F(KeyPageTest, OutputWithoutAFrameworkSavesNothing) {
  WithExample([&] {
    ASSERT_NO_FATAL_FAILURE(GoToKeyPage());
    ClearKeyLines();
    DragPin("PA0", 0);
    const std::vector<wxString> before = KeyConfigSection(project);
    recorder.boxes.clear();
    Press(KeyPage()->FindWindow(CKeyConfigDlg::kOutputId));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(KeyConfigSection(project), before);
    EXPECT_EQ(g_DocManage.Modified, 1);
  });
}

// The page on its own in a frame, set up for a project that is not opened
// from a file.
class KeyPageAloneTest : public KeyPageTest {
 protected:
  CKeyConfigDlg* MakePage(const wxString& mcu, const wxString& package, int remoteType) {
    state.FrameworkKind() = remoteType;
    state.Doc().RemoteType = remoteType;
    state.Doc().McuName = mcu;
    state.Doc().PackageName = package;
    state.Doc().SetNewProject(true);
    host = std::make_unique<testsupport::HostFrame>(wxSize(1200, 760), wxPoint(20, 20),
                                                    testsupport::HostContent::Empty);
    host->Frame()->Bind(WM_PAGE_UPDATE, [this](CShellMessageEvent& event) {
      progress.push_back(static_cast<int>(event.WParam()));
    });
    auto* page = new CKeyConfigDlg(host->Frame());
    host->Frame()->SendSizeEvent();
    testsupport::PumpEvents();
    EXPECT_TRUE(page->LoadFromProject());
    page->OnPageShown();
    testsupport::PumpEvents();
    return page;
  }
  void TearDown() override {
    host.reset();
    KeyPageTest::TearDown();
  }
  std::unique_ptr<testsupport::HostFrame> host;
  std::vector<int> progress;
};

TEST_F(KeyPageAloneTest, TouchChipIsKnownWhateverItsCase) {
  CKeyConfigDlg* page = MakePage("qk37b0640", "20SSOP", kRemoteGeneral);
  EXPECT_TRUE(page->IsTouchChip());
  EXPECT_FALSE(page->GetPinPicker()->IsShown());
  auto* keypad = dynamic_cast<wxChoice*>(page->FindWindow(CKeyConfigDlg::kKeypadComboId));
  ASSERT_EQ(keypad->GetCount(), 1u);
  EXPECT_EQ(keypad->GetString(0), GetLangText("IDS_TOUCH"));
  EXPECT_FALSE(keypad->IsEnabled());
  EXPECT_EQ(page->FindWindow(CKeyConfigDlg::kIoGroupId)->GetLabel(), "");
}

TEST_F(KeyPageAloneTest, TouchKeyInUseWithoutItsPinStopsTheKeySources) {
  CKeyConfigDlg* page = MakePage("QK37B0640", "20SSOP", kRemoteGeneral);
  auto* key1 = dynamic_cast<wxCheckBox*>(page->FindWindow(CKeyDlg::kFirstCheckId));
  ASSERT_NE(key1, nullptr);
  key1->SetValue(true);
  wxCommandEvent event(wxEVT_CHECKBOX, key1->GetId());
  event.SetEventObject(key1);
  event.SetInt(1);
  key1->ProcessWindowEvent(event);
  testsupport::PumpEvents();
  recorder.boxes.clear();
  EXPECT_FALSE(page->CheckAndApply());
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text, wxString::Format(GetLangText("IDS_TOUCHPANEL_LACK_CONFIG"), 1));
}

TEST_F(KeyPageAloneTest, LcdStandardOffersRemPinsNoKeyOrLcdPinHolds) {
  state.Doc().UsedPins = {"PB2", "PD0"};
  CKeyConfigDlg* page = MakePage("QK52A160", "52 LQFP", kRemoteLcdStandard);
  auto* rem = dynamic_cast<wxChoice*>(page->FindWindow(CKeyConfigDlg::kRemComboId));
  ASSERT_TRUE(rem->IsShown());
  EXPECT_EQ(rem->GetStrings(),
            wxArrayString(5, std::vector<wxString>{"PB3", "PB7", "PA5", "PA6", "PA4"}.data()));
  EXPECT_EQ(g_DocManage.RemPinText, "PB3");
  EXPECT_FALSE(page->FindWindow(CKeyConfigDlg::kCodeTypeComboId)->IsShown());
  EXPECT_TRUE(page->FindWindow(CKeyConfigDlg::kActionDoubleId)->IsShown());
  EXPECT_FALSE(page->GetGrid()->IsShown());

  // A key on PB3 takes it out of the list and the choice moves on.
  page->GetKeySetPanel()->KeyLines().PutPin(0, "PB3");
  page->FillRemPinList(false);
  EXPECT_EQ(rem->GetString(0), "PB7");
  EXPECT_EQ(g_DocManage.RemPinText, "PB7");

  // The LCD refresh reserves the LCD's pins and posts its progress without
  // dispatching anything in between.
  progress.clear();
  page->GetKeySetPanel()->KeyLines().PutPin(1, "PD0");
  page->RefreshForLcdMode();
  EXPECT_EQ(progress, (std::vector<int>{10, 100})) << "only the sent messages arrive during the rule";
  EXPECT_EQ(page->GetReservedPins(), (std::vector<wxString>{"PB2", "PD0"}));
  EXPECT_FALSE(page->GetKeySetPanel()->KeyLines().UsesPin("PD0"));
  testsupport::PumpEvents();
  EXPECT_EQ(progress.size(), 2u + page->GetPinPicker()->Model().Pins().size());
  testsupport::SaveWindowScreenshot(host->Frame(), "key_page_lcd.png");
}

TEST_F(KeyPageAloneTest, GuideIsOfferedOnceAndCanBeTurnedOff) {
  CKeyConfigDlg* page = MakePage("QK52A160", "52 LQFP", kRemoteLcdStandard);
  const wxString userIni = GetUserIniPath();
  platform::WriteProfileString(userIni, "Olvanta", "Prompt_UserDef_Air", "0");
  int shown = 0;
  wxArrayString steps;
  // Closes the guide as the user does with "do not show again".
  auto closeGuide = [&] {
    for (wxWindow* window : wxTopLevelWindows) {
      if (auto* guide = dynamic_cast<CMaskWndDlg*>(window); guide && guide->IsModal()) {
        ++shown;
        steps = guide->GetSteps();
        guide->EndModal(wxID_OK);
      }
    }
  };
  ArmKeyPageGuide();
  page->Hide();
  page->Show();
  wxTheApp->CallAfter(closeGuide);
  testsupport::PumpEvents();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(steps.size(), 3u);
  EXPECT_FALSE(IsKeyPageGuideArmed());
  EXPECT_EQ(platform::ReadProfileString(userIni, "Olvanta", "Prompt_UserDef_Air", ""), "1");

  // Armed again, but turned off for good: nothing opens.
  ArmKeyPageGuide();
  page->Hide();
  page->Show();
  wxTheApp->CallAfter(closeGuide);
  testsupport::PumpEvents();
  EXPECT_EQ(shown, 1);
  DisarmKeyPageGuide();
}

TEST_F(KeyPageAloneTest, HoldOffFallsBackToClickAndAsksOverATimer) {
  CKeyConfigDlg* page = MakePage("QK52A160", "52 LQFP", kRemoteLcdStandard);
  auto* hold = dynamic_cast<wxCheckBox*>(page->FindWindow(CKeyConfigDlg::kPressAndHoldId));
  auto* holdRadio = dynamic_cast<wxRadioButton*>(page->FindWindow(CKeyConfigDlg::kActionHoldId));
  auto toggle = [&](bool on) {
    hold->SetValue(on);
    wxCommandEvent event(wxEVT_CHECKBOX, hold->GetId());
    event.SetEventObject(hold);
    event.SetInt(on ? 1 : 0);
    hold->ProcessWindowEvent(event);
    testsupport::PumpEvents();
  };
  EXPECT_FALSE(holdRadio->IsEnabled());
  toggle(true);
  EXPECT_EQ(g_DocManage.PressAndHold, 1);
  ASSERT_TRUE(holdRadio->IsEnabled());
  Choose(holdRadio);
  EXPECT_EQ(g_DocManage.ButtonMode, 1);

  // With the timer on, switching off asks first; Cancel keeps everything.
  state.Doc().TimerOption = 1;
  recorder.answers = {platform::kIdCancel};
  toggle(false);
  EXPECT_TRUE(hold->GetValue());
  EXPECT_EQ(g_DocManage.PressAndHold, 1);
  EXPECT_EQ(g_DocManage.ButtonMode, 1);
  recorder.answers = {platform::kIdOk};
  toggle(false);
  EXPECT_EQ(recorder.boxes.size(), 2u);
  EXPECT_EQ(g_DocManage.PressAndHold, 0);
  EXPECT_EQ(g_DocManage.ButtonMode, 0);
  EXPECT_TRUE(dynamic_cast<wxRadioButton*>(page->FindWindow(CKeyConfigDlg::kActionClickId))->GetValue());
  EXPECT_FALSE(holdRadio->IsEnabled());
  state.Doc().TimerOption = 0;
}

TEST_F(KeyPageAloneTest, EveryLayoutElementResolves) {
  CKeyConfigDlg* page = MakePage("QK37A0640", "20SSOP", kRemoteGeneral);
  for (const char* name : {"SW_CLIENT",          "IO_SELECT",      "IO_SELECT1",         "Driver_Mode_Select",
                           "Driver_Rem",         "Driver_Remdrv",  "Driver_Png",         "BASE_SETTING",
                           "BASE_SETTING1",      "Static_Keypad",  "Check_PressAndHold", "Check_DoubleButton",
                           "Funcs_Keys",         "Key_Area",       "Key_Area1",          "Send_Preview_Area",
                           "Driver_Tips_Button", "IO_Tips_Button", "Output_Button",      "Previous_Button",
                           "Static_REM",         "Combo_REM",      "Radio_SingleClick",  "Radio_PressAndHold",
                           "Radio_DoubleButton", "Static_TurnOff", "Static_Picture",     "Static_TurnOn"}) {
    wxRect rect;
    EXPECT_TRUE(page->GetLayout().GetElementRect(name, rect)) << name;
    EXPECT_GT(rect.width, 0) << name;
    EXPECT_GT(rect.height, 0) << name;
  }
  // Back and Output stay apart and keep one width.
  const wxRect back = page->FindWindow(CKeyConfigDlg::kBackId)->GetRect();
  const wxRect output = page->FindWindow(CKeyConfigDlg::kOutputId)->GetRect();
  EXPECT_EQ(back.width, output.width);
  EXPECT_LT(back.GetRight(), output.x);
}

}  // namespace
