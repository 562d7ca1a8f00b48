#include "core/LangText.h"

#include "core/AppContext.h"
#include "platform/Format.h"
#include "platform/Profile.h"

#include <wx/filename.h>

#include <set>

namespace {
constexpr std::size_t kLangBufferSize = 2000;
}

wxString ReadLangText(const wxString& key, const wxString& section, const wxString& iniFile) {
  wxString lookup = key;
  lookup.Replace("\n", "#n");
  wxString text = platform::ReadProfileString(iniFile, section, lookup, lookup, kLangBufferSize);
  text.Replace("#n", "\n");
  return text;
}

wxString GetLangText(const wxString& key) {
  return ReadLangText(key, g_App.currentLangSection, g_App.langFile);
}

wxString GetLangTextEx(const wxString& key, bool useCurrent, const wxString& section) {
  wxString chosen =
      useCurrent ? g_App.currentLangSection : (section.empty() ? g_App.defaultLangSection : section);
  return ReadLangText(key, chosen, g_App.langFile);
}

wxString GetLangTextFromFile(const wxString& key, const wxString& iniFile) {
  return ReadLangText(key, g_App.currentLangSection, iniFile);
}

wxString GetLangTextOr(const wxString& key, const wxString& english) {
  const wxString text = GetLangText(key);
  return text == key ? english : text;
}

LangFileState CheckLangFile(const wxString& iniFile, const wxString& section) {
  if (iniFile.empty() || !wxFileName::IsFileReadable(iniFile)) return LangFileState::kMissing;
  std::set<wxString> all;
  for (const wxString& name : platform::ReadProfileSectionNames(iniFile)) {
    for (const wxString& key : platform::ReadProfileKeys(iniFile, name)) all.insert(key.Lower());
  }
  std::set<wxString> own;
  for (const wxString& key : platform::ReadProfileKeys(iniFile, section)) own.insert(key.Lower());
  return !own.empty() && own == all ? LangFileState::kSound : LangFileState::kDamaged;
}

wxString LangFileNotice(LangFileState state, const wxString& iniFile, const wxString& section) {
  switch (state) {
    case LangFileState::kMissing:
      return platform::FormatText(
          "The language file %s is missing or cannot be read, so the program shows untranslated "
          "texts. Please reinstall the program.",
          iniFile);
    case LangFileState::kDamaged:
      return platform::FormatText(
          "The language file %s is damaged: texts of language section %s are missing, so the program "
          "shows some texts untranslated. Please reinstall the program.",
          iniFile, section);
    case LangFileState::kSound: break;
  }
  return wxString();
}
