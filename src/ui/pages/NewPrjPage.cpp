#include "ui/pages/NewPrjPage.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FileHelpers.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/UserIni.h"
#include "platform/Profile.h"
#include "ui/PageButtons.h"
#include "ui/pages/ChipChoices.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dirdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr std::size_t kFolderValueSize = 260;
const wxSize kEditSize(300, -1);

// The document's project identity and the folders that go with its remote
// type, kept so that a failed Finish can put them back.
struct stProjectIdentity {
  wxString name, folder, filePath, mcu, package, protocolFolder, icFolder;
  std::int32_t remoteType = 0, protocolType = 1, leadCodeOn = 0, keypad = 0;
  int frameworkKind = 0;

  static stProjectIdentity Capture() {
    const CDocManage& doc = g_DocManage;
    return {doc.ProjectName,  doc.ProjectFolder,    doc.ProjectFilePath, doc.McuName,
            doc.PackageName,  g_App.protocolFolder, g_App.icFolder,      doc.RemoteType,
            doc.ProtocolType, doc.LeadCodeOn,       doc.Keypad,          g_FrameworkKind};
  }
  void Restore() const {
    CDocManage& doc = g_DocManage;
    doc.ProjectName = name;
    doc.ProjectFolder = folder;
    doc.ProjectFilePath = filePath;
    doc.McuName = mcu;
    doc.PackageName = package;
    doc.RemoteType = remoteType;
    doc.ProtocolType = protocolType;
    doc.LeadCodeOn = leadCodeOn;
    doc.Keypad = keypad;
    g_FrameworkKind = frameworkKind;
    g_App.protocolFolder = protocolFolder;
    g_App.icFolder = icFolder;
  }
};

}  // namespace

CNewPrjPage::CNewPrjPage(wxWindow* parent)
    : CBaseDlg(kTemplateId, GetLangText("IDS_NEW_PROJECT"), g_App.imageFolder, parent, wxCLOSE_BOX) {
  BuildControls();
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { ResetChoices(); }, kResetId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { BrowseLocation(); }, kBrowseId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { CreateProject(); }, kFinishId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CANCEL); }, wxID_CANCEL);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnDevelopModeChanged(); }, kModeListId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnMcuChanged(); }, kMcuListId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnPackageChanged(); }, kPackageListId);
  ResetChoices();
  ApplyLanguageTexts();
  CentreOnParent();
}

void CNewPrjPage::BuildControls() {
  wxWindow* client = GetClientWindow();
  auto* grid = new wxFlexGridSizer(2, wxSize(12, 10));
  grid->AddGrowableCol(1);
  auto addRow = [&](int labelId, wxWindow* field) {
    grid->Add(new wxStaticText(client, labelId, wxString()), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(field, 1, wxEXPAND);
  };
  m_name = new wxTextCtrl(client, kNameEditId, wxString(), wxDefaultPosition, kEditSize);
  addRow(kNameLabelId, m_name);

  auto* locationRow = new wxBoxSizer(wxHORIZONTAL);
  m_location = new wxTextCtrl(client, kLocationEditId, wxString(), wxDefaultPosition, kEditSize);
  locationRow->Add(m_location, 1, wxALIGN_CENTER_VERTICAL);
  locationRow->Add(new wxButton(client, kBrowseId, "...", wxDefaultPosition, wxSize(40, -1)), 0,
                   wxLEFT | wxALIGN_CENTER_VERTICAL, 6);
  grid->Add(new wxStaticText(client, kLocationLabelId, wxString()), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(locationRow, 1, wxEXPAND);

  m_modes = new wxChoice(client, kModeListId);
  addRow(kModeLabelId, m_modes);
  m_mcus = new wxChoice(client, kMcuListId);
  addRow(kMcuLabelId, m_mcus);
  m_packages = new wxChoice(client, kPackageListId);
  addRow(kPackageLabelId, m_packages);
  m_chooser.Attach(m_modes, m_mcus, m_packages);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(client, kResetId, wxString(), wxDefaultPosition, kPageButtonSize));
  buttons->AddStretchSpacer();
  buttons->Add(new wxButton(client, kFinishId, wxString(), wxDefaultPosition, kPageButtonSize));
  buttons->Add(new wxButton(client, wxID_CANCEL, wxString(), wxDefaultPosition, kPageButtonSize), 0, wxLEFT,
               10);

  auto* outer = new wxBoxSizer(wxVERTICAL);
  outer->Add(grid, 1, wxEXPAND | wxALL, 20);
  outer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 20);
  client->SetSizer(outer);
  SetClientSize(outer->ComputeFittingClientSize(client) + wxSize(40, 0));
}

void CNewPrjPage::ApplyLanguageTexts() {
  const std::pair<int, const char*> texts[] = {
      {kNameLabelId, "IDS_PROJECT_NAME"}, {kLocationLabelId, "IDS_PROJECT_LOCATION"},
      {kModeLabelId, "IDS_DEVELOP_MODE"}, {kMcuLabelId, "IDS_PROJECT_MCU"},
      {kPackageLabelId, "IDS_PACKAGE"},   {kResetId, "IDS_RESET"},
      {kFinishId, "IDS_FINISH"},          {wxID_CANCEL, "IDS_CANCEL"}};
  for (const auto& [id, key] : texts) GetClientWindow()->FindWindow(id)->SetLabel(GetLangText(key));
  SetTitle(GetLangText("IDS_NEW_PROJECT"));
  m_chooser.RelabelDevelopModes();
  FitToTexts();
}

void CNewPrjPage::FitToTexts() {
  wxWindow* client = GetClientWindow();
  for (wxWindow* child : client->GetChildren()) child->InvalidateBestSize();
  const wxSize needed = client->GetSizer()->ComputeFittingClientSize(client);
  const wxSize current = client->GetClientSize();
  wxSize growth = needed - current;
  growth.IncTo(wxSize(0, 0));
  if (growth != wxSize(0, 0)) SetClientSize(GetClientSize() + growth);
  client->Layout();
}

// --- The lists.

bool CNewPrjPage::FillMcuList() {
  if (m_chooser.FillMcus()) return true;
  ReportMissingChipFolder(m_chooser.ChipFolder());
  return false;
}

wxString CNewPrjPage::RememberedFolder() {
  const wxString settings = GetUserIniPath();
  const wxString folder =
      settings.empty() ? wxString()
                       : platform::ReadProfileString(settings, "Olvanta", "Folder", "", kFolderValueSize);
  return folder.empty() ? GetDefaultProjectRoot() : folder;
}

void CNewPrjPage::ResetChoices() {
  m_chooser.FillDevelopModes();
  if (!FillMcuList() || !m_chooser.FillPackages()) return;
  m_location->ChangeValue(RememberedFolder());
  TakeChosen();
}

// The lists' selection becomes the chosen values.
void CNewPrjPage::TakeChosen() {
  m_chosenItemValue = m_chooser.SelectedItemValue();
  m_chosenMcu = m_chooser.SelectedMcu();
  m_chosenPackage = m_chooser.SelectedPackage();
}

// The lists show the chosen values again.
void CNewPrjPage::RestoreChosen() {
  m_chooser.SelectItemValue(m_chosenItemValue);
  if (!FillMcuList()) return;
  m_chooser.SelectMcuStartingWith(m_chosenMcu);
  if (!m_chooser.FillPackages()) return;
  m_chooser.SelectPackageStartingWith(m_chosenPackage);
}

void CNewPrjPage::OnDevelopModeChanged() {
  if (m_chooser.SelectedItemValue() == m_chosenItemValue) return;
  if (FillMcuList() && m_chooser.FillPackages()) {
    TakeChosen();
    return;
  }
  RestoreChosen();
}

void CNewPrjPage::OnMcuChanged() {
  const wxString mcu = m_chooser.SelectedMcu();
  if (mcu.CmpNoCase(m_chosenMcu) == 0) return;
  if (m_chooser.FillPackages()) {
    m_chosenMcu = mcu;
    m_chosenPackage = m_chooser.SelectedPackage();
    return;
  }
  m_chooser.SelectMcuStartingWith(m_chosenMcu);
  if (!m_chooser.FillPackages()) return;
  m_chooser.SelectPackageStartingWith(m_chosenPackage);
}

void CNewPrjPage::OnPackageChanged() {
  const wxString package = m_chooser.SelectedPackage();
  if (package.CmpNoCase(m_chosenPackage) != 0) m_chosenPackage = package;
}

void CNewPrjPage::BrowseLocation() {
  wxDirDialog dialog(this, GetLangText("IDS_CHOOSE_LOCATION_TITLE"), RememberedFolder(),
                     wxDD_DEFAULT_STYLE | wxDD_NEW_DIR_BUTTON);
  if (dialog.ShowModal() != wxID_OK) return;
  const wxString folder = dialog.GetPath();
  m_location->ChangeValue(folder);
  const wxString settings = GetUserIniPath();
  if (!settings.empty()) platform::WriteProfileString(settings, "Olvanta", "Folder", folder);
}

bool CNewPrjPage::CreateProject() {
  const wxString name = m_name->GetValue();
  const wxString location = m_location->GetValue();
  const stProjectIdentity previous = stProjectIdentity::Capture();

  CDocManage& doc = g_DocManage;
  const int remoteType = RemoteTypeOfItem(m_chosenItemValue);
  doc.RemoteType = remoteType;
  doc.ProtocolType = ProtocolTypeOfItem(m_chosenItemValue);
  doc.LeadCodeOn = IsGeneralRemote(remoteType) ? 0 : 1;
  doc.Keypad = 0;
  g_FrameworkKind = FrameworkKindOf(remoteType);
  g_App.protocolFolder = g_App.GetProtocolFolder(remoteType);
  g_App.icFolder = g_App.GetIcFolder(remoteType);

  // Each check reports its own failure; the first one stops the rest.
  const bool created = doc.CheckProjectName(name) && doc.CheckProjectPath(location, true) &&
                       doc.CheckMcu(m_chosenMcu) && doc.CheckPackage(m_chosenPackage) &&
                       doc.CreateProjectFile(true, true);
  if (!created) {
    previous.Restore();
    return false;
  }
  if (IsModal()) {
    EndModal(wxID_OK);
  } else {
    SetReturnCode(wxID_OK);
  }
  return true;
}
