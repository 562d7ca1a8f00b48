// Pin names and the key-pin list: the pins of a keypad joined by ",". A step
// keypad lists its IO pins in key order; a matrix keypad lists its column
// pins, one empty entry, then its row pins ("PA0,PA1,,PB0,PB1").
#pragma once

#include <wx/string.h>

#include <vector>

// Pin names compare whole and without regard to case: "pa1" is "PA1", but
// "PA1" never matches "PA10".
bool SamePin(const wxString& a, const wxString& b);
bool ContainsPin(const std::vector<wxString>& pins, const wxString& pin);
// Removes every entry naming pin; true when one was there.
bool RemovePinFrom(std::vector<wxString>& pins, const wxString& pin);

// The entries of a comma-separated list, each trimmed, empty ones kept; an
// empty text has none.
std::vector<wxString> SplitPinList(const wxString& text);
wxString JoinPinList(const std::vector<wxString>& pins);

// The pin of a list entry that may carry more after its name ("PB3 (IR)"):
// the leading letters, digits and underscores.
wxString PinOfEntry(const wxString& entry);

enum KeypadType { kKeypadStep = 0, kKeypadMatrix = 1 };

// A key-pin list taken apart: the IO pins of a step keypad, or the columns
// and rows of a matrix (the first empty entry switches to the rows).
struct stKeyPinList {
  std::vector<wxString> io;
  std::vector<wxString> columns;
  std::vector<wxString> rows;
};
stKeyPinList ParseKeyPinList(const wxString& text, int keypad);
wxString FormatKeyPinList(const stKeyPinList& list, int keypad);

// The key-line counts a project file states for its list.
struct stKeyLineCounts {
  int io = 0;
  int columns = 0;
  int rows = 0;  // the VSS line included
};

// Whether the list holds as many lines as counts says; with the VSS line on,
// a matrix lists one row fewer than its row count.
bool KeyPinListMatches(const stKeyPinList& list, int keypad, const stKeyLineCounts& counts, bool vssLine);

// The sizes the key lines get for a loaded list: the VSS line adds a row; a
// step keypad of an LCD remote without the VSS line shows one line fewer.
stKeyLineCounts KeypadSizeFor(const stKeyPinList& list, int keypad, bool vssLine, bool lcdRemote);
