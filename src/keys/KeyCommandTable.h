// The key-command table of a general remote's firmware: "Table.ASM", the
// assembly table KEY_COMMAND_TABLE that maps a scanned key to its command
// code, one byte per key position.
//
// Entries: the key cells in use, in cell order, each its slot's code (0 for
// an empty slot) and the name the map gives that code byte; then code 0 with
// no name up to the table length (stKeypadShape::TableLength). Eight entries
// make a row of two lines, a name line "; \t<n>:<name>  |  ..." and a data
// line "DC\t<code>H,      ..."; a last, shorter row names itself with "//\t".
// The rows stand between the PROC and ENDP lines of a section at 0360H
// (QK21B0510, QK21C0510) or 0370H (every other chip). UTF-8, LF line ends.
#pragma once

#include "keys/KeySlots.h"

#include <wx/string.h>

#include <cstdint>
#include <map>
#include <vector>

class CDocManage;

// Function names by the command's code byte.
using KeyNameMap = std::map<std::uint8_t, wxString>;
// The names of the document's saved key values, each under its code's low
// byte; a later record with the same byte replaces an earlier one.
KeyNameMap KeyNamesOf(const CDocManage& doc);

struct stKeyTableInput {
  stKeypadShape shape;
  const CKeySlotTable::Slots* slots = nullptr;
  int commandBits = 8;
  wxString mcu;
};

struct stKeyTableEntry {
  std::uint8_t code = 0;
  wxString name;
};

// Why a table could not be made.
struct stKeyTableFailure {
  enum Kind { kNone, kCodeTooWide, kCannotCreate } kind = kNone;
  int cell = -1;            // the cell whose code does not fit
  int keyNumber = -1;       // its number among the keys in use (its label S<n>)
  std::uint32_t code = 0;   // its code
  std::uint32_t limit = 0;  // the largest code that fits
};

// The entries; false (failure filled) when a code in use does not fit.
bool CollectKeyTableEntries(const stKeyTableInput& input, const KeyNameMap& names,
                            std::vector<stKeyTableEntry>& entries, stKeyTableFailure& failure);
// One row's body: its data codes (mode 0) or its names (mode 1).
wxString FormatTableRow(const std::vector<stKeyTableEntry>& entries, std::size_t first, std::size_t count,
                        int mode);
// The whole file text.
wxString FormatKeyCommandTable(const std::vector<stKeyTableEntry>& entries, const wxString& mcu);

// Writes the file; false when a code does not fit or the file cannot be
// written (nothing is left at path then).
bool WriteKeyCommandTableFile(const wxString& path, const stKeyTableInput& input, const KeyNameMap& names,
                              stKeyTableFailure& failure);
// The same, showing what went wrong: "IDS_KEY_CODE_TOO_WIDE" (the key, its
// code and the limit) or "IDS_CREATE_TABLE_FAILED" (the path).
bool WriteKeyCommandTable(const wxString& path, const stKeyTableInput& input, const KeyNameMap& names);
// The message the output command follows a failed table with:
// "IDS_KEY_ERROR" formatted with the command's bit count.
void ShowKeyTableError(int commandBits);
