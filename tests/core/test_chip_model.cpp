#include "core/AppContext.h"
#include "core/ChipModel.h"
#include "platform/Paths.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

namespace {

const char* const kChips[] = {"QK21A0510", "QK21B0510", "QK21C0510", "QK37A0640", "QK37A0660",
                              "QK37B0640", "QK37A170",  "QK52A140",  "QK52A150",  "QK52A160"};

wxString InstallChip(const char* kind, const char* mcu) {
  return platform::JoinPath(
      platform::JoinPath(
          platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "RemoteControlSetting"),
          wxString(kind) + "/IC"),
      wxString(mcu) + ".afg");
}

TEST(ChipModel, EveryInstalledChipLoads) {
  testsupport::CMessageRecorder boxes;
  for (const char* mcu : kChips) {
    CChipInfo chip;
    ASSERT_TRUE(chip.Load(mcu, InstallChip("General", mcu))) << mcu;
    EXPECT_EQ(chip.name, mcu);
    ASSERT_FALSE(chip.packages.empty()) << mcu;
    EXPECT_LT(chip.GetDefaultPackageIndex(), static_cast<int>(chip.packages.size()));
    for (const auto& package : chip.packages) {
      std::vector<int> supply;
      package->FindPinsWithFeatures({kFeatureVDD}, supply);
      EXPECT_EQ(supply.size(), 1u) << mcu << " " << package->name;
      std::vector<int> driver;
      package->FindPinsWithFeatures({kFeatureConfig}, driver);
      EXPECT_EQ(driver.size(), 1u) << mcu << " " << package->name << " has one IR driver pin";
    }
  }
  for (const char* mcu : {"QK37A0660", "QK52A160"}) {
    CChipInfo chip;
    EXPECT_TRUE(chip.Load(mcu, InstallChip("LCD_Standard", mcu))) << mcu;
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

// A small definition with one 16-pin package, its pins given as XML.
std::string Definition(const std::string& pins,
                       const std::string& packageAttrs = "TopSidePins=\"4\" LeftSidePins=\"4\"",
                       const std::string& packagesAttrs = "") {
  return "<?xml version=\"1.0\"?><IR_MCU version=\"1.2\"><Packages" + packagesAttrs +
         "><Package Name=\"P16\" " + packageAttrs + "><Pins>" + pins +
         "</Pins></Package></Packages></IR_MCU>";
}

std::string Repeat(const std::string& part, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += part;
  return out;
}

struct FormatCase {
  const char* name;
  std::string xml;
  const char* key;  // the error box's key text; null: the load succeeds
  wxString text;    // the expected box text
};

class ChipFormatTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().langFile = platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "Lang.ini");
    state.App().currentLangSection = "1252";
  }

  testsupport::TempDir dir;
  testsupport::CMessageRecorder boxes;
};

TEST_F(ChipFormatTest, MalformedFilesReportTheirError) {
  const std::string io = "<Feature Func=\"IO\" Reg=\"PA\" CReg=\"PAC\" PUReg=\"PAPU\" Name=\"PA0\"/>";
  const FormatCase cases[] = {
      {"pin 16 of 16", Definition("<Pin Index=\"16\"/>"), nullptr, ""},
      {"pin 17 of 16", Definition("<Pin Index=\"17\"/>"), "ERR_XMLFORMAT_PINIDX",
       "Chip definition error: pin number 17 lies outside the package of 16 pins."},
      {"pin 0", Definition("<Pin Index=\"0\"/>"), "ERR_XMLFORMAT_PINIDX",
       "Chip definition error: pin number 0 lies outside the package of 16 pins."},
      {"pin -3", Definition("<Pin Index=\"-3\"/>"), "ERR_XMLFORMAT_PINIDX",
       "Chip definition error: pin number -3 lies outside the package of 16 pins."},
      {"repeated pin", Definition("<Pin Index=\"3\"/><Pin Index=\"3\"/>"), "ERR_XMLFORMAT_PINREPEAT",
       "Chip definition error: pin index 2 is defined twice."},
      {"repeated function", Definition("<Pin Index=\"1\">" + io + io + "</Pin>"), "ERR_XMLFORMAT_FUNCREPEAT",
       "Chip definition error: pin index 0 has the same function twice."},
      {"unknown function", Definition("<Pin Index=\"1\"><Feature Func=\"PWM\"/></Pin>"),
       "ERR_XMLFORMAT_PINFUNCNAME", "Chip definition error: unknown pin function PWM."},
      {"empty function", Definition("<Pin Index=\"1\"><Feature Func=\"\"/></Pin>"), "ERR_XMLFORMAT_LACKATTRI",
       "Chip definition error: element Feature lacks the attribute Func."},
      {"io lacks Reg",
       Definition("<Pin Index=\"1\"><Feature Func=\"io\" CReg=\"x\" PUReg=\"y\" Name=\"z\"/></Pin>"),
       "ERR_XMLFORMAT_LACKATTRI", "Chip definition error: element Feature lacks the attribute Reg."},
      {"VDD lacks value", Definition("<Pin Index=\"1\"><Feature Func=\"VDD\"/></Pin>"),
       "ERR_XMLFORMAT_LACKATTRI", "Chip definition error: element VDD lacks the attribute VDDValue."},
      {"pin lacks index", Definition("<Pin/>"), "ERR_XMLFORMAT_LACKATTRI",
       "Chip definition error: element Pin lacks the attribute Index."},
      {"package lacks sides", Definition("", "TopSidePins=\"4\""), "ERR_XMLFORMAT_LACKATTRI",
       "Chip definition error: element Package lacks the attribute LeftSidePins."},
      {"wrong root", "<MCU version=\"1.0\"/>", "ERR_XMLFORMAT_ROOT",
       "Chip definition error: the root element must be IR_MCU."},
      {"no version", "<IR_MCU><Packages/></IR_MCU>", "ERR_XMLFORMAT_LACKATTRI",
       "Chip definition error: element IR_MCU lacks the attribute version."},
      {"no packages", "<IR_MCU version=\"1.0\"/>", "ERR_XMLFORMAT_LACKNODE",
       "Chip definition error: the element Packages is missing."},
      {"no pins",
       "<IR_MCU version=\"1.0\"><Packages><P Name=\"A\" TopSidePins=\"0\" "
       "LeftSidePins=\"4\"/></Packages></IR_MCU>",
       "ERR_XMLFORMAT_LACKNODE", "Chip definition error: the element Pins is missing."},
      {"unknown default", Definition("", "TopSidePins=\"4\" LeftSidePins=\"4\"", " Default=\"P99\""),
       "ERR_XMLFORMAT_DEFPACKAGE", "Chip definition error: the default package P99 is not defined."},
      {"pin INT_MIN", Definition("<Pin Index=\"-2147483648\"/>"), "ERR_XMLFORMAT_PINIDX",
       "Chip definition error: pin number -2147483648 lies outside the package of 16 pins."},
      {"pin INT_MAX", Definition("<Pin Index=\"2147483647\"/>"), "ERR_XMLFORMAT_PINIDX",
       "Chip definition error: pin number 2147483647 lies outside the package of 16 pins."},
      // Unreadable files name themselves; the parser never sees one nested past any chip file.
      {"not xml", "<IR_MCU version=", "ERR_XMLFORMAT_READ", ""},
      {"cut short", Definition("<Pin Index=\"1\"/>").substr(0, 90), "ERR_XMLFORMAT_READ", ""},
      {"nested 60000 deep", "<IR_MCU version=\"1.0\">" + Repeat("<a>", 60000), "ERR_XMLFORMAT_READ", ""},
      {"nested 60000 deep, closed", Repeat("<a>", 60000) + Repeat("</a>", 60000), "ERR_XMLFORMAT_READ", ""},
      // Closes that are none: in a comment, in an attribute value, in a character reference.
      {"nested deep past comments", "<IR_MCU version=\"1.0\">" + Repeat("<a><!--</a>-->", 40000),
       "ERR_XMLFORMAT_READ", ""},
      {"nested deep past attribute values", "<IR_MCU version=\"1.0\">" + Repeat("<a x=\"/>\">", 40000),
       "ERR_XMLFORMAT_READ", ""},
      {"nested deep past references", "<IR_MCU version=\"1.0\">" + Repeat("<a>&#x</a>x0;", 40000),
       "ERR_XMLFORMAT_READ", ""},
      // Opens that the parser sees after the first ">" of a declaration.
      {"nested deep after a processing instruction",
       "<IR_MCU version=\"1.0\"><?pi >" + Repeat("<a>", 40000) + "?>", "ERR_XMLFORMAT_READ", ""},
      {"nested deep after a document type",
       "<!DOCTYPE IR_MCU [<!ENTITY e \">" + Repeat("<a>", 40000) + "\">]><IR_MCU version=\"1.0\"/>",
       "ERR_XMLFORMAT_READ", ""},
      {"larger than any chip file", Definition("<Pin Index=\"1\"/>" + Repeat("<!-- padding -->", 300000)),
       "ERR_XMLFORMAT_READ", ""},
  };
  for (const auto& c : cases) {
    boxes.boxes.clear();
    const wxString file = dir.File("chip.afg");
    testsupport::WriteBytes(file, c.xml);
    CChipInfo chip;
    const bool loaded = chip.Load("X", file);
    EXPECT_EQ(loaded, c.key == nullptr) << c.name;
    if (c.key == nullptr || *c.key == '\0') {
      EXPECT_TRUE(boxes.boxes.empty()) << c.name;
      continue;
    }
    ASSERT_EQ(boxes.boxes.size(), 1u) << c.name;
    EXPECT_EQ(boxes.boxes[0].caption, "Error") << c.name;
    const wxString expected =
        c.text.empty() ? "The chip definition file " + file + " could not be read or is damaged." : c.text;
    EXPECT_EQ(boxes.boxes[0].text, expected) << c.name;
  }
}

TEST_F(ChipFormatTest, QueriesAnswerByUsageAndFeature) {
  const std::string pins =
      "<Pin Index=\"1\" NameOnIC=\"PA0\" NameOutKey=\"K0\">"
      "<Feature Func=\"io\" Reg=\"PA\" CReg=\"PAC\" PUReg=\"PAPU\" Name=\"PA0\"/>"
      "<Feature Func=\"COM\" ComIdx=\"3\"/><Feature Func=\"TX0\" Tx0PlexBit=\"10\"/></Pin>"
      "<Pin Index=\"2\"><Feature Func=\"VDD\" VDDValue=\"5V\"/><Feature Func=\"Config\"/></Pin>"
      "<Pin Index=\"4\"><Feature Func=\"icp\" ICPName=\"ICPCK\"/><Feature Func=\"SEG\" SEGEnReg=\"SE\" "
      "SegIdx=\"0x1F\"/>"
      "<Feature Func=\"INT\" INTIndex=\"2\"/><Feature Func=\"TX1\" Tx1PlexBit=\"-1\"/></Pin>";
  const wxString file = dir.File("chip.afg");
  testsupport::WriteBytes(file, Definition(pins));
  CChipInfo chip;
  ASSERT_TRUE(chip.Load("QKTEST", file));
  EXPECT_EQ(chip.version, 0x0102);
  EXPECT_EQ(chip.defaultPackageName, "P16");  // no Default: the first package
  EXPECT_EQ(chip.GetDefaultPackageIndex(), 0);
  EXPECT_EQ(chip.FindPackage("p16"), nullptr);  // case counts

  CPackage* package = chip.FindPackage("P16");
  ASSERT_NE(package, nullptr);
  EXPECT_EQ(package->GetPinCount(), 16);
  CPin* pin = package->GetPin(0);
  ASSERT_NE(pin, nullptr);
  struct {
    int usage;
    const char* value;
  } usages[] = {{0, "PA"},  {1, "PAC"},  {2, "PAPU"}, {14, "3"}, {3, ""},
                {8, "0xA"}, {20, "0xA"}, {7, ""},     {23, ""},  {-1, ""}};
  for (const auto& u : usages) EXPECT_EQ(pin->GetUsageValue(u.usage), u.value) << "usage " << u.usage;

  CPin* other = package->GetPin(3);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->GetUsageValue(16), "ICPCK");
  EXPECT_EQ(other->GetUsageValue(15), "31");
  EXPECT_EQ(other->GetUsageValue(5), "SE");
  EXPECT_EQ(other->GetUsageValue(22), "2");
  EXPECT_EQ(other->GetUsageValue(10), "");  // negative bit
  EXPECT_EQ(package->GetPin(1)->GetUsageValue(17), "5V");

  EXPECT_EQ(package->GetPin(2), nullptr);
  EXPECT_EQ(package->GetPin(16), nullptr);
  wxString onIC = "x", outKey = "y";
  EXPECT_TRUE(package->GetPinNames(2, onIC, outKey));
  EXPECT_EQ(onIC, "");
  EXPECT_TRUE(package->GetPinNames(0, onIC, outKey));
  EXPECT_EQ(outKey, "K0");
  EXPECT_FALSE(package->GetPinNames(16, onIC, outKey));

  std::vector<int> found = {99};
  package->FindPinsWithFeatures({}, found);
  EXPECT_TRUE(found.empty());
  package->FindPinsWithFeatures({kFeatureVDD, kFeatureConfig}, found);
  EXPECT_EQ(found, std::vector<int>{1});
  package->FindPinsWithFeatures({kFeatureIO}, found);
  EXPECT_EQ(found, std::vector<int>{0});
}

TEST_F(ChipFormatTest, ChipListCachesLoadsButNotFailures) {
  const wxString file = dir.File("chip.afg");
  CChipList list;
  CChipInfo* chip = reinterpret_cast<CChipInfo*>(1);
  EXPECT_FALSE(list.GetChip("QKTEST", chip, file));  // missing file
  EXPECT_EQ(chip, nullptr);

  testsupport::WriteBytes(file, Definition("<Pin Index=\"1\"/>"));
  ASSERT_TRUE(list.GetChip("QKTEST", chip, file));
  CChipInfo* first = chip;
  testsupport::WriteBytes(file, "broken");
  ASSERT_TRUE(list.GetChip("QKTEST", chip, file));  // cached: the file is not read again
  EXPECT_EQ(chip, first);
}

}  // namespace
