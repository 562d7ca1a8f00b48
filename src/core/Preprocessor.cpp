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

// The bytes without a leading UTF-8 byte-order mark.
std::string WithoutBom(std::string bytes) {
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  return bytes;
}

// Length of the line starting at start, its end included: CR LF and LF CR
// are one end, a lone CR or LF is one too.
size_t RawLineLength(const wxString& text, size_t start) {
  size_t end = start;
  const size_t size = text.length();
  while (end < size && text[end] != '\r' && text[end] != '\n') ++end;
  if (end == size) return end - start;
  const wxUniChar pair = text[end] == '\r' ? '\n' : '\r';
  ++end;
  if (end < size && text[end] == pair) ++end;
  return end - start;
}

// Skips one UTF-8 character (one byte when it is not a valid sequence).
size_t SkipUtf8Char(const std::string& bytes, size_t pos) {
  if (pos >= bytes.size()) return pos;
  const auto lead = static_cast<unsigned char>(bytes[pos]);
  const size_t length = lead < 0x80             ? 1
                        : (lead & 0xE0) == 0xC0 ? 2
                        : (lead & 0xF0) == 0xE0 ? 3
                        : (lead & 0xF8) == 0xF0 ? 4
                                                : 1;
  if (length == 1 || pos + length > bytes.size()) return pos + 1;
  // An invalid sequence decodes to one replacement character per byte.
  if (Utf8ToWide(bytes.substr(pos, length)).length() != 1) return pos + 1;
  return pos + length;
}

}  // namespace

bool CPreprocessor::PreprocessTree(const wxString& defineFolder, const wxString& rewriteFolder) {
  const size_t failuresBefore = m_failedFiles.size();
  if (!defineFolder.empty() && defineFolder == rewriteFolder) {
    // One folder: each file is read once, its text kept for the rewrite.
    std::deque<PendingFile> rewritten;
    CollectTree(defineFolder, &rewritten);
    for (const PendingFile& file : rewritten) RewriteText(file.path, file.bytes);
    return m_failedFiles.size() == failuresBefore;
  }
  if (!defineFolder.empty()) CollectTree(defineFolder, nullptr);
  if (!rewriteFolder.empty()) RewriteTree(rewriteFolder);
  return m_failedFiles.size() == failuresBefore;
}

void CPreprocessor::CollectTree(const wxString& folder, std::deque<PendingFile>* rewritten) {
  std::vector<FolderEntry> entries;
  if (!ListFolder(folder, entries)) {
    Fail(folder);
    return;
  }
  for (const FolderEntry& entry : entries) {
    if (entry.isFolder) {
      CollectTree(entry.path, rewritten);
      continue;
    }
    std::string bytes;
    if (!platform::ReadFileBytes(entry.path, bytes)) {
      Fail(entry.path);
      continue;
    }
    CollectDefineLines(bytes);
    if (rewritten && IsRewrittenFile(entry.path)) rewritten->push_back({entry.path, std::move(bytes)});
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
  CollectDefineLines(bytes);
  return true;
}

// Lines end at LF (a CR before it dropped). From the first "#define" of a
// line, the keyword and the one character after it are dropped.
void CPreprocessor::CollectDefineLines(const std::string& bytes) {
  static const std::string kDefine = "#define";
  size_t pos = bytes.find(kDefine);
  while (pos != std::string::npos) {
    size_t lineEnd = bytes.find('\n', pos);
    const size_t next = lineEnd == std::string::npos ? bytes.size() : lineEnd + 1;
    if (lineEnd == std::string::npos)
      lineEnd = bytes.size();
    else if (lineEnd > pos && bytes[lineEnd - 1] == '\r')
      --lineEnd;
    const size_t valueStart = std::min(SkipUtf8Char(bytes, pos + kDefine.size()), lineEnd);
    m_state.defineText += Utf8ToWide(bytes.substr(valueStart, lineEnd - valueStart));
    m_state.defineText += kw::kLineEnd;
    pos = next < bytes.size() ? bytes.find(kDefine, next) : std::string::npos;
  }
}

void CPreprocessor::ResetFileState() {
  PreprocState fresh;
  fresh.defineText.swap(m_state.defineText);
  m_state = fresh;
  m_nest = PreprocNestStack();
  m_malformed = false;
}

bool CPreprocessor::PreprocessFile(const wxString& filePath) {
  std::string bytes;
  if (!platform::ReadFileBytes(filePath, bytes)) return Fail(filePath);
  return RewriteText(filePath, bytes);
}

bool CPreprocessor::RewriteText(const wxString& filePath, const std::string& bytes) {
  ResetFileState();
  const wxString text = Utf8ToWide(WithoutBom(bytes));
  wxString line;
  for (size_t start = 0; start < text.length() && !m_malformed;) {
    const size_t length = RawLineLength(text, start);
    line.assign(text, start, length);
    ProcessLine(line);
    start += length;
  }
  const wxString output = Trimmed(m_state.outputText);
  m_state.outputText.clear();
  if (m_malformed) return Fail(filePath);
  const std::string rewritten = WideToUtf8(output);
  // A file the rewrite leaves as it is keeps its bytes without a write.
  if (rewritten != bytes && !platform::WriteFileAtomically(filePath, rewritten)) return Fail(filePath);
  return true;
}
