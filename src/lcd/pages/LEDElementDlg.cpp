#include "lcd/pages/LEDElementDlg.h"

#include "core/AppContext.h"
#include "platform/Paths.h"
#include "ui/ImageHelpers.h"
#include "ui/ImageTipBtn.h"
#include "ui/shell/PageMessages.h"

#include <wx/dcbuffer.h>

namespace {

const wxSize kTemplateSize(316, 182);
constexpr int kTipMargin = 5;

wxRect Scaled(const wxRect& rect, const wxSize& from, const wxSize& to) {
  const int left = rect.x * to.x / from.x;
  const int top = rect.y * to.y / from.y;
  const int right = (rect.x + rect.width) * to.x / from.x;
  const int bottom = (rect.y + rect.height) * to.y / from.y;
  return wxRect(left, top, right - left, bottom - top);
}

}  // namespace

CLEDButton::CLEDButton(wxWindow* parent, wxWindowID id, const wxRect& rect)
    : wxControl(parent, id, rect.GetPosition(), rect.GetSize(), wxBORDER_NONE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CLEDButton::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CLEDButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &CLEDButton::OnLeftDown, this);  // a quick second click is a click
  Bind(wxEVT_LEFT_UP, &CLEDButton::OnLeftUp, this);
}

void CLEDButton::SetColor(ColorRef color) {
  m_color = color;
  Refresh(false);
}

void CLEDButton::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(wxBrush(ColourFromColorRef(m_color)));
  const wxRect rect(GetClientSize());
  dc.DrawRectangle(rect);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetFont(GetFont());
  dc.SetTextForeground(*wxBLACK);
  dc.DrawLabel(GetLabel(), rect, wxALIGN_CENTER);
}

void CLEDButton::OnLeftDown(wxMouseEvent& event) {
  m_pressed = true;
  event.Skip();
}

void CLEDButton::OnLeftUp(wxMouseEvent& event) {
  const bool click = m_pressed && wxRect(GetClientSize()).Contains(event.GetPosition());
  m_pressed = false;
  event.Skip();
  if (!click) return;
  wxCommandEvent clicked(wxEVT_BUTTON, GetId());
  clicked.SetEventObject(this);
  ProcessWindowEvent(clicked);
}

CLEDElementDlg::CLEDElementDlg(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetSize(ConvertDialogToPixels(kTemplateSize));
  const wxSize client = GetClientSize();
  const int cellWidth = (client.x - 8) / 3;
  const int half = client.y / 2;
  const int rowHeight = (client.y - half - 8) / 4;
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 4; ++row) {
      const std::size_t index = static_cast<std::size_t>(4 * column + row);
      const wxRect rect(column * cellWidth + 4, half + 4 + row * rowHeight, cellWidth, rowHeight);
      m_startRects[index] = rect;
      m_buttons[index] = new CLEDButton(this, led::kFirstGridId + static_cast<int>(index), rect);
    }
  }
  for (int line = 0; line < 4; ++line)
    m_buttons[static_cast<std::size_t>(line)]->SetLabel(wxString::Format("COM%d", line));
  ShowLetters();
  m_startSize = client;
  m_lastClient = wxRect(client);

  m_tip = new CImageTipBtn(this, kTipId, platform::JoinPath(g_App.imageFolder, "user_tips.png"),
                           "IDS_USER_TIPS12");
  m_tip->SetPosition(wxPoint(client.x - m_tip->GetSize().x - kTipMargin, kTipMargin));

  // The picture's folder is written "images" where the install has "Images".
  wxImage picture;
  const wxString path = platform::FindPathNoCase(
      platform::JoinPath(platform::JoinPath(g_App.installFolder, "images"), "LED.png"));
  if (LoadImageFromFile(picture, path)) m_picture = wxBitmap(picture);

  Bind(wxEVT_BUTTON, &CLEDElementDlg::OnGridButton, this, led::kFirstGridId, led::kLastGridId);
  Bind(wxEVT_PAINT, &CLEDElementDlg::OnPaint, this);
}

CLEDButton* CLEDElementDlg::GetButton(int id) const {
  if (id < led::kFirstGridId || id > led::kLastGridId) return nullptr;
  return m_buttons[static_cast<std::size_t>(id - led::kFirstGridId)];
}

wxWindow* CLEDElementDlg::LcdPage() const {
  wxWindow* window = GetParent();            // the tabs
  if (window) window = window->GetParent();  // the host
  return window ? window->GetParent() : nullptr;
}

void CLEDElementDlg::ShowLetters() {
  for (int position = 0; position < led::kPositions; ++position) {
    CLEDButton* button = GetButton(led::ButtonOfPosition(position));
    button->SetLabel(m_digit.Letter(position));
    button->Refresh(false);
  }
}

void CLEDElementDlg::SetSegmentOrder(const wxString& order) {
  if (!m_digit.SetSegmentOrder(order)) return;
  for (int position = 0; position < led::kPositions; ++position)
    GetButton(led::ButtonOfPosition(position))->SetColor(kPlainColor);
  ShowLetters();
}

void CLEDElementDlg::OnGridButton(wxCommandEvent& event) {
  const int position = led::PositionOfButton(event.GetId());
  if (position < 0) return;  // a common line's name
  GetButton(event.GetId())->SetColor(kChosenColor);
  const led::ClickResult result = m_digit.Click(position);
  if (result == led::ClickResult::kPending) return;
  for (int other = 0; other < led::kPositions; ++other)
    GetButton(led::ButtonOfPosition(other))->SetColor(kPlainColor);
  ShowLetters();
  if (result == led::ClickResult::kSwapped) SendShellMessage(LcdPage(), WM_LED_ELEMENT, 0, 0);
}

void CLEDElementDlg::LayoutControls() {
  const wxSize client = GetClientSize();
  if (client.x <= 0 || client.y <= 0 || m_startSize.x <= 0 || m_startSize.y <= 0) return;
  // Scaled from the cells as made, so that repeated resizes do not wear them down.
  for (std::size_t index = 0; index < m_buttons.size(); ++index)
    m_buttons[index]->SetSize(Scaled(m_startRects[index], m_startSize, client));
  m_lastClient = wxRect(client);
  m_tip->SetPosition(
      wxPoint(m_lastClient.GetRight() + 1 - m_tip->GetSize().x - kTipMargin, m_lastClient.y + kTipMargin));
  Refresh(false);
}

wxRect CLEDElementDlg::GetPictureRect() const {
  if (!m_picture.IsOk()) return wxRect();
  const wxSize client = GetClientSize();
  const wxSize size = m_picture.GetSize();
  // Centred across, and on the middle of the upper half.
  return wxRect((client.x - size.x) / 2, client.y / 4 - size.y / 2, size.x, size.y);
}

void CLEDElementDlg::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  if (m_picture.IsOk()) dc.DrawBitmap(m_picture, GetPictureRect().GetPosition(), true);
}
