#include "controls/grid/GridCtrl.h"

#include "controls/grid/GridDropTarget.h"
#include "controls/grid/GridPaint.h"
#include "controls/grid/TitleTip.h"

wxIMPLEMENT_DYNAMIC_CLASS(CGridCtrl, wxWindow);
wxDEFINE_EVENT(OLV_EVT_GRID_NOTIFY, CGridNotifyEvent);

const char CGridCtrl::kWindowName[] = "OvGridCtrl";

namespace {

constexpr int kOrdinaryCell = 0;
constexpr int kFixedColumnCell = 1;
constexpr int kFixedRowCell = 2;
constexpr int kCornerCell = 3;

bool SameLogFont(const stLogFont& a, const stLogFont& b) {
  return a.height == b.height && a.width == b.width && a.escapement == b.escapement &&
         a.orientation == b.orientation && a.weight == b.weight && a.italic == b.italic &&
         a.underline == b.underline && a.strikeOut == b.strikeOut && a.charSet == b.charSet &&
         a.faceName == b.faceName && a.pointSize == b.pointSize;
}

}  // namespace

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols) {
  ReadSystemColors();
  m_cellClass = wxCLASSINFO(CGridCell);
  for (int i = 0; i < 4; ++i) {
    CGridDefaultCell& cell = m_defaultCells[i];
    cell.SetGrid(this);
    cell.SetTextColor(m_windowTextColor);
    cell.SetBackColor(i == kOrdinaryCell ? m_windowColor : m_3DFaceColor);
  }
  m_gridBkColor = m_shadowColor;
  SetRowCount(rows);
  SetColumnCount(cols);
  SetFixedRowCount(fixedRows);
  SetFixedColumnCount(fixedCols);
  SetTitleTipBackClr();
  SetTitleTipTextClr();
  m_selectedCellMap.clear();
  m_prevSelectedCellMap.clear();
}

bool CGridCtrl::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                       const wxString& name) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (!wxWindow::Create(parent, id, pos, size, style | wxFULL_REPAINT_ON_RESIZE, name)) return false;
  SetBackgroundColour(gridpaint::Colour(m_3DFaceColor));
  Bind(wxEVT_PAINT, &CGridCtrl::OnPaint, this);
  Bind(wxEVT_ERASE_BACKGROUND, &CGridCtrl::OnEraseBackground, this);
  Bind(wxEVT_SIZE, &CGridCtrl::OnSize, this);
  Bind(wxEVT_SYS_COLOUR_CHANGED, &CGridCtrl::OnSysColourChanged, this);
  Bind(wxEVT_SCROLLWIN_TOP, &CGridCtrl::OnScrollWin, this);
  Bind(wxEVT_SCROLLWIN_BOTTOM, &CGridCtrl::OnScrollWin, this);
  Bind(wxEVT_SCROLLWIN_LINEUP, &CGridCtrl::OnScrollWin, this);
  Bind(wxEVT_SCROLLWIN_LINEDOWN, &CGridCtrl::OnScrollWin, this);
  Bind(wxEVT_SCROLLWIN_PAGEUP, &CGridCtrl::OnScrollWin, this);
  Bind(wxEVT_SCROLLWIN_PAGEDOWN, &CGridCtrl::OnScrollWin, this);
  Bind(wxEVT_SCROLLWIN_THUMBTRACK, &CGridCtrl::OnScrollWin, this);
  Bind(wxEVT_SCROLLWIN_THUMBRELEASE, &CGridCtrl::OnScrollWin, this);
  BindInputEvents();
  m_dropTarget = new CGridDropTarget();
  if (!m_dropTarget->Register(this)) {
    delete m_dropTarget;
    m_dropTarget = nullptr;
  }
  ResetScrollBars();
  return true;
}

CGridCtrl::~CGridCtrl() {
  m_inDestructor = true;
  m_autoScrollTimer.Stop();
  if (GetHandle() && HasCapture()) ReleaseMouse();
  if (m_titleTip) m_titleTip->Hide();
  DeleteAllItems();
}

void CGridCtrl::ReadSystemColors() {
  m_windowTextColor = gridpaint::SystemColor(wxSYS_COLOUR_WINDOWTEXT);
  m_windowColor = gridpaint::SystemColor(wxSYS_COLOUR_WINDOW);
  m_3DFaceColor = gridpaint::SystemColor(wxSYS_COLOUR_BTNFACE);
  m_shadowColor = gridpaint::SystemColor(wxSYS_COLOUR_BTNSHADOW);
}

void CGridCtrl::OnSysColourChanged(wxSysColourChangedEvent& event) {
  event.Skip();
  const ColorRef windowText = gridpaint::SystemColor(wxSYS_COLOUR_WINDOWTEXT);
  const ColorRef window = gridpaint::SystemColor(wxSYS_COLOUR_WINDOW);
  const ColorRef shadow = gridpaint::SystemColor(wxSYS_COLOUR_BTNSHADOW);
  for (CGridDefaultCell& cell : m_defaultCells) {
    if (cell.GetTextColor() == m_windowTextColor) cell.SetTextColor(windowText);
    if (cell.GetBackColor() == m_windowColor) cell.SetBackColor(window);
  }
  if (m_gridBkColor == m_shadowColor) m_gridBkColor = shadow;
  ReadSystemColors();
}

bool CGridCtrl::SetFont(const wxFont& font) {
  const bool changed = wxWindow::SetFont(font);
  if (!font.IsOk()) return changed;
  CFontEx description;
  description.SetFromFont(font);
  for (CGridDefaultCell& cell : m_defaultCells) cell.SetFont(&description.GetLogFont());
  if (m_allowDraw) Refresh();
  return true;
}

void CGridCtrl::SetFixedTextColor(ColorRef color) {
  for (int i : {kFixedColumnCell, kFixedRowCell, kCornerCell}) m_defaultCells[i].SetTextColor(color);
}

void CGridCtrl::SetFixedBkColor(ColorRef color) {
  for (int i : {kFixedColumnCell, kFixedRowCell, kCornerCell}) m_defaultCells[i].SetBackColor(color);
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol) const {
  const int index =
      fixedRow ? (fixedCol ? kCornerCell : kFixedRowCell) : (fixedCol ? kFixedColumnCell : kOrdinaryCell);
  return const_cast<CGridDefaultCell*>(&m_defaultCells[index]);
}

bool CGridCtrl::SetDefaultCellType(wxClassInfo* cellClass) {
  if (!cellClass || !cellClass->IsKindOf(wxCLASSINFO(CGridCellBase))) return false;
  m_cellClass = cellClass;
  return true;
}

void CGridCtrl::SetVirtualMode(bool virtualMode) {
  if (virtualMode == m_virtualMode) return;
  DeleteAllItems();
  m_virtualMode = virtualMode;
}

void CGridCtrl::SetListMode(bool listMode) {
  ResetSelectedRange();
  m_listMode = listMode;
}

void CGridCtrl::SetRedraw(bool allowDraw, bool resetScrollBars) {
  const bool turnedOn = allowDraw && !m_allowDraw;
  m_allowDraw = allowDraw;
  if (!turnedOn) return;
  if (resetScrollBars) ResetScrollBars();
  Refresh();
}

void CGridCtrl::EnableSelection(bool enable) {
  ResetSelectedRange();
  m_enableSelection = enable;
}

void CGridCtrl::SetSortColumn(int col) {
  const int old = m_sortColumn;
  m_sortColumn = col;
  if (old >= 0) InvalidateCellRect(0, old);
  if (col >= 0) InvalidateCellRect(0, col);
}

void CGridCtrl::Refresh(bool eraseBackground, const wxRect* rect) {
  if (!m_allowDraw || m_inDestructor || !GetHandle()) return;
  wxWindow::Refresh(eraseBackground, rect);
}

void CGridCtrl::EndEditing() {
  if (!IsValid(m_focusCell)) return;
  if (CGridCellBase* cell = GetCell(m_focusCell.row, m_focusCell.col)) cell->EndEdit();
}

// ---- Notifications ----

wxWindow* CGridCtrl::NotifyTarget() const { return m_owner ? m_owner : GetParent(); }

long CGridCtrl::SendNotify(CGridNotifyEvent& event) const {
  wxWindow* target = NotifyTarget();
  if (!target) return 0;
  event.SetId(GetId());
  event.SetEventObject(const_cast<CGridCtrl*>(this));
  target->GetEventHandler()->ProcessEvent(event);
  return event.GetResult();
}

long CGridCtrl::SendMessageToParent(int row, int col, int code) const {
  CGridNotifyEvent event(OLV_EVT_GRID_NOTIFY);
  event.SetCode(code);
  event.SetCell(row, col);
  return SendNotify(event);
}

long CGridCtrl::SendDisplayRequestToParent(GridDispInfo* info) const {
  CGridNotifyEvent event(OLV_EVT_GRID_NOTIFY);
  event.SetCode(GVN_GETDISPINFO);
  if (info) event.SetCell(info->item.row, info->item.col);
  event.SetDispInfo(info);
  return SendNotify(event);
}

long CGridCtrl::SendCacheHintToParent(const CellRange& range) const {
  CGridNotifyEvent event(OLV_EVT_GRID_NOTIFY);
  event.SetCode(GVN_ODCACHEHINT);
  event.SetRange(range);
  return SendNotify(event);
}

// ---- Virtual mode ----

void CGridCtrl::FillVirtualRecord(int row, int col, GridDispInfo* info) const {
  GridItem& item = info->item;
  item = GridItem();
  item.row = row;
  item.col = col;
  item.mask = 0xFFFFFFFFu;
  const bool fixedRow = row < GetFixedRowCount();
  const bool fixedCol = col < GetFixedColumnCount();
  item.state = m_selectedCellMap.count(GridCellKey(row, col)) ? unsigned{GVIS_SELECTED} : 0u;
  if (fixedRow) item.state |= GVIS_FIXED | GVIS_FIXEDROW;
  if (fixedCol) item.state |= GVIS_FIXED | GVIS_FIXEDCOL;
  if (CCellID(row, col) == m_focusCell) item.state |= GVIS_FOCUSED;
  const CGridDefaultCell* defaultCell = GetDefaultCell(fixedRow, fixedCol);
  item.format = defaultCell->GetFormat();
  item.image = defaultCell->GetImage();
  item.bkClr = defaultCell->GetBackColor();
  item.fgClr = defaultCell->GetTextColor();
  item.lParam = defaultCell->GetData();
  if (defaultCell->GetFont()) item.font = *defaultCell->GetFont();
  item.margin = defaultCell->GetMargin();
  item.strText.clear();
}

CGridCellBase* CGridCtrl::GetVirtualCell(int row, int col) const {
  if (!m_virtualCell) m_virtualCell = std::make_unique<CGridCell>();
  FillVirtualRecord(row, col, &m_virtualRecord);
  GridItem& item = m_virtualRecord.item;
  if (!m_inDestructor) {
    const auto& rowOrder = m_geometry.RowOrder();
    const auto& columnOrder = m_geometry.ColumnOrder();
    item.row = row < static_cast<int>(rowOrder.size()) ? rowOrder[row] : row;
    item.col = col < static_cast<int>(columnOrder.size()) ? columnOrder[col] : col;
    if (m_callback) {
      m_callback(&m_virtualRecord, m_callbackParam);
    } else {
      SendDisplayRequestToParent(&m_virtualRecord);
    }
    item.row = row;
    item.col = col;
  }
  CGridCell& cell = *m_virtualCell;
  const CGridDefaultCell* defaultCell = GetDefaultCell(row < GetFixedRowCount(), col < GetFixedColumnCount());
  cell.SetGrid(const_cast<CGridCtrl*>(this));
  cell.SetState(item.state);
  cell.SetTextColor(item.fgClr);
  cell.SetBackColor(item.bkClr);
  cell.SetFormat(item.format);
  cell.SetImage(item.image);
  cell.SetData(item.lParam);
  const bool defaultFont = defaultCell->GetFont() && SameLogFont(item.font, *defaultCell->GetFont());
  cell.SetFont(defaultFont ? nullptr : &item.font);
  cell.SetMargin(item.margin);
  cell.SetText(item.strText);
  return &cell;
}
