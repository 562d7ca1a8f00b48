#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/ExprEngine.h"
#include "core/StdioFileEx.h"
#include "core/Utf8Text.h"
#include "TempDir.h"
#include "platform/Paths.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

namespace {

class TemplateWriterTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  static void SetUpTestSuite() { ASSERT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR)); }

  void SetUp() override {
    state.Macros().clear();
    doc.Keypad = 1;
  }

  // Writes the template, runs the writer; the output bytes.
  std::string Write(const std::string& templateBytes, bool* ok = nullptr) {
    testsupport::WriteBytes(dir.File("in.asm"), templateBytes);
    const bool result = doc.WriteTemplateFile(dir.File("in.asm"), dir.File("out.asm"));
    if (ok) *ok = result;
    return testsupport::ReadBytes(dir.File("out.asm"));
  }

  testsupport::TempDir dir;
  CDocManage doc;
};

TEST_F(TemplateWriterTest, ExpandsTokensLineByLine) {
  state.Macros()["A"] = "5";
  state.Macros()["NAME"] = "KEY_TABLE";
  state.Macros()["ROWS"] = "0x10";
  state.Macros()["KEY_~DESCRIPTION"] = ";; the key table";
  struct Case {
    const char* name;
    std::string in;
    std::string out;
    bool ok;
  } cases[] = {
      {"no token, BOM dropped",
       "\xEF\xBB\xBF"
       "MOV A,1\r\nNOP\r\n",
       "MOV A,1\r\nNOP\r\n", true},
      {"empty", "", "", true},
      {"first character sharing the mark's first byte", u8"\uFF01$A$\r\n", u8"\uFF015\r\n", true},
      {"same token twice", "DB $A$,$A$\r\n", "DB 5,5\r\n", true},
      {"arithmetic", "X EQU $1+2*3$\r\n", "X EQU 7\r\n", true},
      {"real", "R $7/2.0$\r\n", "R 3.500000\r\n", true},
      {"all ones prints -1", "V $0xFFFFFFFF$\r\n", "V -1\r\n", true},
      {"names as text and number", "$NAME$: DS $ROWS+1$\r\n", "KEY_TABLE: DS 17\r\n", true},
      {"description", "$GetRegName(\"KEY_~DESCRIPTION\")$\r\n", ";; the key table\r\n", true},
      {"missing macro reads 0", "X $MISSING$\r\n", "X 0\r\n", true},
      {"final line without end", "ABC", "ABC", true},
      {"final line, even length", "AB", "AB", true},
      {"lone LF endings", "A\nB\n", "A\nB\n", true},
      {"unmatched dollar", "OK\r\nBAD $A\r\nNEVER\r\n", "OK\r\n", false},
      {"malformed token", "X $1+$\r\n", "", false},
      {"non-ASCII text", u8"; 遥控器 $A$\r\n", u8"; 遥控器 5\r\n", true},
      {"invalid UTF-8 replaced with or without a token", "; \xC3\r\nA\xFF $A$\r\n",
       "; \xEF\xBF\xBD\r\nA\xEF\xBF\xBD 5\r\n", true},
      {"NUL kept with the rest of its line", std::string("A\0B $A$\r\nC\r\n", 12),
       std::string("A\0B 5\r\nC\r\n", 10), true},
  };
  for (const auto& c : cases) {
    bool ok = false;
    EXPECT_EQ(Write(c.in, &ok), c.out) << c.name;
    EXPECT_EQ(ok, c.ok) << c.name;
  }
  EXPECT_TRUE(g_MacroMap.count("MISSING"));
  EXPECT_EQ(g_MacroMap["MISSING"], "");
}

TEST_F(TemplateWriterTest, LongLinesAreReadWhole) {
  state.Macros()["A"] = "5";
  const std::string line = std::string(1200, 'x') + "$A$" + std::string(1297, 'y');
  EXPECT_EQ(Write(line), std::string(1200, 'x') + "5" + std::string(1297, 'y'));
}

TEST_F(TemplateWriterTest, RowScanLinesAreDroppedForStepKeypads) {
  state.Macros()["SCAN"] = "CALL ROW_SCAN_LINE";
  state.Macros()["VSS"] = "ROWVSS";
  state.Macros()["A"] = "1";
  const std::string in = "A $A$ $SCAN$\r\nB $VSS$\r\nC\r\n";
  doc.Keypad = 0;
  EXPECT_EQ(Write(in), "C\r\n");
  doc.Keypad = 1;
  EXPECT_EQ(Write(in), "A 1 CALL ROW_SCAN_LINE\r\nB ROWVSS\r\nC\r\n");
}

TEST_F(TemplateWriterTest, SelfReferringMacroFailsInsteadOfLooping) {
  state.Macros()["LOOP"] = "again $LOOP$";
  bool ok = true;
  Write("X $LOOP$\r\n", &ok);
  EXPECT_FALSE(ok);
  state.Macros()["P"] = "$Q$";
  state.Macros()["Q"] = "$P$";
  Write("X $P$\r\n", &ok);
  EXPECT_FALSE(ok);
}

TEST_F(TemplateWriterTest, RefusedTokenTellsTheUserTheLibrarysReason) {
  state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
  state.App().currentLangSection = "1252";
  state.Macros()["A"] = "5";

  wxString value = "kept";
  wxString reason;
  ASSERT_FALSE(EvaluateMacroToken("$1+$", value, &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(value, "kept");
  // The library's own account of the failure, not a text made up here.
  ASSERT_EQ(g_ExprEngine.Parse("$1+$"), 0);
  wxString libraryText;
  g_ExprEngine.GetErrorText(libraryText);
  g_ExprEngine.ClearMemory();
  EXPECT_EQ(reason, libraryText);

  bool ok = true;
  Write("OK $A$\r\nX EQU $1+$\r\nNEVER\r\n", &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(doc.GetTemplateFailure(),
            "The template " + dir.File("in.asm") + " could not be expanded at line 2:\n$1+$\n" + reason);

  // A later success, or a failure of another kind, leaves no stale message.
  Write("OK $A$\r\n", &ok);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(doc.GetTemplateFailure().empty());
  Write("X $1+$\r\n");
  Write("BAD $A\r\n", &ok);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(doc.GetTemplateFailure().empty());
  Write("X $1+$\r\n");
  EXPECT_FALSE(doc.WriteTemplateFile(dir.File("none.asm"), dir.File("out.asm")));
  EXPECT_TRUE(doc.GetTemplateFailure().empty());
}

TEST_F(TemplateWriterTest, MacrosThatDoubleEachOtherStopWithAMessage) {
  state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
  state.App().currentLangSection = "1252";
  state.Macros()["A"] = "$B$$B$";
  state.Macros()["B"] = "$A$$A$";
  bool ok = true;
  const std::string out = Write("OK\r\nX $A$\r\n", &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(out, "OK\r\n");
  const wxString growing = "The template " + dir.File("in.asm") +
                           " could not be written: a line keeps growing as its tokens are replaced (macros "
                           "whose values name each other).";
  EXPECT_EQ(doc.GetTemplateFailure(), growing);
  // Slower growth over many rounds stops as well.
  state.Macros()["A"] = "$B$]B$";
  Write("X $A$\r\n", &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(doc.GetTemplateFailure(), growing);
  // A long line that settles is written whole.
  state.Macros()["WIDE"] = wxString(100000, 'w');
  EXPECT_EQ(Write("$WIDE$ $WIDE$\r\n", &ok),
            std::string(100000, 'w') + " " + std::string(100000, 'w') + "\r\n");
  EXPECT_TRUE(ok);
}

TEST_F(TemplateWriterTest, MissingFilesFail) {
  EXPECT_FALSE(doc.WriteTemplateFile(dir.File("none.asm"), dir.File("out.asm")));
  testsupport::WriteBytes(dir.File("in.asm"), "x");
  EXPECT_FALSE(doc.WriteTemplateFile(dir.File("in.asm"), dir.File("no/such/out.asm")));
}

TEST(MacroTokens, FindAndCallbacks) {
  testsupport::ProgramState state;
  wxString token;
  EXPECT_EQ(FindMacroToken("no dollar", token), 0);
  EXPECT_EQ(FindMacroToken("one $ only", token), -1);
  EXPECT_EQ(FindMacroToken("a $$ b", token), 1);
  EXPECT_EQ(token, "$$");
  EXPECT_EQ(FindMacroToken("x $A$ $B$", token), 1);
  EXPECT_EQ(token, "$A$");

  state.Macros().clear();
  state.Macros()["H"] = "10h";
  int out = 7;
  EXPECT_STREQ(ExprGetRegName("EMPTY", &out), "0");
  EXPECT_EQ(out, 0);
  EXPECT_EQ(ExprGetParamValInt("H"), 16);
  EXPECT_EQ(ExprGetParamValInt("NONE"), 0);
  EXPECT_TRUE(g_MacroMap.count("EMPTY") && g_MacroMap.count("NONE"));
}

TEST(StdioFileEx, LineEndsAndInvalidBytes) {
  testsupport::TempDir dir;
  testsupport::WriteBytes(dir.File("t.txt"), "a\r\nb\n\rc\rd");
  CStdioFileEx file;
  ASSERT_TRUE(file.Open(dir.File("t.txt")));
  std::vector<std::string> lines;
  std::string line;
  while (file.ReadRawLine(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a\r\n", "b\n\r", "c\r", "d"}));
  file.Close();

  // Line ends across the reader's 64 KiB blocks.
  for (const std::size_t before : {65534, 65535, 65536}) {
    const std::string first(before, 'a');
    testsupport::WriteBytes(dir.File("long.txt"), first + "\r\nb\rc");
    ASSERT_TRUE(file.Open(dir.File("long.txt")));
    lines.clear();
    while (file.ReadRawLine(line)) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{first + "\r\n", "b\r", "c"})) << before;
  }
  EXPECT_EQ(Utf8ToWide("ok\xFF"), wxString::FromUTF8("ok\xEF\xBF\xBD"));
}

}  // namespace
