// Printing of the grid, page by page: the fixed rows on every page, a
// header with the page's title and the program's name, a footer with the
// page number and the date. WYSIWYG printing keeps the screen's sizes and
// spreads wide grids over several pages across.
#include "controls/grid/GridCtrl.h"
#include "controls/ControlPrintout.h"

#include "controls/grid/GridPaint.h"
#include "controls/grid/GridPrintLayout.h"

#include <wx/app.h>
#include <wx/datetime.h>
#include <wx/dcclient.h>
#include <wx/print.h>
#include <wx/toplevel.h>

namespace {

const char kAverageCharSample[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";

wxFont BoldCopy(const wxFont& font) {
  wxFont bold(font);
  if (bold.IsOk()) bold.SetWeight(wxFONTWEIGHT_BOLD);
  return bold;
}

void DrawAligned(wxDC& dc, const wxString& text, const GridRect& rect, unsigned align) {
  gridpaint::DrawCellText(
      dc, text, rect, align | gridformat::kVCenter | gridformat::kSingleLine | gridformat::kNoPrefix, false);
}

}  // namespace

bool CGridCtrl::Print(const wxString& title, wxPrinterBase& printer, bool prompt) {
  return PrintControl<CGridCtrl, GridPrintInfo>(this, title, printer, prompt);
}

void CGridCtrl::SetPrintMarginInfo(int header, int footer, int left, int right, int top, int bottom,
                                   int gap) {
  const auto keep = [](int value, int& field) {
    if (value != -1) field = value;
  };
  keep(header, m_headerHeight);
  keep(footer, m_footerHeight);
  keep(left, m_leftMargin);
  keep(right, m_rightMargin);
  keep(top, m_topMargin);
  keep(bottom, m_bottomMargin);
  keep(gap, m_gap);
}

// The printer's DC may open its output only when the document starts, so it
// is not asked whether it is ready here.
void CGridCtrl::OnBeginPrinting(wxDC& dc, GridPrintInfo& info) {
  if (!GetHandle()) return;
  wxClientDC screen(this);
  const wxSize printerPpi = dc.GetPPI();
  const wxSize screenPpi = screen.GetPPI();
  m_printerFont = wxFont(wxFontInfo(wxSize(0, 10)).FaceName("Arial"));
  m_paperSize = dc.GetSize();

  const int marginChars = m_leftMargin + m_rightMargin;
  if (m_wysiwygPrinting && printerPpi.x > 0 && printerPpi.y > 0) {
    m_printLogicalSize.x = m_paperSize.x * screenPpi.x / printerPpi.x * 3 / 4;
    m_printLogicalSize.y = m_paperSize.y * screenPpi.y / printerPpi.y * 3 / 4;
  }

  // Characters are measured in the page's logical units.
  double oldX = 1;
  double oldY = 1;
  dc.GetUserScale(&oldX, &oldY);
  const wxFont oldFont = dc.GetFont();
  dc.SetFont(m_printerFont);
  if (!m_wysiwygPrinting) {
    // The page is as wide as the grid: measure in a first guess of that scale.
    const int guess = std::max(1, GetVirtualWidth());
    dc.SetUserScale(static_cast<double>(m_paperSize.x) / guess, static_cast<double>(m_paperSize.x) / guess);
  } else {
    dc.SetUserScale(static_cast<double>(m_paperSize.x) / std::max(1, m_printLogicalSize.x),
                    static_cast<double>(m_paperSize.y) / std::max(1, m_printLogicalSize.y));
  }
  const wxSize sample = dc.GetTextExtent(wxString(kAverageCharSample).Left(52));
  m_charSize = wxSize(std::max(1, sample.x / 52), std::max(1, sample.y));
  dc.SetUserScale(oldX, oldY);
  if (oldFont.IsOk()) dc.SetFont(oldFont);

  const int marginWidth = marginChars * m_charSize.x;
  if (!m_wysiwygPrinting || printerPpi.x <= 0 || printerPpi.y <= 0) {
    m_printLogicalSize.x = GetVirtualWidth() + marginWidth;
    m_printLogicalSize.y =
        m_paperSize.x > 0
            ? static_cast<int>(static_cast<long long>(m_printLogicalSize.x) * m_paperSize.y / m_paperSize.x)
            : 0;
  }

  m_printPageHeight = m_printLogicalSize.y - (m_headerHeight + m_footerHeight + 2 * m_gap) * m_charSize.y -
                      GetFixedRowHeight();
  const auto rowHeight = [this](int row) { return GetRowHeight(row); };
  const auto columnWidth = [this](int col) { return GetColumnWidth(col); };
  m_printPageCount = CountPrintPages(GetFixedRowCount(), GetRowCount(), m_printPageHeight, rowHeight);
  m_printPageWidth = m_printLogicalSize.x - GetFixedColumnWidth() - marginWidth;
  m_pageMultiplier = 1;
  if (m_wysiwygPrinting)
    m_pageMultiplier =
        CountPrintPages(GetFixedColumnCount(), GetColumnCount(), m_printPageWidth, columnWidth);
  m_printPageCount *= m_pageMultiplier;

  info.minPage = 1;
  info.maxPage = m_printPageCount;
  info.currentPage = 1;
}

void CGridCtrl::OnPrint(wxDC& dc, GridPrintInfo& info) {
  if (m_printLogicalSize.x <= 0 || m_printLogicalSize.y <= 0 || m_charSize.y <= 0) return;
  const wxFont oldFont = dc.GetFont();
  double oldX = 1;
  double oldY = 1;
  dc.GetUserScale(&oldX, &oldY);
  dc.SetFont(m_printerFont);
  dc.SetUserScale(static_cast<double>(m_paperSize.x) / m_printLogicalSize.x,
                  static_cast<double>(m_paperSize.y) / m_printLogicalSize.y);
  const int left = m_leftMargin * m_charSize.x;
  const int right = m_rightMargin * m_charSize.x;
  const int headerHeight = m_headerHeight * m_charSize.y;
  const int footerHeight = m_footerHeight * m_charSize.y;
  const int innerWidth = m_printLogicalSize.x - left - right;

  dc.SetLogicalOrigin(-left, 0);
  info.drawRect = GridRect(0, 0, innerWidth, headerHeight);
  PrintHeader(dc, info);

  const int page = std::max(1, info.currentPage) - 1;
  const int rowPage = page / m_pageMultiplier + 1;
  const int colPage = page % m_pageMultiplier + 1;
  const auto rowHeight = [this](int row) { return GetRowHeight(row); };
  const auto columnWidth = [this](int col) { return GetColumnWidth(col); };
  m_printRow = FirstIndexOfPage(GetFixedRowCount(), GetRowCount(), m_printPageHeight, rowPage, rowHeight);
  m_printColumn = m_wysiwygPrinting ? FirstIndexOfPage(GetFixedColumnCount(), GetColumnCount(),
                                                       m_printPageWidth, colPage, columnWidth)
                                    : GetFixedColumnCount();

  const int top = headerHeight + m_gap * m_charSize.y + GetFixedRowHeight();
  dc.SetLogicalOrigin(-left, -top);
  PrintColumnHeadings(dc, info);
  PrintRowButtons(dc, info);

  GridRect rect;
  rect.bottom = -1;
  for (int row = m_printRow; row < GetRowCount(); ++row) {
    const int height = GetRowHeight(row);
    if (height <= 0) continue;
    if (row != m_printRow && rect.bottom + 1 + height > m_printPageHeight) break;
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + height - 1;
    rect.right = GetFixedColumnWidth() - 1;
    for (int col = m_printColumn; col < GetColumnCount(); ++col) {
      const int width = GetColumnWidth(col);
      if (width <= 0) continue;
      if (col != m_printColumn && rect.right + 1 + width - GetFixedColumnWidth() > m_printPageWidth) break;
      rect.left = rect.right + 1;
      rect.right = rect.left + width - 1;
      if (CGridCellBase* cell = GetCell(row, col)) cell->PrintCell(dc, row, col, rect);
      if (m_gridLines == GVL_HORZ || m_gridLines == GVL_BOTH) {
        gridpaint::DrawLine(dc, rect.left, rect.bottom, rect.right + 1, rect.bottom, 0);
        if (row == GetFixedRowCount())
          gridpaint::DrawLine(dc, rect.left, rect.top - 1, rect.right + 1, rect.top - 1, 0);
      }
      if (m_gridLines == GVL_VERT || m_gridLines == GVL_BOTH) {
        gridpaint::DrawLine(dc, rect.right, rect.top, rect.right, rect.bottom + 1, 0);
        if (col == m_printColumn)
          gridpaint::DrawLine(dc, rect.left - 1, rect.top, rect.left - 1, rect.bottom + 1, 0);
      }
    }
  }

  dc.SetLogicalOrigin(-left, -(m_printLogicalSize.y - footerHeight));
  info.drawRect = GridRect(0, 0, innerWidth, footerHeight);
  PrintFooter(dc, info);
  dc.SetLogicalOrigin(0, 0);
  dc.SetUserScale(oldX, oldY);
  if (oldFont.IsOk()) dc.SetFont(oldFont);
}

void CGridCtrl::OnEndPrinting(wxDC& dc, GridPrintInfo& info) {
  wxUnusedVar(dc);
  wxUnusedVar(info);
  m_printerFont = wxFont();
}

void CGridCtrl::PrintFixedRowCells(int startCol, int stopCol, int row, GridRect& rect, wxDC& dc,
                                   bool& first) {
  for (int col = startCol; col <= stopCol && col < GetColumnCount(); ++col) {
    const int width = GetColumnWidth(col);
    if (width <= 0) continue;
    const bool fixedCol = col < GetFixedColumnCount();
    if (!fixedCol && !first && rect.right + 1 + width - GetFixedColumnWidth() > m_printPageWidth) break;
    first = false;
    rect.left = rect.right + 1;
    rect.right = rect.left + width - 1;
    if (CGridCellBase* cell = GetCell(row, col)) cell->PrintCell(dc, row, col, rect);
    gridpaint::DrawLine(dc, rect.left, rect.bottom, rect.right + 1, rect.bottom, 0);
    gridpaint::DrawLine(dc, rect.right, rect.top, rect.right, rect.bottom + 1, 0);
  }
}

void CGridCtrl::PrintColumnHeadings(wxDC& dc, GridPrintInfo& info) {
  wxUnusedVar(info);
  const wxFont oldFont = dc.GetFont();
  dc.SetFont(m_printerFont);
  GridRect rect;
  rect.bottom = -GetFixedRowHeight() - 1;
  for (int row = 0; row < GetFixedRowCount(); ++row) {
    const int height = GetRowHeight(row);
    if (height <= 0) continue;
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + height - 1;
    rect.right = -1;
    bool first = true;
    if (m_printColumn >= GetFixedColumnCount())
      PrintFixedRowCells(0, GetFixedColumnCount() - 1, row, rect, dc, first);
    first = true;
    PrintFixedRowCells(m_printColumn, GetColumnCount() - 1, row, rect, dc, first);
  }
  if (oldFont.IsOk()) dc.SetFont(oldFont);
}

// The fixed-column cells of the page's rows.
void CGridCtrl::PrintRowButtons(wxDC& dc, GridPrintInfo& info) {
  wxUnusedVar(info);
  GridRect rect;
  rect.bottom = -1;
  for (int row = m_printRow; row < GetRowCount(); ++row) {
    const int height = GetRowHeight(row);
    if (height <= 0) continue;
    if (row != m_printRow && rect.bottom + 1 + height > m_printPageHeight) break;
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + height - 1;
    rect.right = -1;
    bool first = true;
    PrintFixedRowCells(0, GetFixedColumnCount() - 1, row, rect, dc, first);
  }
}

void CGridCtrl::PrintHeader(wxDC& dc, GridPrintInfo& info) {
  wxString pageTitle;
  for (wxWindow* window = GetParent(); window && pageTitle.empty(); window = window->GetParent())
    pageTitle = window->GetLabel();
  const wxString appTitle = wxTheApp ? wxTheApp->GetAppDisplayName() : wxString();
  PrintBand(dc, info, pageTitle, gridformat::kCenter, appTitle, info.drawRect.bottom);
}

void CGridCtrl::PrintFooter(wxDC& dc, GridPrintInfo& info) {
  const wxString page = wxString::Format("Page %d of %d", info.currentPage, info.maxPage);
  const wxString date = wxDateTime::Now().Format("%c");
  PrintBand(dc, info, page, gridformat::kLeft, date, info.drawRect.top);
}

// One header or footer band: a text placed by align, a text on the right, both
// bold, and a rule across the band at lineY.
void CGridCtrl::PrintBand(wxDC& dc, const GridPrintInfo& info, const wxString& text, unsigned align,
                          const wxString& rightText, int lineY) {
  const wxFont oldFont = dc.GetFont();
  dc.SetFont(BoldCopy(m_printerFont));
  dc.SetBackgroundMode(wxTRANSPARENT);
  dc.SetTextForeground(*wxBLACK);
  DrawAligned(dc, text, info.drawRect, align);
  DrawAligned(dc, rightText, info.drawRect, gridformat::kRight);
  if (oldFont.IsOk()) dc.SetFont(oldFont);
  gridpaint::DrawLine(dc, info.drawRect.left, lineY, info.drawRect.right, lineY, 0);
}
