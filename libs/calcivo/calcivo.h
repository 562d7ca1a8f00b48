/* Calcivo: evaluates one template token ("$1+2$", "$NAME$", "$GetRegName(\"NAME\")$").
 *
 * One process-wide evaluation state: _Calcivo parses and evaluates, GetResultExpr
 * reports the result, GetErrMsg the reason of the last failure, ClearMemory releases
 * both. Names are resolved through the two callbacks the caller installs. Texts the
 * library returns live in its own storage until the next _Calcivo or ClearMemory.
 * Not thread-safe: evaluations must not overlap.
 * The *Fn typedefs match the exports for binding them at run time by name. */
#ifndef CALCIVO_CALCIVO_H
#define CALCIVO_CALCIVO_H

#include <stdint.h>

#if defined(_WIN32)
#if defined(CALCIVO_BUILD)
#define CALCIVO_API __declspec(dllexport)
#else
#define CALCIVO_API __declspec(dllimport)
#endif
#define CALCIVO_CALL __cdecl
#else
#define CALCIVO_API __attribute__((visibility("default")))
#define CALCIVO_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Kinds of ExprResult::kind. */
enum { kExprInteger = 0, kExprReal = 1, kExprText = 2 };

/* Result of the last successful evaluation. 16 bytes: kind at 0, valid at 4, value at 8. */
typedef struct ExprResult {
  int32_t kind;  /* kExprInteger, kExprReal or kExprText */
  int32_t valid; /* nonzero when a result is present */
  union {
    int32_t integer; /* the low 32 bits of the 8-byte field */
    double real;
    const char* text; /* NUL-terminated, owned by the library */
    unsigned char bytes[8];
  } value;
} ExprResult;

/* Text of a name. The library sets *out to 0 before the call; a nonzero *out after it,
 * or a null result, makes the evaluation fail. */
typedef const char*(CALCIVO_CALL* ExprGetRegNameFn)(const char* name, int* out);
/* Integer value of a name. */
typedef int(CALCIVO_CALL* ExprGetParamValIntFn)(const char* name);

/* Evaluates a whole token, dollar signs included. Nonzero on success, 0 on an error. */
CALCIVO_API int CALCIVO_CALL _Calcivo(const char* expression);
/* Releases the result and the error text of the last evaluation. */
CALCIVO_API void CALCIVO_CALL ClearMemory(void);
/* Fills *result with the last successful result; valid 0 when there is none. NULL does nothing. */
CALCIVO_API void CALCIVO_CALL GetResultExpr(ExprResult* result);
/* Reason of the last failure; "" when the last evaluation succeeded. Never NULL. */
CALCIVO_API const char* CALCIVO_CALL GetErrMsg(void);
/* Install the name callbacks; NULL uninstalls. */
CALCIVO_API void CALCIVO_CALL SetGetRegNameFun(ExprGetRegNameFn callback);
CALCIVO_API void CALCIVO_CALL SetGetParamValIntFun(ExprGetParamValIntFn callback);

typedef int(CALCIVO_CALL* CalcivoFn)(const char*);
typedef void(CALCIVO_CALL* ClearMemoryFn)(void);
typedef void(CALCIVO_CALL* GetResultExprFn)(ExprResult*);
typedef const char*(CALCIVO_CALL* GetErrMsgFn)(void);
typedef void(CALCIVO_CALL* SetGetRegNameFunFn)(ExprGetRegNameFn);
typedef void(CALCIVO_CALL* SetGetParamValIntFunFn)(ExprGetParamValIntFn);

#ifdef __cplusplus
}

#include <cstddef>

static_assert(sizeof(ExprResult) == 16, "ExprResult is 16 bytes");
static_assert(offsetof(ExprResult, kind) == 0, "kind at offset 0");
static_assert(offsetof(ExprResult, valid) == 4, "valid at offset 4");
static_assert(offsetof(ExprResult, value) == 8, "value at offset 8");
#endif

#endif
