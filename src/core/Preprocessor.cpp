// The preprocessor's walk over the folders, the collecting of defines and the
// rewriting of one file. Line rules: PreprocLines.cpp; conditions:
// PreprocConditions.cpp.
#include "core/Preprocessor.h"

#include "core/FileHelpers.h"
#include "core/PreprocText.h"
#include "core/Utf8Text.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <wx/filefn.h>
#include <wx/wxcrt.h>

#include <algorithm>
#include <string_view>

using namespace preproc;

namespace {

struct FolderEntry {
  wxString name;
  wxString path;
  bool isFolder = false;
};

// Sorts by name so that the define text does not depend on the file system's order.
bool NameBefore(const wxString& a, const wxString& b) {
  const int noCase = a.CmpNoCase(b);
  return noCase != 0 ? noCase < 0 : a.Cmp(b) < 0;
}

bool ComesBefore(const FolderEntry& a, const FolderEntry& b) { return NameBefore(a.name, b.name); }

// The regular files and folders of folder, in name order. Links to folders are
// left out, so that a link cycle cannot make the walk endless. False when the
// folder cannot be listed.
bool ListFolder(const wxString& folder, std::vector<FolderEntry>& entries) {
  entries.clear();
  std::vector<stFolderEntry> listed;
  if (!ReadFolderEntries(folder, listed)) return false;
  for (const stFolderEntry& item : listed) {
    if (item.isFolder ? item.isLink : !item.isRegularFile) continue;
    entries.push_back({item.name, platform::JoinPath(folder, item.name), item.isFolder});
  }
  std::sort(entries.begin(), entries.end(), ComesBefore);
  return true;
}

// Splits a path into its names (either separator on Windows).
std::vector<wxString> PathNames(const wxString& path) {
  std::vector<wxString> names;
  wxString name;
  for (const wxUniChar c : path) {
    if (c == '/' || (wxFILE_SEP_PATH == '\\' && c == '\\')) {
      if (!name.empty()) names.push_back(name);
      name.clear();
    } else {
      name += c;
    }
  }
  if (!name.empty()) names.push_back(name);
  return names;
}

// The order in which the folder walk meets two files: by the first names in
// which their paths differ.
bool WalkedBefore(const std::vector<wxString>& a, const std::vector<wxString>& b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    if (a[i] == b[i]) continue;
    return NameBefore(a[i], b[i]);
  }
  return a.size() < b.size();
}

// Whether text holds part (lower case) from at on, its characters lower-cased.
bool HoldsLowerCaseAt(const wxString& text, size_t at, const char* part) {
  for (; *part; ++part, ++at)
    if (at >= text.length() || static_cast<wxChar>(wxTolower(text[at])) != *part) return false;
  return true;
}

bool IsLineEndByte(char c) { return c == '\r' || c == '\n'; }

// Where the line holding pos begins: after the last line-end byte before it.
size_t LineStartOf(std::string_view text, size_t from, size_t pos) {
  while (pos > from && !IsLineEndByte(text[pos - 1])) --pos;
  return pos;
}

// The next place of a text, searched for again only once the place last
// found is passed: over a whole text, the searches cost one pass. The text is
// found by one of its bytes, the anchor, then checked whole: for a keyword,
// the byte least common in code around it.
class NextPlace {
 public:
  NextPlace(std::string_view text, std::string_view part, size_t anchor = 0)
      : m_text(text), m_part(part), m_anchor(anchor), m_next(Search(0)) {}

  // The first place at or after from; npos when none.
  size_t From(size_t from) {
    if (m_next != npos && m_next < from) m_next = Search(from);
    return m_next;
  }

 private:
  static constexpr size_t npos = std::string_view::npos;

  size_t Search(size_t from) const {
    for (size_t at = from + m_anchor; at + m_part.size() - m_anchor <= m_text.size(); ++at) {
      at = m_text.find(m_part[m_anchor], at);
      if (at == npos) return npos;
      const size_t start = at - m_anchor;
      if (m_text.compare(start, m_part.size(), m_part) == 0) return start;
    }
    return npos;
  }

  std::string_view m_text;
  std::string_view m_part;
  size_t m_anchor;  // the byte of m_part searched for
  size_t m_next;    // the last found, or npos when there is no more
};

// Finds the directive lines of a text. Every directive holds "IF" or "ELSE"
// (ASCII, so found in the UTF-8 bytes as in the text): the lines between two
// such lines are only kept or dropped, as a whole.
class DirectiveFinder {
 public:
  explicit DirectiveFinder(std::string_view text)
      : m_text(text), m_if(text, "IF"), m_else(text, "ELSE", 2), m_cr(text, "\r"), m_lf(text, "\n") {}

  // The first "IF" or "ELSE" at or after from; npos when none.
  size_t NextKeyword(size_t from) { return std::min(m_if.From(from), m_else.From(from)); }

  // Where the line holding pos ends, after its end: CR LF and LF CR are one
  // end, a lone CR or LF is one too.
  size_t LineEndAfter(size_t pos) {
    pos = std::min({m_cr.From(pos), m_lf.From(pos), m_text.size()});
    if (pos == m_text.size()) return pos;
    const char pair = m_text[pos] == '\r' ? '\n' : '\r';
    ++pos;
    return pos < m_text.size() && m_text[pos] == pair ? pos + 1 : pos;
  }

 private:
  std::string_view m_text;
  NextPlace m_if, m_else, m_cr, m_lf;
};

bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Removes white space at both ends.
void TrimBytes(std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlankByte(text[first])) ++first;
  while (last > first && IsBlankByte(text[last - 1])) --last;
  text.erase(last);
  text.erase(0, first);
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

// Sorts the files as the folder walk meets them; each file is moved once.
void PutInWalkOrder(std::vector<CPreprocessor::stFile>& files) {
  std::vector<wxString> paths;
  paths.reserve(files.size());
  for (const CPreprocessor::stFile& file : files) paths.push_back(file.path);
  const std::vector<size_t> order = CPreprocessor::WalkOrder(paths);
  std::vector<CPreprocessor::stFile> walked(files.size());
  for (size_t n = 0; n < order.size(); ++n) walked[n].Swap(files[order[n]]);
  files.swap(walked);
}

}  // namespace

std::vector<size_t> CPreprocessor::WalkOrder(const std::vector<wxString>& paths) {
  std::vector<std::vector<wxString>> names;
  names.reserve(paths.size());
  for (const wxString& path : paths) names.push_back(PathNames(path));
  std::vector<size_t> order(paths.size());
  for (size_t n = 0; n < order.size(); ++n) order[n] = n;
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return WalkedBefore(names[a], names[b]); });
  return order;
}

bool CPreprocessor::PreprocessTree(const wxString& defineFolder, const wxString& rewriteFolder) {
  const size_t failuresBefore = m_failedFiles.size();
  if (!defineFolder.empty() && defineFolder == rewriteFolder) {
    // One folder: one walk lists the files to rewrite while it collects.
    std::vector<wxString> rewritten;
    CollectTree(defineFolder, &rewritten);
    for (const wxString& path : rewritten) PreprocessFile(path);
    return m_failedFiles.size() == failuresBefore;
  }
  if (!defineFolder.empty()) CollectTree(defineFolder, nullptr);
  if (!rewriteFolder.empty()) RewriteTree(rewriteFolder);
  return m_failedFiles.size() == failuresBefore;
}

void CPreprocessor::CollectTree(const wxString& folder, std::vector<wxString>* rewritten) {
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
    if (!CollectDefines(entry.path)) continue;
    if (rewritten && IsRewrittenFile(entry.path)) rewritten->push_back(entry.path);
  }
}

void CPreprocessor::ReadTreeFiles(const wxString& folder, const std::unordered_set<std::wstring>& skipped,
                                  std::vector<stFile>& files) {
  std::vector<FolderEntry> entries;
  if (!ListFolder(folder, entries)) {
    Fail(folder);
    return;
  }
  for (const FolderEntry& entry : entries) {
    if (entry.isFolder) {
      ReadTreeFiles(entry.path, skipped, files);
      continue;
    }
    if (skipped.count(entry.path.ToStdWstring())) continue;
    stFile file{entry.path, std::string()};
    if (!platform::ReadFileBytes(entry.path, file.bytes)) {
      Fail(entry.path);
      continue;
    }
    files.push_back(std::move(file));
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

bool CPreprocessor::IsRewrittenFile(const wxString& path) {
  const size_t dot = path.rfind('.');
  if (dot == wxString::npos) return false;
  for (size_t at = dot; at < path.length(); ++at)
    if (HoldsLowerCaseAt(path, at, ".inc") || HoldsLowerCaseAt(path, at, ".asm")) return true;
  return false;
}

bool CPreprocessor::Fail(const wxString& path) {
  m_failedFiles.push_back(path);
  return false;
}

bool CPreprocessor::CollectDefines(const wxString& filePath) {
  if (!platform::ReadFileBytes(filePath, m_fileBytes)) return Fail(filePath);
  CollectDefineLines(m_fileBytes);
  return true;
}

// Lines end at LF (a CR before it dropped). From the first "#define" of a
// line, the keyword and the one character after it are dropped.
void CPreprocessor::CollectDefineLines(const std::string& bytes) {
  static const std::string kDefine = "#define";
  size_t pos = bytes.find(kDefine);
  if (pos != std::string::npos) DefinesChanged();
  while (pos != std::string::npos) {
    size_t lineEnd = bytes.find('\n', pos);
    const size_t next = lineEnd == std::string::npos ? bytes.size() : lineEnd + 1;
    if (lineEnd == std::string::npos)
      lineEnd = bytes.size();
    else if (lineEnd > pos && bytes[lineEnd - 1] == '\r')
      --lineEnd;
    const size_t valueStart = std::min(SkipUtf8Char(bytes, pos + kDefine.size()), lineEnd);
    AppendRepairedUtf8(m_defineText, bytes.data() + valueStart, lineEnd - valueStart);
    m_defineText += kw::kLineEnd;
    pos = next < bytes.size() ? bytes.find(kDefine, next) : std::string::npos;
  }
}

void CPreprocessor::DefinesChanged() {
  m_defineIndexBuilt = false;
  m_lineDecisions.Clear();
}

// The output buffer is swapped aside, never copied.
void CPreprocessor::ResetFileState() {
  std::string output;
  output.swap(m_state.outputText);  // its buffer is kept from file to file
  output.clear();
  m_state = PreprocState();
  m_state.outputText.swap(output);
  m_nest = PreprocNestStack();
  m_malformed = false;
}

bool CPreprocessor::PreprocessFile(const wxString& filePath) {
  if (!platform::ReadFileBytes(filePath, m_fileBytes)) return Fail(filePath);
  return RewriteText(filePath, m_fileBytes);
}

bool CPreprocessor::PreprocessFiles(std::vector<stFile>& files) {
  const size_t failuresBefore = m_failedFiles.size();
  PutInWalkOrder(files);

  for (const stFile& file : files) CollectDefineLines(file.bytes);
  for (stFile& file : files) {
    if (!IsRewrittenFile(file.path)) continue;
    if (!RewriteBytes(file.bytes)) {
      Fail(file.path);
      continue;
    }
    file.bytes.swap(m_state.outputText);
    m_state.outputText.clear();
  }
  return m_failedFiles.size() == failuresBefore;
}

bool CPreprocessor::RewriteText(const wxString& filePath, const std::string& bytes) {
  if (!RewriteBytes(bytes)) return Fail(filePath);
  std::string& output = m_state.outputText;
  // A file the rewrite leaves as it is keeps its bytes without a write.
  const bool ok = output == bytes || WriteRewritten(filePath, output);
  output.clear();
  return ok || Fail(filePath);
}

// Rebuilds bytes into the state's output text; false (and no output) when the
// directives cannot be followed.
bool CPreprocessor::RewriteBytes(const std::string& bytes) {
  ResetFileState();
  std::string& output = m_state.outputText;
  output.reserve(bytes.size());
  const size_t bom = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  const std::string_view text(bytes);
  DirectiveFinder directives(text);
  for (size_t start = bom; start < text.size() && !m_malformed;) {
    const size_t keyword = directives.NextKeyword(start);
    const size_t lineStart =
        keyword == std::string_view::npos ? text.size() : LineStartOf(text, start, keyword);
    KeepPlainLines(text.substr(start, lineStart - start));
    if (lineStart == text.size()) break;
    start = directives.LineEndAfter(keyword);
    ApplyLine(DecisionFor(text.substr(lineStart, start - lineStart)));
  }
  if (m_malformed) {
    output.clear();
    return false;
  }
  TrimBytes(output);
  return true;
}

// Lines without a directive go from bytes to bytes; only invalid UTF-8 needs repair.
void CPreprocessor::KeepPlainLines(std::string_view lines) {
  if (lines.empty()) return;
  if (m_state.depth == 0) m_state.decidable = 1;
  if (IsOutputActive()) AppendRepairedUtf8(m_state.outputText, lines.data(), lines.size());
}

// A line met before is looked up on its bytes where they lie, without a copy.
const PreprocLineDecision& CPreprocessor::DecisionFor(std::string_view line) {
  if (const PreprocLineDecision* found = m_lineDecisions.Find(line)) return *found;
  return m_lineDecisions.Add(line, DecideLine(line));
}

// In place where allowed; a file that cannot be opened for writing (a
// read-only copy) is still replaced. A link is replaced by the rewritten file:
// what it points at, maybe outside the output folder, is never written.
bool CPreprocessor::WriteRewritten(const wxString& filePath, const std::string& bytes) const {
  if (platform::IsSymbolicLink(filePath)) return platform::WriteFileReplacingLink(filePath, bytes);
  if (m_writeInPlace && platform::WriteFileBytes(filePath, bytes)) return true;
  return platform::WriteFileReplacingLink(filePath, bytes);
}
