// Clipboard and drag and drop of the grid: the selection as text with tabs
// between fields and CR LF between rows, paste at the selection or the
// focus cell, drags of cells, rows and (with reordering) columns.
#include "controls/grid/GridCtrl.h"

#include "controls/grid/GridClipboardText.h"
#include "controls/grid/GridDropTarget.h"

#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace {

bool HasText(const wxDataObject* data) {
  return data && (data->IsSupported(wxDF_UNICODETEXT) || data->IsSupported(wxDF_TEXT));
}

wxString TextOf(const wxDataObject* data) {
  if (const auto* text = dynamic_cast<const wxTextDataObject*>(data)) return text->GetText();
  if (!data) return wxString();
  const wxDataFormat format =
      data->IsSupported(wxDF_UNICODETEXT) ? wxDataFormat(wxDF_UNICODETEXT) : wxDataFormat(wxDF_TEXT);
  wxTextDataObject reader;
  const size_t size = data->GetDataSize(format);
  std::vector<char> buffer(size + sizeof(wchar_t), 0);
  if (!data->GetDataHere(format, buffer.data())) return wxString();
  reader.SetData(format, size, buffer.data());
  return reader.GetText();
}

}  // namespace

void CGridCtrl::CutSelectedText() {
  if (!m_editable) return;
  std::vector<CCellID> cells;
  for (const auto& entry : m_selectedCellMap) cells.push_back(entry.second);
  for (const CCellID& cell : cells) EditItemText(cell.row, cell.col, wxString());
}

wxTextDataObject* CGridCtrl::CopyTextFromGrid() {
  const CellRange range = GetSelectedCellRange();
  if (!IsValid(range)) return nullptr;
  if (m_virtualMode) SendCacheHintToParent(range);
  GridTextSource source;
  source.rowHeight = [this](int row) { return GetRowHeight(row); };
  // Through the column order, as the columns are shown.
  source.columnWidth = [this](int col) { return GetColumnWidth(col); };
  source.isSelected = [this](int row, int col) {
    const CGridCellBase* cell = GetCell(row, col);
    return cell && (cell->GetState() & GVIS_SELECTED) != 0;
  };
  source.text = [this](int row, int col) { return GetItemText(row, col); };
  const wxString text = BuildGridClipboardText(range, source);
  if (m_virtualMode) SendCacheHintToParent(CellRange());
  return new wxTextDataObject(text);
}

bool CGridCtrl::PasteTextToGrid(const CCellID& cell, const wxDataObject* data, bool selectPasted) {
  if (!IsValid(cell) || !m_editable || !HasText(data)) return false;
  const CGridCellBase* target = GetCell(cell.row, cell.col);
  if (target && target->IsReadOnly()) return false;
  const auto writes = PlanGridPaste(
      SplitGridPasteText(TextOf(data)), cell.row, cell.col, GetRowCount(), GetColumnCount(),
      [this](int row) { return GetRowHeight(row); }, [this](int col) { return GetColumnWidth(col); });
  CCellID last = cell;
  for (const GridPasteWrite& write : writes) {
    EditItemText(write.row, write.col, write.text);
    SetItemState(write.row, write.col, GetItemState(write.row, write.col) & ~GVIS_SELECTED);
    last.row = std::max(last.row, write.row);
    last.col = std::max(last.col, write.col);
  }
  if (selectPasted) {
    SetSelectedRange(cell.row, cell.col, last.row, last.col, true, true);
  } else {
    ResetSelectedRange();
    Refresh();
  }
  return true;
}

void CGridCtrl::OnEditCut() {
  if (!m_editable) return;
  wxTextDataObject* data = CopyTextFromGrid();
  if (!data) return;
  if (wxTheClipboard->Open()) {
    wxTheClipboard->SetData(data);
    wxTheClipboard->Close();
  } else {
    delete data;
  }
  CutSelectedText();
}

void CGridCtrl::OnEditCopy() {
  wxTextDataObject* data = CopyTextFromGrid();
  if (!data) return;
  if (!wxTheClipboard->Open()) {
    delete data;
    return;
  }
  wxTheClipboard->SetData(data);
  wxTheClipboard->Close();
}

CCellID CGridCtrl::PasteTarget() {
  const CellRange range = GetSelectedCellRange();
  if (IsValid(range)) return range.GetTopLeft();
  if (IsValid(m_focusCell)) return m_focusCell;
  return GetTopleftNonFixedCell();
}

void CGridCtrl::OnEditPaste() {
  if (!m_editable) return;
  const CCellID target = PasteTarget();
  CGridCellBase* cell = GetCell(target.row, target.col);
  if (!IsValid(target) || !cell) return;
  if (auto* editor = dynamic_cast<wxTextCtrl*>(cell->GetEditWnd())) {
    editor->Paste();
    return;
  }
  if (!wxTheClipboard->Open()) return;
  wxTextDataObject data;
  const bool read = wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data);
  wxTheClipboard->Close();
  if (read) PasteTextToGrid(target, &data, true);
}

void CGridCtrl::OnEditSelectAll() {
  SendMessageToParent(m_leftClickDownCell.row, m_leftClickDownCell.col, GVN_SELCHANGING);
  if (m_enableSelection)
    SetSelectedRange(GetFixedRowCount(), GetFixedColumnCount(), GetRowCount() - 1, GetColumnCount() - 1,
                     false, true);
  SendMessageToParent(m_focusCell.row, m_focusCell.col, GVN_SELCHANGED);
}

bool CGridCtrl::CanCopy() const { return !m_selectedCellMap.empty(); }

bool CGridCtrl::CanCut() const { return m_editable && !m_selectedCellMap.empty(); }

bool CGridCtrl::CanPaste() const {
  if (!IsValid(m_focusCell) || !m_editable) return false;
  const CGridCellBase* cell = GetCell(m_focusCell.row, m_focusCell.col);
  if (cell && cell->IsReadOnly()) return false;
  if (!wxTheClipboard->Open()) return false;
  const bool text = wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
  wxTheClipboard->Close();
  return text;
}

// ---- Drag and drop ----

wxDragResult CGridCtrl::DoDragDrop(wxDataObject& data) {
  wxDropSource source(data, this);
  return source.DoDragDrop(wxDrag_AllowMove);
}

void CGridCtrl::OnBeginDrag() {
  const bool columnDrag = m_draggedColumn >= 0;
  if (!m_allowDragAndDrop && !columnDrag) return;
  std::unique_ptr<wxTextDataObject> data(columnDrag ? new wxTextDataObject() : CopyTextFromGrid());
  if (!data) return;
  const CCellID topLeft = GetSelectedCellRange().GetTopLeft();
  SendMessageToParent(topLeft.row, topLeft.col, GVN_BEGINDRAG);
  m_mouseMode = MOUSE_DRAGGING;
  m_leftButtonDown = false;
  ReleaseGridMouse();
  m_dragSource = true;
  m_dragMovedRow = false;
  const wxDragResult result = DoDragDrop(*data);
  m_dragSource = false;
  // A row or column moved inside this grid took its cells along: nothing to cut.
  if (result == wxDragMove && !columnDrag && !m_dragMovedRow) CutSelectedText();
  m_dragMovedRow = false;
  m_draggedColumn = -1;
  m_mouseMode = MOUSE_NOTHING;
}

void CGridCtrl::SetDropHighlight(const CCellID& cell, bool on) {
  if (!IsValid(cell)) return;
  const unsigned state = GetItemState(cell.row, cell.col);
  SetItemState(cell.row, cell.col, on ? (state | GVIS_DROPHILITED) : (state & ~GVIS_DROPHILITED));
  RedrawCell(cell);
}

wxDragResult CGridCtrl::OnDragEnter(bool textAvailable, bool ctrlDown, const wxPoint& point) {
  const bool columnDrag = m_dragSource && m_draggedColumn >= 0;
  const CCellID cell = GetCellFromPt(point, columnDrag);
  m_lastDragOverCell = cell;
  const wxDragResult effect = ctrlDown ? wxDragCopy : wxDragMove;
  if (columnDrag) {
    if (IsValid(cell) && cell.row < GetFixedRowCount() && cell.col >= GetFixedColumnCount())
      SetDropHighlight(cell, true);
    return effect;
  }
  if (!m_allowDragAndDrop || !textAvailable || !IsValid(cell) || !IsCellEditable(cell)) return wxDragNone;
  SetDropHighlight(cell, true);
  return effect;
}

wxDragResult CGridCtrl::OnDragOver(bool textAvailable, bool ctrlDown, const wxPoint& point) {
  const bool columnDrag = m_dragSource && m_draggedColumn >= 0;
  const bool rowDrag = m_dragSource && m_dragRowMode && !columnDrag;
  const CCellID cell = GetCellFromPt(point, columnDrag);
  bool accepted = IsValid(cell);
  if (columnDrag) {
    accepted = accepted && cell.row < GetFixedRowCount() && cell.col >= GetFixedColumnCount();
  } else if (!rowDrag) {
    accepted = accepted && m_allowDragAndDrop && m_editable && textAvailable && IsCellEditable(cell);
  } else {
    accepted = accepted && !IsCellFixed(cell.row, cell.col);
  }
  if (!accepted) {
    OnDragLeave();
    m_lastDragOverCell = CCellID();
    return wxDragNone;
  }
  if (cell != m_lastDragOverCell) {
    SetDropHighlight(m_lastDragOverCell, false);
    m_lastDragOverCell = cell;
    SetDropHighlight(cell, true);
  }
  return ctrlDown ? wxDragCopy : wxDragMove;
}

void CGridCtrl::OnDragLeave() { SetDropHighlight(m_lastDragOverCell, false); }

bool CGridCtrl::OnDrop(const wxDataObject* data, wxDragResult effect, const wxPoint& point) {
  wxUnusedVar(effect);
  wxUnusedVar(point);
  m_mouseMode = MOUSE_NOTHING;
  const bool columnDrag = m_dragSource && m_draggedColumn >= 0;
  // Rows move only inside the grid the drag started in; text from elsewhere is pasted.
  const bool rowDrag = m_dragSource && m_dragRowMode && !columnDrag;
  const CCellID target = m_lastDragOverCell;
  if (columnDrag) {
    OnDragLeave();
    if (!IsValid(target) || target.row >= GetFixedRowCount()) return false;
    return MoveColumnTo(m_draggedColumn, target.col);
  }
  if (!m_allowDragAndDrop) return false;
  if (!rowDrag && (!m_editable || !IsValid(target) || !IsCellEditable(target))) return false;
  OnDragLeave();
  if (!rowDrag) return PasteTextToGrid(target, data, false);
  if (!IsValid(target) || m_draggedRow < GetFixedRowCount() || m_draggedRow == target.row) return false;
  MoveRowAfter(m_draggedRow, target.row);
  m_dragMovedRow = true;
  Refresh();
  return true;
}

// Puts row directly after target: in virtual mode through the row order,
// otherwise with its cells and height.
void CGridCtrl::MoveRowAfter(int row, int target) {
  std::vector<int>& order = RowOrder();
  if (m_virtualMode) {
    if (row >= static_cast<int>(order.size()) || target >= static_cast<int>(order.size())) return;
    const int moved = order[row];
    const int after = order[target];
    order.erase(order.begin() + row);
    order.insert(std::find(order.begin(), order.end(), after) + 1, moved);
    return;
  }
  ResetSelectedRange();
  const int destination = row < target ? target : target + 1;
  const int height = GetRowHeight(row);
  CellRow cells = m_rowData[row];
  const int step = row < destination ? 1 : -1;
  for (int r = row; r != destination; r += step) {
    m_rowData[r] = m_rowData[r + step];
    m_geometry.SetRowHeight(r, GetRowHeight(r + step));
  }
  m_rowData[destination] = cells;
  m_geometry.SetRowHeight(destination, height);
  SetModified();
}

bool CGridCtrl::MoveColumnTo(int col, int target) {
  std::vector<int>& order = ColumnOrder();
  if (col < 0 || target < GetFixedColumnCount() || col == target || col >= static_cast<int>(order.size()) ||
      target >= static_cast<int>(order.size()))
    return false;
  ResetSelectedRange();
  const int moved = order[col];
  order.erase(order.begin() + col);
  order.insert(order.begin() + target, moved);
  // Cells are kept by shown position: they move with their column.
  if (!m_virtualMode) {
    for (CellRow& cells : m_rowData) {
      CGridCellBase* cell = cells[col];
      cells.erase(cells.begin() + col);
      cells.insert(cells.begin() + target, cell);
    }
  }
  m_draggedColumn = -1;
  m_geometry.InvalidateTopLeft();
  Refresh();
  return true;
}

wxImageList* CGridCtrl::CreateDragImage(wxPoint* hotSpot) {
  GridRect rect;
  if (!GetHandle() || !GetCellRect(m_focusCell, &rect)) return nullptr;
  const wxSize size(rect.Width() + 1, rect.Height() + 1);
  wxBitmap bitmap(size);
  {
    wxMemoryDC dc(bitmap);
    dc.SetDeviceOrigin(-rect.left, -rect.top);
    if (CGridCellBase* cell = GetCell(m_focusCell.row, m_focusCell.col))
      cell->Draw(dc, m_focusCell.row, m_focusCell.col, rect);
  }
  auto* images = new wxImageList(size.x, size.y, true, 1);
  images->Add(bitmap, ColourFromColorRef(GetDefaultCell(false, false)->GetBackColor()));
  if (hotSpot) *hotSpot = wxPoint(0, 0);
  return images;
}
