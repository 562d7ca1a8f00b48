// The carrier and bit-timing rules without a window: the timing rule and the
// preview shapes and texts as one table, the definitions and their bindings,
// the [Custom] values as the document takes them, the macros, and the
// install's definitions.
#include "protocol/ModulationModel.h"

#include "core/AppContext.h"
#include "platform/Paths.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

using namespace modulation;

wxString Levels(const std::vector<int>& levels) {
  wxString text;
  for (int level : levels) text << level;
  return text;
}
wxString Levels(const std::array<int, 2>& levels) {
  return Levels(std::vector<int>(levels.begin(), levels.end()));
}
wxString Labels(const std::array<wxString, 2>& labels) { return labels[0] + "|" + labels[1]; }
wxString Rule(BitRule rule) {
  return rule == BitRule::kValid ? "valid" : rule == BitRule::kIncomplete ? "incomplete" : "invalid";
}
wxString Durations(const std::vector<int>& durations) {
  wxString text;
  for (int d : durations) text << d << " ";
  return text.Trim();
}

struct stRuleCase {
  const char* what;
  std::function<wxString()> actual;
  const char* expected;
};

// Each row computes what a rule or a preview makes of its inputs.
const stRuleCase kRuleCases[] = {
    // The bit-0 / bit-1 rule: exactly one pair equal.
    {"same mark, different space", [] { return Rule(CheckBitTimes("560", "560", "560", "1690")); }, "valid"},
    {"same space, different mark", [] { return Rule(CheckBitTimes("560", "1120", "560", "560")); }, "valid"},
    {"both pairs equal", [] { return Rule(CheckBitTimes("560", "560", "560", "560")); }, "invalid"},
    {"both pairs differ", [] { return Rule(CheckBitTimes("560", "1120", "560", "1690")); }, "invalid"},
    {"hex and decimal compare by value", [] { return Rule(CheckBitTimes("0x230", "560", "560", "1690")); },
     "valid"},
    {"hex mark equal to decimal fails both-equal",
     [] { return Rule(CheckBitTimes("0x230", "560", "560", "560")); }, "invalid"},
    {"one empty input leaves the rule", [] { return Rule(CheckBitTimes("560", "", "560", "1690")); },
     "incomplete"},
    // Bit shapes: bit 0 follows the polarity; bit 1 is mark first in PDM, opposite of bit 0 in Manchester.
    {"PDM bit 0 mark first", [] { return Levels(BitLevels(false, false, true)); }, "10"},
    {"PDM bit 0 mark after", [] { return Levels(BitLevels(false, false, false)); }, "01"},
    {"PDM bit 1 always mark first", [] { return Levels(BitLevels(true, false, false)); }, "10"},
    {"Manchester bit 1 mark first", [] { return Levels(BitLevels(true, true, true)); }, "01"},
    {"Manchester bit 1 mark after", [] { return Levels(BitLevels(true, true, false)); }, "10"},
    // Labels: bit 1 opposite of bit 0 only in Manchester.
    {"bit 0 labels mark first", [] { return Labels(BitLabels("M", "S", false, true, true)); }, "M|S"},
    {"bit 0 labels mark after", [] { return Labels(BitLabels("M", "S", false, false, false)); }, "S|M"},
    {"Manchester bit 1 labels mark first", [] { return Labels(BitLabels("M", "S", true, true, true)); },
     "S|M"},
    {"Manchester bit 1 labels mark after", [] { return Labels(BitLabels("M", "S", true, true, false)); },
     "M|S"},
    {"PDM bit 1 labels follow bit 0", [] { return Labels(BitLabels("M", "S", true, false, true)); }, "M|S"},
    // Boot data: two segments a digit.
    {"boot data 101 mark first", [] { return Levels(BootDataLevels("101", true)); }, "011001"},
    {"boot data 101 mark after", [] { return Levels(BootDataLevels("101", false)); }, "100110"},
    {"empty boot data", [] { return Levels(BootDataLevels("", true)); }, ""},
    // Carrier: one unit of mark, n - 1 of space.
    {"duty 1/3", [] { return Durations(CarrierDurations(3)); }, "1 2"},
    {"duty 1/2", [] { return Durations(CarrierDurations(2)); }, "1 1"},
    {"duty value below 2 draws the mark only", [] { return Durations(CarrierDurations(0)); }, "1"},
    // Captions and labels through the checked formatter.
    {"carrier 38 kHz", [] { return CarrierCaption("%.2f us / %.1f kHz", "38"); }, "26.32 us / 38.0 kHz"},
    {"carrier 0 kHz", [] { return CarrierCaption("%.2f us / %.1f kHz", "0"); }, "0.00 us / 0.0 kHz"},
    {"carrier caption with a broken translation", [] { return CarrierCaption("T=%s %d", "38"); }, "T=%s %d"},
    {"label keeps the typed text", [] { return TimeLabel("MARK %s us", "45x"); }, "MARK 45x us"},
    {"time caption", [] { return TimeCaption("Boot: %d us", 13500); }, "Boot: 13500 us"},
    {"time caption with a text conversion", [] { return TimeCaption("Boot: %s", 13500); }, "Boot: %s"},
    {"leading digits count", [] { return wxString::Format("%u", LeadingDecimal("45x")); }, "45"},
    {"no digits count 0", [] { return wxString::Format("%u", LeadingDecimal("x45")); }, "0"},
    {"boot caption sums the typed times",
     [] { return TimeCaption("%d", static_cast<long>(LeadingDecimal("9000") + LeadingDecimal("45x"))); },
     "9045"},
};

TEST(ModulationRules, TimingRulesAndPreviewShapes) {
  for (const stRuleCase& c : kRuleCases) EXPECT_EQ(c.actual(), wxString(c.expected)) << c.what;
}

TEST(ModulationRules, ListItemsAndWholeTextSelection) {
  const stListItem bracketed = ParseListItem("[1/3] , 3");
  EXPECT_EQ(bracketed.label, "1/3");
  EXPECT_EQ(bracketed.value, 3u);
  const stListItem plain = ParseListItem("4");
  EXPECT_EQ(plain.label, "4");
  EXPECT_EQ(plain.value, 4u);
  EXPECT_EQ(ParseListItem("[[1/8]],0x08").value, 8u);

  const std::vector<stListItem> items = {{"1/30", 30}, {"1/3", 3}, {"Half", 2}};
  EXPECT_EQ(FindItemIndex(items, "1/3"), 1) << "a prefix of another entry selects the whole match";
  EXPECT_EQ(FindItemIndex(items, "half"), 2);
  EXPECT_EQ(FindItemIndex(items, "1/"), -1);
  EXPECT_EQ(FindItemValue(items, "HALF"), 2u);
  EXPECT_EQ(FindItemValue(items, "1/4"), 0u);
}

const char kDefinitions[] =
    "[P0]\r\nName=Freq\r\nMin=20\r\nMax=100\r\nFormat=DDD\r\nTemplate=___\r\n"
    "[P1]\r\nName=Duty\r\nMask=0xFF\r\nItem0=[1/2],2\r\nItem1=[1/3],3\r\nItem2=\r\nItem3=[1/4],4\r\n"
    "[P2]\r\nName=Same\r\nMin=5\r\nMax=5\r\n"
    "[P3]\r\nName=header_code\r\nMin=1\r\nMax=9\r\nFormat=BBB\r\n"
    "[P4]\r\nMin=1\r\n";

TEST(ModulationRules, DefinitionsAndTheirBindings) {
  testsupport::TempDir dir;
  testsupport::WriteBytes(dir.File("setting.ini"), kDefinitions);
  const CParamDefinitions definitions(dir.File("setting.ini"));

  stParamDefinition freq;
  ASSERT_TRUE(definitions.Read(0, freq));
  const stInputBinding range = BindingFor(freq);
  EXPECT_TRUE(range.setMask);
  EXPECT_TRUE(range.setRange);
  EXPECT_EQ(range.min, 20.0);
  EXPECT_EQ(range.max, 100.0);
  EXPECT_EQ(range.tip, "20~100");

  stParamDefinition duty;
  ASSERT_TRUE(definitions.Read(1, duty));
  EXPECT_EQ(duty.mask, 0xFFu);
  ASSERT_EQ(duty.items.size(), 2u) << "the list ends at the first empty item";
  EXPECT_EQ(duty.items[1].label, "1/3");

  stParamDefinition same;
  ASSERT_TRUE(definitions.Read(2, same));
  EXPECT_FALSE(BindingFor(same).setRange) << "Min = Max sets no range";
  EXPECT_TRUE(BindingFor(same).tip.empty());

  stParamDefinition binary;
  ASSERT_TRUE(definitions.Read(3, binary));
  const stInputBinding bits = BindingFor(binary);
  EXPECT_TRUE(bits.binaryTip);
  EXPECT_FALSE(bits.setRange) << "a binary input takes no range whatever Min and Max say";
  EXPECT_FALSE(bits.setMask) << "no template";
  EXPECT_EQ(bits.tip, "IDS_INPUT_BIN");

  stParamDefinition untouched;
  untouched.name = "kept";
  EXPECT_FALSE(definitions.Read(4, untouched)) << "no Name";
  EXPECT_FALSE(definitions.Read(9, untouched)) << "no section";
  EXPECT_EQ(untouched.name, "kept");
}

TEST(ModulationRules, CustomValuesAsTheDocumentTakesThem) {
  CDocManage doc;
  StoreCustomValue(doc, kBit0MarkEditId, "560");
  StoreCustomValue(doc, kBit0SpaceEditId, "0x230");
  EXPECT_EQ(doc.Bit0Mark(), 560);
  EXPECT_EQ(doc.Bit0Space(), 560);
  StoreCustomValue(doc, kHalfBitEditId, "889");
  EXPECT_EQ(doc.GetParam(10), "889");
  EXPECT_EQ(doc.GetParam(11), "889");

  StoreCustomValue(doc, kBootContentEditId, "1");
  EXPECT_EQ(doc.BootDataBits, 1);
  StoreCustomValue(doc, kBootContentEditId, "10110");
  EXPECT_EQ(doc.BootDataBits, kMaxBootDataBits) << "the count the document keeps is capped";

  // The repeat kind: P17 assigns, P18 and P19 add their bits.
  for (const auto& [agc, data, whole, kind] :
       {std::make_tuple("0", "1", "0", 2), std::make_tuple("1", "0", "0", 1),
        std::make_tuple("0", "0", "1", 4)}) {
    doc.RepeatKind = 7;
    StoreCustomValue(doc, kRepeatAgcRadioId, agc);
    StoreCustomValue(doc, kRepeatDataRadioId, data);
    StoreCustomValue(doc, kRepeatWholeRadioId, whole);
    EXPECT_EQ(doc.RepeatKind, kind) << agc << data << whole;
  }
  StoreCustomValue(doc, kBootCheckId, "0x100");
  EXPECT_EQ(doc.LeadCodeOn, 0) << "only the low byte counts";
  StoreCustomValue(doc, kRepeatCheckId, "1");
  EXPECT_EQ(doc.RepeatCodeOn, 1);
  StoreCustomValue(doc, kManchesterRadioId, "1");
  StoreCustomValue(doc, kMarkAfterRadioId, "1");
  EXPECT_EQ(doc.ModulationKind, 1);
  EXPECT_EQ(doc.MarkAfter, 1);
}

stParamDefinition Definition(const char* name, std::uint32_t mask = 0) {
  stParamDefinition definition;
  definition.name = name;
  definition.mask = mask;
  return definition;
}

stParamValue Edit(int id, const char* text) {
  stParamValue value;
  value.kind = stParamValue::kEdit;
  value.controlId = id;
  value.text = text;
  return value;
}

TEST(ModulationRules, MacrosPackByMaskAndPadTheBootData) {
  CStringMap table;
  AddMacro(table, Definition("Half", 0x0F), Edit(kHalfBitEditId, "5"));
  AddMacro(table, Definition("Half", 0xF0), Edit(kHalfBitEditId, "5"));
  EXPECT_EQ(table["Half"], "85") << "(5 & 0x0F) | (5 << 4 & 0xF0)";
  AddMacro(table, Definition("Word", 0xFFFF), Edit(kHalfBitEditId, "0xFFFF"));
  AddMacro(table, Definition("Word", 0xFFFF0000), Edit(kHalfBitEditId, "0xFFFF"));
  EXPECT_EQ(table["Word"], "4294967295") << "a full word reads back whole";

  AddMacro(table, Definition("HEADER_CODE"), Edit(kBootContentEditId, "1"));
  EXPECT_EQ(table["HEADER_CODE"], "100");
  AddMacro(table, Definition("Freq"), Edit(kFreqEditId, "38"));
  EXPECT_EQ(table["Freq"], "38");

  stParamValue combo;
  combo.kind = stParamValue::kCombo;
  combo.text = "1/3";
  combo.itemValue = 3;
  AddMacro(table, Definition("Duty", 0xFF), combo);
  EXPECT_EQ(table["Duty"], "3");
  combo.text.clear();
  AddMacro(table, Definition("DutyText"), combo);
  EXPECT_EQ(table["DutyText"], "") << "no selection, mask 0: an empty text";

  stParamValue button;
  button.kind = stParamValue::kButton;
  AddMacro(table, Definition("Flag"), button);
  EXPECT_EQ(table["Flag"], "0");
  button.checked = true;
  AddMacro(table, Definition("Bits", 0x2), button);
  EXPECT_EQ(table["Bits"], "2");
}

// The install's definitions bind every input of the page with a usable range.
TEST(ModulationRules, InstallDefinitionsBindEveryInput) {
  testsupport::ProgramState state;
  state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
  const CParamDefinitions definitions(CParamDefinitions::PathFor(kRemoteGeneral));
  std::set<wxString> names;
  for (int n = 0; n < kDefinitionCount; ++n) {
    stParamDefinition definition;
    ASSERT_TRUE(definitions.Read(n, definition)) << "P" << n;
    EXPECT_TRUE(n == 14 || names.insert(definition.name.Upper()).second) << "P" << n << " repeats a name";
    EXPECT_NE(definition.name.Upper(), "SENDDATA");
    EXPECT_NE(definition.name.Upper(), "FORMATTYPE");
    const int id = kDefinitionIds[n];
    const bool input = std::find(kInputIds.begin(), kInputIds.end(), id) != kInputIds.end();
    if (!input) continue;
    const stInputBinding binding = BindingFor(definition);
    EXPECT_TRUE(binding.setMask) << "P" << n;
    EXPECT_TRUE(binding.setRange || binding.binaryTip) << "P" << n;
    if (id == kBootContentEditId) {
      EXPECT_EQ(definition.templ.length(), static_cast<size_t>(kMaxBootDataBits)) << "what the load keeps";
    }
  }
  stParamDefinition duty;
  ASSERT_TRUE(definitions.Read(1, duty));
  EXPECT_GE(duty.items.size(), 2u);
  stParamDefinition half0, half1;
  ASSERT_TRUE(definitions.Read(13, half0));
  ASSERT_TRUE(definitions.Read(14, half1));
  EXPECT_EQ(half0.name, half1.name);
  EXPECT_EQ(half0.mask & half1.mask, 0u) << "packed into one macro";
}

}  // namespace
