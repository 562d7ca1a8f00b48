// The general remote's frameworks of the install folder with the files the
// pages generate into them: the output's preprocessor decides every condition
// of every framework the right way, and every macro the general pages put
// into the macro table reaches a template or a framework condition.
#include "keys/KeySourceGeneration.h"

#include "core/AppContext.h"
#include "core/ExprEngine.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "protocol/DataFormatDefinitions.h"
#include "protocol/DataFormatGeneration.h"
#include "protocol/ModulationModel.h"
#include "protocol/StandardProtocol.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kInstall = fs::path(OLV_SOURCE_DIR) / "install";
const fs::path kProtocols = kInstall / "RemoteControlSetting" / "General" / "Protocols";
const fs::path kStandardRoot = kProtocols / "Standard" / "IR_FrameWork_STD_V1.0";
const fs::path kUserRoot = kProtocols / "Custom" / "IR_FrameWork_USER_DEF_V1.0";
const fs::path kTemplates = kInstall / "Template";

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<fs::path> Folders(const fs::path& root) {
  std::vector<fs::path> out;
  for (const auto& entry : fs::directory_iterator(root))
    if (entry.is_directory()) out.push_back(entry.path());
  std::sort(out.begin(), out.end());
  return out;
}

bool IsAssembly(const fs::path& path) {
  std::string ext = path.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".inc" || ext == ".asm";
}

// The names of the tokens of a template.
std::set<std::string> TokenNames(const fs::path& templatePath) {
  std::set<std::string> names;
  const std::string text = Read(templatePath);
  static const std::regex token(R"(\$([^$]*)\$)");
  static const std::regex name(R"([A-Za-z_][A-Za-z0-9_~]*)");
  for (auto t = std::sregex_iterator(text.begin(), text.end(), token); t != std::sregex_iterator(); ++t) {
    const std::string body = (*t)[1];
    for (auto n = std::sregex_iterator(body.begin(), body.end(), name); n != std::sregex_iterator(); ++n)
      names.insert(n->str());
  }
  return names;
}

std::set<std::string> KeysOf(const CStringMap& macros) {
  std::set<std::string> out;
  for (const auto& [name, value] : macros) out.insert(name.ToStdString());
  return out;
}

// The standard protocol page's macros, with the extended address and sub code.
CStringMap StandardMacros() {
  CStringMap macros;
  standard::stCheckedValues values;
  values.address = 0x45;
  values.frequency = 38;
  values.duty = 3;
  values.extAddr = 1;
  values.subCode = 1;
  standard::BuildMacros(macros, values);
  return macros;
}

// The modulation and data format pages' macros: every definition that gives
// one, and the data fields of the longest frame.
CStringMap CustomMacros() {
  CStringMap macros;
  const wxString setting = (kProtocols / "Custom" / "setting.ini").string();
  const modulation::CParamDefinitions carrier(setting);
  for (int n = 0; n < 64; ++n) {
    modulation::stParamDefinition definition;
    if (carrier.Read(n, definition)) macros[definition.name] = definition.max > 0 ? "560" : "1";
  }
  for (int n = 0; n < 64; ++n) {
    olv::protocol::stParamDefinition definition;
    if (!olv::protocol::ReadParamDefinition(setting, n, definition)) continue;
    const bool input = !definition.format.empty();
    if (input && (!definition.hasMask || definition.mask == 0)) continue;  // an input without a macro
    macros[definition.name] = input ? "8" : "1";
  }
  macros["IR_Manchester"] = "0";
  olv::protocol::AddDataFieldMacros(
      macros, {{"CONST_CODE1"}, {"CONST_CODE2", true}, {"COMMAND"}, {"COMMAND", true}, {"CONST_CODE3"}});
  return macros;
}

struct stKeyVariant {
  const char* name;
  int keypad;
  int vss;
  int remDrv;
  stKeyLedChoice led;
};
const stKeyVariant kVariants[] = {
    {"step", kKeypadStep, 0, 1, {0, ""}},
    {"matrix", kKeypadMatrix, 1, 0, {1, "PB2"}},
};

CStringMap KeyMacros(CDocManage& doc, const stKeyVariant& variant) {
  CKeyLineSet lines;
  lines.Setup(variant.keypad, 4);
  for (int line = 0; line < 6; ++line) lines.PutPin(line, wxString::Format("PA%d", line));
  doc.Keypad = variant.keypad;
  doc.VssRow = variant.vss;
  doc.RemDrv = variant.remDrv;
  stGeneralKeySources input;
  input.lines = &lines;
  input.led = variant.led;
  CStringMap macros;
  WriteKeyMappingDefines(macros, doc, input);
  return macros;
}

class GeneralFrameworks : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  static void SetUpTestSuite() { ASSERT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR)); }
  void SetUp() override { state.App().BuildInstallPaths(kInstall.string()); }

  // Copies the framework folder, writes the generated files into it the way
  // the pages do, and runs the output's preprocessor over it.
  fs::path Build(const fs::path& framework, const CStringMap& macros,
                 const std::vector<const char*>& templates) {
    const fs::path out = fs::path(work.Path().ToStdString()) / "out";
    fs::remove_all(out);
    fs::copy(framework, out, fs::copy_options::recursive);
    state.Macros() = macros;
    for (const char* name : templates) {
      std::string output = name;
      output.replace(output.find(".temp"), 5, ".inc");
      if (output.rfind("standard_", 0) == 0) output.erase(0, 9);
      if (output.rfind("GenUEF_", 0) == 0) output.erase(0, 7);
      EXPECT_TRUE(doc.WriteTemplateFile((kTemplates / name).string(), (out / output).string())) << name;
    }
    CKeySlotTable slots;
    stKeyTableInput table{stKeypadShape{false, 4, 4}, &slots.All(), 8, "QK21A0510"};
    stKeyTableFailure failure;
    EXPECT_TRUE(WriteKeyCommandTableFile((out / kKeyTableFile).string(), table, {{0, "WIFI"}}, failure));
    EXPECT_TRUE(doc.PreprocessFramework(out.string()));
    return out;
  }

  testsupport::TempDir work;
  CDocManage doc;
};

// What a decided framework must show for a key variant.
void ExpectDecided(const fs::path& out, const stKeyVariant& variant, const std::string& where) {
  static const std::regex directive(R"(^\s*(IF|IFE|IFDEF|IFNDEF|ELSE|ELSEIF|ENDIF)\b)");
  for (const auto& entry : fs::directory_iterator(out)) {
    const std::string text = Read(entry.path());
    EXPECT_EQ(text.find('$'), std::string::npos) << where << " " << entry.path().filename();
    if (!IsAssembly(entry.path())) continue;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
      EXPECT_FALSE(std::regex_search(line, directive))
          << where << " " << entry.path().filename() << ": " << line;
  }
  const std::string scan = Read(out / "KeyScan.asm");
  const bool matrix = variant.keypad == kKeypadMatrix;
  EXPECT_EQ(scan.find("SCAN_COLUMNS:") != std::string::npos, matrix) << where;
  EXPECT_EQ(scan.find("STEP_LINES:") != std::string::npos, !matrix) << where;
  EXPECT_EQ(scan.find("tied to VSS: read it") != std::string::npos, variant.vss == 1 && matrix) << where;
  const std::string send = Read(out / "IRSend.asm");
  EXPECT_EQ(send.find("SET     LED_IO") != std::string::npos, variant.led.check == 1) << where;
  EXPECT_EQ(send.find("SET     REM_EN") != std::string::npos, variant.remDrv == 0) << where;
  EXPECT_EQ(send.find("SET     REMDRV_EN") != std::string::npos, variant.remDrv != 0) << where;
}

// One chip's standard frameworks per test: each protocol, each key variant.
class StandardFrameworksOfChip : public GeneralFrameworks,
                                 public ::testing::WithParamInterface<std::string> {};

TEST_P(StandardFrameworksOfChip, AreDecidedByTheGeneratedDefines) {
  const CStringMap standard = StandardMacros();
  for (const stKeyVariant& variant : kVariants) {
    CStringMap macros = standard;
    for (const auto& [name, value] : KeyMacros(doc, variant)) macros[name] = value;
    for (const fs::path& protocol : Folders(kStandardRoot / GetParam())) {
      const std::string where = GetParam() + "/" + protocol.filename().string() + " " + variant.name;
      const fs::path out =
          Build(protocol, macros, {"standard_IR_Standard.temp", "Key_Mapping.temp", "Driving.temp"});
      ExpectDecided(out, variant, where);
      // Extended address and sub code on: their blocks stay.
      const std::string send = Read(out / "IRSend.asm");
      EXPECT_NE(send.find("MOV     A, ADDRESS_EXT"), std::string::npos) << where;
      EXPECT_NE(send.find("MOV     A, SUB_CODE"), std::string::npos) << where;
    }
  }
}

std::vector<std::string> StandardChips() {
  std::vector<std::string> names;
  for (const fs::path& chip : Folders(kStandardRoot)) names.push_back(chip.filename().string());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Install, StandardFrameworksOfChip, ::testing::ValuesIn(StandardChips()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST_F(GeneralFrameworks, EveryChipOfTheGeneralRemoteHasItsFrameworks) {
  std::vector<std::string> chips;
  for (const auto& entry : fs::directory_iterator(kInstall / "RemoteControlSetting" / "General" / "IC"))
    if (entry.path().extension() == ".ini") chips.push_back(entry.path().stem().string());
  std::sort(chips.begin(), chips.end());
  EXPECT_EQ(StandardChips(), chips);
  for (const std::string& chip : chips) EXPECT_TRUE(fs::is_directory(kUserRoot / chip / "USER_DEF")) << chip;
}

TEST_F(GeneralFrameworks, EveryUserDefinedFrameworkIsDecidedByTheGeneratedDefines) {
  const CStringMap custom = CustomMacros();
  for (const stKeyVariant& variant : kVariants) {
    CStringMap macros = custom;
    for (const auto& [name, value] : KeyMacros(doc, variant)) macros[name] = value;
    for (const fs::path& chip : Folders(kUserRoot)) {
      const std::string where = chip.filename().string() + " " + variant.name;
      const fs::path out =
          Build(chip / "USER_DEF", macros, {"GenUEF_IR_UserDef.temp", "Key_Mapping.temp", "Driving.temp"});
      ExpectDecided(out, variant, where);
      // Pulse coding with a boot code and a whole-frame repeat.
      const std::string send = Read(out / "IRSend.asm");
      EXPECT_NE(send.find("IR_Bit1Mark / 8"), std::string::npos) << where;
      EXPECT_EQ(send.find("HALF_MARK:"), std::string::npos) << where;
      EXPECT_NE(send.find("JMP     IR_SEND_KEY         ; the whole frame again"), std::string::npos) << where;
    }
  }
}

TEST_F(GeneralFrameworks, EveryMacroOfTheGeneralPagesIsUsedAndEveryTokenResolves) {
  const std::set<std::string> standard = KeysOf(StandardMacros());
  const std::set<std::string> custom = KeysOf(CustomMacros());
  const std::set<std::string> keys = KeysOf(KeyMacros(doc, kVariants[1]));

  std::set<std::string> used;
  for (const char* name :
       {"standard_IR_Standard.temp", "GenUEF_IR_UserDef.temp", "Key_Mapping.temp", "Driving.temp"})
    for (const std::string& token : TokenNames(kTemplates / name)) used.insert(token);
  static const std::regex condition(R"(^IF ([A-Za-z_][A-Za-z0-9_]*) ==)");
  for (const fs::path& root : {kStandardRoot, kUserRoot}) {
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      if (!entry.is_regular_file() || !IsAssembly(entry.path())) continue;
      std::istringstream lines(Read(entry.path()));
      std::smatch match;
      for (std::string line; std::getline(lines, line);)
        if (std::regex_search(line, match, condition)) used.insert(match[1]);
    }
  }
  for (const auto* set : {&standard, &custom, &keys})
    for (const std::string& name : *set)
      EXPECT_TRUE(used.count(name)) << name << " reaches no template or condition";

  // Each flow's templates name only macros that flow writes.
  const auto expectResolved = [&](const std::vector<const char*>& templates,
                                  const std::set<std::string>& flow) {
    for (const char* name : templates)
      for (const std::string& token : TokenNames(kTemplates / name))
        EXPECT_TRUE(flow.count(token) || keys.count(token)) << name << ": " << token;
  };
  expectResolved({"standard_IR_Standard.temp", "Key_Mapping.temp", "Driving.temp"}, standard);
  expectResolved({"GenUEF_IR_UserDef.temp", "Key_Mapping.temp", "Driving.temp"}, custom);
}

}  // namespace
