// The page's rules behind its handlers: input changes, constant codes, send
// types, start and toggle bits, and the frame checks.
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "protocol/DataFormatModel.h"

#include <cmath>
#include <cstdlib>

namespace olv::protocol {

using namespace dataformat_id;

namespace {

double DecimalValue(const wxString& text) { return std::strtod(text.ToStdString().c_str(), nullptr); }

bool IsOptionKind(int kind) {
  return kind == kKindOption2 || kind == kKindStart || kind == kKindToggle || kind == kKindOption16;
}

// The constant code (1..4) whose value input or bit-count input id is; 0 for none.
int ConstCodeOfInput(int id, const int (&ids)[4]) {
  for (int k = 0; k < 4; ++k) {
    if (ids[k] == id) return k + 1;
  }
  return 0;
}

}  // namespace

// --- Inputs.

void CDataFormatModel::SetValueRange(stInputState& value, const wxString& bitsText) {
  if (value.SetRange(0.0, std::pow(2.0, DecimalValue(bitsText)) - 1.0)) value.valueCheck = true;
}

void CDataFormatModel::ApplyValueRange(stInputState& value, const wxString& bitsText) {
  value.enabled = true;
  SetValueRange(value, bitsText);
  value.MarkRange();
}

bool CDataFormatModel::OnEditFocus(int id) {
  const int k = id == kAddress ? 0 : ConstCodeOfInput(id, kConstValue);
  if (id != kAddress && k == 0) return true;
  const stInputState& bits = Input(k == 0 ? kAddressBits : kConstBits[k - 1]);
  const double maximum = std::pow(2.0, DecimalValue(bits.text)) - 1.0;
  stInputState& value = Input(id);
  value.tipEnabled = true;
  value.tipText = wxString::Format("%X~%XH", 0u, static_cast<unsigned>(static_cast<long long>(maximum)));
  value.SetRange(0.0, maximum);
  value.valueCheck = true;
  return true;
}

bool CDataFormatModel::OnEditChanged(bool valid, int id) {
  stInputState* input = id != 0 ? FindInput(id) : nullptr;
  if (input) {
    input->refused = false;
    input->unitText = valid ? wxString() : wxString("*");
    const wxString& text = input->text;
    const bool counts = !text.empty() && ParseNumber(text) != 0;
    if (id == kAddressBits) {
      stInputState& address = Input(kAddress);
      if (counts) {
        ApplyValueRange(address, text);
      } else {
        address.text.clear();
        address.refused = false;
        address.MarkRange();
        address.enabled = false;
      }
    } else if (const int k = ConstCodeOfInput(id, kConstBits)) {
      m_doc.SetParam(23 + k, text);
      stInputState& value = Input(kConstValue[k - 1]);
      if (counts) {
        ApplyValueRange(value, text);
      } else {
        value.text.clear();
        value.refused = false;
        value.MarkRange();
        value.enabled = false;
        m_doc.SetParam(27 + k, wxString());
      }
    } else if (const int v = ConstCodeOfInput(id, kConstValue)) {
      // Hexadecimal digits: the document's number is read from "0x" and them.
      m_doc.SetParam(27 + v, text.empty() ? text : "0x" + text);
    } else if (id == kCommandBits) {
      m_doc.SetParam(16, text);
    }
  }
  ProjectChanged();
  return true;
}

// --- Constant codes.

void CDataFormatModel::ApplyConstCodeEnable(int k, bool enabled) {
  stInputState& bits = Input(kConstBits[k - 1]);
  stInputState& value = Input(kConstValue[k - 1]);
  if (enabled) {
    bits.text = BitCountText(m_doc.GetParam(23 + k));
    if (!bits.text.empty()) {
      wxString stored = m_doc.GetParam(27 + k).Strip(wxString::both);
      if (stored.Lower().StartsWith("0x")) stored.Remove(0, 2);
      value.text = stored;
      SetValueRange(value, bits.text);
    }
  } else {
    bits.text.clear();
    value.text.clear();
  }
  ApplyConstPolarity(k, false);
  bits.enabled = enabled;
  value.enabled = enabled && !bits.text.empty();
  Choice(kConstPolarity[k - 1]).enabled = enabled;

  auto setCode = [this](int code, bool on) {
    m_doc.ConstCodeOn[code - 1] = on ? 1 : 0;
    Check(kConstEnable[code - 1]).checked = on;
    ApplyConstCodeEnable(code, on);
  };
  const auto on = [this](int code) { return m_doc.ConstCodeOn[code - 1] != 0; };
  if (k == 2 && !enabled && on(3)) setCode(3, false);
  if (k == 3 && enabled && !on(2)) setCode(2, true);
  if (k == 3 && !enabled && on(4)) setCode(4, false);
  if (k == 4 && enabled && !on(3)) setCode(3, true);
}

void CDataFormatModel::EnableConstCode(int k) {
  m_doc.ConstCodeOn[k - 1] = 1;
  Check(kConstEnable[k - 1]).checked = true;
  ApplyConstCodeEnable(k, true);
}

void CDataFormatModel::OnConstCodeClicked(int k, bool checked) {
  m_doc.ConstCodeOn[k - 1] = checked ? 1 : 0;
  Check(kConstEnable[k - 1]).checked = checked;
  ApplyConstCodeEnable(k, checked);
  ApplyConstCodeBlocks(true);
  ProjectChanged();
}

void CDataFormatModel::OnCommandClicked(bool checked) {
  m_doc.CommandOn = checked ? 1 : 0;
  Check(kCommandEnable).checked = checked;
  ApplyConstCodeEnable(1, checked);
  ProjectChanged();
}

void CDataFormatModel::ApplyConstPolarity(int k, bool rebuild) {
  const bool negative = Choice(kConstPolarity[k - 1]).selection == 1;
  const wxString digit = wxString::Format("%d", k);
  for (auto& entry : m_dataBlocks) {
    if (!entry || IsOptionKind(entry->block.Kind()) || !entry->block.GetText().Contains(digit)) continue;
    entry->block.SetComplement(negative);
    entry->block.Redraw(true, true);
    const int place = m_sendFormat.FindWnd(entry->item.get());
    if (place >= 0) {
      m_sendFormat.Place(place).SetComplement(negative);
      m_sendFormat.Place(place).Redraw(true, true);
    }
  }
  if (rebuild) RebuildDiagrams(1);
}

void CDataFormatModel::OnPolarityChanged(int k, int selection) {
  Choice(kConstPolarity[k - 1]).selection = selection;
  ApplyConstPolarity(k, true);
  m_doc.ConstPolarity[k - 1] = selection;
  ProjectChanged();
}

void CDataFormatModel::ApplyConstCodeBlocks(bool rebuild) {
  for (int k = 1; k <= 4; ++k) {
    const bool disabled = m_doc.ConstCodeOn[k - 1] == 0;
    const wxString digit = wxString::Format("%d", k);
    for (auto& entry : m_dataBlocks) {
      if (!entry || IsOptionKind(entry->block.Kind()) || !entry->block.GetText().Contains(digit)) continue;
      entry->block.SetMovable(!disabled, true);
      if (!disabled) continue;
      const int place = m_sendFormat.FindWnd(entry->item.get());
      if (place < 0) continue;
      m_sendFormat.RemoveAt(place, true);
      entry->block.SetVisible(true, true);
      if (rebuild) RebuildDiagrams(1);
    }
  }
}

void CDataFormatModel::FillPolarityCombos() {
  for (int k = 0; k < 4; ++k) {
    stChoiceState& combo = Choice(kConstPolarity[k]);
    combo.entries = {GetLangText("IDS_POSITIVE"), GetLangText("IDS_NEGATIVE")};
    combo.selection = m_doc.ConstPolarity[k];
  }
}

void CDataFormatModel::ShowConstantCodes() {
  for (int k = 1; k <= 4; ++k) {
    const bool on = m_doc.ConstCodeOn[k - 1] != 0;
    Check(kConstEnable[k - 1]).checked = on;
    stChoiceState& combo = Choice(kConstPolarity[k - 1]);
    combo.enabled = on;
    combo.selection = m_doc.ConstPolarity[k - 1];
    ApplyConstCodeEnable(k, on);
  }
  Check(kConstEnable[0]).enabled = false;
  Check(kCommandEnable).enabled = false;
  Check(kCommandEnable).checked = m_doc.CommandOn != 0;
  if (m_doc.CommandOn == 0) Input(kCommandBits).text.clear();
  Input(kCommandBits).enabled = m_doc.CommandOn != 0;
  ApplyConstCodeBlocks(false);
}

// --- Start and toggle bits, send order, send types.

void CDataFormatModel::ApplyStartBit(bool rebuild) {
  const bool on = Check(kStartEnable).checked;
  Check(kStartValue0).enabled = Check(kStartValue1).enabled = on;
  m_sendFormat.SetShown(on);
  RelayoutFormat(&m_sendFormat);
  m_doc.StartBitOn = on ? 1 : 0;
  PlaceOptionBlocks(kKindStart, 0);
  if (rebuild) RebuildDiagrams(frameSettled);
}

void CDataFormatModel::ApplyToggleBit(bool rebuild) {
  const bool on = Check(kToggleEnable).checked;
  Check(kToggleStart0).enabled = Check(kToggleStart1).enabled = on;
  m_sendFormat.toggle_shown = on;
  RelayoutFormat(&m_sendFormat);
  m_doc.ToggleBitOn = on ? 1 : 0;
  PlaceOptionBlocks(kKindToggle, 0);
  if (rebuild) RebuildDiagrams(frameSettled);
}

void CDataFormatModel::OnStartBitClicked(bool checked) {
  Check(kStartEnable).checked = checked;
  ApplyStartBit(true);
  ProjectChanged();
}

void CDataFormatModel::OnToggleBitClicked(bool checked) {
  Check(kToggleEnable).checked = checked;
  ApplyToggleBit(true);
  ProjectChanged();
}

bool CDataFormatModel::EnableToggleBit(bool enable) {
  UpdateFrameBlocks(enable, 0);
  stCheckState& toggle = Check(kToggleEnable);
  toggle.enabled = enable;
  if (!enable && toggle.checked) {
    toggle.checked = false;
    ApplyToggleBit(true);
  }
  return true;
}

void CDataFormatModel::OnSendOrderClicked(bool lsbFirst) {
  Check(kMsbFirst).checked = !lsbFirst;
  Check(kLsbFirst).checked = lsbFirst;
  if ((m_doc.LsbFirst != 0) == lsbFirst) return;
  m_doc.LsbFirst = lsbFirst ? 1 : 0;
  RebuildDiagrams(frameSettled);
  ProjectChanged();
}

void CDataFormatModel::OnStartValueClicked(bool one) {
  Check(kStartValue0).checked = !one;
  Check(kStartValue1).checked = one;
  if ((m_doc.StartBitValue != 0) == one) return;
  m_doc.StartBitValue = one ? 1 : 0;
  ProjectChanged();
}

void CDataFormatModel::OnToggleStartClicked(bool one) {
  Check(kToggleStart0).checked = !one;
  Check(kToggleStart1).checked = one;
  if ((m_doc.ToggleStart != 0) == one) return;
  m_doc.ToggleStart = one ? 1 : 0;
  ProjectChanged();
}

void CDataFormatModel::RebuildDiagrams(int flag) {
  if (flag == 0) return;
  stChoiceState& sendType = Choice(kSendType);
  sendType.selection = static_cast<int>(sendType.entries.size()) - 1;
  m_doc.FormatType = sendType.selection;
}

bool CDataFormatModel::ApplyGroup(int index) {
  stGroup group;
  if (!ReadGroup(m_definitionFile, index, group)) return false;
  bool startFound = false;
  bool toggleFound = false;
  for (const wxString& item : group.items) {
    if (const int k = ConstCodeNumber(item)) {
      const int polarity = IsNegatedName(item) ? 1 : 0;
      m_doc.ConstPolarity[k - 1] = polarity;
      Choice(kConstPolarity[k - 1]).selection = polarity;
      if (Check(kConstEnable[k - 1]).checked) {
        ApplyConstPolarity(k, false);
      } else {
        EnableConstCode(k);
        ApplyConstCodeBlocks(false);
      }
    }
    // "/" marks the complemented form; the block is named without it.
    wxString name = item;
    name.Replace("/", "");
    for (auto& entry : m_dataBlocks) {
      if (!entry || entry->block.GetText().CmpNoCase(name) != 0) continue;
      if (!IsOptionKind(entry->block.Kind())) entry->block.SetVisible(true, true);
      startFound = startFound || entry->block.Kind() == kKindStart;
      toggleFound = toggleFound || entry->block.Kind() == kKindToggle;
    }
    ApplyBlockToSendFormats(name, false, false);
  }
  if (const std::optional<bool> lsb = ReadGroupLsb(m_definitionFile, group.displayName)) {
    m_doc.LsbFirst = *lsb ? 1 : 0;
    Check(kMsbFirst).checked = !*lsb;
    Check(kLsbFirst).checked = *lsb;
  }
  Check(kStartEnable).checked = startFound;
  ApplyStartBit(true);
  Check(kToggleEnable).checked = toggleFound;
  ApplyToggleBit(true);
  return true;
}

void CDataFormatModel::OnSendTypeChanged(int selection) {
  frameSettled = 0;
  Choice(kSendType).selection = selection;
  if (selection == m_doc.FormatType) {
    frameSettled = 1;
    return;
  }
  if (selection != -1) {
    if (!m_sendFormat.kind16_shown && selection == 1) {
      LangMessageBox("IDS_MODE_CAN_NO_SEL");
      RebuildDiagrams(selection);
      frameSettled = 1;
      return;
    }
    ShowAllBlocks(false);
    ApplyGroup(selection);
    // The lead code and the connect code stay in the frame as the document has them.
    PlaceOptionBlocks(kKindOption2 | kKindOption16, 0);
    SetFrameMode(m_doc.LeadCodeOn != 0, false);
    EnableToggleBit(m_sendFormat.kind16_shown);
  }
  frameSettled = 1;
  m_doc.FormatType = selection;
  m_doc.SetParam(17, JoinFrameTexts());
  ProjectChanged();
}

// --- Frame checks.

bool CDataFormatModel::CheckFrameHasCommandAndConst() {
  int found = 0;
  for (int i = 0; i < m_sendFormat.PlaceCount(); ++i) {
    const FrameItem* item = m_sendFormat.GetBlockWnd(i);
    if (!item) continue;
    if (item->GetCaption().Contains("COMMAND")) found |= 1;
    if (item->GetCaption().Contains("CONST_CODE")) found |= 2;
  }
  if (found != 3) {
    errorLine = GetLangText("IDS_DATA_FORMAT_ERR");
    return false;
  }
  errorLine.clear();
  return true;
}

bool CDataFormatModel::CheckConstCodesPlaced() {
  unsigned mask = 0;
  for (int i = 0; i < m_sendFormat.PlaceCount(); ++i) {
    const FrameItem* item = m_sendFormat.GetBlockWnd(i);
    if (!item) continue;
    for (int k = 1; k <= 4; ++k) {
      if (item->GetCaption().Contains(wxString::Format("CONST_CODE%d", k))) {
        mask |= 1u << (k - 1);
        break;
      }
    }
  }
  const int n = m_doc.ConstCodeOn[3] ? 4 : (m_doc.ConstCodeOn[2] ? 3 : (m_doc.ConstCodeOn[1] ? 2 : 0));
  if (n == 0) return true;
  const wxString list = ListUnplacedConstCodes(mask, n);
  if (list.empty()) return true;
  LangMessageBox(wxString(), kNoticeOk, "IDS_CONSTCODE_UNCONSIG", list);
  return false;
}

bool CDataFormatModel::CheckConnectCodeNotLast() {
  for (CSendFormat* format : {m_firstFormat, m_secondFormat}) {
    if (!format || !format->kind16_shown) continue;
    const FrameItem* last = nullptr;
    for (int i = 0; i < format->PlaceCount(); ++i) {
      if (const FrameItem* item = format->GetBlockWnd(i)) last = item;
    }
    if (last && last->GetCaption().CmpNoCase("IDS_CONNECT_CODE") == 0) {
      LangMessageBox("IDS_FUNC_CONFIG_AFTER_CONNECTCODE");
      return false;
    }
  }
  return true;
}

bool CDataFormatModel::ValidateParams(int which) {
  if (!CheckParamEdits()) return false;
  if (which == 0) return CheckFrameHasCommandAndConst() && CheckConstCodesPlaced();
  return CheckFunctionRecords() && CheckConnectCodeNotLast();
}

bool CDataFormatModel::OnFrameChanged(CSendFormat*, int) { return CheckFrameHasCommandAndConst(); }

bool CDataFormatModel::CheckFrame() { return CheckFrameHasCommandAndConst(); }

wxString CDataFormatModel::GetBlockParam(const wxString& name) const {
  const int index = BlockParamIndex(name);
  return index < 0 ? wxString() : m_doc.GetParam(index);
}

}  // namespace olv::protocol
