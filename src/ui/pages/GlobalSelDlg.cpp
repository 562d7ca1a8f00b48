#include "ui/pages/GlobalSelDlg.h"

#include "core/AppContext.h"
#include "core/ChipModel.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "ui/pages/ChipChoices.h"
#include "ui/pages/PagePicture.h"
#include "ui/shell/OlvantaDlg.h"
#include "ui/shell/ShellMessages.h"

#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/stattext.h>

wxIMPLEMENT_ABSTRACT_CLASS(CGlobalSelDlg, CSubBaseDlg);

namespace {

const wxSize kTemplateListSize(300, 28);
const wxSize kSizeControlSize(10, 28);

wxArrayString ToArray(const std::vector<wxString>& items) {
  wxArrayString array;
  for (const wxString& item : items) array.Add(item);
  return array;
}

// Loads the chip definition of mcu from chipFolder; null (after a notice for
// a missing file) when it cannot be loaded.
CChipInfo* LoadChipDefinition(const wxString& chipFolder, const wxString& mcu) {
  const wxString path = ChipDefinitionPath(chipFolder, mcu);
  if (!wxFileName::FileExists(path)) {
    PlainMessageBox(platform::FormatText("Missing file: %s", path));
    return nullptr;
  }
  CChipInfo* chip = nullptr;
  return g_ChipList.GetChip(mcu, chip, path) ? chip : nullptr;
}

}  // namespace

CGlobalSelDlg::CGlobalSelDlg(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  auto* center = new wxWindow(this, kCenterId, wxDefaultPosition, wxSize(10, 1));
  center->SetBackgroundColour(wxColour(189, 209, 235));
  m_mcus = new wxChoice(this, kMcuListId, wxDefaultPosition, kTemplateListSize);
  new wxStaticText(this, kMcuLabelId, GetLangText("IDS_PROJECT_MCU"));
  m_modes = new wxChoice(this, kModeListId, wxDefaultPosition, kTemplateListSize);
  new wxStaticText(this, kModeLabelId, GetLangText("IDS_DEVELOP_MODE"));
  new wxStaticText(this, kPackageLabelId, GetLangText("IDS_PACKAGE"));
  m_packages = new wxChoice(this, kPackageListId, wxDefaultPosition, kTemplateListSize);
  (new wxWindow(this, kSizeControlId, wxDefaultPosition, kSizeControlSize))->Hide();
  m_templateModeWidth = kTemplateListSize.x;

  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnDevelopModeChanged(); }, kModeListId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnMcuChanged(); }, kMcuListId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnPackageChanged(); }, kPackageListId);

  InitLayout("A", "GlobalSetPage.ini");
  FillDevelopModes();
  FillMcuList();
  FillPackages();
}

void CGlobalSelDlg::ApplyLanguage() {
  FindWindow(kModeLabelId)->SetLabel(GetLangText("IDS_DEVELOP_MODE"));
  FindWindow(kMcuLabelId)->SetLabel(GetLangText("IDS_PROJECT_MCU"));
  FindWindow(kPackageLabelId)->SetLabel(GetLangText("IDS_PACKAGE"));
  const int row = m_modes->GetSelection();
  FillDevelopModes();
  if (row != wxNOT_FOUND && row < static_cast<int>(m_modes->GetCount())) m_modes->SetSelection(row);
  LayoutControls();
}

void CGlobalSelDlg::LayoutControls() {
  if (!m_layout.IsReady() || !m_layout.ResolveAll(this)) return;
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

int CGlobalSelDlg::SelectedItemValue() const {
  const int row = m_modes->GetSelection();
  if (row == wxNOT_FOUND || row >= static_cast<int>(m_modeValues.size())) return 0;
  return m_modeValues[static_cast<std::size_t>(row)];
}

wxString CGlobalSelDlg::GetChipFolder() const {
  return g_App.GetIcFolder(RemoteTypeOfItem(SelectedItemValue()));
}

void CGlobalSelDlg::FillDevelopModes() {
  m_modes->Clear();
  m_modeValues.clear();
  for (const stDevelopMode& mode : OfferedDevelopModes()) {
    m_modes->Append(GetLangText(mode.textKey));
    m_modeValues.push_back(mode.itemValue);
  }
  m_modes->SetSelection(0);
  EnableDevelopMode();
}

void CGlobalSelDlg::EnableDevelopMode() { m_modes->Enable(g_DocManage.ProtocolImported == 0); }

void CGlobalSelDlg::EnableSelection(bool enable) { m_modes->Enable(enable); }

void CGlobalSelDlg::FillMcuList() {
  m_mcuNames = ListOfferedMcus(GetChipFolder());
  m_mcus->Set(ToArray(m_mcuNames));
  if (!m_mcuNames.empty()) m_mcus->SetSelection(0);
}

bool CGlobalSelDlg::FillPackages() {
  const wxString mcu = m_mcus->GetStringSelection();
  const wxString ini = ChipIniPath(GetChipFolder(), mcu);
  std::vector<wxString> names;
  if (!ReadPackageNames(ini, names)) {
    PlainMessageBox(platform::FormatText("Missing file: %s", ini));
    return false;
  }
  m_packageNames = names;
  m_packages->Set(ToArray(names));
  return SelectPackage(mcu);
}

bool CGlobalSelDlg::SelectPackage(const wxString& mcu) {
  CChipInfo* chip = LoadChipDefinition(GetChipFolder(), mcu);
  if (!chip) return false;
  int index = m_packages->FindString(g_DocManage.PackageName, true);
  if (index == wxNOT_FOUND) index = m_packages->FindString(chip->defaultPackageName, true);
  if (index == wxNOT_FOUND && m_packages->GetCount() > 0) index = 0;
  m_packages->SetSelection(index);
  return true;
}

bool CGlobalSelDlg::SelectDocDevelopMode() {
  const int row = DevelopModeRowOf(g_DocManage.RemoteType, g_DocManage.ProtocolType);
  m_modes->SetSelection(row);
  return row >= 0;
}

bool CGlobalSelDlg::SelectMcuStartingWith(const wxString& mcu) {
  const int index = FindItemStartingWith(m_mcuNames, mcu);
  if (index < 0) return false;
  m_mcus->SetSelection(index);
  return true;
}

bool CGlobalSelDlg::SelectPackageStartingWith(const wxString& package) {
  const int index = FindItemStartingWith(m_packageNames, package);
  if (index < 0) return false;
  m_packages->SetSelection(index);
  return true;
}

bool CGlobalSelDlg::SelectDocMcu() { return SelectMcuStartingWith(g_DocManage.McuName); }
bool CGlobalSelDlg::SelectDocPackage() { return SelectPackageStartingWith(g_DocManage.PackageName); }

bool CGlobalSelDlg::LoadSelection(int flag) {
  if (flag == 0) {
    if (!SelectDocDevelopMode()) return false;
    FillMcuList();
    if (!SelectDocMcu()) return false;
  }
  FillPackages();
  return SelectDocPackage();
}

void CGlobalSelDlg::FollowRemoteType() {
  if (!SelectDocDevelopMode()) return;
  FillMcuList();
  g_DocManage.CheckMcu(m_mcus->GetStringSelection());
  if (!SelectDocMcu()) return;
  FillPackages();
  g_DocManage.CheckPackage(m_packages->GetStringSelection());
  SelectDocPackage();
}

bool CGlobalSelDlg::ChipHasPackage(const wxString& mcu, const wxString& package) const {
  CChipInfo* chip = nullptr;
  return !mcu.empty() && !package.empty() &&
         g_ChipList.GetChip(mcu, chip, ChipDefinitionPath(GetChipFolder(), mcu)) &&
         chip->FindPackage(package);
}

// The lists show the document's choices again.
void CGlobalSelDlg::RestoreDocumentChoices() {
  SelectDocDevelopMode();
  FillMcuList();
  SelectDocMcu();
  FillPackages();
  SelectDocPackage();
}

// --- Changes.

void CGlobalSelDlg::OnDevelopModeChanged() {
  const int value = SelectedItemValue();
  if (value == MakeItemValue(g_DocManage.ProtocolType, g_DocManage.RemoteType)) return;
  if (LangMessageBox("IDS_CHANGE_CONFIG", kNoticeOkCancel) != kNoticeAnswerOk) {
    SelectDocDevelopMode();
    return;
  }
  // The new chip must load before anything of the project is reset.
  FillMcuList();
  SelectDocMcu();
  const bool listed = !m_mcuNames.empty() && FillPackages();
  const wxString mcu = m_mcus->GetStringSelection();
  const wxString package = m_packages->GetStringSelection();
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
  g_DocManage.LeadCodeOn = remoteType != 0 ? 1 : 0;
  g_FrameworkKind = remoteType;
  g_App.protocolFolder = g_App.GetProtocolFolder(remoteType);
  g_App.icFolder = g_App.GetIcFolder(remoteType);
  g_DocManage.McuName = mcu;
  g_DocManage.PackageName = package;
  if (g_DocManage.LoadChip()) SendShellMessage(main, WM_GLOBAL_SEL_CHANGED, 1, 0);
}

void CGlobalSelDlg::OnMcuChanged() {
  const wxString mcu = m_mcus->GetStringSelection();
  if (mcu.CmpNoCase(g_DocManage.McuName) == 0) return;
  if (LangMessageBox("IDS_CHANGE_CONFIG", kNoticeOkCancel) != kNoticeAnswerOk) {
    SelectDocMcu();
    return;
  }
  // The new chip must load before anything of the project is reset.
  const bool listed = FillPackages();
  const wxString package = m_packages->GetStringSelection();
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
}

bool CGlobalSelDlg::OfferPackageToPage(int pageId, const wxString& package) {
  COlvantaDlg* main = COlvantaDlg::GetMainDialog();
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
  const wxString package = m_packages->GetStringSelection();
  if (package.CmpNoCase(g_DocManage.PackageName) == 0) return;
  const bool lcd = g_DocManage.RemoteType == 1 || g_DocManage.RemoteType == 2;
  if ((lcd && !OfferPackageToPage(kLcdConfigId, package)) || !OfferPackageToPage(kKeyConfigId, package)) {
    SelectDocPackage();
    return;
  }
  g_DocManage.PackageName = package;
  g_DocManage.SetModified(true, "CGlobalSelDlg");
  if (COlvantaDlg* main = COlvantaDlg::GetMainDialog()) main->RefreshTitle();
}
