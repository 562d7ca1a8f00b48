#include "Evaluator.h"

#include <utility>
#include <vector>

#include "ExprError.h"
#include "Lexer.h"

namespace calcivo {

namespace {

// Binary operators, lowest precedence first.
const std::vector<std::vector<std::string>> kLevels = {{"|"},        {"^"},      {"&"},
                                                       {"<<", ">>"}, {"+", "-"}, {"*", "/", "%"}};

const char kGetRegName[] = "GetRegName";

// A name as it reads in a message, cut when long.
std::string Shown(const std::string& name) {
  constexpr std::size_t kLongest = 64;
  if (name.size() <= kLongest) return "'" + name + "'";
  return "'" + name.substr(0, kLongest) + "...'";
}

std::string Describe(const Token& token) {
  switch (token.kind) {
    case TokenKind::kEnd: return "end of expression";
    case TokenKind::kInteger:
    case TokenKind::kReal: return "number " + AtPosition(token.offset);
    case TokenKind::kText: return "text " + AtPosition(token.offset);
    case TokenKind::kName: return "name " + Shown(token.text) + " " + AtPosition(token.offset);
    case TokenKind::kOpenParen: return "'(' " + AtPosition(token.offset);
    case TokenKind::kCloseParen: return "')' " + AtPosition(token.offset);
    case TokenKind::kOperator: return "'" + token.text + "' " + AtPosition(token.offset);
  }
  return "token";
}

std::string LookUpText(const NameLookup& lookup, const std::string& name) {
  if (!lookup.text) throw ExprError("no callback is installed for the text of " + Shown(name));
  int status = 0;
  const char* text = lookup.text(name.c_str(), &status);
  if (status != 0) throw ExprError("the look-up of " + Shown(name) + " failed");
  if (!text) throw ExprError("no text for " + Shown(name));
  return text;
}

std::int64_t LookUpInteger(const NameLookup& lookup, const std::string& name) {
  if (!lookup.integer) throw ExprError("no callback is installed for the value of " + Shown(name));
  return lookup.integer(name.c_str());
}

class Parser {
 public:
  Parser(const std::string& source, std::size_t base, const NameLookup& lookup)
      : lexer_(source, base), lookup_(lookup) {
    Advance();
  }

  Value ParseWhole() {
    Value value = ParseLevel(0);
    if (current_.kind == TokenKind::kCloseParen) throw ExprError("unmatched " + Describe(current_));
    if (current_.kind != TokenKind::kEnd) throw ExprError("unexpected " + Describe(current_));
    if (value.kind == ValueKind::kName) return Value::Text(LookUpText(lookup_, value.text));
    return value;
  }

 private:
  class DepthGuard {
   public:
    explicit DepthGuard(int& depth) : depth_(depth) {
      if (depth_ >= kMaxDepth) throw ExprError("expression nested too deeply");
      ++depth_;
    }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

   private:
    int& depth_;
  };

  void Advance() { current_ = lexer_.Next(); }

  bool AtOperatorOf(std::size_t level) const {
    if (current_.kind != TokenKind::kOperator) return false;
    for (const std::string& op : kLevels[level])
      if (current_.text == op) return true;
    return false;
  }

  // Arithmetic takes a name's integer value.
  Value Resolve(Value value) const {
    if (value.kind != ValueKind::kName) return value;
    return Value::Integer(LookUpInteger(lookup_, value.text));
  }

  Value ParseLevel(std::size_t level) {
    if (level == kLevels.size()) return ParseUnary();
    Value left = ParseLevel(level + 1);
    while (AtOperatorOf(level)) {
      const std::string op = current_.text;
      Advance();
      left = Resolve(std::move(left));
      Value right = Resolve(ParseLevel(level + 1));
      left = ApplyBinary(op, left, right);
    }
    return left;
  }

  Value ParseUnary() {
    DepthGuard guard(depth_);
    if (current_.kind == TokenKind::kOperator &&
        (current_.text == "+" || current_.text == "-" || current_.text == "~")) {
      const std::string op = current_.text;
      Advance();
      return ApplyUnary(op, Resolve(ParseUnary()));
    }
    return ParsePrimary();
  }

  Value ParsePrimary() {
    const Token token = current_;
    switch (token.kind) {
      case TokenKind::kInteger: Advance(); return Value::Integer(token.integer);
      case TokenKind::kReal: Advance(); return Value::Real(token.real);
      case TokenKind::kText: Advance(); return Value::Text(token.text);
      case TokenKind::kName:
        Advance();
        if (current_.kind == TokenKind::kOpenParen) return ParseCall(token);
        return Value::Name(token.text);
      case TokenKind::kOpenParen: return ParseParenthesised();
      case TokenKind::kEnd: throw ExprError("operand missing at end of expression");
      default: throw ExprError("operand expected before " + Describe(token));
    }
  }

  Value ParseParenthesised() {
    const std::size_t open = current_.offset;
    Advance();
    Value value = ParseLevel(0);
    if (current_.kind != TokenKind::kCloseParen)
      throw ExprError("missing ')' for the '(' " + AtPosition(open) + ", found " + Describe(current_));
    Advance();
    return value;
  }

  // GetRegName("NAME"): the text of NAME.
  Value ParseCall(const Token& function) {
    if (function.text != kGetRegName) throw ExprError("unknown function " + Shown(function.text));
    Advance();
    const Token argument = current_;
    if (argument.kind != TokenKind::kText)
      throw ExprError("GetRegName expects one quoted name, found " + Describe(argument));
    Advance();
    if (current_.kind != TokenKind::kCloseParen)
      throw ExprError("GetRegName expects ')' after its name, found " + Describe(current_));
    Advance();
    return Value::Text(LookUpText(lookup_, argument.text));
  }

  Lexer lexer_;
  const NameLookup& lookup_;
  Token current_;
  int depth_ = 0;
};

bool IsBlankOnly(const std::string& text) {
  return text.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
}

}  // namespace

Value Evaluate(const std::string& token, const NameLookup& lookup) {
  std::string source = token;
  std::size_t base = 0;
  if (!token.empty() && token.front() == '$') {
    if (token.size() < 2 || token.back() != '$') throw ExprError("missing closing '$'");
    source = token.substr(1, token.size() - 2);
    base = 1;
  }
  if (IsBlankOnly(source)) throw ExprError("empty expression");
  return Parser(source, base, lookup).ParseWhole();
}

}  // namespace calcivo
