// The key panel's keys of [KeyConfig], written by the panel and read back
// whole by the key page (values of any length).
//
// - "ItemKey%d": the keys in use in cell order, eight to a key, joined by
//   ",". A general remote stores each key's code as "0x%x", or "-1" for none;
//   an LCD remote stores each key's action list, its six action names joined
//   by ";" (see CKeyButtonModel::GetActionSummary).
// - "IndexItemKey%d" (LCD remotes): for every key up to the end of group g,
//   "1,<index>" of its function index or "0,<index>" of its user function
//   number, joined by ",".
// - "TouchButton": two fields per touch key, each followed by ",": the
//   trigger value and the action list of a key in use, two empty fields for
//   any other. "High Sensitivity": "1" or "0".
//
// Because "," and ";" separate the fields, an action name holding either is
// refused where it would be put on a key (KeyActionNameProblem).
#pragma once

#include "keys/KeySlots.h"

#include <wx/string.h>

#include <vector>

class CProjectFile;

constexpr int kKeysPerItem = 8;
constexpr int kTouchKeyCount = 8;

wxString KeyItemName(int group);       // "ItemKey%d"
wxString KeyIndexItemName(int group);  // "IndexItemKey%d"

// The language key of what makes an action name unstorable, or empty.
wxString KeyActionNameProblem(const wxString& name);

// General remote: the codes of the keys in use.
bool WriteKeyCodeItems(const CProjectFile& file, const stKeypadShape& shape, const CKeySlotTable& slots);
// The stored codes go to the keys in use in cell order; the other slots keep
// theirs. Returns how many were read.
int ReadKeyCodeItems(const CProjectFile& file, const stKeypadShape& shape, CKeySlotTable& slots);

// The keypad whose keys in use the stored codes were numbered over: the
// loaded keypad with the key lines in use that the file states ("IOCount", or
// "IOColCount" and "IORowCount", the VSS row included); the loaded keypad as
// it is where the file states none.
stKeypadShape StoredKeypadShape(const CProjectFile& file, const stKeypadShape& loaded);

// A stored code whose key the loaded keypad does not use: the key's number
// among the stored keys in use (the "S%d" of the key-command table) and its code.
struct stDroppedKeyCode {
  int key = 0;
  std::int32_t code = kNoKeyCode;
};
struct stKeyCodeLoad {
  int read = 0;  // stored keys read, with or without a code
  std::vector<stDroppedKeyCode> dropped;
};
// The codes stored for the keys in use of `stored` go to the same keys (row
// and column) of `loaded`; the other slots keep theirs. A code whose key
// `loaded` does not use is dropped and reported.
stKeyCodeLoad ReadKeyCodeItems(const CProjectFile& file, const stKeypadShape& stored,
                               const stKeypadShape& loaded, CKeySlotTable& slots);
// The dropped codes as "S<key>: <code>H", joined by ", ".
wxString DroppedKeyCodesText(const std::vector<stDroppedKeyCode>& dropped);

// LCD remote: one key in use.
struct stKeyActionItem {
  wxString actions;  // the action list
  int functionIndex = -1;
  int userFunctionNumber = -1;
};
bool WriteKeyActionItems(const CProjectFile& file, const std::vector<stKeyActionItem>& keys);
// The action lists of `count` keys in use (empty for keys the file lacks).
std::vector<wxString> ReadKeyActionItems(const CProjectFile& file, int count);
// The function references of `count` keys in use, read from the last group's
// "IndexItemKey%d" (each group's value holds every key up to its end); keys
// the file lacks keep -1 in both fields.
std::vector<stKeyActionItem> ReadKeyActionIndexes(const CProjectFile& file, int count);

struct stTouchButtonItem {
  bool inUse = false;
  wxString value;
  wxString actions;
};
bool WriteTouchButtons(const CProjectFile& file, const std::vector<stTouchButtonItem>& keys,
                       bool highSensitivity);
// The eight touch keys' stored value and action list ("inUse" is left false).
std::vector<stTouchButtonItem> ReadTouchButtons(const CProjectFile& file);

// The fields of a list joined by sep, empty fields kept; an empty text has none.
std::vector<wxString> SplitKeyFields(const wxString& text, wxChar sep);
