#include "lcd/SegmentPins.h"

#include "core/ChipModel.h"

#include <wx/tokenzr.h>

#include <algorithm>

namespace segpins {

namespace {

wxString OutKeyOf(const CPackage& package, int pin) {
  wxString onIc, outKey;
  package.GetPinNames(pin, onIc, outKey);
  return outKey;
}

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

std::vector<wxString> CollectTakenSegments(const CPackage& package,
                                           const std::function<bool(int)>& isAvailable) {
  std::vector<wxString> taken;
  for (int pin = 0; pin < package.GetPinCount(); ++pin) {
    const wxString outKey = OutKeyOf(package, pin);
    if (IsSegmentPin(outKey) && !isAvailable(pin)) AppendOnce(taken, TakenNameOf(outKey));
  }
  return taken;
}

std::vector<wxString> FindMissingSegments(const CPackage* package, const std::vector<wxString>& taken) {
  std::vector<wxString> missing;
  for (const wxString& name : taken) AppendOnce(missing, name);
  if (!package) return missing;
  for (int pin = 0; pin < package->GetPinCount() && !missing.empty(); ++pin) {
    const wxString outKey = OutKeyOf(*package, pin);
    if (!IsSegmentPin(outKey)) continue;
    const int match = FirstMatch(missing, outKey);
    if (match >= 0) missing.erase(missing.begin() + match);
  }
  return missing;
}

stPinPlacement PlaceTakenSegments(const CPackage& package, const std::vector<wxString>& taken) {
  stPinPlacement placement;
  const int count = package.GetPinCount();
  placement.states.assign(static_cast<std::size_t>(count), PinState::kOther);
  placement.takenBy.assign(static_cast<std::size_t>(count), wxString());
  std::vector<wxString> working;
  for (const wxString& name : taken) AppendOnce(working, name);
  for (int pin = 0; pin < count; ++pin) {
    const wxString outKey = OutKeyOf(package, pin);
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
