#include "Lexer.h"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

#include "ExprError.h"

namespace calcivo {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsWordChar(char c) { return IsLetter(c) || IsDigit(c); }
bool IsNameChar(char c) { return IsWordChar(c) || c == '~'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

int DigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool AllDigitsOf(const std::string& digits, int base) {
  if (digits.empty()) return false;
  for (char c : digits)
    if (DigitValue(c) >= base) return false;
  return true;
}

std::int64_t ValueOfDigits(const std::string& digits, int base, std::size_t offset) {
  constexpr std::uint64_t kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  std::uint64_t value = 0;
  for (char c : digits) {
    const auto digit = static_cast<std::uint64_t>(DigitValue(c));
    if (value > (kMax - digit) / static_cast<std::uint64_t>(base))
      throw ExprError("number too large " + AtPosition(offset));
    value = value * static_cast<std::uint64_t>(base) + digit;
  }
  return static_cast<std::int64_t>(value);
}

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  if (text.size() < 2) return false;
  return text[0] == prefix[0] && (text[1] == prefix[1] || text[1] == prefix[1] - 'a' + 'A');
}

}  // namespace

std::string AtPosition(std::size_t offset) { return "at position " + std::to_string(offset + 1); }

std::string Quoted(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20 && byte < 0x7F) return std::string("'") + c + "'";
  static const char hex[] = "0123456789ABCDEF";
  return std::string("\\x") + hex[byte >> 4] + hex[byte & 15];
}

Lexer::Lexer(const std::string& source, std::size_t base) : source_(source), base_(base) {}

Token Lexer::Make(TokenKind kind, std::size_t start) const {
  Token token;
  token.kind = kind;
  token.offset = base_ + start;
  return token;
}

void Lexer::SkipBlanks() {
  while (pos_ < source_.size() && IsBlank(source_[pos_])) ++pos_;
}

Token Lexer::Next() {
  SkipBlanks();
  if (pos_ >= source_.size()) return Make(TokenKind::kEnd, pos_);
  const char c = source_[pos_];
  if (IsDigit(c) || (c == '.' && IsDigit(At(pos_ + 1)))) return ReadNumber();
  if (IsLetter(c)) return ReadName();
  if (c == '"') return ReadText();
  return ReadOperator();
}

// Integers: decimal, 0x hexadecimal, 0b binary, or hexadecimal with a trailing H (0A5H).
Token Lexer::ReadNumber() {
  const std::size_t start = pos_;
  if (source_[start] == '.') return ReadReal(start);
  std::size_t end = start;
  while (IsWordChar(At(end))) ++end;
  const std::string word = source_.substr(start, end - start);
  const char last = word.back();
  std::string digits;
  int base = 0;
  if ((last == 'h' || last == 'H') && AllDigitsOf(word.substr(0, word.size() - 1), 16)) {
    digits = word.substr(0, word.size() - 1);
    base = 16;
  } else if (StartsWithNoCase(word, "0x")) {
    digits = word.substr(2);
    base = 16;
  } else if (StartsWithNoCase(word, "0b")) {
    digits = word.substr(2);
    base = 2;
  } else if (AllDigitsOf(word, 10)) {
    if (At(end) == '.') return ReadReal(start);
    digits = word;
    base = 10;
  } else {
    return ReadReal(start);  // 1e5, or a malformed number
  }
  if (!AllDigitsOf(digits, base) || At(end) == '.')
    throw ExprError("malformed number " + AtPosition(base_ + start));
  Token token = Make(TokenKind::kInteger, start);
  token.integer = ValueOfDigits(digits, base, base_ + start);
  pos_ = end;
  return token;
}

// digits [. digits] [e [+|-] digits], or . digits [...]
Token Lexer::ReadReal(std::size_t start) {
  std::size_t i = start;
  std::size_t mantissaDigits = 0;
  for (; IsDigit(At(i)); ++i) ++mantissaDigits;
  if (At(i) == '.')
    for (++i; IsDigit(At(i)); ++i) ++mantissaDigits;
  bool wellFormed = mantissaDigits > 0;
  if (At(i) == 'e' || At(i) == 'E') {
    ++i;
    if (At(i) == '+' || At(i) == '-') ++i;
    std::size_t exponentDigits = 0;
    for (; IsDigit(At(i)); ++i) ++exponentDigits;
    wellFormed = wellFormed && exponentDigits > 0;
  }
  if (!wellFormed || IsWordChar(At(i)) || At(i) == '.')
    throw ExprError("malformed number " + AtPosition(base_ + start));

  std::istringstream stream(source_.substr(start, i - start));
  stream.imbue(std::locale::classic());
  double value = 0.0;
  stream >> value;
  if (stream.fail() || !std::isfinite(value))
    throw ExprError("number out of range " + AtPosition(base_ + start));
  Token token = Make(TokenKind::kReal, start);
  token.real = value;
  pos_ = i;
  return token;
}

Token Lexer::ReadName() {
  const std::size_t start = pos_;
  while (IsNameChar(At(pos_))) ++pos_;
  Token token = Make(TokenKind::kName, start);
  token.text = source_.substr(start, pos_ - start);
  return token;
}

// A quoted text runs to the next double quote; there are no escapes.
Token Lexer::ReadText() {
  const std::size_t start = pos_;
  const std::size_t close = source_.find('"', start + 1);
  if (close == std::string::npos) throw ExprError("unterminated text " + AtPosition(base_ + start));
  Token token = Make(TokenKind::kText, start);
  token.text = source_.substr(start + 1, close - start - 1);
  pos_ = close + 1;
  return token;
}

Token Lexer::ReadOperator() {
  const std::size_t start = pos_;
  const char c = source_[start];
  if (c == '(' || c == ')') {
    ++pos_;
    return Make(c == '(' ? TokenKind::kOpenParen : TokenKind::kCloseParen, start);
  }
  Token token = Make(TokenKind::kOperator, start);
  if ((c == '<' || c == '>') && At(start + 1) == c) {
    token.text = std::string(2, c);
    pos_ += 2;
    return token;
  }
  static const std::string kSingle = "+-*/%&|^~";
  if (kSingle.find(c) == std::string::npos)
    throw ExprError("unexpected character " + Quoted(c) + " " + AtPosition(base_ + start));
  token.text = std::string(1, c);
  ++pos_;
  return token;
}

}  // namespace calcivo
