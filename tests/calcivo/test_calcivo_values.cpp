// Results of well-formed tokens and the two callbacks, through the run-time bound exports.
#include <climits>
#include <string>
#include <vector>

#include "CalcivoFixture.h"

namespace calcivotest {
namespace {

struct stCase {
  std::string token;
  int kind;
  int integer;
  double real;
  std::string text;
};

stCase Int(const std::string& token, int value) { return {token, kExprInteger, value, 0.0, ""}; }
stCase Real(const std::string& token, double value) { return {token, kExprReal, 0, value, ""}; }
stCase Text(const std::string& token, const std::string& value) { return {token, kExprText, 0, 0.0, value}; }

void ExpectResults(const std::vector<stCase>& cases) {
  for (const stCase& c : cases) {
    SCOPED_TRACE(c.token);
    const stOutcome outcome = Evaluate(c.token);
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(outcome.kind, c.kind);
    if (c.kind == kExprInteger) {
      EXPECT_EQ(outcome.integer, c.integer);
    } else if (c.kind == kExprReal) {
      EXPECT_DOUBLE_EQ(outcome.real, c.real);
    } else {
      EXPECT_EQ(outcome.text, c.text);
    }
  }
}

TEST(CalcivoLibrary, LoadsFromDistWithAllSixExports) { EXPECT_TRUE(ExportsBound()); }

TEST(CalcivoLibrary, ResultRecordLayout) {
  EXPECT_EQ(sizeof(ExprResult), 16u);
  EXPECT_EQ(offsetof(ExprResult, kind), 0u);
  EXPECT_EQ(offsetof(ExprResult, valid), 4u);
  EXPECT_EQ(offsetof(ExprResult, value), 8u);
}

using CalcivoValues = CalcivoTest;

TEST_F(CalcivoValues, ArithmeticNamesAndTexts) {
  Macros()["ALPHA"] = "alpha text";
  Macros()["BETA"] = "0x10";
  ExpectResults({
      Int("$1+2*3$", 7), Int("$(2+3)*4$", 20), Real("$7/2.0$", 3.5), Text("$ALPHA$", "alpha text"),
      Int("$BETA+1$", 17), Text("$GetRegName(\"ALPHA\")$", "alpha text"),
      // precedence and associativity
      Int("$1+2-3+4$", 4), Int("$2-3-4$", -5), Int("$100/10/5$", 2), Int("$1|6&3$", 3), Int("$1^3&1$", 0),
      Int("$1<<2+1$", 8), Int("$32>>1+1$", 8), Int("$2*-3$", -6), Int("$--5$", 5), Int("$+5$", 5),
      Int("$~0$", -1), Int("$~5&0xFF$", 250), Int("$-16>>2$", -4),
      // integer division truncates toward zero
      Int("$7/2$", 3), Int("$-7/2$", -3), Int("$-7%3$", -1),
      // literals
      Int("$0x1F$", 31), Int("$0A5H$", 165), Int("$34h$", 52), Int("$0b101$", 5), Int("$0B00000101$", 5),
      Int("$2147483647$", INT_MAX), Int("$-2147483648$", INT_MIN),
      Int("$0xFFFFFFFF$", -1),  // unsigned 32-bit values travel as their bit pattern
      Int("$0x100000000-1$", -1), Real("$1.5e2$", 150.0), Real("$.5*4$", 2.0), Real("$2.$", 2.0),
      Real("$1+0.5$", 1.5), Real("$-0.25$", -0.25), Real("$1e-3*1000$", 1.0), Real("$1E+2$", 100.0),
      // blanks, parentheses, quoted texts
      Int("$ 1 +\t2 $", 3), Text("$(ALPHA)$", "alpha text"), Text("$ ( ( ALPHA ) ) $", "alpha text"),
      Int("$-BETA$", -16), Int("$BETA*BETA$", 256), Int("$(BETA)+1$", 17),
      Text("$\"literal text\"$", "literal text"), Text("$GetRegName ( \"ALPHA\" )$", "alpha text"),
      Int("1+2", 3),  // an expression without its dollar signs is taken too
  });
}

// Every token form the generators and templates write, over a macro table such as
// the generators fill.
TEST_F(CalcivoValues, TokenFormsOfTheGenerators) {
  Macros()["KEY_MAPPING"] = "#define KEY_1 0x01\r\n#define KEY_2 0x02\r\n";
  Macros()["OpenFunc"] = ";/////IOReg data is not defined///////";
  Macros()["UDFunc_Config0"] = "DB 1,2,3\r\n";
  Macros()["POWER_~DESCRIPTION"] = "0:OFF,1:ON";
  Macros()["POWER"] = "1";
  Macros()["Address"] = "0a5H";
  Macros()["SPEED_MODE"] = "0b00000101";
  Macros()["DATA1_Complement"] = "0";
  Macros()["Name"] = "*3*";
  Macros()["LCDType_Attribute1"] = "2";
  ExpectResults({
      Text("$KEY_MAPPING$", "#define KEY_1 0x01\r\n#define KEY_2 0x02\r\n"),
      Text("$OpenFunc$", ";/////IOReg data is not defined///////"),
      Text("$GetRegName(\"UDFunc_Config0\")$", "DB 1,2,3\r\n"),
      Text("$GetRegName(\"POWER_~DESCRIPTION\")$", "0:OFF,1:ON"),
      Text("$POWER_~DESCRIPTION$", "0:OFF,1:ON"),
      Text("$\"POWER_~DESCRIPTION\"$", "POWER_~DESCRIPTION"),
      Text("$Address$", "0a5H"),
      Int("$Address+1$", 166),
      Text("$SPEED_MODE$", "0b00000101"),
      Text("$DATA1_Complement$", "0"),
      Text("$Name$", "*3*"),
      Text("$LCDType_Attribute1$", "2"),
      Int("$LCDType_Attribute1*2$", 4),
      // the air-conditioner template's own tokens, when one reaches the writer
      Text("$Index$", "0"),
      Text("$GroupIndex$", "0"),
      Text("$ArrayIndex$", "0"),
      Text("$Gear$", "0"),
      Text("$Mode$", "0"),
      Text("$ZeroShow$", "0"),
      Text("$CloseShow$", "0"),
  });
}

TEST_F(CalcivoValues, AbsentNameReadsAsZeroAndIsAddedToTheTable) {
  ExpectResults({Text("$MISSING$", "0"), Int("$OTHER+1$", 1)});
  EXPECT_EQ(Macros().count("MISSING"), 1u);
  EXPECT_EQ(Macros().count("OTHER"), 1u);
}

TEST_F(CalcivoValues, TextCallbackForWholeNamesIntegerCallbackInArithmetic) {
  Macros()["ALPHA"] = "a";
  Macros()["BETA"] = "2";
  Macros()["GAMMA"] = "3";
  ASSERT_TRUE(Evaluate("$ALPHA$").ok);
  EXPECT_EQ(TextLookups(), std::vector<std::string>{"ALPHA"});
  EXPECT_TRUE(IntegerLookups().empty());

  TextLookups().clear();
  EXPECT_EQ(Evaluate("$BETA+GAMMA*2$").integer, 8);
  EXPECT_EQ(IntegerLookups(), (std::vector<std::string>{"BETA", "GAMMA"}));
  EXPECT_TRUE(TextLookups().empty());

  IntegerLookups().clear();
  EXPECT_EQ(Evaluate("$GetRegName(\"any name, with blanks\")$").text, "0");
  EXPECT_EQ(TextLookups(), std::vector<std::string>{"any name, with blanks"});
  EXPECT_TRUE(IntegerLookups().empty());
}

TEST_F(CalcivoValues, ResultTextIsLibraryOwnedUntilClearMemory) {
  Macros()["ALPHA"] = "alpha text";
  const stExports& e = Exports();
  ASSERT_NE(e.parse("$ALPHA$"), 0);
  ExprResult result{};
  e.getResult(&result);
  ASSERT_EQ(result.kind, kExprText);
  int status = 0;
  MacroText("OTHER", &status);  // overwrites the callback's one buffer
  EXPECT_STREQ(result.value.text, "alpha text");
  ExprResult again{};
  e.getResult(&again);
  EXPECT_EQ(again.value.text, result.value.text);

  e.clearMemory();
  ExprResult cleared{};
  cleared.valid = 1;
  e.getResult(&cleared);
  EXPECT_EQ(cleared.valid, 0);
  EXPECT_STREQ(e.getErrMsg(), "");
}

TEST_F(CalcivoValues, LongTextsPassWhole) {
  const std::string longText(200000, 'x');
  Macros()["LONG"] = longText;
  EXPECT_EQ(Evaluate("$LONG$").text, longText);
  const std::string longName(100000, 'N');
  Macros()[longName] = "found";
  EXPECT_EQ(Evaluate("$" + longName + "$").text, "found");
  EXPECT_EQ(Evaluate("$GetRegName(\"" + longName + "\")$").text, "found");
}

TEST_F(CalcivoValues, ResultAndErrorStateBetweenCalls) {
  const stExports& e = Exports();
  ASSERT_NE(e.parse("$41+1$"), 0);
  EXPECT_STREQ(e.getErrMsg(), "");
  ExprResult result{};
  e.getResult(&result);
  EXPECT_EQ(result.valid, 1);
  EXPECT_EQ(result.value.integer, 42);
  e.getResult(nullptr);  // ignored

  // A failure leaves no result of the earlier success behind.
  ASSERT_EQ(e.parse("$1+$"), 0);
  EXPECT_STRNE(e.getErrMsg(), "");
  ExprResult after{};
  after.valid = 1;
  e.getResult(&after);
  EXPECT_EQ(after.valid, 0);

  // And a success clears the earlier error.
  ASSERT_NE(e.parse("$2$"), 0);
  EXPECT_STREQ(e.getErrMsg(), "");
}

const char* CALCIVO_CALL NullText(const char*, int* out) {
  *out = 0;
  return nullptr;
}

const char* CALCIVO_CALL FailingText(const char*, int* out) {
  *out = 1;
  return "ignored";
}

TEST_F(CalcivoValues, MissingOrFailingCallbacksAreErrors) {
  const stExports& e = Exports();
  e.setGetRegNameFun(nullptr);
  e.setGetParamValIntFun(nullptr);
  EXPECT_EQ(Evaluate("$1+2$").integer, 3);
  stOutcome outcome = Evaluate("$ALPHA$");
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.error.find("no callback"), std::string::npos) << outcome.error;
  outcome = Evaluate("$BETA+1$");
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.error.find("no callback"), std::string::npos) << outcome.error;

  e.setGetRegNameFun(&NullText);
  outcome = Evaluate("$GetRegName(\"ALPHA\")$");
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.error.find("no text for 'ALPHA'"), std::string::npos) << outcome.error;

  e.setGetRegNameFun(&FailingText);
  outcome = Evaluate("$ALPHA$");
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.error.find("failed"), std::string::npos) << outcome.error;
}

}  // namespace
}  // namespace calcivotest
