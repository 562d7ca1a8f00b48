#include "ui/ParamBaseDlg.h"

#include "core/StringHelpers.h"

#include <wx/dcclient.h>

namespace {
constexpr int kCornerSize = 10;
}

CParamBaseDlg::CParamBaseDlg(int templateId, wxWindow* parent, const wxString& title)
    : wxDialog(parent, templateId, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE) {
  SetBackgroundColour(*wxWHITE);
  Bind(wxEVT_PAINT, &CParamBaseDlg::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CParamBaseDlg::OnLeftDown, this);
  Bind(wxEVT_CHAR_HOOK, &CParamBaseDlg::OnCharHook, this);
}

void CParamBaseDlg::SetUsedNames(const wxString& first, const wxString& second) {
  m_usedNames = second.empty() ? first : first + "," + second;
}

bool CParamBaseDlg::IsInNameList(const wxString& text) const {
  wxString list = m_usedNames;  // a copy: checking never consumes the stored list
  while (!list.empty()) {
    if (GetNextToken(list, ",").CmpNoCase(text) == 0) return true;
  }
  return false;
}

void CParamBaseDlg::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.SetPen(*wxBLACK_PEN);
  dc.DrawRoundedRectangle(wxRect(GetClientSize()), kCornerSize / 2.0);
}

void CParamBaseDlg::OnLeftDown(wxMouseEvent& event) {
  SetFocus();
  event.Skip();
}

void CParamBaseDlg::OnCharHook(wxKeyEvent& event) {
  // Neither Enter nor Escape closes the dialog.
  if (event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_ESCAPE ||
      event.GetKeyCode() == WXK_NUMPAD_ENTER) {
    return;
  }
  event.Skip();
}
