// Random input never crashes the library, and the parser's precedence agrees with the
// fully parenthesised form of random expression trees.
#include <random>
#include <string>
#include <vector>

#include "CalcivoFixture.h"

namespace calcivotest {
namespace {

using Random = std::mt19937;

int Pick(Random& random, int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

template <class T>
const T& PickFrom(Random& random, const std::vector<T>& items) {
  return items[static_cast<std::size_t>(Pick(random, static_cast<int>(items.size())))];
}

// Either a valid result of a known kind or a failure with a reason.
void ExpectWellBehaved(const std::string& token) {
  const stExports& e = Exports();
  const int ok = e.parse(token.c_str());
  ExprResult result{};
  e.getResult(&result);
  const char* error = e.getErrMsg();
  ASSERT_NE(error, nullptr);
  if (ok) {
    EXPECT_EQ(result.valid, 1) << token;
    EXPECT_TRUE(result.kind >= kExprInteger && result.kind <= kExprText) << token;
    if (result.kind == kExprText) {
      EXPECT_NE(result.value.text, nullptr) << token;
    }
  } else {
    EXPECT_EQ(result.valid, 0) << token;
    EXPECT_STRNE(error, "") << token;
  }
  e.clearMemory();
}

std::string RandomBytes(Random& random) {
  std::string text(static_cast<std::size_t>(Pick(random, 64)), ' ');
  for (char& c : text) c = static_cast<char>(1 + Pick(random, 255));
  if (Pick(random, 2)) text = "$" + text + "$";
  return text;
}

const std::vector<std::string> kAtoms = {"0",
                                         "1",
                                         "7",
                                         "255",
                                         "2147483647",
                                         "9223372036854775807",
                                         "0x7FFFFFFF",
                                         "0FFh",
                                         "0b1011",
                                         "2.5",
                                         ".5",
                                         "1e3",
                                         "1e308",
                                         "ALPHA",
                                         "BETA",
                                         "EMPTY",
                                         "KEY_~DESCRIPTION",
                                         "\"text\"",
                                         "GetRegName(\"ALPHA\")",
                                         "GetRegName(\"NOWHERE\")"};
const std::vector<std::string> kBinary = {"+", "-", "*", "/", "%", "&", "|", "^", "<<", ">>"};
const std::vector<std::string> kUnary = {"-", "+", "~"};

std::string RandomExpression(Random& random, int depth) {
  if (depth == 0 || Pick(random, 4) == 0) return PickFrom(random, kAtoms);
  switch (Pick(random, 3)) {
    case 0: return PickFrom(random, kUnary) + RandomExpression(random, depth - 1);
    case 1: return "(" + RandomExpression(random, depth - 1) + ")";
    default:
      return RandomExpression(random, depth - 1) + PickFrom(random, kBinary) +
             RandomExpression(random, depth - 1);
  }
}

std::string Mutate(Random& random, std::string text) {
  static const std::string kNoise = "()+-*/%&|^~<>$\".,0123456789aeHxZ_ \t";
  const int mutations = Pick(random, 4);
  for (int i = 0; i < mutations && !text.empty(); ++i) {
    const auto at = static_cast<std::size_t>(Pick(random, static_cast<int>(text.size())));
    switch (Pick(random, 3)) {
      case 0: text.erase(at, 1); break;
      case 1:
        text.insert(at, 1, kNoise[static_cast<std::size_t>(Pick(random, static_cast<int>(kNoise.size())))]);
        break;
      default: text.insert(at, text.substr(at, static_cast<std::size_t>(Pick(random, 8)))); break;
    }
  }
  return text;
}

using CalcivoRobustness = CalcivoTest;

TEST_F(CalcivoRobustness, RandomBytesAndNearValidTokensNeverCrash) {
  Macros()["ALPHA"] = "alpha";
  Macros()["BETA"] = "0x10";
  Macros()["KEY_~DESCRIPTION"] = "0:OFF,1:ON";
  Random random(20240611u);
  for (int i = 0; i < 20000; ++i) ExpectWellBehaved(RandomBytes(random));
  for (int i = 0; i < 20000; ++i) ExpectWellBehaved("$" + Mutate(random, RandomExpression(random, 6)) + "$");

  // Once more without callbacks: names must fail, not crash.
  Exports().setGetRegNameFun(nullptr);
  Exports().setGetParamValIntFun(nullptr);
  for (int i = 0; i < 5000; ++i) ExpectWellBehaved("$" + Mutate(random, RandomExpression(random, 6)) + "$");
}

// A random tree of integer operators, printed twice.
struct stTree {
  std::string op;  // empty for a leaf; one of kUnary or kBinary
  std::string leaf;
  std::vector<stTree> children;
};

int Precedence(const std::string& op) {
  if (op == "|") return 1;
  if (op == "^") return 2;
  if (op == "&") return 3;
  if (op == "<<" || op == ">>") return 4;
  if (op == "+" || op == "-") return 5;
  return 6;
}

stTree RandomTree(Random& random, int depth) {
  static const std::vector<std::string> kLeaves = {"0", "1", "2", "3", "5", "8", "13", "40", "BETA"};
  stTree tree;
  if (depth == 0 || Pick(random, 5) == 0) {
    tree.leaf = PickFrom(random, kLeaves);
  } else if (Pick(random, 6) == 0) {
    tree.op = PickFrom(random, std::vector<std::string>{"-", "~"});
    tree.children.push_back(RandomTree(random, depth - 1));
  } else {
    tree.op = PickFrom(random, kBinary);
    tree.children.push_back(RandomTree(random, depth - 1));
    tree.children.push_back(RandomTree(random, depth - 1));
  }
  return tree;
}

std::string FullyParenthesised(const stTree& tree) {
  if (tree.op.empty()) return tree.leaf;
  if (tree.children.size() == 1) return "(" + tree.op + FullyParenthesised(tree.children[0]) + ")";
  return "(" + FullyParenthesised(tree.children[0]) + tree.op + FullyParenthesised(tree.children[1]) + ")";
}

// Only the parentheses that precedence and left associativity need.
std::string Minimal(const stTree& tree) {
  if (tree.op.empty()) return tree.leaf;
  if (tree.children.size() == 1) {
    const stTree& operand = tree.children[0];
    const bool binary = operand.children.size() == 2;
    return " " + tree.op + (binary ? "(" + Minimal(operand) + ")" : Minimal(operand));
  }
  const int own = Precedence(tree.op);
  auto side = [&](const stTree& child, bool right) {
    const bool binary = child.children.size() == 2;
    const int inner = binary ? Precedence(child.op) : 99;
    const bool wrap = inner < own || (right && inner == own);
    return wrap ? "(" + Minimal(child) + ")" : Minimal(child);
  };
  return side(tree.children[0], false) + " " + tree.op + " " + side(tree.children[1], true);
}

TEST_F(CalcivoRobustness, PrecedenceMatchesFullyParenthesisedForm) {
  Macros()["BETA"] = "0x10";
  Random random(7u);
  int compared = 0;
  for (int i = 0; i < 5000; ++i) {
    const stTree tree = RandomTree(random, 5);
    const std::string minimal = "$" + Minimal(tree) + "$";
    const std::string full = "$" + FullyParenthesised(tree) + "$";
    const stOutcome a = Evaluate(minimal);
    const stOutcome b = Evaluate(full);
    ASSERT_EQ(a.ok, b.ok) << minimal << " | " << full << " | " << a.error << " | " << b.error;
    if (a.ok) {
      ASSERT_EQ(a.integer, b.integer) << minimal << " | " << full;
      ++compared;
    }
  }
  EXPECT_GT(compared, 1000);  // most trees evaluate, so the comparison has substance
}

}  // namespace
}  // namespace calcivotest
