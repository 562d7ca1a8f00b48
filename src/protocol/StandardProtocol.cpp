#include "protocol/StandardProtocol.h"

#include "core/AppContext.h"
#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "core/StringHelpers.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace standard {

namespace {

constexpr char kStandardFolder[] = "Standard";
constexpr char kSettingFile[] = "setting.ini";
constexpr char kFileNameSection[] = "FileName";
constexpr char kNameKey[] = "Name";

wxString SectionOf(int number) { return wxString::Format("p%d", number); }

// A value that is present and not empty.
bool ReadRequired(const wxString& path, const wxString& section, const wxString& key, wxString& value) {
  value = platform::ReadProfileString(path, section, key, "");
  return !value.empty();
}

int ReadNumber(const wxString& path, const wxString& section, const wxString& key) {
  return static_cast<int>(ParseNumber(platform::ReadProfileString(path, section, key, "")));
}

// "#define" with the name from column 25 and the value from column 57.
wxString DefineLine(const wxString& name, const wxString& value) {
  wxString line = "#define";
  line.Pad(24 - line.length());
  line += name;
  line.Pad(56 - line.length());
  return line + value;
}

}  // namespace

stDuty ParseDuty(const wxString& value) {
  wxString rest = value;
  wxString label = GetNextToken(rest, ",");
  if (label.StartsWith("[")) label.Remove(0, 1);
  if (label.EndsWith("]")) label.RemoveLast();
  stDuty duty;
  duty.label = label;
  duty.number = static_cast<int>(ParseNumber(rest));
  return duty;
}

wxString CStandardDefinitions::PathFor(int frameworkKind) {
  const wxString folder = g_App.GetProtocolFolder(frameworkKind);
  if (folder.empty()) return wxString();
  return platform::FindPathNoCase(
      platform::JoinPath(platform::JoinPath(folder, kStandardFolder), kSettingFile));
}

std::vector<wxString> CStandardDefinitions::ReadProtocolNames() const {
  std::vector<wxString> names;
  for (int n = 0;; ++n) {
    wxString name;
    if (!ReadRequired(m_path, SectionOf(n), kNameKey, name)) break;
    names.push_back(name);
  }
  return names;
}

bool CStandardDefinitions::ReadDetails(int number, stProtocolDetails& details) const {
  const wxString section = SectionOf(number);
  wxString text;
  if (!ReadRequired(m_path, section, "Freq", details.freqText)) return false;
  if (!ReadRequired(m_path, section, "Address", text)) return false;
  details.addressBits = static_cast<int>(ParseNumber(text));
  if (!ReadRequired(m_path, section, "Command", text)) return false;
  details.commandBits = static_cast<int>(ParseNumber(text));
  details.extAddr = ReadNumber(m_path, section, "ExtAddr");
  details.subCode = ReadNumber(m_path, section, "SubCode");
  if (!ReadRequired(m_path, section, "SendOrder", details.sendOrder)) return false;
  if (!ReadRequired(m_path, section, "SendMode", details.sendMode)) return false;
  details.duties.clear();
  for (int k = 0;; ++k) {
    const wxString key = wxString::Format("Duty%d", k);
    if (!platform::ProfileKeyExists(m_path, section, key)) break;
    details.duties.push_back(ParseDuty(platform::ReadProfileString(m_path, section, key, "")));
  }
  return !details.duties.empty();
}

wxString CStandardDefinitions::ReadIncludeName() const {
  return platform::ReadProfileString(m_path, kFileNameSection, kNameKey, "");
}

int FindExactName(const std::vector<wxString>& names, const wxString& name) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i].CmpNoCase(name) == 0) return static_cast<int>(i);
  }
  return -1;
}

int FindDuty(const std::vector<stDuty>& duties, const wxString& label) {
  for (std::size_t i = 0; i < duties.size(); ++i) {
    if (duties[i].label.CmpNoCase(label) == 0) return static_cast<int>(i);
  }
  return -1;
}

stAddressRule AddressRuleFor(int bits) {
  stAddressRule rule;
  const int clamped = bits < 0 ? 0 : (bits > 32 ? 32 : bits);
  rule.maximum = clamped >= 32 ? 0xFFFFFFFFu : static_cast<std::uint32_t>((std::uint64_t{1} << clamped) - 1);
  rule.tip = wxString::Format("0x%X~0x%X", 0u, rule.maximum);
  int digits = 0;
  for (std::uint64_t power = 1; power <= rule.maximum; power *= 16) ++digits;
  if (digits == 0) digits = 1;
  rule.maskFormat = wxString('H', digits);
  rule.maskTemplate = wxString('_', digits);
  return rule;
}

bool WriteStandardSection(const CProjectFile& file, const stStandardSection& section) {
  using namespace projectfile;
  bool ok = file.WriteText(section::kStandard, key::kStandardProtocol, section.protocol);
  ok = ok && file.WriteText(section::kStandard, key::kStandardAddress, section.address);
  ok = ok && file.WriteText(section::kStandard, key::kStandardFreq, section.freq);
  if (ok && !section.duty.empty()) ok = file.WriteText(section::kStandard, key::kStandardDuty, section.duty);
  return ok;
}

stStandardSection ReadStandardSection(const CProjectFile& file) {
  using namespace projectfile;
  stStandardSection out;
  out.protocol = file.ReadText(section::kStandard, key::kStandardProtocol);
  out.address = file.ReadText(section::kStandard, key::kStandardAddress);
  out.duty = file.ReadText(section::kStandard, key::kStandardDuty);
  out.freq = file.ReadText(section::kStandard, key::kStandardFreq);
  return out;
}

void BuildMacros(CStringMap& macros, const stCheckedValues& values) {
  StringMapSubscript(macros, "IR_Duty") = wxString::Format("%d", values.duty);
  StringMapSubscript(macros, "IR_FQC") = wxString::Format("%d", values.frequency);
  StringMapSubscript(macros, "Address") = FormatHexForAsm(values.address & 0xFF) + "H";
  StringMapSubscript(macros, "ADDRESS_EXT_FLAG") = values.extAddr != 0 ? "1" : "0";
  StringMapSubscript(macros, "ADDRESS_EXT") =
      values.extAddr != 0 ? DefineLine("ADDRESS_EXT", FormatHexForAsm((values.address >> 8) & 0xFF) + "H")
                          : wxString(";//////ADDRESS_EXT data is not defined//////");
  StringMapSubscript(macros, "SUB_CODE_FLAG") = values.subCode != 0 ? "1" : "0";
  StringMapSubscript(macros, "SUB_CODE") = values.subCode != 0
                                               ? DefineLine("SUB_CODE", wxString::Format("%d", 3))
                                               : wxString(";//////SUB_CODE data is not defined//////");
}

void ApplyProtocolToDocument(CDocManage& doc, const stProtocolDetails& details) {
  doc.CommandBits = static_cast<std::uint8_t>(details.commandBits);
  doc.AddressBits = static_cast<std::uint8_t>(details.addressBits);
  doc.SetParam(22, details.sendOrder);
  doc.SetParam(23, details.sendMode);
}

std::vector<stKeyCut> KeyCodesToCut(const CDocManage& doc) {
  std::vector<stKeyCut> cuts;
  const auto& records = doc.KeyValues();
  for (std::size_t i = 0; i < records.size(); ++i) {
    std::uint16_t code = records[i].code;
    if (doc.FitToCommandBits(code)) cuts.push_back({static_cast<int>(i), code});
  }
  return cuts;
}

void ApplyKeyCuts(CDocManage& doc, const std::vector<stKeyCut>& cuts) {
  for (const stKeyCut& cut : cuts) doc.SetKeyCode(cut.index, cut.code);
}

wxString TemplatePathFor(const wxString& templateFolder, const wxString& includeName) {
  wxString name = includeName;
  name.Replace(".inc", ".temp");
  return platform::FindPathNoCase(platform::JoinPath(templateFolder, "standard_" + name));
}

GenerateResult WriteIncludeFile(CDocManage& doc, const wxString& templateFolder, const wxString& includeName,
                                wxString& outputPath) {
  if (doc.TempFolder.empty() && !doc.MakeTempFolder()) return GenerateResult::TemplateFailed;
  outputPath = platform::JoinPath(doc.TempFolder, includeName);
  const wxString templatePath = TemplatePathFor(templateFolder, includeName);
  return doc.WriteTemplateFile(templatePath, outputPath) ? GenerateResult::Written
                                                         : GenerateResult::TemplateFailed;
}

}  // namespace standard
