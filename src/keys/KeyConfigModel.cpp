#include "keys/KeyConfigModel.h"

#include "core/DocManage.h"
#include "core/ProjectKinds.h"
#include "keys/KeySetupModel.h"
#include "platform/Paths.h"

wxString KeyChipIniPath(const wxString& icFolder, const wxString& mcu) {
  return platform::FindPathNoCase(platform::JoinPath(icFolder, mcu + ".ini"));
}

stPinOptions DocPinOptions(const CDocManage& doc) {
  stPinOptions options;
  options.mcu = doc.GetMcuName();
  options.crystalOption = doc.CrystalOption;
  options.lcdOption = doc.LcdOption;
  return options;
}

stKeyLineCounts DocKeyLineCounts(const CDocManage& doc) {
  stKeyLineCounts counts;
  counts.io = doc.IoCount;
  counts.columns = doc.IoColCount;
  counts.rows = doc.IoRowCount;
  return counts;
}

void StoreKeyLines(CDocManage& doc, CKeyLineSet& lines) {
  // A pin taken off by a rule leaves no gap the saved list would lose.
  CompactKeyLines(lines);
  doc.SetParam(18, FormatSetupPinList(lines));
  const stKeyLineCounts counts = lines.CountsInUse();
  doc.IoCount = static_cast<std::uint8_t>(counts.io);
  doc.IoColCount = static_cast<std::uint8_t>(counts.columns);
  doc.IoRowCount = static_cast<std::uint8_t>(counts.rows + (doc.VssRow == 1 ? 1 : 0));
}

void SetDocKeypad(CDocManage& doc, int keypad) {
  doc.VssRow = IsLcdRemote(doc.RemoteType) && keypad == kKeypadStep ? 1 : 0;
  doc.Keypad = keypad;
}

stRemPinList PlanRemPinList(const CDocManage& doc, const wxString& protocolFolder,
                            const std::vector<wxString>& keyPins, const wxString& ledPin, bool reset) {
  const wxString keyConfig = platform::FindPathNoCase(
      platform::JoinPath(platform::JoinPath(protocolFolder, "Custom"), "KeyConfig.ini"));
  stRemPinList list;
  list.offered = OfferedRemPins(ReadRemCandidates(keyConfig, doc.GetMcuName(), doc.GetPackageName()), keyPins,
                                ledPin, doc.UsedPins);
  list.selection = ChooseRemPin(list.offered, doc.RemPinText, reset);
  return list;
}

void StoreRemPin(CDocManage& doc, const stRemPinList& list) {
  doc.RemPinIndex = list.selection;
  doc.RemPinText = list.selection < 0 ? wxString() : list.offered[list.selection];
}

std::vector<stSavedKeyRow> DocSavedKeyRows(const CDocManage& doc) {
  std::vector<stSavedKeyRow> rows;
  int position = 0;
  std::uint16_t code = 0;
  wxString text;
  while (doc.GetNextKeyValue(position, code, text))
    rows.push_back({wxString::Format("0x%x", static_cast<unsigned>(code)), text});
  return rows;
}

bool ChipOffersRemPin(const wxString& mcu) { return mcu.CmpNoCase("QK37A0660") != 0; }

bool ChipShowsKeyPinTips(const wxString& mcu) {
  return mcu.CmpNoCase("QK21B0510") == 0 || mcu.CmpNoCase("QK21C0510") == 0;
}
