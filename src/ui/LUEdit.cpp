#include "ui/LUEdit.h"

#include <wx/dcclient.h>

#include <algorithm>

CLUEdit::~CLUEdit() {
  if (m_edit) m_edit->SetOwner(nullptr);
  if (m_label) m_label->SetOwner(nullptr);
  if (m_unit) m_unit->SetOwner(nullptr);
}

void CLUEdit::CopyParentFont() {
  if (!m_parent) return;
  m_labelFont.SetFromFont(m_parent->GetFont());
  m_unitFont = m_labelFont;
}

bool CLUEdit::Create(int x, int y, int height, int width, int controlId, wxWindow* parent) {
  m_parent = parent;
  m_x = x;
  m_y = y;
  CopyParentFont();
  m_editFont = m_labelFont;
  auto* edit = new CLUMaskEdit();
  if (!edit->Create(parent, controlId, wxPoint(x, y), wxSize(width, height))) {
    delete edit;
    return false;
  }
  if (m_insertAfter) edit->MoveAfterInTabOrder(m_insertAfter);
  edit->SetFont(m_editFont);
  AdoptEdit(edit);
  return true;
}

void CLUEdit::Init(wxWindow* parent, int x, int y) {
  m_parent = parent;
  m_x = x;
  m_y = y;
  CopyParentFont();
  if (m_edit) m_edit->SetOwner(this);
}

bool CLUEdit::SubclassDlgItem(int controlId) {
  if (!m_parent) return false;
  wxWindow* found = m_parent->FindWindow(controlId);
  if (auto* masked = wxDynamicCast(found, CLUMaskEdit)) {
    AdoptEdit(masked);
    return true;
  }
  auto* plain = wxDynamicCast(found, wxTextCtrl);
  if (!plain || plain->GetParent() != m_parent) return false;
  auto* edit =
      new CLUMaskEdit(m_parent, controlId, plain->GetPosition(), plain->GetSize(), plain->GetValue());
  edit->SetFont(plain->GetFont());
  m_editFont.SetFromFont(plain->GetFont());
  edit->MoveAfterInTabOrder(plain);
  edit->Enable(plain->IsEnabled());
  edit->SetEditable(plain->IsEditable());
  edit->Show(plain->IsShown());
  plain->Destroy();
  AdoptEdit(edit);
  return true;
}

void CLUEdit::AdoptEdit(CLUMaskEdit* edit) {
  m_edit = edit;
  edit->SetOwner(this);
}

void CLUEdit::SetPos(int x, int y, bool relayout) {
  m_x = x;
  m_y = y;
  if (relayout) Layout();
}

void CLUEdit::SetEditSize(EditHeight height, EditWidth width, bool relayout) {
  if (m_edit) m_edit->SetSize(wxDefaultCoord, wxDefaultCoord, width.value, height.value, wxSIZE_USE_EXISTING);
  if (relayout) Layout();
}

void CLUEdit::SetUnitText(const wxString& text, bool relayout) {
  if (!m_parent) return;
  if (!m_unit) {
    m_unit = new CLUStatic(m_parent, kUnitControlId, text, wxPoint(0, 0), wxSize(10, 10));
    m_unit->SetFont(m_unitFont);
    // A unit made for a hidden input stays hidden with it.
    if (m_edit && !m_edit->IsShown()) m_unit->Hide();
  }
  m_unit->SetLabel(text);
  if (relayout) Layout();
}

void CLUEdit::SetLabelText(const wxString& text, bool relayout) {
  if (!m_parent) return;
  if (!m_label) {
    m_label = new CLUStatic(m_parent, wxID_STATIC, text, wxPoint(m_x, m_y), wxSize(10, 10));
    m_label->SetFont(m_labelFont);
    m_label->SetOwner(this);
  }
  m_label->SetLabel(text);
  if (relayout) Layout();
}

void CLUEdit::SetMinLabelWidth(int width, bool relayout) {
  m_minLabelWidth = width;
  if (relayout) Layout();
}

void CLUEdit::SetUnitGap(int pixels, bool relayout) {
  m_unitGap = pixels;
  if (relayout) Layout();
}

bool CLUEdit::EnableValueCheck(bool enable, bool relayout) {
  const bool done = m_edit && m_edit->EnableValueCheck(enable);
  if (done && relayout) Layout();
  return done;
}

void CLUEdit::SetTipPlacement(int mode, int x, int y) {
  m_editTipMode = mode;
  m_editTipX = x;
  m_editTipY = y;
}

void CLUEdit::SetLabelTipPlacement(int mode, int x, int y) {
  m_labelTipMode = mode;
  m_labelTipX = x;
  m_labelTipY = y;
}

bool CLUEdit::SetText(const wxString& text) { return m_edit && m_edit->SetText(text); }
bool CLUEdit::CheckRange() { return !m_edit || m_edit->CheckRange(); }
bool CLUEdit::SetMask(const wxString& format, const wxString& templ) {
  return m_edit && m_edit->SetMask(format, templ);
}
bool CLUEdit::SetRange(double minimum, double maximum) {
  return m_edit && m_edit->SetRange(minimum, maximum);
}
void CLUEdit::GetRange(double* minimum, double* maximum) const {
  if (m_edit) m_edit->GetRange(minimum, maximum);
}
wxString CLUEdit::GetWindowText() const { return m_edit ? m_edit->GetWindowText() : wxString(); }
int CLUEdit::GetDlgCtrlID() const { return m_edit ? m_edit->GetId() : 0; }

void CLUEdit::EnableWindow(bool enable) {
  if (m_edit) m_edit->Enable(enable);
}

void CLUEdit::ShowWindow(bool show) {
  if (m_edit) m_edit->Show(show);
  if (m_unit) m_unit->Show(show);
  if (m_label) m_label->Show(show);
}

void CLUEdit::DestroyWindow() {
  HideEditTip();
  if (m_edit) m_edit->Destroy();
  m_edit = nullptr;
}

int CLUEdit::TextWidth(wxWindow* window, const CFontEx& font, const wxString& text) const {
  wxClientDC dc(window);
  dc.SetFont(font);
  return dc.GetMultiLineTextExtent(text).x;
}

void CLUEdit::Layout() {
  if (!m_edit) return;
  const wxSize editSize = m_edit->GetSize();
  int editX = m_x;
  if (m_label) {
    const int width = std::max(m_minLabelWidth, TextWidth(m_label, m_labelFont, m_label->GetLabel()));
    const int height = m_label->GetBestSize().y;
    m_label->SetSize(m_x, m_y + (editSize.y - height) / 2, width, height);
    editX = m_x + width + m_labelGap;
  } else if (m_minLabelWidth > 0) {
    editX = m_x + m_minLabelWidth + m_labelGap;
  }
  m_edit->Move(editX, m_y);
  if (m_unit) {
    const wxSize unit = m_unit->GetBestSize();
    m_unit->SetSize(editX + editSize.x + m_unitGap, m_y + (editSize.y - unit.y) / 2, unit.x, unit.y);
  }
}

CToolTip2* CLUEdit::EnsureTip(wxWeakRef<CToolTip2>& tip, int pointSize, int margin) {
  if (!tip && m_parent) {
    auto* created = new CToolTip2();
    if (!created->Create(pointSize, margin, margin, m_parent)) {
      delete created;
      return nullptr;
    }
    tip = created;
  }
  return tip.get();
}

void CLUEdit::ShowEditTip() {
  if (!m_editTipEnabled || !m_edit) return;
  CToolTip2* tip = EnsureTip(m_editTip, m_editTipFontSize, m_editTipMargin);
  if (!tip) return;
  tip->SetText(m_editTipKey);
  const wxRect edit = m_edit->GetRect();
  wxPoint anchor(m_editTipX == -1 ? edit.x : m_editTipX,
                 m_editTipY == -1 ? (m_editTipMode == 1 ? edit.GetBottom() + 1 : edit.y) : m_editTipY);
  if (m_editTipMode == 0) anchor.y -= tip->GetTextSize().y + 2 * tip->GetVerticalMargin();
  tip->Show(anchor);
}

void CLUEdit::HideEditTip() {
  if (m_editTip) m_editTip->Hide();
}

void CLUEdit::ShowLabelTip() {
  if (!m_labelTipEnabled || !m_label) return;
  CToolTip2* tip = EnsureTip(m_labelTip, m_labelTipFontSize, m_labelTipMargin);
  if (!tip) return;
  tip->SetText(m_labelTipProvider ? m_labelTipProvider() : m_labelTipText);
  const wxRect label = m_label->GetRect();
  wxPoint anchor(m_labelTipX == -1 ? label.x : m_labelTipX,
                 m_labelTipY == -1 ? (m_labelTipMode == 1 ? label.GetBottom() + 1 : label.y) : m_labelTipY);
  if (m_labelTipMode == 0) {
    const wxSize text = tip->GetTextSize();
    anchor.x -= text.x + 2 * tip->GetHorizontalMargin() + 2;
    anchor.y -= text.y + 2 * tip->GetVerticalMargin();
  }
  tip->Show(anchor);
}

void CLUEdit::HideLabelTip() {
  if (m_labelTip) m_labelTip->Hide();
}
