// The output command over the largest framework of the install (the key
// sources generated into the work folder, the output folder made from the
// framework, the work folder copied over it and its conditions decided)
// against a plain recursive copy of that framework, in the process against
// std::filesystem's copy and as a process against "cp -r", each paired in one
// run, with the goal beside each ratio: the output within twice the copy, the
// key template's expansion within its copy.
#include "PairedRatio.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/ExprEngine.h"
#include "keys/KeySourceGeneration.h"
#include "keys/KeySlots.h"
#include "keys/OutputCommand.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "protocol/DataFormatDefinitions.h"
#include "protocol/DataFormatGeneration.h"
#include "protocol/ModulationModel.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr double kGoalRatio = 2.0;
constexpr double kTemplateGoalRatio = 1.0;

struct stFramework {
  fs::path folder;  // <protocols>/<kind>/<framework>/<MCU>/<protocol>
  std::uintmax_t bytes = 0;
};

std::uintmax_t FolderBytes(const fs::path& folder) {
  std::uintmax_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) bytes += entry.file_size();
  return bytes;
}

// The protocol folder with the most bytes among every MCU of every framework.
stFramework LargestFramework(const fs::path& protocols) {
  stFramework largest;
  for (const auto& kind : fs::directory_iterator(protocols)) {
    if (!kind.is_directory()) continue;
    for (const auto& framework : fs::directory_iterator(kind.path())) {
      if (!framework.is_directory()) continue;
      for (const auto& mcu : fs::directory_iterator(framework.path())) {
        if (!mcu.is_directory()) continue;
        for (const auto& protocol : fs::directory_iterator(mcu.path())) {
          if (!protocol.is_directory()) continue;
          const std::uintmax_t bytes = FolderBytes(protocol.path());
          if (bytes > largest.bytes) largest = {protocol.path(), bytes};
        }
      }
    }
  }
  return largest;
}

// The user-defined protocol's macros as its pages make them: every carrier,
// timing and data-format definition that gives one, and a frame's fields.
CStringMap UserDefinedMacros(const fs::path& setting) {
  CStringMap macros;
  const wxString path = platform::FromFsPath(setting);
  const modulation::CParamDefinitions carrier(path);
  for (int n = 0; n < 64; ++n) {
    modulation::stParamDefinition definition;
    if (carrier.Read(n, definition)) macros[definition.name] = definition.max > 0 ? "560" : "1";
  }
  for (int n = 0; n < 64; ++n) {
    olv::protocol::stParamDefinition definition;
    if (!olv::protocol::ReadParamDefinition(path, n, definition)) continue;
    const bool input = !definition.format.empty();
    if (input && (!definition.hasMask || definition.mask == 0)) continue;
    macros[definition.name] = input ? "8" : "1";
  }
  macros["IR_Manchester"] = "0";
  olv::protocol::AddDataFieldMacros(macros, {{"CONST_CODE1"}, {"COMMAND"}, {"COMMAND", true}});
  return macros;
}

// A general remote with a 4 x 4 matrix over the largest framework; its
// protocol page's include is already in the work folder, as after Next.
struct OutputRun {
  OutputRun() {
    g_App.BuildInstallPaths(OLV_SOURCE_DIR "/install");
    g_App.protocolFolder = g_App.GetProtocolFolder(0);
    loaded = g_ExprEngine.Load(OLV_DIST_DIR);
    const fs::path protocols = platform::ToFsPath(g_App.protocolFolder);
    framework = LargestFramework(protocols);
    root = fs::temp_directory_path() / ("olv-bench-output-" + std::to_string(std::random_device{}()));
    fs::create_directories(root / "project");
    fs::create_directories(root / "work");
    fs::create_directories(root / "copy");

    const fs::path mcu = framework.folder.parent_path();
    const bool userDefined = framework.folder.filename() == "USER_DEF";
    doc.ProjectFolder = platform::FromFsPath(root / "project");
    doc.ProjectName = "Bench";
    doc.McuName = platform::FromFsPath(mcu.filename());
    doc.ProtocolType = userDefined ? 2 : 1;
    doc.CodeMode = userDefined ? 15 : 1;
    doc.OutputProtocolName = platform::FromFsPath(framework.folder.filename());
    doc.TempFolder = platform::FromFsPath(root / "work");
    doc.CommandBits = 8;
    doc.Keypad = 1;

    const wxString templates = g_App.templateFolder;
    g_MacroMap = UserDefinedMacros(protocols / "Custom" / "setting.ini");
    const bool include =
        userDefined ? doc.WriteTemplateFile(platform::JoinPath(templates, "GenUEF_IR_UserDef.temp"),
                                            platform::JoinPath(doc.TempFolder, "IR_UserDef.inc"))
                    : doc.WriteTemplateFile(platform::JoinPath(templates, "standard_IR_Standard.temp"),
                                            platform::JoinPath(doc.TempFolder, "IR_Standard.inc"));
    loaded = loaded && include;

    lines.Setup(1, 4);  // four columns, then four rows
    for (int line = 0; line < 8; ++line)
      lines.PutPin(line, wxString::Format("P%c%d", line < 4 ? 'A' : 'B', line % 4));
    for (int slot = 0; slot < 16; ++slot) slots.Set(slot, 0x40 + slot);
    for (int key = 0; key < 16; ++key)
      rows.push_back({wxString::Format("0x%X", 0x40 + key), wxString::Format("K%d", key)});
    input.lines = &lines;
    input.shape = stKeypadShape{true, 4, 4, 4, false};
    input.slots = &slots.All();
    input.savedKeyRows = &rows;
  }
  ~OutputRun() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  void Run() {
    ok = GenerateGeneralKeySources(doc, input, g_App.templateFolder) && ok;
    ok = BuildOutputFolder(doc).Succeeded() && ok;
  }
  // Where the reference copies the framework to, and the tidying after each pair.
  fs::path CopyFolder() const { return root / "copy" / "framework"; }
  void RemoveOutputAndCopy() {
    std::error_code ec;
    fs::remove_all(platform::ToFsPath(doc.GetOutputFolder()), ec);
    fs::remove_all(CopyFolder(), ec);
  }
  bool Usable() const { return loaded && framework.bytes > 0; }

  stFramework framework;
  fs::path root;
  CDocManage doc;
  CKeyLineSet lines;
  CKeySlotTable slots;
  std::vector<stSavedKeyRow> rows;
  stGeneralKeySources input;
  bool loaded = false;
  bool ok = true;
};

void BM_OutputVsCopy(benchmark::State& state) {
  OutputRun run;
  if (!run.Usable()) {
    state.SkipWithError("no expression library or no framework");
    return;
  }
  const fs::path copy = run.CopyFolder();
  benchpair::RunPaired(
      state, [&] { run.Run(); }, [&] { fs::copy(run.framework.folder, copy, fs::copy_options::recursive); },
      [&] { run.RemoveOutputAndCopy(); });
  state.counters["framework_bytes"] = static_cast<double>(run.framework.bytes);
  state.counters["goal"] = kGoalRatio;
  state.SetLabel(run.framework.folder.parent_path().filename().string() + "/" +
                 run.framework.folder.filename().string());
  if (!run.ok) state.SkipWithError("the output command failed");
}
BENCHMARK(BM_OutputVsCopy)->Unit(benchmark::kMillisecond)->Iterations(200);

// The folder steps as a process of their own (the key sources already in the
// work folder) against "cp -r"; both started by the shell, removals untimed.
void BM_OutputProcessVsCopyCommand(benchmark::State& state) {
  OutputRun run;
  if (!run.Usable() || !GenerateGeneralKeySources(run.doc, run.input, g_App.templateFolder)) {
    state.SkipWithError("no expression library, no framework or no key sources");
    return;
  }
  const fs::path framework = run.framework.folder.parent_path().parent_path();
  const std::string name = framework.filename().string();
  const std::string prefix = name.substr(0, name.rfind("_V"));
  const std::string output = "OLV_PROTOCOL_TYPE=" + std::to_string(run.doc.ProtocolType) + " " +
                             OLV_OUTPUT_DRIVER + " '" + std::string(g_App.protocolFolder.utf8_str()) + "' '" +
                             prefix + "' '" + run.framework.folder.parent_path().filename().string() + "' '" +
                             run.framework.folder.filename().string() + "' '" +
                             (run.root / "project").string() + "' '" + (run.root / "work").string() +
                             "' >/dev/null";
  const std::string copy =
      "cp -r '" + run.framework.folder.string() + "' '" + run.CopyFolder().string() + "'";
  bool ok = true;
  benchpair::RunPaired(
      state, [&] { ok = std::system(output.c_str()) == 0 && ok; },
      [&] { ok = std::system(copy.c_str()) == 0 && ok; },
      [&] {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(run.root / "project"))
          fs::remove_all(entry.path(), ec);
        fs::remove_all(run.CopyFolder(), ec);
      });
  state.counters["goal"] = kGoalRatio;
  if (!ok) state.SkipWithError("the output process or the copy failed");
}
BENCHMARK(BM_OutputProcessVsCopyCommand)->Unit(benchmark::kMillisecond)->Iterations(50);

// The folder steps alone (the key sources already in the work folder).
void BM_OutputFolderVsCopy(benchmark::State& state) {
  OutputRun run;
  if (!run.Usable() || !GenerateGeneralKeySources(run.doc, run.input, g_App.templateFolder)) {
    state.SkipWithError("no expression library, no framework or no key sources");
    return;
  }
  const fs::path copy = run.CopyFolder();
  bool ok = true;
  benchpair::RunPaired(
      state, [&] { ok = BuildOutputFolder(run.doc).Succeeded() && ok; },
      [&] { fs::copy(run.framework.folder, copy, fs::copy_options::recursive); },
      [&] { run.RemoveOutputAndCopy(); });
  state.counters["goal"] = kGoalRatio;
  if (!ok) state.SkipWithError("the output folder failed");
}
BENCHMARK(BM_OutputFolderVsCopy)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace

namespace {

// A key template of 2,000 lines, one in ten with a token, as the key
// generator expands it, against a copy of the same file.
void BM_KeyTemplateVsCopy(benchmark::State& state) {
  if (!g_ExprEngine.Load(OLV_DIST_DIR)) {
    state.SkipWithError("no expression library");
    return;
  }
  const fs::path root =
      fs::temp_directory_path() / ("olv-bench-template-" + std::to_string(std::random_device{}()));
  fs::create_directories(root);
  std::string text;
  for (int line = 0; line < 2000; ++line) {
    if (line % 10 == 0)
      text +=
          "\tMOV\tA,#$KEY_CODE+" + std::to_string(line % 7) + "$\t\t; key " + std::to_string(line) + "\r\n";
    else
      text += "\tMOV\tR" + std::to_string(line % 8) + ",A\t\t; scan step " + std::to_string(line) + "\r\n";
  }
  { std::ofstream(root / "Keys.temp", std::ios::binary) << text; }
  g_MacroMap["KEY_CODE"] = "0x40";
  CDocManage doc;
  doc.Keypad = 1;
  const wxString from = platform::FromFsPath(root / "Keys.temp");
  const wxString to = platform::FromFsPath(root / "Keys.inc");
  bool ok = true;
  benchpair::RunPaired(
      state, [&] { ok = doc.WriteTemplateFile(from, to) && ok; },
      [&] { fs::copy_file(root / "Keys.temp", root / "Copy.temp", fs::copy_options::overwrite_existing); },
      [&] {
        std::error_code ec;
        fs::remove(root / "Keys.inc", ec);
        fs::remove(root / "Copy.temp", ec);
      });
  std::error_code ec;
  fs::remove_all(root, ec);
  state.counters["goal"] = kTemplateGoalRatio;
  if (!ok) state.SkipWithError("the template failed");
}
BENCHMARK(BM_KeyTemplateVsCopy)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
