#include "core/AppContext.h"
#include "core/FileHelpers.h"
#include "core/Numbers.h"
#include "core/StringHelpers.h"
#include "platform/Profile.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

namespace {

struct NumberCase {
  const char* text;
  std::uint32_t expected;
};

TEST(Numbers, ParseNumberReadsHexWhenMarkedElseDecimal) {
  const NumberCase cases[] = {
      {" 10 ", 10},
      {"10h", 16},
      {"0x10", 16},
      {"", 0},
      {"1FH", 31},
      {"0XfF", 255},
      {"12abc", 12},
      {"ab", 0},
      {"  7\t", 7},
      {"0x", 0},
      {"H", 0},
      {"4294967295", 4294967295u},
      {"99999999999", 0xFFFFFFFFu},
      {"-1", 0xFFFFFFFFu},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.expected) << "text: '" << c.text << "'";
}

// The whole text in one of ParseNumber's forms gives its value; text it reads only in part gives none.
TEST(Numbers, WholeNumberIsReadOnlyWhenEveryCharacterBelongsToIt) {
  const NumberCase readable[] = {{" 10 ", 10},   {"12H", 0x12},   {"12h", 0x12},
                                 {"0x1f", 0x1F}, {"0X12H", 0x12}, {"4294967295", 0xFFFFFFFFu},
                                 {"007", 7}};
  for (const auto& c : readable) {
    ASSERT_TRUE(ReadWholeNumber(c.text).has_value()) << "text: '" << c.text << "'";
    EXPECT_EQ(*ReadWholeNumber(c.text), c.expected) << "text: '" << c.text << "'";
    EXPECT_EQ(*ReadWholeNumber(c.text), ParseNumber(c.text)) << "text: '" << c.text << "'";
  }
  for (const char* text : {"", "  ", "0x1G", "1H2", "12abc", "ab", "0x", "H", "H12", "1 2", "-1", "+1",
                           "4294967296", "99999999999", "1.5"})
    EXPECT_FALSE(ReadWholeNumber(text).has_value()) << "text: '" << text << "'";
}

TEST(Numbers, ParseIntIsSignedAndCanForceHex) {
  EXPECT_EQ(ParseInt("-12"), -12);
  EXPECT_EQ(ParseInt("10", true), 16);
  EXPECT_EQ(ParseInt("0x7FFFFFFF"), 0x7FFFFFFF);
  EXPECT_EQ(ParseInt("99999999999"), INT32_MAX);
  EXPECT_EQ(ParseIntA(" 20h "), 32);
}

TEST(Numbers, CompareShiftAndAsmHex) {
  EXPECT_EQ(CompareDouble(0.1 + 0.2, 0.3), 0);
  EXPECT_EQ(CompareDouble(2.0, 1.0), 1);
  EXPECT_EQ(CompareDouble(1.0, 2.0), -1);
  EXPECT_EQ(ShiftToMask(3, 0x30), 0x30u);
  EXPECT_EQ(ShiftToMask(5, 0x30), 0x10u);  // cut to the mask
  EXPECT_EQ(ShiftToMask(1, 0x80000000u), 0x80000000u);
  EXPECT_EQ(FormatHexForAsm(0xAB), "0ab");
  EXPECT_EQ(FormatHexForAsm(0x1F), "1f");
  EXPECT_EQ(FormatHexForAsm(0), "0");
}

TEST(Strings, GetNextTokenSplitsAndTrims) {
  wxString list = "  alpha , beta,gamma  ";
  EXPECT_EQ(GetNextToken(list, ","), "alpha");
  EXPECT_EQ(list, "beta,gamma");
  EXPECT_EQ(GetNextToken(list, ","), "beta");
  EXPECT_EQ(GetNextToken(list, ","), "gamma");
  EXPECT_EQ(list, "");
  wxString multi = "a::b";
  EXPECT_EQ(GetNextToken(multi, "::"), "a");
  EXPECT_EQ(multi, "b");
}

TEST(Strings, OccurrencesAndAmpersands) {
  EXPECT_EQ(CountOccurrences("aaaa", "aa"), 2);
  EXPECT_EQ(CountOccurrences("%s and %s", "%s"), 2);
  EXPECT_EQ(CountOccurrences("abc", ""), 0);
  EXPECT_EQ(EscapeAmpersands("R&D"), "R&&D");
  EXPECT_EQ(UnescapeAmpersands("a&&&b"), "a&&b");  // three keep two
  EXPECT_EQ(UnescapeAmpersands("&&&&"), "&&");
}

TEST(Strings, AlignLastColumnLinesUpTheLastBlanks) {
  wxArrayString lines;
  lines.Add("MOV A, 1");
  lines.Add("NOP");
  lines.Add("CALL LONG_NAME X");
  AlignLastColumn(lines);
  const int target = wxString("CALL LONG_NAME X").Find(' ', true) + 5;
  for (const wxString& line : lines) EXPECT_EQ(line.Find(' ', true), target) << line;
  EXPECT_TRUE(lines[2].StartsWith("CALL LONG_NAME"));
  EXPECT_TRUE(lines[1].EndsWith("NOP"));
}

TEST(Strings, ExpandLetterExpression) {
  wxArrayString values;
  values.Add("1");
  values.Add("2");
  values.Add("3");
  values.Add("");

  wxString expr = "A+B*C";
  int error = -1;
  EXPECT_TRUE(ExpandLetterExpression(expr, values, error));
  EXPECT_EQ(expr, "1+2*3");

  for (const char* bad : {"AB", "A+", "+A", "A++B", "", "A+J", "a+b"}) {
    wxString e = bad;
    error = -1;
    EXPECT_FALSE(ExpandLetterExpression(e, values, error)) << bad;
    EXPECT_EQ(error, 1) << bad;
    EXPECT_EQ(e, bad);
  }
  for (const char* missing : {"A+D", "A-E"}) {  // empty value, beyond the values
    wxString e = missing;
    EXPECT_FALSE(ExpandLetterExpression(e, values, error)) << missing;
    EXPECT_EQ(error, 0) << missing;
    EXPECT_EQ(e, missing);
  }
}

TEST(Files, CreateFolderPathCreatesMissingFoldersAndRefusesExisting) {
  testsupport::TempDir dir;
  const wxString deep = dir.File("a/b/c");
  EXPECT_TRUE(CreateFolderPath(deep));
  EXPECT_TRUE(wxFileName::DirExists(deep));
  EXPECT_FALSE(CreateFolderPath(deep));  // existing: false, nothing changes
  EXPECT_TRUE(wxFileName::DirExists(deep));
  EXPECT_TRUE(FileExists(deep));
  EXPECT_FALSE(FileExists(dir.File("nothing")));
}

TEST(Files, ListFilesRecursiveSkipsHiddenFolders) {
  testsupport::TempDir dir;
  CreateFolderPath(dir.File("sub/deeper"));
  CreateFolderPath(dir.File(".hidden"));
  testsupport::WriteBytes(dir.File("top.txt"), "x");
  testsupport::WriteBytes(dir.File("sub/deeper/inner.ini"), "x");
  testsupport::WriteBytes(dir.File(".hidden/secret.txt"), "x");

  std::vector<wxString> folders;
  ListFilesRecursive(folders, dir.Path(), true, false);
  EXPECT_EQ(folders, std::vector<wxString>{"sub"});

  std::vector<wxString> titles;
  ListFilesRecursive(titles, dir.Path(), false, true);
  std::sort(titles.begin(), titles.end());
  EXPECT_EQ(titles, (std::vector<wxString>{"inner", "top"}));

  std::vector<wxString> paths;
  ListFilesRecursive(paths, dir.Path(), false, false);
  ASSERT_EQ(paths.size(), 2u);
  for (const wxString& p : paths) EXPECT_TRUE(wxFileName::FileExists(p)) << p;
}

class BrandTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;
};

TEST_F(BrandTest, ProjectFileExtensionFollowsBrand) {
  state.BrandFlag() = 0;
  EXPECT_TRUE(IsProjectFileOfBrand("remote.lmirprj"));
  EXPECT_TRUE(IsProjectFileOfBrand("x.y.LMIRPRJ"));
  EXPECT_FALSE(IsProjectFileOfBrand("remote.ovirprj"));
  EXPECT_FALSE(IsProjectFileOfBrand("noext"));
  state.BrandFlag() = 1;
  EXPECT_TRUE(IsProjectFileOfBrand("remote.ovirprj"));
  EXPECT_FALSE(IsProjectFileOfBrand("remote.lmirprj"));
}

TEST_F(BrandTest, ProjectChipPassesWhenTheBrandOffersIt) {
  testsupport::TempDir dir;
  struct Case {
    int brand;
    const char* mcu;
    bool expected;
  } cases[] = {
      {0, "QK21C0510", true},                         // the partner brand's own chip, despite the prefix rule
      {0, "qk21c0510", true},  {0, "LM8F100", true},  // prefix rule
      {0, "QK37A0640", false}, {0, "", false},         {1, "QK37A0640", true},
      {1, "LM8F100", false},   {1, "QK21C0510", true},  // not offered, but passes the maker's prefix rule
      {1, "", true},
  };
  for (const auto& c : cases) {
    state.BrandFlag() = c.brand;
    const wxString file = dir.File("p.ini");
    platform::WriteProfileString(file, "Project", "MCU", wxString(c.mcu));
    EXPECT_EQ(IsProjectChipOfBrand(file), c.expected) << "brand " << c.brand << " mcu " << c.mcu;
  }
  state.BrandFlag() = 0;
  EXPECT_FALSE(IsProjectChipOfBrand(dir.File("missing.ini")));
}

TEST(Firmware, NewestReceiverFirmwareIsFound) {
  testsupport::ProgramState state;
  testsupport::TempDir dir;
  CreateFolderPath(dir.File("FW"));
  state.App().installFolder = dir.Path();
  std::uint16_t version = 1;
  EXPECT_FALSE(FindReceiverFirmware(version));
  EXPECT_EQ(version, 0);

  for (const char* name : {"IRRC_Receiver_0102.bin", "IRRC_Receiver_01a3.bin", "IRRC_Receiver_00FF.bin",
                           "IRRC_Receiver_ZZZZ.bin", "other.bin", "IRRC_Receiver_FFFFF.bin"}) {
    testsupport::WriteBytes(dir.File(wxString("FW/") + name), "x");
  }
  EXPECT_TRUE(FindReceiverFirmware(version));
  EXPECT_EQ(version, 0x01A3);
  // The path is the file as found, not one rebuilt from the version.
  stReceiverFirmware found;
  EXPECT_TRUE(FindReceiverFirmware(found));
  EXPECT_EQ(found.version, 0x01A3);
  EXPECT_EQ(found.path, dir.File("FW/IRRC_Receiver_01a3.bin"));
  EXPECT_EQ(ParseReceiverFirmwareTitle("IRRC_Receiver_zz12"), 0);
  EXPECT_EQ(ParseReceiverFirmwareTitle("irrc_receiver_00ab"), 0xAB);
  state.App().installFolder.clear();
}

}  // namespace
