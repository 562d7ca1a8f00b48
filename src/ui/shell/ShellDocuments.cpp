#include "ui/shell/ShellDocuments.h"

#include "core/AppContext.h"
#include "core/MessageBoxes.h"
#include "platform/Paths.h"

#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace {

long LeadingNumber(const wxString& text) {
  std::size_t end = 0;
  while (end < text.length() && wxIsdigit(text[end])) ++end;
  long value = 0;
  if (end > 0) text.Left(end).ToLong(&value);
  return value;
}

std::vector<wxString> MatchingTitles(const wxString& pattern) {
  std::vector<wxString> titles;
  const wxFileName spec(pattern);
  wxDir dir(spec.GetPath());
  if (!dir.IsOpened()) return titles;
  wxString file;
  for (bool more = dir.GetFirst(&file, wxString(), wxDIR_FILES); more; more = dir.GetNext(&file)) {
    if (wxMatchWild(spec.GetFullName(), file, false)) titles.push_back(file.BeforeFirst('.'));
  }
  return titles;
}

void ReportCannotOpen(const wxString& path) {
  LangMessageBox("", kNoticeOk | platform::kMbIconInformation,
                 "Unable to open '%s'.#nPlease install a PDF reader.", path);
}

}  // namespace

wxString DocumentPattern(const wxString& docFolder, const wxString& name, const wxString& langSection,
                         bool maker) {
  const wxString file = maker ? name + "*(" + langSection + ").pdf" : name + ".pdf";
  return platform::JoinPath(docFolder, file);
}

wxString ChooseDocumentTitle(const wxString& baseName, const std::vector<wxString>& titles) {
  wxString chosen = baseName;
  long best = 0;
  const std::size_t length = baseName.length();
  for (const wxString& title : titles) {
    if (title.length() <= length) continue;
    if (title[length] != 'V') {
      chosen = title;
      continue;
    }
    wxString rest = title.Mid(length);
    while (rest.StartsWith("V")) rest.Remove(0, 1);
    const long version = LeadingNumber(rest);
    if (version > best) {
      best = version;
      chosen = title;
    }
  }
  return chosen;
}

wxString FindDocument(const wxString& docFolder, const wxString& name, const wxString& langSection,
                      bool maker) {
  const std::vector<wxString> titles = MatchingTitles(DocumentPattern(docFolder, name, langSection, maker));
  if (titles.empty()) return wxString();
  const wxString path = platform::JoinPath(docFolder, ChooseDocumentTitle(name, titles) + ".pdf");
  return wxFileExists(path) ? path : wxString();
}

void OpenDocument(const wxString& name) {
  const bool maker = g_BrandFlag != 0;
  const wxString path = FindDocument(g_App.docFolder, name, g_App.currentLangSection, maker);
  if (path.empty()) {
    LangMessageBox("", kNoticeOk, "IDS_FILE_NO_EXIST",
                   DocumentPattern(g_App.docFolder, name, g_App.currentLangSection, maker));
    return;
  }
  if (!wxLaunchDefaultApplication(path)) ReportCannotOpen(path);
}

void OpenFolder(const wxString& folder) {
  if (!wxDirExists(folder)) {
    LangMessageBox("", kNoticeOk, "IDS_FILE_NO_EXIST", folder);
    return;
  }
  if (!wxLaunchDefaultApplication(folder)) LangMessageBox("", kNoticeOk, "IDS_OPEN_FOLDER_FAILED", folder);
}
