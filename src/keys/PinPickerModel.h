// The pin picker's data: the chip's pins in the order of the chip ini's
// [Pins] section, each free or taken, the packages of [Package] with the pins
// each brings out, and where the buttons go.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <map>
#include <vector>

struct stPickerPin {
  wxString name;
  std::uint32_t colour = 0x7F7F7F;  // 0xRRGGBB
  bool taken = false;               // grey, cannot be dragged
  bool mark = false;                // stored with the state, drawn the same
};

class CPinPickerModel {
 public:
  // Rebuilds the pins from [Pins]; the loading stops at a missing or empty
  // entry. True when every entry up to Count was there. Every pin starts free.
  bool LoadPins(const wxString& chipIni);
  // Rebuilds the packages from [Package] and resets the candidate list.
  bool LoadPackages(const wxString& chipIni);

  const std::vector<stPickerPin>& Pins() const { return m_pins; }
  int PinCount() const { return static_cast<int>(m_pins.size()); }
  // The index of the pin named pin (whole name, any case); -1 when none.
  int FindPin(const wxString& pin) const;
  bool IsFree(const wxString& pin) const;
  // Taken when available is false; the mark is kept only with a taken pin.
  // False (nothing changed) for a name that no pin has.
  bool SetPinState(const wxString& pin, bool available, bool mark = false);

  bool HasPackage(const wxString& package) const { return m_packages.count(package) != 0; }
  std::vector<wxString> PackageNames() const;
  // A package the chip ini does not list restricts nothing: it has every pin.
  bool PackageHasPin(const wxString& package, const wxString& pin) const;
  std::vector<wxString> GetPackagePins(const wxString& package) const;
  // Takes every pin the package lacks (marked); an unknown package takes none.
  void ApplyPackage(const wxString& package);

  // What a package change does to the pins.
  struct stPackageChange {
    std::vector<wxString> leaving;   // pins to take, after releasing them from the keys
    std::vector<wxString> arriving;  // pins to make available
  };
  // Only the pin counts of the two packages are compared: a smaller new
  // package sends away the old pins it lacks, a larger one brings in the new
  // pins the old lacked; equal counts change nothing.
  stPackageChange PlanPackageChange(const wxString& oldPackage, const wxString& newPackage) const;

  // The candidate packages: every package after a reset, narrowed to those
  // holding each pin named since. Returns the candidates joined by ",".
  wxString FilterPackages(const wxString& pin, bool reset);

 private:
  std::vector<stPickerPin> m_pins;
  std::map<wxString, std::vector<wxString>> m_packages;  // names match exactly
  std::vector<wxString> m_candidates;
};

// Where the buttons go: rows of perRow buttons of width w, 20 high, 10 apart.
namespace pinpicker {
constexpr int kButtonsPerRow = 8;
constexpr int kWideButtonsPerRow = 16;
constexpr int kMargin = 10;
constexpr int kRowPitch = 30;
constexpr int kButtonHeight = 20;
constexpr int kScrollLine = 15;
// A button's place in the picker's client area.
struct stButtonRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int Bottom() const { return y + height - 1; }
  bool operator==(const stButtonRect& other) const {
    return x == other.x && y == other.y && width == other.width && height == other.height;
  }
};
// 16 when two blocks of eight buttons fit side by side in clientWidth.
int ButtonsPerRow(int clientWidth, int buttonWidth);
stButtonRect ButtonRect(int index, int buttonWidth, int perRow);
// The scroll range: zero up to 16 pins (general remote) or 24 (LCD remote).
int ScrollRange(int pinCount, bool lcdRemote, int buttonWidth, int perRow);
}  // namespace pinpicker
