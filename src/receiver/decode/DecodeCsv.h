// The CSV export of the decode page: the last decoded signal and the key-code
// grid as UTF-8 text with a byte-order mark, value cells led by an apostrophe
// so that a spreadsheet keeps them as text. Every cell is quoted by the usual
// CSV rules when it holds a comma, a quote or a line break (CsvCell, the one
// place those rules live).
#pragma once

#include <wx/string.h>

#include <clocale>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace decode {

// One cell: as it stands, or in double quotes with its quotes doubled when it
// holds a comma, a quote or a line break.
wxString CsvCell(const wxString& text);

// The decoded values and grid rows the export writes.
struct stCsvContent {
  bool airConditioner = false;
  bool nonStandard = false;  // general mode: protocol index 15
  wxString createdDate;      // "'%4d-%02d-%02d"
  wxString createdTime;      // "%02d:%02d:%02d"
  wxString carrier, duty;
  wxString protocolName;  // general
  wxString bitText;       // general: the bit text with separators
  wxString frameLength;   // air
  std::uint16_t waveMark = 0, waveSpace = 0;
  std::uint16_t bit0Mark = 0, bit0Space = 0, bit1Mark = 0, bit1Space = 0;
  bool manchester = false;
  std::uint16_t manchesterUnit = 0;
  bool repeat = false;
  std::uint32_t repeatPeriodMs = 0;
  // Data rows of the grid: code (or frame text) and illustration.
  std::vector<std::pair<wxString, wxString>> rows;
};

// Language lookup of a label: the text of a key, the label itself when it is none.
using LabelLookup = std::function<wxString(const wxString&)>;

// The lines of the file, each ending "\r\n", without the byte-order mark.
std::vector<wxString> BuildCsvLines(const stCsvContent& content, const LabelLookup& lookup);
// The whole file: byte-order mark and the lines in UTF-8.
std::string BuildCsvFile(const stCsvContent& content, const LabelLookup& lookup);
// Writes the file; false when it cannot be created or written.
bool WriteCsvFile(const wxString& path, const stCsvContent& content, const LabelLookup& lookup);

// The chosen path with ".csv" appended unless it ends in ".csv" in any case.
wxString CsvPathWithExtension(const wxString& path);

// Sets the C runtime's character-type locale by the program's language
// ("936", "950", else English) and restores the one in force on every way out.
class CScopedExportLocale {
 public:
  explicit CScopedExportLocale(const wxString& languageSection);
  ~CScopedExportLocale();
  CScopedExportLocale(const CScopedExportLocale&) = delete;
  CScopedExportLocale& operator=(const CScopedExportLocale&) = delete;

 private:
  std::string m_saved;
};

}  // namespace decode
