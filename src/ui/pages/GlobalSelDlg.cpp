#include "ui/pages/GlobalSelDlg.h"

#include "core/AppContext.h"
#include "core/ChipModel.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "ui/pages/ChipChoices.h"
#include "ui/pages/PagePicture.h"
#include "ui/shell/ShellMessages.h"

#include <wx/choice.h>
#include <wx/stattext.h>

#include <algorithm>

wxIMPLEMENT_ABSTRACT_CLASS(CGlobalSelDlg, CSubBaseDlg);

namespace {

const wxSize kTemplateListSize(300, 28);
const wxSize kSizeControlSize(10, 28);

}  // namespace

CGlobalSelDlg::CGlobalSelDlg(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  auto* center = new wxWindow(this, kCenterId, wxDefaultPosition, wxSize(10, 1));
  center->SetBackgroundColour(wxColour(189, 209, 235));
  // The lists take their sizes from the layout; created without one, their
  // best size stays what their items need.
  m_mcus = new wxChoice(this, kMcuListId);
  new wxStaticText(this, kMcuLabelId, GetLangText("IDS_PROJECT_MCU"));
  m_modes = new wxChoice(this, kModeListId);
  new wxStaticText(this, kModeLabelId, GetLangText("IDS_DEVELOP_MODE"));
  new wxStaticText(this, kPackageLabelId, GetLangText("IDS_PACKAGE"));
  m_packages = new wxChoice(this, kPackageListId);
  (new wxWindow(this, kSizeControlId, wxDefaultPosition, kSizeControlSize))->Hide();
  m_templateModeWidth = kTemplateListSize.x;
  m_chooser.Attach(m_modes, m_mcus, m_packages);

  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnDevelopModeChanged(); }, kModeListId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnMcuChanged(); }, kMcuListId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnPackageChanged(); }, kPackageListId);

  InitLayout(LayoutFile("GlobalSetPage.ini"), LayoutPrefix("A"));
  FillDevelopModes();
  m_chooser.FillMcus();
  FillPackages();
}

void CGlobalSelDlg::ApplyLanguage() {
  FindWindow(kModeLabelId)->SetLabel(GetLangText("IDS_DEVELOP_MODE"));
  FindWindow(kMcuLabelId)->SetLabel(GetLangText("IDS_PROJECT_MCU"));
  FindWindow(kPackageLabelId)->SetLabel(GetLangText("IDS_PACKAGE"));
  m_chooser.RelabelDevelopModes();
  EnableDevelopMode();
  LayoutControls();
}

namespace {

// The width at which a list shows its longest item whole.
int FittingWidth(wxChoice* list) {
  list->InvalidateBestSize();
  return list->GetBestSize().x;
}

}  // namespace

void CGlobalSelDlg::LayoutControls() {
  if (!m_layout.IsReady()) return;
  // Lists grow to their longest item; the controls after them move along.
  m_templateModeWidth = std::max(kTemplateListSize.x, FittingWidth(m_modes));
  m_layout.SetMinimumWidth("Com_AirType", m_templateModeWidth);
  m_layout.SetMinimumWidth("Com_MCU", FittingWidth(m_mcus));
  m_layout.SetMinimumWidth("Com_Package", FittingWidth(m_packages));
  if (!m_layout.ResolveAll(this)) return;
  const std::pair<const char*, int> table[] = {
      {"Static_Center", kCenterId},   {"Com_MCU", kMcuListId},          {"Static_MCU", kMcuLabelId},
      {"Com_AirType", kModeListId},   {"Static_AirType", kModeLabelId}, {"Static_Package", kPackageLabelId},
      {"Com_Package", kPackageListId}};
  int labelShift = 0;
  for (const auto& [name, id] : table) {
    wxRect rect;
    wxWindow* control = FindWindow(id);
    if (!control || !m_layout.GetElementRect(name, rect)) continue;
    if (id == kModeListId) {
      labelShift = m_templateModeWidth - rect.width;
      rect.x = rect.GetRight() + 1 - m_templateModeWidth;
      rect.width = m_templateModeWidth;
    } else if (id == kModeLabelId) {
      rect.x -= labelShift;
    }
    PlaceOnRect(control, rect);
  }
}

// --- Filling the lists.

void CGlobalSelDlg::FillDevelopModes() {
  m_chooser.FillDevelopModes();
  EnableDevelopMode();
}

void CGlobalSelDlg::EnableDevelopMode() { m_modes->Enable(g_DocManage.ProtocolImported == 0); }

void CGlobalSelDlg::EnableSelection(bool enable) { m_modes->Enable(enable); }

bool CGlobalSelDlg::FillPackages() { return m_chooser.FillPackages(g_DocManage.PackageName); }

bool CGlobalSelDlg::SelectDocDevelopMode() {
  return m_chooser.SelectItemValue(MakeItemValue(g_DocManage.ProtocolType, g_DocManage.RemoteType));
}

bool CGlobalSelDlg::SelectDocMcu() { return m_chooser.SelectMcuStartingWith(g_DocManage.McuName); }
bool CGlobalSelDlg::SelectDocPackage() {
  return m_chooser.SelectPackageStartingWith(g_DocManage.PackageName);
}

bool CGlobalSelDlg::LoadSelection(int flag) {
  if (flag == 0) {
    if (!SelectDocDevelopMode()) return false;
    m_chooser.FillMcus();
    if (!SelectDocMcu()) return false;
  }
  FillPackages();
  return SelectDocPackage();
}

void CGlobalSelDlg::FollowRemoteType() {
  if (!SelectDocDevelopMode()) return;
  m_chooser.FillMcus();
  g_DocManage.CheckMcu(m_chooser.SelectedMcu());
  if (!SelectDocMcu()) return;
  FillPackages();
  g_DocManage.CheckPackage(m_chooser.SelectedPackage());
  SelectDocPackage();
}

bool CGlobalSelDlg::ChipHasPackage(const wxString& mcu, const wxString& package) const {
  CChipInfo* chip = nullptr;
  return !mcu.empty() && !package.empty() &&
         g_ChipList.GetChip(mcu, chip, ChipDefinitionPath(m_chooser.ChipFolder(), mcu)) &&
         chip->FindPackage(package);
}

// The lists show the document's choices again.
void CGlobalSelDlg::RestoreDocumentChoices() {
  SelectDocDevelopMode();
  m_chooser.FillMcus();
  SelectDocMcu();
  FillPackages();
  SelectDocPackage();
}

// --- Changes.

void CGlobalSelDlg::OnDevelopModeChanged() {
  const int value = m_chooser.SelectedItemValue();
  if (value == MakeItemValue(g_DocManage.ProtocolType, g_DocManage.RemoteType)) return;
  if (LangMessageBox("IDS_CHANGE_CONFIG", kNoticeOkCancel) != kNoticeAnswerOk) {
    SelectDocDevelopMode();
    return;
  }
  // The new chip must load before anything of the project is reset.
  m_chooser.FillMcus();
  SelectDocMcu();
  const bool listed = m_chooser.HasMcus() && FillPackages();
  const wxString mcu = m_chooser.SelectedMcu();
  const wxString package = m_chooser.SelectedPackage();
  if (!listed || !ChipHasPackage(mcu, package)) {
    RestoreDocumentChoices();
    return;
  }
  g_DocManage.Reset(false, false);
  wxWindow* main = wxGetTopLevelParent(this);
  SendShellMessage(main, WM_CLOSE_MODE_PAGES);
  const int remoteType = RemoteTypeOfItem(value);
  g_DocManage.RemoteType = remoteType;
  g_DocManage.ProtocolType = ProtocolTypeOfItem(value);
  g_DocManage.LeadCodeOn = IsGeneralRemote(remoteType) ? 0 : 1;
  g_FrameworkKind = FrameworkKindOf(remoteType);
  g_App.protocolFolder = g_App.GetProtocolFolder(remoteType);
  g_App.icFolder = g_App.GetIcFolder(remoteType);
  g_DocManage.McuName = mcu;
  g_DocManage.PackageName = package;
  if (g_DocManage.LoadChip()) SendShellMessage(main, WM_GLOBAL_SEL_CHANGED, 1, 0);
  MarkChanged();
}

// A confirmed change of the project's settings is unsaved until the next save
// (the document's reset cleared the flag).
void CGlobalSelDlg::MarkChanged() {
  g_DocManage.SetModified(true, "CGlobalSelDlg");
  if (IShellWindow* main = GetShellWindow()) main->RefreshTitle();
}

void CGlobalSelDlg::OnMcuChanged() {
  const wxString mcu = m_chooser.SelectedMcu();
  if (mcu.CmpNoCase(g_DocManage.McuName) == 0) return;
  if (LangMessageBox("IDS_CHANGE_CONFIG", kNoticeOkCancel) != kNoticeAnswerOk) {
    SelectDocMcu();
    return;
  }
  // The new chip must load before anything of the project is reset.
  const bool listed = FillPackages();
  const wxString package = m_chooser.SelectedPackage();
  if (!listed || !ChipHasPackage(mcu, package)) {
    SelectDocMcu();
    FillPackages();
    SelectDocPackage();
    return;
  }
  g_DocManage.Reset(false, true);
  g_DocManage.PackageName = package;
  g_DocManage.McuName = mcu;
  if (g_DocManage.LoadChip() && g_DocManage.ProtocolImported == 0) {
    SendShellMessage(wxGetTopLevelParent(this), WM_GLOBAL_SEL_CHANGED, 0, 1);
  }
  MarkChanged();
}

bool CGlobalSelDlg::OfferPackageToPage(int pageId, const wxString& package) {
  IShellWindow* main = GetShellWindow();
  CSubBaseDlg* page = main ? main->FindPage(pageId) : nullptr;
  // A page that is not there, or does not answer, has nothing against it.
  if (!page) return true;
  CShellMessageEvent event(WM_GLOBAL_SEL_TEXT, 0, 0);
  event.SetString(package);
  event.SetEventObject(page);
  event.StopPropagation();
  if (!page->GetEventHandler()->ProcessEvent(event)) return true;
  return event.GetResult() != 0;
}

void CGlobalSelDlg::OnPackageChanged() {
  const wxString package = m_chooser.SelectedPackage();
  if (package.CmpNoCase(g_DocManage.PackageName) == 0) return;
  const bool lcd = IsLcdRemote(g_DocManage.RemoteType);
  if ((lcd && !OfferPackageToPage(kLcdConfigId, package)) || !OfferPackageToPage(kKeyConfigId, package)) {
    SelectDocPackage();
    return;
  }
  g_DocManage.PackageName = package;
  MarkChanged();
}
