// The notice box and the error box, both showing language texts.
#pragma once

#include "platform/Format.h"
#include "platform/MessageBox.h"

#include <wx/string.h>

#include <vector>

// Notice box types that callers use, and the answer they test for.
constexpr unsigned kNoticeOk = platform::kMbOk;
constexpr unsigned kNoticeOkCancel = platform::kMbOkCancel;
constexpr int kNoticeAnswerOk = platform::kIdOk;

// Longest text a formatted notice shows.
constexpr std::size_t kNoticeTextLimit = 1024;

// Every box is captioned and its buttons labelled in the current language:
// "S_NOTICE" (the error box "S_ERROR"; the English word when the language file
// lacks the key), "S_YES", "S_NO", "S_CANCEL" and "S_OK".

// Shows the text of key (or, with formatKey, the text of formatKey formatted
// with the arguments) in a notice box. Returns the answer.
int LangMessageBoxArgs(const wxString& key, unsigned type, const wxString& formatKey,
                       const std::vector<platform::FormatArg>& args);

inline int LangMessageBox(const wxString& key, unsigned type = kNoticeOk) {
  return LangMessageBoxArgs(key, type, wxString(), {});
}

template <class... Args>
int LangMessageBox(const wxString& key, unsigned type, const wxString& formatKey, const Args&... args) {
  return LangMessageBoxArgs(key, type, formatKey,
                            std::vector<platform::FormatArg>{platform::FormatArg(args)...});
}

// Shows the text of key in an error box, with the non-empty arguments in
// its "%s" conversions. With two arguments both are language keys. Nothing is
// shown when the text is empty or its "%s" count differs from the count of
// non-empty arguments.
void ShowErrorMessage(const wxString& key, const wxString& first = wxString(),
                      const wxString& second = wxString(), const wxString& third = wxString());

// A notice box with a text as it stands (no language lookup).
int PlainMessageBox(const wxString& text, unsigned type = kNoticeOk);
