#include "lcd/SegmentPins.h"

#include "core/ChipModel.h"

#include <wx/tokenzr.h>

#include <algorithm>

namespace segpins {

namespace {

void AppendOnce(std::vector<wxString>& list, const wxString& name) {
  if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(name);
}

// The first name of the list that a pin's NameOutKey matches; -1 when none.
int FirstMatch(const std::vector<wxString>& names, const wxString& outKey) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (MatchesTakenName(outKey, names[i])) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

bool IsSegmentPin(const wxString& nameOutKey) {
  if (!nameOutKey.Contains("SEG") || nameOutKey.Contains("REM")) return false;
  for (const char* com : {"COM0", "COM1", "COM2", "COM3"}) {
    if (nameOutKey.Contains(com)) return false;
  }
  return true;
}

wxString TakenNameOf(const wxString& nameOutKey) {
  wxString name = nameOutKey.BeforeFirst('/');
  return name.Trim(true).Trim(false);
}

bool MatchesTakenName(const wxString& nameOutKey, const wxString& name) {
  if (name.empty()) return false;
  wxStringTokenizer parts(nameOutKey, "/", wxTOKEN_RET_EMPTY_ALL);
  while (parts.HasMoreTokens()) {
    wxString part = parts.GetNextToken();
    if (part.Trim(true).Trim(false) == name) return true;
  }
  return false;
}

PinKeys PinKeysOf(const CPackage& package) {
  PinKeys keys;
  for (int pin = 0; pin < package.GetPinCount(); ++pin) {
    wxString onIc, outKey;
    package.GetPinNames(pin, onIc, outKey);
    keys.push_back(outKey);
  }
  return keys;
}

std::vector<wxString> CollectTakenSegments(const PinKeys& pins, const std::function<bool(int)>& isAvailable) {
  std::vector<wxString> taken;
  for (std::size_t pin = 0; pin < pins.size(); ++pin) {
    if (IsSegmentPin(pins[pin]) && !isAvailable(static_cast<int>(pin)))
      AppendOnce(taken, TakenNameOf(pins[pin]));
  }
  return taken;
}

std::vector<wxString> FindMissingSegments(const PinKeys& pins, const std::vector<wxString>& taken) {
  std::vector<wxString> missing;
  for (const wxString& name : taken) AppendOnce(missing, name);
  for (const wxString& outKey : pins) {
    if (missing.empty()) break;
    if (!IsSegmentPin(outKey)) continue;
    const int match = FirstMatch(missing, outKey);
    if (match >= 0) missing.erase(missing.begin() + match);
  }
  return missing;
}

stPinPlacement PlaceTakenSegments(const PinKeys& pins, const std::vector<wxString>& taken) {
  stPinPlacement placement;
  const int count = static_cast<int>(pins.size());
  placement.states.assign(static_cast<std::size_t>(count), PinState::kOther);
  placement.takenBy.assign(static_cast<std::size_t>(count), wxString());
  std::vector<wxString> working;
  for (const wxString& name : taken) AppendOnce(working, name);
  for (int pin = 0; pin < count; ++pin) {
    const wxString& outKey = pins[static_cast<std::size_t>(pin)];
    if (!IsSegmentPin(outKey)) continue;
    const std::size_t at = static_cast<std::size_t>(pin);
    placement.states[at] = PinState::kFree;
    const int match = FirstMatch(working, outKey);
    if (match < 0) continue;
    placement.states[at] = PinState::kTaken;
    placement.takenBy[at] = working[static_cast<std::size_t>(match)];
    working.erase(working.begin() + match);
  }
  placement.unplaced = working;
  return placement;
}

}  // namespace segpins
