// Helpers of the decoded capture shared by the decode page.
#pragma once

#include <wx/string.h>

#include <cstdint>

// The eight binary digits of a byte, most significant first.
wxString ByteToBinaryText(std::uint8_t byte);
// Binary digits of the value, most significant first; empty for 0.
wxString FormatBinary(std::uint64_t value);
// Value of binary digits: the last character is bit 0; every character but
// '0' counts as a 1 bit.
std::uint32_t BinaryTextToValue(const wxString& text);

// The analyser's carrier (kHz) and duty (fraction of the period).
float GetDecodedCarrier();
float GetDecodedDuty();
// "NG" when the analyser found no valid frame, else its time value as "%dus".
wxString FormatDecodedTime();
