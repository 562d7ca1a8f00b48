// Text helpers of the preprocessor: positions are ints, -1 meaning "not found",
// and out-of-range arguments are clamped instead of failing.
#pragma once

#include <wx/string.h>

namespace preproc {

inline int Find(const wxString& text, const wxString& part, int start = 0) {
  if (start < 0) start = 0;
  if (static_cast<size_t>(start) > text.length()) return -1;
  const size_t pos = text.find(part, static_cast<size_t>(start));
  return pos == wxString::npos ? -1 : static_cast<int>(pos);
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
  text.Replace(part, wxString(), true);
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
  const int comment = Find(text, "//");
  return comment > 0 ? Left(text, comment) : text;
}

}  // namespace preproc
