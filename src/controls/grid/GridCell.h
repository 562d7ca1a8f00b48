// The ordinary text cell and the default cell that supplies every property
// a cell leaves unset.
#pragma once

#include "controls/grid/GridCellBase.h"
#include "ui/FontEx.h"

#include <memory>

class CGridCell : public CGridCellBase {
  wxDECLARE_DYNAMIC_CLASS(CGridCell);

 public:
  CGridCell();
  ~CGridCell() override;

  void SetText(const wxString& text) override { m_text = text; }
  void SetImage(int image) override { m_image = image; }
  void SetData(GridParam data) override { m_data = data; }
  void SetFormat(unsigned format) override { m_format = format; }
  void SetTextColor(ColorRef color) override { m_textColor = color; }
  void SetBackColor(ColorRef color) override { m_backColor = color; }
  void SetFont(const stLogFont* font) override;
  void SetMargin(int margin) override { m_margin = margin; }
  void SetGrid(CGridCtrl* grid) override { m_grid = grid; }

  wxString GetText() const override { return m_text; }
  int GetImage() const override { return m_image; }
  GridParam GetData() const override { return m_data; }
  // The own format, else the default cell's (-1 without one).
  unsigned GetFormat() const override;
  // The stored colours, "default" included; Draw resolves them.
  ColorRef GetTextColor() const override { return m_textColor; }
  ColorRef GetBackColor() const override { return m_backColor; }
  const stLogFont* GetFont() const override;
  // The own font when the cell has one, else the default cell's.
  const wxFont* GetFontObject() const override;
  CGridCtrl* GetGrid() const override { return m_grid; }
  wxWindow* GetEditWnd() const override { return m_editWnd; }
  int GetMargin() const override;

  bool IsDefaultFont() const override { return !m_font; }
  bool IsEditing() const override { return m_editing; }

  void Reset() override;

  // Forwards the character to an editor that is already open; otherwise
  // opens an in-place editor (CInPlaceEdit) over rect.
  bool Edit(int row, int col, const GridRect& rect, const wxPoint& point, int id, int ch) override;
  // Asks the open editor to end (it reports to the grid and closes).
  void EndEdit() override;
  void OnEndEdit() override;

  // The editor of an edit in progress (the editor owns itself).
  void SetEditWnd(wxWindow* editor) { m_editWnd = editor; }
  void SetEditing(bool editing) { m_editing = editing; }

 protected:
  // Sends ch to the editor of an edit in progress; false when none is open.
  bool ForwardToOpenEditor(int ch);
  // The editor's alignment style from the cell's format.
  long EditorAlignment() const;

  wxString m_text;
  GridParam m_data = 0;
  int m_image = -1;
  unsigned m_format = kGridDefaultFormat;
  ColorRef m_textColor = kGridDefaultColor;
  ColorRef m_backColor = kGridDefaultColor;
  std::unique_ptr<stLogFont> m_font;
  int m_margin = -1;
  bool m_editing = false;
  CGridCtrl* m_grid = nullptr;
  wxWindow* m_editWnd = nullptr;

 private:
  mutable std::unique_ptr<CFontEx> m_fontObject;  // built from m_font on first use
};

class CGridDefaultCell : public CGridCell {
  wxDECLARE_DYNAMIC_CLASS(CGridDefaultCell);

 public:
  CGridDefaultCell();

  void SetData(GridParam data) override { wxUnusedVar(data); }
  void SetState(unsigned state) override { wxUnusedVar(state); }
  // Default cells never take part in editing.
  unsigned GetState() const override { return CGridCell::GetState() | GVIS_READONLY; }

  // Null keeps the font, margin and size; otherwise the font is rebuilt and
  // the cell measures itself with it.
  void SetFont(const stLogFont* font) override;
  const stLogFont* GetFont() const override { return m_font.get(); }
  const wxFont* GetFontObject() const override { return &m_fontObject.GetFont(); }
  // A default cell has no default of its own to defer to.
  unsigned GetFormat() const override { return m_format; }
  int GetMargin() const override { return m_margin; }

  virtual unsigned GetStyle() const { return m_style; }
  virtual void SetStyle(unsigned style) { m_style = style; }
  virtual int GetWidth() const { return m_width; }
  virtual int GetHeight() const { return m_height; }
  virtual void SetWidth(int width) { m_width = width; }
  virtual void SetHeight(int height) { m_height = height; }

 private:
  void MeasureFromFont();

  int m_width = 30;
  int m_height = 10;
  CFontEx m_fontObject;
  unsigned m_style = 0;
};
