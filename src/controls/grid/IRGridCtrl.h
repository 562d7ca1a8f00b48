// The program's grid of IR codes: a header row, a numbering column, a code
// column (hexadecimal or decimal), a free-text column and a column of push
// buttons. In display mode the owner fills the rows; in input mode the user
// types codes into an empty last row, and each filled row gets a button.
// A button press asks the grid's parent (WM_KEY_CELL_EDIT) whether to
// delete its row.
#pragma once

#include "controls/grid/GridCtrl.h"

enum KeyCellMessageNumber : int { kMsgKeyCellEdit = 0x6BC };

// WM_KEY_CELL_EDIT: a row's button was pressed. GetInt() (wParam) is the
// row, GetString() (lParam) the text of its code column; a handler that
// answers SetResult(nonzero) has the row deleted.
class CKeyCellEditEvent : public wxCommandEvent {
 public:
  CKeyCellEditEvent(wxEventType type = wxEVT_NULL, int id = 0) : wxCommandEvent(type, id) {}
  int GetRow() const { return GetInt(); }
  wxString GetText() const { return GetString(); }
  long GetResult() const { return m_result; }
  void SetResult(long result) { m_result = result; }
  wxEvent* Clone() const override { return new CKeyCellEditEvent(*this); }

 private:
  long m_result = 0;
};

wxDECLARE_EVENT(WM_KEY_CELL_EDIT, CKeyCellEditEvent);

class CIRGridCtrl : public CGridCtrl {
  wxDECLARE_DYNAMIC_CLASS(CIRGridCtrl);

 public:
  enum Mode { kDisplayMode = 0, kInputMode = 1 };
  enum Column { kNumberColumn = 0, kCodeColumn = 1, kTextColumn = 2, kButtonColumn = 3 };

  CIRGridCtrl();

  void InitCodeGrid(int mode);
  void InitWideCodeGrid();
  void SetMaxRows(int limit) { m_maxRows = limit; }
  int GetMaxRows() const { return m_maxRows; }
  void SetColumnWidths(int width);
  // The columns fill the client width with no horizontal bar: column takes
  // the width the others leave, never less than its header needs; when that
  // is more than they leave, the others give up what they hold beyond their
  // own headers. The grid fits them again as rows come and go (the vertical
  // bar takes room) and as its size changes.
  void FitColumns(int column);
  void FitTextColumn() { FitColumns(kTextColumn); }
  void SetCellText(int row, int col, const wxString& text);
  // 1 when a row was added, 0 at the row limit.
  int AppendRow(bool readOnly);
  void ResetRows();
  bool GetFirstRow(int* row) const;
  bool GetNextRow(int* row, wxString* code, wxString* text) const;
  // Deletes a data row; the numbers in column 0 stay consecutive.
  bool DeleteRow(int row);
  wxString GetButtonCaption() const { return m_buttonCaption; }
  int GetMode() const { return m_mode; }
  bool GetHexCodes() const { return m_hexCodes; }
  void SetHexCodes(bool hex) { m_hexCodes = hex; }

  bool ValidateEdit(int row, int col, const wxString& text) override;
  void OnEndEditCell(int row, int col, const wxString& text) override;

  // Asks the parent whether to delete row (WM_KEY_CELL_EDIT); true when it answered nonzero.
  bool AskParentToDelete(int row);

 private:
  void SetReadOnly(int row, int col);
  void ApplyCommonSettings();
  void RefitColumns();
  // The width the columns can fill once the vertical bar shows exactly when the rows need it.
  int ColumnRoom() const;
  int HeaderWidth(int col) const;

  wxString m_buttonCaption;
  int m_mode = kDisplayMode;
  bool m_hexCodes = false;
  int m_maxRows = 0;
  int m_fitColumn = -1;
  bool m_refitting = false;
};

// The push button of a row (column 3); draws the grid's button caption.
class CIRCellButton : public CGridCell {
  wxDECLARE_DYNAMIC_CLASS(CIRCellButton);

 public:
  bool Draw(wxDC& dc, int row, int col, GridRect rect, bool eraseBkgnd = true) override;
  // The button has no text area (no editing, no title tip).
  bool GetTextRect(GridRect* rect) override {
    wxUnusedVar(rect);
    return false;
  }
  void OnClick(const wxPoint& pointCellRelative) override;
  void OnClickDown(const wxPoint& pointCellRelative) override;
  bool IsPressed() const { return m_pressed; }

 private:
  void RepaintButton();

  bool m_pressed = false;
  GridRect m_buttonRect;
};

// A code cell edited with digits only.
class CGridCellNumeric : public CGridCell {
  wxDECLARE_DYNAMIC_CLASS(CGridCellNumeric);

 public:
  bool Edit(int row, int col, const GridRect& rect, const wxPoint& point, int id, int ch) override;
};

// A code cell edited as one hexadecimal byte.
class CIRGridCellHex : public CGridCell {
  wxDECLARE_DYNAMIC_CLASS(CIRGridCellHex);

 public:
  bool Edit(int row, int col, const GridRect& rect, const wxPoint& point, int id, int ch) override;
};
