// Values met during an evaluation and the operators over them.
#pragma once

#include <cstdint>
#include <string>

namespace calcivo {

// kName is a name not yet resolved: arithmetic takes its integer value, a name that is
// the whole expression gives its text.
enum class ValueKind { kInteger, kReal, kText, kName };

struct Value {
  ValueKind kind = ValueKind::kInteger;
  std::int64_t integer = 0;
  double real = 0.0;
  std::string text;  // the text, or the name

  static Value Integer(std::int64_t v);
  static Value Real(double v);
  static Value Text(std::string v);
  static Value Name(std::string v);
};

// Operands reach these already resolved (no kName). op is the operator's spelling.
Value ApplyUnary(const std::string& op, const Value& operand);
Value ApplyBinary(const std::string& op, const Value& left, const Value& right);

}  // namespace calcivo
