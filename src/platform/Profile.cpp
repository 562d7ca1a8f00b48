#include "platform/Profile.h"

#include "platform/TextFile.h"
#include "platform/WindowsApi.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cwctype>
#include <filesystem>
#include <iterator>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>

#ifndef _WIN32
#include <sys/stat.h>

#include <cerrno>
#endif

namespace fs = std::filesystem;

namespace platform {
namespace {

// ---------------------------------------------------------------------------
// Text helpers

bool IsBlank(wxUniChar c) { return c == ' ' || c == '\t'; }

wxString Trim(const wxString& s) {
  std::size_t b = 0;
  std::size_t e = s.length();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

wxString TrimRight(const wxString& s) {
  std::size_t e = s.length();
  while (e > 0 && IsBlank(s[e - 1])) --e;
  return s.substr(0, e);
}

// Removes one pair of matching surrounding quotes.
wxString Unquote(const wxString& s) {
  const std::size_t n = s.length();
  if (n >= 2 && (s[0] == '"' || s[0] == '\'') && s[n - 1] == s[0]) return s.substr(1, n - 2);
  return s;
}

// Case-folded form used as the index key of section and key names.
std::wstring Fold(const wxString& s) {
  std::wstring out;
  out.reserve(s.length());
  for (wxString::const_iterator it = s.begin(); it != s.end(); ++it) {
    const wchar_t c = static_cast<wchar_t>(*it);
    if (c < 0x80) {
      out.push_back(c >= 'A' && c <= 'Z' ? static_cast<wchar_t>(c + ('a' - 'A')) : c);
    } else {
      out.push_back(static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c))));
    }
  }
  return out;
}

// Cuts s to bufferSize - 1 characters, never inside a surrogate pair.
wxString Truncate(const wxString& s, std::size_t bufferSize) {
  if (bufferSize == 0) return wxString();
  std::size_t n = bufferSize - 1;
  if (s.length() <= n) return s;
  if constexpr (sizeof(wchar_t) == 2) {
    if (n > 0) {
      const wchar_t last = static_cast<wchar_t>(s[n - 1]);
      if (last >= 0xD800 && last <= 0xDBFF) --n;
    }
  }
  return s.substr(0, n);
}

bool HasLineBreak(const wxString& s) { return s.find_first_of(wxS("\r\n")) != wxString::npos; }

// ---------------------------------------------------------------------------
// Parsed file

enum class Eol : unsigned char { None, CrLf, Lf, Cr };

struct Line {
  wxString text;  // without its line end
  Eol eol = Eol::None;
};

enum class LineKind { Blank, Comment, Section, Key, Other };

// Kind of a line; name receives the trimmed section or key name.
LineKind Classify(const wxString& text, wxString* name) {
  std::size_t i = 0;
  while (i < text.length() && IsBlank(text[i])) ++i;
  if (i == text.length()) return LineKind::Blank;
  if (text[i] == ';') return LineKind::Comment;
  if (text[i] == '[') {
    if (name) {
      const std::size_t close = text.find(']', i + 1);
      const std::size_t end = close == wxString::npos ? text.length() : close;
      *name = Trim(text.substr(i + 1, end - i - 1));
    }
    return LineKind::Section;
  }
  const std::size_t eq = text.find('=', i);
  if (eq == wxString::npos) return LineKind::Other;
  if (name) *name = Trim(text.substr(i, eq - i));
  return LineKind::Key;
}

// Trimmed and unquoted value of a key line.
wxString ValueOf(const wxString& keyLine) { return Unquote(Trim(keyLine.substr(keyLine.find('=') + 1))); }

struct Section {
  wxString name;
  std::wstring folded;
  std::size_t header = 0;                              // line of "[name]"
  std::size_t end = 0;                                 // one past its last line
  std::vector<std::size_t> keyLines;                   // every key line, in file order
  std::unordered_map<std::wstring, std::size_t> keys;  // folded name -> first key line
};

struct Document {
  std::vector<Line> lines;
  TextEncoding encoding = TextEncoding::Utf16LE;
  Eol eol = Eol::CrLf;  // line end of lines this layer adds
  std::vector<Section> sections;
  std::unordered_map<std::wstring, std::size_t> sectionIndex;  // folded name -> first section
};

const wchar_t* EolText(Eol eol) {
  switch (eol) {
    case Eol::CrLf: return L"\r\n";
    case Eol::Lf: return L"\n";
    case Eol::Cr: return L"\r";
    case Eol::None: break;
  }
  return L"";
}

// Rebuilds the section and key indexes from the lines.
void Reindex(Document& doc) {
  doc.sections.clear();
  doc.sectionIndex.clear();
  wxString name;
  for (std::size_t i = 0; i < doc.lines.size(); ++i) {
    switch (Classify(doc.lines[i].text, &name)) {
      case LineKind::Section: {
        if (!doc.sections.empty()) doc.sections.back().end = i;
        Section s;
        s.name = name;
        s.folded = Fold(name);
        s.header = i;
        doc.sectionIndex.emplace(s.folded, doc.sections.size());
        doc.sections.push_back(std::move(s));
        break;
      }
      case LineKind::Key:
        if (!doc.sections.empty()) {
          Section& s = doc.sections.back();
          s.keyLines.push_back(i);
          s.keys.emplace(Fold(name), i);  // keeps the first occurrence
        }
        break;
      default: break;
    }
  }
  if (!doc.sections.empty()) doc.sections.back().end = doc.lines.size();
}

Document Parse(const std::string& bytes) {
  Document doc;
  if (bytes.empty()) return doc;  // an empty file is written like a new one
  const std::wstring text = DecodeText(bytes, &doc.encoding).ToStdWstring();
  bool eolSeen = false;
  std::size_t start = 0;
  const std::size_t n = text.size();
  while (start < n) {
    std::size_t i = start;
    while (i < n && text[i] != L'\r' && text[i] != L'\n') ++i;
    Line line;
    line.text = wxString(text.data() + start, i - start);
    std::size_t next = i;
    if (i < n) {
      if (text[i] == L'\r' && i + 1 < n && text[i + 1] == L'\n') {
        line.eol = Eol::CrLf;
        next = i + 2;
      } else {
        line.eol = text[i] == L'\r' ? Eol::Cr : Eol::Lf;
        next = i + 1;
      }
      if (!eolSeen) doc.eol = line.eol;
      eolSeen = true;
    }
    doc.lines.push_back(std::move(line));
    start = next;
  }
  Reindex(doc);
  return doc;
}

// The file's bytes; false when its encoding cannot hold the text (an 8-bit
// file given characters beyond its code page).
bool Serialize(const Document& doc, std::string& bytes) {
  std::size_t length = 0;
  for (const Line& line : doc.lines) length += line.text.length() + 2;
  wxString text;
  text.reserve(length);
  for (const Line& line : doc.lines) {
    text += line.text;
    text += EolText(line.eol);
  }
  if (!CanEncodeText(text, doc.encoding)) return false;
  bytes = EncodeText(text, doc.encoding);
  return true;
}

const Section* FindSection(const Document& doc, const wxString& section) {
  const auto it = doc.sectionIndex.find(Fold(Trim(section)));
  return it == doc.sectionIndex.end() ? nullptr : &doc.sections[it->second];
}

const Line* FindKey(const Document& doc, const wxString& section, const wxString& key) {
  const Section* s = FindSection(doc, section);
  if (!s) return nullptr;
  const auto it = s->keys.find(Fold(Trim(key)));
  return it == s->keys.end() ? nullptr : &doc.lines[it->second];
}

// Inserts a line before line pos; the line before it gets a line end if it had none.
void InsertLine(Document& doc, std::size_t pos, const wxString& text) {
  if (pos > 0 && doc.lines[pos - 1].eol == Eol::None) doc.lines[pos - 1].eol = doc.eol;
  doc.lines.insert(doc.lines.begin() + static_cast<std::ptrdiff_t>(pos), Line{text, doc.eol});
}

// Removes the marked lines; false when none is marked.
bool EraseLines(Document& doc, const std::vector<bool>& marked) {
  if (std::find(marked.begin(), marked.end(), true) == marked.end()) return false;
  std::size_t out = 0;
  for (std::size_t i = 0; i < doc.lines.size(); ++i) {
    if (!marked[i]) doc.lines[out++] = std::move(doc.lines[i]);
  }
  doc.lines.resize(out);
  return true;
}

// Line numbers from pos on move down by one, in the sections from first on.
void ShiftLines(Document& doc, std::size_t first, std::size_t pos) {
  for (std::size_t i = first; i < doc.sections.size(); ++i) {
    Section& s = doc.sections[i];
    if (s.header >= pos) ++s.header;
    if (s.end >= pos) ++s.end;
    for (std::size_t& line : s.keyLines) line += line >= pos ? 1 : 0;
    for (auto& entry : s.keys) entry.second += entry.second >= pos ? 1 : 0;
  }
}

// The edits below return whether the document changed. Names are trimmed.
// SetValue keeps the indexes in step; the deletions leave a Reindex to the caller.

bool SetValue(Document& doc, const wxString& section, const wxString& key, const wxString& value) {
  const std::wstring foldedSection = Fold(section);
  const auto sIt = doc.sectionIndex.find(foldedSection);
  if (sIt == doc.sectionIndex.end()) {
    const std::size_t header = doc.lines.size();
    InsertLine(doc, header, wxS("[") + section + wxS("]"));
    InsertLine(doc, header + 1, key + wxS("=") + value);
    Section added;
    added.name = section;
    added.folded = foldedSection;
    added.header = header;
    added.end = header + 2;
    added.keyLines.push_back(header + 1);
    added.keys.emplace(Fold(key), header + 1);
    doc.sectionIndex.emplace(foldedSection, doc.sections.size());
    doc.sections.push_back(std::move(added));
    return true;
  }
  const std::size_t index = sIt->second;
  Section& s = doc.sections[index];
  const std::wstring foldedKey = Fold(key);
  const auto kIt = s.keys.find(foldedKey);
  if (kIt == s.keys.end()) {
    const std::size_t pos = (s.keyLines.empty() ? s.header : s.keyLines.back()) + 1;
    InsertLine(doc, pos, key + wxS("=") + value);
    ++s.end;
    s.keyLines.push_back(pos);
    s.keys.emplace(foldedKey, pos);
    ShiftLines(doc, index + 1, pos);
    return true;
  }
  // Keep the key as spelt, the blanks around '=' and the line end; replace the value.
  Line& line = doc.lines[kIt->second];
  std::size_t start = line.text.find('=') + 1;
  if (!value.empty()) {
    while (start < line.text.length() && IsBlank(line.text[start])) ++start;
  }
  wxString updated = line.text.substr(0, start) + value;
  if (updated == line.text) return false;
  line.text = std::move(updated);
  return true;
}

// Deletes the key from every section of that name, so that reads then miss it.
bool DeleteKey(Document& doc, const wxString& section, const wxString& key) {
  const std::wstring foldedSection = Fold(section);
  const std::wstring foldedKey = Fold(key);
  std::vector<bool> marked(doc.lines.size(), false);
  wxString name;
  for (const Section& s : doc.sections) {
    if (s.folded != foldedSection) continue;
    for (std::size_t line : s.keyLines) {
      Classify(doc.lines[line].text, &name);
      if (Fold(name) == foldedKey) marked[line] = true;
    }
  }
  return EraseLines(doc, marked);
}

// Deletes every section of that name: its header and all lines up to the next header.
bool DeleteSection(Document& doc, const wxString& section) {
  const std::wstring folded = Fold(section);
  std::vector<bool> marked(doc.lines.size(), false);
  for (const Section& s : doc.sections) {
    if (s.folded != folded) continue;
    std::fill(marked.begin() + static_cast<std::ptrdiff_t>(s.header),
              marked.begin() + static_cast<std::ptrdiff_t>(s.end), true);
  }
  return EraseLines(doc, marked);
}

// ---------------------------------------------------------------------------
// Cache

// What one stat of the file tells: modification time at full resolution
// (nanoseconds on POSIX, 100 ns on Windows), size, and on POSIX the inode, which
// changes when another program replaces the file by renaming.
struct Stamp {
  std::int64_t mtime = 0;
  std::uint64_t size = 0;
  std::uint64_t inode = 0;
  std::uint64_t device = 0;
  bool operator==(const Stamp& o) const {
    return mtime == o.mtime && size == o.size && inode == o.inode && device == o.device;
  }
  bool operator!=(const Stamp& o) const { return !(*this == o); }
};

enum class FileState { Present, Missing, Error };

FileState StatFile(const fs::path& path, Stamp& stamp) {
#ifdef _WIN32
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
    const DWORD err = GetLastError();
    return err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND ? FileState::Missing : FileState::Error;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return FileState::Error;
  stamp = Stamp{};
  stamp.mtime =
      static_cast<std::int64_t>((static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                data.ftLastWriteTime.dwLowDateTime);
  stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
#else
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::Error;
  }
  if (!S_ISREG(st.st_mode)) return FileState::Error;
#ifdef __APPLE__
  const struct timespec& mtime = st.st_mtimespec;
#else
  const struct timespec& mtime = st.st_mtim;
#endif
  stamp.mtime = static_cast<std::int64_t>(mtime.tv_sec) * 1000000000 + mtime.tv_nsec;
  stamp.size = static_cast<std::uint64_t>(st.st_size);
  stamp.inode = static_cast<std::uint64_t>(st.st_ino);
  stamp.device = static_cast<std::uint64_t>(st.st_dev);
#endif
  return FileState::Present;
}

struct CacheEntry {
  Stamp stamp;
  Document doc;
  std::uint64_t lastUse = 0;
  bool batched = false;  // a write batch owns the file: the document is the truth
  bool dirty = false;    // the batch changed the document since the file was read
};

constexpr std::size_t kMaxCachedFiles = 32;

struct Cache {
  std::mutex mutex;
  std::unordered_map<fs::path::string_type, CacheEntry> entries;
  std::uint64_t clock = 0;
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

// The caller holds cache.mutex.
const Document& Store(Cache& cache, const fs::path& path, const Stamp& stamp, Document doc) {
  auto it = cache.entries.find(path.native());
  if (it == cache.entries.end()) {
    if (cache.entries.size() >= kMaxCachedFiles) {
      // Batched files are never dropped: their writes live only here.
      const auto oldest =
          std::min_element(cache.entries.begin(), cache.entries.end(), [](const auto& a, const auto& b) {
            if (a.second.batched != b.second.batched) return !a.second.batched;
            return a.second.lastUse < b.second.lastUse;
          });
      if (!oldest->second.batched) cache.entries.erase(oldest);
    }
    it = cache.entries.emplace(path.native(), CacheEntry{}).first;
  }
  it->second.stamp = stamp;
  it->second.doc = std::move(doc);
  it->second.lastUse = ++cache.clock;
  return it->second.doc;
}

// The parsed file, re-read only when its stamp changed; nullptr when the file
// is missing (state Missing) or cannot be read (state Error). The caller holds
// cache.mutex; the result stays valid while it does.
const Document* Load(Cache& cache, const wxString& file, const fs::path& path, FileState& state) {
  const auto batched = cache.entries.find(path.native());
  if (batched != cache.entries.end() && batched->second.batched) {
    state = FileState::Present;
    batched->second.lastUse = ++cache.clock;
    return &batched->second.doc;
  }
  Stamp stamp;
  state = StatFile(path, stamp);
  if (state != FileState::Present) {
    cache.entries.erase(path.native());
    return nullptr;
  }
  const auto it = cache.entries.find(path.native());
  if (it != cache.entries.end() && it->second.stamp == stamp) {
    it->second.lastUse = ++cache.clock;
    return &it->second.doc;
  }
  // Stat before reading: a change during the read shows as a new stamp next time.
  std::string bytes;
  if (!ReadFileBytes(file, bytes)) {
    state = FileState::Error;
    cache.entries.erase(path.native());
    return nullptr;
  }
  return &Store(cache, path, stamp, Parse(bytes));
}

// Runs f(const Document*) under the cache lock; the pointer is null when the
// file cannot be read.
template <typename F>
auto WithDocument(const wxString& file, F&& f) {
  const fs::path path = ToFsPath(file);
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  FileState state;
  return f(Load(cache, file, path, state));
}

std::optional<wxString> LookUp(const wxString& file, const wxString& section, const wxString& key) {
  return WithDocument(file, [&](const Document* doc) -> std::optional<wxString> {
    const Line* line = doc ? FindKey(*doc, section, key) : nullptr;
    if (!line) return std::nullopt;
    return ValueOf(line->text);
  });
}

// A name that would read back as something else once written.
bool IsWritableSection(const wxString& section) {
  return !HasLineBreak(section) && section.find(']') == wxString::npos;
}

bool IsWritableKey(const wxString& key) {
  return !HasLineBreak(key) && key.find('=') == wxString::npos && !key.StartsWith(wxS(";")) &&
         !key.StartsWith(wxS("["));
}

}  // namespace

wxString ReadProfileString(const wxString& file, const wxString& section, const wxString& key,
                           const wxString& def, std::size_t bufferSize) {
  const std::optional<wxString> value = LookUp(file, section, key);
  return Truncate(value ? *value : TrimRight(def), bufferSize);
}

int ReadProfileInt(const wxString& file, const wxString& section, const wxString& key, int def) {
  const std::optional<wxString> value = LookUp(file, section, key);
  if (!value) return def;
  const wxString& s = *value;
  std::size_t i = 0;
  bool negative = false;
  if (i < s.length() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  long long n = 0;
  for (; i < s.length() && s[i] >= '0' && s[i] <= '9'; ++i) {
    n = std::min<long long>(n * 10 + (static_cast<int>(s[i].GetValue()) - '0'), 1LL + INT_MAX);
  }
  if (negative) n = -n;
  return static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
}

bool ProfileKeyExists(const wxString& file, const wxString& section, const wxString& key) {
  return WithDocument(file, [&](const Document* doc) { return doc && FindKey(*doc, section, key); });
}

std::vector<wxString> ReadProfileSectionNames(const wxString& file) {
  return WithDocument(file, [&](const Document* doc) {
    std::vector<wxString> names;
    if (!doc) return names;
    for (std::size_t i = 0; i < doc->sections.size(); ++i) {
      const Section& s = doc->sections[i];
      if (doc->sectionIndex.at(s.folded) == i) names.push_back(s.name);
    }
    return names;
  });
}

std::vector<wxString> ReadProfileSection(const wxString& file, const wxString& section) {
  return WithDocument(file, [&](const Document* doc) {
    std::vector<wxString> entries;
    const Section* s = doc ? FindSection(*doc, section) : nullptr;
    if (!s) return entries;
    wxString name;
    for (std::size_t i = s->header + 1; i < s->end; ++i) {
      const wxString& text = doc->lines[i].text;
      switch (Classify(text, &name)) {
        case LineKind::Key: entries.push_back(name + wxS("=") + ValueOf(text)); break;
        case LineKind::Other: entries.push_back(Trim(text)); break;
        default: break;
      }
    }
    return entries;
  });
}

std::vector<wxString> ReadProfileKeys(const wxString& file, const wxString& section) {
  return WithDocument(file, [&](const Document* doc) {
    std::vector<wxString> keys;
    const Section* s = doc ? FindSection(*doc, section) : nullptr;
    if (!s) return keys;
    wxString name;
    for (std::size_t line : s->keyLines) {
      Classify(doc->lines[line].text, &name);
      if (s->keys.at(Fold(name)) == line) keys.push_back(name);
    }
    return keys;
  });
}

bool WriteProfileString(const wxString& file, const wxString& section, const std::optional<wxString>& key,
                        const std::optional<wxString>& value) {
  const wxString sectionName = Trim(section);
  const wxString keyName = key ? Trim(*key) : wxString();
  if (!IsWritableSection(sectionName) || (key && !IsWritableKey(keyName)) ||
      (key && value && HasLineBreak(*value))) {
    return false;
  }

  const fs::path path = ToFsPath(file);
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  FileState state;
  const Document* current = Load(cache, file, path, state);
  if (state == FileState::Error) return false;
  const bool deleting = !key || !value;
  if (!current && deleting) return true;

  const auto entry = cache.entries.find(path.native());
  if (entry != cache.entries.end() && entry->second.batched) {
    Document& batchedDoc = entry->second.doc;
    bool edited;
    if (!key) {
      edited = DeleteSection(batchedDoc, sectionName);
    } else if (!value) {
      edited = DeleteKey(batchedDoc, sectionName, keyName);
    } else {
      edited = SetValue(batchedDoc, sectionName, keyName, *value);
    }
    if (edited && deleting) Reindex(batchedDoc);
    entry->second.dirty = entry->second.dirty || edited;
    return true;
  }

  Document doc = current ? *current : Document{};
  bool changed;
  if (!key) {
    changed = DeleteSection(doc, sectionName);
  } else if (!value) {
    changed = DeleteKey(doc, sectionName, keyName);
  } else {
    changed = SetValue(doc, sectionName, keyName, *value);
  }
  if (!changed) return true;

  std::string bytes;
  if (!Serialize(doc, bytes) || !WriteFileAtomically(file, bytes)) return false;
  Reindex(doc);
  Stamp stamp;
  if (StatFile(path, stamp) == FileState::Present) {
    Store(cache, path, stamp, std::move(doc));
  } else {
    cache.entries.erase(path.native());
  }
  return true;
}

ProfileWriteBatch::ProfileWriteBatch(const wxString& file) : m_file(file) {
  const fs::path path = ToFsPath(file);
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  FileState state;
  const Document* doc = Load(cache, file, path, state);
  if (state == FileState::Error) return;  // writes then go to the file one by one and fail there
  if (!doc) Store(cache, path, Stamp{}, Document{});
  CacheEntry& entry = cache.entries.at(path.native());
  entry.batched = true;
  entry.dirty = false;
  m_open = true;
}

ProfileWriteBatch::~ProfileWriteBatch() { Discard(); }

bool ProfileWriteBatch::Commit() {
  if (!m_open) return true;
  m_open = false;
  const fs::path path = ToFsPath(m_file);
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  const auto it = cache.entries.find(path.native());
  if (it == cache.entries.end()) return false;
  it->second.batched = false;
  if (!it->second.dirty) return true;
  std::string bytes;
  if (!Serialize(it->second.doc, bytes) || !WriteFileAtomically(m_file, bytes)) {
    cache.entries.erase(it);  // the next read sees the file as it stands
    return false;
  }
  it->second.dirty = false;
  Stamp stamp;
  if (StatFile(path, stamp) == FileState::Present)
    it->second.stamp = stamp;
  else
    cache.entries.erase(it);
  return true;
}

void ProfileWriteBatch::Discard() {
  if (!m_open) return;
  m_open = false;
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  cache.entries.erase(ToFsPath(m_file).native());  // reads go back to the file
}

void ClearProfileCache() {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  for (auto it = cache.entries.begin(); it != cache.entries.end();) {
    it = it->second.batched ? std::next(it) : cache.entries.erase(it);  // an open batch keeps its writes
  }
}

}  // namespace platform
