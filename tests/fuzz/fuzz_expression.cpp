// The expression library's exports: any token is evaluated or refused, and
// a result or an error text is always there to read.
#include "calcivo.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

const char* CALCIVO_CALL NameText(const char* name, int* out) {
  *out = 0;
  if (std::strcmp(name, "TEXT") == 0) return "hello";
  if (std::strcmp(name, "NUM") == 0) return "0x10";
  if (std::strcmp(name, "BAD") == 0) {
    *out = 1;
    return "x";
  }
  if (std::strcmp(name, "NULL") == 0) return nullptr;
  return "0";
}

int CALCIVO_CALL NameNumber(const char* name) { return std::strcmp(name, "BIG") == 0 ? 0x7FFFFFFF : 3; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SetGetRegNameFun(NameText);
  SetGetParamValIntFun(NameNumber);
  const std::string token(reinterpret_cast<const char*>(data), size);  // cut at the first NUL
  const int ok = _Calcivo(token.c_str());
  ExprResult result{};
  GetResultExpr(&result);
  const char* error = GetErrMsg();
  if (!error) __builtin_trap();
  if (ok && result.valid && result.kind == kExprText && !result.value.text) __builtin_trap();
  if (ok && result.valid && result.kind == kExprText) (void)std::strlen(result.value.text);
  (void)std::strlen(error);
  ClearMemory();
  return 0;
}
