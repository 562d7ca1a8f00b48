#include "ui/LUMaskEdit.h"

#include "core/Numbers.h"
#include "ui/LUEdit.h"
#include "ui/MaskLogic.h"
#include "ui/UiMessages.h"

#include <wx/clipbrd.h>
#include <wx/dcbuffer.h>

#include <algorithm>

wxIMPLEMENT_DYNAMIC_CLASS(CLUMaskEdit, wxControl);

CLUMaskEdit::CLUMaskEdit(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                         const wxString& text) {
  Create(parent, id, pos, size, text);
}

bool CLUMaskEdit::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                         const wxString& text) {
  if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  // The entry takes the focus, never the frame around it.
  SetCanFocus(false);
  m_text = new wxTextCtrl(this, id, text, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
  m_text->SetFont(parent->GetFont());
  UpdateColours();
  BindEvents();
  PlaceText();
  return true;
}

void CLUMaskEdit::BindEvents() {
  Bind(wxEVT_PAINT, &CLUMaskEdit::OnPaint, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent&) {
    PlaceText();
    Refresh();
  });
  m_text->Bind(wxEVT_KEY_DOWN, &CLUMaskEdit::OnKeyDown, this);
  m_text->Bind(wxEVT_CHAR, &CLUMaskEdit::OnChar, this);
  m_text->Bind(wxEVT_SET_FOCUS, &CLUMaskEdit::OnSetFocus, this);
  m_text->Bind(wxEVT_KILL_FOCUS, &CLUMaskEdit::OnKillFocus, this);
  m_text->Bind(wxEVT_TEXT_PASTE, &CLUMaskEdit::OnPaste, this);
  m_text->Bind(wxEVT_TEXT_CUT, &CLUMaskEdit::OnCut, this);
}

bool CLUMaskEdit::SetMask(const wxString& format, const wxString& templ) {
  if (!IsValidMask(format, templ)) return false;
  m_format = format;
  m_template = templ;
  m_maskActive = !format.empty() && !templ.empty();
  return true;
}

bool CLUMaskEdit::EnableValueCheck(bool enable) {
  if (!enable) {
    m_valueCheck = false;
    Refresh();
    return true;
  }
  if (!m_maskActive) return false;
  const ValueCheckKind kind = GetValueCheckKind(m_format, m_template);
  if (kind == ValueCheckKind::kRefused) return false;
  m_hexadecimal = kind == ValueCheckKind::kHexadecimal;
  m_valueCheck = true;
  CheckRange();
  return true;
}

bool CLUMaskEdit::SetRange(double minimum, double maximum) {
  if (!IsValidRange(minimum, maximum)) return false;
  m_minimum = minimum;
  m_maximum = maximum;
  if (m_valueCheck) CheckRange();
  return true;
}

void CLUMaskEdit::GetRange(double* minimum, double* maximum) const {
  if (minimum) *minimum = m_minimum;
  if (maximum) *maximum = m_maximum;
}

bool CLUMaskEdit::CheckRange() {
  const bool inRange = !m_valueCheck || IsTextInRange(GetWindowText(), m_hexadecimal, m_minimum, m_maximum);
  if (m_refused) {
    m_refused = false;
    Refresh();
  }
  if (m_outOfRange == inRange) {
    m_outOfRange = !inRange;
    Refresh();
  }
  return inRange;
}

bool CLUMaskEdit::SetText(const wxString& text) {
  if (m_maskActive && !TextFitsMask(text, m_format, m_template)) return false;
  SetWindowText(text);
  CheckRange();
  Refresh();
  return true;
}

wxString CLUMaskEdit::GetWindowText() const { return m_text ? m_text->GetValue() : wxString(); }

void CLUMaskEdit::SetWindowText(const wxString& text) {
  if (m_text) m_text->SetValue(text);
}

void CLUMaskEdit::SetFrame(bool frame) {
  m_frame = frame;
  PlaceText();
  Refresh();
}

void CLUMaskEdit::SetEditable(bool editable) {
  if (!m_text) return;
  m_text->SetEditable(editable);
  UpdateColours();
}

bool CLUMaskEdit::IsEditable() const { return m_text && m_text->IsEditable(); }

bool CLUMaskEdit::Enable(bool enable) {
  const bool changed = wxControl::Enable(enable);
  UpdateColours();
  return changed;
}

bool CLUMaskEdit::SetFont(const wxFont& font) {
  wxControl::SetFont(font);
  if (m_text) m_text->SetFont(font);
  PlaceText();
  return true;
}

void CLUMaskEdit::SetFocus() {
  if (m_text) m_text->SetFocus();
}

wxColour CLUMaskEdit::GetFrameColour() const {
  return ColourFromColorRef(ShowsError() ? kErrorFrameColor : m_normalFrameColor);
}

void CLUMaskEdit::MarkRefused() {
  m_refused = true;
  Refresh();
}

bool CLUMaskEdit::ShowsError() const { return (m_valueCheck && m_outOfRange) || m_refused; }

wxSize CLUMaskEdit::DoGetBestSize() const {
  const wxSize text = m_text ? m_text->GetBestSize() : wxSize(40, 20);
  const int edge = FrameWidth() + kTextMargin;
  return wxSize(text.x + 2 * edge, text.y + 2 * FrameWidth());
}

int CLUMaskEdit::FrameWidth() const { return m_frame ? std::max(m_normalFrameWidth, m_errorFrameWidth) : 0; }

void CLUMaskEdit::UpdateColours() {
  if (!m_text) return;
  const bool editable = IsThisEnabled() && m_text->IsEditable();
  const wxColour background = editable ? *wxWHITE : ColourFromColorRef(kDisabledBackground);
  SetBackgroundColour(background);
  m_text->SetBackgroundColour(background);
  m_text->SetForegroundColour(ColourFromColorRef(editable ? m_textColor : m_disabledTextColor));
  Refresh();
}

void CLUMaskEdit::PlaceText() {
  if (!m_text) return;
  const wxSize size = GetClientSize();
  const int frame = FrameWidth();
  const int width = std::max(1, size.x - 2 * (frame + kTextMargin));
  const int available = std::max(1, size.y - 2 * frame);
  // One text line high, centred vertically.
  const int height = std::min(available, m_text->GetBestSize().y);
  m_text->SetSize(frame + kTextMargin, (size.y - height) / 2, width, height);
}

wxString CLUMaskEdit::Predict(int key, wxUniChar ch) const {
  long from = 0;
  long to = 0;
  m_text->GetSelection(&from, &to);
  const EditKey kind = key == WXK_BACK                                 ? EditKey::kBackspace
                       : key == WXK_DELETE || key == WXK_NUMPAD_DELETE ? EditKey::kDelete
                                                                       : EditKey::kCharacter;
  return PredictEditText(GetWindowText(), from, to, m_text->GetInsertionPoint(), kind, ch);
}

bool CLUMaskEdit::RefusedByMask(const wxString& predicted) const {
  return m_maskActive && !TextFitsMask(predicted, m_format, m_template);
}

// Tab moves among the parent's children: the toolkit's own traversal does not
// step out of the entry inside this control.
bool CLUMaskEdit::MoveFocusToSibling(bool forward) {
  wxWindow* parent = GetParent();
  if (!parent) return false;
  const wxWindowList& children = parent->GetChildren();
  const int count = static_cast<int>(children.size());
  const int self = children.IndexOf(this);
  for (int step = 1; step < count; ++step) {
    const int index = ((forward ? self + step : self - step) % count + count) % count;
    wxWindow* sibling = children[index];
    if (sibling->IsTopLevel() || !sibling->CanAcceptFocusFromKeyboard()) continue;
    sibling->SetFocusFromKbd();
    return true;
  }
  return false;
}

void CLUMaskEdit::OnKeyDown(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (key == WXK_TAB && !event.ControlDown() && !event.AltDown() && MoveFocusToSibling(!event.ShiftDown()))
    return;
  if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) return;
  if ((key == WXK_DELETE || key == WXK_NUMPAD_DELETE) && !event.HasAnyModifiers()) {
    if (RefusedByMask(Predict(key, 0))) return;
  }
  event.Skip();
}

void CLUMaskEdit::OnChar(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  const wxChar unicode = event.GetUnicodeKey();
  if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) return;
  // Navigation, Delete (checked on key down) and shortcuts such as copy pass as they are;
  // paste and cut are checked by their own events.
  const bool typed = key == WXK_BACK || (unicode != WXK_NONE && unicode >= 32 && unicode != WXK_DELETE &&
                                         !(event.ControlDown() && !event.AltDown()));
  if (!typed) {
    event.Skip();
    return;
  }
  const wxString predicted = Predict(key, wxUniChar(unicode));
  if (RefusedByMask(predicted)) return;
  const std::uint32_t value = ParseNumber("0x" + predicted);
  SendUiMessage(GetParent(), WM_MASKEDIT_KEY, this, static_cast<int>(value), nullptr);
  event.Skip();
}

void CLUMaskEdit::OnSetFocus(wxFocusEvent& event) {
  event.Skip();
  if (IsBeingDeleted()) return;
  SendUiMessage(GetParent(), WM_EDIT_FOCUS, this, 0, m_owner);
  if (m_owner) m_owner->ShowEditTip();
}

void CLUMaskEdit::OnKillFocus(wxFocusEvent& event) {
  event.Skip();
  if (IsBeingDeleted() || (GetParent() && GetParent()->IsBeingDeleted())) return;
  if (m_owner) m_owner->HideEditTip();
  const bool inRange = CheckRange();
  SendUiMessage(GetParent(), WM_EDIT_CHANGED, this, inRange ? 1 : 0, m_owner);
}

void CLUMaskEdit::OnPaste(wxClipboardTextEvent& event) {
  if (!m_maskActive) {
    event.Skip();
    return;
  }
  wxString pasted;
  if (wxTheClipboard->Open()) {
    wxTextDataObject data;
    if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data))
      pasted = data.GetText();
    wxTheClipboard->Close();
  }
  long from = 0;
  long to = 0;
  m_text->GetSelection(&from, &to);
  wxString predicted = PredictEditText(GetWindowText(), from, to, from, EditKey::kDelete);
  predicted.insert(static_cast<size_t>(std::min(from, to)), pasted);
  if (!RefusedByMask(predicted)) event.Skip();
}

void CLUMaskEdit::OnCut(wxClipboardTextEvent& event) {
  long from = 0;
  long to = 0;
  m_text->GetSelection(&from, &to);
  if (from != to && RefusedByMask(PredictEditText(GetWindowText(), from, to, from, EditKey::kDelete))) return;
  event.Skip();
}

void CLUMaskEdit::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(GetBackgroundColour()));
  dc.DrawRectangle(0, 0, size.x, size.y);
  if (!m_frame) return;
  const bool error = ShowsError();
  const int width = error ? m_errorFrameWidth : m_normalFrameWidth;
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.SetPen(wxPen(GetFrameColour(), width));
  // Keep the whole pen inside the window.
  const int inset = width / 2;
  dc.DrawRectangle(inset, inset, size.x - 2 * inset, size.y - 2 * inset);
}
