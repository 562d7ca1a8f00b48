// The six exports over one process-wide evaluation state.
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <string>

#include "Evaluator.h"
#include "ExprError.h"
#include "calcivo.h"

namespace {

struct stEngineState {
  calcivo::NameLookup lookup;
  bool hasResult = false;
  ExprResult result{};
  std::string resultText;  // what result.value.text points into
  std::string errorText;
};

stEngineState& State() {
  static stEngineState state;
  return state;
}

void Forget(stEngineState& state) {
  state.hasResult = false;
  state.result = ExprResult{};
  std::string().swap(state.resultText);
  std::string().swap(state.errorText);
}

// An integer result travels in 32 bits: signed values and, by their bit pattern,
// unsigned ones up to 0xFFFFFFFF.
std::int32_t ToResultInteger(std::int64_t value) {
  constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHighest = std::numeric_limits<std::uint32_t>::max();
  if (value < kLowest || value > kHighest)
    throw calcivo::ExprError("integer result " + std::to_string(value) + " does not fit in 32 bits");
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

void Store(stEngineState& state, calcivo::Value value) {
  ExprResult result;
  std::memset(&result, 0, sizeof result);  // the unused bytes of value read as 0
  switch (value.kind) {
    case calcivo::ValueKind::kInteger:
      result.kind = kExprInteger;
      result.value.integer = ToResultInteger(value.integer);
      break;
    case calcivo::ValueKind::kReal:
      result.kind = kExprReal;
      result.value.real = value.real;
      break;
    default:
      result.kind = kExprText;
      state.resultText = std::move(value.text);
      result.value.text = state.resultText.c_str();
      break;
  }
  result.valid = 1;
  state.result = result;
  state.hasResult = true;
}

void Fail(stEngineState& state, const char* reason) {
  Forget(state);
  try {
    state.errorText = reason;
  } catch (...) {
  }
}

}  // namespace

extern "C" {

CALCIVO_API int CALCIVO_CALL _Calcivo(const char* expression) {
  stEngineState& state = State();
  Forget(state);
  if (!expression) {
    Fail(state, "no expression");
    return 0;
  }
  try {
    Store(state, calcivo::Evaluate(expression, state.lookup));
    return 1;
  } catch (const calcivo::ExprError& error) {
    Fail(state, error.what());
  } catch (const std::bad_alloc&) {
    Fail(state, "out of memory");
  } catch (...) {
    Fail(state, "internal error");
  }
  return 0;
}

CALCIVO_API void CALCIVO_CALL ClearMemory(void) { Forget(State()); }

CALCIVO_API void CALCIVO_CALL GetResultExpr(ExprResult* result) {
  if (!result) return;
  *result = State().hasResult ? State().result : ExprResult{};
}

CALCIVO_API const char* CALCIVO_CALL GetErrMsg(void) { return State().errorText.c_str(); }

CALCIVO_API void CALCIVO_CALL SetGetRegNameFun(ExprGetRegNameFn callback) { State().lookup.text = callback; }

CALCIVO_API void CALCIVO_CALL SetGetParamValIntFun(ExprGetParamValIntFn callback) {
  State().lookup.integer = callback;
}

}  // extern "C"
