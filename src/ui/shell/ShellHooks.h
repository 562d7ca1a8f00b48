// The points at which the pages, dialogs and the receiver of other folders
// join the main dialog. A page class registers a factory under its template
// id; the main dialog makes a registered page of its page table when it is
// first asked for and leaves out the ids that nothing registered.
//
// Registration from a static initialiser (OLV_REGISTER_SHELL_PAGE) needs the
// page's object file to be linked into the program: put such pages in an
// OBJECT library, or call the registration from the library's own init.
#pragma once

#include <wx/string.h>

#include <functional>
#include <memory>

class CSubBaseDlg;
class IReceiverLink;
class wxWindow;

// Template ids of the main dialog's page table.
enum ShellPageId : int {
  kHomePageId = 130,
  kExamplePageId = 132,
  kStandardModePageId = 129,
  kModulationParamId = 145,
  kDataFormatId = 146,
  kAirModulationId = 147,
  kAirDataFormatId = 148,
  kOtherPageId = 149,
  kLcdConfigId = 136,
  kKeyConfigId = 137,
  kGlobalSelPageId = 143,
};

// What a page may ask of the main window. Pages reach it only through this
// interface, never through the main dialog's own header.
class IShellWindow {
 public:
  virtual ~IShellWindow() = default;
  // The page of templateId, made on the first request; null when the page
  // table has none.
  virtual CSubBaseDlg* FindPage(int templateId) = 0;
  // Rebuilds the caption from the project file's path and its modified mark.
  virtual void RefreshTitle() = 0;
  // 2 opened, 1 cancelled, 0 failed (after a message).
  virtual int OpenProjectFile(const wxString& path) = 0;
  // Before the project's folder is written: a shipped example is first copied
  // to a folder the user picks and the project goes on there. False when the
  // user cancelled or the copy failed (after a message): write nothing.
  virtual bool MakeProjectFolderWritable() { return true; }
  // The receiver board's worker thread; null when none runs.
  virtual IReceiverLink* GetReceiverLink() const { return nullptr; }
  // A page changed project data (its class name): the project is marked
  // modified, the caption rebuilt and, with notifyPages, the change passed
  // through the pages of the flow.
  virtual void OnProjectChanged(const wxString& pageClassName, bool notifyPages) = 0;
};
// The main window while one exists, else null.
IShellWindow* GetShellWindow();
// The main window announces itself on creation and withdraws (null) when it goes.
void SetShellWindow(IShellWindow* window);

using ShellPageFactory = std::function<CSubBaseDlg*(wxWindow* parent)>;

// Replaces the factory of templateId; an empty factory removes it.
void RegisterShellPage(int templateId, ShellPageFactory factory);
bool HasShellPage(int templateId);
// A new page as parent's child; null when no factory is registered.
CSubBaseDlg* CreateShellPage(int templateId, wxWindow* parent);

struct CShellPageRegistrar {
  CShellPageRegistrar(int templateId, ShellPageFactory factory) {
    RegisterShellPage(templateId, std::move(factory));
  }
};
#define OLV_REGISTER_SHELL_PAGE(PageClass, templateId)    \
  static const CShellPageRegistrar g_register##PageClass( \
      templateId, [](wxWindow* parent) -> CSubBaseDlg* { return new PageClass(parent); })

// Operations beyond the page protocol that the main dialog calls on some
// pages; a page implements this beside CSubBaseDlg when it has them.
class IShellPageExtras {
 public:
  virtual ~IShellPageExtras() = default;
  virtual void RebuildDiagrams() {}    // data format, after a first load
  virtual void LoadKeyPins() {}        // key configuration, after a first load
  virtual void ApplyPinRules() {}      // key configuration, after every load
  virtual void RefreshForLcdMode() {}  // key configuration, on WM_PAGE_RELAYOUT
};

// The global-selection strip (template 143).
class IGlobalSelection {
 public:
  virtual ~IGlobalSelection() = default;
  virtual void RefreshSelection(int flag) = 0;
  virtual void EnableSelection(bool enable) = 0;
  // The document's remote type changed: the lists follow it.
  virtual void FollowRemoteType() {}
};

// The example page's recent-project lists.
class IRecentProjects {
 public:
  virtual ~IRecentProjects() = default;
  virtual void AddRecentProject(const wxString& projectPath) = 0;
};

// The new-project dialog: runs modally over parent; true when the user
// finished it (the document then holds the new project and its file exists).
using NewProjectRunner = std::function<bool(wxWindow* parent)>;
void RegisterNewProjectDialog(NewProjectRunner runner);
NewProjectRunner GetNewProjectDialog();

// A decode page (learn-code mode), a top-level window of its own.
class IDecodePage {
 public:
  virtual ~IDecodePage() = default;
  virtual wxWindow* GetWindow() = 0;
  virtual void OnBoardState(int state, int version) = 0;
  virtual void OnBoardButtonState(int a, int b) = 0;
  // Writes what the page keeps into the project being saved; false when that failed.
  virtual bool SaveDecodedKeys() = 0;
  virtual void UpdateTexts() = 0;
};
// mode 0 serves remote type 0, mode 1 remote types 1 and 2.
using DecodePageFactory = std::function<IDecodePage*(int mode)>;
void RegisterDecodePage(DecodePageFactory factory);
DecodePageFactory GetDecodePageFactory();

// The receiver board's worker thread as the windows address it. The thread
// answers with the messages of ShellMessages.h, each sent to its window on
// the UI thread while the thread waits.
class IReceiverLink {
 public:
  virtual ~IReceiverLink() = default;
  // Where the thread sends WM_BOARD_STATE and WM_BOARD_BUTTON_STATE.
  virtual void SetNotifyWindow(wxWindow* window) = 0;
  // Posts WM_WT_CONNECT (0, 0) to the thread.
  virtual void PostConnect() = 0;
  // Posts WM_WT_START_DECODE; page then receives the run's messages. Post
  // only while IsDecodeRunning is false.
  virtual void PostStartDecode(wxWindow* page) = 0;
  // Posts WM_WT_UPDATE_FIRMWARE with a copy of the firmware file's path.
  virtual void PostUpdateFirmware(wxWindow* page, const wxString& path) = 0;
  // The thread's running flags, read without a message.
  virtual bool IsDecodeRunning() const = 0;
  virtual bool IsUpdateRunning() const = 0;
};
// Starts the thread; null when it could not be started.
using ReceiverLinkFactory = std::function<std::unique_ptr<IReceiverLink>()>;
void RegisterReceiverLink(ReceiverLinkFactory factory);
ReceiverLinkFactory GetReceiverLinkFactory();
