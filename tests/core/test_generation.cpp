// A fixture framework turned into a firmware folder and compared with its golden copy.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/ExprEngine.h"
#include "platform/Paths.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

const fs::path kFixture = fs::path(OLV_SOURCE_DIR) / "tests/fixtures/generation";

// Every file below a folder, by relative path.
std::map<std::string, std::string> ReadTree(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = fs::relative(entry.path(), root).generic_string();
    files[relative] = testsupport::ReadBytes(wxString::FromUTF8(entry.path().u8string().c_str()));
  }
  return files;
}

TEST(Generation, FixtureFrameworkMatchesItsGoldenFolder) {
  testsupport::ProgramState state;
  ASSERT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR));
  testsupport::TempDir dir;
  state.App().protocolFolder = wxString::FromUTF8((kFixture / "Protocols").u8string().c_str());

  CDocManage doc;
  doc.ProjectFolder = dir.Path();
  doc.ProjectName = "Demo";
  doc.McuName = "QK21A0510";
  doc.ProtocolType = 2;
  doc.Keypad = 1;
  ASSERT_TRUE(doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_USER_DEF"));

  state.Macros().clear();
  state.Macros()["PROJECT"] = "Demo";
  state.Macros()["KEY_COUNT_MACRO"] = "4";
  state.Macros()["KEY_TABLE"] = "KEY_TABLE:\r\n\tDB 01H,02H,03H,04H";
  state.Macros()["KEY_~DESCRIPTION"] = "; four keys on PA0..PA3";
  const wxString out = doc.GetOutputFolder();
  ASSERT_TRUE(
      doc.WriteTemplateFile(wxString::FromUTF8((kFixture / "Template/Key_Mapping.tpl").u8string().c_str()),
                            platform::JoinPath(out, "Key_Mapping.inc")));
  ASSERT_TRUE(doc.PreprocessFramework(out));

  const auto produced = ReadTree(fs::path(std::string(out.utf8_str())));
  const auto golden = ReadTree(kFixture / "golden");
  EXPECT_EQ(produced, golden);
  state.App().protocolFolder.clear();
}

}  // namespace
