// The air carrier page's interaction: the inputs' reports with their marks
// and previews, the duty and scheme lists, a confirmed scheme change, the
// connect-code switch, and the four previews shown from the document.
#include "aircon/pages/AirModulation.h"

#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "ui/WaveDraw.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellHooks.h"

#include <wx/choice.h>

using namespace aircon;

// --- Inputs.

void CAirModulation::OnEditChanged(wxCommandEvent& event) {
  HandleEditChanged(event.GetInt() != 0, static_cast<CLUEdit*>(event.GetClientData()));
}

void CAirModulation::HandleEditChanged(bool inRange, CLUEdit* input) {
  if (input) input->SetUnitText(inRange ? wxString() : wxString("*"), true);
  CDocManage& doc = g_DocManage;
  // A language switch only relabels: the values and the scheme stay as they are.
  const bool store = m_updating == 0;
  // A typed value that differs from the document's turns the page to the user's own scheme.
  const auto storeParam = [&](int param, const wxString& text) {
    if (!store) return;
    if (text != doc.GetParam(param)) SelectLastScheme();
    doc.SetParam(param, text);
  };
  switch (input ? input->GetDlgCtrlID() : 0) {
    case kFreqEditId: {
      const wxString text = EditText(kFreqEditId);
      if (!text.empty()) SetCarrierCaption(text);
      storeParam(0, text);
      break;
    }
    case kLeadMarkEditId:
    case kLeadSpaceEditId:
      ShowTimes(kLeadMarkEditId, kLeadSpaceEditId, kLeadWaveId, "IDS_BOOT_TIME");
      storeParam(4, EditText(kLeadSpaceEditId));
      storeParam(3, EditText(kLeadMarkEditId));
      break;
    case kBit0MarkEditId:
    case kBit0SpaceEditId:
      ShowTimes(kBit0MarkEditId, kBit0SpaceEditId, kBit0WaveId, "IDS_BIT0_TIME");
      CheckBitMarks();
      storeParam(7, EditText(kBit0SpaceEditId));
      storeParam(6, EditText(kBit0MarkEditId));
      break;
    case kBit1MarkEditId:
    case kBit1SpaceEditId:
      ShowTimes(kBit1MarkEditId, kBit1SpaceEditId, kBit1WaveId, "IDS_BIT1_TIME");
      CheckBitMarks();
      storeParam(9, EditText(kBit1SpaceEditId));
      storeParam(8, EditText(kBit1MarkEditId));
      break;
    default: break;  // the connect time
  }
  if (store) ReportChange();
}

// A mark and space preview's labels and its caption, from the inputs.
void CAirModulation::ShowTimes(int markId, int spaceId, int waveId, const char* captionKey) {
  const wxString mark = EditText(markId);
  const wxString space = EditText(spaceId);
  ShowMarkSpace(waveId, mark, space);
  SetTimeCaption(waveId, captionKey,
                 static_cast<long>(modulation::LeadingDecimal(space)) +
                     static_cast<long>(modulation::LeadingDecimal(mark)));
}

// --- Lists.

void CAirModulation::OnDutySelChange() {
  RefreshCarrierFromDuty();
  ReportChange();
}

void CAirModulation::SelectLastScheme() {
  const int count = static_cast<int>(m_schemes->GetCount());
  if (count == 0) return;
  m_schemes->SetSelection(count - 1);
  m_scheme = g_DocManage.AirFormatType = count - 1;
}

void CAirModulation::OnSchemeSelChange() {
  CDocManage& doc = g_DocManage;
  const int chosen = m_schemes->GetSelection();
  const int count = static_cast<int>(m_schemes->GetCount());
  if (chosen == count - 1) {
    // The user's own scheme: nothing to load.
    m_scheme = doc.AirFormatType = chosen;
  } else if (chosen != doc.AirFormatType) {
    if (LangMessageBox("IDS_MODE_CHANGED_WARNING", kNoticeOkCancel) == kNoticeAnswerOk) {
      for (int page : {kTemplateId, static_cast<int>(kAirDataFormatId), static_cast<int>(kOtherPageId)})
        SendToPage(page, WM_AIR_FORMAT_INDEX, chosen);
    } else {
      m_schemes->SetSelection(doc.AirFormatType);
    }
  }
  ReportChange();
}

// Reload for a scheme: its defaults replace this page's values.
void CAirModulation::OnSchemeChanged(CShellMessageEvent& event) {
  const int scheme = static_cast<int>(event.WParam());
  g_DocManage.AirFormatType = scheme;
  LoadFormatParameters(scheme, 0);
  LoadSchemeDefaults(scheme);
  RefreshControls();
  event.SetResult(1);
}

// --- Connect code.

void CAirModulation::OnConnectRadio() {
  const bool on = IsChecked(kConnectOnId);
  if (on == (g_DocManage.RepeatCodeOn != 0)) return;
  ApplyConnectSwitch();
  ReportChange();
}

void CAirModulation::ApplyConnectSwitch() {
  const bool on = IsChecked(kConnectOnId);
  g_DocManage.RepeatCodeOn = on ? 1 : 0;
  EnableConnectTime(on);
  if (!on) EmptyInput(kConnectTimeEditId);
  SendToPage(kAirDataFormatId, WM_CONNECT_CODE_STATE, on ? 1 : 0);
}

// --- Previews.

void CAirModulation::InitWaves() {
  for (CDrawWave* wave : m_waves) {
    wave->Clear(true);
    wave->AddSegment(1, 1, false);
    wave->AddSegment(1, 0, true);
  }
  GetWave(kCarrierWaveId)->SetFillMode(false);
  GetWave(kLeadWaveId)->SetFillStyle(CDrawWave::kFillRed);
  GetWave(kBit0WaveId)->SetFillStyle(CDrawWave::kFillBlue);
  GetWave(kBit1WaveId)->SetFillStyle(CDrawWave::kFillBlue);
}

void CAirModulation::ResetBitPictures(bool clear) {
  for (int id : {kBit0WaveId, kBit1WaveId}) {
    CDrawWave* wave = GetWave(id);
    wave->Clear(clear);
    wave->AddSegment(1, 1, false);
    wave->AddSegment(1, 0, true);
  }
  if (!clear) return;
  for (int id : {kLeadMarkEditId, kLeadSpaceEditId, kConnectTimeEditId, kBit0MarkEditId, kBit0SpaceEditId,
                 kBit1MarkEditId, kBit1SpaceEditId})
    EmptyInput(id);
  SetErrorText(wxString());
}

// The carrier preview: one unit high and the rest of the duty entry's units low.
void CAirModulation::RefreshCarrierFromDuty() {
  if (m_duty->GetSelection() == wxNOT_FOUND) return;
  const wxString text = m_duty->GetStringSelection();
  CDrawWave* wave = GetWave(kCarrierWaveId);
  const wxString caption = wave->GetSpanText(-1);
  wave->Clear(true);
  const std::vector<int> durations =
      modulation::CarrierDurations(modulation::FindItemValue(m_dutyItems, text));
  for (std::size_t i = 0; i < durations.size(); ++i) wave->AddSegment(durations[i], i == 0 ? 1 : 0, false);
  wave->SetCaption(caption, true);
  // Entries are matched without regard to case, so they are compared that way too.
  if (text.CmpNoCase(g_DocManage.GetParam(1)) != 0) SelectLastScheme();
}

void CAirModulation::SetCarrierCaption(const wxString& frequencyText) {
  GetWave(kCarrierWaveId)
      ->SetCaption(modulation::CarrierCaption(GetLangText("IDS_CARRIER_WAVE"), frequencyText), true);
}

void CAirModulation::ShowMarkSpace(int waveId, const wxString& mark, const wxString& space) {
  CDrawWave* wave = GetWave(waveId);
  wave->SetSpanText(0, 1, modulation::TimeLabel(GetLangText("IDS_MARK"), mark), true);
  wave->SetSpanText(1, 1, modulation::TimeLabel(GetLangText("IDS_SPACE"), space), true);
}

void CAirModulation::SetTimeCaption(int waveId, const char* key, long microseconds) {
  GetWave(waveId)->SetCaption(modulation::TimeCaption(GetLangText(key), microseconds), true);
}

void CAirModulation::RefreshControls() {
  CDocManage& doc = g_DocManage;
  PutParam(kFreqEditId, 0);
  // A stored duty is found by its whole text, never by a prefix.
  const wxString duty = doc.GetParam(1);
  if (!duty.empty()) {
    m_duty->SetSelection(modulation::FindItemIndex(m_dutyItems, duty));
    RefreshCarrierFromDuty();
  }
  if (!EditText(kFreqEditId).empty()) SetCarrierCaption(EditText(kFreqEditId));
  if (doc.LeadCodeOn) {
    CDrawWave* lead = GetWave(kLeadWaveId);
    lead->Clear(true);
    lead->AddSegment(1, 1, false);
    lead->AddSegment(1, 0, true);
    PutParam(kLeadMarkEditId, 3);
    PutParam(kLeadSpaceEditId, 4);
    ShowTimes(kLeadMarkEditId, kLeadSpaceEditId, kLeadWaveId, "IDS_BOOT_TIME");
  }
  PutParam(kBit0MarkEditId, 6);
  PutParam(kBit0SpaceEditId, 7);
  PutParam(kBit1MarkEditId, 8);
  PutParam(kBit1SpaceEditId, 9);
  ShowMarkSpace(kBit0WaveId, EditText(kBit0MarkEditId), EditText(kBit0SpaceEditId));
  ShowMarkSpace(kBit1WaveId, EditText(kBit1MarkEditId), EditText(kBit1SpaceEditId));
  SetTimeCaption(kBit0WaveId, "IDS_BIT0_TIME", static_cast<long>(doc.Bit0Mark()) + doc.Bit0Space());
  SetTimeCaption(kBit1WaveId, "IDS_BIT1_TIME", static_cast<long>(doc.Bit1Mark()) + doc.Bit1Space());
  ShowBitMarks(PageBitMarks(ReadValues()));
  const bool on = doc.RepeatCodeOn != 0;
  SetChecked(on ? kConnectOnId : kConnectOffId, true);
  if (on) {
    PutParam(kConnectTimeEditId, 12);
  } else {
    EmptyInput(kConnectTimeEditId);
  }
  EnableConnectTime(on);
  SendToPage(kAirDataFormatId, WM_CONNECT_CODE_STATE, on ? 1 : 0);
}
