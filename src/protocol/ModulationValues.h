// The carrier and bit-timing page's values without a window: what its
// controls hold, and how that goes to the project's [Custom] section, into
// the document and the macro table, and is checked before the page is left.
// Every walk follows the definition list (kDefinitionIds) and ends at the
// first definition without "Name".
#pragma once

#include "core/DocManage.h"
#include "protocol/ModulationModel.h"

#include <cstdint>
#include <functional>
#include <map>

class CProjectFile;

namespace modulation {

// A labelled input as the page shows it.
struct stInputValue {
  wxString text;
  bool active = true;  // shown and enabled: only an active input is checked
};

// What the page's controls hold.
struct stPageValues {
  std::map<int, stInputValue> inputs;  // the labelled inputs by control id
  std::map<int, bool> checks;          // check boxes and radios by control id
  wxString bootLength;                 // the boot data length beside its input
  bool dutySelected = false;
  wxString duty;                // the selected duty item's label
  std::uint32_t dutyValue = 0;  // and its value
  bool markFirst = true;        // bit 0 starts with its mark

  // The input's text; empty for an id the page does not have.
  wxString Text(int controlId) const;
  bool Checked(int controlId) const;
};

// A control of the definition list as [Custom] and the macros take it.
stParamValue ValueOf(const stPageValues& values, int controlId);

// Reads [Custom] into the document: each definition's "Name" key, an empty or
// missing value skipped. False when the walk ended at a definition without
// "Name" (the values read before stay).
bool LoadCustomSection(const CProjectFile& file, const CParamDefinitions& definitions, CDocManage& doc);
// Writes each control's value under its definition's "Name": texts as they
// stand, checks "1" / "0". False when a write fails.
bool SaveCustomSection(const CProjectFile& file, const CParamDefinitions& definitions,
                       const stPageValues& values);

// The page's values into the document.
void StorePageValues(const stPageValues& values, CDocManage& doc);

// Adds each definition's macro to the table.
void FillMacroTable(const CParamDefinitions& definitions, const stPageValues& values, CStringMap& table);

// The bit-0 / bit-1 rule of the page's times; kIncomplete (nothing to say)
// outside PDM.
BitRule PageBitRule(const stPageValues& values);

// Why the page may not be left; the first problem found.
struct stPageCheck {
  enum Problem { kNone, kNoDuty, kNoDefinition, kBadInput, kBadBitTimes };
  Problem problem = kNone;
  int inputId = 0;          // kBadInput: the refused input
  bool inputEmpty = false;  // kBadInput: refused for being empty
  BitRule bitRule = BitRule::kIncomplete;
};
// The duty first, then every definition in order: one that cannot be read,
// or an active input that is empty or out of range (inRange, the input's own
// check, is asked only of an active input with text), then the bit rule.
stPageCheck CheckPage(const CParamDefinitions& definitions, const stPageValues& values,
                      const std::function<bool(int controlId)>& inRange);

}  // namespace modulation
