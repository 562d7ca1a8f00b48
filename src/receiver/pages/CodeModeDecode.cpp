// The decode page's run: the records from the worker analysed, the results
// shown by the display rules, the wave drawn, the lock and the grid.
#include "controls/chart/BLDCChartCtrl.h"
#include "controls/chart/ChartAxis.h"
#include "controls/chart/ChartSeries.h"
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/DocCapture.h"
#include "core/LangText.h"
#include "core/Numbers.h"
#include "platform/Format.h"
#include "receiver/AnalyserResults.h"
#include "receiver/pages/CodeModePage.h"
#include "ui/IRRichEdit.h"
#include "ui/shell/ShellMessages.h"

#include <wx/checkbox.h>
#include <wx/listbox.h>

using Id = CCodeModePage::ControlId;

namespace {
// The wave's two levels on the chart.
constexpr double kWaveLowLevel = 3.0;
constexpr double kWaveHighLevel = 8.0;
}  // namespace

void CCodeModePage::ClearWave() {
  CChartAxis* bottom = m_chart->GetBottomAxis();
  bottom->SetAutoHideScrollBar(true);
  bottom->EnableScrollBar(false);
  m_chart->ClearZoomHistory();
  m_series->ClearSeries();
  m_series->ShowMarkedTimes(true);
}

void CCodeModePage::OnDecodeReset(CShellMessageEvent& event) {
  ClearWave();
  m_chart->RefreshCtrl();
  for (int id : std::initializer_list<int>{Id::kDutyEditId, Id::kFrequencyEditId, Id::kProtocolEditId})
    SetControlText(id, wxString());
  if (m_mode == kAirMode) {
    SetControlText(Id::kFrameLengthEditId, wxString());
    m_receivedFrame->SetText(wxString());
    m_lockedFrame->ResetColours();
  } else {
    SetControlText(Id::kBitTextId, wxString());
    m_addressEdit.SetText(wxString());
    m_commandEdit.SetText(wxString());
    if (IsLocked()) {
      m_lockedProtocol = m_decodeDoc.CodeMode;
    } else {
      for (CLUEdit* edit : {&m_addressStart, &m_addressCount, &m_commandStart, &m_commandCount})
        edit->SetText(wxString());
    }
  }
  m_statusList->Clear();
  m_statusKeys.clear();
  m_statusValues.clear();
  event.SetResult(0);
}

void CCodeModePage::OnWaveBlock(CShellMessageEvent& event) {
  const auto wParam = static_cast<std::uintptr_t>(event.WParam());
  const auto id = static_cast<std::uint8_t>(wParam & 0xFF);
  const auto length = static_cast<std::uint16_t>((wParam >> 16) & 0xFFFF);
  m_decodeDoc.StoreCaptureRecord(id, reinterpret_cast<const std::uint8_t*>(event.LParam()), length);
  event.SetResult(1);
}

void CCodeModePage::OnParse(CShellMessageEvent& event) {
  event.SetResult(m_decodeDoc.ApplyDecodedTiming() ? 1 : 0);
}

void CCodeModePage::OnDecodeDone(CShellMessageEvent& event) {
  const bool shown = m_mode == kAirMode ? PostDecodeAir() : PostDecodeGeneral();
  if (shown) FillChart();
  event.SetResult(shown ? 1 : 0);
}

decode::stBitRanges CCodeModePage::ReadBitRangeEdits() const {
  decode::stBitRanges ranges;
  ranges.addressStart = static_cast<int>(ParseNumber(m_addressStart.GetWindowText()));
  ranges.addressCount = static_cast<int>(ParseNumber(m_addressCount.GetWindowText()));
  ranges.commandStart = static_cast<int>(ParseNumber(m_commandStart.GetWindowText()));
  ranges.commandCount = static_cast<int>(ParseNumber(m_commandCount.GetWindowText()));
  return ranges;
}

bool CCodeModePage::CheckStandardLayout(decode::stBitRanges& ranges) {
  decode::stStandardLayout layout;
  const wxString path = decode::StandardSettingPath(g_App.GetProtocolFolder(m_mode));
  if (!decode::ReadStandardLayout(path, m_decodeDoc.CodeMode, !IsLocked(), layout)) {
    AddStatusLine("IDS_GET_STANDARD_PROTOCAL_CONFIG_ERROR");
    return false;
  }
  m_protocolName = layout.name;
  m_dataLength = layout.dataLength;
  if (IsLocked()) {
    ranges = ReadBitRangeEdits();
  } else {
    ranges = layout.ranges;
    m_addressStart.SetText(wxString::Format("%d", ranges.addressStart));
    m_addressCount.SetText(wxString::Format("%d", ranges.addressCount));
    m_commandStart.SetText(wxString::Format("%d", ranges.commandStart));
    m_commandCount.SetText(wxString::Format("%d", ranges.commandCount));
  }
  m_addressCount.EnableTip(true);
  m_addressCount.SetRange(0, layout.addressLimit);
  m_addressCount.EnableValueCheck(true);
  m_addressCount.SetTipText(platform::FormatText(GetLangText("IDS_ADDRESS_MAX_BITS"), layout.addressLimit));
  m_commandCount.EnableTip(true);
  m_commandCount.SetRange(0, layout.commandLimit);
  m_commandCount.EnableValueCheck(true);
  m_commandCount.SetTipText(platform::FormatText(GetLangText("IDS_CMD_MAX_BITS"), layout.commandLimit));
  // Duty options of the protocol.
  const int chosen = decode::ChooseDutyOption(layout.duties, GetDecodedDuty());
  if (chosen >= 0) m_decodeDoc.SetParam(1, layout.duties[static_cast<std::size_t>(chosen)].text);
  return true;
}

void CCodeModePage::ShowDuty() {
  SetControlText(Id::kDutyEditId, wxString::Format("%.2lf", static_cast<double>(GetDecodedDuty())));
  if (m_decodeDoc.CodeMode == decode::kNonStandardProtocol) {
    const std::vector<decode::stDutyOption> options = decode::NonStandardDutyOptions();
    const int chosen = decode::ChooseDutyOption(options, GetDecodedDuty());
    if (chosen >= 0) m_decodeDoc.SetParam(1, options[static_cast<std::size_t>(chosen)].text);
  }
}

bool CCodeModePage::PostDecodeGeneral() {
  const int protocol = m_decodeDoc.CodeMode;
  if (IsLocked() && m_lockedProtocol != protocol) m_lock->SetValue(false);
  decode::stBitRanges ranges;
  const bool standard = decode::IsStandardIndex(protocol);
  if (!standard) {
    m_dataLength = AnalyserDataBitCount();
    ranges = ReadBitRangeEdits();
    for (CLUEdit* count : {&m_addressCount, &m_commandCount}) {
      count->EnableTip(false);
      count->EnableValueCheck(false);
    }
  } else if (!CheckStandardLayout(ranges)) {
    return false;
  }
  SetControlText(Id::kProtocolEditId, decode::ProtocolDisplayName(protocol, m_protocolName));
  ShowDuty();
  SetControlText(Id::kFrequencyEditId, m_decodeDoc.ApplyDecodedCarrier());
  const wxString bits = m_decodeDoc.GetDecodedDataBits(m_dataLength);
  m_addressEdit.SetText(decode::FieldValueText(bits, ranges.addressStart, ranges.addressCount, m_dataLength,
                                               standard, false, m_decodeDoc.Address));
  m_commandEdit.SetText(decode::FieldValueText(bits, ranges.commandStart, ranges.commandCount, m_dataLength,
                                               standard, true, m_decodeDoc.Command));
  const bool rca = GetControlText(Id::kProtocolEditId).CmpNoCase("RCA") == 0;
  SetControlText(Id::kBitTextId, decode::InsertFieldSeparators(bits, m_dataLength, ranges, rca));
  if (m_autoSave->GetValue()) SaveResultToGrid();
  return true;
}

bool CCodeModePage::PostDecodeAir() {
  ShowDuty();
  SetControlText(Id::kFrequencyEditId, m_decodeDoc.ApplyDecodedCarrier());
  SetControlText(Id::kProtocolEditId, FormatDecodedTime());
  const int bitCount = AnalyserDataBitCount();
  const wxString frame =
      AnalyserDataFlag() ? m_decodeDoc.GetDecodedFrameText() : m_decodeDoc.GetDecodedDataBits(bitCount);
  if (!m_lockedFrame->GetText().empty()) {
    // The locked reference shows in red where the new frame differs.
    const wxString locked = m_lockedFrame->GetText();
    m_lockedFrame->SetText(locked);
    m_lockedFrame->MarkDifferences(frame);
  }
  m_receivedFrame->SetText(frame);
  SetControlText(Id::kFrameLengthEditId, wxString::Format("%d", static_cast<int>(frame.length())));
  if (m_autoSave->GetValue()) SaveResultToGrid();
  return true;
}

void CCodeModePage::FillChart() {
  ClearWave();
  const std::vector<std::uint32_t> times = m_decodeDoc.GetWaveEdgeTimes();
  if (times.empty()) {
    m_chart->RefreshCtrl();
    return;
  }
  CChartAxis* bottom = m_chart->GetBottomAxis();
  m_chart->EnableRefresh(false);
  m_series->AddPoint(0, kWaveHighLevel);
  m_series->AddPoint(0, kWaveLowLevel);
  bottom->SetAutoHideScrollBar(false);
  bottom->EnableScrollBar(true);
  double t = 0;
  for (std::size_t i = 0; i + 1 < times.size(); i += 2) {
    const double mark = times[i];
    const double period = times[i + 1];
    // The first pulse without a period ends the wave.
    if (period == 0) break;
    m_series->AddPoint(t + mark, kWaveLowLevel);
    m_series->AddPoint(t + mark, kWaveHighLevel);
    m_series->AddPoint(t + period, kWaveHighLevel);
    m_series->AddPoint(t + period, kWaveLowLevel);
    t += period;
    if (t > m_bottomMax) {
      m_bottomMin += 1;
      m_bottomMax = static_cast<int>(t) + 1;
      bottom->SetMinMax(m_bottomMin, m_bottomMax);
    }
  }
  m_chart->EnableRefresh(true);
  m_chart->RefreshCtrl();
}

void CCodeModePage::OnHandEnteredRanges() {
  const int protocol = m_decodeDoc.CodeMode;
  if (decode::IsStandardIndex(protocol)) return;
  wxString bits = GetControlText(Id::kBitTextId);
  bits.Replace(" ", "");
  const decode::stBitRanges ranges = ReadBitRangeEdits();
  m_addressEdit.SetText(decode::HandEnteredFieldText(bits, ranges.addressStart, ranges.addressCount));
  m_commandEdit.SetText(decode::HandEnteredFieldText(bits, ranges.commandStart, ranges.commandCount));
  const bool rca = GetControlText(Id::kProtocolEditId).CmpNoCase("RCA") == 0;
  SetControlText(Id::kBitTextId, decode::InsertFieldSeparators(bits, m_dataLength, ranges, rca));
}

void CCodeModePage::OnLock() {
  if (m_mode == kGeneralMode) {
    for (CLUEdit* edit : {&m_addressStart, &m_addressCount, &m_commandStart, &m_commandCount}) {
      if (!edit->CheckRange()) {
        if (edit->GetEdit()) edit->GetEdit()->SetFocus();
        m_lock->SetValue(false);
        return;
      }
    }
    if (!IsLocked()) m_autoSave->SetValue(false);
  } else if (!IsLocked()) {
    m_lockedFrame->SetText(wxString());
  } else if (m_receivedFrame->GetText().empty()) {
    AddStatusLine("IDS_NO_IDENTIFY_DATA");
    m_lock->SetValue(false);
    return;
  } else {
    m_lockedFrame->SetText(m_receivedFrame->GetText());
  }
  RefreshButtons(0);
}

void CCodeModePage::SaveResultToGrid() {
  if (m_mode == kGeneralMode) {
    const wxString command = m_commandEdit.GetWindowText();
    if (command.empty()) {
      SendShellMessage(this, WM_BOARD_STATUS_TEXT, 0, reinterpret_cast<wxIntPtr>(L"IDS_NO_KEY_CODE_TOSAVE"));
      return;
    }
    // The code always carries its prefix, also in the last row of a full grid.
    const int row = m_grid->AppendRow(false) ? m_grid->GetRowCount() - 2 : m_grid->GetRowCount() - 1;
    m_grid->SetCellText(row, CIRGridCtrl::kCodeColumn, decode::GridCodeText(command));
    m_grid->SetCellType(row, CIRGridCtrl::kButtonColumn, wxCLASSINFO(CIRCellButton));
  } else {
    const wxString frame = m_receivedFrame->GetText();
    if (frame.empty()) {
      SendShellMessage(this, WM_BOARD_STATUS_TEXT, 0,
                       reinterpret_cast<wxIntPtr>(L"IDS_NO_IDENTIFY_DATA_TOSAVE"));
      return;
    }
    if (m_grid->AppendRow(false))
      m_grid->SetCellText(m_grid->GetRowCount() - 1, CIRGridCtrl::kCodeColumn, frame);
  }
  m_grid->Refresh();
}

void CCodeModePage::Zoom(bool in) {
  const wxRect r = m_chart->GetClientRect();
  ChartRect drag;
  wxPoint release;
  if (in) {
    drag = ChartRect{r.GetLeft() + 60, r.GetTop(), r.GetRight() - 60, r.GetBottom()};
    release = wxPoint(r.GetRight() - 60, r.GetBottom());
  } else {
    const int middle = (r.GetLeft() + r.GetRight()) / 2;
    drag = ChartRect{middle + 60, r.GetTop(), middle - 60, r.GetBottom()};
    release = wxPoint(middle + 60, r.GetTop());
  }
  m_chart->SetZoomRect(drag);
  m_chart->OnLeftButtonUp(release);
}
