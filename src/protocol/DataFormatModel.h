// The general remote's data-format page as a model without a window: its
// inputs, check boxes, radios and lists as plain state, the rules that the
// page's handlers apply (definitions, constant codes, send types, start and
// toggle bits, frame checks), load and save of [Custom], the commit and the
// generated files.
#pragma once

#include "protocol/BaseDataFormat.h"

#include <array>
#include <map>

namespace olv::protocol {

// Control ids of the page (dialog template 146).
namespace dataformat_id {
constexpr int kCommandBits2 = 1066;  // command bit count, second input
constexpr int kAddressBits = 1110;
constexpr int kAddress = 1067;
constexpr int kConstBits[4] = {1396, 1398, 1401, 1404};
constexpr int kCommandBits = 1407;
constexpr int kConstValue[4] = {1068, 1069, 1070, 1071};
constexpr int kConstEnable[4] = {1391, 1392, 1393, 1394};
constexpr int kCommandEnable = 1406;
constexpr int kConstPolarity[4] = {1408, 1409, 1410, 1411};
constexpr int kSendType = 1097;
constexpr int kMsbFirst = 1101;
constexpr int kLsbFirst = 1102;
constexpr int kStartEnable = 1103;
constexpr int kStartValue0 = 1105;
constexpr int kStartValue1 = 1106;
constexpr int kToggleEnable = 1114;
constexpr int kToggleStart0 = 1116;
constexpr int kToggleStart1 = 1117;
constexpr int kErrorLine = 1111;
}  // namespace dataformat_id

// The code numbers 1..n whose bit in mask is clear, as "1,3".
wxString ListUnplacedConstCodes(unsigned mask, int n);
// A bit-count text committed as a number: "16" -> "0x10"; empty stays empty.
wxString BitCountParam(const wxString& decimalText);
// A stored bit count shown in its decimal input: "0x10" and "16" -> "16".
wxString BitCountText(const wxString& param);

class CDataFormatModel : public CBaseDataFormat {
 public:
  explicit CDataFormatModel(CDocManage& doc = g_DocManage);

  // "setting.ini" of the "Custom" folder of the framework kind's protocols.
  static wxString DefinitionPathFor(int frameworkKind);

  // --- Page protocol.
  bool LoadFromProject() override;
  // The load with a given definition file.
  bool LoadFromProjectWith(const wxString& definitionFile);
  // Sets the enable flag of every constant code named in parameter 17.
  void EnableConstCodesInFrame();
  bool ShowStoredValues() override;
  bool StorePageData() override;
  // Validates, fits the key codes to the command bits (asking first),
  // switches the project to the user-defined framework and writes the include
  // file and the SEND_BITS table. False keeps the user on the page; every
  // failure has been shown to the user.
  bool CheckAndApply() override;
  // Texts of the polarity lists and definitions 5 to 7 again.
  void ApplyLanguage();

  // --- Base operations this page gives bodies to.
  bool SetDefinitionFile(const wxString& path) override;
  bool RefreshParams(int flag) override;
  bool WriteSendBitsTable(const wxString& path) override;
  bool LoadGroups() override;
  bool ApplyGroup(int index) override;
  bool OnFrameChanged(CSendFormat* format, int flag) override;
  bool ValidateParams(int which) override;
  bool CheckFrame() override;
  void RebuildDiagrams(int flag) override;
  // Added by this page: two spare operations, then the toggle-bit enable.
  virtual void SpareOperation2() {}
  virtual void SpareOperation3() {}
  virtual bool EnableToggleBit(bool enable);

  stInputState* FindInput(int id) override;
  stCheckState* FindCheck(int id) override;
  stChoiceState* FindChoice(int id) override;
  bool IsHexadecimalInput(int id) const override;
  // The input for one of the twelve numeric ids; null for any other id.
  stInputState* GetEditByID(int id) { return FindInput(id); }

  // --- Handlers.
  // An input committed its value; valid is its own range check. id 0: none.
  bool OnEditChanged(bool valid, int id);
  // An input gained the focus: a value input takes its range from its bit count.
  bool OnEditFocus(int id);
  void OnConstCodeClicked(int k, bool checked);
  void OnCommandClicked(bool checked);
  void OnPolarityChanged(int k, int selection);
  void OnSendTypeChanged(int selection);
  void OnSendOrderClicked(bool lsbFirst);
  void OnStartValueClicked(bool one);
  void OnToggleStartClicked(bool one);
  void OnStartBitClicked(bool checked);
  void OnToggleBitClicked(bool checked);

  // --- Constant codes.
  void ApplyConstCodeEnable(int k, bool enabled);
  void EnableConstCode(int k);
  void ApplyConstPolarity(int k, bool rebuild);
  void ApplyConstCodeBlocks(bool rebuild);
  void FillPolarityCombos();
  void ShowConstantCodes();
  void ApplyStartBit(bool rebuild);
  void ApplyToggleBit(bool rebuild);

  // --- Frame checks.
  bool CheckFrameHasCommandAndConst();
  bool CheckConstCodesPlaced();
  bool CheckConnectCodeNotLast();

  wxString GetBlockParam(const wxString& name) const;

  CSendFormat& SendFormat() { return m_sendFormat; }
  // The error line under the frame (static 1111).
  wxString errorLine;
  // 0 while a send type is being applied, else 1.
  int frameSettled = 1;
  // Called once CheckAndApply has written the generated files; the page
  // window arms the key page's guide with it.
  std::function<void()> onFilesGenerated;

 private:
  void BuildControls();
  void ShowInputsFromParams();
  // The range [0, 2^b - 1] of a value input from its bit-count text, checked.
  void SetValueRange(stInputState& value, const wxString& bitsText);
  // The same, and the input enabled and marked.
  void ApplyValueRange(stInputState& value, const wxString& bitsText);
  stCheckState& Check(int id) { return m_checks.at(id); }
  stInputState& Input(int id) { return m_inputs.at(id); }
  stChoiceState& Choice(int id) { return m_choices.at(id); }

  CSendFormat m_sendFormat;
  std::map<int, stInputState> m_inputs;
  std::map<int, stCheckState> m_checks;
  std::map<int, stChoiceState> m_choices;
};

}  // namespace olv::protocol
