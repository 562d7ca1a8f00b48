// The key pin rules: which pins a chip's crystal and LCD options take from
// the keys, the pins the LCD reserves, the REM pin candidates of an LCD
// standard remote, the chip's default IR driver and the key-line limits.
#pragma once

#include "keys/KeyLineSet.h"
#include "keys/PinPickerModel.h"

#include <wx/string.h>

#include <functional>
#include <vector>

// The pin options of a project (document fields) the rules follow.
struct stPinOptions {
  wxString mcu;
  int crystalOption = 0;
  int lcdOption = 0;
};

enum class ChipRuleScope {
  Marking,  // the crystal rules and the LCD rule of QK37A0660 only
  All,      // every rule, crystal rules first
};

// The pins the chip's rules take from the keys, in rule order.
std::vector<wxString> ChipRulePins(const stPinOptions& options, ChipRuleScope scope);

// The key-line limit of a keypad: 8 with the touch chip; 16 step or 8 matrix
// in a general remote; 6 in an LCD standard remote or with a step keypad of
// an LCD remote; 3 for a matrix of an LCD simple remote.
int KeyLineLimit(bool touchChip, int remoteType, int keypad);

// "QK37B0640", any case.
bool IsTouchChip(const wxString& mcu);

// Progress of the pin refresh at pin index of count: 10 + index * (90 / count).
int PinRefreshProgress(int index, int count);

// The chip ini's "IR_Driver" of the package's section reads "REMDRV" (any case).
bool ChipDriverIsRemdrv(const wxString& chipIni, const wxString& package);

// KeyConfig.ini [REM] "<MCU>_<package>": the candidates of the REM pin.
std::vector<wxString> ReadRemCandidates(const wxString& keyConfigIni, const wxString& mcu,
                                        const wxString& package);
// The candidates that are neither key pins, nor the LED pin, nor LCD pins
// (pin names compared whole, any case), in list order.
std::vector<wxString> OfferedRemPins(const std::vector<wxString>& candidates,
                                     const std::vector<wxString>& keyPins, const wxString& ledPin,
                                     const std::vector<wxString>& lcdPins);
// The entry to select: the first when reset or when stored names none of
// them; -1 for an empty list.
int ChooseRemPin(const std::vector<wxString>& offered, const wxString& stored, bool reset);

// The pin views of the key page: the key lines, the pin picker and the page's
// reserved-pin list, kept consistent by the rules.
class CKeyPinRules {
 public:
  CKeyPinRules(CKeyLineSet& lines, CPinPickerModel& picker) : m_lines(lines), m_picker(picker) {}

  // Puts the project's key-pin list on the key lines and takes its pins in
  // the picker (a pin on a line cannot be dragged again), then re-applies the
  // package. Unless noCheck, the list must
  // match counts; false when it does not (the lines keep the list).
  bool LoadKeyPins(const wxString& list, const stKeyLineCounts& counts, bool vssLine, const wxString& package,
                   bool noCheck);

  // Gives the key-line pins back to the picker (before the lines are set up
  // anew), except those a marking rule of the chip takes.
  void MarkKeyPins(const stPinOptions& options);
  // The pin leaves the key lines and is taken in the picker.
  void ReleasePin(const wxString& pin);

  // Rebuilds the reserved-pin list from the LCD's pins and sets every picker
  // pin by the LCD, the key lines and the package, then applies every chip
  // rule. progress gets the percentage after each pin.
  void RefreshPinAvailability(const stPinOptions& options, const std::vector<wxString>& lcdPins,
                              const wxString& package, const std::function<void(int)>& progress = {});

  // What the LED pin must avoid: the key-line pins and then the reserved
  // pins. With firstKeyPinFree (a general remote's step keypad, whose first
  // key line may carry the LED) the first key-line pin is left out.
  std::vector<wxString> PinsToAvoid(bool firstKeyPinFree) const;
  const std::vector<wxString>& Reserved() const { return m_reserved; }

 private:
  void TakeFromKeys(const wxString& pin);

  CKeyLineSet& m_lines;
  CPinPickerModel& m_picker;
  std::vector<wxString> m_reserved;
};
