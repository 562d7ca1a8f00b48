// Every language key that the program's sources name exists in all three
// sections of the install folder's language file.
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::set<std::string> KeysNamedInSources() {
  static const std::regex literal("\"((IDS|S|ERR)_[A-Z0-9_]+)\"");
  std::set<std::string> keys;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(OLV_SOURCE_DIR) / "src")) {
    const auto ext = entry.path().extension();
    if (ext != ".cpp" && ext != ".h") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    for (std::sregex_iterator it(source.begin(), source.end(), literal), end; it != end; ++it) {
      keys.insert((*it)[1].str());
    }
  }
  return keys;
}

TEST(LangKeys, EverySourceKeyHasATextInEveryLanguage) {
  const wxString langFile = platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "Lang.ini");
  const auto keys = KeysNamedInSources();
  ASSERT_FALSE(keys.empty());
  for (const char* section : {"1252", "936", "950"}) {
    for (const auto& key : keys) {
      EXPECT_TRUE(platform::ProfileKeyExists(langFile, section, wxString::FromUTF8(key.c_str())))
          << key << " is missing from section " << section;
    }
  }
}

TEST(LangKeys, TheThreeSectionsHoldTheSameKeys) {
  const wxString langFile = platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "Lang.ini");
  auto english = platform::ReadProfileKeys(langFile, "1252");
  ASSERT_FALSE(english.empty());
  for (const char* section : {"936", "950"}) {
    auto other = platform::ReadProfileKeys(langFile, section);
    EXPECT_EQ(std::set<wxString>(english.begin(), english.end()),
              std::set<wxString>(other.begin(), other.end()))
        << "section " << section;
  }
}

}  // namespace
