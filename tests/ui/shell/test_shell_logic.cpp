// The shell's rules that need no window: flow table, navigation list search,
// caption geometry, document choice and the board's reconnect rule.
#include "ui/shell/DeviceWatcher.h"
#include "ui/shell/FlowTable.h"
#include "ui/shell/NavBar.h"
#include "ui/shell/ShellDocuments.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellHooks.h"
#include "ui/shell/StagedSave.h"

#include "TempDir.h"
#include "core/DocManage.h"
#include "platform/Profile.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

#include <set>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

std::vector<int> FlowIds(int remoteType, int protocolType, bool* known = nullptr) {
  std::vector<stFlowStep> steps;
  const bool ok = GetFlowSteps(remoteType, protocolType, steps);
  if (known) *known = ok;
  std::vector<int> ids;
  for (const auto& step : steps) ids.push_back(step.templateId);
  return ids;
}

// Messages that share a number are different event types: a page that
// handles one is never reached by the other.
TEST(Messages, SharedNumbersAreDistinctEventTypes) {
  const struct {
    wxEventTypeTag<CShellMessageEvent> shell;
    wxEventTypeTag<CShellMessageEvent> page;
  } shared[] = {{WM_PAGE_RELAYOUT, WM_REPEAT_CODE_STATE},      {WM_PAGE_RELAYOUT, WM_CONNECT_CODE_STATE},
                {WM_REPEAT_CODE_STATE, WM_CONNECT_CODE_STATE}, {WM_PAGE_UPDATE, WM_LEAD_CODE_STATE},
                {WM_SHOW_FIRST_PAGE, WM_LCD_SEG_PIN_STATE},    {WM_BUILD_DONE, WM_AIR_FORMAT_INDEX}};
  for (const auto& pair : shared) {
    wxEvtHandler handler;
    int pageCalls = 0;
    handler.Bind(pair.page, [&](CShellMessageEvent& event) {
      ++pageCalls;
      event.SetResult(event.WParam() + 1);
    });
    CShellMessageEvent other(pair.shell, 3);
    EXPECT_FALSE(handler.ProcessEvent(other));
    EXPECT_EQ(pageCalls, 0);
    CShellMessageEvent own(pair.page, 3);
    EXPECT_TRUE(handler.ProcessEvent(own));
    EXPECT_EQ(pageCalls, 1);
    EXPECT_EQ(own.GetResult(), 4);
  }

  // Every declared message is a type of its own.
  const wxEventType all[] = {WM_SAVE_PROJECT,        WM_AIR_FORMAT_TYPE,      WM_PAGE_RELAYOUT,
                             WM_PAGE_UPDATE,         WM_SHOW_FIRST_PAGE,      WM_BUILD_DONE,
                             WM_GLOBAL_SEL_CHANGED,  WM_GLOBAL_SEL_TEXT,      WM_SHOW_PROTOCOL_PAGE,
                             WM_REMOTE_TYPE_CHANGED, WM_CLOSE_MODE_PAGES,     WM_AIR_RESET_VIEW,
                             WM_WT_START_DECODE,     WM_WT_CONNECT,           WM_WT_UPDATE_FIRMWARE,
                             WM_WT_STOP_DECODE,      WM_WT_BUILD_DONE,        WM_BOARD_STATE,
                             WM_BOARD_BUTTON_STATE,  WM_BOARD_STATUS_TEXT,    WM_BOARD_UPDATE_PROGRESS,
                             WM_DECODE_WAVE_BLOCK,   WM_DECODE_PARSE,         WM_DECODE_DONE,
                             WM_DECODE_RESET,        WM_REPEAT_CODE_STATE,    WM_LEAD_CODE_STATE,
                             WM_CONNECT_CODE_STATE,  WM_AIR_FORMAT_INDEX,     WM_AIR_FORMAT_ADDED,
                             WM_FUNC_CONFIG_CHANGED, WM_AIR_FUNC_RECORD,      WM_AIR_FUNC_SELECT,
                             WM_AIR_FUNC_CHANGED,    WM_OTHER_TO_AIR,         WM_KEYBTN_NOTIFY,
                             WM_KEY_LIST_CHANGED,    WM_KEY_PIN_CHANGED,      WM_KEY_FUNC_ASSIGN,
                             WM_KEYSET_SELECT,       WM_KEY_RECORD,           WM_KEYSET_CLEAR_MARKS,
                             WM_KEYSET_MARK,         WM_KEYSET_HSCROLL,       WM_KEYSET_VSCROLL,
                             WM_KEYSET_HITTEST,      WM_KEYCFG_PORTS_CHECKED, WM_KEYCFG_DRIVER_MODE,
                             WM_KEYCFG_REFRESH,      WM_SEND_PREVIEW,         WM_SEND_PREVIEW_CLEAR,
                             WM_KEYDLG_CHOICE,       WM_FUNC_BTN_SET,         WM_FUNC_BTN_CLEAR,
                             WM_OTHER_REFRESH,       WM_LCD_REFRESH,          WM_LCD_SEG_PIN_STATE,
                             WM_LCD_CONFIG_FUNC,     WM_LCD_SWITCH_F,         WM_LCD_PIN_PICK,
                             WM_LCD_CELL_SET,        WM_LCD_ELEMENT_LIST,     WM_LCD_PIN_TABLE,
                             WM_LED_ELEMENT};
  EXPECT_EQ(std::set<wxEventType>(std::begin(all), std::end(all)).size(), std::size(all));
}

// A pointer travels whole in a message parameter.
TEST(Messages, ParametersHoldAPointer) {
  wxString name = "PA3";
  CShellMessageEvent event(WM_KEY_PIN_CHANGED, reinterpret_cast<wxIntPtr>(&name), -1);
  EXPECT_EQ(reinterpret_cast<wxString*>(event.WParam()), &name);
  EXPECT_EQ(event.LParam(), -1);
}

TEST(FlowTable, PagesByRemoteAndProtocolType) {
  bool known = false;
  EXPECT_EQ(FlowIds(0, 1, &known), (std::vector<int>{132, 129, 137}));
  EXPECT_TRUE(known);
  EXPECT_EQ(FlowIds(0, 2), (std::vector<int>{132, 145, 146, 137}));
  EXPECT_EQ(FlowIds(1, 2), (std::vector<int>{132, 147, 148, 149, 136, 137}));
  EXPECT_EQ(FlowIds(2, 2), FlowIds(1, 2));
  for (auto [r, p] : {std::pair{0, 0}, {1, 1}, {3, 2}, {-1, 1}}) {
    EXPECT_EQ(FlowIds(r, p, &known), std::vector<int>{132}) << r << "," << p;
    EXPECT_FALSE(known);
  }
  EXPECT_EQ(GetSavePages(0, 1), (std::vector<int>{129, 137}));
  EXPECT_EQ(GetSavePages(0, 2), (std::vector<int>{145, 146, 137}));
  EXPECT_EQ(GetSavePages(2, 2), (std::vector<int>{147, 148, 149, 136, 137}));
}

TEST(NavList, PlainChainGoesToNeighboursAndStopsAtTheEnds) {
  CNavList list;
  wxWindow* pages[3] = {reinterpret_cast<wxWindow*>(1), reinterpret_cast<wxWindow*>(2),
                        reinterpret_cast<wxWindow*>(3)};
  stNavNode* nodes[3];
  for (int i = 0; i < 3; ++i) nodes[i] = list.Append(pages[i]);
  EXPECT_EQ(list.first, nodes[0]);
  EXPECT_EQ(list.current, nodes[0]);
  EXPECT_EQ(list.FindForward(nodes[0], 0, 0), nodes[1]);
  EXPECT_EQ(list.FindForward(nodes[2], 0, 0), nullptr);  // the last page has no next
  EXPECT_EQ(list.FindBackward(nodes[2], 0, 0), nodes[1]);
  EXPECT_EQ(list.FindBackward(nodes[0], 0, 0), nullptr);
  EXPECT_EQ(list.FindForward(nodes[0], 1, 7), nullptr);  // no group 7
}

TEST(NavList, GroupsAreSearchedByGroupAndItem) {
  CNavList list;
  stNavNode* plain = list.Append(nullptr);
  stNavNode* group = list.Append(nullptr);
  group->groupId = 5;
  auto* a = new stNavNode{nullptr, 5, 1, group};
  auto* b = new stNavNode{nullptr, 5, 2};
  a->next = b;
  b->previous = a;
  group->firstChild = a;
  list.groups.push_back(group);
  EXPECT_EQ(list.FindForward(plain, 2, 0), b);   // into the group by item id
  EXPECT_EQ(list.FindForward(plain, 1, 5), a);   // straight to group 5, item 1
  EXPECT_EQ(list.FindBackward(b, 0, 0), plain);  // out of the group through its parent
}

class CFixedWidthBar : public CNavBar {
 public:
  explicit CFixedWidthBar(int count) {
    for (int i = 0; i < count; ++i) AddItem(wxString::Format("KEY%d", i));
    LoadTexts();
  }
  void MeasureAll(int textWidth, int width) {
    Measure([textWidth](const wxString&) { return textWidth; }, 10, 100, width, 50);
  }
};

TEST(NavBar, CaptionsAreCentredAndHitTestedWithTheirOverlap) {
  CFixedWidthBar bar(3);
  bar.MeasureAll(100, 1000);
  // total = 25 + 3 * 125 = 400; left = 500 - 200 + 10.
  EXPECT_FALSE(bar.IsCompact());
  EXPECT_EQ(bar.GetItemRect(0), wxRect(310, 100, 150, 50));
  EXPECT_EQ(bar.GetItemRect(1), wxRect(435, 100, 150, 50));
  EXPECT_EQ(bar.HitTest(440, 120), 0);  // the overlap belongs to the earlier item
  EXPECT_EQ(bar.HitTest(461, 120), 1);
  EXPECT_EQ(bar.HitTest(5, 120), 3);   // outside every item
  EXPECT_EQ(bar.HitTest(440, 99), 3);  // above the bar
  CFixedWidthBar empty(0);
  EXPECT_EQ(empty.HitTest(0, 0), 0);
}

TEST(NavBar, CaptionsWiderThanTheBarShareItEqually) {
  CFixedWidthBar bar(4);
  bar.MeasureAll(400, 600);
  EXPECT_TRUE(bar.IsCompact());
  // Every width (600 - 96) / 4 = 126.
  EXPECT_EQ(bar.GetItemRect(0).width, 126 + 50);
  EXPECT_EQ(bar.GetItemRect(1).x - bar.GetItemRect(0).x, 126 + 25);
}

TEST(Documents, TheNewestVersionOrTheLongerNameIsChosen) {
  const wxString base = "Olvanta User's Guide";
  struct Case {
    std::vector<wxString> titles;
    wxString chosen;
  } cases[] = {
      {{base + "V100(1252)", base + "V101(1252)"}, base + "V101(1252)"},
      {{base + "V101(1252)", base + "V100(1252)"}, base + "V101(1252)"},
      {{base + "(1252)"}, base + "(1252)"},
      {{base}, base},  // not longer: ignored
      {{base + "VV7(936)", base + "V3(936)"}, base + "VV7(936)"},
      {{base + "V0(950)"}, base},  // version 0 is not above 0
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseDocumentTitle(base, c.titles), c.chosen);
  EXPECT_EQ(DocumentPattern("/d", "Guide", "936", true), "/d/Guide*(936).pdf");
  EXPECT_EQ(DocumentPattern("/d", "Guide", "936", false), "/d/Guide.pdf");
}

TEST(Documents, EveryManualOfTheMenusIsInTheInstallFolder) {
  const wxString doc = wxString(OLV_SOURCE_DIR) + "/install/DOC";
  for (const char* lang : {"1252", "936", "950"}) {
    for (const char* name : {"Olvanta User's Guide", "Infrared Remote Controller Knowledge base"}) {
      EXPECT_FALSE(FindDocument(doc, name, lang, true).empty()) << name << " " << lang;
    }
  }
  for (const char* name : {"Olvanta使用手册v100", "红外线(IR)遥控器理论知识库v100"}) {
    EXPECT_FALSE(FindDocument(doc, wxString::FromUTF8(name), "936", false).empty()) << name;
  }
}

TEST(ReceiverBoard, ReconnectOnlyWhenTheBoardStateChanges) {
  EXPECT_TRUE(IsReceiverBoardDevice(0x2F5C, 0x6A17));
  EXPECT_TRUE(IsReceiverBoardDevice(0x2F5C, 0x4C51));   // bootloader
  EXPECT_FALSE(IsReceiverBoardDevice(0x1234, 0x4C51));  // another maker's device
  EXPECT_FALSE(IsReceiverBoardDevice(0x2F5C, 0x1234));  // another product of the maker
  EXPECT_FALSE(IsReceiverBoardDevice(0x046D, 0xC077));
  struct Case {
    int state;
    bool arrival;
    bool reconnect;
  } cases[] = {{0, true, true},   {1, true, true},   {2, true, false},
               {0, false, false}, {1, false, false}, {2, false, true}};
  for (const Case& c : cases) EXPECT_EQ(ShouldReconnect(c.state, c.arrival), c.reconnect) << c.state;
}

}  // namespace

// A project file on disk, "Remote" on QK37A0660, in a folder of the test's own.
class StagedSave : public ::testing::Test {
 protected:
  void SetUp() override {
    state.Doc().ProjectFolder = dir.Path();
    state.Doc().ProjectName = "Remote";
    state.Doc().McuName = "QK37A0660";
    project = g_DocManage.BuildProjectFilePath();
    ASSERT_TRUE(g_DocManage.CreateProjectFile(false, true));
  }

  testsupport::ProgramState state;
  testsupport::TempDir dir;
  wxString project;
};

// The keys the file on disk holds and no page wrote this time stay, after
// the ones the save wrote, and the save's own values win.
TEST_F(StagedSave, KeysNoPageWroteAreCarriedOverBesideTheSavedOnes) {
  {
    platform::ProfileWriteBatch onDisk(project);
    for (int k = 0; k < 300; ++k)
      ASSERT_TRUE(platform::WriteProfileString(project, "Key1", wxString::Format("Code%d", k), "old"));
    ASSERT_TRUE(platform::WriteProfileString(project, "Other", "A", "1"));
    ASSERT_TRUE(onDisk.Commit());
  }
  {
    CStagedProjectSave save;
    ASSERT_TRUE(save.Begin());
    ASSERT_TRUE(platform::WriteProfileString(g_DocManage.ProjectFilePath, "Key1", "Code7", "new"));
    ASSERT_TRUE(platform::WriteProfileString(g_DocManage.ProjectFilePath, "Key1", "Added", "x"));
    ASSERT_TRUE(save.Commit());
  }
  platform::ClearProfileCache();
  const std::vector<wxString> keys = platform::ReadProfileKeys(project, "Key1");
  ASSERT_EQ(keys.size(), 301u);
  EXPECT_EQ(keys[0], "Code7");
  EXPECT_EQ(keys[1], "Added");
  EXPECT_EQ(keys[2], "Code0");
  EXPECT_EQ(platform::ReadProfileString(project, "Key1", "Code7", ""), "new");
  EXPECT_EQ(platform::ReadProfileString(project, "Key1", "Code299", ""), "old");
  EXPECT_EQ(platform::ReadProfileString(project, "Other", "A", ""), "1");
  EXPECT_EQ(platform::ReadProfileString(project, "Project", "MCU", ""), "QK37A0660");
}

#ifndef _WIN32
namespace {

// Saving goes through a staged file that then replaces the project file; the
// project file keeps its permissions.
TEST_F(StagedSave, ProjectFileKeepsItsModeAcrossASave) {
  ASSERT_EQ(::chmod(project.utf8_str(), 0600), 0);
  {
    CStagedProjectSave save;
    ASSERT_TRUE(save.Begin());
    ASSERT_TRUE(save.Commit());
  }
  struct stat st;
  ASSERT_EQ(::stat(project.utf8_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(platform::ReadProfileString(project, "Project", "MCU", ""), "QK37A0660");
  EXPECT_EQ(g_DocManage.ProjectFilePath, project);
}

}  // namespace
#endif
