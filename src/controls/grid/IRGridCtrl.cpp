#include "controls/grid/IRGridCtrl.h"

#include "controls/grid/DCStateGuard.h"
#include "controls/grid/GridPaint.h"
#include "controls/grid/InPlaceEdit.h"
#include "core/LangText.h"

#include <wx/renderer.h>

#include <algorithm>
#include <vector>

wxIMPLEMENT_DYNAMIC_CLASS(CIRGridCtrl, CGridCtrl);
wxIMPLEMENT_DYNAMIC_CLASS(CIRCellButton, CGridCell);
wxIMPLEMENT_DYNAMIC_CLASS(CGridCellNumeric, CGridCell);
wxIMPLEMENT_DYNAMIC_CLASS(CIRGridCellHex, CGridCell);
wxDEFINE_EVENT(WM_KEY_CELL_EDIT, CKeyCellEditEvent);

namespace {

// Centred single line with an end ellipsis (the value the row numbers have always used).
constexpr unsigned kNumberFormat =
    gridformat::kCenter | gridformat::kVCenter | gridformat::kSingleLine | gridformat::kEndEllipsis;

// A row button's caption hangs from the top of the button, this far inside
// its frame (less in a row too low for it, never above the top).
constexpr int kCaptionTopInset = 3;

}  // namespace

CIRGridCtrl::CIRGridCtrl() : CGridCtrl(0, 0, 0, 0) {
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    RefitColumns();
  });
}

void CIRGridCtrl::ApplyCommonSettings() {
  SetGridBkColor(0xFFFFFF);
  SetColumnCount(4);
  SetRowResize(false);
  SetColumnResize(true);
  SetHeaderSort(false);
  SetHandleTabKey(false);
  EnableDragAndDrop(false);
  EnableColumnHide(false);
  SetFrameFocusCell(false);
  ResetSelectedRange();
  EnableSelection(false);
  SetSingleRowSelection(true);
}

void CIRGridCtrl::InitCodeGrid(int mode) {
  m_maxRows = 50;
  m_mode = mode;
  m_hexCodes = true;
  ApplyCommonSettings();
  AppendRow(true);
  if (mode == kDisplayMode) {
    m_buttonCaption = "IDS_INPUT";
  } else {
    AppendRow(false);
    m_buttonCaption = "IDS_DELETE";
  }
}

void CIRGridCtrl::InitWideCodeGrid() {
  m_maxRows = 500;
  m_mode = kDisplayMode;
  ApplyCommonSettings();
  SetColumnWidth(kNumberColumn, 50);
  SetColumnWidth(kCodeColumn, std::max(0, GetClientSize().x - 101));
  SetColumnWidth(kButtonColumn, 50);
  AppendRow(true);
  m_buttonCaption = "IDS_DELETE";
}

void CIRGridCtrl::SetColumnWidths(int width) {
  SetColumnWidth(kNumberColumn, width);
  SetColumnWidth(kCodeColumn, width + 20);
  SetColumnWidth(kTextColumn, width);
  SetColumnWidth(kButtonColumn, width);
}

void CIRGridCtrl::FitColumns(int column) {
  m_fitColumn = column;
  RefitColumns();
}

int CIRGridCtrl::HeaderWidth(int col) const {
  CGridCellBase* header = GetRowCount() > 0 ? GetCell(0, col) : nullptr;
  return header ? std::max(header->GetCellExtent().x, 1) : 1;
}

int CIRGridCtrl::ColumnRoom() const {
  const wxSize client = GetClientSize();
  const wxSize bars = BarSizes();
  const int state = GetScrollBarState();
  const int width = client.x + ((state & 2) ? bars.x : 0);
  const int height = client.y + ((state & 1) ? bars.y : 0);
  return GetVirtualHeight() > height ? width - bars.x : width;
}

void CIRGridCtrl::RefitColumns() {
  const int count = GetColumnCount();
  if (m_fitColumn < 0 || m_fitColumn >= count || m_refitting || !GetHandle()) return;
  const int room = ColumnRoom();
  if (room <= 0) return;
  m_refitting = true;
  std::vector<int> widths(static_cast<std::size_t>(count));
  std::vector<int> spare(static_cast<std::size_t>(count), 0);
  int others = 0;
  int totalSpare = 0;
  for (int col = 0; col < count; ++col) {
    const auto c = static_cast<std::size_t>(col);
    widths[c] = GetColumnWidth(col);
    if (col == m_fitColumn) continue;
    others += widths[c];
    spare[c] = std::max(0, widths[c] - HeaderWidth(col));
    totalSpare += spare[c];
  }
  const auto fit = static_cast<std::size_t>(m_fitColumn);
  widths[fit] = std::max(HeaderWidth(m_fitColumn), room - others);
  // What the fitted column needs beyond the room comes from the others' spare
  // width, each giving its share.
  int excess = std::min(others + widths[fit] - room, totalSpare);
  for (int col = 0; col < count && excess > 0 && totalSpare > 0; ++col) {
    const auto c = static_cast<std::size_t>(col);
    if (spare[c] == 0) continue;
    const int take = std::min(excess, (spare[c] * excess + totalSpare - 1) / totalSpare);
    totalSpare -= spare[c];
    widths[c] -= take;
    excess -= take;
  }
  for (int col = 0; col < count; ++col) {
    const int width = widths[static_cast<std::size_t>(col)];
    if (width != GetColumnWidth(col)) SetColumnWidth(col, width);
  }
  m_refitting = false;
}

void CIRGridCtrl::SetCellText(int row, int col, const wxString& text) {
  GridItem item;
  item.row = row;
  item.col = col;
  item.mask = GVIF_TEXT;
  item.strText = text;
  SetItem(item);
}

void CIRGridCtrl::SetReadOnly(int row, int col) {
  SetItemState(row, col, GetItemState(row, col) | GVIS_READONLY);
}

int CIRGridCtrl::AppendRow(bool readOnly) {
  const int row = GetRowCount();
  if (row >= m_maxRows) return 0;
  SetRowCount(row + 1);
  SetItemText(row, kNumberColumn, wxString::Format("%d", row));
  SetItemFormat(row, kNumberColumn, kNumberFormat);
  SetReadOnly(row, kNumberColumn);
  if (readOnly) {
    SetReadOnly(row, kCodeColumn);
  } else {
    SetCellType(row, kCodeColumn, m_hexCodes ? wxCLASSINFO(CIRGridCellHex) : wxCLASSINFO(CGridCellNumeric));
    if (m_mode == kDisplayMode) SetReadOnly(row, kCodeColumn);
  }
  if (readOnly) SetReadOnly(row, kTextColumn);
  SetReadOnly(row, kButtonColumn);
  if (!readOnly && m_mode == kDisplayMode) SetCellType(row, kButtonColumn, wxCLASSINFO(CIRCellButton));
  RefitColumns();
  Refresh(false);
  return 1;
}

void CIRGridCtrl::ResetRows() {
  for (int row = GetRowCount() - 1; row >= 1; --row) CGridCtrl::DeleteRow(row);
  if (m_mode == kInputMode && GetRowCount() < m_maxRows) AppendRow(false);
  RefitColumns();
}

bool CIRGridCtrl::GetFirstRow(int* row) const {
  if (!row || GetRowCount() <= 0) return false;
  *row = 1;
  return true;
}

bool CIRGridCtrl::GetNextRow(int* row, wxString* code, wxString* text) const {
  if (!row) return false;
  if (code) *code = GetItemText(*row, kCodeColumn);
  if (text && GetColumnCount() > 2) *text = GetItemText(*row, kTextColumn);
  ++*row;
  return *row < GetRowCount();
}

bool CIRGridCtrl::ValidateEdit(int row, int col, const wxString& text) {
  if (text.empty() && col == kCodeColumn) {
    SetItemText(row, col, "0");
    return CGridCtrl::ValidateEdit(row, col, "0");
  }
  return CGridCtrl::ValidateEdit(row, col, text);
}

void CIRGridCtrl::OnEndEditCell(int row, int col, const wxString& text) {
  CGridCtrl::OnEndEditCell(row, col, text);
  if (text.empty() || row != GetRowCount() - 1 || col != kCodeColumn) return;
  SetCellType(row, kButtonColumn, wxCLASSINFO(CIRCellButton));
  SetReadOnly(row, kButtonColumn);
  if (GetRowCount() < m_maxRows) AppendRow(false);
}

bool CIRGridCtrl::DeleteRow(int row) {
  if (row < 0 || row >= GetRowCount()) return false;
  for (int below = GetRowCount() - 1; below > row; --below)
    SetItemText(below, kNumberColumn, GetItemText(below - 1, kNumberColumn));
  CGridCtrl::DeleteRow(row);
  const int last = GetRowCount() - 1;
  if (GetRowCount() == m_maxRows - 1 && last >= 0 &&
      wxDynamicCast(GetCell(last, kButtonColumn), CIRCellButton) != nullptr)
    AppendRow(false);
  m_leftClickDownCell = CCellID();
  RefitColumns();
  Refresh();
  return true;
}

bool CIRGridCtrl::AskParentToDelete(int row) {
  wxWindow* parent = GetParent();
  if (!parent) return false;
  CKeyCellEditEvent event(WM_KEY_CELL_EDIT, GetId());
  event.SetEventObject(this);
  event.SetInt(row);
  event.SetString(GetItemText(row, kCodeColumn));
  event.StopPropagation();
  parent->GetEventHandler()->ProcessEvent(event);
  return event.GetResult() != 0;
}

// ---- Cells ----

bool CIRCellButton::Draw(wxDC& dc, int row, int col, GridRect rect, bool eraseBkgnd) {
  const bool drawn = CGridCell::Draw(dc, row, col, rect, eraseBkgnd);
  auto* grid = wxDynamicCast(GetGrid(), CIRGridCtrl);
  if (!grid || rect.IsEmpty()) return drawn;
  m_buttonRect = rect;
  const wxRect area(rect.left, rect.top, rect.Width() + 1, rect.Height() + 1);
  wxRendererNative::Get().DrawPushButton(grid, dc, area, m_pressed ? int{wxCONTROL_PRESSED} : 0);
  gridpaint::CDCStateGuard guard(dc);
  dc.SetBackgroundMode(wxTRANSPARENT);
  dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
  if (const wxFont* font = GetFontObject(); font && font->IsOk()) dc.SetFont(*font);
  const wxString caption = GetLangText(grid->GetButtonCaption());
  const wxSize extent = dc.GetTextExtent(caption);
  const int inset = std::min(kCaptionTopInset, std::max(0, (area.height - extent.y) / 2));
  dc.DrawText(caption, area.x + (area.width - extent.x) / 2, area.y + inset);
  return drawn;
}

void CIRCellButton::RepaintButton() {
  CGridCtrl* grid = GetGrid();
  if (!grid || m_buttonRect.IsEmpty() || !grid->GetHandle()) return;
  grid->RefreshRect(m_buttonRect.ToWx().Inflate(1), false);
}

void CIRCellButton::OnClickDown(const wxPoint& pointCellRelative) {
  m_pressed = true;
  RepaintButton();
  auto* grid = wxDynamicCast(GetGrid(), CIRGridCtrl);
  if (!grid) return;
  const int row = grid->GetCellFromPt(pointCellRelative + m_buttonRect.TopLeft()).row;
  if (row < 0) return;
  // A nonzero answer deletes the row, and this cell with it.
  if (grid->AskParentToDelete(row)) grid->DeleteRow(row);
}

void CIRCellButton::OnClick(const wxPoint& pointCellRelative) {
  wxUnusedVar(pointCellRelative);
  m_pressed = false;
  RepaintButton();
}

bool CGridCellNumeric::Edit(int row, int col, const GridRect& rect, const wxPoint& point, int id, int ch) {
  wxUnusedVar(point);
  if (ForwardToOpenEditor(ch)) return true;
  if (!m_grid) return false;
  m_editing = true;
  m_editWnd = new CInPlaceEdit(m_grid, rect, wxTE_LEFT, id, row, col, GetText(), ch, kInPlaceEditNumbers);
  return true;
}

bool CIRGridCellHex::Edit(int row, int col, const GridRect& rect, const wxPoint& point, int id, int ch) {
  wxUnusedVar(point);
  if (ForwardToOpenEditor(ch)) return true;
  if (!m_grid) return false;
  m_editing = true;
  m_editWnd = new CInPlaceHexEdit(m_grid, rect, wxTE_LEFT, id, row, col, GetText(), ch);
  return true;
}
