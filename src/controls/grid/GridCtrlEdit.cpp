// In-place editing of the grid's cells: opening the editor, taking its
// result, and the user-edit path that cut and paste go through.
#include "controls/grid/GridCtrl.h"

#include "controls/grid/TitleTip.h"

void CGridCtrl::OnEditCell(int row, int col, const wxPoint& point, int ch) {
  if (m_titleTip) m_titleTip->Hide();
  if (!IsValid(row, col) || !IsCellEditable(row, col)) return;
  EnsureVisible(row, col);
  GridRect rect;
  if (!IsCellVisible(row, col) || !GetCellRect(row, col, &rect)) return;
  if (SendMessageToParent(row, col, GVN_BEGINLABELEDIT) < 0) return;
  if (CGridCellBase* cell = GetCell(row, col)) cell->Edit(row, col, rect, point, kInPlaceEditId, ch);
}

bool CGridCtrl::ValidateEdit(int row, int col, const wxString& text) {
  CGridCellBase* cell = GetCell(row, col);
  return !cell || cell->ValidateEdit(text);
}

void CGridCtrl::OnEndEditCell(int row, int col, const wxString& text) {
  const wxString oldText = GetItemText(row, col);
  if (text != oldText) {
    if (!m_virtualMode) SetItemText(row, col, text);
    if (ValidateEdit(row, col, text) && SendMessageToParent(row, col, GVN_ENDLABELEDIT) >= 0) {
      SetModified(true, row, col);
      RedrawCell(row, col);
    } else {
      SetItemText(row, col, oldText);
    }
  }
  if (CGridCellBase* cell = GetCell(row, col)) cell->OnEndEdit();
}

void CGridCtrl::EditItemText(int row, int col, const wxString& text) {
  if (!m_editable || !IsValid(row, col)) return;
  CGridCellBase* cell = GetCell(row, col);
  if (!cell || cell->IsReadOnly()) return;
  if (SendMessageToParent(row, col, GVN_BEGINLABELEDIT) < 0) return;
  const wxString oldText = cell->GetText();
  if (text == oldText) return;
  SetItemText(row, col, text);
  if (ValidateEdit(row, col, text) && SendMessageToParent(row, col, GVN_ENDLABELEDIT) >= 0) {
    SetModified(true, row, col);
    RedrawCell(row, col);
  } else {
    SetItemText(row, col, oldText);
  }
}
