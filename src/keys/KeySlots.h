// The key-code table of the key panel: one code per key cell in cell order,
// kNoKeyCode where none is set, and the rules of how long a code lives.
#pragma once

#include "keys/KeyCells.h"

#include <wx/string.h>

#include <array>
#include <cstdint>

class CKeySlotTable {
 public:
  using Slots = std::array<std::int32_t, kKeySlotCount>;

  CKeySlotTable() { Clear(); }

  std::int32_t Get(int slot) const;
  // False (nothing changed) for a slot outside the table.
  bool Set(int slot, std::int32_t code);
  void Clear();
  const Slots& All() const { return m_slots; }

  // The text the code editor commits: empty is no code, anything else is
  // read as hexadecimal.
  static std::int32_t ParseEditorText(const wxString& text);
  // What the code editor shows for a slot: "%x", or empty for no code.
  static wxString EditorText(std::int32_t code);

  // Every slot of a cell outside the area in use loses its code.
  void TrimOutside(const stKeypadShape& shape);
  // The VSS row of a matrix of `columns` columns switched on (codes move one
  // row towards the end, the first row empties, codes pushed past the table
  // are dropped) or off (they move back, the last row empties).
  void ShiftForVssRow(bool on, int columns);

 private:
  Slots m_slots;
};

// The largest code a key of the key-command table can hold for a command of
// `commandBits` bits: each entry is one byte, so never more than 0xFF.
std::uint32_t MaxKeyCode(int commandBits);
// The code does not fit the command's bit count (an empty slot always fits).
bool KeyCodeTooWide(std::int32_t code, int commandBits);
