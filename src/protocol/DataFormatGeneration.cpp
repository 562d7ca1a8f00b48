#include "protocol/DataFormatGeneration.h"

#include "core/LangText.h"
#include "core/Numbers.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "protocol/DataFormatDefinitions.h"

namespace olv::protocol {

namespace {

constexpr std::size_t kSendBitsLines = 5;
const char* const kByteOrdinals[kSendBitsLines] = {"1st", "2nd", "3rd", "4th", "5th"};

}  // namespace

wxString InputMacroValue(const wxString& text, bool hexadecimal, std::uint32_t mask) {
  if (mask == 0) return wxString();
  const std::uint32_t value = ShiftToMask(ParseNumber(hexadecimal ? "0x" + text : text), mask);
  if (hexadecimal) return FormatHexForAsm(value) + "H";
  return wxString::Format("%ld", static_cast<long>(value));
}

wxString CheckMacroValue(bool checked, bool hasMask, std::uint32_t mask) {
  if (!hasMask || mask == 0) return checked ? "1" : "0";
  return wxString::Format("%ld", static_cast<long>(ShiftToMask(checked ? 1u : 0u, mask)));
}

wxString DataFieldType(const wxString& text) {
  if (text.Contains("COMMAND")) return "0";
  const int constCode = ConstCodeNumber(text);
  if (constCode != 0) return wxString::Format("%d", constCode);
  return text.empty() ? wxString() : wxString(text.Last());
}

void AddDataFieldMacros(CStringMap& macros, const std::vector<stDataField>& fields) {
  int n = 0;
  for (const stDataField& field : fields) {
    ++n;
    StringMapSubscript(macros, wxString::Format("DATA%d", n)) = "1";
    StringMapSubscript(macros, wxString::Format("DATA%d_TYPE", n)) = DataFieldType(field.text);
    StringMapSubscript(macros, wxString::Format("DATA%d_Complement", n)) = field.complement ? "1" : "0";
  }
  StringMapSubscript(macros, "TOTAL_BYTES") = wxString::Format("%d", n);
}

int BlockParamIndex(const wxString& name) {
  for (int k = 1; k <= 4; ++k) {
    if (name.Contains(wxString::Format("CONST_CODE%d", k))) return 23 + k;
  }
  return name.Contains("COMMAND") ? 16 : -1;
}

int DataFieldBits(const CDocManage& doc, const wxString& text) {
  const int index = BlockParamIndex(text);
  if (index < 0) return -1;
  const wxString param = doc.GetParam(index);
  if (param.Strip(wxString::both).empty()) return -1;
  return static_cast<int>(ParseNumber(param));
}

wxString SendBitsSectionAddress(const wxString& mcuName) {
  return mcuName.CmpNoCase("QK21A0510") == 0 ? "03F8H" : "03E8H";
}

std::string SendBitsTable(const CDocManage& doc, const std::vector<stDataField>& fields) {
  wxString text = "PUBLIC SEND_BITS_Bitcount\r\n";
  text += "SEND_BITS_CODE .section at  " + SendBitsSectionAddress(doc.GetMcuName()) + "\t'code'\r\n";
  text += "SEND_BITS_Bitcount:\r\n";
  for (std::size_t k = 0; k < fields.size() && k < kSendBitsLines; ++k) {
    const int bits = DataFieldBits(doc, fields[k].text);
    if (bits < 0) break;
    text += wxString::Format("DC\t0%xH\t;Send %s byte\r\n", static_cast<unsigned>(bits), kByteOrdinals[k]);
  }
  return text.ToStdString();
}

bool WriteSendBitsTable(const wxString& path, const CDocManage& doc, const std::vector<stDataField>& fields) {
  return platform::WriteFileAtomically(path, SendBitsTable(doc, fields));
}

wxString IncludeTemplatePath(const wxString& templateFolder, const wxString& includeName) {
  wxString name = includeName;
  name.Replace(".inc", ".temp");
  return platform::FindPathNoCase(platform::JoinPath(templateFolder, "GenUEF_" + name));
}

stUserDefResult WriteUserDefFiles(CDocManage& doc, const wxString& templateFolder,
                                  const wxString& includeName, const wxString& sendBitsName,
                                  const std::vector<stDataField>& fields) {
  stUserDefResult result;
  if (includeName.empty() || sendBitsName.empty()) {
    result.outcome = UserDefOutcome::NamesMissing;
    result.message = GetLangText("IDS_USERDEF_NAMES_MISSING");
    return result;
  }
  if (doc.TempFolder.empty() && !doc.MakeTempFolder()) {
    result.outcome = UserDefOutcome::WorkFolder;
    result.message = GetLangText("IDS_CREATE_TEMPPATH_FAILED");
    return result;
  }
  result.includePath = platform::JoinPath(doc.TempFolder, includeName);
  result.sendBitsPath = platform::JoinPath(doc.TempFolder, sendBitsName);
  const wxString templatePath = IncludeTemplatePath(templateFolder, includeName);
  if (!doc.WriteTemplateFile(templatePath, result.includePath)) {
    result.outcome = UserDefOutcome::IncludeFailed;
    result.message = doc.GetTemplateFailure();
    if (result.message.empty()) {
      result.message =
          platform::FormatText(GetLangText("IDS_USERDEF_TEMPLATE_FAILED"), result.includePath, templatePath);
    }
    return result;
  }
  if (!WriteSendBitsTable(result.sendBitsPath, doc, fields)) {
    result.outcome = UserDefOutcome::SendBitsFailed;
    result.message = platform::FormatText(GetLangText("IDS_SEND_BITS_FAILED"), result.sendBitsPath);
  }
  return result;
}

}  // namespace olv::protocol
