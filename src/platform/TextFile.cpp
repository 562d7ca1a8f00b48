#include "platform/TextFile.h"

#include "platform/WindowsApi.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#include <string>
#include <string_view>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// wchar_t holds UTF-16 on Windows and UTF-32 elsewhere.
void AppendCodePoint(std::wstring& out, char32_t cp) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(cp));
}

// Calls f for every code point of s; an unpaired surrogate comes as itself.
template <typename F>
void ForEachCodePoint(const std::wstring& s, F&& f) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = static_cast<char32_t>(s[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (IsHighSurrogate(c) && i + 1 < s.size() && IsLowSurrogate(s[i + 1])) {
        c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(s[i + 1]) - 0xDC00);
        ++i;
      }
    }
    f(c);
  }
}

// Strict decoder: false on any malformed, overlong or surrogate sequence. With
// lenient set, each bad byte becomes U+FFFD instead.
bool DecodeUtf8(const char* p, std::size_t n, std::wstring& out, bool lenient) {
  out.clear();
  out.reserve(n);
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(p[i]);
    if (c < 0x80) {
      out.push_back(static_cast<wchar_t>(c));
      ++i;
      continue;
    }
    // Sequence length, payload bits of the lead byte, smallest code point.
    std::size_t len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((c & 0xE0) == 0xC0) {
      len = 2;
      cp = c & 0x1F;
      min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3;
      cp = c & 0x0F;
      min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4;
      cp = c & 0x07;
      min = 0x10000;
    }
    bool ok = len != 0 && n - i >= len;
    for (std::size_t k = 1; ok && k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(p[i + k]);
      ok = (cc & 0xC0) == 0x80;
      cp = (cp << 6) | (cc & 0x3F);
    }
    ok = ok && cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    if (!ok) {
      if (!lenient) return false;
      AppendCodePoint(out, kReplacement);
      ++i;
      continue;
    }
    AppendCodePoint(out, cp);
    i += len;
  }
  return true;
}

std::wstring DecodeUtf16(const char* p, std::size_t n, bool bigEndian) {
  std::wstring out;
  out.reserve(n / 2);
  auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(p[2 * i]);
    const auto b = static_cast<unsigned char>(p[2 * i + 1]);
    return bigEndian ? static_cast<char32_t>((a << 8) | b) : static_cast<char32_t>((b << 8) | a);
  };
  const std::size_t units = n / 2;  // an odd last byte is dropped
  for (std::size_t i = 0; i < units; ++i) {
    char32_t u = unit(i);
    if (IsHighSurrogate(u) && i + 1 < units && IsLowSurrogate(unit(i + 1))) {
      u = 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    }
    AppendCodePoint(out, u);
  }
  return out;
}

std::wstring DecodeEightBit(const char* p, std::size_t n) {
#ifdef _WIN32
  std::size_t outLen = 0;
  const wxWCharBuffer buf = wxConvLocal.cMB2WC(p, n, &outLen);
  if (buf.data()) return std::wstring(buf.data(), outLen);
#endif
  std::wstring out;
  out.reserve(n);
  for (std::size_t i = 0; i < n; ++i) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(p[i])));
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp >= 0xD800 && cp <= 0xDFFF) cp = kReplacement;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

void AppendUtf16(std::string& out, char32_t cp, bool bigEndian) {
  auto put = [&](char32_t u) {
    const char hi = static_cast<char>((u >> 8) & 0xFF);
    const char lo = static_cast<char>(u & 0xFF);
    out.push_back(bigEndian ? hi : lo);
    out.push_back(bigEndian ? lo : hi);
  };
  if (cp >= 0x10000) {
    cp -= 0x10000;
    put(0xD800 + (cp >> 10));
    put(0xDC00 + (cp & 0x3FF));
  } else {
    put(cp);
  }
}

std::string EncodeEightBit(const std::wstring& s) {
#ifdef _WIN32
  std::size_t outLen = 0;
  const wxCharBuffer whole = wxConvLocal.cWC2MB(s.data(), s.size(), &outLen);
  if (whole.data()) return std::string(whole.data(), outLen);
  // Some character is missing from the code page: convert one at a time.
  std::string out;
  ForEachCodePoint(s, [&](char32_t cp) {
    std::wstring one;
    AppendCodePoint(one, cp);
    std::size_t len = 0;
    const wxCharBuffer buf = wxConvLocal.cWC2MB(one.data(), one.size(), &len);
    if (buf.data()) {
      out.append(buf.data(), len);
    } else {
      out.push_back('?');
    }
  });
  return out;
#else
  std::string out;
  out.reserve(s.size());
  ForEachCodePoint(s, [&](char32_t cp) { out.push_back(cp <= 0xFF ? static_cast<char>(cp) : '?'); });
  return out;
#endif
}

bool HasPrefix(const std::string& bytes, const char* prefix, std::size_t n) {
  return bytes.size() >= n && bytes.compare(0, n, prefix, n) == 0;
}

// Name suffix of a temporary file: random per process, counted per call.
std::string TempSuffix() {
  static const std::uint32_t seed = [] {
    std::random_device rd;
    return static_cast<std::uint32_t>(rd());
  }();
  static std::atomic<std::uint32_t> counter{0};
  char buf[40];
  std::snprintf(buf, sizeof buf, ".%08x%04x.tmp", static_cast<unsigned>(seed),
                static_cast<unsigned>(++counter & 0xFFFF));
  return buf;
}

#ifndef _WIN32
// The mode bits a new file gets: 0666 less the process umask (read without
// changing it where the system tells it).
mode_t NewFileMode() {
  mode_t mask = 022;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, 6, "Umask:") == 0) mask = static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  }
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Makes a rename inside folder durable.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

// Whether name is one of our temporary files of target: "<target>.<12 hex digits>.tmp".
bool IsTempNameOf(const fs::path::string_type& name, const fs::path::string_type& target) {
  constexpr std::size_t kHexDigits = 12;
  if (name.size() != target.size() + 1 + kHexDigits + 4 || name.compare(0, target.size(), target) != 0) {
    return false;
  }
  const fs::path::string_type tail = name.substr(name.size() - 4);
  if (name[target.size()] != '.' || tail.size() != 4 || tail[0] != '.' || tail[1] != 't' || tail[2] != 'm' ||
      tail[3] != 'p') {
    return false;
  }
  for (std::size_t i = target.size() + 1; i < target.size() + 1 + kHexDigits; ++i) {
    const auto c = name[i];
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

// Removes temporary files of target that a killed writer left behind. A live
// writer holds a lock on its file, so that only orphans go.
void SweepStaleTemps(const fs::path& target) {
  std::error_code ec;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const fs::path::string_type base = target.filename().native();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& entry = it->path();
    if (!IsTempNameOf(entry.filename().native(), base)) continue;
#ifdef _WIN32
    fs::remove(entry, ec);  // fails while its writer still has it open
#else
    const int fd = ::open(entry.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(entry.c_str());
    ::close(fd);
#endif
  }
}

#ifdef _WIN32
bool WriteTemp(const fs::path& p, const std::string& bytes, bool& exists) {
  std::FILE* f = nullptr;
  exists = _wfopen_s(&f, p.c_str(), L"wbx") == EEXIST;
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = _commit(_fileno(f)) == 0 && ok;
  return std::fclose(f) == 0 && ok;
}
#else
// Creates p private to the user, writes and flushes bytes to the disk, and
// gives it mode; exists tells that the name was taken.
bool WriteTemp(const fs::path& p, const std::string& bytes, mode_t mode, bool& exists) {
  const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  exists = fd < 0 && errno == EEXIST;
  if (fd < 0) return false;
  ::flock(fd, LOCK_EX);  // held until closed; tells a sweeper the file is in use
  bool ok = WriteAll(fd, bytes);
  ok = ok && ::fchmod(fd, mode) == 0;
  ok = ok && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}
#endif

bool RenameOver(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
  // A reader or a virus scanner may hold the target for a moment.
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    const DWORD err = GetLastError();
    if (err != ERROR_ACCESS_DENIED && err != ERROR_SHARING_VIOLATION) return false;
    Sleep(50);
  }
  return false;
#else
  std::error_code ec;
  fs::rename(from, to, ec);
  return !ec;
#endif
}

}  // namespace

wxString DecodeText(const std::string& bytes, TextEncoding* encoding) {
  TextEncoding found;
  std::wstring text;
  if (HasPrefix(bytes, "\xFF\xFE", 2)) {
    found = TextEncoding::Utf16LE;
    text = DecodeUtf16(bytes.data() + 2, bytes.size() - 2, false);
  } else if (HasPrefix(bytes, "\xFE\xFF", 2)) {
    found = TextEncoding::Utf16BE;
    text = DecodeUtf16(bytes.data() + 2, bytes.size() - 2, true);
  } else if (HasPrefix(bytes, "\xEF\xBB\xBF", 3)) {
    found = TextEncoding::Utf8Bom;
    DecodeUtf8(bytes.data() + 3, bytes.size() - 3, text, true);
  } else if (DecodeUtf8(bytes.data(), bytes.size(), text, false)) {
    found = TextEncoding::Utf8;
  } else {
    found = TextEncoding::EightBit;
    text = DecodeEightBit(bytes.data(), bytes.size());
  }
  if (encoding) *encoding = found;
  return wxString(text);
}

std::string EncodeText(const wxString& text, TextEncoding encoding) {
  const std::wstring& s = text.ToStdWstring();
  std::string out;
  switch (encoding) {
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
      const bool be = encoding == TextEncoding::Utf16BE;
      out.reserve(2 + 2 * s.size());
      out.append(be ? "\xFE\xFF" : "\xFF\xFE", 2);
      ForEachCodePoint(s, [&](char32_t cp) { AppendUtf16(out, cp, be); });
      break;
    }
    case TextEncoding::Utf8Bom:
    case TextEncoding::Utf8:
      out.reserve(s.size() + 3);
      if (encoding == TextEncoding::Utf8Bom) out.append("\xEF\xBB\xBF", 3);
      ForEachCodePoint(s, [&](char32_t cp) { AppendUtf8(out, cp); });
      break;
    case TextEncoding::EightBit: out = EncodeEightBit(s); break;
  }
  return out;
}

bool CanEncodeText(const wxString& text, TextEncoding encoding) {
  if (encoding != TextEncoding::EightBit) return true;
  const std::wstring& s = text.ToStdWstring();
#ifdef _WIN32
  std::size_t outLen = 0;
  return s.empty() || wxConvLocal.cWC2MB(s.data(), s.size(), &outLen).data() != nullptr;
#else
  return std::all_of(s.begin(), s.end(), [](wchar_t c) { return static_cast<std::uint32_t>(c) <= 0xFF; });
#endif
}

#ifndef _WIN32
// The path as the system calls take it: what ToFsPath holds, without the
// parsing of its names that a filesystem path does.
static std::string NativePath(const wxString& path) { return EncodeText(path, TextEncoding::Utf8); }
#endif

fs::path ToFsPath(const wxString& path) {
#ifdef _WIN32
  return fs::path(path.ToStdWstring());
#else
  // Not utf8_string(): it caches the conversion inside the wxString, which races
  // when two threads convert the same string.
  return fs::path(EncodeText(path, TextEncoding::Utf8));
#endif
}

wxString FromFsPath(const fs::path& path) {
#ifdef _WIN32
  return wxString(path.wstring());
#else
  return wxString::FromUTF8(path.string().c_str());
#endif
}

std::string ToOemText(const wxString& text) {
#ifdef _WIN32
  const std::wstring wide = text.ToStdWstring();
  const int size = WideCharToMultiByte(CP_OEMCP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_OEMCP, 0, wide.c_str(), -1, out.data(), size, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(size - 1));
  return out;
#else
  return std::string(text.utf8_str());
#endif
}

bool ReadFileBytes(const wxString& path, std::string& bytes) {
#ifdef _WIN32
  bytes.clear();
  std::FILE* file = OpenFile(path, "rb");
  if (!file) return false;
  char buf[65536];
  for (std::size_t got; (got = std::fread(buf, 1, sizeof buf, file)) > 0;) bytes.append(buf, got);
  const bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
#else
  const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    bytes.clear();
    return false;
  }
  // Reads the size the file has now in one go, asking for one byte more: a
  // read that stops short at that size has met the end. Otherwise (the file
  // grew, or the read was cut short) on to the end. The bytes a buffer held
  // before are read over, not cleared first: only the part it grows by is
  // filled before the read.
  struct stat info;
  const bool sized = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
  const std::size_t statSize = sized ? static_cast<std::size_t>(info.st_size) : 0;
  std::size_t capacity = sized ? statSize + 1 : 65536;
  bool ok = true;
  for (std::size_t size = 0;;) {
    bytes.resize(capacity);
    const std::size_t wanted = capacity - size;
    const ssize_t n = ::read(fd, &bytes[size], wanted);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      bytes.resize(size);
      break;
    }
    size += static_cast<std::size_t>(n);
    if (sized && size == statSize && static_cast<std::size_t>(n) < wanted) {
      bytes.resize(size);
      break;
    }
    if (size == capacity) capacity *= 2;
  }
  ::close(fd);
  return ok;
#endif
}

#ifndef _WIN32
// Cuts the file to length; a file no longer than that is spared the (journalled) truncate.
static bool CutToLength(int fd, std::size_t length) {
  struct stat info;
  if (::fstat(fd, &info) == 0 && static_cast<std::uintmax_t>(info.st_size) <= length) return true;
  return ::ftruncate(fd, static_cast<off_t>(length)) == 0;
}
#endif

bool CutOpenFile(std::FILE* file, std::size_t length) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _chsize_s(_fileno(file), static_cast<__int64>(length)) == 0;
#else
  return CutToLength(fileno(file), length);
#endif
}

bool WriteFileBytes(const wxString& path, const std::string& bytes) {
  // Written over and then cut to its new length, never cut to nothing first:
  // a file system may flush a file emptied and rewritten at once.
#ifdef _WIN32
  std::FILE* file = _wfopen(ToFsPath(path).c_str(), L"r+b");
  if (!file) file = _wfopen(ToFsPath(path).c_str(), L"wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = ok && CutOpenFile(file, bytes.size());
  return std::fclose(file) == 0 && ok;
#else
  const int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  ok = ok && CutToLength(fd, bytes.size());
  return ::close(fd) == 0 && ok;
#endif
}

bool WriteNewFile(const wxString& path, const std::string& bytes) {
#ifdef _WIN32
  std::FILE* file = _wfopen(ToFsPath(path).c_str(), L"wbx");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
#else
  const int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const bool ok = WriteAll(fd, bytes);
  return ::close(fd) == 0 && ok;
#endif
}

#ifndef _WIN32
// Copies the rest of in to out within the kernel; false when it cannot (a
// kernel or file system without it) before anything was copied, or fails.
static bool CopyInKernel(int in, int out, bool* unsupported) {
  *unsupported = false;
  for (bool first = true;; first = false) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
    if (n == 0) return true;
    if (n > 0) continue;
    if (errno == EINTR) continue;
    *unsupported = first && (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP);
    return false;
  }
}

// Copies the rest of in to out through a buffer.
static bool CopyThroughBuffer(int in, int out) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!WriteAll(out, std::string_view(buffer, static_cast<std::size_t>(n)))) return false;
  }
}
#endif

bool CopyToNewFile(const wxString& from, const wxString& to) {
#ifdef _WIN32
  std::string bytes;
  return ReadFileBytes(from, bytes) && WriteNewFile(to, bytes);
#else
  const int in = ::open(NativePath(from).c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  const int out = ::open(NativePath(to).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (out < 0) {
    ::close(in);
    return false;
  }
  bool unsupported = false;
  bool ok = CopyInKernel(in, out, &unsupported);
  if (!ok && unsupported) ok = CopyThroughBuffer(in, out);
  ::close(in);
  return ::close(out) == 0 && ok;
#endif
}

namespace {

// Writes bytes to a temporary file beside target and renames it over target;
// a link at target is replaced, not followed.
bool WriteBesideAndRename(const fs::path& target, const std::string& bytes) {
  SweepStaleTemps(target);
#ifndef _WIN32
  // The new file takes over the old one's permissions (a private file stays
  // private); a link's own permissions mean nothing for it.
  struct stat old;
  const mode_t mode =
      ::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : NewFileMode();
#endif

  fs::path temp;
  bool written = false;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temp = target;
    temp += TempSuffix();
    bool exists = false;
#ifdef _WIN32
    written = WriteTemp(temp, bytes, exists);
#else
    written = WriteTemp(temp, bytes, mode, exists);
#endif
    if (!exists) break;
  }
  std::error_code ec;
  bool ok = written && RenameOver(temp, target);
  if (!ok) {
    fs::remove(temp, ec);
    return false;
  }
#ifndef _WIN32
  SyncFolder(target.parent_path());
#endif
  return true;
}

}  // namespace

bool WriteFileAtomically(const wxString& path, const std::string& bytes) {
  fs::path target = ToFsPath(path);
  if (!target.has_filename()) return false;
  std::error_code ec;
  if (fs::is_symlink(target, ec)) {
    fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }
  return WriteBesideAndRename(target, bytes);
}

bool WriteFileReplacingLink(const wxString& path, const std::string& bytes) {
  const fs::path target = ToFsPath(path);
  return target.has_filename() && WriteBesideAndRename(target, bytes);
}

bool ReplaceFileKeepingMode(const wxString& from, const wxString& to) {
  const fs::path source = ToFsPath(from);
  const fs::path target = ToFsPath(to);
#ifndef _WIN32
  const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat old;
  bool ok = true;
  if (::stat(target.c_str(), &old) == 0) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && ::fsync(fd) == 0;
  ::close(fd);
  if (!ok || !RenameOver(source, target)) return false;
  SyncFolder(target.parent_path());
  return true;
#else
  return RenameOver(source, target);
#endif
}

std::FILE* OpenFile(const wxString& path, const char* mode) {
#ifdef _WIN32
  return _wfopen(ToFsPath(path).c_str(), wxString(mode).wc_str());
#else
  return std::fopen(NativePath(path).c_str(), mode);
#endif
}

}  // namespace platform
