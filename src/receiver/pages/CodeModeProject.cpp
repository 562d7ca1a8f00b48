// The decode page's hand-over: decoded keys into the project, the CSV export
// and the firmware update request.
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/FileHelpers.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "platform/MessageBox.h"
#include "receiver/decode/DecodeCsv.h"
#include "receiver/decode/DecodedKeys.h"
#include "receiver/pages/CodeModePage.h"
#include "ui/shell/ShellHooks.h"
#include "ui/shell/ShellMessages.h"

#include <wx/datetime.h>
#include <wx/filedlg.h>

#include <optional>

using Id = CCodeModePage::ControlId;

namespace {

// The grid's data rows: in general mode the last row is the input row.
std::vector<decode::GridRow> GridRows(const CIRGridCtrl& grid, bool general) {
  std::vector<decode::GridRow> rows;
  const int end = general ? grid.GetRowCount() - 1 : grid.GetRowCount();
  for (int row = 1; row < end; ++row)
    rows.emplace_back(grid.GetItemText(row, CIRGridCtrl::kCodeColumn),
                      grid.GetItemText(row, CIRGridCtrl::kTextColumn));
  return rows;
}

// The main window, where the shell has one.
wxWindow* MainWindow() { return dynamic_cast<wxWindow*>(GetShellWindow()); }

int ProtocolTypeOf(int protocolIndex) {
  return protocolIndex == decode::kNonStandardProtocol ? kProtocolCustom : kProtocolStandard;
}

}  // namespace

void CCodeModePage::OnImport() {
  if (m_mode == kGeneralMode && !CheckGridCodes()) return;
  if (!SaveBeforeImport()) return;
  if (m_mode == kGeneralMode)
    ImportGeneral();
  else
    ImportAir();
  if (wxWindow* main = MainWindow()) SendShellMessage(main, WM_SHOW_PROTOCOL_PAGE);
  LangMessageBox("IDS_IMPORT_SUCCESS");
}

bool CCodeModePage::CheckGridCodes() {
  const std::vector<decode::GridRow> rows = GridRows(*m_grid, true);
  const std::optional<std::size_t> unreadable = decode::FindUnreadableCode(rows);
  if (!unreadable) return true;
  // Grid rows are numbered from 1, as the rows list them.
  LangMessageBox("", kNoticeOk, "IDS_DECODE_CODE_UNREADABLE", static_cast<int>(*unreadable) + 1,
                 rows[*unreadable].first);
  return false;
}

// A modified project is saved first: the import goes on only after Yes and a
// save that succeeded (a failed save has shown its own message).
bool CCodeModePage::SaveBeforeImport() {
  if (g_DocManage.Modified == 0) return true;
  if (LangMessageBox("IDS_SAVE_CURCONFIG", platform::kMbYesNoCancel) != platform::kIdYes) return false;
  wxWindow* main = MainWindow();
  return main && SendShellMessage(main, WM_SAVE_PROJECT) != 0;
}

void CCodeModePage::ImportGeneral() {
  m_decodeDoc.SetParam(2, m_addressEdit.GetWindowText());
  m_decodeDoc.SetParam(15, m_addressCount.GetWindowText());
  m_decodeDoc.SetParam(16, m_commandCount.GetWindowText());
  const int type = ProtocolTypeOf(m_decodeDoc.CodeMode);
  if (g_DocManage.ProtocolType != type) {
    g_DocManage.RemoteType = kRemoteGeneral;
    g_DocManage.LcdOption = 0;
    g_DocManage.ProtocolType = type;
    if (wxWindow* main = MainWindow()) SendShellMessage(main, WM_REMOTE_TYPE_CHANGED);
  }
  g_DocManage.CopyParamsFrom(m_decodeDoc);
  decode::ImportGeneralRows(g_DocManage, GridRows(*m_grid, true), [] {
    platform::stMessageBoxRequest request;
    request.caption = "Warning";
    request.text = GetLangText("IDS_MODIFY_COMMAND_BIT_WARNING");
    request.type = platform::kMbOkCancel | platform::kMbIconWarning;
    return platform::ShowMessageBox(request) == platform::kIdOk;
  });
}

void CCodeModePage::ImportAir() {
  const int type = ProtocolTypeOf(m_decodeDoc.CodeMode);
  if (g_DocManage.ProtocolType != type) {
    g_DocManage.RemoteType = kRemoteLcdSimple;
    g_DocManage.LcdOption = 1;
    g_DocManage.ProtocolType = type;
    if (wxWindow* main = MainWindow()) SendShellMessage(main, WM_REMOTE_TYPE_CHANGED);
  }
  g_DocManage.CopyParamsFrom(m_decodeDoc);
  const wxString path = g_DocManage.GetProjectFilePath();
  if (!path.empty()) CProjectFile(path).WriteAirFormatType(g_DocManage.AirFormatType);
  decode::ImportAirRows(g_DocManage, GridRows(*m_grid, false));
}

bool CCodeModePage::SaveDecodedKeys() {
  const wxString path = g_DocManage.GetProjectFilePath();
  if (path.empty()) return true;
  return decode::WriteAirKeyItems(CProjectFile(path), g_DocManage);
}

void CCodeModePage::OnExport() {
  wxFileDialog dialog(this, wxString(), wxString(), wxString(),
                      "Excel csv File(*.csv)|*.csv|All Files(*.*)|*.*", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return;
  ExportCsv(dialog.GetPath());
}

bool CCodeModePage::ExportCsv(const wxString& chosenPath) {
  decode::CScopedExportLocale locale(g_App.currentLangSection);
  const wxString path = decode::CsvPathWithExtension(chosenPath);
  decode::stCsvContent content;
  const wxDateTime now = wxDateTime::Now();
  content.airConditioner = m_mode == kAirMode;
  content.nonStandard = m_decodeDoc.CodeMode == decode::kNonStandardProtocol;
  content.createdDate = wxString::Format("'%4d-%02d-%02d", now.GetYear(), now.GetMonth() + 1, now.GetDay());
  content.createdTime = wxString::Format("%02d:%02d:%02d", now.GetHour(), now.GetMinute(), now.GetSecond());
  content.carrier = GetControlText(Id::kFrequencyEditId);
  content.duty = GetControlText(Id::kDutyEditId);
  content.protocolName = GetControlText(Id::kProtocolEditId);
  content.bitText = GetControlText(Id::kBitTextId);
  content.frameLength = GetControlText(Id::kFrameLengthEditId);
  content.waveMark = static_cast<std::uint16_t>(m_decodeDoc.BootTime & 0xFFFF);
  content.waveSpace = static_cast<std::uint16_t>(m_decodeDoc.BootTime >> 16);
  content.bit0Mark = m_decodeDoc.Bit0Mark();
  content.bit0Space = m_decodeDoc.Bit0Space();
  content.bit1Mark = m_decodeDoc.Bit1Mark();
  content.bit1Space = m_decodeDoc.Bit1Space();
  content.manchester = m_decodeDoc.ModulationKind == 1;
  content.manchesterUnit = static_cast<std::uint16_t>(m_decodeDoc.UnitTime & 0xFFFF);
  content.repeat = m_decodeDoc.RepeatCodeOn != 0;
  content.repeatPeriodMs = m_decodeDoc.RepeatPeriod;
  content.rows = GridRows(*m_grid, m_mode == kGeneralMode);
  if (!decode::WriteCsvFile(path, content, [](const wxString& label) { return GetLangText(label); })) {
    LangMessageBox("", kNoticeOk, "IDS_DECODE_EXPORT_FAILED", path);
    return false;
  }
  LangMessageBox("IDS_EXPORT_DATA_OK");
  return true;
}

void CCodeModePage::OnUpdateFirmware() {
  IReceiverLink* link = Link();
  stReceiverFirmware firmware;
  if (!link || !FindReceiverFirmware(firmware)) return;
  link->PostUpdateFirmware(this, firmware.path);
}
