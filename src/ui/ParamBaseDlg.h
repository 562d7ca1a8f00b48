// The base of the parameter dialogs (constant code, function configuration,
// user-defined, pure-data and verify-code dialogs): a white dialog with a
// rounded frame and the list of names already in use.
#pragma once

#include "ui/ImageTipBtn.h"

#include <wx/dialog.h>

class CParamBaseDlg : public wxDialog {
 public:
  CParamBaseDlg(int templateId, wxWindow* parent, const wxString& title = wxString());

  // The used names become first, followed by "," and second when second is not empty.
  void SetUsedNames(const wxString& first, const wxString& second);
  // True when text equals one of the used names, without regard to case.
  bool IsInNameList(const wxString& text) const;
  const wxString& GetUsedNames() const { return m_usedNames; }
  // The tip button that a dialog places beside its fields (created by the dialog).
  CImageTipBtn& GetTipButton() { return m_tipButton; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnCharHook(wxKeyEvent& event);

  wxString m_usedNames;

 protected:
  CImageTipBtn m_tipButton;
};
