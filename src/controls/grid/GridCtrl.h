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
#include "controls/grid/InPlaceEditRules.h"

#include <wx/dataobj.h>
#include <wx/dnd.h>
#include <wx/imaglist.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

class wxScrollWinEvent;
class wxSizeEvent;
class wxSysColourChangedEvent;
class wxPrinterBase;
class wxPrintDialogData;
class CTitleTip;
class CGridDropTarget;

// The control id of the in-place editor; its end-of-edit notice comes from it.
constexpr int kInPlaceEditId = 8;
// The auto-scroll timer of a selection drag.
constexpr int kAutoScrollTimerId = 513;

// What the print loop and the grid's printing exchange (pages are 1-based).
struct GridPrintInfo {
  int minPage = 1;
  int maxPage = 1;
  int currentPage = 1;
  // The header or footer rectangle being drawn, in printer logical units.
  GridRect drawRect;
};

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

  // ---- Editing ----
  // Ends the edit of the focus cell, if any.
  virtual void EndEditing();
  // Opens the cell's in-place editor; ch is the key or character that
  // started the edit (kGridEditByMouse for a click, wx key codes otherwise).
  virtual void OnEditCell(int row, int col, const wxPoint& point, int ch);
  // Stores the text an editor ended with, after validation and the owner's consent.
  virtual void OnEndEditCell(int row, int col, const wxString& text);
  virtual bool ValidateEdit(int row, int col, const wxString& text);
  // The user's edit of a cell's text (cut, paste): refused for read-only
  // cells, vetoed by the owner, validated; a refused text is put back.
  void EditItemText(int row, int col, const wxString& text);

  // ---- Clipboard, drag and drop ----
  virtual void CutSelectedText();
  // The selection as clipboard text; null without a valid selection. The caller owns it.
  virtual wxTextDataObject* CopyTextFromGrid();
  // Pastes the text of data at cell (fields by tab or comma, rows by line feed).
  virtual bool PasteTextToGrid(const CCellID& cell, const wxDataObject* data, bool selectPasted = true);
  virtual void OnBeginDrag();
  virtual wxDragResult OnDragEnter(bool textAvailable, bool ctrlDown, const wxPoint& point);
  virtual wxDragResult OnDragOver(bool textAvailable, bool ctrlDown, const wxPoint& point);
  virtual void OnDragLeave();
  virtual bool OnDrop(const wxDataObject* data, wxDragResult effect, const wxPoint& point);
  virtual void OnEditCut();
  virtual void OnEditCopy();
  virtual void OnEditPaste();
  virtual void OnEditSelectAll();
  // Command enable queries.
  bool CanCopy() const;
  bool CanCut() const;
  bool CanPaste() const;
  bool CanSelectAll() const { return m_enableSelection; }
  // An image of the focus cell for a drag; null when it cannot be made. The caller owns it.
  virtual wxImageList* CreateDragImage(wxPoint* hotSpot);
  CGridDropTarget* GetGridDropTarget() const { return m_dropTarget; }

  // ---- Header clicks and sorting ----
  virtual void OnFixedColumnClick(const CCellID& cell);
  virtual void OnFixedRowClick(const CCellID& cell);
  bool SortItems(int col, bool ascending, GridParam data = 0);
  bool SortItems(GridCompareFunc compare, int col, bool ascending, GridParam data = 0);
  // The default compare: the cells' texts code unit by code unit.
  static int CompareCellText(const CGridCellBase* first, const CGridCellBase* second, GridParam data);
  // The grid whose virtual-mode sort is running, and the column it sorts by
  // (for the virtual-mode compare function).
  static CGridCtrl* GetSortingGrid() { return s_sortingGrid; }
  int GetDraggedColumn() const { return m_draggedColumn; }

  // ---- Printing ----
  // Prints through the print framework; prompt shows the print dialog.
  bool Print(const wxString& title, wxPrinterBase& printer, bool prompt);
  virtual void OnBeginPrinting(wxDC& dc, GridPrintInfo& info);
  virtual void OnPrint(wxDC& dc, GridPrintInfo& info);
  virtual void OnEndPrinting(wxDC& dc, GridPrintInfo& info);
  virtual void PrintFixedRowCells(int startCol, int stopCol, int row, GridRect& rect, wxDC& dc, bool& first);
  virtual void PrintColumnHeadings(wxDC& dc, GridPrintInfo& info);
  virtual void PrintHeader(wxDC& dc, GridPrintInfo& info);
  virtual void PrintFooter(wxDC& dc, GridPrintInfo& info);
  virtual void PrintRowButtons(wxDC& dc, GridPrintInfo& info);
  // Header and footer heights, margins (left, right in average characters,
  // the others in lines) and the gap; -1 keeps a value.
  void SetPrintMarginInfo(int header, int footer, int left, int right, int top, int bottom, int gap);
  int GetPrintPageCount() const { return m_printPageCount; }
  int GetPrintPageWidth() const { return m_printPageWidth; }
  int GetPrintPageHeight() const { return m_printPageHeight; }
  wxSize GetPrintLogicalSize() const { return m_printLogicalSize; }

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

  // ---- Input (GridCtrlMouse.cpp, GridCtrlKeys.cpp) ----
  void BindInputEvents();
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnMouseMove(wxMouseEvent& event);
  void OnLeftDClick(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnRightUp(wxMouseEvent& event);
  void OnMouseWheel(wxMouseEvent& event);
  void OnSetCursorEvent(wxSetCursorEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnAutoScrollTimer(wxTimerEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnEndInPlaceEdit(CGridNotifyEvent& event);
  bool IsOverColumnDivider(const wxPoint& point);
  bool IsOverRowDivider(const wxPoint& point);
  bool IsPointInCellText(const CCellID& cell, const wxPoint& point);
  bool BeginColumnSizing(const wxPoint& point);
  bool BeginRowSizing(const wxPoint& point);
  void FinishSizing(const wxPoint& point);
  int SizedColumnAt(const wxPoint& point);
  int SizedRowAt(const wxPoint& point);
  void StartSelectionAt(const wxPoint& point, const wxMouseEvent& event);
  void ExtendSelectionTo(const wxPoint& point);
  void ShowTitleTipFor(const wxPoint& point);
  void ReleaseGridMouse();
  // Handles a navigation key as the key-down handler does; false when the
  // key is left to the default handling.
  bool HandleNavigationKey(int key, bool shift, bool ctrl);
  void MoveFocusByKey(const CCellID& next, int key, bool shift, bool wrapped);
  int PageRowMove(bool down);
  // Runs the drag of data; the grid's own drops arrive through its drop target meanwhile.
  virtual wxDragResult DoDragDrop(wxDataObject& data);
  void MoveRowAfter(int row, int target);
  bool MoveColumnTo(int col, int target);
  void SetDropHighlight(const CCellID& cell, bool on);
  CTitleTip* TitleTip();
  void DrawSizingTracker(wxDC& dc);
  CCellID PasteTarget();

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

  CTitleTip* m_titleTip = nullptr;          // a child of the grid, made on first use
  CGridDropTarget* m_dropTarget = nullptr;  // owned by the window
  wxTimer m_autoScrollTimer;
  // Where the bar of a row or column being sized is drawn (-1: none).
  int m_sizingTrackerPos = -1;
  // The drag running is this grid's own (its drops may move rows or columns).
  bool m_dragSource = false;
  bool m_dragMovedRow = false;

  // Printing state, in printer logical units.
  wxFont m_printerFont;
  wxSize m_charSize;
  wxSize m_printLogicalSize;
  wxSize m_paperSize;
  int m_printPageHeight = 0;
  int m_printPageWidth = 0;
  int m_printColumn = 0;
  int m_printRow = 0;
  int m_printPageCount = 0;
  int m_pageMultiplier = 1;
  int m_headerHeight = 2;
  int m_footerHeight = 2;
  int m_leftMargin = 4;
  int m_rightMargin = 4;
  int m_topMargin = 1;
  int m_bottomMargin = 1;
  int m_gap = 1;

  static CGridCtrl* s_sortingGrid;

 private:
  void PrintBand(wxDC& dc, const GridPrintInfo& info, const wxString& text, unsigned align,
                 const wxString& rightText, int lineY);
  // The cell that GetCell answers with in virtual mode, refreshed on every call.
  mutable std::unique_ptr<CGridCell> m_virtualCell;
  mutable GridDispInfo m_virtualRecord;
  bool m_inSize = false;
  wxSize m_lastClientSize;
  wxSize m_barSizes;  // measured room of the vertical (x) and horizontal (y) bar
  wxWindow* m_owner = nullptr;
};
