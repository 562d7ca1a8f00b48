#include "ui/GuideOverlay.h"

#include "ui/AnimPicture.h"
#include "ui/PngButton.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "platform/Paths.h"

#include <wx/dcclient.h>
#include <wx/graphics.h>

namespace {

constexpr int kMargin = 20;
constexpr int kButtonRowGap = 16;
constexpr int kTextButtonWidth = 150;
constexpr int kTextButtonHeight = 30;
constexpr int kArrowButtonWidth = 112;
constexpr int kArrowButtonHeight = 34;

wxString ImagePath(const wxString& name) {
  return platform::FindPathNoCase(platform::JoinPath(g_App.imageFolder, name));
}

}  // namespace

CMaskWndDlg::CMaskWndDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxBORDER_NONE | wxFRAME_SHAPED) {
  SetBackgroundColour(*wxWHITE);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  CreateControls();
  SetEscapeId(wxID_CANCEL);
  SetAffirmativeId(wxID_OK);
  Bind(wxEVT_INIT_DIALOG, &CMaskWndDlg::OnInitDialog, this);
  Bind(wxEVT_PAINT, &CMaskWndDlg::OnPaint, this);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { ShowStep(m_index - 1); }, kIdPrevious);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { ShowStep(m_index + 1); }, kIdNext);
  Bind(wxEVT_BUTTON, &CMaskWndDlg::OnNoPrompt, this, wxID_OK);
}

void CMaskWndDlg::CreateControls() {
  const int width = kMargin + m_pictureArea.x + kMargin;
  const int rowTop = kMargin + m_pictureArea.y + kButtonRowGap;
  m_picture = new CPictureEx(this, kIdPicture, wxPoint(kMargin, kMargin), m_pictureArea);
  m_previous = new CPngButton(this, kIdPrevious, wxPoint(kMargin, rowTop),
                              wxSize(kArrowButtonWidth, kArrowButtonHeight));
  m_next = new CPngButton(this, kIdNext, wxPoint(width - kMargin - kArrowButtonWidth, rowTop),
                          wxSize(kArrowButtonWidth, kArrowButtonHeight));
  const int textTop = rowTop + (kArrowButtonHeight - kTextButtonHeight) / 2;
  const int textLeft = width / 2 - kTextButtonWidth - 5;
  m_noPrompt = new wxButton(this, wxID_OK, wxEmptyString, wxPoint(textLeft, textTop),
                            wxSize(kTextButtonWidth, kTextButtonHeight));
  m_close = new wxButton(this, wxID_CANCEL, wxEmptyString, wxPoint(width / 2 + 5, textTop),
                         wxSize(kTextButtonWidth, kTextButtonHeight));
  SetClientSize(width, rowTop + kArrowButtonHeight + kMargin);
  Centre();
}

void CMaskWndDlg::OnInitDialog(wxInitDialogEvent& event) {
  event.Skip();
  if (m_initialised) return;
  m_initialised = true;
  for (CPngButton* button : {m_previous, m_next}) {
    const wxString image = ImagePath(button == m_previous ? "Preview.png" : "next.png");
    button->SetImages(image, image, image, image);
  }
  if (CanSetTransparent()) SetTransparent(kOpacity);
  ApplyShape();
  m_pictureArea = m_picture->GetClientSize();
  m_previous->SetCaption(GetLangText("IDS_PRE"));
  m_next->SetCaption(GetLangText("IDS_NEXT"));
  m_noPrompt->SetLabel(GetLangText("IDS_NO_PROMPT"));
  m_close->SetLabel(GetLangText("IDS_CLOSE"));
  m_noPrompt->Show(m_showNoPrompt);
  m_status.clear();
  ShowStep(m_index);
}

void CMaskWndDlg::ApplyShape() {
  const wxSize size = GetClientSize();
  wxGraphicsPath path = wxGraphicsRenderer::GetDefaultRenderer()->CreatePath();
  path.AddRoundedRectangle(0, 0, size.x, size.y, kCornerSize / 2.0);
  SetShape(path);
}

void CMaskWndDlg::ShowStep(int index) {
  m_index = index;
  const int count = static_cast<int>(m_steps.size());
  if (count > 0 && index >= 0 && index < count) {
    if (m_picture->IsPlaying()) m_picture->Stop();
    if (m_picture->Load(ImagePath(m_steps[index]))) m_picture->Draw();
  }
  m_previous->Show(index >= 1);
  m_next->Show(index < count - 1);
  Refresh();
}

void CMaskWndDlg::OnNoPrompt(wxCommandEvent& event) {
  // Hidden, the button is no way out (Enter included).
  if (!m_showNoPrompt) return;
  event.Skip();
}

void CMaskWndDlg::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRoundedRectangle(0, 0, size.x - 5, size.y - 5, kCornerSize / 2.0);
  if (!m_status.empty()) {
    dc.SetFont(m_captionFont);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(m_status, kMargin, kMargin);
  }
}
