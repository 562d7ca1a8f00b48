// The function record store: one record per function number, loaded from and
// saved to "Func%d" sections of ini files, answering lookups by number.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <map>
#include <vector>

// One selectable value of a function: the value and its display name, with
// the language key the name was read from.
struct stFuncDataItem {
  std::uint8_t value = 0;
  wxString name;
  wxString nameKey;
};

struct stFuncRecord {
  std::int32_t OpenEnable = 1;
  std::int32_t CloseEnable = 0;
  wxString name;
  wxString tip;
  wxString description;
  std::uint16_t Bits = 0;
  std::int32_t StartPos = -1;
  std::int32_t EndPos = -1;
  std::uint16_t ModeSelect = 0;
  std::uint8_t Reserve = 0;
  std::int32_t weight = 0;
  std::vector<stFuncDataItem> data;
  std::int32_t DataShow[2] = {0, 0};
  std::int32_t ProcessMethod = 1;
  std::int32_t ZeroShow = 0;
  std::int32_t extended = 0;
  std::int32_t placeholder = 0;
};

struct stConstCodeEntry {
  std::int32_t weight = 0;
  std::uint16_t Bits = 0;
  std::uint16_t ConstCode = 0;
  wxString texts[3];
};

struct stExprFunc {
  std::int32_t number = 0;
  wxString texts[4];  // texts[2] is the expression (Expr)
  std::uint16_t Bits = 0;
  std::int32_t weight = 0;
  std::vector<wxString> AddFunc;

  wxString& Expr() { return texts[2]; }
  const wxString& Expr() const { return texts[2]; }
};

// A constant-code function as the parameter dialogs hold it: the bit count,
// the constant code (two 16-bit halves of one int) and three texts.
struct stConstCodeFunc {
  std::int32_t bits = 0;
  std::int32_t code = 0;
  wxString texts[3];
};

// Load kinds of LoadFuncRecord.
enum FuncLoadKind {
  kFuncPlain = 1,
  kFuncConstCode = 2,
  kFuncExpression = 3,
  kFuncEnableOnly = 4,
  kFuncExtended = 5,
  kFuncPlaceholder = 6,
};

class CFuncRecords {
 public:
  void LoadFuncRecord(int funcNo, int kind, const wxString& iniPath);
  bool FindFuncRecord(int funcNo, stFuncRecord** out);
  int GetFuncDataNames(std::vector<wxString>& names) const;
  int GetFuncValue(int funcNo, int kind);
  std::uint16_t GetFuncBits(int funcNo, int kind);

  // Save operations: false when the function has no record, or a name would
  // break the ini line (a message is shown then).
  bool SaveFuncRecord(int funcNo, const wxString& iniPath) { return SaveRecord(funcNo, iniPath, false); }
  bool SaveFuncRecordEx(int funcNo, const wxString& iniPath) { return SaveRecord(funcNo, iniPath, true); }
  bool SaveConstCode(int funcNo, const wxString& iniPath);
  bool SaveExprFunc(int funcNo, const wxString& iniPath);

  void BuildDataMask();
  void Clear();

  std::map<int, stFuncRecord> records;
  std::map<int, stConstCodeEntry> constCodes;
  stExprFunc exprA;
  stExprFunc exprB;

 private:
  bool SaveRecord(int funcNo, const wxString& iniPath, bool extended);
  const stFuncRecord* Find(int funcNo) const;
};

extern CFuncRecords g_FuncRecords;

// Free-function forms the pages call.
inline bool FindFuncRecord(int funcNo, stFuncRecord** out) {
  return g_FuncRecords.FindFuncRecord(funcNo, out);
}
inline int GetFuncDataNames(std::vector<wxString>& names) { return g_FuncRecords.GetFuncDataNames(names); }
