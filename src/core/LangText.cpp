#include "core/LangText.h"

#include "core/AppContext.h"
#include "platform/Profile.h"

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
