// The chip definition model: packages, pins and the functions ("features")
// each pin can serve, read from an ".afg" XML file (root "IR_MCU").
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class TiXmlElement;

// Feature kind numbers, as the "Func" names create them.
enum FeatureKind {
  kFeatureIO = 0,
  kFeatureCOM = 1,
  kFeatureSEG = 2,
  kFeatureKEY = 3,
  kFeatureTX0 = 4,
  kFeatureRX0 = 5,
  kFeatureSDA = 6,
  kFeatureSCL = 7,
  kFeatureAD = 8,
  kFeatureConfig = 9,
  kFeatureVDD = 10,
  kFeatureVSS = 11,
  kFeatureICP = 12,
  kFeatureTX1 = 13,
  kFeatureRX1 = 14,
  kFeatureINT = 15,
};

// The feature kind that serves a usage code 0..22; -1 for any other code.
int FeatureKindForUsage(int usage);

class CFeature {
 public:
  CFeature(int kind, const wxString& name) : m_kind(kind), m_name(name) {}
  virtual ~CFeature() = default;
  CFeature(const CFeature&) = delete;
  CFeature& operator=(const CFeature&) = delete;

  // Reads the kind's attributes; false (after an error box) when one is missing.
  virtual bool Load(const TiXmlElement& element) = 0;
  // The value that serves a usage code; empty when the feature has none for it.
  virtual wxString GetValue(int usage) const = 0;

  int GetKind() const { return m_kind; }
  const wxString& GetName() const { return m_name; }

  // Creates the feature named by the element's "Func"; null (after an error box) on failure.
  static std::unique_ptr<CFeature> Create(const TiXmlElement& element);

 private:
  int m_kind;
  wxString m_name;
};

class CIOFeature : public CFeature {
 public:
  using CFeature::CFeature;
  bool Load(const TiXmlElement& element) override;
  wxString GetValue(int usage) const override;
  wxString reg, controlReg, pullUpReg, portName;
};

class CComSegFeature : public CFeature {
 public:
  using CFeature::CFeature;
  bool Load(const TiXmlElement& element) override;
  wxString GetValue(int usage) const override;
  wxString enableReg, reuseReg;
  int index = 0;
};

class CWakeUpFeature : public CFeature {
 public:
  using CFeature::CFeature;
  bool Load(const TiXmlElement& element) override;
  wxString GetValue(int usage) const override;
  wxString wakeUpReg;
};

// Serial, I2C and analogue functions: one multiplexer bit.
class CIFSFeature : public CFeature {
 public:
  using CFeature::CFeature;
  bool Load(const TiXmlElement& element) override;
  wxString GetValue(int usage) const override;
  int bit = -1;
};

class CDriverConfig : public CFeature {
 public:
  using CFeature::CFeature;
  bool Load(const TiXmlElement&) override { return true; }
  wxString GetValue(int) const override { return wxString(); }
};

class CVDD : public CFeature {
 public:
  using CFeature::CFeature;
  bool Load(const TiXmlElement& element) override;
  wxString GetValue(int) const override { return value; }
  wxString value;
};

class CVSS : public CFeature {
 public:
  using CFeature::CFeature;
  bool Load(const TiXmlElement&) override { return true; }
  wxString GetValue(int) const override { return wxString(); }
};

class CICP : public CFeature {
 public:
  using CFeature::CFeature;
  bool Load(const TiXmlElement& element) override;
  wxString GetValue(int) const override { return icpName; }
  wxString icpName;
};

class CINTFeature : public CFeature {
 public:
  using CFeature::CFeature;
  bool Load(const TiXmlElement& element) override;
  wxString GetValue(int usage) const override;
  wxString intIndex;
};

class CPin {
 public:
  virtual ~CPin() = default;
  // Reads the pin; index receives its 0-based index (any number the file
  // gives, less one). False after an error box.
  virtual bool Load(const TiXmlElement& element, std::int64_t& index);

  // The value of the pin's first feature of the usage's kind; empty when none.
  wxString GetUsageValue(int usage) const;
  bool HasFeature(int kind) const;
  const CFeature* FindFeature(int kind) const;

  wxString nameOnIC;
  wxString nameOutKey;
  std::vector<std::unique_ptr<CFeature>> features;
};

class CPackage {
 public:
  virtual ~CPackage() = default;
  virtual bool Load(const TiXmlElement& element);

  int GetPinCount() const { return 2 * (topSidePins + leftSidePins); }
  // Null outside 0..pin count - 1 or where no pin is defined.
  CPin* GetPin(int index) const;
  // False outside the package; both names empty where no pin is defined.
  bool GetPinNames(int index, wxString& nameOnIC, wxString& nameOutKey) const;
  // Indexes, in pin order, of the defined pins that have a feature of every
  // listed kind; none for an empty list.
  void FindPinsWithFeatures(const std::vector<int>& kinds, std::vector<int>& out) const;

  wxString name;
  std::uint16_t topSidePins = 0;
  std::uint16_t leftSidePins = 0;
  std::vector<std::unique_ptr<CPin>> pins;  // one slot per package pin
};

class CChipInfo {
 public:
  virtual ~CChipInfo() = default;

  // Loads the definition file; false after one error box with the "ERR_" key
  // when it cannot be read, is larger or nested deeper than any chip file, is
  // not well-formed XML, or its format is wrong.
  bool Load(const wxString& mcuName, const wxString& fileName);

  // The first package whose name equals the text exactly; null when none.
  CPackage* FindPackage(const wxString& packageName) const;
  // Index of the default package (the package count when none matches; 0 without packages).
  int GetDefaultPackageIndex() const;

  wxString name;
  std::uint16_t version = 0;
  wxString defaultPackageName;
  std::vector<std::unique_ptr<CPackage>> packages;
};

// The process-wide cache of loaded chip definitions by MCU name.
class CChipList {
 public:
  // The cached definition of the MCU, loading and caching it from fileName on
  // a miss; false (chip null) when the load fails, and nothing is cached.
  bool GetChip(const wxString& mcuName, CChipInfo*& chip, const wxString& fileName);
  void Clear() { m_chips.clear(); }

 private:
  std::map<wxString, std::unique_ptr<CChipInfo>> m_chips;
};

extern CChipList g_ChipList;
// The chip of the open project; null until a project's chip is loaded.
extern CChipInfo* g_CurChipInfo;
