// The carrier page's five previews: their shapes, span labels and captions,
// and the document's values shown in the inputs.
#include "protocol/pages/ModulationParam.h"

#include "core/DocManage.h"
#include "core/LangText.h"
#include "ui/WaveDraw.h"

#include <wx/choice.h>
#include <wx/stattext.h>

using namespace modulation;

void CModulationParam::AddSegments(CDrawWave* wave, const std::vector<int>& levels, bool repaint) {
  for (std::size_t i = 0; i < levels.size(); ++i)
    wave->AddSegment(1, levels[i], repaint && i + 1 == levels.size());
}

void CModulationParam::ShowMarkSpace(CDrawWave* wave, const wxString& mark, const wxString& space,
                                     bool repaint) {
  wave->SetSpanText(0, 1, TimeLabel(GetLangText("IDS_MARK"), mark), repaint);
  wave->SetSpanText(1, 1, TimeLabel(GetLangText("IDS_SPACE"), space), repaint);
}

// Labels of a bit preview: in PDM markText / spaceText are the two times, in
// Manchester both are the half-bit time.
void CModulationParam::SetBitLabels(bool bitOne, const wxString& markText, const wxString& spaceText) {
  const bool manchester = !IsChecked(kPdmRadioId);
  const std::array<wxString, 2> labels =
      BitLabels(TimeLabel(GetLangText("IDS_MARK"), markText), TimeLabel(GetLangText("IDS_SPACE"), spaceText),
                bitOne, manchester, m_markFirst != 0);
  CDrawWave* wave = GetWave(bitOne ? kBit1WaveId : kBit0WaveId);
  wave->SetSpanText(0, 1, labels[0], true);
  wave->SetSpanText(1, 1, labels[1], true);
}

void CModulationParam::SetCarrierCaption(const wxString& frequencyText) {
  GetWave(kCarrierWaveId)->SetCaption(CarrierCaption(GetLangText("IDS_CARRIER_WAVE"), frequencyText), true);
}

void CModulationParam::SetTimeCaption(int waveId, const char* key, long microseconds) {
  GetWave(waveId)->SetCaption(TimeCaption(GetLangText(key), microseconds), true);
}

void CModulationParam::InitWaves() {
  CDrawWave* carrier = GetWave(kCarrierWaveId);
  carrier->SetFillMode(false);
  carrier->Clear(true);
  AddSegments(carrier, {1, 0}, true);
  for (int id : {kBootWaveId, kRepeatWaveId}) {
    CDrawWave* wave = GetWave(id);
    wave->SetFillStyle(CDrawWave::kFillRed);
    wave->Clear(true);
    AddSegments(wave, {1, 0}, true);
  }
  for (bool bitOne : {false, true}) {
    CDrawWave* wave = GetWave(bitOne ? kBit1WaveId : kBit0WaveId);
    wave->SetFillStyle(CDrawWave::kFillBlue);
    wave->Clear(true);
    const std::array<int, 2> levels = BitLevels(false, false, m_markFirst != 0);
    AddSegments(wave, {levels[0], levels[1]}, true);
  }
  m_wavesBound = true;
}

void CModulationParam::RedrawBitWaves(bool reset) {
  const bool manchester = IsChecked(kManchesterRadioId);
  for (bool bitOne : {true, false}) {
    CDrawWave* wave = GetWave(bitOne ? kBit1WaveId : kBit0WaveId);
    wave->Clear(reset);
    const std::array<int, 2> levels = BitLevels(bitOne, manchester, m_markFirst != 0);
    AddSegments(wave, {levels[0], levels[1]}, true);
  }
  if (reset) {
    for (int id : {kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId, kHalfBitEditId})
      EmptyInput(id);
    FindWindow(kBitErrorId)->SetLabel(wxString());
    return;
  }
  const std::vector<int> inputs =
      manchester ? std::vector<int>{kHalfBitEditId}
                 : std::vector<int>{kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId};
  for (int id : inputs) {
    CLUEdit& input = Edit(id);
    SendEditChanged(input, input.CheckRange());
  }
}

void CModulationParam::DrawCarrierWave(std::uint32_t units) {
  CDrawWave* wave = GetWave(kCarrierWaveId);
  const wxString caption = wave->GetSpanText(-1);
  wave->Clear(true);
  const std::vector<int> durations = CarrierDurations(units);
  for (std::size_t i = 0; i < durations.size(); ++i) wave->AddSegment(durations[i], i == 0 ? 1 : 0, false);
  wave->SetCaption(caption, true);
}

void CModulationParam::RefreshCarrierWave() {
  if (m_duty->GetSelection() == wxNOT_FOUND) return;
  DrawCarrierWave(FindItemValue(m_dutyItems, m_duty->GetStringSelection()));
}

void CModulationParam::DrawBootContentWave(CDrawWave* wave) {
  AddSegments(wave, BootDataLevels(EditText(kBootContentEditId), m_markFirst != 0), true);
}

void CModulationParam::PutParam(int id, int param) {
  CLUEdit& input = Edit(id);
  const wxString text = g_DocManage.GetParam(param);
  if (!input.SetText(text) || text.empty()) g_DocManage.TimingComplete = 0;
  input.SetUnitText(input.CheckRange() ? wxString() : wxString("*"), true);
}

bool CModulationParam::RefreshPreviews(bool reset) {
  if (reset) {
    ResetPreviews();
    return true;
  }
  ShowCarrierValues();
  if (g_DocManage.LeadCodeOn) ShowBootValues();
  RedrawBitWaves(true);
  if (g_DocManage.ModulationKind == 0) {
    ShowPdmBitValues();
  } else {
    ShowManchesterBitValues();
  }
  if (g_DocManage.RepeatCodeOn) ShowRepeatValues();
  return true;
}

void CModulationParam::ResetPreviews() {
  Edit(kFreqEditId).SetText(wxString());
  m_duty->SetSelection(wxNOT_FOUND);
  for (int id : {kBootContentEditId, kBootMarkEditId, kBootSpaceEditId, kBit0MarkEditId, kBit0SpaceEditId,
                 kBit1MarkEditId, kBit1SpaceEditId, kRepeatMarkEditId, kRepeatSpaceEditId,
                 kRepeatPeriodEditId, kHalfBitEditId})
    Edit(id).SetText(wxString());
  FindWindow(kBootLengthId)->SetLabel(wxString());
  InitWaves();
  for (CDrawWave* wave : m_waves) wave->SetCaption(wxString(), true);
}

void CModulationParam::ShowCarrierValues() {
  PutParam(kFreqEditId, 0);
  // The duty entry is chosen by its whole text, never by a prefix.
  const wxString duty = g_DocManage.GetParam(1);
  m_duty->SetSelection(FindItemIndex(m_dutyItems, duty));
  RefreshCarrierWave();
  if (duty.empty()) g_DocManage.TimingComplete = 0;
  if (!EditText(kFreqEditId).empty()) SetCarrierCaption(EditText(kFreqEditId));
}

void CModulationParam::ShowBootValues() {
  CDocManage& doc = g_DocManage;
  CDrawWave* boot = GetWave(kBootWaveId);
  boot->Clear(true);
  if (doc.BootCodeKind == 0) {
    AddSegments(boot, {1, 0}, true);
    PutParam(kBootMarkEditId, 3);
    PutParam(kBootSpaceEditId, 4);
    ShowMarkSpace(boot, doc.GetParam(3), doc.GetParam(4), false);
    SetTimeCaption(kBootWaveId, "IDS_BOOT_TIME",
                   static_cast<long>(LeadingDecimal(doc.GetParam(3))) +
                       static_cast<long>(LeadingDecimal(doc.GetParam(4))));
  } else {
    PutParam(kBootContentEditId, 5);
    FindWindow(kBootLengthId)->SetLabel(wxString::Format("%d", doc.BootDataBits));
    AddSegments(boot, BootDataLevels(EditText(kBootContentEditId), m_markFirst != 0), false);
  }
}

void CModulationParam::ShowPdmBitValues() {
  CDocManage& doc = g_DocManage;
  PutParam(kBit0MarkEditId, 6);
  PutParam(kBit0SpaceEditId, 7);
  SetBitLabels(false, doc.GetParam(6), doc.GetParam(7));
  SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME", static_cast<long>(doc.Bit0Mark()) + doc.Bit0Space());
  PutParam(kBit1MarkEditId, 8);
  PutParam(kBit1SpaceEditId, 9);
  SetBitLabels(true, doc.GetParam(8), doc.GetParam(9));
  SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME", static_cast<long>(doc.Bit1Mark()) + doc.Bit1Space());
}

void CModulationParam::ShowManchesterBitValues() {
  CDocManage& doc = g_DocManage;
  PutParam(kHalfBitEditId, 10);
  const long bitTime = 2L * LeadingDecimal(doc.GetParam(10));
  SetBitLabels(false, doc.GetParam(10), doc.GetParam(10));
  SetBitLabels(true, doc.GetParam(10), doc.GetParam(10));
  SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME", bitTime);
  SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME", bitTime);
  if (doc.LeadCodeOn && doc.BootCodeKind == 1) ShowBootDataTime(bitTime);
}

void CModulationParam::ShowRepeatValues() {
  CDocManage& doc = g_DocManage;
  PutParam(kRepeatPeriodEditId, 12);
  if (doc.RepeatKind != 1) return;
  CDrawWave* repeat = GetWave(kRepeatWaveId);
  repeat->Clear(true);
  AddSegments(repeat, {1, 0}, true);
  PutParam(kRepeatMarkEditId, 13);
  PutParam(kRepeatSpaceEditId, 14);
  ShowMarkSpace(repeat, doc.GetParam(13), doc.GetParam(14), true);
  SetTimeCaption(kRepeatWaveId, "IDS_REPEAT_TIME",
                 static_cast<long>(LeadingDecimal(doc.GetParam(13))) +
                     static_cast<long>(LeadingDecimal(doc.GetParam(14))));
}
