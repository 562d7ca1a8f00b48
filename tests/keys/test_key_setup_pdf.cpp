// The key set-up drawing on a PDF page that the test makes, read back with
// poppler's pdftotext.
#include "keys/KeySetupExport.h"
#include "keys/KeySetupPdf.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

class KeySetupPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    fontFile = FindUtf8FontFile();
    ASSERT_FALSE(fontFile.empty()) << "no TrueType font installed";
    doc = HPDF_New(nullptr, nullptr);
    ASSERT_NE(doc, nullptr);
    font = LoadUtf8Font(doc, fontFile);
    ASSERT_NE(font, nullptr);
  }
  void TearDown() override {
    if (doc) HPDF_Free(doc);
  }
  HPDF_Page NewPage() {
    HPDF_Page page = HPDF_AddPage(doc);
    if (page) HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_LANDSCAPE);
    return page;
  }
  // Saves the document and returns pdftotext's reading of it.
  std::string SaveAndRead(const wxString& name) {
    const wxString pdf = dir.File(name + ".pdf");
    EXPECT_EQ(HPDF_SaveToFile(doc, pdf.fn_str()), static_cast<HPDF_STATUS>(HPDF_OK));
    const wxString txt = dir.File(name + ".txt");
    const std::string cmd = "pdftotext -layout '" + pdf.ToStdString() + "' '" + txt.ToStdString() + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    std::ifstream in(txt.ToStdString());
    std::stringstream text;
    text << in.rdbuf();
    lastPdf = pdf;
    return text.str();
  }

  testsupport::TempDir dir;
  wxString fontFile;
  wxString lastPdf;
  HPDF_Doc doc = nullptr;
  HPDF_Font font = nullptr;
};

stPdfPlacement Place(float x, float y) {
  stPdfPlacement at;
  at.originX = x;
  at.originY = y;
  return at;
}

stKeySetupSnapshot Matrix() {
  stKeySetupSnapshot s;
  s.matrix = true;
  s.rowVss = true;
  s.cellWidth = 48;
  s.cellHeight = 22;
  s.x0 = 110;
  s.columnCells = 8;
  s.rowCells = 9;
  s.columnPins = 3;
  s.rowPins = 3;  // VSS, ROW0, ROW1
  s.codes.assign(static_cast<std::size_t>(s.columnCells * s.rowCells), kNoDiagramCode);
  s.codes[0] = 0x1a;
  s.codes[2] = 0x40;
  s.codes[8 + 1] = 0x7f;  // row 1, column 1
  s.codes[3] = 0x99;      // an inactive column: not printed
  return s;
}

TEST_F(KeySetupPdf, MatrixPrintsItsLinesCodesAndSwitchesOfActiveCellsOnly) {
  HPDF_Page page = NewPage();
  ASSERT_TRUE(DrawKeySetupPdf(doc, page, font, Matrix(), Place(60, 500)));
  const std::string text = SaveAndRead("matrix");
  for (const char* want : {"COL0", "COL1", "COL2", "VSS", "ROW0", "ROW1", "1aH", "40H", "7fH", "S0", "S8"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  for (const char* absent : {"COL3", "ROW2", "99H", "S9"})
    EXPECT_EQ(text.find(absent), std::string::npos) << absent << "\n" << text;

  // The rendering for a look.
  const wxString png = wxString(OLV_BINARY_DIR) + "/artifacts/key_setup_pdf";
  wxFileName::Mkdir(wxString(OLV_BINARY_DIR) + "/artifacts", wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  const std::string cmd =
      "pdftoppm -png -r 100 -singlefile '" + lastPdf.ToStdString() + "' '" + png.ToStdString() + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST_F(KeySetupPdf, StepKeypadCountsSwitchesOverActiveCellsAndSkipsMissingCodes) {
  // n = 3, a = 2: rows of 3, 2, 1 cells; active cells 0, 1 and 3.
  stKeySetupSnapshot s;
  s.stepCells = 3;
  s.stepPins = 2;
  s.codes = {0x11, kNoDiagramCode, 0x22, 0x33, 0x44, 0x55};
  HPDF_Page page = NewPage();
  ASSERT_TRUE(DrawKeySetupPdf(doc, page, font, s, Place(60, 500)));
  // An LCD framework prints switch labels only, and one more line label.
  s.general = false;
  page = NewPage();
  ASSERT_TRUE(DrawKeySetupPdf(doc, page, font, s, Place(60, 500)));
  const std::string text = SaveAndRead("step");
  const std::size_t split = text.find('\f');
  ASSERT_NE(split, std::string::npos);
  const std::string general = text.substr(0, split);
  const std::string lcd = text.substr(split);
  for (const char* want : {"KEY0", "KEY1", "11H", "33H", "S0", "S1", "S2"})
    EXPECT_NE(general.find(want), std::string::npos) << want << "\n" << general;
  for (const char* absent : {"KEY2", "22H", "44H", "S3"})
    EXPECT_EQ(general.find(absent), std::string::npos) << absent << "\n" << general;
  for (const char* want : {"KEY0", "KEY1", "KEY2", "S2"})
    EXPECT_NE(lcd.find(want), std::string::npos) << want << "\n" << lcd;
  EXPECT_EQ(lcd.find("11H"), std::string::npos) << lcd;
}

TEST_F(KeySetupPdf, AFailedCallIsResetSoTheDocumentGoesOn) {
  HPDF_Page page = NewPage();
  ASSERT_EQ(HPDF_Page_BeginText(page), static_cast<HPDF_STATUS>(HPDF_OK));
  // Already in text mode: the drawing's first call fails and is abandoned.
  EXPECT_FALSE(DrawKeySetupPdf(doc, page, font, Matrix(), Place(60, 500)));
  EXPECT_EQ(HPDF_GetError(doc), static_cast<HPDF_STATUS>(HPDF_OK));
  HPDF_Page_EndText(page);
  HPDF_Page next = NewPage();
  ASSERT_NE(next, nullptr);
  EXPECT_TRUE(DrawKeySetupPdf(doc, next, font, Matrix(), Place(60, 500)));
  EXPECT_FALSE(DrawKeySetupPdf(doc, next, nullptr, Matrix(), Place(60, 500)));
}

TEST_F(KeySetupPdf, UnicodeTextReachesThePageAsUtf8) {
  HPDF_Page page = NewPage();
  ASSERT_EQ(HPDF_Page_BeginText(page), static_cast<HPDF_STATUS>(HPDF_OK));
  HPDF_Page_SetFontAndSize(page, font, 12);
  const wxString key =
      fontFile.EndsWith(".ttc") ? wxString::FromUTF8("电源 Power") : wxString::FromUTF8("Über Power");
  ASSERT_EQ(HPDF_Page_TextOut(page, 60, 400, key.utf8_str()), static_cast<HPDF_STATUS>(HPDF_OK));
  HPDF_Page_EndText(page);
  const std::string text = SaveAndRead("unicode");
  EXPECT_NE(text.find(key.utf8_string()), std::string::npos) << text;
}

}  // namespace

namespace {

std::string ReadPdfText(const wxString& pdf) {
  const std::string txt = pdf.ToStdString() + ".txt";
  const std::string cmd = "pdftotext -layout '" + pdf.ToStdString() + "' '" + txt + "'";
  if (std::system(cmd.c_str()) != 0) return std::string();
  std::ifstream in(txt);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string FileText(const wxString& path) {
  std::ifstream in(path.ToStdString(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(KeySetupExport, TouchKeysAreLaidOutInsteadOfLinesAndCodes) {
  testsupport::TempDir dir;
  stKeySetupExport what;
  what.touch = true;
  what.touchNames = {"KEY1", "KEY3", "KEY8"};
  what.touchLabels = {"K1", "K3", "K8"};
  const wxString pdf = dir.File("touch.pdf");
  ASSERT_EQ(ExportKeySetupPdf(pdf, what), KeySetupExportResult::kWritten);
  const std::string text = ReadPdfText(pdf);
  for (const char* want : {"KEY1", "KEY3", "KEY8", "K1", "K8", "3"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  EXPECT_EQ(text.find("S0"), std::string::npos) << text;
}

TEST(KeySetupExport, AFailedExportLeavesTheOldFileAsItWas) {
  testsupport::TempDir dir;
  stKeySetupExport what;
  what.snapshot.stepCells = 2;
  what.snapshot.stepPins = 2;
  what.snapshot.codes = {0x45, kNoDiagramCode, 0x1a};
  const wxString pdf = dir.File("keys.pdf");
  {
    std::ofstream old(pdf.ToStdString());
    old << "old file";
  }
  // A picture that cannot be read fails the drawing; nothing is copied.
  what.pictureFile = dir.File("missing.png");
  what.pictureWidth = what.pictureHeight = 10;
  EXPECT_EQ(ExportKeySetupPdf(pdf, what), KeySetupExportResult::kDrawFailed);
  EXPECT_EQ(FileText(pdf), "old file");
  EXPECT_EQ(ExportKeySetupPdf(dir.File("no/such/folder/keys.pdf"), stKeySetupExport()),
            KeySetupExportResult::kWriteFailed);

  what.pictureFile.clear();
  ASSERT_EQ(ExportKeySetupPdf(pdf, what), KeySetupExportResult::kWritten);
  const std::string text = ReadPdfText(pdf);
  for (const char* want : {"KEY0", "KEY1", "45H", "1aH", "S0", "S2"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
}

}  // namespace
