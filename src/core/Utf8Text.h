// UTF-8 conversions of the template writer, the preprocessor and the readers
// of text files.
#pragma once

#include <wx/string.h>

#include <cstddef>
#include <string>

// UTF-8 to wide text; each invalid byte becomes U+FFFD.
wxString Utf8ToWide(const std::string& text);
// Wide text to UTF-8 (no byte-order mark); NUL characters are kept.
std::string WideToUtf8(const wxString& text);

// Appends the UTF-8 form of text to out; NUL characters are kept.
void AppendUtf8(std::string& out, const wxString& text);
// Appends size bytes of UTF-8 to out with each invalid byte replaced by U+FFFD,
// as Utf8ToWide then AppendUtf8 would; plain ASCII is copied as it is.
void AppendRepairedUtf8(std::string& out, const char* bytes, std::size_t size);
