// Splits the text between the dollar signs into tokens.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace calcivo {

enum class TokenKind { kInteger, kReal, kText, kName, kOperator, kOpenParen, kCloseParen, kEnd };

struct Token {
  TokenKind kind = TokenKind::kEnd;
  std::string text;  // operator, name or the contents of a quoted text
  std::int64_t integer = 0;
  double real = 0.0;
  std::size_t offset = 0;  // in the whole token
};

class Lexer {
 public:
  // source is the expression; base is its offset in the whole token, for messages.
  Lexer(const std::string& source, std::size_t base);

  Token Next();

 private:
  void SkipBlanks();
  Token ReadNumber();
  Token ReadReal(std::size_t start);
  Token ReadName();
  Token ReadText();
  Token ReadOperator();
  char At(std::size_t index) const { return index < source_.size() ? source_[index] : '\0'; }
  Token Make(TokenKind kind, std::size_t start) const;

  const std::string& source_;
  std::size_t base_;
  std::size_t pos_ = 0;
};

}  // namespace calcivo
