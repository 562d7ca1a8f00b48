// Parses and evaluates one token.
#pragma once

#include <string>

#include "Value.h"
#include "calcivo.h"

namespace calcivo {

struct NameLookup {
  ExprGetRegNameFn text = nullptr;
  ExprGetParamValIntFn integer = nullptr;
};

// Deepest nesting of parentheses and unary operators taken.
constexpr int kMaxDepth = 128;

// Evaluates a whole token ("$...$"; an expression without the dollar signs is taken as
// well) to an integer, a real or a text. Throws ExprError.
Value Evaluate(const std::string& token, const NameLookup& lookup);

}  // namespace calcivo
