// What the general data-format page generates: the macros of the
// user-defined protocol's include file, the include file expanded from its
// "GenUEF_" template and the SEND_BITS table, all into the work folder.
#pragma once

#include "core/DocManage.h"

#include <wx/string.h>

#include <cstdint>
#include <string>
#include <vector>

namespace olv::protocol {

// A data field of the first frame: the item of a kind-1 place, in frame order.
struct stDataField {
  wxString text;  // the item's window text
  bool complement = false;
};

// The macro value of an input of the definition-to-control list, "" when the
// input makes no macro (mask 0 or missing). Hexadecimal inputs (the address
// and the constant-code values) read their text as hexadecimal and give the
// assembler's form "<hex>H"; the others give the decimal number.
wxString InputMacroValue(const wxString& text, bool hexadecimal, std::uint32_t mask);
// The macro value of a check box, radio button or drop-down list (which
// answers as not checked): "1"/"0" without a mask, else the masked number.
wxString CheckMacroValue(bool checked, bool hasMask, std::uint32_t mask);

// The type of a data field: 0 for the command, n for constant code n; any
// other text gives its last character.
wxString DataFieldType(const wxString& text);
// "DATA%d", "DATA%d_TYPE", "DATA%d_Complement" for each field and "TOTAL_BYTES".
void AddDataFieldMacros(CStringMap& macros, const std::vector<stDataField>& fields);

// The document parameter that backs a block by its name: 24..27 for
// "CONST_CODE1".."CONST_CODE4", 16 for "COMMAND" (tested in that order), -1
// for any other name.
int BlockParamIndex(const wxString& name);
// The bit count of a data field as a number; -1 when its parameter is empty
// or the field names none.
int DataFieldBits(const CDocManage& doc, const wxString& text);

// "03F8H" for the chip QK21A0510 (any case), else "03E8H".
wxString SendBitsSectionAddress(const wxString& mcuName);
// The SEND_BITS table: up to five data lines, ending before the first field
// without a bit count. Lines end with CR LF; counts are assembler hexadecimal.
std::string SendBitsTable(const CDocManage& doc, const std::vector<stDataField>& fields);
// Replaces the file with the table; false when it cannot be written.
bool WriteSendBitsTable(const wxString& path, const CDocManage& doc, const std::vector<stDataField>& fields);

// "GenUEF_" + the include name with ".inc" replaced by ".temp", in the template folder.
wxString IncludeTemplatePath(const wxString& templateFolder, const wxString& includeName);

enum class UserDefOutcome {
  Written,
  NamesMissing,    // [FileName] "Name" or "Name1" is empty: nothing was written
  WorkFolder,      // the work folder could not be made
  IncludeFailed,   // the template could not be read or the include file written
  SendBitsFailed,  // the SEND_BITS file could not be written
};
struct stUserDefResult {
  UserDefOutcome outcome = UserDefOutcome::Written;
  wxString includePath;
  wxString sendBitsPath;
  wxString message;  // for the user, in the current language; empty after success
};
// Writes the include file from its template (the macro table already filled)
// and the SEND_BITS table into the document's work folder (made when it has
// none). Both names are checked before anything is written.
stUserDefResult WriteUserDefFiles(CDocManage& doc, const wxString& templateFolder,
                                  const wxString& includeName, const wxString& sendBitsName,
                                  const std::vector<stDataField>& fields);

}  // namespace olv::protocol
