// The choices every project starts from: the development modes (remote type
// and protocol type), the MCUs offered in a chip folder and the packages of an
// MCU's chip ini. No windows here; the global-selection strip and the
// new-project dialog fill their lists from these.
#pragma once

#include <wx/string.h>

#include <vector>

struct stDevelopMode {
  const char* textKey;
  int itemValue;  // high byte ProtocolType, low byte RemoteType
  bool makerOnly;
};

// The four development modes in list order.
extern const stDevelopMode kDevelopModes[4];

// The modes the current brand offers, in list order.
std::vector<stDevelopMode> OfferedDevelopModes();

inline int RemoteTypeOfItem(int itemValue) { return itemValue & 0xFF; }
inline int ProtocolTypeOfItem(int itemValue) { return (itemValue >> 8) & 0xFF; }
constexpr int MakeItemValue(int protocolType, int remoteType) {
  return ((protocolType & 0xFF) << 8) | (remoteType & 0xFF);
}

// The row of the document's RemoteType and ProtocolType among the offered
// modes; -1 for any other pair.
int DevelopModeRowOf(int remoteType, int protocolType);

// The base names of the "*.ini" chip files in chipFolder that the brand
// offers, sorted by name.
std::vector<wxString> ListOfferedMcus(const wxString& chipFolder);

// "<chipFolder>/<mcu>.ini" and "<chipFolder>/<mcu>.afg".
wxString ChipIniPath(const wxString& chipFolder, const wxString& mcu);
// Tells the user that chipFolder offers no chip (a missing or emptied install folder).
void ReportMissingChipFolder(const wxString& chipFolder);
wxString ChipDefinitionPath(const wxString& chipFolder, const wxString& mcu);

// The package names of a chip ini: "Count" of [Package], then keys "0", "1",
// ... up to the first empty value, each cut before its first ",". False when
// the file does not exist.
bool ReadPackageNames(const wxString& chipIni, std::vector<wxString>& names);

// Index of the first item that begins with prefix, case-insensitively; -1 when none.
int FindItemStartingWith(const std::vector<wxString>& items, const wxString& prefix);
