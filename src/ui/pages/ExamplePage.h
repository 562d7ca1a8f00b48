// The example page (template 132): new and open project, the example lists of
// the general and the LCD remote, and the recent projects.
#pragma once

#include "ui/SubBaseDlg.h"
#include "ui/shell/ShellHooks.h"

class CPngButton;
class CTDS_History_Dlg;

class CExamplePage : public CSubBaseDlg, public IRecentProjects {
 public:
  static constexpr int kTemplateId = 132;
  enum ControlId {
    kNextId = 1007,
    kCancelId = 1008,
    kNewProjectId = 1038,
    kOpenProjectId = 1039,
    kGeneralTitleId = 1040,
    kLcdTitleId = 1041,
    kListFrameId = 1042,
    kExampleLabelId = 1355,
    kRecentLabelId = 1356,
    kNewLabelId = 1397,
    kOpenLabelId = 1398,
  };
  // The lists' templates, which name them as windows.
  enum ListId { kGeneralListId = 152, kLcdListId = 153, kRecentListId = 188 };

  explicit CExamplePage(wxWindow* parent);

  void ApplyLanguage() override;
  void LayoutControls() override;

  void AddRecentProject(const wxString& name, const wxString& path, bool repaint);
  void RemoveRecentProject(const wxString& path, bool repaint);
  bool SaveRecentProjects();
  // IRecentProjects: moves the project to the top of the recent list and saves it.
  void AddRecentProject(const wxString& projectPath) override;

  CTDS_History_Dlg* GetGeneralList() const { return m_generalList; }
  CTDS_History_Dlg* GetLcdList() const { return m_lcdList; }
  CTDS_History_Dlg* GetRecentList() const { return m_recentList; }

 private:
  void CreateButtons();
  void CreateLabels();
  void CreateLists();
  void SendMainCommand(int commandId);
  void OnPaint(wxPaintEvent& event);

  wxRect m_clientRect;
  CPngButton* m_newButton = nullptr;
  CPngButton* m_openButton = nullptr;
  CTDS_History_Dlg* m_generalList = nullptr;
  CTDS_History_Dlg* m_lcdList = nullptr;
  CTDS_History_Dlg* m_recentList = nullptr;

  wxDECLARE_ABSTRACT_CLASS(CExamplePage);
};
