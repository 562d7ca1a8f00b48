#include "core/StringHelpers.h"

#include "platform/TextFile.h"

wxString GetNextToken(wxString& list, const wxString& separator) {
  list.Trim(true).Trim(false);
  int at = separator.empty() ? wxNOT_FOUND : list.Find(separator);
  if (at == wxNOT_FOUND) {
    wxString all = list;
    list.clear();
    return all;
  }
  wxString token = list.Left(at);
  token.Trim(true);
  list = list.Mid(at + separator.length());
  list.Trim(false);
  return token;
}

int CountOccurrences(const wxString& text, const wxString& part) {
  if (part.empty()) return 0;
  int count = 0;
  for (std::size_t pos = text.find(part); pos != wxString::npos; pos = text.find(part, pos + part.length())) {
    ++count;
  }
  return count;
}

wxString EscapeAmpersands(const wxString& text) {
  wxString out(text);
  out.Replace("&", "&&");
  return out;
}

wxString UnescapeAmpersands(const wxString& text) {
  wxString out(text);
  out.Replace("&&", "&");
  return out;
}

void AlignLastColumn(wxArrayString& lines) {
  int widest = -1;
  for (const wxString& line : lines) widest = std::max(widest, line.Find(' ', true));
  const int target = widest + 5;
  for (wxString& line : lines) {
    int last = line.Find(' ', true);
    if (last == wxNOT_FOUND) {
      line.Prepend(wxString(' ', target + 1));
    } else if (last < target) {
      line.insert(last, wxString(' ', target - last));
    }
  }
}

namespace {
bool IsLetter(wxChar c) { return c >= 'A' && c <= 'I'; }
bool IsOperator(wxChar c) { return c == '+' || c == '-' || c == '*' || c == '/'; }
}  // namespace

bool ExpandLetterExpression(wxString& expr, const wxArrayString& values, int& error) {
  error = 1;
  if (expr.empty() || !IsLetter(expr[0]) || !IsLetter(expr.Last())) return false;
  for (std::size_t i = 0; i < expr.length(); ++i) {
    const wxChar c = expr[i];
    if (!IsLetter(c) && !IsOperator(c)) return false;
    if (i > 0 && IsLetter(c) == IsLetter(expr[i - 1])) return false;  // two letters or two operators
  }
  error = 0;
  wxString out;
  for (wxChar c : expr) {
    if (IsOperator(c)) {
      out += c;
      continue;
    }
    const std::size_t index = static_cast<std::size_t>(c - 'A');
    if (index >= values.size() || values[index].empty()) return false;
    out += values[index];
  }
  expr = out;
  return true;
}

std::string WideToAnsi(const wxString& text) { return platform::ToOemText(text); }
