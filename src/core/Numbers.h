// Number parsing and formatting shared by the pages and generators.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <optional>
#include <string>

// Trimmed and upper-cased; hexadecimal when the text contains "0X" or "H",
// else decimal. Reading stops at the first character outside the number
// ("1FH" is 31); an empty text is 0.
std::uint32_t ParseNumber(const wxString& text);

// ParseNumber's value when the whole text is a number in one of its forms
// (decimal digits, or hexadecimal digits with "0x" before or "H" after them)
// within 32 bits; nullopt for text it would read only in part ("0x1G", "1H2")
// or not at all.
std::optional<std::uint32_t> ReadWholeNumber(const wxString& text);

// The same tests, signed; forceHex also selects base 16.
std::int32_t ParseInt(const wxString& text, bool forceHex = false);
std::int32_t ParseIntA(const std::string& text, bool forceHex = false);

// 0 when |a - b| < DBL_EPSILON, 1 when a > b, -1 otherwise.
int CompareDouble(double a, double b);

// value shifted left to the mask's lowest set bit, then masked. The mask is nonzero.
std::uint32_t ShiftToMask(std::uint32_t value, std::uint32_t mask);

// Lower-case hexadecimal with "0" in front when it begins with a letter
// (assembler style): 0xAB gives "0ab", 0x1F gives "1f".
wxString FormatHexForAsm(std::uint32_t value);
