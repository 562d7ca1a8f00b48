// Every language key that the program's sources or pages name exists in all
// three sections of the install folder's language file, and every translation
// takes the arguments of its English text.
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kSections[] = {"1252", "936", "950"};

wxString LangFile() { return platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "Lang.ini"); }

wxString LangText(const char* section, const wxString& key) {
  return platform::ReadProfileString(LangFile(), section, key, wxString(), 2000);
}

// A quoted name with a key's prefix, except the first of a pair with a
// control id ({"ERR_TEXT", kErrorTextId}), which names a layout element.
std::set<std::string> KeysNamedInSources() {
  static const std::regex literal("\"((IDS|S|ERR)_[A-Z0-9_]+)\"(?!\\s*,\\s*k[A-Za-z0-9]*Id\\b)");
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

// The keys listed in the fixture: those the pages look up by name.
std::vector<std::string> KeysNamedByPages() {
  std::ifstream in(fs::path(OLV_SOURCE_DIR) / "tests/fixtures/lang/page_keys.txt");
  std::vector<std::string> keys;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] != '#') keys.push_back(line);
  }
  return keys;
}

// One argument of the kind each conversion of text asks for.
std::vector<platform::FormatArg> ArgumentsFor(const wxString& text) {
  static const std::regex conversion("%[-+ #0]*[0-9]*(\\.[0-9]+)?[hlLqjzt]*([A-Za-z%])");
  const std::string utf8 = text.ToStdString(wxConvUTF8);
  std::vector<platform::FormatArg> args;
  for (std::sregex_iterator it(utf8.begin(), utf8.end(), conversion), end; it != end; ++it) {
    switch ((*it)[2].str()[0]) {
      case '%': break;
      case 's':
      case 'S': args.emplace_back("text"); break;
      case 'f':
      case 'F':
      case 'e':
      case 'E':
      case 'g':
      case 'G': args.emplace_back(1.5); break;
      default: args.emplace_back(7); break;
    }
  }
  return args;
}

TEST(LangKeys, EverySourceKeyHasATextInEveryLanguage) {
  const wxString langFile = LangFile();
  const auto keys = KeysNamedInSources();
  ASSERT_FALSE(keys.empty());
  for (const char* section : kSections) {
    for (const auto& key : keys) {
      EXPECT_TRUE(platform::ProfileKeyExists(langFile, section, wxString::FromUTF8(key.c_str())))
          << key << " is missing from section " << section;
    }
  }
}

TEST(LangKeys, EveryPageKeyHasATextInEveryLanguage) {
  const auto keys = KeysNamedByPages();
  ASSERT_GT(keys.size(), 300u);
  for (const char* section : kSections) {
    for (const auto& key : keys) {
      EXPECT_FALSE(LangText(section, wxString::FromUTF8(key.c_str())).empty())
          << key << " has no text in section " << section;
    }
  }
}

TEST(LangKeys, TranslationsTakeTheArgumentsOfTheEnglishText) {
  for (const auto& key : platform::ReadProfileKeys(LangFile(), "1252")) {
    const wxString english = LangText("1252", key);
    const auto args = ArgumentsFor(english);
    // A plain text with a literal '%' is not a format; nothing to compare.
    if (!platform::FormatFits(english, args)) continue;
    for (const char* section : {"936", "950"}) {
      EXPECT_TRUE(platform::FormatFits(LangText(section, key), args))
          << key << " in section " << section << " does not take the arguments of \"" << english << "\"";
    }
  }
}

TEST(LangKeys, TheThreeSectionsHoldTheSameKeys) {
  const wxString langFile = LangFile();
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
