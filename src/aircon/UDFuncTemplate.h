// The source piece of one user-defined function: the protocol's template
// for it ("Sta_" for the LCD standard framework, "Sim_" for the others,
// followed by [FileName] "Name3" of the definition file, in the install's
// Template folder) with its tokens filled from the function's record and its
// place in the send orders. Tokens other than the eight below stay for the
// template writer.
#pragma once

#include "core/FuncRecords.h"

#include <wx/string.h>

#include <cstdint>
#include <functional>
#include <optional>

namespace aircon {

// What the expansion reads of the data-format page.
struct stUDFuncTemplateSource {
  int index = 0;          // the function's index in the user-defined list
  int frameworkKind = 0;  // ProjectKinds.h
  wxString templateFolder;
  wxString definitionFile;  // the protocol's setting.ini
  // The function's record; null gives a new record's values.
  const stFuncRecord* record = nullptr;
  bool hasGroup2 = false;  // the second send order exists
  // The function's array position in send order 0 (group 1) or 1 (group 2);
  // nullopt when it does not stand there.
  std::function<std::optional<int>(int group)> sendPosition;
};

// The template's path: empty when the definition file names no template.
wxString UDFuncTemplatePath(const wxString& templateFolder, const wxString& definitionFile,
                            int frameworkKind);

// ModeSelect as "0b" and its binary digits, at least eight ("0b00000101").
wxString ModeBinaryText(std::uint16_t modeSelect);

// The template with, on each line, every occurrence of the first of these
// tokens that the line holds replaced: $Index$, $GroupIndex$ (a line the
// other frameworks drop whole), $ArrayIndex$, $Name$ ("*<index>*", which the
// generator later replaces by the function's name), $Gear$, $Mode$,
// $ZeroShow$, $CloseShow$. Empty when the template cannot be read.
wxString ExpandUDFuncTemplate(const stUDFuncTemplateSource& source);

}  // namespace aircon
