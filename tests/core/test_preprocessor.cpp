#include "core/PreprocText.h"
#include "core/PreprocTextIndex.h"
#include "core/Preprocessor.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {

namespace fs = std::filesystem;

fs::path FsPath(const wxString& path) { return fs::path(path.utf8_string()); }

void WriteTreeFile(const TempDir& dir, const std::string& relative, const std::string& bytes) {
  const fs::path path = FsPath(dir.Path()) / relative;
  fs::create_directories(path.parent_path());
  WriteBytes(wxString::FromUTF8(path.string().c_str()), bytes);
}

std::string ReadTreeFile(const TempDir& dir, const std::string& relative) {
  return ReadBytes(wxString::FromUTF8((FsPath(dir.Path()) / relative).string().c_str()));
}

struct RewriteCase {
  const char* what;
  const char* defines;  // text of a file beside the rewritten one
  const char* input;
  const char* expected;
};

// Each row runs through real files: a define file and "main.asm" in one folder.
const RewriteCase kRewriteCases[] = {
    {"true condition keeps its block, directives go", "#define DEBUG 1\n", "A\nIF DEBUG\nB\nENDIF\nC\n",
     "A\nB\nC"},
    {"false condition drops its block", "#define DEBUG 0\n", "A\nIF DEBUG\nB\nENDIF\nC\n", "A\nC"},
    {"CR LF lines keep their ends", "#define DEBUG 1\r\n", "A\r\nIF DEBUG\r\nB\r\nENDIF\r\nC\r\n",
     "A\r\nB\r\nC"},
    {"define compared with a number", "#define A 3\n", "IF A == 3\nX\nENDIF\nY\n", "X\nY"},
    {"two numbers never compare true, a bare number is no define", "",
     "IF 3 == 3\na\nENDIF\nIF 1\nb\nENDIF\nY\n", "Y"},
    {"hex value", "#define H 0x10\n", "IF H == 16\nX\nENDIF\nY\n", "X\nY"},
    {"values compare signed", "#define NEG -1\n", "IF NEG < 0\nX\nENDIF\n", "X"},
    {"value of five characters names another define", "#define LIMIT MAXVAL\n#define MAXVAL 12\n",
     "IF LIMIT == 12\nX\nENDIF\nY\n", "X\nY"},
    {"0x100 is a name, not a number", "#define BIG 0x100\n#define 0x100 7\n",
     "IF BIG == 7\nX\nENDIF\nIF BIG == 256\nY\nENDIF\nZ\n", "X\nZ"},
    {"a value naming a missing define is undecided", "#define BIG 0x100\n", "IF BIG == 256\nX\nENDIF\nY\n",
     "IF BIG == 256\nY"},
    {"define value with comment, condition with semicolon comment", "#define V 3 // three\n",
     "IF V == 3 ; note\nX\nENDIF\n", "X"},
    {"a define name is found inside a longer name", "#define XA 1\n", "IF A == 1\nX\nENDIF\n", "X"},
    {"//IF and //ENDIF are text; //ENDIF survives a dropped block", "#define DEBUG 0\n",
     "IF DEBUG\n//IF inside\n//ENDIF inside\nENDIF\n//IF outside\nZ\n", "//ENDIF inside\n//IF outside\nZ"},
    {"IF inside a word makes an IF line", "", "MOV A\nSHIFT A\nNOP\nENDIF\nRET\n", "MOV A\nSHIFT A\nRET"},
    {"ELSE inside a name switches the branch", "#define USE_ELSE 1\n", "IF USE_ELSE == 1\nX\nENDIF\nY\n",
     "Y"},
    {"IFE is decided like IF", "#define DEBUG 1\n", "IFE DEBUG == 1\nX\nELSE\nY\nENDIF\n", "X"},
    {"IF ELSE with a true condition", "#define M 1\n", "IF M == 1\nA\nELSE\nB\nENDIF\nC\n", "A\nC"},
    {"IF ELSE with a false condition", "#define M 2\n", "IF M == 1\nA\nELSE\nB\nENDIF\nC\n", "B\nC"},
    {"ELSEIF after a true IF is dropped", "#define M 1\n", "IF M == 1\nA\nELSEIF M == 2\nB\nENDIF\nC\n",
     "A\nC"},
    {"ELSEIF after a false IF is decided", "#define M 2\n", "IF M == 1\nA\nELSEIF M == 2\nB\nENDIF\nC\n",
     "B\nC"},
    {"only the first true branch of a chain", "#define M 1\n",
     "IF M == 0\na\nELSEIF M == 1\nb\nELSEIF M == 1\nc\nELSE\nd\nENDIF\ne\n", "b\ne"},
    {"IFDEF and IFNDEF", "#define DEBUG 1\n",
     "IFNDEF DEBUG\na\nENDIF\nIFNDEF REL\nb\nENDIF\nIFDEF DEBUG\nc\nENDIF\nIFDEF REL\nd\nENDIF\ne\n",
     "b\nc\ne"},
    {"nested levels", "#define A 1\n#define B 2\n", "IF A==1\nIF B==9\nx\nELSE\ny\nENDIF\nENDIF\nz\n",
     "y\nz"},
    {"ordered and not-equal comparisons", "#define V 5\n",
     "IF V >= 5\na\nENDIF\nIF V > 5\nb\nENDIF\nIF V <= 4\nc\nENDIF\nIF V < 6\nd\nENDIF\nIF 6 > V\ne\nENDIF\n"
     "IF V != 5\nf\nENDIF\nIF V != 4\ng\nENDIF\nIF Q != 4\nh\nENDIF\nz\n",
     "a\nd\ne\ng\nz"},
    {"AND chain true", "#define A 1\n#define B 2\n#define C 3\n", "IF A==1 && B==2 && C==3\nX\nENDIF\nY\n",
     "X\nY"},
    {"AND chain false", "#define A 1\n#define B 2\n#define C 4\n", "IF A==1 && B==2 && C==3\nX\nENDIF\nY\n",
     "Y"},
    {"no precedence: (A||B) && C", "#define A 1\n#define B 2\n#define C 4\n",
     "IF A==1 || B==2 && C==3\nX\nENDIF\nY\n", "Y"},
    {"OR run decided before the AND", "#define A 0\n#define B 2\n#define C 3\n",
     "IF A==1 || B==2 && C==3\nX\nENDIF\nY\n", "X\nY"},
    {"mixed condition reduced from the left", "#define A 0\n#define B 0\n#define C 3\n#define D 4\n",
     "IF A==1 || B==2 && C==3 || D==4\nX\nENDIF\n", "X"},
    {"AND pair of unknown names keeps the IF line", "", "IF X==1 && Y==2\nB\nENDIF\nC\n",
     "IF X==1 && Y==2\nC"},
    {"AND pair of unknown and true is false", "#define A 1\n", "IF A==1 && Y==2\nB\nENDIF\nC\n", "C"},
    {"OR chain of unknown names drops block and IF line", "", "IF X==1 || Y==2\nB\nENDIF\nC\n", "C"},
    {"bracket condition, first chain holds", "#define A 1\n#define B 2\n",
     "IF ((A==1&&B==2)||(C==3&&D==4))\nX\nENDIF\nY\n", "X\nY"},
    {"bracket condition, second chain holds", "#define A 0\n#define C 3\n#define D 4\n",
     "IF ((A==1&&B==2)||(C==3&&D==4))\nX\nENDIF\nY\n", "X\nY"},
    {"bracket terms without && or || give 0", "#define A 1\n#define B 2\n",
     "IF ((A==1)&&(B==2))\nX\nENDIF\nY\n", "Y"},
    {"condition beginning with an operator", "#define A 1\n", "IF && A==1\na\nENDIF\nIF || A==1\nb\nENDIF\n",
     "b"},
    {"tabs of kept lines stay", "#define D 1\n", "x\nIF D\n\tMOV A\nENDIF\n", "x\n\tMOV A"},
    {"no directive: only the ends are trimmed, BOM not written", "",
     "\xEF\xBB\xBF \r\n  first\r\n\tsecond  \r\n\r\n", "first\r\n\tsecond"},
    {"ENDIF with no open level is text", "", "IFNDEF 3X\nA\nENDIF\n", "IFNDEF 3X\nA\nENDIF"},
    // A line met again is decided as the first time, whatever its end or its
    // place; invalid UTF-8 comes out repaired, and a line that opens a level
    // loses its tabs as text, even between the bytes of a split character.
    {"repeated lines, non-ASCII bytes, mixed line ends", "#define A 1\n",
     "IF A == 1\r\nx\r\nENDIF\nIF A == 1\ny\nENDIF\nIF Q == 1 ; \xC3\xA9 \xFF\n\xC3\xA9\nENDIF\n"
     "IF A == 1\nIF Q == 1 ; \xC3\xA9 \xFF\nz\nENDIF\nENDIF\nIFDEF\tA\xC3\t\xA9 IFNDEF\nw\nENDIF\n",
     "x\r\ny\nIF Q == 1 ; \xC3\xA9 \xEF\xBF\xBD\nIF Q == 1 ; \xC3\xA9 \xEF\xBF\xBD\n"
     "IFDEFA\xEF\xBF\xBD\xEF\xBF\xBD IFNDEF\nw"},
    // Lengths in the rules count characters, not bytes.
    {"a value of three two-byte characters is a number, not a name",
     "#define V \xC3\xA9\xC3\xA9\xC3\xA9\n#define \xC3\xA9\xC3\xA9\xC3\xA9 1\n", "IF V == 0\nX\nENDIF\nY\n",
     "X\nY"},
    {"the bracket operator is the two characters after the first term",
     "#define A 0\n#define B 1\n#define C 1\n#define D 1\n",
     "IF (A == 1 && B == 1)\xC3\xA9(C == 1 && D == 1)\nX\nENDIF\nY\n", "Y"},
};

TEST(Preproc, RewritesFilesAsTheRulesDecide) {
  for (const RewriteCase& c : kRewriteCases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteBytes(dir.File("defines.h"), c.defines);
    WriteBytes(dir.File("main.asm"), c.input);
    CPreprocessor preprocessor;
    EXPECT_TRUE(preprocessor.PreprocessTree(dir.Path(), dir.Path()));
    EXPECT_EQ(ReadBytes(dir.File("main.asm")), c.expected);
    EXPECT_EQ(ReadBytes(dir.File("defines.h")), c.defines);
  }
}

TEST(PreprocTree, CollectsDefinesFromTheWholeTreeAndRewritesOnlyIncAndAsm) {
  TempDir dir;
  const std::string block = "IF DEBUG\r\nkept\r\nENDIF\r\n";
  WriteTreeFile(dir, "cfg/deep/flags.h", "#define DEBUG 1\r\n");
  WriteTreeFile(dir, "main.asm", block);
  WriteTreeFile(dir, "sub/keys.INC", block);
  WriteTreeFile(dir, "notes.txt", block);
  WriteTreeFile(dir, "README", block);
  WriteTreeFile(dir, "table.asm.bak", block);

  CPreprocessor preprocessor;
  EXPECT_TRUE(preprocessor.PreprocessTree(dir.Path(), dir.Path()));
  EXPECT_EQ(preprocessor.DefineText(), "DEBUG 1\r\n");
  EXPECT_EQ(ReadTreeFile(dir, "main.asm"), "kept");
  EXPECT_EQ(ReadTreeFile(dir, "sub/keys.INC"), "kept");
  for (const char* untouched : {"notes.txt", "README", "table.asm.bak"})
    EXPECT_EQ(ReadTreeFile(dir, untouched), block) << untouched;
  EXPECT_TRUE(preprocessor.FailedFiles().empty());
}

TEST(PreprocTree, TakesEntriesInNameOrderAndRewritesOnlyTheRewriteFolder) {
  TempDir defines, output;
  // Created out of order; the first define of a name wins.
  WriteTreeFile(defines, "b.h", "#define MODE 2\n");
  WriteTreeFile(defines, "Z.h", "#define ZED 4\n");
  WriteTreeFile(defines, "c/x.h", "#define LAST 3\n");
  WriteTreeFile(defines, "a.h", "#define MODE 1\n");
  const std::string source = "IF MODE == 1\r\none\r\nELSE\r\ntwo\r\nENDIF\r\n";
  WriteTreeFile(defines, "gen.asm", source);
  WriteTreeFile(output, "gen.asm", source);

  CPreprocessor preprocessor;
  EXPECT_TRUE(preprocessor.PreprocessTree(defines.Path(), output.Path()));
  EXPECT_EQ(preprocessor.DefineText(), "MODE 1\r\nMODE 2\r\nLAST 3\r\nZED 4\r\n");
  EXPECT_EQ(ReadTreeFile(output, "gen.asm"), "one");
  EXPECT_EQ(ReadTreeFile(defines, "gen.asm"), source);

  preprocessor.ClearDefines();
  EXPECT_TRUE(preprocessor.DefineText().empty());
}

// Define lines are picked out of the raw bytes: the line ends, the character
// dropped after the keyword and the text kept must be those of the decoded text.
TEST(PreprocDefines, DefineLinesAreTakenFromTheFileBytes) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string defineText;
  };
  const Case cases[] = {
      {"LF and CR LF ends, last line without an end", "#define A 1\n#define B 2\r\n#define C 3",
       "A 1\r\nB 2\r\nC 3\r\n"},
      {"only the last CR before LF goes, a lone CR stays in the line", "x #define D 4\r\r\n#define E\r5\n",
       "D 4\r\r\nE\r5\r\n"},
      {"first keyword of a line only", "#define F 1 #define G 2\n", "F 1 #define G 2\r\n"},
      {"a two-byte character after the keyword is dropped whole", "#define\xC3\xA9H 1\n", "H 1\r\n"},
      {"an invalid byte after the keyword is dropped alone", "#define\xC3H 1\n", "H 1\r\n"},
      {"keyword at the very end", "#define", "\r\n"},
      {"non-ASCII value decoded", "#define N \xE4\xB8\xAD\n",
       wxString::FromUTF8("N \xE4\xB8\xAD\r\n").utf8_string()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteBytes(dir.File("d.h"), c.bytes);
    CPreprocessor preprocessor;
    ASSERT_TRUE(preprocessor.CollectDefines(dir.File("d.h")));
    EXPECT_EQ(preprocessor.DefineText().utf8_string(), c.defineText);
  }
}

TEST(PreprocTree, LoneCrAndLfCrEndLinesAndUnchangedFilesAreNotReplaced) {
  TempDir dir;
  WriteTreeFile(dir, "d.h", "#define D 0\n");
  WriteTreeFile(dir, "ends.asm", "a\rIF D\n\rb\rENDIF\n\rc");
  WriteTreeFile(dir, "final.asm", "x\r\ny");
  const fs::path finalPath = FsPath(dir.Path()) / "final.asm";
  const auto linksBefore = fs::hard_link_count(finalPath);
  fs::create_hard_link(finalPath, FsPath(dir.Path()) / "final.link");  // replacing the file would split them

  CPreprocessor preprocessor;
  EXPECT_TRUE(preprocessor.PreprocessTree(dir.Path(), dir.Path()));
  EXPECT_EQ(ReadTreeFile(dir, "ends.asm"), "a\rc");
  EXPECT_EQ(fs::hard_link_count(finalPath), linksBefore + 1);
}

TEST(PreprocTree, KeptBytesSurviveWholeAndInvalidUtf8IsReplaced) {
  TempDir dir;
  WriteTreeFile(dir, "d.h", "#define D 1\n");
  const std::string nul("\0", 1);
  WriteTreeFile(
      dir, "kept.asm",
      "a" + nul + "b\r\nIF D\r\n\xE4\xB8\xAD x\xC3\r\nENDIF\r\nIF U\xFF\r\nz\r\nENDIF\r\ntail" + nul + "end");
  CPreprocessor preprocessor;
  EXPECT_TRUE(preprocessor.PreprocessTree(dir.Path(), dir.Path()));
  EXPECT_EQ(ReadTreeFile(dir, "kept.asm"),
            "a" + nul + "b\r\n\xE4\xB8\xAD x\xEF\xBF\xBD\r\nIF U\xEF\xBF\xBD\r\ntail" + nul + "end");
}

// The define text's index finds the first place of a part as a plain search
// does, among multi-byte characters and in texts of any size.
TEST(PreprocText, IndexFindsTheFirstPlaceLikeFind) {
  const char* const alphabet[] = {"A", "B", " ", "\xC5\x81", "\xC9\x81", "\r", "\n"};
  std::mt19937 random(7);
  std::uniform_int_distribution<size_t> pick(0, std::size(alphabet) - 1);
  const auto make = [&](size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += alphabet[pick(random)];
    return text;
  };
  for (int round = 0; round < 300; ++round) {
    const std::string text = make(round * round % 3000);
    preproc::CTextIndex index;
    index.Build(text);
    for (int n = 0; n < 20; ++n) {
      const size_t partLength = 1 + (round + n) % 12;
      // Half the parts are taken from the text, so that many are found.
      const std::string part = n % 2 && text.size() > partLength
                                   ? text.substr(random() % (text.size() - partLength), partLength)
                                   : make(partLength);
      ASSERT_EQ(index.Find(part), preproc::Find(text, part)) << text << " / " << part;
    }
  }
}

std::string NestedIfs(int levels) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += "IF D == 1\n";
  text += "body\n";
  for (int i = 0; i < levels; ++i) text += "ENDIF\n";
  return text;
}

TEST(PreprocFailures, DirectivesThatCannotBeFollowedLeaveTheFileAndAreReported) {
  const std::string malformed[] = {
      NestedIfs(21),
      "a\nELSE\nb\n",
      "a\nELSEIF D == 1\nb\n",
      "a\n3 IFDEF UNKNOWN\nb\n",  // opens no level, yet drops the top one
      "IF D == 1\na\nENDIF\nELSE\n",
  };
  for (const std::string& bad : malformed) {
    SCOPED_TRACE(bad);
    TempDir dir;
    WriteBytes(dir.File("d.h"), "#define D 1\n");
    WriteBytes(dir.File("bad.asm"), bad);
    WriteBytes(dir.File("good.asm"), "IF D == 1\ngood\nENDIF\n");
    CPreprocessor preprocessor;
    EXPECT_FALSE(preprocessor.PreprocessTree(dir.Path(), dir.Path()));
    EXPECT_EQ(ReadBytes(dir.File("bad.asm")), bad);
    EXPECT_EQ(ReadBytes(dir.File("good.asm")), "good");
    EXPECT_EQ(preprocessor.FailedFiles(), std::vector<wxString>{dir.File("bad.asm")});
  }

  TempDir dir;
  WriteBytes(dir.File("deep.asm"), "#define D 1\n" + NestedIfs(20));
  CPreprocessor preprocessor;
  EXPECT_TRUE(preprocessor.PreprocessTree(dir.Path(), dir.Path()));
  EXPECT_EQ(ReadBytes(dir.File("deep.asm")), "#define D 1\nbody");
}

TEST(PreprocFailures, UnreadableFilesAndFoldersAreReported) {
  TempDir dir;
  fs::create_directory(FsPath(dir.File("folder.asm")));
  const wxString missingFile = dir.File("missing.asm");
  const wxString missingFolder = dir.File("missing");

  CPreprocessor preprocessor;
  EXPECT_FALSE(preprocessor.PreprocessFile(missingFile));
  EXPECT_FALSE(preprocessor.PreprocessFile(dir.File("folder.asm")));
  EXPECT_FALSE(preprocessor.CollectDefines(missingFile));
  EXPECT_FALSE(preprocessor.PreprocessTree(wxString(), missingFolder));
  const std::vector<wxString> expected = {missingFile, dir.File("folder.asm"), missingFile, missingFolder};
  EXPECT_EQ(preprocessor.FailedFiles(), expected);
}

#ifndef _WIN32
TEST(PreprocFailures, FileThatCannotBeRewrittenIsReportedAndKept) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  TempDir dir;
  WriteTreeFile(dir, "locked/a.asm", "IF D\nx\nENDIF\n");
  WriteTreeFile(dir, "open/b.asm", "IF D\ny\nENDIF\n");
  const fs::path locked = FsPath(dir.Path()) / "locked";
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  CPreprocessor preprocessor;
  const bool ok = preprocessor.PreprocessTree(wxString(), dir.Path());
  fs::permissions(locked, fs::perms::owner_all);
  EXPECT_FALSE(ok);
  EXPECT_EQ(ReadTreeFile(dir, "locked/a.asm"), "IF D\nx\nENDIF\n");
  EXPECT_EQ(ReadTreeFile(dir, "open/b.asm"), "IF D");  // D unknown: the IF line stays, the block goes
  ASSERT_EQ(preprocessor.FailedFiles().size(), 1u);
}
#endif

// ---- Robustness -------------------------------------------------------------

// The non-blank pieces of the text's lines, tabs removed.
std::vector<std::string> NormalizedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  auto flush = [&] {
    const size_t first = current.find_first_not_of(" \t\v\f");
    if (first != std::string::npos) {
      const size_t last = current.find_last_not_of(" \t\v\f");
      lines.push_back(current.substr(first, last - first + 1));
    }
    current.clear();
  };
  for (char c : text) {
    if (c == '\r' || c == '\n')
      flush();
    else if (c != '\t')
      current += c;
  }
  flush();
  return lines;
}

bool IsSubsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
  size_t next = 0;
  for (const std::string& line : part) {
    while (next < whole.size() && whole[next] != line) ++next;
    if (next == whole.size()) return false;
    ++next;
  }
  return true;
}

std::string RandomLine(std::mt19937& random) {
  static const char* const kPieces[] = {
      "IF",          "IFE",   "IFDEF", "IFNDEF", "ELSE", "ELSEIF", "ENDIF", "//IF",        "//ENDIF",
      "(",           ")",     "((",    "))",     "&&",   "||",     "==",    "!=",          ">=",
      "<=",          ">",     "<",     ";",      "//",   "#if",    "A",     "B",           "CC",
      "LONGNAME",    "SHIFT", "X1",    "0",      "1",    "3",      "0x10",  "0x100",       "-1",
      "99999999999", "f",     "|",     "&",      "=",    "!",      "MOV",   "\xE4\xB8\xAD"};
  static const char* const kGaps[] = {" ", "", "\t", "  "};
  std::uniform_int_distribution<int> count(0, 8);
  std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1), gap(0, std::size(kGaps) - 1);
  std::string line;
  for (int n = count(random); n > 0; --n) line += std::string(kPieces[piece(random)]) + kGaps[gap(random)];
  return line;
}

std::string RandomText(std::mt19937& random, int maxLines, bool defines) {
  static const char* const kEnds[] = {"\r\n", "\n", "\r", "\n\r", "\r\n"};
  std::uniform_int_distribution<int> lines(0, maxLines);
  std::uniform_int_distribution<size_t> end(0, std::size(kEnds) - 1);
  std::uniform_int_distribution<int> coin(0, 2);
  std::string text;
  for (int n = lines(random); n > 0; --n) {
    if (defines || coin(random) == 0) text += "#define ";
    text += RandomLine(random) + kEnds[end(random)];
  }
  return text;
}

TEST(PreprocRobustness, RandomDirectivesNeverCrashHangOrInventText) {
  TempDir dir;
  const wxString definePath = dir.File("defs.h");
  const wxString sourcePath = dir.File("src.asm");
  int rewritten = 0, refused = 0;
  for (unsigned seed = 1; seed <= 600; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    const std::string defines = RandomText(random, 8, true);
    const std::string source = RandomText(random, 60, false);
    WriteBytes(definePath, defines);
    WriteBytes(sourcePath, source);
    CPreprocessor preprocessor;
    ASSERT_TRUE(preprocessor.CollectDefines(definePath));
    const std::string before = ReadBytes(sourcePath);
    if (preprocessor.PreprocessFile(sourcePath)) {
      ++rewritten;
      const std::string after = ReadBytes(sourcePath);
      EXPECT_TRUE(IsSubsequence(NormalizedLines(after), NormalizedLines(before))) << source << "\n---\n"
                                                                                  << after;
    } else {
      ++refused;
      EXPECT_EQ(ReadBytes(sourcePath), before);
      EXPECT_EQ(preprocessor.FailedFiles(), std::vector<wxString>{sourcePath});
    }
  }
  EXPECT_GT(rewritten, 0);
  EXPECT_GT(refused, 0);
}

}  // namespace
