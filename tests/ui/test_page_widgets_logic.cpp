// Function button rules, wave geometry, difference runs and scroll steps.
#include "ui/IRRichEdit.h"
#include "ui/FuncBtnLogic.h"
#include "ui/ScrollWnd.h"
#include "ui/WaveGeometry.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(FuncBtnLogic, ParamIndexTexts) {
  const struct {
    const char* text;
    std::vector<int> indexes;
  } cases[] = {
      {"p1p2p3", {1, 2, 3}},
      {"p1m2", {1}},
      {"", {}},
      {"1p", {1}},
      {"m1p2", {1, 2}},
      {"p0x10p", {16}},
      {"p12", {12}},
      {"p1m2p3", {1, 2, 3}},
      {"m5", {}},
      {"pp", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseParamIndexes(c.text), c.indexes) << c.text;
}

// A project where functions 1 and 3 are in the send data, function 2 has
// reserve byte 2 and function 5 reserve byte 1.
stEnableQueries Project(bool timeShown = false) {
  stEnableQueries queries;
  queries.isTimeShowEnabled = [timeShown] { return timeShown; };
  queries.isInSendData = [](int n) { return n == 1 || n == 3; };
  queries.isReserveTwo = [](int n) { return n == 2; };
  queries.getReserve = [](int n) {
    static const std::map<int, int> reserve = {{2, 2}, {5, 1}};
    auto found = reserve.find(n);
    return found == reserve.end() ? -1 : found->second;
  };
  return queries;
}

TEST(FuncBtnLogic, EnableConditions) {
  const struct {
    const char* condition;
    bool accepted;
    bool enabled;
    std::vector<int> numbers;
  } cases[] = {
      {"0", true, false, {}},
      {"1", true, true, {}},
      {"GetButtonEnable(1)", true, true, {1}},
      {"GetButtonEnable(2)", true, false, {2}},
      {"GetButtonEnable(T2)", true, true, {2}},
      // Strictly left to right: ((P1 and T2) or P3), and (P4 and T2) or P1 ...
      {"GetButtonEnable(P1&T2|P3)", true, true, {1, 2, 3}},
      {"GetButtonEnable(P4&T2|P3)", true, true, {4, 2, 3}},
      {"GetButtonEnable(P1|P3&P4)", true, false, {1, 3, 4}},  // (1 or 3) and 4; precedence would give true
      {"GetButtonEnable(T2&1)", true, false, {2, 1}},         // a letter holds for the terms after it
      {"GetButtonEnable(1|2)&GetTimeFormat(0|1)", true, false, {1, 2}},  // reserve of 2 is 2
      {"GetButtonEnable(1|2)&GetTimeFormat(1|2)", true, true, {1, 2}},
      {"GetButtonEnable(1|5)&GetTimeFormat(1)", true, true, {1, 5}},
      {"GetButtonEnable(4)|GetTimeFormat(2)", true, false, {4}},  // reserve of 4 is -1
      {"GetButtonEnable(4)|GetTimeFormat(-1)", false, false, {}},
      {"GetButtonEnable(1)+GetTimeFormat(0)", true, true, {1}},  // unknown joint: second part ignored
      {"GetButtonEnable(1 | 2)", false, false, {}},
      {"GetButtonEnable(1|X)", false, false, {}},
      {"GetButtonEnable(1|)", false, false, {}},
      {"GetButtonEnable()", false, false, {}},
      {"GetButtonEnable(1", false, false, {}},
      {"GetButtonEnable 1", false, false, {}},
      {"GetButtonEnable(1)&GetTimeFormat 0", false, false, {}},
      {"", false, false, {}},
  };
  for (const auto& c : cases) {
    const stEnableOutcome outcome = EvaluateEnableCondition(c.condition, Project());
    EXPECT_EQ(outcome.accepted, c.accepted) << c.condition;
    if (!c.accepted) continue;
    EXPECT_EQ(outcome.enabled, c.enabled) << c.condition;
    EXPECT_EQ(outcome.numbers, c.numbers) << c.condition;
  }
  EXPECT_TRUE(EvaluateEnableCondition("GetTimeEnable", Project(true)).enabled);
  EXPECT_FALSE(EvaluateEnableCondition("GetTimeEnable", Project(false)).enabled);
  EXPECT_TRUE(EvaluateEnableCondition("1", Project()).constant);
  EXPECT_FALSE(EvaluateEnableCondition("GetTimeEnable", Project()).constant);
}

TEST(FuncBtnLogic, ValueFormatsNeverCrash) {
  EXPECT_EQ(FillValueFormat("%s,%s", {"3", "7"}), "3,7");
  EXPECT_EQ(FillValueFormat("(%s+%s)*%s", {"1"}), "(1+)*");  // missing values are empty
  EXPECT_EQ(FillValueFormat("%s", {"1", "2", "3"}), "1");    // extra values are ignored
  EXPECT_EQ(FillValueFormat("0x10", {"1"}), "0x10");
  EXPECT_EQ(FillValueFormat("%d%n", {"1"}), "%d%n");  // not text conversions: left as it stands
  EXPECT_EQ(FillValueFormat("%s", {wxString('x', 3000)}).length(), 1024u);
  EXPECT_EQ(MakeDefineLine("LCD_COM", "3"), "#define\tLCD_COM 3");
}

// ---------------------------------------------------------------------------

stWaveInput Wave(std::vector<std::int32_t> durations, std::vector<std::int32_t> levels, bool filled) {
  stWaveInput input;
  input.client = wxRect(0, 0, 210, 100);
  input.textHeight = 14;
  input.durations = std::move(durations);
  input.levels = std::move(levels);
  input.filled = filled;
  return input;
}

TEST(WaveGeometry, OutlineScalesSegmentsToTheWidth) {
  // Width 200 between the margins; 1:2:1 of 200 is 50, 100, 50.
  const stWaveGeometry g = LayOutWave(Wave({1, 2, 1}, {1, 0, 1}, false));
  EXPECT_EQ(g.highY, 8 + 12 + 14);
  EXPECT_EQ(g.lowY, 100 - 8 - 12 - 14);
  const int h = g.highY, l = g.lowY;
  const std::vector<std::pair<wxPoint, wxPoint>> expected = {
      {{5, l}, {5, h}},  // start level low, first segment high
      {{5, h}, {55, h}},    {{55, h}, {55, l}},   {{55, l}, {155, l}},
      {{155, l}, {155, h}}, {{155, h}, {205, h}}, {{205, h}, {205, l}},  // back to the end level
  };
  ASSERT_EQ(g.lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(g.lines[i].from, expected[i].first) << i;
    EXPECT_EQ(g.lines[i].to, expected[i].second) << i;
  }
  EXPECT_TRUE(g.blocks.empty());
}

TEST(WaveGeometry, EachAdvanceIsTruncated) {
  // 200 / 3 = 66.67: three segments advance 66 each, ending at 203, not 205.
  const stWaveInput input = Wave({1, 1, 1}, {1, 0, 1}, false);
  EXPECT_EQ(WaveSegmentX(input, 1), 71);
  EXPECT_EQ(WaveSegmentX(input, 3), 203);
  EXPECT_EQ(WaveSegmentX(input, 9), 203);
}

TEST(WaveGeometry, FilledModePaintsBlocksAndOnlyTheLowLine) {
  const stWaveGeometry g = LayOutWave(Wave({1, 1}, {1, 0}, true));
  ASSERT_EQ(g.blocks.size(), 1u);
  EXPECT_EQ(g.blocks[0].rect, wxRect(wxPoint(5, g.highY), wxPoint(104, g.lowY - 1)));
  ASSERT_EQ(g.lines.size(), 1u);
  EXPECT_EQ(g.lines[0].from, wxPoint(105, g.lowY));
  EXPECT_EQ(g.lines[0].to, wxPoint(205, g.lowY));

  stWaveInput lowFilled = Wave({1, 1}, {1, 0}, true);
  lowFilled.highFilled = false;
  const stWaveGeometry low = LayOutWave(lowFilled);
  ASSERT_EQ(low.blocks.size(), 1u);
  EXPECT_FALSE(low.blocks[0].high);
  EXPECT_EQ(low.blocks[0].rect.x, 105);
}

TEST(WaveGeometry, CaptionAndSpans) {
  stWaveInput empty = Wave({}, {}, false);
  empty.hasCaption = true;
  empty.spans = {{"lead", 0, 1}};
  const stWaveGeometry none = LayOutWave(empty);
  EXPECT_TRUE(none.lines.empty());
  EXPECT_TRUE(none.spans.empty());  // no duration, no spans
  ASSERT_TRUE(none.hasCaption);
  EXPECT_EQ(none.caption.left, 5);
  EXPECT_EQ(none.caption.right, 205);
  EXPECT_EQ(none.caption.y, none.highY - 12);

  stWaveInput input = Wave({1, 1, 2}, {1, 0, 0}, true);
  input.spans = {{"space", 1, 2}, {"all", 0, 3}, {"past", 2, 5}};
  const stWaveGeometry g = LayOutWave(input);
  ASSERT_EQ(g.spans.size(), 3u);
  EXPECT_EQ(g.spans[0].y, (g.highY + g.lowY) / 2);  // every segment low: midway
  EXPECT_EQ(g.spans[0].left, 55);
  EXPECT_EQ(g.spans[0].right, 205);
  EXPECT_EQ(g.spans[0].textX, 130);
  EXPECT_EQ(g.spans[1].y, g.highY - 12);
  EXPECT_EQ(g.spans[2].y, g.highY - 12);  // reaching past the last segment: the high line
  EXPECT_EQ(g.spans[2].right, 205);
}

TEST(WaveGeometry, SpanTextOnTheCaptionLineKeepsOffTheCaption) {
  // Caption text 60 wide centred at 105: x 75..135. The high span's line is the caption's.
  struct Case {
    std::vector<std::int32_t> levels;
    int first;
    int textWidth;
    int captionWidth;
    int textX;
  } cases[] = {
      {{1, 0}, 0, 40, 60, 47},   // moves left to end 8 short of the caption
      {{1, 0}, 0, 90, 60, 50},   // as far as its own line allows
      {{1, 0}, 0, 20, 60, 55},   // clear already: stays centred
      {{0, 1}, 1, 40, 60, 163},  // right of the caption: moves right
      {{1, 0}, 0, 40, 0, 55},    // caption width unknown: centred
  };
  for (const Case& c : cases) {
    stWaveInput input = Wave({1, 1}, c.levels, true);
    input.hasCaption = true;
    input.captionWidth = c.captionWidth;
    input.spans = {{"mark", c.first, 1, c.textWidth}};
    const stWaveGeometry g = LayOutWave(input);
    ASSERT_EQ(g.spans.size(), 1u);
    EXPECT_EQ(g.spans[0].textX, c.textX) << c.textWidth << " " << c.first;
  }
}

TEST(WaveGeometry, LowSpanTextStaysUnderTheCaptionLineOnAShortWave) {
  for (const int height : {100, 80}) {
    SCOPED_TRACE(height);
    stWaveInput input = Wave({1, 1}, {1, 0}, true);
    input.client.height = height;
    input.hasCaption = true;
    input.spans = {{"space", 1, 1, 40}};
    const stWaveGeometry g = LayOutWave(input);
    ASSERT_EQ(g.spans.size(), 1u);
    const stWaveDimension& span = g.spans[0];
    EXPECT_GT(span.y - span.textRaise - input.textHeight, g.caption.y);
    EXPECT_GE(span.textRaise, 1);
    EXPECT_LE(span.textRaise, kWaveTextRaise);
    if (height == 100) EXPECT_EQ(span.textRaise, kWaveTextRaise);  // room enough: unchanged
  }
}

// ---------------------------------------------------------------------------

TEST(DifferenceRuns, MarksDifferingAndExtraCharacters) {
  using Runs = std::vector<std::pair<long, long>>;
  EXPECT_EQ(FindDifferenceRuns("A1B2", "A1B2"), Runs{});
  EXPECT_EQ(FindDifferenceRuns("A1", "A1B2"), Runs{});  // missing characters are not marked
  EXPECT_EQ(FindDifferenceRuns("A1B2C3", "A1B2"), (Runs{{4, 6}}));
  EXPECT_EQ(FindDifferenceRuns("AXYB", "A12B"), (Runs{{1, 3}}));
  EXPECT_EQ(FindDifferenceRuns("X1Y2Z", "A1B2"), (Runs{{0, 1}, {2, 3}, {4, 5}}));
  EXPECT_EQ(FindDifferenceRuns("A1BX99", "A1B2"), (Runs{{3, 6}}));  // a difference joins the tail
  EXPECT_EQ(FindDifferenceRuns("", "A1"), Runs{});
  EXPECT_EQ(FindDifferenceRuns("ab", ""), (Runs{{0, 2}}));
}

TEST(ScrollSteps, PositionsStayWithinTheLimit) {
  const struct {
    wxEventType type;
    int position;
    int thumb;
    int expected;
  } cases[] = {
      {wxEVT_SCROLL_LINEDOWN, 0, 0, 1},     {wxEVT_SCROLL_PAGEDOWN, 5, 0, 6},
      {wxEVT_SCROLL_LINEDOWN, 50, 0, 50},   {wxEVT_SCROLL_LINEUP, 5, 0, 4},
      {wxEVT_SCROLL_PAGEUP, 0, 0, 0},       {wxEVT_SCROLL_THUMBTRACK, 3, 42, 42},
      {wxEVT_SCROLL_THUMBTRACK, 3, 99, 50}, {wxEVT_SCROLL_TOP, 30, 0, 0},
      {wxEVT_SCROLL_BOTTOM, 3, 0, 50},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NextScrollPosition(c.type, c.position, c.thumb, 50), c.expected)
        << c.type << " from " << c.position;
  }
}

}  // namespace
