// The key configuration page's document side without its windows: the key
// lines and pin options the document keeps, the keypad switch, the REM pin
// list of an LCD standard remote, the saved key codes as the page lists them
// and the chips that change what the page offers.
#pragma once

#include "keys/KeyLineSet.h"
#include "keys/KeySourceGeneration.h"
#include "keys/PinRules.h"

#include <wx/string.h>

#include <vector>

class CDocManage;

// "<MCU>.ini" in the chip folder, found without regard to case.
wxString KeyChipIniPath(const wxString& icFolder, const wxString& mcu);

// The document's options the pin rules follow.
stPinOptions DocPinOptions(const CDocManage& doc);

// The key-line counts the document keeps (its row count as stored).
stKeyLineCounts DocKeyLineCounts(const CDocManage& doc);

// The key lines into the document: their gaps closed first, then the key-pin
// parameter and the counts in use; the VSS row counts as one more row.
void StoreKeyLines(CDocManage& doc, CKeyLineSet& lines);

// A new keypad: the VSS row is on only for an LCD remote's step keypad.
void SetDocKeypad(CDocManage& doc, int keypad);

// The REM pins offered and the one selected (-1 with none).
struct stRemPinList {
  std::vector<wxString> offered;
  int selection = -1;
};
// The candidates of "Custom/KeyConfig.ini" in protocolFolder for the
// document's chip and package, less the key pins, the LED pin and the LCD's
// pins; the stored REM pin is kept selected unless reset.
stRemPinList PlanRemPinList(const CDocManage& doc, const wxString& protocolFolder,
                            const std::vector<wxString>& keyPins, const wxString& ledPin, bool reset);
// The selected REM pin into the document (empty text without one).
void StoreRemPin(CDocManage& doc, const stRemPinList& list);

// The document's saved key codes as the page lists them: "0x%x" and text.
std::vector<stSavedKeyRow> DocSavedKeyRows(const CDocManage& doc);

// QK37A0660 drives with REMDRV: it offers no REM pin.
bool ChipOffersRemPin(const wxString& mcu);
// QK21B0510 and QK21C0510 (any case) show the key-pin tips.
bool ChipShowsKeyPinTips(const wxString& mcu);
