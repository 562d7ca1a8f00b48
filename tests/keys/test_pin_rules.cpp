#include "keys/PinRules.h"

#include "core/ProjectKinds.h"
#include "platform/Paths.h"
#include "TempDir.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"

#include <wx/dir.h>

#include <gtest/gtest.h>

namespace {

wxString InstalledChipIni(const wxString& mcu) {
  wxString path = platform::JoinPath(OLV_SOURCE_DIR, "install");
  for (const char* part : {"RemoteControlSetting", "General", "IC"}) path = platform::JoinPath(path, part);
  return platform::JoinPath(path, mcu + ".ini");
}

using Pins = std::vector<wxString>;

// The pins every chip's rules take from the keys, for each option pair.
TEST(PinRules, ChipRulesAcrossTheTenChips) {
  struct Case {
    const char* mcu;
    int crystal;
    int lcd;
    Pins all;      // every rule, crystal first
    Pins marking;  // the rules applied when marking key pins
  };
  const Pins pc = {"PC0", "PC1", "PC2"};
  const Case cases[] = {
      {"QK21A0510", 1, 0, {}, {}},
      {"QK21B0510", 1, 0, {}, {}},
      {"QK21C0510", 1, 0, {}, {}},
      {"QK37B0640", 1, 0, {}, {}},
      {"QK37A0640", 1, 0, {"PA0", "PA2"}, {"PA0", "PA2"}},
      {"qk37a0640", 0, 0, {}, {}},
      {"QK37A0640", 2, 0, {}, {}},
      {"QK37A0660", 1, 0, {"PB0", "PB1", "PB4", "PB5", "PB6"}, {"PB0", "PB1", "PB4", "PB5", "PB6"}},
      {"QK37A0660", 1, 1, {"PB0", "PB1"}, {"PB0", "PB1"}},
      {"QK37A0660", 0, 0, {"PB4", "PB5", "PB6"}, {"PB4", "PB5", "PB6"}},
      {"QK37A170", 1, 0, pc, {}},
      {"QK37A170", 0, 1, {}, {}},
      {"QK52A140", 0, 0, pc, {}},
      {"QK52A150", 1, 0, pc, {}},
      {"Qk52a160", 0, 0, pc, {}},
      {"QK52A160", 0, 2, {}, {}},
  };
  for (const Case& c : cases) {
    const stPinOptions options{c.mcu, c.crystal, c.lcd};
    EXPECT_EQ(ChipRulePins(options, ChipRuleScope::All), c.all) << c.mcu << " " << c.crystal << c.lcd;
    EXPECT_EQ(ChipRulePins(options, ChipRuleScope::Marking), c.marking) << c.mcu << " " << c.crystal << c.lcd;
  }
}

// The rules applied to the installed chips: the ruled pins leave the key
// lines and are taken; LCD pins are reserved; the rest of the package is free.
TEST(PinRules, RefreshOnTheInstalledChips) {
  struct Case {
    const char* mcu;
    const char* package;
    int crystal, lcd;
    Pins ruled;
  };
  const Case cases[] = {
      {"QK21A0510", "16NSOP", 1, 0, {}},
      {"QK21B0510", "8SOP", 1, 0, {}},
      {"QK21C0510", "16NSOP", 1, 0, {}},
      {"QK37A0640", "20SSOP", 1, 1, {"PA0", "PA2"}},
      {"QK37B0640", "24SSOP", 1, 0, {}},
      {"QK37A0660", "44 LQFP", 1, 0, {"PB0", "PB1", "PB4", "PB5", "PB6"}},
      {"QK37A170", "48 LQFP", 0, 0, {"PC0", "PC1", "PC2"}},
      {"QK52A140", "48 LQFP", 0, 0, {"PC0", "PC1", "PC2"}},
      {"QK52A150", "52 LQFP", 0, 1, {}},
      {"QK52A160", "52 LQFP", 0, 0, {"PC0", "PC1", "PC2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mcu);
    CPinPickerModel picker;
    ASSERT_TRUE(picker.LoadPins(InstalledChipIni(c.mcu)));
    ASSERT_TRUE(picker.LoadPackages(InstalledChipIni(c.mcu)));
    ASSERT_TRUE(picker.HasPackage(c.package));
    picker.ApplyPackage(c.package);
    CKeyLineSet lines;
    lines.Setup(kKeypadStep, 16);
    CKeyPinRules rules(lines, picker);
    // Every pin of the package on a key line, as far as the lines reach.
    const Pins packagePins = picker.GetPackagePins(c.package);
    for (std::size_t i = 0; i < packagePins.size() && i < 16; ++i)
      lines.PutPin(static_cast<int>(i), packagePins[i]);
    const Pins lcdPins = {"PA7"};
    std::vector<int> progress;
    rules.RefreshPinAvailability(stPinOptions{c.mcu, c.crystal, c.lcd}, lcdPins, c.package,
                                 [&](int percent) { progress.push_back(percent); });
    ASSERT_EQ(static_cast<int>(progress.size()), picker.PinCount());
    EXPECT_EQ(progress.front(), 10);
    EXPECT_EQ(rules.Reserved(), lcdPins);
    EXPECT_FALSE(lines.UsesPin("PA7"));
    for (const stPickerPin& pin : picker.Pins()) {
      if (SamePin(pin.name, "PA7") || ContainsPin(c.ruled, pin.name)) {
        EXPECT_TRUE(pin.taken) << pin.name;
      } else if (!lines.UsesPin(pin.name)) {
        EXPECT_EQ(pin.taken, !ContainsPin(packagePins, pin.name)) << pin.name;
      }
    }
    for (const wxString& pin : c.ruled) EXPECT_FALSE(lines.UsesPin(pin)) << pin;
  }
}

TEST(PinRules, ReservedListFollowsTheCurrentLcdChoice) {
  CPinPickerModel picker;
  ASSERT_TRUE(picker.LoadPins(InstalledChipIni("QK52A160")));
  picker.LoadPackages(InstalledChipIni("QK52A160"));
  CKeyLineSet lines;
  lines.Setup(kKeypadStep, 6);
  CKeyPinRules rules(lines, picker);
  const stPinOptions options{"QK52A160", 0, 1};
  rules.RefreshPinAvailability(options, {"PD0", "PD1"}, "52 LQFP");
  EXPECT_EQ(rules.Reserved(), (Pins{"PD0", "PD1"}));
  rules.RefreshPinAvailability(options, {"PD1"}, "52 LQFP");
  EXPECT_EQ(rules.Reserved(), (Pins{"PD1"})) << "rebuilt, not grown";
  EXPECT_TRUE(picker.IsFree("PD0")) << "a pin the LCD gave back is free again";
  lines.PutPin(0, "PA3");
  EXPECT_EQ(rules.PinsToAvoid(false), (Pins{"PA3", "PD1"}));
  lines.PutPin(1, "PA4");
  EXPECT_EQ(rules.PinsToAvoid(true), (Pins{"PA4", "PD1"})) << "the first key pin may carry the LED";
}

// Every chip of every framework kind lists its pins, its packages and each
// package's default IR driver; every package pin is a pin of the chip.
TEST(PinRules, InstalledChipsAreWhole) {
  wxString settings =
      platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "RemoteControlSetting");
  int chips = 0;
  for (const char* kind : {"General", "LCD_Simple", "LCD_Standard"}) {
    wxArrayString inis;
    wxDir::GetAllFiles(platform::JoinPath(platform::JoinPath(settings, kind), "IC"), &inis, "*.ini",
                       wxDIR_FILES);
    for (const wxString& ini : inis) {
      SCOPED_TRACE(ini.ToStdString());
      ++chips;
      CPinPickerModel picker;
      ASSERT_TRUE(picker.LoadPins(ini));
      ASSERT_TRUE(picker.LoadPackages(ini));
      ASSERT_GT(picker.PinCount(), 0);
      ASSERT_FALSE(picker.PackageNames().empty());
      for (const wxString& package : picker.PackageNames()) {
        const wxString driver = platform::ReadProfileString(ini, package, "IR_Driver", "");
        EXPECT_TRUE(driver == "REM" || driver == "REMDRV") << package;
        for (const wxString& pin : picker.GetPackagePins(package)) EXPECT_GE(picker.FindPin(pin), 0) << pin;
      }
    }
  }
  EXPECT_EQ(chips, 10 + 2 * 5 + 1);  // the touch chip in LCD_Simple only
  EXPECT_FALSE(ChipDriverIsRemdrv(InstalledChipIni("QK21A0510"), "8SOP"));
  EXPECT_TRUE(ChipDriverIsRemdrv(InstalledChipIni("QK21A0510"), "16NSOP"));
  EXPECT_FALSE(ChipDriverIsRemdrv(InstalledChipIni("QK21A0510"), "NONE"));
}

TEST(PinRules, SevenPinsReportProgressInWholeSteps) {
  std::vector<int> seen;
  for (int i = 0; i < 7; ++i) seen.push_back(PinRefreshProgress(i, 7));
  EXPECT_EQ(seen, (std::vector<int>{10, 22, 34, 46, 58, 70, 82}));
}

TEST(PinRules, LoadingKeyPinsChecksTheCounts) {
  CPinPickerModel picker;
  picker.LoadPins(InstalledChipIni("QK37A0640"));
  picker.LoadPackages(InstalledChipIni("QK37A0640"));
  CKeyLineSet lines;
  lines.Setup(kKeypadMatrix, 8);
  CKeyPinRules rules(lines, picker);
  stKeyLineCounts counts;
  counts.columns = 2;
  counts.rows = 2;
  EXPECT_TRUE(rules.LoadKeyPins("PA0,PA1,,PB0,PB1", counts, false, "16NSOP", false));
  EXPECT_FALSE(picker.IsFree("PB0")) << "a pin on a key line cannot be dragged again";
  EXPECT_TRUE(picker.IsFree("PB2"));
  EXPECT_FALSE(picker.IsFree("PC5")) << "16NSOP does not bring PC5 out";
  EXPECT_FALSE(rules.LoadKeyPins("PA0,PA1,,PB0", counts, false, "16NSOP", false));
  EXPECT_EQ(lines.PinAt(lines.FirstRowLine()), "PB0") << "the lines keep the list";
  EXPECT_TRUE(rules.LoadKeyPins("PA0,PA1,,PB0", counts, false, "16NSOP", true));

  // Marking gives the key pins back except those the crystal takes.
  rules.LoadKeyPins("PA0,PA1,,PB0,PB1", counts, false, "16NSOP", true);
  rules.MarkKeyPins(stPinOptions{"QK37A0640", 1, 1});
  EXPECT_FALSE(picker.IsFree("PA0"));
  EXPECT_TRUE(picker.IsFree("PA1"));
  rules.ReleasePin("PA1");
  EXPECT_FALSE(lines.UsesPin("PA1"));
  EXPECT_FALSE(picker.IsFree("PA1"));
}

TEST(PinRules, LimitsAndTheTouchChip) {
  EXPECT_EQ(KeyLineLimit(true, kRemoteGeneral, kKeypadMatrix), 8);
  EXPECT_EQ(KeyLineLimit(false, kRemoteGeneral, kKeypadStep), 16);
  EXPECT_EQ(KeyLineLimit(false, kRemoteGeneral, kKeypadMatrix), 8);
  EXPECT_EQ(KeyLineLimit(false, kRemoteLcdStandard, kKeypadMatrix), 6);
  EXPECT_EQ(KeyLineLimit(false, kRemoteLcdSimple, kKeypadStep), 6);
  EXPECT_EQ(KeyLineLimit(false, kRemoteLcdSimple, kKeypadMatrix), 3);
  EXPECT_TRUE(IsTouchChip("qk37b0640"));
  EXPECT_FALSE(IsTouchChip("QK37A0640"));
}

TEST(PinRules, RemCandidatesLeaveOutKeyLedAndLcdPins) {
  const Pins candidates = {"PB3", "PA1", "PA10", "PC7", "PD0"};
  const Pins offered = OfferedRemPins(candidates, {"pa1"}, "PC7", {"PD0"});
  EXPECT_EQ(offered, (Pins{"PB3", "PA10"})) << "PA1 as a key pin never removes PA10";
  EXPECT_EQ(ChooseRemPin(offered, "PA10", false), 1);
  EXPECT_EQ(ChooseRemPin(offered, "PA1", false), 0) << "no whole match: the first";
  EXPECT_EQ(ChooseRemPin(offered, "PA10", true), 0);
  EXPECT_EQ(ChooseRemPin({}, "PA10", false), -1);

  testsupport::TempDir dir;
  const wxString ini = dir.File("KeyConfig.ini");
  platform::WriteFileAtomically(ini, "[REM]\r\nQK37A170_48 LQFP=PB3, PB7 ,PE0\r\n");
  EXPECT_EQ(ReadRemCandidates(ini, "QK37A170", "48 LQFP"), (Pins{"PB3", "PB7", "PE0"}));
  EXPECT_TRUE(ReadRemCandidates(ini, "QK37A170", "44 LQFP").empty());
}

}  // namespace
