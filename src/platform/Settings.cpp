#include "platform/Settings.h"

#include "platform/Paths.h"

#include <wx/filename.h>

#include <memory>
#include <mutex>

#ifdef __WINDOWS__
#include <wx/msw/regconf.h>
#else
#include <wx/fileconf.h>
#endif

namespace platform {
namespace {

const wxString kAppName = "Olvanta";

std::mutex g_mutex;
wxString g_companyKey = kAppName;

std::unique_ptr<wxConfigBase> OpenStore() {
#ifdef __WINDOWS__
  return std::make_unique<wxRegConfig>(kAppName, g_companyKey);
#else
  wxString path = GetSettingsFilePath();
  wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  return std::make_unique<wxFileConfig>(kAppName, g_companyKey, path, wxString(), wxCONFIG_USE_LOCAL_FILE);
#endif
}

wxString EntryPath(const wxString& section, const wxString& key) { return "/" + section + "/" + key; }

}  // namespace

void SetSettingsKey(const wxString& companyKey) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_companyKey = companyKey;
}

wxString GetSettingsFilePath() {
#ifdef __WINDOWS__
  return wxString();
#else
  return JoinPath(JoinPath(GetUserConfigFolder(), g_companyKey), kAppName + ".ini");
#endif
}

wxString ReadSetting(const wxString& section, const wxString& key, const wxString& def) {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto store = OpenStore();
  return store->Read(EntryPath(section, key), def);
}

bool WriteSetting(const wxString& section, const wxString& key, const wxString& value) {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto store = OpenStore();
  return store->Write(EntryPath(section, key), value) && store->Flush();
}

}  // namespace platform
