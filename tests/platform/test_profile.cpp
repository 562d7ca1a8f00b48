#include "platform/Profile.h"
#include "platform/TextFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filefn.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <random>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace platform;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Expected bytes are built here, apart from the encoder under test.
std::string Utf16(const std::u16string& text, bool bigEndian = false) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t u : text) {
    const char hi = static_cast<char>(u >> 8);
    const char lo = static_cast<char>(u & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

std::string Utf8(const std::u16string& text) {  // BMP only
  std::string out;
  for (char16_t u : text) {
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x800) {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (u >> 12));
      out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

std::string Latin1(const std::u16string& text) {
  std::string out;
  for (char16_t u : text) out += static_cast<char>(u);
  return out;
}

std::set<std::string> FileNames(const wxString& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(ToFsPath(folder)))
    names.insert(entry.path().filename().string());
  return names;
}

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearProfileCache(); }

  // Writes bytes to a file of the temporary folder and returns its path.
  wxString Ini(const std::string& bytes, const wxString& name = "test.ini") {
    const wxString path = dir.File(name);
    WriteBytes(path, bytes);
    return path;
  }

  testsupport::TempDir dir;
};

TEST_F(ProfileTest, NewFileIsUtf16LeWithCrLfAndRoundTripsChinese) {
  const wxString file = dir.File("new.ini");
  const wxString value = L"中文值 \U0001F600";  // a surrogate pair in UTF-16
  ASSERT_TRUE(WriteProfileString(file, L"项目", L"名称", value));
  ASSERT_TRUE(WriteProfileString(file, L"项目", "Count", "3"));

  EXPECT_EQ(ReadBytes(file), Utf16(u"[项目]\r\n名称=中文值 \U0001F600\r\nCount=3\r\n"));
  EXPECT_EQ(FileNames(dir.Path()), std::set<std::string>{"new.ini"});  // no temporary file left
  EXPECT_EQ(ReadProfileString(file, L"项目", L"名称", ""), value);
  ClearProfileCache();
  EXPECT_EQ(ReadProfileString(file, L"项目", L"名称", ""), value);
  EXPECT_EQ(ReadProfileInt(file, L"项目", "count", 0), 3);

  // An empty file is written like a new one.
  const wxString empty = Ini("", "empty.ini");
  ASSERT_TRUE(WriteProfileString(empty, "s", "k", "v"));
  EXPECT_EQ(ReadBytes(empty), Utf16(u"[s]\r\nk=v\r\n"));
}

TEST_F(ProfileTest, NamesIgnoreCaseAndSurroundingBlanks) {
  const wxString file = Ini("[ Main ]\r\n  Width = 42 \r\n");
  EXPECT_EQ(ReadProfileString(file, "MAIN", "width", ""), "42");
  EXPECT_EQ(ReadProfileString(file, "main", "WIDTH", ""), "42");
  EXPECT_TRUE(ProfileKeyExists(file, "mAiN", "wIdTh"));

  // A write under another case replaces the existing key instead of adding one.
  ASSERT_TRUE(WriteProfileString(file, "MAIN", "WIDTH", "7"));
  EXPECT_EQ(ReadBytes(file), "[ Main ]\r\n  Width = 7\r\n");
}

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesDefaultWithoutTrailingBlanks) {
  const wxString file = Ini("[s]\r\nk=v\r\nempty=\r\n");
  const struct {
    wxString file, section, key;
  } cases[] = {
      {dir.File("none.ini"), "s", "k"},
      {file, "other", "k"},
      {file, "s", "other"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + " " + c.section + " " + c.key);
    EXPECT_EQ(ReadProfileString(c.file, c.section, c.key, "fallback \t "), "fallback");
    EXPECT_EQ(ReadProfileString(c.file, c.section, c.key, "  lead"), "  lead");
    EXPECT_EQ(ReadProfileInt(c.file, c.section, c.key, -5), -5);
    EXPECT_FALSE(ProfileKeyExists(c.file, c.section, c.key));
  }
  // A key with an empty value is present: its value wins over the default.
  EXPECT_EQ(ReadProfileString(file, "s", "empty", "fallback"), "");
  EXPECT_EQ(ReadProfileInt(file, "s", "empty", 9), 0);
}

TEST_F(ProfileTest, ValuesAreTrimmedAndUnquotedOnce) {
  const struct {
    const char* raw;
    const char* expected;
  } cases[] = {
      {"  plain \t", "plain"},
      {"\"double\"", "double"},
      {"'single'", "single"},
      {"  \" padded \"  ", " padded "},
      {"\"\"", ""},
      {"\"", "\""},
      {"\"mixed'", "\"mixed'"},
      {"\"a\"b\"", "a\"b"},
      {"\"\"twice\"\"", "\"twice\""},
      {"x = y", "x = y"},
      {"v ; no inline comment", "v ; no inline comment"},
  };
  std::string text = "[s]\n";
  for (std::size_t i = 0; i < std::size(cases); ++i)
    text += "k" + std::to_string(i) + "=" + cases[i].raw + "\n";
  const wxString file = Ini(text);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].raw);
    EXPECT_EQ(ReadProfileString(file, "s", wxString("k" + std::to_string(i)), "def"), cases[i].expected);
  }
}

TEST_F(ProfileTest, CommentsLooseLinesAndRepeatsFollowFirstOccurrence) {
  const wxString file =
      Ini("outside=1\n"
          "[One]\n"
          ";hidden=1\n"
          "  ; spaced=2\n"
          "loose line  \n"
          "dup = first\n"
          "Dup = second\n"
          "b='q'\n"
          "\n"
          "[Two]\n"
          "[one]\n"
          "dup=third\n"
          "only2=x\n");
  EXPECT_EQ(ReadProfileString(file, "One", "hidden", "def"), "def");
  EXPECT_EQ(ReadProfileString(file, "One", "loose line", "def"), "def");
  EXPECT_EQ(ReadProfileString(file, "One", "dup", "def"), "first");
  EXPECT_EQ(ReadProfileString(file, "One", "only2", "def"), "def");
  EXPECT_EQ(ReadProfileString(file, "", "outside", "def"), "def");

  EXPECT_EQ(ReadProfileSectionNames(file), (std::vector<wxString>{"One", "Two"}));
  EXPECT_EQ(ReadProfileKeys(file, "ONE"), (std::vector<wxString>{"dup", "b"}));
  EXPECT_EQ(ReadProfileSection(file, "one"),
            (std::vector<wxString>{"loose line", "dup=first", "Dup=second", "b=q"}));
  EXPECT_TRUE(ReadProfileKeys(file, "Two").empty());
  EXPECT_TRUE(ReadProfileSection(file, "Three").empty());
  EXPECT_TRUE(ReadProfileSectionNames(dir.File("none.ini")).empty());
}

TEST_F(ProfileTest, ResultIsCutToBufferSizeMinusOne) {
  const wxString file = Ini("[s]\r\nk=abcdef\r\nq=\"abc\"\r\n");
  const struct {
    const char* key;
    const char* def;
    std::size_t size;
    const char* expected;
  } cases[] = {
      {"k", "", 0, ""},           {"k", "", 1, ""},         {"k", "", 2, "a"},  {"k", "", 6, "abcde"},
      {"k", "", 7, "abcdef"},     {"k", "", 260, "abcdef"}, {"q", "", 3, "ab"},  // quotes go before the cut
      {"none", "xyz  ", 3, "xy"},  // the default is trimmed, then cut
      {"none", "xyz", 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " size " + std::to_string(c.size));
    EXPECT_EQ(ReadProfileString(file, "s", c.key, c.def, c.size), c.expected);
  }
}

TEST_F(ProfileTest, ReadProfileIntTakesSignAndLeadingDigits) {
  const struct {
    const char* raw;
    int expected;
  } cases[] = {
      {"42", 42},
      {"-17", -17},
      {"+5", 5},
      {"  12abc ", 12},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"\"7\"", 7},
      {"0x10", 0},
      {"1 2", 1},
      {"- 3", 0},
      {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
  };
  std::string text = "[s]\n";
  for (std::size_t i = 0; i < std::size(cases); ++i)
    text += "k" + std::to_string(i) + "=" + cases[i].raw + "\n";
  const wxString file = Ini(text);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].raw);
    EXPECT_EQ(ReadProfileInt(file, "s", wxString("k" + std::to_string(i)), 123), cases[i].expected);
  }
}

TEST_F(ProfileTest, ReplaceInPlaceKeepsEveryOtherByte) {
  // Mixed line ends, odd spacing and no line end at the end of the file.
  const std::string before =
      "; header comment\r\n"
      "[General]\r\n"
      "Name = old value\n"
      "  Other=1\r\n"
      "\r\n"
      "; between\r\n"
      "[Next]\r\n"
      "Name=keep";
  const wxString file = Ini(before);
  ASSERT_TRUE(WriteProfileString(file, "general", "name", "new"));
  ASSERT_TRUE(WriteProfileString(file, "Next", "Name", "\"changed\""));
  EXPECT_EQ(ReadBytes(file),
            "; header comment\r\n"
            "[General]\r\n"
            "Name = new\n"
            "  Other=1\r\n"
            "\r\n"
            "; between\r\n"
            "[Next]\r\n"
            "Name=\"changed\"");
  EXPECT_EQ(ReadProfileString(file, "Next", "Name", ""), "changed");
}

TEST_F(ProfileTest, WritingTheSameValueLeavesFileAlone) {
  const wxString file = Ini("[s]\r\nk = v\r\n");
  const auto old = fs::last_write_time(ToFsPath(file)) - std::chrono::hours(1);
  fs::last_write_time(ToFsPath(file), old);
  ASSERT_TRUE(WriteProfileString(file, "S", "K", "v"));
  EXPECT_EQ(fs::last_write_time(ToFsPath(file)), old);
}

TEST_F(ProfileTest, MissingKeyGoesAfterLastKeyOfItsSection) {
  const wxString file =
      Ini("[a]\n"
          "x=1\n"
          "\n"
          "[b]\n"
          "y=2\n"
          "loose\n"
          "; note\n"
          "\n"
          "[e]\n"
          "\n"
          "[c]\n"
          "z=3\n");
  ASSERT_TRUE(WriteProfileString(file, "b", "new", "v"));
  ASSERT_TRUE(WriteProfileString(file, "E", "k", "1"));
  EXPECT_EQ(ReadBytes(file),
            "[a]\n"
            "x=1\n"
            "\n"
            "[b]\n"
            "y=2\n"
            "new=v\n"
            "loose\n"
            "; note\n"
            "\n"
            "[e]\n"
            "k=1\n"
            "\n"
            "[c]\n"
            "z=3\n");
  EXPECT_EQ(ReadProfileString(file, "b", "new", ""), "v");
  EXPECT_EQ(ReadProfileString(file, "c", "z", ""), "3");
}

TEST_F(ProfileTest, MissingSectionGoesAtEndOfFile) {
  const wxString file = Ini("[a]\r\nx=1");
  ASSERT_TRUE(WriteProfileString(file, " New ", " k ", "  spaced  "));
  ASSERT_TRUE(WriteProfileString(file, "Other", "k", "2"));
  EXPECT_EQ(ReadBytes(file), "[a]\r\nx=1\r\n[New]\r\nk=  spaced  \r\n[Other]\r\nk=2\r\n");
  EXPECT_EQ(ReadProfileString(file, "new", "K", ""), "spaced");
}

TEST_F(ProfileTest, DeleteKeyAndSection) {
  const wxString file =
      Ini("[a]\r\n"
          "x=1\r\n"
          "y=2\r\n"
          "X=3\r\n"
          "[b]\r\n"
          "z=1\r\n"
          "; about b\r\n"
          "\r\n"
          "[A]\r\n"
          "x=4\r\n");
  // Every occurrence goes, so that a read no longer finds the key.
  ASSERT_TRUE(DeleteProfileKey(file, "A", "x"));
  EXPECT_EQ(ReadBytes(file), "[a]\r\ny=2\r\n[b]\r\nz=1\r\n; about b\r\n\r\n[A]\r\n");
  EXPECT_EQ(ReadProfileString(file, "a", "x", "gone"), "gone");

  ASSERT_TRUE(DeleteProfileSection(file, "B"));
  EXPECT_EQ(ReadBytes(file), "[a]\r\ny=2\r\n[A]\r\n");
  ASSERT_TRUE(DeleteProfileSection(file, "a"));
  EXPECT_EQ(ReadBytes(file), "");
}

TEST_F(ProfileTest, DeletingWhatIsAbsentChangesNothing) {
  const std::string before = "[a]\r\nx=1\r\n";
  const wxString file = Ini(before);
  EXPECT_TRUE(DeleteProfileKey(file, "a", "nope"));
  EXPECT_TRUE(DeleteProfileKey(file, "nope", "x"));
  EXPECT_TRUE(DeleteProfileSection(file, "nope"));
  EXPECT_EQ(ReadBytes(file), before);

  const wxString missing = dir.File("missing.ini");
  EXPECT_TRUE(DeleteProfileKey(missing, "a", "x"));
  EXPECT_TRUE(DeleteProfileSection(missing, "a"));
  EXPECT_FALSE(fs::exists(ToFsPath(missing)));
}

TEST_F(ProfileTest, ExistingFileKeepsItsEncodingAndLineEnds) {
  const struct {
    const char* name;
    std::function<std::string(const std::u16string&)> encode;
  } cases[] = {
      {"latin-1", Latin1},
      {"utf-8", Utf8},
      {"utf-8 bom", [](const std::u16string& s) { return "\xEF\xBB\xBF" + Utf8(s); }},
      {"utf-16le", [](const std::u16string& s) { return Utf16(s); }},
      {"utf-16be", [](const std::u16string& s) { return Utf16(s, true); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ClearProfileCache();
    const wxString file = Ini(c.encode(u"[s]\nname=Café\n"), wxString(c.name) + ".ini");
    EXPECT_EQ(ReadProfileString(file, "s", "name", ""), L"Café");
    ASSERT_TRUE(WriteProfileString(file, "s", "other", L"Über"));
    EXPECT_EQ(ReadBytes(file), c.encode(u"[s]\nname=Café\nother=Über\n"));
  }
}

TEST_F(ProfileTest, CacheSeesExternalChanges) {
  const wxString file = Ini("[s]\nk=one\n");
  EXPECT_EQ(ReadProfileString(file, "s", "k", ""), "one");

  WriteBytes(file, "[s]\nk=three\n");  // another size
  EXPECT_EQ(ReadProfileString(file, "s", "k", ""), "three");

  // Same size, same file: only the modification time tells.
  const auto mtime = fs::last_write_time(ToFsPath(file));
  WriteBytes(file, "[s]\nk=seven\n");
  fs::last_write_time(ToFsPath(file), mtime + std::chrono::seconds(2));
  EXPECT_EQ(ReadProfileString(file, "s", "k", ""), "seven");

  // The cache holds what this layer wrote, then notices the next outside change.
  ASSERT_TRUE(WriteProfileString(file, "s", "k", "eight"));
  EXPECT_EQ(ReadProfileString(file, "s", "k", ""), "eight");
  WriteBytes(file, "[s]\nk=nine, longer\n");
  EXPECT_EQ(ReadProfileString(file, "s", "k", ""), "nine, longer");

  fs::remove(ToFsPath(file));
  EXPECT_EQ(ReadProfileString(file, "s", "k", "def"), "def");
}

TEST_F(ProfileTest, ReaderHoldingFileOpenKeepsOldContent) {
  std::string before = "[s]\r\nk=old\r\n";
  for (int i = 0; i < 2000; ++i) before += "filler" + std::to_string(i) + "=some text\r\n";
  const wxString file = Ini(before);

  std::ifstream reader(ToFsPath(file), std::ios::binary);
  ASSERT_TRUE(reader);
  const bool written = WriteProfileString(file, "s", "k", "new");
#ifdef _WIN32
  // Windows does not replace a file another handle holds without delete sharing.
  EXPECT_FALSE(written);
#else
  EXPECT_TRUE(written);
#endif
  const std::string seen{std::istreambuf_iterator<char>(reader), std::istreambuf_iterator<char>()};
  EXPECT_EQ(seen, before);
  reader.close();
#ifdef _WIN32
  ASSERT_TRUE(WriteProfileString(file, "s", "k", "new"));
#endif
  EXPECT_EQ(ReadProfileString(file, "s", "k", ""), "new");
  EXPECT_EQ(FileNames(dir.Path()), std::set<std::string>{"test.ini"});
}

TEST_F(ProfileTest, WriteIntoMissingFolderFails) {
  const wxString file = dir.File("missing") + wxFILE_SEP_PATH + "x.ini";
  EXPECT_FALSE(WriteProfileString(file, "s", "k", "v"));
  EXPECT_FALSE(fs::exists(ToFsPath(dir.File("missing"))));
}

TEST_F(ProfileTest, FailedReplaceLeavesTargetAndNoTemporaryFile) {
  // A non-empty folder cannot be replaced by a file.
  const fs::path target = ToFsPath(dir.File("target"));
  fs::create_directory(target);
  WriteBytes(dir.File("target") + wxFILE_SEP_PATH + "inside", "x");

  EXPECT_FALSE(WriteFileAtomically(dir.File("target"), "data"));
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(FileNames(dir.Path()), std::set<std::string>{"target"});
  EXPECT_FALSE(WriteProfileString(dir.File("target"), "s", "k", "v"));
}

TEST_F(ProfileTest, RejectsNamesAndValuesThatWouldNotReadBack) {
  const std::string before = "[s]\r\nk=v\r\n";
  const wxString file = Ini(before);
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"s", "k", "a\r\n[x]"}, {"s", "k", "a\nb"}, {"s\n", "k", "v"}, {"a]b", "k", "v"},
      {"s", "k=v", "v"},      {"s", ";c", "v"},   {"s", "[x", "v"},  {"s", "k\r", "v"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "|" + c.key + "|" + c.value);
    EXPECT_FALSE(WriteProfileString(file, c.section, c.key, c.value));
  }
  EXPECT_EQ(ReadBytes(file), before);
}

TEST_F(ProfileTest, ConcurrentWritersAndReadersLoseNothing) {
  const wxString file = dir.File("shared.ini");
  constexpr int kThreads = 4;
  constexpr int kRounds = 40;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      const wxString key = wxString::Format("key%d", t);
      for (int i = 0; i < kRounds; ++i) {
        WriteProfileString(file, "s", key, wxString::Format("%d", i));
        ReadProfileString(file, "s", wxString::Format("key%d", (t + 1) % kThreads), "");
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_EQ(ReadProfileInt(file, "s", wxString::Format("key%d", t), -1), kRounds - 1);
  }
  EXPECT_EQ(ReadProfileKeys(file, "s").size(), static_cast<std::size_t>(kThreads));
}

TEST_F(ProfileTest, EightBitFileThatCannotHoldTheTextIsLeftAlone) {
  const std::string before = Latin1(u"[s]\r\nk=caf\u00E9\r\n");
  const wxString file = Ini(before);
  ASSERT_EQ(ReadProfileString(file, "s", "k", ""), wxString(L"caf\u00E9"));
  for (const wchar_t* text : {L"\u9065\u63A7", L"a\u20ACb", L"\U0001F600"}) {
    EXPECT_FALSE(WriteProfileString(file, "s", "k", wxString(text)));
    EXPECT_FALSE(WriteProfileString(file, "s", wxString(text), "v"));
    EXPECT_FALSE(WriteProfileString(file, wxString(text), "k", "v"));
  }
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_EQ(ReadProfileString(file, "s", "k", ""), wxString(L"caf\u00E9"));  // the cache agrees
  EXPECT_EQ(ReadProfileKeys(file, "s"), std::vector<wxString>{"k"});
  // What the code page holds is written.
  EXPECT_TRUE(WriteProfileString(file, "s", "k", wxString(L"na\u00EFve")));
  EXPECT_EQ(ReadBytes(file), Latin1(u"[s]\r\nk=na\u00EFve\r\n"));
}

#ifndef _WIN32
mode_t ModeOf(const wxString& path) {
  struct stat st;
  return ::stat(ToFsPath(path).c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

std::vector<std::string> TempFilesIn(const wxString& folder) {
  std::vector<std::string> temps;
  for (const std::string& name : FileNames(folder)) {
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) temps.push_back(name);
  }
  return temps;
}

TEST_F(ProfileTest, ReplacedFilesKeepTheirModeAndNewOnesGetTheDefault) {
  for (const mode_t mode : {0600, 0640, 0604}) {
    const wxString file = Ini("[s]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(ToFsPath(file).c_str(), mode), 0);
    EXPECT_TRUE(WriteProfileString(file, "s", "k", "2"));
    EXPECT_EQ(ModeOf(file), mode);
  }
  const mode_t mask = ::umask(027);
  EXPECT_TRUE(WriteProfileString(dir.File("new.ini"), "s", "k", "v"));
  EXPECT_EQ(ModeOf(dir.File("new.ini")), 0640);
  ::umask(mask);
}

TEST_F(ProfileTest, StaleTemporaryFilesAreSweptButNotOnesInUse) {
  const wxString file = Ini("[s]\r\nk=1\r\n");
  const struct {
    const char* name;
    bool locked;
    bool kept;
  } cases[] = {
      {"test.ini.0123456789ab.tmp", false, false},
      {"test.ini.ba9876543210.tmp", true, true},  // its writer is still at work
      {"test.ini.backup.tmp", false, true},       // not a name the writer makes
      {"other.ini.0123456789ab.tmp", false, true},
  };
  std::vector<int> locks;
  for (const auto& c : cases) {
    WriteBytes(dir.File(c.name), "partial");
    if (!c.locked) continue;
    const int fd = ::open(ToFsPath(dir.File(c.name)).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    locks.push_back(fd);
  }
  EXPECT_TRUE(WriteProfileString(file, "s", "k", "2"));
  for (const auto& c : cases) EXPECT_EQ(fs::exists(ToFsPath(dir.File(c.name))), c.kept) << c.name;
  for (int fd : locks) ::close(fd);
}

// A writer killed at any moment leaves the old or the new file, whole; what
// it leaves behind is private and goes with the next save.
TEST_F(ProfileTest, WriterKilledAtAnyMomentLeavesAWholeFile) {
  const wxString file = dir.File("killed.ini");
  const wxString first(4000, 'a');
  const wxString second(5000, 'b');
  ASSERT_TRUE(WriteProfileString(file, "s", "k", first));
  ASSERT_TRUE(WriteProfileString(file, "s", "end", "1"));
  ASSERT_EQ(::chmod(ToFsPath(file).c_str(), 0600), 0);
  std::mt19937 random(12345);
  for (int round = 0; round < 150; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) WriteProfileString(file, "s", "k", i % 2 ? first : second);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    const wxString value = ReadProfileString(file, "s", "k", "", 10000);
    ASSERT_TRUE(value == first || value == second) << "round " << round << ": " << value.length();
    ASSERT_EQ(ReadProfileString(file, "s", "end", ""), "1");
    ASSERT_EQ(ModeOf(file), 0600);
    for (const std::string& temp : TempFilesIn(dir.Path())) {
      EXPECT_EQ(ModeOf(dir.File(temp)) & 077, 0) << temp;
    }
    ASSERT_TRUE(WriteProfileString(file, "s", "round", wxString::Format("%d", round)));
    ASSERT_EQ(TempFilesIn(dir.Path()), std::vector<std::string>{}) << "round " << round;
  }
}
#endif

TEST(ProfileTextFile, DecodeDetectsEncodingAndEncodesBackToSameBytes) {
  const struct {
    std::string bytes;
    TextEncoding encoding;
    const wchar_t* text;  // nullptr: depends on the 8-bit code page
  } cases[] = {
      {"", TextEncoding::Utf8, L""},
      {"abc\r\n", TextEncoding::Utf8, L"abc\r\n"},
      {"caf\xC3\xA9", TextEncoding::Utf8, L"caf\u00E9"},
      {"\xE4\xB8\xAD\xF0\x9F\x98\x80", TextEncoding::Utf8, L"\u4E2D\U0001F600"},
      {"caf\xE9", TextEncoding::EightBit, L"caf\u00E9"},
      {"\xC0\xAF", TextEncoding::EightBit, nullptr},          // overlong
      {"\xED\xA0\x80", TextEncoding::EightBit, nullptr},      // surrogate
      {"a\xE4\xB8", TextEncoding::EightBit, nullptr},         // cut short
      {"\xF4\x90\x80\x80", TextEncoding::EightBit, nullptr},  // beyond U+10FFFF
      {"\xEF\xBB\xBFhi", TextEncoding::Utf8Bom, L"hi"},
      {std::string("\xFF\xFEh\0i\0", 6), TextEncoding::Utf16LE, L"hi"},
      {std::string("\xFE\xFF\0h\0i", 6), TextEncoding::Utf16BE, L"hi"},
      {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), TextEncoding::Utf16LE, L"\U0001F600"},
      {std::string("\xFF\xFE\x00\xD8"
                   "a\0",
                   6),
       TextEncoding::Utf16LE, nullptr},  // lone surrogate
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.bytes));
    TextEncoding found{};
    const wxString text = DecodeText(c.bytes, &found);
    EXPECT_EQ(found, c.encoding);
    if (c.text) {
      EXPECT_EQ(text, wxString(c.text));
    }
    EXPECT_EQ(EncodeText(text, found), c.bytes);
  }
}

TEST_F(ProfileTest, WholeFileReadsAndPlainWritesGiveBackTheBytes) {
  const wxString file = dir.File("plain.bin");
  std::string big(200000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  // Longer, then shorter over it: the old tail must not survive.
  for (const std::string& bytes : {big, std::string("short\0text", 10), std::string()}) {
    ASSERT_TRUE(WriteFileBytes(file, bytes));
    std::string read = "stale";
    ASSERT_TRUE(ReadFileBytes(file, read));
    EXPECT_EQ(read, bytes);
  }
  std::string read = "stale";
  EXPECT_FALSE(ReadFileBytes(dir.File("missing"), read));
  EXPECT_TRUE(read.empty());
  EXPECT_FALSE(ReadFileBytes(dir.Path(), read));  // a folder
  EXPECT_FALSE(WriteFileBytes(dir.File("missing") + wxFILE_SEP_PATH + "x", "data"));
}

}  // namespace

namespace {

// One edit of the random sequences below; a missing key deletes the section,
// a missing value the key.
struct ProfileEdit {
  wxString section;
  std::optional<wxString> key, value;
};

std::vector<ProfileEdit> RandomEdits(unsigned seed, int count) {
  std::mt19937 random(seed);
  std::vector<ProfileEdit> edits;
  for (int i = 0; i < count; ++i) {
    ProfileEdit edit;
    edit.section = wxString::Format(random() % 2 ? "Sec%u" : " sec%u ", static_cast<unsigned>(random() % 6));
    edit.key = wxString::Format(random() % 2 ? "Key%u" : "KEY%u ", static_cast<unsigned>(random() % 9));
    edit.value = wxString::Format("v%u", static_cast<unsigned>(random() % 4));
    const unsigned kind = random() % 20;
    if (kind == 0) edit.key.reset();
    if (kind == 1 || kind == 2) edit.value.reset();
    edits.push_back(edit);
  }
  return edits;
}

}  // namespace

// A batch must leave the same bytes as the same writes made one by one, and
// reads during the batch must see what the file will hold.
TEST_F(ProfileTest, BatchedWritesEqualSingleWritesAndReadsSeeThem) {
  const std::string start = Utf8(
      u"; head\r\nloose\r\n[Sec1]\r\nKey1=a\r\n; note\r\n\r\n[Sec3]\r\nKey2 = b\r\n[sec1]\r\nKey5=c\r\n");
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    const std::vector<ProfileEdit> edits = RandomEdits(seed, 120);
    const wxString single = Ini(start, "single.ini");
    const wxString batched = Ini(start, "batched.ini");
    ProfileWriteBatch batch(batched);
    for (const ProfileEdit& edit : edits) {
      ASSERT_TRUE(WriteProfileString(single, edit.section, edit.key, edit.value));
      ASSERT_TRUE(WriteProfileString(batched, edit.section, edit.key, edit.value));
      for (int s = 0; s < 6; ++s) {
        const wxString section = wxString::Format("SEC%d", s);
        ASSERT_EQ(ReadProfileKeys(batched, section), ReadProfileKeys(single, section));
        ASSERT_EQ(ReadProfileSection(batched, section), ReadProfileSection(single, section));
      }
    }
    EXPECT_EQ(ReadBytes(batched), start);  // nothing written before the commit
    ASSERT_TRUE(batch.Commit());
    EXPECT_EQ(ReadBytes(batched), ReadBytes(single));
    ClearProfileCache();
    EXPECT_EQ(ReadProfileSectionNames(batched), ReadProfileSectionNames(single));
  }
}

TEST_F(ProfileTest, BatchWritesOnceAtCommitAndDropsWhatIsNotCommitted) {
  const wxString file = dir.File("new.ini");
  {
    ProfileWriteBatch batch(file);
    EXPECT_TRUE(WriteProfileString(file, "s", "k", "v"));
    EXPECT_EQ(ReadProfileString(file, "s", "k", ""), "v");
    EXPECT_FALSE(fs::exists(ToFsPath(file)));
  }  // no commit: dropped
  EXPECT_FALSE(fs::exists(ToFsPath(file)));
  EXPECT_EQ(ReadProfileString(file, "s", "k", "none"), "none");

  {
    ProfileWriteBatch batch(file);
    EXPECT_TRUE(DeleteProfileKey(file, "s", "k"));
    EXPECT_TRUE(batch.Commit());  // nothing changed: no file made
  }
  EXPECT_FALSE(fs::exists(ToFsPath(file)));

  ProfileWriteBatch batch(file);
  EXPECT_TRUE(WriteProfileString(file, "s", "k", "v"));
  EXPECT_TRUE(batch.Commit());
  EXPECT_EQ(ReadBytes(file), Utf16(u"[s]\r\nk=v\r\n"));
  EXPECT_TRUE(WriteProfileString(file, "s", "k", "w"));  // after the commit, writes go straight to the file
  EXPECT_EQ(ReadBytes(file), Utf16(u"[s]\r\nk=w\r\n"));
}

TEST_F(ProfileTest, FailedBatchCommitIsReportedAndReadsGoBackToTheDisk) {
  const wxString folder = dir.File("sub");
  fs::create_directory(ToFsPath(folder));
  const wxString file = folder + wxFILE_SEP_PATH + "p.ini";
  const std::string old = Utf16(u"[s]\r\nk=old\r\n");
  WriteBytes(file, old);
  ProfileWriteBatch batch(file);
  EXPECT_TRUE(WriteProfileString(file, "s", "k", "new"));
  // The target turns into a non-empty folder: the rename over it must fail.
  fs::remove(ToFsPath(file));
  fs::create_directory(ToFsPath(file));
  WriteBytes(file + wxFILE_SEP_PATH + "inside", "x");
  EXPECT_FALSE(batch.Commit());
  EXPECT_TRUE(fs::is_directory(ToFsPath(file)));
  EXPECT_EQ(ReadProfileString(file, "s", "k", "gone"), "gone");
}
