// The main dialog: loading the flow's pages from the project, the global
// selection, saving, opening, creating and leaving a project, and closing.
#include "ui/shell/OlvantaDlg.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FileHelpers.h"
#include "core/FuncRecords.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "core/UserIni.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/gui/FolderChooser.h"
#include "ui/SubBaseDlg.h"
#include "ui/shell/DeviceWatcher.h"
#include "ui/shell/FlowTable.h"
#include "ui/shell/ShellMessages.h"
#include "ui/shell/StagedSave.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace {
IShellPageExtras* ExtrasOf(CSubBaseDlg* page) { return dynamic_cast<IShellPageExtras*>(page); }
}  // namespace

// --- Loading the flow (WM_AIR_FORMAT_TYPE).

bool COlvantaDlg::LoadPage(int templateId) {
  CSubBaseDlg* page = FindPage(templateId);
  return !page || page->LoadFromProject();
}

bool COlvantaDlg::LoadGeneralFlow(bool firstLoad) {
  if (firstLoad) g_DocManage.Loading = 1;
  bool ok = true;
  if (IsStandardProtocol(g_DocManage.ProtocolType)) {
    ok = LoadPage(kStandardModePageId);
  } else {
    ok = LoadPage(kModulationParamId) && LoadPage(kDataFormatId);
    if (ok && firstLoad) {
      if (IShellPageExtras* extras = ExtrasOf(FindPage(kDataFormatId))) extras->RebuildDiagrams();
    }
  }
  if (ok) ok = LoadPage(kKeyConfigId);
  if (ok) {
    if (IShellPageExtras* keys = ExtrasOf(FindPage(kKeyConfigId))) {
      if (firstLoad) keys->LoadKeyPins();
      keys->ApplyPinRules();
    }
  }
  g_DocManage.Loading = 0;
  return ok;
}

bool COlvantaDlg::LoadAirFlow() {
  if (CSubBaseDlg* modulation = FindPage(kAirModulationId)) {
    // The scheme with its connect flag is in place before the data-format
    // page checks the scheme's send order against that flag: an opened
    // project's stored scheme, the first for a new one.
    const int scheme =
        g_DocManage.UseFormatTemplate() ? 0 : CProjectFile(g_DocManage.ProjectFilePath).ReadAirFormatType();
    modulation->LoadFormatParameters(scheme, 0);
  }
  CSubBaseDlg* dataFormat = FindPage(kAirDataFormatId);
  if (dataFormat && !dataFormat->ReloadSettings(0)) return false;
  for (int id : {kAirModulationId, kAirDataFormatId, kOtherPageId, kLcdConfigId, kKeyConfigId}) {
    if (!LoadPage(id)) return false;
  }
  return true;
}

bool COlvantaDlg::LoadFlowFromProject(bool firstLoad) {
  if (IsGeneralRemote(g_DocManage.RemoteType)) return LoadGeneralFlow(firstLoad);
  if (IsAirConditionerFlow(g_DocManage.RemoteType)) return LoadAirFlow();
  return false;
}

// Nothing of the project before outlives a reset without keep: the pages
// drop what they show of it, and its function records go with the
// document's values. Either way the pages refresh on their next
// showing, as after the program's start.
void COlvantaDlg::ResetProjectState(bool clear, bool keep) {
  for (auto& [id, page] : m_pages) {
    if (id == kHomePageId) continue;
    page->RefreshView(keep ? 1 : 0);
    // Each page of a project's own is reached and refreshed anew, as in a
    // window that has shown no project; the example page starts every flow.
    if (id == kExamplePageId) continue;
    page->lastPropagatedValue = 0;
    page->refreshPending = 0;
  }
  g_DocManage.Reset(clear, keep);
  if (!keep) g_FuncRecords.Clear();
}

// --- Rebuilding the flow and the global selection.

void COlvantaDlg::RebuildAndShowFlow(int a, int b) {
  if (a != 0) {
    if (auto* selection = dynamic_cast<IGlobalSelection*>(m_globalSel)) selection->RefreshSelection(b);
  }
  BuildFlowAndCaptions();
  GetClientWindow()->Refresh();
  wxWindow* first = m_nav.GetItemCount() > 1 ? m_nav.PageAt(1) : m_nav.PageAt(0);
  if (!first) return;
  ShowPage(first);
  PassValueToPages(PageClassName(first), 1, 0);
}

bool COlvantaDlg::ApplyGlobalSelection(int a, int b) {
  if (!g_DocManage.MakeTempFolder()) {
    LangMessageBox("IDS_CREATE_TEMPPATH_FAILED");
    if (!IsHomeVisible()) ShowPage(FindPage(kExamplePageId));
    return true;
  }
  g_DocManage.SetNewProject(true);
  ResetProjectState(false, b != 0);
  if (LoadFlowFromProject(b != 0)) {
    RebuildAndShowFlow(a, b);
    if (a == 0 && b == 0) g_DocManage.SetModified(false, wxString());
  }
  RefreshTitle();
  return true;
}

void COlvantaDlg::EnableGlobalSelection(bool enable) {
  if (auto* selection = dynamic_cast<IGlobalSelection*>(m_globalSel)) selection->EnableSelection(enable);
}

void COlvantaDlg::AddToRecentProjects(const wxString& path) {
  if (auto* recent = dynamic_cast<IRecentProjects*>(FindPage(kExamplePageId))) recent->AddRecentProject(path);
}

// --- Saving.

// A page never made holds nothing of the project: it writes nothing, and
// what the file on disk has of its sections stays (the save carries it over).
bool COlvantaDlg::SavePages() {
  for (int id : GetSavePages(g_DocManage.RemoteType, g_DocManage.ProtocolType)) {
    if (id == kLcdConfigId && m_decodePages[1] && !m_decodePages[1]->SaveDecodedKeys()) return false;
    CSubBaseDlg* page = MadePage(id);
    if (page && !page->SaveToProject()) return false;
  }
  return true;
}

// A shipped example is never written: the first save or output asks for a
// folder, copies the example's folder there and goes on with the copy.
bool COlvantaDlg::MakeProjectFolderWritable() {
  if (!g_App.IsShippedExample(g_DocManage.GetProjectFilePath())) return true;
  const wxString source = g_DocManage.GetProjectFolder();
  const wxString parent =
      platform::ChooseFolder(this, GetLangText("IDS_EXAMPLE_SAVE_FOLDER"), platform::GetDocumentsFolder());
  if (parent.empty()) return false;
  const wxString target = platform::JoinPath(parent, wxFileName(source, wxString()).GetDirs().Last());
  if (platform::PathExists(target)) {
    LangMessageBox("", kNoticeOk, "IDS_EXAMPLE_COPY_EXISTS", target);
    return false;
  }
  if (g_App.IsShippedExample(target) || !platform::CopyWholeFolder(source, target)) {
    LangMessageBox("", kNoticeOk, "IDS_EXAMPLE_COPY_FAILED", target);
    return false;
  }
  g_DocManage.MoveProjectFolder(target);
  AddToRecentProjects(g_DocManage.GetProjectFilePath());
  RefreshTitle();
  return true;
}

bool COlvantaDlg::SaveProject() {
  // A project without a name has no file to write.
  if (g_DocManage.ProjectName.empty()) return true;
  if (!MakeProjectFolderWritable()) return false;
  CStagedProjectSave save;
  if (!save.Begin()) {
    LangMessageBox("", kNoticeOk, "IDS_SAVE_PROJECT_FAILED", save.GetFinalPath());
    return false;
  }
  if (!SavePages() || !save.Commit()) {
    LangMessageBox("", kNoticeOk, "IDS_SAVE_PROJECT_FAILED", save.GetFinalPath());
    return false;
  }
  g_DocManage.SetModified(false, wxString());
  RefreshTitle();
  return true;
}

void COlvantaDlg::OnSaveMessage(CShellMessageEvent& event) { event.SetResult(SaveProject() ? 1 : 0); }

// Asks whether to save the modified project: true to go on (saved or not
// wanted), false to stay (cancelled, or the save failed).
bool COlvantaDlg::AskToSave(const wxString& key) {
  if (!g_DocManage.Modified) return true;
  const int answer = LangMessageBox(key, platform::kMbYesNoCancel);
  if (answer == platform::kIdCancel) return false;
  if (answer == platform::kIdYes) return SendShellMessage(this, WM_SAVE_PROJECT) != 0;
  return true;
}

// --- Leaving, creating and opening.

bool COlvantaDlg::LeaveProject() {
  if (g_DocManage.Modified) {
    const int answer = LangMessageBox("IDS_SAVE_CONFIG", platform::kMbYesNoCancel);
    if (answer == platform::kIdCancel) return false;
    if (answer == platform::kIdYes && SendShellMessage(this, WM_SAVE_PROJECT) == 0) return false;
    if (answer == platform::kIdNo && !IsGeneralRemote(g_DocManage.RemoteType)) {
      SendShellMessage(FindPage(kAirDataFormatId), WM_AIR_RESET_VIEW);
    }
  }
  SendShellMessage(this, WM_CLOSE_MODE_PAGES);
  ResetProjectState(true, false);
  EnableGlobalSelection(g_DocManage.ProtocolImported == 0);
  SetTitle(GetLangText("IDS_SW_TITLE"));
  Refresh();
  return true;
}

void COlvantaDlg::NewProject() {
  SendShellMessage(this, WM_CLOSE_MODE_PAGES);
  if (!AskToSave("IDS_SAVE_CURCONFIG")) return;
  NewProjectRunner runner = GetNewProjectDialog();
  if (!runner || !runner(this)) return;
  bool ok = g_DocManage.LoadChip();
  if (ok && !g_DocManage.MakeTempFolder()) {
    LangMessageBox("IDS_CREATE_TEMPPATH_FAILED");
    ok = false;
  }
  if (ok) {
    g_DocManage.SetNewProject(true);
    ResetProjectState(false, false);
    ok = SendShellMessage(this, WM_AIR_FORMAT_TYPE, 0, 0) != 0;
  }
  if (!ok) {
    if (!IsHomeVisible()) ShowPage(FindPage(kExamplePageId));
    return;
  }
  RebuildAndShowFlow(1, 0);
  g_DocManage.SetModified(false, wxString());
  RefreshTitle();
  g_DocManage.ProtocolImported = 0;
  EnableGlobalSelection(true);
  AddToRecentProjects(g_DocManage.GetProjectFilePath());
  SendShellMessage(this, WM_SAVE_PROJECT);
}

// Loads the flow's pages from the project file just opened, with the loading
// flag set meanwhile.
bool COlvantaDlg::LoadOpenedProject() {
  g_DocManage.Loading = 1;
  const bool ok = SendShellMessage(this, WM_AIR_FORMAT_TYPE, 0, 0) != 0;
  g_DocManage.Loading = 0;
  return ok;
}

// After a failed open no project is current: nothing can be saved over the
// file that failed, and the title names no project.
int COlvantaDlg::AbandonOpen() {
  ResetProjectState(true, false);
  g_DocManage.SetNewProject(false);
  RefreshTitle();
  return 0;
}

int COlvantaDlg::OpenProjectFile(const wxString& requestedPath) {
  if (!AskToSave("IDS_SAVE_CURCONFIG")) return 1;
  wxString path = requestedPath;
  if (path.empty()) {
    const wxString extension = projectfile::FileExtension(g_BrandFlag != 0);
    wxFileDialog dialog(this, GetLangText("IDS_OPEN_PROJECT_TITLE"), wxString(), wxString(),
                        GetLangText("IDS_PROJECT_FILE_FILTER") + "|*." + extension, wxFD_OPEN);
    if (dialog.ShowModal() != wxID_OK) return 1;
    path = dialog.GetPath();
  }
  if (!IsProjectFileOfBrand(path) || !IsProjectChipOfBrand(path)) {
    LangMessageBox("IDS_NOSUPPORT_MCU");
    return AbandonOpen();
  }
  if (!g_DocManage.MakeTempFolder()) {
    LangMessageBox("IDS_CREATE_TEMPPATH_FAILED");
    return AbandonOpen();
  }
  g_DocManage.SetNewProject(false);
  ResetProjectState(true, false);
  if (!wxFileExists(path)) {
    LangMessageBox("IDS_FIND_PROJECT_FAILED");
    return AbandonOpen();
  }
  const wxString userIni = GetUserIniPath();
  if (!userIni.empty()) platform::WriteProfileString(userIni, "Olvanta", "Project_Path", path);
  if (!g_DocManage.OpenProject(path)) {
    LangMessageBox("IDS_LOAD_FILE_FAILED");
    return AbandonOpen();
  }
  // The chip and protocol folders are those of the project's own remote type.
  g_FrameworkKind = FrameworkKindOf(g_DocManage.RemoteType);
  g_App.protocolFolder = g_App.GetProtocolFolder(g_FrameworkKind);
  g_App.icFolder = g_App.GetIcFolder(g_FrameworkKind);
  if (!g_DocManage.LoadChip() || !LoadOpenedProject()) {
    LangMessageBox("IDS_LOAD_FILE_FAILED");
    return AbandonOpen();
  }
  RebuildAndShowFlow(1, 0);
  g_DocManage.SetModified(false, wxString());
  RefreshTitle();
  AddToRecentProjects(path);
  return 2;
}

void COlvantaDlg::OpenProjectCommand(const wxString& path) {
  const int result = OpenProjectFile(path);
  if (result == 0) {
    if (!IsHomeVisible()) ShowPage(FindPage(kExamplePageId));
    g_DocManage.SetModified(false, wxString());
    SendShellMessage(this, WM_CLOSE_MODE_PAGES);
    RefreshTitle();
  } else if (result == 2) {
    SendShellMessage(this, WM_CLOSE_MODE_PAGES);
    g_DocManage.ProtocolImported = 0;
    EnableGlobalSelection(true);
  }
}

void COlvantaDlg::OnClose(wxCloseEvent& event) {
  if (g_DocManage.Modified) {
    const int answer = LangMessageBox("IDS_SAVE_CLOSE", platform::kMbYesNoCancel);
    const bool stay = answer == platform::kIdCancel ||
                      (answer == platform::kIdYes && SendShellMessage(this, WM_SAVE_PROJECT) == 0);
    if (stay && event.CanVeto()) {
      event.Veto();
      return;
    }
  }
  m_connectTimer.Stop();
  if (m_deviceWatcher) m_deviceWatcher->Stop();
  if (IsModal()) {
    EndModal(wxID_OK);
  } else {
    Hide();
  }
}
