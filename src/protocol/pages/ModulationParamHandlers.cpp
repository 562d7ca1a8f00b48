// The carrier page's handlers: the choices that show, enable and reset its
// controls, and the inputs' reports that relabel the previews.
#include "protocol/pages/ModulationParam.h"

#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/Numbers.h"
#include "ui/WaveDraw.h"
#include "ui/shell/PageMessages.h"

#include <wx/stattext.h>

using namespace modulation;

void CModulationParam::OnModulationType(int id) {
  wxString caption;
  if (id == kPdmRadioId) {
    if (m_lastModuleType == 0) return;
    m_lastModuleType = 0;
    g_DocManage.MarkAfter = 0;
    caption = GetLangText("IDS_LABEL4_PDM");
    SetChecked(kBootAgcRadioId, true);
  } else {
    if (m_lastModuleType == 1) return;
    m_lastModuleType = 1;
    if (m_manchesterMarkAfter != -1) g_DocManage.MarkAfter = static_cast<std::uint8_t>(m_manchesterMarkAfter);
    caption = GetLangText("IDS_LABEL4_MAN");
  }
  m_manchester = id == kManchesterRadioId ? 1 : 0;
  FindWindow(kBitGroupId)->SetLabel(caption);
  UpdateBootControls();
  ApplyModuleTypeVisibility();
  ReportChange();
}

void CModulationParam::ApplyModuleTypeVisibility() {
  const bool pdm = IsChecked(kPdmRadioId);
  ShowControls({kHalfBitLabelId, kPolarityGroupId, kMarkFirstRadioId, kMarkAfterRadioId, kHalfBitEditId},
               !pdm);
  ShowControls({kBit0TitleId, kBit1TitleId, kBit0MarkLabelId, kBit0SpaceLabelId, kBit1MarkLabelId,
                kBit1SpaceLabelId, kBit0MarkUnitId, kBit0SpaceUnitId, kBit1MarkUnitId, kBit1SpaceUnitId,
                kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId, kBitErrorId},
               pdm);
  SetChecked(g_DocManage.MarkAfter != 0 ? kMarkAfterRadioId : kMarkFirstRadioId, true);
  m_markFirst = g_DocManage.MarkAfter == 0 ? 1 : 0;
  RedrawBitWaves(false);
}

void CModulationParam::UpdateBootControls() {
  const bool manchester = IsChecked(kManchesterRadioId);
  const bool boot = IsChecked(kBootCheckId);
  const bool bootData = IsChecked(kBootManchesterRadioId);
  EnableControls({kBootManchesterRadioId}, boot && manchester);
  EnableControls({kBootAgcRadioId, kBootContentEditId, kBootMarkEditId, kBootSpaceEditId}, boot);
  ShowControls({kBootContentLabelId, kBootContentEditId, kBootContentUnitId}, bootData);
  ShowControls({kBootMarkLabelId, kBootSpaceLabelId, kBootMarkEditId, kBootSpaceEditId, kBootMarkUnitId,
                kBootSpaceUnitId},
               !bootData);
  OnBootType(bootData ? kBootManchesterRadioId : kBootAgcRadioId);
  OnRepeatEnable();
}

void CModulationParam::OnBootCodeCheck() {
  UpdateBootControls();
  const bool on = IsChecked(kBootCheckId);
  if (!on) {
    CDrawWave* wave = GetWave(kBootWaveId);
    wave->Clear(true);
    if (!IsChecked(kBootManchesterRadioId)) {
      AddSegments(wave, {1, 0}, true);
      EmptyInput(kBootMarkEditId);
      EmptyInput(kBootSpaceEditId);
    } else {
      EmptyInput(kBootContentEditId);
    }
  }
  NotifyDataFormatPage(WM_LEAD_CODE_STATE, on ? 1 : 0);
  ReportChange();
}

void CModulationParam::OnDutyChanged() {
  RefreshCarrierWave();
  ReportChange();
}

void CModulationParam::OnBit0Polarity(int id) {
  m_markFirst = id == kMarkFirstRadioId ? 1 : 0;
  RedrawBitWaves(false);
  if (IsChecked(kManchesterRadioId)) {
    const long bitTime = ShowHalfBitTimes();
    if (IsChecked(kBootManchesterRadioId)) ShowBootDataTime(bitTime);
  } else {
    SetBitLabels(false, EditText(kBit0MarkEditId), EditText(kBit0SpaceEditId));
    SetBitLabels(true, EditText(kBit1MarkEditId), EditText(kBit1SpaceEditId));
    SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME",
                   static_cast<long>(g_DocManage.Bit0Mark()) + g_DocManage.Bit0Space());
    SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME",
                   static_cast<long>(g_DocManage.Bit1Mark()) + g_DocManage.Bit1Space());
  }
  if (!IsChecked(kBootAgcRadioId)) {
    CDrawWave* wave = GetWave(kBootWaveId);
    wave->Clear(false);
    DrawBootContentWave(wave);
  }
  m_manchesterMarkAfter = m_markFirst ? 0 : 1;
  ReportChange();
}

void CModulationParam::OnBootType(int id) {
  const int type = id == kBootManchesterRadioId ? 1 : 0;
  if (type == m_lastBootType) return;
  m_lastBootType = type;
  ShowControls({kBootMarkEditId, kBootSpaceEditId, kBootMarkLabelId, kBootSpaceLabelId, kBootMarkUnitId,
                kBootSpaceUnitId},
               type == 0);
  ShowControls({kBootContentLabelId, kBootContentEditId, kBootContentUnitId}, type == 1);
  CDrawWave* wave = GetWave(kBootWaveId);
  wave->Clear(true);
  if (type == 0) {
    AddSegments(wave, {1, 0}, true);
    EmptyInput(kBootMarkEditId);
    EmptyInput(kBootSpaceEditId);
  } else {
    EmptyInput(kBootContentEditId);
  }
  OnRepeatEnable();
}

void CModulationParam::OnRepeatEnable() {
  const bool agcWas = IsChecked(kRepeatAgcRadioId);
  const bool on = IsChecked(kRepeatCheckId);
  const bool agcBoot = IsChecked(kBootCheckId) && IsChecked(kBootAgcRadioId);
  // An AGC burst repeat exists only behind an AGC burst boot code.
  if (!agcBoot && agcWas) SetChecked(kRepeatDataRadioId, true);
  EnableControls({kRepeatPeriodEditId, kRepeatMarkEditId, kRepeatSpaceEditId}, on);
  EnableControls({kRepeatAgcRadioId}, on && agcBoot);
  EnableControls({kRepeatDataRadioId, kRepeatWholeRadioId}, on);
  OnRepeatType(IsChecked(kRepeatAgcRadioId)     ? kRepeatAgcRadioId
               : IsChecked(kRepeatWholeRadioId) ? kRepeatWholeRadioId
                                                : kRepeatDataRadioId);
  if (!on) {
    CDrawWave* wave = GetWave(kRepeatWaveId);
    wave->Clear(true);
    if (agcWas) {
      AddSegments(wave, {1, 0}, true);
      for (int id : {kRepeatPeriodEditId, kRepeatMarkEditId, kRepeatSpaceEditId}) EmptyInput(id);
    } else {
      EmptyInput(kRepeatPeriodEditId);
    }
  }
  NotifyDataFormatPage(WM_REPEAT_CODE_STATE, on ? 1 : 0);
  ReportChange();
}

void CModulationParam::OnRepeatType(int id) {
  const int type = id == kRepeatAgcRadioId ? 1 : id == kRepeatDataRadioId ? 2 : 4;
  if (type == m_lastRepeatType) return;
  m_lastRepeatType = type;
  ShowControls({kRepeatMarkEditId, kRepeatSpaceEditId, kRepeatMarkLabelId, kRepeatSpaceLabelId,
                kRepeatMarkUnitId, kRepeatSpaceUnitId},
               type == 1);
  CDrawWave* wave = GetWave(kRepeatWaveId);
  wave->Clear(true);
  if (type == 1) {
    EmptyInput(kRepeatMarkEditId);
    EmptyInput(kRepeatSpaceEditId);
    AddSegments(wave, {1, 0}, true);
  }
  ReportChange();
}

void CModulationParam::OnEditChanged(wxCommandEvent& event) {
  HandleEditChanged(event.GetInt() != 0, static_cast<CLUEdit*>(event.GetClientData()));
}

void CModulationParam::HandleEditChanged(bool inRange, CLUEdit* input) {
  if (input) input->SetUnitText(inRange ? wxString() : wxString("*"), true);
  const int id = input ? input->GetDlgCtrlID() : 0;
  switch (id) {
    case kFreqEditId:
      if (!EditText(kFreqEditId).empty()) SetCarrierCaption(EditText(kFreqEditId));
      break;
    case kBootContentEditId: ShowBootContent(); break;
    case kBootMarkEditId:
    case kBootSpaceEditId: ShowMarkSpaceTimes(kBootWaveId, "IDS_BOOT_TIME", false); break;
    case kBit0MarkEditId:
    case kBit0SpaceEditId: ShowBitTimes(false); break;
    case kBit1MarkEditId:
    case kBit1SpaceEditId: ShowBitTimes(true); break;
    case kHalfBitEditId: {
      const long bitTime = ShowHalfBitTimes();
      if (IsChecked(kBootCheckId) && IsChecked(kBootManchesterRadioId)) ShowBootDataTime(bitTime);
      break;
    }
    case kRepeatMarkEditId:
    case kRepeatSpaceEditId: ShowMarkSpaceTimes(kRepeatWaveId, "IDS_REPEAT_TIME", true); break;
    default: break;
  }
  if (!m_quiet) ReportChange();
}

void CModulationParam::ShowBootContent() {
  CDrawWave* wave = GetWave(kBootWaveId);
  wave->Clear(true);
  DrawBootContentWave(wave);
  const long length = static_cast<long>(EditText(kBootContentEditId).length());
  SetTimeCaption(kBootWaveId, "IDS_BOOT_TIME",
                 static_cast<long>(ParseNumber(EditText(kHalfBitEditId))) * length * 2);
  FindWindow(kBootLengthId)->SetLabel(wxString::Format("%ld", length));
}

// The boot or repeat preview's mark and space labels and its caption, from
// the inputs.
void CModulationParam::ShowMarkSpaceTimes(int waveId, const char* captionKey, bool repaint) {
  const bool boot = waveId == kBootWaveId;
  const wxString mark = EditText(boot ? kBootMarkEditId : kRepeatMarkEditId);
  const wxString space = EditText(boot ? kBootSpaceEditId : kRepeatSpaceEditId);
  ShowMarkSpace(GetWave(waveId), mark, space, repaint);
  SetTimeCaption(waveId, captionKey,
                 static_cast<long>(LeadingDecimal(mark)) + static_cast<long>(LeadingDecimal(space)));
}

void CModulationParam::ShowBitTimes(bool bitOne) {
  const wxString mark = EditText(bitOne ? kBit1MarkEditId : kBit0MarkEditId);
  const wxString space = EditText(bitOne ? kBit1SpaceEditId : kBit0SpaceEditId);
  SetBitLabels(bitOne, mark, space);
  SetTimeCaption(bitOne ? kBit1WaveId : kBit0WaveId, bitOne ? "IDS_BIT1_TIME" : "IDS_BIT0_TIME",
                 static_cast<long>(LeadingDecimal(mark)) + static_cast<long>(LeadingDecimal(space)));
  CheckBitTimes();
}

long CModulationParam::ShowHalfBitTimes() {
  const wxString half = EditText(kHalfBitEditId);
  SetBitLabels(false, half, half);
  SetBitLabels(true, half, half);
  const long bitTime = static_cast<long>(LeadingDecimal(half)) * 2;
  SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME", bitTime);
  SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME", bitTime);
  return bitTime;
}

void CModulationParam::ShowBootDataTime(long bitTime) {
  SetTimeCaption(kBootWaveId, "IDS_BOOT_TIME",
                 static_cast<long>(EditText(kBootContentEditId).length()) * bitTime);
}
