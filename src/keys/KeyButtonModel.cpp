#include "keys/KeyButtonModel.h"

#include "core/DocCapture.h"
#include "core/FuncRecords.h"
#include "core/Numbers.h"

#include <algorithm>

namespace {

const wxString kTimeSetKeys[3] = {"IDS_SWITCHTIMESET", "IDS_ENTERTIMESET", "IDS_TIMESET"};

bool IsTimeSetKey(const wxString& key) {
  return key == kTimeSetKeys[0] || key == kTimeSetKeys[1] || key == kTimeSetKeys[2];
}

const std::uint16_t kColumnMasks[3] = {keymask::kClick, keymask::kHold, keymask::kTwoKeys};
const std::uint16_t kRowMasks[2] = {keymask::kOn, keymask::kOff};

// Fills every conversion "%<letter>" of format with text and "%%" with "%";
// false for any other conversion (a format the file got wrong).
bool FillConversion(const wxString& format, wxUniChar letter, const wxString& text, wxString& out) {
  out.clear();
  for (auto it = format.begin(); it != format.end(); ++it) {
    if (*it != '%') {
      out += *it;
      continue;
    }
    if (++it == format.end()) return false;
    if (*it == '%')
      out += '%';
    else if (*it == letter)
      out += text;
    else
      return false;
  }
  return true;
}

// The name before the first "(" and the argument up to the next ")".
void SplitCall(const wxString& text, wxString& name, wxString& argument) {
  const int open = text.Find('(');
  if (open == wxNOT_FOUND) {
    name = text;
    name.Trim(true).Trim(false);
    argument.clear();
    return;
  }
  name = text.Left(static_cast<std::size_t>(open));
  name.Trim(true).Trim(false);
  wxString rest = text.Mid(static_cast<std::size_t>(open));
  while (rest.StartsWith("(")) rest.Remove(0, 1);
  const int close = rest.Find(')');
  argument = close == wxNOT_FOUND ? rest : rest.Left(static_cast<std::size_t>(close));
  argument.Trim(true).Trim(false);
}

stFuncRecord* RecordOf(const wxString& argument) {
  stFuncRecord* record = nullptr;
  if (!FindFuncRecord(static_cast<int>(ParseNumber(argument)), &record)) return nullptr;
  return record;
}

struct stWriter {
  std::uint16_t stateBit;
  std::uint16_t modeBit;
  std::size_t record;  // 0 the switch-on record, 1 the switch-off record
  const char* name;    // fixed define name; null: the record's own
  bool hasCondition;
  const char* timeSet;  // value of the time-set functions; null: none
  const char* emptyName;
};

const stWriter kWriters[6] = {
    {keymask::kOn, keymask::kClick, 0, nullptr, false, "FUNC_TIME_SET_SWITCH();", "FUNC_ON_CLICK_ACTION_%d"},
    {keymask::kOff, keymask::kClick, 1, nullptr, false, "FUNC_TIME_SET_SWITCH();",
     "FUNC_OFF_CLICK_ACTION_%d"},
    {keymask::kOn, keymask::kHold, 0, "FUNC_ON_HOLD_ACTION_%d", true, "FUNC_ENTER_TIME_SET();",
     "FUNC_ON_HOLD_ACTION_%d"},
    {keymask::kOff, keymask::kHold, 1, "FUNC_OFF_HOLD_ACTION_%d", true, "FUNC_ENTER_TIME_SET();",
     "FUNC_OFF_HOLD_ACTION_%d"},
    {keymask::kOn, keymask::kTwoKeys, 0, "FUNC_ON_2KEYS_SIMO_ACTION_%d", true, nullptr,
     "FUNC_ON_2KEYS_SIMO_ACTION_%d"},
    {keymask::kOff, keymask::kTwoKeys, 1, "FUNC_OFF_2KEYS_SIMO_ACTION_%d", true, nullptr,
     "FUNC_OFF_2KEYS_SIMO_ACTION_%d"},
};

wxString NumberText(int number) { return wxString::Format("%d", number); }

}  // namespace

std::uint16_t ActionMaskOfMode(int buttonMode) {
  return buttonMode == 1 ? keymask::kHold : buttonMode == 2 ? keymask::kTwoKeys : keymask::kClick;
}

std::uint16_t StateMaskOf(int buttonState) { return buttonState != 0 ? keymask::kOn : keymask::kOff; }

bool IsUsableNow(std::uint16_t btnMode, std::uint16_t btnState, std::uint16_t actionMask,
                 std::uint16_t stateMask) {
  return (btnMode & actionMask) == actionMask && (btnState & stateMask) == stateMask;
}

int FunctionDrawState(std::uint16_t btnMode, std::uint16_t btnState, std::uint16_t actionMask,
                      std::uint16_t stateMask, bool assigned) {
  if (!IsUsableNow(btnMode, btnState, actionMask, stateMask)) return 2;
  return assigned ? 1 : 0;
}

std::uint16_t BtnStateFromRecord(std::uint16_t btnState, int funcNo) {
  stFuncRecord* record = nullptr;
  if (!(btnState & keymask::kFromRecord) || !FindFuncRecord(funcNo, &record)) return btnState;
  std::uint16_t state = 0;
  if (record->OpenEnable != 0) state = 0x1001;
  if (record->CloseEnable != 0) state |= 0x1010;
  return state;
}

std::uint32_t RgbToColorRef(std::uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

stKeyEnableOutcome EvaluateKeyEnable(const wxString& expression, int listSelector,
                                     const stKeyEnableQueries& queries) {
  stKeyEnableOutcome outcome;
  if (expression == "GetTimeEnable") {
    const int clock = queries.isTimeShowEnabled && queries.isTimeShowEnabled() ? 1 : 0;
    outcome.disabled = clock ? 0 : 1;
    outcome.windowEnabled = clock;
    outcome.evaluateResult = clock;
    outcome.applyResult = 1;
    return outcome;
  }
  if (expression == "0" || expression == "1") {
    outcome.disabled = expression == "0" ? 1 : 0;
    outcome.evaluateResult = outcome.applyResult = 1;
    return outcome;
  }
  const int open = expression.Find('(');
  if (open == wxNOT_FOUND) return outcome;
  const wxString rest = expression.Mid(static_cast<std::size_t>(open) + 1);
  const int close = rest.Find(')');
  if (close == wxNOT_FOUND) return outcome;
  const wxString list = rest.Left(static_cast<std::size_t>(close));

  auto term = [&](int number) { return queries.isInSendData && queries.isInSendData(number, listSelector); };
  bool result = false;
  bool first = true;
  wxUniChar pending = 0;
  wxString digits;
  auto combine = [&] {
    const bool value = term(static_cast<int>(ParseNumber(digits)));
    if (first)
      result = value;
    else if (pending == '&')
      result = result && value;
    else
      result = result || value;
    first = false;
    digits.clear();
  };
  for (wxUniChar c : list) {
    if (c == 'P') continue;
    if (c >= '0' && c <= '9') {
      digits += c;
    } else if (c == '&' || c == '|') {
      combine();
      pending = c;
    } else {
      return outcome;  // unreadable: nothing changes
    }
  }
  combine();
  outcome.evaluateResult = result ? 1 : 0;
  outcome.applyResult = 1;
  outcome.disabled = result ? 0 : 1;
  outcome.windowEnabled = result ? 1 : 0;
  return outcome;
}

// --- CKeyButtonModel.

CKeyButtonModel::CKeyButtonModel() {
  m_bkColors[0] = 0xFCFCFC;
  m_bkColors[1] = 0xC0C0C0;
  m_bkColors[2] = RgbToColorRef(0xB7D2C3);
  m_bkColors[3] = 0xCDCDCD;
  std::fill(std::begin(m_textColors), std::end(m_textColors), 0u);
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      m_keyMarks[row][column] = kNone;
      m_userFunctionIds[row][column] = kNone;
      m_functionIndexes[row][column] = kNone;
    }
  }
}

void CKeyButtonModel::SetTextColors(std::uint32_t c1, std::uint32_t c2) {
  m_textColors[0] = RgbToColorRef(c1);
  m_textColors[1] = m_textColors[2] = m_textColors[3] = RgbToColorRef(c2);
}

void CKeyButtonModel::SetTextColors(std::uint32_t c1, std::uint32_t c2, std::uint32_t c3) {
  m_textColors[0] = RgbToColorRef(c1);
  m_textColors[2] = RgbToColorRef(c2);
  m_textColors[1] = m_textColors[3] = RgbToColorRef(c3);
}

void CKeyButtonModel::SetBkColors(std::uint32_t c1, std::uint32_t c2) {
  m_bkColors[0] = RgbToColorRef(c1);
  m_bkColors[1] = m_bkColors[2] = m_bkColors[3] = RgbToColorRef(c2);
}

void CKeyButtonModel::SetBkColors(std::uint32_t c1, std::uint32_t c2, std::uint32_t c3) {
  m_bkColors[0] = RgbToColorRef(c1);
  m_bkColors[2] = RgbToColorRef(c2);
  m_bkColors[1] = m_bkColors[3] = RgbToColorRef(c3);
}

std::uint32_t CKeyButtonModel::GetTextColor(int state) const {
  return m_textColors[std::clamp(state, 0, kDrawStates - 1)];
}

std::uint32_t CKeyButtonModel::GetBkColor(int state) const {
  return m_bkColors[std::clamp(state, 0, kDrawStates - 1)];
}

int CKeyButtonModel::CurrentRow() { return g_DocManage.ButtonState == 1 ? 0 : 1; }

int CKeyButtonModel::CurrentColumn() { return std::clamp(g_DocManage.ButtonMode, 0, 2); }

wxString CKeyButtonModel::GetCaptionKey() const {
  if (!multiSlot) return m_captionKey;
  return m_names[CurrentRow()][CurrentColumn()];
}

bool CKeyButtonModel::IsCurrentActionEmpty() const {
  if (!multiSlot) return m_captionKey.empty();
  return m_names[g_DocManage.ButtonState > 0 ? 0 : 1][CurrentColumn()].empty();
}

bool CKeyButtonModel::IsBlank() const {
  if (!multiSlot) return m_captionKey.empty();
  for (const auto& row : m_names) {
    for (const wxString& name : row) {
      if (!name.empty()) return false;
    }
  }
  return true;
}

void CKeyButtonModel::ClearNames() {
  m_captionKey.clear();
  for (auto& row : m_names) {
    for (wxString& name : row) name.clear();
  }
}

void CKeyButtonModel::SetActionName(std::uint16_t actionMask, std::uint16_t stateMask, const wxString& name) {
  if (!multiSlot) {
    m_captionKey = name;
    return;
  }
  for (int row = 0; row < 2; ++row) {
    if (!(stateMask & kRowMasks[row])) continue;
    for (int column = 0; column < 3; ++column) {
      if (actionMask & kColumnMasks[column])
        m_names[row][column] = IsTimeSetKey(name) ? kTimeSetKeys[column] : name;
    }
  }
}

bool CKeyButtonModel::AnySlotTaken(std::uint16_t actionMask, std::uint16_t stateMask) const {
  for (int row = 0; row < 2; ++row) {
    if (!(stateMask & kRowMasks[row])) continue;
    for (int column = 0; column < 3; ++column) {
      if ((actionMask & kColumnMasks[column]) && !m_names[row][column].empty()) return true;
    }
  }
  return false;
}

int CKeyButtonModel::GetAssignedKey() const {
  if (!multiSlot) return twoKeyFlag ? secondKeyIndex : keyCode;
  return m_keyMarks[CurrentRow()][CurrentColumn()];
}

int CKeyButtonModel::GetFunctionIndex() const {
  return multiSlot ? m_functionIndexes[CurrentRow()][CurrentColumn()] : functionNumber;
}

int CKeyButtonModel::GetUserFunctionNumber() const {
  return multiSlot ? m_userFunctionIds[CurrentRow()][CurrentColumn()] : userFunctionNumber;
}

namespace {
template <typename T>
void SetSlots(T (&slots)[2][3], std::uint16_t actionMask, std::uint16_t stateMask, const T& value) {
  for (int row = 0; row < 2; ++row) {
    if (!(stateMask & kRowMasks[row])) continue;
    for (int column = 0; column < 3; ++column) {
      if (actionMask & kColumnMasks[column]) slots[row][column] = value;
    }
  }
}
}  // namespace

void CKeyButtonModel::SetFunctionIndex(std::uint16_t actionMask, std::uint16_t stateMask, int value) {
  if (multiSlot) SetSlots(m_functionIndexes, actionMask, stateMask, value);
}

void CKeyButtonModel::SetUserFunctionId(std::uint16_t actionMask, std::uint16_t stateMask, int value) {
  if (multiSlot) SetSlots(m_userFunctionIds, actionMask, stateMask, value);
}

void CKeyButtonModel::SetKeyMark(std::uint16_t actionMask, std::uint16_t stateMask, int key) {
  SetSlots(m_keyMarks, actionMask, stateMask, key);
}

void CKeyButtonModel::ClearFunctionIndexes() { SetSlots(m_functionIndexes, 0x111, 0x11, kNone); }

void CKeyButtonModel::ClearUserFunctionIds() { SetSlots(m_userFunctionIds, 0x111, 0x11, kNone); }

void CKeyButtonModel::SetActionNames(const wxString on[3], const wxString off[3]) {
  for (int column = 0; column < 3; ++column) {
    m_names[0][column] = on[column];
    m_names[1][column] = off[column];
  }
}

void CKeyButtonModel::SetFunctionIndexes(const int on[3], const int off[3]) {
  for (int column = 0; column < 3; ++column) {
    m_functionIndexes[0][column] = on[column];
    m_functionIndexes[1][column] = off[column];
  }
}

void CKeyButtonModel::SetUserFunctionIds(const int on[3], const int off[3]) {
  for (int column = 0; column < 3; ++column) {
    m_userFunctionIds[0][column] = on[column];
    m_userFunctionIds[1][column] = off[column];
  }
}

wxString CKeyButtonModel::GetActionSummary() const {
  wxString summary;
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 2; ++row) {
      if (column || row) summary += ";";
      summary += m_names[row][column];
    }
  }
  return summary;
}

void CKeyButtonModel::SetActionSummary(const wxString& text) {
  wxString rest = text;
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 2; ++row) {
      const int separator = rest.Find(';');
      wxString token = separator == wxNOT_FOUND ? rest : rest.Left(static_cast<std::size_t>(separator));
      rest = separator == wxNOT_FOUND ? wxString() : rest.Mid(static_cast<std::size_t>(separator) + 1);
      m_names[row][column] = token.Trim(true).Trim(false);
    }
  }
}

void CKeyButtonModel::CollectActionNames(std::map<wxString, int>& names) const {
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (!m_names[row][column].empty()) names[m_names[row][column]] = column;
    }
  }
}

void CKeyButtonModel::ClearKeyMarks(std::uint16_t btnState, std::uint16_t btnMode) {
  SetSlots(m_keyMarks, btnMode, btnState, static_cast<int>(kNone));
}

void CKeyButtonModel::ClearRowOf(int row, wxString& name) {
  const bool timeSet = name == "IDS_ENTERTIMESET" || name == "IDS_SWITCHTIMESET";
  for (int column = 0; column < 3; ++column) {
    wxString& slot = m_names[row][column];
    const bool match =
        timeSet ? (slot == "IDS_ENTERTIMESET" || slot == "IDS_SWITCHTIMESET") : slot.CmpNoCase(name) == 0;
    if (!match) continue;
    slot.clear();
    m_userFunctionIds[row][column] = kNone;
    m_functionIndexes[row][column] = kNone;
  }
  if (timeSet) name = "IDS_SWITCHTIMESET";
}

void CKeyButtonModel::RemoveCurrentAction() {
  if (!multiSlot) {
    m_captionKey.clear();
    return;
  }
  const int row = CurrentRow();
  const int column = CurrentColumn();
  wxString name = m_names[row][column];
  ClearRowOf(row, name);
  const int other = 1 - row;
  if (m_names[other][column] == name) {
    wxString otherName = m_names[other][column];
    ClearRowOf(other, otherName);
  }
}

void CKeyButtonModel::AddParam(const wxString& condition, const wxString& defineName,
                               const wxString& valueFormat, const wxString& numbers) {
  sParam param{condition, defineName, valueFormat, {}};
  const wxString text = numbers.Lower();
  int start = text.Find('p');
  while (start != wxNOT_FOUND) {
    const wxString rest = text.Mid(static_cast<std::size_t>(start) + 1);
    const int next = rest.Find('p');
    wxString digits = next == wxNOT_FOUND ? rest : rest.Left(static_cast<std::size_t>(next));
    digits.Trim(true).Trim(false);
    if (!digits.empty()) param.indexes.push_back(static_cast<int>(ParseNumber(digits)));
    start = next == wxNOT_FOUND ? wxNOT_FOUND : start + 1 + next;
  }
  m_params.push_back(param);
}

int CKeyButtonModel::EvaluateFlagTerm(const wxString& text) {
  if (text.CmpNoCase("1") == 0) return 1;
  if (text.CmpNoCase("0") == 0) return 0;
  wxString name, argument;
  SplitCall(text, name, argument);
  const bool open = name.CmpNoCase("GetOpenFlag") == 0;
  if (!open && name.CmpNoCase("GetCloseFlag") != 0) return 0;
  const stFuncRecord* record = RecordOf(argument);
  if (!record) return 0;
  return open ? record->OpenEnable : record->CloseEnable;
}

bool CKeyButtonModel::EvaluateParamCall(const wxString& text, int& value) {
  wxString name, argument;
  SplitCall(text, name, argument);
  const bool start = name.CmpNoCase("GetStartPos") == 0;
  const bool end = name.CmpNoCase("GetEndPos") == 0;
  const bool mode = name.CmpNoCase("GetModeValue") == 0;
  if (!start && !end && !mode) return false;
  const stFuncRecord* record = RecordOf(argument);
  if (!record) {
    value = -1;
  } else if (start) {
    value = record->StartPos;
  } else if (end) {
    value = std::min(record->EndPos, static_cast<std::int32_t>(record->Data.size()) - 1);
  } else {
    value = record->ModeSelect;
  }
  return true;
}

wxString CKeyButtonModel::GetDataList(const wxString& text) {
  wxString name, argument;
  SplitCall(text, name, argument);
  const stFuncRecord* record = RecordOf(argument);
  if (!record) return wxString();
  wxString list;
  for (const stFuncData& item : record->Data) {
    if (!list.empty()) list += ",";
    list += wxString::Format("%d:", static_cast<int>(item.Value)) + item.Name;
  }
  return list;
}

bool CKeyButtonModel::WriteActionDefine(std::uint16_t actionMask, std::uint16_t stateMask,
                                        std::vector<wxString>& lines, int keyNumber) const {
  for (const stWriter& writer : kWriters) {
    if (writer.stateBit != stateMask || writer.modeBit != actionMask) continue;
    const wxString number = NumberText(keyNumber);
    wxString name;
    if (!(BtnState & writer.stateBit) || !(BtnMode & writer.modeBit)) {
      FillConversion(writer.emptyName, 'd', number, name);
      lines.push_back("#define " + name);
      return true;
    }
    if (m_params.size() <= writer.record) return false;
    const sParam& param = m_params[writer.record];
    if (param.indexes.empty() || param.indexes[0] < 1 ||
        static_cast<std::size_t>(param.indexes[0]) > m_paramValues.size())
      return false;
    if (!FillConversion(writer.name ? wxString(writer.name) : param.defineName, 'd', number, name))
      return false;
    wxString value;
    if (!writer.hasCondition || EvaluateFlagTerm(param.condition) != 0) {
      if (writer.timeSet && IsTimeSetKey(m_captionKey)) {
        value = writer.timeSet;
      } else if (!FillConversion(param.valueFormat, 's', m_paramValues[param.indexes[0] - 1], value)) {
        return false;
      }
    }
    lines.push_back("#define " + name + " " + value);
    return true;
  }
  return false;
}

bool CKeyButtonModel::WriteOnClickDefine(std::vector<wxString>& lines, int keyNumber) const {
  return WriteActionDefine(keymask::kClick, keymask::kOn, lines, keyNumber);
}
bool CKeyButtonModel::WriteOffClickDefine(std::vector<wxString>& lines, int keyNumber) const {
  return WriteActionDefine(keymask::kClick, keymask::kOff, lines, keyNumber);
}
bool CKeyButtonModel::WriteOnHoldDefine(std::vector<wxString>& lines, int keyNumber) const {
  return WriteActionDefine(keymask::kHold, keymask::kOn, lines, keyNumber);
}
bool CKeyButtonModel::WriteOffHoldDefine(std::vector<wxString>& lines, int keyNumber) const {
  return WriteActionDefine(keymask::kHold, keymask::kOff, lines, keyNumber);
}
bool CKeyButtonModel::WriteOnTwoKeysDefine(std::vector<wxString>& lines, int keyNumber) const {
  return WriteActionDefine(keymask::kTwoKeys, keymask::kOn, lines, keyNumber);
}
bool CKeyButtonModel::WriteOffTwoKeysDefine(std::vector<wxString>& lines, int keyNumber) const {
  return WriteActionDefine(keymask::kTwoKeys, keymask::kOff, lines, keyNumber);
}

int CKeyButtonModel::AddRangeMacros(CStringMap& table) const {
  auto split = [](const wxString& text, wxString& name, wxString& call) {
    const int comma = text.Find(',');
    name = comma == wxNOT_FOUND ? text : text.Left(static_cast<std::size_t>(comma));
    name.Trim(true);
    call = comma == wxNOT_FOUND ? wxString() : text.Mid(static_cast<std::size_t>(comma) + 1);
    call.Trim(false);
  };
  wxString name, call;
  int value = 0;
  if (!startPosText.empty()) {
    split(startPosText, name, call);
    StringMapSubscript(table, name) = EvaluateParamCall(call, value) ? NumberText(value) : wxString();
  }
  if (!endPosText.empty()) {
    split(endPosText, name, call);
    const wxString text = EvaluateParamCall(call, value) ? NumberText(value) : wxString();
    StringMapSubscript(table, name + "_~DESCRIPTION") = GetDataList(call);
    StringMapSubscript(table, name) = text;
  }
  if (!modeMacroText.empty()) {
    split(modeMacroText, name, call);
    wxString text;
    if (EvaluateParamCall(call, value)) {
      wxString digits = FormatBinary(static_cast<std::uint64_t>(static_cast<std::int64_t>(value)));
      while (digits.length() < 8) digits.Prepend("0");
      text = "0b" + digits;
    }
    StringMapSubscript(table, name) = text;
  }
  return 1;
}
