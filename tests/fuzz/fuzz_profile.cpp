// The INI layer: a file of any bytes is read every way the program reads it,
// then written back through one edit named by the input's first line.
#include "FuzzSupport.h"

#include "platform/Profile.h"
#include "platform/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // First line: "section\tkey\tvalue" of the edit; the rest is the file.
  std::string edit, file;
  fuzzsupport::SplitInput(data, size, '\n', edit, file);
  const wxString path = fuzzsupport::WriteScratch(
      "profile.ini", reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
  platform::ClearProfileCache();

  for (const wxString& section : platform::ReadProfileSectionNames(path)) {
    for (const wxString& key : platform::ReadProfileKeys(path, section)) {
      platform::ReadProfileString(path, section, key, "", 5);
      platform::ReadProfileInt(path, section, key, -1);
      platform::ProfileKeyExists(path, section, key);
    }
    platform::ReadProfileSection(path, section);
  }

  const wxString fields = platform::DecodeText(edit);
  const wxString section = fields.BeforeFirst('\t');
  const wxString rest = fields.AfterFirst('\t');
  const wxString key = rest.BeforeFirst('\t');
  const wxString value = rest.AfterFirst('\t');
  std::optional<wxString> keyArg, valueArg;
  if (!key.empty()) keyArg = key;
  if (!value.empty()) valueArg = value;
  if (platform::WriteProfileString(path, section, keyArg, valueArg) && keyArg && valueArg) {
    // What was written reads back (names and values as the layer trims them):
    // a key that is there reads the same whatever the default, one that is
    // missing reads as the default, so no value can pass for a lost write.
    const auto read = [&](const char* def) {
      return platform::ReadProfileString(path, section, *keyArg, def, 1 << 20);
    };
    const bool present = read("a") == read("b");
    if (!present && !key.Strip(wxString::both).empty()) __builtin_trap();
  }
  return 0;
}
