// Text helpers of the preprocessor: positions are ints, -1 meaning "not found",
// and out-of-range arguments are clamped instead of failing.
#pragma once

#include <wx/string.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace preproc {

// Keywords and separators, converted once instead of at every call.
namespace kw {
inline const wxString kIf = "IF";
inline const wxString kIfe = "IFE";
inline const wxString kIfdef = "IFDEF";
inline const wxString kIfndef = "IFNDEF";
inline const wxString kElse = "ELSE";
inline const wxString kElseif = "ELSEIF";
inline const wxString kEndif = "ENDIF";
inline const wxString kCommentedIf = "//IF";
inline const wxString kCommentedEndif = "//ENDIF";
inline const wxString kHashIf = "#if";
inline const wxString kComment = "//";
inline const wxString kSpace = " ";
inline const wxString kTab = "\t";
inline const wxString kLineEnd = "\r\n";
inline const wxString kAnd = "&&";
inline const wxString kOr = "||";
inline const wxString kBar = "|";
inline const wxString kEqual = "==";
inline const wxString kNotEqual = "!=";
inline const wxString kOpen = "(";
inline const wxString kClose = ")";
inline const wxString kSemicolon = ";";
inline const wxString kHex = "0x";
inline const wxString kHexUpper = "0X";
inline const wxString kOne = "1";
}  // namespace kw

inline int Find(const wxString& text, const wxString& part, int start = 0) {
  if (start < 0) start = 0;
  if (static_cast<size_t>(start) > text.length()) return -1;
  const size_t pos = text.find(part, static_cast<size_t>(start));
  return pos == wxString::npos ? -1 : static_cast<int>(pos);
}

// Find for a long text searched for many parts: a Horspool search, whose skips are keyed by the low
// byte of a character (a shared key keeps the shorter, safe skip).
inline int FindInLongText(const wxString& text, const wxString& part) {
  const size_t m = part.length(), n = text.length();
  if (m < 4) return Find(text, part);
  const wchar_t* const p = part.wc_str();
  const wchar_t* const t = text.wc_str();
  size_t shift[256];
  std::fill(std::begin(shift), std::end(shift), m);
  for (size_t i = 0; i + 1 < m; ++i) shift[static_cast<size_t>(p[i]) & 0xFF] = m - 1 - i;
  for (size_t pos = 0; pos + m <= n;) {
    const wchar_t last = t[pos + m - 1];
    if (last == p[m - 1] && std::wmemcmp(t + pos, p, m - 1) == 0) return static_cast<int>(pos);
    pos += shift[static_cast<size_t>(last) & 0xFF];
  }
  return -1;
}

inline bool Contains(const wxString& text, const wxString& part) { return Find(text, part) >= 0; }

inline int Length(const wxString& text) { return static_cast<int>(text.length()); }

inline wxString Mid(const wxString& text, int first, int count) {
  if (first < 0) first = 0;
  if (count < 0) count = 0;
  if (first >= Length(text)) return wxString();
  if (count > Length(text) - first) count = Length(text) - first;
  return text.substr(static_cast<size_t>(first), static_cast<size_t>(count));
}

inline wxString Mid(const wxString& text, int first) { return Mid(text, first, Length(text)); }

inline wxString Left(const wxString& text, int count) { return Mid(text, 0, count); }

inline wxString RemoveAll(wxString text, const wxString& part) {
  if (text.find(part) != wxString::npos) text.Replace(part, wxString(), true);
  return text;
}

inline bool IsBlankChar(wxUniChar c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// White space removed at both ends.
inline wxString Trimmed(const wxString& text) {
  size_t first = 0, last = text.length();
  while (first < last && IsBlankChar(text[first])) ++first;
  while (last > first && IsBlankChar(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// Cut before the first "//" unless the text starts with it.
inline wxString CutBeforeComment(const wxString& text) {
  const int comment = Find(text, kw::kComment);
  return comment > 0 ? Left(text, comment) : text;
}

}  // namespace preproc
