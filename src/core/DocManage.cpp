#include "core/DocManage.h"

#include "core/Numbers.h"

#include <algorithm>
#include <cstring>

CStringMap g_MacroMap;
CDocManage g_DocManage;

wxString& StringMapSubscript(CStringMap& map, const wxString& name) { return map[name]; }

namespace {

// Capture records the receiver may read, with their capacities in bytes.
struct stCaptureRecord {
  std::uint8_t id;
  std::uint16_t capacity;
};
const stCaptureRecord kCaptureRecords[] = {{'1', 16}, {'2', 600}};

void SetLowHalf(std::uint32_t& field, std::uint32_t value) {
  field = (field & 0xFFFF0000u) | (value & 0xFFFFu);
}
void SetHighHalf(std::uint32_t& field, std::uint32_t value) { field = (field & 0x0000FFFFu) | (value << 16); }

}  // namespace

bool IsCaptureRecordId(std::uint8_t id) {
  for (const auto& record : kCaptureRecords) {
    if (record.id == id) return true;
  }
  return false;
}

std::uint16_t GetCaptureRecordCapacity(std::uint8_t id) {
  for (const auto& record : kCaptureRecords) {
    if (record.id == id) return record.capacity;
  }
  return 0;
}

CDocManage::CDocManage() { Reset(true, false); }

CDocManage::~CDocManage() = default;

wxString CDocManage::GetParam(int index) const {
  if (index < 0 || index > 31) return wxString();
  return m_params[index];
}

void CDocManage::SetParam(int index, const wxString& text) {
  if (index < 0 || index > 31) return;
  m_params[index] = text;
  const std::uint32_t number = ParseNumber(text);
  switch (index) {
    case 0: Carrier = static_cast<std::uint8_t>(number); break;
    case 2: Address = static_cast<std::uint16_t>(number); break;
    case 3: SetLowHalf(BootTime, number); break;
    case 4: SetHighHalf(BootTime, number); break;
    case 6: SetLowHalf(Bit0Time, number); break;
    case 7: SetHighHalf(Bit0Time, number); break;
    case 8: SetLowHalf(Bit1Time, number); break;
    case 9: SetHighHalf(Bit1Time, number); break;
    case 10: SetLowHalf(UnitTime, number); break;
    case 11: SetHighHalf(UnitTime, number); break;
    case 12: RepeatPeriod = number; break;
    case 13: SetLowHalf(RepeatTime, number); break;
    case 14: SetHighHalf(RepeatTime, number); break;
    case 15: {
      // Always hexadecimal.
      const wxString hex = text.Lower().Contains("0x") ? text : "0x" + text;
      AddressBits = static_cast<std::uint8_t>(ParseNumber(hex));
      break;
    }
    case 16: CommandBits = static_cast<std::uint8_t>(number); break;
    case 24:
    case 25:
    case 26:
    case 27: ConstBits[index - 24] = static_cast<std::uint8_t>(number); break;
    case 28:
    case 29:
    case 30:
    case 31: ConstValue[index - 28] = static_cast<std::uint16_t>(number); break;
    default: break;  // P1, P5, P17..P23: text only
  }
}

void CDocManage::ResetParams(bool keep) {
  static const int kAlways[] = {2, 5, 10, 11, 13, 14, 15, 20, 21, 22, 23};
  static const int kUnlessKept[] = {0, 1, 3, 4, 6, 7, 8, 9, 12, 16, 24, 25, 26, 27, 28, 29, 30, 31};
  for (int i : kAlways) m_params[i].clear();
  if (!keep) {
    for (int i : kUnlessKept) m_params[i].clear();
  }
  if (!keep || !IsGeneralRemote(RemoteType)) {
    for (int i : {17, 18, 19}) m_params[i].clear();
  }
  const bool smallChip = McuName == "QK21A0510" || McuName == "QK21B0510";
  const bool smallPackage = PackageName == "8SOP" || PackageName == "16NSOP";
  if (keep && smallChip && smallPackage) {
    m_params[18].clear();
    m_params[19].clear();
  }
}

void CDocManage::Reset(bool clear, bool keep) {
  const bool k = !keep || !IsGeneralRemote(RemoteType);

  if (!keep) {
    ProtocolMode = -1;
    RepeatCodeOn = DefaultRepeatCodeOn();
    Carrier = 0;
    BootTime = Bit0Time = Bit1Time = UnitTime = RepeatPeriod = 0;
    std::fill(std::begin(ConstValue), std::end(ConstValue), 0);
    const std::int32_t formatDefaults[9] = {1, 1, 0, 0, 1, 0, 0, 0, 0};
    std::copy(formatDefaults, formatDefaults + 4, ConstCodeOn);
    CommandOn = formatDefaults[4];
    std::copy(formatDefaults + 5, formatDefaults + 9, ConstPolarity);
    ResetProjectValues();
  }

  CodeMode = 0;
  Address = 0;
  Command = 0;
  ModulationKind = 0;
  LeadCodeOn = 0;
  BootCodeKind = 0;
  BootDataBits = 0;
  MarkAfter = 0;
  RepeatTime = 0;
  TimingComplete = -1;
  RepeatKind = 4;

  if (k) {
    LsbFirst = 0;
    StartBitValue = 1;
    ToggleStart = 1;
    StartBitOn = 0;
    ToggleBitOn = 0;
  }
  if (keep && !IsGeneralRemote(RemoteType)) ProtocolMode = 2;

  OtherSettings = stOtherSettings();
  FormatType = 0;
  IoCount = 0;
  IoColCount = 0;
  IoRowCount = 0;
  m_airKeyValues.clear();
  m_airKeyValues.shrink_to_fit();

  ResetParams(keep);
  // The LED setting goes with its parameter.
  if (m_params[19].empty()) LedSetting.clear();

  DecodeWord = 0;
  std::fill(std::begin(DecodeValues), std::end(DecodeValues), 0);
  DecodeByte = 0;
  DecodeDataFlag = 0;
  std::fill(std::begin(DecodedData), std::end(DecodedData), 0);
  CarrierRecord.clear();
  CarrierRecord.shrink_to_fit();
  WaveRecord.clear();
  WaveRecord.shrink_to_fit();
  ProtocolSelection = AirSelection = OtherSelection = -1;
  ResetNote.clear();
  RemPinText.clear();
  RemPinIndex = -1;

  if (clear) {
    ProjectFolder.clear();
    ProjectName.clear();
    ProjectFilePath.clear();
    McuName.clear();
    ClearNote.clear();
  }
  Modified = 0;

  if (k) {
    Keypad = 0;
    CodeType = 0;
    VssRow = 0;
    RemDrv = DefaultRemDrv();
    DataProcessFirst = 0;
    DataProcessCount = 0;
    m_keyValues.clear();
    m_keyValues.shrink_to_fit();
  }

  KeyMode = 0;
  TouchFrequency = 0;
  std::fill(std::begin(TouchKey), std::end(TouchKey), 0);
  PressAndHold = 0;
  DoubleButton = 0;
  ButtonMode = 0;
  ButtonState = 1;
  LcdButtonState = 1;
  ProtocolImported = 0;
  UserFunctionBlocks.clear();
}

std::int32_t CDocManage::DefaultRepeatCodeOn() const { return IsGeneralRemote(RemoteType) ? 1 : 0; }

std::int32_t CDocManage::DefaultRemDrv() const {
  return (IsGeneralRemote(RemoteType) || McuName.CmpNoCase("QK37A0660") == 0) ? 1 : 0;
}

// What only the project itself gives: the numeric twins of the parameters
// that a reset without keep empties, and the values of the key, LCD,
// other-settings and air-conditioner pages that the project file holds.
void CDocManage::ResetProjectValues() {
  AddressBits = 0;
  CommandBits = 0;
  std::fill(std::begin(ConstBits), std::end(ConstBits), 0);
  HighSensitivity = 0;
  UsedPins.clear();
  SegMap.clear();
  TimerOption = 0;
  CrystalOption = 0;
  LcdOption = 0;
  FunctionBlocks.clear();
  FixedFunctions.clear();
  UserFunctions.clear();
  AirFormatType = 0;
  FormatIndex = 0;
  OpenGroup2 = 0;
}

void CDocManage::SetModified(bool modified, const wxString& pageClassName) {
  if (ProjectName.empty()) return;
  Modified = modified ? 1 : 0;
  if (modified) ChangedPageClass = pageClassName;
}
