// The program's main window: a skinned dialog that hosts the wizard pages in
// one page area, the global-selection strip above them, the navigation bar
// and the four-button menu bar; it answers the pages' navigation, save and
// rebuild messages and runs the menu commands.
#pragma once

#include "ui/BaseDlg.h"
#include "ui/UILayout.h"
#include "ui/shell/MenuBar.h"
#include "ui/shell/NavBar.h"
#include "ui/shell/ShellHooks.h"

#include <wx/icon.h>
#include <wx/timer.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

class CDeviceWatcher;
class CPageRequestEvent;
class CShellMessageEvent;

class COlvantaDlg : public CBaseDlg, public INavHost, public IShellWindow {
 public:
  static constexpr int kTemplateId = 102;
  static constexpr ColorRef kMenuStripColor = 0xF8E0C7;
  static constexpr int kNavBarHeight = 50;

  explicit COlvantaDlg(wxWindow* parent = nullptr);
  ~COlvantaDlg() override;

  // Builds the start pages, the flow, the menus and the receiver link; false
  // when the window cannot work (the program then ends). The flow's pages are
  // made when first asked for.
  bool Setup();
  // Runs Setup when it has not run, then the modal loop.
  int ShowModal() override;
  // The program's main window from set-up to close: the window is the
  // application's top window, the project file it was started with (if any)
  // is opened, and the window runs modal; inLoop runs inside the modal loop
  // once the loop is running. 1 when set-up failed, else 0.
  static int RunAsMainWindow(const wxString& openFile, const std::function<void(COlvantaDlg&)>& inLoop);

  void ShowPage(wxWindow* page) override;
  int PassValueToPages(const wxString& className, int value, int flag);

  // INavHost and IShellWindow: the page, made on the first request.
  CSubBaseDlg* FindPage(int templateId) override;
  // INavHost.
  bool HasPage(int templateId) const override;
  CSubBaseDlg* MadePage(int templateId) const override;
  // IShellWindow.
  void RefreshTitle() override;
  int OpenProjectFile(const wxString& path) override;
  IReceiverLink* GetReceiverLink() const override { return m_receiver.get(); }
  bool MakeProjectFolderWritable() override;

  // INavHost.
  bool LeaveProject() override;
  void DropFocus() override;

  // The commands, as the menus run them.
  void SwitchLanguage(const wxString& codePage);
  // Every shown text in the current language.
  void RefreshLanguage();
  // Saves the project; false (after a message) when the file on disk was
  // left as it was.
  bool SaveProject();
  void ShowAbout();
  // The open-project command: asks for the file when path is empty.
  void OpenProjectCommand(const wxString& path = wxString());

  // A page changed project data: the document is marked modified, the title
  // rebuilt and, with notifyPages, the change passed through the pages.
  void OnProjectChanged(const wxString& pageClassName, bool notifyPages) override;
  // The main window while one exists, else null.
  static COlvantaDlg* GetMainDialog();

  // The class name by which pages are named in the page protocol.
  static wxString PageClassName(const wxWindow* page);

  // A change of the receiver board's presence on the USB.
  void OnDeviceChange(bool arrival);

  IRNav& GetNavBar() { return m_nav; }
  // The receiver firmware version found in the install folder; 0 when none.
  std::uint16_t GetFirmwareFileVersion() const { return m_firmwareFileVersion; }
  CMainMenuBar& GetMainMenuBar() { return m_menuBar; }
  wxWindow* GetCurrentPage() const { return m_currentPage; }
  bool IsStripVisible() const { return m_stripVisible; }
  int GetBoardState() const { return m_boardState; }
  const std::array<wxString, 4>& GetFrameworkVersions() const { return m_frameworkVersions; }
  wxRect GetNavBarRect() const;
  wxRect GetPageRect() const;
  wxIcon GetCaptionIcon() const override { return m_icon; }

 protected:
  void PaintClient(wxDC& dc) override;

 private:
  // Set-up steps.
  bool CreateMenuBar();
  bool CreateStartPages();
  // Makes the page of the page table, hidden, and joins it to the flow.
  CSubBaseDlg* MakePage(int templateId);
  bool BuildFlowAndCaptions();
  void FillFrameworkVersions();
  void ApplyNavigationFont();
  bool StartReceiver();
  void BindEvents();
  void BindMessages();
  void BindCommands();

  // Layout and drawing.
  // The work area of the window's display.
  wxRect WorkArea() const;
  // Sizes and centres the window within the work area, with its least size.
  void FitToWorkArea();
  // The least size grows to what the global-selection strip's texts need.
  void UpdateMinimumSize();
  void Relayout();
  // Measures the navigation captions into the bar's place (no painting needed).
  void MeasureNavBar();
  int MenuStripHeight() const;
  int StripHeight() const;
  void ShowHomePage();
  void ShowExampleOrHome();
  bool IsHomeVisible() const;
  void HideAllPages();

  // Flow and project.
  bool LoadFlowFromProject(bool firstLoad);
  bool LoadGeneralFlow(bool firstLoad);
  bool LoadAirFlow();
  bool LoadOpenedProject();
  bool LoadPage(int templateId);
  // The pages and the document start from their reset values; keep leaves
  // the values of the project that stays (its selection changed).
  void ResetProjectState(bool clear, bool keep);
  void RebuildAndShowFlow(int a, int b);
  bool ApplyGlobalSelection(int a, int b);
  bool SavePages();
  bool AskToSave(const wxString& key);
  void EnableGlobalSelection(bool enable);
  void AddToRecentProjects(const wxString& path);
  void NewProject();
  int AbandonOpen();
  void ResetPrompts();
  void LearnCodeMode();
  void CloseModePages();
  IDecodePage*& DecodePageOfRemoteType();

  // Handlers.
  void OnPageNext(CPageRequestEvent& event);
  void OnPageBack(CPageRequestEvent& event);
  void OnClientLeftDown(wxMouseEvent& event);
  void OnClose(wxCloseEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnMenuButton(wxCommandEvent& event);
  void OnSaveMessage(CShellMessageEvent& event);
  void OnBuildDone(CShellMessageEvent& event);
  void OnBoardState(CShellMessageEvent& event);
  void OnGlobalSelChanged(CShellMessageEvent& event);
  void OnShowProtocolPage(CShellMessageEvent& event);
  void OnRemoteTypeChanged(CShellMessageEvent& event);

  // The pages of the page table made so far, by template id.
  std::map<int, CSubBaseDlg*> m_pages;
  IDecodePage* m_decodePages[2] = {nullptr, nullptr};
  CMainMenuBar m_menuBar;
  CSubBaseDlg* m_globalSel = nullptr;
  IRNav m_nav;
  std::array<wxString, 4> m_frameworkVersions;
  int m_boardState = 0;
  std::uint16_t m_boardVersion = 0;
  std::uint16_t m_firmwareFileVersion = 0;
  wxIcon m_icon;
  bool m_initialised = false;
  bool m_setupDone = false;
  bool m_stripVisible = false;
  wxWindow* m_currentPage = nullptr;
  CUILayout m_layout;
  std::unique_ptr<IReceiverLink> m_receiver;
  std::unique_ptr<CDeviceWatcher> m_deviceWatcher;
  wxTimer m_connectTimer;
};
