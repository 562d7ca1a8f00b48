// The function record store: one record per function number, read from and
// written to "Func%d" sections of ini files, answering lookups by number.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <map>
#include <vector>

// One data value of a function: the code sent and its display name. NameKey
// is the language key the name was read from; it is written back in place of
// the name while the name is still that key's text.
struct stFuncData {
  std::uint8_t Value = 0;
  wxString Name;
  wxString NameKey;
};

struct stFuncRecord {
  std::int32_t OpenEnable = 1;   // active in the power-on state
  std::int32_t CloseEnable = 0;  // active in the power-off state
  wxString Name;                 // name or language key, every "&" doubled
  std::uint16_t Bits = 0;        // frame bits
  std::int32_t StartPos = -1;
  std::int32_t EndPos = -1;
  std::int32_t ModeEnable = 0;     // nonzero: chosen per mode
  std::uint16_t ModeSelect = 0;    // bit i = mode i
  std::uint8_t Reserve = 0;        // time display mode of the time-data function
  std::int32_t MaxValues = 0;      // most data values allowed
  std::int32_t DefaultValues = 0;  // data values a change of type leaves
  std::int32_t Weight = 0;         // resource weight
  std::int32_t FuncNo = 0;         // number shown in "FUNC_%d"
  wxString Tip;                    // tip text or key; empty = none
  wxString Description;            // note shown above the settings
  std::int32_t DataShow = 0;       // user-defined function type 0..4
  std::int32_t PrevDataShow = 0;   // the type before the last commit
  std::int32_t ProcessMethod = 1;
  std::int32_t ZeroShow = 0;
  std::int32_t Resizable = 0;  // data values may be added and removed
  std::int32_t PureData = 0;   // a pure-data function's record
  std::vector<stFuncData> Data;
};

// A constant-code record: weight, bit count and value, and the texts of the
// block it belongs to. The constant-code dialog edits it in place.
struct stConstCodeFunc {
  std::int32_t Weight = 0;
  std::uint16_t Bits = 0;
  std::uint16_t ConstCode = 0;
  wxString Name;         // language key: IDS_FIX_CODE and its number
  wxString Description;  // the block's macro name
  wxString Tip;          // the block's second text
};

// One verify-code definition. Factors holds the data item keys of the
// factors A to I (empty = none chosen).
struct stVerifyItem {
  wxString Name;
  wxString MacroName;
  wxString Expression;
  wxString Tip;
  std::uint16_t Bits = 0;
  std::int32_t Weight = 0;
  std::vector<wxString> Factors;
};

// Record kinds as the callers pass them.
enum FuncKind {
  kFuncPlain = 1,
  kFuncConstCode = 2,
  kFuncVerify = 3,
  kFuncSimple = 4,
  kFuncUserDefined = 5,
  kFuncPureData = 6,
};

class CFuncRecords {
 public:
  // Reads section "Func%d" back into the store. Function kinds merge into a
  // stored record: ModeEnable, MaxValues, DefaultValues, Weight, FuncNo, Tip,
  // Description and (when the section gives none) Name stay, as the ini
  // sections carry no keys for them.
  void ReadFuncRecord(int funcNo, int kind, const wxString& iniPath);

  bool FindFuncRecord(int funcNo, stFuncRecord** out);
  bool FindConstRecord(int funcNo, stConstCodeFunc** out);
  // Replaces the record of that number, or adds it; a replaced record keeps
  // its DefaultValues.
  void StoreFuncRecord(int funcNo, const stFuncRecord& record);
  void StoreConstRecord(int funcNo, const stConstCodeFunc& record);

  int GetFuncDataNames(std::vector<wxString>& names) const;
  int GetFuncWeight(int funcNo, int kind);
  std::uint16_t GetFuncSize(int funcNo, int kind);

  // Write operations: false when the number has no record (no verify setting
  // for WriteVerifyRecord), or a text would
  // break the ini line (a message is shown then).
  bool WriteFuncRecord(int funcNo, const wxString& iniPath) { return WriteRecord(funcNo, iniPath, false); }
  bool WriteUDFuncRecord(int funcNo, const wxString& iniPath) { return WriteRecord(funcNo, iniPath, true); }
  bool WriteConstRecord(int funcNo, const wxString& iniPath);
  bool WriteVerifyRecord(int funcNo, const wxString& iniPath);

  // Narrows every record's ModeSelect to the modes the mode record names.
  void ResetModeMasks();
  void Clear();

  std::map<int, stFuncRecord> records;
  std::map<int, stConstCodeFunc> constRecords;
  // The two verify settings, each with the function number of the verify
  // block it belongs to; kNoVerify until a verify block gives it one, so that
  // no function number passes for a verify code.
  static constexpr int kNoVerify = -1;
  int verify1No = kNoVerify;
  stVerifyItem verify1;
  int verify2No = kNoVerify;
  stVerifyItem verify2;

 private:
  bool WriteRecord(int funcNo, const wxString& iniPath, bool userDefined);
  const stFuncRecord* Find(int funcNo) const;
  const stVerifyItem* FindVerify(int funcNo) const;
};

extern CFuncRecords g_FuncRecords;

// Free-function forms the pages call.
inline bool FindFuncRecord(int funcNo, stFuncRecord** out) {
  return g_FuncRecords.FindFuncRecord(funcNo, out);
}
inline bool FindConstRecord(int funcNo, stConstCodeFunc** out) {
  return g_FuncRecords.FindConstRecord(funcNo, out);
}
inline int GetFuncDataNames(std::vector<wxString>& names) { return g_FuncRecords.GetFuncDataNames(names); }
