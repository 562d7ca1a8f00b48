#include "core/FileHelpers.h"

#include "core/AppContext.h"
#include "core/ProjectFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>

#include <algorithm>
#include <filesystem>
#include <regex>

bool FileExists(const wxString& path) { return platform::PathExists(path); }

namespace {
bool IsSeparator(wxChar c) { return c == '/' || c == '\\'; }

std::size_t FindSeparator(const wxString& path, std::size_t from) {
  for (std::size_t i = from; i < path.length(); ++i) {
    if (IsSeparator(path[i])) return i;
  }
  return wxString::npos;
}

bool MakeFolder(const wxString& path) { return wxMkdir(path, wxS_DIR_DEFAULT); }
}  // namespace

bool CreateFolderPath(const wxString& path, int start) {
  std::size_t pos = FindSeparator(path, static_cast<std::size_t>(std::max(start, 0)));
  while (pos != wxString::npos) {
    if (wxDirExists(path)) break;
    wxString part = path.Left(pos);
    if (!part.empty() && !wxDirExists(part) && !MakeFolder(part)) return false;
    pos = FindSeparator(path, pos + 1);
  }
  if (wxDirExists(path) || wxFileExists(path)) return false;
  return MakeFolder(path);
}

wxString GetLocalAppDataPath() { return platform::GetLocalAppDataFolder(); }

wxString GetDefaultProjectRoot() {
  wxString documents = platform::GetDocumentsFolder();
  if (documents.empty()) return wxString();
  return platform::JoinPath(documents, "OVK_Project");
}

bool IsProjectFileOfBrand(const wxString& fileName) {
  int dot = fileName.Find('.', true);
  if (dot == wxNOT_FOUND) return false;
  wxString tag = fileName.Mid(dot + 1, 2);
  // The extension's first two letters tell the brand.
  return tag.CmpNoCase(projectfile::FileExtension(g_BrandFlag != 0).Left(2)) == 0;
}

bool IsMcuOfferedUnderBrand(const wxString& mcu) {
  const bool partnerChip = mcu.CmpNoCase("QK21C0510") == 0;
  return g_BrandFlag != 0 ? !partnerChip : partnerChip;
}

bool IsProjectChipOfBrand(const wxString& projectFile) {
  const wxString mcu = CProjectFile(projectFile).ReadProject().mcu;
  // The partner brand's own chip lacks the partner prefix.
  if (g_BrandFlag == 0 && IsMcuOfferedUnderBrand(mcu)) return true;
  const bool lmChip = mcu.Left(2).CmpNoCase("LM") == 0;
  return g_BrandFlag != 0 ? !lmChip : lmChip;
}

namespace {

bool IsHiddenName(const wxString& name) { return name.StartsWith("."); }

void ListInto(std::vector<wxString>& out, const wxString& folder, bool titlesOnly) {
  wxDir dir(folder);
  if (!dir.IsOpened()) return;
  wxString name;
  for (bool more = dir.GetFirst(&name, wxEmptyString, wxDIR_FILES); more; more = dir.GetNext(&name)) {
    out.push_back(titlesOnly ? wxFileName(name).GetName() : platform::JoinPath(folder, name));
  }
  for (bool more = dir.GetFirst(&name, wxEmptyString, wxDIR_DIRS); more; more = dir.GetNext(&name)) {
    if (!IsHiddenName(name)) ListInto(out, platform::JoinPath(folder, name), titlesOnly);
  }
}

}  // namespace

bool ReadFolderEntries(const wxString& folder, std::vector<stFolderEntry>& entries) {
  entries.clear();
  std::error_code ec;
  std::filesystem::directory_iterator it(platform::ToFsPath(folder), ec);
  if (ec) return false;
  for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) return false;
    std::error_code typeError;
    stFolderEntry entry;
    entry.name = platform::FromFsPath(it->path().filename());
    entry.isLink = it->is_symlink(typeError);
    entry.isFolder = it->is_directory(typeError);
    entry.isRegularFile = it->is_regular_file(typeError);
    entries.push_back(entry);
  }
  return !ec;
}

void ListFilesRecursive(std::vector<wxString>& out, const wxString& folder, bool foldersOnly,
                        bool titlesOnly) {
  if (!foldersOnly) {
    ListInto(out, folder, titlesOnly);
    return;
  }
  wxDir dir(folder);
  if (!dir.IsOpened()) return;
  wxString name;
  for (bool more = dir.GetFirst(&name, wxEmptyString, wxDIR_DIRS); more; more = dir.GetNext(&name)) {
    if (!IsHiddenName(name)) out.push_back(name);
  }
}

std::uint16_t ParseReceiverFirmwareTitle(const wxString& title) {
  static const std::regex pattern("IRRC_RECEIVER_([0-9A-Fa-f]+)", std::regex::ECMAScript);
  std::string upper(title.Upper().utf8_str());
  std::smatch match;
  if (!std::regex_match(upper, match, pattern)) return 0;
  return static_cast<std::uint16_t>(std::strtoul(match[1].str().c_str(), nullptr, 16));
}

bool FindReceiverFirmware(stReceiverFirmware& found) {
  found = stReceiverFirmware();
  wxString folder = platform::FindPathNoCase(platform::JoinPath(g_App.installFolder, "FW"));
  wxDir dir(folder);
  if (!dir.IsOpened()) return false;
  std::vector<wxString> names;
  wxString name;
  for (bool more = dir.GetFirst(&name, "*", wxDIR_FILES); more; more = dir.GetNext(&name)) {
    // "IRRC_Receiver_????.bin": four characters after the prefix, any case on disk.
    if (name.length() == 22 && name.Upper().StartsWith("IRRC_RECEIVER_") && name.Upper().EndsWith(".BIN")) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  for (const wxString& file : names) {
    const std::uint16_t v = ParseReceiverFirmwareTitle(wxFileName(file).GetName());
    if (v != 0 && v >= found.version) {
      found.version = v;
      found.path = platform::JoinPath(folder, file);
    }
  }
  return found.version != 0;
}

bool FindReceiverFirmware(std::uint16_t& version) {
  stReceiverFirmware found;
  const bool any = FindReceiverFirmware(found);
  version = found.version;
  return any;
}
