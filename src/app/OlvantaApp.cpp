#include "app/OlvantaApp.h"

#include "app/MessageLogService.h"
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/RuntimeLibraries.h"
#include "core/gui/DisplayHelpers.h"
#include "platform/FileTypeRegistration.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "ui/shell/OlvantaDlg.h"

#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <csignal>
#include <cstdio>

wxIMPLEMENT_APP(COlvantaApp);

namespace {
const wxString kSettingsKey = "Local AppWizard-Generated Applications";
// The brand this program is built for (the build's OLV_BRAND).
#ifdef OLV_BRAND_MAKER
constexpr int kBuildBrand = 1;
#else
constexpr int kBuildBrand = 0;
#endif
// How often an unattended run looks whether the main window is on the screen yet.
constexpr int kShownPollMs = 10;

// An install under a prefix (the program in lib/olvanta, see cmake/Install.cmake) has the
// project file type registered system-wide; registering it for the user as well would
// show the program twice among the desktop's applications.
bool FileTypeRegisteredByInstall() {
#ifdef __WINDOWS__
  return false;
#else
  const wxString share = platform::JoinPath(platform::GetProgramFolder(), "../../share");
  return platform::PathExists(platform::JoinPath(share, "applications/olvanta.desktop")) &&
         platform::PathExists(platform::JoinPath(share, "mime/packages/olvanta.xml"));
#endif
}
}  // namespace

COlvantaApp::COlvantaApp() {
#ifndef _WIN32
  // A write past the file-size limit fails like one on a full disk, and is
  // reported as such, instead of ending the program half-way through.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  SetAppName("Olvanta");
}

COlvantaApp::~COlvantaApp() {
  g_App.UnbindLibraries();
  ClearRuntimeEntryPoints();
  platform::InstallMessageBoxService(nullptr);
}

wxString COlvantaApp::MainWindowClassName() { return g_BrandFlag != 0 ? "COlvantaDlg" : "CLMOlvantaDlg"; }

// The project file the program was started with: the first argument that is
// not an option, made absolute; empty when none.
wxString COlvantaApp::CommandLineFile() const {
  for (int i = 1; i < argc; ++i) {
    const wxString argument = argv[i];
    if (argument.empty() || argument.StartsWith("-")) continue;
    wxFileName file(argument);
    file.MakeAbsolute();
    return file.GetFullPath();
  }
  return wxString();
}

bool COlvantaApp::OnInit() {
  // The program reports failures itself in the user's language; the library's
  // own diagnostics go to standard error rather than into modal boxes.
  delete wxLog::SetActiveTarget(new wxLogStderr);
  InstallMessageBoxService();
  m_started = InitInstance();
  if (m_started) m_exitCode = 0;
  return true;
}

// The main dialog runs its own modal loop; when it closes the program ends.
int COlvantaApp::OnRun() { return m_started ? RunMainDialog() : m_exitCode; }

bool COlvantaApp::ExitAfterStart() {
  wxString exitAfterStart, log;
  return wxGetEnv("OLVANTA_EXIT_AFTER_START", &exitAfterStart) && exitAfterStart == "1" &&
         wxGetEnv("OLVANTA_MESSAGE_LOG", &log) && !log.empty();
}

int COlvantaApp::RunMainDialog() {
  wxTimer closer;
  const int result = COlvantaDlg::RunAsMainWindow(m_openFile, [&closer](COlvantaDlg& dialog) {
    if (!ExitAfterStart()) return;
    closer.Bind(wxEVT_TIMER, [&dialog, &closer](wxTimerEvent&) {
      if (!dialog.IsShownOnScreen()) return;
      closer.Stop();
      std::printf("olvanta: main window shown: %s\n", static_cast<const char*>(dialog.GetTitle().utf8_str()));
      std::fflush(stdout);
      dialog.Close();
    });
    closer.Start(kShownPollMs);
  });
  closer.Stop();
  if (result == 0) g_DocManage.RemoveTempFolder();
  return result;
}

void COlvantaApp::OnProjectChanged(const char* pageClassName, bool notifyPages) {
  if (COlvantaDlg* dialog = COlvantaDlg::GetMainDialog()) {
    dialog->OnProjectChanged(wxString::FromUTF8(pageClassName), notifyPages);
  }
}

void COlvantaApp::InstallMessageBoxService() {
  wxString logPath;
  if (wxGetEnv("OLVANTA_MESSAGE_LOG", &logPath) && !logPath.empty()) {
    m_messageBoxes = std::make_unique<CMessageLogService>(logPath);
  } else {
    m_messageBoxes = std::make_unique<platform::CWxMessageBoxService>();
  }
  platform::InstallMessageBoxService(m_messageBoxes.get());
}

bool COlvantaApp::InitInstance() {
  g_BrandFlag = kBuildBrand;
  m_openFile = CommandLineFile();
  RegisterFileType();
  if (!CheckSingleInstance()) return false;
  CDocManage::RemoveStaleWorkFolders();

  wxInitAllImageHandlers();
  platform::SetSettingsKey(kSettingsKey);

  g_App.BuildInstallPaths(platform::GetProgramFolder());
  InitDisplayScale(g_App.uiConfigFolder, GetScreenDpi());

  wxString storedLang;
  if (g_BrandFlag != 0) storedLang = platform::ReadSetting("Olvanta", "Lang");
  g_App.ChooseLanguage(storedLang, GetSystemCodePage());
  ReportDamagedLanguageFile();

  if (!BindLibraries()) {
    m_exitCode = 1;
    return false;
  }
  return true;
}

// Without a sound language file the texts cannot be translated; the notice is
// in English, the one language that needs no file.
void COlvantaApp::ReportDamagedLanguageFile() {
  const LangFileState state = CheckLangFile(g_App.langFile, g_App.currentLangSection);
  if (state == LangFileState::kSound) return;
  PlainMessageBox(LangFileNotice(state, g_App.langFile, g_App.currentLangSection));
}

bool COlvantaApp::RegisterFileType() {
  if (FileTypeRegisteredByInstall()) return true;
  platform::stFileTypeInfo info;
  const wxString tag = g_BrandFlag != 0 ? "ov" : "lm";
  info.extension = "." + tag + "irprj";
  info.progId = tag + "irprjfile";
  info.programPath = platform::GetProgramPath();
#ifdef __WINDOWS__
  info.iconPath = info.programPath + ",-129";
#else
  wxString icon =
      platform::FindPathNoCase(platform::JoinPath(platform::GetProgramFolder(), "Images/Olvanta.png"));
  if (platform::PathExists(icon)) info.iconPath = icon;
#endif
  info.description = "Olvanta project";
  return platform::RegisterFileType(info);
}

bool COlvantaApp::CheckSingleInstance() {
  m_instance = std::make_unique<platform::CSingleInstance>(MainWindowClassName());
  if (m_instance->Acquire([this](const wxString& file) { OnLaterStart(file); })) return true;
  m_instance->ActivateRunning(m_openFile);
  return false;
}

void COlvantaApp::OnLaterStart(const wxString& file) {
  BringWindowToFront(GetTopWindow());
  if (file.empty()) return;
  // Opened once the connection's call has returned: the open may ask questions.
  CallAfter([file] {
    if (COlvantaDlg* dialog = COlvantaDlg::GetMainDialog()) dialog->OpenProjectCommand(file);
  });
}

bool COlvantaApp::BringWindowToFront(wxWindow* window) {
  if (auto* top = wxDynamicCast(window, wxTopLevelWindow)) {
    if (top->IsIconized()) top->Iconize(false);
    top->Show();
    top->Raise();
    top->RequestUserAttention(wxUSER_ATTENTION_INFO);
  }
  return true;
}

bool COlvantaApp::BindLibraries() { return BindRuntimeLibraries(g_App); }
