#include "ui/shell/AboutDlg.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "ui/ResourceIds.h"
#include "ui/Resources.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <iterator>

namespace {

struct stAboutText {
  int id;
  const char* formatKey;
  const char* element;
};

constexpr int kSoftwareVersionId = 1304;
constexpr int kBoardVersionId = 1307;
constexpr int kAirVersionId = 1308;
constexpr int kSimAirVersionId = 1310;
constexpr int kPartnerLogoId = 1401;
constexpr int kMakerLogoId = 1402;

// The controls, their layout elements and the texts they format.
constexpr stAboutText kTexts[] = {
    {kSoftwareVersionId, "IDS_SW_VERSTION", "Static_SwVersion"},
    {1306, "IDS_STAND_VER", "Static_StandardVer"},
    {1309, "IDS_USERDEF_VER", "Static_UserDefVer"},
    {kAirVersionId, "IDS_AIRUSERDEF_VER", "Static_AirVer"},
    {kSimAirVersionId, "IDS_SIM_AIRUSERDEF_VER", "Static_SimAirVer"},
    {kBoardVersionId, "IDS_DECODE_BOARD_VER", "Static_BoardVer"},
};

}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent, const std::array<wxString, 4>& versions, const wxString& board,
                     const wxIcon& icon)
    : CBaseDlg(kTemplateId, GetLangText("IDS_SW_ABOUT"), g_App.imageFolder, parent, wxCLOSE_BOX),
      m_versions(versions),
      m_board(board),
      m_icon(icon) {
  SetTitle(GetLangText("IDS_SW_ABOUT"));
  SetSize(FromDIP(wxSize(460, 300)));
  CreateControls();
  PlaceControls();
  CentreOnParent();
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_OK); }, wxID_OK);
}

void CAboutDlg::CreateControls() {
  wxWindow* client = GetClientWindow();
  const bool maker = g_BrandFlag != 0;
  const wxString values[] = {
      maker ? "V1.1.1" : "V1.0.0", m_versions[0], m_versions[1], m_versions[2], m_versions[3], m_board};
  for (std::size_t i = 0; i < std::size(kTexts); ++i) {
    const wxString text = platform::FormatText(GetLangText(kTexts[i].formatKey), values[i]);
    new wxStaticText(client, kTexts[i].id, text);
  }
  const int logos[] = {kPartnerLogoId, kMakerLogoId};
  const int icons[] = {IDR_MAINFRAME, IDI_OLVANTA_MAKER};
  for (int i = 0; i < 2; ++i) {
    const wxIcon logo = LoadIconResource(icons[i]);
    wxBitmap bitmap;
    if (logo.IsOk()) bitmap.CopyFromIcon(logo);
    new wxStaticBitmap(client, logos[i], bitmap);
  }
  for (int id : {kAirVersionId, kSimAirVersionId, kMakerLogoId}) client->FindWindow(id)->Show(maker);
  client->FindWindow(kPartnerLogoId)->Show(!maker);
  new wxButton(client, wxID_OK, GetLangText("S_OK"));
}

void CAboutDlg::PlaceControls() {
  wxWindow* client = GetClientWindow();
  m_layout.SetSource(platform::JoinPath(g_App.uiConfigFolder, "AboutDlg.ini"), g_App.imageFolder);
  m_layout.LoadElements("A", client);
  m_layout.ApplyFonts(0);
  if (!m_layout.ResolveAll(client)) return;
  auto place = [&](int id, const wxString& element) {
    wxRect rect;
    if (m_layout.GetElementRect(element, rect)) client->FindWindow(id)->SetSize(rect);
  };
  for (const stAboutText& text : kTexts) place(text.id, text.element);
  place(kPartnerLogoId, "Logo");
  place(kMakerLogoId, "Logo");
  place(wxID_OK, "OK_Button");
  // Under the partner brand the board's line takes the place of the hidden one.
  if (g_BrandFlag == 0) place(kBoardVersionId, "Static_AirVer");
}
