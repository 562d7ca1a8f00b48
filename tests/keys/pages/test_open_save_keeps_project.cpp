// A project opened and saved at once, no page visited: the file keeps every
// section and key, each with its value but for the few the loaded pages write
// in their own form, which must be written so.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/UserIni.h"
#include "keys/pages/KeysPages.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "protocol/pages/ProtocolPages.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/ShellHooks.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>

namespace {

// Every "section/key=value" of the file but the folder it names, which follows the copy.
std::map<wxString, wxString> Entries(const wxString& path) {
  std::map<wxString, wxString> entries;
  for (const wxString& section : platform::ReadProfileSectionNames(path)) {
    for (const wxString& key : platform::ReadProfileKeys(path, section)) {
      if (section == "Project" && key == "Folder") continue;
      entries[section + "/" + key] = platform::ReadProfileString(path, section, key, "", 4096);
    }
  }
  return entries;
}

struct stExample {
  const char* name;
  // Entries the loaded pages write in their own form, with what they write:
  // the key page marks the pin list's blank place with a space; the
  // data-format page empties the constants its frame does not use. A save
  // with every page made writes them so too.
  std::map<wxString, wxString> rewritten;
};

void PrintTo(const stExample& example, std::ostream* os) { *os << example.name; }

const stExample kExamples[] = {
    {"NEC_TV_Remote", {{"KeyConfig/IOConfigItem", "PA0,PA1,PA2,PA3, ,PB0,PB1,PB2,PB3"}}},
    {"Custom_Protocol_Remote",
     {{"Custom/CONST3_BITS", ""},
      {"Custom/CONST3_VALUE", ""},
      {"Custom/CONST4_BITS", ""},
      {"Custom/CONST4_VALUE", ""}}},
};

class OpenSaveTest : public testsupport::PageTestBase, public ::testing::WithParamInterface<stExample> {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.BrandFlag() = 0;
    state.Doc().Modified = 0;
    RegisterProtocolPages();
    RegisterKeysPages();
    DisarmKeyPageGuide();
  }
  void TearDown() override {
    state.Doc().Modified = 0;
    for (int id : {kStandardModePageId, kModulationParamId, kDataFormatId, kKeyConfigId})
      RegisterShellPage(id, nullptr);
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};

TEST_P(OpenSaveTest, SaveRightAfterOpeningLosesNothing) {
  const stExample& example = GetParam();
  const wxString name = example.name;
  const wxString folder = work.File(name);
  CopyGeneralRemoteExample(name, folder);
  const wxString path = platform::JoinPath(folder, name + ".lmirprj");
  const std::map<wxString, wxString> before = Entries(path);
  ASSERT_FALSE(before.empty());
  RunMainWindow([&] {
    ASSERT_EQ(dialog->OpenProjectFile(path), 2);
    ASSERT_TRUE(dialog->SaveProject());
  });
  EXPECT_TRUE(recorder.boxes.empty());
  const std::map<wxString, wxString> after = Entries(path);
  for (const auto& [entry, value] : before) {
    const auto found = after.find(entry);
    if (found == after.end()) {
      ADD_FAILURE() << entry << " is gone";
    } else {
      const auto rewritten = example.rewritten.find(entry);
      EXPECT_EQ(found->second, rewritten == example.rewritten.end() ? value : rewritten->second) << entry;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(GeneralExamples, OpenSaveTest, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<stExample>& info) { return info.param.name; });

}  // namespace
