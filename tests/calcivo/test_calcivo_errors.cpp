// Malformed tokens and failing evaluations: _Calcivo returns 0 and GetErrMsg says why.
#include <string>
#include <vector>

#include "CalcivoFixture.h"

namespace calcivotest {
namespace {

struct stErrorCase {
  std::string token;
  std::string reason;  // part of the expected message
};

std::string Repeat(const std::string& piece, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += piece;
  return out;
}

using CalcivoErrors = CalcivoTest;

TEST_F(CalcivoErrors, ReasonsForMalformedAndFailingTokens) {
  Macros()["ALPHA"] = "alpha text";
  const std::vector<stErrorCase> cases = {
      // syntax
      {"$1+$", "operand missing at end of expression"},
      {"$$", "empty expression"},
      {"$ \t $", "empty expression"},
      {"", "empty expression"},
      {"$", "missing closing '$'"},
      {"$1+2", "missing closing '$'"},
      {"$a$b$", "unexpected character '$' at position 3"},
      {"$(1+2$", "missing ')' for the '(' at position 2"},
      {"$1+2)$", "unmatched ')' at position 5"},
      {"$()$", "operand expected before ')'"},
      {"$*3$", "operand expected before '*' at position 2"},
      {"$1 2$", "unexpected number at position 4"},
      {"$ALPHA BETA$", "unexpected name 'BETA'"},
      {"$1 < 2$", "unexpected character '<'"},
      {"$1,2$", "unexpected character ','"},
      {"$1+\x01$", "unexpected character \\x01"},
      {"$1+\xC4\xE3$", "unexpected character \\xC4"},
      // literals
      {"$0x$", "malformed number"},
      {"$12ab$", "malformed number"},
      {"$1.2.3$", "malformed number"},
      {"$1..2$", "malformed number"},
      {"$1e$", "malformed number"},
      {"$0b102$", "malformed number"},
      {"$0x1F.5$", "malformed number"},
      {"$99999999999999999999$", "number too large"},
      {"$0x10000000000000000$", "number too large"},
      {"$1e999$", "number out of range"},
      {"$\"abc$", "unterminated text at position 2"},
      // functions
      {"$GetRegName(ALPHA)$", "GetRegName expects one quoted name, found name 'ALPHA'"},
      {"$GetRegName()$", "GetRegName expects one quoted name"},
      {"$GetRegName(\"A\"$", "GetRegName expects ')' after its name"},
      {"$GetRegName(\"A\" \"B\")$", "GetRegName expects ')' after its name"},
      {"$Foo(\"A\")$", "unknown function 'Foo'"},
      {"$getregname(\"A\")$", "unknown function 'getregname'"},
      // operand kinds
      {"$\"a\"+1$", "a text cannot be an operand of '+'"},
      {"$-\"a\"$", "a text cannot be an operand of '-'"},
      {"$GetRegName(\"ALPHA\")*2$", "a text cannot be an operand of '*'"},
      {"$1.5%2$", "operator '%' needs integer operands"},
      {"$1.5&1$", "operator '&' needs integer operands"},
      {"$~1.5$", "operator '~' needs integer operands"},
      {"$1<<1.0$", "operator '<<' needs integer operands"},
      // arithmetic faults
      {"$1/0$", "division by zero"},
      {"$1%0$", "division by zero"},
      {"$1.0/0$", "division by zero"},
      {"$1/0.0$", "division by zero"},
      {"$1/(ALPHA-ALPHA)$", "division by zero"},
      {"$9223372036854775807+1$", "integer overflow in '+'"},
      {"$-9223372036854775807-2$", "integer overflow in '-'"},
      {"$4611686018427387904*2$", "integer overflow in '*'"},
      {"$-4611686018427387905*2$", "integer overflow in '*'"},
      {"$(-9223372036854775807-1)/-1$", "integer overflow in '/'"},
      {"$-(-9223372036854775807-1)$", "integer overflow in '-'"},
      {"$1<<63$", "integer overflow in '<<'"},
      {"$-3<<62$", "integer overflow in '<<'"},
      {"$1<<64$", "shift count out of range"},
      {"$1>>-1$", "shift count out of range"},
      {"$1e308*10$", "real result of '*' out of range"},
      {"$4294967296$", "integer result 4294967296 does not fit in 32 bits"},
      {"$-2147483649$", "does not fit in 32 bits"},
      // nesting
      {"$" + Repeat("(", 200) + "1" + Repeat(")", 200) + "$", "nested too deeply"},
      {"$" + Repeat("-", 300) + "1$", "nested too deeply"},
      {"$" + Repeat("~-", 150) + "1$", "nested too deeply"},
      {"$" + Repeat("(", 100000) + "$", "nested too deeply"},
  };
  for (const stErrorCase& c : cases) {
    SCOPED_TRACE(c.token.substr(0, 80));
    const stOutcome outcome = Evaluate(c.token);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.find(c.reason), std::string::npos) << "message: " << outcome.error;
  }
}

TEST_F(CalcivoErrors, BoundaryValuesJustInsideTheLimits) {
  EXPECT_EQ(Evaluate("$" + Repeat("(", 100) + "7" + Repeat(")", 100) + "$").integer, 7);
  EXPECT_EQ(Evaluate("$-9223372036854775807-1+9223372036854775807$").integer, -1);
  EXPECT_EQ(Evaluate("$(-9223372036854775807-1)%-1$").integer, 0);
  EXPECT_EQ(Evaluate("$(1<<62)>>62$").integer, 1);
  EXPECT_EQ(Evaluate("$(-1<<63)>>63$").integer, -1);
}

TEST_F(CalcivoErrors, NullExpressionIsAnError) {
  EXPECT_EQ(Exports().parse(nullptr), 0);
  EXPECT_STREQ(Exports().getErrMsg(), "no expression");
}

}  // namespace
}  // namespace calcivotest
