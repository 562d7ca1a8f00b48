// The data-format page in the main window, in the custom-protocol flow: a
// project made through the new-project dialog passes the carrier page and
// reaches it; a send type is chosen, constant codes set, blocks dragged from
// the palette into the frame, reordered and removed with the mouse; Next
// refuses an unplaced constant code, then writes the generated files and
// moves on to the key configuration; the saved [Custom] section; Back and
// Next keep the frame; the reopened project shows the same diagram.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/UserIni.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "protocol/ModulationModel.h"
#include "protocol/pages/DataFormat.h"
#include "protocol/pages/ModulationParam.h"
#include "protocol/pages/ProtocolPages.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/ShellCommands.h"
#include "ui/ToolTip2.h"
#include "HostFrame.h"
#include "PageTestBase.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "LayoutChecks.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

// Frame captions in failures read as text.
inline void PrintTo(const wxString& text, std::ostream* os) { *os << '"' << text.utf8_string() << '"'; }

namespace {

using namespace olv::protocol::dataformat_id;
using olv::protocol::BlockRect;
using olv::protocol::CSendFormat;

std::string ReadFile(const wxString& path) {
  std::ifstream in(fs::path(path.utf8_string()), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Golden(const wxString& name) {
  return ReadFile(platform::JoinPath(OLV_SOURCE_DIR, "tests/fixtures/dataformat/page/" + name));
}

wxPoint Centre(const BlockRect& r) { return wxPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

class DataFormatPageTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().ProjectFolder.clear();
    state.Doc().ProjectFilePath.clear();
    state.Doc().Modified = 0;
    state.Doc().RemoveKeyValue(-1);
    state.BrandFlag() = 0;
    RegisterProtocolPages();
    RegisterKeysPages();
    // The key page's one-time guide stays away; that Next arms it is checked directly.
    platform::WriteProfileString(GetUserIniPath(), "Olvanta", "Prompt_UserDef", "1");
    DisarmKeyPageGuide();
  }

  void TearDown() override {
    for (int id : {kModulationParamId, kStandardModePageId, kDataFormatId, kKeyConfigId})
      RegisterShellPage(id, nullptr);
  }

  // The main window with a general remote with a custom protocol, made with
  // the new-project dialog, on this page: the carrier page filled with good
  // values (lead and repeat code on) and left with Next. body runs inside the
  // window's modal loop.
  void WithPage(const std::function<void()>& body, bool repeatCode = true) {
    RunMainWindow(
        [&] {
          ASSERT_NO_FATAL_FAILURE(ReachPage(repeatCode));
          body();
        },
        ExpressionLibrary::kBuilt);
  }

  void ReachPage(bool repeatCode) {
    ASSERT_NO_FATAL_FAILURE(CreateProjectWithNewProjectDialog("Fan Remote", work.File("projects"), 1));
    project = g_DocManage.GetProjectFilePath();
    ASSERT_FALSE(project.empty());

    auto* carrier = dynamic_cast<CModulationParam*>(dialog->FindPage(kModulationParamId));
    ASSERT_TRUE(carrier);
    ASSERT_EQ(dialog->GetCurrentPage(), carrier);
    using namespace modulation;
    Type(carrier, kFreqEditId, "38");
    Pick(carrier->GetDutyList(), 1);
    Tick(carrier, kBootCheckId, true);
    Type(carrier, kBootMarkEditId, "9000");
    Type(carrier, kBootSpaceEditId, "4500");
    Type(carrier, kBit0MarkEditId, "560");
    Type(carrier, kBit0SpaceEditId, "560");
    Type(carrier, kBit1MarkEditId, "560");
    Type(carrier, kBit1SpaceEditId, "1690");
    Tick(carrier, kRepeatCheckId, repeatCode);
    if (repeatCode) {
      Choose(carrier, kRepeatAgcRadioId);
      Type(carrier, kRepeatPeriodEditId, "108");
      Type(carrier, kRepeatMarkEditId, "9000");
      Type(carrier, kRepeatSpaceEditId, "2250");
    }
    Press(carrier->FindWindow(kNextId));
    ASSERT_TRUE(Page());
    ASSERT_EQ(dialog->GetCurrentPage(), Page());
    recorder.boxes.clear();
  }

  CDataFormat* Page() const { return dynamic_cast<CDataFormat*>(dialog->FindPage(kDataFormatId)); }
  CSubBaseDlg* KeyPage() const { return dialog->FindPage(kKeyConfigId); }
  olv::protocol::CDataFormatModel& Model() const { return Page()->Model(); }

  static void Choose(wxWindow* page, int id) {
    PageTestBase::Choose(dynamic_cast<wxRadioButton*>(page->FindWindow(id)));
  }
  static void Tick(wxWindow* page, int id, bool on) {
    auto* box = dynamic_cast<wxCheckBox*>(page->FindWindow(id));
    ASSERT_TRUE(box);
    ASSERT_TRUE(box->IsEnabled()) << id;
    PageTestBase::Tick(box, on);
  }
  // Types a value as the user does: focus in, backspace over the old text,
  // type, focus out.
  template <class PageT>
  static void Type(PageT* page, int id, const wxString& text) {
    CLUEdit* input = page->GetEditById(id);
    ASSERT_TRUE(input);
    wxTextCtrl* entry = input->GetEdit()->GetTextCtrl();
    wxWindow* away = page->FindWindow(kNextId);
    testsupport::MoveFocus(away, entry);
    entry->SetInsertionPointEnd();
    for (std::size_t n = entry->GetValue().length(); n > 0; --n) testsupport::TypeKey(entry, WXK_BACK);
    testsupport::TypeText(entry, text);
    testsupport::MoveFocus(entry, away);
  }
  bool Checked(int id) const {
    wxWindow* window = Page()->FindWindow(id);
    if (auto* radio = dynamic_cast<wxRadioButton*>(window)) return radio->GetValue();
    return dynamic_cast<wxCheckBox*>(window)->GetValue();
  }
  wxString Text(int id) const { return Page()->GetEditById(id)->GetWindowText(); }
  // The marks of a refused input: "*" after it, its red frame, its tip.
  wxString Mark(int id) const { return Page()->GetEditById(id)->GetUnit()->GetLabel(); }
  bool RedFrame(int id) const { return Page()->GetEditById(id)->GetEdit()->ShowsError(); }
  wxString ShownTip(int id) const {
    const CToolTip2* tip = Page()->GetEditById(id)->GetEditTip();
    return tip && tip->IsTipShown() ? tip->GetText() : wxString();
  }
  // Waits for the toolkit to report the keyboard focus on the input; it comes
  // from the X server and may lag behind on a loaded machine.
  bool HasFocus(int id) const {
    wxWindow* entry = Page()->GetEditById(id)->GetEdit()->GetTextCtrl();
    return testsupport::PumpUntil([&] { return wxWindow::FindFocus() == entry; });
  }
  wxChoice* Choice(int id) const { return dynamic_cast<wxChoice*>(Page()->FindWindow(id)); }

  // --- The diagram, as the user sees it.

  // The palette block that shows name.
  wxPoint PaletteBlock(const wxString& name) const {
    for (const auto& entry : Model().DataBlocks()) {
      if (entry && entry->block.GetText() == name) {
        EXPECT_TRUE(entry->block.IsVisible()) << name << " is not in the palette";
        return Centre(entry->block.Rect());
      }
    }
    ADD_FAILURE() << "no palette block " << name;
    return wxPoint();
  }
  bool InPalette(const wxString& name) const {
    for (const auto& entry : Model().DataBlocks()) {
      if (entry && entry->block.GetText() == name) return entry->block.IsVisible();
    }
    return false;
  }
  // The place of the frame that holds name.
  wxPoint FramePlace(const wxString& name) const {
    const CSendFormat& format = Model().SendFormat();
    for (int i = 0; i < format.PlaceCount(); ++i) {
      const auto* item = format.GetBlockWnd(i);
      if (item && item->GetCaption() == name) return Centre(format.Place(i).Rect());
    }
    ADD_FAILURE() << "no frame place holds " << name;
    return wxPoint();
  }
  // The fields of the frame, first to last.
  std::vector<wxString> Frame() const {
    std::vector<wxString> names;
    const CSendFormat& format = Model().SendFormat();
    for (int i = 0; i < format.PlaceCount(); ++i) {
      if (const auto* item = format.GetBlockWnd(i)) names.push_back(item->GetCaption());
    }
    return names;
  }
  // Press on from, move over the way in steps, release on to.
  void Drag(const wxPoint& from, const wxPoint& to) {
    testsupport::MouseMove(Page(), from);
    testsupport::MouseDown(Page(), from);
    for (int step = 1; step <= 4; ++step) {
      testsupport::MouseMove(Page(), from + (to - from) * step / 4, true);
    }
    testsupport::MouseUp(Page(), to);
    testsupport::PumpEvents();
  }
  // A point of the page away from every block and control.
  wxPoint Empty() const {
    const wxRect area = Page()->DiagramArea();
    return wxPoint(area.x + area.width / 2, area.GetBottom() + 30);
  }

  bool Next() {
    Press(Page()->FindWindow(kNextId));
    return dialog->GetCurrentPage() == KeyPage();
  }

  std::map<wxString, wxString> CustomSection() const {
    std::map<wxString, wxString> values;
    for (const wxString& line : platform::ReadProfileSection(project, "Custom")) {
      values[line.BeforeFirst('=')] = line.AfterFirst('=');
    }
    return values;
  }
  wxString Work(const char* name) const { return platform::JoinPath(g_DocManage.TempFolder, name); }

  static constexpr int kNextId = 1007;
  static constexpr int kBackId = 1006;

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
  wxString project;
};

const std::vector<wxString> kBuiltFrame = {"IDS_GUIDE_CODE", "IDS_START_BIT", "IDS_TOGGLE_BIT",  "COMMAND",
                                           "CONST_CODE2",    "CONST_CODE1",   "IDS_CONNECT_CODE"};

TEST_F(DataFormatPageTest, FrameBuiltWithTheMouseGeneratesSavesAndReopens) {
  WithPage([&] {
    ASSERT_EQ(Choice(kSendType)->GetCount(), 5u);
    EXPECT_EQ(Choice(kSendType)->GetString(4), GetLangText("IDS_SEND_TYPE_USER"));
    // The send type puts its fields into the frame and sets the send order.
    // A project without a stored send type starts on the last one, with an empty frame.
    EXPECT_EQ(Choice(kSendType)->GetSelection(), 4);
    EXPECT_EQ(Frame(), (std::vector<wxString>{"IDS_GUIDE_CODE", "IDS_CONNECT_CODE"}));

    // A send type puts its fields into the frame and sets the send order.
    Pick(Choice(kSendType), 0);
    EXPECT_EQ(Frame(), (std::vector<wxString>{"IDS_GUIDE_CODE", "CONST_CODE1", "CONST_CODE2", "COMMAND",
                                              "IDS_CONNECT_CODE"}));
    EXPECT_TRUE(Checked(kLsbFirst));
    EXPECT_TRUE(Checked(kConstEnable[0]));
    EXPECT_TRUE(Checked(kConstEnable[1]));
    EXPECT_FALSE(InPalette("CONST_CODE1"));
    EXPECT_FALSE(InPalette("CONST_CODE2"));

    Type(Page(), kAddressBits, "8");
    Type(Page(), kAddress, "A5");
    Type(Page(), kCommandBits2, "7");
    Type(Page(), kCommandBits, "7");
    Type(Page(), kConstBits[0], "8");
    Type(Page(), kConstValue[0], "1F");
    Type(Page(), kConstBits[1], "4");
    Type(Page(), kConstValue[1], "C");
    Pick(Choice(kConstPolarity[1]), 1);  // negative
    Choose(Page(), kMsbFirst);
    Tick(Page(), kStartEnable, true);
    Choose(Page(), kStartValue1);
    Tick(Page(), kToggleEnable, true);
    Choose(Page(), kToggleStart0);
    EXPECT_EQ(Frame(), (std::vector<wxString>{"IDS_GUIDE_CODE", "IDS_START_BIT", "IDS_TOGGLE_BIT",
                                              "CONST_CODE1", "CONST_CODE2", "COMMAND", "IDS_CONNECT_CODE"}));

    // Removed: dropped away from the frame, back in the palette. A frame
    // changed by hand is the last send type; parameter 17 follows the frame.
    Drag(FramePlace("CONST_CODE2"), Empty());
    EXPECT_TRUE(InPalette("CONST_CODE2"));
    EXPECT_EQ(Frame(), (std::vector<wxString>{"IDS_GUIDE_CODE", "IDS_START_BIT", "IDS_TOGGLE_BIT",
                                              "CONST_CODE1", "COMMAND", "IDS_CONNECT_CODE"}));
    EXPECT_EQ(Choice(kSendType)->GetSelection(), 4);
    EXPECT_EQ(g_DocManage.GetParam(17),
              "IDS_GUIDE_CODE,IDS_START_BIT,IDS_TOGGLE_BIT,CONST_CODE1,COMMAND,"
              "IDS_CONNECT_CODE,");

    // Code 2 is enabled but not in the frame: Next names it and stays.
    EXPECT_FALSE(Next());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, wxString::Format(GetLangText("IDS_CONSTCODE_UNCONSIG"), "2"));
    recorder.boxes.clear();

    // From the palette onto the command: put in before it.
    Drag(PaletteBlock("CONST_CODE2"), FramePlace("COMMAND"));
    EXPECT_FALSE(InPalette("CONST_CODE2"));
    EXPECT_EQ(Frame(), (std::vector<wxString>{"IDS_GUIDE_CODE", "IDS_START_BIT", "IDS_TOGGLE_BIT",
                                              "CONST_CODE1", "CONST_CODE2", "COMMAND", "IDS_CONNECT_CODE"}));
    // Reordered: the command taken up and put down on the first code.
    Drag(FramePlace("COMMAND"), FramePlace("CONST_CODE1"));
    EXPECT_EQ(Frame(), (std::vector<wxString>{"IDS_GUIDE_CODE", "IDS_START_BIT", "IDS_TOGGLE_BIT", "COMMAND",
                                              "CONST_CODE1", "CONST_CODE2", "IDS_CONNECT_CODE"}));
    // Dropped in the row where no field may stand (the connect code): appended
    // as the last field.
    Drag(FramePlace("CONST_CODE1"), FramePlace("IDS_CONNECT_CODE"));
    EXPECT_EQ(Frame(), kBuiltFrame);
    EXPECT_TRUE(recorder.boxes.empty());
    // The send type list's longer names are read in the open list.
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow(), testsupport::ListItems::kShown), "");
    testsupport::SaveWindowScreenshot(dialog, "data_format_page_en.png");

    ASSERT_TRUE(Next()) << (recorder.boxes.empty() ? wxString() : recorder.boxes[0].text);
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_TRUE(IsKeyPageGuideArmed()) << "the key page offers its guide next";
    EXPECT_EQ(ReadFile(Work("IR_UserDef.inc")), Golden("IR_UserDef.inc"));
    EXPECT_EQ(ReadFile(Work("IR_SendBits.asm")), Golden("IR_SendBits.asm"));
    EXPECT_EQ(g_DocManage.CodeMode, 15);

    ASSERT_TRUE(dialog->SaveProject());
    const std::map<wxString, wxString> expected = {
        {"MSB_FIRST", "1"},
        {"START_BIT", "1"},
        {"START_BIT_VALUE", "1"},
        {"TOGGLE_BIT", "1"},
        {"TOGGLE_START", "0"},
        {"ADDRESS_BITS", "8"},
        {"COMMAND_BITS_EDIT", "7"},
        {"ADDRESS", "A5"},
        {"CONST1_BITS", "8"},
        {"CONST2_BITS", "4"},
        {"CONST3_BITS", ""},
        {"CONST4_BITS", ""},
        {"COMMAND_BITS", "7"},
        {"CONST1_VALUE", "1F"},
        {"CONST2_VALUE", "C"},
        {"CONST3_VALUE", ""},
        {"CONST4_VALUE", ""},
        {"CONST1_ON", "1"},
        {"CONST2_ON", "1"},
        {"CONST3_ON", "0"},
        {"CONST4_ON", "0"},
        {"CONST1_POLARITY", "0"},
        {"CONST2_POLARITY", "1"},
        {"CONST3_POLARITY", "0"},
        {"CONST4_POLARITY", "0"},
        {"FormatType", "4"},
        {"SendData",
         "IDS_GUIDE_CODE,IDS_START_BIT,IDS_TOGGLE_BIT,COMMAND,CONST_CODE2,CONST_CODE1,IDS_CONNECT_CODE"},
    };
    const std::map<wxString, wxString> saved = CustomSection();
    for (const auto& [key, value] : expected) {
      ASSERT_TRUE(saved.count(key)) << key;
      EXPECT_EQ(saved.at(key), value) << key;
    }

    // Back stores without checking; Next again keeps the frame and writes the same files.
    Press(KeyPage()->FindWindow(CKeyConfigDlg::kBackId));
    ASSERT_EQ(dialog->GetCurrentPage(), Page());
    EXPECT_EQ(Frame(), kBuiltFrame);
    EXPECT_EQ(Text(kConstValue[1]), "C");
    ASSERT_TRUE(wxRemoveFile(Work("IR_UserDef.inc")));
    ASSERT_TRUE(Next());
    EXPECT_EQ(ReadFile(Work("IR_UserDef.inc")), Golden("IR_UserDef.inc"));
  });
  if (HasFatalFailure()) return;

  // Reopened in a fresh window from a reset document: the same diagram and values.
  state.Doc().Reset(true, false);
  state.Doc().ProjectName.clear();
  state.Doc().ProjectFilePath.clear();
  RunMainWindow(
      [&] {
        ASSERT_EQ(dialog->OpenProjectFile(project), 2);
        ASSERT_TRUE(Page());
        testsupport::PumpEvents();
        EXPECT_EQ(Frame(), kBuiltFrame);
        EXPECT_FALSE(InPalette("COMMAND"));
        EXPECT_TRUE(InPalette("CONST_CODE3"));
        EXPECT_EQ(Choice(kSendType)->GetSelection(), 4);
        EXPECT_TRUE(Checked(kMsbFirst));
        EXPECT_TRUE(Checked(kStartEnable));
        EXPECT_TRUE(Checked(kStartValue1));
        EXPECT_TRUE(Checked(kToggleEnable));
        EXPECT_TRUE(Checked(kToggleStart0));
        EXPECT_TRUE(Checked(kConstEnable[1]));
        EXPECT_EQ(Choice(kConstPolarity[1])->GetSelection(), 1);
        EXPECT_EQ(Text(kAddress), "A5");
        EXPECT_EQ(Text(kConstBits[1]), "4");
        EXPECT_EQ(Text(kConstValue[0]), "1F");
        EXPECT_EQ(Text(kCommandBits), "7");
        EXPECT_TRUE(recorder.boxes.empty());

        // The reopened page passes its own Next and writes the same files.
        for (const char* name : {"IR_UserDef.inc", "IR_SendBits.asm"}) {
          if (wxFileExists(Work(name))) {
            ASSERT_TRUE(wxRemoveFile(Work(name)));
          }
        }
        ASSERT_TRUE(Next()) << (recorder.boxes.empty() ? wxString() : recorder.boxes[0].text);
        EXPECT_EQ(ReadFile(Work("IR_UserDef.inc")), Golden("IR_UserDef.inc"));
        EXPECT_EQ(ReadFile(Work("IR_SendBits.asm")), Golden("IR_SendBits.asm"));
      },
      ExpressionLibrary::kBuilt);
}

// Without a repeat code the frame has no connect code: the send type that
// needs one is refused, and the toggle bit cannot be chosen. A frame without
// the command shows the red error line until the command is back.
TEST_F(DataFormatPageTest, RefusedSendTypeAndFrameWithoutCommand) {
  WithPage(
      [&] {
        EXPECT_FALSE(Page()->FindWindow(kToggleEnable)->IsEnabled());
        Pick(Choice(kSendType), 0);
        EXPECT_EQ(Frame(),
                  (std::vector<wxString>{"IDS_GUIDE_CODE", "CONST_CODE1", "CONST_CODE2", "COMMAND"}));
        state.Doc().Modified = 0;
        Choose(Page(), kLsbFirst);
        EXPECT_EQ(g_DocManage.Modified, 0) << "the send order it already has changes nothing";

        Pick(Choice(kSendType), 1);
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_MODE_CAN_NO_SEL"));
        recorder.boxes.clear();
        EXPECT_EQ(Choice(kSendType)->GetSelection(), 4) << "shown as the last send type";
        EXPECT_EQ(Frame(),
                  (std::vector<wxString>{"IDS_GUIDE_CODE", "CONST_CODE1", "CONST_CODE2", "COMMAND"}));

        wxWindow* error = Page()->FindWindow(kErrorLine);
        EXPECT_EQ(error->GetLabel(), "");
        Drag(FramePlace("COMMAND"), Empty());
        EXPECT_EQ(error->GetLabel(), GetLangText("IDS_DATA_FORMAT_ERR"));
        EXPECT_EQ(error->GetForegroundColour(), *wxRED);

        // Back stores the frame as it stands, unchecked; Next on the carrier page
        // brings it back.
        Press(Page()->FindWindow(kBackId));
        ASSERT_EQ(dialog->GetCurrentPage(), dialog->FindPage(kModulationParamId));
        EXPECT_EQ(g_DocManage.GetParam(17), "IDS_GUIDE_CODE,CONST_CODE1,CONST_CODE2,");
        Press(dialog->FindPage(kModulationParamId)->FindWindow(kNextId));
        ASSERT_EQ(dialog->GetCurrentPage(), Page());
        EXPECT_EQ(Frame(), (std::vector<wxString>{"IDS_GUIDE_CODE", "CONST_CODE1", "CONST_CODE2"}));
        EXPECT_TRUE(recorder.boxes.empty());
        Drag(PaletteBlock("COMMAND"), FramePlace("CONST_CODE1"));
        EXPECT_EQ(Frame(),
                  (std::vector<wxString>{"IDS_GUIDE_CODE", "COMMAND", "CONST_CODE1", "CONST_CODE2"}));
        EXPECT_EQ(error->GetLabel(), "");
      },
      /*repeatCode=*/false);
}

// The page in Simplified Chinese: every text relabelled, the lists' entries
// translated with their choices kept, the values and the frame kept, the
// empty error line still empty.
TEST_F(DataFormatPageTest, LanguageSwitchRelabelsThePageAndKeepsTheFrame) {
  WithPage([&] {
    Pick(Choice(kSendType), 0);
    Type(Page(), kConstBits[1], "4");
    Type(Page(), kConstValue[1], "C");
    Pick(Choice(kConstPolarity[1]), 1);
    EXPECT_EQ(Choice(kSendType)->GetSelection(), 4) << "a polarity changed by hand is the last send type";
    const std::vector<wxString> frame = Frame();

    wxCommandEvent command(wxEVT_MENU, ID_LANG_SIMPLIFIED);
    command.SetEventObject(dialog);
    dialog->ProcessWindowEvent(command);
    testsupport::PumpEvents();
    ASSERT_EQ(g_App.currentLangSection, "936");
    const std::pair<int, const char*> texts[] = {
        {kNextId, "IDS_NEXT"},
        {kBackId, "IDS_PRE"},
        {1098, "IDS_SEND_PROCESS"},
        {1096, "IDS_SEND_TYPE"},
        {kConstEnable[1], "IDS_CHK_CONSTCODE2"},
        {kMsbFirst, "IDS_MSB_BEFORE"},
        {1107, "IDS_START_BIT"},
        {1113, "IDS_TOGGLE_BIT"},
    };
    for (const auto& [id, key] : texts)
      EXPECT_EQ(Page()->FindWindow(id)->GetLabel(), GetLangText(key)) << key;
    EXPECT_EQ(Choice(kSendType)->GetString(0), GetLangText("IDS_SEND_TYPE_TWO_CODES"));
    EXPECT_EQ(Choice(kSendType)->GetSelection(), 4);
    EXPECT_EQ(Choice(kConstPolarity[1])->GetString(1), GetLangText("IDS_NEGATIVE"));
    EXPECT_EQ(Choice(kConstPolarity[1])->GetSelection(), 1);
    EXPECT_EQ(Text(kConstValue[1]), "C");
    EXPECT_EQ(Frame(), frame);
    EXPECT_FALSE(InPalette("COMMAND")) << "the palette laid out again keeps out what the frame holds";
    EXPECT_TRUE(InPalette("CONST_CODE3"));
    EXPECT_EQ(Page()->FindWindow(kErrorLine)->GetLabel(), "");
    // The send type list's longer names are read in the open list.
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow(), testsupport::ListItems::kShown), "");
    testsupport::SaveWindowScreenshot(dialog, "data_format_page_zh.png");
  });
}

// Next refuses an empty or out-of-range input without a message, the way the
// carrier page does: "*" after it, its red frame, and the focus on it with its
// range in the tip; a good value takes the marks away. In English and in
// Simplified Chinese.
TEST_F(DataFormatPageTest, RefusedNextMarksTheInputWithItsRange) {
  WithPage([&] {
    Pick(Choice(kSendType), 0);
    EXPECT_EQ(Choice(kSendType)->GetSelection(), 0);
    Type(Page(), kAddressBits, "8");
    Type(Page(), kCommandBits2, "8");
    Type(Page(), kCommandBits, "8");
    Type(Page(), kConstBits[0], "8");
    Type(Page(), kConstValue[0], "0");
    Type(Page(), kConstBits[1], "8");
    Type(Page(), kConstValue[1], "FF");
    ASSERT_TRUE(Page()->GetEditById(kAddress)->GetEdit()->IsEnabled())
        << "8 address bits ask for the address";
    EXPECT_EQ(Mark(kAddress), "");
    EXPECT_FALSE(RedFrame(kAddress));

    struct stBadValue {
      int id;
      const char* text;
      const char* tip;
      const char* good;
    };
    const stBadValue bad[] = {
        {kAddress, "", "0~FFH", "A5"},
        {kCommandBits2, "17", "1~16", "8"},
        {kCommandBits, "0", "1~16", "8"},
        {kConstValue[1], "1FF", "0~FFH", "FF"},
    };
    for (const stBadValue& value : bad) {
      SCOPED_TRACE(wxString::Format("%d '%s'", value.id, value.text).utf8_string());
      Type(Page(), value.id, value.text);
      EXPECT_FALSE(Next());
      EXPECT_TRUE(recorder.boxes.empty()) << "a refused input shows no message";
      EXPECT_TRUE(HasFocus(value.id));
      EXPECT_EQ(Mark(value.id), "*");
      EXPECT_TRUE(RedFrame(value.id));
      EXPECT_EQ(ShownTip(value.id), value.tip);
      if (value.id == kAddress) testsupport::SaveWindowScreenshot(dialog, "data_format_refused_en.png");
      Type(Page(), value.id, value.good);
      EXPECT_EQ(Mark(value.id), "");
      EXPECT_FALSE(RedFrame(value.id));
    }

    wxCommandEvent command(wxEVT_MENU, ID_LANG_SIMPLIFIED);
    command.SetEventObject(dialog);
    dialog->ProcessWindowEvent(command);
    testsupport::PumpEvents();
    ASSERT_EQ(g_App.currentLangSection, "936");
    Type(Page(), kAddress, "");
    EXPECT_FALSE(Next());
    EXPECT_TRUE(HasFocus(kAddress));
    EXPECT_EQ(Mark(kAddress), "*");
    EXPECT_TRUE(RedFrame(kAddress));
    EXPECT_EQ(ShownTip(kAddress), "0~FFH");
    testsupport::SaveWindowScreenshot(dialog, "data_format_refused_zh.png");
    Type(Page(), kAddress, "A5");
    EXPECT_TRUE(Next()) << (recorder.boxes.empty() ? wxString() : recorder.boxes[0].text);
  });
}

// A saved frame that disagrees with its options (here a start bit saved as on
// that the frame does not hold) is reported once and still shown whole: the
// start bit follows the frame, the constant codes and the command show their
// saved switches, and the page passes Next.
TEST_F(DataFormatPageTest, SavedFrameThatDisagreesWithItsOptionsIsReportedAndShownWhole) {
  const wxString folder = work.File("Custom_Protocol_Remote");
  CopyGeneralRemoteExample("Custom_Protocol_Remote", folder);
  project = platform::JoinPath(folder, "Custom_Protocol_Remote.lmirprj");
  ASSERT_TRUE(platform::WriteProfileString(project, "Custom", "START_BIT", "1"));
  RunMainWindow(
      [&] {
        ASSERT_EQ(dialog->OpenProjectFile(project), 2);
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_FRAME_OPTIONS_DIFFER"));
        recorder.boxes.clear();
        EXPECT_EQ(Frame(), (std::vector<wxString>{"IDS_GUIDE_CODE", "CONST_CODE1", "CONST_CODE2", "COMMAND",
                                                  "IDS_CONNECT_CODE"}));
        EXPECT_FALSE(Checked(kStartEnable));
        EXPECT_TRUE(Checked(kLsbFirst));
        EXPECT_TRUE(Checked(kConstEnable[0]));
        EXPECT_TRUE(Checked(kConstEnable[1]));
        EXPECT_FALSE(Checked(kConstEnable[2]));
        EXPECT_TRUE(Checked(kCommandEnable));
        EXPECT_EQ(Choice(kConstPolarity[1])->GetSelection(), 0);
        EXPECT_EQ(Choice(kSendType)->GetSelection(), 0);
        EXPECT_EQ(Text(kConstValue[1]), "FF");

        Press(dialog->FindPage(kModulationParamId)->FindWindow(kNextId));
        ASSERT_EQ(dialog->GetCurrentPage(), Page());
        EXPECT_TRUE(Next()) << (recorder.boxes.empty() ? wxString() : recorder.boxes[0].text);
        EXPECT_TRUE(recorder.boxes.empty());
      },
      ExpressionLibrary::kBuilt);
}

// A protocol whose palette holds more data fields than the row has places:
// a field dragged onto a full row is refused without a word, the row keeps
// its last field and the refused block goes back to the palette.
TEST_F(DataFormatPageTest, FullRowRefusesAnotherFieldSilently) {
  std::string definitions = ReadFile(olv::protocol::CDataFormatModel::DefinitionPathFor(0));
  const std::size_t count = definitions.find("Count=9");
  const std::size_t frameTemplate = definitions.find("9=DATA,");
  ASSERT_NE(count, std::string::npos);
  ASSERT_NE(frameTemplate, std::string::npos);
  definitions.replace(frameTemplate, 2, "9=EXTRA,1,0x000000,0x8FD3F5,1,EXTRA,0,0,0,,0\r\n10=");
  definitions.replace(count, 7, "Count=10");
  const wxString file = work.File("setting.ini");
  std::ofstream(fs::path(file.utf8_string()), std::ios::binary) << definitions;

  testsupport::HostFrame host(wxSize(1200, 700), wxPoint(20, 20), testsupport::HostContent::Empty);
  state.Doc().NewProject = 1;
  state.Doc().FormatType = -1;
  state.Doc().LeadCodeOn = 0;
  state.Doc().RepeatCodeOn = 0;
  auto* page = new CDataFormat(host.Frame());
  host.Frame()->SendSizeEvent();
  testsupport::PumpEvents();
  ASSERT_TRUE(page->LoadFromProjectWith(file));
  auto* sendType = dynamic_cast<wxChoice*>(page->FindWindow(kSendType));
  Pick(sendType, 3);  // three codes and the command
  olv::protocol::CDataFormatModel& model = page->Model();
  const auto palette = [&](const wxString& name) -> const olv::protocol::CFrameBlock* {
    for (const auto& entry : model.DataBlocks()) {
      if (entry && entry->block.GetText() == name) return &entry->block;
    }
    return nullptr;
  };
  const auto frame = [&] {
    std::vector<wxString> names;
    for (int i = 0; i < model.SendFormat().PlaceCount(); ++i) {
      if (const auto* item = model.SendFormat().GetBlockWnd(i)) names.push_back(item->GetCaption());
    }
    return names;
  };
  const auto drag = [&](const wxPoint& from, const wxPoint& to) {
    testsupport::MouseDown(page, from);
    for (int step = 1; step <= 4; ++step) testsupport::MouseMove(page, from + (to - from) * step / 4, true);
    testsupport::MouseUp(page, to);
    testsupport::PumpEvents();
  };
  const auto place = [&](int i) { return Centre(model.SendFormat().Place(i).Rect()); };
  ASSERT_EQ(frame(), (std::vector<wxString>{"CONST_CODE1", "CONST_CODE2", "CONST_CODE3", "COMMAND"}));
  Tick(page, kConstEnable[3], true);
  drag(Centre(palette("CONST_CODE4")->Rect()), place(7));
  const std::vector<wxString> full = {"CONST_CODE1", "CONST_CODE2", "CONST_CODE3", "COMMAND", "CONST_CODE4"};
  ASSERT_EQ(frame(), full);

  ASSERT_TRUE(palette("EXTRA") && palette("EXTRA")->IsVisible());
  for (const wxPoint& target : {place(3), place(7), Centre(model.SendFormat().Place(8).Rect())}) {
    drag(Centre(palette("EXTRA")->Rect()), target);
    EXPECT_EQ(frame(), full);
    EXPECT_TRUE(palette("EXTRA")->IsVisible()) << "back in the palette";
  }
  EXPECT_TRUE(recorder.boxes.empty());
}

}  // namespace
