#include "core/ChipModel.h"

#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "platform/TextFile.h"

#include <expat.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstdint>

CChipList g_ChipList;
CChipInfo* g_CurChipInfo = nullptr;

namespace {

wxString Text(const char* utf8) { return utf8 ? wxString::FromUTF8(utf8) : wxString(); }

// The attribute's text; false when the element lacks it.
bool Attribute(const TiXmlElement& element, const char* name, wxString& value) {
  const char* text = element.Attribute(name);
  if (!text) return false;
  value = Text(text);
  return true;
}

wxString OptionalAttribute(const TiXmlElement& element, const char* name) {
  wxString value;
  Attribute(element, name, value);
  return value;
}

// A required attribute; reports "ERR_XMLFORMAT_LACKATTRI" with owner and name when missing.
bool RequiredAttribute(const TiXmlElement& element, const char* owner, const char* name, wxString& value) {
  if (Attribute(element, name, value)) return true;
  ShowErrorMessage("ERR_XMLFORMAT_LACKATTRI", owner, name);
  return false;
}

wxString Decimal(std::int64_t value) { return wxString::Format("%lld", static_cast<long long>(value)); }

// Chip definitions are a few tens of kilobytes, five elements deep; anything
// far beyond is refused before TinyXML, whose recursion follows the nesting.
constexpr std::size_t kMaxChipFileBytes = 4 << 20;
constexpr int kMaxChipNesting = 64;

// The file as TinyXML may be given it, checked first by expat, which keeps
// its own stack: well-formed XML read as UTF-8, nested at most kMaxChipNesting
// deep, with no document type or processing instruction (TinyXML ends those at
// their first ">", where XML reads on). On such text TinyXML's elements are
// XML's, so its recursion stays within the nesting.
struct stXmlCheck {
  XML_Parser parser = nullptr;
  int depth = 0;
  bool refused = false;
};

void Refuse(stXmlCheck& check) {
  check.refused = true;
  XML_StopParser(check.parser, XML_FALSE);
}

void XMLCALL OnElementStart(void* data, const XML_Char*, const XML_Char**) {
  auto& check = *static_cast<stXmlCheck*>(data);
  if (++check.depth > kMaxChipNesting) Refuse(check);
}

void XMLCALL OnElementEnd(void* data, const XML_Char*) { --static_cast<stXmlCheck*>(data)->depth; }

void XMLCALL OnDocumentType(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  Refuse(*static_cast<stXmlCheck*>(data));
}

void XMLCALL OnProcessingInstruction(void* data, const XML_Char*, const XML_Char*) {
  Refuse(*static_cast<stXmlCheck*>(data));
}

bool IsPlainShallowXml(const std::string& bytes) {
  stXmlCheck check;
  check.parser = XML_ParserCreate("UTF-8");
  if (!check.parser) return false;
  XML_SetUserData(check.parser, &check);
  XML_SetElementHandler(check.parser, OnElementStart, OnElementEnd);
  XML_SetStartDoctypeDeclHandler(check.parser, OnDocumentType);
  XML_SetProcessingInstructionHandler(check.parser, OnProcessingInstruction);
  const bool parsed =
      XML_Parse(check.parser, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) == XML_STATUS_OK;
  XML_ParserFree(check.parser);
  return parsed && !check.refused;
}

const TiXmlElement* FirstElementNamed(const TiXmlElement& parent, const char* name) {
  return parent.FirstChildElement(name);
}

struct stFeatureName {
  const char* func;
  int kind;
};

const stFeatureName kFeatureNames[] = {
    {"IO", kFeatureIO},   {"COM", kFeatureCOM},       {"SEG", kFeatureSEG}, {"KEY", kFeatureKEY},
    {"TX0", kFeatureTX0}, {"RX0", kFeatureRX0},       {"SDA", kFeatureSDA}, {"SCL", kFeatureSCL},
    {"AD", kFeatureAD},   {"Config", kFeatureConfig}, {"VDD", kFeatureVDD}, {"VSS", kFeatureVSS},
    {"ICP", kFeatureICP}, {"TX1", kFeatureTX1},       {"RX1", kFeatureRX1}, {"INT", kFeatureINT},
};

std::unique_ptr<CFeature> MakeFeature(int kind, const wxString& name) {
  switch (kind) {
    case kFeatureIO: return std::make_unique<CIOFeature>(kind, name);
    case kFeatureCOM:
    case kFeatureSEG: return std::make_unique<CComSegFeature>(kind, name);
    case kFeatureKEY: return std::make_unique<CWakeUpFeature>(kind, name);
    case kFeatureConfig: return std::make_unique<CDriverConfig>(kind, name);
    case kFeatureVDD: return std::make_unique<CVDD>(kind, name);
    case kFeatureVSS: return std::make_unique<CVSS>(kind, name);
    case kFeatureICP: return std::make_unique<CICP>(kind, name);
    case kFeatureINT: return std::make_unique<CINTFeature>(kind, name);
    default: return std::make_unique<CIFSFeature>(kind, name);
  }
}

}  // namespace

int FeatureKindForUsage(int usage) {
  switch (usage) {
    case 0:
    case 1:
    case 2: return kFeatureIO;
    case 3:
    case 4:
    case 14: return kFeatureCOM;
    case 5:
    case 6:
    case 15: return kFeatureSEG;
    case 7: return kFeatureKEY;
    case 8:
    case 20: return kFeatureTX0;
    case 9:
    case 21: return kFeatureRX0;
    case 10:
    case 18: return kFeatureTX1;
    case 11:
    case 19: return kFeatureRX1;
    case 12: return kFeatureSDA;
    case 13: return kFeatureSCL;
    case 16: return kFeatureICP;
    case 17: return kFeatureVDD;
    case 22: return kFeatureINT;
    default: return -1;
  }
}

std::unique_ptr<CFeature> CFeature::Create(const TiXmlElement& element) {
  wxString func;
  if (!Attribute(element, "Func", func) || func.empty()) {
    ShowErrorMessage("ERR_XMLFORMAT_LACKATTRI", "Feature", "Func");
    return nullptr;
  }
  for (const auto& entry : kFeatureNames) {
    if (func.CmpNoCase(entry.func) != 0) continue;
    auto feature = MakeFeature(entry.kind, entry.func);
    if (!feature->Load(element)) return nullptr;
    return feature;
  }
  ShowErrorMessage("ERR_XMLFORMAT_PINFUNCNAME", func);
  return nullptr;
}

bool CIOFeature::Load(const TiXmlElement& element) {
  return RequiredAttribute(element, "Feature", "Reg", reg) &&
         RequiredAttribute(element, "Feature", "CReg", controlReg) &&
         RequiredAttribute(element, "Feature", "PUReg", pullUpReg) &&
         RequiredAttribute(element, "Feature", "Name", portName);
}

wxString CIOFeature::GetValue(int usage) const {
  switch (usage) {
    case 0: return reg;
    case 1: return controlReg;
    case 2: return pullUpReg;
    default: return wxString();
  }
}

bool CComSegFeature::Load(const TiXmlElement& element) {
  const bool com = GetKind() == kFeatureCOM;
  enableReg = OptionalAttribute(element, com ? "COMEnReg" : "SEGEnReg");
  reuseReg = OptionalAttribute(element, com ? "CReuseReg" : "SReuseReg");
  wxString text;
  if (!RequiredAttribute(element, "Feature", com ? "ComIdx" : "SegIdx", text)) return false;
  index = static_cast<int>(ParseNumber(text));
  return true;
}

wxString CComSegFeature::GetValue(int usage) const {
  switch (usage) {
    case 3:
    case 5: return enableReg;
    case 4:
    case 6: return reuseReg;
    case 14:
    case 15: return Decimal(index);
    default: return wxString();
  }
}

bool CWakeUpFeature::Load(const TiXmlElement& element) {
  return RequiredAttribute(element, "Feature", "WUReg", wakeUpReg);
}

wxString CWakeUpFeature::GetValue(int usage) const { return usage == 7 ? wakeUpReg : wxString(); }

bool CIFSFeature::Load(const TiXmlElement& element) {
  const char* name = "SCLBit";
  switch (GetKind()) {
    case kFeatureTX0: name = "Tx0PlexBit"; break;
    case kFeatureTX1: name = "Tx1PlexBit"; break;
    case kFeatureRX0: name = "Rx0PlexBit"; break;
    case kFeatureRX1: name = "Rx1PlexBit"; break;
    case kFeatureSDA: name = "SDABit"; break;
    default: break;  // SCL and AD
  }
  wxString text;
  if (!RequiredAttribute(element, "Feature", name, text)) return false;
  bit = ParseInt(text);
  return true;
}

wxString CIFSFeature::GetValue(int usage) const {
  const bool served = (usage >= 8 && usage <= 13) || (usage >= 18 && usage <= 22);
  if (!served || bit < 0) return wxString();
  return wxString::Format("0x%X", bit);
}

bool CVDD::Load(const TiXmlElement& element) { return RequiredAttribute(element, "VDD", "VDDValue", value); }

bool CICP::Load(const TiXmlElement& element) { return RequiredAttribute(element, "ICP", "ICPName", icpName); }

bool CINTFeature::Load(const TiXmlElement& element) {
  return RequiredAttribute(element, "Feature", "INTIndex", intIndex);
}

wxString CINTFeature::GetValue(int usage) const { return usage == 22 ? intIndex : wxString(); }

const CFeature* CPin::FindFeature(int kind) const {
  for (const auto& feature : features) {
    if (feature->GetKind() == kind) return feature.get();
  }
  return nullptr;
}

bool CPin::HasFeature(int kind) const { return FindFeature(kind) != nullptr; }

wxString CPin::GetUsageValue(int usage) const {
  const int kind = FeatureKindForUsage(usage);
  const CFeature* feature = kind < 0 ? nullptr : FindFeature(kind);
  return feature ? feature->GetValue(usage) : wxString();
}

bool CPin::Load(const TiXmlElement& element, std::int64_t& index) {
  features.clear();
  wxString text;
  if (!RequiredAttribute(element, "Pin", "Index", text)) return false;
  index = static_cast<std::int64_t>(ParseInt(text)) - 1;
  nameOnIC = OptionalAttribute(element, "NameOnIC");
  nameOutKey = OptionalAttribute(element, "NameOutKey");
  for (const TiXmlElement* child = FirstElementNamed(element, "Feature"); child;
       child = child->NextSiblingElement()) {
    auto feature = CFeature::Create(*child);
    if (!feature) return false;
    if (HasFeature(feature->GetKind())) {
      ShowErrorMessage("ERR_XMLFORMAT_FUNCREPEAT", Decimal(index));
      return false;
    }
    features.push_back(std::move(feature));
  }
  return true;
}

CPin* CPackage::GetPin(int index) const {
  if (index < 0 || index >= static_cast<int>(pins.size())) return nullptr;
  return pins[static_cast<std::size_t>(index)].get();
}

bool CPackage::GetPinNames(int index, wxString& nameOnIC, wxString& nameOutKey) const {
  if (index < 0 || index >= GetPinCount()) return false;
  const CPin* pin = GetPin(index);
  nameOnIC = pin ? pin->nameOnIC : wxString();
  nameOutKey = pin ? pin->nameOutKey : wxString();
  return true;
}

void CPackage::FindPinsWithFeatures(const std::vector<int>& kinds, std::vector<int>& out) const {
  out.clear();
  if (kinds.empty()) return;
  for (std::size_t i = 0; i < pins.size(); ++i) {
    const CPin* pin = pins[i].get();
    if (!pin) continue;
    bool all = true;
    for (int kind : kinds) all = all && pin->HasFeature(kind);
    if (all) out.push_back(static_cast<int>(i));
  }
}

bool CPackage::Load(const TiXmlElement& element) {
  pins.clear();
  name = OptionalAttribute(element, "Name");
  wxString top, left;
  if (!RequiredAttribute(element, "Package", "TopSidePins", top)) return false;
  if (!RequiredAttribute(element, "Package", "LeftSidePins", left)) return false;
  topSidePins = static_cast<std::uint16_t>(ParseNumber(top));
  leftSidePins = static_cast<std::uint16_t>(ParseNumber(left));
  pins.resize(static_cast<std::size_t>(GetPinCount()));

  const TiXmlElement* pinList = FirstElementNamed(element, "Pins");
  if (!pinList) {
    ShowErrorMessage("ERR_XMLFORMAT_LACKNODE", "Pins");
    return false;
  }
  for (const TiXmlElement* child = FirstElementNamed(*pinList, "Pin"); child;
       child = child->NextSiblingElement()) {
    auto pin = std::make_unique<CPin>();
    std::int64_t index = -1;
    if (!pin->Load(*child, index)) return false;
    if (index < 0 || index >= GetPinCount()) {
      ShowErrorMessage("ERR_XMLFORMAT_PINIDX", Decimal(index + 1), Decimal(GetPinCount()));
      return false;
    }
    auto& slot = pins[static_cast<std::size_t>(index)];
    if (slot) {
      ShowErrorMessage("ERR_XMLFORMAT_PINREPEAT", Decimal(index));
      return false;
    }
    slot = std::move(pin);
  }
  return true;
}

bool CChipInfo::Load(const wxString& mcuName, const wxString& fileName) {
  std::string bytes;
  if (!platform::ReadFileBytes(fileName, bytes) || bytes.size() > kMaxChipFileBytes ||
      !IsPlainShallowXml(bytes)) {
    ShowErrorMessage("ERR_XMLFORMAT_READ", fileName);
    return false;
  }
  TiXmlDocument document;
  document.Parse(bytes.c_str(), nullptr, TIXML_ENCODING_UTF8);
  if (document.Error()) {
    ShowErrorMessage("ERR_XMLFORMAT_READ", fileName);
    return false;
  }

  const TiXmlElement* root = document.RootElement();
  if (!root || Text(root->Value()).CmpNoCase("IR_MCU") != 0) {
    ShowErrorMessage("ERR_XMLFORMAT_ROOT");
    return false;
  }
  wxString versionText;
  if (!RequiredAttribute(*root, "IR_MCU", "version", versionText)) return false;
  const int dot = versionText.Find('.');
  const std::uint32_t major = ParseNumber(dot == wxNOT_FOUND ? versionText : versionText.Left(dot));
  const std::uint32_t minor = dot == wxNOT_FOUND ? 0 : ParseNumber(versionText.Mid(dot + 1));
  version = static_cast<std::uint16_t>(((major & 0xFF) << 8) | (minor & 0xFF));

  const TiXmlElement* packageList = FirstElementNamed(*root, "Packages");
  if (!packageList) {
    ShowErrorMessage("ERR_XMLFORMAT_LACKNODE", "Packages");
    return false;
  }
  defaultPackageName = OptionalAttribute(*packageList, "Default");

  packages.clear();
  for (const TiXmlElement* child = packageList->FirstChildElement(); child;
       child = child->NextSiblingElement()) {
    auto package = std::make_unique<CPackage>();
    if (!package->Load(*child)) return false;
    packages.push_back(std::move(package));
  }
  if (packages.empty()) {
    ShowErrorMessage("ERR_XMLFORMAT_LACKNODE", "Package");
    return false;
  }
  if (defaultPackageName.empty()) defaultPackageName = packages.front()->name;
  if (!FindPackage(defaultPackageName)) {
    ShowErrorMessage("ERR_XMLFORMAT_DEFPACKAGE", defaultPackageName);
    return false;
  }
  name = mcuName;
  return true;
}

CPackage* CChipInfo::FindPackage(const wxString& packageName) const {
  for (const auto& package : packages) {
    if (package->name == packageName) return package.get();
  }
  return nullptr;
}

int CChipInfo::GetDefaultPackageIndex() const {
  for (std::size_t i = 0; i < packages.size(); ++i) {
    if (packages[i]->name == defaultPackageName) return static_cast<int>(i);
  }
  return static_cast<int>(packages.size());
}

bool CChipList::GetChip(const wxString& mcuName, CChipInfo*& chip, const wxString& fileName) {
  auto found = m_chips.find(mcuName);
  if (found != m_chips.end()) {
    chip = found->second.get();
    return true;
  }
  auto loaded = std::make_unique<CChipInfo>();
  if (!loaded->Load(mcuName, fileName)) {
    chip = nullptr;
    return false;
  }
  chip = loaded.get();
  m_chips[mcuName] = std::move(loaded);
  return true;
}
