// The project file: a UTF-16LE INI file (byte-order mark FF FE, CRLF lines)
// in the project folder, named after the project. This module owns its name,
// the names of its sections and keys, how values are written and read, and
// the sections that belong to the project core; pages own what their
// sections mean and reach the file through CProjectFile.
#pragma once

#include "core/ProjectKinds.h"

#include <wx/string.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class CDocManage;

namespace projectfile {

// Every value of the file is read into a buffer of this many characters
// (the last one for the end), so a longer value reads back cut.
constexpr std::size_t kValueBuffer = 260;

// The extension without its dot: "ovirprj" (maker branding) or "lmirprj".
wxString FileExtension(bool makerBrand);

namespace section {
inline constexpr char kProject[] = "Project";      // the project core: identity and kinds
inline constexpr char kKeyConfig[] = "KeyConfig";  // key page; its opening read is the core's
// The protocol pages' sections are named after their protocol type: the
// carrier, data-format, air-conditioner and other-settings pages write
// "Custom", the standard protocol page "Standard".
inline constexpr const char* kCustom = kProtocolKindNames[kProtocolCustom];
inline constexpr const char* kStandard = kProtocolKindNames[kProtocolStandard];
inline constexpr char kUserFunctions[] = "UserDefine_Info";                   // air data-format page
inline constexpr char kPureDataUserFunctions[] = "PureData_UserDefine_Info";  // air data-format page
inline constexpr char kLcdConfig[] = "LCDConfig";                             // LCD page: placements
inline constexpr char kDataConfig[] = "DataConfig";                           // LCD page: F segments
inline constexpr char kGridConfig[] = "GridConfig";                           // LCD page: SEG order
inline constexpr char kLcdUserFunctions[] = "LCDUDConfig";                    // LCD user functions
// "Func%d": one function record, written and read by the function record store.
wxString Func(int funcNo);
}  // namespace section

namespace key {
// [Project], in the order a new file gets them.
inline constexpr char kName[] = "Name";
inline constexpr char kFolder[] = "Folder";
inline constexpr char kMcu[] = "MCU";
inline constexpr char kPackage[] = "Package";  // also in [KeyConfig], where it overrides [Project]
inline constexpr char kRemoteType[] = "RemoteType";
inline constexpr char kProtocolType[] = "ProtocolType";
inline constexpr char kVolt[] = "Volt";

// [KeyConfig] keys the document reads when a project opens.
inline constexpr char kKeypad[] = "Keypad";
inline constexpr char kCodeType[] = "CodeType";
inline constexpr char kVss[] = "VSS";
inline constexpr char kKeyMode[] = "Key Mode";
inline constexpr char kTouchFrequency[] = "Touch Frequency";
inline constexpr char kPressAndHold[] = "PressAndHold";
inline constexpr char kDoubleButton[] = "Double Button";
inline constexpr char kButtonMode[] = "Button Mode";
inline constexpr char kButtonState[] = "Button State";
inline constexpr char kLcdButtonState[] = "LCD Button State";
inline constexpr char kHighSensitivity[] = "High Sensitivity";
inline constexpr char kTouchKey[] = "TouchKey";  // eight numbers, each followed by ","
// [KeyConfig] keys the key page writes and reads itself.
inline constexpr char kIoCount[] = "IOCount";
inline constexpr char kIoColCount[] = "IOColCount";
inline constexpr char kIoRowCount[] = "IORowCount";
inline constexpr char kIoConfigItem[] = "IOConfigItem";  // the key-pin list
inline constexpr char kLedSetting[] = "LEDSetting";
inline constexpr char kRemDrv[] = "REMDRV";
inline constexpr char kRemPin[] = "REMPin";
inline constexpr char kKeyValueCount[] = "KeyValueCount";
// "Item%d": saved key values, eight to a key, as records joined by "," (see
// EscapeItemText and SplitItemLine).
wxString KeyItem(int index);

// [Custom]: the air-conditioner sending scheme, written by the air carrier
// and decode pages, read by the main window before the air pages load.
inline constexpr char kAirFormatType[] = "AirFormatType";
// [Standard]: the standard protocol page's choice.
inline constexpr char kStandardProtocol[] = "Protocol";
inline constexpr char kStandardAddress[] = "Address";
inline constexpr char kStandardFreq[] = "sFreq";
inline constexpr char kStandardDuty[] = "sDuty";  // written only while a duty is selected
}  // namespace key

// The language key of what keeps a function name out of the project's lists
// of names (the key page's action lists, the send orders): a ",", a ";" or
// a line break ("IDS_KEY_ACTION_NAME_SEPARATOR"); empty for a name they hold.
wxString FunctionNameProblem(const wxString& name);

// A text of an "Item%d" record with "\" and "," escaped by a "\", so that the
// line splits back at its separators.
wxString EscapeItemText(const wxString& text);
// The records of an "Item%d" line: split at each "," no "\" escapes, trimmed
// of blanks, escapes undone ("\\" and "\,"; any other "\" stays as it is).
std::vector<wxString> SplitItemLine(const wxString& line);

// The [Project] section.
struct stProjectSection {
  wxString name;
  wxString folder;
  wxString mcu;
  wxString package;
  std::int32_t remoteType = kRemoteGeneral;       // a RemoteKind
  std::int32_t protocolType = kProtocolStandard;  // a ProtocolKind
};

}  // namespace projectfile

// One project file by its path. Reads of a missing file, section or key give
// the empty text; writes return false when the file could not be written or a
// name or value would not read back (a line break, for one).
class CProjectFile {
 public:
  explicit CProjectFile(const wxString& path) : m_path(path) {}
  const wxString& Path() const { return m_path; }

  // Creates the file holding only its byte-order mark, replacing one that exists.
  bool CreateEmpty() const;

  // Typed values. Numbers read as ParseNumber does (hexadecimal with "0x" or
  // "h", else decimal; 0 when nothing parses) and are written as "%d"; flags
  // are written "1" or "0".
  bool Has(const wxString& section, const wxString& key) const;
  wxString ReadText(const wxString& section, const wxString& key,
                    std::size_t bufferSize = projectfile::kValueBuffer) const;
  std::uint32_t ReadNumber(const wxString& section, const wxString& key) const;
  // Stores the number into field only when the key is present; true then.
  bool ReadNumberIfPresent(const wxString& section, const wxString& key, std::int32_t& field) const;
  bool WriteText(const wxString& section, const wxString& key, const wxString& value) const;
  bool WriteNumber(const wxString& section, const wxString& key, long long value) const;
  bool WriteFlag(const wxString& section, const wxString& key, bool on) const;

  // [Project]. The write puts every key in its order, "Volt" always "0"; it
  // stops at the first key that fails.
  bool WriteProject(const projectfile::stProjectSection& project) const;
  projectfile::stProjectSection ReadProject() const;
  bool WriteProjectFolder(const wxString& folder) const;

  // [KeyConfig] as a project opens: a non-empty "Package" replaces the
  // document's package; each key setting that is present replaces the
  // document's value (an empty value reads 0); "TouchKey" fills all eight
  // touch-key values, missing entries reading 0.
  void ReadKeySettings(CDocManage& doc) const;

  // Copies every key of the older file that this file lacks (whole sections
  // included), values whole: a save keeps what it did not write itself. True
  // when the older file is missing or every copy was written.
  bool CarryOverMissingFrom(const CProjectFile& older) const;

  // [Custom] "AirFormatType": the air-conditioner sending scheme; 0 when missing.
  int ReadAirFormatType() const;
  bool WriteAirFormatType(int formatType) const;

 private:
  wxString m_path;
};
