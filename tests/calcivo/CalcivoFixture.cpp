#include "CalcivoFixture.h"

#include <cctype>
#include <cstdlib>

#include "platform/RuntimeLibrary.h"
#include "platform/Paths.h"

namespace calcivotest {

namespace {

template <class Fn>
void Bind(Fn& target, const wxDynamicLibrary& library, const char* name) {
  target = reinterpret_cast<Fn>(platform::FindExport(library, name));
}

stExports BindAll() {
  static wxDynamicLibrary library;  // stays loaded for the whole run
  stExports exports;
  const wxString path = platform::JoinPath(OLV_DIST_DIR, platform::LibraryFileName("Calcivo"));
  if (!platform::LoadRuntimeLibrary(library, path)) return exports;
  Bind(exports.parse, library, "_Calcivo");
  Bind(exports.clearMemory, library, "ClearMemory");
  Bind(exports.getResult, library, "GetResultExpr");
  Bind(exports.getErrMsg, library, "GetErrMsg");
  Bind(exports.setGetRegNameFun, library, "SetGetRegNameFun");
  Bind(exports.setGetParamValIntFun, library, "SetGetParamValIntFun");
  return exports;
}

// The program's number reading: trimmed, upper-cased, base 16 when the text holds "0X"
// or "H", else base 10.
int ParseNumber(std::string text) {
  const auto first = text.find_first_not_of(" \t");
  const auto last = text.find_last_not_of(" \t");
  text = first == std::string::npos ? "" : text.substr(first, last - first + 1);
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const bool hex = text.find("0X") != std::string::npos || text.find('H') != std::string::npos;
  return static_cast<int>(std::strtoul(text.c_str(), nullptr, hex ? 16 : 10));
}

}  // namespace

const stExports& Exports() {
  static const stExports exports = BindAll();
  return exports;
}

bool ExportsBound() {
  const stExports& e = Exports();
  return e.parse && e.clearMemory && e.getResult && e.getErrMsg && e.setGetRegNameFun &&
         e.setGetParamValIntFun;
}

std::map<std::string, std::string>& Macros() {
  static std::map<std::string, std::string> macros;
  return macros;
}

std::vector<std::string>& TextLookups() {
  static std::vector<std::string> names;
  return names;
}

std::vector<std::string>& IntegerLookups() {
  static std::vector<std::string> names;
  return names;
}

// One buffer, overwritten by every call, as in the program.
const char* CALCIVO_CALL MacroText(const char* name, int* out) {
  static std::string buffer;
  TextLookups().push_back(name);
  const std::string& text = Macros()[name];
  buffer = text.empty() ? "0" : text;
  *out = 0;
  return buffer.c_str();
}

int CALCIVO_CALL MacroInteger(const char* name) {
  IntegerLookups().push_back(name);
  return ParseNumber(Macros()[name]);
}

stOutcome Evaluate(const std::string& token) {
  const stExports& e = Exports();
  stOutcome outcome;
  outcome.ok = e.parse(token.c_str()) != 0;
  if (!outcome.ok) {
    outcome.error = e.getErrMsg();
    e.clearMemory();
    return outcome;
  }
  ExprResult result{};
  e.getResult(&result);
  outcome.ok = result.valid != 0;
  outcome.kind = result.kind;
  if (result.kind == kExprInteger) outcome.integer = result.value.integer;
  if (result.kind == kExprReal) outcome.real = result.value.real;
  if (result.kind == kExprText && result.value.text) outcome.text = result.value.text;
  e.clearMemory();
  return outcome;
}

void CalcivoTest::SetUp() {
  if (!ExportsBound()) GTEST_FAIL() << "Calcivo is not built in " << OLV_DIST_DIR << " or lacks an export";
  Macros().clear();
  TextLookups().clear();
  IntegerLookups().clear();
  Exports().setGetRegNameFun(&MacroText);
  Exports().setGetParamValIntFun(&MacroInteger);
}

void CalcivoTest::TearDown() {
  if (!ExportsBound()) return;
  Exports().clearMemory();
}

}  // namespace calcivotest
