#include "ui/pages/StartPages.h"
#include "ui/pages/ExamplePage.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "platform/Paths.h"
#include "ui/PngButton.h"
#include "ui/UILayout.h"
#include "ui/pages/HistoryList.h"
#include "ui/pages/PagePicture.h"
#include "ui/shell/ShellCommands.h"

#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/filename.h>
#include <wx/stattext.h>

wxIMPLEMENT_ABSTRACT_CLASS(CExamplePage, CSubBaseDlg);

namespace {

const wxSize kTemplateButtonSize(100, 32);
const char* const kGeneralCategory = "General type remote controller";
const char* const kLcdCategory = "LCD type remote controller";

// Label controls and their text keys, in the order of the page's table.
const std::pair<int, const char*> kLabelTexts[] = {
    {CExamplePage::kGeneralTitleId, "IDS_GENERATE_TITLE"},
    {CExamplePage::kLcdTitleId, "IDS_AIR_CONDITIONER_TITLE"},
    {CExamplePage::kExampleLabelId, "IDS_EXAMPLE"},
    {CExamplePage::kRecentLabelId, "IDS_RESENT_PROJECT"},
    {CExamplePage::kNewLabelId, "IDS_STATIC_NEW"},
    {CExamplePage::kOpenLabelId, "IDS_STATIC_OPEN"},
};

void SetUpImageButton(CPngButton* button, const char* colourSection, const char* imageName) {
  int red = 0, green = 0, blue = 0, onAlpha = 255, downAlpha = 255;
  ReadIniColorKeys(colourSection, red, green, blue, onAlpha, downAlpha);
  button->SetTint(MakeColorRef(red, green, blue), onAlpha, downAlpha);
  const wxString image = platform::JoinPath(g_App.imageFolder, imageName);
  button->SetTwoImages(image, image);
}

}  // namespace

CExamplePage::CExamplePage(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  CreateButtons();
  CreateLabels();
  CreateLists();

  Bind(wxEVT_PAINT, &CExamplePage::OnPaint, this);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { SendMainCommand(ID_NEW_PROJECT); }, kNewProjectId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { SendMainCommand(ID_OPEN_PROJECT); }, kOpenProjectId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RequestNextPage(1, 0); }, kNextId);
  BindCloseButton(kCancelId);

  InitLayout(LayoutFile("ExamplePage.ini"), LayoutPrefix("A"));
  m_clientRect = wxRect(GetClientSize());
  LoadBackgroundImage();
}

void CExamplePage::CreateButtons() {
  m_newButton = new CPngButton(this, kNewProjectId);
  SetUpImageButton(m_newButton, "BTNNewCLR", "new48.png");
  m_openButton = new CPngButton(this, kOpenProjectId);
  SetUpImageButton(m_openButton, "BTNOpenCLR", "open48.png");
  new wxButton(this, kCancelId, GetLangText("IDS_CANCEL"), wxDefaultPosition, kTemplateButtonSize);
}

void CExamplePage::CreateLabels() {
  new wxStaticText(this, kListFrameId, wxString(), wxDefaultPosition, wxDefaultSize);
  for (const auto& [id, key] : kLabelTexts) {
    auto* label = new wxStaticText(this, id, GetLangText(key));
    if (id == kExampleLabelId || id == kRecentLabelId) label->SetFont(label->GetFont().Bold().Larger());
    if (id == kNewLabelId || id == kOpenLabelId) label->SetFont(label->GetFont().Larger());
  }
}

void CExamplePage::CreateLists() {
  m_generalList =
      new CTDS_History_Dlg(this, kGeneralListId, CTDS_History_Dlg::kExampleList, kGeneralCategory);
  m_lcdList = new CTDS_History_Dlg(this, kLcdListId, CTDS_History_Dlg::kExampleList, kLcdCategory);
  m_recentList = new CTDS_History_Dlg(this, kRecentListId, CTDS_History_Dlg::kRecentList);
  // First placed in the frame; the layout then moves them to their elements.
  const wxRect frame = FindWindow(kListFrameId)->GetRect();
  const int right = GetClientSize().x - 15;
  const int half = frame.height / 2;
  m_generalList->SetSize(frame.x + 2, frame.y, std::max(1, right - frame.x - 2), std::max(1, half));
  m_lcdList->SetSize(frame.x + 2, frame.y + half, std::max(1, right - frame.x - 2),
                     std::max(1, GetClientSize().y - frame.y - half));
  const bool maker = g_BrandFlag != 0;
  FindWindow(kLcdTitleId)->Show(maker);
  m_lcdList->Show(maker);
}

void CExamplePage::ApplyLanguage() {
  FindWindow(kCancelId)->SetLabel(GetLangText("IDS_CANCEL"));
  for (const auto& [id, key] : kLabelTexts) FindWindow(id)->SetLabel(GetLangText(key));
  LayoutControls();
  Refresh();
}

void CExamplePage::LayoutControls() {
  if (!m_layout.IsReady() || !m_layout.ResolveAll(this)) return;
  m_clientRect = wxRect(GetClientSize());
  const std::pair<const char*, int> table[] = {{"Cancel_Button", kCancelId},
                                               {"Open_Project_Button", kOpenProjectId},
                                               {"New_Project_Button", kNewProjectId},
                                               {"Spin_Static", kListFrameId},
                                               {"History_Dlg_Title", kGeneralTitleId},
                                               {"History_Dlg_Air_Title", kLcdTitleId},
                                               {"Static_Example", kExampleLabelId},
                                               {"Static_ResentProject", kRecentLabelId},
                                               {"Static_New", kNewLabelId},
                                               {"Static_Open", kOpenLabelId}};
  for (const auto& [name, id] : table) {
    stUIElement element;
    wxWindow* control = FindWindow(id);
    if (!control || !m_layout.GetElement(name, element)) continue;
    wxRect rect = element.Rect();
    if (id == kCancelId) {
      rect.x = element.right - kTemplateButtonSize.x;
      rect.width = kTemplateButtonSize.x;
    }
    PlaceOnRect(control, rect);
    if (element.hidden) control->Hide();
  }
  const std::pair<const char*, CTDS_History_Dlg*> lists[] = {
      {"History_Dlg", m_generalList}, {"History_Dlg_Air", m_lcdList}, {"Resent_Project_Dlg", m_recentList}};
  for (const auto& [name, list] : lists) {
    wxRect rect;
    if (m_layout.GetElementRect(name, rect)) PlaceOnRect(list, rect);
  }
  Refresh();
}

void CExamplePage::SendMainCommand(int commandId) {
  wxWindow* top = wxGetTopLevelParent(this);
  if (!top) return;
  wxCommandEvent event(wxEVT_MENU, commandId);
  event.SetEventObject(top);
  top->GetEventHandler()->ProcessEvent(event);
}

void CExamplePage::AddRecentProject(const wxString& name, const wxString& path, bool repaint) {
  m_recentList->AddEntry(name, path, repaint);
}

void CExamplePage::RemoveRecentProject(const wxString& path, bool repaint) {
  m_recentList->RemoveEntry(path, repaint);
}

bool CExamplePage::SaveRecentProjects() { return m_recentList->SaveHistory(); }

void CExamplePage::AddRecentProject(const wxString& projectPath) {
  RemoveRecentProject(projectPath, false);
  AddRecentProject(wxFileName(projectPath).GetName(), projectPath, true);
  SaveRecentProjects();
}

void CExamplePage::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(wxRect(GetClientSize()));
  DrawBackground(dc, m_clientRect, m_clientRect.y);
}
