#include "core/ExprEngine.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/Numbers.h"
#include "platform/Paths.h"
#include "platform/RuntimeLibrary.h"

#include <string>

CExprEngine g_ExprEngine;

namespace {

// Narrow texts crossing to the library are UTF-8 (the local 8-bit encoding here).
std::string ToNarrow(const wxString& text) { return std::string(text.utf8_str()); }
wxString FromNarrow(const char* text) { return text ? wxString::FromUTF8(text) : wxString(); }

template <class Fn>
bool BindExport(const wxDynamicLibrary& library, const char* name, Fn& target) {
  target = reinterpret_cast<Fn>(platform::FindExport(library, name));
  return target != nullptr;
}

}  // namespace

bool CExprEngine::Load() { return Load(g_App.installFolder); }

bool CExprEngine::Load(const wxString& installFolder) {
  Unload();
  const wxString path = platform::JoinPath(installFolder, platform::LibraryFileName("Calcivo"));
  if (!platform::LoadRuntimeLibrary(m_library, path)) return false;
  if (!BindExport(m_library, "_Calcivo", m_parse)) return false;
  if (!BindExport(m_library, "ClearMemory", m_clearMemory)) return false;
  if (!BindExport(m_library, "GetResultExpr", m_getResult)) return false;
  if (!BindExport(m_library, "GetErrMsg", m_getErrMsg)) return false;
  if (!BindExport(m_library, "SetGetRegNameFun", m_setRegName)) return false;
  m_setRegName(&ExprGetRegName);
  if (!BindExport(m_library, "SetGetParamValIntFun", m_setParamValInt)) return false;
  m_setParamValInt(&ExprGetParamValInt);
  return true;
}

void CExprEngine::Unload() {
  m_parse = nullptr;
  m_clearMemory = nullptr;
  m_getResult = nullptr;
  m_getErrMsg = nullptr;
  m_setRegName = nullptr;
  m_setParamValInt = nullptr;
  if (m_library.IsLoaded()) m_library.Unload();
}

int CExprEngine::Parse(const wxString& expr) {
  if (!m_parse) return 0;
  return m_parse(ToNarrow(expr).c_str());
}

void CExprEngine::GetResult(ExprResult* out) {
  if (m_getResult) m_getResult(out);
}

void CExprEngine::ClearMemory() {
  if (m_clearMemory) m_clearMemory();
}

void CExprEngine::GetErrorText(wxString& out) {
  if (m_getErrMsg) out = FromNarrow(m_getErrMsg());
}

bool LoadExpressionLibrary() { return g_ExprEngine.Load(); }

const char* CALCIVO_CALL ExprGetRegName(const char* name, int* out) {
  // Valid until the next call, like the library expects; no fixed size.
  static std::string text;
  wxString value = StringMapSubscript(g_MacroMap, FromNarrow(name));
  if (value.empty()) value = "0";
  if (out) *out = 0;
  text = ToNarrow(value);
  return text.c_str();
}

int CALCIVO_CALL ExprGetParamValInt(const char* name) {
  return static_cast<int>(ParseNumber(StringMapSubscript(g_MacroMap, FromNarrow(name))));
}

int FindMacroToken(const wxString& line, wxString& token) {
  const std::size_t first = line.find('$');
  if (first == wxString::npos) return 0;
  const std::size_t second = line.find('$', first + 1);
  if (second == wxString::npos) return -1;
  token = line.substr(first, second - first + 1);
  return 1;
}

bool EvaluateMacroToken(const wxString& token, wxString& value, wxString* reason) {
  if (!g_ExprEngine.Parse(token)) {
    wxString text;
    g_ExprEngine.GetErrorText(text);
    if (reason) *reason = text;
    g_ExprEngine.ClearMemory();
    return false;
  }
  ExprResult result = {};
  result.valid = 0;
  g_ExprEngine.GetResult(&result);
  if (!result.valid) {
    g_ExprEngine.ClearMemory();
    return false;
  }
  switch (result.kind) {
    case kExprInteger: value = std::to_wstring(result.value.integer); break;
    case kExprReal: value = wxString::Format("%f", result.value.real); break;
    case kExprText: value = FromNarrow(result.value.text); break;
    default: g_ExprEngine.ClearMemory(); return false;
  }
  g_ExprEngine.ClearMemory();
  return true;
}
