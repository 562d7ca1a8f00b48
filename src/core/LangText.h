// Language texts: every text the user sees is looked up by key ("IDS_", "S_",
// "ERR_") in "Lang.ini" under the current language section. "#n" in a text is
// a line break; a missing key yields the key itself.
#pragma once

#include <wx/string.h>

wxString GetLangText(const wxString& key);

// useCurrent: the current section; else section, or the default language
// section when section is empty.
wxString GetLangTextEx(const wxString& key, bool useCurrent, const wxString& section);

// Like GetLangText, reading the given file.
wxString GetLangTextFromFile(const wxString& key, const wxString& iniFile);

// The text of key in section of iniFile, "#n" turned into line breaks.
wxString ReadLangText(const wxString& key, const wxString& section, const wxString& iniFile);

// The text of key, or english when the language file has no text for it (a
// missing or damaged language file).
wxString GetLangTextOr(const wxString& key, const wxString& english);

enum class LangFileState { kSound, kMissing, kDamaged };

// Whether iniFile can be read and its section holds every key that any of its
// sections holds (a cut-off file lacks the keys after the cut).
LangFileState CheckLangFile(const wxString& iniFile, const wxString& section);

// The English notice for a language file that is not sound; empty when it is.
wxString LangFileNotice(LangFileState state, const wxString& iniFile, const wxString& section);
