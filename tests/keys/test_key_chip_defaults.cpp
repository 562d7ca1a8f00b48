// The development-board wiring of a chip ini and the LED pin choices.
#include "keys/KeyChipDefaults.h"

#include "TempDir.h"
#include "keys/PinPickerModel.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>
#include <wx/dir.h>

#include <algorithm>

namespace {

wxString WriteIni(const testsupport::TempDir& dir, const std::string& body) {
  const wxString path = dir.File("QK21A0510.ini");
  platform::WriteFileAtomically(path, body);
  return path;
}

const char* const kIni =
    "[20SSOP]\nCount=12\n0=PA0\n1=PA1\n2=PA2\n3=PA3\n4=PA4\n5=PA5\n6=PA6\n7=PA7\n8=PB0\n9=PB1\n10=PB2\n"
    "11=PB3\n12=PB4\n13=PB5\n14=PB6\n15=PB7\nStep_LEDCHK=1\nStep_LED_IO=PC1\nMatrix_LEDCHK=0\n"
    "Matrix_LED_IO=PC2\nROW_VSS=1\n"
    "[16SOP]\nCount=8\n0=PA0\n1=PA1\n2=PA2\n3=PA3\n4=PA4\n5=PA5\n6=PA6\n7=PA7\n8=PB0\n";

TEST(ChipKeyDefaults, MatrixSplitsCountIntoColumnsAndRowsTakenFromTheEnd) {
  testsupport::TempDir dir;
  const wxString ini = WriteIni(dir, kIni);
  // 8 columns and 8 row cells: 16 line cells, rows read "%d" from 15 down.
  stChipKeyDefaults d = ReadChipKeyDefaults(ini, "20SSOP", true, 8, 8);
  EXPECT_EQ(d.columnPins, 8);
  EXPECT_EQ(d.rowPins, 5);  // Count 12: VSS row included
  ASSERT_EQ(d.cellPins.size(), 16u);
  EXPECT_EQ(d.cellPins[7], "PA7");
  EXPECT_EQ(d.cellPins[8], "PB7");
  EXPECT_EQ(d.cellPins[12], "PB3");
  EXPECT_EQ(d.cellPins[13], "");
  EXPECT_TRUE(d.rowVss);
  EXPECT_FALSE(d.ledEnabled);
  EXPECT_EQ(d.ledPin, "PC2");

  d = ReadChipKeyDefaults(ini, "16SOP", true, 8, 8);
  EXPECT_EQ(d.columnPins, 8);
  EXPECT_EQ(d.rowPins, 1);
  EXPECT_FALSE(d.rowVss);

  d = ReadChipKeyDefaults(ini, "20SSOP", false, 16, 0);
  ASSERT_EQ(d.cellPins.size(), 16u);
  EXPECT_EQ(d.cellPins[11], "PB3");
  EXPECT_EQ(d.cellPins[12], "");
  EXPECT_TRUE(d.ledEnabled);
  EXPECT_EQ(d.ledPin, "PC1");
}

TEST(ChipKeyDefaults, MissingFileOrSectionReadsEmpty) {
  testsupport::TempDir dir;
  stChipKeyDefaults d = ReadChipKeyDefaults(dir.File("none.ini"), "20SSOP", true, 8, 8);
  EXPECT_EQ(d.count, 0);
  EXPECT_EQ(d.columnPins, 0);
  EXPECT_EQ(d.rowPins, 1);
  EXPECT_FALSE(d.rowVss);
  EXPECT_EQ(d.ledPin, "");
  for (const wxString& pin : d.cellPins) EXPECT_EQ(pin, "");
}

TEST(LedPinChoices, LeaveOutKeyPinsAndTheChipsReservedPins) {
  const std::vector<wxString> pins = {"PB6", "PB5", "PB4", "PB1", "PB0", "PA1", "PA0", "PC0"};
  stPinOptions options;
  options.mcu = "qk37a0660";
  options.crystalOption = 1;
  options.lcdOption = 0;
  EXPECT_EQ(LedPinChoices(pins, {"PA1"}, false, options), (std::vector<wxString>{"PA0", "PC0"}));
  // A general step keypad keeps its first key pin for the LED.
  EXPECT_EQ(LedPinChoices(pins, {"PA1", "PA0"}, true, options), (std::vector<wxString>{"PA1", "PC0"}));
  options.mcu = "QK52A150";
  EXPECT_EQ(LedPinChoices({"PC0", "PC1", "PC2", "PC3"}, {}, false, options), (std::vector<wxString>{"PC3"}));
}

TEST(LedPinChoices, ALostSelectionIsResetWithTheNoticeOfItsCause) {
  struct Case {
    wxString previous;
    bool ticked, packageChanged, backlight;
    wxString selected, message;
    bool clear;
  } cases[] = {
      {"PA0", true, false, false, "PA0", "", false},
      {"PB7", true, true, false, "", "IDS_PACK_RESET_LED", true},
      {"PB7", true, false, true, "", "IDS_RESET_BACKLIGHT", true},
      {"PB7", false, false, false, "", "", true},
      {"", true, true, false, "", "", false},
  };
  for (const Case& c : cases) {
    const stLedReselect r =
        ReselectLedPin({"PA0", "PA1"}, c.previous, c.ticked, c.packageChanged, c.backlight);
    EXPECT_EQ(r.selected, c.selected) << c.previous;
    EXPECT_EQ(r.messageKey, c.message) << c.previous;
    EXPECT_EQ(r.clearLedPin, c.clear) << c.previous;
  }
}

TEST(DevBoardMode, OfferedAndGuardedOnTwentySsopOfGeneralRemotesOnly) {
  EXPECT_TRUE(DevBoardModeOffered(true, "20SSOP", "QK21A0510"));
  EXPECT_FALSE(DevBoardModeOffered(true, "20SSOP", "qk21b0510"));
  EXPECT_FALSE(DevBoardModeOffered(true, "20SSOP", "QK21C0510"));
  EXPECT_FALSE(DevBoardModeOffered(false, "20SSOP", "QK21A0510"));
  EXPECT_FALSE(DevBoardModeOffered(true, "16SOP", "QK21A0510"));
  EXPECT_TRUE(DevBoardGuardApplies(1, "20SSOP", true));
  EXPECT_FALSE(DevBoardGuardApplies(0, "20SSOP", true));
  EXPECT_FALSE(DevBoardGuardApplies(1, "20SSOP", false));
}

}  // namespace

// The development-board wiring of every installed package: distinct pins of
// the package on the lines in use, an LED pin of the package off the keys.
TEST(ChipKeyDefaults, InstalledBoardWiringUsesDistinctPinsOfThePackage) {
  const wxString settings =
      platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "RemoteControlSetting");
  struct Kind {
    const char* name;
    int stepCells, columnCells, rowCells;
  } kinds[] = {{"General", 16, 8, 8}, {"LCD_Simple", 6, 3, 3}, {"LCD_Standard", 6, 6, 6}};
  for (const Kind& kind : kinds) {
    wxArrayString inis;
    wxDir::GetAllFiles(platform::JoinPath(platform::JoinPath(settings, kind.name), "IC"), &inis, "*.ini",
                       wxDIR_FILES);
    for (const wxString& ini : inis) {
      CPinPickerModel picker;
      ASSERT_TRUE(picker.LoadPackages(ini));
      for (const wxString& package : picker.PackageNames()) {
        SCOPED_TRACE((ini + " " + package).ToStdString());
        const std::vector<wxString> pins = picker.GetPackagePins(package);
        const auto inPackage = [&](const wxString& pin) {
          return std::find(pins.begin(), pins.end(), pin) != pins.end();
        };
        const stChipKeyDefaults step = ReadChipKeyDefaults(ini, package, false, kind.stepCells, 0);
        EXPECT_GT(step.count, 0);
        std::vector<wxString> used(
            step.cellPins.begin(),
            step.cellPins.begin() + std::min<std::size_t>(step.count, step.cellPins.size()));
        if (kind.name == wxString("General")) {
          const stChipKeyDefaults matrix =
              ReadChipKeyDefaults(ini, package, true, kind.columnCells, kind.rowCells);
          used.clear();
          for (int j = 0; j < matrix.columnPins; ++j) used.push_back(matrix.cellPins[j]);
          for (int k = 0; k < matrix.rowPins - (matrix.rowVss ? 1 : 0); ++k)
            used.push_back(matrix.cellPins[kind.columnCells + k]);
          if (matrix.ledEnabled) {
            EXPECT_TRUE(inPackage(matrix.ledPin)) << matrix.ledPin;
          }
        }
        std::vector<wxString> sorted = used;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
        for (const wxString& pin : used) EXPECT_TRUE(inPackage(pin)) << "'" << pin << "'";
        if (step.ledEnabled) {
          EXPECT_TRUE(inPackage(step.ledPin)) << step.ledPin;
          EXPECT_EQ(std::find(used.begin(), used.end(), step.ledPin), used.end());
        }
      }
    }
  }
}
