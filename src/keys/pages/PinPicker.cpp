#include "keys/pages/PinPicker.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

bool CIOButton::s_dragging = false;

namespace {
const wxColour kGrey(0xC0, 0xC0, 0xC0);
wxColour ColourOf(std::uint32_t rgb) { return wxColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
wxRect ButtonRect(int index, int buttonWidth, int perRow) {
  const pinpicker::stButtonRect rect = pinpicker::ButtonRect(index, buttonWidth, perRow);
  return wxRect(rect.x, rect.y, rect.width, rect.height);
}
}  // namespace

CIOButton::CIOButton(CIOSetDlg* picker, int index, const wxRect& rect)
    : wxWindow(picker, kFirstId + index, rect.GetPosition(), rect.GetSize(), wxBORDER_NONE),
      m_picker(picker),
      m_index(index) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetName(GetPinName());
  Bind(wxEVT_PAINT, &CIOButton::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CIOButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CIOButton::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CIOButton::OnCaptureLost, this);
}

wxString CIOButton::GetPinName() const { return m_picker->Model().Pins()[m_index].name; }
bool CIOButton::IsTaken() const { return m_picker->Model().Pins()[m_index].taken; }

void CIOButton::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const stPickerPin& pin = m_picker->Model().Pins()[m_index];
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetPen(wxPen(wxColour(0x60, 0x60, 0x60)));
  dc.SetBrush(wxBrush(pin.taken ? kGrey : ColourOf(pin.colour)));
  dc.DrawRectangle(wxRect(GetClientSize()));
  dc.SetFont(GetFont());
  dc.SetTextForeground(pin.taken ? wxColour(0x70, 0x70, 0x70) : *wxWHITE);
  dc.DrawLabel(pin.name, wxRect(GetClientSize()), wxALIGN_CENTER);
}

void CIOButton::OnLeftDown(wxMouseEvent&) {
  if (IsTaken()) return;  // a grey pin starts no drag
  s_dragging = true;
  SetCursor(wxCursor(wxCURSOR_HAND));
  if (!HasCapture()) CaptureMouse();
}

void CIOButton::OnLeftUp(wxMouseEvent& event) {
  if (!s_dragging) return;
  const wxPoint screen = ClientToScreen(event.GetPosition());
  const wxString name = GetPinName();
  EndDrag();
  if (!IsTaken()) m_picker->OnPinDropped(screen, name);
}

void CIOButton::OnCaptureLost(wxMouseCaptureLostEvent&) {
  s_dragging = false;
  SetCursor(wxNullCursor);
}

void CIOButton::EndDrag() {
  s_dragging = false;
  SetCursor(wxNullCursor);
  if (HasCapture()) ReleaseMouse();
}

CIOSetDlg::CIOSetDlg(wxWindow* parent)
    : wxPanel(parent, kTemplateId, wxDefaultPosition, wxSize(316, 182), wxVSCROLL | wxBORDER_NONE) {
  SetBackgroundColour(*wxWHITE);
  Bind(wxEVT_SCROLLWIN_TOP, &CIOSetDlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_BOTTOM, &CIOSetDlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_LINEUP, &CIOSetDlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_LINEDOWN, &CIOSetDlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_PAGEUP, &CIOSetDlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_PAGEDOWN, &CIOSetDlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_THUMBTRACK, &CIOSetDlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_THUMBRELEASE, &CIOSetDlg::OnScroll, this);
  Bind(wxEVT_MOUSEWHEEL, &CIOSetDlg::OnWheel, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    Relayout();
    event.Skip();
  });
}

void CIOSetDlg::DestroyButtons() {
  for (CIOButton* button : m_buttons) button->Destroy();
  m_buttons.clear();
}

bool CIOSetDlg::LoadPins(const wxString& chipIni) {
  DestroyButtons();
  const bool complete = m_model.LoadPins(chipIni);
  for (int i = 0; i < m_model.PinCount(); ++i)
    m_buttons.push_back(new CIOButton(this, i, ButtonRect(i, m_buttonWidth, m_perRow)));
  Relayout();
  return complete;
}

bool CIOSetDlg::LoadPackages(const wxString& chipIni) { return m_model.LoadPackages(chipIni); }

bool CIOSetDlg::SetPinState(const wxString& pin, bool available, bool mark) {
  if (!m_model.SetPinState(pin, available, mark)) return false;
  if (CIOButton* button = FindPinButton(pin)) button->Refresh();
  return true;
}

void CIOSetDlg::RefreshButtons() {
  for (CIOButton* button : m_buttons) button->Refresh();
}

CIOButton* CIOSetDlg::FindPinButton(const wxString& pin) const {
  const int index = m_model.FindPin(pin);
  return index >= 0 && index < static_cast<int>(m_buttons.size()) ? m_buttons[index] : nullptr;
}

void CIOSetDlg::Relayout() {
  if (m_buttons.empty()) {
    SetScrollbar(wxVERTICAL, 0, 0, 0);
    return;
  }
  m_perRow = pinpicker::ButtonsPerRow(GetClientSize().x, m_buttonWidth);
  m_scrollRange = pinpicker::ScrollRange(m_model.PinCount(), m_lcdRemote, m_buttonWidth, m_perRow);
  m_scrollPosition = 0;
  const int page = GetSize().y;
  if (m_scrollRange > page)
    SetScrollbar(wxVERTICAL, 0, page, m_scrollRange);
  else
    SetScrollbar(wxVERTICAL, 0, 0, 0);
  PlaceButtons();
}

void CIOSetDlg::PlaceButtons() {
  for (CIOButton* button : m_buttons) {
    wxRect rect = ButtonRect(button->GetIndex(), m_buttonWidth, m_perRow);
    rect.y -= m_scrollPosition;
    button->SetSize(rect);
  }
}

void CIOSetDlg::ScrollTo(int position) {
  const int page = GetScrollThumb(wxVERTICAL);
  const int limit = std::max(0, m_scrollRange - page);
  position = std::max(0, std::min(position, limit));
  if (position == m_scrollPosition) return;
  m_scrollPosition = position;
  SetScrollPos(wxVERTICAL, position);
  PlaceButtons();
  Update();
}

void CIOSetDlg::OnScroll(wxScrollWinEvent& event) {
  const wxEventType type = event.GetEventType();
  const int page = GetScrollThumb(wxVERTICAL);
  int position = m_scrollPosition;
  if (type == wxEVT_SCROLLWIN_LINEUP)
    position -= pinpicker::kScrollLine;
  else if (type == wxEVT_SCROLLWIN_LINEDOWN)
    position += pinpicker::kScrollLine;
  else if (type == wxEVT_SCROLLWIN_PAGEUP)
    position -= page;
  else if (type == wxEVT_SCROLLWIN_PAGEDOWN)
    position += page;
  else if (type == wxEVT_SCROLLWIN_THUMBTRACK || type == wxEVT_SCROLLWIN_THUMBRELEASE)
    position = event.GetPosition();
  else if (type == wxEVT_SCROLLWIN_TOP)
    position = 0;
  else if (type == wxEVT_SCROLLWIN_BOTTOM)
    position = m_scrollRange;
  ScrollTo(position);
}

void CIOSetDlg::OnWheel(wxMouseEvent& event) {
  if (m_scrollRange == 0) return;
  ScrollTo(m_scrollPosition - (event.GetWheelRotation() > 0 ? 3 : -3) * pinpicker::kScrollLine);
}

void CIOSetDlg::OnPinDropped(const wxPoint& screenPoint, const wxString& pin) {
  const bool taken = m_dropHandler && m_dropHandler(screenPoint, pin);
  if (!taken) SetPinState(pin, true);
}
