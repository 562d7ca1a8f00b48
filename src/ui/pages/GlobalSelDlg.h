// The global-selection strip (template 143) above the main window's pages:
// development mode, MCU and package. A change asks first, then resets the
// project for the new choice and tells the main window, which rebuilds its
// pages.
#pragma once

#include "ui/SubBaseDlg.h"
#include "ui/shell/ShellHooks.h"

#include <vector>

class wxChoice;

class CGlobalSelDlg : public CSubBaseDlg, public IGlobalSelection {
 public:
  static constexpr int kTemplateId = 143;
  enum ControlId {
    kModeLabelId = 1010,
    kModeListId = 1011,
    kMcuLabelId = 1012,
    kMcuListId = 1013,
    kPackageLabelId = 1016,
    kPackageListId = 1017,
    kCenterId = 1018,
    kSizeControlId = 1374,
  };

  explicit CGlobalSelDlg(wxWindow* parent);

  void ApplyLanguage() override;
  void LayoutControls() override;

  void FillDevelopModes();
  void FillMcuList();
  bool FillPackages();
  bool SelectPackage(const wxString& mcu);
  bool SelectDocDevelopMode();
  bool SelectDocMcu();
  bool SelectDocPackage();
  bool LoadSelection(int flag);
  void FollowRemoteType() override;
  void EnableDevelopMode();
  wxString GetChipFolder() const;

  // IGlobalSelection.
  void RefreshSelection(int flag) override { LoadSelection(flag); }
  void EnableSelection(bool enable) override;

  // The handlers of a changed choice (as the user's pick runs them).
  void OnDevelopModeChanged();
  void OnMcuChanged();
  void OnPackageChanged();

  wxChoice* GetModeList() const { return m_modes; }
  wxChoice* GetMcuList() const { return m_mcus; }
  wxChoice* GetPackageList() const { return m_packages; }

 private:
  int SelectedItemValue() const;
  bool SelectMcuStartingWith(const wxString& mcu);
  bool SelectPackageStartingWith(const wxString& package);
  bool ChipHasPackage(const wxString& mcu, const wxString& package) const;
  void RestoreDocumentChoices();
  bool OfferPackageToPage(int pageId, const wxString& package);

  wxChoice* m_modes = nullptr;
  wxChoice* m_mcus = nullptr;
  wxChoice* m_packages = nullptr;
  std::vector<int> m_modeValues;
  std::vector<wxString> m_mcuNames;
  std::vector<wxString> m_packageNames;
  int m_templateModeWidth = 0;

  wxDECLARE_ABSTRACT_CLASS(CGlobalSelDlg);
};
