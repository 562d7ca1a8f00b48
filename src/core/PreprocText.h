// Text helpers of the preprocessor, over UTF-8 bytes: positions are ints, -1
// meaning "not found", and out-of-range arguments are clamped instead of
// failing. Every keyword and separator is ASCII and the texts searched hold
// no invalid UTF-8, so a search in the bytes finds what a search in the
// decoded text finds.
#pragma once

#include <string>
#include <string_view>

namespace preproc {

// Keywords and separators.
namespace kw {
constexpr std::string_view kIf = "IF";
constexpr std::string_view kIfe = "IFE";
constexpr std::string_view kIfdef = "IFDEF";
constexpr std::string_view kIfndef = "IFNDEF";
constexpr std::string_view kElse = "ELSE";
constexpr std::string_view kElseif = "ELSEIF";
constexpr std::string_view kEndif = "ENDIF";
constexpr std::string_view kCommentedIf = "//IF";
constexpr std::string_view kCommentedEndif = "//ENDIF";
constexpr std::string_view kHashIf = "#if";
constexpr std::string_view kComment = "//";
constexpr std::string_view kSpace = " ";
constexpr std::string_view kTab = "\t";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kAnd = "&&";
constexpr std::string_view kOr = "||";
constexpr std::string_view kBar = "|";
constexpr std::string_view kEqual = "==";
constexpr std::string_view kNotEqual = "!=";
constexpr std::string_view kOpen = "(";
constexpr std::string_view kClose = ")";
constexpr std::string_view kSemicolon = ";";
constexpr std::string_view kHex = "0x";
constexpr std::string_view kHexUpper = "0X";
constexpr std::string_view kOne = "1";
}  // namespace kw

inline int Find(std::string_view text, std::string_view part, int start = 0) {
  if (start < 0) start = 0;
  if (static_cast<size_t>(start) > text.size()) return -1;
  const size_t pos = text.find(part, static_cast<size_t>(start));
  return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

inline bool Contains(std::string_view text, std::string_view part) { return Find(text, part) >= 0; }

inline int Length(std::string_view text) { return static_cast<int>(text.size()); }

inline std::string_view Mid(std::string_view text, int first, int count) {
  if (first < 0) first = 0;
  if (count < 0) count = 0;
  if (first >= Length(text)) return std::string_view();
  if (count > Length(text) - first) count = Length(text) - first;
  return text.substr(static_cast<size_t>(first), static_cast<size_t>(count));
}

inline std::string_view Mid(std::string_view text, int first) { return Mid(text, first, Length(text)); }

inline std::string_view Left(std::string_view text, int count) { return Mid(text, 0, count); }

inline bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The number of characters of a valid UTF-8 text: the bytes that start one.
inline int CharCount(std::string_view text) {
  int count = 0;
  for (const char c : text) count += IsContinuationByte(c) ? 0 : 1;
  return count;
}

// The first count characters of a valid UTF-8 text.
inline std::string_view LeftChars(std::string_view text, int count) {
  size_t end = 0;
  for (; end < text.size() && count > 0; --count) {
    ++end;
    while (end < text.size() && IsContinuationByte(text[end])) ++end;
  }
  return text.substr(0, end);
}

inline std::string RemoveAll(std::string_view text, std::string_view part) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0;;) {
    const size_t found = text.find(part, pos);
    if (found == std::string_view::npos || part.empty()) {
      out.append(text.substr(pos));
      return out;
    }
    out.append(text.substr(pos, found - pos));
    pos = found + part.size();
  }
}

inline bool IsBlankChar(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// White space removed at both ends.
inline std::string_view Trimmed(std::string_view text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlankChar(text[first])) ++first;
  while (last > first && IsBlankChar(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// Cut before the first "//" unless the text starts with it.
inline std::string_view CutBeforeComment(std::string_view text) {
  const int comment = Find(text, kw::kComment);
  return comment > 0 ? Left(text, comment) : text;
}

}  // namespace preproc
