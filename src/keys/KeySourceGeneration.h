// The key sources of a general remote's firmware, generated into the
// document's work folder: "Table.ASM" (the key-command table),
// "Key_Mapping.inc" and "Driving.inc" (from the templates Key_Mapping.temp and
// Driving.temp of the install's Template folder, expanded with the macro table).
//
// GenerateGeneralKeySources is the whole step: the key set-up checks, the
// saved keys taken from the grid, the table, the key mapping macros and both
// templates. Every refusal or failure has shown its message when it returns;
// the result names the file that could not be made. Files that earlier pages
// wrote into the work folder stay: it is made only when the document has none.
#pragma once

#include "core/DocManage.h"
#include "keys/KeyCommandTable.h"
#include "keys/KeyLineSet.h"

#include <wx/string.h>

#include <functional>
#include <vector>

// The key-set dialog's LED box: 0 unchecked, 1 checked, 2 the third state.
struct stKeyLedChoice {
  int check = 0;
  wxString pin;  // the LED pin combo's selection, empty for none
};

// One row of the saved-key grid: the code as typed and the key's text.
struct stSavedKeyRow {
  wxString codeText;
  wxString text;
};

struct stGeneralKeySources {
  // The key lines slot by slot (step: IO lines; matrix: columns, then rows).
  const CKeyLineSet* lines = nullptr;
  // The touch-key chip: its touch keys are checked in place of the lines.
  bool touch = false;
  // The touch keys' check (every key in use has its pin and a threshold):
  // false after its message.
  std::function<bool()> checkTouchKeys;
  stKeyLedChoice led;
  // The key panel's cells and their codes (commandBits and mcu are taken
  // from the document).
  stKeypadShape shape;
  const CKeySlotTable::Slots* slots = nullptr;
  // When set, writes the table in place of shape and slots (the key panel's
  // own writer): false after its message.
  std::function<bool(const wxString& path, const KeyNameMap& names)> writeTable;
  // The saved-key grid's rows; null keeps the document's saved keys.
  const std::vector<stSavedKeyRow>* savedKeyRows = nullptr;
};

struct stKeyGenerationResult {
  enum Kind { kGenerated, kRefused, kTableFailed, kTemplateFailed, kNoWorkFolder };
  Kind kind = kGenerated;
  wxString file;     // the file that could not be made (full path)
  wxString message;  // what was shown for it
  explicit operator bool() const { return kind == kGenerated; }
};

// The generated file names.
constexpr const char* kKeyTableFile = "Table.ASM";
constexpr const char* kKeyMappingFile = "Key_Mapping.inc";
constexpr const char* kDrivingFile = "Driving.inc";

// The whole key-source step of a general remote, templates read from
// templateFolder.
stKeyGenerationResult GenerateGeneralKeySources(CDocManage& doc, const stGeneralKeySources& input,
                                                const wxString& templateFolder);

// The key set-up checks, each showing its message: the touch keys (touch
// chip) or the key lines (step) or columns and rows (matrix; the VSS row
// counts as a row), then an LED pin when the LED box is checked.
bool CheckGeneralKeySetup(const CDocManage& doc, const stGeneralKeySources& input);

// The rows of a matrix in use, the VSS row counted; 0 for a step keypad.
int MatrixRowsInUse(const CDocManage& doc, const CKeyLineSet& lines);

// Empties the document's saved keys and fills them from the grid rows (rows
// with an empty code are skipped; "0X"/"H" hexadecimal, else decimal); the map
// holds each code byte's last text.
KeyNameMap CollectKeyCodes(CDocManage& doc, const std::vector<stSavedKeyRow>& rows);

// The key pin lines, pin-name form: step "#define KEY%d %s" / "#define KEY%dC %s"
// for the lines up to the last one holding a pin (a free line before it keeps
// its number and an empty name; the lines after it are not defined); matrix
// "#define COL%d %s", rows "#define ROW%d %s" / "#define ROW%dC %s" for lines
// with a pin. None when no line holds a pin (the touch chip).
struct stKeyPinLines {
  std::vector<wxString> pins;
  std::vector<wxString> controls;
};
stKeyPinLines KeyMappingPinLines(const CKeyLineSet& lines);

// "IOReg", "IORegC", "KEYPAD_TYPE", "ROW_SCAN_LINE", "ROWVSS", "LED_DRV",
// "LED_IO", "LED_IO_C" and "REM_HL". The LED pin macros are removed when the
// LED box is unchecked or has no pin, so no earlier run's pin lingers.
void WriteKeyMappingDefines(CStringMap& macros, const CDocManage& doc, const stGeneralKeySources& input);

// The pin name with `insert` put at position 2 (the control register's bit).
wxString ControlPinName(const wxString& pin, const wxString& insert);

// The template name of a generated file: ".inc" replaced by ".temp".
wxString KeyTemplateName(const wxString& outputName);
