// A project save where the file on disk holds 5000 keys that no page writes:
// the staged save carries them over, against a batch that writes the same
// 5000 keys into a new file (what the save costs when the pages write them).
#include "PairedRatio.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "core/DocManage.h"
#include "core/ProjectFile.h"
#include "platform/Profile.h"
#include "ui/shell/StagedSave.h"

namespace {

constexpr int kSections = 50;
constexpr int kKeysPerSection = 100;  // 5000 keys in all

class ProjectFolder {
 public:
  ProjectFolder() {
    namespace fs = std::filesystem;
    m_folder = fs::temp_directory_path() / ("olv-bench-save-" + std::to_string(std::random_device{}()));
    fs::create_directory(m_folder);
  }
  ~ProjectFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
  }
  wxString Path(const char* name = nullptr) const {
    const auto path = name ? m_folder / name : m_folder;
    return wxString::FromUTF8(path.u8string().c_str());
  }

 private:
  std::filesystem::path m_folder;
};

bool WriteKeys(const wxString& file) {
  bool ok = true;
  for (int s = 0; s < kSections; ++s) {
    const wxString section = wxString::Format("Key%d", s);
    for (int k = 0; k < kKeysPerSection; ++k)
      ok = platform::WriteProfileString(file, section, wxString::Format("Code%d", k), "0x1F 0xE0 0x45") && ok;
  }
  return ok;
}

void BM_SaveCarryingKeysOver(benchmark::State& state) {
  ProjectFolder folder;
  g_DocManage.ProjectFolder = folder.Path();
  g_DocManage.ProjectName = "Remote";
  g_DocManage.McuName = "QK37A0660";
  const wxString project = g_DocManage.BuildProjectFilePath();
  bool ok = g_DocManage.CreateProjectFile(false, true);
  {
    platform::ProfileWriteBatch batch(project);
    ok = WriteKeys(project) && batch.Commit() && ok;
  }
  const wxString fresh = folder.Path("fresh.ini");
  const auto save = [&] {
    CStagedProjectSave staged;
    ok = staged.Begin() && staged.Commit() && ok;
  };
  const auto writeAllKeys = [&] {
    platform::ProfileWriteBatch batch(fresh);
    ok = WriteKeys(fresh) && batch.Commit() && ok;
  };
  const auto tidy = [&] {
    std::error_code ec;
    std::filesystem::remove(std::string(fresh.utf8_str()), ec);
    platform::ClearProfileCache();
  };
  benchpair::RunPaired(state, save, writeAllKeys, tidy);
  state.counters["goal_subject_ms_below"] = 1000;
  ok = platform::ReadProfileKeys(project, "Key49").size() == kKeysPerSection && ok;
  if (!ok) state.SkipWithError("a save failed or lost keys");
  g_DocManage.ProjectFolder.clear();
  g_DocManage.ProjectName.clear();
  g_DocManage.McuName.clear();
  g_DocManage.ProjectFilePath.clear();
}
BENCHMARK(BM_SaveCarryingKeysOver)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
