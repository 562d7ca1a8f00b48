// What a key button knows without its window: a function of the function
// list (its caption key, colours, masks, parameter records and values, range
// macros), a key-set cell (one name) or a key with six action slots (click,
// press-and-hold and two keys, each for the switch states on and off). The
// window class CKeyButton derives from it, so every operation below is an
// operation of the key button.
#pragma once

#include "core/DocManage.h"

#include <wx/string.h>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

// The masks of the function buttons, shared by the function panel, the key
// buttons and the key page.
namespace keymask {
constexpr std::uint16_t kClick = 0x1;
constexpr std::uint16_t kHold = 0x10;
constexpr std::uint16_t kTwoKeys = 0x100;
constexpr std::uint16_t kOn = 0x1;
constexpr std::uint16_t kOff = 0x10;
// In BtnState: the on/off availability comes from the function record.
constexpr std::uint16_t kFromRecord = 0x1000;
}  // namespace keymask

// The action mask of a button mode (0 click, 1 press-and-hold, 2 two keys).
std::uint16_t ActionMaskOfMode(int buttonMode);
// The switch-state mask of a button state (nonzero on, 0 off).
std::uint16_t StateMaskOf(int buttonState);
// Both masks of the button contain the wanted ones.
bool IsUsableNow(std::uint16_t btnMode, std::uint16_t btnState, std::uint16_t actionMask,
                 std::uint16_t stateMask);
// 0 free, 1 assigned, 2 unusable now.
int FunctionDrawState(std::uint16_t btnMode, std::uint16_t btnState, std::uint16_t actionMask,
                      std::uint16_t stateMask, bool assigned);
// BtnState of a function whose availability follows its record: 0x1001 when
// the record is enabled at power on, | 0x1010 when at power off, 0 when at
// neither; the state as given when it lacks the bit or there is no record.
std::uint16_t BtnStateFromRecord(std::uint16_t btnState, int funcNo);

// 0xRRGGBB as the platform's colour value (red in the low byte).
std::uint32_t RgbToColorRef(std::uint32_t rgb);

// The project facts the enable expressions ask about.
struct stKeyEnableQueries {
  std::function<bool()> isTimeShowEnabled;
  std::function<bool(int number, int listSelector)> isInSendData;
};

// What an enable expression gives: the two operations' results and what
// becomes of the button's disabled flag and window state (-1: unchanged).
struct stKeyEnableOutcome {
  int evaluateResult = 0;
  int applyResult = 0;
  int disabled = -1;
  int windowEnabled = -1;
};
stKeyEnableOutcome EvaluateKeyEnable(const wxString& expression, int listSelector,
                                     const stKeyEnableQueries& queries);

class CKeyButtonModel {
 public:
  // One "#define" record of a function: the condition under which the hold
  // and two-key writers fill the value, the define-name format (%d the key
  // number), the value format (%s a parameter value) and the 1-based numbers
  // of the parameter values.
  struct sParam {
    wxString condition;
    wxString defineName;
    wxString valueFormat;
    std::vector<int> indexes;
  };

  enum Role { kRoleFunction = 0, kRoleCell = 1, kRoleKey = 2 };
  static constexpr int kNone = -1;
  static constexpr int kDrawStates = 4;

  CKeyButtonModel();
  virtual ~CKeyButtonModel() = default;

  // Colours as 0xRRGGBB. Two values: state 0 = c1, states 1 to 3 = c2; three
  // values: state 0 = c1, state 2 = c2, states 1 and 3 = c3.
  void SetTextColors(std::uint32_t c1, std::uint32_t c2);
  void SetTextColors(std::uint32_t c1, std::uint32_t c2, std::uint32_t c3);
  void SetBkColors(std::uint32_t c1, std::uint32_t c2);
  void SetBkColors(std::uint32_t c1, std::uint32_t c2, std::uint32_t c3);
  void SetBkColor(std::uint32_t c) { m_bkColors[0] = RgbToColorRef(c); }
  // Platform colour values (0xBBGGRR) of a draw state.
  std::uint32_t GetTextColor(int state) const;
  std::uint32_t GetBkColor(int state) const;

  // Single-slot buttons: the caption key; multi-slot keys: the current slot's name.
  wxString GetCaptionKey() const;
  void SetCaptionKeyText(const wxString& key) { m_captionKey = key; }
  bool IsCurrentActionEmpty() const;
  bool IsBlank() const;
  void ClearNames();
  void SetActionName(std::uint16_t actionMask, std::uint16_t stateMask, const wxString& name);
  // True when one of the selected slots holds a name.
  bool AnySlotTaken(std::uint16_t actionMask, std::uint16_t stateMask) const;
  // The name of a slot (row 0 on, 1 off; column 0 click, 1 hold, 2 two keys).
  wxString SlotName(int row, int column) const { return m_names[row][column]; }

  int GetAssignedKey() const;
  int GetFunctionIndex() const;
  int GetUserFunctionNumber() const;
  void SetFunctionIndex(std::uint16_t actionMask, std::uint16_t stateMask, int value);
  void SetUserFunctionId(std::uint16_t actionMask, std::uint16_t stateMask, int value);
  void ClearFunctionIndexes();
  void ClearUserFunctionIds();
  void SetActionNames(const wxString on[3], const wxString off[3]);
  void SetFunctionIndexes(const int on[3], const int off[3]);
  void SetUserFunctionIds(const int on[3], const int off[3]);
  int SlotFunctionIndex(int row, int column) const { return m_functionIndexes[row][column]; }
  int SlotUserFunctionId(int row, int column) const { return m_userFunctionIds[row][column]; }

  // "on0;off0;on1;off1;on2;off2".
  wxString GetActionSummary() const;
  void SetActionSummary(const wxString& text);
  // name -> column (0 click, 1 hold, 2 two keys) of every named slot, row on first.
  void CollectActionNames(std::map<wxString, int>& names) const;

  // The key marks of the slots that a function's masks cover become none.
  void ClearKeyMarks(std::uint16_t btnState, std::uint16_t btnMode);
  void SetKeyMark(std::uint16_t actionMask, std::uint16_t stateMask, int key);
  // Single-slot: the caption key emptied. Multi-slot: the current slot's
  // function leaves its row (and the same column of the other row).
  void RemoveCurrentAction();

  void AddParam(const wxString& condition, const wxString& defineName, const wxString& valueFormat,
                const wxString& numbers);
  void DeleteParams() { m_params.clear(); }
  const std::vector<sParam>& Params() const { return m_params; }
  std::vector<wxString>& ParamValues() { return m_paramValues; }
  const std::vector<wxString>& ParamValues() const { return m_paramValues; }

  // "1", "0", "GetOpenFlag(n)" or "GetCloseFlag(n)" of function record n.
  static int EvaluateFlagTerm(const wxString& text);
  // "GetStartPos(n)", "GetEndPos(n)" or "GetModeValue(n)"; false for another name.
  static bool EvaluateParamCall(const wxString& text, int& value);
  // The data values of the record named in the call, "value:name" joined by ",".
  static wxString GetDataList(const wxString& text);

  // The six action writers: one "#define" line appended for key number
  // keyNumber. False (nothing appended) when the function's masks select the
  // writer but its parameter data cannot fill the line: no such record, a
  // parameter-value number outside the values, or a format that is not
  // "%d" (name) or "%s" (value) alone.
  bool WriteOnClickDefine(std::vector<wxString>& lines, int keyNumber) const;
  bool WriteOffClickDefine(std::vector<wxString>& lines, int keyNumber) const;
  bool WriteOnHoldDefine(std::vector<wxString>& lines, int keyNumber) const;
  bool WriteOffHoldDefine(std::vector<wxString>& lines, int keyNumber) const;
  bool WriteOnTwoKeysDefine(std::vector<wxString>& lines, int keyNumber) const;
  bool WriteOffTwoKeysDefine(std::vector<wxString>& lines, int keyNumber) const;
  // The writer of an (action mask, state mask) pair.
  bool WriteActionDefine(std::uint16_t actionMask, std::uint16_t stateMask, std::vector<wxString>& lines,
                         int keyNumber) const;
  // The position and mode macros into the table. Returns 1.
  int AddRangeMacros(CStringMap& table) const;

  // Plain fields (the names the function list file gives them).
  int role = kRoleFunction;
  int functionType = 0;
  int dataIndex = 0;
  int modeIndex = -1;
  int keyCode = kNone;         // role 0: the key the function is on
  int secondKeyIndex = kNone;  // role 0: the second key of a two-key assignment
  int twoKeyFlag = 0;
  int drawState = 0;
  std::uint16_t BtnState = 0;
  std::uint16_t BtnMode = 0;
  int multiSlot = 0;
  int disabledFlag = 0;
  int functionNumber = kNone;
  int userFunctionNumber = kNone;
  wxString enableExpression;
  wxString startPosText;
  wxString endPosText;
  wxString modeMacroText;

  bool IsAssigned() const { return keyCode != kNone || secondKeyIndex != kNone; }

 protected:
  // The current slot: row 0 on / 1 off by the document's button state, column its button mode.
  static int CurrentRow();
  static int CurrentColumn();

 private:
  void ClearRowOf(int row, wxString& name);

  std::uint32_t m_bkColors[kDrawStates];
  std::uint32_t m_textColors[kDrawStates];
  wxString m_captionKey;
  wxString m_names[2][3];
  int m_keyMarks[2][3];
  int m_userFunctionIds[2][3];
  int m_functionIndexes[2][3];
  std::vector<sParam> m_params;
  std::vector<wxString> m_paramValues;
};
