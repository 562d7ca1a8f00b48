#include "core/AppContext.h"

#include "platform/Paths.h"

#include <wx/intl.h>
#include <wx/utils.h>

int g_BrandFlag = 0;
int g_FrameworkKind = kFrameworkGeneral;
CAppContext g_App;
stDisplayConfig g_DisplayConfig;

wxString FrameworkKindName(int kind) {
  switch (kind) {
    case kFrameworkGeneral: return "General";
    case kFrameworkLcdSimple: return "LCD_Simple";
    case kFrameworkLcdStandard: return "LCD_Standard";
    default: return wxString();
  }
}

CAppContext::~CAppContext() { UnbindLibraries(); }

void CAppContext::UnbindLibraries() {
  if (cipherLibrary.IsLoaded()) cipherLibrary.Unload();
  if (bootLibrary.IsLoaded()) bootLibrary.Unload();
  if (hidLibrary.IsLoaded()) hidLibrary.Unload();
}

void CAppContext::BuildInstallPaths(const wxString& folder) {
  installFolder = folder;
  auto in = [&](const wxString& name) { return platform::FindPathNoCase(platform::JoinPath(folder, name)); };
  remoteSettingsFolder = in("RemoteControlSetting");
  uiConfigFolder = in("UIConfig");
  imageFolder = in("Images");
  langFile = in("Lang.ini");
  docFolder = in("DOC");
  templateFolder = in("Template");
  afgFolder = in("AFG");
  configFile = in("Config.ini");
  decodeLibFolder = in("IRDECODE_LIB");
  protocolFolder = in("Protocols");
  lcdProtocolFolder = in("Protocols_LCD");
}

bool CAppContext::IsShippedExample(const wxString& path) const {
  if (installFolder.empty() || path.empty()) return false;
  const wxString examples = platform::FindPathNoCase(platform::JoinPath(installFolder, "Example"));
  return platform::IsInsideFolder(path, examples);
}

void CAppContext::ChooseLanguage(const wxString& storedLang, int systemCodePage) {
  if (g_BrandFlag != 0) {
    currentLangSection = storedLang.empty() ? wxString::Format("%d", systemCodePage) : storedLang;
    defaultLangSection = currentLangSection;
  } else {
    defaultLangSection = "936";
    currentLangSection = defaultLangSection;
  }
}

wxString CAppContext::GetProtocolFolder(int kind) const {
  wxString name = FrameworkKindName(kind);
  if (name.empty()) return wxString();
  return platform::FindPathNoCase(
      platform::JoinPath(platform::JoinPath(remoteSettingsFolder, name), "Protocols"));
}

wxString CAppContext::GetIcFolder(int kind) const {
  wxString name = FrameworkKindName(kind);
  if (name.empty()) return wxString();
  return platform::FindPathNoCase(platform::JoinPath(platform::JoinPath(remoteSettingsFolder, name), "IC"));
}

double ComputeDisplayScale(int dpi) {
  if (dpi - 96 < 1) return 1.0;
  return 1.0 + (dpi - 96) * 1.041666 / 100.0;
}

bool InitDisplayScale(const wxString& uiFolder, int dpi) {
  g_DisplayConfig.iniPath = platform::JoinPath(uiFolder, "DisplayConfig.ini");
  g_DisplayConfig.scale = ComputeDisplayScale(dpi);
  return true;
}

int GetSystemCodePage() {
  wxString lang = wxLocale::GetLanguageCanonicalName(wxLocale::GetSystemLanguage());
  if (lang.StartsWith("zh_CN") || lang.StartsWith("zh_SG") || lang == "zh") return 936;
  if (lang.StartsWith("zh_TW") || lang.StartsWith("zh_HK") || lang.StartsWith("zh_MO")) return 950;
  return 1252;
}

double ScreenScaleForDpi(int dpi) {
  switch (dpi) {
    case 96: return 1.0;
    case 120: return 1.25;
    case 144: return 1.5;
    case 168: return 1.75;
    case 192: return 2.0;
    default: return 0.0;
  }
}
