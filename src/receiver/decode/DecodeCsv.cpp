#include "receiver/decode/DecodeCsv.h"

#include "core/Utf8Text.h"
#include "platform/Format.h"

#include <wx/ffile.h>
#include <wx/log.h>

namespace decode {

namespace {

wxString Row(const std::vector<wxString>& cells) {
  wxString line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i) line += ",";
    line += CsvCell(cells[i]);
  }
  return line + "\r\n";
}

class CLineWriter {
 public:
  CLineWriter(std::vector<wxString>& lines, const LabelLookup& lookup) : m_lines(lines), m_lookup(lookup) {}

  // Top level: label, two empty cells, the value, an empty cell.
  void Text(const wxString& label, const wxString& text) {
    m_lines.push_back(Row({Label(label), "", "", "'" + text, ""}));
  }
  // Indented: an empty cell, the label, an empty cell, the value cells.
  void IndentedText(const wxString& label, const std::vector<wxString>& values) {
    std::vector<wxString> cells = {"", Label(label), ""};
    for (std::size_t i = 0; i < values.size(); ++i) cells.push_back(i == 0 ? "'" + values[i] : values[i]);
    m_lines.push_back(Row(cells));
  }
  void Number(const wxString& label, long number) {
    m_lines.push_back(Row({"", Label(label), wxString::Format("'%ld", number)}));
  }
  wxString Label(const wxString& label) const { return m_lookup ? m_lookup(label) : label; }

 private:
  std::vector<wxString>& m_lines;
  const LabelLookup& m_lookup;
};

void WriteMarkSpace(CLineWriter& out, const wxString& title, long mark, long space) {
  out.Text(title, "");
  out.Number("MARK", mark);
  out.Number("SPACE", space);
}

void WriteRows(CLineWriter& out, const stCsvContent& content) {
  int n = 1;
  for (const auto& [code, text] : content.rows) {
    const wxString label = platform::FormatText(out.Label("IDS_GROUP_INDEX_D"), n++);
    if (content.airConditioner)
      out.IndentedText(label, {code + wxString(' ', 10) + text});
    else
      out.IndentedText(label, {code, text});
  }
}

}  // namespace

wxString CsvCell(const wxString& text) {
  if (text.find_first_of(wxS(",\"\r\n")) == wxString::npos) return text;
  wxString quoted = text;
  quoted.Replace("\"", "\"\"");
  return "\"" + quoted + "\"";
}

std::vector<wxString> BuildCsvLines(const stCsvContent& content, const LabelLookup& lookup) {
  std::vector<wxString> lines;
  CLineWriter out(lines, lookup);
  out.Text("IDS_FILE_CREATE_TIME_D", content.createdDate + " " + content.createdTime);
  out.Text("IDS_FREQUENCE_D", content.carrier);
  out.Text("IDS_DUTY_D", content.duty);
  if (content.airConditioner) {
    out.Text("IDS_DATA_LEN_D", content.frameLength);
    WriteMarkSpace(out, "IDS_WAVE_D", content.waveMark, content.waveSpace);
    WriteMarkSpace(out, "Bit0", content.bit0Mark, content.bit0Space);
    WriteMarkSpace(out, "Bit1", content.bit1Mark, content.bit1Space);
    out.Text("IDS_CONNECT_CODE_D", content.repeat ? "1" : "0");
    if (content.repeat)
      out.IndentedText("IDS_CONNECT_TIME_D",
                       {wxString::Format("%ums", static_cast<unsigned>(content.repeatPeriodMs))});
    out.Text("IDS_IDENTIFY_DATA_D", "");
  } else {
    out.Text("IDS_PROTOCOL_TYPE", content.protocolName);
    out.Text("IDS_IDENTIFY_DATA_D", content.bitText);
    if (content.nonStandard) {
      WriteMarkSpace(out, "IDS_WAVE_D", content.waveMark, content.waveSpace);
      if (content.manchester) {
        WriteMarkSpace(out, "Manchester", content.manchesterUnit, content.manchesterUnit);
      } else {
        WriteMarkSpace(out, "Bit0", content.bit0Mark, content.bit0Space);
        WriteMarkSpace(out, "Bit1", content.bit1Mark, content.bit1Space);
      }
      out.Text("IDS_REPEAT_CODE_D", content.repeat ? "1" : "0");
      if (content.repeat)
        out.IndentedText("IDS_REPEAT_WEEK_D",
                         {wxString::Format("%ums", static_cast<unsigned>(content.repeatPeriodMs))});
    }
    out.Text("IDS_KEY_DATA_D", "");
  }
  WriteRows(out, content);
  return lines;
}

std::string BuildCsvFile(const stCsvContent& content, const LabelLookup& lookup) {
  std::string bytes = "\xEF\xBB\xBF";
  for (const wxString& line : BuildCsvLines(content, lookup)) bytes += WideToUtf8(line);
  return bytes;
}

bool WriteCsvFile(const wxString& path, const stCsvContent& content, const LabelLookup& lookup) {
  wxLogNull quiet;  // the caller reports a failure in the user's language
  wxFFile file(path, "wb");
  if (!file.IsOpened()) return false;
  const std::string bytes = BuildCsvFile(content, lookup);
  const bool written = file.Write(bytes.data(), bytes.size()) == bytes.size();
  return file.Close() && written;
}

wxString CsvPathWithExtension(const wxString& path) {
  if (path.Upper().EndsWith(".CSV")) return path;
  return path + ".csv";
}

CScopedExportLocale::CScopedExportLocale(const wxString& languageSection) {
  if (const char* current = std::setlocale(LC_CTYPE, nullptr)) m_saved = current;
#ifdef _WIN32
  const char* wanted = languageSection == "936" ? "chs" : languageSection == "950" ? "cht" : "en";
  std::setlocale(LC_CTYPE, wanted);
#else
  const char* wanted = languageSection == "936"   ? "zh_CN.UTF-8"
                       : languageSection == "950" ? "zh_TW.UTF-8"
                                                  : "en_US.UTF-8";
  // A locale the system lacks leaves the current one (UTF-8 conversions need none).
  if (!std::setlocale(LC_CTYPE, wanted)) std::setlocale(LC_CTYPE, "C.UTF-8");
#endif
}

CScopedExportLocale::~CScopedExportLocale() {
  if (!m_saved.empty()) std::setlocale(LC_CTYPE, m_saved.c_str());
}

}  // namespace decode
