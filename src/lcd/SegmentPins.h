// Which pins of a package can drive LCD segments, and the segment pins the
// LCD has taken, without the chip picture. Pins are named by the part of
// their NameOutKey before the first "/" ("PC4" of "PC4/SEG0"); a taken name
// goes back onto a pin only where it equals a whole "/"-part of the pin's
// NameOutKey, so "SEG1" never takes "SEG12".
#pragma once

#include <wx/string.h>

#include <functional>
#include <vector>

class CPackage;

namespace segpins {

// NameOutKey holds "SEG" and none of "REM", "COM0".."COM3" (case-sensitive parts of the text).
bool IsSegmentPin(const wxString& nameOutKey);
// The name a taken pin is kept by: NameOutKey up to its first "/", trimmed.
wxString TakenNameOf(const wxString& nameOutKey);
// The name equals one "/"-part of NameOutKey.
bool MatchesTakenName(const wxString& nameOutKey, const wxString& name);

// A package's pins by their NameOutKey (empty where no pin is defined).
using PinKeys = std::vector<wxString>;
PinKeys PinKeysOf(const CPackage& package);

// The names of the segment pins that are taken (not available).
std::vector<wxString> CollectTakenSegments(const PinKeys& pins,
                                           const std::function<bool(int pin)>& isAvailable);
// The taken names no segment pin matches, each once (all of them for no pins).
std::vector<wxString> FindMissingSegments(const PinKeys& pins, const std::vector<wxString>& taken);

enum class PinState { kOther, kFree, kTaken };

// The taken names laid onto a package: each segment pin free, or taken by
// the first name still unplaced that matches it.
struct stPinPlacement {
  std::vector<PinState> states;    // by pin
  std::vector<wxString> takenBy;   // by pin: the name that took it
  std::vector<wxString> unplaced;  // taken names without a pin, each once
};
stPinPlacement PlaceTakenSegments(const PinKeys& pins, const std::vector<wxString>& taken);

}  // namespace segpins
