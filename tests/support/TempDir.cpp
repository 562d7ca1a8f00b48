#include "TempDir.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace testsupport {

TempDir::TempDir() {
  std::random_device rd;
  for (;;) {
    fs::path p = fs::temp_directory_path() / ("olv-test-" + std::to_string(rd()));
    std::error_code ec;
    if (fs::create_directory(p, ec)) {
      m_path = wxString::FromUTF8(p.u8string().c_str());
      break;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(fs::path(m_path.utf8_string()), ec);
}

wxString TempDir::File(const wxString& name) const { return m_path + wxFILE_SEP_PATH + name; }

void PointUserFoldersAt(const TempDir& home) {
  wxSetEnv("HOME", home.Path());
  wxSetEnv("XDG_CONFIG_HOME", home.File("config"));
  wxSetEnv("XDG_DATA_HOME", home.File("data"));
}

ScopedEnv::ScopedEnv(const wxString& name, const wxString& value)
    : m_name(name), m_had(wxGetEnv(name, &m_old)) {
  wxSetEnv(name, value);
}

ScopedEnv::~ScopedEnv() { m_had ? wxSetEnv(m_name, m_old) : wxUnsetEnv(m_name); }

ScopedUserFolders::ScopedUserFolders(const TempDir& home)
    : m_home("HOME", home.Path()),
      m_config("XDG_CONFIG_HOME", home.File("config")),
      m_data("XDG_DATA_HOME", home.File("data")) {}

std::string ReadBytes(const wxString& path) {
  std::ifstream in(path.utf8_string(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const wxString& path, const std::string& bytes) {
  std::ofstream out(path.utf8_string(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testsupport
