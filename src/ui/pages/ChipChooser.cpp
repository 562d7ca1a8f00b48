#include "ui/pages/ChipChooser.h"

#include "core/AppContext.h"
#include "core/ChipModel.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "ui/pages/ChipChoices.h"

#include <wx/choice.h>
#include <wx/filename.h>

namespace {

wxArrayString ToArray(const std::vector<wxString>& items) {
  wxArrayString array;
  for (const wxString& item : items) array.Add(item);
  return array;
}

bool ReportMissingFile(const wxString& path) {
  if (wxFileName::FileExists(path)) return false;
  LangMessageBox("", kNoticeOk, "IDS_MISSING_FILE", path);
  return true;
}

}  // namespace

void CChipChooser::Attach(wxChoice* modes, wxChoice* mcus, wxChoice* packages) {
  m_modes = modes;
  m_mcus = mcus;
  m_packages = packages;
}

void CChipChooser::FillDevelopModes() {
  m_modes->Clear();
  m_modeValues.clear();
  for (const stDevelopMode& mode : OfferedDevelopModes()) {
    m_modes->Append(GetLangText(mode.textKey));
    m_modeValues.push_back(mode.itemValue);
  }
  m_modes->SetSelection(0);
}

void CChipChooser::RelabelDevelopModes() {
  const int row = m_modes->GetSelection();
  FillDevelopModes();
  if (row != wxNOT_FOUND && row < static_cast<int>(m_modes->GetCount())) m_modes->SetSelection(row);
}

int CChipChooser::SelectedItemValue() const {
  const int row = m_modes->GetSelection();
  if (row == wxNOT_FOUND || row >= static_cast<int>(m_modeValues.size())) return kDevelopModes[0].itemValue;
  return m_modeValues[static_cast<std::size_t>(row)];
}

bool CChipChooser::SelectItemValue(int itemValue) {
  const int row = DevelopModeRowOf(RemoteTypeOfItem(itemValue), ProtocolTypeOfItem(itemValue));
  m_modes->SetSelection(row);
  return row >= 0;
}

wxString CChipChooser::ChipFolder() const { return g_App.GetIcFolder(RemoteTypeOfItem(SelectedItemValue())); }

bool CChipChooser::FillMcus() {
  m_mcuNames = ListOfferedMcus(ChipFolder());
  m_mcus->Set(ToArray(m_mcuNames));
  if (m_mcuNames.empty()) return false;
  m_mcus->SetSelection(0);
  return true;
}

bool CChipChooser::FillPackages(const wxString& preferred) {
  const wxString folder = ChipFolder();
  const wxString mcu = SelectedMcu();
  if (mcu.empty()) {
    ReportMissingChipFolder(folder);
    return false;
  }
  const wxString ini = ChipIniPath(folder, mcu);
  std::vector<wxString> names;
  if (!ReadPackageNames(ini, names)) {
    ReportMissingFile(ini);
    return false;
  }
  const wxString definition = ChipDefinitionPath(folder, mcu);
  if (ReportMissingFile(definition)) return false;
  CChipInfo* chip = nullptr;
  if (!g_ChipList.GetChip(mcu, chip, definition)) return false;

  m_packageNames = names;
  m_packages->Set(ToArray(names));
  int index = preferred.empty() ? wxNOT_FOUND : m_packages->FindString(preferred, true);
  if (index == wxNOT_FOUND) index = m_packages->FindString(chip->defaultPackageName, true);
  if (index == wxNOT_FOUND && !names.empty()) index = 0;
  m_packages->SetSelection(index);
  return true;
}

bool CChipChooser::SelectMcuStartingWith(const wxString& mcu) {
  const int index = FindItemStartingWith(m_mcuNames, mcu);
  if (index < 0) return false;
  m_mcus->SetSelection(index);
  return true;
}

bool CChipChooser::SelectPackageStartingWith(const wxString& package) {
  const int index = FindItemStartingWith(m_packageNames, package);
  if (index < 0) return false;
  m_packages->SetSelection(index);
  return true;
}

wxString CChipChooser::SelectedMcu() const { return m_mcus->GetStringSelection(); }
wxString CChipChooser::SelectedPackage() const { return m_packages->GetStringSelection(); }
