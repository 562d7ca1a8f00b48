// The key lines of a keypad and the pins on them: the IO lines of a step
// keypad, or the column and row lines of a matrix. Line numbers run over the
// IO lines (step), or over the columns first and then the rows, the first row
// line being the line limit (matrix).
#pragma once

#include "keys/KeyPins.h"

#include <wx/string.h>

#include <vector>

class CKeyLineSet {
 public:
  // Empties every line and sets the keypad and its line limit (IO lines, or
  // columns and rows each).
  void Setup(int keypad, int lineLimit);

  int Keypad() const { return m_keypad; }
  int LineLimit() const { return m_limit; }
  int LineCount() const { return static_cast<int>(m_lines.size()); }
  int FirstRowLine() const { return m_keypad == kKeypadMatrix ? m_limit : -1; }
  bool IsRowLine(int line) const { return m_keypad == kKeypadMatrix && line >= m_limit; }

  // The pin on a line; empty for a free or unknown line.
  wxString PinAt(int line) const;
  // Puts pin on line whatever it held; false for a line outside the set.
  bool PutPin(int line, const wxString& pin);
  // A dropped pin: taken only by a free line of the set when no line holds
  // the pin yet. Nothing changes when it is refused.
  bool DropPin(int line, const wxString& pin);
  // Clears every line that holds pin; true when one did.
  bool RemovePin(const wxString& pin);
  bool ClearLine(int line);
  bool UsesPin(const wxString& pin) const;
  // The pins on the lines, in line order, free lines left out.
  std::vector<wxString> PinsInUse() const;

  // The list the project keeps: the used lines up to the last one holding a
  // pin (free lines between stay as empty entries).
  stKeyPinList PinList() const;
  // Puts a loaded list on the lines (entries beyond the limit are dropped).
  void LoadPinList(const stKeyPinList& list);
  stKeyLineCounts CountsInUse() const;

 private:
  int m_keypad = kKeypadStep;
  int m_limit = 0;
  std::vector<wxString> m_lines;
};
