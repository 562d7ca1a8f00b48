#include "keys/PinRules.h"

#include "core/ProjectKinds.h"
#include "platform/Profile.h"

namespace {

struct stChipRule {
  const char* mcu;
  bool crystal;  // the crystal option 1 (else the LCD option 0) applies it
  bool marking;  // applied when marking the key pins too
  std::vector<const char*> pins;
};

const std::vector<stChipRule>& ChipRules() {
  static const std::vector<stChipRule> rules = {
      {"QK37A0640", true, true, {"PA0", "PA2"}},         {"QK37A0660", true, true, {"PB0", "PB1"}},
      {"QK37A0660", false, true, {"PB4", "PB5", "PB6"}}, {"QK37A170", false, false, {"PC0", "PC1", "PC2"}},
      {"QK52A140", false, false, {"PC0", "PC1", "PC2"}}, {"QK52A150", false, false, {"PC0", "PC1", "PC2"}},
      {"QK52A160", false, false, {"PC0", "PC1", "PC2"}},
  };
  return rules;
}

}  // namespace

std::vector<wxString> ChipRulePins(const stPinOptions& options, ChipRuleScope scope) {
  std::vector<wxString> pins;
  for (bool crystalPass : {true, false}) {
    for (const stChipRule& rule : ChipRules()) {
      if (rule.crystal != crystalPass || options.mcu.CmpNoCase(rule.mcu) != 0) continue;
      if (scope == ChipRuleScope::Marking && !rule.marking) continue;
      const bool applies = rule.crystal ? options.crystalOption == 1 : options.lcdOption == 0;
      if (!applies) continue;
      for (const char* pin : rule.pins) pins.emplace_back(pin);
    }
  }
  return pins;
}

int KeyLineLimit(bool touchChip, int remoteType, int keypad) {
  if (touchChip) return 8;
  if (IsGeneralRemote(remoteType)) return keypad == kKeypadMatrix ? 8 : 16;
  if (IsLcdStandardRemote(remoteType) || keypad != kKeypadMatrix) return 6;
  return 3;
}

bool IsTouchChip(const wxString& mcu) { return mcu.CmpNoCase("QK37B0640") == 0; }

int PinRefreshProgress(int index, int count) {
  if (count <= 0) return 100;
  return 10 + index * (90 / count);
}

bool ChipDriverIsRemdrv(const wxString& chipIni, const wxString& package) {
  return platform::ReadProfileString(chipIni, package, "IR_Driver", "").CmpNoCase("REMDRV") == 0;
}

std::vector<wxString> ReadRemCandidates(const wxString& keyConfigIni, const wxString& mcu,
                                        const wxString& package) {
  const wxString list = platform::ReadProfileString(keyConfigIni, "REM", mcu + "_" + package, "", 4096);
  std::vector<wxString> out;
  for (const wxString& entry : SplitPinList(list))
    if (!entry.empty()) out.push_back(entry);
  return out;
}

std::vector<wxString> OfferedRemPins(const std::vector<wxString>& candidates,
                                     const std::vector<wxString>& keyPins, const wxString& ledPin,
                                     const std::vector<wxString>& lcdPins) {
  std::vector<wxString> offered;
  for (const wxString& entry : candidates) {
    const wxString pin = PinOfEntry(entry);
    if (ContainsPin(keyPins, pin) || (!ledPin.empty() && SamePin(pin, ledPin)) || ContainsPin(lcdPins, pin))
      continue;
    offered.push_back(entry);
  }
  return offered;
}

int ChooseRemPin(const std::vector<wxString>& offered, const wxString& stored, bool reset) {
  if (offered.empty()) return -1;
  if (!reset) {
    const wxString pin = PinOfEntry(stored);
    for (std::size_t i = 0; i < offered.size(); ++i)
      if (!pin.empty() && SamePin(PinOfEntry(offered[i]), pin)) return static_cast<int>(i);
  }
  return 0;
}

bool CKeyPinRules::LoadKeyPins(const wxString& list, const stKeyLineCounts& counts, bool vssLine,
                               const wxString& package, bool noCheck) {
  const stKeyPinList pins = ParseKeyPinList(list, m_lines.Keypad());
  m_lines.LoadPinList(pins);
  for (const wxString& pin : m_lines.PinsInUse()) m_picker.SetPinState(pin, false);
  m_picker.ApplyPackage(package);
  return noCheck || KeyPinListMatches(pins, m_lines.Keypad(), counts, vssLine);
}

void CKeyPinRules::MarkKeyPins(const stPinOptions& options) {
  const std::vector<wxString> ruled = ChipRulePins(options, ChipRuleScope::Marking);
  for (const wxString& pin : m_lines.PinsInUse()) m_picker.SetPinState(pin, !ContainsPin(ruled, pin));
}

void CKeyPinRules::ReleasePin(const wxString& pin) {
  m_lines.RemovePin(pin);
  m_picker.SetPinState(pin, false);
}

void CKeyPinRules::TakeFromKeys(const wxString& pin) {
  m_lines.RemovePin(pin);
  m_picker.SetPinState(pin, false);
}

void CKeyPinRules::RefreshPinAvailability(const stPinOptions& options, const std::vector<wxString>& lcdPins,
                                          const wxString& package, const std::function<void(int)>& progress) {
  m_reserved.clear();
  const std::vector<stPickerPin> pins = m_picker.Pins();
  const int count = static_cast<int>(pins.size());
  for (int i = 0; i < count; ++i) {
    const wxString& name = pins[i].name;
    if (ContainsPin(lcdPins, name)) {
      m_reserved.push_back(name);
      m_lines.RemovePin(name);
      m_picker.SetPinState(name, false, true);
    } else if (!m_lines.UsesPin(name) && m_picker.PackageHasPin(package, name)) {
      m_picker.SetPinState(name, true);
    }
    if (progress) progress(PinRefreshProgress(i, count));
  }
  for (const wxString& pin : ChipRulePins(options, ChipRuleScope::All)) TakeFromKeys(pin);
}

std::vector<wxString> CKeyPinRules::PinsToAvoid(bool firstKeyPinFree) const {
  std::vector<wxString> pins = m_lines.PinsInUse();
  if (firstKeyPinFree && !pins.empty()) pins.erase(pins.begin());
  pins.insert(pins.end(), m_reserved.begin(), m_reserved.end());
  return pins;
}
