#include "keys/PinPickerModel.h"

#include "TempDir.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

namespace {

// A chip ini written as the install folder's are: 8-bit, CRLF lines.
wxString WriteChip(const testsupport::TempDir& dir, const std::string& text) {
  const wxString path = platform::JoinPath(dir.Path(), "CHIP.ini");
  platform::WriteFileAtomically(path, text);
  return path;
}

const char kChip[] =
    "[Pins]\r\nCount=5\r\n0=PA0,0,0,0,0x4F8FD8,0\r\n1=PA1,0,0,0,0x4F8FD8,0\r\n2=PA10,0,0,0,0x4F8FD8,0\r\n"
    "3=PB0,0,0,0,0x5DBB63,0\r\n4=PB1,0,0,0,0x5DBB63,0\r\n"
    "[Package]\r\nCount=3\r\n0=8SOP,3,PA0,  PA1 ,PB0\r\n1=16NSOP,5,PA0,PA1,PA10,PB0,PB1\r\n2=SHORT,3,PA0\r\n";

TEST(PinPickerModel, ReadsPinsAndPackagesFromTheChipIni) {
  testsupport::TempDir dir;
  CPinPickerModel model;
  const wxString ini = WriteChip(dir, kChip);
  ASSERT_TRUE(model.LoadPins(ini));
  ASSERT_TRUE(model.LoadPackages(ini));
  ASSERT_EQ(model.PinCount(), 5);
  EXPECT_EQ(model.Pins()[3].name, "PB0");
  EXPECT_EQ(model.Pins()[3].colour, 0x5DBB63u);
  EXPECT_EQ(model.GetPackagePins("8SOP"), (std::vector<wxString>{"PA0", "PA1", "PB0"}));
  EXPECT_EQ(model.GetPackagePins("SHORT"), (std::vector<wxString>{"PA0", "", ""}));
  EXPECT_TRUE(model.PackageHasPin("8SOP", "pa1"));
  EXPECT_FALSE(model.PackageHasPin("8SOP", "PA10"));
  EXPECT_FALSE(model.HasPackage("8sop")) << "package names match exactly";
  EXPECT_TRUE(model.PackageHasPin("UNKNOWN", "PA10")) << "an unknown package restricts nothing";

  EXPECT_EQ(model.FilterPackages("PA10", true), "16NSOP");
  EXPECT_EQ(model.FilterPackages("", true), "16NSOP,8SOP,SHORT");
}

TEST(PinPickerModel, StatesChangeOnlyOnPinsThatExist) {
  testsupport::TempDir dir;
  CPinPickerModel model;
  const wxString ini = WriteChip(dir, kChip);
  model.LoadPins(ini);
  model.LoadPackages(ini);
  EXPECT_FALSE(model.SetPinState("PA2", false));
  EXPECT_TRUE(model.SetPinState("pa1", false, true));
  EXPECT_TRUE(model.Pins()[1].taken);
  EXPECT_TRUE(model.Pins()[1].mark);
  EXPECT_TRUE(model.IsFree("PA10")) << "taking PA1 leaves PA10";
  EXPECT_TRUE(model.SetPinState("PA1", true, true));
  EXPECT_FALSE(model.Pins()[1].mark) << "a free pin keeps no mark";

  model.ApplyPackage("8SOP");
  EXPECT_FALSE(model.IsFree("PA10"));
  EXPECT_FALSE(model.IsFree("PB1"));
  EXPECT_TRUE(model.IsFree("PA0"));
}

TEST(PinPickerModel, PackageChangesMoveThePinsEachPackageMeans) {
  testsupport::TempDir dir;
  CPinPickerModel model;
  const wxString ini = WriteChip(dir, kChip);
  model.LoadPins(ini);
  model.LoadPackages(ini);
  const auto shrink = model.PlanPackageChange("16NSOP", "8SOP");
  EXPECT_EQ(shrink.leaving, (std::vector<wxString>{"PA10", "PB1"}));
  EXPECT_TRUE(shrink.arriving.empty());
  const auto grow = model.PlanPackageChange("8SOP", "16NSOP");
  EXPECT_EQ(grow.arriving, (std::vector<wxString>{"PA10", "PB1"}));
  const auto same = model.PlanPackageChange("8SOP", "SHORT");
  EXPECT_TRUE(same.leaving.empty() && same.arriving.empty());
}

TEST(PinPickerModel, MissingEntriesEndTheReading) {
  testsupport::TempDir dir;
  CPinPickerModel model;
  const wxString ini = WriteChip(dir, "[Pins]\r\nCount=3\r\n0=PA0,0,0,0,0x10,0\r\n2=PA2,0,0,0,0x10,0\r\n");
  EXPECT_FALSE(model.LoadPins(ini));
  EXPECT_EQ(model.PinCount(), 1);
  EXPECT_FALSE(model.SetPinState("PA2", false)) << "no button, no state";
  EXPECT_TRUE(model.LoadPins(platform::JoinPath(dir.Path(), "missing.ini")));
  EXPECT_EQ(model.PinCount(), 0);
}

TEST(PinPickerModel, APinCountPastWhatAnEntryCanListIsBounded) {
  testsupport::TempDir dir;
  CPinPickerModel model;
  const wxString ini = WriteChip(dir, "[Package]\r\nCount=1\r\n0=HUGE,100000,PA0,PA1\r\n");
  ASSERT_TRUE(model.LoadPackages(ini));
  const std::vector<wxString> pins = model.GetPackagePins("HUGE");
  // An entry is read up to 520 characters: it never lists more pins than that.
  EXPECT_EQ(pins.size(), 520u);
  EXPECT_EQ(pins[1], "PA1");
  EXPECT_EQ(pins.back(), "");
}

TEST(PinPickerModel, ButtonsGoInRowsOfEightOrSixteen) {
  const int w = 40;
  EXPECT_EQ(pinpicker::ButtonsPerRow(2 * (8 * w + 70), w), 8);
  EXPECT_EQ(pinpicker::ButtonsPerRow(2 * (8 * w + 70) + 1, w), 16);
  EXPECT_EQ(pinpicker::ButtonRect(9, w, 8), (pinpicker::stButtonRect{10 + 1 * 50, 40, w, 20}));
  EXPECT_EQ(pinpicker::ScrollRange(16, false, w, 8), 0);
  EXPECT_EQ(pinpicker::ScrollRange(17, false, w, 8), 60 + 20 + 15);
  EXPECT_EQ(pinpicker::ScrollRange(24, true, w, 8), 0);
}

}  // namespace
