#include "keys/KeyChipDefaults.h"

#include "core/Numbers.h"
#include "keys/KeyPins.h"
#include "platform/Profile.h"

#include <algorithm>

namespace {

constexpr int kMaxDefaultColumns = 8;
const wxString kDevBoardPackage = "20SSOP";

int ReadNumber(const wxString& ini, const wxString& section, const wxString& key) {
  const wxString text = platform::ReadProfileString(ini, section, key, "");
  return text.empty() ? 0 : static_cast<int>(ParseNumber(text));
}

bool Contains(const std::vector<wxString>& pins, const wxString& pin) {
  return std::any_of(pins.begin(), pins.end(), [&](const wxString& p) { return p == pin; });
}

}  // namespace

stChipKeyDefaults ReadChipKeyDefaults(const wxString& chipIni, const wxString& package, bool matrix,
                                      int columnOrStepCells, int rowCells) {
  stChipKeyDefaults d;
  const auto pinOf = [&](int i) {
    return platform::ReadProfileString(chipIni, package, wxString::Format("%d", i), "");
  };
  d.count = std::max(0, ReadNumber(chipIni, package, "Count"));
  const wxString kind = matrix ? "Matrix" : "Step";
  d.ledEnabled = ReadNumber(chipIni, package, kind + "_LEDCHK") != 0;
  d.ledPin = platform::ReadProfileString(chipIni, package, kind + "_LED_IO", "");
  d.rowVss = ReadNumber(chipIni, package, "ROW_VSS") != 0;
  if (!matrix) {
    for (int i = 0; i < columnOrStepCells; ++i) d.cellPins.push_back(i < d.count ? pinOf(i) : wxString());
    return d;
  }
  d.columnPins = std::min(d.count, kMaxDefaultColumns);
  d.rowPins = d.count <= kMaxDefaultColumns ? 1 : d.count - (kMaxDefaultColumns - 1);
  const int cells = columnOrStepCells + rowCells;
  for (int j = 0; j < columnOrStepCells; ++j) d.cellPins.push_back(j < d.columnPins ? pinOf(j) : wxString());
  for (int k = 0; k < rowCells; ++k) d.cellPins.push_back(k < d.rowPins ? pinOf(cells - 1 - k) : wxString());
  return d;
}

std::vector<wxString> ReservedLedPins(const stPinOptions& options) {
  return ChipRulePins(options, ChipRuleScope::All);
}

std::vector<wxString> LedPinChoices(const std::vector<wxString>& packagePins,
                                    const std::vector<wxString>& usedKeyPins, bool generalStep,
                                    const stPinOptions& options) {
  const std::vector<wxString> reserved = ReservedLedPins(options);
  std::vector<wxString> choices;
  for (const wxString& pin : packagePins) {
    const auto used = std::find(usedKeyPins.begin(), usedKeyPins.end(), pin);
    const bool keptFirst = generalStep && used == usedKeyPins.begin();
    if (used != usedKeyPins.end() && !keptFirst) continue;
    if (Contains(reserved, pin)) continue;
    choices.push_back(pin);
  }
  std::sort(choices.begin(), choices.end());
  return choices;
}

stLedReselect ReselectLedPin(const std::vector<wxString>& choices, const wxString& previous, bool ledTicked,
                             bool packageChanged, bool backlight) {
  stLedReselect r;
  if (!previous.empty() && Contains(choices, previous)) {
    r.selected = previous;
    return r;
  }
  if (ledTicked && previous.empty()) return r;
  if (ledTicked && !choices.empty())
    r.messageKey = packageChanged ? (backlight ? "IDS_PACK_RESET_BACKLIGHT" : "IDS_PACK_RESET_LED")
                                  : (backlight ? "IDS_RESET_BACKLIGHT" : "IDS_RESET_LED");
  r.clearLedPin = true;
  return r;
}

bool DevBoardModeOffered(bool general, const wxString& package, const wxString& mcu) {
  return general && package == kDevBoardPackage && mcu.CmpNoCase("QK21B0510") != 0 &&
         mcu.CmpNoCase("QK21C0510") != 0;
}

bool DevBoardGuardApplies(int keyMode, const wxString& package, bool general) {
  return keyMode == 1 && package == kDevBoardPackage && general;
}
