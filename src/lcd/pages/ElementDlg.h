// The element panel host on the LCD page: tabs with the MCU panel and the
// LED panel, and the page's package questions passed on to the MCU panel.
#pragma once

#include "ui/SubBaseDlg.h"

class CLEDElementDlg;
class CMCUElementDlg;
class wxBookCtrlEvent;
class wxNotebook;

class CElementDlg : public CSubBaseDlg {
 public:
  static constexpr int kTemplateId = 185;
  static constexpr int kTabsId = 1319;
  static constexpr int kMcuTab = 0;
  static constexpr int kLedTab = 1;

  explicit CElementDlg(wxWindow* parent);

  // The tab titles again in the current language; the selection stays.
  void ApplyLanguage() override;
  // The MCU panel shows the project's package with no segment pin taken.
  bool LoadFromProject() override;
  // The tabs over the whole host.
  void LayoutControls() override;

  // The LCD page asks both, in this order, when the global package changes,
  // and goes on only when both agree.
  bool CanSwitchPackage(const wxString& newPackage);
  bool SwitchPackage(const wxString& oldPackage, const wxString& newPackage);

  CMCUElementDlg* GetMcuPanel() const { return m_mcu; }
  CLEDElementDlg* GetLedPanel() const { return m_led; }
  wxNotebook* GetTabs() const { return m_tabs; }
  int GetSelectedTab() const { return m_selected; }
  // Where the panels show, in host coordinates.
  wxRect GetPanelRect() const;

 private:
  void OnTabChanged(wxBookCtrlEvent& event);

  int m_selected = 0;
  wxNotebook* m_tabs = nullptr;
  CMCUElementDlg* m_mcu = nullptr;
  CLEDElementDlg* m_led = nullptr;
};
