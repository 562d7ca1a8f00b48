// Binding of the expression library Calcivo and the evaluation of one
// "$...$" token. The library reads the macro table through two callbacks.
#pragma once

#include "calcivo.h"

#include <wx/dynlib.h>
#include <wx/string.h>

class CExprEngine {
 public:
  // Binds the library from the install folder; false when it or an export is
  // missing (the exports found before stay bound).
  bool Load();
  bool Load(const wxString& installFolder);
  void Unload();
  bool IsLoaded() const { return m_parse != nullptr; }

  // 0 when the library is not bound; else its result for the expression.
  int Parse(const wxString& expr);
  void GetResult(ExprResult* out);
  void ClearMemory();
  // The library's reason for the last failure; out is left alone when it cannot tell.
  void GetErrorText(wxString& out);

 private:
  wxDynamicLibrary m_library;
  CalcivoFn m_parse = nullptr;
  ClearMemoryFn m_clearMemory = nullptr;
  GetResultExprFn m_getResult = nullptr;
  GetErrMsgFn m_getErrMsg = nullptr;
  SetGetParamValIntFunFn m_setParamValInt = nullptr;
  SetGetRegNameFunFn m_setRegName = nullptr;
};

extern CExprEngine g_ExprEngine;

// Binds the expression library for the template writer (called once at set-up).
bool LoadExpressionLibrary();

// Callbacks: the text of a name ("0" when empty) and its number, both from
// g_MacroMap (an absent name is inserted with an empty text).
const char* CALCIVO_CALL ExprGetRegName(const char* name, int* out);
int CALCIVO_CALL ExprGetParamValInt(const char* name);

// 0: no "$" in the line; -1: the first "$" has no partner; 1: token is the
// text from the first "$" to the next, both included.
int FindMacroToken(const wxString& line, wxString& token);

// Evaluates a token into its replacement text: an integer as "%d", a real as
// "%f", a text as it stands. False when the library refuses it; reason then
// gets the library's explanation (empty when it gives none).
bool EvaluateMacroToken(const wxString& token, wxString& value, wxString* reason = nullptr);
