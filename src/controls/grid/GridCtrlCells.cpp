// Cells and items of the grid: creation by class, per-cell properties,
// state bits and the modified flags.
#include "controls/grid/GridCtrl.h"

namespace {

// The fixed bits a new cell at (row, col) gets.
unsigned FixedBitsOf(int row, int col, int fixedRows, int fixedCols) {
  unsigned bits = 0;
  if (col < fixedCols) bits |= GVIS_FIXED | GVIS_FIXEDCOL;
  if (row < fixedRows) bits |= GVIS_FIXED | GVIS_FIXEDROW;
  return bits;
}

CGridCellBase* NewCellOfClass(wxClassInfo* cellClass) {
  if (!cellClass || !cellClass->IsKindOf(wxCLASSINFO(CGridCellBase))) return nullptr;
  wxObject* object = cellClass->CreateObject();
  if (!object) return nullptr;
  auto* cell = wxDynamicCast(object, CGridCellBase);
  if (!cell) delete object;
  return cell;
}

}  // namespace

CGridCellBase* CGridCtrl::GetCell(int row, int col) const {
  if (!IsValid(row, col)) return nullptr;
  if (m_virtualMode) return GetVirtualCell(row, col);
  if (row >= static_cast<int>(m_rowData.size()) || col >= static_cast<int>(m_rowData[row].size()))
    return nullptr;
  return m_rowData[row][col];
}

bool CGridCtrl::SetCell(int row, int col, CGridCellBase* cell) {
  if (m_virtualMode || !IsValid(row, col)) return false;
  m_rowData[row][col] = cell;
  if (cell) cell->SetCoords(row, col);
  return true;
}

CGridCellBase* CGridCtrl::CreateCell(int row, int col) {
  CGridCellBase* cell = NewCellOfClass(m_cellClass);
  if (!cell) return nullptr;
  cell->SetGrid(this);
  cell->SetCoords(row, col);
  cell->SetState(cell->GetState() | FixedBitsOf(row, col, GetFixedRowCount(), GetFixedColumnCount()));
  if (const CGridDefaultCell* defaultCell = cell->GetDefaultCell()) cell->SetFormat(defaultCell->GetFormat());
  return cell;
}

void CGridCtrl::DestroyCell(int row, int col) {
  if (!IsValid(row, col)) return;
  if (IsCellSelectedBit(row, col)) m_selectedCellMap.erase(GridCellKey(row, col));
  if (m_virtualMode) return;
  SetItemState(row, col, 0);
  delete m_rowData[row][col];
  m_rowData[row][col] = nullptr;
}

bool CGridCtrl::SetCellType(int row, int col, wxClassInfo* cellClass) {
  if (m_virtualMode || !IsValid(row, col)) return false;
  CGridCellBase* cell = NewCellOfClass(cellClass);
  if (!cell) return false;
  CGridCellBase* old = GetCell(row, col);
  if (old) {
    cell->CopyFrom(*old);
  } else {
    cell->SetGrid(this);
    cell->SetState(FixedBitsOf(row, col, GetFixedRowCount(), GetFixedColumnCount()));
  }
  SetCell(row, col, cell);
  delete old;
  return true;
}

bool CGridCtrl::SetItem(const GridItem& item) {
  CGridCellBase* cell = GetCell(item.row, item.col);
  if (m_virtualMode || !cell) return false;
  SetModified(true, item.row, item.col);
  if (item.mask & GVIF_TEXT) cell->SetText(item.strText);
  if (item.mask & GVIF_PARAM) cell->SetData(item.lParam);
  if (item.mask & GVIF_IMAGE) cell->SetImage(item.image);
  if (item.mask & GVIF_STATE) SetItemState(item.row, item.col, item.state);
  if (item.mask & GVIF_FORMAT) cell->SetFormat(item.format);
  if (item.mask & GVIF_BKCLR) cell->SetBackColor(item.bkClr);
  if (item.mask & GVIF_FGCLR) cell->SetTextColor(item.fgClr);
  if (item.mask & GVIF_FONT) cell->SetFont(&item.font);
  if (item.mask & GVIF_MARGIN) cell->SetMargin(item.margin);
  return true;
}

bool CGridCtrl::GetItem(GridItem* item) const {
  if (!item) return false;
  const CGridCellBase* cell = GetCell(item->row, item->col);
  if (!cell) return false;
  if (item->mask & GVIF_TEXT) item->strText = cell->GetText();
  if (item->mask & GVIF_PARAM) item->lParam = cell->GetData();
  if (item->mask & GVIF_IMAGE) item->image = cell->GetImage();
  if (item->mask & GVIF_STATE) item->state = cell->GetState();
  if (item->mask & GVIF_FORMAT) item->format = cell->GetFormat();
  if (item->mask & GVIF_BKCLR) item->bkClr = cell->GetBackColor();
  if (item->mask & GVIF_FGCLR) item->fgClr = cell->GetTextColor();
  if ((item->mask & GVIF_FONT) && cell->GetFont()) item->font = *cell->GetFont();
  if (item->mask & GVIF_MARGIN) item->margin = cell->GetMargin();
  return true;
}

bool CGridCtrl::SetItemText(int row, int col, const wxString& text) {
  CGridCellBase* cell = GetCell(row, col);
  if (m_virtualMode || !cell) return false;
  cell->SetText(text);
  SetModified(true, row, col);
  return true;
}

wxString CGridCtrl::GetItemText(int row, int col) const {
  const CGridCellBase* cell = GetCell(row, col);
  return cell ? cell->GetText() : wxString();
}

bool CGridCtrl::SetItemData(int row, int col, GridParam data) {
  CGridCellBase* cell = GetCell(row, col);
  if (m_virtualMode || !cell) return false;
  cell->SetData(data);
  SetModified(true, row, col);
  return true;
}

GridParam CGridCtrl::GetItemData(int row, int col) const {
  const CGridCellBase* cell = GetCell(row, col);
  return cell ? cell->GetData() : 0;
}

bool CGridCtrl::SetItemImage(int row, int col, int image) {
  CGridCellBase* cell = GetCell(row, col);
  if (m_virtualMode || !cell) return false;
  cell->SetImage(image);
  SetModified(true, row, col);
  return true;
}

int CGridCtrl::GetItemImage(int row, int col) const {
  const CGridCellBase* cell = GetCell(row, col);
  return cell ? cell->GetImage() : -1;
}

bool CGridCtrl::SetItemState(int row, int col, unsigned state) {
  if (!IsValid(row, col)) return false;
  const std::uint64_t key = GridCellKey(row, col);
  if (state & GVIS_SELECTED) {
    m_selectedCellMap[key] = CCellID(row, col);
  } else {
    m_selectedCellMap.erase(key);
  }
  CGridCellBase* cell = GetCell(row, col);
  if (m_virtualMode || !cell) return false;
  cell->SetState(state);
  return true;
}

unsigned CGridCtrl::GetItemState(int row, int col) const {
  const CGridCellBase* cell = GetCell(row, col);
  return cell ? cell->GetState() : 0;
}

bool CGridCtrl::SetItemFormat(int row, int col, unsigned format) {
  CGridCellBase* cell = GetCell(row, col);
  if (m_virtualMode || !cell) return false;
  cell->SetFormat(format);
  return true;
}

unsigned CGridCtrl::GetItemFormat(int row, int col) const {
  const CGridCellBase* cell = GetCell(row, col);
  return cell ? cell->GetFormat() : kGridDefaultFormat;
}

bool CGridCtrl::SetItemBkColour(int row, int col, ColorRef color) {
  CGridCellBase* cell = GetCell(row, col);
  if (m_virtualMode || !cell) return false;
  cell->SetBackColor(color);
  return true;
}

ColorRef CGridCtrl::GetItemBkColour(int row, int col) const {
  const CGridCellBase* cell = GetCell(row, col);
  return cell ? cell->GetBackColor() : kGridDefaultColor;
}

bool CGridCtrl::SetItemFgColour(int row, int col, ColorRef color) {
  CGridCellBase* cell = GetCell(row, col);
  if (m_virtualMode || !cell) return false;
  cell->SetTextColor(color);
  return true;
}

ColorRef CGridCtrl::GetItemFgColour(int row, int col) const {
  const CGridCellBase* cell = GetCell(row, col);
  return cell ? cell->GetTextColor() : kGridDefaultColor;
}

bool CGridCtrl::SetItemFont(int row, int col, const stLogFont* font) {
  CGridCellBase* cell = GetCell(row, col);
  if (m_virtualMode || !cell) return false;
  cell->SetFont(font);
  return true;
}

const stLogFont* CGridCtrl::GetItemFont(int row, int col) const {
  const CGridCellBase* cell = GetCell(row, col);
  return cell ? cell->GetFont() : nullptr;
}

void CGridCtrl::SetModified(bool modified, int row, int col) {
  if (col < 0 || col == m_sortColumn) SetSortColumn(-1);
  if (IsValid(row, col)) {
    if (CGridCellBase* cell = GetCell(row, col)) {
      const unsigned state = cell->GetState();
      cell->SetState(modified ? (state | GVIS_MODIFIED) : (state & ~GVIS_MODIFIED));
    }
    if (modified) m_modified = true;
  } else {
    m_modified = modified;
  }
  if (m_modified || m_virtualMode) return;
  for (const CellRow& cells : m_rowData) {
    for (CGridCellBase* cell : cells) {
      if (cell) cell->SetState(cell->GetState() & ~GVIS_MODIFIED);
    }
  }
}

bool CGridCtrl::GetModified(int row, int col) const {
  if (IsValid(row, col)) {
    const CGridCellBase* cell = GetCell(row, col);
    return cell && cell->IsModified();
  }
  return m_modified;
}

bool CGridCtrl::IsCellEditable(int row, int col) const {
  return IsValid(row, col) && m_editable && !(GetItemState(row, col) & GVIS_READONLY);
}

bool CGridCtrl::IsCellSelected(int row, int col) const {
  if (!m_enableSelection) return false;
  return IsCellSelectedBit(row, col);
}

bool CGridCtrl::IsCellFixed(int row, int col) const {
  return row < GetFixedRowCount() || col < GetFixedColumnCount();
}

bool CGridCtrl::IsValid(const CellRange& range) const {
  return range.IsValid() && range.maxRow < GetRowCount() && range.maxCol < GetColumnCount();
}
