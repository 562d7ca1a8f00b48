// The new-project dialog (template 131): name, location, development mode,
// MCU and package. The choices stay in the dialog until Finish, which checks
// them through the document and creates the project file; a failed Finish
// leaves the open project as it was.
#pragma once

#include "core/ProjectKinds.h"
#include "ui/BaseDlg.h"
#include "ui/pages/ChipChoices.h"
#include "ui/pages/ChipChooser.h"

class wxChoice;
class wxTextCtrl;

class CNewPrjPage : public CBaseDlg {
 public:
  static constexpr int kTemplateId = 131;
  enum ControlId {
    kFinishId = 1,
    kResetId = 3,
    kModeLabelId = 1010,
    kModeListId = 1011,
    kMcuLabelId = 1012,
    kMcuListId = 1013,
    kPackageLabelId = 1016,
    kPackageListId = 1017,
    kNameEditId = 1020,
    kLocationEditId = 1021,
    kNameLabelId = 1027,
    kLocationLabelId = 1029,
    kBrowseId = 1031,
  };

  explicit CNewPrjPage(wxWindow* parent);

  void ApplyLanguageTexts();
  // Row 0, the first MCU, its default package and the remembered folder.
  void ResetChoices();
  void BrowseLocation();
  // Checks and takes the choices into the document and creates the project
  // file; closes the dialog with OK when all of it worked.
  bool CreateProject();

  void OnDevelopModeChanged();
  void OnMcuChanged();
  void OnPackageChanged();

  int GetChosenItemValue() const { return m_chosenItemValue; }
  const wxString& GetChosenMcu() const { return m_chosenMcu; }
  const wxString& GetChosenPackage() const { return m_chosenPackage; }
  wxChoice* GetModeList() const { return m_modes; }
  wxChoice* GetMcuList() const { return m_mcus; }
  wxChoice* GetPackageList() const { return m_packages; }
  wxTextCtrl* GetNameEdit() const { return m_name; }
  wxTextCtrl* GetLocationEdit() const { return m_location; }

 private:
  void BuildControls();
  // Grows the dialog until every label and list shows its text whole.
  void FitToTexts();
  bool FillMcuList();
  void TakeChosen();
  void RestoreChosen();
  static wxString RememberedFolder();

  int m_chosenItemValue = MakeItemValue(kProtocolStandard, kRemoteGeneral);
  wxString m_chosenMcu;
  wxString m_chosenPackage;
  wxChoice* m_modes = nullptr;
  wxChoice* m_mcus = nullptr;
  wxChoice* m_packages = nullptr;
  wxTextCtrl* m_name = nullptr;
  wxTextCtrl* m_location = nullptr;
  CChipChooser m_chooser;
};
