// INI profile files with the behaviour of the Windows profile functions.
//
// Section and key names compare without regard to case; blanks around them
// are ignored. Where a section or a key occurs twice, the first one counts.
// Lines starting with ';' (after any blanks) are comments. Values are trimmed
// and one pair of surrounding quotes (' or ") is removed. Results are cut to
// the caller's buffer size minus one. Files are read as UTF-16LE/BE (with BOM),
// UTF-8 (with or without BOM) or 8-bit text; a file this layer creates (or
// finds empty) is UTF-16LE with BOM and CRLF line ends, an existing file keeps
// its encoding and line ends. Reads go through a process-wide, thread-safe
// cache that stats the file on every call and parses it again only when its
// modification time or size (or, on POSIX, its inode) changed. A write goes to
// a temporary file beside the target, which is then renamed over it; a
// ProfileWriteBatch gathers many writes into one.
#pragma once

#include <wx/string.h>

#include <cstddef>
#include <optional>
#include <type_traits>
#include <vector>

namespace platform {

// Default buffer size used by callers that do not pass their own.
constexpr std::size_t kProfileBufferSize = 260;

// GetPrivateProfileString: the value of key in section, or def (without its
// trailing blanks) when the file, section or key is missing; cut to
// bufferSize - 1 characters (an empty result for size 0).
wxString ReadProfileString(const wxString& file, const wxString& section, const wxString& key,
                           const wxString& def, std::size_t bufferSize = kProfileBufferSize);

// GetPrivateProfileInt: a leading optional sign and decimal digits of the
// value; def when the key is missing; 0 when the value holds no digits. Values
// beyond the range of int are clamped.
int ReadProfileInt(const wxString& file, const wxString& section, const wxString& key, int def);

// True when the section exists and holds the key.
bool ProfileKeyExists(const wxString& file, const wxString& section, const wxString& key);

// Names of all sections, in file order, each once.
std::vector<wxString> ReadProfileSectionNames(const wxString& file);

// Every "key=value" line of a section (names trimmed, values trimmed and
// unquoted as above), in file order, repeated keys included; lines without '='
// are returned trimmed. Comments and blank lines are left out.
std::vector<wxString> ReadProfileSection(const wxString& file, const wxString& section);

// Key names of a section, in file order, each once.
std::vector<wxString> ReadProfileKeys(const wxString& file, const wxString& section);

// WritePrivateProfileString: replaces the value in place (the rest of the file
// stays as it is), or appends the key after the last key of its section, or
// appends the section at the end of the file. A missing value deletes the key;
// a missing key deletes the whole section (header and lines up to the next
// header). Deletions reach every occurrence of a repeated section or key;
// deleting what is not there changes nothing and returns true. Values are
// stored as given. Returns false when the file could not be written (the old
// file is then left untouched; missing folders are not created), when an
// 8-bit file cannot hold the text (it is left as it was), and for names
// or values that would not read back: a line break anywhere, '=' or a leading
// ';' or '[' in a key, ']' in a section.
bool WriteProfileString(const wxString& file, const wxString& section, const std::optional<wxString>& key,
                        const std::optional<wxString>& value);

inline bool WriteProfileString(const wxString& file, const wxString& section, const wxString& key,
                               const wxString& value) {
  return WriteProfileString(file, section, std::optional<wxString>(key), std::optional<wxString>(value));
}
// Takes any pair of string types (e.g. two literals, which would otherwise be
// ambiguous between the two overloads above).
template <typename K, typename V,
          typename = std::enable_if_t<std::is_convertible_v<const K&, wxString> &&
                                      std::is_convertible_v<const V&, wxString>>>
inline bool WriteProfileString(const wxString& file, const wxString& section, const K& key, const V& value) {
  return WriteProfileString(file, section, wxString(key), wxString(value));
}
inline bool DeleteProfileKey(const wxString& file, const wxString& section, const wxString& key) {
  return WriteProfileString(file, section, std::optional<wxString>(key), std::nullopt);
}
inline bool DeleteProfileSection(const wxString& file, const wxString& section) {
  return WriteProfileString(file, section, std::nullopt, std::nullopt);
}

// Collects the writes to one file in memory: while the batch is open,
// WriteProfileString and the deletions on that file change only the cached
// copy, which every read in this process sees, and Commit writes the file
// once, atomically (nothing when nothing changed). A batch that ends without
// Commit drops what it collected. Changes other programs make to the file
// meanwhile are not seen, and are overwritten by Commit. One batch per file.
class ProfileWriteBatch {
 public:
  explicit ProfileWriteBatch(const wxString& file);
  ~ProfileWriteBatch();
  ProfileWriteBatch(const ProfileWriteBatch&) = delete;
  ProfileWriteBatch& operator=(const ProfileWriteBatch&) = delete;

  // False when the file could not be written: the old file is then left as
  // it was and reads see it again.
  bool Commit();
  void Discard();

 private:
  wxString m_file;
  bool m_open = false;
};

// Drops every cached file but those of open write batches (tests; callers
// never need it: the cache checks the file on every read).
void ClearProfileCache();

}  // namespace platform
