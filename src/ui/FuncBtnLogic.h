// The rules of a function button that need no window: reading its parameter
// index texts, evaluating its enable condition and filling the value formats
// of its "#define" lines.
#pragma once

#include <wx/string.h>

#include <functional>
#include <vector>

// Index text: runs of characters other than "p" and "m" are numbers; a run
// ended by "p" counts when it is not empty, a run ended by "m" or by the end
// of the text only when the letter before it was "p". "p1p2p3" gives 1, 2, 3;
// "p1m2" gives 1. Numbers read as ParseNumber reads them.
std::vector<int> ParseParamIndexes(const wxString& text);

// The project facts an enable condition asks about.
struct stEnableQueries {
  std::function<bool()> isTimeShowEnabled;
  std::function<bool(int number)> isInSendData;  // "P" terms
  std::function<bool(int number)> isReserveTwo;  // "T" terms
  std::function<int(int number)> getReserve;     // GetTimeFormat terms
};

struct stEnableOutcome {
  bool accepted = false;  // false: the condition could not be read; nothing changes
  bool enabled = false;
  bool constant = false;     // the condition was "0" or "1"
  std::vector<int> numbers;  // function numbers of the GetButtonEnable terms
};

// Evaluates "GetTimeEnable", "0", "1", or
// "GetButtonEnable(terms)[&|GetTimeFormat(values)]": terms are numbers, each
// after an optional "P" (in the send data) or "T" (reserve byte 2) that holds
// for the terms after it, joined by "&" and "|" and combined strictly left to
// right; each value is true when the reserve byte of the last term's number
// equals it, combined the same way; the two parts combine by the operator
// written before "GetTimeFormat".
stEnableOutcome EvaluateEnableCondition(const wxString& condition, const stEnableQueries& queries);

// format filled with values in order (missing ones empty; values past the
// format's conversions are left out), at most 1024 characters. A format
// whose conversions are not all "%s" comes back as it stands.
wxString FillValueFormat(const wxString& format, const std::vector<wxString>& values);

// "#define\t<name> <value>".
wxString MakeDefineLine(const wxString& name, const wxString& value);
