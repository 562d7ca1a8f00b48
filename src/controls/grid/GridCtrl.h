// The spreadsheet-like grid window: rows and columns of cells, of which the
// first rows and columns can be fixed (headers that do not scroll), with
// per-row heights and per-column widths, scroll bars, a focus cell and a
// multi-cell selection. Geometry lives in CGridGeometry; cells draw
// themselves (GridCell.h).
#pragma once

#include "controls/grid/GridCell.h"
#include "controls/grid/GridEvents.h"
#include "controls/grid/GridGeometry.h"
#include "controls/grid/GridTypes.h"

#include <wx/imaglist.h>
#include <wx/window.h>

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

class wxScrollWinEvent;
class wxSizeEvent;
class wxSysColourChangedEvent;

// Virtual mode: fills the record for (item.row, item.col) with the callback parameter.
using GridCallback = bool (*)(GridDispInfo* info, GridParam param);
// Sorting: negative, 0 or positive for two cells and a user word.
using GridCompareFunc = int (*)(const CGridCellBase* first, const CGridCellBase* second, GridParam data);
// Sorting in virtual mode: a less-than over two rows.
using GridVirtualCompare = bool (*)(int first, int second);

// Mouse modes of the grid's input handling.
enum GridMouseMode : int {
  MOUSE_NOTHING = 0,
  MOUSE_SELECT_ALL = 1,
  MOUSE_SELECT_COL = 2,
  MOUSE_SELECT_ROW = 3,
  MOUSE_SELECT_CELLS = 4,
  MOUSE_OVER_ROW_DIVIDE = 6,
  MOUSE_SIZING_ROW = 7,
  MOUSE_OVER_COL_DIVIDE = 8,
  MOUSE_SIZING_COL = 9,
  MOUSE_PREPARE_EDIT = 10,
  MOUSE_PREPARE_DRAG = 11,
  MOUSE_DRAGGING = 12,
};

class CGridCtrl : public wxWindow {
  wxDECLARE_DYNAMIC_CLASS(CGridCtrl);

 public:
  static constexpr long kDefaultStyle = wxHSCROLL | wxVSCROLL | wxBORDER_SUNKEN | wxWANTS_CHARS;
  static const char kWindowName[];  // "OvGridCtrl"

  explicit CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0);
  ~CGridCtrl() override;
  CGridCtrl(const CGridCtrl&) = delete;
  CGridCtrl& operator=(const CGridCtrl&) = delete;

  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = kDefaultStyle,
              const wxString& name = kWindowName);

  // ---- Colours (0x00BBGGRR) ----
  void SetGridBkColor(ColorRef color) { m_gridBkColor = color; }
  ColorRef GetGridBkColor() const { return m_gridBkColor; }
  void SetGridLineColor(ColorRef color) { m_gridLineColor = color; }
  ColorRef GetGridLineColor() const { return m_gridLineColor; }
  void SetTitleTipBackClr(ColorRef color = kGridDefaultColor) { m_titleTipBackColor = color; }
  ColorRef GetTitleTipBackClr() const { return m_titleTipBackColor; }
  void SetTitleTipTextClr(ColorRef color = kGridDefaultColor) { m_titleTipTextColor = color; }
  ColorRef GetTitleTipTextClr() const { return m_titleTipTextColor; }
  // The ordinary cells' defaults.
  void SetTextColor(ColorRef color) { m_defaultCells[0].SetTextColor(color); }
  ColorRef GetTextColor() const { return m_defaultCells[0].GetTextColor(); }
  void SetTextBkColor(ColorRef color) { m_defaultCells[0].SetBackColor(color); }
  ColorRef GetTextBkColor() const { return m_defaultCells[0].GetBackColor(); }
  // The three fixed default cells' defaults.
  void SetFixedTextColor(ColorRef color);
  ColorRef GetFixedTextColor() const { return m_defaultCells[2].GetTextColor(); }
  void SetFixedBkColor(ColorRef color);
  ColorRef GetFixedBkColor() const { return m_defaultCells[2].GetBackColor(); }

  // ---- Settings ----
  void SetVirtualMode(bool virtualMode);
  bool GetVirtualMode() const { return m_virtualMode; }
  void SetCallbackFunc(GridCallback callback, GridParam param) {
    m_callback = callback;
    m_callbackParam = param;
  }
  GridCallback GetCallbackFunc() const { return m_callback; }
  void SetGridLines(int mode) { m_gridLines = mode; }
  int GetGridLines() const { return m_gridLines; }
  void SetEditable(bool editable = true) { m_editable = editable; }
  bool IsEditable() const { return m_editable; }
  void EnableDragAndDrop(bool allow = true) { m_allowDragAndDrop = allow; }
  bool GetDragAndDrop() const { return m_allowDragAndDrop; }
  void SetListMode(bool listMode = true);
  bool GetListMode() const { return m_listMode; }
  void SetSingleRowSelection(bool single = true) { m_singleRowSelection = single; }
  bool GetSingleRowSelection() const { return m_singleRowSelection; }
  void SetSingleColSelection(bool single = true) { m_singleColSelection = single; }
  bool GetSingleColSelection() const { return m_singleColSelection; }
  // Drawing off: nothing paints and the scroll bars are not reset until it
  // is on again (then optionally reset and repainted).
  void SetRedraw(bool allowDraw, bool resetScrollBars = false);
  bool GetRedraw() const { return m_allowDraw; }
  void EnableSelection(bool enable = true);
  bool IsSelectable() const { return m_enableSelection; }
  void SetFixedColumnSelection(bool select) { m_fixedColumnSelection = select; }
  bool GetFixedColumnSelection() const { return m_fixedColumnSelection; }
  void SetFixedRowSelection(bool select) { m_fixedRowSelection = select; }
  bool GetFixedRowSelection() const { return m_fixedRowSelection; }
  void SetHeaderSort(bool sortOnClick = true) { m_sortOnClick = sortOnClick; }
  bool GetHeaderSort() const { return m_sortOnClick; }
  void SetHandleTabKey(bool handle = true) { m_handleTabKey = handle; }
  bool GetHandleTabKey() const { return m_handleTabKey; }
  void SetDoubleBuffering(bool buffer = true) { m_doubleBuffer = buffer; }
  bool GetDoubleBuffering() const { return m_doubleBuffer; }
  void EnableTitleTips(bool enable = true) { m_titleTips = enable; }
  bool GetTitleTips() const { return m_titleTips; }
  void EnableWysiwygPrinting(bool enable = true) { m_wysiwygPrinting = enable; }
  bool GetWysiwygPrinting() const { return m_wysiwygPrinting; }
  void EnableHiddenColUnhide(bool enable = true) { m_hiddenColUnhide = enable; }
  bool GetHiddenColUnhide() const { return m_hiddenColUnhide; }
  void EnableHiddenRowUnhide(bool enable = true) { m_hiddenRowUnhide = enable; }
  bool GetHiddenRowUnhide() const { return m_hiddenRowUnhide; }
  void EnableColumnHide(bool enable = true) { m_allowColHide = enable; }
  bool GetColumnHide() const { return m_allowColHide; }
  void EnableRowHide(bool enable = true) { m_allowRowHide = enable; }
  bool GetRowHide() const { return m_allowRowHide; }
  void SetTrackFocusCell(bool track) { m_trackFocusCell = track; }
  bool GetTrackFocusCell() const { return m_trackFocusCell; }
  void SetFrameFocusCell(bool frame) { m_frameFocus = frame; }
  bool GetFrameFocusCell() const { return m_frameFocus; }
  void SetAutoSizeStyle(int style = GVS_BOTH) { m_autoSizeStyle = style; }
  int GetAutoSizeStyle() const { return m_autoSizeStyle; }
  void SetRowResize(bool resize = true) { m_allowRowResize = resize; }
  bool GetRowResize() const { return m_allowRowResize; }
  void SetColumnResize(bool resize = true) { m_allowColumnResize = resize; }
  bool GetColumnResize() const { return m_allowColumnResize; }
  void SetDragRowMode(bool dragRows = true) { m_dragRowMode = dragRows; }
  bool GetDragRowMode() const { return m_dragRowMode; }
  void EnableColumnReorder(bool allow = true) { m_allowReorderColumn = allow; }
  bool GetColumnReorder() const { return m_allowReorderColumn; }
  void SetLeaveFocusOnTab(bool leave = true) { m_leaveFocusOnTab = leave; }
  bool GetLeaveFocusOnTab() const { return m_leaveFocusOnTab; }
  void SetRowSelectionInFixedColumn(bool enable) { m_rowSelectionInFixedColumn = enable; }
  bool GetRowSelectionInFixedColumn() const { return m_rowSelectionInFixedColumn; }
  void SetImageList(wxImageList* images) { m_imageList = images; }
  wxImageList* GetImageList() const { return m_imageList; }
  void SetSortColumn(int col);
  int GetSortColumn() const { return m_sortColumn; }
  void SetSortAscending(bool ascending) { m_ascending = ascending; }
  bool GetSortAscending() const { return m_ascending; }
  void SetCompareFunction(GridCompareFunc compare) { m_compareFunction = compare; }
  void SetVirtualCompare(GridVirtualCompare compare) { m_virtualCompare = compare; }
  void SetPrintColour(bool colour) { m_printColour = colour; }
  bool GetPrintColour() const { return m_printColour; }
  int GetRowsPerWheelNotch() const { return m_rowsPerWheelNotch; }
  int GetMouseMode() const { return m_mouseMode; }

  // ---- Default cells ----
  CGridDefaultCell* GetDefaultCell(bool fixedRow, bool fixedCol) const;
  // The class new cells are made of; refused unless it derives from CGridCellBase.
  bool SetDefaultCellType(wxClassInfo* cellClass);

  // ---- Cells and items (an invalid position does nothing) ----
  virtual CGridCellBase* GetCell(int row, int col) const;
  bool SetCell(int row, int col, CGridCellBase* cell);
  bool SetCellType(int row, int col, wxClassInfo* cellClass);
  bool SetItem(const GridItem& item);
  // Reads the properties that item.mask names.
  bool GetItem(GridItem* item) const;
  bool SetItemText(int row, int col, const wxString& text);
  wxString GetItemText(int row, int col) const;
  bool SetItemData(int row, int col, GridParam data);
  GridParam GetItemData(int row, int col) const;
  bool SetItemImage(int row, int col, int image);
  int GetItemImage(int row, int col) const;
  bool SetItemState(int row, int col, unsigned state);
  unsigned GetItemState(int row, int col) const;
  bool SetItemFormat(int row, int col, unsigned format);
  unsigned GetItemFormat(int row, int col) const;
  bool SetItemBkColour(int row, int col, ColorRef color = kGridDefaultColor);
  ColorRef GetItemBkColour(int row, int col) const;
  bool SetItemFgColour(int row, int col, ColorRef color = kGridDefaultColor);
  ColorRef GetItemFgColour(int row, int col) const;
  bool SetItemFont(int row, int col, const stLogFont* font);
  const stLogFont* GetItemFont(int row, int col) const;
  void SetModified(bool modified = true, int row = -1, int col = -1);
  bool GetModified(int row = -1, int col = -1) const;
  bool IsCellEditable(int row, int col) const;
  bool IsCellEditable(const CCellID& cell) const { return IsCellEditable(cell.row, cell.col); }
  bool IsCellSelected(int row, int col) const;
  bool IsCellSelected(const CCellID& cell) const { return IsCellSelected(cell.row, cell.col); }
  bool IsCellFixed(int row, int col) const;

  bool IsValid(int row, int col) const { return m_geometry.IsValid(row, col); }
  bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
  bool IsValid(const CellRange& range) const;

  // ---- Rows and columns ----
  int GetRowCount() const { return m_geometry.GetRowCount(); }
  int GetColumnCount() const { return m_geometry.GetColumnCount(); }
  int GetFixedRowCount() const { return m_geometry.GetFixedRowCount(); }
  int GetFixedColumnCount() const { return m_geometry.GetFixedColumnCount(); }
  bool SetRowCount(int rows = 10);
  bool SetColumnCount(int cols = 10);
  bool SetFixedRowCount(int fixedRows = 1);
  bool SetFixedColumnCount(int fixedCols = 1);
  // -1 appends; returns the new row's index, or -1.
  int InsertRow(const wxString& heading, int row = -1);
  bool DeleteRow(int row);
  bool DeleteAllItems();
  int GetRowHeight(int row) const { return m_geometry.GetRowHeight(row); }
  int GetColumnWidth(int col) const { return m_geometry.GetColumnWidth(col); }
  bool SetRowHeight(int row, int height);
  bool SetColumnWidth(int col, int width);
  int GetFixedRowHeight() const { return m_geometry.GetFixedRowHeight(); }
  int GetFixedColumnWidth() const { return m_geometry.GetFixedColumnWidth(); }
  int GetVirtualHeight() const { return m_geometry.GetVirtualHeight(); }
  int GetVirtualWidth() const { return m_geometry.GetVirtualWidth(); }
  bool AutoSizeColumn(int col, int autoSizeStyle = GVS_DEFAULT, bool resetScroll = true);
  bool AutoSizeRow(int row, bool resetScroll = true);
  void AutoSizeColumns(int autoSizeStyle = GVS_DEFAULT);

  // ---- Geometry (client pixels) ----
  CCellID GetTopleftNonFixedCell(bool force = false);
  CellRange GetVisibleNonFixedCellRange(GridRect* rect = nullptr, bool force = false);
  CellRange GetVisibleFixedCellRange(GridRect* rect = nullptr, bool force = false);
  bool GetCellOrigin(int row, int col, wxPoint* origin);
  bool GetCellOrigin(const CCellID& cell, wxPoint* origin) {
    return GetCellOrigin(cell.row, cell.col, origin);
  }
  bool GetCellRect(int row, int col, GridRect* rect);
  bool GetCellRect(const CCellID& cell, GridRect* rect) { return GetCellRect(cell.row, cell.col, rect); }
  wxPoint GetPointClicked(int row, int col, const wxPoint& point);
  CCellID GetCellFromPt(const wxPoint& point, bool allowFixed = true);
  bool IsCellVisible(int row, int col);
  bool IsCellVisible(const CCellID& cell) { return IsCellVisible(cell.row, cell.col); }
  void EnsureVisible(int row, int col);
  void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }
  // Draws the cell now (on dc, or a DC of the window when none is given).
  bool RedrawCell(int row, int col, wxDC* dc = nullptr);
  bool RedrawCell(const CCellID& cell, wxDC* dc = nullptr) { return RedrawCell(cell.row, cell.col, dc); }
  bool InvalidateCellRect(int row, int col);
  bool InvalidateCellRect(const CCellID& cell) { return InvalidateCellRect(cell.row, cell.col); }
  // Repaints only while drawing is allowed.
  void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;

  // ---- Scrolling ----
  void ResetScrollBars();
  // One scroll step, as the scroll bars, the keyboard and the wheel ask for it.
  void ScrollGrid(bool vertical, GridScrollCode code, int trackPos = 0);
  bool SetScrollPos32(bool vertical, int pos, bool redraw = true);
  int GetScrollPos32(bool vertical) const { return m_geometry.GetScrollPos(vertical); }
  int GetScrollMax(bool vertical) const { return m_geometry.GetScrollMax(vertical); }
  // Bit 1: horizontal bar shown; bit 2: vertical bar shown.
  int GetScrollBarState() const { return m_scrollBarState; }

  // ---- Selection ----
  CCellID SetFocusCell(int row, int col);
  CCellID SetFocusCell(const CCellID& cell) { return SetFocusCell(cell.row, cell.col); }
  CCellID GetFocusCell() const { return m_focusCell; }
  void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, bool forceRepaint = false,
                        bool selectCells = true);
  void SetSelectedRange(const CellRange& range, bool forceRepaint = false, bool selectCells = true);
  void ResetSelectedRange();
  CellRange GetSelectedCellRange() const;
  int GetSelectedCount() const { return static_cast<int>(m_selectedCellMap.size()); }
  void SelectAllCells();
  void SelectColumns(CCellID currentCell, bool forceRedraw = false, bool selectCells = true);
  void SelectRows(CCellID currentCell, bool forceRedraw = false, bool selectCells = true);
  void SelectCells(CCellID currentCell, bool forceRedraw = false, bool selectCells = true);
  void OnSelecting(const CCellID& currentCell);

  // ---- Notifications to the owner ----
  // The window that receives the notifications; the parent when none is set.
  void SetOwner(wxWindow* owner) { m_owner = owner; }
  wxWindow* GetOwner() const { return m_owner; }
  long SendMessageToParent(int row, int col, int code) const;
  long SendDisplayRequestToParent(GridDispInfo* info) const;
  long SendCacheHintToParent(const CellRange& range) const;

  // ---- Drawing ----
  virtual void OnDraw(wxDC& dc);
  // Takes the font for all four default cells (each remeasures itself); the
  // sizes of existing rows and columns stay.
  bool SetFont(const wxFont& font) override;

  // ---- Cell creation (overridable) ----
  virtual CGridCellBase* CreateCell(int row, int col);
  virtual void DestroyCell(int row, int col);
  virtual void UpdateRowOrder(int row, int delta);

  // ---- Editing hook ----
  // Ends the edit of the focus cell, if any.
  virtual void EndEditing();

 protected:
  using CellRow = std::vector<CGridCellBase*>;

  void EraseBkgnd(wxDC& dc, const GridRect& clip);
  void DrawCellPasses(wxDC& dc, const GridRect& clip);
  void DrawGridLines(wxDC& dc, const CellRange& visible, const GridRect& visibleRect);
  void RedrawCellGridLines(wxDC& dc, const GridRect& rect);
  void RedrawTrackedHeaders(const CCellID& cell, const CCellID& other);
  wxSize BarSizes() const;
  void MeasureBar(bool vertical, const wxSize& before);
  void ApplyScrollBarPlan(const GridScrollBarPlan& plan);
  void SyncClientSize();
  void RepaintAfterScroll(bool vertical, GridRepaint repaint);
  void ApplyFixedRowBits(int from, int to, bool nowFixed);
  void ApplyFixedColumnBits(int from, int to, bool nowFixed);
  void FillVirtualRecord(int row, int col, GridDispInfo* info) const;
  CGridCellBase* GetVirtualCell(int row, int col) const;
  void ReadSystemColors();
  wxWindow* NotifyTarget() const;
  long SendNotify(CGridNotifyEvent& event) const;
  void RedrawFixedCells(int row, int col);
  bool IsCellSelectedBit(int row, int col) const;
  void SetCellSelected(int row, int col, bool selected);
  std::vector<int>& RowOrder() { return m_geometry.RowOrder(); }
  std::vector<int>& ColumnOrder() { return m_geometry.ColumnOrder(); }

  void OnPaint(wxPaintEvent& event);
  void OnEraseBackground(wxEraseEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnScrollWin(wxScrollWinEvent& event);
  void OnSysColourChanged(wxSysColourChangedEvent& event);

  CGridGeometry m_geometry;

  ColorRef m_gridBkColor = 0;
  ColorRef m_gridLineColor = 0xC0C0C0;
  ColorRef m_windowTextColor = 0;
  ColorRef m_windowColor = 0;
  ColorRef m_3DFaceColor = 0;
  ColorRef m_shadowColor = 0;
  ColorRef m_titleTipBackColor = kGridDefaultColor;
  ColorRef m_titleTipTextColor = kGridDefaultColor;

  bool m_virtualMode = false;
  GridParam m_callbackParam = 0;
  GridCallback m_callback = nullptr;
  int m_gridLines = GVL_BOTH;
  bool m_editable = true;
  bool m_modified = false;
  bool m_allowDragAndDrop = false;
  bool m_listMode = false;
  bool m_singleRowSelection = false;
  bool m_singleColSelection = false;
  bool m_allowDraw = true;
  bool m_enableSelection = true;
  bool m_fixedColumnSelection = true;
  bool m_fixedRowSelection = true;
  bool m_sortOnClick = false;
  bool m_handleTabKey = true;
  bool m_doubleBuffer = true;
  bool m_titleTips = true;
  int m_scrollBarState = 0;
  bool m_wysiwygPrinting = false;
  bool m_hiddenColUnhide = true;
  bool m_hiddenRowUnhide = true;
  bool m_allowColHide = true;
  bool m_allowRowHide = true;
  bool m_trackFocusCell = true;
  bool m_frameFocus = true;
  int m_autoSizeStyle = GVS_BOTH;

  wxClassInfo* m_cellClass = nullptr;
  // [0] ordinary, [1] fixed column, [2] fixed row, [3] corner.
  std::array<CGridDefaultCell, 4> m_defaultCells;
  wxImageList* m_imageList = nullptr;
  std::vector<CellRow> m_rowData;

  int m_mouseMode = MOUSE_NOTHING;
  bool m_leftButtonDown = false;
  bool m_rightButtonDown = false;
  wxPoint m_leftClickDownPoint;
  wxPoint m_lastMousePoint;
  CCellID m_leftClickDownCell;
  CCellID m_selectionStartCell;
  CCellID m_focusCell;
  int m_timerInterval = 25;
  int m_resizeCaptureRange = 3;
  bool m_allowRowResize = true;
  bool m_allowColumnResize = true;
  int m_rowsPerWheelNotch = 3;
  std::unordered_map<std::uint64_t, CCellID> m_selectedCellMap;
  std::unordered_map<std::uint64_t, CCellID> m_prevSelectedCellMap;
  CCellID m_lastDragOverCell;
  bool m_ascending = true;
  int m_sortColumn = -1;
  GridCompareFunc m_compareFunction = nullptr;
  bool m_printColour = true;
  int m_draggedColumn = -1;
  bool m_dragRowMode = true;
  int m_draggedRow = -1;
  GridVirtualCompare m_virtualCompare = nullptr;
  bool m_inDestructor = false;
  bool m_allowReorderColumn = false;
  bool m_leaveFocusOnTab = false;
  bool m_rowSelectionInFixedColumn = false;

 private:
  // The cell that GetCell answers with in virtual mode, refreshed on every call.
  mutable std::unique_ptr<CGridCell> m_virtualCell;
  mutable GridDispInfo m_virtualRecord;
  bool m_inSize = false;
  wxSize m_barSizes;  // measured room of the vertical (x) and horizontal (y) bar
  wxWindow* m_owner = nullptr;
};
