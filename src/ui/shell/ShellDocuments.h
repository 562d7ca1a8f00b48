// The documents of the Help menu: finding the newest manual in the install
// folder's DOC folder and opening it with the system's viewer.
#pragma once

#include <wx/string.h>

#include <vector>

// The file pattern of a document: "<doc>/<name>*(<lang>).pdf" under the maker
// brand, "<doc>/<name>.pdf" under the partner brand.
wxString DocumentPattern(const wxString& docFolder, const wxString& name, const wxString& langSection,
                         bool maker);

// Which of the matching file titles (each cut at its first ".") is opened:
// a title with "V" right after the base name is versioned and replaces the
// choice when its version is greater than the best so far; a longer title
// without "V" there replaces it always; shorter or equal titles are ignored.
// Starts from baseName.
wxString ChooseDocumentTitle(const wxString& baseName, const std::vector<wxString>& titles);

// The path of the document to open for name, empty when none matches or the
// chosen file does not exist.
wxString FindDocument(const wxString& docFolder, const wxString& name, const wxString& langSection,
                      bool maker);

// Opens the document of name, reporting a missing file or a missing viewer.
void OpenDocument(const wxString& name);

// Opens a folder with the system's file manager, reporting a missing folder
// and a system that has nothing to show folders with.
void OpenFolder(const wxString& folder);
