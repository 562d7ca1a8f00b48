// Binds the Calcivo library from the dist folder at run time, as the program does, and
// stands in for the program's macro table behind the two callbacks.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calcivo.h"

namespace calcivotest {

struct stExports {
  CalcivoFn parse = nullptr;
  ClearMemoryFn clearMemory = nullptr;
  GetResultExprFn getResult = nullptr;
  GetErrMsgFn getErrMsg = nullptr;
  SetGetRegNameFunFn setGetRegNameFun = nullptr;
  SetGetParamValIntFunFn setGetParamValIntFun = nullptr;
};

// The bound exports; all null when the library or an export is missing.
const stExports& Exports();
bool ExportsBound();

// The macro table the callbacks read. Like the program's table, a look-up inserts an
// absent name with an empty text; an empty text reads as "0" and as 0.
std::map<std::string, std::string>& Macros();
// Names passed to each callback, in order.
std::vector<std::string>& TextLookups();
std::vector<std::string>& IntegerLookups();

const char* CALCIVO_CALL MacroText(const char* name, int* out);
int CALCIVO_CALL MacroInteger(const char* name);

// One evaluation the way the template writer runs it: parse, read the error or the
// result, clear the memory.
struct stOutcome {
  bool ok = false;
  int kind = -1;
  int integer = 0;
  double real = 0.0;
  std::string text;
  std::string error;
};
stOutcome Evaluate(const std::string& token);

// Skips a test when the library is not bound; installs the macro-table callbacks and
// a fresh table for every test.
class CalcivoTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace calcivotest
