// The global-selection strip (template 143) above the main window's pages:
// development mode, MCU and package. A change asks first, then resets the
// project for the new choice and tells the main window, which rebuilds its
// pages.
#pragma once

#include "ui/SubBaseDlg.h"
#include "ui/pages/ChipChooser.h"
#include "ui/shell/ShellHooks.h"

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

  // With flag 0 the mode and MCU lists show the document's choices first;
  // then the packages of the selected MCU and the document's package.
  bool LoadSelection(int flag);
  void FollowRemoteType() override;
  void EnableDevelopMode();

  // IGlobalSelection.
  void RefreshSelection(int flag) override { LoadSelection(flag); }
  void EnableSelection(bool enable) override;

  // The handlers of a changed choice (as the user's pick runs them).
  void OnDevelopModeChanged();
  void OnMcuChanged();
  void OnPackageChanged();
  void MarkChanged();

  wxChoice* GetModeList() const { return m_modes; }
  wxChoice* GetMcuList() const { return m_mcus; }
  wxChoice* GetPackageList() const { return m_packages; }

 private:
  void FillDevelopModes();
  bool FillPackages();
  bool SelectDocDevelopMode();
  bool SelectDocMcu();
  bool SelectDocPackage();
  bool ChipHasPackage(const wxString& mcu, const wxString& package) const;
  void RestoreDocumentChoices();
  bool OfferPackageToPage(int pageId, const wxString& package);

  wxChoice* m_modes = nullptr;
  wxChoice* m_mcus = nullptr;
  wxChoice* m_packages = nullptr;
  CChipChooser m_chooser;
  int m_templateModeWidth = 0;

  wxDECLARE_ABSTRACT_CLASS(CGlobalSelDlg);
};
