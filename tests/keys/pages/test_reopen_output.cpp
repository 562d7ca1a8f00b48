// A project output, saved, opened again and output again gives the same
// firmware folder, byte for byte: the general examples of this brand, and on
// every chip and package of the general remote that the brand offers a step
// keypad whose codes are typed into its keys and whose LED sits on its first
// key pin (which a general step keypad keeps for the LED; the touch chip has
// no key lines and takes a package pin). Each opening runs the main window as
// the program does and walks to the key page by the navigation bar; the
// output saves the project.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FileHelpers.h"
#include "core/LangText.h"
#include "core/ProjectFile.h"
#include "core/UserIni.h"
#include "keys/KeyItems.h"
#include "keys/PinPickerModel.h"
#include "keys/PinRules.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyDlgEx.h"
#include "keys/pages/KeySetDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "protocol/pages/ProtocolPages.h"
#include "ui/LUMaskEdit.h"
#include "ui/shell/OlvantaDlg.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dir.h>
#include <wx/filename.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

#ifdef OLV_BRAND_MAKER
constexpr int kBrand = 1;
const char* const kExtension = ".ovirprj";
#else
constexpr int kBrand = 0;
const char* const kExtension = ".lmirprj";
#endif

const char* const kGeneralExamples = "install/Example/General type remote controller";
const char* const kBaseExample = "NEC_TV_Remote";

// A firmware folder: each file's path below it and its bytes.
using FileTree = std::map<std::string, std::string>;

FileTree ReadTree(const fs::path& folder) {
  FileTree tree;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      tree[fs::relative(entry.path(), folder).generic_string()] =
          testsupport::ReadBytes(platform::FromFsPath(entry.path()));
  return tree;
}

void ExpectSameTree(const FileTree& first, const FileTree& again) {
  std::vector<std::string> names, namesAgain;
  for (const auto& [name, bytes] : first) names.push_back(name);
  for (const auto& [name, bytes] : again) namesAgain.push_back(name);
  EXPECT_EQ(names, namesAgain);
  for (const auto& [name, bytes] : first) {
    const auto other = again.find(name);
    if (other == again.end()) continue;
    EXPECT_EQ(bytes, other->second) << name << " differs after reopening";
  }
}

// The general examples this brand ships (the LCD remotes have no framework to output).
std::vector<std::string> GeneralExamples() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(OLV_SOURCE_DIR) / kGeneralExamples))
    if (fs::exists(entry.path() / (entry.path().filename().string() + kExtension)))
      names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct stChipPackage {
  wxString mcu;
  wxString package;
  std::vector<wxString> keyPins;  // three pins of the package no chip rule takes
};

// Whether this brand's program opens projects on the chip.
bool OfferedUnderThisBrand(const wxString& mcu) {
  testsupport::ProgramState state;
  state.BrandFlag() = kBrand;
  return IsMcuOfferedUnderBrand(mcu);
}

// Every package of the general remote's chips that this brand offers.
std::vector<stChipPackage> ChipPackages() {
  std::vector<stChipPackage> all;
  wxArrayString inis;
  const wxString icFolder = platform::JoinPath(OLV_SOURCE_DIR, "install/RemoteControlSetting/General/IC");
  wxDir::GetAllFiles(icFolder, &inis, "*.ini", wxDIR_FILES);
  inis.Sort();
  for (const wxString& ini : inis) {
    CPinPickerModel model;
    model.LoadPins(ini);
    model.LoadPackages(ini);
    const wxString mcu = wxFileName(ini).GetName();
    if (!OfferedUnderThisBrand(mcu)) continue;
    // The crystal rules at 1 and the LCD rules at 0: every pin a rule may take.
    stPinOptions options;
    options.mcu = mcu;
    options.crystalOption = 1;
    const std::vector<wxString> ruled = ChipRulePins(options, ChipRuleScope::All);
    for (const wxString& package : model.PackageNames()) {
      stChipPackage entry{mcu, package, {}};
      for (const wxString& pin : model.GetPackagePins(package))
        if (entry.keyPins.size() < 3 && !ContainsPin(ruled, pin)) entry.keyPins.push_back(pin);
      all.push_back(entry);
    }
  }
  return all;
}

void PrintTo(const stChipPackage& chip, std::ostream* out) { *out << chip.mcu << " " << chip.package; }

std::string TestName(const wxString& text) {
  std::string name;
  for (const char c : text.ToStdString()) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

class ReopenOutput : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    state.Doc().RemoteType = kRemoteGeneral;
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

  // Opens the project in the running main window and jumps to the key page
  // from the navigation bar (every page passed is checked and generates).
  void OpenAtKeyPage(const wxString& project) {
    ASSERT_EQ(dialog->OpenProjectFile(project), 2)
        << (recorder.boxes.empty() ? wxString() : recorder.boxes.front().text);
    recorder.boxes.clear();
    const int last = dialog->GetNavBar().GetItemCount() - 1;
    testsupport::Click(dialog->GetClientWindow(),
                       dialog->GetNavBar().GetItemRect(last).GetPosition() + wxSize(30, 20));
    testsupport::PumpEvents();
    ASSERT_TRUE(recorder.boxes.empty()) << recorder.boxes.front().text;
    ASSERT_EQ(dialog->GetCurrentPage(), KeyPage());
  }

  CKeyConfigDlg* KeyPage() const { return dynamic_cast<CKeyConfigDlg*>(dialog->FindPage(kKeyConfigId)); }
  CKeySetDlg* KeySet() const { return dynamic_cast<CKeySetDlg*>(KeyPage()->GetKeySetPanel()); }

  // The output command, declining to open the folder; the folder it wrote
  // (read at once: an output in the same second would replace it).
  FileTree Output() {
    recorder.answers.push_back(platform::kIdCancel);
    Press(KeyPage()->FindWindow(CKeyConfigDlg::kOutputId));
    const wxString output = g_DocManage.GetOutputFolder();
    EXPECT_EQ(recorder.boxes.size(), 1u);
    if (!recorder.boxes.empty()) {
      EXPECT_EQ(recorder.boxes.back().text,
                platform::FormatChecked(GetLangText("IDS_BUILD_OK"), {platform::FormatArg(output)}));
    }
    recorder.boxes.clear();
    if (!wxDirExists(output)) return {};
    return ReadTree(platform::ToFsPath(output));
  }

  // Opens the project again in a main window of its own and outputs it.
  FileTree ReopenAndOutput(const wxString& project) {
    FileTree tree;
    RunMainWindow(
        [&] {
          OpenAtKeyPage(project);
          if (HasFatalFailure()) return;
          tree = Output();
        },
        ExpressionLibrary::kBuilt);
    return tree;
  }

  // Clicks the key's code box, types the digits and clicks off the keys.
  void TypeCode(CKeyDlgEx* panel, int cell, const wxString& digits) {
    const wxRect box = panel->CellBoxRect(cell);
    testsupport::Click(panel, box.GetPosition() + wxPoint(box.width / 2, box.height / 2));
    testsupport::PumpEvents();
    ASSERT_EQ(panel->EditedCell(), cell);
    testsupport::TypeText(panel->GetCodeEditor()->GetTextCtrl(), digits);
    testsupport::Click(panel, wxPoint(2, 2));
    testsupport::PumpEvents();
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};

// --- The examples.

class ReopenExample : public ReopenOutput, public ::testing::WithParamInterface<std::string> {};

TEST_P(ReopenExample, GivesTheSameFirmwareFolderAndKeepsItsKeyCodes) {
  const std::string name = GetParam();
  const wxString folder = work.File(name);
  CopyGeneralRemoteExample(name, folder);
  const wxString project = platform::JoinPath(folder, name + kExtension);
  const CProjectFile file(project);
  std::vector<wxString> codes;
  for (int group = 0; file.Has("KeyConfig", KeyItemName(group)); ++group)
    codes.push_back(file.ReadText("KeyConfig", KeyItemName(group)));
  ASSERT_FALSE(codes.empty());

  FileTree first;
  RunMainWindow(
      [&] {
        OpenAtKeyPage(project);
        if (HasFatalFailure()) return;
        first = Output();
      },
      ExpressionLibrary::kBuilt);
  ASSERT_FALSE(first.empty());
  // The output saved the project: its keys hold the codes they were shipped with.
  for (std::size_t group = 0; group < codes.size(); ++group)
    EXPECT_EQ(file.ReadText("KeyConfig", KeyItemName(static_cast<int>(group))), codes[group]) << group;

  ExpectSameTree(first, ReopenAndOutput(project));
}

INSTANTIATE_TEST_SUITE_P(General, ReopenExample, ::testing::ValuesIn(GeneralExamples()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// --- Every chip and package.

class ReopenChipPackage : public ReopenOutput, public ::testing::WithParamInterface<stChipPackage> {
 protected:
  // The NEC example moved to the chip and package with a step keypad on the
  // key pins, no codes and no LED.
  wxString MakeProject(const stChipPackage& chip) {
    const wxString folder = work.File("Remote");
    CopyGeneralRemoteExample(kBaseExample, folder);
    const wxString project = platform::JoinPath(folder, wxString(kBaseExample) + kExtension);
    const CProjectFile file(project);
    file.WriteText("Project", "MCU", chip.mcu);
    file.WriteText("Project", "Package", chip.package);
    file.WriteText("KeyConfig", "Package", chip.package);
    file.WriteText("KeyConfig", "Keypad", "0");
    file.WriteText("KeyConfig", "VSS", "0");
    file.WriteText("KeyConfig", "IOCount", wxString::Format("%zu", chip.keyPins.size()));
    file.WriteText("KeyConfig", "IOConfigItem", JoinPinList(chip.keyPins));
    file.WriteText("KeyConfig", "LEDSetting", "");
    file.WriteText("KeyConfig", KeyItemName(0), "-1,-1,-1,-1,-1,-1");
    file.WriteText("KeyConfig", KeyItemName(1), "");
    return project;
  }
};

TEST_P(ReopenChipPackage, KeepsTypedCodesAndTheLedOnTheFirstKeyPin) {
  const stChipPackage& chip = GetParam();
  const wxString project = MakeProject(chip);
  const bool touch = IsTouchChip(chip.mcu);

  FileTree first;
  RunMainWindow(
      [&] {
        OpenAtKeyPage(project);
        if (HasFatalFailure()) return;
        CKeySetDlg* keySet = KeySet();
        ASSERT_TRUE(keySet);
        if (!touch) {
          CKeyDlgEx* panel = keySet->KeyPanel();
          ASSERT_TRUE(panel);
          const std::vector<int> cells = panel->Shape().ActiveCells();
          ASSERT_EQ(cells.size(), 6u);
          for (std::size_t i = 0; i < cells.size(); ++i) {
            TypeCode(panel, cells[i], wxString::Format("%x", 0x41 + 3 * static_cast<int>(i)));
            EXPECT_EQ(panel->Slots().Get(cells[i]), 0x41 + 3 * static_cast<int>(i)) << cells[i];
          }
        }
        auto* ledBox = dynamic_cast<wxCheckBox*>(keySet->FindWindow(CKeySetDlg::kLedBoxId));
        auto* ledPins = dynamic_cast<wxChoice*>(keySet->FindWindow(CKeySetDlg::kLedComboId));
        Tick(ledBox, true);
        const wxString led = touch ? ledPins->GetString(0) : chip.keyPins.front();
        const int index = ledPins->FindString(led, true);
        ASSERT_NE(index, wxNOT_FOUND) << led;
        Pick(ledPins, index);
        ASSERT_EQ(keySet->LedPin(), led);
        first = Output();
      },
      ExpressionLibrary::kBuilt);
  ASSERT_FALSE(first.empty());

  ExpectSameTree(first, ReopenAndOutput(project));
}

INSTANTIATE_TEST_SUITE_P(General, ReopenChipPackage, ::testing::ValuesIn(ChipPackages()),
                         [](const ::testing::TestParamInfo<stChipPackage>& info) {
                           return TestName(info.param.mcu + "_" + info.param.package);
                         });

}  // namespace
