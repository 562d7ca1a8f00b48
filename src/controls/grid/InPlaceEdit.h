// The in-place editors that a cell opens over itself: a single-line edit
// that reports its text to the grid when it loses the focus (or Enter, Tab,
// Escape or an arrow key ends it) and then goes away, and its one-byte
// hexadecimal variant.
#pragma once

#include "controls/grid/GridTypes.h"

#include <wx/textctrl.h>

// Extra style of CInPlaceEdit: digits only (the numeric cells).
constexpr long kInPlaceEditNumbers = 0x1;

class CInPlaceEdit : public wxTextCtrl {
 public:
  // Opens over rect (grid client coordinates) with the text and the key
  // that started the edit (see ClassifyEditStart). style takes wxTE_LEFT,
  // wxTE_CENTRE or wxTE_RIGHT; extraStyle kInPlaceEditNumbers.
  CInPlaceEdit(wxWindow* parent, const GridRect& rect, long style, wxWindowID id, int row, int col,
               const wxString& initText, int firstChar, long extraStyle = 0);
  ~CInPlaceEdit() override;

  // Reports the text to the grid (end-of-edit notice) and closes the editor; once.
  virtual void EndEdit();

  int GetRow() const { return m_row; }
  int GetColumn() const { return m_col; }
  // The key that ended the edit (wx key code: Tab, Enter, Escape, an arrow ...), 0 until then.
  int GetLastKey() const { return m_lastKey; }
  bool GetExitOnArrows() const { return m_exitOnArrows; }

 protected:
  // Whether the editor may hold text (after a character typed or a paste);
  // the numbers-only style takes digits only.
  virtual bool AcceptsText(const wxString& text);
  // The text as it would be with ch typed at the caret.
  wxString TextWithTyped(wxChar ch) const;
  // Last changes to the text before it is reported.
  virtual void PrepareTextForEnd() {}
  void ApplyFirstChar(int firstChar);
  void EndByKey(int key);

  void OnCharHook(wxKeyEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnTextChanged(wxCommandEvent& event);
  void OnKillFocus(wxFocusEvent& event);
  void OnPaste(wxClipboardTextEvent& event);
  void GrowToFit();

  int m_row;
  int m_col;
  wxString m_initText;
  int m_lastKey = 0;
  bool m_exitOnArrows;
  GridRect m_rect;
  long m_extraStyle;
  bool m_ended = false;
};

class CInPlaceHexEdit : public CInPlaceEdit {
 public:
  using CInPlaceEdit::CInPlaceEdit;

 protected:
  bool AcceptsText(const wxString& text) override;
  // Lower case, "0x%02x" (see NormalizeHexEditText).
  void PrepareTextForEnd() override;
};
