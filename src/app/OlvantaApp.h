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
  bool CheckSingleInstance();
  static bool BindLibraries();
  static bool BringWindowToFront(wxWindow* window);

  // The brand's main window class name, which also names the single instance.
  static wxString MainWindowClassName();

 private:
  void InstallMessageBoxService();

  int m_exitCode = 0;
  std::unique_ptr<platform::IMessageBoxService> m_messageBoxes;
  std::unique_ptr<platform::CSingleInstance> m_instance;
};

wxDECLARE_APP(COlvantaApp);
