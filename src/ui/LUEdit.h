// The labelled input the parameter pages place: a label, a masked edit and a
// unit text left to right, with a tip under (or over) the edit while it has
// the focus and a tip on the label when the mouse rests on it.
//
// CLUEdit is no window: it lives as a member of its page; the windows it
// creates are children of the page and are destroyed with it.
#pragma once

#include "ui/FontEx.h"
#include "ui/LUMaskEdit.h"
#include "ui/LUStatic.h"
#include "ui/ToolTip2.h"

#include <wx/weakref.h>

#include <functional>

// The edit's height and width, each its own type so that SetEditSize's
// arguments cannot be swapped unnoticed.
struct EditHeight {
  explicit EditHeight(int pixels) : value(pixels) {}
  int value;
};
struct EditWidth {
  explicit EditWidth(int pixels) : value(pixels) {}
  int value;
};

class CLUEdit {
 public:
  // The static-control id (0xFFFF in a dialog template).
  static constexpr int kUnitControlId = wxID_STATIC;
  static constexpr int kDefaultTipFontSize = 14;
  static constexpr int kDefaultTipMargin = 4;

  CLUEdit() = default;
  ~CLUEdit();
  CLUEdit(const CLUEdit&) = delete;
  CLUEdit& operator=(const CLUEdit&) = delete;

  // Creates the edit at (x, y) with the given height and width, copies the
  // parent's font into the three fonts and puts the edit after the
  // SetInsertAfter window in the tab order.
  bool Create(int x, int y, int height, int width, int controlId, wxWindow* parent);
  // Binds to a parent and a position without creating an edit; then
  // SubclassDlgItem takes over the page's edit.
  void Init(wxWindow* parent, int x, int y);
  // Takes the parent's child with the id as the masked edit: a CLUMaskEdit is
  // adopted; a plain wxTextCtrl is replaced by a masked edit with the same id,
  // rectangle, text, font, state and tab position. False when there is none.
  bool SubclassDlgItem(int controlId);
  void SetInsertAfter(wxWindow* window) { m_insertAfter = window; }

  void SetPos(int x, int y, bool relayout = false);
  // Keeps the edit's position.
  void SetEditSize(EditHeight height, EditWidth width, bool relayout = false);
  void SetUnitText(const wxString& text, bool relayout = false);
  void SetLabelText(const wxString& text, bool relayout = false);
  void SetMinLabelWidth(int width, bool relayout = false);
  // The space between the edit and the unit text (2 pixels by default).
  void SetUnitGap(int pixels, bool relayout = false);
  bool EnableValueCheck(bool enable, bool relayout = false);

  // The edit's tip: a language key, shown while the edit has the focus. Mode 1
  // puts the tip below the anchor, 0 above it; -1 takes x or y from the edit.
  void SetTipFontSize(int pointSize) { m_editTipFontSize = pointSize; }
  void SetTipText(const wxString& key) { m_editTipKey = key; }
  void SetTipPlacement(int mode, int x = -1, int y = -1);
  void EnableTip(bool enable) { m_editTipEnabled = enable; }

  // The label's tip: a fixed text or the text a provider returns when shown.
  void EnableLabelTip(bool enable) { m_labelTipEnabled = enable; }
  void SetLabelTipText(const wxString& text) { m_labelTipText = text; }
  void SetLabelTipProvider(std::function<wxString()> provider) { m_labelTipProvider = std::move(provider); }
  void SetLabelTipPlacement(int mode, int x = -1, int y = -1);

  // Pass-throughs to the edit.
  bool SetText(const wxString& text);
  bool CheckRange();
  bool SetMask(const wxString& format, const wxString& templ);
  bool SetRange(double minimum, double maximum);
  void GetRange(double* minimum, double* maximum) const;
  void GetWindowText(wxString& text) const { text = GetWindowText(); }
  wxString GetWindowText() const;
  int GetDlgCtrlID() const;
  void EnableWindow(bool enable);
  void ShowWindow(bool show);
  void DestroyWindow();

  // Label at (x, y), edit after it, unit after the edit; label and unit
  // centred vertically on the edit.
  void Layout();

  void ShowEditTip();
  void HideEditTip();
  void ShowLabelTip();
  void HideLabelTip();

  CLUMaskEdit* GetEdit() const { return m_edit.get(); }
  CLUStatic* GetLabel() const { return m_label.get(); }
  CLUStatic* GetUnit() const { return m_unit.get(); }
  CToolTip2* GetEditTip() const { return m_editTip.get(); }
  CToolTip2* GetLabelTip() const { return m_labelTip.get(); }
  const CFontEx& GetEditFont() const { return m_editFont; }

 private:
  void CopyParentFont();
  void AdoptEdit(CLUMaskEdit* edit);
  CToolTip2* EnsureTip(wxWeakRef<CToolTip2>& tip, int pointSize, int margin);
  int TextWidth(wxWindow* window, const CFontEx& font, const wxString& text) const;

  CFontEx m_labelFont;
  CFontEx m_editFont;
  CFontEx m_unitFont;
  wxWeakRef<CLUMaskEdit> m_edit;
  wxWeakRef<CLUStatic> m_label;
  wxWeakRef<CLUStatic> m_unit;
  wxWeakRef<CToolTip2> m_editTip;
  wxWeakRef<CToolTip2> m_labelTip;
  wxWindow* m_parent = nullptr;
  wxWindow* m_insertAfter = nullptr;
  int m_x = 0;
  int m_y = 0;
  int m_labelGap = 2;
  int m_unitGap = 2;
  int m_minLabelWidth = 0;

  bool m_editTipEnabled = false;
  int m_editTipMode = 1;
  int m_editTipX = -1;
  int m_editTipY = -1;
  int m_editTipFontSize = kDefaultTipFontSize;
  wxString m_editTipKey;
  int m_editTipMargin = kDefaultTipMargin;

  bool m_labelTipEnabled = false;
  int m_labelTipMode = 1;
  int m_labelTipX = -1;
  int m_labelTipY = -1;
  int m_labelTipFontSize = kDefaultTipFontSize;
  wxString m_labelTipText;
  std::function<wxString()> m_labelTipProvider;
  int m_labelTipMargin = kDefaultTipMargin;
};
