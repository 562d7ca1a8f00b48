// The application object's data: install-folder paths, language sections,
// the brand and the libraries bound at start-up. Every subsystem reads them
// through g_App.
#pragma once

#include "core/ProjectKinds.h"

#include <wx/dynlib.h>
#include <wx/string.h>

// Brand field: nonzero for the maker's branding, 0 for the partner's.
extern int g_BrandFlag;

// The framework kind in use (ProjectKinds.h), set by the global-selection page.
extern int g_FrameworkKind;

// Name of a framework kind's folder ("General", "LCD_Simple", "LCD_Standard"); empty for others.
wxString FrameworkKindName(int kind);

class CAppContext {
 public:
  CAppContext() = default;
  CAppContext(const CAppContext&) = delete;
  CAppContext& operator=(const CAppContext&) = delete;
  // Frees the cipher library, then the HID library.
  ~CAppContext();

  // Sets the install folder and every path derived from it. Names are looked
  // up without regard to case in the folder.
  void BuildInstallPaths(const wxString& folder);

  // Picks the language sections: the partner brand always starts in "936";
  // the maker brand takes the stored "Lang" value, else the system code page.
  void ChooseLanguage(const wxString& storedLang, int systemCodePage);

  // "<settings>/<kind>/Protocols" and "<settings>/<kind>/IC"; empty for an unknown kind.
  wxString GetProtocolFolder(int kind) const;
  wxString GetIcFolder(int kind) const;

  // Whether path lies in the install folder's "Example" folder: a shipped
  // example, which the program never writes.
  bool IsShippedExample(const wxString& path) const;

  // Frees both libraries (cipher first).
  void UnbindLibraries();

  wxString installFolder;
  wxString uiConfigFolder;
  wxString imageFolder;
  wxString langFile;
  wxString defaultLangSection;
  wxString currentLangSection;
  wxString protocolFolder;
  wxString lcdProtocolFolder;
  wxString icFolder;
  wxString docFolder;
  wxString templateFolder;
  wxString afgFolder;
  wxString remoteSettingsFolder;
  wxString configFile;
  wxString decodeLibFolder;

  // Declared in this order so that the cipher library is freed first.
  wxDynamicLibrary hidLibrary;
  wxDynamicLibrary bootLibrary;
  wxDynamicLibrary cipherLibrary;
};

extern CAppContext g_App;

// Display settings: the screen scale and the path of "DisplayConfig.ini".
struct stDisplayConfig {
  double scale = 1.0;
  wxString iniPath;
};
extern stDisplayConfig g_DisplayConfig;

// Scale from the horizontal pixels per inch: 1.0 up to 96 dpi, else
// 1.0 + (dpi - 96) * 1.041666 / 100.
double ComputeDisplayScale(int dpi);

// Stores the "DisplayConfig.ini" path of the UI folder and the scale for dpi.
bool InitDisplayScale(const wxString& uiFolder, int dpi);

// The system's code page as the language default: zh_CN gives 936, zh_TW and
// zh_HK give 950, anything else 1252.
int GetSystemCodePage();

// The fixed scale steps of the common screen settings: 96 gives 1.0, 120 1.25,
// 144 1.5, 168 1.75, 192 2.0; any other dpi gives 0.0.
double ScreenScaleForDpi(int dpi);
