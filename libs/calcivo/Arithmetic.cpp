// Checked 64-bit integer and finite real arithmetic.
#include <cmath>
#include <limits>
#include <utility>

#include "ExprError.h"
#include "Value.h"

namespace calcivo {

Value Value::Integer(std::int64_t v) {
  Value value;
  value.kind = ValueKind::kInteger;
  value.integer = v;
  return value;
}

Value Value::Real(double v) {
  Value value;
  value.kind = ValueKind::kReal;
  value.real = v;
  return value;
}

Value Value::Text(std::string v) {
  Value value;
  value.kind = ValueKind::kText;
  value.text = std::move(v);
  return value;
}

Value Value::Name(std::string v) {
  Value value;
  value.kind = ValueKind::kName;
  value.text = std::move(v);
  return value;
}

namespace {

using Int = std::int64_t;
constexpr Int kMin = std::numeric_limits<Int>::min();
constexpr Int kMax = std::numeric_limits<Int>::max();

[[noreturn]] void Overflow(const std::string& op) { throw ExprError("integer overflow in '" + op + "'"); }

void RejectText(const std::string& op, const Value& operand) {
  if (operand.kind == ValueKind::kText) throw ExprError("a text cannot be an operand of '" + op + "'");
}

void RequireInteger(const std::string& op, const Value& operand) {
  RejectText(op, operand);
  if (operand.kind != ValueKind::kInteger) throw ExprError("operator '" + op + "' needs integer operands");
}

double AsReal(const Value& v) { return v.kind == ValueKind::kReal ? v.real : static_cast<double>(v.integer); }

Int Add(Int a, Int b) {
  if ((b > 0 && a > kMax - b) || (b < 0 && a < kMin - b)) Overflow("+");
  return a + b;
}

Int Subtract(Int a, Int b) {
  if ((b < 0 && a > kMax + b) || (b > 0 && a < kMin + b)) Overflow("-");
  return a - b;
}

Int Multiply(Int a, Int b) {
  if (a == 0 || b == 0) return 0;
  const bool fits = a > 0 ? (b > 0 ? a <= kMax / b : b >= kMin / a) : (b > 0 ? a >= kMin / b : b >= kMax / a);
  if (!fits) Overflow("*");
  return a * b;
}

Int Divide(Int a, Int b) {
  if (b == 0) throw ExprError("division by zero");
  if (a == kMin && b == -1) Overflow("/");
  return a / b;
}

Int Remainder(Int a, Int b) {
  if (b == 0) throw ExprError("division by zero in '%'");
  if (b == -1) return 0;  // kMin % -1 is undefined in C++
  return a % b;
}

Int ShiftCount(const std::string& op, Int count) {
  if (count < 0 || count > 63) throw ExprError("shift count out of range in '" + op + "'");
  return count;
}

Int ShiftLeft(Int a, Int count) {
  const Int n = ShiftCount("<<", count);
  if (a >= 0 ? a > (kMax >> n) : a < ~(kMax >> n)) Overflow("<<");  // ~(kMax >> n) == kMin >> n
  return static_cast<Int>(static_cast<std::uint64_t>(a) << n);
}

// Arithmetic shift, spelled without relying on the implementation's >> of negatives.
Int ShiftRight(Int a, Int count) {
  const Int n = ShiftCount(">>", count);
  return a >= 0 ? a >> n : ~(~a >> n);
}

Value IntegerBinary(const std::string& op, Int a, Int b) {
  switch (op[0]) {
    case '+': return Value::Integer(Add(a, b));
    case '-': return Value::Integer(Subtract(a, b));
    case '*': return Value::Integer(Multiply(a, b));
    case '/': return Value::Integer(Divide(a, b));
    case '%': return Value::Integer(Remainder(a, b));
    case '&': return Value::Integer(a & b);
    case '|': return Value::Integer(a | b);
    case '^': return Value::Integer(a ^ b);
    case '<': return Value::Integer(ShiftLeft(a, b));
    case '>': return Value::Integer(ShiftRight(a, b));
  }
  throw ExprError("unknown operator '" + op + "'");
}

Value Finite(const std::string& op, double v) {
  if (!std::isfinite(v)) throw ExprError("real result of '" + op + "' out of range");
  return Value::Real(v);
}

Value RealBinary(const std::string& op, double a, double b) {
  switch (op[0]) {
    case '+': return Finite(op, a + b);
    case '-': return Finite(op, a - b);
    case '*': return Finite(op, a * b);
    case '/':
      if (b == 0.0) throw ExprError("division by zero");
      return Finite(op, a / b);
  }
  throw ExprError("operator '" + op + "' needs integer operands");
}

}  // namespace

Value ApplyUnary(const std::string& op, const Value& operand) {
  RejectText(op, operand);
  if (op == "+") return operand;
  if (op == "-") {
    if (operand.kind == ValueKind::kReal) return Value::Real(-operand.real);
    if (operand.integer == kMin) Overflow("-");
    return Value::Integer(-operand.integer);
  }
  RequireInteger(op, operand);
  return Value::Integer(~operand.integer);
}

Value ApplyBinary(const std::string& op, const Value& left, const Value& right) {
  RejectText(op, left);
  RejectText(op, right);
  if (left.kind == ValueKind::kInteger && right.kind == ValueKind::kInteger)
    return IntegerBinary(op, left.integer, right.integer);
  return RealBinary(op, AsReal(left), AsReal(right));
}

}  // namespace calcivo
