// The standard protocol page's rules, without a window: the protocol
// definitions ("setting.ini" of the "Standard" protocol folder), the address
// input's limits, the duty choices, the [Standard] project section, the
// document values, the macros and the generated include file.
#pragma once

#include "core/DocManage.h"

#include <wx/string.h>

#include <cstdint>
#include <vector>

class CProjectFile;

namespace standard {

// One "Duty%d" choice: "[label],number".
struct stDuty {
  wxString label;
  int number = 0;
};

// Splits a "Duty%d" value at its first ",": the label without its brackets
// and the number after it.
stDuty ParseDuty(const wxString& value);

// The details of one protocol section "p%d".
struct stProtocolDetails {
  wxString freqText;  // "Freq" as written
  int addressBits = 0;
  int commandBits = 0;
  int extAddr = 0;
  int subCode = 0;
  wxString sendOrder;
  wxString sendMode;
  std::vector<stDuty> duties;  // in key order (Duty0, Duty1, ...)
};

// The definitions file of the standard protocols.
class CStandardDefinitions {
 public:
  CStandardDefinitions() = default;
  explicit CStandardDefinitions(const wxString& path) : m_path(path) {}
  // "setting.ini" of the "Standard" folder under the protocols folder of the
  // framework kind, names looked up without regard to case.
  static wxString PathFor(int frameworkKind);

  const wxString& Path() const { return m_path; }
  // The protocol names of p0, p1, ... up to the first section without one.
  std::vector<wxString> ReadProtocolNames() const;
  // False when a required key ("Freq", "Address", "Command", "SendOrder",
  // "SendMode", "Duty0") is missing; the values read so far stay in details.
  bool ReadDetails(int number, stProtocolDetails& details) const;
  // [FileName] "Name"; empty when missing.
  wxString ReadIncludeName() const;

 private:
  wxString m_path;
};

// The position of the entry that equals name without regard to case; -1
// when none does ("X" never selects "X2").
int FindExactName(const std::vector<wxString>& names, const wxString& name);
int FindDuty(const std::vector<stDuty>& duties, const wxString& label);

// The address input of a protocol with bits address bits.
struct stAddressRule {
  std::uint32_t maximum = 0;
  wxString tip;           // "0x0~0xFF"
  wxString maskFormat;    // one "H" per hexadecimal digit
  wxString maskTemplate;  // one "_" per digit
};
stAddressRule AddressRuleFor(int bits);

// The [Standard] section of the project file.
struct stStandardSection {
  wxString protocol;
  wxString address;
  wxString freq;
  wxString duty;  // empty: no duty selected, the key is not written
};
bool WriteStandardSection(const CProjectFile& file, const stStandardSection& section);
stStandardSection ReadStandardSection(const CProjectFile& file);

// The values the page's check collects.
struct stCheckedValues {
  std::uint32_t address = 0;
  int frequency = 0;
  int duty = 0;
  int extAddr = 0;
  int subCode = 0;
};
// Fills the macros of the standard include file into macros (which the
// caller empties first).
void BuildMacros(CStringMap& macros, const stCheckedValues& values);

// The protocol's numbers for the document: bit counts and the send order and mode.
void ApplyProtocolToDocument(CDocManage& doc, const stProtocolDetails& details);

// The key records whose codes do not fit the document's command bit count,
// with the codes cut to it.
struct stKeyCut {
  int index = 0;
  std::uint16_t code = 0;
};
std::vector<stKeyCut> KeyCodesToCut(const CDocManage& doc);
void ApplyKeyCuts(CDocManage& doc, const std::vector<stKeyCut>& cuts);

// "standard_" + the include name with ".inc" replaced by ".temp", in the template folder.
wxString TemplatePathFor(const wxString& templateFolder, const wxString& includeName);

enum class GenerateResult { Written, TemplateFailed };
// Expands the template into the document's work folder (made when it has
// none yet) under includeName.
GenerateResult WriteIncludeFile(CDocManage& doc, const wxString& templateFolder, const wxString& includeName,
                                wxString& outputPath);

}  // namespace standard
