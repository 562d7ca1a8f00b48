// Masks, value checks, ranges and the text a key would leave.
#include "ui/MaskLogic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <ostream>

namespace {

struct FitCase {
  const char* format;
  const char* templ;
  const char* text;
  bool fits;
};

void PrintTo(const FitCase& c, std::ostream* os) {
  *os << c.format << " " << c.templ << " \"" << c.text << "\"";
}

class TextFitsMaskTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(TextFitsMaskTest, Fits) {
  const FitCase& c = GetParam();
  EXPECT_EQ(TextFitsMask(c.text, c.format, c.templ), c.fits) << c.templ << " / " << c.text;
}

INSTANTIATE_TEST_SUITE_P(Masks, TextFitsMaskTest,
                         ::testing::Values(
                             // Two digits, a point, two digits.
                             FitCase{"DDCDD", "__.__", "12.34", true}, FitCase{"DDCDD", "__.__", "1", true},
                             FitCase{"DDCDD", "__.__", "", true}, FitCase{"DDCDD", "__.__", "123", false},
                             FitCase{"DDCDD", "__.__", "a", false}, FitCase{"DDCDD", "__.__", "12a", true},
                             FitCase{"DDCDD", "__.__", "1.5", true},
                             FitCase{"DDCDD", "__.__", "12.345", false},
                             // Hexadecimal.
                             FitCase{"HHHH", "____", "fF09", true}, FitCase{"HHHH", "____", "FG", false},
                             FitCase{"HHHH", "____", "12345", false},
                             // Optional sign.
                             FitCase{"SDDD", "____", "-12", true}, FitCase{"SDDD", "____", "12", true},
                             FitCase{"SDDD", "____", "+123", true}, FitCase{"SDDD", "____", "123", true},
                             FitCase{"SDDD", "____", "1234", false}, FitCase{"SDDD", "____", "1-", false},
                             // Literals: typed as they stand or reached by skipping placeholders.
                             FitCase{"DD:DD", "__:__", "12:30", true},
                             FitCase{"DD:DD", "__:__", "1:30", true}, FitCase{"DD:DD", "__:__", ":3", true},
                             FitCase{"DD:DD", "__:__", "12-30", false},
                             // Binary and alphanumeric.
                             FitCase{"BBBB", "____", "1010", true}, FitCase{"BBBB", "____", "12", false},
                             FitCase{"AAA", "___", "a1Z", true}, FitCase{"AAA", "___", "a_", false},
                             // An empty template takes only the empty text.
                             FitCase{"", "", "", true}, FitCase{"", "", "1", false}));

TEST(MaskLogic, ValidMasks) {
  EXPECT_TRUE(IsValidMask("DDCDD", "__.__"));
  EXPECT_TRUE(IsValidMask("DD:DD", "__:__"));
  EXPECT_TRUE(IsValidMask("", ""));
  EXPECT_FALSE(IsValidMask("DDD", "__"));       // lengths differ
  EXPECT_FALSE(IsValidMask("DDXDD", "__.__"));  // "." must face C
  EXPECT_FALSE(IsValidMask("DQ", "__"));        // unknown letter
  EXPECT_FALSE(IsValidMask("DD-DD", "__:__"));  // literal must face itself
}

TEST(MaskLogic, ValueCheckKinds) {
  EXPECT_EQ(GetValueCheckKind("DDCDD", "__.__"), ValueCheckKind::kDecimal);
  EXPECT_EQ(GetValueCheckKind("HHHH", "____"), ValueCheckKind::kHexadecimal);
  EXPECT_EQ(GetValueCheckKind("SDDD", "____"), ValueCheckKind::kDecimal);
  EXPECT_EQ(GetValueCheckKind("DSDD", "____"), ValueCheckKind::kRefused);    // sign after the first place
  EXPECT_EQ(GetValueCheckKind("CDD", ".__"), ValueCheckKind::kRefused);      // point first
  EXPECT_EQ(GetValueCheckKind("DCDCD", "_._._"), ValueCheckKind::kRefused);  // two points
  EXPECT_EQ(GetValueCheckKind("HCH", "_._"), ValueCheckKind::kRefused);      // hex with a point
  EXPECT_EQ(GetValueCheckKind("DD:DD", "__:__"), ValueCheckKind::kRefused);  // literal
  EXPECT_EQ(GetValueCheckKind("AA", "__"), ValueCheckKind::kRefused);
  EXPECT_EQ(GetValueCheckKind("", ""), ValueCheckKind::kRefused);
}

TEST(MaskLogic, RangesAndValues) {
  EXPECT_TRUE(IsValidRange(0, 255));
  EXPECT_FALSE(IsValidRange(5, 5));
  EXPECT_FALSE(IsValidRange(5, 5 + DBL_EPSILON / 2));
  EXPECT_FALSE(IsValidRange(10, 1));

  EXPECT_TRUE(IsTextInRange("FF", true, 0, 255));
  EXPECT_FALSE(IsTextInRange("100", true, 0, 255));
  EXPECT_DOUBLE_EQ(ParseEditValue("-1A", true), -26.0);
  EXPECT_DOUBLE_EQ(ParseEditValue("+ff", true), 255.0);
  EXPECT_DOUBLE_EQ(ParseEditValue("12.5", false), 12.5);
  EXPECT_DOUBLE_EQ(ParseEditValue("-", false), 0.0);
  EXPECT_TRUE(IsTextInRange("", false, 10, 20));  // empty is always in range
  EXPECT_TRUE(IsTextInRange("20", false, 10, 20));
  EXPECT_FALSE(IsTextInRange("20.01", false, 10, 20));
  EXPECT_FALSE(IsTextInRange("-12", false, 0, 100));
}

TEST(MaskLogic, PredictedText) {
  EXPECT_EQ(PredictEditText("1234", 1, 3, 3, EditKey::kCharacter, 'x'), "1x4");
  EXPECT_EQ(PredictEditText("1234", 2, 2, 2, EditKey::kCharacter, 'x'), "12x34");
  EXPECT_EQ(PredictEditText("1234", 2, 2, 2, EditKey::kBackspace), "134");
  EXPECT_EQ(PredictEditText("1234", 0, 0, 0, EditKey::kBackspace), "1234");
  EXPECT_EQ(PredictEditText("1234", 1, 3, 3, EditKey::kBackspace), "14");
  EXPECT_EQ(PredictEditText("1234", 2, 2, 2, EditKey::kDelete), "124");
  EXPECT_EQ(PredictEditText("1234", 4, 4, 4, EditKey::kDelete), "1234");
  EXPECT_EQ(PredictEditText("1234", 0, 4, 4, EditKey::kDelete), "");
}

}  // namespace
