// The output command's folder steps over a 201-file stress framework (about
// 5.3 MB), with 41 % and with 7 % of its lines directives, each paired in one
// run with a copy of the same tree: in the process against std::filesystem's
// recursive copy, and as a process of its own against "cp -r". The new-folder
// way is the one the output command takes; the existing-folder one (kept
// "src" folders) is timed too. The goal, beside each ratio it applies to: the
// output within twice the copy.
#include "PairedRatio.h"
#include "StressFramework.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <wx/datetime.h>
#include <wx/string.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr double kGoalRatio = 2.0;

wxString ToWx(const fs::path& path) { return wxString::FromUTF8(path.u8string().c_str()); }

double ShareOf(const benchmark::State& state) { return static_cast<double>(state.range(0)) / 100.0; }

// The stress framework, a work folder with the generated files and room for the outputs.
struct Framework {
  explicit Framework(double directiveShare) {
    root = fs::temp_directory_path() / ("olv-bench-gen-" + std::to_string(std::random_device{}()));
    source = stress::WriteFramework(root, directiveShare);
    fs::create_directories(root / "Work");
    stress::WriteText(root / "Work/Keys.inc", "#define KEYS 4\r\n#define FEATURE_3_3 2\r\n");
    fs::create_directories(root / "Project");
    fs::create_directories(root / "Copy");
  }
  ~Framework() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  fs::path CopyFolder() const { return root / "Copy/PROTO"; }
  fs::path root, source;
};

// A general remote with generative code over the stress framework.
struct Generation {
  explicit Generation(const Framework& framework) : work(ToWx(framework.root / "Work")) {
    g_App.protocolFolder = ToWx(framework.root / "Protocols");
    doc.ProjectFolder = ToWx(framework.root / "Project");
    doc.ProjectName = "Bench";
    doc.McuName = "MCU";
    doc.ProtocolType = 2;
  }
  ~Generation() { g_App.protocolFolder.clear(); }

  void Run() {
    ok = doc.MakeOutputFolder("PROTO", "IR_FrameWork_BENCH", work, true) == CDocManage::OutputStep::kDone &&
         ok;
  }
  // The output folders of the next seconds made beforehand with a kept "src"
  // folder, so that the next run goes over an existing folder.
  void KeepSourceFolders() const {
    const wxDateTime now = wxDateTime::Now();
    for (int s = 0; s < 3; ++s) {
      const wxDateTime at = now + wxTimeSpan::Seconds(s);
      const wxString name =
          wxString::Format("%s_%s_%s", doc.ProjectName, at.Format("%Y%m%d"), at.Format("%H%M%S"));
      const fs::path src =
          fs::path(std::string(platform::JoinPath(doc.ProjectFolder, name).utf8_str())) / "src";
      fs::create_directories(src);
      stress::WriteText(src / "Kept.inc", "#define KEPT 1\r\n\tIF KEPT == 1\r\nkept\r\n\tENDIF\r\n");
    }
  }
  void RemoveOutputs() {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(std::string(doc.ProjectFolder.utf8_str()))))
      fs::remove_all(entry.path(), ec);
  }

  CDocManage doc;
  wxString work;
  bool ok = true;
};

// In the process against std::filesystem's recursive copy; removals untimed.
void BM_OutputVsCopy(benchmark::State& state) {
  Framework framework(ShareOf(state));
  Generation generation(framework);
  benchpair::RunPaired(
      state, [&] { generation.Run(); },
      [&] { fs::copy(framework.source, framework.CopyFolder(), fs::copy_options::recursive); },
      [&] {
        generation.RemoveOutputs();
        fs::remove_all(framework.CopyFolder());
      });
  state.counters["goal"] = kGoalRatio;
  if (!generation.ok) state.SkipWithError("the output folder failed");
}
BENCHMARK(BM_OutputVsCopy)->Arg(41)->Arg(7)->Unit(benchmark::kMillisecond)->Iterations(30);

// The same over an output folder that holds a kept "src" folder.
void BM_OutputOverExistingVsCopy(benchmark::State& state) {
  Framework framework(ShareOf(state));
  Generation generation(framework);
  benchpair::RunPaired(
      state, [&] { generation.Run(); },
      [&] { fs::copy(framework.source, framework.CopyFolder(), fs::copy_options::recursive); },
      [&] {
        generation.RemoveOutputs();
        fs::remove_all(framework.CopyFolder());
        generation.KeepSourceFolders();
      });
  if (!generation.ok) state.SkipWithError("the output folder failed");
}
BENCHMARK(BM_OutputOverExistingVsCopy)->Arg(41)->Unit(benchmark::kMillisecond)->Iterations(30);

// The output steps as a process of their own against "cp -r"; both started by
// the shell, removals untimed.
void BM_OutputProcessVsCopyCommand(benchmark::State& state) {
  Framework framework(ShareOf(state));
  Generation generation(framework);
  const std::string output = std::string(OLV_OUTPUT_DRIVER) + " '" + (framework.root / "Protocols").string() +
                             "' IR_FrameWork_BENCH MCU PROTO '" + (framework.root / "Project").string() +
                             "' '" + (framework.root / "Work").string() + "' >/dev/null";
  const std::string copy =
      "cp -r '" + framework.source.string() + "' '" + framework.CopyFolder().string() + "'";
  bool ok = true;
  benchpair::RunPaired(
      state, [&] { ok = std::system(output.c_str()) == 0 && ok; },
      [&] { ok = std::system(copy.c_str()) == 0 && ok; },
      [&] {
        generation.RemoveOutputs();
        fs::remove_all(framework.CopyFolder());
      });
  state.counters["goal"] = kGoalRatio;
  if (!ok) state.SkipWithError("the output process or the copy failed");
}
BENCHMARK(BM_OutputProcessVsCopyCommand)->Arg(41)->Arg(7)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
