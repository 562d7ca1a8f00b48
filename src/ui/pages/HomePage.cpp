#include "ui/pages/StartPages.h"
#include "ui/pages/HomePage.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "ui/pages/PagePicture.h"
#include "ui/shell/ShellMessages.h"

#include <wx/button.h>
#include <wx/dcbuffer.h>

wxIMPLEMENT_ABSTRACT_CLASS(CHomePage, CSubBaseDlg);

namespace {
const wxSize kTemplateButtonSize(100, 32);
// The page background starts this far below the maker logo.
constexpr int kBackgroundGap = 30;
}  // namespace

CHomePage::CHomePage(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  new CPagePicture(this, kPictureId, IDB_HOME_PICTURE);
  new wxButton(this, kCancelId, GetLangText("IDS_CANCEL"), wxDefaultPosition, kTemplateButtonSize);
  new wxButton(this, kNextId, GetLangText("IDS_NEXT"), wxDefaultPosition, kTemplateButtonSize);
  new CPagePicture(this, kTarvikLogoId, IDB_TARVIK_LOGO);
  new CPagePicture(this, kLumoraLogoId, IDB_LUMORA_LOGO);
  m_templateButtonWidth = kTemplateButtonSize.x;

  Bind(wxEVT_PAINT, &CHomePage::OnPaint, this);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) { PostShellMessage(wxGetTopLevelParent(this), WM_SHOW_FIRST_PAGE, 0, 0); },
      kNextId);
  BindCloseButton(kCancelId);

  InitLayout(LayoutFile("HomePage.ini"), LayoutPrefix("A"));
  m_clientRect = wxRect(GetClientSize());
  LoadBackgroundImage();
}

void CHomePage::ApplyLanguage() {
  FindWindow(kNextId)->SetLabel(GetLangText("IDS_NEXT"));
  FindWindow(kCancelId)->SetLabel(GetLangText("IDS_CANCEL"));
}

void CHomePage::LayoutControls() {
  if (!m_layout.IsReady() || !m_layout.ResolveAll(this)) return;
  m_clientRect = wxRect(GetClientSize());
  const std::pair<const char*, int> table[] = {{"Home_Page", kPictureId},
                                               {"Cancel_Button", kCancelId},
                                               {"Next_Button", kNextId},
                                               {"Tarvik_Logo", kTarvikLogoId},
                                               {"Lumora_Logo", kLumoraLogoId}};
  const int width = m_templateButtonWidth;
  int shift = 0;
  for (const auto& [name, id] : table) {
    wxRect rect;
    wxWindow* control = FindWindow(id);
    if (!control || !m_layout.GetElementRect(name, rect)) continue;
    if (id == kCancelId || id == kNextId) {
      PlaceOnRect(control, wxRect(rect.GetRight() + 1 - width - shift, rect.y, width, rect.height));
      shift += width - rect.width;
    } else {
      PlaceOnRect(control, rect);
    }
  }
  FindWindow(kTarvikLogoId)->Show(g_BrandFlag != 0);
  FindWindow(kLumoraLogoId)->Show(g_BrandFlag == 0);
  PrepareBackground(BackgroundArea().GetSize());
  Refresh();
}

wxRect CHomePage::BackgroundArea() const {
  const wxSize client = GetClientSize();
  const int top = FindWindow(kTarvikLogoId)->GetRect().GetBottom() + 1 + kBackgroundGap;
  return wxRect(0, top, client.x, client.y - top);
}

void CHomePage::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize client = GetClientSize();
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(wxRect(client));
  const wxRect area = BackgroundArea();
  DrawBackground(dc, area, area.y);
}
