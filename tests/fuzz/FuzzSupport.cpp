#include "FuzzSupport.h"

#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <wx/filefn.h>

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace fuzzsupport {
namespace {

class CSilentBoxes : public platform::IMessageBoxService {
 public:
  int Show(const platform::stMessageBoxRequest&) override { return platform::kIdOk; }
};

// The scratch folder goes when the process ends.
struct stScratch {
  stScratch() {
    path = platform::GetTempFolder() + wxString::Format("olv-fuzz-%ld", static_cast<long>(getpid()));
    wxMkdir(path, 0700);
  }
  ~stScratch() {
    std::error_code ec;
    std::filesystem::remove_all(platform::ToFsPath(path), ec);
  }
  wxString path;
};

}  // namespace

const wxString& ScratchFolder() {
  static const stScratch scratch;
  return scratch.path;
}

wxString ScratchFile(const wxString& name) { return platform::JoinPath(ScratchFolder(), name); }

wxString WriteScratch(const wxString& name, const std::uint8_t* data, std::size_t size) {
  const wxString path = ScratchFile(name);
  std::FILE* file = platform::OpenFile(path, "wb");
  if (file) {
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
  }
  return path;
}

void SilenceMessageBoxes() {
  static CSilentBoxes boxes;
  platform::InstallMessageBoxService(&boxes);
}

void SplitInput(const std::uint8_t* data, std::size_t size, char separator, std::string& head,
                std::string& tail) {
  const std::string all(reinterpret_cast<const char*>(data), size);
  const std::size_t at = all.find(separator);
  head = all.substr(0, at);
  tail = at == std::string::npos ? std::string() : all.substr(at + 1);
}

}  // namespace fuzzsupport
