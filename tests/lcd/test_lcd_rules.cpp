// The LED panel's digit (order code, swaps, glyphs) and the MCU panel's
// segment-pin rules (which pins are segment pins, how taken names go back
// onto a package), without windows.
#include "core/ChipModel.h"
#include "lcd/LedSegments.h"
#include "lcd/SegmentPins.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Names = std::vector<wxString>;

TEST(LedSegments, TheStartArrangementAndItsOrderCode) {
  led::CLedSegmentGrid grid;
  EXPECT_EQ(grid.GetSegmentOrder(), "ABCDFGES");
  EXPECT_EQ(grid.Letter(7), " ");
  EXPECT_EQ(grid.BitOf("E"), 64);
  EXPECT_EQ(grid.BitOf("X"), 0);

  EXPECT_TRUE(grid.SetSegmentOrder("ABCDEFGS"));
  EXPECT_EQ(grid.GetSegmentOrder(), "ABCDEFGS");
  EXPECT_EQ(grid.BuildDigitGlyphs(),
            (std::array<unsigned char, 16>{0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F, 0x77,
                                           0x7C, 0x39, 0x5E, 0x79, 0x71}));
  EXPECT_TRUE(grid.SetSegmentOrder("ABCDFGES"));
  EXPECT_EQ(grid.Letter(7), " ");
  EXPECT_FALSE(grid.SetSegmentOrder("ABC"));  // too short: nothing changes
  EXPECT_EQ(grid.GetSegmentOrder(), "ABCDFGES");
}

TEST(LedSegments, SwapsTakeTwoClicksOnLetters) {
  led::CLedSegmentGrid grid;
  const int a = led::PositionOfButton(5038);
  const int f = led::PositionOfButton(5034);
  EXPECT_EQ(grid.Click(a), led::ClickResult::kPending);
  EXPECT_EQ(grid.Click(led::PositionOfButton(5031)), led::ClickResult::kIgnored);  // a COM button
  EXPECT_TRUE(grid.IsPending());
  EXPECT_EQ(grid.Click(f), led::ClickResult::kSwapped);
  EXPECT_FALSE(grid.IsPending());
  EXPECT_EQ(grid.GetSegmentOrder(), "FBCDAGES");
  EXPECT_EQ(grid.BuildDigitGlyphs()[1], 6);  // B + C

  EXPECT_EQ(grid.Click(f), led::ClickResult::kPending);
  EXPECT_EQ(grid.Click(f), led::ClickResult::kUnchanged);  // the same button twice
  EXPECT_EQ(grid.GetSegmentOrder(), "FBCDAGES");
}

// A letter put on the blank's position (bit 128) carries that bit in every glyph that uses it.
TEST(LedSegments, ALetterOnTheBlankPositionCarriesBit128) {
  led::CLedSegmentGrid grid;
  grid.Click(led::PositionOfButton(5037));                                         // the blank
  EXPECT_EQ(grid.Click(led::PositionOfButton(5036)), led::ClickResult::kSwapped);  // E
  EXPECT_EQ(grid.GetSegmentOrder(), "ABCDFGSE");
  const auto glyphs = grid.BuildDigitGlyphs();
  // 0 = A B C D E F: 1 + 2 + 4 + 8 + 128 + 16; 8 = all seven: 1 + 2 + 4 + 8 + 16 + 32 + 128.
  EXPECT_EQ(glyphs[0], 1 + 2 + 4 + 8 + 128 + 16);
  EXPECT_EQ(glyphs[8], (1 + 2 + 4 + 8 + 16 + 32 + 128) & 0xFF);
  EXPECT_EQ(glyphs[1], 6);  // no E
  EXPECT_EQ(led::ButtonOfPosition(7), 5037);
  EXPECT_EQ(led::ButtonOfPosition(8), -1);
}

TEST(SegmentPins, WhichPinsAreSegmentPins) {
  const struct {
    const char* key;
    bool segment;
  } cases[] = {
      {"PC4/SEG0", true}, {"PE7/SEG19", true}, {"SEG12", true},     {"SEG3/COM1", false}, {"PC0/COM0", false},
      {"PB3/REM", false}, {"PA0", false},      {"PD0/seg1", false}, {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(segpins::IsSegmentPin(c.key), c.segment) << c.key;
  EXPECT_EQ(segpins::TakenNameOf("PC4/SEG0"), "PC4");
  EXPECT_EQ(segpins::TakenNameOf(" SEG12 "), "SEG12");
}

TEST(SegmentPins, ATakenNameMatchesAWholePart) {
  EXPECT_TRUE(segpins::MatchesTakenName("PC4/SEG0", "PC4"));
  EXPECT_TRUE(segpins::MatchesTakenName("PC4/SEG0", "SEG0"));
  EXPECT_FALSE(segpins::MatchesTakenName("SEG12", "SEG1"));
  EXPECT_FALSE(segpins::MatchesTakenName("PA10/SEG3", "PA1"));
  EXPECT_FALSE(segpins::MatchesTakenName("PC4/SEG0", ""));
}

// A package of the given NameOutKeys (a null entry: no pin defined there).
std::unique_ptr<CPackage> Package(const std::vector<const char*>& keys) {
  auto package = std::make_unique<CPackage>();
  package->leftSidePins = static_cast<std::uint16_t>(keys.size() / 2);
  for (const char* key : keys) {
    if (!key) {
      package->pins.emplace_back();
      continue;
    }
    auto pin = std::make_unique<CPin>();
    pin->nameOnIC = wxString(key).BeforeFirst('/');
    pin->nameOutKey = key;
    package->pins.push_back(std::move(pin));
  }
  return package;
}

TEST(SegmentPins, TakenNamesGoBackOntoTheirOwnPinsOnly) {
  const auto package = Package({"PA0", "SEG12", "SEG1", "SEG3/COM1", "PC4/SEG0", nullptr});
  const segpins::PinKeys pins = segpins::PinKeysOf(*package);
  EXPECT_EQ(pins[5], "");  // no pin defined there
  const segpins::stPinPlacement placement = segpins::PlaceTakenSegments(pins, {"SEG1", "PC4", "PF7"});
  using segpins::PinState;
  EXPECT_EQ(placement.states, (std::vector<PinState>{PinState::kOther, PinState::kFree, PinState::kTaken,
                                                     PinState::kOther, PinState::kTaken, PinState::kOther}));
  EXPECT_EQ(placement.takenBy[2], "SEG1");  // not SEG12, which stays free
  EXPECT_EQ(placement.takenBy[4], "PC4");
  EXPECT_EQ(placement.unplaced, Names{"PF7"});

  // What the picture shows taken comes back by pin name; a grey pin never counts.
  const Names taken =
      segpins::CollectTakenSegments(pins, [](int pin) { return pin != 2 && pin != 4 && pin != 3; });
  EXPECT_EQ(taken, (Names{"SEG1", "PC4"}));
}

TEST(SegmentPins, MissingSegmentsAreReportedOnce) {
  const segpins::PinKeys pins = {"PC4/SEG0", "PC5/SEG1", "PD0/SEG2", "PD1/SEG3", "PC0/COM0"};
  EXPECT_EQ(segpins::FindMissingSegments(pins, {"PC4", "PF7", "PF7", "PD1"}), Names{"PF7"});
  EXPECT_TRUE(segpins::FindMissingSegments(pins, {"PD0", "PC5"}).empty());
  EXPECT_EQ(segpins::FindMissingSegments(pins, {"SEG1"}), Names{}) << "a whole part: PC5/SEG1";
  EXPECT_EQ(segpins::FindMissingSegments(pins, {"SEG"}), Names{"SEG"});
  EXPECT_EQ(segpins::FindMissingSegments(pins, {"PC0"}), Names{"PC0"}) << "a COM pin takes no segment";
  EXPECT_EQ(segpins::FindMissingSegments({}, {"PC4", "PC4"}), Names{"PC4"});
}

}  // namespace
