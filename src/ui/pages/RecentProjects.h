// The lines of the example and recent-project lists and the recent list's
// storage in the per-user settings file. A line is the name, four blanks and
// the path; the name may hold runs of blanks itself but never a path
// separator or a colon, which tells the two apart.
#pragma once

#include <wx/string.h>

#include <vector>

constexpr int kMaxRecentProjects = 6;

wxString MakeEntryLine(const wxString& name, const wxString& path);
wxString NameOfLine(const wxString& line);
wxString PathOfLine(const wxString& line);

// "History%d" (maker brand) or "LMHistory%d" (partner brand).
wxString HistorySection(int slot);

// The line goes to the top; the seventh and later lines drop off.
void AddEntryLine(std::vector<wxString>& lines, const wxString& name, const wxString& path);
// Removes every line of exactly that path.
void RemoveEntryLines(std::vector<wxString>& lines, const wxString& path);

// Slots 1..6 of the settings file; slots with an empty name or path, or whose
// project belongs to the other brand (by extension or by MCU), are skipped.
std::vector<wxString> LoadHistoryLines(const wxString& settingsFile);
// Slot i + 1 holds line i; the slots after the last line get empty values.
bool SaveHistoryLines(const wxString& settingsFile, const std::vector<wxString>& lines);

// "<install>/Example/<category>": one line per sub-folder (name, full path),
// sorted by name; none when the folder is missing.
std::vector<wxString> LoadExampleLines(const wxString& installFolder, const wxString& category);
