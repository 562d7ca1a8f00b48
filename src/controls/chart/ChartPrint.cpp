// Printing of the chart through the print framework: one page, laid out as on
// a screen three quarters the page's size.
#include <wx/print.h>
#include <wx/printdlg.h>

#include "controls/chart/ChartCtrl.h"
#include "controls/ControlPrintout.h"

bool CChartCtrl::Print(const wxString& title, wxPrintDialogData* printDialog) {
  if (printDialog) {
    wxPrinter printer(printDialog);
    return Print(title, printer, false);
  }
  wxPrintDialogData data;
  data.EnablePrintToFile(false);
  data.EnablePageNumbers(false);
  data.EnableSelection(false);
  wxPrinter printer(&data);
  return Print(title, printer, true);
}

bool CChartCtrl::Print(const wxString& title, wxPrinterBase& printer, bool prompt) {
  return PrintControl<CChartCtrl, ChartPrintInfo>(this, title, printer, prompt);
}

void CChartCtrl::OnBeginPrinting(wxDC& dc, ChartPrintInfo& info) {
  const wxSize printerPpi = dc.GetPPI();
  const wxSize screenPpi = GetDC().GetPPI();
  m_printerFont = wxFont(wxFontInfo(wxSize(0, 10)).FaceName("Arial"));
  m_printPageSize = dc.GetSize();
  // Products first, each division truncating, as the layout of the page depends on it.
  m_printLogicalSize.x =
      printerPpi.x > 0 ? m_printPageSize.x * screenPpi.x / printerPpi.x * 3 / 4 : m_printPageSize.x * 3 / 4;
  m_printLogicalSize.y =
      printerPpi.y > 0 ? m_printPageSize.y * screenPpi.y / printerPpi.y * 3 / 4 : m_printPageSize.y * 3 / 4;
  info.maxPage = 1;
  info.currentPage = 1;
}

void CChartCtrl::OnPrint(wxDC& dc, ChartPrintInfo& info) {
  if (m_printLogicalSize.x <= 0 || m_printLogicalSize.y <= 0) return;
  const wxFont oldFont = dc.GetFont();
  if (m_printerFont.IsOk()) dc.SetFont(m_printerFont);
  double oldScaleX;
  double oldScaleY;
  dc.GetUserScale(&oldScaleX, &oldScaleY);
  dc.SetUserScale(static_cast<double>(m_printPageSize.x) / m_printLogicalSize.x,
                  static_cast<double>(m_printPageSize.y) / m_printLogicalSize.y);
  dc.SetLogicalOrigin(0, 0);
  info.drawRect = {0, 0, m_printLogicalSize.x, m_printLogicalSize.y};
  DrawChart(dc, info.drawRect);
  dc.SetLogicalOrigin(0, 0);
  dc.SetUserScale(oldScaleX, oldScaleY);
  if (oldFont.IsOk()) dc.SetFont(oldFont);
}

void CChartCtrl::OnEndPrinting(wxDC&, ChartPrintInfo&) {
  m_printerFont = wxFont();
  RefreshCtrl();
}
