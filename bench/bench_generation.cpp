// Generating a firmware folder from a framework of 201 files (about 5 MB)
// against a plain recursive copy of the same framework, paired in one run.
#include "PairedRatio.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <wx/string.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kIncFiles = 40;
constexpr int kAsmFiles = 140;
constexpr int kOtherFiles = 21;
constexpr int kBlocksPerFile = 40;
constexpr int kFillerLinesPerBlock = 5;

wxString ToWx(const fs::path& path) { return wxString::FromUTF8(path.u8string().c_str()); }

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string FillerLines(int seed) {
  std::string text;
  char line[96];
  for (int i = 0; i < kFillerLinesPerBlock; ++i) {
    std::snprintf(line, sizeof line, "\tMOV\tR%d,#%02XH\t\t; load register %d for step %d\r\n", i % 8,
                  (seed * 31 + i) & 0xFF, i % 8, seed);
    text += line;
  }
  return text;
}

// Conditional blocks of every kind the preprocessor decides, around plain code.
std::string SourceFile(int file, bool withDefines) {
  std::string text = "; generated bench source\r\n";
  char line[128];
  if (withDefines) {
    for (int d = 0; d < 30; ++d) {
      std::snprintf(line, sizeof line, "#define FEATURE_%d_%d %d\r\n", file, d, d % 3);
      text += line;
    }
  }
  for (int b = 0; b < kBlocksPerFile; ++b) {
    const int feature = (file * 7 + b) % kIncFiles;
    switch (b % 4) {
      case 0: std::snprintf(line, sizeof line, "\tIFDEF FEATURE_%d_%d\r\n", feature, b % 30); break;
      case 1: std::snprintf(line, sizeof line, "\tIF FEATURE_%d_%d == 1\r\n", feature, b % 30); break;
      case 2: std::snprintf(line, sizeof line, "\tIFNDEF MISSING_%d\r\n", b); break;
      default:
        std::snprintf(line, sizeof line, "\tIF (FEATURE_%d_%d > 0) && (FEATURE_%d_1 < 2)\r\n", feature,
                      b % 30, feature);
        break;
    }
    text += line;
    text += FillerLines(b);
    text += "\tELSE\r\n";
    text += FillerLines(b + 1);
    text += "\tENDIF\r\n";
    text += FillerLines(b + 2);
  }
  return text;
}

// Protocols/Custom/IR_FrameWork_BENCH_V1.0/MCU/PROTO with 201 files in four folders.
struct Framework {
  Framework() {
    root = fs::temp_directory_path() / ("olv-bench-gen-" + std::to_string(std::random_device{}()));
    source = root / "Protocols/Custom/IR_FrameWork_BENCH_V1.0/MCU/PROTO";
    const fs::path folders[] = {source, source / "lib", source / "drivers", source / "include"};
    for (const fs::path& folder : folders) fs::create_directories(folder);
    for (int i = 0; i < kIncFiles; ++i)
      WriteText(folders[3] / ("Config" + std::to_string(i) + ".inc"), SourceFile(i, true));
    for (int i = 0; i < kAsmFiles; ++i)
      WriteText(folders[i % 3] / ("Module" + std::to_string(i) + ".asm"), SourceFile(i, false));
    for (int i = 0; i < kOtherFiles; ++i)
      WriteText(folders[i % 4] / ("Notes" + std::to_string(i) + ".txt"), FillerLines(i) + FillerLines(i + 9));
    WriteText(root / "Key_Mapping.tpl", "; key mapping\r\n" + FillerLines(3));
    fs::create_directories(root / "Project");
    fs::create_directories(root / "Copy");
  }
  ~Framework() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  fs::path root, source;
};

// A project whose generation runs in the bench's own framework.
struct Generation {
  explicit Generation(const Framework& framework) : templatePath(ToWx(framework.root / "Key_Mapping.tpl")) {
    g_App.protocolFolder = ToWx(framework.root / "Protocols");
    doc.ProjectFolder = ToWx(framework.root / "Project");
    doc.ProjectName = "Bench";
    doc.McuName = "MCU";
    doc.ProtocolType = 2;
    doc.Keypad = 1;
  }
  ~Generation() { g_App.protocolFolder.clear(); }

  void Run() {
    ok = doc.PrepareOutputFolder("PROTO", "IR_FrameWork_BENCH") && ok;
    const wxString out = doc.GetOutputFolder();
    ok = doc.WriteTemplateFile(templatePath, platform::JoinPath(out, "Key_Mapping.inc")) && ok;
    ok = doc.PreprocessFramework(out) && ok;
  }
  void RemoveOutput() {
    std::error_code ec;
    fs::remove_all(fs::path(std::string(doc.GetOutputFolder().utf8_str())), ec);
  }

  CDocManage doc;
  wxString templatePath;
  bool ok = true;
};

// Against std::filesystem's recursive copy in this process; removals untimed.
void BM_GenerationVsCopy(benchmark::State& state) {
  Framework framework;
  Generation generation(framework);
  const fs::path copy = framework.root / "Copy/PROTO";
  benchpair::RunPaired(
      state, [&] { generation.Run(); },
      [&] { fs::copy(framework.source, copy, fs::copy_options::recursive); },
      [&] {
        generation.RemoveOutput();
        fs::remove_all(copy);
      });
  if (!generation.ok) state.SkipWithError("generation failed");
}
BENCHMARK(BM_GenerationVsCopy)->Unit(benchmark::kMillisecond)->Iterations(15);

// Against "rm -rf" and "cp -r" run as processes, the removal timed on both sides.
void BM_GenerationVsCopyCommands(benchmark::State& state) {
  Framework framework;
  Generation generation(framework);
  const std::string copy = (framework.root / "Copy/PROTO").string();
  const std::string commands =
      "rm -rf '" + copy + "' && cp -r '" + framework.source.string() + "' '" + copy + "'";
  bool copied = true;
  benchpair::RunPaired(
      state,
      [&] {
        generation.RemoveOutput();
        generation.Run();
      },
      [&] { copied = std::system(commands.c_str()) == 0 && copied; });
  if (!generation.ok || !copied) state.SkipWithError("generation or copy failed");
}
BENCHMARK(BM_GenerationVsCopyCommands)->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace
