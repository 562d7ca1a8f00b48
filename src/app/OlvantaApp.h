// The application object: start-up in a fixed order, then the main dialog.
#pragma once

#include "platform/SingleInstance.h"
#include "platform/gui/WxMessageBoxService.h"

#include <wx/app.h>

#include <memory>

class COlvantaApp : public wxApp {
 public:
  COlvantaApp();
  ~COlvantaApp() override;

  bool OnInit() override;
  int OnRun() override;

  // The start-up steps; false when start-up ends here (another instance runs,
  // or a library is missing).
  bool InitInstance();

  static bool RegisterFileType();
  // A missing or damaged language file is reported; start-up goes on.
  static void ReportDamagedLanguageFile();
  bool CheckSingleInstance();
  static bool BindLibraries();
  static bool BringWindowToFront(wxWindow* window);

  // The brand's main window class name, which also names the single instance.
  static wxString MainWindowClassName();

  // A page changed project data (its run-time class name): the document is
  // marked modified, the main window's title rebuilt and, with notifyPages,
  // the change passed through the pages of the flow.
  static void OnProjectChanged(const char* pageClassName, bool notifyPages);

 private:
  void InstallMessageBoxService();
  wxString CommandLineFile() const;
  // A later start asked for this instance: to the front, then open its file.
  void OnLaterStart(const wxString& file);
  // Start-up step 11: the main dialog, modally; the program's exit code.
  int RunMainDialog();
  // With OLVANTA_EXIT_AFTER_START=1 and OLVANTA_MESSAGE_LOG set, closes the
  // main window once it is on the screen (unattended runs and tests).
  static bool ExitAfterStart();

  wxString m_openFile;
  int m_exitCode = 0;
  bool m_started = false;
  std::unique_ptr<platform::IMessageBoxService> m_messageBoxes;
  std::unique_ptr<platform::CSingleInstance> m_instance;
};

wxDECLARE_APP(COlvantaApp);
