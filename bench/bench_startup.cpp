// Start-up as processes: the program started from the dist folder with
// OLVANTA_EXIT_AFTER_START (it closes its main window once it is on the
// screen) against a bare wx dialog program that does the same, each run
// alternately to its end. Reports the medians, the median of the pairs'
// ratios with its quartiles, and the goal beside them. Needs a display.
#include "PairedRatio.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr double kGoalRatio = 1.5;

// A home of its own for the runs, so that the program's settings, work folders and file-type
// registration touch nothing of the user's.
struct RunEnvironment {
  RunEnvironment() {
    char pattern[] = "/tmp/olv-bench-startup-XXXXXX";
    const char* made = mkdtemp(pattern);
    home = made ? made : "";
    for (const char* folder : {"config", "data", "tmp"}) fs::create_directories(home / folder);
    for (char** entry = environ; *entry; ++entry) {
      const std::string text = *entry;
      const std::string name = text.substr(0, text.find('='));
      if (name == "HOME" || name.rfind("XDG_", 0) == 0 || name.rfind("OLVANTA_", 0) == 0 || name == "TMPDIR")
        continue;
      variables.push_back(text);
    }
    variables.push_back("HOME=" + home.string());
    variables.push_back("XDG_RUNTIME_DIR=" + home.string());
    variables.push_back("XDG_CONFIG_HOME=" + (home / "config").string());
    variables.push_back("XDG_DATA_HOME=" + (home / "data").string());
    variables.push_back("TMPDIR=" + (home / "tmp").string());
    variables.push_back("OLVANTA_MESSAGE_LOG=" + (home / "boxes.log").string());
    variables.push_back("OLVANTA_EXIT_AFTER_START=1");
    for (std::string& variable : variables) pointers.push_back(variable.data());
    pointers.push_back(nullptr);
  }
  ~RunEnvironment() {
    std::error_code ignored;
    if (!home.empty()) fs::remove_all(home, ignored);
  }

  // Runs program to its end with its output dropped; true when it ended with 0.
  bool Run(const std::string& program) const {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    pid_t child = 0;
    const int failed = posix_spawn(&child, path.c_str(), &actions, nullptr, argv, pointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) return false;
    int status = 0;
    if (waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  fs::path home;
  std::vector<std::string> variables;
  std::vector<char*> pointers;
};

double Quantile(std::vector<double> values, double q) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

void BM_StartupVsBareDialog(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("no display");
    return;
  }
  const RunEnvironment environment;
  const std::string program = OLV_PROGRAM_PATH, reference = OLV_REFERENCE_PATH;
  // One start each beforehand: the file-type registration and the disk cache are then as on
  // every later start.
  bool ok = environment.Run(program) && environment.Run(reference);
  std::vector<double> programTimes, referenceTimes, ratios;
  for (auto _ : state) {
    const double p = benchpair::TimeOnce([&] { ok = environment.Run(program) && ok; });
    const double r = benchpair::TimeOnce([&] { ok = environment.Run(reference) && ok; });
    programTimes.push_back(p);
    referenceTimes.push_back(r);
    ratios.push_back(r > 0 ? p / r : 0.0);
  }
  if (!ok) state.SkipWithError("a start failed");
  state.counters["program_ms"] = benchpair::Median(programTimes) * 1e3;
  state.counters["bare_dialog_ms"] = benchpair::Median(referenceTimes) * 1e3;
  state.counters["ratio"] = benchpair::Median(ratios);
  state.counters["ratio_q1"] = Quantile(ratios, 0.25);
  state.counters["ratio_q3"] = Quantile(ratios, 0.75);
  state.counters["goal"] = kGoalRatio;
}
BENCHMARK(BM_StartupVsBareDialog)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
