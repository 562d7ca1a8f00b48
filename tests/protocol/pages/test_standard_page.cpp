// The standard protocol page in the main window: a general remote with a
// standard protocol created through the new-project dialog, each protocol
// chosen in turn with an address typed, Next checked against the document,
// the macro table and the generated include file, bad inputs refused, Back
// and Next, the project saved and reopened.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/UserIni.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "protocol/pages/ProtocolPages.h"
#include "protocol/pages/StandardModePage.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/ShellMessages.h"
#include "PageTestBase.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "LayoutChecks.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const wxString& path) {
  std::ifstream in(fs::path(path.utf8_string()), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Golden(const wxString& protocol) {
  return ReadFile(
      platform::JoinPath(OLV_SOURCE_DIR, "tests/fixtures/standard_page/IR_Standard_" + protocol + ".inc"));
}

// One protocol as the user sets it up and what Next must leave in the document.
struct stProtocolCase {
  const char* name;
  const char* address;  // typed
  const char* duty;     // picked; empty keeps the list's first (sorted) entry
  const char* dutyShown;
  int carrier;
  int addressBits;
  int commandBits;
  const char* sendOrder;
  const char* sendMode;
  std::uint16_t addressValue;
};

// List index n is the protocol of section p<n>.
const stProtocolCase kCases[] = {
    {"NEC", "A5", "1/4", "1/4", 38, 8, 8, "ADD,~ADD,CMD,~CMD", "LSB", 0xA5},
    {"NEC_EXT", "1234", "", "1/3", 38, 16, 8, "ADDL,ADDH,CMD,~CMD", "LSB", 0x1234},
    {"RC5", "1F", "", "1/3", 36, 5, 6, "ADD,CMD", "MSB", 0x1F},
    {"RC6", "C3", "", "1/3", 36, 8, 8, "ADD,CMD", "MSB", 0xC3},
    {"JVC", "7", "", "1/3", 38, 8, 8, "ADD,CMD", "LSB", 0x07},
    {"SHARP", "1A", "", "1/3", 38, 5, 8, "ADD,CMD", "LSB", 0x1A},
    {"SIRC12", "B", "", "1/2", 40, 5, 7, "CMD,ADD", "LSB", 0x0B},
    {"NRC17", "9", "", "1/3", 38, 4, 8, "CMD,ADD", "LSB", 0x09},
    {"M50560", "FF", "", "1/3", 38, 8, 8, "ADD,CMD", "LSB", 0xFF},
    {"RECS80", "5", "", "1/3", 38, 3, 6, "ADD,CMD", "MSB", 0x05},
    {"RCA", "C", "", "1/3", 56, 4, 8, "ADD,CMD,~ADD,~CMD", "MSB", 0x0C},
};

class StandardPageTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().ProjectFilePath.clear();
    state.Doc().Modified = 0;
    state.Doc().RemoveKeyValue(-1);
    state.BrandFlag() = 0;
    RegisterProtocolPages();
    RegisterKeysPages();
    // The key page's one-time guide stays away; arming it is checked directly.
    platform::WriteProfileString(GetUserIniPath(), "Olvanta", "Prompt_Standard", "1");
    DisarmKeyPageGuide();
  }

  void TearDown() override {
    RegisterShellPage(kStandardModePageId, nullptr);
    RegisterShellPage(kKeyConfigId, nullptr);
  }

  // The main window with a general remote with a standard protocol, made with
  // the new-project dialog; body runs inside the window's modal loop.
  void WithProject(const std::function<void()>& body) {
    RunMainWindow(
        [&] {
          ASSERT_NO_FATAL_FAILURE(CreateProject());
          body();
        },
        ExpressionLibrary::kBuilt);
  }

  void CreateProject() {
    ASSERT_NO_FATAL_FAILURE(CreateProjectWithNewProjectDialog("Hall Lamp", work.File("projects"), 0));
    project = platform::JoinPath(platform::JoinPath(work.File("projects"), "Hall Lamp"), "Hall Lamp.lmirprj");
    ASSERT_TRUE(wxFileExists(project)) << project;
    ASSERT_EQ(g_DocManage.ProtocolType, kProtocolStandard);
    ASSERT_EQ(dialog->GetCurrentPage(), Page());
    recorder.boxes.clear();
  }

  CStandardModePage* Page() const {
    return dynamic_cast<CStandardModePage*>(dialog->FindPage(kStandardModePageId));
  }
  CSubBaseDlg* KeyPage() const { return dialog->FindPage(kKeyConfigId); }

  static void PickText(wxChoice* choice, const wxString& text) {
    const int index = choice->FindString(text);
    ASSERT_NE(index, wxNOT_FOUND) << text;
    Pick(choice, index);
  }

  // Types the address into the emptied input and leaves it, as the user does.
  void TypeAddress(const wxString& text) {
    wxTextCtrl* entry = Page()->GetAddressInput().GetEdit()->GetTextCtrl();
    testsupport::MoveFocus(Page()->GetProtocolList(), entry);
    entry->SelectAll();
    testsupport::TypeKey(entry, WXK_DELETE);
    testsupport::TypeText(entry, text);
    testsupport::MoveFocus(entry, Page()->GetProtocolList());
    testsupport::PumpEvents();
  }

  wxString UnitText() const {
    CLUStatic* unit = Page()->GetAddressInput().GetUnit();
    return unit ? unit->GetLabel() : wxString();
  }

  void Next() { Press(Page()->FindWindow(CStandardModePage::kNextId)); }

  std::vector<wxString> BoxTexts() const {
    std::vector<wxString> texts;
    for (const auto& box : recorder.boxes) texts.push_back(box.text);
    return texts;
  }
  // The messages shown so far, for a failure's report.
  std::string Shown() const {
    std::string out;
    for (const auto& box : recorder.boxes) out += "[" + box.text.utf8_string() + "] ";
    return out;
  }

  wxString IncludeFile() const { return platform::JoinPath(g_DocManage.TempFolder, "IR_Standard.inc"); }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
  wxString project;
};

TEST_F(StandardPageTest, EachProtocolGeneratesItsIncludeFileAndDocumentValues) {
  WithProject([&] {
    CStandardModePage* page = Page();
    ASSERT_EQ(page->GetProtocolList()->GetCount(), std::size(kCases));
    // A new project starts on protocol 0 with nothing typed.
    EXPECT_EQ(page->GetProtocolList()->GetSelection(), 0);
    EXPECT_EQ(page->GetAddressInput().GetWindowText(), "");

    for (std::size_t n = 0; n < std::size(kCases); ++n) {
      const stProtocolCase& c = kCases[n];
      SCOPED_TRACE(c.name);
      Pick(page->GetProtocolList(), static_cast<int>(n));
      ASSERT_EQ(page->GetProtocolList()->GetStringSelection(), c.name);
      EXPECT_EQ(page->GetFrequencyBox()->GetValue(), wxString::Format("%d", c.carrier));
      EXPECT_TRUE(page->GetPicturePath().EndsWith(wxString(c.name) + ".png")) << page->GetPicturePath();
      if (*c.duty) PickText(page->GetDutyList(), c.duty);
      TypeAddress(c.address);
      EXPECT_EQ(UnitText(), "");

      Next();
      ASSERT_EQ(dialog->GetCurrentPage(), KeyPage()) << Shown();
      EXPECT_TRUE(recorder.boxes.empty()) << recorder.boxes.front().text;

      EXPECT_EQ(g_DocManage.CodeMode, n + 1);
      EXPECT_EQ(g_DocManage.OutputProtocolName, c.name);
      EXPECT_EQ(g_DocManage.Carrier, c.carrier);
      EXPECT_EQ(g_DocManage.GetParam(1), c.dutyShown);
      EXPECT_EQ(g_DocManage.Address, c.addressValue);
      EXPECT_EQ(g_DocManage.AddressBits, c.addressBits);
      EXPECT_EQ(g_DocManage.CommandBits, c.commandBits);
      EXPECT_EQ(g_DocManage.GetParam(22), c.sendOrder);
      EXPECT_EQ(g_DocManage.GetParam(23), c.sendMode);
      EXPECT_TRUE(IsKeyPageGuideArmed());
      DisarmKeyPageGuide();
      // The table holds this page's macros only, as the include file uses them.
      std::vector<wxString> names;
      for (const auto& entry : g_MacroMap) names.push_back(entry.first);
      EXPECT_EQ(names, (std::vector<wxString>{"ADDRESS_EXT", "ADDRESS_EXT_FLAG", "Address", "IR_Duty",
                                              "IR_FQC", "SUB_CODE", "SUB_CODE_FLAG"}));
      EXPECT_EQ(ReadFile(IncludeFile()), Golden(c.name));

      Press(KeyPage()->FindWindow(CKeyConfigDlg::kBackId));
      ASSERT_EQ(dialog->GetCurrentPage(), page);
      // Back keeps what was chosen.
      EXPECT_EQ(page->GetProtocolList()->GetStringSelection(), c.name);
      EXPECT_EQ(page->GetAddressInput().GetWindowText(), c.address);
      EXPECT_EQ(page->GetDutyList()->GetStringSelection(), c.dutyShown);
    }
    // Next again from the kept values writes the same file.
    ASSERT_TRUE(wxRemoveFile(IncludeFile()));
    Next();
    ASSERT_EQ(dialog->GetCurrentPage(), KeyPage()) << Shown();
    EXPECT_EQ(ReadFile(IncludeFile()), Golden("RCA"));
  });
}

TEST_F(StandardPageTest, BadAddressAndUnreadableTemplateKeepTheUserOnThePage) {
  WithProject([&] {
    CStandardModePage* page = Page();
    PickText(page->GetProtocolList(), "RC5");
    // Nothing typed.
    Next();
    EXPECT_EQ(dialog->GetCurrentPage(), page);
    EXPECT_EQ(BoxTexts(), std::vector<wxString>{GetLangText("IDS_NO_ADDRESS")});

    // 0x3F does not fit five address bits: marked at once, refused on Next.
    recorder.boxes.clear();
    TypeAddress("3F");
    EXPECT_EQ(UnitText(), "*");
    Next();
    EXPECT_EQ(dialog->GetCurrentPage(), page);
    EXPECT_EQ(BoxTexts(), std::vector<wxString>{GetLangText("IDS_ADDR_ERROR")});
    TypeAddress("1F");
    EXPECT_EQ(UnitText(), "");

    // A template that cannot be read: a message, no file, and the page stays.
    recorder.boxes.clear();
    const wxString templates = g_App.templateFolder;
    state.App().templateFolder = work.File("no-templates");
    Next();
    state.App().templateFolder = templates;
    EXPECT_EQ(dialog->GetCurrentPage(), page);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_TRUE(recorder.boxes[0].text.StartsWith("The include file IR_Standard.inc could not be generated"))
        << recorder.boxes[0].text;
    EXPECT_FALSE(wxFileExists(IncludeFile()));
    EXPECT_FALSE(IsKeyPageGuideArmed());

    recorder.boxes.clear();
    Next();
    EXPECT_EQ(dialog->GetCurrentPage(), KeyPage()) << Shown();
    EXPECT_TRUE(recorder.boxes.empty());
  });
}

TEST_F(StandardPageTest, KeyCodesAreCutToTheCommandBitsOnlyWhenTheUserAgrees) {
  WithProject([&] {
    state.Doc().AddKeyValue(0x3F, "Power");
    state.Doc().AddKeyValue(0x7F, "Mute");
    state.Doc().AddKeyValue(0xC5, "Menu");
    PickText(Page()->GetProtocolList(), "RC5");  // six command bits
    TypeAddress("1");

    recorder.answers = {platform::kIdCancel};
    Next();
    EXPECT_EQ(dialog->GetCurrentPage(), Page());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, "Warning");
    EXPECT_EQ(recorder.boxes[0].text, GetLangText("IDS_MODIFY_COMMAND_BIT_WARNING"));
    EXPECT_EQ(recorder.boxes[0].type & platform::kMbButtonMask, platform::kMbOkCancel);
    EXPECT_EQ(g_DocManage.KeyValues()[1].code, 0x7F);
    EXPECT_EQ(g_DocManage.KeyValues()[2].code, 0xC5);

    recorder.boxes.clear();
    Next();
    EXPECT_EQ(dialog->GetCurrentPage(), KeyPage()) << Shown();
    EXPECT_EQ(recorder.boxes.size(), 1u) << "one question for every code";
    EXPECT_EQ(g_DocManage.KeyValues()[0].code, 0x3F);
    EXPECT_EQ(g_DocManage.KeyValues()[1].code, 0x3F);
    EXPECT_EQ(g_DocManage.KeyValues()[2].code, 0x05);
  });
}

TEST_F(StandardPageTest, SavedChoiceIsWrittenAndShownAgainWhenReopened) {
  WithProject([&] {
    CStandardModePage* page = Page();
    PickText(page->GetProtocolList(), "SIRC12");
    PickText(page->GetDutyList(), "1/4");
    TypeAddress("1B");
    Next();
    ASSERT_EQ(dialog->GetCurrentPage(), KeyPage()) << Shown();
    ASSERT_TRUE(dialog->SaveProject());
    EXPECT_EQ(platform::ReadProfileSection(project, "Standard"),
              (std::vector<wxString>{"Protocol=SIRC12", "Address=1B", "sFreq=40", "sDuty=1/4"}));
  });
  if (HasFatalFailure()) return;

  state.Doc().Reset(true, false);
  state.Doc().ProjectName.clear();
  state.Doc().ProjectFilePath.clear();
  RunMainWindow(
      [&] {
        ASSERT_EQ(dialog->OpenProjectFile(project), 2);
        EXPECT_TRUE(recorder.boxes.empty()) << recorder.boxes.front().text;
        CStandardModePage* page = Page();
        ASSERT_EQ(dialog->GetCurrentPage(), page);
        EXPECT_EQ(page->GetProtocolList()->GetStringSelection(), "SIRC12");
        EXPECT_EQ(page->GetDutyList()->GetStringSelection(), "1/4");
        EXPECT_EQ(page->GetFrequencyBox()->GetValue(), "40");
        EXPECT_EQ(page->GetAddressInput().GetWindowText(), "1B");
        EXPECT_TRUE(page->GetPicturePath().EndsWith("SIRC12.png"));
        EXPECT_EQ(g_DocManage.CodeMode, 7);
        EXPECT_EQ(g_DocManage.Address, 0x1B);
        EXPECT_EQ(g_DocManage.Carrier, 40);
        EXPECT_EQ(g_DocManage.GetParam(1), "1/4");
      },
      ExpressionLibrary::kBuilt);
}

// A stored name selects only the protocol of exactly that name; a stored
// carrier that differs from the definition is kept after a notice.
TEST_F(StandardPageTest, StoredChoiceMustNameAProtocolWhole) {
  WithProject([&] {
    PickText(Page()->GetProtocolList(), "NEC_EXT");
    TypeAddress("1234");
    ASSERT_TRUE(dialog->SaveProject());
  });
  if (HasFatalFailure()) return;

  struct stStored {
    const char* protocol;
    const char* freq;
    int opened;  // OpenProjectFile's result
    const char* shown;
    std::vector<const char*> keys;
  };
  const stStored cases[] = {
      {"nec", "38", 2, "NEC", {}},  // case does not matter
      {"NE", "38", 0, "", {"IDS_GET_PORTOCOL_INFO_ERROR", "IDS_LOAD_FILE_FAILED"}},
      {"NEC_EXT", "40", 2, "NEC_EXT", {"IDS_FREQ_NO_MATCH"}},
  };
  for (const stStored& c : cases) {
    SCOPED_TRACE(c.protocol);
    platform::WriteProfileString(project, "Standard", "Protocol", c.protocol);
    platform::WriteProfileString(project, "Standard", "sFreq", c.freq);
    state.Doc().Reset(true, false);
    state.Doc().ProjectName.clear();
    state.Doc().ProjectFilePath.clear();
    recorder.boxes.clear();
    RunMainWindow(
        [&] {
          EXPECT_EQ(dialog->OpenProjectFile(project), c.opened);
          std::vector<wxString> expected;
          for (const char* key : c.keys) expected.push_back(GetLangText(key));
          EXPECT_EQ(BoxTexts(), expected);
          if (c.opened == 2) {
            EXPECT_EQ(Page()->GetProtocolList()->GetStringSelection(), c.shown);
            EXPECT_EQ(Page()->GetFrequencyBox()->GetValue(), c.freq);
            EXPECT_EQ(g_DocManage.Carrier, std::stoi(c.freq));
          }
        },
        ExpressionLibrary::kBuilt);
  }
}

TEST_F(StandardPageTest, ScreenshotsInEnglishAndChinese) {
  WithProject([&] {
    PickText(Page()->GetProtocolList(), "NEC");
    TypeAddress("A5");
    testsupport::PumpEvents();
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow()), "");
    EXPECT_FALSE(testsupport::SaveWindowScreenshot(dialog, "standard_page_en.png").empty());
    dialog->SwitchLanguage("936");
    testsupport::PumpEvents();
    EXPECT_EQ(Page()->FindWindow(CStandardModePage::kProtocolLabelId)->GetLabel(),
              GetLangText("IDS_STANDARD_TYPE"));
    EXPECT_EQ(testsupport::ClippedTexts(dialog->GetClientWindow()), "");
    EXPECT_FALSE(testsupport::SaveWindowScreenshot(dialog, "standard_page_zh.png").empty());
    dialog->SwitchLanguage("1252");
  });
}

}  // namespace
