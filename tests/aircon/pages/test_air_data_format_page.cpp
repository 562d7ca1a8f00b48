// The air-conditioner data-format page in the main window (maker brand): an
// LCD-standard project made through the new-project dialog reaches it from
// the carrier page on the installed air protocol. The user switches the
// views, drags blocks into the two groups with the pointer (verify 2 is
// refused in group 1), meets the resource warning at the limit, turns group
// 2 on and off (refused while it holds a fixed function), adds and names
// functions, goes on to the key page, saves and reopens the project; the
// carrier page's scheme change reloads the page; a language switch renames
// default names; the guide is offered once.
#include "aircon/pages/AirDataFormat.h"
#include "aircon/pages/AirFuncEditors.h"
#include "aircon/pages/AirModulation.h"
#include "aircon/pages/AirconPages.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FuncRecords.h"
#include "core/LangText.h"
#include "core/ProjectFile.h"
#include "core/UserIni.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Format.h"
#include "platform/Profile.h"
#include "ui/GuideOverlay.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/PageMessages.h"
#include "LayoutChecks.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "RealInput.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/tglbtn.h>

namespace {

using namespace aircon;
using namespace aircon::airformat_id;
using olv::protocol::BlockRect;
using olv::protocol::FrameItem;
using olv::protocol::stListBlock;

#ifdef OLV_BRAND_MAKER
constexpr int kBrand = 1;
#else
constexpr int kBrand = 0;
#endif

constexpr int kLcdStandardMode = 3;  // the new-project dialog's list

// Function numbers of the LCD-standard remote's air protocol.
enum : int {
  kSwitch = 0,
  kMode = 1,
  kTemp = 2,
  kWind = 3,
  kTime = 4,
  kSwing = 5,
  kSleep = 6,
  kTurbo = 7,
  kLight = 8,
  kVerify = 11,
  kVerify2 = 12,
  kFixCode1 = 13,
  kFixCode3 = 15,
  kFixCode4 = 16,
};

// An editor standing in for the block editors: records what it is given.
std::vector<int> g_editorsMade;
class CFakeEditor : public wxPanel, public IAirFuncEditor {
 public:
  CFakeEditor(wxWindow* parent, int id) : wxPanel(parent, id) { g_editorsMade.push_back(id); }
  wxWindow* GetWindow() override { return this; }
  void SetUsedNames(const wxString& group1, const wxString& group2) override { used = group1 + "|" + group2; }
  void Edit(const stEditorRequest& request) override { requests.push_back(request); }
  void SetupVerify(stVerifyItem& item, const wxString& sendOrder) override {
    setups.emplace_back(&item, sendOrder);
  }
  wxString used;
  std::vector<stEditorRequest> requests;
  std::vector<std::pair<stVerifyItem*, wxString>> setups;
};

wxPoint Centre(const BlockRect& r) { return wxPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

class AirDataFormatPageTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    if (kBrand == 0) GTEST_SKIP() << "the LCD remotes are the maker brand's";
    ResetToInstalledProgram();
    state.BrandFlag() = kBrand;
    state.Doc().ProjectFilePath.clear();
    state.Doc().Modified = 0;
    RegisterAirconPages();
    RegisterKeysPages();
    // The guides stay away unless a test asks for them.
    const wxString userIni = GetUserIniPath();
    platform::WriteProfileString(userIni, "Olvanta", "Prompt_AirDataFormat", "1");
    platform::WriteProfileString(userIni, "Olvanta", "Prompt_UserDef_Air", "1");
  }

  void TearDown() override {
    for (int id : {kAirModulationId, kAirDataFormatId, kKeyConfigId}) RegisterShellPage(id, nullptr);
    for (int id : kAirEditorIds) RegisterAirFuncEditor(id, nullptr);
  }

  // The main window with an LCD-standard project made from the start page,
  // on the data-format page after the carrier page took scheme 0's values.
  void WithProject(const std::function<void()>& body) {
    RunMainWindow([&] {
      ASSERT_NO_FATAL_FAILURE(
          CreateProjectWithNewProjectDialog("Air Remote", work.File("projects"), kLcdStandardMode));
      ASSERT_EQ(g_DocManage.RemoteType, kRemoteLcdStandard);
      project = g_DocManage.GetProjectFilePath();
      ASSERT_TRUE(Carrier());
      Carrier()->LoadSchemeDefaults(0);
      Carrier()->RefreshControls();
      Press(Carrier()->FindWindow(kNext));
      ASSERT_EQ(dialog->GetCurrentPage(), Page());
      testsupport::PumpEvents();
      recorder.boxes.clear();
      body();
    });
  }

  CAirDataFormat* Page() const { return dynamic_cast<CAirDataFormat*>(dialog->FindPage(kAirDataFormatId)); }
  CAirModulation* Carrier() const {
    return dynamic_cast<CAirModulation*>(dialog->FindPage(kAirModulationId));
  }
  CAirDataFormatModel& Model() const { return Page()->Model(); }
  CAirSendFormat& Group1() const { return Model().Group1(); }
  CAirSendFormat& Group2() const { return Model().Group2(); }
  stListBlock& Function(int number) const { return *Model().FunctionList()[number]; }
  FrameItem* Item(int number) const { return Function(number).item.get(); }
  stListBlock& User(int j) const { return *Model().UserList()[j]; }
  stListBlock& Pure(int k) const { return *Model().PureDataList()[k]; }

  // Points of the page the pointer goes to.
  wxPoint InGrid(const stListBlock& entry) const { return Centre(entry.block.Rect()); }
  wxPoint InPlace(CAirSendFormat& format, const FrameItem* item) const {
    const int at = format.FindWnd(item);
    EXPECT_GE(at, 0);
    return at < 0 ? wxPoint() : Centre(format.Place(at).Rect());
  }
  // The free place after a diagram's last block.
  wxPoint AtEnd(CAirSendFormat& format) const {
    return Centre(format.Place(format.LastBoundIndex() + 1).Rect());
  }
  // A point of the page off the rows and the grid.
  wxPoint OffTheRows() const { return wxPoint(Page()->GetClientSize().x - 100, 320); }

  void Drag(const wxPoint& from, const wxPoint& to) {
    ASSERT_TRUE(testsupport::RealDrag(Page(), from, to));
    testsupport::PumpEvents();
  }
  void ClickAt(const wxPoint& point) {
    ASSERT_TRUE(testsupport::RealClick(Page(), point));
    testsupport::PumpEvents();
  }
  void ClickControl(int id) {
    ASSERT_TRUE(testsupport::RealClick(Page()->FindWindow(id)));
    testsupport::PumpEvents();
  }
  void ShowView(int id) {
    ClickControl(id);
    EXPECT_TRUE(static_cast<wxToggleButton*>(Page()->FindWindow(id))->GetValue());
  }
  bool Group2Checked() const {
    return static_cast<wxCheckBox*>(Page()->FindWindow(kGroup2Check))->GetValue();
  }
  bool Shown(int id) const { return Page()->FindWindow(id)->IsShown(); }

  // A name proposed for a user-defined or pure-data function, as its editor
  // sends it; the page's answer (1: taken).
  long ProposeName(int index, bool pure, const wxString& name) {
    stFuncRecord record;
    record.FuncNo = index;
    record.PureData = pure ? 1 : 0;
    CShellMessageEvent event(WM_AIR_FUNC_RECORD, 0, reinterpret_cast<wxIntPtr>(&record));
    event.SetString(name);
    Page()->ProcessWindowEvent(event);
    testsupport::PumpEvents();
    return event.GetResult();
  }
  // Adds a function with the pointer from the "+" block of the user-defined
  // (or pure-data) view, and names it.
  void AddFunction(bool pure, const wxString& name) {
    ShowView(pure ? kPureDataView : kUserView);
    const auto& list = pure ? Model().PureDataList() : Model().UserList();
    const std::size_t before = list.size();
    ClickAt(InGrid(*list.back()));
    ASSERT_EQ(list.size(), before + 1);
    ASSERT_EQ(ProposeName(static_cast<int>(before) - 1, pure, name), 1);
  }

  // Types a value into the interval as the user does.
  void TypeInterval(const wxString& text) {
    wxTextCtrl* entry = Page()->GetEditById(kInterval)->GetEdit()->GetTextCtrl();
    wxWindow* next = Page()->FindWindow(kNext);
    entry->SetFocus();
    testsupport::MoveFocus(next, entry);
    entry->SetInsertionPointEnd();
    for (std::size_t n = entry->GetValue().length(); n > 0; --n) testsupport::TypeKey(entry, WXK_BACK);
    testsupport::TypeText(entry, text);
    testsupport::MoveFocus(entry, next);
  }

  wxString Param(int n) const { return g_DocManage.GetParam(n); }
  std::vector<wxString> Section(const wxString& name) const {
    return platform::ReadProfileSection(project, name);
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
  wxString project;
};

TEST_F(AirDataFormatPageTest, ViewsDragsAndTheTwoGroups) {
  WithProject([&] {
    const wxString order0 =
        "IDS_GUIDE_CODE,IDS_MODE,IDS_SWITCH,IDS_WIND_SPEED,IDS_SWING,IDS_SLEEP,IDS_TEMP_DATA,IDS_TIME_DATA,"
        "IDS_TURBO,IDS_LIGHT,IDS_FIX_CODE1,IDS_CONNECT_CODE,IDS_FIX_CODE2,IDS_VERIFY,";
    ASSERT_EQ(Model().JoinFrameTexts(), order0);
    EXPECT_FALSE(Model().HasGroup2());
    EXPECT_TRUE(Shown(kGroup2Check));  // an LCD-standard remote has a second group
    EXPECT_FALSE(Shown(kBytes2Label));
    EXPECT_EQ(Page()->GetEditById(kBytes)->GetWindowText(), "12");

    // The three views: every function of the first is sent; the pure-data
    // view holds what is not (verify 2, constant codes 3 and 4) and its "+".
    ShowView(kPureDataView);
    for (int number : {kVerify2, kFixCode3, kFixCode4})
      EXPECT_TRUE(Function(number).block.IsVisible()) << number;
    for (int number : {kTemp, kVerify, kFixCode1}) EXPECT_FALSE(Function(number).block.IsVisible()) << number;
    EXPECT_TRUE(Pure(0).block.IsVisible());
    ShowView(kUserView);
    EXPECT_TRUE(User(0).block.IsVisible());
    EXPECT_FALSE(Function(kVerify2).block.IsVisible());
    ShowView(kFunctionsView);
    EXPECT_FALSE(Function(kLight).block.IsVisible());

    // The light dragged out of group 1 goes back to the grid; dragged onto
    // the mode's place it stands before it.
    Drag(InPlace(Group1(), Item(kLight)), OffTheRows());
    EXPECT_EQ(Group1().FindWnd(Item(kLight)), -1);
    EXPECT_TRUE(Function(kLight).block.IsVisible());
    EXPECT_FALSE(Param(17).Contains("IDS_LIGHT"));
    Drag(InGrid(Function(kLight)), InPlace(Group1(), Item(kMode)));
    EXPECT_TRUE(Param(17).StartsWith("IDS_GUIDE_CODE,IDS_LIGHT,IDS_MODE,IDS_SWITCH,"));
    EXPECT_FALSE(Function(kLight).block.IsVisible());
    // The lead code stays where it is.
    Drag(Centre(Group1().Place(0).Rect()), OffTheRows());
    EXPECT_TRUE(Group1().Place(0).IsBound());

    // Group 2 on: its row with the lead and the connect code, its bytes and interval.
    ClickControl(kGroup2Check);
    ASSERT_TRUE(Model().HasGroup2());
    EXPECT_EQ(g_DocManage.OpenGroup2, 1);
    EXPECT_EQ(Model().JoinFrameTexts2(), "IDS_GUIDE_CODE,IDS_CONNECT_CODE,");
    EXPECT_TRUE(Shown(kBytes2Label));
    EXPECT_TRUE(Page()->GetEditById(kInterval)->GetEdit()->IsShown());

    // Verify 2 is refused in group 1 and taken in group 2.
    ShowView(kPureDataView);
    Drag(InGrid(Function(kVerify2)), AtEnd(Group1()));
    EXPECT_EQ(Group1().FindWnd(Item(kVerify2)), -1);
    EXPECT_TRUE(Function(kVerify2).block.IsVisible());
    Drag(InGrid(Function(kVerify2)), AtEnd(Group2()));
    EXPECT_GE(Group2().FindWnd(Item(kVerify2)), 0);
    EXPECT_EQ(Param(20), "IDS_GUIDE_CODE,IDS_CONNECT_CODE,IDS_VERIFY2,");
    EXPECT_EQ(Page()->GetEditById(kBytes2)->GetWindowText(), "1");
    EXPECT_TRUE(recorder.boxes.empty());
    testsupport::SaveWindowScreenshot(dialog, "air_data_format_group2.png");

    // The resource warning: none at the limit, shown one above it.
    const int limit = Model().GroupLimit();
    ASSERT_LT(Model().TotalWeight(), limit);
    state.FuncRecords().records.at(kTime).Weight += limit - Model().TotalWeight();
    Model().RecomputeTotals();
    Page()->ShowModelState();
    EXPECT_EQ(Model().TotalWeight(), limit);
    EXPECT_FALSE(Shown(kWarning));
    Drag(InGrid(Function(kFixCode3)), AtEnd(Group1()));  // weight 1
    EXPECT_EQ(Model().TotalWeight(), limit + 1);
    EXPECT_TRUE(Shown(kWarning));

    // Group 2 stays on while it holds a fixed function (the power).
    Drag(InPlace(Group1(), Item(kSwitch)), AtEnd(Group2()));
    ASSERT_GE(Group2().FindWnd(Item(kSwitch)), 0);
    ClickControl(kGroup2Check);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text,
              platform::FormatText(GetLangText("IDS_PROMPT_FUNC_SELECTED"), GetLangText("IDS_SWITCH")));
    EXPECT_TRUE(Group2Checked());
    EXPECT_TRUE(Model().HasGroup2());
    // A fixed function dragged off the rows goes back where it was.
    Drag(InPlace(Group2(), Item(kSwitch)), OffTheRows());
    EXPECT_GE(Group2().FindWnd(Item(kSwitch)), 0);
    Drag(InPlace(Group2(), Item(kSwitch)), InPlace(Group1(), Item(kMode)));
    ASSERT_GE(Group1().FindWnd(Item(kSwitch)), 0);
    ClickControl(kGroup2Check);
    EXPECT_FALSE(Group2Checked());
    EXPECT_FALSE(Model().HasGroup2());
    EXPECT_EQ(g_DocManage.OpenGroup2, 0);
    EXPECT_FALSE(Shown(kBytes2Label));
    EXPECT_TRUE(Function(kVerify2).block.IsVisible());  // back in the pure-data view
    EXPECT_EQ(recorder.boxes.size(), 1u);
  });
}

TEST_F(AirDataFormatPageTest, FunctionsAddedAndNamedReachTheKeyPageTheFileAndAReopenedProject) {
  WithProject([&] {
    AddFunction(false, "Eco");
    // A name the other list has already is refused.
    ShowView(kPureDataView);
    ClickAt(InGrid(Pure(0)));
    ASSERT_EQ(Model().PureDataList().size(), 2u);
    EXPECT_EQ(ProposeName(0, true, "eco"), 0);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_FUNC_NAMEDALREADY"));
    EXPECT_EQ(ProposeName(0, true, "Raw"), 1);
    EXPECT_EQ(Pure(0).block.GetText(), "Raw");

    ShowView(kUserView);
    Drag(InGrid(User(0)), AtEnd(Group1()));
    ClickControl(kGroup2Check);
    ShowView(kFunctionsView);
    Drag(InPlace(Group1(), Item(kSleep)), AtEnd(Group2()));
    TypeInterval("75");
    ClickControl(kMsbFirst);
    const wxString order1 = Model().JoinFrameTexts();
    const wxString order2 = Model().JoinFrameTexts2();
    EXPECT_TRUE(order1.EndsWith(",IDS_VERIFY,Eco,"));
    EXPECT_EQ(order2, "IDS_GUIDE_CODE,IDS_CONNECT_CODE,IDS_SLEEP,");

    // Next: the parameters, the bit order and the blocks for the later pages.
    Press(Page()->FindWindow(kNext));
    auto* keys = dynamic_cast<CKeyConfigDlg*>(dialog->FindPage(kKeyConfigId));
    ASSERT_TRUE(keys);
    ASSERT_EQ(dialog->GetCurrentPage(), keys);
    EXPECT_EQ(Param(17), order1);
    EXPECT_EQ(Param(20), order2);
    EXPECT_EQ(Param(21), "75");
    EXPECT_EQ(g_DocManage.LsbFirst, 0);
    EXPECT_EQ(g_DocManage.DataProcessFirst, 17);
    EXPECT_EQ(g_DocManage.DataProcessCount, 1);
    bool listed = false;
    for (CKeyButton* button : keys->GetFuncPanel()->UserFunctions())
      listed = listed || (button->GetCaptionKey() == "Eco" && button->IsShown());
    EXPECT_TRUE(listed) << "the key page's function list shows the user function";

    // The save writes the page's sections.
    ASSERT_TRUE(dialog->SaveProject());
    const std::vector<wxString> custom = Section("Custom");
    const auto has = [&](const wxString& line) {
      return std::find(custom.begin(), custom.end(), line) != custom.end();
    };
    EXPECT_TRUE(
        has("SendData=IDS_GUIDE_CODE,IDS_MODE,IDS_SWITCH,IDS_WIND_SPEED,IDS_SWING,IDS_TEMP_DATA,"
            "IDS_TIME_DATA,IDS_TURBO,IDS_LIGHT,IDS_FIX_CODE1,IDS_CONNECT_CODE,IDS_FIX_CODE2,IDS_VERIFY,Eco"));
    EXPECT_TRUE(has("SendDataEx=IDS_GUIDE_CODE,IDS_CONNECT_CODE,IDS_SLEEP"));
    EXPECT_TRUE(has("OpenGroup2=1"));
    EXPECT_TRUE(has("AIR_MSB_FIRST=1"));
    EXPECT_TRUE(has("AIR_GROUP_INTERVAL=75"));
    EXPECT_TRUE(has("FormatType=0"));
    EXPECT_EQ(Section("UserDefine_Info"),
              (std::vector<wxString>{"Count=2", "UDFunc0=Eco", "UDFunc1=IDS_UD_FUNC_NEW"}));
    EXPECT_EQ(Section("PureData_UserDefine_Info"),
              (std::vector<wxString>{"Count=2", "PureData_UDFunc0=Raw", "PureData_UDFunc1=IDS_UD_FUNC_NEW"}));
    EXPECT_EQ(Section("Func17"),
              (std::vector<wxString>{"OpenEnable=1", "CloseEnable=0", "ModeSelect=31", "StartPos=0",
                                     "EndPos=1", "Bits=1", "Reserve=0", "Group=2", "Data0=0,IDS_CLOSE_DES",
                                     "Data1=1,IDS_OPEN_DES", "DataShow=0", "ProcessMethod=1", "ZeroShow=0"}));
    EXPECT_EQ(Section("Func6"),
              (std::vector<wxString>{"OpenEnable=1", "CloseEnable=0", "ModeSelect=19", "StartPos=0",
                                     "EndPos=1", "Bits=1", "Reserve=0", "Group=2", "Data0=0,IDS_CLOSE_DES",
                                     "Data1=1,IDS_OPEN_DES"}));
    EXPECT_TRUE(Section("Func9").empty());  // the lead code has no record

    // Reopened: diagrams, lists and records as they were.
    state.FuncRecords().records.at(17).ModeSelect = 0;
    ASSERT_EQ(dialog->OpenProjectFile(project), 2);
    testsupport::PumpEvents();
    EXPECT_EQ(Model().JoinFrameTexts(), order1);
    EXPECT_EQ(Model().JoinFrameTexts2(), order2);
    EXPECT_TRUE(Model().HasGroup2());
    ASSERT_EQ(Model().UserList().size(), 2u);
    EXPECT_EQ(User(0).block.GetText(), "Eco");
    EXPECT_EQ(Pure(0).block.GetText(), "Raw");
    EXPECT_EQ(state.FuncRecords().records.at(17).ModeSelect, 31);
    EXPECT_EQ(Page()->GetEditById(kInterval)->GetWindowText(), "75");
    EXPECT_TRUE(static_cast<wxRadioButton*>(Page()->FindWindow(kMsbFirst))->GetValue());
  });
}

TEST_F(AirDataFormatPageTest, SchemeChangeOnTheCarrierPageReloadsThePage) {
  WithProject([&] {
    AddFunction(false, "Eco");
    Press(Page()->FindWindow(kBack));
    ASSERT_EQ(dialog->GetCurrentPage(), Carrier());
    recorder.answers = {platform::kIdOk};
    Pick(Carrier()->GetSchemeList(), 1);
    ASSERT_EQ(g_DocManage.AirFormatType, 1);
    EXPECT_TRUE(Model().HasGroup2());
    EXPECT_EQ(Model().JoinFrameTexts(),
              "IDS_GUIDE_CODE,IDS_FIX_CODE1,IDS_SWITCH,IDS_WIND_SPEED,IDS_MODE,IDS_TEMP_DATA,IDS_VERIFY,");
    EXPECT_EQ(Model().JoinFrameTexts2(),
              "IDS_GUIDE_CODE,IDS_SWING,IDS_SLEEP,IDS_TURBO,IDS_LIGHT,IDS_TIME_DATA,IDS_VERIFY2,");
    EXPECT_TRUE(Model().FindCheck(kGroup2Check)->checked);
    EXPECT_EQ(Page()->GetEditById(kInterval)->GetWindowText(), "40");
  });
}

TEST_F(AirDataFormatPageTest, LanguageSwitchRenamesDefaultNamesAndEveryTextFits) {
  WithProject([&] {
    const wxString english = GetLangText("IDS_UD_DATA") + "1";
    AddFunction(false, english);
    Drag(InGrid(User(0)), AtEnd(Group1()));
    ShowView(kFunctionsView);
    Drag(InPlace(Group1(), Item(kLight)), OffTheRows());
    Drag(InPlace(Group1(), Item(kTurbo)), OffTheRows());
    ClickControl(kGroup2Check);
    Drag(InGrid(Function(kTurbo)), AtEnd(Group2()));
    ClickAt(InGrid(Function(kLight)));  // picked: framed
    EXPECT_EQ(testsupport::ClippedTexts(Page()), "");
    testsupport::SaveWindowScreenshot(dialog, "air_data_format_page_en.png");

    dialog->SwitchLanguage("936");
    testsupport::PumpEvents();
    const wxString chinese = GetLangText("IDS_UD_DATA") + "1";
    ASSERT_NE(chinese, english);
    EXPECT_EQ(User(0).block.GetText(), chinese);
    EXPECT_EQ(state.FuncRecords().records.at(17).Name, chinese);
    EXPECT_TRUE(Model().JoinFrameTexts().EndsWith("," + chinese + ",")) << Model().JoinFrameTexts();
    EXPECT_EQ(Page()->FindWindow(kUserView)->GetLabel(), GetLangText("IDS_BTN_UD_FUNC"));
    EXPECT_EQ(Page()->FindWindow(kGroup2Check)->GetLabel(), GetLangText("IDS_GROUP2_ENABLE"));
    EXPECT_EQ(testsupport::ClippedTexts(Page()), "");
    testsupport::SaveWindowScreenshot(dialog, "air_data_format_page_zh.png");

    // At the window's least size both languages show every text whole.
    dialog->SetSize(dialog->GetMinSize());
    testsupport::PumpEvents();
    for (const char* language : {"936", "1252"}) {
      SCOPED_TRACE(language);
      dialog->SwitchLanguage(language);
      testsupport::PumpEvents();
      EXPECT_EQ(testsupport::ClippedTexts(Page()), "");
      EXPECT_EQ(testsupport::OverlappingControls(Page()), "");
    }
    EXPECT_EQ(User(0).block.GetText(), english);
    testsupport::SaveWindowScreenshot(dialog, "air_data_format_page_least_size.png");
  });
}

TEST_F(AirDataFormatPageTest, TheEditorOfAPickedBlockShowsItsRecordInTheParameterArea) {
  g_editorsMade.clear();
  for (int id : kAirEditorIds)
    RegisterAirFuncEditor(id,
                          [id](wxWindow* parent) -> IAirFuncEditor* { return new CFakeEditor(parent, id); });
  WithProject([&] {
    EXPECT_EQ(g_editorsMade, (std::vector<int>{172, 173, 174, 175, 180, 183}));
    auto* function = dynamic_cast<CFakeEditor*>(Page()->GetEditor(kFunctionEditorId));
    auto* verify = dynamic_cast<CFakeEditor*>(Page()->GetEditor(kVerifyEditorId));
    auto* simple = dynamic_cast<CFakeEditor*>(Page()->GetEditor(kSimpleEditorId));
    auto* user = dynamic_cast<CFakeEditor*>(Page()->GetEditor(kUserDefinedEditorId));
    ASSERT_TRUE(function && verify && simple && user);
    EXPECT_EQ(Page()->ShownEditor(), nullptr);

    // A block of a diagram: its editor shows in the parameter area with its record.
    ClickAt(InPlace(Group1(), Item(kMode)));
    EXPECT_EQ(Page()->ShownEditor(), function);
    EXPECT_TRUE(function->IsShown());
    EXPECT_FALSE(verify->IsShown());
    ASSERT_EQ(function->requests.size(), 1u);
    EXPECT_EQ(function->requests[0].record, &state.FuncRecords().records.at(kMode));
    EXPECT_EQ(function->requests[0].modeNames.size(), 5u);
    EXPECT_EQ(function->used, Model().JoinFrameTexts() + "|");
    wxRect area;
    ASSERT_TRUE(Page()->GetLayout().GetElementRect("Param_Area", area));
    EXPECT_EQ(function->GetRect(), area);

    // The verify code: its setting and its group's send order; a change of
    // the send order sets the verify editor up again.
    ClickAt(InPlace(Group1(), Item(kVerify)));
    EXPECT_EQ(Page()->ShownEditor(), verify);
    EXPECT_FALSE(function->IsShown());
    ASSERT_EQ(verify->requests.size(), 1u);
    EXPECT_EQ(verify->requests[0].verifyItem, &state.FuncRecords().verify1);
    EXPECT_EQ(verify->requests[0].itemList, Model().JoinFrameTexts());
    verify->setups.clear();
    Drag(InPlace(Group1(), Item(kLight)), OffTheRows());
    ASSERT_FALSE(verify->setups.empty());
    EXPECT_EQ(verify->setups[0].first, &state.FuncRecords().verify1);
    EXPECT_EQ(verify->setups[0].second, Model().JoinFrameTexts());

    // A new user-defined function opens its editor with its record.
    ShowView(kUserView);
    ClickAt(InGrid(User(0)));
    EXPECT_EQ(Page()->ShownEditor(), user);
    ASSERT_EQ(user->requests.size(), 1u);
    EXPECT_EQ(user->requests[0].record, &state.FuncRecords().records.at(17));
    EXPECT_EQ(user->requests[0].record->FuncNo, 0);

    // The temperature's editor is handed its record again when the
    // other-settings page clears its display in the off state.
    ClickAt(InPlace(Group1(), Item(kTemp)));
    EXPECT_EQ(Page()->ShownEditor(), simple);
    state.FuncRecords().records.at(kTemp).CloseEnable = 1;
    EXPECT_EQ(SendShellMessage(Page(), WM_OTHER_TO_AIR, 1), 1);
    EXPECT_EQ(state.FuncRecords().records.at(kTemp).CloseEnable, 0);
    EXPECT_EQ(simple->requests.size(), 2u);

    // The main window's reset hides the editors.
    EXPECT_EQ(SendShellMessage(Page(), WM_AIR_RESET_VIEW), 1);
    EXPECT_EQ(Page()->ShownEditor(), nullptr);
    EXPECT_FALSE(simple->IsShown());
  });
}

TEST_F(AirDataFormatPageTest, GuideIsOfferedOnceAndArmsTheLaterPages) {
  WithProject([&] {
    const wxString userIni = GetUserIniPath();
    platform::WriteProfileString(userIni, "Olvanta", "Prompt_AirDataFormat", "0x0");
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
    DisarmGuidePrompt(GuidePrompt::kKeyPage);
    DisarmGuidePrompt(GuidePrompt::kLcdPage);
    ArmGuidePrompt(GuidePrompt::kAirDataFormat);
    Page()->Hide();
    Page()->Show();
    wxTheApp->CallAfter(closeGuide);
    testsupport::PumpEvents();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(steps.size(), 3u);
    EXPECT_FALSE(IsGuidePromptArmed(GuidePrompt::kAirDataFormat));
    EXPECT_TRUE(IsGuidePromptArmed(GuidePrompt::kKeyPage));
    EXPECT_TRUE(IsGuidePromptArmed(GuidePrompt::kLcdPage));
    EXPECT_EQ(platform::ReadProfileString(userIni, "Olvanta", "Prompt_AirDataFormat", ""), "1");

    // Armed again, but turned off for good: nothing opens.
    ArmGuidePrompt(GuidePrompt::kAirDataFormat);
    Page()->Hide();
    Page()->Show();
    wxTheApp->CallAfter(closeGuide);
    testsupport::PumpEvents();
    EXPECT_EQ(shown, 1);
    DisarmGuidePrompt(GuidePrompt::kAirDataFormat);
  });
}

}  // namespace
