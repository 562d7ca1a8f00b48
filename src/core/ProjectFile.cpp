#include "core/ProjectFile.h"

#include "core/DocManage.h"
#include "core/Numbers.h"
#include "core/StringHelpers.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"

#include <iterator>
#include <string>

namespace projectfile {

wxString FileExtension(bool makerBrand) { return makerBrand ? "ovirprj" : "lmirprj"; }

wxString section::Func(int funcNo) { return wxString::Format("Func%d", funcNo); }

wxString key::KeyItem(int index) { return wxString::Format("Item%d", index); }

wxString FunctionNameProblem(const wxString& name) {
  if (name.find_first_of(",;\r\n") != wxString::npos) return "IDS_KEY_ACTION_NAME_SEPARATOR";
  return wxString();
}

wxString EscapeItemText(const wxString& text) {
  wxString escaped;
  escaped.reserve(text.length());
  for (const wxUniChar c : text) {
    if (c == '\\' || c == ',') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

std::vector<wxString> SplitItemLine(const wxString& line) {
  std::vector<wxString> parts;
  wxString part;
  auto finish = [&] {
    parts.push_back(part.Trim(true).Trim(false));
    part.clear();
  };
  for (auto it = line.begin(); it != line.end(); ++it) {
    const wxUniChar c = *it;
    const auto next = std::next(it);
    if (c == '\\' && next != line.end() && (*next == '\\' || *next == ',')) {
      part += *next;
      it = next;
    } else if (c == ',') {
      finish();
    } else {
      part += c;
    }
  }
  finish();
  return parts;
}

}  // namespace projectfile

namespace {

namespace key = projectfile::key;
namespace section = projectfile::section;

// The [KeyConfig] numbers the document keeps, by key.
struct stKeyNumber {
  const char* key;
  std::int32_t CDocManage::*field;
};
const stKeyNumber kKeyNumbers[] = {
    {key::kKeypad, &CDocManage::Keypad},
    {key::kCodeType, &CDocManage::CodeType},
    {key::kVss, &CDocManage::VssRow},
    {key::kKeyMode, &CDocManage::KeyMode},
    {key::kTouchFrequency, &CDocManage::TouchFrequency},
    {key::kPressAndHold, &CDocManage::PressAndHold},
    {key::kDoubleButton, &CDocManage::DoubleButton},
    {key::kButtonMode, &CDocManage::ButtonMode},
    {key::kButtonState, &CDocManage::ButtonState},
    {key::kLcdButtonState, &CDocManage::LcdButtonState},
    {key::kHighSensitivity, &CDocManage::HighSensitivity},
};

}  // namespace

bool CProjectFile::CreateEmpty() const {
  return platform::WriteFileAtomically(m_path, std::string("\xFF\xFE", 2));
}

bool CProjectFile::Has(const wxString& section, const wxString& key) const {
  return platform::ProfileKeyExists(m_path, section, key);
}

wxString CProjectFile::ReadText(const wxString& section, const wxString& key, std::size_t bufferSize) const {
  return platform::ReadProfileString(m_path, section, key, "", bufferSize);
}

std::uint32_t CProjectFile::ReadNumber(const wxString& section, const wxString& key) const {
  return ParseNumber(ReadText(section, key));
}

bool CProjectFile::ReadNumberIfPresent(const wxString& section, const wxString& key,
                                       std::int32_t& field) const {
  if (!Has(section, key)) return false;
  field = static_cast<std::int32_t>(ReadNumber(section, key));
  return true;
}

bool CProjectFile::WriteText(const wxString& section, const wxString& key, const wxString& value) const {
  return platform::WriteProfileString(m_path, section, key, value);
}

bool CProjectFile::CarryOverMissingFrom(const CProjectFile& older) const {
  if (!platform::PathExists(older.m_path)) return true;
  // Values are carried whole, however long.
  constexpr std::size_t kWholeValue = 1 << 20;
  bool ok = true;
  for (const wxString& section : platform::ReadProfileSectionNames(older.m_path)) {
    for (const wxString& key : platform::ReadProfileKeys(older.m_path, section)) {
      if (Has(section, key)) continue;
      ok = WriteText(section, key, older.ReadText(section, key, kWholeValue)) && ok;
    }
  }
  return ok;
}

bool CProjectFile::WriteNumber(const wxString& section, const wxString& key, long long value) const {
  return WriteText(section, key, wxString::Format("%lld", value));
}

bool CProjectFile::WriteFlag(const wxString& section, const wxString& key, bool on) const {
  return WriteText(section, key, on ? "1" : "0");
}

bool CProjectFile::WriteProject(const projectfile::stProjectSection& project) const {
  return WriteText(section::kProject, key::kName, project.name) &&
         WriteText(section::kProject, key::kFolder, project.folder) &&
         WriteText(section::kProject, key::kMcu, project.mcu) &&
         WriteText(section::kProject, key::kPackage, project.package) &&
         WriteNumber(section::kProject, key::kRemoteType, project.remoteType) &&
         WriteNumber(section::kProject, key::kProtocolType, project.protocolType) &&
         WriteText(section::kProject, key::kVolt, "0");
}

projectfile::stProjectSection CProjectFile::ReadProject() const {
  projectfile::stProjectSection project;
  project.name = ReadText(section::kProject, key::kName);
  project.folder = ReadText(section::kProject, key::kFolder);
  project.mcu = ReadText(section::kProject, key::kMcu);
  project.package = ReadText(section::kProject, key::kPackage);
  project.remoteType = static_cast<std::int32_t>(ReadNumber(section::kProject, key::kRemoteType));
  project.protocolType = static_cast<std::int32_t>(ReadNumber(section::kProject, key::kProtocolType));
  return project;
}

bool CProjectFile::WriteProjectFolder(const wxString& folder) const {
  return WriteText(section::kProject, key::kFolder, folder);
}

void CProjectFile::ReadKeySettings(CDocManage& doc) const {
  const wxString package = ReadText(section::kKeyConfig, key::kPackage);
  if (!package.empty()) doc.PackageName = package;
  for (const stKeyNumber& number : kKeyNumbers) {
    ReadNumberIfPresent(section::kKeyConfig, number.key, doc.*number.field);
  }
  if (Has(section::kKeyConfig, key::kTouchKey)) {
    wxString list = ReadText(section::kKeyConfig, key::kTouchKey);
    for (std::int32_t& value : doc.TouchKey)
      value = static_cast<std::int32_t>(ParseNumber(GetNextToken(list, ",")));
  }
}

int CProjectFile::ReadAirFormatType() const {
  return static_cast<int>(ReadNumber(section::kCustom, key::kAirFormatType));
}

bool CProjectFile::WriteAirFormatType(int formatType) const {
  return WriteNumber(section::kCustom, key::kAirFormatType, formatType);
}
