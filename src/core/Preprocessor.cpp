// The preprocessor's walk over the folders, the collecting of defines and the
// rewriting of one file. Line rules: PreprocLines.cpp; conditions:
// PreprocConditions.cpp.
#include "core/Preprocessor.h"

#include "core/PreprocText.h"
#include "core/TextLines.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;
using namespace preproc;

namespace {

struct FolderEntry {
  wxString name;
  wxString path;
  bool isFolder = false;
};

// Sorts by name so that the define text does not depend on the file system's order.
bool ComesBefore(const FolderEntry& a, const FolderEntry& b) {
  const int noCase = a.name.CmpNoCase(b.name);
  return noCase != 0 ? noCase < 0 : a.name.Cmp(b.name) < 0;
}

// The regular files and folders of folder, in name order. Links to folders are
// left out, so that a link cycle cannot make the walk endless. False when the
// folder cannot be listed.
bool ListFolder(const wxString& folder, std::vector<FolderEntry>& entries) {
  entries.clear();
  std::error_code ec;
  fs::directory_iterator it(platform::ToFsPath(folder), ec);
  if (ec) return false;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) return false;
    std::error_code statusError;
    const bool isLink = it->is_symlink(statusError);
    const fs::file_status status = it->status(statusError);
    FolderEntry entry;
    entry.isFolder = fs::is_directory(status);
    if (entry.isFolder ? isLink : !fs::is_regular_file(status)) continue;
    entry.name = platform::FromFsPath(it->path().filename());
    entry.path = platform::FromFsPath(it->path());
    entries.push_back(entry);
  }
  if (ec) return false;
  std::sort(entries.begin(), entries.end(), ComesBefore);
  return true;
}

// The text split into lines, each without its LF and the CR before it.
std::vector<wxString> SplitTextLines(const wxString& text) {
  std::vector<wxString> lines;
  size_t start = 0;
  while (start < text.length()) {
    size_t end = text.find('\n', start);
    const size_t next = end == wxString::npos ? text.length() : end + 1;
    if (end == wxString::npos) end = text.length();
    if (end > start && end < text.length() && text[end - 1] == '\r') --end;
    lines.push_back(text.substr(start, end - start));
    start = next;
  }
  return lines;
}

}  // namespace

bool CPreprocessor::PreprocessTree(const wxString& defineFolder, const wxString& rewriteFolder) {
  const size_t failuresBefore = m_failedFiles.size();
  if (!defineFolder.empty()) CollectTree(defineFolder);
  if (!rewriteFolder.empty()) RewriteTree(rewriteFolder);
  return m_failedFiles.size() == failuresBefore;
}

void CPreprocessor::CollectTree(const wxString& folder) {
  std::vector<FolderEntry> entries;
  if (!ListFolder(folder, entries)) {
    Fail(folder);
    return;
  }
  for (const FolderEntry& entry : entries) {
    if (entry.isFolder)
      CollectTree(entry.path);
    else
      CollectDefines(entry.path);
  }
}

void CPreprocessor::RewriteTree(const wxString& folder) {
  std::vector<FolderEntry> entries;
  if (!ListFolder(folder, entries)) {
    Fail(folder);
    return;
  }
  for (const FolderEntry& entry : entries) {
    if (entry.isFolder)
      RewriteTree(entry.path);
    else if (IsRewrittenFile(entry.path))
      PreprocessFile(entry.path);
  }
}

// The text from the last "." of the full path on, lower-cased, holds ".inc" or ".asm".
bool CPreprocessor::IsRewrittenFile(const wxString& path) {
  const size_t dot = path.rfind('.');
  if (dot == wxString::npos) return false;
  const wxString extension = path.substr(dot).Lower();
  return Contains(extension, ".inc") || Contains(extension, ".asm");
}

bool CPreprocessor::Fail(const wxString& path) {
  m_failedFiles.push_back(path);
  return false;
}

bool CPreprocessor::CollectDefines(const wxString& filePath) {
  std::string bytes;
  if (!platform::ReadFileBytes(filePath, bytes)) return Fail(filePath);
  static const wxString kDefine = "#define";
  for (const wxString& line : SplitTextLines(Utf8ToWide(bytes))) {
    const int pos = Find(line, kDefine);
    // The keyword and the one character after it are dropped.
    if (pos >= 0) m_state.defineText += Mid(line, pos + Length(kDefine) + 1) + "\r\n";
  }
  return true;
}

void CPreprocessor::ResetFileState() {
  PreprocState fresh;
  fresh.defineText.swap(m_state.defineText);
  m_state = fresh;
  m_nest = PreprocNestStack();
  m_malformed = false;
}

bool CPreprocessor::PreprocessFile(const wxString& filePath) {
  ResetFileState();
  CStdioFileEx file;
  if (!file.Open(filePath)) return Fail(filePath);
  wxString line;
  while (!m_malformed && file.ReadString(line)) ProcessLine(line);
  const bool readFailed = file.HasError();
  file.Close();

  const wxString output = Trimmed(m_state.outputText);
  m_state.outputText.clear();
  if (m_malformed || readFailed) return Fail(filePath);
  if (!platform::WriteFileAtomically(filePath, WideToUtf8(output))) return Fail(filePath);
  return true;
}
