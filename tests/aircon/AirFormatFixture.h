// A small air-conditioner protocol for the data-format page's tests: the
// definitions (parameters, schemes, the function list with its frame
// template, fixed functions, weight limits) and two schemes' mode files, in
// a temporary remote-settings folder of the LCD standard remote.
#pragma once

#include "platform/Paths.h"
#include "platform/Profile.h"
#include "TempDir.h"

#include <wx/filename.h>

#include <map>
#include <vector>

namespace airtest {

using Section = std::vector<std::pair<wxString, wxString>>;
using IniFile = std::map<wxString, Section>;

// Function numbers of the fixture's function list.
enum : int {
  kSwitch = 0,  // fixed
  kMode = 1,    // fixed
  kTemp = 2,    // simple function
  kWind = 3,    // two-byte macro name
  kSwing = 4,
  kGuide = 5,    // display type 2
  kConnect = 6,  // display type 16
  kVerify1 = 7,
  kVerify2 = 8,
  kFixCode = 9,  // constant code
  kListSize = 10,
};

inline IniFile Definitions() {
  return {
      {"PD0", {{"Name", "MSB"}}},
      {"PD1",
       {{"Name", "GAP"},
        {"Min", "1"},
        {"Max", "500"},
        {"Format", "DDD"},
        {"Template", "___"},
        {"Mask", "0xFFFF"}}},
      {"PD2", {{"Name", "BYTES1"}, {"Mask", "0xFF"}}},
      {"PD3", {{"Name", "BYTES2"}, {"Mask", "0xFF"}}},
      {"Group",
       {{"Count", "2"},
        {"Group0", "S0,IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_CONNECT_CODE,IDS_FIX_CODE1,IDS_VERIFY"},
        {"Group1", "S1,IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_TEMP_DATA,IDS_VERIFY"}}},
      {"Group2", {{"Group1", "S1,IDS_GUIDE_CODE,IDS_SWING,IDS_VERIFY2"}}},
      {"Data",
       {{"Count", "10"},
        {"0", "IDS_SWITCH,1,0x000000,0xCFE3F7,1,AC_POWER,1,0,2,,2"},
        {"1", "IDS_MODE,1,0x000000,0xCFE3F7,1,AC_MODE,1,0,8,IDS_MODE_TIP,4"},
        {"2", "IDS_TEMP_DATA,1,0x000000,0xD6EFC7,1,AC_TEMP,4,0,0,,3"},
        {"3", "IDS_WIND_SPEED,1,0x000000,0xCFE3F7,1,AC_FAN,1,1,8,,4"},
        {"4", "IDS_SWING,1,0x000000,0xCFE3F7,1,AC_SWING,1,1,4,,3"},
        {"5", "IDS_GUIDE_CODE,2,0x000000,0xC6EBD1,0,AC_LEAD,0,0,0,,0"},
        {"6", "IDS_CONNECT_CODE,16,0x000000,0xC6EBD1,0,AC_CONNECT,0,0,0,,0"},
        {"7", "IDS_VERIFY,1,0x000000,0xE3D3F2,1,AC_SUM,3,0,0,,4"},
        {"8", "IDS_VERIFY2,1,0x000000,0xE3D3F2,1,AC_SUM2,3,0,0,,4"},
        {"9", "IDS_FIX_CODE1,1,0x000000,0xF8DDB0,1,AC_FIX1,2,0,0,,1"},
        {"10", "+,1,0x000000,0xFFFFFF,1,AC_USER,5,1,8,,0xF2E6C9"}}},
      {"FixConfig", {{"Func", "IDS_SWITCH, IDS_MODE"}}},
      {"MaxWeight", {{"Value", "20"}, {"Group2_Value", "3"}}},
  };
}

// Scheme 0: one group with the connect code; scheme 1: two groups.
inline IniFile ModeFile(int scheme) {
  IniFile file = {
      {"Func0",
       {{"OpenEnable", "1"},
        {"CloseEnable", "1"},
        {"Bits", "1"},
        {"Group", "2"},
        {"Data0", "0,IDS_OFF"},
        {"Data1", "1,IDS_ON"}}},
      {"Func1",
       {{"Bits", "3"},
        {"Group", "3"},
        {"Data0", "0,IDS_AUTO"},
        {"Data1", "1,IDS_COOL"},
        {"Data2", "2,IDS_HEAT"}}},
      {"Func2", {{"Bits", "8"}, {"Reserve", "2"}}},
      {"Func3",
       {{"Bits", "12"},
        {"EndPos", "5"},
        {"Group", "3"},
        {"Data0", "0,IDS_LOW"},
        {"Data1", "1,IDS_MID"},
        {"Data2", "2,IDS_HIGH"}}},
      {"Func7",
       {{"Bits", "8"},
        {"AddFunc", "IDS_SWITCH,IDS_MODE,IDS_TEMP_DATA,IDS_SWING,IDS_WIND_SPEED"},
        {"Expr", "A+B+C+D+E"}}},
      {"Func9", {{"ConstCode", "0x4D"}, {"Bits", "8"}}},
      {"Func10",
       {{"ModeSelect", "0x7"},
        {"Bits", "4"},
        {"Group", "2"},
        {"Data0", "0,IDS_OFF"},
        {"Data1", "1,IDS_ON"},
        {"DataShow", "2"},
        {"ZeroShow", "1"}}},
  };
  if (scheme == 0) {
    file["Custom"] = {{"OpenGroup2", "0"}, {"MSB", "1"}, {"GAP", "40"}};
  } else {
    file["Custom"] = {{"OpenGroup2", "1"}, {"MSB", "0"}, {"GAP", "60"}};
  }
  return file;
}

inline void WriteIni(const wxString& path, const IniFile& file) {
  for (const auto& [section, keys] : file) {
    for (const auto& [key, value] : keys) platform::WriteProfileString(path, section, key, value);
  }
}

// The protocol folder of the LCD standard remote under root; returns the
// definition file's path.
inline wxString WriteProtocol(const testsupport::TempDir& root, const IniFile& definitions) {
  const wxString custom = root.File("LCD_Standard/Protocols/Custom");
  wxFileName::Mkdir(platform::JoinPath(custom, "Mode"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  const wxString setting = platform::JoinPath(custom, "setting.ini");
  WriteIni(setting, definitions);
  for (int scheme = 0; scheme < 2; ++scheme)
    WriteIni(platform::JoinPath(custom, wxString::Format("Mode/ParameterSetting_%d.ini", scheme + 1)),
             ModeFile(scheme));
  return setting;
}

}  // namespace airtest
