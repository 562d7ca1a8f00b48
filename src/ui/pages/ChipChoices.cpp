#include "ui/pages/ChipChoices.h"

#include "core/AppContext.h"
#include "core/FileHelpers.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <wx/dir.h>
#include <wx/filename.h>

#include <algorithm>

const stDevelopMode kDevelopModes[4] = {
    {"IDS_GENERATE_STANDERD", MakeItemValue(kProtocolStandard, kRemoteGeneral), false},
    {"IDS_GENERATE_UD", MakeItemValue(kProtocolCustom, kRemoteGeneral), false},
    {"IDS_SIM_AIR_UD_V2", MakeItemValue(kProtocolCustom, kRemoteLcdSimple), true},
    {"IDS_STANDARD_AIR_UD", MakeItemValue(kProtocolCustom, kRemoteLcdStandard), true},
};

std::vector<stDevelopMode> OfferedDevelopModes() {
  std::vector<stDevelopMode> modes;
  for (const stDevelopMode& mode : kDevelopModes) {
    if (!mode.makerOnly || g_BrandFlag != 0) modes.push_back(mode);
  }
  return modes;
}

int DevelopModeRowOf(int remoteType, int protocolType) {
  const std::vector<stDevelopMode> modes = OfferedDevelopModes();
  const int wanted = MakeItemValue(protocolType, remoteType);
  for (std::size_t row = 0; row < modes.size(); ++row) {
    if (modes[row].itemValue == wanted) return static_cast<int>(row);
  }
  return -1;
}

std::vector<wxString> ListOfferedMcus(const wxString& chipFolder) {
  std::vector<wxString> names;
  wxDir dir;
  if (chipFolder.empty() || !wxDir::Exists(chipFolder) || !dir.Open(chipFolder)) return names;
  wxString file;
  for (bool found = dir.GetFirst(&file, "*.ini", wxDIR_FILES); found; found = dir.GetNext(&file)) {
    const wxString name = wxFileName(file).GetName();
    if (IsMcuOfferedUnderBrand(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

wxString ChipIniPath(const wxString& chipFolder, const wxString& mcu) {
  return platform::JoinPath(chipFolder, mcu + ".ini");
}

void ReportMissingChipFolder(const wxString& chipFolder) {
  const wxString format = GetLangTextOr(
      "ERR_NO_CHIP_FOLDER",
      "No chip definitions were found in %s. The installation is incomplete; please reinstall the program.");
  PlainMessageBox(platform::FormatText(format, chipFolder));
}

wxString ChipDefinitionPath(const wxString& chipFolder, const wxString& mcu) {
  return platform::JoinPath(chipFolder, mcu + ".afg");
}

bool ReadPackageNames(const wxString& chipIni, std::vector<wxString>& names) {
  if (!wxFileName::FileExists(chipIni)) return false;
  names.clear();
  const int count = platform::ReadProfileInt(chipIni, "Package", "Count", 0);
  for (int i = 0; i < count; ++i) {
    const wxString value =
        platform::ReadProfileString(chipIni, "Package", wxString::Format("%d", i), "", 260);
    if (value.empty()) break;
    names.push_back(value.BeforeFirst(','));
  }
  return true;
}

int FindItemStartingWith(const std::vector<wxString>& items, const wxString& prefix) {
  const wxString wanted = prefix.Lower();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].Lower().StartsWith(wanted)) return static_cast<int>(i);
  }
  return -1;
}
