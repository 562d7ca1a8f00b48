// The abstract grid cell: state bits, the virtual interface every cell kind
// offers the grid, and the drawing, printing and measuring that all cell
// kinds share.
#pragma once

#include "controls/grid/GridTypes.h"

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/object.h>
#include <wx/window.h>

class CGridCtrl;
class CGridDefaultCell;

// A cell format of -1: use the default cell's format.
constexpr unsigned kGridDefaultFormat = static_cast<unsigned>(-1);

class CGridCellBase : public wxObject {
  wxDECLARE_ABSTRACT_CLASS(CGridCellBase);

 public:
  CGridCellBase() = default;
  ~CGridCellBase() override = default;
  CGridCellBase(const CGridCellBase&) = delete;
  CGridCellBase& operator=(const CGridCellBase&) = delete;

  virtual void SetText(const wxString& text) = 0;
  virtual void SetImage(int image) = 0;
  virtual void SetData(GridParam data) = 0;
  virtual void SetState(unsigned state) { m_state = state; }
  virtual void SetFormat(unsigned format) = 0;
  virtual void SetTextColor(ColorRef color) = 0;
  virtual void SetBackColor(ColorRef color) = 0;
  // Null: use the default cell's font.
  virtual void SetFont(const stLogFont* font) = 0;
  virtual void SetMargin(int margin) = 0;
  virtual void SetGrid(CGridCtrl* grid) = 0;
  // Cells do not keep their position.
  virtual void SetCoords(int row, int col) {
    wxUnusedVar(row);
    wxUnusedVar(col);
  }

  virtual wxString GetText() const = 0;
  virtual wxString GetTipText() const { return GetText(); }
  virtual int GetImage() const = 0;
  virtual GridParam GetData() const = 0;
  virtual unsigned GetState() const { return m_state; }
  virtual unsigned GetFormat() const = 0;
  virtual ColorRef GetTextColor() const = 0;
  virtual ColorRef GetBackColor() const = 0;
  virtual const stLogFont* GetFont() const = 0;
  virtual const wxFont* GetFontObject() const = 0;
  virtual CGridCtrl* GetGrid() const = 0;
  virtual wxWindow* GetEditWnd() const = 0;
  virtual int GetMargin() const = 0;
  // The grid's default cell for this cell's fixed-row and fixed-column bits.
  virtual CGridDefaultCell* GetDefaultCell() const;

  virtual bool IsDefaultFont() const = 0;
  virtual bool IsEditing() const = 0;
  virtual bool IsFocused() const { return (GetState() & GVIS_FOCUSED) != 0; }
  virtual bool IsFixed() const { return (GetState() & GVIS_FIXED) != 0; }
  virtual bool IsFixedCol() const { return (GetState() & GVIS_FIXEDCOL) != 0; }
  virtual bool IsFixedRow() const { return (GetState() & GVIS_FIXEDROW) != 0; }
  virtual bool IsSelected() const { return (GetState() & GVIS_SELECTED) != 0; }
  virtual bool IsReadOnly() const { return (GetState() & GVIS_READONLY) != 0; }
  virtual bool IsModified() const { return (GetState() & GVIS_MODIFIED) != 0; }
  virtual bool IsDropHighlighted() const { return (GetState() & GVIS_DROPHILITED) != 0; }

  // Takes the other cell's properties (through the getters, so a format or
  // margin left to the default arrives resolved).
  virtual void CopyFrom(const CGridCellBase& other);
  virtual void Reset();

  virtual bool Draw(wxDC& dc, int row, int col, GridRect rect, bool eraseBkgnd = true);
  virtual bool GetTextRect(GridRect* rect);
  virtual bool GetTipTextRect(GridRect* rect) { return GetTextRect(rect); }
  // With no DC, one of the grid window is used.
  virtual wxSize GetTextExtent(const wxString& text, wxDC* dc = nullptr);
  virtual wxSize GetCellExtent(wxDC* dc = nullptr);

  // In-place editing: a cell that can be edited opens its editor over rect.
  virtual bool Edit(int row, int col, const GridRect& rect, const wxPoint& point, int id, int ch);
  virtual bool ValidateEdit(const wxString& text) {
    wxUnusedVar(text);
    return true;
  }
  virtual void EndEdit() {}

  virtual bool PrintCell(wxDC& dc, int row, int col, GridRect rect);

  virtual void OnEndEdit() {}
  virtual void OnMouseEnter() {}
  virtual void OnMouseOver() {}
  virtual void OnMouseLeave() {}
  virtual void OnClick(const wxPoint& pointCellRelative) { wxUnusedVar(pointCellRelative); }
  virtual void OnClickDown(const wxPoint& pointCellRelative) { wxUnusedVar(pointCellRelative); }
  virtual void OnRClick(const wxPoint& pointCellRelative) { wxUnusedVar(pointCellRelative); }
  virtual void OnDblClick(const wxPoint& pointCellRelative) { wxUnusedVar(pointCellRelative); }
  virtual bool OnSetCursor();

 protected:
  bool IsImageShown() const;
  wxSize ImageSize() const;
  bool IsVerticalFont() const;

 private:
  unsigned m_state = 0;
};
