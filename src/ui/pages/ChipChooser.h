// The development-mode, MCU and package lists that the global-selection strip
// and the new-project dialog share. The page creates the three lists and
// decides what a change means; the chooser fills them from ChipChoices.h and
// selects in them.
#pragma once

#include <wx/string.h>

#include <vector>

class wxChoice;

class CChipChooser {
 public:
  void Attach(wxChoice* modes, wxChoice* mcus, wxChoice* packages);

  // The brand's modes in the current language, row 0 selected.
  void FillDevelopModes();
  // The modes again in the current language, on the same row.
  void RelabelDevelopModes();
  // The item value of the selected mode; the first mode's when none is selected.
  int SelectedItemValue() const;
  // Selects the mode of itemValue; false (no row selected) when the brand does
  // not offer it.
  bool SelectItemValue(int itemValue);
  // The chip folder of the selected mode's remote type.
  wxString ChipFolder() const;

  // The brand's MCUs of the chip folder, the first selected; false when there
  // are none (the list is then empty).
  bool FillMcus();
  // The packages of the selected MCU once its chip definition has loaded:
  // preferred is selected when listed, else the chip's default package, else
  // the first. False, with the lists as they were, when the chip ini or the
  // definition is missing (after a message naming the file) or the definition
  // does not load.
  bool FillPackages(const wxString& preferred = wxString());

  // Select the first item that begins with the text, case-insensitively;
  // false when none does.
  bool SelectMcuStartingWith(const wxString& mcu);
  bool SelectPackageStartingWith(const wxString& package);

  bool HasMcus() const { return !m_mcuNames.empty(); }
  wxString SelectedMcu() const;
  wxString SelectedPackage() const;

 private:
  wxChoice* m_modes = nullptr;
  wxChoice* m_mcus = nullptr;
  wxChoice* m_packages = nullptr;
  std::vector<int> m_modeValues;
  std::vector<wxString> m_mcuNames;
  std::vector<wxString> m_packageNames;
};
