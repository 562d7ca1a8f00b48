// The data-format definition file: parameter definitions applied to an input,
// the bit helpers, constant-code names, the [Data] palette and frame template,
// send types and the generated file names.
#include "protocol/DataFormatDefinitions.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

using namespace olv::protocol;

const char kDefinitions[] =
    "[PD5]\r\nName=ADDRESS_BITS\r\nMin=0\r\nMax=16\r\nFormat=DD\r\nTemplate=__\r\nMask=0x1F\r\n"
    "[PD6]\r\nMin=1\r\nMax=16\r\n"                                                 // no Name: ignored
    "[PD7]\r\nName=ADDRESS\r\nMin=0\r\nMax=0\r\nFormat=HHHH\r\nTemplate=____\r\n"  // no range
    "[PD8]\r\nName=BITS\r\nMin=1\r\nMax=16\r\nFormat=DD\r\n"                       // no Template: no mask
    "[PD9]\r\nName=WIDE\r\nMin=-1\r\nMax=5\r\n"                                    // -1 reads as 4294967295
    "[Data]\r\nCount=5\r\n"
    "0=LEAD,2,0x102030,0xA0B0C0,0,LEAD_CODE,1,2,3,aux,4\r\n"
    "1=CONST_CODE1,1,0xFF0000,0x00FF00,1,CONST_CODE1\r\n"
    "3=COMMAND,0x1,0,0,2,COMMAND,0,0,0,,0\r\n"
    "4=IDS_CONNECT_CODE,16,0,0,0,CC,0,0,0,,0\r\n"
    "5=DATA,1,0,0xFFFFFF,1,DATA,0,0,0,,0xC0C0C0\r\n"
    "[Group]\r\nGroup0=TYPE_A,CONST_CODE1,/CONST_CODE2,COMMAND\r\nGroup1=TYPE_B\r\nGroup3=TYPE_D,COMMAND\r\n"
    "[TYPE_A]\r\nLSB=1\r\n[TYPE_B]\r\nLSB=0x0\r\n"
    "[FileName]\r\nName=IR_UserDef.inc\r\n";

class DataFormatDefinitionsTest : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::WriteBytes(file, kDefinitions); }
  testsupport::TempDir dir;
  wxString file = dir.File("setting.ini");
};

TEST_F(DataFormatDefinitionsTest, DefinitionsSetMaskRangeAndTipOnlyWhereTheyAreWhole) {
  stInputState bits;
  ASSERT_TRUE(LoadParamDefinition(file, 5, bits));
  EXPECT_EQ(bits.maskFormat, "DD");
  EXPECT_EQ(bits.maskTemplate, "__");
  EXPECT_TRUE(bits.valueCheck);
  EXPECT_TRUE(bits.tipEnabled);
  EXPECT_EQ(bits.tipText, "0~16");
  EXPECT_DOUBLE_EQ(bits.maximum, 16.0);

  stInputState untouched;
  untouched.tipText = "kept";
  EXPECT_FALSE(LoadParamDefinition(file, 6, untouched));
  EXPECT_EQ(untouched.tipText, "kept");
  EXPECT_FALSE(untouched.valueCheck);
  EXPECT_FALSE(LoadParamDefinition(file, 42, untouched)) << "missing section";

  stInputState address;
  ASSERT_TRUE(LoadParamDefinition(file, 7, address));
  EXPECT_EQ(address.maskFormat, "HHHH");
  EXPECT_FALSE(address.valueCheck) << "Max not above Min: no range";
  EXPECT_FALSE(address.tipEnabled);

  stInputState noTemplate;
  ASSERT_TRUE(LoadParamDefinition(file, 8, noTemplate));
  EXPECT_TRUE(noTemplate.maskFormat.empty());
  EXPECT_TRUE(noTemplate.valueCheck);

  stInputState wide;
  ASSERT_TRUE(LoadParamDefinition(file, 9, wide));
  EXPECT_FALSE(wide.valueCheck) << "a negative Min is a large unsigned number";

  stParamDefinition definition;
  ASSERT_TRUE(ReadParamDefinition(file, 5, definition));
  EXPECT_TRUE(definition.hasMask);
  EXPECT_EQ(definition.mask, 0x1Fu);
  ASSERT_TRUE(ReadParamDefinition(file, 7, definition));
  EXPECT_FALSE(definition.hasMask);
}

TEST(DataFormatInput, RangeCheckReadsHexadecimalMasksAsHexadecimal) {
  stInputState value;
  value.maskFormat = "HHHH";
  value.maskTemplate = "____";
  ASSERT_TRUE(value.SetRange(0, 255));
  EXPECT_TRUE(value.CheckRange()) << "checking off";
  value.valueCheck = true;
  const struct {
    const char* text;
    bool inRange;
  } cases[] = {{"", true}, {"FF", true}, {"100", false}, {"10", true}, {"-1", false}};
  for (const auto& c : cases) {
    value.text = c.text;
    EXPECT_EQ(value.CheckRange(), c.inRange) << c.text;
    value.MarkRange();
    EXPECT_EQ(value.unitText, c.inRange ? "" : "*") << c.text;
  }
  value.maskFormat = "DD";
  value.maskTemplate = "__";
  value.text = "100";
  EXPECT_TRUE(value.CheckRange()) << "decimal 100 is below 255";
  EXPECT_FALSE(value.SetRange(5, 5));
  EXPECT_DOUBLE_EQ(value.maximum, 255.0);
}

TEST(DataFormatBits, BitsForCountAndTheModeMaskLoopEndsForZero) {
  const struct {
    unsigned n;
    int bits;
  } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {256, 8}, {257, 9}, {0xFFFF, 16}};
  for (const auto& c : cases) EXPECT_EQ(BitsForCount(static_cast<std::uint16_t>(c.n)), c.bits) << c.n;

  EXPECT_EQ(FitModeMask(0, 3), 0) << "a mask of 0 ends the halving at once";
  EXPECT_EQ(FitModeMask(0, 0), 0);
  EXPECT_EQ(FitModeMask(0xFF, 3), 0x07) << "halved until mask - 1 needs no more than 3 bits";
  EXPECT_EQ(FitModeMask(0x08, 3), 0x08);
  EXPECT_EQ(FitModeMask(0xFFFF, 0), 0);
}

TEST(DataFormatNames, ConstCodeNumberIsTheDigitsRightAfterThePrefix) {
  const struct {
    const char* name;
    int number;
  } cases[] = {{"CONST_CODE1", 1},   {"CONST_CODE4", 4},  {"/CONST_CODE2", 2}, {"CONST_CODE3/", 3},
               {"CONST_CODE2_A", 2}, {"CONST_CODE5", 0},  {"CONST_CODE0", 0},  {"CONST_CODE12", 0},
               {"CONST_CODE", 0},    {"CONST_CODEX1", 0}, {"COMMAND1", 0},     {"", 0}};
  for (const auto& c : cases) EXPECT_EQ(ConstCodeNumber(c.name), c.number) << c.name;
  EXPECT_TRUE(IsNegatedName("CONST_CODE2/"));
  EXPECT_TRUE(IsNegatedName("/CONST_CODE2"));
  EXPECT_FALSE(IsNegatedName("CONST_CODE2"));
}

TEST_F(DataFormatDefinitionsTest, PaletteKeepsEmptyEntriesInPlaceAndReadsEveryField) {
  const stDataPalette palette = ReadDataPalette(file);
  EXPECT_TRUE(palette.countRead);
  ASSERT_EQ(palette.items.size(), 5u);
  EXPECT_FALSE(palette.items[2].has_value()) << "key 2 is missing: its entry keeps the place";
  const stDataItem& lead = *palette.items[0];
  EXPECT_EQ(lead.name, "LEAD");
  EXPECT_EQ(lead.kind, 2);
  EXPECT_EQ(lead.colour1, RgbColour(0x10, 0x20, 0x30));
  EXPECT_EQ(lead.colour2, RgbColour(0xA0, 0xB0, 0xC0));
  EXPECT_FALSE(lead.movable);
  EXPECT_EQ(lead.macroName, "LEAD_CODE");
  EXPECT_EQ(lead.valueA, 1);
  EXPECT_EQ(lead.valueB, 2);
  EXPECT_EQ(lead.valueC, 3);
  EXPECT_EQ(lead.auxText, "aux");
  EXPECT_EQ(lead.valueD, 4);
  const stDataItem& shortItem = *palette.items[1];
  EXPECT_TRUE(shortItem.movable);
  EXPECT_EQ(shortItem.valueD, 0) << "missing fields read 0";
  EXPECT_EQ(palette.items[3]->kind, 1) << "numbers read with 0x";
  EXPECT_FALSE(palette.items[3]->movable) << "only 1 makes a block movable";

  const std::optional<stDataItem> frameTemplate = ReadFrameTemplate(file, palette.items.size());
  ASSERT_TRUE(frameTemplate.has_value());
  EXPECT_EQ(frameTemplate->name, "DATA");
  EXPECT_EQ(frameTemplate->valueD, 0xC0C0C0);
  EXPECT_FALSE(ReadFrameTemplate(file, 6).has_value());

  // A count past the keys written makes no empty entries beyond the last of them.
  testsupport::WriteBytes(file, "[Data]\r\nCount=100000\r\n0=A,1\r\n03=X,1\r\n2=B,1\r\nCOUNTER=0\r\n");
  const stDataPalette damaged = ReadDataPalette(file);
  ASSERT_EQ(damaged.items.size(), 3u);
  EXPECT_EQ(damaged.items[2]->name, "B");
  EXPECT_FALSE(ReadFrameTemplate(file, damaged.items.size()).has_value());

  testsupport::WriteBytes(file, "[Data]\r\nCount=-2\r\n");
  EXPECT_FALSE(ReadDataPalette(file).countRead);
  testsupport::WriteBytes(file, "[Other]\r\n");
  const stDataPalette none = ReadDataPalette(file);
  EXPECT_TRUE(none.countRead);
  EXPECT_TRUE(none.items.empty());
}

TEST_F(DataFormatDefinitionsTest, GroupsEndAtTheFirstEmptyKeyAndCarryTheirSendOrder) {
  EXPECT_EQ(ReadGroupNames(file), (std::vector<wxString>{"TYPE_A", "TYPE_B"}));
  stGroup group;
  ASSERT_TRUE(ReadGroup(file, 0, group));
  EXPECT_EQ(group.displayName, "TYPE_A");
  EXPECT_EQ(group.items, (std::vector<wxString>{"CONST_CODE1", "/CONST_CODE2", "COMMAND"}));
  ASSERT_TRUE(ReadGroup(file, 1, group));
  EXPECT_TRUE(group.items.empty());
  EXPECT_FALSE(ReadGroup(file, 2, group));

  EXPECT_EQ(ReadGroupLsb(file, "TYPE_A"), std::optional<bool>(true));
  EXPECT_EQ(ReadGroupLsb(file, "type_b"), std::optional<bool>(false));
  EXPECT_EQ(ReadGroupLsb(file, "TYPE_D"), std::nullopt);

  const stGeneratedNames names = ReadGeneratedNames(file);
  EXPECT_EQ(names.include, "IR_UserDef.inc");
  EXPECT_TRUE(names.sendBits.empty());
}

}  // namespace
