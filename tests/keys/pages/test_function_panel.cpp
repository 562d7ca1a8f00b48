// The function panel of an LCD remote's key page: the protocol's functions
// dragged onto keys with the mouse for each action, the key action defines
// in the macro table, the [KeyConfig] keys after a save, and the same
// assignments after reopening. The keys are a small key panel of the test's
// own behind the page's key panel interface.
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FuncRecords.h"
#include "core/LangText.h"
#include "core/ProjectFile.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyPanels.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/FuncBtn.h"
#include "ui/UiMessages.h"
#include "ui/shell/PageMessages.h"
#include "HostFrame.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "UiEvents.h"
#include "ProgramTestBase.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>

#include <algorithm>

namespace {

// Six keys in a row, known by their index. A dropped function goes to the key
// under the pointer when the slots it needs are free; the page is told with
// WM_KEYSET_SELECT as the real key panel tells it. Saved as "ItemKey0", the
// keys' action summaries joined by ",".
class CTestKeyPanel : public wxPanel, public IKeyPanel {
 public:
  explicit CTestKeyPanel(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    SetBackgroundColour(*wxWHITE);
    for (int i = 0; i < kKeys; ++i) {
      auto* key =
          new CKeyButton(this, 4500 + i, wxString(), wxRect(16 + i * 60, 40, 50, 24), CKeyButton::kRoleKey);
      key->multiSlot = 1;
      key->drawState = 2;
      keys.push_back(key);
    }
  }
  wxWindow* GetWindow() override { return this; }
  bool DropFunction(const wxPoint& screenPoint, CKeyButton* function) override {
    ++drops;
    const auto it = std::find_if(keys.begin(), keys.end(),
                                 [&](CKeyButton* key) { return key->GetScreenRect().Contains(screenPoint); });
    if (it == keys.end()) return false;
    if ((*it)->CheckSlotsFree(function->BtnMode, function->BtnState & 0x11)) return false;
    Select(static_cast<int>(it - keys.begin()), function->GetCaptionKey(), g_DocManage.ButtonMode == 2);
    return true;
  }
  CKeyButton* ResolveKey(int reference) override {
    return reference >= 0 && reference < kKeys ? keys[static_cast<std::size_t>(reference)] : nullptr;
  }
  int KeyReference(const CKeyButton* key) override {
    const auto it = std::find(keys.begin(), keys.end(), key);
    return it == keys.end() ? -1 : static_cast<int>(it - keys.begin());
  }
  std::vector<stKeyInUse> KeysInUse() override {
    std::vector<stKeyInUse> used;
    for (int i = 0; i < kKeys; ++i) used.push_back({i, i});
    return used;
  }
  void SetButtonMode(int) override { Refresh(); }
  void SetButtonState(int) override { Refresh(); }
  bool WriteKeys(const CProjectFile& file) override {
    wxString item;
    for (CKeyButton* key : keys) item += (item.empty() ? "" : ",") + key->GetActionSummary();
    return platform::WriteProfileString(file.Path(), "KeyConfig", "ItemKey0", item);
  }
  void LoadKeys(const CProjectFile& file) override {
    wxString rest = platform::ReadProfileString(file.Path(), "KeyConfig", "ItemKey0", wxString(), 4096);
    for (int i = 0; i < kKeys && !rest.empty(); ++i) {
      const wxString summary = rest.BeforeFirst(',');
      rest = rest.AfterFirst(',');
      wxArrayString names = wxSplit(summary, ';');
      for (std::size_t slot = 0; slot < names.size(); ++slot) {
        if (!names[slot].empty()) Select(i, names[slot], slot / 2 == 2);
      }
    }
  }
  void Select(int key, const wxString& name, bool twoKeys) {
    const wxIntPtr packed = key | (twoKeys ? (key << 16) | (1 << 24) : 0);
    CShellMessageEvent select(WM_KEYSET_SELECT, packed, 0);
    select.SetString(name);
    GetParent()->GetEventHandler()->ProcessEvent(select);
  }

  static constexpr int kKeys = 6;
  std::vector<CKeyButton*> keys;
  int drops = 0;
};

// The air-conditioner data format sends every function but the light (8); the clock is shown.
class CSentFunctions : public CFuncBtnServices {
 public:
  bool IsTimeShowEnabled() override { return true; }
  bool IsAirFuncInSendData(int number, int list) override { return list == 1 || number != 8; }
};

class FunctionPanelTest : public testsupport::ProgramTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    SetFuncBtnServices(&services);
    RegisterKeyPanel([this](wxWindow* parent) {
      keyPanel = new CTestKeyPanel(parent);
      return keyPanel;
    });
    StoreRecords();
  }
  void TearDown() override {
    host.reset();
    RegisterKeyPanel(nullptr);
    SetFuncBtnServices(nullptr);
  }

  // The air data format's functions 0..10 and one user function (11).
  void StoreRecords() {
    state.FuncRecords().Clear();
    for (int number = 0; number <= 11; ++number) {
      stFuncRecord record;
      record.OpenEnable = 1;
      record.CloseEnable = number == 0 || number == 8 || number == 11 ? 1 : 0;
      if (number == 1) {
        record.StartPos = 4;
        record.EndPos = 6;
        record.ModeSelect = 0x1F;
        record.Data = {{0, "Auto", ""}, {1, "Cool", ""}, {2, "Heat", ""}};
      }
      state.FuncRecords().StoreFuncRecord(number, record);
    }
    state.Doc().FunctionBlocks.assign(11, stFunctionBlock{});
    state.Doc().UserFunctionBlocks = {stFunctionBlock{"Eco", 1}};
  }

  CKeyConfigDlg* MakePage(int remoteType, bool newProject) {
    host.reset();
    keyPanel = nullptr;
    state.FrameworkKind() = remoteType;
    state.App().protocolFolder = g_App.GetProtocolFolder(remoteType);
    state.App().icFolder = g_App.GetIcFolder(remoteType);
    state.Doc().RemoteType = remoteType;
    state.Doc().McuName = "QK52A160";
    state.Doc().PackageName = "52 LQFP";
    state.Doc().ProjectFilePath = project;
    state.Doc().ProjectName = "Remote";
    state.Doc().SetNewProject(newProject);
    host = std::make_unique<testsupport::HostFrame>(wxSize(1200, 760), wxPoint(20, 20),
                                                    testsupport::HostContent::Empty);
    auto* page = new CKeyConfigDlg(host->Frame());
    host->Frame()->SendSizeEvent();
    testsupport::PumpEvents();
    EXPECT_TRUE(page->LoadFromProject());
    page->OnPageShown();
    testsupport::PumpEvents();
    return page;
  }

  CKeyButton* Function(CKeyConfigDlg* page, const wxString& title) {
    int list = 0;
    const int index = page->GetFuncPanel()->FindIndexByName(title, list);
    if (index < 0) return nullptr;
    return (list == 0 ? page->GetFuncPanel()->Functions() : page->GetFuncPanel()->UserFunctions())[index];
  }

  // Presses the button, moves to the target and releases there, as the user drags.
  static void Drag(wxWindow* from, const wxPoint& screenTarget) {
    const wxPoint start(from->GetClientSize().x / 2, from->GetClientSize().y / 2);
    testsupport::MouseDown(from, start);
    testsupport::MouseMove(from, from->ScreenToClient(screenTarget), true);
    testsupport::MouseUp(from, from->ScreenToClient(screenTarget));
    testsupport::PumpEvents();
  }
  void DragOntoKey(CKeyConfigDlg* page, const wxString& title, int key) {
    CKeyButton* function = Function(page, title);
    ASSERT_TRUE(function) << title;
    const wxRect target = keyPanel->keys[static_cast<std::size_t>(key)]->GetScreenRect();
    Drag(function, target.GetPosition() + wxPoint(target.width / 2, target.height / 2));
  }

  static void Tick(CKeyConfigDlg* page, int id) {
    auto* box = dynamic_cast<wxCheckBox*>(page->FindWindow(id));
    box->SetValue(true);
    wxCommandEvent event(wxEVT_CHECKBOX, id);
    event.SetEventObject(box);
    event.SetInt(1);
    box->ProcessWindowEvent(event);
  }
  static void Choose(CKeyConfigDlg* page, int id) {
    auto* radio = dynamic_cast<wxRadioButton*>(page->FindWindow(id));
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, id);
    event.SetEventObject(radio);
    event.SetInt(1);
    radio->ProcessWindowEvent(event);
    testsupport::PumpEvents();
  }

  std::vector<wxString> Summaries() const {
    std::vector<wxString> summaries;
    for (CKeyButton* key : keyPanel->keys) summaries.push_back(key->GetActionSummary());
    return summaries;
  }

  testsupport::TempDir work;
  wxString project = work.File("Remote.ovirprj");
  testsupport::CMessageRecorder recorder;
  CSentFunctions services;
  CTestKeyPanel* keyPanel = nullptr;
  std::unique_ptr<testsupport::HostFrame> host;
};

const char kOpenFunc[] =
    "#define FUNC_ON_CLICK_ACTION_0 FUNC_POWER_OFF();\r\n"
    "#define FUNC_ON_CLICK_ACTION_1 FUNC_MODE_NEXT();\r\n"
    "#define FUNC_ON_CLICK_ACTION_2 FUNC_0_SWITCH();\r\n"
    "#define FUNC_ON_CLICK_ACTION_3 FUNC_TEMP_UP();\r\n"
    "#define FUNC_ON_CLICK_ACTION_4 \r\n"
    "#define FUNC_ON_CLICK_ACTION_5 FUNC_TURBO_SWITCH();\r\n";
const char kCloseFunc[] =
    "#define FUNC_OFF_CLICK_ACTION_0 FUNC_POWER_ON();\r\n"
    "#define FUNC_OFF_CLICK_ACTION_1 \r\n"
    "#define FUNC_OFF_CLICK_ACTION_2 FUNC_0_SWITCH();\r\n"
    "#define FUNC_OFF_CLICK_ACTION_3 \r\n"
    "#define FUNC_OFF_CLICK_ACTION_4 \r\n"
    "#define FUNC_OFF_CLICK_ACTION_5 \r\n";
const char kHoldOpenFunc[] =
    "#define FUNC_ON_HOLD_ACTION_0 \r\n"
    "#define FUNC_ON_HOLD_ACTION_1 \r\n"
    "#define FUNC_ON_HOLD_ACTION_2 \r\n"
    "#define FUNC_ON_HOLD_ACTION_3 FUNC_TEMP_UP();\r\n"
    "#define FUNC_ON_HOLD_ACTION_4 \r\n"
    "#define FUNC_ON_HOLD_ACTION_5 \r\n";
const char kDoubleOpenFunc[] =
    "#define FUNC_ON_2KEYS_SIMO_ACTION_0 \r\n"
    "#define FUNC_ON_2KEYS_SIMO_ACTION_1 \r\n"
    "#define FUNC_ON_2KEYS_SIMO_ACTION_2 \r\n"
    "#define FUNC_ON_2KEYS_SIMO_ACTION_3 \r\n"
    "#define FUNC_ON_2KEYS_SIMO_ACTION_4 \r\n"
    "#define FUNC_ON_2KEYS_SIMO_ACTION_5 FUNC_TURBO_SWITCH();\r\n";

void ExpectActionMacros() {
  EXPECT_EQ(g_MacroMap["OpenFunc"], kOpenFunc);
  EXPECT_EQ(g_MacroMap["CloseFunc"], kCloseFunc);
  EXPECT_EQ(g_MacroMap["HOLD_OpenFunc"], kHoldOpenFunc);
  EXPECT_EQ(g_MacroMap["Double_OpenFunc"], kDoubleOpenFunc);
  EXPECT_EQ(g_MacroMap["MODE_START_POS"], "4");
  EXPECT_EQ(g_MacroMap["MODE_END_POS"], "2");
  EXPECT_EQ(g_MacroMap["MODE_END_POS_~DESCRIPTION"], "0:Auto,1:Cool,2:Heat");
  EXPECT_EQ(g_MacroMap["MODE_MODE_MASK"], "0b00011111");
  EXPECT_EQ(g_MacroMap["TEMP_START_POS"], "-1");
  EXPECT_EQ(g_MacroMap["HIGH_SENSITIVE"], "\r\n");
}

TEST_F(FunctionPanelTest, FunctionsDraggedOntoKeysForEachActionSaveAndReopen) {
  CKeyConfigDlg* page = MakePage(kRemoteLcdStandard, true);
  CFuncDlg* panel = page->GetFuncPanel();
  ASSERT_TRUE(panel->IsShown());
  EXPECT_FALSE(page->GetGrid()->IsShown());
  ASSERT_EQ(panel->Functions().size(), 12u);
  ASSERT_EQ(panel->UserFunctions().size(), 1u);
  // Two columns from (10, 8); the light is not sent and leaves no gap.
  EXPECT_EQ(panel->Functions()[0]->GetPosition(), wxPoint(10, 8));
  EXPECT_EQ(panel->Functions()[1]->GetPosition(), wxPoint(105, 8));
  EXPECT_EQ(panel->Functions()[2]->GetPosition(), wxPoint(10, 48));
  EXPECT_FALSE(Function(page, "IDS_LIGHT")->IsShown());
  EXPECT_EQ(Function(page, "IDS_TIME_OPEN")->GetPosition(), wxPoint(10, 168)) << "it takes the light's place";
  EXPECT_EQ(Function(page, "IDS_SWITCHTIMESET")->GetPosition(), wxPoint(10, 208));
  EXPECT_EQ(Function(page, "Eco")->GetPosition(), wxPoint(105, 208));
  // The mode function follows its record: on at power on only.
  EXPECT_EQ(Function(page, "IDS_MODE")->BtnState, 0x1001);
  EXPECT_EQ(Function(page, "IDS_TEMP_UP")->GetLabel(), GetLangText("IDS_TEMP_UP"));

  // Click: power, mode and the user function onto keys 0 to 2.
  DragOntoKey(page, "IDS_SWITCH", 0);
  DragOntoKey(page, "IDS_MODE", 1);
  DragOntoKey(page, "Eco", 2);
  EXPECT_EQ(Function(page, "IDS_SWITCH")->drawState, 1);
  EXPECT_EQ(Function(page, "IDS_SWITCH")->GetAssignedKey(), 0);
  EXPECT_EQ(g_DocManage.Modified, 1);

  // An assigned function starts no drag.
  const int drops = keyPanel->drops;
  DragOntoKey(page, "IDS_SWITCH", 4);
  EXPECT_EQ(keyPanel->drops, drops);

  // Press-and-hold: temperature up goes on key 3 for click and hold; mode cannot be held.
  Tick(page, CKeyConfigDlg::kPressAndHoldId);
  Choose(page, CKeyConfigDlg::kActionHoldId);
  ASSERT_EQ(g_DocManage.ButtonMode, 1);
  EXPECT_EQ(Function(page, "IDS_MODE")->drawState, 2);
  ASSERT_TRUE(Function(page, "IDS_ENTERTIMESET")) << "the time-set function names the action";
  EXPECT_EQ(Function(page, "IDS_ENTERTIMESET")->GetLabel(), GetLangText("IDS_ENTERTIMESET"));
  DragOntoKey(page, "IDS_TEMP_UP", 3);

  // Two keys: turbo on key 4, then a second function on the same slot is refused.
  Tick(page, CKeyConfigDlg::kDoubleButtonId);
  Choose(page, CKeyConfigDlg::kActionDoubleId);
  ASSERT_EQ(g_DocManage.ButtonMode, 2);
  DragOntoKey(page, "IDS_TURBO", 4);
  recorder.boxes.clear();
  DragOntoKey(page, "IDS_SWING", 4);
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_CONFIG_ALREADY"));
  EXPECT_EQ(Function(page, "IDS_SWING")->drawState, 0) << "a refused function is free again";
  EXPECT_FALSE(Function(page, "IDS_SWING")->IsAssigned());
  // Dropped where there is no key: free again.
  Drag(Function(page, "IDS_SWING"), panel->GetScreenRect().GetPosition() + wxPoint(2, 2));
  EXPECT_FALSE(Function(page, "IDS_SWING")->IsAssigned());

  // Turbo moves from key 4 to key 5: the key gives its function up while it is dragged.
  const wxRect five = keyPanel->keys[5]->GetScreenRect();
  Drag(keyPanel->keys[4], five.GetPosition() + wxPoint(five.width / 2, five.height / 2));
  EXPECT_EQ(Function(page, "IDS_TURBO")->GetAssignedKey(), 5);
  EXPECT_EQ(Function(page, "IDS_TURBO")->drawState, 1);
  const std::vector<wxString> summaries = Summaries();
  EXPECT_EQ(summaries,
            (std::vector<wxString>{"IDS_SWITCH;IDS_SWITCH;;;;", "IDS_MODE;;;;;", "Eco;Eco;;;;",
                                   "IDS_TEMP_UP;;IDS_TEMP_UP;;;", ";;;;;", "IDS_TURBO;;;;IDS_TURBO;"}));
  testsupport::SaveWindowScreenshot(host->Frame(), "function_list.png");
  state.App().currentLangSection = "936";
  page->ApplyLanguage();
  EXPECT_EQ(Function(page, "IDS_SWING")->GetLabel(), GetLangText("IDS_SWING"));
  testsupport::SaveWindowScreenshot(host->Frame(), "function_list_zh.png");
  state.App().currentLangSection = "1252";
  page->ApplyLanguage();

  // Leaving the page forward writes the action defines.
  state.Macros()["Carrier"] = "38";
  ASSERT_TRUE(page->CheckAndApply());
  ExpectActionMacros();
  EXPECT_EQ(g_MacroMap["Carrier"], "38") << "the page adds to the table";

  // Saved: the page's keys and the key panel's.
  ASSERT_TRUE(page->SaveToProject());
  const std::vector<wxString> saved = platform::ReadProfileSection(project, "KeyConfig");
  for (const char* line :
       {"PressAndHold=1", "Double Button=1", "Button Mode=2", "Button State=1",
        "ItemKey0=IDS_SWITCH;IDS_SWITCH;;;;,IDS_MODE;;;;;,Eco;Eco;;;;,IDS_TEMP_UP;;IDS_TEMP_UP;;;,"
        ";;;;;,IDS_TURBO;;;;IDS_TURBO;"})
    EXPECT_NE(std::find(saved.begin(), saved.end(), line), saved.end()) << line;
  EXPECT_EQ(std::count_if(saved.begin(), saved.end(), [](const wxString& l) { return l.StartsWith("Item"); }),
            1)
      << "an LCD remote writes no saved key values";

  // Reopened: the document reads its key settings, the page its panels.
  state.Doc().ButtonMode = 0;
  state.Doc().PressAndHold = state.Doc().DoubleButton = 0;
  state.Macros().clear();
  CProjectFile(project).ReadKeySettings(state.Doc());
  ASSERT_EQ(g_DocManage.ButtonMode, 2);
  page = MakePage(kRemoteLcdStandard, false);
  EXPECT_EQ(Summaries(), summaries);
  EXPECT_EQ(Function(page, "IDS_TURBO")->GetAssignedKey(), 5);
  EXPECT_EQ(Function(page, "IDS_TURBO")->drawState, 1);
  EXPECT_EQ(Function(page, "IDS_SWING")->drawState, 0);
  EXPECT_EQ(Function(page, "IDS_MODE")->drawState, 2) << "mode has no two-key action";
  EXPECT_TRUE(dynamic_cast<wxRadioButton*>(page->FindWindow(CKeyConfigDlg::kActionDoubleId))->GetValue());
  ASSERT_TRUE(page->CheckAndApply());
  ExpectActionMacros();
}

TEST_F(FunctionPanelTest, BadActionDataIsReportedAndWritesNothing) {
  CKeyConfigDlg* page = MakePage(kRemoteLcdStandard, true);
  DragOntoKey(page, "IDS_WIND_SPEED", 2);
  // The fan's parameter values are gone: its line cannot be filled.
  Function(page, "IDS_WIND_SPEED")->ParamValues().clear();
  state.Macros() = {{"OpenFunc", "earlier"}};
  recorder.boxes.clear();
  EXPECT_FALSE(page->CheckAndApply());
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_NE(recorder.boxes[0].text.Find(GetLangText("IDS_WIND_SPEED")), wxNOT_FOUND);
  EXPECT_NE(recorder.boxes[0].text.Find(" 2"), wxNOT_FOUND) << "the key number";
  EXPECT_EQ(g_MacroMap, (CStringMap{{"OpenFunc", "earlier"}})) << "nothing written";
}

TEST_F(FunctionPanelTest, PanelScrollsAndFollowsTheSwitchState) {
  CKeyConfigDlg* page = MakePage(kRemoteLcdStandard, true);
  CFuncDlg* panel = page->GetFuncPanel();
  // The switch picture turns the power off: functions of the on state alone become unusable.
  wxCommandEvent off(WM_PICTURE_SELECT, CKeyConfigDlg::kSwitchPictureId);
  off.SetInt(0);
  page->GetEventHandler()->ProcessEvent(off);
  EXPECT_EQ(g_DocManage.ButtonState, 0);
  EXPECT_EQ(Function(page, "IDS_MODE")->drawState, 2);
  EXPECT_EQ(Function(page, "IDS_SWITCH")->drawState, 0);
  EXPECT_EQ(Function(page, "Eco")->drawState, 0);

  // Seven rows do not fit: a line down moves the buttons up by 15 pixels.
  panel->SetSize(wxSize(220, 120));
  panel->UpdateScrollBars();
  ASSERT_GT(panel->GetScrollRange(wxVERTICAL), 0);
  const int y = panel->Functions()[0]->GetPosition().y;
  wxScrollWinEvent down(wxEVT_SCROLLWIN_LINEDOWN, 0, wxVERTICAL);
  down.SetEventObject(panel);
  panel->GetEventHandler()->ProcessEvent(down);
  EXPECT_EQ(panel->ScrollY(), 15);
  EXPECT_EQ(panel->Functions()[0]->GetPosition().y, y - 15);
  wxScrollWinEvent up(wxEVT_SCROLLWIN_LINEUP, 0, wxVERTICAL);
  up.SetEventObject(panel);
  panel->GetEventHandler()->ProcessEvent(up);
  panel->GetEventHandler()->ProcessEvent(up);
  EXPECT_EQ(panel->ScrollY(), 0) << "never past the top";
}

TEST_F(FunctionPanelTest, FunctionWhoseRecordChangesLeavesItsKey) {
  CKeyConfigDlg* page = MakePage(kRemoteLcdStandard, true);
  DragOntoKey(page, "IDS_MODE", 1);
  DragOntoKey(page, "IDS_SWITCH", 0);
  ASSERT_EQ(Function(page, "IDS_MODE")->GetAssignedKey(), 1);
  // The mode function is now also enabled at power off.
  stFuncRecord* mode = nullptr;
  ASSERT_TRUE(FindFuncRecord(1, &mode));
  mode->CloseEnable = 1;
  page->GetFuncPanel()->ReloadFunctionStates(0);
  EXPECT_EQ(Function(page, "IDS_MODE")->BtnState, 0x1011);
  EXPECT_FALSE(Function(page, "IDS_MODE")->IsAssigned());
  EXPECT_EQ(Function(page, "IDS_SWITCH")->GetAssignedKey(), 0) << "a function of fixed states stays";
}

TEST_F(FunctionPanelTest, GeneralRemoteHasNoFunctionPanel) {
  state.Doc().RemoteType = kRemoteGeneral;
  CKeyConfigDlg* page = MakePage(kRemoteGeneral, true);
  EXPECT_FALSE(page->GetFuncPanel()->IsShown());
  EXPECT_TRUE(page->GetFuncPanel()->Functions().empty());
  EXPECT_TRUE(page->GetGrid()->IsShown());
}

}  // namespace
