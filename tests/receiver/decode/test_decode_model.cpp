// The decode page's rules without a window: the standard protocol's layout,
// the duty option, the shown values and separators, the grid codes, the CSV
// export and the decoded keys' way into the project.
#include "core/DocManage.h"
#include "core/ProjectFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "receiver/decode/DecodeCsv.h"
#include "receiver/decode/DecodeDisplay.h"
#include "keys/KeyConfigSection.h"
#include "receiver/decode/DecodedKeys.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/ffile.h>

#include <clocale>
#include <cstdio>
#include <fstream>
#include <sstream>

using namespace decode;

namespace {

wxString StandardSetting() {
  return StandardSettingPath(
      platform::JoinPath(OLV_SOURCE_DIR, "install/RemoteControlSetting/General/Protocols"));
}

}  // namespace

TEST(DecodeDisplay, ReadsTheStandardProtocolsLayout) {
  stStandardLayout nec;
  ASSERT_TRUE(ReadStandardLayout(StandardSetting(), 1, true, nec));
  EXPECT_EQ(nec.name, "NEC");
  EXPECT_EQ(nec.addressLimit, 8);
  EXPECT_EQ(nec.commandLimit, 8);
  EXPECT_EQ(nec.dataLength, 32);
  EXPECT_EQ(nec.ranges.addressStart, 0);
  EXPECT_EQ(nec.ranges.addressCount, 8);
  EXPECT_EQ(nec.ranges.commandStart, 16);
  EXPECT_EQ(nec.ranges.commandCount, 8);
  ASSERT_EQ(nec.duties.size(), 2u);
  EXPECT_EQ(nec.duties[0].text, "[1/3]");
  EXPECT_EQ(nec.duties[0].n, 3);
  EXPECT_EQ(nec.duties[1].n, 4);

  // A section without a range fails only when the ranges are asked for; one
  // without its data length fails always; indexes outside 1..14 have none.
  testsupport::TempDir dir;
  const wxString path = dir.File("setting.ini");
  platform::WriteProfileString(path, "p0", "Name", "X");
  platform::WriteProfileString(path, "p0", "Command", "8");
  platform::WriteProfileString(path, "p0", "Address", "0x10");
  platform::WriteProfileString(path, "p0", "DataLen", "24");
  platform::WriteProfileString(path, "p0", "AddRange", "0,15");
  stStandardLayout layout;
  EXPECT_FALSE(ReadStandardLayout(path, 1, true, layout));
  EXPECT_TRUE(ReadStandardLayout(path, 1, false, layout));
  EXPECT_EQ(layout.addressLimit, 16);
  EXPECT_TRUE(layout.duties.empty());
  platform::WriteProfileString(path, "p0", "DataLen", "");
  EXPECT_FALSE(ReadStandardLayout(path, 1, false, layout));
  EXPECT_FALSE(ReadStandardLayout(StandardSetting(), 15, false, layout));
  EXPECT_FALSE(ReadStandardLayout(StandardSetting(), 0, false, layout));
}

TEST(DecodeDisplay, DutyOptionIsTheNearestAndTheLaterOfEqualOnes) {
  const std::vector<stDutyOption> thirds = NonStandardDutyOptions();
  EXPECT_EQ(thirds[ChooseDutyOption(thirds, 1.0 / 3)].text, "1/3");
  EXPECT_EQ(thirds[ChooseDutyOption(thirds, 0.9)].text, "1/2");
  EXPECT_EQ(thirds[ChooseDutyOption(thirds, 0.0)].text, "1/4");
  const std::vector<stDutyOption> tie = {{"half", 2}, {"quarter", 4}};
  EXPECT_EQ(ChooseDutyOption(tie, 0.375), 1);
  EXPECT_EQ(ChooseDutyOption({}, 0.3), -1);
}

TEST(DecodeDisplay, ProtocolNamesByIndex) {
  EXPECT_EQ(ProtocolDisplayName(0, "NEC"), "NG");
  EXPECT_EQ(ProtocolDisplayName(1, "NEC"), "NEC");
  EXPECT_EQ(ProtocolDisplayName(15, "NEC"), "Non-standard");
  EXPECT_EQ(ProtocolDisplayName(16, "NEC"), "NG");
}

TEST(DecodeDisplay, FieldValuesTakeTheAnalysersWordOnlyInsideTheData) {
  const wxString bits = "00000000111111110000001010101010";  // 32 bits
  struct Case {
    int start, count, length;
    bool standard, command;
    const char* expected;
  } cases[] = {
      {0, 16, 32, true, false, "abcd"},  // 16 < 32: the word
      {16, 16, 32, true, true, "abcd"},  // 32 <= 32: the word
      {16, 16, 32, true, false, "2aa"},  // 32 < 32 fails: the bits
      {8, 8, 32, false, false, "ff"},    // non-standard: the bits
      {0, 0, 32, true, false, "0"},      // no bits
      {40, 4, 32, false, true, "0"},     // outside the text
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FieldValueText(bits, c.start, c.count, c.length, c.standard, c.command, 0xABCD), c.expected)
        << c.start << "," << c.count << (c.command ? " command" : " address");
  }
  EXPECT_EQ(HandEnteredFieldText("0000 1111 0010", 4, 40), "f2");
  EXPECT_EQ(HandEnteredFieldText("0101", 4, 2), "");
}

TEST(DecodeDisplay, SeparatorsSurroundTheAddressAndCommandFields) {
  const wxString bits = "00000001000000101111111100000011";
  stBitRanges nec{0, 8, 16, 8};
  EXPECT_EQ(InsertFieldSeparators(bits, 32, nec, false), " 00000001 00000010 11111111 00000011");
  // The command before the address.
  stBitRanges swapped{8, 8, 0, 4};
  EXPECT_EQ(InsertFieldSeparators("0101111100001111", 17, swapped, false), " 0101 1111 00001111 ");
  // No fields: the text as it stands.
  EXPECT_EQ(InsertFieldSeparators("0101", 4, stBitRanges{0, 0, 0, 0}, false), "0101");
}

TEST(DecodeDisplay, GridCodesAlwaysCarryTheirPrefix) { EXPECT_EQ(GridCodeText("45"), "0x45"); }

namespace {

wxString Lookup(const wxString& key) {
  if (key == "IDS_GROUP_INDEX_D") return "Key %d";
  if (key.StartsWith("IDS_")) return key.Mid(4);
  return key;
}

std::string ReadBytes(const wxString& path) {
  std::ifstream in(path.utf8_string(), std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

TEST(DecodeCsv, GeneralNonStandardFileLayout) {
  stCsvContent content;
  content.nonStandard = true;
  content.createdDate = "'2026-12-11";
  content.createdTime = "01:02:03";
  content.carrier = "38.00";
  content.duty = "0.33";
  content.protocolName = "Non-standard";
  content.bitText = " 0101 1100";
  content.waveMark = 9000;
  content.waveSpace = 4500;
  content.bit0Mark = 560;
  content.bit0Space = 560;
  content.bit1Mark = 560;
  content.bit1Space = 1690;
  content.repeat = true;
  content.repeatPeriodMs = 108;
  content.rows = {{"0x1A", "Power"}, {"0x2", "Vol \"+\", up"}};
  const std::vector<wxString> lines = BuildCsvLines(content, Lookup);
  const std::vector<wxString> expected = {
      "FILE_CREATE_TIME_D,,,''2026-12-11 01:02:03,\r\n",
      "FREQUENCE_D,,,'38.00,\r\n",
      "DUTY_D,,,'0.33,\r\n",
      "PROTOCOL_TYPE,,,'Non-standard,\r\n",
      "IDENTIFY_DATA_D,,,' 0101 1100,\r\n",
      "WAVE_D,,,',\r\n",
      ",MARK,'9000\r\n",
      ",SPACE,'4500\r\n",
      "Bit0,,,',\r\n",
      ",MARK,'560\r\n",
      ",SPACE,'560\r\n",
      "Bit1,,,',\r\n",
      ",MARK,'560\r\n",
      ",SPACE,'1690\r\n",
      "REPEAT_CODE_D,,,'1,\r\n",
      ",REPEAT_WEEK_D,,'108ms\r\n",
      "KEY_DATA_D,,,',\r\n",
      ",Key 1,,'0x1A,Power\r\n",
      ",Key 2,,'0x2,\"Vol \"\"+\"\", up\"\r\n",
  };
  EXPECT_EQ(lines, expected);

  // A standard protocol has no wave, bit or repeat lines; Manchester one unit line pair.
  content.nonStandard = false;
  content.rows.clear();
  std::vector<wxString> standard = BuildCsvLines(content, Lookup);
  ASSERT_EQ(standard.size(), 6u);
  EXPECT_EQ(standard[5], "KEY_DATA_D,,,',\r\n");
  content.nonStandard = true;
  content.manchester = true;
  content.manchesterUnit = 889;
  content.repeat = false;
  std::vector<wxString> manchester = BuildCsvLines(content, Lookup);
  ASSERT_EQ(manchester.size(), 13u);
  EXPECT_EQ(manchester[8], "Manchester,,,',\r\n");
  EXPECT_EQ(manchester[9], ",MARK,'889\r\n");
  EXPECT_EQ(manchester[11], "REPEAT_CODE_D,,,'0,\r\n");
}

TEST(DecodeCsv, AirFileKeepsTheFrameAndIllustrationInOneCell) {
  stCsvContent content;
  content.airConditioner = true;
  content.frameLength = "8";
  content.rows = {{"0101C1100", "Cool 24"}};
  const std::vector<wxString> lines = BuildCsvLines(content, Lookup);
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[3], "DATA_LEN_D,,,'8,\r\n");
  EXPECT_EQ(lines[13], "CONNECT_CODE_D,,,'0,\r\n");
  EXPECT_EQ(lines[14], "IDENTIFY_DATA_D,,,',\r\n");
  EXPECT_EQ(lines[15], ",Key 1,,'0101C1100          Cool 24\r\n");
}

TEST(DecodeCsv, FileIsUtf8WithBomAndPythonReadsItsCells) {
  testsupport::TempDir dir;
  stCsvContent content;
  content.protocolName = wxString::FromUTF8("标准");
  content.rows = {{"0x45", wxString::FromUTF8("电源, \"开\"")}, {"0x46", "line\nbreak"}};
  const wxString path = dir.File("keys.csv");
  ASSERT_TRUE(WriteCsvFile(path, content, Lookup));
  const std::string bytes = ReadBytes(path);
  ASSERT_GE(bytes.size(), 3u);
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  const wxString script = dir.File("read.py");
  {
    wxFFile out(script, "w");
    out.Write(
        "import csv, sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
        "    rows = list(csv.reader(f))\n"
        "print(repr(rows[3][3]))\n"
        "print(repr(rows[-2][3:]))\n"
        "print(repr(rows[-1][3:]))\n");
  }
  const std::string command =
      "PYTHONIOENCODING=utf-8 /usr/bin/python3 " + script.utf8_string() + " " + path.utf8_string();
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_EQ(output, "\"'标准\"\n[\"'0x45\", '电源, \"开\"']\n[\"'0x46\", 'line\\nbreak']\n");
  EXPECT_FALSE(WriteCsvFile(dir.File("missing/keys.csv"), content, Lookup));
}

TEST(DecodeCsv, ExtensionAndLocale) {
  struct Case {
    const char* chosen;
    const char* written;
  } cases[] = {{"/a/keys", "/a/keys.csv"}, {"/a/keys.CsV", "/a/keys.CsV"}, {"/a/k.txt", "/a/k.txt.csv"}};
  for (const Case& c : cases) EXPECT_EQ(CsvPathWithExtension(c.chosen), c.written);

  std::setlocale(LC_CTYPE, "C");
  { CScopedExportLocale locale("936"); }
  EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C");
}

TEST(DecodedKeys, AirItemsHoldEightValuesEach) {
  CDocManage doc;
  for (int i = 0; i < 10; ++i) doc.AddAirKeyValue(wxString::Format("f%d", i), wxString::Format("t%d", i));
  const std::vector<wxString> items = AirKeyItems(doc);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0], "f0-t0,f1-t1,f2-t2,f3-t3,f4-t4,f5-t5,f6-t6,f7-t7");
  EXPECT_EQ(items[1], "f8-t8,f9-t9");

  testsupport::TempDir dir;
  const wxString path = dir.File("p.lmirprj");
  CProjectFile file(path);
  ASSERT_TRUE(WriteAirKeyItems(file, doc));
  EXPECT_EQ(platform::ReadProfileString(path, "KeyConfig", "KeyValueCount", ""), "10");
  EXPECT_EQ(platform::ReadProfileString(path, "KeyConfig", "Item1", ""), "f8-t8,f9-t9");
}

// Names holding the record separators are escaped, and the key page's reader gets them back whole.
TEST(DecodedKeys, AirItemsWithSeparatorsInNamesReadBackWhole) {
  CDocManage doc;
  doc.AddAirKeyValue("0101", "Vol, \"up\"");
  doc.AddAirKeyValue("1100", "dir\\");
  doc.AddAirKeyValue("11", "Off-Timer");
  EXPECT_EQ(AirKeyItems(doc)[0], "0101-Vol\\, \"up\",1100-dir\\\\,11-Off-Timer");

  testsupport::TempDir dir;
  CProjectFile file(dir.File("p.lmirprj"));
  ASSERT_TRUE(WriteAirKeyItems(file, doc));
  CDocManage reread;
  reread.RemoteType = kRemoteLcdSimple;
  ReadKeyConfigKeys(file, reread);
  ASSERT_EQ(reread.GetAirKeyValueCount(), 3u);
  int a = 0, b = 0;
  wxString firstA, secondA, firstB, secondB;
  while (doc.GetNextAirKeyValue(a, firstA, secondA) && reread.GetNextAirKeyValue(b, firstB, secondB)) {
    EXPECT_EQ(firstB, firstA);
    EXPECT_EQ(secondB, secondA);
  }
}

TEST(DecodedKeys, GeneralImportAsksOnceForCodesWiderThanTheCommand) {
  const std::vector<GridRow> rows = {{"0x1FF", "a"}, {"", "skipped"}, {"2ffH", "b"}, {"0x12", "c"}};
  for (bool cut : {true, false}) {
    CDocManage doc;
    doc.CommandBits = 8;
    doc.AddKeyValue(7, "old");
    int asked = 0;
    ImportGeneralRows(doc, rows, [&] {
      ++asked;
      return cut;
    });
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(doc.GetKeyValueCount(), 3u);
    EXPECT_EQ(doc.KeyValues()[0].code, cut ? 0xFF : 0x1FF);
    EXPECT_EQ(doc.KeyValues()[1].code, cut ? 0xFF : 0x2FF);
    EXPECT_EQ(doc.KeyValues()[2].code, 0x12);
  }
  // No command bits: cut without asking.
  CDocManage doc;
  doc.CommandBits = 0;
  int asked = 0;
  ImportGeneralRows(doc, {{"0x3", "x"}}, [&] { return ++asked, true; });
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(doc.KeyValues()[0].code, 0);
}

// Codes read as the key page reads them: hexadecimal with "0x" or "H", else
// decimal, cut to 16 bits.
TEST(DecodedKeys, GeneralImportReadsCodesAsTheKeyPageDoes) {
  CDocManage doc;
  doc.CommandBits = 16;
  const std::vector<GridRow> rows = {
      {"0x45", "a"}, {"12H", "b"}, {" 0X1ff ", "c"}, {"45", "d"}, {"0x12345", "e"}};
  ASSERT_FALSE(FindUnreadableCode(rows));
  ASSERT_TRUE(ImportGeneralRows(doc, rows, [] { return true; }));
  std::vector<std::uint16_t> codes;
  for (const auto& value : doc.KeyValues()) codes.push_back(value.code);
  EXPECT_EQ(codes, (std::vector<std::uint16_t>{0x45, 0x12, 0x1FF, 45, 0x2345}));
}

// A code that cannot be read whole is named by its row, and the import changes nothing.
TEST(DecodedKeys, GeneralImportRefusesUnreadableCodesWithoutAChange) {
  struct Case {
    std::vector<GridRow> rows;
    std::size_t unreadable;
  } const cases[] = {
      {{{"0x1G", "a"}}, 0},
      {{{"0x45", "a"}, {"", "b"}, {"12 H", "c"}, {"zz", "d"}}, 2},
      {{{"0x45", "a"}, {"-3", "b"}}, 1},
  };
  for (const Case& c : cases) {
    CDocManage doc;
    doc.AddKeyValue(7, "old");
    const std::optional<std::size_t> found = FindUnreadableCode(c.rows);
    ASSERT_TRUE(found.has_value()) << c.rows[c.unreadable].first;
    EXPECT_EQ(*found, c.unreadable);
    EXPECT_FALSE(ImportGeneralRows(doc, c.rows, [] { return true; }));
    ASSERT_EQ(doc.GetKeyValueCount(), 1u);
    EXPECT_EQ(doc.KeyValues()[0].code, 7);
  }
}

TEST(DecodedKeys, AirImportAppendsNoEmptyRows) {
  CDocManage doc;
  doc.AddAirKeyValue("old", "");
  ImportAirRows(doc, {{"0101", "Cool"}, {"", ""}, {"", "note"}, {"1100", ""}});
  ASSERT_EQ(doc.GetAirKeyValueCount(), 2u);
  EXPECT_EQ(AirKeyItems(doc)[0], "0101-Cool,1100-");
}
