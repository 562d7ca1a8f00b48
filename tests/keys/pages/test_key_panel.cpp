// The key panel: codes typed into a general remote's keys (scrolled to the
// last key), saved and read back; functions dropped on an LCD remote's keys
// through the key page (refused on a reserved or taken key); the touch-key
// dialog; screenshots of both.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/ExprEngine.h"
#include "core/FuncRecords.h"
#include "core/LangText.h"
#include "core/ProjectFile.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyDlg.h"
#include "keys/pages/KeyDlgEx.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "ui/FuncBtn.h"
#include "ui/LUMaskEdit.h"
#include "ui/shell/PageMessages.h"
#include "HostFrame.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "UiEvents.h"
#include "ProgramTestBase.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>

namespace {

using testsupport::PumpEvents;

class KeyPanelTest : public testsupport::ProgramTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().RemoteType = kRemoteGeneral;
    state.Doc().CommandBits = 8;
    state.Doc().VssRow = 0;
    state.Doc().Loading = 0;
    state.Doc().Modified = 0;
    state.Doc().ProjectName = "Remote";
    ASSERT_TRUE(CProjectFile(project).CreateEmpty());
  }
  void TearDown() override { host.reset(); }

  CKeyDlgEx* MakePanel(const wxSize& size, int lines, int active) {
    host = std::make_unique<testsupport::HostFrame>(wxSize(size.x + 40, size.y + 60), wxPoint(20, 20));
    auto* panel = new CKeyDlgEx(host->Page());
    panel->SetSize(10, 10, size.x, size.y);
    panel->BuildKeypad(lines, false);
    panel->SetActiveSize(active);
    host->Frame()->Show();
    PumpEvents();
    return panel;
  }

  // Clicks a key's code box, types the digits and clicks off the keys.
  static void TypeCode(CKeyDlgEx* panel, int cell, const wxString& digits) {
    const wxRect box = panel->CellBoxRect(cell);
    testsupport::Click(panel, box.GetPosition() + wxPoint(box.width / 2, box.height / 2));
    PumpEvents();
    ASSERT_EQ(panel->EditedCell(), cell);
    wxTextCtrl* text = panel->GetCodeEditor()->GetTextCtrl();
    text->SelectAll();
    testsupport::TypeKey(text, WXK_BACK);
    testsupport::TypeText(text, digits);
    testsupport::MoveFocus(text, panel);
    PumpEvents();
  }

  testsupport::TempDir work;
  wxString project = work.File("Remote.ovirprj");
  testsupport::CMessageRecorder recorder;
  std::unique_ptr<testsupport::HostFrame> host;
};

TEST_F(KeyPanelTest, CodesTypedIntoKeysUpToTheLastAreSavedAndReadBack) {
  CKeyDlgEx* panel = MakePanel(wxSize(360, 240), 16, 16);
  EXPECT_EQ(panel->Shape().CellCount(), 136);

  TypeCode(panel, 0, "1A");
  EXPECT_EQ(panel->Slots().Get(0), 26);
  EXPECT_EQ(panel->EditedCell(), -1);
  EXPECT_FALSE(panel->GetCodeEditor()->IsShown());
  EXPECT_EQ(g_DocManage.Modified, 1);

  // A click on another key commits the open editor and moves it on.
  const wxRect second = panel->CellBoxRect(1);
  testsupport::Click(panel, second.GetPosition() + wxPoint(5, 5));
  PumpEvents();
  testsupport::TypeText(panel->GetCodeEditor()->GetTextCtrl(), "7");
  const wxRect third = panel->CellBoxRect(2);
  testsupport::Click(panel, third.GetPosition() + wxPoint(5, 5));
  PumpEvents();
  EXPECT_EQ(panel->Slots().Get(1), 7);
  EXPECT_EQ(panel->EditedCell(), 2);
  testsupport::Click(panel, wxPoint(2, 2));  // off the keys: closes without a code
  PumpEvents();
  EXPECT_EQ(panel->Slots().Get(2), kNoKeyCode);

  // The last key lies below the panel: the scroll bar brings it in.
  EXPECT_LT(panel->GetClientSize().y, panel->CellBoxRect(135).GetBottom());
  wxScrollWinEvent bottom(wxEVT_SCROLLWIN_BOTTOM, 0, wxVERTICAL);
  panel->GetEventHandler()->ProcessEvent(bottom);
  PumpEvents();
  EXPECT_GT(panel->ScrollY(), 0);
  const wxRect last = panel->CellBoxRect(135);
  EXPECT_TRUE(wxRect(panel->GetClientSize()).Contains(last));
  TypeCode(panel, 135, "ff");
  EXPECT_EQ(panel->Slots().Get(135), 0xff);
  TypeCode(panel, 120, "");
  EXPECT_EQ(panel->Slots().Get(120), kNoKeyCode);

  // The editor takes two hexadecimal digits only.
  const wxRect box = panel->CellBoxRect(130);
  testsupport::Click(panel, box.GetPosition() + wxPoint(5, 5));
  PumpEvents();
  testsupport::TypeText(panel->GetCodeEditor()->GetTextCtrl(), "g12");
  EXPECT_EQ(panel->GetCodeEditor()->GetWindowText(), "12");
  testsupport::MoveFocus(panel->GetCodeEditor()->GetTextCtrl(), panel);
  PumpEvents();

  const CProjectFile file(project);
  ASSERT_TRUE(panel->WriteKeys(file));
  EXPECT_EQ(file.ReadText("KeyConfig", "ItemKey0"), "0x1a,0x7,-1,-1,-1,-1,-1,-1");
  EXPECT_EQ(file.ReadText("KeyConfig", "ItemKey16"), "-1,-1,0x12,-1,-1,-1,-1,0xff");

  host.reset();
  CKeyDlgEx* reopened = MakePanel(wxSize(360, 240), 16, 16);
  state.Doc().Loading = 1;
  state.Doc().McuName = "QK21C0510";
  reopened->LoadKeys(file);
  for (const auto& [cell, code] :
       {std::make_pair(0, 26), std::make_pair(1, 7), std::make_pair(2, -1), std::make_pair(120, -1),
        std::make_pair(130, 0x12), std::make_pair(135, 0xff)})
    EXPECT_EQ(reopened->Slots().Get(cell), code) << cell;
  // The small chips in small packages keep theirs as well, and a code the
  // file does not hold is not left over from before.
  state.Doc().McuName = "QK21A0510";
  state.Doc().PackageName = "8SOP";
  reopened->SetKeySlot(2, 0x33);
  reopened->LoadKeys(file);
  EXPECT_EQ(reopened->Slots().Get(0), 26);
  EXPECT_EQ(reopened->Slots().Get(135), 0xff);
  EXPECT_EQ(reopened->Slots().Get(2), kNoKeyCode);
  EXPECT_TRUE(recorder.boxes.empty());

  // Stored for 16 key lines, opened on 15: every key keeps its code but the
  // last one, which the 15 lines do not give; the user is told.
  ASSERT_TRUE(file.WriteNumber("KeyConfig", "IOCount", 16));
  host.reset();
  CKeyDlgEx* fewer = MakePanel(wxSize(360, 240), 16, 15);
  fewer->LoadKeys(file);
  for (const auto& [cell, code] :
       {std::make_pair(0, 26), std::make_pair(1, 7), std::make_pair(130, 0x12), std::make_pair(135, -1)})
    EXPECT_EQ(fewer->Slots().Get(cell), code) << cell;
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text,
            platform::FormatText(GetLangText("IDS_KEY_CODES_DROPPED"), wxString("S135: FFH")));
  state.Doc().Loading = 0;
}

TEST_F(KeyPanelTest, ScreenshotOfAStepKeypadWithCodes) {
  CKeyDlgEx* panel = MakePanel(wxSize(560, 330), 6, 4);
  for (const auto& [cell, code] : {std::make_pair(0, 0x45), std::make_pair(1, 0x46), std::make_pair(2, 0x1a),
                                   std::make_pair(6, 0x10), std::make_pair(11, 0x1ff)})
    panel->SetKeySlot(cell, code);
  PumpEvents();
  EXPECT_FALSE(testsupport::SaveWindowScreenshot(host->Frame(), "key_panel.png").empty());
}

TEST_F(KeyPanelTest, WritesTheKeyCommandTableOfItsCodes) {
  CKeyDlgEx* panel = MakePanel(wxSize(360, 240), 3, 3);
  for (int cell = 0; cell < 6; ++cell) panel->SetKeySlot(cell, cell + 1);
  state.Doc().McuName = "QK21B0510";
  const wxString path = work.File("Table.ASM");
  ASSERT_TRUE(panel->WriteKeyCommandTable(path, {{1, "Power"}, {3, "Mute"}, {6, "Vol+"}}));
  std::string written, expected;
  ASSERT_TRUE(platform::ReadFileBytes(path, written));
  ASSERT_TRUE(platform::ReadFileBytes(
      wxString(OLV_SOURCE_DIR) + "/tests/fixtures/keys/table/step3_full_qk21b.ASM", expected));
  EXPECT_EQ(written, expected);
}

// The drawing on a bitmap: red frames for codes the command cannot carry,
// no code boxes in an LCD remote, and the extents the diagram uses.
TEST(KeyPanelDrawing, FramesCodesByWidthAndReportsTheDiagramExtent) {
  wxBitmap bitmap(600, 400);
  wxMemoryDC dc(bitmap);
  stKeyDrawContext ctx;
  ctx.commandBits = 4;
  CKeySlotTable slots;
  slots.Set(0, 0x1f);
  slots.Set(1, 0xf);
  slots.Set(2, 0x1f);  // not in use: never red
  auto pixel = [&](int x, int y) {
    wxColour colour;
    dc.GetPixel(x, y, &colour);
    return colour;
  };
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  wxRect extent;
  DrawKeys(dc, ctx, 3, 2, 3, 0, false, slots.All(), extent, 0, 0);
  EXPECT_EQ(pixel(16, 34), keydraw::kRed);
  EXPECT_EQ(pixel(16 + 60, 34), keydraw::kBlack);
  EXPECT_EQ(pixel(16 + 120, 34), keydraw::kBlack);
  EXPECT_EQ(pixel(16 + 125, 34), keydraw::kGrey);  // inside the grey box of a key not in use
  EXPECT_EQ(extent.GetBottom() + 1, 43 + 50);      // rows 0 and 1 hold keys in use

  ctx.frameworkKind = 1;  // LCD: no code boxes; the extent stays
  dc.Clear();
  wxRect lcdExtent(0, 0, 10, 10);
  DrawKeys(dc, ctx, 3, 2, 3, 0, false, slots.All(), lcdExtent, 0, 0);
  EXPECT_EQ(lcdExtent, wxRect(0, 0, 10, 10));
  EXPECT_EQ(pixel(16, 34), *wxWHITE);

  // A step keypad without a line in use still ends in its ground symbol.
  ctx.frameworkKind = 0;
  wxRect diagram;
  DrawKeyWiring(dc, ctx, 65, 35, 2, 0, 0, true, diagram);
  EXPECT_EQ(diagram.GetRight() + 1, 65 + 40 + (-60 + 40 + 16) + 15);
  // A matrix draws no ground symbol and leaves the extent.
  ctx.matrix = true;
  wxRect matrixExtent;
  dc.Clear();
  DrawKeyWiring(dc, ctx, 15, 0, 2, 3, 2, false, matrixExtent);
  EXPECT_EQ(matrixExtent, wxRect());
  EXPECT_EQ(pixel(15, 5), keydraw::kBlue);  // column 0
}

class KeyPagePanelTest : public KeyPanelTest {
 protected:
  void SetUp() override {
    KeyPanelTest::SetUp();
    RegisterKeyDlgEx();
    state.FuncRecords().Clear();
    for (int number = 0; number <= 11; ++number) {
      stFuncRecord record;
      record.OpenEnable = 1;
      record.CloseEnable = 1;
      state.FuncRecords().StoreFuncRecord(number, record);
    }
    state.Doc().FunctionBlocks.assign(11, stFunctionBlock{});
  }
  void TearDown() override {
    KeyPanelTest::TearDown();
    RegisterKeyPanel(nullptr);
  }

  CKeyConfigDlg* MakePage(int remoteType, const wxString& mcu) {
    host.reset();
    state.FrameworkKind() = remoteType;
    state.App().protocolFolder = g_App.GetProtocolFolder(remoteType);
    state.App().icFolder = g_App.GetIcFolder(remoteType);
    state.Doc().RemoteType = remoteType;
    state.Doc().McuName = mcu;
    state.Doc().PackageName = "52 LQFP";
    state.Doc().ProjectFilePath = project;
    state.Doc().ProjectName = "Remote";
    state.Doc().SetNewProject(true);
    host = std::make_unique<testsupport::HostFrame>(wxSize(1200, 760), wxPoint(20, 20),
                                                    testsupport::HostContent::Empty);
    auto* page = new CKeyConfigDlg(host->Frame());
    host->Frame()->SendSizeEvent();
    PumpEvents();
    EXPECT_TRUE(page->LoadFromProject());
    page->OnPageShown();
    PumpEvents();
    return page;
  }

  static CKeyButton* Function(CKeyConfigDlg* page, const wxString& title) {
    int list = 0;
    const int index = page->GetFuncPanel()->FindIndexByName(title, list);
    return index < 0 ? nullptr
                     : (list == 0 ? page->GetFuncPanel()->Functions()
                                  : page->GetFuncPanel()->UserFunctions())[index];
  }
  static void DragOnto(CKeyButton* function, wxWindow* key) {
    ASSERT_TRUE(function);
    const wxRect target = key->GetScreenRect();
    const wxPoint screen = target.GetPosition() + wxPoint(target.width / 2, target.height / 2);
    const wxPoint start(function->GetClientSize().x / 2, function->GetClientSize().y / 2);
    testsupport::MouseDown(function, start);
    testsupport::MouseMove(function, function->ScreenToClient(screen), true);
    testsupport::MouseUp(function, function->ScreenToClient(screen));
    PumpEvents();
  }
};

TEST_F(KeyPagePanelTest, FunctionsGoOnFreeKeysOnlyAndComeBackAfterSaving) {
  CKeyConfigDlg* page = MakePage(kRemoteLcdStandard, "QK52A160");
  auto* panel = dynamic_cast<CKeyDlgEx*>(page->GetKeyPanel());
  ASSERT_TRUE(panel);
  ASSERT_TRUE(panel->IsShown());
  panel->SetActiveSize(3);  // three key lines in use: six keys
  PumpEvents();
  ASSERT_EQ(panel->KeysInUse().size(), 6u);

  DragOnto(Function(page, "IDS_SWITCH"), panel->GetKeyButton(0, false));
  EXPECT_EQ(panel->GetKeyButton(0, false)->SlotName(0, 0), "IDS_SWITCH");
  EXPECT_EQ(Function(page, "IDS_SWITCH")->drawState, 1);

  // The same action of a taken key stays with its function.
  DragOnto(Function(page, "IDS_MODE"), panel->GetKeyButton(0, false));
  EXPECT_EQ(panel->GetKeyButton(0, false)->SlotName(0, 0), "IDS_SWITCH");
  ASSERT_FALSE(recorder.boxes.empty());
  EXPECT_EQ(recorder.boxes.back().text, GetLangText("IDS_CONFIG_ALREADY"));
  EXPECT_NE(Function(page, "IDS_MODE")->drawState, 1);

  // A reserved key takes nothing; a key outside the lines in use neither.
  panel->ReserveFirstKey(true);
  DragOnto(Function(page, "IDS_MODE"), panel->GetKeyButton(0, false));
  panel->ReserveFirstKey(false);
  DragOnto(Function(page, "IDS_MODE"), panel->GetKeyButton(3, false));  // row 0, column 3: not in use
  EXPECT_TRUE(panel->GetKeyButton(3, false)->IsBlank());
  EXPECT_NE(Function(page, "IDS_MODE")->drawState, 1);
  DragOnto(Function(page, "IDS_MODE"), panel->GetKeyButton(7, false));  // row 1, column 1
  EXPECT_EQ(panel->GetKeyButton(7, false)->SlotName(0, 0), "IDS_MODE");

  ASSERT_TRUE(page->SaveToProject());
  const CProjectFile file(project);
  EXPECT_TRUE(file.ReadText("KeyConfig", "ItemKey0").StartsWith("IDS_SWITCH;"));
  EXPECT_FALSE(file.ReadText("KeyConfig", "IndexItemKey0").empty());

  // Reopened, the keys tell the page their functions again.
  CKeyConfigDlg* reopened = MakePage(kRemoteLcdStandard, "QK52A160");
  auto* again = dynamic_cast<CKeyDlgEx*>(reopened->GetKeyPanel());
  again->SetActiveSize(3);
  again->LoadKeys(file);
  PumpEvents();
  EXPECT_EQ(again->GetKeyButton(0, false)->SlotName(0, 0), "IDS_SWITCH");
  EXPECT_EQ(again->GetKeyButton(7, false)->SlotName(0, 0), "IDS_MODE");
  EXPECT_EQ(Function(reopened, "IDS_MODE")->drawState, 1);
}

TEST_F(KeyPagePanelTest, LeavingAGeneralRemoteWritesTheKeySourcesIntoTheWorkFolderOrRefusesAWideCode) {
  ASSERT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR));
  testsupport::TempDir folder;
  state.Doc().TempFolder = folder.Path();
  CKeyConfigDlg* page = MakePage(kRemoteGeneral, "QK21A0510");
  auto* panel = dynamic_cast<CKeyDlgEx*>(page->GetKeyPanel());
  ASSERT_TRUE(panel);
  page->GetKeySetPanel()->KeyLines().PutPin(0, "PA0");
  panel->SetActiveSize(2);
  state.Doc().CommandBits = 4;
  panel->SetKeySlot(0, 0x3);
  panel->SetKeySlot(1, 0x1f);
  const wxString table = platform::JoinPath(folder.Path(), "Table.ASM");
  recorder.boxes.clear();
  EXPECT_FALSE(page->CheckAndApply());
  EXPECT_FALSE(wxFileExists(table));
  ASSERT_EQ(recorder.boxes.size(), 2u);
  EXPECT_NE(recorder.boxes[0].text.Find("1FH"), wxNOT_FOUND) << recorder.boxes[0].text;
  EXPECT_EQ(recorder.boxes[1].text, platform::FormatText(GetLangText("IDS_KEY_ERROR"), 4));

  panel->SetKeySlot(1, 0xf);
  EXPECT_TRUE(page->CheckAndApply());
  std::string bytes;
  ASSERT_TRUE(platform::ReadFileBytes(table, bytes));
  EXPECT_NE(bytes.find("DC\t003H,      00fH,      000H"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("at  0370H"), std::string::npos);
  ASSERT_TRUE(platform::ReadFileBytes(platform::JoinPath(folder.Path(), "Key_Mapping.inc"), bytes));
  EXPECT_NE(bytes.find("#define KEY0 PA0\r\n"), std::string::npos) << bytes;
  EXPECT_TRUE(wxFileExists(platform::JoinPath(folder.Path(), "Driving.inc")));
  state.Doc().TempFolder.clear();
}

TEST_F(KeyPagePanelTest, TouchKeyDialogSetsAndClearsKeysAndMarksTheProjectModified) {
  CKeyConfigDlg* page = MakePage(kRemoteLcdSimple, "QK37B0640");
  CKeyDlg* dialog = page->GetTouchKeyDialog();
  ASSERT_TRUE(dialog->IsShown());
  auto* panel = dynamic_cast<CKeyDlgEx*>(page->GetKeyPanel());
  ASSERT_TRUE(panel && panel->IsTouch());
  state.Doc().Modified = 0;

  auto click = [&](int key) {
    wxCheckBox* box = dialog->GetCheck(key);
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(box->GetValue() ? 1 : 0);
    box->ProcessWindowEvent(event);
    PumpEvents();
  };
  click(2);
  click(5);
  EXPECT_EQ(g_DocManage.TouchKey[2], 1);
  EXPECT_EQ(g_DocManage.TouchKey[5], 1);
  EXPECT_EQ(g_DocManage.Modified, 1);
  EXPECT_TRUE(panel->GetKeyButton(2, true)->IsEnabled());
  EXPECT_FALSE(panel->GetKeyButton(1, true)->IsEnabled());
  click(5);
  EXPECT_EQ(g_DocManage.TouchKey[5], 0);
  EXPECT_FALSE(panel->GetKeyButton(5, true)->IsEnabled());

  const CProjectFile file(project);
  ASSERT_TRUE(dialog->SaveTouchKeys(file));
  EXPECT_EQ(file.ReadText("KeyConfig", "TouchKey"), "0,0,1,0,0,0,0,0,");
  click(2);
  ASSERT_TRUE(dialog->SaveTouchKeys(file));
  EXPECT_EQ(file.ReadText("KeyConfig", "TouchKey"), "0,0,0,0,0,0,0,0,");

  state.Doc().TouchKey[0] = state.Doc().TouchKey[3] = 1;
  dialog->ShowTouchKeyFlags();
  EXPECT_TRUE(dialog->GetCheck(0)->GetValue());
  EXPECT_TRUE(dialog->GetCheck(3)->GetValue());
  EXPECT_FALSE(dialog->GetCheck(2)->GetValue());
  dialog->Refresh();
  PumpEvents();
  EXPECT_FALSE(testsupport::SaveWindowScreenshot(dialog, "touch_key_dialog.png").empty());
}

}  // namespace
