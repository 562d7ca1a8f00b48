#include "ui/pages/RecentProjects.h"

#include "core/AppContext.h"
#include "core/FileHelpers.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <wx/dir.h>

#include <algorithm>

namespace {
const wxString kSeparator = "    ";
constexpr std::size_t kHistoryValueSize = 4096;
}  // namespace

wxString MakeEntryLine(const wxString& name, const wxString& path) { return name + kSeparator + path; }

namespace {

// Where the separator starts. A name never holds a path separator or a colon,
// so the path begins at or before the first of them, and the separator is the
// last run of four blanks in front of it: names keep their own runs of blanks.
std::size_t SeparatorAt(const wxString& line) {
  const std::size_t pathChar = line.find_first_of("/\\:");
  if (pathChar == wxString::npos || pathChar < kSeparator.length()) return line.find(kSeparator);
  const std::size_t at = line.rfind(kSeparator, pathChar - kSeparator.length());
  return at == wxString::npos ? line.find(kSeparator) : at;
}

}  // namespace

wxString NameOfLine(const wxString& line) {
  const std::size_t at = SeparatorAt(line);
  return at == wxString::npos ? line : line.Left(at);
}

wxString PathOfLine(const wxString& line) {
  const std::size_t at = SeparatorAt(line);
  return at == wxString::npos ? wxString() : line.Mid(at + kSeparator.length());
}

wxString HistorySection(int slot) {
  return wxString::Format(g_BrandFlag != 0 ? "History%d" : "LMHistory%d", slot);
}

void AddEntryLine(std::vector<wxString>& lines, const wxString& name, const wxString& path) {
  lines.insert(lines.begin(), MakeEntryLine(name, path));
  if (lines.size() > static_cast<std::size_t>(kMaxRecentProjects)) lines.resize(kMaxRecentProjects);
}

void RemoveEntryLines(std::vector<wxString>& lines, const wxString& path) {
  lines.erase(std::remove_if(lines.begin(), lines.end(),
                             [&path](const wxString& line) { return PathOfLine(line) == path; }),
              lines.end());
}

std::vector<wxString> LoadHistoryLines(const wxString& settingsFile) {
  std::vector<wxString> lines;
  for (int slot = 1; slot <= kMaxRecentProjects; ++slot) {
    const wxString section = HistorySection(slot);
    const wxString name =
        platform::ReadProfileString(settingsFile, section, "PrjName", "", kHistoryValueSize);
    const wxString path =
        platform::ReadProfileString(settingsFile, section, "PathName", "", kHistoryValueSize);
    if (name.empty() || path.empty()) continue;
    if (!IsProjectFileOfBrand(path) || !IsProjectChipOfBrand(path)) continue;
    lines.push_back(MakeEntryLine(name, path));
  }
  return lines;
}

bool SaveHistoryLines(const wxString& settingsFile, const std::vector<wxString>& lines) {
  bool ok = true;
  for (int slot = 1; slot <= kMaxRecentProjects; ++slot) {
    const std::size_t index = static_cast<std::size_t>(slot - 1);
    const wxString line = index < lines.size() ? lines[index] : wxString();
    const wxString section = HistorySection(slot);
    ok = platform::WriteProfileString(settingsFile, section, "PrjName", NameOfLine(line)) && ok;
    ok = platform::WriteProfileString(settingsFile, section, "PathName", PathOfLine(line)) && ok;
  }
  return ok;
}

std::vector<wxString> LoadExampleLines(const wxString& installFolder, const wxString& category) {
  std::vector<wxString> lines;
  const wxString folder = platform::JoinPath(platform::JoinPath(installFolder, "Example"), category);
  wxDir dir;
  if (!wxDir::Exists(folder) || !dir.Open(folder)) return lines;
  std::vector<wxString> names;
  wxString name;
  for (bool found = dir.GetFirst(&name, wxEmptyString, wxDIR_DIRS); found; found = dir.GetNext(&name)) {
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  for (const wxString& sub : names) lines.push_back(MakeEntryLine(sub, platform::JoinPath(folder, sub)));
  return lines;
}
