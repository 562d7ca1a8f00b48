// Decoded keys to the project, without a window: the air-conditioner key
// values as [KeyConfig] "KeyValueCount" and "Item%d", and the grid rows of a
// general import as key values.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class CDocManage;
class CProjectFile;

namespace decode {

// The "Item%d" texts of the air key values: eight "%s-%s" to an item, joined
// by ","; both texts escaped so that the key page's reader splits them back.
std::vector<wxString> AirKeyItems(const CDocManage& doc);
// Writes "KeyValueCount" and the items into [KeyConfig]; false when a write failed.
bool WriteAirKeyItems(const CProjectFile& file, const CDocManage& doc);

// A grid row of the general import: code column and illustration.
using GridRow = std::pair<wxString, wxString>;

// Asked once, at the first code that does not fit the command bits (when
// there are any): true stores such codes cut, false as entered.
using CutQuestion = std::function<bool()>;

// The first row whose code column holds text that is not a whole number as
// the key page reads codes (ReadWholeNumber: decimal, or hexadecimal with
// "0x" or "H"); nullopt when every code can be read. Empty codes are skipped.
std::optional<std::size_t> FindUnreadableCode(const std::vector<GridRow>& rows);

// Replaces the document's key values by the rows whose code column is not
// empty, in order, each code cut to 16 bits. False, with nothing changed,
// when a code cannot be read (FindUnreadableCode).
bool ImportGeneralRows(CDocManage& doc, const std::vector<GridRow>& rows, const CutQuestion& askCut);

// Replaces the document's air key values by the rows that hold a frame text.
void ImportAirRows(CDocManage& doc, const std::vector<GridRow>& rows);

}  // namespace decode
