// The output folder, the framework copy, folder removal and the temporary
// work folders of code generation.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FileHelpers.h"
#include "core/Numbers.h"
#include "core/Preprocessor.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <wx/datetime.h>
#include <wx/filefn.h>
#include <wx/filename.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace fs = std::filesystem;

namespace {

// How many bytes the first pass over a new output folder's files keeps for
// the second: files are kept until they reach it, so that a framework of
// usual size is read once. A large framework is read again rather than held:
// memory the process has not touched yet costs more than a second read.
constexpr size_t kKeptBytes = size_t{64} << 10;

// The entries of a folder sorted by name; false when it cannot be listed.
bool ListEntries(const wxString& folder, std::vector<stFolderEntry>& entries) {
  if (!ReadFolderEntries(folder, entries)) return false;
  std::sort(entries.begin(), entries.end(),
            [](const stFolderEntry& a, const stFolderEntry& b) { return a.name < b.name; });
  return true;
}

// Names of a folder's sub-folders (links to folders too), sorted.
std::vector<wxString> ListFolders(const wxString& folder) {
  std::vector<stFolderEntry> entries;
  std::vector<wxString> names;
  if (!ListEntries(folder, entries)) return names;
  for (const stFolderEntry& entry : entries)
    if (entry.isFolder) names.push_back(entry.name);
  return names;
}

wxString ProtocolTypeName(int type) {
  const char* name = ProtocolKindName(type);
  return name ? wxString(name) : wxString();
}

// The version after the prefix and one more character: the number after the first "V".
double ParseVersionSuffix(const wxString& text) {
  wxString rest = text;
  rest.Trim(false);
  const int v = rest.Find('V');
  if (v == wxNOT_FOUND) return 0.0;
  wxString number = rest.Mid(static_cast<std::size_t>(v) + 1).BeforeFirst(' ');
  return std::strtod(number.utf8_str(), nullptr);
}

// A folder of a new, unique name under the temporary folder, readable by the user only.
const char* const kWorkFolderPrefixes[] = {"Olvanta-", "~AFW"};

// "<prefix><process id>-<random>" in the temporary folder, private to the user;
// the process id tells a later start whether its owner still runs.
wxString MakeUniqueFolder(const wxString& prefix) {
  std::random_device random;
  const wxString base = platform::GetTempFolder();
  const long pid = platform::GetCurrentProcessId();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const wxString path = base + prefix + wxString::Format("%ld-%08x", pid, random());
    if (wxMkdir(path, 0700)) return path;
  }
  return wxString();
}

// The process id in a work folder's name; 0 when the name is not one of ours.
long OwnerOfWorkFolder(const wxString& name) {
  for (const char* prefix : kWorkFolderPrefixes) {
    wxString rest;
    if (!name.StartsWith(prefix, &rest)) continue;
    long pid = 0;
    const wxString digits = rest.BeforeFirst('-');
    if (digits.length() < rest.length() && digits.ToLong(&pid) && pid > 0) return pid;
  }
  return 0;
}

// A file or folder at path (through a link); one status look-up when no link is met.
bool HoldsFileOrFolder(const fs::path& path, fs::file_status status) {
  std::error_code ec;
  if (fs::is_symlink(status)) status = fs::status(path, ec);
  return fs::is_regular_file(status) || fs::is_directory(status);
}

// Copies a file over to, which never writes through a link at to: the link
// is replaced. The copy takes from's permissions. made, when given, gets to
// when nothing was there before.
bool CopyFileOver(const wxString& from, const wxString& to, std::vector<wxString>* made) {
  std::error_code ec;
  const fs::path target = platform::ToFsPath(to);
  const fs::file_status status = fs::symlink_status(target, ec);
  if (made && !HoldsFileOrFolder(target, status)) made->push_back(to);
  if (fs::is_symlink(status) && !fs::remove(target, ec)) return false;
  return fs::copy_file(platform::ToFsPath(from), target, fs::copy_options::overwrite_existing, ec) && !ec;
}

// Writes bytes read from from over to as CopyFileOver would copy them: a link
// at to is replaced, and the file takes from's permissions.
bool WriteCopiedFile(const wxString& from, const wxString& to, const std::string& bytes,
                     std::vector<wxString>* made) {
  std::error_code ec;
  const fs::path target = platform::ToFsPath(to);
  const fs::file_status status = fs::symlink_status(target, ec);
  if (made && !HoldsFileOrFolder(target, status)) made->push_back(to);
  if (fs::is_symlink(status) && !fs::remove(target, ec)) return false;
  if (!platform::WriteFileBytes(to, bytes)) return false;
  fs::permissions(target, fs::status(platform::ToFsPath(from), ec).permissions(), ec);
  return true;
}

// A regular file that opens for reading: a copy from it that failed, failed
// on its destination.
bool CanReadFile(const wxString& path) {
  std::error_code ec;
  if (!fs::is_regular_file(platform::ToFsPath(path), ec)) return false;
  std::FILE* file = platform::OpenFile(path, "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

// Removes what a copy created, newest first; a folder that still holds
// something it did not create stays.
void RemoveMadePaths(const std::vector<wxString>& made) {
  for (auto it = made.rbegin(); it != made.rend(); ++it) {
    if (!platform::IsSymbolicLink(*it) && wxDirExists(*it)) {
      wxRmdir(*it);
    } else if (platform::IsSymbolicLink(*it) || wxFileExists(*it)) {
      wxRemoveFile(*it);  // a copy that failed before it made the file left nothing
    }
  }
}

}  // namespace

wxString CDocManage::FindLatestFramework(const wxString& base, const wxString& subFolder,
                                         const wxString& prefix) {
  const wxString folder = platform::JoinPath(base, subFolder);
  wxString chosen;
  double best = 0.0;
  for (const wxString& name : ListFolders(folder)) {
    if (name.length() <= prefix.length() || !name.Upper().StartsWith(prefix.Upper())) continue;
    const double version = ParseVersionSuffix(name.Mid(prefix.length() + 1));
    if (CompareDouble(version, best) > 0) {
      best = version;
      chosen = name;
    }
  }
  return chosen;
}

// What copying folder trees over a destination does: the folders to make,
// parents first, and the files to copy; a later file for the same place
// takes the place of the earlier one.
struct CDocManage::stCopyPlan {
  struct stFileCopy {
    wxString from;
    wxString to;
  };
  std::vector<wxString> folders;
  std::vector<stFileCopy> files;
  std::unordered_map<std::wstring, size_t> fileAt;

  void AddFile(const wxString& from, const wxString& to) {
    const auto placed = fileAt.emplace(to.ToStdWstring(), files.size());
    if (placed.second)
      files.push_back({from, to});
    else
      files[placed.first->second].from = from;
  }
};

wxString CDocManage::FindFrameworkSource(const wxString& protocolName, const wxString& frameworkName) {
  const wxString kind = ProtocolTypeName(ProtocolType);
  const wxString chosen = FindLatestFramework(g_App.protocolFolder, kind, frameworkName);
  if (chosen.empty()) return wxString();
  return ResolveFrameworkSource(platform::JoinPath(platform::JoinPath(chosen, McuName), protocolName));
}

wxString CDocManage::ResolveFrameworkSource(const wxString& relativeSource) const {
  const wxString source = platform::FindPathNoCase(platform::JoinPath(
      platform::JoinPath(g_App.protocolFolder, ProtocolTypeName(ProtocolType)), relativeSource));
  return wxDirExists(source) ? source : wxString();
}

bool CDocManage::PrepareOutputFolder(const wxString& protocolName, const wxString& frameworkName) {
  m_failedPath.clear();
  const wxString source = FindFrameworkSource(protocolName, frameworkName);
  bool isNew = false;
  return !source.empty() && StartOutputFolder(&isNew) && CopyFrameworkToOutput(source, isNew);
}

bool CDocManage::CreateOutputFolder(const wxString& relativeSource) {
  m_failedPath.clear();
  const wxString source = ResolveFrameworkSource(relativeSource);
  bool isNew = false;
  return !source.empty() && StartOutputFolder(&isNew) && CopyFrameworkToOutput(source, isNew);
}

bool CDocManage::StartOutputFolder(bool* isNew) {
  const wxDateTime now = wxDateTime::Now();
  OutputFolder = platform::JoinPath(
      ProjectFolder, wxString::Format("%s_%s_%s", ProjectName, now.Format("%Y%m%d"), now.Format("%H%M%S")));
  m_newOutputFolder.clear();
  if (!RemoveFolderTree(OutputFolder)) return FailOnOutputFolder(OutputFolder);
  // Only a folder that held nothing before (no kept "src") counts as new.
  *isNew = !wxDirExists(OutputFolder);
  return true;
}

bool CDocManage::CopyFrameworkToOutput(const wxString& source, bool isNew) {
  std::vector<wxString> made;
  if (CopyFolderTree(source, OutputFolder, &made)) {
    if (isNew) m_newOutputFolder = OutputFolder;
    return true;
  }
  RemoveMadePaths(made);  // a failed copy (a full disk) leaves no half-made folder
  return false;
}

CDocManage::OutputStep CDocManage::MakeOutputFolder(const wxString& protocolName,
                                                    const wxString& frameworkName, const wxString& overlay,
                                                    bool preprocess) {
  m_failedPath.clear();
  m_failedOnOutputFolder = false;
  const wxString source = FindFrameworkSource(protocolName, frameworkName);
  if (source.empty()) return OutputStep::kNoFramework;
  bool isNew = false;
  if (!StartOutputFolder(&isNew)) return CopyFailure();
  if (preprocess)
    return isNew ? WriteDecidedOutput(source, overlay) : WriteDecidedOverOutput(source, overlay);
  return CopyThenPreprocess(source, overlay, isNew, false);
}

CDocManage::OutputStep CDocManage::CopyThenPreprocess(const wxString& source, const wxString& overlay,
                                                      bool isNew, bool preprocess) {
  if (!CopyFrameworkToOutput(source, isNew)) return CopyFailure();
  if (!CopyTemplateFolder(overlay, OutputFolder)) return CopyFailure();
  if (preprocess && !PreprocessFramework(OutputFolder)) return OutputStep::kPreprocess;
  return OutputStep::kDone;
}

// The new output folder written as copying the framework, then the overlay,
// then deciding the folder would leave it, in two passes over the planned
// files in the folder walk's order: the defines of all, then each file
// decided and written. The first pass keeps the bytes it reads until they
// reach kKeptBytes; a file past that is read again, or copied by the system
// when it is not decided. A file that cannot be read stops the output before
// anything is written; one whose directives cannot be followed takes back
// what was written.
CDocManage::OutputStep CDocManage::WriteDecidedOutput(const wxString& source, const wxString& overlay) {
  stCopyPlan plan;
  bool listed = PlanFolderCopy(source, OutputFolder, plan);
  listed = PlanFolderCopy(overlay, OutputFolder, plan) && listed;
  if (!listed) return OutputStep::kCopy;

  // Every target lies in the output folder: only the names below it set the order.
  std::vector<wxString> targets;
  targets.reserve(plan.files.size());
  for (const stCopyPlan::stFileCopy& file : plan.files) targets.push_back(file.to.Mid(OutputFolder.length()));
  const std::vector<size_t> order = CPreprocessor::WalkOrder(targets);
  CPreprocessor preprocessor;
  std::string bytes;
  std::vector<std::string> kept(plan.files.size());
  std::vector<bool> isKept(plan.files.size(), false);
  size_t keptBytes = 0;
  size_t firstUnread = plan.files.size();  // in the plan's order
  for (const size_t n : order) {
    isKept[n] = keptBytes < kKeptBytes;
    std::string& read = isKept[n] ? kept[n] : bytes;
    if (!platform::ReadFileBytes(plan.files[n].from, read)) {
      firstUnread = std::min(firstUnread, n);
      continue;
    }
    preprocessor.CollectDefineBytes(read);
    if (isKept[n]) keptBytes += read.size();
  }
  if (firstUnread < plan.files.size()) {
    m_failedPath = plan.files[firstUnread].from;
    return OutputStep::kCopy;
  }

  std::vector<wxString> made;
  const bool foldersMade = MakePlannedFolders(plan, &made);
  wxString undecided, unwritten;
  for (const size_t n : order) {
    const stCopyPlan::stFileCopy& file = plan.files[n];
    const bool decided = CPreprocessor::IsRewrittenFile(file.to);
    if (decided && !isKept[n] && !platform::ReadFileBytes(file.from, bytes)) {
      if (unwritten.empty()) unwritten = file.from;
      continue;
    }
    if (decided && !preprocessor.DecideBytes(isKept[n] ? kept[n] : bytes)) {
      undecided = file.to;
      break;
    }
    if (!foldersMade || !unwritten.empty()) continue;  // only a file that cannot be decided is looked for
    const bool written = decided     ? platform::WriteNewFile(file.to, preprocessor.DecidedBytes())
                         : isKept[n] ? platform::WriteNewFile(file.to, kept[n])
                                     : platform::CopyToNewFile(file.from, file.to);
    if (written || wxFileExists(file.to)) made.push_back(file.to);
    if (!written) unwritten = file.to;
  }
  if (!undecided.empty()) {
    RemoveMadePaths(made);
    m_failedPath = undecided;
    m_failedOnOutputFolder = false;
    return OutputStep::kPreprocess;
  }
  if (!foldersMade) return CopyFailure();
  if (!unwritten.empty()) {
    m_failedPath = unwritten;
    return OutputStep::kCopy;
  }
  return OutputStep::kDone;
}

// Over an output folder that already holds files (kept "src" folders): the
// same result as copying the framework, then the overlay, then deciding the
// folder, but every planned file read once and written once, already decided,
// and a kept file rewritten only when its conditions change it. A folder that
// cannot be listed or a file that cannot be read takes the step-by-step way,
// which names it.
CDocManage::OutputStep CDocManage::WriteDecidedOverOutput(const wxString& source, const wxString& overlay) {
  stCopyPlan framework, work;
  if (!PlanFolderCopy(source, OutputFolder, framework) || !PlanFolderCopy(overlay, OutputFolder, work)) {
    m_failedPath.clear();
    return CopyThenPreprocess(source, overlay, false, true);
  }
  std::vector<CPreprocessor::stFile> files;
  std::unordered_set<std::wstring> planned;
  for (const stCopyPlan* plan : {&framework, &work}) {
    for (const stCopyPlan::stFileCopy& copy : plan->files) {
      if (plan == &framework && work.fileAt.count(copy.to.ToStdWstring())) continue;  // the overlay's wins
      files.push_back({copy.to, std::string()});
      planned.insert(copy.to.ToStdWstring());
      if (!platform::ReadFileBytes(copy.from, files.back().bytes))
        return CopyThenPreprocess(source, overlay, false, true);
    }
  }
  CPreprocessor preprocessor;
  const size_t firstKept = files.size();
  preprocessor.ReadTreeFiles(OutputFolder, planned, files);
  std::unordered_map<std::wstring, std::string> keptBytes;
  for (size_t n = firstKept; n < files.size(); ++n)
    keptBytes.emplace(files[n].path.ToStdWstring(), files[n].bytes);
  preprocessor.PreprocessFiles(files);
  std::unordered_map<std::wstring, const std::string*> decided;
  for (const CPreprocessor::stFile& file : files) decided.emplace(file.path.ToStdWstring(), &file.bytes);

  std::vector<wxString> made;
  bool ok = MakePlannedFolders(framework, &made);
  for (const stCopyPlan::stFileCopy& copy : framework.files) {
    if (work.fileAt.count(copy.to.ToStdWstring())) continue;
    if (!WriteCopiedFile(copy.from, copy.to, *decided.at(copy.to.ToStdWstring()), &made))
      ok = FailOn(copy.to);
  }
  if (!ok) {
    RemoveMadePaths(made);
    return CopyFailure();
  }
  m_failedPath.clear();
  m_failedOnOutputFolder = false;
  ok = MakePlannedFolders(work, nullptr);
  for (const stCopyPlan::stFileCopy& copy : work.files)
    if (!WriteCopiedFile(copy.from, copy.to, *decided.at(copy.to.ToStdWstring()), nullptr))
      ok = FailOn(copy.to);
  if (!ok) return CopyFailure();

  std::vector<wxString> failed = preprocessor.FailedFiles();
  for (const auto& kept : keptBytes) {
    const std::string& bytes = *decided.at(kept.first);
    if (bytes != kept.second && !platform::WriteFileReplacingLink(wxString(kept.first), bytes))
      failed.push_back(wxString(kept.first));
  }
  if (failed.empty()) return OutputStep::kDone;
  m_failedPath = failed.front();
  return OutputStep::kPreprocess;
}

bool CDocManage::CopyTemplateFolder(const wxString& source, const wxString& destination,
                                    std::vector<wxString>* made) {
  m_failedPath.clear();
  m_failedOnOutputFolder = false;
  return CopyFolderTree(source, destination, made);
}

// Copies on past a failing entry; the first failure is kept in m_failedPath.
bool CDocManage::CopyFolderTree(const wxString& source, const wxString& destination,
                                std::vector<wxString>* made) {
  stCopyPlan plan;
  bool ok = PlanFolderCopy(source, destination, plan);
  ok = MakePlannedFolders(plan, made) && ok;
  for (const stCopyPlan::stFileCopy& file : plan.files)
    if (!CopyFileOver(file.from, file.to, made)) ok = FailOn(CanReadFile(file.from) ? file.to : file.from);
  return ok;
}

// A link to a folder is left out: followed, a link to "." or to a folder
// above would copy on without end, and one elsewhere would copy what is no
// part of the framework. A link to a file brings the file. What is neither a
// folder nor a file (a pipe, a device, a link to nothing) cannot be copied:
// the copy names it.
bool CDocManage::PlanFolderCopy(const wxString& source, const wxString& destination, stCopyPlan& plan) {
  std::vector<stFolderEntry> entries;
  if (source.empty() || !ListEntries(source, entries)) return FailOn(source);
  plan.folders.push_back(destination);
  bool ok = true;
  for (const stFolderEntry& entry : entries) {
    if (entry.isFolder && !entry.isLink)
      ok = PlanFolderCopy(platform::JoinPath(source, entry.name), platform::JoinPath(destination, entry.name),
                          plan) &&
           ok;
  }
  // Option files of an LCD standard framework come in one variant per package.
  const wxString optionTag = wxString::Format("%s_%s", "IR_FrameWork_LCD_STD", McuName);
  bool optionReplaced = false;
  for (const stFolderEntry& entry : entries) {
    if (entry.isFolder) continue;
    const wxString from = platform::JoinPath(source, entry.name);
    if (!entry.isRegularFile) {
      ok = FailOn(from);
      continue;
    }
    if (!IsLcdStandardRemote(RemoteType)) {
      plan.AddFile(from, platform::JoinPath(destination, entry.name));
      continue;
    }
    const wxFileName file(from);
    if (file.GetExt().CmpNoCase("OPT") == 0 && entry.name.Contains(optionTag)) {
      if (optionReplaced) continue;
      optionReplaced = true;
      const wxString option =
          wxString::Format("%s_%s.OPT", platform::JoinPath(file.GetPath(), file.GetName()), PackageName);
      plan.AddFile(platform::FindPathNoCase(option), platform::JoinPath(destination, entry.name));
      continue;
    }
    plan.AddFile(file.GetFullPath(), platform::JoinPath(destination, entry.name));
  }
  return ok;
}

// Makes the plan's folders that are missing; made, when given, gets each.
bool CDocManage::MakePlannedFolders(const stCopyPlan& plan, std::vector<wxString>* made) {
  bool ok = true;
  for (const wxString& folder : plan.folders) {
    if (wxDirExists(folder)) continue;
    if (!wxMkdir(folder)) {
      ok = FailOnOutputFolder(folder);
      continue;
    }
    if (made) made->push_back(folder);
  }
  return ok;
}

bool CDocManage::FailOn(const wxString& path) {
  if (m_failedPath.empty()) m_failedPath = path;
  return false;
}

bool CDocManage::FailOnOutputFolder(const wxString& folder) {
  if (m_failedPath.empty()) m_failedOnOutputFolder = true;
  return FailOn(folder);
}

CDocManage::OutputStep CDocManage::CopyFailure() const {
  return m_failedOnOutputFolder ? OutputStep::kFolder : OutputStep::kCopy;
}

bool CDocManage::RemoveFolderTree(const wxString& folder) {
  if (platform::IsSymbolicLink(folder)) return wxRemoveFile(folder);
  if (!wxDirExists(folder)) return true;
  std::vector<stFolderEntry> entries;
  if (!ListEntries(folder, entries)) entries.clear();
  bool ok = true;
  bool keptSource = false;
  for (const stFolderEntry& entry : entries) {
    if (!entry.isFolder) continue;
    const wxString path = platform::JoinPath(folder, entry.name);
    if (entry.name.CmpNoCase("src") == 0) {
      keptSource = true;  // sources the engineer added to the output are never deleted
      continue;
    }
    ok = RemoveFolderTree(path) && ok;
    keptSource = keptSource || wxDirExists(path);
  }
  for (const stFolderEntry& entry : entries)
    if (!entry.isFolder) ok = wxRemoveFile(platform::JoinPath(folder, entry.name)) && ok;
  if (keptSource) return ok;
  return wxRmdir(folder) && ok;
}

bool CDocManage::MakeTempFolder() {
  // A fresh private folder per run: an old one that cannot be removed never blocks.
  RemoveTempFolder();
  TempFolder = MakeUniqueFolder("Olvanta-");
  return !TempFolder.empty();
}

wxString CDocManage::MakeTempWorkFolder() { return MakeUniqueFolder("~AFW"); }

void CDocManage::RemoveTempFolder() {
  if (!TempFolder.empty()) platform::RemoveWholeFolder(TempFolder);
  TempFolder.clear();
}

int CDocManage::RemoveStaleWorkFolders() {
  const wxString base = platform::GetTempFolder();
  const long self = platform::GetCurrentProcessId();
  int removed = 0;
  for (const wxString& name : ListFolders(base)) {
    const long owner = OwnerOfWorkFolder(name);
    if (owner == 0) continue;
    // A live owner other than this process still works in it (an id equal to
    // ours was left by an earlier run whose id came round again).
    if (owner != self && platform::IsProcessRunning(owner)) continue;
    const wxString path = platform::JoinPath(base, name);
    if (!platform::IsOwnFolder(path)) continue;
    if (platform::RemoveWholeFolder(path)) ++removed;
  }
  return removed;
}

bool CDocManage::PreprocessFramework(const wxString& outputFolder) {
  // The defines are collected from the output folder itself: every file is
  // read before any is rewritten.
  m_failedPath.clear();
  CPreprocessor preprocessor;
  preprocessor.SetWriteInPlace(!outputFolder.empty() && outputFolder == m_newOutputFolder);
  m_newOutputFolder.clear();
  if (preprocessor.PreprocessTree(outputFolder, outputFolder)) return true;
  if (!preprocessor.FailedFiles().empty()) m_failedPath = preprocessor.FailedFiles().front();
  return false;
}
