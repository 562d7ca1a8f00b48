// The general examples end to end: each opened in the main window, walked
// forward to the key page by its caption on the navigation bar (every page
// passed is checked and generates), and output. The firmware folder equals the
// example's golden tree under tests/fixtures/output; besides, no token is left,
// and in .inc and .asm files no condition is left but the comment-guarded ones
// the preprocessor keeps; with conditional code the framework files come out
// as they are.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/ExprEngine.h"
#include "core/LangText.h"
#include "core/UserIni.h"
#include "keys/KeySourceGeneration.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "protocol/pages/ProtocolPages.h"
#include "ui/shell/OlvantaDlg.h"
#include "PageTestBase.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/choice.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using testsupport::ReadBytes;

namespace {

#ifdef OLV_BRAND_MAKER
constexpr int kBrand = 1;
const char* const kExtension = ".ovirprj";
#else
constexpr int kBrand = 0;
const char* const kExtension = ".lmirprj";
#endif

struct stExample {
  const char* name;
  const char* framework;  // below the general remote's protocols folder, without the MCU
  const char* protocol;
  const char* include;   // the protocol page's generated include
  const char* sendBits;  // the data format page's send table, if any
  const char* golden;    // the expected firmware folder under tests/fixtures/output, if any
};
const stExample kExamples[] = {
    {"NEC_TV_Remote", "Standard/IR_FrameWork_STD_V1.0", "NEC", "IR_Standard.inc", nullptr, "NEC_TV_Remote"},
    {"Custom_Protocol_Remote", "Custom/IR_FrameWork_USER_DEF_V1.0", "USER_DEF", "IR_UserDef.inc",
     "IR_SendBits.asm", "Custom_Protocol_Remote"},
};

std::set<std::string> FileNames(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) names.insert(fs::relative(entry.path(), folder).generic_string());
  return names;
}

bool IsAssembly(const std::string& name) {
  std::string extension = fs::path(name).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".inc" || extension == ".asm";
}

// A line the preprocessor would take for a directive, unless a "//" guards it.
bool IsConditionLine(const std::string& line) {
  static const std::regex directive(R"(\b(IF|IFE|IFDEF|IFNDEF|ELSE|ELSEIF|ENDIF)\b)");
  if (line.find("//IF") != std::string::npos || line.find("//ENDIF") != std::string::npos) return false;
  const std::string code = line.substr(0, line.find(';'));
  return std::regex_search(code, directive);
}

class OutputExamplesTest : public testsupport::PageTestBase, public ::testing::WithParamInterface<stExample> {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().Modified = 0;
    state.BrandFlag() = kBrand;
    RegisterProtocolPages();
    RegisterKeysPages();
    for (const char* key : {"Prompt_Standard", "Prompt_UserDef"})
      platform::WriteProfileString(GetUserIniPath(), "Olvanta", key, "1");
    DisarmKeyPageGuide();
  }

  void TearDown() override {
    for (int id : {kStandardModePageId, kModulationParamId, kDataFormatId, kKeyConfigId})
      RegisterShellPage(id, nullptr);
  }

  // Runs the main window, opens the example in it and jumps to the key page from the navigation
  // bar; body runs there, inside the window's modal loop.
  void OnKeyPageOf(const stExample& example, const std::function<void()>& body) {
    const wxString source = platform::JoinPath(
        platform::JoinPath(OLV_SOURCE_DIR, "install/Example/General type remote controller"), example.name);
    const wxString folder = work.File(example.name);
    fs::copy(platform::ToFsPath(source), platform::ToFsPath(folder), fs::copy_options::recursive);
    RunMainWindow([&] {
      ASSERT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR));
      ASSERT_EQ(dialog->OpenProjectFile(platform::JoinPath(folder, wxString(example.name) + kExtension)), 2);
      recorder.boxes.clear();
      const int last = dialog->GetNavBar().GetItemCount() - 1;
      testsupport::Click(dialog->GetClientWindow(),
                         dialog->GetNavBar().GetItemRect(last).GetPosition() + wxSize(30, 20));
      testsupport::PumpEvents();
      ASSERT_TRUE(recorder.boxes.empty()) << recorder.boxes.front().text;
      ASSERT_EQ(dialog->GetCurrentPage(), KeyPage());
      body();
    });
  }

  CKeyConfigDlg* KeyPage() const { return dynamic_cast<CKeyConfigDlg*>(dialog->FindPage(kKeyConfigId)); }

  // Output, declining to open the folder; the output folder.
  fs::path Output() {
    wxWindow* button = KeyPage()->FindWindow(CKeyConfigDlg::kOutputId);
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    recorder.answers.push_back(platform::kIdCancel);
    button->ProcessWindowEvent(event);
    testsupport::PumpEvents();
    const wxString output = g_DocManage.GetOutputFolder();
    EXPECT_EQ(recorder.boxes.size(), 1u);
    if (!recorder.boxes.empty()) {
      EXPECT_EQ(recorder.boxes.back().text,
                platform::FormatChecked(GetLangText("IDS_BUILD_OK"), {platform::FormatArg(output)}));
    }
    return platform::ToFsPath(output);
  }

  fs::path FrameworkSource(const stExample& example) const {
    return platform::ToFsPath(g_App.GetProtocolFolder(0)) / example.framework /
           platform::ToFsPath(g_DocManage.GetMcuName()) / example.protocol;
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};

TEST_P(OutputExamplesTest, GeneratedCodeIsCompleteAndEveryConditionDecided) {
  const stExample& example = GetParam();
  OnKeyPageOf(example, [&] {
    const fs::path output = Output();
    const fs::path framework = FrameworkSource(example);
    ASSERT_TRUE(fs::is_directory(output));
    EXPECT_EQ(output.filename().string().rfind(std::string(example.name) + "_", 0), 0u) << output;

    std::set<std::string> expected = FileNames(framework);
    for (const char* generated : {kKeyTableFile, kKeyMappingFile, kDrivingFile, example.include})
      expected.insert(generated);
    if (example.sendBits) expected.insert(example.sendBits);
    EXPECT_EQ(FileNames(output), expected);

    for (const std::string& name : FileNames(output)) {
      const std::string text = ReadBytes(platform::FromFsPath(output / name));
      EXPECT_EQ(text.find('$'), std::string::npos) << name;
      if (!IsAssembly(name)) {
        EXPECT_EQ(text, ReadBytes(platform::FromFsPath(framework / name))) << name << " is copied as it is";
        continue;
      }
      std::istringstream lines(text);
      for (std::string line; std::getline(lines, line);)
        EXPECT_FALSE(IsConditionLine(line)) << name << ": " << line;
    }
    EXPECT_EQ(g_DocManage.Modified, 0);

    // The whole folder against the one written by hand: the generated files from
    // their formats, the framework's files with their conditions decided by
    // tests/fixtures/output/decide_conditions.py.
    if (!example.golden || kBrand != 0) return;
    const fs::path golden = fs::path(OLV_SOURCE_DIR) / "tests/fixtures/output" / example.golden;
    ASSERT_EQ(FileNames(output), FileNames(golden));
    for (const std::string& name : FileNames(golden))
      EXPECT_EQ(ReadBytes(platform::FromFsPath(output / name)),
                ReadBytes(platform::FromFsPath(golden / name)))
          << name;
  });
}

TEST_P(OutputExamplesTest, ConditionalCodeKeepsTheFrameworkAsItIs) {
  const stExample& example = GetParam();
  OnKeyPageOf(example, [&] {
    auto* codeType = dynamic_cast<wxChoice*>(KeyPage()->FindWindow(CKeyConfigDlg::kCodeTypeComboId));
    ASSERT_TRUE(codeType);
    codeType->SetSelection(1);
    wxCommandEvent pick(wxEVT_CHOICE, codeType->GetId());
    pick.SetEventObject(codeType);
    pick.SetInt(1);
    codeType->ProcessWindowEvent(pick);
    testsupport::PumpEvents();
    ASSERT_EQ(g_DocManage.CodeType, 1);

    const fs::path output = Output();
    const fs::path framework = FrameworkSource(example);
    bool conditionKept = false;
    for (const std::string& name : FileNames(framework)) {
      const std::string text = ReadBytes(platform::FromFsPath(output / name));
      EXPECT_EQ(text, ReadBytes(platform::FromFsPath(framework / name))) << name;
      std::istringstream lines(text);
      for (std::string line; std::getline(lines, line);)
        conditionKept = conditionKept || IsConditionLine(line);
    }
    EXPECT_TRUE(conditionKept);
    const std::string mapping = ReadBytes(platform::FromFsPath(output / kKeyMappingFile));
    EXPECT_NE(mapping.find("#define"), std::string::npos);
  });
}

INSTANTIATE_TEST_SUITE_P(General, OutputExamplesTest, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<stExample>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
