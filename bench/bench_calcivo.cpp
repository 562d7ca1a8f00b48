// Evaluates typical template tokens through the exports, as the template writer does
// once per token: parse, read the result, clear.
#include <benchmark/benchmark.h>

#include <string>

#include "calcivo.h"

namespace {

const char* CALCIVO_CALL MacroText(const char*, int* out) {
  *out = 0;
  return "#define KEY_1 0x01\r\n#define KEY_2 0x02\r\n";
}

int CALCIVO_CALL MacroInteger(const char*) { return 16; }

void EvaluateToken(benchmark::State& state, const char* token) {
  SetGetRegNameFun(&MacroText);
  SetGetParamValIntFun(&MacroInteger);
  for (auto _ : state) {
    const int ok = _Calcivo(token);
    ExprResult result{};
    GetResultExpr(&result);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(result);
    ClearMemory();
  }
}

}  // namespace

BENCHMARK_CAPTURE(EvaluateToken, bare_name, "$KEY_MAPPING$");
BENCHMARK_CAPTURE(EvaluateToken, get_reg_name, "$GetRegName(\"UDFunc_Config0\")$");
BENCHMARK_CAPTURE(EvaluateToken, arithmetic, "$(BETA+1)*4-0A5H/(1<<2)$");
BENCHMARK_CAPTURE(EvaluateToken, real, "$7/2.0+1.5e2$");
