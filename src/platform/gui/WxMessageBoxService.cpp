#include "platform/gui/WxMessageBoxService.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/window.h>

namespace platform {
namespace {

long StyleFor(unsigned type) {
  long style = wxCENTRE;
  switch (type & kMbButtonMask) {
    case kMbOkCancel: style |= wxOK | wxCANCEL; break;
    case kMbYesNoCancel: style |= wxYES_NO | wxCANCEL; break;
    case kMbYesNo: style |= wxYES_NO; break;
    default: style |= wxOK; break;
  }
  switch (type & kMbIconMask) {
    case kMbIconError: style |= wxICON_ERROR; break;
    case kMbIconQuestion: style |= wxICON_QUESTION; break;
    case kMbIconWarning: style |= wxICON_WARNING; break;
    case kMbIconInformation: style |= wxICON_INFORMATION; break;
    default: break;
  }
  return style;
}

wxMessageDialog::ButtonLabel LabelOr(const wxString& label, int stockId) {
  if (label.empty()) return wxMessageDialog::ButtonLabel(stockId);
  return wxMessageDialog::ButtonLabel(label);
}

int AnswerFor(int result) {
  switch (result) {
    case wxID_YES: return kIdYes;
    case wxID_NO: return kIdNo;
    case wxID_CANCEL: return kIdCancel;
    default: return kIdOk;
  }
}

// The box stands over the window the user works in: the active one (the main
// window or a modeless window beside it), else the program's top window.
wxWindow* BoxOwner() {
  if (wxWindow* active = wxGetActiveWindow()) return active;
  return wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
}

}  // namespace

int CWxMessageBoxService::Show(const stMessageBoxRequest& request) {
  wxWindow* owner = BoxOwner();
  wxMessageDialog dialog(owner, request.text, request.caption, StyleFor(request.type));
  dialog.SetYesNoCancelLabels(LabelOr(request.yesLabel, wxID_YES), LabelOr(request.noLabel, wxID_NO),
                              LabelOr(request.cancelLabel, wxID_CANCEL));
  dialog.SetOKCancelLabels(LabelOr(request.okLabel, wxID_OK), LabelOr(request.cancelLabel, wxID_CANCEL));
  return AnswerFor(dialog.ShowModal());
}

}  // namespace platform
