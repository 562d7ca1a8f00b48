#include "platform/FileTypeRegistration.h"

#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <wx/filename.h>

#include <cstdlib>

#ifdef __WINDOWS__
#include <wx/msw/registry.h>
#endif

namespace platform {

wxString MimeTypeFor(const stFileTypeInfo& info) { return "application/x-olvanta-" + info.progId; }

#ifdef __WINDOWS__

bool SetRegistryString(const wxString& subKey, const wxString& valueName, const wxString& data) {
  wxRegKey key(wxRegKey::HKCU, "Software\\Classes\\" + subKey);
  if (!key.Create(false)) return false;
  return key.SetValue(valueName, data);
}

bool RegisterFileType(const stFileTypeInfo& info) {
  bool ok = SetRegistryString(info.extension, wxString(), info.progId);
  ok = SetRegistryString(info.progId + "\\DefaultIcon", wxString(), info.iconPath) && ok;
  ok = SetRegistryString(info.progId + "\\shell\\Open\\command", wxString(),
                         "\"" + info.programPath + "\" \"%1\"") &&
       ok;
  return ok;
}

#else

namespace {

wxString XmlEscape(const wxString& text) {
  wxString out;
  for (wxChar c : text) {
    switch (static_cast<int>(c)) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A desktop-entry argument: quoted, with the reserved characters escaped for
// the quoting rule and then for the string-value rule (a backslash becomes four).
wxString DesktopQuote(const wxString& arg) {
  wxString out = "\"";
  for (wxChar c : arg) {
    if (c == '\\')
      out += "\\\\\\\\";
    else if (c == '"' || c == '`' || c == '$')
      out << "\\\\" << c;
    else
      out += c;
  }
  return out + "\"";
}

wxString ShellQuote(const wxString& arg) {
  wxString out = "'";
  for (wxChar c : arg) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

// Writes the file when its content differs; changed tells whether it did.
bool WriteIfChanged(const wxString& path, const std::string& content, bool& changed) {
  std::string old;
  if (ReadFileBytes(path, old) && old == content) return true;
  if (!wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) return false;
  changed = true;
  return WriteFileAtomically(path, content);
}

std::string MimePackage(const stFileTypeInfo& info) {
  wxString ext = info.extension.StartsWith(".") ? info.extension.Mid(1) : info.extension;
  wxString xml;
  xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      << "  <mime-type type=\"" << MimeTypeFor(info) << "\">\n"
      << "    <comment>" << XmlEscape(info.description) << "</comment>\n"
      << "    <glob pattern=\"*." << XmlEscape(ext) << "\"/>\n"
      << "  </mime-type>\n"
      << "</mime-info>\n";
  return std::string(xml.utf8_str());
}

std::string DesktopEntry(const stFileTypeInfo& info) {
  wxString entry;
  entry << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=Olvanta\n"
        << "Comment=" << info.description << "\n"
        << "Exec=" << DesktopQuote(info.programPath) << " %f\n";
  if (!info.iconPath.empty()) entry << "Icon=" << info.iconPath << "\n";
  entry << "MimeType=" << MimeTypeFor(info) << ";\n"
        << "Terminal=false\n"
        << "Categories=Development;Electronics;\n";
  return std::string(entry.utf8_str());
}

// Refreshes the desktop's databases in the background when their tools exist.
void RefreshDesktopDatabases(const wxString& dataFolder) {
  wxString command;
  command << "(command -v update-mime-database >/dev/null && update-mime-database "
          << ShellQuote(JoinPath(dataFolder, "mime")) << ";"
          << " command -v update-desktop-database >/dev/null && update-desktop-database "
          << ShellQuote(JoinPath(dataFolder, "applications")) << ") >/dev/null 2>&1 &";
  int ignored = std::system(command.utf8_str());
  (void)ignored;
}

}  // namespace

bool RegisterFileType(const stFileTypeInfo& info) {
  wxString dataFolder = GetLocalAppDataFolder();
  if (dataFolder.empty()) return false;
  wxString mimeFile = JoinPath(dataFolder, "mime/packages/olvanta-" + info.progId + ".xml");
  wxString desktopFile = JoinPath(dataFolder, "applications/olvanta-" + info.progId + ".desktop");
  bool changed = false;
  bool ok = WriteIfChanged(mimeFile, MimePackage(info), changed);
  ok = WriteIfChanged(desktopFile, DesktopEntry(info), changed) && ok;
  if (changed) RefreshDesktopDatabases(dataFolder);
  return ok;
}

#endif

}  // namespace platform
