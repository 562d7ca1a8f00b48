// Switching projects in one run of the program: a project opened or created
// after another shows on every page what a fresh program shows for it, keeps
// the same document and saves the same file. A page's state is taken
// generically: every window's texts, selections, ticks, grid cells and the
// key pages' lines, pins, codes and function buttons.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FuncRecords.h"
#include "core/UserIni.h"
#include "controls/grid/GridCtrl.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyDlgEx.h"
#include "keys/pages/KeySetDlg.h"
#include "keys/pages/PinPicker.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "ui/LUMaskEdit.h"
#include "ui/PNGShow.h"
#include "ui/pages/NewPrjPage.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/ShellCommands.h"
#include "PageTestBase.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/strconv.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

#ifdef OLV_BRAND_MAKER
constexpr int kBrand = 1;
const char* const kExtension = ".ovirprj";
#else
constexpr int kBrand = 0;
const char* const kExtension = ".lmirprj";
#endif

using Snapshot = std::vector<std::string>;

std::string Utf8(const wxString& text) { return std::string(text.utf8_str()); }

// --- What a page shows.

void AddWindowState(wxWindow* window, const std::string& path, Snapshot& out);

void AddChildren(wxWindow* window, const std::string& path, Snapshot& out) {
  int index = 0;
  for (wxWindow* child : window->GetChildren()) {
    if (child->IsTopLevel()) continue;
    AddWindowState(child, path + "/" + std::to_string(index++), out);
  }
}

std::string ItemsOf(wxChoice* choice) {
  std::string items;
  for (unsigned i = 0; i < choice->GetCount(); ++i) items += Utf8(choice->GetString(i)) + "|";
  return items + " selected " + std::to_string(choice->GetSelection());
}

// One line per fact, each named by the window's place in the tree. Control
// ids below the shared control-id counter's first are part of the name; the
// counter's ids differ from one load to the next.
void AddWindowState(wxWindow* window, const std::string& path, Snapshot& out) {
  std::ostringstream name;
  name << path << " " << Utf8(window->GetClassInfo()->GetClassName());
  if (window->GetId() >= 0 && window->GetId() < 6000) name << " #" << window->GetId();
  const std::string at = name.str();
  auto add = [&](const std::string& fact) { out.push_back(at + ": " + fact); };
  add(std::string(window->IsShown() ? "shown" : "hidden") + (window->IsEnabled() ? "" : " disabled"));
  if (window->IsShown()) {
    const wxRect rect = window->GetRect();
    add("at " + std::to_string(rect.x) + "," + std::to_string(rect.y) + " " + std::to_string(rect.width) +
        "x" + std::to_string(rect.height));
  }
  if (auto* text = dynamic_cast<wxTextCtrl*>(window)) {
    add("text " + Utf8(text->GetValue()));
  } else if (auto* choice = dynamic_cast<wxChoice*>(window)) {
    add("items " + ItemsOf(choice));
  } else if (auto* box = dynamic_cast<wxCheckBox*>(window)) {
    add("label " + Utf8(box->GetLabel()) + " tick " + std::to_string(box->Get3StateValue()));
  } else if (auto* radio = dynamic_cast<wxRadioButton*>(window)) {
    add("label " + Utf8(radio->GetLabel()) + " value " + std::to_string(radio->GetValue()));
  } else if (auto* grid = dynamic_cast<CGridCtrl*>(window)) {
    for (int row = 0; row < grid->GetRowCount(); ++row) {
      std::string cells;
      for (int column = 0; column < grid->GetColumnCount(); ++column)
        cells += Utf8(grid->GetItemText(row, column)) + "|";
      add("row " + std::to_string(row) + " " + cells);
    }
  } else if (auto* key = dynamic_cast<CKeyButton*>(window)) {
    add("key " + Utf8(key->GetCaptionKey()) + " label " + Utf8(key->GetLabel()) + " draw " +
        std::to_string(key->drawState) + " mode " + std::to_string(key->BtnMode) + " state " +
        std::to_string(key->BtnState) + " actions " + Utf8(key->GetActionSummary()));
  } else if (auto* pin = dynamic_cast<CIOButton*>(window)) {
    add("pin " + Utf8(pin->GetPinName()) + (pin->IsTaken() ? " taken" : " free"));
  } else if (auto* picture = dynamic_cast<CPNGShow*>(window)) {
    add("picture " + std::to_string(picture->GetCurrentIndex()));
  } else if (auto* control = dynamic_cast<wxControl*>(window)) {
    add("label " + Utf8(control->GetLabel()));
  }
  // What the key pages draw rather than hold in windows.
  if (auto* keySet = dynamic_cast<CKeySetDlg*>(window)) {
    const CKeyLineSet& lines = keySet->KeyLines();
    std::string pins;
    for (int line = 0; line < lines.LineCount(); ++line) pins += Utf8(lines.PinAt(line)) + "|";
    add("lines " + std::to_string(lines.Keypad()) + " limit " + std::to_string(lines.LineLimit()) + " " +
        pins);
  }
  if (auto* panel = dynamic_cast<CKeyDlgEx*>(window)) {
    const stKeypadShape& shape = panel->Shape();
    add("keypad " + std::to_string(shape.matrix) + " lines " + std::to_string(shape.lines) + " active " +
        std::to_string(shape.active) + "/" + std::to_string(shape.activeRows) + " vss " +
        std::to_string(shape.vssLine));
    std::string codes;
    for (std::int32_t code : panel->Slots().All()) codes += std::to_string(code) + ",";
    add("codes " + codes);
  }
  AddChildren(window, path, out);
}

// The pages of the current flow and the selection strip, each walked to
// first (so that it shows what it shows on arrival).
Snapshot PagesOf(COlvantaDlg& dialog) {
  Snapshot out;
  if (wxWindow* strip = dialog.FindWindow(143)) AddWindowState(strip, "selection", out);
  IRNav& nav = dialog.GetNavBar();
  for (int index = 1; index < nav.GetItemCount(); ++index) {
    wxWindow* page = nav.PageAt(index);
    if (!page) continue;
    dialog.ShowPage(page);
    testsupport::PumpEvents();
    AddWindowState(page, "page " + std::to_string(index), out);
  }
  return out;
}

// --- What the document holds.

Snapshot DocumentState() {
  const CDocManage& doc = g_DocManage;
  Snapshot out;
  auto add = [&](const std::string& name, const wxString& value) { out.push_back(name + " " + Utf8(value)); };
  auto number = [&](const std::string& name, long long value) {
    out.push_back(name + " " + std::to_string(value));
  };
  for (int i = 0; i < 32; ++i) add("P" + std::to_string(i), doc.GetParam(i));
  add("project", doc.ProjectFilePath);
  add("mcu", doc.McuName);
  add("package", doc.PackageName);
  number("remote", doc.RemoteType);
  number("protocol", doc.ProtocolType);
  number("code mode", doc.CodeMode);
  number("carrier", doc.Carrier);
  number("address bits", doc.AddressBits);
  number("command bits", doc.CommandBits);
  for (int i = 0; i < 4; ++i) number("const bits " + std::to_string(i), doc.ConstBits[i]);
  number("keypad", doc.Keypad);
  number("code type", doc.CodeType);
  number("vss", doc.VssRow);
  number("key mode", doc.KeyMode);
  number("touch frequency", doc.TouchFrequency);
  for (int i = 0; i < 8; ++i) number("touch key " + std::to_string(i), doc.TouchKey[i]);
  number("hold", doc.PressAndHold);
  number("double", doc.DoubleButton);
  number("io", doc.IoCount);
  number("columns", doc.IoColCount);
  number("rows", doc.IoRowCount);
  number("remdrv", doc.RemDrv);
  number("high sensitivity", doc.HighSensitivity);
  add("led", doc.LedSetting);
  add("rem pin", doc.RemPinText);
  number("rem index", doc.RemPinIndex);
  number("button mode", doc.ButtonMode);
  number("button state", doc.ButtonState);
  number("lcd button state", doc.LcdButtonState);
  number("timer", doc.TimerOption);
  number("crystal", doc.CrystalOption);
  number("lcd option", doc.LcdOption);
  for (const wxString& pin : doc.UsedPins) add("used pin", pin);
  for (const auto& [seg, pin] : doc.SegMap) add("seg " + Utf8(seg), pin);
  for (const stFunctionBlock& block : doc.FunctionBlocks)
    add("block " + std::to_string(block.Flag), block.Text);
  for (const stFunctionBlock& block : doc.UserFunctionBlocks)
    add("user block " + std::to_string(block.Flag), block.Text);
  int position = 0;
  std::uint16_t code = 0;
  wxString text;
  while (doc.GetNextKeyValue(position, code, text)) add("key value " + std::to_string(code), text);
  wxString text2;
  position = 0;
  while (doc.GetNextAirKeyValue(position, text, text2)) add("air key value " + Utf8(text), text2);
  for (const auto& [funcNo, record] : g_FuncRecords.records)
    out.push_back("record " + std::to_string(funcNo) + " open " + std::to_string(record.OpenEnable) +
                  " close " + std::to_string(record.CloseEnable) + " bits " + std::to_string(record.Bits));
  return out;
}

// The lines of one snapshot that the other lacks, each side marked.
std::string Differences(const Snapshot& expected, const Snapshot& actual) {
  std::vector<std::string> a = expected, b = actual;
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  std::vector<std::string> onlyExpected, onlyActual;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(onlyExpected));
  std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(onlyActual));
  std::string report;
  for (const std::string& line : onlyExpected) report += "\n  fresh: " + line;
  for (const std::string& line : onlyActual) report += "\n  after: " + line;
  return report;
}

// What one project looks like: its pages, its document, its saved file.
struct stProjectState {
  std::string arrival;  // the modified mark and the title as the project arrives
  Snapshot pages;
  Snapshot document;
  std::string file;  // the saved project file's text
};

void ExpectSameProject(const stProjectState& fresh, const stProjectState& after) {
  EXPECT_EQ(fresh.arrival, after.arrival);
  EXPECT_TRUE(fresh.pages == after.pages) << Differences(fresh.pages, after.pages);
  EXPECT_TRUE(fresh.document == after.document) << Differences(fresh.document, after.document);
  EXPECT_EQ(fresh.file, after.file);
}

// --- The projects.

struct stSource {
  const char* folder;  // under install/Example
  const char* name;
  const char* led;  // an LED pin written into the copy's [KeyConfig]; null for none
};
const stSource kNec{"General type remote controller", "NEC_TV_Remote", nullptr};
const stSource kNecWithLed{"General type remote controller", "NEC_TV_Remote", "PA7"};
const stSource kCustom{"General type remote controller", "Custom_Protocol_Remote", nullptr};
const stSource kLcdSimple{"LCD type remote controller", "LCD_Simple_Remote", nullptr};
const stSource kLcdStandard{"LCD type remote controller", "LCD_Standard_Remote", nullptr};

std::string Describe(const stSource& source) {
  return std::string(source.name) + (source.led ? std::string("_LED_") + source.led : std::string());
}

// A new project as the new-project dialog makes it.
struct stNewProject {
  int mode;         // row of the development-mode list
  const char* mcu;  // null for the list's first
};

class ProjectSwitchTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    state.BrandFlag() = kBrand;
    for (const char* key : {"Prompt_Standard", "Prompt_UserDef", "Prompt_UserDef_Air"})
      platform::WriteProfileString(GetUserIniPath(), "Olvanta", key, "1");
    DisarmKeyPageGuide();
  }

  // The program as it starts: what an earlier run left is gone.
  void StartFresh() {
    ResetToInstalledProgram();
    state.Doc().Modified = 0;
  }

  // A copy of the example in a folder of its own (replacing an earlier
  // copy); the project file's path.
  wxString CopyOf(const stSource& source, const std::string& copy) {
    const fs::path from = fs::path(OLV_SOURCE_DIR) / "install/Example" / source.folder / source.name;
    const fs::path to = fs::path(Utf8(work.File(copy))) / source.name;
    fs::remove_all(to);
    fs::create_directories(to.parent_path());
    fs::copy(from, to, fs::copy_options::recursive);
    const wxString path = wxString::FromUTF8((to / (std::string(source.name) + kExtension)).string());
    if (source.led) platform::WriteProfileString(path, "KeyConfig", "LEDSetting", source.led);
    return path;
  }

  void Open(const wxString& path) {
    ASSERT_TRUE(wxFileExists(path)) << Utf8(path);
    dialog->OpenProjectCommand(path);
    testsupport::PumpEvents();
    ASSERT_EQ(g_DocManage.GetProjectFilePath(), path);
  }

  // The new-project command of the menu, the dialog filled in as a user does.
  void CreateNew(const stNewProject& project, const wxString& name, const wxString& folder) {
    bool finished = false;
    wxTheApp->CallAfter([&] {
      CNewPrjPage* page = nullptr;
      for (wxWindow* window : wxTopLevelWindows) {
        if (auto* found = dynamic_cast<CNewPrjPage*>(window)) page = found;
      }
      ASSERT_TRUE(page);
      testsupport::TypeText(page->GetNameEdit(), name);
      page->GetLocationEdit()->SelectAll();
      testsupport::TypeText(page->GetLocationEdit(), folder);
      Pick(page->GetModeList(), project.mode);
      if (project.mcu) {
        const int mcu = page->GetMcuList()->FindString(project.mcu);
        if (mcu == wxNOT_FOUND) {
          ADD_FAILURE() << "no MCU " << project.mcu;
          page->EndModal(wxID_CANCEL);
          return;
        }
        Pick(page->GetMcuList(), mcu);
      }
      finished = true;
      Press(page->GetClientWindow()->FindWindow(CNewPrjPage::kFinishId));
    });
    wxCommandEvent command(wxEVT_MENU, ID_NEW_PROJECT);
    command.SetEventObject(dialog);
    dialog->ProcessWindowEvent(command);
    testsupport::PumpEvents();
    ASSERT_TRUE(finished);
    ASSERT_EQ(g_DocManage.ProjectName, name);
  }

  // The state of the open project, after saving it.
  stProjectState Capture() {
    stProjectState state;
    state.arrival = std::to_string(g_DocManage.Modified) + " " + Utf8(dialog->GetTitle());
    state.pages = PagesOf(*dialog);
    EXPECT_TRUE(dialog->SaveProject());
    state.document = DocumentState();
    std::string bytes;
    EXPECT_TRUE(platform::ReadFileBytes(g_DocManage.GetProjectFilePath(), bytes));
    state.file = Utf8(wxString(bytes.data(), wxMBConvUTF16LE(), bytes.size()));
    return state;
  }

  // A new project's folder, emptied so that each run creates it alike.
  wxString NewProjectFolder() {
    const wxString folder = work.File("new");
    fs::remove_all(fs::path(Utf8(folder)));
    fs::create_directories(fs::path(Utf8(folder)));
    return folder;
  }

  stProjectState FreshOpen(const stSource& source) {
    StartFresh();
    stProjectState state;
    RunMainWindow([&] {
      Open(CopyOf(source, "b"));
      if (HasFatalFailure()) return;
      state = Capture();
    });
    return state;
  }

  stProjectState FreshNew(const stNewProject& project) {
    StartFresh();
    stProjectState state;
    RunMainWindow([&] {
      CreateNew(project, "Fresh", NewProjectFolder());
      if (HasFatalFailure()) return;
      state = Capture();
    });
    return state;
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};

// --- Opening after another project.

struct stOpenCase {
  stSource before;
  stSource project;
};

void PrintTo(const stOpenCase& c, std::ostream* os) {
  *os << Describe(c.before) << " then " << Describe(c.project);
}

class OpenAfterAnotherTest : public ProjectSwitchTest, public ::testing::WithParamInterface<stOpenCase> {};

TEST_P(OpenAfterAnotherTest, PagesDocumentAndFileAreThoseOfAFreshProgram) {
  const stOpenCase& c = GetParam();
  const stProjectState fresh = FreshOpen(c.project);
  ASSERT_FALSE(HasFatalFailure());
  StartFresh();
  stProjectState after;
  RunMainWindow([&] {
    Open(CopyOf(c.before, "a"));
    if (HasFatalFailure()) return;
    PagesOf(*dialog);
    Open(CopyOf(c.project, "b"));
    if (HasFatalFailure()) return;
    after = Capture();
  });
  ExpectSameProject(fresh, after);
}

const stOpenCase kOpenCases[] = {
    {kNecWithLed, kCustom},     {kCustom, kNec},
    {kNec, kNecWithLed},
#ifdef OLV_BRAND_MAKER
    {kCustom, kLcdSimple},      {kLcdSimple, kLcdStandard},
    {kLcdStandard, kLcdSimple}, {kLcdSimple, kNecWithLed},
#endif
};

INSTANTIATE_TEST_SUITE_P(Examples, OpenAfterAnotherTest, ::testing::ValuesIn(kOpenCases),
                         [](const ::testing::TestParamInfo<stOpenCase>& info) {
                           return Describe(info.param.before) + "_then_" + Describe(info.param.project);
                         });

// --- A new project after another.

struct stNewCase {
  stSource before;
  stNewProject project;
};

std::string Describe(const stNewProject& project) {
  return "mode" + std::to_string(project.mode) +
         (project.mcu ? std::string("_") + project.mcu : std::string());
}

void PrintTo(const stNewCase& c, std::ostream* os) {
  *os << Describe(c.before) << " then " << Describe(c.project);
}

class NewAfterAnotherTest : public ProjectSwitchTest, public ::testing::WithParamInterface<stNewCase> {};

TEST_P(NewAfterAnotherTest, PagesDocumentAndFileAreThoseOfAFreshProgram) {
  const stNewCase& c = GetParam();
  const stProjectState fresh = FreshNew(c.project);
  ASSERT_FALSE(HasFatalFailure());
  StartFresh();
  stProjectState after;
  RunMainWindow([&] {
    Open(CopyOf(c.before, "a"));
    if (HasFatalFailure()) return;
    PagesOf(*dialog);
    CreateNew(c.project, "Fresh", NewProjectFolder());
    if (HasFatalFailure()) return;
    after = Capture();
  });
  ExpectSameProject(fresh, after);
}

const stNewCase kNewCases[] = {
    {kNecWithLed, {0, nullptr}},     {kCustom, {0, nullptr}},
    {kNecWithLed, {1, nullptr}},     {kCustom, {1, nullptr}},
#ifdef OLV_BRAND_MAKER
    {kNecWithLed, {0, "QK37B0640"}},  // the touch chip
    {kCustom, {2, nullptr}},         {kCustom, {3, "QK37A0660"}},
    {kLcdStandard, {2, nullptr}},    {kLcdSimple, {3, "QK37A0660"}},
#endif
};

INSTANTIATE_TEST_SUITE_P(Examples, NewAfterAnotherTest, ::testing::ValuesIn(kNewCases),
                         [](const ::testing::TestParamInfo<stNewCase>& info) {
                           return Describe(info.param.before) + "_then_" + Describe(info.param.project);
                         });

#ifdef OLV_BRAND_MAKER

// --- An LCD project keeps its function list.

// The key page's function buttons as the page shows them on arrival.
Snapshot FunctionList(COlvantaDlg& dialog) {
  Snapshot out;
  auto* page = dynamic_cast<CKeyConfigDlg*>(dialog.FindPage(kKeyConfigId));
  if (!page) return out;
  dialog.ShowPage(page);
  testsupport::PumpEvents();
  for (const CKeyButton* button : page->GetFuncPanel()->Functions())
    out.push_back(Utf8(button->GetCaptionKey()) + (button->IsShown() ? " shown" : " hidden") + " draw " +
                  std::to_string(button->drawState));
  return out;
}

struct stLcdCase {
  stSource before;
  stNewProject project;
  std::size_t functions;  // sections of the kind's function list file
};

void PrintTo(const stLcdCase& c, std::ostream* os) {
  *os << Describe(c.before) << " then " << Describe(c.project);
}

class LcdFunctionListTest : public ProjectSwitchTest, public ::testing::WithParamInterface<stLcdCase> {};

TEST_P(LcdFunctionListTest, NewAndReopenedOfferTheListOfAFreshProgram) {
  const stLcdCase& c = GetParam();
  StartFresh();
  Snapshot fresh;
  RunMainWindow([&] {
    CreateNew(c.project, "Fresh", NewProjectFolder());
    if (HasFatalFailure()) return;
    fresh = FunctionList(*dialog);
  });
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(fresh.size(), c.functions);

  StartFresh();
  Snapshot created, reopened;
  RunMainWindow([&] {
    Open(CopyOf(c.before, "a"));
    if (HasFatalFailure()) return;
    PagesOf(*dialog);
    CreateNew(c.project, "Fresh", NewProjectFolder());
    if (HasFatalFailure()) return;
    created = FunctionList(*dialog);
    const wxString path = g_DocManage.GetProjectFilePath();
    ASSERT_TRUE(dialog->SaveProject());
    Open(path);
    if (HasFatalFailure()) return;
    reopened = FunctionList(*dialog);
  });
  EXPECT_TRUE(fresh == created) << Differences(fresh, created);
  EXPECT_TRUE(fresh == reopened) << Differences(fresh, reopened);
}

const stLcdCase kLcdCases[] = {
    {kCustom, {2, nullptr}, 8},
    {kLcdStandard, {2, nullptr}, 8},
    {kNec, {3, "QK37A0660"}, 12},
    {kLcdSimple, {3, "QK37A0660"}, 12},
};

INSTANTIATE_TEST_SUITE_P(Kinds, LcdFunctionListTest, ::testing::ValuesIn(kLcdCases),
                         [](const ::testing::TestParamInfo<stLcdCase>& info) {
                           return Describe(info.param.before) + "_then_" + Describe(info.param.project);
                         });

#endif

}  // namespace
