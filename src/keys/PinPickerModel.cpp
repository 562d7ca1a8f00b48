#include "keys/PinPickerModel.h"

#include "core/Numbers.h"
#include "keys/KeyPins.h"
#include "platform/Profile.h"

#include <algorithm>

namespace {
constexpr char kPinsSection[] = "Pins";
constexpr char kPackageSection[] = "Package";
constexpr char kCountKey[] = "Count";
constexpr std::size_t kPackageEntryBuffer = 521;
// An entry is read up to 520 characters, so it never lists more pins than
// that; a pin count beyond is no package's.
constexpr int kMaxPackagePins = static_cast<int>(kPackageEntryBuffer) - 1;

wxString Entry(const wxString& ini, const char* section, int index, std::size_t buffer) {
  return platform::ReadProfileString(ini, section, wxString::Format("%d", index), "", buffer);
}
}  // namespace

bool CPinPickerModel::LoadPins(const wxString& chipIni) {
  m_pins.clear();
  const int count = platform::ReadProfileInt(chipIni, kPinsSection, kCountKey, 0);
  for (int i = 0; i < count; ++i) {
    const std::vector<wxString> fields =
        SplitPinList(Entry(chipIni, kPinsSection, i, platform::kProfileBufferSize));
    if (fields.empty() || fields[0].empty()) return false;
    stPickerPin pin;
    pin.name = fields[0];
    if (fields.size() > 4) pin.colour = ParseNumber(fields[4]) & 0xFFFFFF;
    m_pins.push_back(pin);
  }
  return true;
}

bool CPinPickerModel::LoadPackages(const wxString& chipIni) {
  m_packages.clear();
  const int count = platform::ReadProfileInt(chipIni, kPackageSection, kCountKey, 0);
  bool complete = true;
  for (int i = 0; i < count; ++i) {
    const std::vector<wxString> fields =
        SplitPinList(Entry(chipIni, kPackageSection, i, kPackageEntryBuffer));
    if (fields.empty() || fields[0].empty()) {
      complete = false;
      break;
    }
    const int pinCount =
        fields.size() > 1 ? std::min(static_cast<int>(ParseNumber(fields[1])), kMaxPackagePins) : 0;
    std::vector<wxString> pins;
    for (int p = 0; p < pinCount; ++p)
      pins.push_back(2 + p < static_cast<int>(fields.size()) ? fields[2 + p] : "");
    m_packages[fields[0]] = pins;
  }
  FilterPackages("", true);
  return complete;
}

int CPinPickerModel::FindPin(const wxString& pin) const {
  if (pin.empty()) return -1;
  for (std::size_t i = 0; i < m_pins.size(); ++i)
    if (SamePin(m_pins[i].name, pin)) return static_cast<int>(i);
  return -1;
}

bool CPinPickerModel::IsFree(const wxString& pin) const {
  const int index = FindPin(pin);
  return index >= 0 && !m_pins[index].taken;
}

bool CPinPickerModel::SetPinState(const wxString& pin, bool available, bool mark) {
  const int index = FindPin(pin);
  if (index < 0) return false;
  m_pins[index].taken = !available;
  m_pins[index].mark = !available && mark;
  return true;
}

std::vector<wxString> CPinPickerModel::PackageNames() const {
  std::vector<wxString> names;
  for (const auto& entry : m_packages) names.push_back(entry.first);
  return names;
}

bool CPinPickerModel::PackageHasPin(const wxString& package, const wxString& pin) const {
  const auto found = m_packages.find(package);
  if (found == m_packages.end()) return true;
  return ContainsPin(found->second, pin);
}

std::vector<wxString> CPinPickerModel::GetPackagePins(const wxString& package) const {
  const auto found = m_packages.find(package);
  return found == m_packages.end() ? std::vector<wxString>() : found->second;
}

void CPinPickerModel::ApplyPackage(const wxString& package) {
  if (!HasPackage(package)) return;
  for (stPickerPin& pin : m_pins)
    if (!PackageHasPin(package, pin.name)) SetPinState(pin.name, false, true);
}

CPinPickerModel::stPackageChange CPinPickerModel::PlanPackageChange(const wxString& oldPackage,
                                                                    const wxString& newPackage) const {
  stPackageChange change;
  const std::vector<wxString> oldPins = GetPackagePins(oldPackage);
  const std::vector<wxString> newPins = GetPackagePins(newPackage);
  if (oldPins.size() > newPins.size()) {
    for (const wxString& pin : oldPins)
      if (!ContainsPin(newPins, pin)) change.leaving.push_back(pin);
  } else if (newPins.size() > oldPins.size()) {
    for (const wxString& pin : newPins)
      if (!ContainsPin(oldPins, pin)) change.arriving.push_back(pin);
  }
  return change;
}

wxString CPinPickerModel::FilterPackages(const wxString& pin, bool reset) {
  if (reset) m_candidates = PackageNames();
  if (!pin.empty()) {
    m_candidates.erase(
        std::remove_if(m_candidates.begin(), m_candidates.end(),
                       [&](const wxString& package) { return !ContainsPin(GetPackagePins(package), pin); }),
        m_candidates.end());
  }
  return JoinPinList(m_candidates);
}

namespace pinpicker {

int ButtonsPerRow(int clientWidth, int buttonWidth) {
  const int eight = kButtonsPerRow * buttonWidth + 7 * kMargin;
  return 2 * eight < clientWidth ? kWideButtonsPerRow : kButtonsPerRow;
}

stButtonRect ButtonRect(int index, int buttonWidth, int perRow) {
  if (perRow < 1) perRow = kButtonsPerRow;
  const int column = index % perRow;
  const int row = index / perRow;
  return {kMargin + column * (buttonWidth + kMargin), kMargin + row * kRowPitch, buttonWidth, kButtonHeight};
}

int ScrollRange(int pinCount, bool lcdRemote, int buttonWidth, int perRow) {
  if (pinCount <= (lcdRemote ? 24 : 16)) return 0;
  const stButtonRect first = ButtonRect(0, buttonWidth, perRow);
  const stButtonRect last = ButtonRect(pinCount - 1, buttonWidth, perRow);
  return last.Bottom() + 1 - first.y + kScrollLine;
}

}  // namespace pinpicker
