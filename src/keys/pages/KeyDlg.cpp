#include "keys/pages/KeyDlg.h"

#include "core/DocManage.h"
#include "core/ProjectFile.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellMessages.h"

#include <wx/checkbox.h>

namespace {
// The template's geometry in dialog units.
constexpr int kColumns[4] = {40, 105, 170, 235};
constexpr int kRows[2] = {12, 38};
const wxSize kTemplateSize(289, 79);
const wxSize kCheckSize(32, 10);
}  // namespace

CKeyDlg::CKeyDlg(wxWindow* parent) : wxPanel(parent, kTemplateId) {
  SetBackgroundColour(*wxWHITE);
  SetSize(ConvertDialogToPixels(kTemplateSize));
  for (int key = 0; key < kKeyCount; ++key) {
    const wxPoint at = ConvertDialogToPixels(wxPoint(kColumns[key % 4], kRows[key / 4]));
    wxSize size = ConvertDialogToPixels(kCheckSize);
    m_checks[key] = new wxCheckBox(this, kFirstCheckId + key, wxString::Format("KEY%d", key + 1), at);
    // Wide enough for the label in any theme.
    size.x = std::max(size.x, m_checks[key]->GetBestSize().x);
    size.y = std::max(size.y, m_checks[key]->GetBestSize().y);
    m_checks[key]->SetSize(size);
  }
  Bind(wxEVT_CHECKBOX, &CKeyDlg::OnTouchKeyClicked, this, kFirstCheckId, kFirstCheckId + kKeyCount - 1);
  Bind(wxEVT_SIZE, &CKeyDlg::OnSize, this);
}

void CKeyDlg::OnSize(wxSizeEvent& event) {
  event.Skip();
  // Narrower than the template: the four columns share the width.
  const int width = GetClientSize().x;
  if (width >= ConvertDialogToPixels(kTemplateSize).x) return;
  const int pitch = width / 4;
  for (int key = 0; key < kKeyCount; ++key) {
    const wxPoint at = ConvertDialogToPixels(wxPoint(kColumns[0], kRows[key / 4]));
    const int left = std::min(at.x, pitch / 4) + (key % 4) * pitch;
    m_checks[key]->SetPosition(wxPoint(left, at.y));
  }
}

void CKeyDlg::ShowTouchKeyFlags() {
  for (int key = 0; key < kKeyCount; ++key) m_checks[key]->SetValue(g_DocManage.TouchKey[key] != 0);
}

bool CKeyDlg::SaveTouchKeys(const CProjectFile& file) const {
  wxString list;
  for (const wxCheckBox* check : m_checks) list += check->GetValue() ? "1," : "0,";
  return file.WriteText(projectfile::section::kKeyConfig, projectfile::key::kTouchKey, list);
}

void CKeyDlg::OnTouchKeyClicked(wxCommandEvent& event) {
  const int key = event.GetId() - kFirstCheckId;
  const int state = m_checks[key]->GetValue() ? 1 : 0;
  g_DocManage.TouchKey[key] = state;
  SendShellMessage(GetParent(), WM_KEYDLG_CHOICE, key, state);
  if (m_changed) m_changed();
}
