// The output command's folder steps as a process of their own, for benches
// that time whole processes against "cp -r":
//   olv_output_driver <protocols> <framework prefix> <MCU> <protocol> <project> <overlay>
// makes the output folder of a general remote with generative code from the
// newest framework of that prefix in <protocols>/Custom (the kind of protocol
// type OLV_PROTOCOL_TYPE when set), as the output command does, and prints its
// path. With OLV_KEEP_SOURCE set, the output folders of
// the next seconds are made beforehand holding a kept "src" folder with a
// file of that name, so that the output goes over an existing folder.
//   olv_output_driver --stress <root> <directive share>
// writes the bench's stress framework under <root>.
#include "StressFramework.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <wx/datetime.h>
#include <wx/init.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

wxString FromUtf8(const char* text) { return wxString::FromUTF8(text); }

// A kept "src" folder with keptFile in the output folders of the next seconds.
void KeepSourceFolders(const CDocManage& doc, const char* keptFile) {
  std::string bytes;
  {
    std::ifstream in(keptFile, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const wxDateTime now = wxDateTime::Now();
  for (int s = 0; s < 5; ++s) {
    const wxDateTime at = now + wxTimeSpan::Seconds(s);
    const wxString folder = platform::JoinPath(
        doc.ProjectFolder,
        wxString::Format("%s_%s_%s", doc.ProjectName, at.Format("%Y%m%d"), at.Format("%H%M%S")));
    const std::filesystem::path src = platform::ToFsPath(folder) / "src";
    std::filesystem::create_directories(src);
    stress::WriteText(src / std::filesystem::path(keptFile).filename(), bytes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  wxInitializer init;
  if (argc == 4 && std::string(argv[1]) == "--stress") {
    stress::WriteFramework(argv[2], std::atof(argv[3]));
    return 0;
  }
  if (argc != 7) {
    std::fprintf(stderr, "usage: %s <protocols> <framework> <MCU> <protocol> <project> <overlay>\n", argv[0]);
    return 2;
  }
  g_App.protocolFolder = FromUtf8(argv[1]);
  CDocManage doc;
  doc.ProjectFolder = FromUtf8(argv[5]);
  doc.ProjectName = "Driver";
  doc.McuName = FromUtf8(argv[3]);
  const char* type = std::getenv("OLV_PROTOCOL_TYPE");
  doc.ProtocolType = type ? std::atoi(type) : 2;
  if (const char* kept = std::getenv("OLV_KEEP_SOURCE")) KeepSourceFolders(doc, kept);
  const CDocManage::OutputStep step =
      doc.MakeOutputFolder(FromUtf8(argv[4]), FromUtf8(argv[2]), FromUtf8(argv[6]), true);
  std::printf("%s\n", static_cast<const char*>(doc.GetOutputFolder().utf8_str()));
  return step == CDocManage::OutputStep::kDone ? 0 : 1;
}
