#include "ProgramState.h"

#include "core/AppContext.h"
#include "core/ChipModel.h"
#include "core/FuncRecords.h"
#include "receiver/IrCapture.h"

#include <array>
#include <type_traits>
#include <cstddef>

namespace testsupport {

namespace {

// The document's public fields. The document cannot be copied, so its state is
// saved field by field; a field added to it belongs here too.
// clang-format off
#define OLV_DOC_FIELDS(X) \
  X(ProtocolSelection) X(AirSelection) X(OtherSelection) X(Loading) X(ProtocolMode) \
  X(OutputProtocolName) X(TempFolder) X(CodeMode) X(Carrier) X(Address) X(Command) \
  X(ModulationKind) X(LeadCodeOn) X(BootCodeKind) X(BootTime) X(BootDataBits) X(Bit1Time) \
  X(Bit0Time) X(UnitTime) X(MarkAfter) X(RepeatCodeOn) X(RepeatKind) X(TimingComplete) \
  X(RepeatPeriod) X(RepeatTime) X(CommandBits) X(AddressBits) X(LsbFirst) X(StartBitValue) \
  X(ToggleStart) X(StartBitOn) X(ToggleBitOn) X(ConstBits) X(ConstValue) X(ConstCodeOn) \
  X(CommandOn) X(ConstPolarity) X(FormatType) X(FunctionBlocks) X(UserFunctionBlocks) X(Keypad) \
  X(CodeType) X(VssRow) X(KeyMode) X(TouchFrequency) X(TouchKey) X(PressAndHold) X(DoubleButton) \
  X(IoCount) X(IoColCount) X(IoRowCount) X(RemDrv) X(DataProcessFirst) X(DataProcessCount) \
  X(HighSensitivity) X(LedSetting) X(RemPinText) X(RemPinIndex) X(ButtonMode) X(ButtonState) \
  X(LcdButtonState) X(OtherSettings) X(SegMap) X(UsedPins) X(TimerOption) X(CrystalOption) \
  X(LcdOption) X(DecodeWord) X(DecodeValues) X(DecodeByte) X(DecodeDataFlag) X(DecodedData) \
  X(DecodedFields) X(CarrierRecord) X(WaveRecord) X(AirFormatType) X(FormatIndex) X(OpenGroup2) \
  X(FixedFunctions) X(UserFunctions) X(Modified) X(ProtocolImported) X(ChangedPageClass) X(ProjectFolder) \
  X(ProjectName) X(ProjectFilePath) X(ResetNote) X(McuName) X(PackageName) X(ClearNote) \
  X(OutputFolder) X(ProtocolType) X(RemoteType) X(DecodePageOpen) X(NewProject) X(PageValuesValid)
// clang-format on

// The application's paths and language sections (its libraries stay as they are).
// clang-format off
#define OLV_APP_FIELDS(X) \
  X(installFolder) \
  X(uiConfigFolder) \
  X(imageFolder) \
  X(langFile) \
  X(defaultLangSection) \
  X(currentLangSection) \
  X(protocolFolder) \
  X(lcdProtocolFolder) \
  X(icFolder) \
  X(docFolder) \
  X(templateFolder) \
  X(afgFolder) \
  X(remoteSettingsFolder) \
  X(configFile) \
  X(decodeLibFolder)
// clang-format on

template <typename T>
void CopyField(T& to, const T& from) {
  to = from;
}

template <typename T, std::size_t N>
void CopyField(T (&to)[N], const T (&from)[N]) {
  for (std::size_t i = 0; i < N; ++i) CopyField(to[i], from[i]);
}

struct DocFields {
#define OLV_DECLARE(name) std::remove_reference_t<decltype(std::declval<CDocManage&>().name)> name;
  OLV_DOC_FIELDS(OLV_DECLARE)
#undef OLV_DECLARE
};

struct AppFields {
#define OLV_DECLARE(name) wxString name;
  OLV_APP_FIELDS(OLV_DECLARE)
#undef OLV_DECLARE
};

}  // namespace

struct ProgramState::Saved {
  AppFields app;
  DocFields doc;
  std::array<wxString, 32> params;
  std::vector<std::pair<std::uint16_t, wxString>> keyValues;
  std::vector<CDocManage::stAirKeyValue> airKeyValues;
  CStringMap macros;
  int brandFlag = 0;
  int frameworkKind = 0;
  stIrCapture irCapture{};
  CFuncRecords funcRecords;
  CChipInfo* curChip = nullptr;
};

ProgramState::ProgramState() : m_saved(std::make_unique<Saved>()) {
  Saved& saved = *m_saved;
#define OLV_SAVE(name) CopyField(saved.app.name, g_App.name);
  OLV_APP_FIELDS(OLV_SAVE)
#undef OLV_SAVE
#define OLV_SAVE(name) CopyField(saved.doc.name, g_DocManage.name);
  OLV_DOC_FIELDS(OLV_SAVE)
#undef OLV_SAVE
  for (int index = 0; index < 32; ++index) saved.params[index] = g_DocManage.GetParam(index);
  int position = 0;
  std::uint16_t code = 0;
  wxString text;
  if (g_DocManage.GetFirstKeyValue(position)) {
    while (g_DocManage.GetNextKeyValue(position, code, text)) saved.keyValues.emplace_back(code, text);
  }
  saved.airKeyValues = g_DocManage.AirKeyValues();
  saved.macros = g_MacroMap;
  saved.brandFlag = g_BrandFlag;
  saved.frameworkKind = g_FrameworkKind;
  saved.irCapture = g_IrCapture;
  saved.funcRecords = g_FuncRecords;
  saved.curChip = g_CurChipInfo;
}

ProgramState::~ProgramState() {
  const Saved& saved = *m_saved;
#define OLV_RESTORE(name) CopyField(g_App.name, saved.app.name);
  OLV_APP_FIELDS(OLV_RESTORE)
#undef OLV_RESTORE
  // The parameters first: setting one also sets the numeric fields it feeds,
  // which the saved fields then put back.
  for (int index = 0; index < 32; ++index) g_DocManage.SetParam(index, saved.params[index]);
#define OLV_RESTORE(name) CopyField(g_DocManage.name, saved.doc.name);
  OLV_DOC_FIELDS(OLV_RESTORE)
#undef OLV_RESTORE
  g_DocManage.RemoveKeyValue(-1);
  for (const auto& [code, text] : saved.keyValues) g_DocManage.AddKeyValue(code, text);
  g_DocManage.AirKeyValues() = saved.airKeyValues;
  g_MacroMap = saved.macros;
  g_BrandFlag = saved.brandFlag;
  g_FrameworkKind = saved.frameworkKind;
  g_IrCapture = saved.irCapture;
  g_FuncRecords = saved.funcRecords;
  g_CurChipInfo = saved.curChip;
}

CAppContext& ProgramState::App() { return g_App; }
CDocManage& ProgramState::Doc() { return g_DocManage; }
CStringMap& ProgramState::Macros() { return g_MacroMap; }
int& ProgramState::BrandFlag() { return g_BrandFlag; }
int& ProgramState::FrameworkKind() { return g_FrameworkKind; }
stIrCapture& ProgramState::IrCapture() { return g_IrCapture; }
CFuncRecords& ProgramState::FuncRecords() { return g_FuncRecords; }
CChipInfo*& ProgramState::CurChip() { return g_CurChipInfo; }

}  // namespace testsupport
