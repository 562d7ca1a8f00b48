// The rules of the masked edit, kept apart from the window so that they are
// tested without a display.
//
// A mask is a string of format letters and a template of equal length. Template
// "_" is a placeholder for one typed character of the class its format letter
// names, "." a placeholder that needs format "C", anything else a literal typed
// as it stands (its format letter is the same character). Format letters:
// "D" decimal digit, "B" binary digit, "H" hexadecimal digit, "A" digit or
// letter, "C" letter or ".", "S" an optional sign.
#pragma once

#include <wx/string.h>

// Whether format and templ make a valid mask (see above).
bool IsValidMask(const wxString& format, const wxString& templ);

// Whether the format letter accepts the character at a placeholder.
bool FormatAcceptsChar(wxUniChar formatLetter, wxUniChar ch);

// Whether text fits the mask: characters match placeholders or literals in
// order; a character that does not match skips "_" placeholders up to the next
// literal, which it must equal. A shorter text fits, a longer one does not.
bool TextFitsMask(const wxString& text, const wxString& format, const wxString& templ);

// How an active mask allows values to be checked.
enum class ValueCheckKind { kRefused, kDecimal, kHexadecimal };

// A mask allows value checking when its template holds only "_" and "." and
// every format letter is "D", "S" (first position only), "C" facing "." after
// the first position (one decimal point at most) or "H" (hexadecimal, never
// together with a decimal point).
ValueCheckKind GetValueCheckKind(const wxString& format, const wxString& templ);

// A range is valid when minimum is below maximum by more than DBL_EPSILON.
bool IsValidRange(double minimum, double maximum);

// The number the text holds: hexadecimal mode removes an optional sign and
// reads the rest as an unsigned base-16 number (negated for "-"); otherwise a
// decimal floating-point number. Reading stops at the first character that is
// not part of the number; no number at all reads as 0.
double ParseEditValue(const wxString& text, bool hexadecimal);

// An empty text is always in range; otherwise minimum <= value <= maximum,
// each with a tolerance of DBL_EPSILON.
bool IsTextInRange(const wxString& text, bool hexadecimal, double minimum, double maximum);

// The edit's text after a key, predicted before the key reaches the edit.
// selectionFrom/selectionTo is the selection (equal when none), caret the
// insertion point.
enum class EditKey { kCharacter, kBackspace, kDelete };
wxString PredictEditText(const wxString& text, long selectionFrom, long selectionTo, long caret, EditKey key,
                         wxUniChar ch = 0);
