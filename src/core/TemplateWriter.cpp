// Writing one generated file from a template: every "$...$" token of a line
// is replaced by its value from the expression library.
#include "core/DocManage.h"
#include "core/ExprEngine.h"
#include "core/LangText.h"
#include "core/StringHelpers.h"
#include "core/StdioFileEx.h"
#include "core/Utf8Text.h"
#include "platform/Format.h"
#include "platform/TextFile.h"

#include <cstdio>

namespace {

// A line whose substitutions never settle is refused rather than rescanned for ever,
// and so is one that grows past any real line (macros whose values name each other).
constexpr int kMaxSubstitutionsPerLine = 10000;
constexpr std::size_t kMaxExpandedLineLength = 1 << 20;
// Characters rescanned for one line over all its rounds: a line that grows slowly
// but for many rounds is refused as well.
constexpr std::size_t kMaxExpansionWork = std::size_t{1} << 26;

// The generated file is written over and cut to its new length when closed,
// never emptied on open: truncating a file that still has data on its way to
// the disk makes the open wait for that write-back.
class COutputFile {
 public:
  explicit COutputFile(const wxString& path) : m_file(platform::OpenFile(path, "r+b")) {
    if (!m_file) m_file = platform::OpenFile(path, "wb");
  }
  ~COutputFile() { Close(); }
  COutputFile(const COutputFile&) = delete;
  COutputFile& operator=(const COutputFile&) = delete;

  bool IsOpen() const { return m_file != nullptr; }
  bool Write(const std::string& bytes) {
    if (bytes.empty()) return true;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size();
    if (ok) m_written += bytes.size();
    return ok;
  }
  bool Close() {
    if (!m_file) return true;
    bool ok = platform::CutOpenFile(m_file, m_written);
    ok = std::fclose(m_file) == 0 && ok;
    m_file = nullptr;
    return ok;
  }

 private:
  std::FILE* m_file = nullptr;
  std::size_t m_written = 0;
};

// The macro named between the first two double quotes of a "~DESCRIPTION" token.
bool DescriptionValue(const wxString& token, wxString& value) {
  if (!token.Contains("~DESCRIPTION")) return false;
  const std::size_t open = token.find('"');
  if (open == wxString::npos) return false;
  const std::size_t close = token.find('"', open + 1);
  if (close == wxString::npos) return false;
  value = StringMapSubscript(g_MacroMap, token.substr(open + 1, close - open - 1));
  return true;
}

bool DropsLine(const CDocManage& doc, const wxString& value) {
  return doc.Keypad == 0 && (value.Contains("ROW_SCAN_LINE") || value.Contains("ROWVSS"));
}

enum class LineResult { Write, Drop, Fail, TooLong };

// A token the expression library refused, with its reason.
struct stRefusedToken {
  wxString token;
  wxString reason;
};

// Replaces the line's tokens left to right, rescanning after each replacement.
LineResult ExpandLine(const CDocManage& doc, wxString& line, stRefusedToken& refused) {
  std::size_t work = 0;
  for (int round = 0; round < kMaxSubstitutionsPerLine; ++round) {
    work += line.length();
    if (work > kMaxExpansionWork) return LineResult::TooLong;
    wxString token;
    const int found = FindMacroToken(line, token);
    if (found == 0) return LineResult::Write;
    if (found < 0) return LineResult::Fail;
    wxString value;
    if (!EvaluateMacroToken(token, value, &refused.reason)) {
      refused.token = token;
      return LineResult::Fail;
    }
    DescriptionValue(token, value);
    if (DropsLine(doc, value)) return LineResult::Drop;
    if (value.Contains(token)) return LineResult::Fail;  // would bring the token back for ever
    if (value.length() > kMaxExpandedLineLength) return LineResult::TooLong;
    // Each occurrence grows the line by the difference.
    const auto count = static_cast<std::size_t>(CountOccurrences(line, token));
    if (value.length() > token.length() &&
        line.length() + count * (value.length() - token.length()) > kMaxExpandedLineLength) {
      return LineResult::TooLong;
    }
    line.Replace(token, value);
  }
  return LineResult::Fail;
}

wxString DescribeRefusedToken(const wxString& templatePath, int lineNumber, const stRefusedToken& refused) {
  return platform::FormatText(GetLangText("IDS_TEMPLATE_TOKEN_FAILED"), templatePath, lineNumber,
                              refused.token, refused.reason);
}

// A line without a '$' holds no token: its bytes go out as they are, only
// invalid UTF-8 repaired, as the wide conversion there and back would leave
// them. A line too long for the expansion's limit still goes the wide way.
bool HoldsNoToken(const std::string& raw) {
  return raw.size() <= kMaxExpansionWork && raw.find('$') == std::string::npos;
}

// The output gathered and written in blocks.
constexpr std::size_t kWriteBlock = 1 << 16;

}  // namespace

bool CDocManage::WriteTemplateFile(const wxString& templatePath, const wxString& outputPath) {
  m_templateFailure.clear();
  CStdioFileEx input;
  if (!input.Open(templatePath)) return false;
  COutputFile output(outputPath);
  if (!output.IsOpen()) return false;

  std::string raw, pending;
  wxString line;
  for (int lineNumber = 1; input.ReadRawLine(raw); ++lineNumber) {
    if (HoldsNoToken(raw)) {
      AppendRepairedUtf8(pending, raw.data(), raw.size());
    } else {
      line = Utf8ToWide(raw);
      stRefusedToken refused;
      const LineResult result = ExpandLine(*this, line, refused);
      if (result == LineResult::TooLong) {
        m_templateFailure = platform::FormatText(GetLangText("ERR_TEMPLATE_EXPANSION"), templatePath);
        output.Write(pending);  // the lines before the failure stay written
        return false;
      }
      if (result == LineResult::Fail) {
        if (!refused.token.empty())
          m_templateFailure = DescribeRefusedToken(templatePath, lineNumber, refused);
        output.Write(pending);
        return false;
      }
      if (result == LineResult::Drop) continue;
      AppendUtf8(pending, line);
    }
    if (pending.size() < kWriteBlock) continue;
    if (!output.Write(pending)) return false;
    pending.clear();
  }
  return output.Write(pending) && !input.HasError() && output.Close();
}
