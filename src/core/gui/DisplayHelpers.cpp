#include "core/gui/DisplayHelpers.h"

#include "core/AppContext.h"
#include "platform/Profile.h"

#include <wx/dcclient.h>
#include <wx/dcscreen.h>
#include <wx/window.h>

int GetScreenDpi() {
  wxScreenDC dc;
  return dc.GetPPI().x;
}

double GetScreenScale() { return ScreenScaleForDpi(GetScreenDpi()); }

void FitControlToText(int controlId, const wxString& text, wxWindow* dialog) {
  if (!dialog) return;
  wxWindow* control = dialog->FindWindow(controlId);
  if (!control) return;
  wxClientDC dc(control);
  dc.SetFont(control->GetFont());
  const wxSize extent = dc.GetMultiLineTextExtent(text);
  const wxRect rect = control->GetRect();
  control->SetSize(rect.x, rect.y, extent.x + rect.height, rect.height);
}

void ApplyConfiguredFont(const wxString& section, wxWindow* control, wxFont& font) {
  if (!control) return;
  font = control->GetFont();
  const wxString& ini = g_DisplayConfig.iniPath;
  wxString face = platform::ReadProfileString(ini, section, "FontName", "");
  int size = platform::ReadProfileInt(ini, section, "FontSize", 0);
  if (!face.empty()) font.SetFaceName(face);
  if (size > 0) font.SetPointSize(size);
  control->SetFont(font);
}
