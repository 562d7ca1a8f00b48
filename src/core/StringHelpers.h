// String and list helpers shared by the pages and generators.
#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

#include <string>
#include <vector>

// The part of list before the first separator, right-trimmed; list keeps the
// rest after the separator, left-trimmed (list is trimmed first). Without a
// separator the whole list is returned and list is emptied.
wxString GetNextToken(wxString& list, const wxString& separator);

// Non-overlapping occurrences of part in text.
int CountOccurrences(const wxString& text, const wxString& part);

// Every "&" doubled, for control captions.
wxString EscapeAmpersands(const wxString& text);
// Each "&&" reduced to one "&".
wxString UnescapeAmpersands(const wxString& text);

// Pads every line before its last blank so that the last blanks of all lines
// stand five places right of the right-most one; a line without a blank gets
// that many blanks plus one in front.
void AlignLastColumn(wxArrayString& lines);

// expr: letters A..I joined by + - * /, beginning and ending with a letter.
// A malformed expression gives false with error 1; a letter beyond values or
// naming an empty value gives false with error 0. Success puts the values in
// place of the letters.
bool ExpandLetterExpression(wxString& expr, const wxArrayString& values, int& error);

// The text in the local 8-bit encoding (UTF-8 on Linux, the OEM code page on Windows).
std::string WideToAnsi(const wxString& text);
