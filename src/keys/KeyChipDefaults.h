// The chip's key and LED rules of the key set-up: the development-board
// wiring of a package (chip ini), the LED pin choices and the
// development-board mode of package "20SSOP".
#pragma once

#include "keys/PinRules.h"

#include <wx/string.h>

#include <vector>

// The development-board wiring of the chip ini's package section: "Count",
// "%d" per line cell, "Step_LEDCHK"/"Matrix_LEDCHK",
// "Step_LED_IO"/"Matrix_LED_IO" and "ROW_VSS". A missing file, section or
// key reads as empty or 0.
struct stChipKeyDefaults {
  int count = 0;
  std::vector<wxString> cellPins;  // one per line cell, "" = empty cell
  bool ledEnabled = false;
  wxString ledPin;
  bool rowVss = false;
  // Matrix: pins in use (the row count includes the VSS row).
  int columnPins = 0;
  int rowPins = 0;
};

// Step keypad: cells below Count take their pins. Matrix of columnCells and
// rowCells (line cells = columnCells + rowCells): min(Count, 8) columns take
// "%d" j; the k-th row cell takes "%d" (cells - 1 - k) while k is below the
// row pin count (1 up to Count 8, else Count - 7).
stChipKeyDefaults ReadChipKeyDefaults(const wxString& chipIni, const wxString& package, bool matrix,
                                      int columnOrStepCells, int rowCells);

// The pins the LED must avoid on this chip, in table order.
std::vector<wxString> ReservedLedPins(const stPinOptions& options);

// The LED choices: the package's pins without the used key pins (on a step
// keypad of a general remote the first used pin stays) and without the
// reserved pins.
std::vector<wxString> LedPinChoices(const std::vector<wxString>& packagePins,
                                    const std::vector<wxString>& usedKeyPins, bool generalStep,
                                    const stPinOptions& options);

// What becomes of the selected LED pin when the choices are rebuilt.
struct stLedReselect {
  wxString selected;    // the pin to select, "" for none
  wxString messageKey;  // the notice to show, "" for none
  bool clearLedPin = false;
};
stLedReselect ReselectLedPin(const std::vector<wxString>& choices, const wxString& previous, bool ledTicked,
                             bool packageChanged, bool backlight);

// The mode controls show on a general remote with package "20SSOP", except on
// QK21B0510 and QK21C0510.
bool DevBoardModeOffered(bool general, const wxString& package, const wxString& mcu);
// The development-board guard applies in development-board mode (1) on
// "20SSOP" in a general remote.
bool DevBoardGuardApplies(int keyMode, const wxString& package, bool general);
